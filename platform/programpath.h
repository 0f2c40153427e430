// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace kellvar::platform {

// The running program's own file, as an absolute path with links resolved.
std::string ProgramFilePath();

// An absolute path: relative paths are taken against the current directory,
// "." and ".." are resolved by name; links are kept as named. (Network drives
// need no UNC form here.)
std::string ExpandFullPath(const std::string& path);

// The path with the extension of its file name (from the last dot on)
// replaced, or the extension appended when the name has none.
std::string ChangeFileExtension(const std::string& path, const std::string& extension);

// The directory part of a path, with its trailing "/".
std::string DirectoryOf(const std::string& path);

// The user's home directory; stands in for the Windows directory.
std::string WindowsDirectory();

}  // namespace kellvar::platform
