// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <cstdint>
#include <string>

namespace kellvar::platform {

// An open file descriptor, closed with its owner.
class TFileHandle {
public:
    TFileHandle() = default;
    explicit TFileHandle(int fd) : fd_(fd) {}
    TFileHandle(TFileHandle&& other) noexcept : fd_(other.Release()) {}
    TFileHandle& operator=(TFileHandle&& other) noexcept;
    TFileHandle(const TFileHandle&) = delete;
    TFileHandle& operator=(const TFileHandle&) = delete;
    ~TFileHandle();

    bool IsOpen() const { return fd_ >= 0; }
    int Fd() const { return fd_; }
    int Release();
    // Closes the descriptor now; false when the close reported an error.
    bool Close();

private:
    int fd_ = -1;
};

// errno values of our own, for failures the system has no number for.
inline constexpr int ErrorNotRegularFile = 1'000'001;
inline constexpr int ErrorHeldByAnotherProgram = 1'000'002;
inline constexpr int ErrorForeignLink = 1'000'003;

// The reason an errno value stands for, as the system words it (ours for the
// ones above), in English unless SayReasonsInGerman was called.
std::string ErrorText(int error);

// The system's reasons in German from now on, as the C library's own German
// texts have them (Debian's libc-l10n), whatever the locale: for a program
// that speaks German because it was told to. Call it before any thread starts.
void SayReasonsInGerman();

// Opens a regular file for reading while letting other programs read it too
// (the share mode of a log that the modem driver may still be writing).
// Not open on failure; directories, FIFOs and devices are refused without
// waiting for a writer. errno tells why it failed.
TFileHandle OpenForSharedReading(const std::string& path);

// Reads size bytes from offset on; false on an error or a shorter file, with
// errno set (EIO for a file that ends early).
bool ReadAllAt(int fd, char* data, size_t size, int64_t offset);

// The open file and the named one are the same file.
bool IsSameFile(int fd, const std::string& path);

// The name now stands for another file than the open one (a log rotated or
// saved anew while it was read); a name that is gone replaces nothing.
bool IsReplaced(int fd, const std::string& path);

// Size in bytes of an open file, or -1.
int64_t FileSize(int fd);

bool FileExists(const std::string& path);

// A file the user marked read-only (no write permission for its owner), or a
// directory in which no file may be created. Checked by the permission bits,
// as the Windows read-only attribute is, so that it holds for root too.
bool IsReadOnly(const std::string& path);

// Opens (creating it when missing) a regular file for reading and appending,
// held exclusively for this process. While another program holds it, for
// writing or for reading as a log, the open waits for it up to lockWait and
// then fails with ErrorHeldByAnotherProgram; heldBy then names the holder
// where the system tells it ("process 42 (kellvar)"). Links are followed only
// where they belong to this user. Not open on failure, and for anything but a
// regular file; errno tells why.
TFileHandle OpenExclusiveForAppending(const std::string& path, std::chrono::milliseconds lockWait = {},
                                      std::string* heldBy = nullptr);

// Takes the lock that the runs writing one folder share, held while the
// descriptor is open. A run that replaces the folder hands its successor's
// lock on with it: a lock taken on a folder that has since left its name is
// taken again on the one there now. Waits up to lockWait for another run,
// then fails with ErrorHeldByAnotherProgram and heldBy naming it as above.
// Not open on failure (a missing folder, a link); errno tells why.
TFileHandle LockFolder(const std::string& path, std::chrono::milliseconds lockWait, std::string* heldBy = nullptr);

// Writes all bytes; false on an error such as a full device, with errno set.
bool WriteAll(int fd, const char* data, size_t size);

// Asks the system to start writing the file's changed pages to disk without
// waiting for them, so that a later fsync finds most of the work done.
void StartWriteBack(int fd);

}  // namespace kellvar::platform
