// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "periodtotals.h"

#include "core/logstamp.h"
#include "core/usagelimits.h"

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace kellvar {

enum class TReportFormat { Text, Csv, Json };

// The window's chart pages, in the order of its charts, and the Costs page's
// chart and week map after them.
enum class TChartPage { Rates, Dialing, Connection, Transport, Costs, Profile };

// --chart: the page's chart drawn into a PNG or SVG file.
struct TChartRequest {
    TChartPage Page = TChartPage::Rates;
    std::string Output;
    int Width = 800;
    int Height = 450;
};

enum class TChartFormat { Png, Svg };
// By the file's ending in any letter case; standard output ("-") takes PNG.
std::optional<TChartFormat> ChartFormatOf(const TChartRequest& chart);

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
    // --by=number: a row per dialled number instead of periods.
    bool ByNumber = false;
    // --number: only sessions dialled to a number that fits one of these.
    std::vector<std::string> Numbers;
    // The periods with the most bytes, largest first.
    std::optional<int64_t> Top;
    // Connect dates kept, both inclusive.
    std::optional<TDateBound> Since;
    std::optional<TDateBound> Until;
    std::optional<TChartRequest> Chart;
    // Tariff files, in the order matching uses.
    std::vector<std::string> Tariffs;
    // What each tariff would have cost, instead of the connections.
    bool Compare = false;
    // How the connection of this number (the table's "#") was priced.
    std::optional<int32_t> Explain;
    // How --by=week and --by=billing and the limits cut their periods.
    TPeriodRules Periods;
    // The day the current period holds (a day number): the clock's, or --today's.
    std::optional<int64_t> Today;
    // --summary adds the billing month that holds today, so far and foreseen.
    bool Estimate = false;
    // Limits to check instead of any other output.
    std::vector<TLimit> Alerts;
    // --html: the folder the HTML report is written to.
    std::optional<std::string> HtmlFolder;
    // One history in this order; "-" is standard input.
    std::vector<std::string> LogFiles;
};

// What is wrong with a command line, in one line.
struct TUsageError {
    std::string Message;
};

// Usage errors are worded in German or English.
std::variant<TReportOptions, TUsageError> ParseReportArguments(const std::vector<std::string>& arguments, bool german);

// A bash completion script for kellvar-report: its options, and for those
// that take one of a list of values, the values from the parser's own tables.
std::string BashCompletion();

// The synopsis, and the whole --help text.
extern const char* const ReportUsage;
std::string ReportHelp();

}  // namespace kellvar
