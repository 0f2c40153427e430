// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/connectiontable.h"

#include <QWidget>

#include <optional>
#include <string>
#include <vector>

class QTreeView;

namespace kellvar {

class TConnectionTableModel;
class TStatusPanel;

// The table page: the list of connections (ListView1) over the core's table,
// the counts beneath it, the column captions in either language, sorting by
// a column, and the copies of rows.
class TTablePage : public QWidget {
    Q_OBJECT

public:
    explicit TTablePage(std::string decimalSeparator, QWidget* parent = nullptr);
    ~TTablePage() override;

    TConnectionTable& Table() { return table_; }
    const TConnectionTable& Table() const { return table_; }
    QTreeView* View() const { return view_; }
    TStatusPanel* Panel() const { return panel_; }

    void ApplyTexts(bool german);
    // Priced, the rows added from now on end in their cost, and the table
    // has a "Costs" column; unpriced takes it away.
    void SetPriced(bool priced);

    // The table was emptied: no rows, and a new run's rows come in the log's order.
    void Clear();
    // The rows priced anew where they can be, as the table's PriceAnew says,
    // and shown in the log's order; false where they are to be added anew.
    bool PriceAnew(const std::vector<std::optional<TCost>>& costs);
    // Shows the rows added so far.
    void Sync();
    // Sorts by the column as a click on its header does.
    void SortBy(int column);
    // Once a run has ended: the columns fitted to all texts, the last row
    // selected and wholly in view.
    void ShowLastRow();

    // The whole table with captions, as text and as HTML for spreadsheets.
    void CopyTable() const;
    // The first selected row.
    void CopyFirstSelectedRow() const;
    // Every selected row, in the order shown.
    void CopySelectedRows() const;
    // The list's pop-up menu at its current row, as the Menu key opens it.
    void ShowContextMenuAtCurrentRow();

protected:
    // The list copies its current cell on Ctrl+C before any shortcut could.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TConnectionTable table_;
    bool german_ = true;
    QTreeView* view_;
    TConnectionTableModel* model_;
    TStatusPanel* panel_;
};

}  // namespace kellvar
