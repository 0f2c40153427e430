// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/filehandle.h"

#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>

namespace kellvar::platform {
namespace {

using kellvar::testing::TempDir;

// A log that shrinks between measuring and reading (the driver starting a new
// file) ends the read early: a failure with a reason, never a silent success.
TEST(ReadAllAt, ReadsEveryByteOrTellsWhyNot)
{
    TempDir dir;
    const TFileHandle file = OpenForSharedReading(dir.Write("log", "0123456789"));
    ASSERT_TRUE(file.IsOpen());

    std::string bytes(4, '\0');
    // An interrupted call is tried again; an errno left from before is no interruption.
    errno = EINTR;
    ASSERT_TRUE(ReadAllAt(file.Fd(), bytes.data(), bytes.size(), 6));
    EXPECT_EQ(bytes, "6789");

    std::string past(5, '\0');
    errno = 0;
    EXPECT_FALSE(ReadAllAt(file.Fd(), past.data(), past.size(), 6));
    EXPECT_EQ(errno, EIO);
}

}  // namespace
}  // namespace kellvar::platform
