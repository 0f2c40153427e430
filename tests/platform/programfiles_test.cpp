// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ownership.h"
#include "platform/programfiles.h"
#include "platform/replacefolder.h"

#include "tests/support/tempdir.h"

#include <grp.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <optional>

namespace kellvar::platform {
namespace {

using kellvar::testing::TempDir;

// Sets the variables for the life of the test and restores them after.
class Environment {
public:
    Environment(std::initializer_list<std::pair<const char*, const char*>> values)
    {
        for (const auto& [name, value] : values) {
            const char* old = std::getenv(name);
            saved_.push_back({name, old ? std::optional<std::string>(old) : std::nullopt});
            value ? ::setenv(name, value, 1) : ::unsetenv(name);
        }
    }
    ~Environment()
    {
        for (const auto& [name, value] : saved_)
            value ? ::setenv(name, value->c_str(), 1) : ::unsetenv(name);
    }

private:
    std::vector<std::pair<const char*, std::optional<std::string>>> saved_;
};

TEST(ProgramFiles, BesideAProgramInAWritableDirectory)
{
    TempDir dir;
    EXPECT_EQ(ProgramFile(dir.File("kellvar"), TProgramFileKind::Settings), dir.File("kellvar.INI"));
    EXPECT_EQ(ProgramFile(dir.File("Kellvar.exe"), TProgramFileKind::AllTimeLog), dir.File("Kellvar.ATL"));
    EXPECT_EQ(BesideProgram("/opt/k.d/kellvar", TProgramFileKind::AllTimeLog), "/opt/k.d/kellvar.ATL");
}

// A folder is the user's alone only where no group of others may write it.
TEST(Ownership, AFolderAGroupOfOthersMayWriteIsShared)
{
    TempDir dir;
    const std::string folder = dir.File("d");
    ASSERT_EQ(::mkdir(folder.c_str(), 0755), 0);
    // nogroup: a group the user is no member of (root may give a folder to it).
    if (::chown(folder.c_str(), static_cast<uid_t>(-1), 65534) != 0)
        GTEST_SKIP() << "only root may give a folder to another group";
    EXPECT_TRUE(OnlyUserMayChange(folder)) << "the group may not write";
    ::chmod(folder.c_str(), 0775);
    EXPECT_FALSE(OnlyUserMayChange(folder));
    ::chmod(folder.c_str(), 0757);
    EXPECT_FALSE(OnlyUserMayChange(folder)) << "everybody may write";
}

// OnlyUserMayChange as another user and group would see it, checked in a
// child (root may take any) so that the test keeps its own; nothing where
// the child did not answer.
std::optional<bool> OnlyUserMayChangeAs(const std::string& folder, uid_t user, gid_t group)
{
    const pid_t child = ::fork();
    if (child < 0)
        return std::nullopt;
    if (child == 0) {
        if (::setegid(group) != 0 || ::seteuid(user) != 0)
            ::_exit(2);
        ::_exit(OnlyUserMayChange(folder) ? 1 : 0);
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) > 1)
        return std::nullopt;
    return WEXITSTATUS(status) == 1;
}

// The user's own group (no other members) writing is the user alone; a group
// that no entry names may have anybody in it, and so may the group of a user
// whom no entry names.
TEST(Ownership, OnlyAGroupKnownToBeTheUsersOwnMayWrite)
{
    constexpr uid_t Unnamed = 54'321;
    const ::group* rootGroup = ::getgrgid(0);
    if (::geteuid() != 0 || ::getgrgid(Unnamed) != nullptr || ::getpwuid(Unnamed) != nullptr || rootGroup == nullptr
        || rootGroup->gr_mem[0] != nullptr)
        GTEST_SKIP() << "needs root, a root group of its own and a number no entry names";
    TempDir dir;
    // The other user may pass through to the folder.
    ASSERT_EQ(::chmod(dir.Path().c_str(), 0711), 0);
    const std::string folder = dir.File("d");
    ASSERT_EQ(::mkdir(folder.c_str(), 0775), 0);
    ASSERT_EQ(::chmod(folder.c_str(), 0775), 0);
    EXPECT_EQ(OnlyUserMayChangeAs(folder, 0, 0), std::optional<bool>(true)) << "root's own group";
    ASSERT_EQ(::chown(folder.c_str(), 0, Unnamed), 0);
    EXPECT_EQ(OnlyUserMayChangeAs(folder, 0, Unnamed), std::optional<bool>(false)) << "an unnamed group";
    ASSERT_EQ(::chown(folder.c_str(), Unnamed, 0), 0);
    ASSERT_EQ(::chmod(folder.c_str(), 0755), 0);
    EXPECT_EQ(OnlyUserMayChangeAs(folder, Unnamed, 0), std::optional<bool>(true)) << "an unnamed user's own folder";
    ASSERT_EQ(::chmod(folder.c_str(), 0775), 0);
    EXPECT_EQ(OnlyUserMayChangeAs(folder, Unnamed, 0), std::optional<bool>(false)) << "the group of an unnamed user";
}

// A user whose primary group it is belongs to a group without being listed:
// the group of "nobody" is also that of other system users on Debian.
TEST(Ownership, AGroupThatIsAnotherUsersPrimaryOneIsShared)
{
    const passwd* entry = ::getpwnam("nobody");
    if (::geteuid() != 0 || entry == nullptr)
        GTEST_SKIP() << "needs root and the user nobody";
    const uid_t user = entry->pw_uid;
    const gid_t group = entry->pw_gid;
    bool shared = false;
    ::setpwent();
    while ((entry = ::getpwent()) != nullptr)
        shared = shared || (entry->pw_gid == group && entry->pw_uid != user);
    ::endpwent();
    if (!shared)
        GTEST_SKIP() << "needs another user whose primary group is nobody's";
    TempDir dir;
    ASSERT_EQ(::chmod(dir.Path().c_str(), 0711), 0);
    const std::string folder = dir.File("d");
    ASSERT_EQ(::mkdir(folder.c_str(), 0755), 0);
    ASSERT_EQ(::chown(folder.c_str(), user, group), 0);
    EXPECT_EQ(OnlyUserMayChangeAs(folder, user, group), std::optional<bool>(true));
    ASSERT_EQ(::chmod(folder.c_str(), 0775), 0);
    EXPECT_EQ(OnlyUserMayChangeAs(folder, user, group), std::optional<bool>(false));
}

// Only a name the staging itself makes (".new-" and six characters) counts
// as a killed run's leftover inside a report folder; a user's own file does not.
TEST(FolderReplacement, OnlyItsOwnStagingNames)
{
    EXPECT_TRUE(TFolderReplacement::IsInsideStaging(".new-a1B2c3"));
    EXPECT_FALSE(TFolderReplacement::IsInsideStaging(".new-notes.txt"));
    EXPECT_FALSE(TFolderReplacement::IsInsideStaging(".new-"));
}

// The new folder takes the old one's place in one rename: a folder of its
// own, not the old one filled anew.
TEST(FolderReplacement, TheNewFolderTakesTheOldOnesPlaceWhole)
{
    TempDir dir;
    ASSERT_EQ(::mkdir(dir.File("r").c_str(), 0755), 0);
    dir.Write("r/old.html", "old");
    struct stat old {};
    ASSERT_EQ(::stat(dir.File("r").c_str(), &old), 0);
    {
        TFolderReplacement folder(dir.File("r/"), [](std::string_view) { return true; });
        EXPECT_TRUE(folder.Begin());
        EXPECT_TRUE(folder.WriteFile("index.html", {"<p>", "new"}));
        EXPECT_TRUE(folder.Commit());
    }
    struct stat replaced {};
    ASSERT_EQ(::stat(dir.File("r").c_str(), &replaced), 0);
    EXPECT_NE(replaced.st_ino, old.st_ino);
    EXPECT_EQ(kellvar::testing::ReadFile(dir.File("r/index.html")), "<p>new");
    EXPECT_EQ(FolderEntries(dir.Path()), (std::vector<std::string>{"r"})) << "nothing left beside it";
    EXPECT_EQ(FolderEntries(dir.File("r")), (std::vector<std::string>{"index.html"}));
}

// A new folder that went before it could take its place (another run's
// sweep, a user tidying up) is reported unmade, and nothing stands there.
TEST(FolderReplacement, ANewFolderGoneBeforeItsRenameIsReportedUnmade)
{
    for (const bool oldFolder : {false, true}) {
        TempDir dir;
        if (oldFolder) {
            ASSERT_EQ(::mkdir(dir.File("r").c_str(), 0755), 0);
        }
        TFolderReplacement folder(dir.File("r"), [](std::string_view) { return true; });
        ASSERT_TRUE(folder.Begin());
        ASSERT_TRUE(folder.WriteFile("index.html", {"new"}));
        const auto entries = FolderEntries(dir.Path());
        ASSERT_TRUE(entries.has_value());
        for (const std::string& name : *entries) {
            if (name.starts_with(".r.new-")) {
                ASSERT_EQ(::unlink(dir.File(name + "/index.html").c_str()), 0);
                ASSERT_EQ(::rmdir(dir.File(name).c_str()), 0);
            }
        }
        EXPECT_FALSE(folder.Commit()) << "with an old folder: " << oldFolder;
        EXPECT_EQ(errno, ENOENT);
        EXPECT_EQ(FolderEntries(dir.File("r")),
                  oldFolder ? std::optional<std::vector<std::string>>(std::vector<std::string>{}) : std::nullopt);
    }
}

TEST(ProgramFiles, InstalledProgramUsesTheXdgDirectories)
{
    TempDir dir;
    ::mkdir(dir.File("bin").c_str(), 0555);
    const std::string program = dir.File("bin/kellvar");
    {
        const Environment xdg{{"XDG_CONFIG_HOME", "/cfg"}, {"XDG_DATA_HOME", "/data"}, {"XDG_CACHE_HOME", "/c"}};
        EXPECT_EQ(ProgramFile(program, TProgramFileKind::Settings), "/cfg/kellvar/kellvar.INI");
        EXPECT_EQ(ProgramFile(program, TProgramFileKind::AllTimeLog), "/data/kellvar/kellvar.ATL");
        EXPECT_EQ(ProgramFile(program, TProgramFileKind::WindowFrame), "/c/kellvar/kellvar.frame");
        EXPECT_EQ(ProgramFile("/usr/bin/kellvar", TProgramFileKind::Settings), "/cfg/kellvar/kellvar.INI")
            << "never below /usr, not even for root";
    }
    const Environment defaults{{"XDG_CONFIG_HOME", "relative/is/ignored"},
                               {"XDG_DATA_HOME", nullptr},
                               {"XDG_CACHE_HOME", nullptr},
                               {"HOME", "/home/u"}};
    EXPECT_EQ(ProgramFile(program, TProgramFileKind::Settings), "/home/u/.config/kellvar/kellvar.INI");
    EXPECT_EQ(ProgramFile(program, TProgramFileKind::AllTimeLog), "/home/u/.local/share/kellvar/kellvar.ATL");
    EXPECT_EQ(ProgramFile(program, TProgramFileKind::WindowFrame), "/home/u/.cache/kellvar/kellvar.frame");
}

TEST(ProgramFiles, InADirectoryTheUserCannotWriteOnlyTheUsersOwnFilesStayBesideTheProgram)
{
    TempDir dir;
    const Environment xdg{{"XDG_CONFIG_HOME", "/cfg"}, {"XDG_DATA_HOME", "/data"}};
    ::mkdir(dir.File("bin").c_str(), 0755);
    dir.Write("bin/kellvar.ATL", "");
    dir.Write("bin/kellvar.INI", "");
    ::chmod(dir.File("bin/kellvar.INI").c_str(), 0444);
    ::chmod(dir.File("bin").c_str(), 0555);
    EXPECT_EQ(ProgramFile(dir.File("bin/kellvar"), TProgramFileKind::AllTimeLog), dir.File("bin/kellvar.ATL"))
        << "a history the user may write stays where it is";
    EXPECT_EQ(ProgramFile(dir.File("bin/kellvar"), TProgramFileKind::Settings), "/cfg/kellvar/kellvar.INI")
        << "settings another user left there are not this user's";
    ::unlink(dir.File("bin/kellvar.INI").c_str());
    EXPECT_EQ(ProgramFile(dir.File("bin/kellvar"), TProgramFileKind::Settings), "/cfg/kellvar/kellvar.INI")
        << "no new file where none can be created";
}

struct SharedFolderCase {
    const char* name;
    mode_t mode;
    bool folderOfAnotherUser;
    bool filesOfAnotherUser;
};

class SharedFolderTest : public ::testing::TestWithParam<SharedFolderCase> {};

// Another user who may put files beside the program could plant a link to
// the user's files there, or settings that name their own log.
TEST_P(SharedFolderTest, FilesThatAnotherUserCouldPlantAreNeverUsed)
{
    const SharedFolderCase& c = GetParam();
    if ((c.folderOfAnotherUser || c.filesOfAnotherUser) && ::geteuid() != 0)
        GTEST_SKIP() << "giving a file to another user needs root";
    TempDir dir;
    const Environment xdg{{"XDG_CONFIG_HOME", "/cfg"}, {"XDG_DATA_HOME", "/data"}};
    const std::string folder = dir.File("shared");
    ::mkdir(folder.c_str(), 0700);
    for (const char* name : {"shared/kellvar.INI", "shared/kellvar.ATL"})
        EXPECT_TRUE(!c.filesOfAnotherUser || ::lchown(dir.Write(name, "").c_str(), 65534, 65534) == 0);
    EXPECT_TRUE(!c.folderOfAnotherUser || ::chown(folder.c_str(), 65534, ::getegid()) == 0);
    ::chmod(folder.c_str(), c.mode);
    EXPECT_EQ(ProgramFile(folder + "/kellvar", TProgramFileKind::Settings), "/cfg/kellvar/kellvar.INI");
    EXPECT_EQ(ProgramFile(folder + "/kellvar", TProgramFileKind::AllTimeLog), "/data/kellvar/kellvar.ATL");
}

INSTANTIATE_TEST_SUITE_P(Cases, SharedFolderTest,
                         ::testing::Values(SharedFolderCase{"everyone_may_write", 0777, false, false},
                                           SharedFolderCase{"sticky_like_tmp", 01777, false, false},
                                           SharedFolderCase{"folder_of_another_user_open_to_my_group", 0775, true,
                                                            false},
                                           SharedFolderCase{"files_of_another_user", 0755, false, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ProgramFiles, DirectoriesAreMadeOnFirstWrite)
{
    TempDir dir;
    EXPECT_TRUE(CreateParentDirectories(dir.File("a/b/kellvar.INI")));
    struct stat info {};
    EXPECT_EQ(::stat(dir.File("a/b").c_str(), &info), 0);
    dir.Write("file", "");
    EXPECT_FALSE(CreateParentDirectories(dir.File("file/kellvar.INI")));
}

}  // namespace
}  // namespace kellvar::platform
