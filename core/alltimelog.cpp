// SPDX-License-Identifier: GPL-3.0-or-later
#include "alltimelog.h"

#include "logstamp.h"

#include "platform/programfiles.h"

#include <algorithm>
#include <cerrno>
#include <unistd.h>

namespace kellvar {

namespace {

// Appended lines are collected and written in blocks of whole lines.
constexpr size_t FlushSize = 1024 * 1024;

}  // namespace

bool TAllTimeLogFile::Fail()
{
    error_ = errno != 0 ? errno : EIO;
    return false;
}

bool TAllTimeLogFile::OpenAllTimeLog()
{
    // Each run starts from nothing but the file's name and its patience.
    *this = TAllTimeLogFile(std::move(fileName_), lockWait_);
    // The tail is read under the lock, so a run started together with this
    // one sees what this one appends, never the state before it.
    platform::CreateParentDirectories(fileName_);
    file_ = platform::OpenExclusiveForAppending(fileName_, lockWait_, &heldBy_);
    TStoredTail tail;
    if (!file_.IsOpen() || !ReadStoredTail(file_.Fd(), tail)) {
        Fail();
        file_.Close();
        return false;
    }
    lengthBefore_ = platform::FileSize(file_.Fd());
    newest_ = tail.Stamp;
    unfinished_ = std::move(tail.Unfinished);
    endsInLoneCr_ = tail.EndsInLoneCr;
    for (std::string& text : tail.LastLines) {
        const TLogStamp stamp = ReadLineStamp(text).At;
        stored_.push_back({std::move(text), stamp});
    }
    if (!stored_.empty()) {
        const auto [lowest, highest] = std::minmax_element(
            stored_.begin(), stored_.end(), [](const auto& a, const auto& b) { return a.Stamp < b.Stamp; });
        lowest_ = lowest->Stamp;
        highest_ = highest->Stamp;
    }
    shortestUniqueTail_ = ShortestUniqueTail();
    lastSeen_.assign(stored_.size(), -1);
    blockLength_.assign(stored_.size(), 0);
    return true;
}

size_t TAllTimeLogFile::ShortestUniqueTail() const
{
    const auto sameLine = [](const TStoredLine& a, const TStoredLine& b) {
        return a.Stamp == b.Stamp && a.Text == b.Text;
    };
    for (size_t length = 1; length < stored_.size(); ++length) {
        const auto tail = stored_.end() - static_cast<std::ptrdiff_t>(length);
        // Searched among all but the last line, so only an earlier place is found.
        const auto lastButOne = stored_.end() - 1;
        if (std::search(stored_.begin(), lastButOne, tail, stored_.end(), sameLine) == lastButOne)
            return length;
    }
    return std::max<size_t>(stored_.size(), 1);
}

size_t TAllTimeLogFile::StoredBlockEndingHere(std::string_view line, TLogStamp stamp)
{
    const int64_t index = lineIndex_++;
    // The stamps decide cheaply for nearly every line of a log.
    if (stored_.empty() || stamp < lowest_ || highest_ < stamp)
        return 0;
    // From the last stored line back, so that each step sees the previous
    // log line's runs.
    for (size_t i = stored_.size(); i-- > 0;) {
        if (stored_[i].Stamp != stamp || stored_[i].Text != line)
            continue;
        const bool continues = i > 0 && lastSeen_[i - 1] == index - 1;
        blockLength_[i] = continues ? blockLength_[i - 1] + 1 : 1;
        lastSeen_[i] = index;
    }
    return lastSeen_.back() == index ? blockLength_.back() : 0;
}

bool TAllTimeLogFile::OfferLine(std::string_view line, TLogStamp stamp)
{
    // Where the log holds the stored lines, the history goes on right after
    // them whatever the stamps say (a clock set back repeats an hour). When
    // they turn up again as a longer block, the later place is the one.
    if (const size_t block = StoredBlockEndingHere(line, stamp); block >= shortestUniqueTail_ && block >= anchor_) {
        anchor_ = block;
        return StartAfterStoredBlock();
    }
    // A date key of 0 is a stamp that could not be read.
    if (anchor_ == 0 && stamp.DateKey == 0) {
        ++withoutStamp_;
        return true;
    }
    if (anchor_ == 0 && !(newest_ < stamp)) {
        ++leftOut_;
        return true;
    }
    Append(line);
    return pending_.size() < FlushSize || Flush();
}

std::string TAllTimeLogFile::FailureReason() const
{
    const std::string reason = platform::ErrorText(error_);
    return heldBy_.empty() ? reason : reason + ": " + heldBy_;
}

bool TAllTimeLogFile::StartAfterStoredBlock()
{
    // Lines before the stored block are the history's own; lines this run
    // had taken before it turned up are given up, and said to be.
    leftOut_ = 0;
    withoutStamp_ = 0;
    givenUp_ += takenSinceBlock_;
    takenSinceBlock_ = 0;
    appending_ = false;
    pending_.clear();
    if (!flushed_)
        return true;
    flushed_ = false;
    return ::ftruncate(file_.Fd(), lengthBefore_) == 0 || Fail();
}

void TAllTimeLogFile::Append(std::string_view line)
{
    if (!appending_) {
        appending_ = true;
        // An unfinished last line that begins this run's first line was cut
        // off by a killed run: the rest of the line completes it. Any other
        // is completed with a line end and kept.
        if (!unfinished_.empty() && line.substr(0, unfinished_.size()) == unfinished_)
            line.remove_prefix(unfinished_.size());
        else if (!unfinished_.empty())
            pending_ += "\r\n";
        else if (endsInLoneCr_)
            pending_ += '\n';
    }
    pending_.append(line);
    pending_ += "\r\n";
    ++takenSinceBlock_;
}

bool TAllTimeLogFile::Flush()
{
    if (pending_.empty())
        return true;
    flushed_ = true;
    const bool written = WriteBytes(file_.Fd(), pending_.data(), pending_.size());
    pending_.clear();
    return written || Fail();
}

bool TAllTimeLogFile::CloseAllTimeLog(bool keepAppended)
{
    if (!file_.IsOpen())
        return true;
    if (!appending_ && !unfinished_.empty())
        pending_ = "\r\n";
    else if (!appending_ && endsInLoneCr_)
        pending_ = "\n";
    // What this run appended is on disk before the run reports success;
    // otherwise none of it stays.
    const bool saved = keepAppended && error_ == 0 && Flush() && (SyncToDisk(file_.Fd()) || Fail());
    if (!saved && ::ftruncate(file_.Fd(), lengthBefore_) == 0)
        ::fsync(file_.Fd());
    const bool closed = file_.Close() || Fail();
    return (saved || !keepAppended) && error_ == 0 && closed;
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
