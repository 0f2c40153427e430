#include "programfiles.h"

#include "filehandle.h"
#include "programpath.h"

#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace kellvar::platform {

namespace {

const char* Extension(TProgramFileKind kind)
{
    return kind == TProgramFileKind::Settings ? ".INI" : ".ATL";
}

// Judged by the permission bits that apply to this user, as the read-only
// test is, so that root too keeps an installed program's directory clean.
bool UserMayWrite(const std::string& path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return false;
    if (info.st_uid == ::geteuid())
        return (info.st_mode & S_IWUSR) != 0;
    if (info.st_gid == ::getegid())
        return (info.st_mode & S_IWGRP) != 0;
    return (info.st_mode & S_IWOTH) != 0;
}

// Beside the program only where this user may write: the directory (never
// below /usr, which packages own), or the file already there. A file that
// another user (root) left in a directory this user cannot write is not
// this user's.
bool KeepsFileBesideProgram(const std::string& programPath, TProgramFileKind kind)
{
    const std::string directory = DirectoryOf(ExpandFullPath(programPath));
    const std::string beside = BesideProgram(programPath, kind);
    if (FileExists(beside) && UserMayWrite(beside))
        return true;
    return directory.rfind("/usr/", 0) != 0 && UserMayWrite(directory);
}

// An XDG base directory: the variable when it holds an absolute path, else
// the default below the home directory.
std::string XdgDirectory(const char* variable, const char* defaultBelowHome)
{
    const char* value = std::getenv(variable);
    if (value != nullptr && value[0] == '/')
        return value;
    std::string home = WindowsDirectory();
    if (!home.empty() && home.back() == '/')
        home.pop_back();
    return home + "/" + defaultBelowHome;
}

}  // namespace

std::string BesideProgram(const std::string& programPath, TProgramFileKind kind)
{
    return ChangeFileExtension(ExpandFullPath(programPath), Extension(kind));
}

std::string ProgramFile(const std::string& programPath, TProgramFileKind kind)
{
    if (KeepsFileBesideProgram(programPath, kind))
        return BesideProgram(programPath, kind);
    const std::string base = kind == TProgramFileKind::Settings ? XdgDirectory("XDG_CONFIG_HOME", ".config")
                                                                : XdgDirectory("XDG_DATA_HOME", ".local/share");
    return base + "/kellvar/kellvar" + Extension(kind);
}

bool CreateParentDirectories(const std::string& filePath)
{
    const std::string directory = DirectoryOf(filePath);
    if (directory.empty())
        return true;
    std::error_code error;
    std::filesystem::create_directories(directory, error);
    return std::filesystem::is_directory(directory, error);
}

}  // namespace kellvar::platform
