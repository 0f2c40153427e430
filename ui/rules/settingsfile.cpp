// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingsfile.h"

#include "core/logstamp.h"
#include "platform/profile.h"
#include "platform/programfiles.h"

#include <charconv>

namespace kellvar {

bool ParseSettingsInteger(const std::string& text, int32_t& value)
{
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        uint32_t hex = 0;
        const char* end = text.data() + text.size();
        const auto [stop, error] = std::from_chars(text.data() + 2, end, hex, 16);
        if (error != std::errc() || stop != end)
            return false;
        value = static_cast<int32_t>(hex);
        return true;
    }
    return ReadInteger(text, value);
}

int32_t TSettingsFile::ReadInteger(const std::string& key, int32_t defaultValue) const
{
    int32_t value = defaultValue;
    if (!ParseSettingsInteger(ReadText(key, ""), value))
        return defaultValue;
    return value;
}

bool TSettingsFile::ReadBool(const std::string& key, bool defaultValue) const
{
    return ReadInteger(key, defaultValue ? 1 : 0) != 0;
}

std::string TSettingsFile::ReadText(const std::string& key, const std::string& defaultValue) const
{
    return profile_.Get(Section, key, defaultValue);
}

void TSettingsFile::WriteInteger(const std::string& key, int32_t value)
{
    WriteText(key, std::to_string(value));
}

void TSettingsFile::WriteBool(const std::string& key, bool value)
{
    WriteInteger(key, value ? 1 : 0);
}

void TSettingsFile::WriteText(const std::string& key, const std::string& value)
{
    if (value.find_first_of("\r\n") == std::string::npos)
        profile_.Set(Section, key, value);
}

std::string SettingsFileName(const std::string& programPath)
{
    return platform::ProgramFile(programPath, platform::TProgramFileKind::Settings);
}

}  // namespace kellvar
