// SPDX-License-Identifier: GPL-3.0-or-later
#include "cellshapes.h"

#include <algorithm>
#include <array>

namespace kellvar {

namespace {

// Every digit as '0', every other sign as itself: one look-up a sign.
constexpr std::array<char, 256> ShapeSigns = [] {
    std::array<char, 256> signs{};
    for (size_t c = 0; c < signs.size(); ++c)
        signs[c] = c >= '0' && c <= '9' ? '0' : static_cast<char>(c);
    return signs;
}();

void MakeShape(std::string& shape, std::string_view text)
{
    shape.resize(text.size());
    std::transform(text.begin(), text.end(), shape.begin(),
                   [](char c) { return ShapeSigns[static_cast<unsigned char>(c)]; });
}

}  // namespace

void TCellShapes::Clear()
{
    columns_.clear();
}

void TCellShapes::ClearColumn(size_t column)
{
    if (column < columns_.size())
        columns_[column] = {};
}

void TCellShapes::AddRow(std::string_view cells)
{
    MakeShape(shape_, cells);
    const std::string_view shapes = shape_;
    size_t column = 0;
    for (size_t start = 0;; ++column) {
        const size_t tab = shapes.find('\t', start);
        AddShape(column, shapes.substr(start, tab - start));
        if (tab == std::string_view::npos)
            return;
        start = tab + 1;
    }
}

void TCellShapes::Add(size_t column, std::string_view text)
{
    MakeShape(shape_, text);
    AddShape(column, shape_);
}

void TCellShapes::AddShape(size_t column, std::string_view shape)
{
    if (column >= columns_.size())
        columns_.resize(column + 1);
    TColumn& shapes = columns_[column];
    if (shapes.Above == shape && !shapes.Shapes.empty())
        return;
    shapes.Above = shape;
    shapes.Shapes.insert(shapes.Above);
}

std::vector<std::string> TCellShapes::Of(size_t column) const
{
    if (column >= columns_.size())
        return {};
    return {columns_[column].Shapes.begin(), columns_[column].Shapes.end()};
}

}  // namespace kellvar
