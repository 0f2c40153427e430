// SPDX-License-Identifier: GPL-3.0-or-later
#include "rowcells.h"

#include <algorithm>

namespace kellvar {

TRowCells::TRowCells(std::initializer_list<std::string_view> cells)
{
    for (std::string_view cell : cells)
        Append(cell);
}

TRowCells::TRowCells(size_t count, std::string_view cell)
{
    for (size_t i = 0; i < count; ++i)
        Append(cell);
}

TRowCells TRowCells::Joined(std::string text, size_t count)
{
    TRowCells row;
    row.text_ = std::move(text);
    row.count_ = count;
    return row;
}

size_t TRowCells::StartOf(size_t column) const
{
    size_t start = 0;
    for (size_t i = 0; i < column; ++i)
        start = text_.find('\t', start) + 1;
    return start;
}

std::string_view TRowCells::operator[](size_t column) const
{
    const size_t start = StartOf(column);
    return std::string_view(text_).substr(start, text_.find('\t', start) - start);
}

std::vector<std::string_view> TRowCells::Split() const
{
    std::vector<std::string_view> cells;
    cells.reserve(count_);
    const std::string_view text = text_;
    for (size_t start = 0; cells.size() < count_;) {
        const size_t end = std::min(text.find('\t', start), text.size());
        cells.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return cells;
}

void TRowCells::Append(std::string_view cell)
{
    if (count_ > 0)
        text_ += '\t';
    text_ += cell;
    ++count_;
}

void TRowCells::Set(size_t column, std::string_view cell)
{
    const size_t start = StartOf(column);
    text_.replace(start, (*this)[column].size(), cell);
}

void TRowCells::Resize(size_t count)
{
    if (count == 0) {
        text_.clear();
        count_ = 0;
        return;
    }
    if (count < count_) {
        // Cut at the TAB before the first cell dropped, counted from the end.
        size_t end = text_.size();
        for (size_t dropped = count; dropped < count_; ++dropped)
            end = text_.rfind('\t', end - 1);
        text_.resize(end);
        count_ = count;
        return;
    }
    while (count_ < count)
        Append({});
}

}  // namespace kellvar
