// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/profile.h"

#include <cstdint>
#include <string>

namespace kellvar {

// The program's settings: section SETTINGS of the INI file beside the
// program, values typed as the file has always stored them. The file is read
// once; writes collect in memory until Save replaces it in one step.
class TSettingsFile {
public:
    static constexpr const char* Section = "SETTINGS";

    explicit TSettingsFile(std::string fileName) : profile_(std::move(fileName)) {}

    const std::string& FileName() const { return profile_.FileName(); }
    // The file is there but could not be read: too large to be a settings
    // file, or its reading failed (ReadError). It then reads as absent and
    // must not be written over.
    bool Unreadable() const { return profile_.Unreadable(); }
    bool TooLarge() const { return profile_.TooLarge(); }
    int ReadError() const { return profile_.ReadError(); }

    // Decimal, or hexadecimal after "0x" when longer than two characters; a
    // missing key or a text that is no whole number gives the default.
    int32_t ReadInteger(const std::string& key, int32_t defaultValue) const;
    // An integer; any non-zero number is true.
    bool ReadBool(const std::string& key, bool defaultValue) const;
    // At most 1,023 characters.
    std::string ReadText(const std::string& key, const std::string& defaultValue) const;

    void WriteInteger(const std::string& key, int32_t value);
    void WriteBool(const std::string& key, bool value);
    // A text with a line break cannot stand in an INI line: the key keeps the
    // value it had.
    void WriteText(const std::string& key, const std::string& value);
    // False when the file cannot be written; it is then left as it was.
    bool Save() const { return profile_.Save(); }

private:
    platform::TProfileFile profile_;
};

// An integer as the settings file stores it; false when the text is none.
bool ParseSettingsInteger(const std::string& text, int32_t& value);

// The settings file of the program: beside it, its path with the extension
// ".INI", or in the user's configuration directory (see platform::ProgramFile).
std::string SettingsFileName(const std::string& programPath);

}  // namespace kellvar
