// SPDX-License-Identifier: GPL-3.0-or-later
#include "replacefile.h"

#include "filehandle.h"
#include "programpath.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kellvar::platform {

namespace {

// Temporary files are hidden siblings ".NAME.tmp-XXXXXX" of the file they replace.
std::string TemporaryPrefix(const std::string& fileName)
{
    const size_t nameStart = fileName.find_last_of('/') + 1;
    return fileName.substr(0, nameStart) + "." + fileName.substr(nameStart) + ".tmp-";
}

// A write killed before its rename leaves its temporary file behind. A
// writer holds a lock on its temporary file until the rename, so a file
// whose lock can be taken belongs to no running writer.
void RemoveLeftoverTemporaries(const std::string& fileName)
{
    const std::string prefix = TemporaryPrefix(fileName);
    const std::string directory = DirectoryOf(prefix);
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(directory.empty() ? "." : directory, error)) {
        const std::string path = directory + entry.path().filename().string();
        if (path.size() != prefix.size() + 6 || path.compare(0, prefix.size(), prefix) != 0)
            continue;
        TFileHandle leftover(::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        if (leftover.IsOpen() && ::flock(leftover.Fd(), LOCK_EX | LOCK_NB) == 0 && IsSameFile(leftover.Fd(), path))
            ::unlink(path.c_str());
    }
}

// A new temporary file beside the target, locked for this writer.
TFileHandle CreateTemporary(const std::string& fileName, std::string& temporary)
{
    for (int attempt = 0; attempt < 8; ++attempt) {
        temporary = TemporaryPrefix(fileName) + "XXXXXX";
        TFileHandle file(::mkostemp(temporary.data(), O_CLOEXEC));
        if (!file.IsOpen())
            return file;
        // Another writer may have taken it for a leftover between its
        // creation and the lock; then it is gone and another name is tried.
        if (::flock(file.Fd(), LOCK_EX) == 0 && IsSameFile(file.Fd(), temporary))
            return file;
    }
    return {};
}

// The new file keeps the old one's permissions only where the old one is a
// plain file of the user's own, and never a set-id bit: a name that is
// another user's link or file gives nothing of its mode to what replaces it.
mode_t ReplacementMode(const std::string& fileName)
{
    struct stat info {};
    if (::lstat(fileName.c_str(), &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == ::geteuid())
        return info.st_mode & 0777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

bool ReplaceFile(const std::string& fileName, std::string_view text)
{
    RemoveLeftoverTemporaries(fileName);
    const mode_t mode = ReplacementMode(fileName);
    std::string temporary;
    TFileHandle file = CreateTemporary(fileName, temporary);
    if (!file.IsOpen())
        return false;
    const bool written = WriteAll(file.Fd(), text.data(), text.size()) && ::fchmod(file.Fd(), mode) == 0
                         && ::fsync(file.Fd()) == 0 && ::rename(temporary.c_str(), fileName.c_str()) == 0;
    const int error = errno;
    if (!written)
        ::unlink(temporary.c_str());
    const bool closed = file.Close();
    errno = written ? errno : error;
    return written && closed;
}

bool OverwriteInPlace(const std::string& fileName, std::string_view text)
{
    TFileHandle file(::open(fileName.c_str(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC));
    if (!file.IsOpen())
        return false;
    const off_t size = static_cast<off_t>(text.size());
    if (const int error = ::posix_fallocate(file.Fd(), 0, std::max<off_t>(size, 1)); error != 0) {
        errno = error;
        return false;
    }
    return WriteAll(file.Fd(), text.data(), text.size()) && ::fsync(file.Fd()) == 0 && ::ftruncate(file.Fd(), size) == 0
           && ::fsync(file.Fd()) == 0 && file.Close();
}

}  // namespace kellvar::platform
