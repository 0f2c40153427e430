// SPDX-License-Identifier: GPL-3.0-or-later
#include "textcolumns.h"

#include <algorithm>

namespace kellvar {

size_t ColumnsOf(const std::string& text)
{
    return static_cast<size_t>(std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

void TTextColumns::Measure(const std::vector<std::string>& row)
{
    widths_.resize(std::max(widths_.size(), row.size()));
    for (size_t i = 0; i < row.size(); ++i)
        widths_[i] = std::max(widths_[i], ColumnsOf(row[i]));
}

std::string TTextColumns::Line(const std::vector<std::string>& row) const
{
    std::string line;
    for (size_t i = 0; i < row.size(); ++i) {
        const std::string padding(widths_[i] - std::min(widths_[i], ColumnsOf(row[i])), ' ');
        line += (i == 0 ? "" : "  ") + (i == 0 ? row[i] + padding : padding + row[i]);
    }
    return line.substr(0, line.find_last_not_of(' ') + 1) + '\n';
}

}  // namespace kellvar
