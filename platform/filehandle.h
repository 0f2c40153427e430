#pragma once

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

// Opens a regular file for reading while letting other programs read it too
// (the share mode of a log that the modem driver may still be writing).
// Not open on failure, directories included.
TFileHandle OpenForSharedReading(const std::string& path);

// Size in bytes of an open file, or -1.
int64_t FileSize(int fd);

bool FileExists(const std::string& path);

// True when both descriptors refer to the same file (device and inode).
bool IsSameFile(int fdA, int fdB);

}  // namespace kellvar::platform
