#pragma once

#include <cstdint>
#include <string>

namespace kellvar {

// The program's messages, worded for the chosen language (UTF-8, lines
// separated by a single CR).
std::string SizeWarningMessage(const std::string& logPath, bool german);
std::string OpenFailureMessage(const std::string& logPath, bool german);
std::string AllTimeLogWriteAccessMessage(const std::string& allTimeLogPath, bool german);

// What a quiet run without a display says where the window would have waited.
std::string AutomaticLoadingOffMessage(bool german);

// A settings file too large to be one of ours is read as if it were absent.
std::string SettingsFileTooLargeMessage(const std::string& settingsPath, bool german);

// The table stops at its row limit; the report says how far it got.
std::string RowLimitMessage(int32_t rowsShown, bool german);

}  // namespace kellvar
