// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/programpath.h"

#include <gtest/gtest.h>
#include <unistd.h>

namespace kellvar::platform {
namespace {

TEST(ProgramPath, IsTheRunningTestProgram)
{
    const std::string path = ProgramFilePath();
    EXPECT_EQ(path.front(), '/');
    EXPECT_NE(path.find("platform_tests"), std::string::npos);
}

TEST(ProgramPath, ChangeFileExtension)
{
    EXPECT_EQ(ChangeFileExtension("/a/kellvar", ".INI"), "/a/kellvar.INI");
    EXPECT_EQ(ChangeFileExtension("/a/Kellvar.exe", ".INI"), "/a/Kellvar.INI");
    EXPECT_EQ(ChangeFileExtension("/a.b/kellvar", ".ATL"), "/a.b/kellvar.ATL");
    EXPECT_EQ(ChangeFileExtension("/a/kellvar.tar.gz", ".ATL"), "/a/kellvar.tar.ATL");
}

TEST(ProgramPath, ExpandFullPath)
{
    char cwd[4096];
    ASSERT_NE(::getcwd(cwd, sizeof cwd), nullptr);
    EXPECT_EQ(ExpandFullPath("x/../log.txt"), std::string(cwd) + "/log.txt");
    EXPECT_EQ(ExpandFullPath("/a/./b//c"), "/a/b/c");
    EXPECT_EQ(DirectoryOf("/home/u/ModemLog.txt"), "/home/u/");
}

}  // namespace
}  // namespace kellvar::platform
