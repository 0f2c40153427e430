#pragma once

#include "periodtotals.h"

#include "core/logstamp.h"

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace kellvar {

enum class TReportFormat { Text, Csv, Json };

struct TReportOptions {
    bool Help = false;
    bool Version = false;
    bool Summary = false;
    std::optional<bool> German;
    TReportFormat Format = TReportFormat::Text;
    std::optional<TPeriod> By;
    // Connect dates kept, both inclusive, as date keys.
    std::optional<int32_t> Since;
    std::optional<int32_t> Until;
    std::string LogFile;
};

// What is wrong with a command line, in one line.
struct TUsageError {
    std::string Message;
};

std::variant<TReportOptions, TUsageError> ParseReportArguments(const std::vector<std::string>& arguments);

// The synopsis, and the whole --help text.
extern const char* const ReportUsage;
std::string ReportHelp();

}  // namespace kellvar
