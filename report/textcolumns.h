// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace kellvar {

// The width of a text as a terminal shows it: UTF-8 continuation bytes take no column.
size_t ColumnsOf(const std::string& text);

// Aligned columns for a terminal: the first left, the figures right, two
// blanks between, no blanks at a line's end. Every row is measured before
// the first is written.
class TTextColumns {
public:
    void Measure(const std::vector<std::string>& row);
    std::string Line(const std::vector<std::string>& row) const;

private:
    std::vector<size_t> widths_;
};

}  // namespace kellvar
