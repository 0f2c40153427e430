// SPDX-License-Identifier: GPL-3.0-or-later
#include "connectionrecord.h"

#include <cmath>
#include <limits>

namespace kellvar {

int32_t TransferRate(int32_t bytes, int32_t durationHundredths)
{
    if (durationHundredths <= 0)
        return 0;
    const long double rate = static_cast<long double>(bytes) / (durationHundredths * 0.01L) * 100.0L;
    // A few bytes over a zero-length stamp difference can exceed the 32-bit field; keep it at its end.
    if (rate >= std::numeric_limits<int32_t>::max())
        return std::numeric_limits<int32_t>::max();
    if (rate <= std::numeric_limits<int32_t>::min())
        return std::numeric_limits<int32_t>::min();
    // The default rounding mode: to the nearest, ties to the even neighbour.
    return static_cast<int32_t>(std::llrint(rate));
}

}  // namespace kellvar
