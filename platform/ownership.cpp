// SPDX-License-Identifier: GPL-3.0-or-later
#include "ownership.h"

#include "programpath.h"

#include <algorithm>
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

// Another user whose primary group this is belongs to it without being
// listed among its members.
bool IsPrimaryGroupOfAnotherUser(gid_t group, uid_t user)
{
    ::setpwent();
    bool found = false;
    while (const passwd* entry = ::getpwent())
        if (entry->pw_gid == group && entry->pw_uid != user) {
            found = true;
            break;
        }
    ::endpwent();
    return found;
}

// Debian gives each user a group of their own; group write there is still
// the user alone. Any member other than the user, listed or by their
// primary group, makes it shared.
bool IsPrivateGroupOfUser(gid_t group)
{
    if (group != ::getegid())
        return false;
    const passwd* user = ::getpwuid(::geteuid());
    const ::group* entry = ::getgrgid(group);
    if (user == nullptr || entry == nullptr)
        return false;
    const std::string name = user->pw_name;
    const uid_t uid = user->pw_uid;
    for (char** member = entry->gr_mem; *member != nullptr; ++member)
        if (std::string(*member) != name)
            return false;
    return !IsPrimaryGroupOfAnotherUser(group, uid);
}

bool OthersMayWrite(const struct stat& info)
{
    return (info.st_mode & S_IWOTH) != 0 || ((info.st_mode & S_IWGRP) != 0 && !IsPrivateGroupOfUser(info.st_gid));
}

// The path's names from the root on, without empty ones and ".".
std::vector<std::string> PathNames(const std::string& path)
{
    std::vector<std::string> names;
    size_t start = 0;
    while (start <= path.size()) {
        const size_t end = std::min(path.find('/', start), path.size());
        if (end > start && path.compare(start, end - start, ".") != 0)
            names.push_back(path.substr(start, end - start));
        start = end + 1;
    }
    return names;
}

}  // namespace

bool OnlyUserMayChange(const std::string& directory)
{
    struct stat info {};
    return ::stat(directory.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && TrustedOwner(info.st_uid)
           && !OthersMayWrite(info);
}

bool OnlyUserMayChangePath(const std::string& file)
{
    const std::optional<std::string> target = OwnLinkTarget(ExpandFullPath(file));
    struct stat info {};
    if (!target || ::stat(target->c_str(), &info) != 0 || !TrustedOwner(info.st_uid) || OthersMayWrite(info))
        return false;
    std::string folder = *target;
    while (folder.size() > 1) {
        folder = DirectoryOf(folder);
        if (folder.size() > 1)
            folder.pop_back();
        // In a sticky folder such as /tmp nobody may rename or remove what is
        // not theirs, and what is below was checked to be the user's.
        if (::stat(folder.c_str(), &info) != 0 || !TrustedOwner(info.st_uid)
            || (OthersMayWrite(info) && (info.st_mode & S_ISVTX) == 0))
            return false;
    }
    return true;
}

std::optional<std::string> OwnLinkTarget(const std::string& path)
{
    // Every name of the path is looked at, not only the last: a folder on
    // the way that is another user's link would lead anywhere as well.
    std::vector<std::string> pending = PathNames(path);
    std::reverse(pending.begin(), pending.end());
    std::string resolved = path.starts_with('/') ? "" : ".";
    std::vector<char> text(4096);
    int linksLeft = 40;
    while (!pending.empty()) {
        const std::string name = std::move(pending.back());
        pending.pop_back();
        if (name == "..") {
            const size_t slash = resolved.find_last_of('/');
            resolved = slash == std::string::npos ? resolved + "/.." : resolved.substr(0, slash);
            continue;
        }
        const std::string next = resolved + "/" + name;
        struct stat info {};
        if (::lstat(next.c_str(), &info) != 0 || !S_ISLNK(info.st_mode) || linksLeft-- == 0) {
            resolved = next;
            continue;
        }
        if (!TrustedOwner(info.st_uid))
            return std::nullopt;
        const ssize_t length = ::readlink(next.c_str(), text.data(), text.size());
        if (length <= 0 || static_cast<size_t>(length) == text.size()) {
            resolved = next;
            continue;
        }
        const std::string link(text.data(), static_cast<size_t>(length));
        std::vector<std::string> linked = PathNames(link);
        pending.insert(pending.end(), linked.rbegin(), linked.rend());
        if (link.front() == '/')
            resolved.clear();
    }
    if (resolved.empty())
        return "/";
    return resolved.starts_with("./") ? resolved.substr(2) : resolved;
}

}  // namespace kellvar::platform
