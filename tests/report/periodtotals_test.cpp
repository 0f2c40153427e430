// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/periodtotals.h"

#include <gtest/gtest.h>

#include <optional>

namespace kellvar {
namespace {

std::vector<TPeriodTotal> PeriodsOf(TPeriod period, std::optional<int64_t> top = std::nullopt)
{
    const auto connection = [](int32_t year, int32_t month, int32_t day, int32_t hundredths, int32_t bytes) {
        TConnectionRecord r;
        r.ConnectDateParts = {year, month, day};
        r.ConnectionDuration = hundredths;
        r.BytesRead = bytes;
        r.BytesWritten = 1;
        return r;
    };
    TPeriodTotals totals(period);
    for (const TConnectionRecord& r : {connection(2001, 1, 2, 100, 10), connection(2000, 12, 31, 5, 1),
                                       connection(2001, 1, 2, 1, 2), connection(2001, 2, 1, 7, 3)})
        totals.Add(r);
    return top ? totals.Top(*top) : totals.Periods();
}

TEST(PeriodTotals, GroupByConnectDateInTimeOrder)
{
    const std::vector<TPeriodTotal> months = PeriodsOf(TPeriod::Month);
    ASSERT_EQ(months.size(), 3u);
    EXPECT_EQ(months[0].Period, "2000-12");
    EXPECT_EQ(months[1].Period, "2001-01");
    EXPECT_EQ(months[1].Sums.Connections, 2);
    EXPECT_EQ(months[1].Sums.DurationHundredths, 101);
    EXPECT_EQ(months[1].Sums.ReceivedBytes, 12);
    EXPECT_EQ(PeriodsOf(TPeriod::Year).back().Period, "2001");
    EXPECT_EQ(PeriodsOf(TPeriod::Day).size(), 3u);
    EXPECT_EQ(GrandTotal(months).Sums.SentBytes, 4);
}

TEST(PeriodTotals, TopKeepsThePeriodsWithTheMostBytesLargestFirst)
{
    const std::vector<TPeriodTotal> top = PeriodsOf(TPeriod::Month, 2);
    ASSERT_EQ(top.size(), 2u);
    EXPECT_EQ(top[0].Period, "2001-01") << "14 bytes";
    EXPECT_EQ(top[1].Period, "2001-02") << "4 bytes";
    EXPECT_EQ(PeriodsOf(TPeriod::Month, 10).size(), 3u);
    TPeriodTotals equal(TPeriod::Year);
    for (const int32_t year : {1999, 2000, 2001}) {
        TConnectionRecord r;
        r.ConnectDateParts = {year, 1, 1};
        r.BytesRead = year == 2000 ? 1 : 5;
        equal.Add(r);
    }
    const std::vector<TPeriodTotal> tied = equal.Top(3);
    ASSERT_EQ(tied.size(), 3u);
    EXPECT_EQ(tied[0].Period + tied[1].Period + tied[2].Period, "199920012000")
        << "equal byte counts keep their time order";
}

TEST(PeriodTotals, MeansPerConnectionInEveryFormat)
{
    const std::string csv = PeriodTotalsCsv(PeriodsOf(TPeriod::Month));
    EXPECT_EQ(csv.substr(0, csv.find('\n')),
              "period,connections,duration_s,received_bytes,sent_bytes,mean_duration_s,mean_received_bytes,"
              "mean_sent_bytes");
    EXPECT_NE(csv.find("2001-01,2,1.01,12,2,0.50,6.00,1.00\n"), std::string::npos) << "1.01 s / 2 rounds to even";
}

// The head's captions, which stand apart by two blanks or more, and the
// caption of the last line.
std::vector<std::string> HeadAndTotal(const std::string& text)
{
    std::vector<std::string> captions;
    const std::string head = text.substr(0, text.find('\n'));
    for (size_t at = 0; at < head.size();) {
        const size_t gap = head.find("  ", at);
        captions.push_back(head.substr(at, gap - at));
        at = gap == std::string::npos ? head.size() : head.find_first_not_of(' ', gap);
    }
    const size_t lastLine = text.rfind('\n', text.size() - 2) + 1;
    captions.push_back(text.substr(lastLine, text.find(' ', lastLine) - lastLine));
    return captions;
}

TEST(PeriodTotals, CaptionsInBothLanguages)
{
    EXPECT_EQ(HeadAndTotal(PeriodTotalsText(PeriodsOf(TPeriod::Month), true, ",")),
              (std::vector<std::string>{"Zeitraum", "Verbindungen", "Verbindungsdauer", "Empfangen", "Gesendet",
                                        "Mittlere Dauer", "Mittel empfangen", "Mittel gesendet", "Summe"}));
    EXPECT_EQ(HeadAndTotal(PeriodTotalsText(PeriodsOf(TPeriod::Month), false, ".")),
              (std::vector<std::string>{"Period", "Connections", "Connection time", "Received", "Sent", "Mean time",
                                        "Mean received", "Mean sent", "Total"}));
}

}  // namespace
}  // namespace kellvar
