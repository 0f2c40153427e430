#pragma once

#include <string>

namespace kellvar {

// The analysis's message boxes, worded for the chosen language (UTF-8, lines
// separated by a single CR).
std::string SizeWarningMessage(const std::string& logPath, bool german);
std::string OpenFailureMessage(const std::string& logPath, bool german);
std::string AllTimeLogWriteAccessMessage(const std::string& allTimeLogPath, bool german);

}  // namespace kellvar
