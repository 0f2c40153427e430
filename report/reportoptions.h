#pragma once

#include "periodtotals.h"

#include "core/logstamp.h"

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace kellvar {

enum class TReportFormat { Text, Csv, Json };

// A connect date bound as given ("2015", "2015-06" or "2015-06-02") and as
// the date key it keeps from or up to.
struct TDateBound {
    std::string Text;
    int32_t DateKey = 0;
};

struct TReportOptions {
    bool Help = false;
    bool Version = false;
    bool Summary = false;
    bool OneLine = false;
    std::optional<bool> German;
    TReportFormat Format = TReportFormat::Text;
    std::optional<TPeriod> By;
    // The periods with the most bytes, largest first.
    std::optional<int64_t> Top;
    // Connect dates kept, both inclusive.
    std::optional<TDateBound> Since;
    std::optional<TDateBound> Until;
    // One history in this order; "-" is standard input.
    std::vector<std::string> LogFiles;
};

// What is wrong with a command line, in one line.
struct TUsageError {
    std::string Message;
};

// Usage errors are worded in German or English.
std::variant<TReportOptions, TUsageError> ParseReportArguments(const std::vector<std::string>& arguments, bool german);

// The synopsis, and the whole --help text.
extern const char* const ReportUsage;
std::string ReportHelp();

}  // namespace kellvar
