// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chart.h"
#include "textbindings.h"

#include "core/chartpoints.h"
#include "core/connectiontable.h"
#include "history/historyreport.h"
#include "platform/filehandle.h"
#include "ui/rules/windowsettings.h"
#include "ui/userdialogs.h"
#include "ui/windowreceiver.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QProgressBar>
#include <QScrollArea>
#include <QString>

#include <array>
#include <memory>
#include <string>
#include <vector>

class QCheckBox;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTreeView;

namespace kellvar {

class TChart;
class TChartPage;
class TCostsPage;
class TNumbersPage;
class TFixedPlacement;
class TOverviewPage;
class TSettingsPage;
class TStatusPanel;
class TTablePage;
class TWindowPlacement;

// The one window: overview, table, four charts, settings and about pages,
// the bottom panel with Open, Close and Help. The pages hold their controls,
// texts and copy commands; the window keeps the start-up, its bounds, the
// quiet runs and what an analysis run hands over. Handlers carry the names
// the program has always used; the work lives in the core and in ui/rules.
class TModemLogDialog : public QDialog {
    Q_OBJECT

public:
    explicit TModemLogDialog(TUserDialogs& dialogs, QWidget* parent = nullptr);
    ~TModemLogDialog() override;

    // Set by the program start before the window is shown.
    void SetQuiet(bool quiet, bool quietTotal)
    {
        FQuiet = quiet;
        FQuietTotal = quietTotal;
    }
    void SetArguments(std::vector<std::string> arguments) { arguments_ = std::move(arguments); }
    // The program file whose ".INI" and ".ATL" siblings the window uses.
    void SetProgramPath(const QString& path) { programPath_ = path; }
    // What writes the HTML report after a quiet run; without it none is written.
    void SetHistoryReportWriter(THistoryReportWriter writer) { writeHistoryReport_ = std::move(writer); }

    const QString& CurrentLogFile() const { return FCurrentLogFile; }
    const QString& DefaultLogFile() const { return FDefaultLogFile; }
    const TOpenFileRequest& OpenRequest() const { return OpenDialog1; }
    const QString& HelpFile() const { return helpFile_; }

    // Event handlers.
    void FormCreate();
    void FormShow();
    void FormActivate();
    void PageControl1Change(int index);
    void OpenButtonClick();
    void DefineDefaultBitBtnClick();
    void HelpButtonClick();
    void CloseButtonClick();
    void FormClose();
    void ListView1ColumnClick(int column);
    void CopyData1Click();
    void CopyDataLine1Click();
    void ShowLabelsCheckBoxClick();
    void Unzoom1Click();
    void alsBitmap1Click();
    void alsMeta1Click();
    // Shift+F10: the pop-up menu of the focused list or chart, as the Menu key opens it.
    void ShowContextMenuOfFocus();

    void ApplyLanguageTexts();
    // False when the log could not be read whole or the All-Time-Log not kept.
    bool AnalyseLogFile(const QString& path, bool NoSizeWarning);
    // The connections the table and the charts take by their connect date
    // (kellvar-report's --since and --until for its charts); all by default.
    void KeepConnectDates(TConnectDateRange range) { receiver_->KeepConnectDates(range); }
    void SetReadingPace(TReadingPace pace) { receiver_->SetReadingPace(pace); }
    QProgressBar* Progress() const { return progress_; }
    // The last run's table stopped at its row limit.
    bool StoppedAtRowLimit() const { return receiver_->StoppedAtRowLimit(); }
    // The program's exit status: 1 when a quiet run's analysis failed.
    int ExitCode() const { return quietRunFailed_ ? 1 : 0; }
    bool StartUpDone() const { return startUpDone_; }

