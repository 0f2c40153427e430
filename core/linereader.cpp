// SPDX-License-Identifier: GPL-3.0-or-later
#include "linereader.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstring>
#include <unistd.h>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace kellvar {

namespace {

constexpr char CtrlZ = 26;

// The first CR, LF or Ctrl-Z at or after from, or end: one pass over the
// bytes, sixteen at a time where the processor has SSE2.
const char* FindLineBreak(const char* from, const char* end)
{
#if defined(__SSE2__)
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    const __m128i ctrlZ = _mm_set1_epi8(CtrlZ);
    for (; end - from >= 16; from += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from));
        const __m128i hits = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(bytes, cr), _mm_cmpeq_epi8(bytes, lf)),
                                          _mm_cmpeq_epi8(bytes, ctrlZ));
        if (const int mask = _mm_movemask_epi8(hits); mask != 0)
            return from + std::countr_zero(static_cast<unsigned>(mask));
    }
#endif
    for (; from != end; ++from)
        if (*from == '\r' || *from == '\n' || *from == CtrlZ)
            return from;
    return end;
}

}  // namespace

TLineReader::TLineReader(int fd, size_t bufferSize, TReadFunction readSome)
    : fd_(fd), readSome_(readSome != nullptr ? readSome : ::read), buffer_(bufferSize)
{
}

bool TLineReader::Fill()
{
    begin_ = 0;
    end_ = 0;
    if (endOfText_)
        return false;
    for (;;) {
        const ssize_t count = readSome_(fd_, buffer_.data(), buffer_.size());
        if (count > 0) {
            end_ = static_cast<size_t>(count);
            position_ += count;
            return true;
        }
        if (count < 0 && errno == EINTR)
            continue;
        failed_ = count < 0;
        error_ = failed_ ? errno : 0;
        endOfText_ = true;
        return false;
    }
}

bool TLineReader::NextByteIs(char c)
{
    if (begin_ == end_ && !Fill())
        return false;
    return buffer_[begin_] == c;
}

bool TLineReader::AtEnd()
{
    if (endOfText_ || (begin_ == end_ && !Fill()))
        return true;
    if (buffer_[begin_] == CtrlZ)
        endOfText_ = true;
    return endOfText_;
}

const char* TLineReader::NextLineBreak()
{
    return FindLineBreak(buffer_.data() + begin_, buffer_.data() + end_);
}

bool TLineReader::ReadLine(std::string_view& line)
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
