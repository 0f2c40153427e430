// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace kellvar::platform {

// A private directory under $TMPDIR (or /tmp) for files that must not outlive
// the program, such as a copy of a log read from standard input: removed with
// the object, and also when the program is ended by SIGINT, SIGTERM, SIGHUP
// or SIGPIPE (a closed pipe). One at a time per program; it holds at most
// MaxFiles files, named through File.
class TTemporaryDirectory {
public:
    static constexpr int MaxFiles = 2;

    TTemporaryDirectory() = default;
    TTemporaryDirectory(const TTemporaryDirectory&) = delete;
    TTemporaryDirectory& operator=(const TTemporaryDirectory&) = delete;
    ~TTemporaryDirectory();

    // Makes the directory; false with errno set when it could not be made.
    bool Create(const std::string& namePrefix);
    bool Exists() const { return !path_.empty(); }
    const std::string& Path() const { return path_; }
    // The path of a file in it, to be removed with it; empty when MaxFiles
    // are named already.
    std::string File(const std::string& name);

private:
    std::string path_;
    int files_ = 0;
};

}  // namespace kellvar::platform
