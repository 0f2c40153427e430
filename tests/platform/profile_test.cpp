// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ownership.h"
#include "platform/profile.h"

#include "tests/support/tempdir.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <thread>
#include <vector>

namespace kellvar::platform {
namespace {

using kellvar::testing::ReadFile;
using kellvar::testing::TempDir;

std::string Get(const std::string& file, const std::string& section, const std::string& key)
{
    return TProfileFile(file).Get(section, key, "<default>");
}

// Sets one key and saves the file at once, as the Windows profile function does.
bool Write(const std::string& section, const std::string& key, const std::string& value, const std::string& file)
{
    TProfileFile profile(file);
    profile.Set(section, key, value);
    return profile.Save();
}

struct ReadCase {
    const char* name;
    std::string file;
    const char* section;
    const char* key;
    std::string value;
};

class ProfileReadTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ProfileReadTest, ReadsAsTheWindowsProfileFunctions)
{
    TempDir dir;
    EXPECT_EQ(Get(dir.Write("k.INI", GetParam().file), GetParam().section, GetParam().key), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ProfileReadTest,
    ::testing::Values(ReadCase{"plain", "[SETTINGS]\r\nWidth=512\r\n", "SETTINGS", "Width", "512"},
                      ReadCase{"names_in_any_case", "[settings]\r\nwidth=512\r\n", "SETTINGS", "WIDTH", "512"},
                      ReadCase{"blanks_around_names_and_values", "  [ SETTINGS ]  \r\n  Width  =  512  \r\n",
                               "SETTINGS", "Width", "512"},
                      ReadCase{"double_quotes", "[S]\r\nDir=\"/home/a b/\"\r\n", "S", "Dir", "/home/a b/"},
                      ReadCase{"single_quotes", "[S]\r\nDir='x'\r\n", "S", "Dir", "x"},
                      ReadCase{"unmatched_quote_stays", "[S]\r\nDir=\"x\r\n", "S", "Dir", "\"x"},
                      ReadCase{"quotes_around_nothing", "[S]\r\nDir=\"\"\r\n", "S", "Dir", ""},
                      ReadCase{"one_quote_alone_stays", "[S]\r\nDir='\r\n", "S", "Dir", "'"},
                      ReadCase{"linux_line_ends", "[S]\nA=1\nB=2\n", "S", "B", "2"},
                      ReadCase{"comment_line", "[S]\r\n;A=1\r\n", "S", "A", "<default>"},
                      ReadCase{"comment_is_no_key", "[S]\r\n;A=1\r\n", "S", ";A", "<default>"},
                      ReadCase{"key_in_another_section", "[T]\r\nA=1\r\n[S]\r\nB=2\r\n", "S", "A", "<default>"},
                      ReadCase{"first_of_duplicate_sections", "[S]\r\nA=1\r\n[S]\r\nA=2\r\n", "S", "A", "1"},
                      ReadCase{"first_of_duplicate_keys", "[S]\r\nA=1\r\nA=2\r\n", "S", "A", "1"},
                      ReadCase{"garbage_lines_ignored", "\xFF\xFE garbage\r\n[S]\r\nno equals here\r\n=x\r\nA=1\r\n",
                               "S", "A", "1"},
                      ReadCase{"empty_value", "[S]\r\nA=\r\n", "S", "A", ""},
                      ReadCase{"value_with_equals", "[S]\r\nA=b=c\r\n", "S", "A", "b=c"},
                      ReadCase{"missing_section", "[T]\r\nA=1\r\n", "S", "A", "<default>"},
                      ReadCase{"empty_file", "", "S", "A", "<default>"},
                      ReadCase{"byte_order_mark", "\xEF\xBB\xBF[S]\r\nA=1\r\n", "S", "A", "1"},
                      ReadCase{"cr_only_line_ends", "[S]\rA=1\rB=2\r", "S", "B", "2"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Profile, MissingFileGivesTheDefault)
{
    EXPECT_EQ(Get("/nonexistent/k.INI", "S", "A"), "<default>");
}

TEST(Profile, ValuesAreCutAt1023Characters)
{
    TempDir dir;
    const std::string file = dir.Write("k.INI", "[S]\r\nA=" + std::string(5'000, 'v') + "\r\nB=2\r\n");
    EXPECT_EQ(Get(file, "S", "A"), std::string(1'023, 'v'));
    EXPECT_EQ(Get(file, "S", "B"), "2");
}

TEST(Profile, WritingCreatesTheFileAndSection)
{
    TempDir dir;
    ASSERT_TRUE(Write("SETTINGS", "Width", "512", dir.File("k.INI")));
    ASSERT_TRUE(Write("SETTINGS", "Height", "300", dir.File("k.INI")));
    EXPECT_EQ(ReadFile(dir.File("k.INI")), "[SETTINGS]\r\nWidth=512\r\nHeight=300\r\n");
}

TEST(Profile, WritingKeepsEverythingElseInItsPlace)
{
    TempDir dir;
    const std::string file = dir.Write("k.INI", "; made by hand\r\n[Other]\r\nX=1\r\n\r\n[settings]\r\n"
                                                "width=100\r\n; note\r\nTop=5\r\n\r\n[Last]\r\nY=2\r\n");
    ASSERT_TRUE(Write("SETTINGS", "Width", "512", file));
    ASSERT_TRUE(Write("SETTINGS", "Left", "7", file));
    EXPECT_EQ(ReadFile(file), "; made by hand\r\n[Other]\r\nX=1\r\n\r\n[settings]\r\nWidth=512\r\n; note\r\nTop=5\r\n"
                              "Left=7\r\n\r\n[Last]\r\nY=2\r\n");
}

TEST(Profile, WritingKeepsThePermissions)
{
    TempDir dir;
    const std::string file = dir.Write("k.INI", "[S]\r\n");
    ::chmod(file.c_str(), 0600);
    ASSERT_TRUE(Write("S", "A", "1", file));
    struct stat info {};
    ::stat(file.c_str(), &info);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
}

TEST(Profile, ReadOnlyFileOrDirectoryIsNotWritten)
{
    TempDir dir;
    const std::string file = dir.Write("k.INI", "[S]\r\nA=1\r\n");
    ::chmod(file.c_str(), 0444);
    EXPECT_FALSE(Write("S", "A", "2", file));
    EXPECT_EQ(ReadFile(file), "[S]\r\nA=1\r\n");
    ::mkdir(dir.File("ro").c_str(), 0555);
    EXPECT_FALSE(Write("S", "A", "2", dir.File("ro/k.INI")));
}

TEST(Profile, FullDiskLeavesTheOldFileWhole)
{
    // The new text goes to a temporary file first; when that cannot be
    // written the settings file is not touched.
    TempDir dir;
    const std::string file = dir.Write("k.INI", "[S]\r\nA=1\r\n");
    EXPECT_FALSE(Write("S", "A", "2", dir.File("k.INI/k.INI")));
    EXPECT_EQ(ReadFile(file), "[S]\r\nA=1\r\n");
}

TEST(Profile, OversizedOrSpecialFilesReadAsAbsent)
{
    TempDir dir;
    const std::string blank = dir.Write("blank.INI", "[S]\r\nA=1\r\n" + std::string(TProfileFile::MaxFileSize, '\n'));
    EXPECT_TRUE(TProfileFile(blank).TooLarge());
    EXPECT_EQ(Get(blank, "S", "A"), "<default>");
    const std::string limit =
        dir.Write("limit.INI", "[S]\r\nA=1\r\n" + std::string(TProfileFile::MaxFileSize - 11, ' '));
    EXPECT_EQ(Get(limit, "S", "A"), "1") << "exactly at the limit is still read";
    ASSERT_EQ(::mkfifo(dir.File("fifo.INI").c_str(), 0644), 0);
    EXPECT_EQ(Get(dir.File("fifo.INI"), "S", "A"), "<default>") << "no writer is waited for";
    EXPECT_EQ(Get("/dev/zero", "S", "A"), "<default>");
}

TEST(Profile, ByteOrderMarkStaysAndTheSectionIsNotAddedTwice)
{
    TempDir dir;
    const std::string file = dir.Write("k.INI", "\xEF\xBB\xBF[S]\r\nA=1\r\n");
    ASSERT_TRUE(Write("S", "A", "2", file));
    EXPECT_EQ(ReadFile(file), "\xEF\xBB\xBF[S]\r\nA=2\r\n");
}

TEST(Profile, FileThatCouldNotBeReadIsNeverWrittenOver)
{
    TempDir dir;
    const std::string text = "[S]\r\nA=1\r\n" + std::string(TProfileFile::MaxFileSize, '\n');
    const std::string file = dir.Write("k.INI", text);
    TProfileFile profile(file);
    EXPECT_TRUE(profile.Unreadable());
    profile.Set("S", "A", "2");
    EXPECT_FALSE(profile.Save());
    EXPECT_EQ(ReadFile(file), text);
    ::mkdir(dir.File("d.INI").c_str(), 0755);
    EXPECT_TRUE(TProfileFile(dir.File("d.INI")).Unreadable()) << "a directory is there but no settings file";
    EXPECT_FALSE(TProfileFile(dir.File("missing.INI")).Unreadable()) << "a missing file is no failure";
}

TEST(Profile, LinkStaysALinkAndItsTargetIsReplaced)
{
    TempDir dir;
    std::filesystem::create_directory(dir.File("dotfiles"));
    const std::string target = dir.Write("dotfiles/k.INI", "[S]\r\nA=1\r\n");
    std::filesystem::create_symlink("dotfiles/k.INI", dir.File("k.INI"));
    ASSERT_TRUE(Write("S", "A", "2", dir.File("k.INI")));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("k.INI")));
    EXPECT_EQ(ReadFile(target), "[S]\r\nA=2\r\n");
}

TEST(Profile, WritersAtTheSameMomentNeverBreakEachOthersWrites)
{
    TempDir dir;
    std::atomic<int> failed = 0;
    std::vector<std::thread> writers;
    for (int writer = 0; writer < 8; ++writer)
        writers.emplace_back([&, writer] {
            for (int round = 0; round < 10; ++round)
                if (!Write("S", "A", std::to_string(writer), dir.File("k.INI")))
                    ++failed;
        });
    for (std::thread& writer : writers)
        writer.join();
    EXPECT_EQ(failed, 0);
    EXPECT_EQ(ReadFile(dir.File("k.INI")).substr(0, 7), "[S]\r\nA=");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1) << "no temporary file is left";
}

// Saves the key as another user (nobody) would, where the directory takes no
// new file from them; fileSizeLimit > 0 fakes a disk that fills up there.
bool WrittenInPlaceByAnotherUser(const std::string& file, const std::string& value, rlim_t fileSizeLimit = 0)
{
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(2);
        const rlimit limit{fileSizeLimit, fileSizeLimit};
        if (fileSizeLimit > 0 && (::signal(SIGXFSZ, SIG_IGN) == SIG_ERR || ::setrlimit(RLIMIT_FSIZE, &limit) != 0))
            ::_exit(2);
        ::_exit(Write("S", "A", value, file) ? 0 : 1);
    }
    int status = 0;
    return ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST(Profile, FileInADirectoryThatTakesNoNewFileIsWrittenInPlaceWholeOrNotAtAll)
{
    TempDir dir;
    ::chmod(dir.Path().c_str(), 0755);
    ::mkdir(dir.File("program").c_str(), 0755);
    const std::string file = dir.Write("program/k.INI", "[S]\r\nA=1\r\n");
    ::chmod(file.c_str(), 0666);
    // Root may create files anywhere; the directory is closed to another user.
    if (::geteuid() != 0)
        ::chmod(dir.File("program").c_str(), 0555);
    EXPECT_TRUE(WrittenInPlaceByAnotherUser(file, "2"));
    EXPECT_EQ(ReadFile(file), "[S]\r\nA=2\r\n");
    EXPECT_FALSE(WrittenInPlaceByAnotherUser(file, "a value longer than the room left", 16));
    EXPECT_EQ(ReadFile(file), "[S]\r\nA=2\r\n") << "a full disk leaves the file as it was";
    EXPECT_TRUE(WrittenInPlaceByAnotherUser(file, ""));
    EXPECT_EQ(ReadFile(file), "[S]\r\nA=\r\n") << "a shorter text leaves nothing of the longer one";
    ::chmod(dir.File("program").c_str(), 0755);
}

TEST(Profile, AnotherUsersLinkIsNeitherReadNorWrittenThrough)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "giving a link to another user needs root";
    TempDir dir;
    const std::string target = dir.Write("elsewhere", "[S]\r\nA=planted\r\n");
    ASSERT_EQ(::symlink(target.c_str(), dir.File("k.INI").c_str()), 0);
    ASSERT_EQ(::lchown(dir.File("k.INI").c_str(), 65534, 65534), 0);
    TProfileFile planted(dir.File("k.INI"));
    EXPECT_TRUE(planted.Unreadable());
    EXPECT_EQ(planted.Get("S", "A", "default"), "default");
    EXPECT_FALSE(Write("S", "A", "2", dir.File("k.INI")));
    EXPECT_EQ(ReadFile(target), "[S]\r\nA=planted\r\n");
    ASSERT_EQ(::lchown(dir.File("k.INI").c_str(), 0, 0), 0);
    EXPECT_TRUE(Write("S", "A", "2", dir.File("k.INI"))) << "the user's own link is followed";
    EXPECT_EQ(ReadFile(target), "[S]\r\nA=2\r\n");
}

// Not only the last name: another user's link to a folder on the way leads
// anywhere as well, and is not followed.
TEST(Profile, AnotherUsersLinkOnTheWayIsNotFollowed)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "giving a link to another user needs root";
    TempDir dir;
    ASSERT_EQ(::mkdir(dir.File("real").c_str(), 0700), 0);
    const std::string target = dir.Write("real/k.INI", "[S]\r\nA=1\r\n");
    ASSERT_EQ(::symlink("real", dir.File("via").c_str()), 0);
    ASSERT_EQ(::symlink("via/../via", dir.File("again").c_str()), 0);
    EXPECT_EQ(OwnLinkTarget(dir.File("again/k.INI")), std::optional(target)) << "the user's own links are followed";
    ASSERT_EQ(::lchown(dir.File("via").c_str(), 65534, 65534), 0);
    EXPECT_EQ(OwnLinkTarget(dir.File("via/k.INI")), std::nullopt);
    EXPECT_EQ(OwnLinkTarget(dir.File("again/k.INI")), std::nullopt) << "reached through a link of one's own";
    EXPECT_FALSE(Write("S", "A", "2", dir.File("via/k.INI")));
    EXPECT_EQ(ReadFile(target), "[S]\r\nA=1\r\n");
    EXPECT_EQ(OwnLinkTarget("relative/./name"), std::optional<std::string>("relative/name"));
}

TEST(Profile, SavingRemovesTemporariesOfAKilledWrite)
{
    TempDir dir;
    const std::string leftover = dir.Write(".k.INI.tmp-Ab12Cd", "[S]\r\nA=half");
    const std::string unrelated = dir.Write(".k.INI.tmp-long-name", "mine");
    ASSERT_TRUE(Write("S", "A", "2", dir.File("k.INI")));
    EXPECT_FALSE(std::filesystem::exists(leftover));
    EXPECT_TRUE(std::filesystem::exists(unrelated)) << "only names the program makes are removed";
    EXPECT_EQ(ReadFile(dir.File("k.INI")), "[S]\r\nA=2\r\n");
}

}  // namespace
}  // namespace kellvar::platform
