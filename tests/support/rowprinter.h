// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/rowcells.h"

#include <ostream>

namespace kellvar {

// A failed comparison of rows prints their cells, a TAB shown as " | ".
inline void PrintTo(const TRowCells& row, std::ostream* out)
{
    *out << '{';
    for (size_t column = 0; column < row.size(); ++column)
        *out << (column > 0 ? " | " : "") << row[column];
    *out << '}';
}

}  // namespace kellvar
