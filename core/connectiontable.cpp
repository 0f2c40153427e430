// SPDX-License-Identifier: GPL-3.0-or-later
#include "connectiontable.h"

#include "sortkeys.h"

#include <algorithm>
#include <numeric>

namespace kellvar {

void TConnectionTable::Clear()
{
    rows_.clear();
    added_.clear();
    rowsPriced_ = true;
    shapes_.Clear();
    lastAddedRow_.reset();
}

void TConnectionTable::AppendCostCells(TRowCells& cells, const std::optional<TCost>& cost)
{
    for (int column = CostsColumn; column < CostsColumn + PricedColumnCount; ++column) {
        cells.Append(PricedCell(column, cost, decimalSeparator_));
        shapes_.Add(static_cast<size_t>(column), cells.back());
    }
}

bool TConnectionTable::PriceAnew(const std::vector<std::optional<TCost>>& costs)
{
    if (!priced_ || !rowsPriced_ || costs.size() != rows_.size())
        return false;
    for (int column = CostsColumn; column < CostsColumn + PricedColumnCount; ++column)
        shapes_.ClearColumn(static_cast<size_t>(column));
    std::vector<TRowCells> added(rows_.size());
    for (size_t row = 0; row < rows_.size(); ++row) {
        TRowCells& cells = added[added_[row]];
        cells = std::move(rows_[row]);
        cells.Resize(CostsColumn);
        AppendCostCells(cells, costs[added_[row]]);
    }
    rows_ = std::move(added);
    std::iota(added_.begin(), added_.end(), uint32_t{0});
    if (lastAddedRow_)
        lastAddedRow_ = rows_.size() - 1;
    return true;
}

void TConnectionTable::AddConnectionRow(const TConnectionRecord& record, int32_t rowNumber,
                                        const std::optional<TCost>& cost)
{
    rowText_.clear();
    const size_t count = AppendConnectionCells(rowText_, record, rowNumber, decimalSeparator_);
    // The shapes are taken from the joined row, while it is still in the cache.
    shapes_.AddRow(rowText_);
    added_.push_back(static_cast<uint32_t>(rows_.size()));
    rows_.push_back(TRowCells::Joined(rowText_, count));
    lastAddedRow_ = rows_.size() - 1;
    rowsPriced_ = rowsPriced_ && priced_;
    if (priced_) {
        TRowCells& cells = rows_.back();
        if (cells.size() < CostsColumn)
            shapes_.Add(OverrunColumn, "");
        cells.Resize(CostsColumn);
        AppendCostCells(cells, cost);
    }
}

void TConnectionTable::AppendCellToLastRow(const std::string& text)
{
    if (!lastAddedRow_)
        return;
    ++lateCells_;
    TRowCells& cells = rows_[*lastAddedRow_];
    // A priced row holds an empty overrun cell before its cost.
    if (priced_ && cells.size() > CostsColumn) {
        cells.Set(OverrunColumn, text);
        shapes_.Add(OverrunColumn, text);
        return;
    }
    cells.Append(text);
    shapes_.Add(cells.size() - 1, text);
}

int TConnectionTable::SortDirection(int column) const
{
    return column >= 0 && column < SortableColumns ? sortDirections_[column] : 0;
}

std::vector<size_t> TConnectionTable::ColumnClick(int column)
{
    sortColumn_ = column;
    if (column >= 0 && column < SortableColumns) {
        const int previous = sortDirections_[column];
        sortDirections_.fill(0);
        sortDirections_[column] = previous > 0 ? -1 : 1;
    }

    // Each key is read once per sort; the order is the one that comparing the texts anew would give.
    std::vector<double> keys(rows_.size(), 0);
    if (column <= CostsColumn)
        for (size_t i = 0; i < rows_.size(); ++i)
            keys[i] = SortKey(rows_[i], column, decimalSeparator_);
    std::vector<size_t> order(rows_.size());
    std::iota(order.begin(), order.end(), size_t{0});
    const bool descending = SortDirection(column) < 0;
    // A column of names sorts by its texts.
    const auto text = [&](size_t row) {
        return static_cast<size_t>(column) < rows_[row].size() ? rows_[row][column] : std::string_view();
    };
    const bool byText = column >= 0 && static_cast<size_t>(column) < TableColumns.size()
                        && TableColumns[static_cast<size_t>(column)].Kind == TCellKind::Name;
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        if (byText)
            return descending ? text(a) > text(b) : text(a) < text(b);
        return descending ? keys[a] > keys[b] : keys[a] < keys[b];
    });

    std::vector<TRowCells> sorted;
    sorted.reserve(rows_.size());
    std::vector<uint32_t> added;
    added.reserve(rows_.size());
    for (size_t index : order) {
        sorted.push_back(std::move(rows_[index]));
        added.push_back(added_[index]);
    }
    rows_ = std::move(sorted);
    added_ = std::move(added);
    if (lastAddedRow_)
        lastAddedRow_ = static_cast<size_t>(std::find(order.begin(), order.end(), *lastAddedRow_) - order.begin());
    return order;
}

}  // namespace kellvar
