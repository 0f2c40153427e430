// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace kellvar::testing {

// A fresh directory under /tmp, removed with its contents at the end of the test.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }
    // Writes the bytes to a file in the directory and returns its path.
    std::string Write(const std::string& name, const std::string& bytes) const;

private:
    std::string path_;
};

std::string ReadFile(const std::string& path);

}  // namespace kellvar::testing
