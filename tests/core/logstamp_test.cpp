// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/logstamp.h"

#include <gtest/gtest.h>

namespace kellvar {
namespace {

struct IntegerCase {
    const char* name;
    const char* text;
    bool reads;
    int32_t value;
};

class ReadIntegerTest : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(ReadIntegerTest, ReadsOnlyWholeIntegers)
{
    const IntegerCase& c = GetParam();
    int32_t value = 4711;
    EXPECT_EQ(ReadInteger(c.text, value), c.reads);
    EXPECT_EQ(value, c.reads ? c.value : 4711) << "a failed read leaves the value alone";
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadIntegerTest,
    ::testing::Values(IntegerCase{"plain", "115200", true, 115200}, IntegerCase{"leading_blanks", "  42", true, 42},
                      IntegerCase{"plus_sign", "+7", true, 7}, IntegerCase{"minus_sign", "-12", true, -12},
                      IntegerCase{"largest", "2147483647", true, 2147483647},
                      IntegerCase{"smallest", "-2147483648", true, INT32_MIN},
                      IntegerCase{"one_past_largest", "2147483648", false, 0},
                      IntegerCase{"one_past_smallest", "-2147483649", false, 0},
                      IntegerCase{"trailing_blank", "12 ", false, 0}, IntegerCase{"trailing_letter", "12a", false, 0},
                      IntegerCase{"empty", "", false, 0}, IntegerCase{"only_blanks", "   ", false, 0},
                      IntegerCase{"only_sign", "-", false, 0}, IntegerCase{"hexadecimal", "0x10", false, 0},
                      IntegerCase{"digit_then_dot", "3.", false, 0},
                      IntegerCase{"nine_digits", "999999999", true, 999'999'999},
                      IntegerCase{"ten_digits_with_zeros_in_front", "0000000042", true, 42},
                      IntegerCase{"letter_after_digits", "12345678x", false, 0}),
    [](const auto& info) { return std::string(info.param.name); });

struct StampCase {
    const char* name;
    const char* line;
    int32_t dateKey;
    int32_t timeOfDay;
};

class LogStampTest : public ::testing::TestWithParam<StampCase> {};

TEST_P(LogStampTest, ReadsDateKeyAndTimeOfDay)
{
    const StampCase& c = GetParam();
    TDateParts parts;
    EXPECT_EQ(ParseLogDate(LineDateText(c.line), parts), c.dateKey);
    EXPECT_EQ(ParseLogTime(LineTimeText(c.line)), c.timeOfDay);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, LogStampTest,
    ::testing::Values(StampCase{"last_moment_of_1999", "12-31-1999 23:59:59.99 - Dialing", 743'999, 8'639'999},
                      StampCase{"three_digit_fraction_reads_hundredths", "10-19-2007 07:22:23.727 - x",
                                2007 * 372 + 9 * 31 + 18, 7 * 360'000 + 22 * 6'000 + 2'300 + 72},
                      StampCase{"letters_in_month", "ab-12-2000 10:00:00.00 - x", 0, 3'600'000},
                      StampCase{"letter_in_minutes", "01-12-2000 12:3x:00.00 - x", 2000 * 372 + 11, 0},
                      StampCase{"next_byte_after_nine_in_seconds", "01-12-2000 12:30:0:.00 - x", 2000 * 372 + 11, 0},
                      StampCase{"high_byte_in_hours", "01-12-2000 1\xB9:00:00.00 - x", 2000 * 372 + 11, 0},
                      StampCase{"letter_in_hundredths", "01-12-2000 12:30:00.0x - x", 2000 * 372 + 11, 0},
                      StampCase{"midnight_is_no_time", "01-01-2000 00:00:00.00 - x", 2000 * 372, 0},
                      StampCase{"separators_are_not_checked", "01/05/2000_10x00x00x00", 2000 * 372 + 4, 3'600'000},
                      StampCase{"line_ends_before_the_year", "01-05-", 0, 0},
                      StampCase{"short_year_still_reads", "01-05-20", 20 * 372 + 4, 0},
                      StampCase{"empty_line", "", 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

// A run's reader keeps the date last read; each line still reads as it
// would alone, a broken date after a good one included.
TEST(StampReader, ReadsEachLineAsItWouldAlone)
{
    struct {
        const char* line;
        TLineStamp stamp;
    } const lines[] = {
        {"01-05-2000 10:00:00.00 - a", {{2000 * 372 + 4, 3'600'000}, {2000, 1, 5}}},
        {"01-05-2000 10:00:01.50 - a", {{2000 * 372 + 4, 3'600'150}, {2000, 1, 5}}},
        {"01-1x-2000 10:00:00.00 - a", {{0, 3'600'000}, {0, 1, 0}}},
        {"01-05-2000 23:59:59.99 - a", {{2000 * 372 + 4, 8'639'999}, {2000, 1, 5}}},
        {"01-05-2000 1x:00:00.00 - a", {{2000 * 372 + 4, 0}, {2000, 1, 5}}},
        {"01-05-2000 1", {{2000 * 372 + 4, 0}, {2000, 1, 5}}},
        {"01-06-2000 10:00:00.004 - a", {{2000 * 372 + 5, 3'600'000}, {2000, 1, 6}}},
        {"", {{0, 0}, {0, 0, 0}}},
        {"01-06-2000 00:00:00.01 - a", {{2000 * 372 + 5, 1}, {2000, 1, 6}}},
    };
    TStampReader reader;
    for (const auto& [line, stamp] : lines) {
        const TLineStamp read = reader.Read(line);
        EXPECT_EQ(read.At, stamp.At) << line;
        EXPECT_EQ(read.Parts, stamp.Parts) << line;
    }
}

TEST(LogStamp, DateParts)
{
    TDateParts parts;
    ParseLogDate("01-05-2000", parts);
    EXPECT_EQ(parts, (TDateParts{2000, 1, 5}));
}

TEST(LogStamp, DateKeysOrderDates)
{
    TDateParts parts;
    const int32_t lastOfJanuary = ParseLogDate("01-31-2000", parts);
    const int32_t firstOfFebruary = ParseLogDate("02-01-2000", parts);
    const int32_t newYear = ParseLogDate("01-01-2001", parts);
    EXPECT_LT(lastOfJanuary, firstOfFebruary);
    EXPECT_LT(ParseLogDate("12-31-2000", parts), newYear);
}

TEST(TimeSpan, CrossesMidnightWhenNotLater)
{
    EXPECT_EQ(TimeSpan(100, 350), 250);
    EXPECT_EQ(TimeSpan(ParseLogTime("23:59:50.00"), ParseLogTime("00:00:10.00")), 2'000);
    EXPECT_EQ(TimeSpan(4'523'456, 4'523'456), 8'640'000) << "equal times are a whole day";
}

}  // namespace
}  // namespace kellvar
