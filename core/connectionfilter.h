// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "connectionrecord.h"

#include <string>
#include <vector>

namespace kellvar {

// The sessions an output keeps: those of a connect date in the range (a
// dial that never connected by its dial date) and, when patterns are
// given, dialled to a number that fits one of them.
struct TConnectionFilter {
    TConnectDateRange Dates;
    std::vector<std::string> NumberPatterns;

    bool Holds(const TConnectionRecord& record) const;
};

}  // namespace kellvar
