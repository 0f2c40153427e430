// SPDX-License-Identifier: GPL-3.0-or-later
#include "filehandle.h"

#include "ownership.h"
#include "programpath.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <locale.h>
#include <optional>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <thread>
#include <unistd.h>

namespace kellvar::platform {

TFileHandle& TFileHandle::operator=(TFileHandle&& other) noexcept
{
    if (this != &other) {
        Close();
        fd_ = other.Release();
    }
    return *this;
}

TFileHandle::~TFileHandle()
{
    Close();
}

int TFileHandle::Release()
{
    const int fd = fd_;
    fd_ = -1;
    return fd;
}

bool TFileHandle::Close()
{
    if (fd_ < 0)
        return true;
    const int result = ::close(Release());
    return result == 0 || errno == EINTR;
}

namespace {

// The German messages of the C library, found through LANGUAGE beside the
// always present C.UTF-8 locale; none while the program speaks English.
locale_t GermanReasons = nullptr;

}  // namespace

void SayReasonsInGerman()
{
    ::setenv("LANGUAGE", "de", 1);
    GermanReasons = ::newlocale(LC_MESSAGES_MASK, "C.UTF-8", nullptr);
}

std::string ErrorText(int error)
{
    const bool german = GermanReasons != nullptr;
    switch (error) {
    case ErrorNotRegularFile:
        return german ? "keine gewöhnliche Datei" : "not a regular file";
    case ErrorHeldByAnotherProgram:
        return german ? "von einem anderen Programm belegt" : "in use by another program";
    case ErrorForeignLink:
        return german ? "eine symbolische Verknüpfung eines anderen Benutzers"
                      : "a symbolic link that belongs to another user";
    default:
        return german ? ::strerror_l(error, GermanReasons) : std::strerror(error);
    }
}

namespace {

// Opens without waiting (a FIFO would block until a writer came), then keeps
// only a regular file, in blocking mode again.
TFileHandle OpenRegularFile(const std::string& path, int flags, mode_t mode = 0)
{
    TFileHandle file(::open(path.c_str(), flags | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, mode));
    struct stat info {};
    if (!file.IsOpen() || ::fstat(file.Fd(), &info) != 0)
        return {};
    if (!S_ISREG(info.st_mode)) {
        errno = S_ISDIR(info.st_mode) ? EISDIR : ErrorNotRegularFile;
        return {};
    }
    if (::fcntl(file.Fd(), F_SETFL, flags & O_APPEND) != 0)
        return {};
    return file;
}

}  // namespace

TFileHandle OpenForSharedReading(const std::string& path)
{
    TFileHandle file = OpenRegularFile(path, O_RDONLY);
    if (!file.IsOpen())
        return {};
    // Readers share; a program holding the file for writing (our own
    // All-Time-Log set-up) is kept out while the run reads it. The driver does
    // not lock, so a failed lock does not stop the reading.
    ::flock(file.Fd(), LOCK_SH | LOCK_NB);
    return file;
}

bool ReadAllAt(int fd, char* data, size_t size, int64_t offset)
{
    while (size > 0) {
        const ssize_t count = ::pread(fd, data, size, offset);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return false;
        if (count == 0) {
            // The file ends before the size it had when it was measured.
            errno = EIO;
            return false;
        }
        data += count;
        size -= static_cast<size_t>(count);
        offset += count;
    }
    return true;
}

namespace {

enum class TNameOfOpenFile { Same, Other, Unknown };

TNameOfOpenFile NameOfOpenFile(int fd, const std::string& path)
{
    struct stat open {
    }, named{};
    if (::fstat(fd, &open) != 0 || ::stat(path.c_str(), &named) != 0)
        return TNameOfOpenFile::Unknown;
    return open.st_dev == named.st_dev && open.st_ino == named.st_ino ? TNameOfOpenFile::Same : TNameOfOpenFile::Other;
}

}  // namespace

bool IsSameFile(int fd, const std::string& path)
{
    return NameOfOpenFile(fd, path) == TNameOfOpenFile::Same;
}

bool IsReplaced(int fd, const std::string& path)
{
    return NameOfOpenFile(fd, path) == TNameOfOpenFile::Other;
}

int64_t FileSize(int fd)
{
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        return -1;
    return info.st_size;
}

bool FileExists(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

bool IsReadOnly(const std::string& path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0)
        return (info.st_mode & S_IWUSR) == 0;
    std::string directory = DirectoryOf(ExpandFullPath(path));
    return ::stat(directory.c_str(), &info) != 0 || (info.st_mode & S_IWUSR) == 0;
}

namespace {

// The process that holds a lock on the open file, from the kernel's table of
// locks: "process 42 (kellvar)", or empty when the table does not say.
std::string LockHolder(int fd)
{
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        return {};
    char device[64];
    std::snprintf(device, sizeof device, " %02x:%02x:%llu ", ::major(info.st_dev), ::minor(info.st_dev),
                  static_cast<unsigned long long>(info.st_ino));
    std::ifstream locks("/proc/locks");
    for (std::string line; std::getline(locks, line);) {
        const size_t place = line.find(device);
        if (place == std::string::npos)
            continue;
        const size_t pidStart = line.find_last_of(' ', place - 1) + 1;
        const std::string pid = line.substr(pidStart, place - pidStart);
        std::string name;
        std::getline(std::ifstream("/proc/" + pid + "/comm"), name);
        return "process " + pid + (name.empty() ? "" : " (" + name + ")");
    }
    return {};
}

// Takes the lock, trying again while another program holds it.
bool LockExclusively(int fd, std::chrono::milliseconds wait)
{
    const auto giveUp = std::chrono::steady_clock::now() + wait;
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK || std::chrono::steady_clock::now() >= giveUp)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

}  // namespace

TFileHandle OpenExclusiveForAppending(const std::string& path, std::chrono::milliseconds lockWait, std::string* heldBy)
{
    // Another user's link could point anywhere this user may write.
    const std::optional<std::string> target = OwnLinkTarget(path);
    if (!target) {
        errno = ErrorForeignLink;
        return {};
    }
    if (IsReadOnly(*target)) {
        errno = EACCES;
        return {};
    }
    TFileHandle file = OpenRegularFile(*target, O_RDWR | O_APPEND | O_CREAT | O_NOFOLLOW, 0644);
    if (!file.IsOpen())
        return {};
    if (!LockExclusively(file.Fd(), lockWait)) {
        if (errno == EWOULDBLOCK && heldBy != nullptr)
            *heldBy = LockHolder(file.Fd());
        errno = errno == EWOULDBLOCK ? ErrorHeldByAnotherProgram : errno;
        return {};
    }
    return file;
}

TFileHandle LockFolder(const std::string& path, std::chrono::milliseconds lockWait, std::string* heldBy)
{
    const auto giveUp = std::chrono::steady_clock::now() + lockWait;
    for (;;) {
        TFileHandle folder(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        if (!folder.IsOpen())
            return {};
        const auto left =
            std::max(std::chrono::milliseconds(0),
                     std::chrono::duration_cast<std::chrono::milliseconds>(giveUp - std::chrono::steady_clock::now()));
        if (!LockExclusively(folder.Fd(), left)) {
            if (errno == EWOULDBLOCK && heldBy != nullptr)
                *heldBy = LockHolder(folder.Fd());
            errno = errno == EWOULDBLOCK ? ErrorHeldByAnotherProgram : errno;
            return {};
        }
        if (IsSameFile(folder.Fd(), path))
            return folder;
    }
}

void StartWriteBack(int fd)
{
    // Only a hint: the fsync that follows reports what failed.
    ::sync_file_range(fd, 0, 0, SYNC_FILE_RANGE_WRITE);
}

bool WriteAll(int fd, const char* data, size_t size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            errno = written == 0 ? EIO : errno;
            return false;
        }
        data += written;
        size -= static_cast<size_t>(written);
    }
    return true;
}

}  // namespace kellvar::platform
