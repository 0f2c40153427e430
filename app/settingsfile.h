#pragma once

#include <cstdint>
#include <string>

namespace kellvar {

// The program's settings: section SETTINGS of the INI file beside the
// program, values typed as the file has always stored them.
class TSettingsFile {
public:
    static constexpr const char* Section = "SETTINGS";

    explicit TSettingsFile(std::string fileName) : fileName_(std::move(fileName)) {}

    const std::string& FileName() const { return fileName_; }

    // Decimal, or hexadecimal after "0x" when longer than two characters; a
    // missing key or a text that is no whole number gives the default.
    int32_t ReadInteger(const std::string& key, int32_t defaultValue) const;
    // An integer; any non-zero number is true.
    bool ReadBool(const std::string& key, bool defaultValue) const;
    // At most 1,023 characters.
    std::string ReadText(const std::string& key, const std::string& defaultValue) const;

    // False when the file cannot be written.
    bool WriteInteger(const std::string& key, int32_t value) const;
    bool WriteBool(const std::string& key, bool value) const;
    bool WriteText(const std::string& key, const std::string& value) const;

private:
    std::string fileName_;
};

// An integer as the settings file stores it; false when the text is none.
bool ParseSettingsInteger(const std::string& text, int32_t& value);

// The settings file beside the program: its path with the extension ".INI".
std::string SettingsFileName(const std::string& programPath);

}  // namespace kellvar
