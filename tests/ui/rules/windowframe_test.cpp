// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/rules/windowframe.h"

#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace kellvar {
namespace {

TEST(WindowFrame, RemembersTheFrameInANewFolder)
{
    testing::TempDir dir;
    const std::string file = dir.File("cache/kellvar/kellvar.frame");
    EXPECT_FALSE(ReadFrameEdges(file).has_value()) << "no frame known before the first start";
    ASSERT_TRUE(WriteFrameEdges(file, {2, 21, 3, 4}));
    EXPECT_EQ(ReadFrameEdges(file), (TFrameEdges{2, 21, 3, 4}));
    EXPECT_EQ(testing::ReadFile(file), "[FRAME]\r\nLeft=2\r\nTop=21\r\nRight=3\r\nBottom=4\r\n");
}

// A frame no window manager draws would map the window at a wrong size:
// such a file counts as no frame known.
TEST(WindowFrame, ADamagedFileIsNoFrame)
{
    testing::TempDir dir;
    for (const char* text :
         {"[FRAME]\r\nLeft=2\r\nTop=21\r\nRight=3\r\n", "[FRAME]\r\nLeft=2\r\nTop=-1\r\nRight=3\r\nBottom=4\r\n",
          "[FRAME]\r\nLeft=2\r\nTop=257\r\nRight=3\r\nBottom=4\r\n",
          "[FRAME]\r\nLeft=2\r\nTop=2x\r\nRight=3\r\nBottom=4\r\n", "\x01\x02\xff"})
        EXPECT_FALSE(ReadFrameEdges(dir.Write("kellvar.frame", text)).has_value()) << text;
    EXPECT_EQ(ReadFrameEdges(dir.Write("kellvar.frame", "[FRAME]\nLeft=0\nTop=256\nRight=0\nBottom=0\n")),
              (TFrameEdges{0, 256, 0, 0}));
}

TEST(WindowFrame, AFifoIsNeverWaitedOn)
{
    testing::TempDir dir;
    const std::string fifo = dir.File("kellvar.frame");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_FALSE(ReadFrameEdges(fifo).has_value());
    EXPECT_FALSE(WriteFrameEdges(fifo, {1, 1, 1, 1})) << "a FIFO is no file of ours to replace";
}

TEST(WindowFrame, AFolderThatCannotBeMadeIsNoFrameWritten)
{
    testing::TempDir dir;
    dir.Write("cache", "a file where the folder would be");
    const std::string file = dir.File("cache/kellvar/kellvar.frame");
    EXPECT_FALSE(WriteFrameEdges(file, {2, 21, 3, 4}));
    EXPECT_FALSE(ReadFrameEdges(file).has_value());
}

}  // namespace
}  // namespace kellvar
