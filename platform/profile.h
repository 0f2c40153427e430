#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kellvar::platform {

// INI files as the Windows profile functions read and write them: section and
// key names compared without regard to case, blanks around names and values
// ignored, a value in matching double or single quotes read without them,
// lines starting with ";" are comments, CR LF and LF files read alike. The
// first of duplicate sections or keys counts.

inline constexpr size_t ProfileValueLimit = 1023;

// One INI file, read once and replaced as a whole. A file larger than
// MaxFileSize is no settings file of ours and reads as absent (so do FIFOs,
// devices and directories: they are never waited on).
class TProfileFile {
public:
    static constexpr int64_t MaxFileSize = 1024 * 1024;

    explicit TProfileFile(std::string fileName);

    const std::string& FileName() const { return fileName_; }
    bool TooLarge() const { return tooLarge_; }

    // The key's value (cut at 1,023 characters), or the default when the
    // section or the key is missing.
    std::string Get(const std::string& section, const std::string& key, const std::string& defaultValue) const;

    // Sets the key in memory, keeping every other section, key and comment in
    // its place: an existing key is updated where it stands, a new one goes to
    // the end of its section, a missing section is added at the end.
    void Set(const std::string& section, const std::string& key, const std::string& value);

    // Replaces the file in one step, so a crash leaves the old file or the new
    // one, never a mix; temporary files that a killed write left are removed.
    // False when it cannot be written (a read-only file or directory, a full disk).
    bool Save() const;

private:
    std::string fileName_;
    std::vector<std::string> lines_;
    bool tooLarge_ = false;
};

// The key's value (cut at 1,023 characters), or the default when the file,
// the section or the key is missing.
std::string GetPrivateProfileString(const std::string& section, const std::string& key, const std::string& defaultValue,
                                    const std::string& fileName);

// Sets one key as TProfileFile::Set does and saves the file at once.
bool WritePrivateProfileString(const std::string& section, const std::string& key, const std::string& value,
                               const std::string& fileName);

}  // namespace kellvar::platform
