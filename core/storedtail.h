// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "logstamp.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kellvar {

// What a run needs to know of the end of an existing All-Time-Log.
struct TStoredTail {
    // What follows the last line end: a line a killed run left unfinished, or
    // one saved by hand without its line end.
    std::string Unfinished;
    // The last line end is a CR whose LF was never written.
    bool EndsInLoneCr = false;
    // The stamp of the last complete line whose date and time both read
    // (midnight included); (0, 0) when there is none.
    TLogStamp Stamp;
    // The last complete lines (at most OverlapLines), oldest first: where the
    // log holds them, the history goes on right after them.
    std::vector<std::string> LastLines;
};

// As many stored lines as it takes to find the place in the log where the
// history ends, even when the log's clock went back and stamps repeat.
inline constexpr size_t OverlapLines = 64;

// The same facts read from the final bytes of a file, window, which begin at
// the file offset windowStart (0: the whole file). NeedsMore is set when only
// bytes from before the window can settle the answer.
struct TTailScan {
    TStoredTail Tail;
    bool NeedsMore = false;
};
TTailScan ScanStoredTail(std::string_view window, int64_t windowStart);

// Reads the end of an open file, further back as long as the scan asks for
// it (up to MaxTailWindow bytes). False on a read error.
inline constexpr int64_t FirstTailWindow = 2'048;
inline constexpr int64_t MaxTailWindow = 64 * 1024 * 1024;
bool ReadStoredTail(int fd, TStoredTail& tail);

}  // namespace kellvar
