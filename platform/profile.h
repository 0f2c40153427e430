// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kellvar::platform {

// INI files as the Windows profile functions read and write them: section and
// key names compared without regard to case, blanks around names and values
// ignored, a value in matching double or single quotes read without them,
// lines starting with ";" are comments, CR LF, LF and CR files read alike, a
// UTF-8 byte-order mark is kept but not read as text. The first of duplicate
// sections or keys counts.

inline constexpr size_t ProfileValueLimit = 1023;

// One INI file, read once and replaced as a whole. A file larger than
// MaxFileSize is no settings file of ours, and FIFOs, devices and directories
// are never waited on: such a file, or one whose reading failed, reads as
// absent and is never replaced.
class TProfileFile {
public:
    static constexpr int64_t MaxFileSize = 1024 * 1024;

    explicit TProfileFile(std::string fileName);

    const std::string& FileName() const { return fileName_; }
    bool TooLarge() const { return tooLarge_; }
    // The errno of a failed read (0 when the file was read or is not there).
    int ReadError() const { return readError_; }
    // The file is there but its content is unknown.
    bool Unreadable() const { return tooLarge_ || readError_ != 0; }

    // The key's value (cut at 1,023 characters), or the default when the
    // section or the key is missing.
    std::string Get(const std::string& section, const std::string& key, const std::string& defaultValue) const;

    // Sets the key in memory, keeping every other section, key and comment in
    // its place: an existing key is updated where it stands, a new one goes to
    // the end of its section, a missing section is added at the end.
    void Set(const std::string& section, const std::string& key, const std::string& value);

    // Replaces the file in one step, so a crash leaves the old file or the new
    // one, never a mix; temporary files that a killed write left are removed.
    // A link is followed and its target replaced. Where the directory takes
    // no new file but the file may be written, it is written in place.
    // False when it cannot be written (an unreadable or read-only file, a
    // read-only directory, a full disk).
    bool Save() const;

private:
    std::string fileName_;
    std::vector<std::string> lines_;
    bool byteOrderMark_ = false;
    bool tooLarge_ = false;
    int readError_ = 0;
};

}  // namespace kellvar::platform
