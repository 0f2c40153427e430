// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/linereader.h"

#include "tests/support/tempdir.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <vector>

namespace kellvar {
namespace {

std::vector<std::string> Lines(const std::string& bytes, size_t bufferSize = 64 * 1024)
{
    testing::TempDir dir;
    const int fd = ::open(dir.Write("log", bytes).c_str(), O_RDONLY);
    TLineReader reader(fd, bufferSize);
    std::vector<std::string> lines;
    std::string_view line;
    while (reader.ReadLine(line))
        lines.emplace_back(line);
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_FALSE(reader.Failed());
    ::close(fd);
    return lines;
}

using L = std::vector<std::string>;

struct LineCase {
    const char* name;
    std::string bytes;
    L lines;
};

class LineReaderTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(LineReaderTest, SplitsLines)
{
    EXPECT_EQ(Lines(GetParam().bytes), GetParam().lines);
    // A tiny buffer puts every line end on a buffer boundary somewhere.
    EXPECT_EQ(Lines(GetParam().bytes, 1), GetParam().lines);
    EXPECT_EQ(Lines(GetParam().bytes, 3), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LineReaderTest,
    ::testing::Values(LineCase{"empty", "", L{}}, LineCase{"crlf", "a\r\nbc\r\n", L{"a", "bc"}},
                      LineCase{"lone_cr", "a\rbc\r", L{"a", "bc"}}, LineCase{"lone_lf", "a\nbc\n", L{"a", "bc"}},
                      LineCase{"last_line_without_end", "a\r\nbc", L{"a", "bc"}},
                      LineCase{"empty_lines", "\r\n\r\n", L{"", ""}},
                      LineCase{"lf_cr_is_two_ends", "a\n\rb", L{"a", "", "b"}},
                      LineCase{"ctrl_z_ends_the_text", "a\r\nb\x1A\r\nc\r\n", L{"a", "b"}},
                      LineCase{"ctrl_z_at_line_start", "a\r\n\x1A", L{"a"}},
                      LineCase{"nul_bytes_are_ordinary", std::string("a\0b\r\n", 5), L{std::string("a\0b", 3)}},
                      // Lines longer than the 32 bytes looked at together, with other
                      // control bytes (tab, 25, 27) and Windows-1252 letters in them.
                      LineCase{"control_and_high_bytes_in_long_lines_are_ordinary",
                               std::string(40, 'x') + "\t\x19\x1B\xE4\xFF" + std::string(30, 'y') + "\r\n"
                                   + std::string(31, 'z') + "\n" + std::string(33, 'w') + "\r",
                               L{std::string(40, 'x') + "\t\x19\x1B\xE4\xFF" + std::string(30, 'y'),
                                 std::string(31, 'z'), std::string(33, 'w')}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TLineReader, CutsOverlongLines)
{
    const std::string huge(TLineReader::MaxLineLength + 1000, 'x');
    const L lines = Lines(huge + "\r\nnext\r\n");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].size(), TLineReader::MaxLineLength);
    EXPECT_EQ(lines[1], "next");
}

TEST(TLineReader, ReportsReadErrors)
{
    testing::TempDir dir;
    const int fd = ::open(dir.Path().c_str(), O_RDONLY);  // reading a directory fails
    TLineReader reader(fd);
    std::string_view line;
    EXPECT_FALSE(reader.ReadLine(line));
    EXPECT_TRUE(reader.Failed());
    ::close(fd);
}

}  // namespace
}  // namespace kellvar
