// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/logstamp.h"
#include "core/modemlogparser.h"
#include "core/storedtail.h"
#include "tests/support/analysisstore.h"
#include "tests/support/tempdir.h"

#include <ostream>
#include <string>

namespace kellvar {

// Failures print the stamps' values, not their bytes.
inline void PrintTo(const TLogStamp& stamp, std::ostream* out)
{
    *out << "{DateKey " << stamp.DateKey << ", TimeOfDay " << stamp.TimeOfDay << "}";
}

inline void PrintTo(const TLineStamp& stamp, std::ostream* out)
{
    *out << "{DateKey " << stamp.At.DateKey << " (" << stamp.Parts.Year << "-" << stamp.Parts.Month << "-"
         << stamp.Parts.Day << "), TimeOfDay " << stamp.At.TimeOfDay << "}";
}

}  // namespace kellvar

namespace kellvar::testing {

// One driver line "MM-DD-YYYY hh:mm:ss.cc - message" with CR LF.
inline std::string LogLine(const std::string& stamp, const std::string& message)
{
    return stamp + " - " + message + "\r\n";
}

// A complete English session on 01-05-2000: dial at dialTime, connect 25.5 s
// later, statistics at hangUpTime.
inline std::string EnglishSession(const std::string& dialTime, const std::string& connectTime,
                                  const std::string& hangUpTime, int bytesRead, int bytesWritten)
{
    const std::string day = "01-05-2000 ";
    return LogLine(day + dialTime, "Dialing.") + LogLine(day + dialTime, "Send: ATDT*****<cr>")
           + LogLine(day + connectTime, "Recv: <cr><lf>CONNECT 49333<cr><lf>")
           + LogLine(day + connectTime, "Interpreted response: Connect")
           + LogLine(day + connectTime, "Connection established at 49333bps.")
           + LogLine(day + hangUpTime, "Hanging up the modem.") + LogLine(day + hangUpTime, "Session Statistics:")
           + LogLine(day + hangUpTime, "   Reads : " + std::to_string(bytesRead) + " bytes")
           + LogLine(day + hangUpTime, "   Writes: " + std::to_string(bytesWritten) + " bytes");
}

// Analyses the bytes as a log file with the given flags.
inline TAnalysisStore AnalyseText(const std::string& bytes, TAnalysisFlags flags = {})
{
    TempDir dir;
    TAnalysisStore store;
    AnalyseLogFile(dir.Write("ModemLog.txt", bytes), flags, store);
    return store;
}

}  // namespace kellvar::testing
