// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/connectionrecord.h"
#include "core/connectionsums.h"
#include "core/tariffs.h"
#include "core/usagelimits.h"
#include "machinetext.h"

#include <optional>
#include <string>
#include <vector>

namespace kellvar {

// A connection as a script sees it: its "#" in the table and its record.
struct TNumberedConnection {
    int32_t Number = 0;
    TConnectionRecord Record;
};

// Raises when a field changes meaning, so that scripts can tell.
// 2: an alert's "value" is the limit's raw value (it was the text of what
// was used), beside its "used" and "text".
inline constexpr int ReportFormatVersion = 2;

// A connection's "cost" and "currency" when the report prices connections;
// both are empty (null) where no tariff could price it.
struct TCostFields {
    std::optional<TCost> Cost;
};

// The connections as CSV (RFC 4180, LF line ends), a line at a time; the
// cost fields last, and only when the report prices.
std::string ConnectionsCsvHeader(bool costs);
void AppendConnectionCsv(std::string& text, const TNumberedConnection& connection, const TCostFields* costs = nullptr);

// The connections as JSON objects, one at a time, for the "connections" array.
void AppendConnectionJson(std::string& text, const TNumberedConnection& connection, const TCostFields* costs = nullptr);

// Every figure of the overview as a raw value, by name; the counters and the
// log's size are the whole log's, the rest are the kept connections'.
struct TSummaryValues {
    TAnalysisCounters Counters;
    // The logs' own sizes, added up (the counters know the analysed file's
    // blocks only).
    int64_t LogFileBytes = 0;
    TConnectionSums Sums;
    std::optional<TNumberedConnection> Last;
    // With tariffs: the costs of the kept connections, in the first
    // tariff's currency, which all share.
    std::optional<TCostSums> Costs;
    const TTariff* Money = nullptr;
    // With --estimate: the billing month that holds today, so far and foreseen.
    const TPeriodEstimate* Estimate = nullptr;
};
// The cost fields of a summary or a period: total, means, currency and how
// many connections had a price; none without costs.
TFields CostSumFields(const std::optional<TCostSums>& costs, const TTariff* money);
// The summary's fields as CSV and JSON give them.
TFields SummaryValueFields(const TSummaryValues& values);
std::string SummaryCsv(const TSummaryValues& values);
// The "summary" object of a JSON document.
std::string SummaryJson(const TSummaryValues& values);
// "2;LOG;connections;seconds;received;sent;last connect;last hang-up", for status bars.
std::string SummaryOneLine(const std::string& log, const TSummaryValues& values);

}  // namespace kellvar
