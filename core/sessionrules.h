// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "connectionrecord.h"
#include "vocabulary.h"

#include <optional>
#include <string>
#include <string_view>

namespace kellvar {

// What handling one recognised line means beyond the record itself.
struct TLineOutcome {
    bool SessionClosed = false;
    // An overrun count that arrived after its session had closed: a further
    // cell for the last row of the run ("?" when the count did not read).
    std::optional<std::string> LateOverrunCell;
};

// A new dial more than four seconds after the open session's dial gives that
// session up. The difference ignores dates and midnight, as the driver's logs do.
bool IsOpenSession(const TConnectionRecord& record);
bool DialInterruptsSession(const TConnectionRecord& record, int32_t dialLineTime);

// Applies a recognised line with its stamp to the session's record; the
// interruption test of a dial line is the caller's, since it counts into the
// run's counters.
TLineOutcome HandleLogLine(TConnectionRecord& record, std::string_view line, const TLineMatch& match,
                           const TLineStamp& stamp);

}  // namespace kellvar
