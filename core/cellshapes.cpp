// SPDX-License-Identifier: GPL-3.0-or-later
#include "cellshapes.h"

#include <algorithm>

namespace kellvar {

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Whether two texts differ in their digits alone.
bool SameShape(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return x == y || (IsDigit(x) && IsDigit(y));
           });
}

}  // namespace

void TCellShapes::Clear()
{
    columns_.clear();
}

void TCellShapes::Add(size_t column, const std::string& text)
{
    if (column >= columns_.size())
        columns_.resize(column + 1);
    TColumn& shapes = columns_[column];
    if (shapes.Above != nullptr && SameShape(text, *shapes.Above))
        return;
    shape_ = text;
    std::replace_if(shape_.begin(), shape_.end(), IsDigit, '0');
    auto known = shapes.Shapes.find(shape_);
    if (known == shapes.Shapes.end())
        known = shapes.Shapes.insert(shape_).first;
    // The set's elements stay where they are as it grows.
    shapes.Above = &*known;
}

std::vector<std::string> TCellShapes::Of(size_t column) const
{
    if (column >= columns_.size())
        return {};
    return {columns_[column].Shapes.begin(), columns_[column].Shapes.end()};
}

}  // namespace kellvar
