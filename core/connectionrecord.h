// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "logstamp.h"

#include <cstdint>
#include <optional>
#include <string>

namespace kellvar {

// One analysed modem session. Durations are in hundredths of a second and
// rates in hundredths of a byte per second; 0 in a stamp field means not seen.
struct TConnectionRecord {
    int32_t DialDate = 0;
    int32_t DialTime = 0;
    int32_t ConnectDate = 0;
    int32_t ConnectTime = 0;
    int32_t HangUpDate = 0;
    int32_t HangUpTime = 0;
    int32_t DialDuration = 0;
    int32_t ConnectionDuration = 0;
    int32_t Bps = 0;
    int32_t BytesRead = 0;
    int32_t BytesWritten = 0;
    int32_t ReadRate = 0;
    int32_t WriteRate = 0;
    TDateParts ConnectDateParts;
    TDateParts DialDateParts;
    TDateParts HangUpDateParts;
    int32_t OverrunErrors = -1;  // -1: no overrun line seen
    // What the dial command dialled, as a modem dials it: "Send: ATDT0191011<cr>",
    // "Send: ATDP019-1011<cr>" and "Send: atd 019 1011<cr>" give 0191011;
    // drivers that hide the number log it as "##########".
    std::string DialledNumber;
    // The line dropped: "NO CARRIER" came while connected, before the modem
    // was hung up here.
    bool CarrierLost = false;

    void Clear() { *this = TConnectionRecord{}; }
    bool operator==(const TConnectionRecord&) const = default;
};

// The connections kept by their connect date: from Since up to Until (date
// keys, both inclusive); an open end keeps everything on that side.
struct TConnectDateRange {
    std::optional<int32_t> Since;
    std::optional<int32_t> Until;
    bool Holds(const TConnectionRecord& record) const
    {
        return (!Since || record.ConnectDate >= *Since) && (!Until || record.ConnectDate <= *Until);
    }
};

// Rate in hundredths of a byte per second from a byte count and a duration in
// hundredths of a second, rounded half to even in extended precision.
int32_t TransferRate(int32_t bytes, int32_t durationHundredths);

// Counters of one analysis run.
struct TAnalysisCounters {
    int32_t TriedConnects = 0;
    int32_t TriedDialIns = 0;
    int32_t SuccessfulConnects = 0;
    int32_t UnclosedEntries = 0;
    int32_t RowNumber = 1;  // the number handed to the next emitted record
    int32_t LogFileBlocks = 0;
    bool StoppedAtRowLimit = false;  // the log had more after the last row
};

// A run stops reading once this row number is reached, so it emits at most 32,766 records.
inline constexpr int32_t RowNumberLimit = 32'767;

}  // namespace kellvar
