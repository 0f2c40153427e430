// SPDX-License-Identifier: GPL-3.0-or-later
#include "connectionfilter.h"

#include "numberpattern.h"

#include <algorithm>

namespace kellvar {

bool TConnectionFilter::Holds(const TConnectionRecord& record) const
{
    const int32_t date = record.ConnectDate != 0 ? record.ConnectDate : record.DialDate;
    if ((Dates.Since && date < *Dates.Since) || (Dates.Until && date > *Dates.Until))
        return false;
    return NumberPatterns.empty()
           || std::any_of(NumberPatterns.begin(), NumberPatterns.end(), [&record](const std::string& pattern) {
                  return NumberMatches(pattern, record.DialledNumber);
              });
}

}  // namespace kellvar
