// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/summaryfigures.h"

#include <gtest/gtest.h>

namespace kellvar {
namespace {

TConnectionRecord Connection(int32_t seconds, int32_t bytesRead, int32_t bytesWritten, int32_t dialHundredths = 0)
{
    TConnectionRecord r;
    r.ConnectionDuration = seconds * 100;
    r.BytesRead = bytesRead;
    r.BytesWritten = bytesWritten;
    r.DialDuration = dialHundredths;
    return r;
}

TSummaryFigures Figures(const std::vector<TConnectionRecord>& records, TAnalysisCounters counters = {})
{
    TChartPoints points;
    for (const TConnectionRecord& r : records)
        points.Add(r);
    return SummaryFigureTexts(counters, points, ".");
}

TEST(SummaryFigures, OneConnection)
{
    const TSummaryFigures f = Figures({Connection(100, 352'055, 12'800)});
    EXPECT_EQ(f.AverageReadRate, "3520.55byte/s");
    EXPECT_EQ(f.AverageWriteRate, "128byte/s");
    EXPECT_EQ(f.SumReadData, "343.8Kbyte");
    EXPECT_EQ(f.MeanReadData, "343.8Kbyte");
    EXPECT_EQ(f.SumWrittenData, "12.5Kbyte");
    EXPECT_EQ(f.MeanWrittenData, "12.5Kbyte");
    EXPECT_EQ(f.SumConnectionTime, "00:01:40.00");
    EXPECT_EQ(f.MeanConnectionTime, "00:01:40.00");
}

// Half a second online still has rates: 500 bytes in 0.5 s is 1000 byte/s.
TEST(SummaryFigures, ConnectionUnderASecondHasRates)
{
    TConnectionRecord r = Connection(0, 500, 5);
    r.ConnectionDuration = 50;
    const TSummaryFigures f = Figures({r});
    EXPECT_EQ(f.AverageReadRate, "1000byte/s");
    EXPECT_EQ(f.AverageWriteRate, "10byte/s");
}

TEST(SummaryFigures, AverageRateIsARatioOfSums)
{
    const TSummaryFigures f = Figures({Connection(10, 1'000, 0), Connection(30, 3'000, 0)});
    EXPECT_EQ(f.AverageReadRate, "100byte/s");
}

TEST(SummaryFigures, MeanDialingTimeIsCutNotRounded)
{
    EXPECT_EQ(Figures({Connection(1, 0, 0, 2'387), Connection(1, 0, 0, 2'388)}).AverageDialingTime, "23.87 Sekunden");
    EXPECT_EQ(Figures({Connection(1, 0, 0, 29)}).AverageDialingTime, "0.29 Sekunden");
}

TEST(SummaryFigures, MeanConnectionTimeRoundsTheExactMeanHalfToEven)
{
    const auto hundredths = [](int32_t value) {
        TConnectionRecord r;
        r.ConnectionDuration = value;
        return r;
    };
    // 7200.05 s and 23.76 s: exactly 3611.905 s, a tie that goes to the even 3611.90.
    const TSummaryFigures tie = Figures({hundredths(720'005), hundredths(2'376)});
    EXPECT_EQ(tie.SumConnectionTime, "02:00:23.81");
    EXPECT_EQ(tie.MeanConnectionTime, "01:00:11.90");
    EXPECT_EQ(Figures({hundredths(3), hundredths(0)}).MeanConnectionTime, "00:00:00.02") << "1.5 goes up to 2";
    EXPECT_EQ(Figures({hundredths(5), hundredths(0)}).MeanConnectionTime, "00:00:00.02") << "2.5 goes down to 2";
    EXPECT_EQ(Figures({hundredths(4), hundredths(0), hundredths(0)}).MeanConnectionTime, "00:00:00.01");
}

TEST(SummaryFigures, WithoutConnectionsGuardedFiguresHaveNoValue)
{
    TAnalysisCounters counters;
    counters.TriedConnects = 4;
    counters.UnclosedEntries = 2;
    const TSummaryFigures f = Figures({}, counters);
    EXPECT_EQ(f.TriedConnects, "4");
    EXPECT_EQ(f.UnclosedEntries, "2");
    EXPECT_FALSE(f.AverageReadRate);
    EXPECT_FALSE(f.AverageWriteRate);
    EXPECT_FALSE(f.MeanReadData);
    EXPECT_FALSE(f.MeanWrittenData);
    EXPECT_FALSE(f.MeanConnectionTime);
    EXPECT_FALSE(f.AverageDialingTime);
    EXPECT_EQ(f.SumReadData, "0byte");
    EXPECT_EQ(f.SumConnectionTime, "00:00:00.00");
}

TEST(SummaryFigures, ZeroConnectionTimeLeavesRatesButWritesMeans)
{
    const TSummaryFigures f = Figures({Connection(0, 500, 5)});
    EXPECT_FALSE(f.AverageReadRate);
    EXPECT_EQ(f.MeanReadData, "500byte");
}

TEST(SummaryFigures, LogFileSizeRoundsBlocksOverEightToEven)
{
    for (const auto& [blocks, text] : std::vector<std::pair<int32_t, std::string>>{
             {0, "0Kbyte"}, {100, "12Kbyte"}, {101, "13Kbyte"}, {4, "0Kbyte"}, {12, "2Kbyte"}, {2'000, "250Kbyte"}}) {
        TAnalysisCounters counters;
        counters.LogFileBlocks = blocks;
        EXPECT_EQ(Figures({}, counters).LogFileSize, text) << blocks;
    }
}

TEST(SummaryFigures, ConnectionTotalsPastTwoToTheThirtyOneHundredths)
{
    std::vector<TConnectionRecord> records(30, Connection(800'000, 0, 0));
    EXPECT_EQ(Figures(records).SumConnectionTime, "6666:40:00.00");
}

TEST(LastConnectionTexts, CopiesSixCellsOfTheRow)
{
    const TRowCells row = {"0", "start", "end", "1s", "rrate", "srate", "recv", "sent", "9bps", "dial", "2s"};
    const TLastConnection last = LastConnectionTexts(row);
    EXPECT_EQ(last.Start, "start");
    EXPECT_EQ(last.End, "end");
    EXPECT_EQ(last.Sent, "sent");
    EXPECT_EQ(last.Received, "recv");
    EXPECT_EQ(last.SendRate, "srate");
    EXPECT_EQ(last.ReceiveRate, "rrate");
}

}  // namespace
}  // namespace kellvar
