// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cellshapes.h"
#include "connectionrecord.h"
#include "rowtexts.h"
#include "tariffs.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace kellvar {

// The rows of the connection table as text, as the list shows them. Sorting
// reads the values back from the texts; new rows are always appended.
class TConnectionTable {
public:
    explicit TConnectionTable(std::string decimalSeparator = ".") : decimalSeparator_(std::move(decimalSeparator)) {}

    void Clear();
    // Priced, each row ends in its cost and tariff (empty where none priced
    // it), after the overrun column (empty until the log gives a count). For
    // the rows added from then on.
    void SetPriced(bool priced) { priced_ = priced; }
    bool Priced() const { return priced_; }
    void AddConnectionRow(const TConnectionRecord& record, int32_t rowNumber,
                          const std::optional<TCost>& cost = std::nullopt);
    // Does nothing while the current run has added no row.
    void AppendCellToLastRow(const std::string& text);
    // Priced rows take other costs where they stand, and come back to the
    // order they were added in, as a run adds them anew; costs are in that
    // order. False, changing nothing, where the rows were not all added
    // priced or the table is no longer priced: they are to be added anew.
    bool PriceAnew(const std::vector<std::optional<TCost>>& costs);

    const std::vector<TRowCells>& Rows() const { return rows_; }
    const TCellShapes& Shapes() const { return shapes_; }
    size_t RowCount() const { return rows_.size(); }
    std::optional<size_t> LastAddedRow() const { return lastAddedRow_; }
    // How many late cells the rows have taken, so that a view sees a change
    // even where a cell was filled rather than added.
    size_t LateCells() const { return lateCells_; }
    const std::string& DecimalSeparator() const { return decimalSeparator_; }

    // A header click: the first click on a column sorts ascending, the next
    // one descending, and a click on another column starts it ascending. The
    // directions live as long as the table, across runs. Returns the new
    // order as old row indices, so a view can follow.
    std::vector<size_t> ColumnClick(int column);
    int SortColumn() const { return sortColumn_; }
    int SortDirection(int column) const;

private:
    static constexpr int SortableColumns = 16;

    void AppendCostCells(TRowCells& cells, const std::optional<TCost>& cost);

    std::vector<TRowCells> rows_;
    // Each row's place in the order the rows were added.
    std::vector<uint32_t> added_;
    // Every row was added priced.
    bool rowsPriced_ = true;
    // Each new row is written here first, and copied at its true length.
    std::string rowText_;
    TCellShapes shapes_;
    std::optional<size_t> lastAddedRow_;
    std::string decimalSeparator_;
    bool priced_ = false;
    size_t lateCells_ = 0;
    int sortColumn_ = 0;
    std::array<int, SortableColumns> sortDirections_{};
};

}  // namespace kellvar
