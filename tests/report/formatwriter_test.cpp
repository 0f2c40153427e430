// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/formatwriter.h"

#include <gtest/gtest.h>

namespace kellvar {
namespace {

std::string Written(const std::function<void(const TTextSink&)>& write)
{
    std::string text;
    write([&](std::string_view piece) { text += piece; });
    return text;
}

const std::vector<TAlertLine> TwoAlerts = {
    {"day:time>200s", "1999-03-01", "1999-03-01", 200, 271, "0:04:31", false},
    {"month:volume~>1KB", "1999-03-01", "1999-03-31", 1024, 23250, "22.71Kbyte", true},
};

// Each exceeded limit a line, or an object of the list that closes the document.
TEST(FormatWriter, AlertsAreLinesOrTheDocumentsLastMember)
{
    const auto alerts = [](TReportFormat format, bool german, const std::vector<TAlertLine>& lines) {
        const auto writer = MakeFormatWriter(format, german, ",");
        return Written([&](const TTextSink& sink) { writer->Alerts(lines, sink); });
    };
    EXPECT_EQ(alerts(TReportFormat::Text, false, TwoAlerts),
              "day:time>200s: 0:04:31 (1999-03-01 to 1999-03-01)\n"
              "month:volume~>1KB: 22.71Kbyte projected (1999-03-01 to 1999-03-31)\n");
    EXPECT_EQ(alerts(TReportFormat::Csv, false, TwoAlerts), alerts(TReportFormat::Text, false, TwoAlerts));
    EXPECT_EQ(alerts(TReportFormat::Json, true, TwoAlerts),
              "\"alerts\":[\n"
              "  {\"limit\":\"day:time>200s\",\"first_day\":\"1999-03-01\",\"last_day\":\"1999-03-01\",\"value\":200.0,"
              "\"used\":271.0,\"text\":\"0:04:31\",\"projected\":false},\n"
              "  {\"limit\":\"month:volume~>1KB\",\"first_day\":\"1999-03-01\",\"last_day\":\"1999-03-31\","
              "\"value\":1024.0,\"used\":23250.0,\"text\":\"22.71Kbyte\",\"projected\":true}\n"
              "]}\n");
    EXPECT_EQ(alerts(TReportFormat::Json, false, {}), "\"alerts\":[]}\n");
    EXPECT_EQ(alerts(TReportFormat::Text, false, {}), "");
}

// A document opens with a head and, failing halfway, closes with the reason.
TEST(FormatWriter, OnlyADocumentHasAHeadAndAClosingError)
{
    TReportOptions options;
    options.LogFiles = {"a.log"};
    TReportRun failed;
    failed.FailedFile = "a.log";
    failed.FailureReason = "Input/output error";
    const auto json = MakeFormatWriter(TReportFormat::Json, false, ".");
    EXPECT_EQ(json->Opening(options).rfind(
                  "{\"format_version\":2,\"log\":\"a.log\",\"logs\":[\"a.log\"],\"since\":null,\"until\":null,", 0),
              0u);
    EXPECT_EQ(json->FailureClosing("],", failed),
              "],\"error\":{\"file\":\"a.log\",\"reason\":\"Input/output error\"}}\n");
    for (const TReportFormat format : {TReportFormat::Text, TReportFormat::Csv}) {
        const auto writer = MakeFormatWriter(format, false, ".");
        EXPECT_FALSE(writer->Document());
        EXPECT_EQ(writer->Opening(options), "");
        EXPECT_EQ(writer->FailureClosing("],", failed), "");
    }
}

}  // namespace
}  // namespace kellvar
