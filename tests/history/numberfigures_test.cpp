// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/numberpattern.h"
#include "history/numberfigures.h"
#include "history/numberhistory.h"

#include <gtest/gtest.h>

#include <string>

namespace kellvar {
namespace {

TEST(NumberFigures, NearestRankPercentilesAreValuesOfTheSet)
{
    // Ten values: the median is the 5th smallest, the 90th percentile the 9th.
    std::vector<int32_t> times = {900, 100, 800, 200, 700, 300, 600, 400, 500, 1000};
    EXPECT_EQ(NearestRankPercentile(times, 50), 500);
    EXPECT_EQ(NearestRankPercentile(times, 90), 900);
    std::vector<int32_t> one = {4200};
    EXPECT_EQ(NearestRankPercentile(one, 90), 4200);
    std::vector<int32_t> none;
    EXPECT_EQ(NearestRankPercentile(none, 50), std::nullopt);
}

TEST(NumberFigures, HiddenNumbersAreOneRowWhateverTheirLength)
{
    TNumberTally tally;
    TConnectionRecord record;
    record.DialDate = 1;
    record.DialledNumber = "##########";
    tally.AddUnlistedSession(record);
    record.DialledNumber = "####";
    tally.AddUnlistedSession(record);
    record.DialledNumber = "0191011";
    tally.AddUnlistedSession(record);
    const std::vector<TNumberFigures> figures = tally.Figures();
    ASSERT_EQ(figures.size(), 2u);
    EXPECT_EQ(figures[0].Kind, TNumberKind::Hidden);
    EXPECT_EQ(figures[0].Attempts, 2);
    EXPECT_EQ(figures[0].Connects, 0);
    EXPECT_EQ(figures[0].SuccessBasisPoints(), 0);
    EXPECT_EQ(figures[1].Number, "0191011");
}

// A connected session dialled on the day to the number, at the speed.
TConnectionRecord Connected(int32_t month, const std::string& number, int32_t bps, int32_t dialHundredths)
{
    TConnectionRecord record;
    record.DialDate = record.ConnectDate = DateKeyOf(2000, month, 3);
    record.DialDateParts = record.ConnectDateParts = {2000, month, 3};
    record.DialledNumber = number;
    record.Bps = bps;
    record.DialDuration = dialHundredths;
    return record;
}

TEST(NumberHistory, ChosenNumbersAreOneSetPerMonthWhereAnyWasDialled)
{
    TNumberHistory history;
    history.AddConnection(Connected(1, "111", 28800, 3000), std::nullopt);
    history.AddConnection(Connected(1, "222", 49333, 2000), std::nullopt);
    history.AddConnection(Connected(1, "222", 33600, 4000), std::nullopt);
    TConnectionRecord failed = Connected(2, "111", 0, 0);
    failed.ConnectDate = 0;
    history.AddUnlistedSession(failed);
    history.AddConnection(Connected(3, "333", 31200, 2500), std::nullopt);
    const std::vector<TNumberFigures> all = history.Figures();
    ASSERT_EQ(all.size(), 3u);
    // 111 (its second a failed dial in February) and 222 have two attempts each.
    const std::vector<TNumberFigures> chosen = {all[0], all[1]};
    EXPECT_EQ(chosen[0].Number, "111");
    const auto over = history.Over(chosen);
    ASSERT_EQ(over.size(), 2u);
    EXPECT_EQ(over[0].first, "2000-01");
    // January: three connects of three attempts; speeds 28800, 33600, 49333
    // and dial times 20, 30, 40 s have their middle values as medians.
    EXPECT_EQ(over[0].second.Attempts, 3);
    EXPECT_EQ(over[0].second.SuccessBasisPoints(), 10'000);
    EXPECT_EQ(over[0].second.MedianSpeed, 33600);
    EXPECT_EQ(over[0].second.MedianTimeToConnect, 3000);
    // February: 111's one dial, never connected; March holds neither.
    EXPECT_EQ(over[1].first, "2000-02");
    EXPECT_EQ(over[1].second.Attempts, 1);
    EXPECT_EQ(over[1].second.SuccessBasisPoints(), 0);
    EXPECT_EQ(over[1].second.MedianSpeed, std::nullopt);
}

TEST(NumberPattern, StarsAndQuestionMarksStandForDigitsOnly)
{
    EXPECT_TRUE(NumberMatches("0191*", "0191011"));
    EXPECT_TRUE(NumberMatches("0191*", "0191"));
    EXPECT_TRUE(NumberMatches("*011", "0191011"));
    EXPECT_TRUE(NumberMatches("01?1*1", "0191011"));
    EXPECT_FALSE(NumberMatches("01?1", "0191011"));
    EXPECT_FALSE(NumberMatches("*", "##########"));
    EXPECT_FALSE(NumberMatches("*", "*70"));
    EXPECT_TRUE(NumberMatches("*", ""));
    EXPECT_FALSE(IsNumberPattern("01a*"));
    EXPECT_FALSE(IsNumberPattern(""));
    // Forty stars before a digit the number lacks: a matcher that tries every
    // split would never end.
    EXPECT_FALSE(NumberMatches(std::string(40, '*') + "5", std::string(40, '1')));
}

}  // namespace
}  // namespace kellvar
