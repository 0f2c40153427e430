// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/historysession.h"

#include "core/logstamp.h"
#include "core/modemlogparser.h"
#include "tests/core/analysis_helpers.h"

#include <gtest/gtest.h>

namespace kellvar {
namespace {

using testing::LogLine;

// A session dialled 20 s before its connect; day and hang-up day as MM-DD-YYYY.
std::string Session(const std::string& day, const std::string& dial, const std::string& connect,
                    const std::string& hangUpDay, const std::string& hangUp)
{
    return LogLine(day + " " + dial, "Dialing.") + LogLine(day + " " + dial, "Send: ATDT0191011<cr>")
           + LogLine(day + " " + connect, "Recv: <cr><lf>CONNECT 28800<cr><lf>")
           + LogLine(day + " " + connect, "Connection established at 28800bps.")
           + LogLine(hangUpDay + " " + hangUp, "Hanging up the modem.")
           + LogLine(hangUpDay + " " + hangUp, "Session Statistics:")
           + LogLine(hangUpDay + " " + hangUp, "   Reads : 6000 bytes")
           + LogLine(hangUpDay + " " + hangUp, "   Writes: 600 bytes");
}

// Wednesday 5 January 2000 from 10:00 and Monday 7 February from 23:50 into
// Tuesday, 1799 s each, and 1 March, which the range leaves out.
const std::string ThreeMonths = Session("01-05-2000", "09:59:40.00", "10:00:00.00", "01-05-2000", "10:29:59.00")
                                + Session("02-07-2000", "23:49:40.00", "23:50:00.00", "02-08-2000", "00:19:59.00")
                                + Session("03-01-2000", "11:59:40.00", "12:00:00.00", "03-01-2000", "12:29:59.00");

THistorySession Analysed(const TTariffs* tariffs)
{
    THistorySession session({std::nullopt, DateKeyOf(2000, 2, 29)}, tariffs);
    testing::TempDir dir;
    AnalyseLogFile(dir.Write("ModemLog.txt", ThreeMonths), {}, session);
    return session;
}

// Each kept connection is priced once into its month and into the hours of
// the week it spans, its cost split as its time is; the charts take the
// kept connections only.
TEST(HistorySession, KeptConnectionsGoToMonthsWeekAndCharts)
{
    std::vector<TTariff> files;
    files.push_back(std::get<TTariff>(ParseTariff("name Units\ncurrency DM 2\nunit 60 0.10\n", "t")));
    const TTariffs tariffs(std::move(files));
    const THistorySession session = Analysed(&tariffs);
    // 1799 s are 30 started minutes: 3.00 DM each month.
    ASSERT_EQ(session.Months().Periods().size(), 2u);
    EXPECT_EQ(session.Months().Periods()[0].Period, "2000-01");
    EXPECT_EQ(session.Months().Periods()[1].Period, "2000-02");
    for (const TPeriodTotal& month : session.Months().Periods()) {
        EXPECT_EQ(month.Sums.Connections, 1);
        EXPECT_EQ(month.Costs.Amount, 300);
    }
    const TWeekHourProfile& week = session.Week();
    EXPECT_EQ(week.Online(2, 10), 179'900);
    // Monday 23:50 to Tuesday 0:19:59: 600 s and 1199 s; 300 Pfennig split
    // 100.06 and 199.94, the larger remainder taking the last one.
    EXPECT_EQ(week.Online(0, 23), 60'000);
    EXPECT_EQ(week.Online(1, 0), 119'900);
    EXPECT_EQ(week.Value(TWeekHourProfile::Cost, 0, 23), 100);
    EXPECT_EQ(week.Value(TWeekHourProfile::Cost, 1, 0), 200);
    EXPECT_EQ(week.Online(1, 12), 0) << "1 March is a Wednesday, and left out anyway";
    EXPECT_EQ(session.Points().Count(), 2u);
    EXPECT_EQ(session.Counters().SuccessfulConnects, 3);
}

// Without tariffs nothing is priced and no month has costs, but the week
// still shows when the line was used.
TEST(HistorySession, WithoutTariffsTheWeekStillFills)
{
    const THistorySession session = Analysed(nullptr);
    EXPECT_TRUE(session.Months().Periods().empty());
    EXPECT_EQ(session.Week().Online(2, 10), 179'900);
    EXPECT_EQ(session.Week().Value(TWeekHourProfile::Cost, 2, 10), 0);
}

}  // namespace
}  // namespace kellvar
