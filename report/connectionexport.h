#pragma once

#include "core/connectionrecord.h"

#include <string>
#include <vector>

namespace kellvar {

// A connection as a script sees it: its "#" in the table and its record.
struct TNumberedConnection {
    int32_t Number = 0;
    TConnectionRecord Record;
};

// The overview's counts and sums, as numbers.
struct TExportSummary {
    TAnalysisCounters Counters;
    int64_t Connections = 0;
    int64_t DurationHundredths = 0;
    int64_t ReceivedBytes = 0;
    int64_t SentBytes = 0;
    int64_t DialHundredths = 0;  // summed over the connections
};

TExportSummary SummaryOf(const TAnalysisCounters& counters, const std::vector<TNumberedConnection>& connections);

// RFC 4180 with a header line (LF line ends): one line per connection.
std::string ConnectionsCsv(const std::vector<TNumberedConnection>& connections);

// {"log": PATH, "connections": [...], "summary": {...}}
std::string ConnectionsJson(const std::string& logPath, const std::vector<TNumberedConnection>& connections,
                            const TExportSummary& summary);

}  // namespace kellvar
