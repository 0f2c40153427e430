// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the line matchers, to the All-Time-Log's tail scan
// and, as a whole log file, to the analysis.

#include "tests/support/analysisstore.h"
#include "core/modemlogparser.h"
#include "core/storedtail.h"
#include "core/vocabulary.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const kellvar::TLineMatch match = kellvar::MatchLogLine(bytes);
    if (match.Found() && (match.End > bytes.size() || match.Position >= match.End))
        std::abort();

    // A run's matcher, asked twice behind stamps of both lengths, answers as the search does.
    kellvar::TLineMatcher matcher;
    for (const std::string_view stamp : {"", "01-05-2000 10:00:00.00", "01-05-2000 10:00:00.004"}) {
        const std::string line = std::string(stamp) + std::string(bytes);
        const kellvar::TLineMatch searched = kellvar::MatchLogLine(line);
        for (int time = 0; time < 2; ++time) {
            const kellvar::TLineMatch remembered = matcher.Match(line);
            if (remembered.Kind != searched.Kind
                || (searched.Found() && (remembered.Position != searched.Position || remembered.End != searched.End)))
                std::abort();
        }
    }

    // The scan ends on every input and never points past the bytes it was given.
    for (const int64_t windowStart : {int64_t{0}, int64_t{100}}) {
        const kellvar::TTailScan scan = kellvar::ScanStoredTail(bytes, windowStart);
        size_t held = scan.Tail.Unfinished.size();
        for (const std::string& line : scan.Tail.LastLines)
            held += line.size();
        if (held > size || scan.Tail.LastLines.size() > kellvar::OverlapLines || (windowStart == 0 && scan.NeedsMore))
            std::abort();
    }

    const int fd = ::memfd_create("log", MFD_CLOEXEC);
    if (fd < 0 || ::write(fd, data, size) != static_cast<ssize_t>(size))
        std::abort();
    kellvar::TAnalysisStore store;
    kellvar::AnalyseLogFile("/proc/self/fd/" + std::to_string(fd), {}, store);
    ::close(fd);
    if (!store.Messages().empty() || store.Table().RowCount() > static_cast<size_t>(store.Counters().TriedConnects))
        std::abort();
    return 0;
}
