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

bool IsLineBreak(char c)
{
    return c == '\r' || c == '\n' || c == CtrlZ;
}

#if defined(__SSE2__)
// A bit for each CR, LF or Ctrl-Z among the sixteen bytes.
unsigned LineBreaksIn(__m128i bytes)
{
    const __m128i hits = _mm_or_si128(
        _mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8('\r')), _mm_cmpeq_epi8(bytes, _mm_set1_epi8('\n'))),
        _mm_cmpeq_epi8(bytes, _mm_set1_epi8(CtrlZ)));
    return static_cast<unsigned>(_mm_movemask_epi8(hits));
}

// A bit for each byte of at most Ctrl-Z, the highest of the three: a cheaper
// first look, since nearly all such bytes in a log are line ends.
unsigned ControlBytesIn(__m128i bytes)
{
    return static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(_mm_min_epu8(bytes, _mm_set1_epi8(CtrlZ)), bytes)));
}
#endif

// The first CR, LF or Ctrl-Z at or after from, or end: one pass over the
// bytes, thirty-two at a time where the processor has SSE2.
const char* FindLineBreak(const char* from, const char* end)
{
#if defined(__SSE2__)
    for (; end - from >= 32; from += 32) {
        const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from));
        const __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + 16));
        if ((ControlBytesIn(low) | ControlBytesIn(high)) == 0)
            continue;
        if (const unsigned breaks = LineBreaksIn(low) | LineBreaksIn(high) << 16; breaks != 0)
            return from + std::countr_zero(breaks);
    }
#endif
    for (; from != end; ++from)
        if (IsLineBreak(*from))
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
    // Nearly every line lies whole in the buffer, with the byte after its end
    // that tells CR from CR LF: it is taken where it stands.
    if (!endOfText_ && begin_ != end_) {
        const char* start = buffer_.data() + begin_;
        const char* bufferEnd = buffer_.data() + end_;
        const char* stop = NextLineBreak();
        if (bufferEnd - stop >= 2 && *stop != CtrlZ) {
            line = std::string_view(start, static_cast<size_t>(stop - start));
            lineEnded_ = true;
            const bool crLf = stop[0] == '\r' && stop[1] == '\n';
            begin_ = static_cast<size_t>(stop - buffer_.data()) + (crLf ? 2 : 1);
            return true;
        }
    }
    return ReadLineAcrossBuffers(line);
}

bool TLineReader::ReadLineAcrossBuffers(std::string_view& line)
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
