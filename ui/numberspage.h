// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "history/numberhistory.h"

#include <QWidget>

#include <optional>
#include <string>
#include <vector>

class QLabel;
class QTreeWidget;

namespace kellvar {

class TChart;

// The Numbers page: how the calls to each dialled number went (the table of
// kellvar-report --by=number, sortable and copyable), and a chart per month
// of the success rate and median connect speed of the numbers chosen in the
// table, or of the three with the most attempts.
class TNumbersPage : public QWidget {
    Q_OBJECT

public:
    explicit TNumbersPage(std::string decimalSeparator, QWidget* parent = nullptr);

    void ApplyTexts(bool german);

    // A run's sessions; shown once the run has ended. With money the table
    // has the costs' columns.
    void Clear(const TTariff* money);
    void Add(const TConnectionRecord& record, const std::optional<TCost>& cost);
    void AddUnlisted(const TConnectionRecord& record);
    void Show();

    // The table in its shown order, TAB-separated with CR LF, as the
    // connection table copies.
    QString TableText() const;
    void CopyTable() const;

    QTreeWidget* Table() const { return table_; }
    TChart* Chart() const { return chart_; }
    QLabel* Note() const { return note_; }

private:
    // The numbers the chart shows, most attempts first.
    std::vector<TNumberFigures> Chosen() const;
    void ShowTable();
    void ShowChart();

    std::string decimalSeparator_;
    bool german_ = true;
    const TTariff* money_ = nullptr;
    TNumberHistory history_;
    // The shown run's numbers, most attempts first; the table's items hold
    // their index here.
    std::vector<TNumberFigures> numbers_;

    QLabel* note_;
    QTreeWidget* table_;
    QLabel* hint_;
    TChart* chart_;
};

}  // namespace kellvar
