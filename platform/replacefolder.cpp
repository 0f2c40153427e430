// SPDX-License-Identifier: GPL-3.0-or-later
#include "replacefolder.h"

#include "programpath.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kellvar::platform {

namespace {

// The hidden sibling's name up to its random part; the target comes
// without trailing slashes.
std::string StagingPrefix(const std::string& target)
{
    const size_t nameStart = target.find_last_of('/') + 1;
    return target.substr(0, nameStart) + "." + target.substr(nameStart) + ".new-";
}

constexpr std::string_view InsidePrefix = ".new-";

mode_t UmaskedMode(mode_t mode)
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mode & ~mask;
}

}  // namespace

std::optional<std::vector<std::string>> FolderEntries(const std::string& path)
{
    DIR* folder = ::opendir(path.c_str());
    if (folder == nullptr)
        return std::nullopt;
    std::vector<std::string> names;
    errno = 0;
    while (const dirent* entry = ::readdir(folder)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..")
            names.push_back(name);
    }
    const int error = errno;
    ::closedir(folder);
    if (error != 0) {
        errno = error;
        return std::nullopt;
    }
    return names;
}

TFolderReplacement::TFolderReplacement(std::string target, TOwnFile ownFile)
    : target_(std::move(target)), ownFile_(std::move(ownFile))
{
    while (target_.size() > 1 && target_.back() == '/')
        target_.pop_back();
}

TFolderReplacement::~TFolderReplacement()
{
    if (!staging_.empty() && !committed_)
        RemoveFolder(staging_);
}

bool TFolderReplacement::IsInsideStaging(std::string_view name)
{
    return name.size() == InsidePrefix.size() + 6 && name.starts_with(InsidePrefix);
}

bool TFolderReplacement::Begin()
{
    const std::string inside = target_ + "/" + std::string(InsidePrefix);
    RemoveLeftovers(StagingPrefix(target_));
    RemoveLeftovers(inside);
    if (MakeStaging(StagingPrefix(target_)))
        return true;
    const int error = errno;
    struct stat info {};
    if ((error != EACCES && error != EPERM) || ::lstat(target_.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        errno = error;
        return false;
    }
    inside_ = true;
    return MakeStaging(inside);
}

bool TFolderReplacement::MakeStaging(const std::string& prefix)
{
    for (int attempt = 0; attempt < 8; ++attempt) {
        std::string path = prefix + "XXXXXX";
        if (::mkdtemp(path.data()) == nullptr)
            return false;
        // A leftover sweep of another run may take it between mkdtemp and
        // the lock; then another name is tried.
        TFileHandle lock(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        if (lock.IsOpen() && ::flock(lock.Fd(), LOCK_EX) == 0 && IsSameFile(lock.Fd(), path)) {
            staging_ = path;
            lock_ = std::move(lock);
            return true;
        }
    }
    errno = EEXIST;
    return false;
}

bool TFolderReplacement::WriteFile(const std::string& name, std::initializer_list<std::string_view> pieces)
{
    const std::string path = staging_ + "/" + name;
    TFileHandle file(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
    if (!file.IsOpen())
        return false;
    written_.push_back(name);
    for (const std::string_view piece : pieces)
        if (!WriteAll(file.Fd(), piece.data(), piece.size()))
            return false;
    return file.Close();
}

bool TFolderReplacement::Commit()
{
    struct stat old {};
    const bool exists = ::lstat(target_.c_str(), &old) == 0;
    if (!exists && errno != ENOENT)
        return false;
    if (exists && !S_ISDIR(old.st_mode)) {
        errno = ENOTDIR;
        return false;
    }
    if (::fchmod(lock_.Fd(), exists ? old.st_mode & 07777 : UmaskedMode(0777)) != 0)
        return false;
    if (inside_)
        return CommitInside();
    if (!exists) {
        if (::rename(staging_.c_str(), target_.c_str()) != 0)
            return false;
        committed_ = true;
        return true;
    }
    if (::renameat2(AT_FDCWD, staging_.c_str(), AT_FDCWD, target_.c_str(), RENAME_EXCHANGE) != 0)
        return false;
    // The old folder now has the new one's name, and still its lock.
    committed_ = true;
    RemoveFolder(staging_);
    return true;
}

bool TFolderReplacement::CommitInside()
{
    for (const std::string& name : written_)
        if (::rename((staging_ + "/" + name).c_str(), (target_ + "/" + name).c_str()) != 0)
            return false;
    committed_ = true;
    // The old files the new ones did not replace go.
    if (const auto old = FolderEntries(target_))
        for (const std::string& name : *old)
            if (ownFile_(name) && std::find(written_.begin(), written_.end(), name) == written_.end())
                ::unlink((target_ + "/" + name).c_str());
    ::rmdir(staging_.c_str());
    return true;
}

void TFolderReplacement::RemoveFolder(const std::string& path) const
{
    if (const auto names = FolderEntries(path))
        for (const std::string& name : *names)
            if (ownFile_(name))
                ::unlink((path + "/" + name).c_str());
    ::rmdir(path.c_str());
}

void TFolderReplacement::RemoveLeftovers(const std::string& prefix) const
{
    const std::string directory = DirectoryOf(prefix);
    const auto names = FolderEntries(directory.empty() ? "." : directory);
    if (!names)
        return;
    for (const std::string& name : *names) {
        const std::string path = directory + name;
        if (path.size() != prefix.size() + 6 || path.compare(0, prefix.size(), prefix) != 0)
            continue;
        // Only a folder of one's own: in a shared folder another user's
        // look-alike is theirs to keep.
        TFileHandle leftover(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        struct stat info {};
        if (leftover.IsOpen() && ::fstat(leftover.Fd(), &info) == 0 && info.st_uid == ::geteuid()
            && ::flock(leftover.Fd(), LOCK_EX | LOCK_NB) == 0 && IsSameFile(leftover.Fd(), path))
            RemoveFolder(path);
    }
}

}  // namespace kellvar::platform
