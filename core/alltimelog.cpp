#include "alltimelog.h"

#include "logstamp.h"

#include "platform/programpath.h"

#include <algorithm>
#include <fcntl.h>
#include <unistd.h>

namespace kellvar {

namespace {

constexpr int64_t TailSize = 2'048;

// Appended lines are collected and written in blocks of whole lines.
constexpr size_t FlushSize = 256 * 1024;

bool EndsWithLineBreak(int fd, bool& endsWithLineBreak)
{
    const int64_t size = platform::FileSize(fd);
    char last = '\n';
    if (size < 0 || (size > 0 && ::pread(fd, &last, 1, size - 1) != 1))
        return false;
    endsWithLineBreak = last == '\n' || last == '\r';
    return true;
}

}  // namespace

TLogStamp LastStampOfTail(std::string_view tail, bool wholeFile)
{
    tail = tail.substr(0, tail.find('\0'));
    TLogStamp stamp;
    bool firstLine = true;
    while (tail.size() > 23) {
        // The window usually starts inside a line, which is dropped; a whole
        // file's first line is complete.
        if (!(firstLine && wholeFile)) {
            const size_t lf = tail.find('\n');
            if (lf != std::string_view::npos)
                tail.remove_prefix(lf + 1);
        }
        firstLine = false;
        const size_t end = std::min(tail.find_first_of("\r\n"), tail.size());
        const std::string_view candidate = tail.substr(0, end);
        tail.remove_prefix(end);
        TDateParts parts;
        const int32_t dateKey = ParseLogDate(LineDateText(candidate), parts);
        const int32_t timeOfDay = ParseLogTime(LineTimeText(candidate));
        if (dateKey > 0 && timeOfDay > 0)
            stamp = {dateKey, timeOfDay};
    }
    return stamp;
}

bool ReadLastStamp(int fd, TLogStamp& stamp)
{
    const int64_t size = platform::FileSize(fd);
    if (size < 0)
        return false;
    const int64_t start = std::max<int64_t>(0, size - TailSize);
    std::string tail(static_cast<size_t>(size - start), '\0');
    const ssize_t count = ::pread(fd, tail.data(), tail.size(), start);
    if (count < 0)
        return false;
    tail.resize(static_cast<size_t>(count));
    stamp = LastStampOfTail(tail, size < TailSize);
    return true;
}

bool TAllTimeLogFile::OpenAllTimeLog()
{
    stored_ = {};
    pending_.clear();
    failed_ = false;
    // The stamp is read under the lock, so a run started together with this
    // one sees what this one appends, never the state before it.
    file_ = platform::OpenExclusiveForAppending(fileName_);
    bool endsWithLineBreak = true;
    if (!file_.IsOpen() || !ReadLastStamp(file_.Fd(), stored_) || !EndsWithLineBreak(file_.Fd(), endsWithLineBreak)) {
        file_.Close();
        return false;
    }
    // A run killed while writing may have left a partial last line; start on a
    // line of our own so the next line is not glued to it.
    if (!endsWithLineBreak)
        pending_ = "\r\n";
    return true;
}

bool TAllTimeLogFile::OfferLine(std::string_view line, int32_t dateKey, int32_t timeOfDay)
{
    const bool newer = dateKey > stored_.DateKey || (dateKey == stored_.DateKey && timeOfDay > stored_.TimeOfDay);
    if (!newer)
        return true;
    pending_.append(line);
    pending_ += "\r\n";
    return pending_.size() < FlushSize || Flush();
}

bool TAllTimeLogFile::Flush()
{
    failed_ = failed_ || !platform::WriteAll(file_.Fd(), pending_.data(), pending_.size());
    pending_.clear();
    return !failed_;
}

bool TAllTimeLogFile::CloseAllTimeLog()
{
    if (!file_.IsOpen())
        return true;
    // What this run appended is on disk before the run reports success.
    const bool flushed = Flush() && ::fsync(file_.Fd()) == 0;
    return file_.Close() && flushed;
}

std::string AllTimeLogFileName(const std::string& programPath)
{
    return platform::ChangeFileExtension(platform::ExpandFullPath(programPath), ".ATL");
}

}  // namespace kellvar
