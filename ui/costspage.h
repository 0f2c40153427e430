// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/tariffs.h"

#include <QWidget>

#include <optional>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTreeWidget;

namespace kellvar {

class TChart;
class TCostHistory;
class TLimitsPanel;
class TProfileMap;
class TReportFolderRow;
class TUserDialogs;

// The Costs page: the tariff files in use (the first that fits a connection
// prices it), what the shown connections cost in total, per connection and
// per hour online, a table of the months and a chart of the cost per month.
// Without tariff files it says how to choose one, and the rest of the window
// stays as it is.
class TCostsPage : public QWidget {
    Q_OBJECT

public:
    TCostsPage(TUserDialogs& dialogs, std::string decimalSeparator, QWidget* parent = nullptr);

    void ApplyTexts(bool german);
    // The files as the settings keep them. Each is read at once; one that
    // cannot be read, or holds an error, is named in a box with its line, and
    // no file prices anything until it is mended or removed: a tariff that
    // cannot be read never costs 0.
    void SetFiles(const std::vector<std::string>& files);
    const std::vector<std::string>& Files() const { return files_; }
    // While the window is not yet painted, a file's error waits: a box over
    // an unpainted window tells nothing of where it comes from.
    void HoldErrors() { holdErrors_ = true; }
    void TellHeldErrors();
    // The tariffs the connections are priced by; none without files or with an error.
    const TTariffs* Tariffs() const { return tariffs_ ? &*tariffs_ : nullptr; }

    // A run's connections, as the table keeps them, with their costs by
    // Tariffs(): the limits check them in the periods that hold today, and
    // what they cost is shown once the run has ended.
    void Clear(int64_t today);
    void AddToLimits(const TConnectionRecord& record, const std::optional<TCost>& cost);
    void Show(const TCostHistory& costs);

    // The month table as its copy puts it on the clipboard.
    QString MonthsText() const;
    void CopyMonths() const;

    TLimitsPanel* Limits() const { return limits_; }
    TProfileMap* ProfileMap() const { return profileMap_; }
    TReportFolderRow* ReportFolder() const { return reportFolder_; }
    QListWidget* FileList() const { return fileList_; }
    QTreeWidget* Months() const { return monthTable_; }
    TChart* Chart() const { return chart_; }
    // The value beside the figure's caption, in the order of CostFigures.
    QLabel* Figure(size_t index) const { return figures_[index].second; }

signals:
    // The files or their order changed: the connections are to be priced anew.
    void TariffsChanged();

private:
    void AddFile();
    void RemoveFile();
    void MoveFile(int by);
    void ReadFiles();
    void ShowFileList();

    TUserDialogs& dialogs_;
    std::string decimalSeparator_;
    bool german_ = true;
    std::vector<std::string> files_;
    std::optional<TTariffs> tariffs_;
    // The files tariffs_ was read from, in their order: the list names them
    // by their tariffs only while it still shows these.
    std::vector<std::string> readFiles_;
    std::string error_;
    bool holdErrors_ = false;
    bool errorHeld_ = false;
    // Costs of a run are on the page.
    bool shown_ = false;

    QWidget* scroll_ = nullptr;
    QLabel* filesLabel_;
    QListWidget* fileList_;
    QPushButton* addButton_;
    QPushButton* removeButton_;
    QPushButton* upButton_;
    QPushButton* downButton_;
    QLabel* note_;
    std::vector<std::pair<QLabel*, QLabel*>> figures_;
    TLimitsPanel* limits_;
    TReportFolderRow* reportFolder_;
    QTreeWidget* monthTable_;
    TChart* chart_;
    TProfileMap* profileMap_;
    QLabel* measureLabel_;
    QComboBox* measure_;
};

}  // namespace kellvar
