#include "linereader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace kellvar {

namespace {

constexpr char CtrlZ = 26;

// The next occurrence of c at or after from, or end; cached is the previous
// answer, still valid while it lies ahead.
const char* Next(const char* cached, const char* from, const char* end, char c)
{
    if (cached != nullptr && cached >= from)
        return cached;
    const void* found = std::memchr(from, c, static_cast<size_t>(end - from));
    return found != nullptr ? static_cast<const char*>(found) : end;
}

}  // namespace

LineReader::LineReader(int fd, size_t bufferSize) : fd_(fd), buffer_(bufferSize) {}

bool LineReader::Fill()
{
    begin_ = 0;
    end_ = 0;
    nextCr_ = nextLf_ = nextCtrlZ_ = nullptr;
    if (endOfText_)
        return false;
    for (;;) {
        const ssize_t count = ::read(fd_, buffer_.data(), buffer_.size());
        if (count > 0) {
            end_ = static_cast<size_t>(count);
            return true;
        }
        if (count < 0 && errno == EINTR)
            continue;
        failed_ = count < 0;
        endOfText_ = true;
        return false;
    }
}

bool LineReader::NextByteIs(char c)
{
    if (begin_ == end_ && !Fill())
        return false;
    return buffer_[begin_] == c;
}

bool LineReader::AtEnd()
{
    if (endOfText_ || (begin_ == end_ && !Fill()))
        return true;
    if (buffer_[begin_] == CtrlZ)
        endOfText_ = true;
    return endOfText_;
}

const char* LineReader::NextLineBreak()
{
    const char* from = buffer_.data() + begin_;
    const char* end = buffer_.data() + end_;
    nextLf_ = Next(nextLf_, from, end, '\n');
    nextCr_ = Next(nextCr_, from, end, '\r');
    nextCtrlZ_ = Next(nextCtrlZ_, from, end, CtrlZ);
    return std::min({nextLf_, nextCr_, nextCtrlZ_});
}

bool LineReader::ReadLine(std::string_view& line)
{
    if (AtEnd())
        return false;
    longLine_.clear();
    lineEnded_ = false;
    bool assembling = false;
    for (;;) {
        const char* start = buffer_.data() + begin_;
        const char* stop = NextLineBreak();
        const size_t length = static_cast<size_t>(stop - start);
        const bool complete = stop != buffer_.data() + end_;
        if (complete && !assembling) {
            line = std::string_view(start, length);
        } else {
            const size_t room = MaxLineLength - std::min(MaxLineLength, longLine_.size());
            longLine_.append(start, std::min(length, room));
            assembling = true;
            line = longLine_;
        }
        begin_ += length;
        if (complete)
            break;
        if (!Fill())
            return !failed_;
    }
    lineEnded_ = true;
    const char lineEnd = buffer_[begin_];
    if (lineEnd == CtrlZ) {
        endOfText_ = true;
        return true;
    }
    ++begin_;
    // The line's view may point into the buffer, which the look-ahead for the
    // LF of a CR LF would refill; copy it first when the CR ends the buffer.
    if (lineEnd == '\r' && begin_ == end_ && !assembling) {
        longLine_.assign(line);
        line = longLine_;
    }
    if (lineEnd == '\r' && NextByteIs('\n'))
        ++begin_;
    return true;
}

}  // namespace kellvar
