// SPDX-License-Identifier: GPL-3.0-or-later
#include "ownership.h"

#include "programpath.h"

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace kellvar::platform {

namespace {

bool TrustedOwner(uid_t owner)
{
    return owner == ::geteuid() || owner == 0;
}

// Debian gives each user a group of their own; group write there is still
// the user alone. Any listed member other than the user makes it shared.
bool IsPrivateGroupOfUser(gid_t group)
{
    if (group != ::getegid())
        return false;
    const passwd* user = ::getpwuid(::geteuid());
    const ::group* entry = ::getgrgid(group);
    if (user == nullptr || entry == nullptr)
        return false;
    for (char** member = entry->gr_mem; *member != nullptr; ++member)
        if (std::string(*member) != user->pw_name)
            return false;
    return true;
}

}  // namespace

bool OnlyUserMayChange(const std::string& directory)
{
    struct stat info {};
    if (::stat(directory.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || !TrustedOwner(info.st_uid))
        return false;
    if ((info.st_mode & S_IWOTH) != 0)
        return false;
    return (info.st_mode & S_IWGRP) == 0 || IsPrivateGroupOfUser(info.st_gid);
}

std::optional<std::string> OwnLinkTarget(const std::string& path)
{
    std::string target = path;
    std::vector<char> text(4096);
    for (int depth = 0; depth < 40; ++depth) {
        struct stat info {};
        if (::lstat(target.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return target;
        if (!TrustedOwner(info.st_uid))
            return std::nullopt;
        const ssize_t length = ::readlink(target.c_str(), text.data(), text.size());
        if (length < 0 || static_cast<size_t>(length) == text.size())
            return target;
        const std::string link(text.data(), static_cast<size_t>(length));
        target = link.front() == '/' ? link : DirectoryOf(target) + link;
    }
    return target;
}

}  // namespace kellvar::platform
