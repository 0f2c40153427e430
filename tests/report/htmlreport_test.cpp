// SPDX-License-Identifier: GPL-3.0-or-later
// The pages of a report written from the connections its first reading kept
// are those a second reading of the log writes.

#include "report/htmlreport.h"

#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <variant>

namespace kellvar {
namespace {

std::map<std::string, std::string> FolderFiles(const std::string& folder)
{
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        files[entry.path().filename().string()] = testing::ReadFile(entry.path().string());
    return files;
}

// The report of the example log (19 connections in January 2000) with the
// first reading keeping as many connections as given.
std::map<std::string, std::string> Report(const testing::TempDir& dir, const std::string& name, size_t kept,
                                          const TTariffs* tariffs)
{
    THtmlReportRequest request;
    request.Folder = dir.File(name);
    request.By = TPeriod::Month;
    request.Compare = tariffs != nullptr;
    request.KeptConnectionsAtMost = kept;
    TReportInput input;
    input.Log = std::string(KELLVAR_SOURCE_DIR) + "/examples/ModemLog.txt";
    input.ShownLog = "ModemLog.txt";
    input.DecimalSeparator = ",";
    input.German = true;
    input.Tariffs = tariffs;
    const TReportRun run = WriteHtmlReport(request, input, {});
    EXPECT_TRUE(run.Analysed) << run.FailureReason;
    return FolderFiles(request.Folder);
}

TEST(HtmlReport, PagesFromTheKeptConnectionsAreThoseOfASecondReading)
{
    testing::TempDir dir;
    const std::string tariffs = std::string(KELLVAR_SOURCE_DIR) + "/examples/tariffs/";
    auto read = ReadTariffFiles({tariffs + "per-minute.tariff", tariffs + "internet-by-call.tariff"}, false);
    ASSERT_TRUE(std::holds_alternative<TTariffs>(read));
    const TTariffs* const none = nullptr;
    for (const TTariffs* priced : {none, &std::as_const(std::get<TTariffs>(read))}) {
        const auto kept = Report(dir, "kept", RowNumberLimit, priced);
        // The index, the style sheet, the mark, January's page and, priced, the comparison.
        EXPECT_EQ(kept.size(), priced ? 5u : 4u);
        EXPECT_NE(kept.at("2000-01.html").find("<tr><td data-v=\"18\">18</td>"), std::string::npos)
            << "the last connection's row";
        EXPECT_EQ(Report(dir, "read-again", 0, priced), kept) << "none kept";
        EXPECT_EQ(Report(dir, "too-many", 18, priced), kept) << "all but the last kept";
    }
}

}  // namespace
}  // namespace kellvar
