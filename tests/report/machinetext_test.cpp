// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/machinetext.h"

#include "tests/support/xorshift.h"

#include <gtest/gtest.h>

#include <charconv>
#include <string>
#include <vector>

namespace kellvar {
namespace {

TEST(MachineText, ExactHundredths)
{
    EXPECT_EQ(HundredthsDecimal(534'001), "5340.01");
    EXPECT_EQ(HundredthsDecimal(5), "0.05");
    EXPECT_EQ(HundredthsDecimal(-105), "-1.05");
    EXPECT_EQ(HundredthsDecimal(int64_t{1} << 40), "10995116277.76");
}

TEST(MachineText, IsoStamps)
{
    EXPECT_EQ(IsoStamp(1, {2000, 1, 3}, 5'047'749), "2000-01-03T14:01:17.49");
    EXPECT_EQ(IsoStamp(1, {2000, 12, 31}, 0), "2000-12-31T00:00:00.00");
    EXPECT_EQ(IsoStamp(1, {812, 1, 3}, 0), "0812-01-03T00:00:00.00");
    EXPECT_EQ(IsoStamp(1, {12'345, 1, 3}, 0), "12345-01-03T00:00:00.00");
    EXPECT_EQ(IsoStamp(0, {2000, 1, 3}, 100), "") << "a date that could not be read";
    EXPECT_EQ(IsoStamp(1, {2000, 1, 3}, -5), "2000-01-03T00:00:00.00") << "a time below 0 is no time";
    EXPECT_EQ(IsoStamp(1, {-1, -2, 3}, 100 * 360'000 + 1), "0000-00-03T100:00:00.01");
}

TEST(MachineText, ShortestNumbers)
{
    EXPECT_EQ(ShortestNumber(12'482'301'111'638.0), "12482301111638") << "a stamp's sort key";
    EXPECT_EQ(ShortestNumber(913'223.68), "913223.68");
    EXPECT_EQ(ShortestNumber(3804.9), "3804.9");
    EXPECT_EQ(ShortestNumber(0.05), "0.05");
    EXPECT_EQ(ShortestNumber(-1.5), "-1.5");
    EXPECT_EQ(ShortestNumber(36'000'000.0), "3.6e+07") << "shorter than 36000000";
    EXPECT_EQ(ShortestNumber(100'000.0), "1e+05");
    EXPECT_EQ(ShortestNumber(10'000.0), "10000") << "as long as 1e+04: fixed";
    EXPECT_EQ(ShortestNumber(0.0), "0");
    EXPECT_EQ(ShortestNumber(-0.0), "-0");
    EXPECT_EQ(ShortestNumber(0.1 + 0.2), "0.30000000000000004") << "no number of hundredths";
    EXPECT_EQ(ShortestNumber(1e300), "1e+300");
    EXPECT_EQ(ShortestNumber(9'007'199'254'740'993.0), "9007199254740992") << "2^53 and above: no longer exact";
}

// Sort keys of every kind beside the standard library's own shortest text,
// which the fast path must equal byte for byte.
TEST(MachineText, ShortestNumbersAreTheStandardLibrarys)
{
    const auto standard = [](double value) {
        char text[40];
        return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
    };
    testing::XorShift random(88172645463325252u);
    std::vector<double> values = {
        1e15 / 100 - 0.01, 1e15 / 100, 1e15 / 100 + 0.01, 9'007'199'254'740'991.0, 0.01, 0.99, 1e-5, 123e20};
    for (int i = 0; i < 200'000; ++i) {
        const uint64_t bits = random.Next();
        const double magnitude = static_cast<double>(bits % 1'000'000'000'000'000u);
        const int kind = static_cast<int>(bits >> 60) % 5;
        const double value = kind == 0   ? magnitude / 100
                             : kind == 1 ? magnitude
                             : kind == 2 ? magnitude / 100 * 1024 / 1000
                             : kind == 3 ? static_cast<double>(bits % 100'000) * 1000
                                         : -static_cast<double>(bits % 1'000'000) / 100;
        values.push_back(value);
    }
    for (const double value : values)
        ASSERT_EQ(ShortestNumber(value), standard(value)) << std::hexfloat << value;
}

TEST(MachineText, OnlyRealCalendarDates)
{
    TDateParts parts;
    EXPECT_TRUE(ParseIsoDate("2000-02-29", parts));
    EXPECT_EQ(parts, (TDateParts{2000, 2, 29}));
    for (const char* bad : {"1900-02-29", "2000-02-30", "2000-13-01", "2000-00-10", "2000-1-01", "2000-01-01x",
                            "20000101", "", "2000-04-31"})
        EXPECT_FALSE(ParseIsoDate(bad, parts)) << bad;
}

TEST(MachineText, CsvFieldsQuotedOnlyWhenNeeded)
{
    EXPECT_EQ(CsvField("2000-01"), "2000-01");
    EXPECT_EQ(CsvField("a,b"), "\"a,b\"");
    EXPECT_EQ(CsvField("say \"hi\""), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(CsvField("a\rb"), "\"a\rb\"");
    EXPECT_EQ(CsvField("a\nb"), "\"a\nb\"");
}

// A name a spreadsheet would run as a formula is led by an apostrophe; a
// number stays a number, whatever its sign.
TEST(MachineText, CsvTextsAreNoFormulas)
{
    const TFields fields = {TextField("a", "=HYPERLINK(\"x\")"), TextField("b", "+1"),       TextField("c", "-2"),
                            TextField("d", "@SUM(A1)"),          TextField("e", "\tx"),      TextField("f", "\rx"),
                            TextField("g", "plain=1"),           DecimalField("h", "-1.50"), IntegerField("i", -3)};
    EXPECT_EQ(CsvLine(fields, false), "\"'=HYPERLINK(\"\"x\"\")\",'+1,'-2,'@SUM(A1),'\tx,\"'\rx\",plain=1,-1.50,-3\n");
}

}  // namespace
}  // namespace kellvar
