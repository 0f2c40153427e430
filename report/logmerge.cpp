// SPDX-License-Identifier: GPL-3.0-or-later
#include "logmerge.h"

#include "core/linereader.h"
#include "core/logstamp.h"
#include "platform/filehandle.h"

#include <algorithm>
#include <cerrno>
#include <unistd.h>
#include <vector>

namespace kellvar {

namespace {

// Lines without a readable date carry no stamp of their own.
TLogStamp StampOf(std::string_view line)
{
    const TLogStamp stamp = ReadLineStamp(line).At;
    return stamp.DateKey != 0 ? stamp : TLogStamp{};
}

bool Rewind(int fd)
{
    return ::lseek(fd, 0, SEEK_SET) == 0;
}

// Written in blocks of whole lines.
constexpr size_t FlushSize = 256 * 1024;

}  // namespace

TLogStamp FirstStamp(int logFd)
{
    TLineReader reader(logFd);
    std::string_view line;
    while (reader.ReadLine(line))
        if (const TLogStamp stamp = StampOf(line); stamp.DateKey != 0)
            return stamp;
    return {};
}

int64_t TLogMerge::LinesHeldByTheHistory(int logFd)
{
    // For each of the history's last lines, the longest run of them that
    // ended there at the log's line lastSeen.
    std::vector<int64_t> lastSeen(tail_.size(), -1);
    std::vector<size_t> blockLength(tail_.size(), 0);
    size_t longest = 0;
    int64_t skip = -1;
    TLineReader reader(logFd);
    std::string_view line;
    for (int64_t index = 0; !tail_.empty() && reader.ReadLine(line); ++index) {
        const TLogStamp stamp = StampOf(line);
        for (size_t i = tail_.size(); i-- > 0;) {
            if (tail_[i].Stamp != stamp || tail_[i].Text != line)
                continue;
            blockLength[i] = i > 0 && lastSeen[i - 1] == index - 1 ? blockLength[i - 1] + 1 : 1;
            lastSeen[i] = index;
        }
        // The later place wins a tie: a log holding the history's end twice
        // goes on after the second.
        if (lastSeen.back() == index && blockLength.back() >= longest) {
            longest = blockLength.back();
            skip = index + 1;
        }
    }
    if (reader.Failed()) {
        errno = reader.Error();
        return -2;
    }
    return skip;
}

bool TLogMerge::IsHeld(const TLine& line) const
{
    return std::any_of(tail_.begin(), tail_.end(),
                       [&](const TLine& held) { return held.Stamp == line.Stamp && held.Text == line.Text; });
}

bool TLogMerge::Write(std::string_view line, TLogStamp stamp)
{
    pending_.append(line);
    pending_ += "\r\n";
    tail_.push_back({std::string(line), stamp});
    if (tail_.size() > TailLines)
        tail_.pop_front();
    newest_ = std::max(newest_, stamp);
    if (pending_.size() < FlushSize)
        return true;
    const bool written = platform::WriteAll(outputFd_, pending_.data(), pending_.size());
    pending_.clear();
    return written;
}

bool TLogMerge::Add(int logFd)
{
    interleaved_ = false;
    const int64_t held = LinesHeldByTheHistory(logFd);
    if (held == -2 || !Rewind(logFd))
        return false;
    TLineReader reader(logFd);
    std::string_view line;
    // Without the history's last lines in it, the log goes on at its first
    // line the history does not hold; unstamped lines go with the one before.
    bool taking = held < 0 && tail_.empty();
    for (int64_t index = 0; reader.ReadLine(line); ++index) {
        const TLogStamp stamp = StampOf(line);
        if (held >= 0) {
            taking = index >= held;
        } else if (!taking && stamp.DateKey != 0) {
            const TLine candidate{std::string(line), stamp};
            // A log already found to overlap the history without continuing
            // it (the same session in another language) takes only newer
            // lines: its lines of the newest stamp are no continuation either.
            taking = newest_ < stamp || (stamp == newest_ && !interleaved_ && !IsHeld(candidate));
            // Only within the time the last lines span can a line be known
            // to be missing from the history.
            interleaved_ = interleaved_ || (!taking && !(stamp < tail_.front().Stamp) && !IsHeld(candidate));
        }
        if (taking && !Write(line, stamp))
            return false;
    }
    if (reader.Failed()) {
        errno = reader.Error();
        return false;
    }
    const bool written = platform::WriteAll(outputFd_, pending_.data(), pending_.size());
    pending_.clear();
    return written;
}

}  // namespace kellvar
