#include "storedtail.h"

#include "logstamp.h"

#include <algorithm>
#include <unistd.h>

#include "platform/filehandle.h"

namespace kellvar {

namespace {

// The stamp of a stored line: its date and time both read.
bool ReadStamp(std::string_view line, TLogStamp& stamp)
{
    TDateParts parts;
    stamp.DateKey = ParseLogDate(LineDateText(line), parts);
    return stamp.DateKey > 0 && ReadLogTime(LineTimeText(line), stamp.TimeOfDay);
}

// Where the line that ends just before lineEnd (a CR, a LF or a CR LF) ends
// its text.
size_t TextEndBefore(std::string_view text, size_t lineEnd)
{
    return text[lineEnd] == '\n' && lineEnd > 0 && text[lineEnd - 1] == '\r' ? lineEnd - 1 : lineEnd;
}

}  // namespace

TTailScan ScanStoredTail(std::string_view window, int64_t windowStart)
{
    TTailScan scan;
    const bool atFileStart = windowStart == 0;
    const size_t lastBreak = window.find_last_of("\r\n");
    if (lastBreak == std::string_view::npos) {
        // One unfinished line, which may have begun before the window.
        scan.Tail.CompleteLength = windowStart;
        scan.NeedsMore = !atFileStart;
        return scan;
    }
    scan.FoundLineEnd = true;
    scan.Tail.CompleteLength = windowStart + static_cast<int64_t>(lastBreak) + 1;
    scan.Tail.EndsInLoneCr = window[lastBreak] == '\r';

    // Walk the complete lines from the last one back.
    bool found = false;
    bool groupOpen = true;
    size_t textEnd = TextEndBefore(window, lastBreak);
    std::vector<std::string_view> group;
    for (;;) {
        const size_t previousBreak = textEnd == 0 ? std::string_view::npos : window.find_last_of("\r\n", textEnd - 1);
        const bool firstInWindow = previousBreak == std::string_view::npos;
        if (firstInWindow && !atFileStart) {
            // Possibly cut by the window: only more bytes can tell.
            scan.NeedsMore = !found || groupOpen;
            break;
        }
        const size_t start = firstInWindow ? 0 : previousBreak + 1;
        const std::string_view line = window.substr(start, textEnd - start);
        TLogStamp stamp;
        const bool stamped = ReadStamp(line, stamp);
        if (stamped && !found) {
            found = true;
            scan.Tail.Stamp = stamp;
        }
        groupOpen = groupOpen && stamped && stamp == scan.Tail.Stamp;
        if (groupOpen)
            group.push_back(line);
        if ((found && !groupOpen) || firstInWindow)
            break;
        textEnd = TextEndBefore(window, previousBreak);
    }
    scan.Tail.Group.assign(group.rbegin(), group.rend());
    return scan;
}

bool ReadStoredTail(int fd, TStoredTail& tail)
{
    const int64_t size = platform::FileSize(fd);
    if (size < 0)
        return false;
    std::string window;
    for (int64_t length = FirstTailWindow;; length *= 4) {
        const int64_t start = std::max<int64_t>(0, size - std::min(length, MaxTailWindow));
        window.resize(static_cast<size_t>(size - start));
        if (!platform::ReadAllAt(fd, window.data(), window.size(), start))
            return false;
        TTailScan scan = ScanStoredTail(window, start);
        const bool lastTry = start == 0 || length >= MaxTailWindow;
        if (!scan.NeedsMore || lastTry) {
            tail = std::move(scan.Tail);
            // A last line longer than everything read is left as it is rather than cut.
            if (!scan.FoundLineEnd && start > 0)
                tail.CompleteLength = size;
            return true;
        }
    }
}

}  // namespace kellvar
