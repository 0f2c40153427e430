// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "connectionrecord.h"

#include <cstdint>

namespace kellvar {

// What every figure over connections is made of; the one place they are
// added up.
struct TConnectionSums {
    int64_t Connections = 0;
    int64_t DurationHundredths = 0;
    int64_t DialHundredths = 0;
    int64_t ReceivedBytes = 0;
    int64_t SentBytes = 0;

    void Add(const TConnectionRecord& record);
    void Add(const TConnectionSums& other);
};

}  // namespace kellvar
