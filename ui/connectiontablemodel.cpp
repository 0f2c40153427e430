// SPDX-License-Identifier: GPL-3.0-or-later
#include "connectiontablemodel.h"

#include <algorithm>

namespace kellvar {

namespace {

bool RightAligned(int column)
{
    return column < 0 || static_cast<size_t>(column) >= TableColumns.size()
           || TableColumns[static_cast<size_t>(column)].RightAligned;
}

}  // namespace

TConnectionTableModel::TConnectionTableModel(TConnectionTable& table, QObject* parent)
    : QAbstractTableModel(parent), table_(table)
{
}

int TConnectionTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : shownRows_;
}

int TConnectionTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(std::max<qsizetype>(TableColumnCount, captions_.size()));
}

QVariant TConnectionTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= shownRows_)
        return {};
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignVCenter | (RightAligned(index.column()) ? Qt::AlignRight : Qt::AlignLeft));
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
        return {};
    const TRowCells& row = table_.Rows()[static_cast<size_t>(index.row())];
    const auto column = static_cast<size_t>(index.column());
    const std::string_view cell = column < row.size() ? row[column] : std::string_view();
    const QString text = QString::fromUtf8(cell.data(), static_cast<qsizetype>(cell.size()));
    // A screen reader says the cell with its column, an empty one too.
    if (role == Qt::AccessibleTextRole)
        return captions_.value(index.column()) + ": " + text;
    return text;
}

QVariant TConnectionTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= captions_.size())
        return {};
    if (role == Qt::DisplayRole)
        return captions_[section];
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignVCenter | (RightAligned(section) ? Qt::AlignRight : Qt::AlignLeft));
    return {};
}

void TConnectionTableModel::SetCaptions(const QStringList& captions)
{
    // The costs column comes and goes with the tariffs.
    if (captions.size() != captions_.size() && !captions_.isEmpty()) {
        beginResetModel();
        captions_ = captions;
        endResetModel();
        return;
    }
    captions_ = captions;
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

void TConnectionTableModel::Reset()
{
    beginResetModel();
    shownRows_ = static_cast<int>(table_.RowCount());
    shownCells_.clear();
    for (const TRowCells& row : table_.Rows())
        shownCells_.push_back(row.size());
    endResetModel();
}

void TConnectionTableModel::Sync()
{
    // Only the row added last can have changed: a late overrun count, which
    // a priced row takes into a cell it already has.
    if (const auto last = table_.LastAddedRow(); last && *last < shownCells_.size()) {
        const size_t cells = table_.Rows()[*last].size();
        if (cells != shownCells_[*last] || table_.LateCells() != shownLateCells_) {
            shownCells_[*last] = cells;
            shownLateCells_ = table_.LateCells();
            const int row = static_cast<int>(*last);
            emit dataChanged(index(row, 0), index(row, columnCount() - 1));
        }
    }
    const int rows = static_cast<int>(table_.RowCount());
    if (rows <= shownRows_)
        return;
    beginInsertRows({}, shownRows_, rows - 1);
    for (int row = shownRows_; row < rows; ++row)
        shownCells_.push_back(table_.Rows()[static_cast<size_t>(row)].size());
    shownRows_ = rows;
    endInsertRows();
}

void TConnectionTableModel::Reordered(const std::vector<size_t>& order)
{
    emit layoutAboutToBeChanged();
    std::vector<int> newRowOf(order.size());
    for (size_t to = 0; to < order.size(); ++to)
        newRowOf[order[to]] = static_cast<int>(to);
    const QModelIndexList from = persistentIndexList();
    QModelIndexList to;
    for (const QModelIndex& index : from)
        to.append(createIndex(newRowOf[static_cast<size_t>(index.row())], index.column()));
    changePersistentIndexList(from, to);
    std::vector<size_t> cells;
    cells.reserve(order.size());
    for (size_t index : order)
        cells.push_back(shownCells_[index]);
    shownCells_ = std::move(cells);
    emit layoutChanged();
}

}  // namespace kellvar
