#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kellvar {

struct TLogStamp {
    int32_t DateKey = 0;
    int32_t TimeOfDay = 0;
    bool operator==(const TLogStamp&) const = default;
};

// What a run needs to know of the end of an existing All-Time-Log.
struct TStoredTail {
    // Bytes up to and including the last line end; what follows is a line a
    // killed run left unfinished.
    int64_t CompleteLength = 0;
    // The last line end is a CR whose LF was never written.
    bool EndsInLoneCr = false;
    // The stamp of the last complete line whose date and time both read
    // (midnight included); (0, 0) when there is none.
    TLogStamp Stamp;
    // The complete lines at the very end that carry that stamp, oldest first;
    // empty when the last complete line carries another or none.
    std::vector<std::string> Group;
};

// The same facts read from the final bytes of a file, window, which begin at
// the file offset windowStart (0: the whole file). NeedsMore is set when only
// bytes from before the window can settle the answer.
struct TTailScan {
    TStoredTail Tail;
    bool FoundLineEnd = false;
    bool NeedsMore = false;
};
TTailScan ScanStoredTail(std::string_view window, int64_t windowStart);

// Reads the end of an open file, further back as long as the scan asks for
// it (up to MaxTailWindow bytes). False on a read error.
inline constexpr int64_t FirstTailWindow = 2'048;
inline constexpr int64_t MaxTailWindow = 64 * 1024 * 1024;
bool ReadStoredTail(int fd, TStoredTail& tail);

}  // namespace kellvar
