// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace kellvar::platform {

// Today's date by the clock, in local time as the driver stamps its log.
struct TLocalDate {
    int Year = 0;
    int Month = 0;
    int Day = 0;
};
TLocalDate LocalDate();

}  // namespace kellvar::platform
