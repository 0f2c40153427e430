// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/numberpattern.h"
#include "history/numberfigures.h"

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
