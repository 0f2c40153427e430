// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/machinetext.h"

#include <gtest/gtest.h>

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
