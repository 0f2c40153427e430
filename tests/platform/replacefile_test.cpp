// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/replacefile.h"

#include "platform/filehandle.h"
#include "tests/support/tempdir.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>

namespace kellvar::platform {
namespace {

using kellvar::testing::ReadFile;
using kellvar::testing::TempDir;

mode_t ModeOf(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 0;
}

ino_t InodeOf(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? info.st_ino : 0;
}

TEST(ReplaceFile, KeepsTheTargetsPermissionsAndGivesANewFileItsOwn)
{
    TempDir dir;
    const std::string secret = dir.Write("secret", "old");
    ASSERT_EQ(::chmod(secret.c_str(), 0600), 0);
    ASSERT_TRUE(ReplaceFile(secret, "new"));
    EXPECT_EQ(ReadFile(secret), "new");
    EXPECT_EQ(ModeOf(secret), 0600u);
    const mode_t mask = ::umask(027);
    ASSERT_TRUE(ReplaceFile(dir.File("fresh"), "text"));
    EXPECT_EQ(ModeOf(dir.File("fresh")), 0640u) << "0666 less the umask";
    // A set-id bit never passes to the new file.
    const std::string program = dir.Write("program", "old");
    ASSERT_EQ(::chmod(program.c_str(), 04755), 0);
    ASSERT_TRUE(ReplaceFile(program, "new"));
    EXPECT_EQ(ModeOf(program), 0755u);
    // Nor anything of what a link points at, which may be another user's file.
    ASSERT_EQ(::symlink(program.c_str(), dir.File("link").c_str()), 0);
    ASSERT_EQ(::chmod(program.c_str(), 0777), 0);
    ASSERT_TRUE(ReplaceFile(dir.File("link"), "picture"));
    EXPECT_EQ(ModeOf(dir.File("link")), 0640u);
    EXPECT_EQ(ReadFile(program), "new") << "the link is replaced, not written through";
    ::umask(mask);
}

TEST(ReplaceFile, FailsWithTheReasonAndLeavesNothingBehind)
{
    TempDir dir;
    errno = 0;
    EXPECT_FALSE(ReplaceFile(dir.File("missing/file"), "text"));
    EXPECT_EQ(errno, ENOENT);
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
}

// A temporary file that a running writer holds is its own, not a leftover.
TEST(ReplaceFile, LeavesATemporaryFileThatAWriterStillHolds)
{
    TempDir dir;
    const std::string held = dir.Write(".log.tmp-Ab12Cd", "half");
    TFileHandle writer(::open(held.c_str(), O_RDONLY | O_CLOEXEC));
    ASSERT_EQ(::flock(writer.Fd(), LOCK_EX), 0);
    ASSERT_TRUE(ReplaceFile(dir.File("log"), "whole"));
    EXPECT_TRUE(std::filesystem::exists(held));
    writer.Close();
    ASSERT_TRUE(ReplaceFile(dir.File("log"), "whole"));
    EXPECT_FALSE(std::filesystem::exists(held));
}

TEST(OverwriteInPlace, WritesTheSameFileAndCutsALongerOldText)
{
    TempDir dir;
    const std::string file = dir.Write("settings", "a longer old text");
    const ino_t inode = InodeOf(file);
    ASSERT_TRUE(OverwriteInPlace(file, "short"));
    EXPECT_EQ(ReadFile(file), "short");
    EXPECT_EQ(InodeOf(file), inode);
    ASSERT_TRUE(OverwriteInPlace(file, ""));
    EXPECT_EQ(ReadFile(file), "");
}

}  // namespace
}  // namespace kellvar::platform
