// SPDX-License-Identifier: GPL-3.0-or-later
#include "programfiles.h"

#include "filehandle.h"
#include "ownership.h"
#include "programpath.h"

#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace kellvar::platform {

namespace {

const char* Extension(TProgramFileKind kind)
{
    switch (kind) {
    case TProgramFileKind::Settings:
        return ".INI";
    case TProgramFileKind::AllTimeLog:
        return ".ATL";
    case TProgramFileKind::WindowFrame:
        return ".frame";
    }
    return "";
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

// Beside the program only where nobody else could have put a file there or
// could swap one in later: a directory only this user (or root) may change,
// never below /usr, which packages own. There the file stays where this user
// may write it: the file already there, which must be this user's own, or
// a new one in the directory.
bool KeepsFileBesideProgram(const std::string& programPath, TProgramFileKind kind)
{
    const std::string directory = DirectoryOf(ExpandFullPath(programPath));
    const std::string beside = BesideProgram(programPath, kind);
    if (directory.rfind("/usr/", 0) == 0 || !OnlyUserMayChange(directory))
        return false;
    struct stat entry {};
    if (::lstat(beside.c_str(), &entry) == 0)
        return entry.st_uid == ::geteuid() && (UserMayWrite(beside) || UserMayWrite(directory));
    return UserMayWrite(directory);
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

// The XDG base directory of each kind.
std::string UserDirectory(TProgramFileKind kind)
{
    switch (kind) {
    case TProgramFileKind::Settings:
        return XdgDirectory("XDG_CONFIG_HOME", ".config");
    case TProgramFileKind::AllTimeLog:
        return XdgDirectory("XDG_DATA_HOME", ".local/share");
    case TProgramFileKind::WindowFrame:
        return XdgDirectory("XDG_CACHE_HOME", ".cache");
    }
    return {};
}

// The installed path below the prefix, "libexec/kellvar/kellvar-chart" for
// "/usr/libexec/kellvar/kellvar-chart"; empty for one not below a prefix.
std::string InstalledLayoutPath(const std::string& installedPath)
{
    const size_t prefixEnd = installedPath.find('/', 1);
    return prefixEnd == std::string::npos ? std::string() : installedPath.substr(prefixEnd + 1);
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
    return UserDirectory(kind) + "/kellvar/kellvar" + Extension(kind);
}

std::string HelperProgram(const std::string& programPath, const std::string& name, const std::string& installedPath)
{
    const std::string directory = DirectoryOf(ExpandFullPath(programPath));
    if (directory.rfind("/usr/", 0) == 0)
        return installedPath;
    // A tree installed elsewhere (a package unpacked, another prefix) has it
    // where the installed layout puts it.
    const std::string layoutPath = InstalledLayoutPath(installedPath);
    for (const std::string& candidate : {directory + name, layoutPath.empty() ? "" : directory + "../" + layoutPath}) {
        struct stat entry {};
        if (!candidate.empty() && ::lstat(candidate.c_str(), &entry) == 0)
            return candidate;
    }
    return installedPath;
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
