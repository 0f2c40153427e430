#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kellvar {

// Delivers the lines of an open file one at a time without keeping them.
// A line ends at CR, CR LF or a lone LF; Ctrl-Z ends the readable text; a last
// line without a line end is still delivered.
class LineReader {
public:
    // Lines longer than this are cut; the driver's lines are a few dozen bytes,
    // and the cut keeps a file without line ends from filling the memory.
    static constexpr size_t MaxLineLength = 4 * 1024 * 1024;

    explicit LineReader(int fd, size_t bufferSize = 256 * 1024);

    // False at the end of the text or on a read error.
    bool ReadLine(std::string_view& line);

    // True once no further line can be read (the end of the text, or an error).
    bool AtEnd();
    bool Failed() const { return failed_; }
    // False when the last line read ran into the end of the file: a line the
    // driver may still be writing.
    bool LineEnded() const { return lineEnded_; }

private:
    bool Fill();
    bool NextByteIs(char c);
    const char* NextLineBreak();

    int fd_;
    std::vector<char> buffer_;
    size_t begin_ = 0;
    size_t end_ = 0;
    bool endOfText_ = false;
    bool failed_ = false;
    bool lineEnded_ = true;
    std::string longLine_;
};

}  // namespace kellvar
