// SPDX-License-Identifier: GPL-3.0-or-later
// kellvar-report's command line and its machine rows, against values written out by hand.

#include "report/connectionexport.h"
#include "report/reportoptions.h"

#include "core/logstamp.h"

#include <gtest/gtest.h>

#include <sstream>

namespace kellvar {
namespace {

struct ArgumentsCase {
    const char* name;
    std::string arguments;
    bool accepted;
    // What an accepted line gives, in a few words (see Described).
    std::string gives;
};

void PrintTo(const ArgumentsCase& c, std::ostream* out)
{
    *out << c.arguments;
}

std::string Described(const TReportOptions& o)
{
    std::ostringstream text;
    text << "logs=" << o.LogFiles.size() << " format=" << static_cast<int>(o.Format);
    for (const auto& [on, word] : {std::pair{o.Summary, " summary"}, std::pair{o.OneLine, " oneline"},
                                   std::pair{o.Compare, " compare"}, std::pair{o.Estimate, " estimate"}})
        if (on)
            text << word;
    if (o.German)
        text << (*o.German ? " german" : " english");
    if (!o.Tariffs.empty())
        text << " tariffs=" << o.Tariffs.size();
    if (!o.Alerts.empty())
        text << " alerts=" << o.Alerts.size();
    if (o.By)
        text << " by=" << PeriodName(*o.By);
    if (o.Top)
        text << " top=" << *o.Top;
    if (o.Since)
        text << " since=" << o.Since->DateKey;
    if (o.Until)
        text << " until=" << o.Until->DateKey;
    if (o.Chart)
        text << " chart=" << static_cast<int>(o.Chart->Page) << " " << o.Chart->Width << "x" << o.Chart->Height;
    if (o.Periods.MonthStart != 1 || o.Periods.WeekStartsOnSunday)
        text << " periods=" << o.Periods.MonthStart << (o.Periods.WeekStartsOnSunday ? "/sunday" : "/monday");
    if (o.HtmlFolder)
        text << " html=" << *o.HtmlFolder;
    return text.str();
}

class ArgumentsTest : public ::testing::TestWithParam<ArgumentsCase> {};

TEST_P(ArgumentsTest, AcceptedWithWhatTheyGiveOrRefused)
{
    std::vector<std::string> arguments;
    std::istringstream words(GetParam().arguments);
    for (std::string word; words >> word;)
        arguments.push_back(word);
    const auto parsed = ParseReportArguments(arguments, false);
    ASSERT_EQ(std::holds_alternative<TReportOptions>(parsed), GetParam().accepted)
        << (GetParam().accepted ? std::get<TUsageError>(parsed).Message : Described(std::get<TReportOptions>(parsed)));
    if (GetParam().accepted) {
        EXPECT_EQ(Described(std::get<TReportOptions>(parsed)), GetParam().gives);
    }
}

// Date keys: year * 372 + (month - 1) * 31 + day - 1.
INSTANTIATE_TEST_SUITE_P(
    Lines, ArgumentsTest,
    ::testing::Values(
        ArgumentsCase{"a_log", "log", true, "logs=1 format=0"},
        ArgumentsCase{"csv_by_month_top", "--format=csv --by month --top=3 log", true,
                      "logs=1 format=1 by=month top=3"},
        ArgumentsCase{"a_year_from_its_first_to_its_last_day", "--since=2000 --until=2000 log", true,
                      "logs=1 format=0 since=744000 until=744371"},
        ArgumentsCase{"smallest_chart", "--chart=dialing --size=16x16 --output=a.SVG a b", true,
                      "logs=2 format=0 chart=1 16x16"},
        ArgumentsCase{"largest_chart", "--chart=rates --size=10000x10000 --output=- log", true,
                      "logs=1 format=0 chart=0 10000x10000"},
        ArgumentsCase{"chart_below_16_pixels", "--chart=rates --size=15x16 --output=a.png log", false, ""},
        ArgumentsCase{"chart_without_a_name", "--chart= --output=a.png log", false, ""},
        ArgumentsCase{"chart_of_an_unknown_name", "--chart=rate --output=a.png log", false, ""},
        ArgumentsCase{"chart_above_10000_pixels", "--chart=rates --size=16x10001 --output=a.png log", false, ""},
        ArgumentsCase{"weeks_from_sunday_months_from_the_31st", "--by=week --week-start=sunday --month-start=31 log",
                      true, "logs=1 format=0 by=week periods=31/sunday"},
        ArgumentsCase{"weeks_from_monday_as_without", "--week-start=sunday --week-start=monday log", true,
                      "logs=1 format=0"},
        ArgumentsCase{"weeks_from_friday", "--week-start=friday log", false, ""},
        ArgumentsCase{"months_from_day_0", "--month-start=0 log", false, ""},
        ArgumentsCase{"months_from_day_32", "--month-start=32 log", false, ""},
        // A month ends at its day 31, which no shorter month holds.
        ArgumentsCase{"json_summary_of_a_range", "--summary --format=json --since=2000-02 --until=2000-02 log", true,
                      "logs=1 format=2 summary since=744031 until=744061"},
        ArgumentsCase{"since_after_until", "--since=2000-03 --until=2000-02 log", false, ""},
        ArgumentsCase{"one_line_in_german_twice", "--oneline --german --german log", true,
                      "logs=1 format=0 oneline german"},
        ArgumentsCase{"one_line_with_a_tariff", "--oneline --tariff=a log", false, ""},
        ArgumentsCase{"tariffs_compared", "--compare --tariff=a --tariff=b log", true,
                      "logs=1 format=0 compare tariffs=2"},
        ArgumentsCase{"one_tariff_compared", "--compare --tariff=a log", false, ""},
        ArgumentsCase{"tariffs_compared_in_a_summary", "--compare --tariff=a --tariff=b --summary log", false, ""},
        ArgumentsCase{"an_alert_alone_in_json", "--alert=day:time>3h --format=json log", true,
                      "logs=1 format=2 alerts=1"},
        ArgumentsCase{"an_alert_with_a_summary", "--alert=day:time>3h --summary log", false, ""},
        ArgumentsCase{"an_alert_in_csv", "--alert=day:time>3h --format=csv log", false, ""},
        ArgumentsCase{"a_cost_alert_with_a_tariff", "--alert=month:cost>5 --tariff=a log", true,
                      "logs=1 format=0 tariffs=1 alerts=1"},
        ArgumentsCase{"a_cost_alert_without_a_tariff", "--alert=month:cost>5 log", false, ""},
        ArgumentsCase{"an_estimate_by_month", "--estimate --by=month log", true, "logs=1 format=0 estimate by=month"},
        ArgumentsCase{"an_estimate_alone", "--estimate log", false, ""},
        ArgumentsCase{"costs_chart_with_a_tariff", "--chart=costs --tariff=a --output=a.svg log", true,
                      "logs=1 format=0 tariffs=1 chart=4 800x450"},
        ArgumentsCase{"costs_chart_without_a_tariff", "--chart=costs --output=a.svg log", false, ""},
        ArgumentsCase{"chart_with_a_summary", "--chart=rates --output=a.svg --summary log", false, ""},
        ArgumentsCase{"chart_to_a_text_file", "--chart=rates --output=a.png.txt log", false, ""},
        ArgumentsCase{"no_log", "--summary", false, ""}, ArgumentsCase{"top_without_by", "--top=2 log", false, ""},
        ArgumentsCase{"top_of_nothing", "--by=day --top=0 log", false, ""},
        ArgumentsCase{"no_real_date", "--since=2000-02-30 log", false, ""},
        ArgumentsCase{"text_summary_with_a_range", "--summary --since=2000 log", false, ""},
        ArgumentsCase{"options_end_at_double_dash", "-- --summary", true, "logs=1 format=0"},
        ArgumentsCase{"a_value_taken_from_the_next_word", "--since 2000 --until 2000 log", true,
                      "logs=1 format=0 since=744000 until=744371"},
        ArgumentsCase{"an_option_whose_value_is_missing_at_the_end", "log --by", false, ""},
        ArgumentsCase{"html_report_by_year_with_limits", "--html=out --by=year --alert=day:time>3h log", true,
                      "logs=1 format=0 alerts=1 by=year html=out"},
        ArgumentsCase{"html_report_needs_a_folder", "--html= log", false, ""},
        ArgumentsCase{"html_report_by_day", "--html=out --by=day log", false, ""},
        ArgumentsCase{"html_report_and_json", "--html=out --format=json log", false, ""},
        ArgumentsCase{"html_report_and_a_chart", "--html=out --chart=rates --output=a.png log", false, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TNumberedConnection HandWrittenConnection()
{
    TNumberedConnection c;
    c.Number = 2;
    TConnectionRecord& r = c.Record;
    r.DialDateParts = r.ConnectDateParts = r.HangUpDateParts = {2000, 1, 3};
    r.DialDate = r.ConnectDate = r.HangUpDate = DateKeyOf(2000, 1, 3);
    r.DialTime = 4'640'000;     // 12:53:20.00
    r.ConnectTime = 4'642'727;  // 12:53:47.27
    r.HangUpTime = 4'680'000;   // 13:00:00.00
    r.DialDuration = 2'727;
    r.ConnectionDuration = 37'273;
    r.ReadRate = 12'345;  // 123.45 byte/s
    r.WriteRate = 678;    // 6.78 byte/s
    r.BytesRead = 46'000;
    r.BytesWritten = 2'500;
    r.Bps = 49'333;
    return c;
}

TEST(ConnectionRows, EveryFieldInItsPlace)
{
    std::string csv;
    AppendConnectionCsv(csv, HandWrittenConnection());
    EXPECT_EQ(csv, "2,2000-01-03T12:53:47.27,2000-01-03T13:00:00.00,2000-01-03T12:53:20.00,372.73,27.27,123.45,6.78,"
                   "46000,2500,49333,\n");
}

// A stamp whose date could not be read is null, not an empty text.
TEST(ConnectionRows, JsonHasNullForWhatTheLogDidNotTell)
{
    TNumberedConnection c = HandWrittenConnection();
    c.Record.HangUpDate = 0;
    c.Record.OverrunErrors = 3;
    std::string json;
    AppendConnectionJson(json, c);
    EXPECT_EQ(json, "{\"number\":2,\"connect\":\"2000-01-03T12:53:47.27\",\"hangup\":null,"
                    "\"dial\":\"2000-01-03T12:53:20.00\",\"duration_s\":372.73,\"dial_s\":27.27,"
                    "\"read_rate\":123.45,\"write_rate\":6.78,\"received_bytes\":46000,\"sent_bytes\":2500,"
                    "\"speed_bps\":49333,\"overrun_errors\":3}");
}

TEST(ConnectionRows, MeanDialingTimeIsCutLikeTheOverviewsNotRounded)
{
    TSummaryValues v;
    v.Sums.Connections = 2;
    v.Sums.DialHundredths = 3;  // 0.01 s and 0.02 s: a mean of 0.015 s
    const std::string json = SummaryJson(v);
    EXPECT_NE(json.find("\"mean_dial_s\":0.01,"), std::string::npos) << json;
    v.Sums.Connections = 1;
    EXPECT_NE(SummaryJson(v).find("\"mean_dial_s\":0.03,"), std::string::npos) << "one connection has a mean";
    v.Sums.Connections = 0;
    v.Sums.DialHundredths = 0;
    EXPECT_NE(SummaryJson(v).find("\"mean_dial_s\":null,"), std::string::npos) << "none has not";
}

}  // namespace
}  // namespace kellvar
