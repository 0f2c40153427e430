#pragma once

#include <string>

namespace kellvar::platform {

// INI files as the Windows profile functions read and write them: section and
// key names compared without regard to case, blanks around names and values
// ignored, a value in matching double or single quotes read without them,
// lines starting with ";" are comments, CR LF and LF files read alike. The
// first of duplicate sections or keys counts.

inline constexpr size_t ProfileValueLimit = 1023;

// The key's value (cut at 1,023 characters), or the default when the file,
// the section or the key is missing.
std::string GetPrivateProfileString(const std::string& section, const std::string& key, const std::string& defaultValue,
                                    const std::string& fileName);

// Sets the key, keeping every other section, key and comment in its place:
// an existing key is updated where it stands, a new one goes to the end of its
// section, a missing section or file is created. The file is replaced in one
// step, so a crash never leaves half of it. False when it cannot be written
// (a read-only file or directory, a full disk).
bool WritePrivateProfileString(const std::string& section, const std::string& key, const std::string& value,
                               const std::string& fileName);

}  // namespace kellvar::platform
