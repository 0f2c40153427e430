// SPDX-License-Identifier: GPL-3.0-or-later
#include "costhistory.h"

namespace kellvar {

void TCostHistory::Add(const TConnectionRecord& record, const std::optional<TCost>& cost)
{
    week_.Add(record, cost);
    if (!priced_)
        return;
    months_.Add(record, cost);
    sums_.Add(cost, record);
}

}  // namespace kellvar
