// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/storedtail.h"

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>

namespace kellvar {

// Several logs written one after the other as one history, every line kept
// (dial commands and totals too), each line once. The logs are added oldest
// first. Where a log holds the history's last lines, it goes on right after
// them, whatever its stamps say (a clock set back repeats an hour); a log
// given twice, or a rotated copy of the one before, adds nothing it already
// holds. Otherwise the log goes on with its first line that the history does
// not hold yet: newer than its newest line, or of the same stamp and not
// among its lines of that stamp, unless an earlier line of the log from the
// time of the history's last lines was not among them (the log overlaps
// the history without continuing it).
class TLogMerge {
public:
    // How many of the history's last lines a log is looked for in.
    static constexpr size_t TailLines = 64;

    explicit TLogMerge(int outputFd) : outputFd_(outputFd) {}

    // Adds the open log. False on a read or write error, with errno set.
    bool Add(int logFd);
    // The log just added held lines from the time of the history's last
    // lines that the history did not hold: the two overlap in time without
    // one continuing the other, and those lines were left out.
    bool Interleaved() const { return interleaved_; }

private:
    struct TLine {
        std::string Text;
        TLogStamp Stamp;
    };

    // How many lines from the log's start to skip: up to the end of the
    // longest block of the history's last lines in it; none when it holds
    // no such block (-1).
    int64_t LinesHeldByTheHistory(int logFd);
    bool IsHeld(const TLine& line) const;
    bool Write(std::string_view line, TLogStamp stamp);

    int outputFd_;
    std::deque<TLine> tail_;
    TLogStamp newest_;
    std::string pending_;
    bool interleaved_ = false;
};

// The stamp that orders logs: the first one a log holds, or none (0, 0).
TLogStamp FirstStamp(int logFd);

}  // namespace kellvar
