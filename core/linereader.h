// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <vector>

namespace kellvar {

// Delivers the lines of an open file one at a time without keeping them.
// A line ends at CR, CR LF or a lone LF; Ctrl-Z ends the readable text; a last
// line without a line end is still delivered.
class TLineReader {
public:
    // Lines longer than this are cut; the driver's lines are a few dozen bytes,
    // and the cut keeps a file without line ends from filling the memory.
    static constexpr size_t MaxLineLength = 4 * 1024 * 1024;

    // Reads up to size bytes as read(2) does: the count, 0 at the end, or -1
    // with errno set. Tests put failing ones in.
    using TReadFunction = ssize_t (*)(int fd, void* data, size_t size);

    // Small enough to stay in the processor's second-level cache between the
    // kernel's copy into it and the reading of its lines.
    static constexpr size_t DefaultBufferSize = 64 * 1024;

    explicit TLineReader(int fd, size_t bufferSize = DefaultBufferSize, TReadFunction readSome = nullptr);

    // False at the end of the text or on a read error.
    bool ReadLine(std::string_view& line);

    // True once no further line can be read (the end of the text, or an error).
    bool AtEnd();
    bool Failed() const { return failed_; }
    // The errno of the failed read.
    int Error() const { return error_; }
    // Bytes taken from the file so far.
    int64_t Position() const { return position_; }
    // False when the last line read ran into the end of the file: a line the
    // driver may still be writing.
    bool LineEnded() const { return lineEnded_; }

private:
    bool ReadLineAcrossBuffers(std::string_view& line);
    bool Fill();
    bool NextByteIs(char c);
    const char* NextLineBreak();

    int fd_;
    TReadFunction readSome_;
    std::vector<char> buffer_;
    size_t begin_ = 0;
    size_t end_ = 0;
    bool endOfText_ = false;
    bool failed_ = false;
    int error_ = 0;
    int64_t position_ = 0;
    bool lineEnded_ = true;
    std::string longLine_;
};

}  // namespace kellvar