    // The pages, each with its own controls; every control also has its
    // name from the layout as its object name.
    QTabWidget* Pages() const { return PageControl1; }
    TTablePage* TablePage() const { return tablePage_; }
    TCostsPage* CostsPage() const { return costsPage_; }
    TNumbersPage* NumbersPage() const { return numbersPage_; }
    std::array<TChart*, 4> Charts() const { return {Chart1, Chart2, Chart3, Chart4}; }
    const TConnectionTable& Table() const;
    const TChartPoints& Points() const { return receiver_->Points(); }

    // A window with a stored place gets it before it is made (PlaceBeforeMapping).
    void setVisible(bool visible) override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Controls that the handlers work with, held by their pages.
    QTabWidget* PageControl1 = nullptr;
    QTreeView* ListView1 = nullptr;
    TChart* Chart1 = nullptr;
    TChart* Chart2 = nullptr;
    TChart* Chart3 = nullptr;
    TChart* Chart4 = nullptr;
    QCheckBox* ShowLabelsCheckBox = nullptr;
    QPushButton* OpenButton = nullptr;
    QPushButton* CloseButton = nullptr;
    QPushButton* HelpButton = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QMenu* PopupMenu2 = nullptr;

    bool FQuiet = false;
    bool FQuietTotal = false;
    QString FIniFileName;
    QString FCurrentLogFile;
    QString FDefaultLogFile;
    bool FFileFromCommandLine = false;
    TOpenFileRequest OpenDialog1;
    QString helpFile_ = "Kellvar.hlp";

    // Layout.
    void BuildLayout();
    QWidget* BuildBottomPanel();
    std::vector<TStatusPanel*> StatusPanels() const;
    void BuildMenus();
    // Places the overview, status panels, settings and buttons anew for the
    // current font and texts.
    void RelayoutFixedParts();

    // Lifecycle.
    void ReadSettings();
    void WriteSettings();
    QString SettingsFilePath() const;
    void LockSettings();
    void NamePageControl();
    // The settings as the window shows them now.
    TWindowSettings CurrentSettings() const;
    void CorrectBounds();
    void PlaceBeforeMapping();
    // Made on first use: the program path and the quiet flags are set after the window.
    TWindowPlacement& Placement();
    QString DefaultLogPath();
    // The daily timer's refresh of the HTML report, after the run on the log
    // has archived it: of the All-Time-Log where there is one. False, said on
    // standard error unless quiet in total, when it could not be written.
    bool RefreshHtmlReport(const QString& analysedLog);
    // The shown connections priced and shown anew after the tariffs or the
    // limits changed; the log is not read again.
    void PriceShownConnectionsAnew();
    void OpenLogFile(const QString& path);
    void ShowHelpFor(QWidget* focus);
    // The chart of the page shown (a chart page's or the Costs page's), or null.
    TChart* ActiveChart() const;

    TUserDialogs& dialogs_;
    std::vector<std::string> arguments_;
    QString programPath_;
    std::string decimalSeparator_;
    THistoryReportWriter writeHistoryReport_;
    TTextBindings texts_;
    TOverviewPage* overview_ = nullptr;
    TTablePage* tablePage_ = nullptr;
    std::array<TChartPage*, 4> chartPages_{};  // Chart1 to Chart4
    TSettingsPage* settingsPage_ = nullptr;
    TCostsPage* costsPage_ = nullptr;
    TNumbersPage* numbersPage_ = nullptr;
    // The log the table shows, analysed anew when the tariffs change.
    QString shownLog_;
    TFixedPlacement* bottomPanel_ = nullptr;
    QProgressBar* progress_ = nullptr;
    std::unique_ptr<TWindowReceiver> receiver_;
    QScrollArea* windowScroll_ = nullptr;
    bool shown_ = false;
    bool startUpDone_ = false;
    bool closed_ = false;
    bool analysing_ = false;
    bool quietRunFailed_ = false;
    bool settingsUnreadable_ = false;
    // Held while the settings are decided on and written: a quiet run that
    // tells a limit exceeded and a window that closes never cross.
    platform::TFileHandle settingsLock_;
    TWindowPlacement* placement_ = nullptr;
};

}  // namespace kellvar
