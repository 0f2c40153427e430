// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

namespace kellvar {

// The program's messages, worded for the chosen language (UTF-8, lines
// separated by a single CR); each is a row of one table with both languages
// side by side and its values filled in.
std::string SizeWarningMessage(const std::string& logPath, bool german);
std::string OpenFailureMessage(const std::string& logPath, bool german);
std::string AllTimeLogWriteAccessMessage(const std::string& allTimeLogPath, bool german);

// What a quiet run without a display says where the window would have waited.
std::string AutomaticLoadingOffMessage(bool german);

// A settings file that exists but could not be read is neither used nor
// overwritten.
std::string SettingsNotReadMessage(const std::string& settingsPath, const std::string& reason, bool german);
std::string SettingsTooLargeReason(bool german);
// A quiet run whose settings could not be written at its end.
std::string SettingsNotWrittenMessage(const std::string& settingsPath, const std::string& reason, bool german);

// Where a failure message names the failing file and the system's reason:
// " (PATH: REASON)", the All-Time-Log named as such.
std::string FailureNote(const std::string& path, const std::string& reason, bool allTimeLog);
// The same without the parenthesis, for a line that leads with it:
// "All-Time-Log PATH: REASON".
std::string FailureLead(const std::string& path, const std::string& reason, bool allTimeLog);

// Reasons of our own for a log that changed under the run.
std::string LogReplacedReason(bool german);
std::string LogShrankReason(bool german);
// The All-Time-Log opened as the log: the run reads it, so it cannot add to it.
std::string AnalysedAsLogReason(bool german);

// Lines an unattended run could not put in the All-Time-Log without breaking its order.
std::string LinesLeftOutMessage(int64_t lines, const std::string& allTimeLogPath, bool german);
// Lines an unattended run could not place in the All-Time-Log: their stamp cannot be read.
std::string LinesWithoutStampMessage(int64_t lines, const std::string& allTimeLogPath, bool german);
// Lines an unattended run took and gave up, since the log held the history's
// last lines again after them.
std::string LinesGivenUpMessage(int64_t lines, const std::string& allTimeLogPath, bool german);

// The paragraph of both programs' --help on where the window keeps its files.
extern const char* const FilesHelp;

// What a screen reader calls the bar that shows how far a long run has read.
std::string ReadingProgressName(bool german);

// kellvar-report: two logs that overlap in time without one continuing the
// other; the later one's lines from that time were left out.
std::string InterleavedLogsMessage(const std::string& earlier, const std::string& later, bool german);

// The table stops at its row limit, and the analysis with it: said by the
// report and on the overview, beside the note on the log's size.
std::string RowLimitMessage(int32_t rowsShown, bool german);
// kellvar-report's charts stop there too.
std::string ChartRowLimitMessage(int32_t pointsShown, bool german);

// Connections hung up at or before their connect, priced by their fee,
// first block and minimum alone.
std::string NoTimeOnlineMessage(int64_t connections, bool german);

// kellvar-report --chart: the helper program that draws the chart is not
// run where another user could have put it there or changed it.
std::string UntrustedHelperMessage(const std::string& helperPath, bool german);
// The helper ended without its picture and without saying why.
std::string HelperFailedMessage(const std::string& helperPath, int exitStatus, bool german);
std::string HelperKilledMessage(const std::string& helperPath, int signal, bool german);
std::string NoPictureWrittenMessage(const std::string& picturePath, bool german);

}  // namespace kellvar
