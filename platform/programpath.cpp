// SPDX-License-Identifier: GPL-3.0-or-later
#include "programpath.h"

#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <string_view>
#include <unistd.h>

namespace kellvar::platform {

std::string ProgramFilePath()
{
    std::error_code error;
    std::string path = std::filesystem::read_symlink("/proc/self/exe", error).string();
    if (error)
        return {};
    // A program file replaced while it runs (an upgrade) is named as deleted;
    // its settings and history keep the name they had.
    constexpr std::string_view Deleted = " (deleted)";
    if (path.ends_with(Deleted))
        path.resize(path.size() - Deleted.size());
    return path;
}

std::string ExpandFullPath(const std::string& path)
{
    if (path.empty())
        return path;
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.lexically_normal().string();
}

std::string ChangeFileExtension(const std::string& path, const std::string& extension)
{
    const size_t nameStart = path.find_last_of('/') + 1;
    const size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || dot < nameStart)
        return path + extension;
    return path.substr(0, dot) + extension;
}

std::string DirectoryOf(const std::string& path)
{
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string WindowsDirectory()
{
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0')
        return home;
    if (const passwd* user = ::getpwuid(::getuid()); user != nullptr && user->pw_dir != nullptr)
        return user->pw_dir;
    return "/";
}

}  // namespace kellvar::platform
