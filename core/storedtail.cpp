// SPDX-License-Identifier: GPL-3.0-or-later
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
        scan.Tail.Unfinished = window;
        scan.NeedsMore = !atFileStart;
        return scan;
    }
    scan.Tail.Unfinished = window.substr(lastBreak + 1);
    scan.Tail.EndsInLoneCr = window[lastBreak] == '\r' && scan.Tail.Unfinished.empty();

    // Walk the complete lines from the last one back.
    bool found = false;
    size_t textEnd = TextEndBefore(window, lastBreak);
    std::vector<std::string_view> lines;
    for (;;) {
        const size_t previousBreak = textEnd == 0 ? std::string_view::npos : window.find_last_of("\r\n", textEnd - 1);
        const bool firstInWindow = previousBreak == std::string_view::npos;
        if (firstInWindow && !atFileStart) {
            // Possibly cut by the window: only more bytes can tell.
            scan.NeedsMore = !found || lines.size() < OverlapLines;
            break;
        }
        const size_t start = firstInWindow ? 0 : previousBreak + 1;
        const std::string_view line = window.substr(start, textEnd - start);
        if (lines.size() < OverlapLines)
            lines.push_back(line);
        TLogStamp stamp;
        if (!found && ReadStamp(line, stamp)) {
            found = true;
            scan.Tail.Stamp = stamp;
        }
        if ((found && lines.size() == OverlapLines) || firstInWindow)
            break;
        textEnd = TextEndBefore(window, previousBreak);
    }
    scan.Tail.LastLines.assign(lines.rbegin(), lines.rend());
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
        if (!scan.NeedsMore || start == 0 || length >= MaxTailWindow) {
            tail = std::move(scan.Tail);
            return true;
        }
    }
}

}  // namespace kellvar
