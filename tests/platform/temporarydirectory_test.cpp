// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/temporarydirectory.h"

#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace kellvar::platform {
namespace {

// The directory holds the two files it names, and takes them with it.
TEST(TemporaryDirectory, NamesTwoFilesAndGoesWithThem)
{
    testing::TempDir tmp;
    const char* before = std::getenv("TMPDIR");
    const std::string kept = before != nullptr ? before : "";
    ::setenv("TMPDIR", tmp.Path().c_str(), 1);
    std::string path;
    {
        TTemporaryDirectory dir;
        ASSERT_TRUE(dir.Create("kellvar-test"));
        path = dir.Path();
        EXPECT_EQ(std::filesystem::path(path).parent_path(), std::filesystem::path(tmp.Path()));
        const std::string first = dir.File("stdin.log");
        const std::string second = dir.File("merged.log");
        EXPECT_EQ(first, path + "/stdin.log");
        EXPECT_EQ(second, path + "/merged.log");
        EXPECT_EQ(dir.File("third.log"), "") << "a third file would outlive a signal";
        for (const std::string& file : {first, second})
            std::ofstream(file) << "a copy of the log";
    }
    before != nullptr ? ::setenv("TMPDIR", kept.c_str(), 1) : ::unsetenv("TMPDIR");
    EXPECT_FALSE(std::filesystem::exists(path));
}

}  // namespace
}  // namespace kellvar::platform
