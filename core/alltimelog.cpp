#include "alltimelog.h"

#include "platform/programfiles.h"

#include <unistd.h>

namespace kellvar {

namespace {

// Appended lines are collected and written in blocks of whole lines.
constexpr size_t FlushSize = 1024 * 1024;

}  // namespace

bool TAllTimeLogFile::OpenAllTimeLog()
{
    stored_ = {};
    storedGroup_.clear();
    groupMatched_ = 0;
    groupDiffers_ = false;
    pending_.clear();
    failed_ = false;
    // The stamp is read under the lock, so a run started together with this
    // one sees what this one appends, never the state before it.
    platform::CreateParentDirectories(fileName_);
    file_ = platform::OpenExclusiveForAppending(fileName_);
    TStoredTail tail;
    if (!file_.IsOpen() || !ReadStoredTail(file_.Fd(), tail)) {
        file_.Close();
        return false;
    }
    // A run killed while writing leaves an unfinished line: it goes, and the
    // log gives it again whole.
    if (tail.CompleteLength < platform::FileSize(file_.Fd()) && ::ftruncate(file_.Fd(), tail.CompleteLength) != 0) {
        file_.Close();
        return false;
    }
    lengthBefore_ = tail.CompleteLength;
    stored_ = tail.Stamp;
    storedGroup_ = std::move(tail.Group);
    if (tail.EndsInLoneCr)
        pending_.push_back('\n');
    return true;
}

bool TAllTimeLogFile::Belongs(std::string_view line, TLogStamp stamp)
{
    if (stamp.DateKey != stored_.DateKey)
        return stamp.DateKey > stored_.DateKey;
    if (stamp.TimeOfDay != stored_.TimeOfDay)
        return stamp.TimeOfDay > stored_.TimeOfDay;
    // A run cut short stored only the first of the lines that share the
    // newest stamp. When the log's lines with that stamp begin with exactly
    // the stored ones, the rest of them belong too.
    if (storedGroup_.empty() || groupDiffers_)
        return false;
    if (groupMatched_ == storedGroup_.size())
        return true;
    groupDiffers_ = line != storedGroup_[groupMatched_++];
    return false;
}

bool TAllTimeLogFile::OfferLine(std::string_view line, int32_t dateKey, int32_t timeOfDay)
{
    if (!Belongs(line, {dateKey, timeOfDay}))
        return true;
    pending_.append(line);
    pending_ += "\r\n";
    return pending_.size() < FlushSize || Flush();
}

bool TAllTimeLogFile::Flush()
{
    failed_ = failed_ || !WriteBytes(file_.Fd(), pending_.data(), pending_.size());
    pending_.clear();
    return !failed_;
}

bool TAllTimeLogFile::CloseAllTimeLog()
{
    if (!file_.IsOpen())
        return true;
    // What this run appended is on disk before the run reports success;
    // otherwise none of it stays.
    const bool saved = Flush() && SyncToDisk(file_.Fd());
    if (!saved && ::ftruncate(file_.Fd(), lengthBefore_) == 0)
        ::fsync(file_.Fd());
    return file_.Close() && saved;
}

bool TAllTimeLogFile::WriteBytes(int fd, const char* data, size_t size)
{
    if (!platform::WriteAll(fd, data, size))
        return false;
    // The disk works while the run goes on; the fsync at the end waits for less.
    platform::StartWriteBack(fd);
    return true;
}

bool TAllTimeLogFile::SyncToDisk(int fd)
{
    return ::fsync(fd) == 0;
}

std::string AllTimeLogFileName(const std::string& programPath)
{
    return platform::ProgramFile(programPath, platform::TProgramFileKind::AllTimeLog);
}

}  // namespace kellvar
