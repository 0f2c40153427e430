// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/formatting.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <string>

namespace kellvar {
namespace {

struct ClockCase {
    int64_t hundredths;
    const char* text;
};

class FormatClockTest : public ::testing::TestWithParam<ClockCase> {};

TEST_P(FormatClockTest, WritesHoursMinutesSecondsHundredths)
{
    EXPECT_EQ(FormatClock(GetParam().hundredths), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Values, FormatClockTest,
                         ::testing::Values(ClockCase{0, "00:00:00.00"}, ClockCase{99, "00:00:00.99"},
                                           ClockCase{6'000, "00:01:00.00"}, ClockCase{4'523'456, "12:33:54.56"},
                                           ClockCase{8'639'999, "23:59:59.99"}, ClockCase{9 * 360'000, "09:00:00.00"},
                                           ClockCase{36'000'000, "100:00:00.00"},
                                           ClockCase{123 * 360'000, "123:00:00.00"},
                                           ClockCase{int64_t{1} << 31, "5965:13:56.48"}),
                         [](const auto& info) {
                             // Named after the text it gives: "12_33_54_56".
                             std::string name = info.param.text;
                             std::replace_if(
                                 name.begin(), name.end(), [](char c) { return c == ':' || c == '.'; }, '_');
                             return name;
                         });

struct PrefixedCase {
    const char* name;
    double value;
    const char* separator;
    const char* text;
};

class FormatPrefixedTest : public ::testing::TestWithParam<PrefixedCase> {};

TEST_P(FormatPrefixedTest, UsesBinaryPrefixesAboveTenUnits)
{
    const PrefixedCase& c = GetParam();
    EXPECT_EQ(FormatPrefixed(100, c.value, c.separator), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, FormatPrefixedTest,
    ::testing::Values(
        PrefixedCase{"zero", 0, ".", "0"}, PrefixedCase{"tie_rounds_down_to_even", 0.125, ".", "0.12"},
        PrefixedCase{"tie_rounds_up_to_even", 0.375, ".", "0.38"}, PrefixedCase{"plain", 512, ".", "512"},
        PrefixedCase{"two_decimals", 3'520.55, ".", "3520.55"},
        PrefixedCase{"exactly_ten_kilo_stays", 10'240, ".", "10240"},
        PrefixedCase{"above_ten_kilo", 10'241, ".", "10K"}, PrefixedCase{"kilo", 12'345, ".", "12.06K"},
        PrefixedCase{"german_comma", 12'345, ",", "12,06K"}, PrefixedCase{"large_kilo", 1'536'000, ".", "1500K"},
        PrefixedCase{"exactly_ten_mega_stays_kilo", 10'485'760, ".", "10240K"},
        PrefixedCase{"mega", 10'485'761, ".", "10M"}, PrefixedCase{"mega_decimals", 20'000'000, ".", "19.07M"},
        PrefixedCase{"largest_int32", 2'147'483'647, ".", "2048M"}, PrefixedCase{"giga", 20.0 * (1 << 30), ".", "20G"},
        PrefixedCase{"exa", 11.0 * 1152921504606846976.0, ".", "11E"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FormatPrefixed, ScaleZeroIsPlainFloatText)
{
    EXPECT_EQ(FormatPrefixed(0, 12'345.678, "."), "12345.678");
}

TEST(FloatText, ShortestFixedNotation)
{
    EXPECT_EQ(FloatText(115200, "."), "115200");
    EXPECT_EQ(FloatText(0, "."), "0");
    EXPECT_EQ(FloatText(-0.0, "."), "0");
    EXPECT_EQ(FloatText(34.44, ","), "34,44");
    EXPECT_EQ(FloatText(2955 * 0.01, "."), "29.55") << "at most 15 significant digits hide the binary fraction";
    EXPECT_EQ(FloatText(-1.5, "."), "-1.5");
    EXPECT_EQ(FloatText(999'999'999'999.99, "."), "999999999999.99");
    EXPECT_EQ(FloatText(1e20, "."), "100000000000000000000") << "no exponent notation even out of range";
}

// The shortcut for whole hundredths must print what printf's %.15g prints,
// also for values one step off the nearest double, as x * 0.01 gives them.
TEST(FloatText, HundredthsAsPrintfWritesThem)
{
    const auto printed = [](double value) {
        std::array<char, 64> text{};
        std::snprintf(text.data(), text.size(), "%.15g", value);
        return std::string(text.data());
    };
    int offByAStep = 0;
    const auto hundredths = [](int64_t n) {
        std::array<char, HundredthsRoom + 1> text{};
        return std::string(text.data(), WriteHundredths(text.data(), n, "."));
    };
    for (int64_t n = -100'000; n < 1'000'000; n += n < 0 ? 7 : 1) {
        const double scaled = static_cast<double>(n) * 0.01;
        offByAStep += scaled != static_cast<double>(n) / 100;
        ASSERT_EQ(FloatText(scaled, "."), printed(scaled)) << n;
        ASSERT_EQ(hundredths(n), printed(scaled)) << n;
    }
    for (const int64_t n : {int64_t{2'147'483'647}, int64_t{-2'147'483'647} - 1, int64_t{999'999'999'999'999}})
        EXPECT_EQ(hundredths(n), printed(static_cast<double>(n) * 0.01)) << n;
    for (int64_t n = 1; n < 100'000'000'000'000; n = n * 3 + 1) {
        for (const double value : {static_cast<double>(n) * 0.01, std::nextafter(static_cast<double>(n) / 100, 0.0),
                                   std::nextafter(static_cast<double>(n) / 100, 1e300)})
            ASSERT_EQ(FloatText(value, "."), printed(value)) << n;
    }
    EXPECT_GT(offByAStep, 100'000) << "the loop must reach the values off the nearest double";
}

// Nothing of a name from a file moves a terminal's cursor or retitles it.
TEST(VisibleText, ControlCharactersAreShownAsEscapes)
{
    EXPECT_EQ(VisibleText("a\x1b]0;owned\x07"
                          "b\tc\x7f"),
              "a\\x1b]0;owned\\x07b\\x09c\\x7f");
    EXPECT_EQ(VisibleText("\xc2\x9b"
                          "31m"),
              "\\x9b"
              "31m")
        << "a C1 control in UTF-8";
    EXPECT_EQ(VisibleText("Grüße \xc2\xa0€"), "Grüße \xc2\xa0€") << "other UTF-8 stays";
}

TEST(WriteStampText, DayFirstWithoutPadding)
{
    const auto stamp = [](const TDateParts& parts, int32_t time) {
        std::array<char, StampTextRoom> text{};
        return std::string(text.data(), WriteStampText(text.data(), parts, time));
    };
    EXPECT_EQ(stamp({2000, 1, 5}, 4'523'456), "5.1.2000-12:33:54.56");
    EXPECT_EQ(stamp({}, 0), "0.0.0-00:00:00.00");
    // Parts as a log can give them: every width of year, and values no calendar has.
    EXPECT_EQ(stamp({1999, 12, 31}, 8'639'999), "31.12.1999-23:59:59.99");
    EXPECT_EQ(stamp({20, 10, 9}, 0), "9.10.20-00:00:00.00");
    EXPECT_EQ(stamp({999, 99, 100}, 0), "100.99.999-00:00:00.00");
    EXPECT_EQ(stamp({10'000, -1, 0}, 0), "0.-1.10000-00:00:00.00");
    EXPECT_EQ(stamp({-2147483647 - 1, 1, 1}, 0), "1.1.-2147483648-00:00:00.00");
}

}  // namespace
}  // namespace kellvar
