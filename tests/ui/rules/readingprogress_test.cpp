// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/rules/readingprogress.h"

#include <gtest/gtest.h>

namespace kellvar {
namespace {

TEST(ReadingProgress, CountsTenthsOfAPercentAndStopsFull)
{
    EXPECT_EQ(ReadingProgress(0, 261'120), 0);
    EXPECT_EQ(ReadingProgress(130'560, 261'120), 500);
    EXPECT_EQ(ReadingProgress(261'119, 261'120), 999) << "cut, so the bar is full only at the end";
    EXPECT_EQ(ReadingProgress(261'120, 261'120), 1000);
    EXPECT_EQ(ReadingProgress(300'000, 261'120), 1000) << "the log grew while it was read";
    EXPECT_EQ(ReadingProgress(12, 0), 0) << "a log emptied since the start";
    EXPECT_EQ(ReadingProgress(1, 1), 1000) << "a log of one byte, read";
    // Six gigabytes: bytes times the steps must not overflow.
    EXPECT_EQ(ReadingProgress(3'000'000'000, 6'000'000'000), 500);
}

}  // namespace
}  // namespace kellvar
