// SPDX-License-Identifier: GPL-3.0-or-later
// Costs worked out by hand, unit by unit, for the tariffs written here.
#include "core/calendar.h"
#include "core/tariffs.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdio>
#include <string>

namespace kellvar {
namespace {

// Day units of 60 s on working days 09:00-18:00, 240 s on weekends and
// holidays, 90 s at all other times; 0.12 DM a unit.
constexpr const char* UnitTariff = R"(# late-1990s units
name Test units
currency DM 2
holidays 01-01 easter-2 easter+1 12-25
unit 90 0.12
unit 60 0.12 on monday..friday at 09:00..18:00
unit 240 0.12 on saturday,sunday,holiday
)";

// Per minute with a fee, a minimum, a first block, a cheaper rate after ten
// minutes, and new prices from July 1999.
constexpr const char* CallByCall = R"(name Test call by call
currency DM 2
numbers 01019*
fee 0.06
minimum 0.20
first 60 0.10
unit 60 0.03
unit 60 0.01 after 600

valid from 1999-07-01
unit 60 0.02
)";

TTariff Parsed(const char* text)
{
    auto parsed = ParseTariff(text, "test.tariff");
    if (const auto* error = std::get_if<TTariffError>(&parsed))
        ADD_FAILURE() << error->Message;
    return std::get<TTariff>(std::move(parsed));
}

TConnectionRecord Connection(int32_t year, int32_t month, int32_t day, int32_t hours, int32_t minutes, int32_t seconds,
                             int32_t durationSeconds)
{
    TConnectionRecord record;
    record.ConnectDateParts = {year, month, day};
    record.ConnectDate = DateKeyOf(year, month, day);
    record.ConnectTime = static_cast<int32_t>(TimeOfDayValue(hours, minutes, seconds, 0));
    record.ConnectionDuration = durationSeconds * 100;
    return record;
}

struct TPricedCase {
    const char* What;
    const char* Tariff;
    TConnectionRecord Record;
    int64_t Pfennig;
};

class TariffCostTest : public testing::TestWithParam<TPricedCase> {};

TEST_P(TariffCostTest, CostsWhatTheUnitsAddUpTo)
{
    EXPECT_EQ(Parsed(GetParam().Tariff).Cost(GetParam().Record), GetParam().Pfennig) << GetParam().What;
}

INSTANTIATE_TEST_SUITE_P(
    HandChecked, TariffCostTest,
    testing::Values(
        // 1 March 1999 was a Monday. 61 s from 17:59:30: a day unit, then a
        // second unit that starts at 18:00:30 in the evening.
        TPricedCase{"band edge, unit begun before it", UnitTariff, Connection(1999, 3, 1, 17, 59, 30, 61), 24},
        TPricedCase{"band edge, unit begun after it", UnitTariff, Connection(1999, 3, 1, 18, 0, 0, 61), 12},
        // A band holds from its own first minute: two day units of 60 s.
        TPricedCase{"a band's first minute", UnitTariff, Connection(1999, 3, 1, 9, 0, 0, 61), 24},
        // Friday 23:58: units at 23:58:00 and 23:59:30 (90 s), then Saturday
        // units at 00:01:00 and 00:05:00 (240 s) up to 00:08:00.
        TPricedCase{"Friday into Saturday", UnitTariff, Connection(1999, 3, 5, 23, 58, 0, 600), 48},
        TPricedCase{"Easter Monday 5 April 1999", UnitTariff, Connection(1999, 4, 5, 10, 0, 0, 300), 24},
        TPricedCase{"a working Monday a week later", UnitTariff, Connection(1999, 4, 12, 10, 0, 0, 300), 60},
        TPricedCase{"Good Friday 2 April 1999", UnitTariff, Connection(1999, 4, 2, 10, 0, 0, 300), 24},
        TPricedCase{"New Year's Day, a Friday", UnitTariff, Connection(1999, 1, 1, 12, 0, 0, 241), 24},
        TPricedCase{"90 s of 90-second units", UnitTariff, Connection(1999, 3, 1, 20, 0, 0, 90), 12},
        TPricedCase{"91 s of 90-second units", UnitTariff, Connection(1999, 3, 1, 20, 0, 0, 91), 24},
        // Fee 0.06 and first minute 0.10 make 0.16, below the minimum.
        TPricedCase{"below the minimum", CallByCall, Connection(1999, 3, 1, 20, 0, 0, 30), 20},
        // 0.06 + 0.10 + units at 60, 120 and 180 s.
        TPricedCase{"first block, fee and units", CallByCall, Connection(1999, 3, 1, 20, 0, 0, 200), 25},
        // 0.16 + nine units from 60 to 540 s at 0.03 + two from 600 s at 0.01.
        TPricedCase{"cheaper after ten minutes", CallByCall, Connection(1999, 3, 1, 20, 0, 0, 700), 45},
        TPricedCase{"connected on the old prices' last day", CallByCall, Connection(1999, 6, 30, 23, 59, 0, 120), 20},
        TPricedCase{"connected on the new prices' first day", CallByCall, Connection(1999, 7, 1, 0, 0, 0, 120), 4},
        // Two units of 0.0125 make 0.025, rounded half up.
        TPricedCase{"rounded half up to the cent", "currency EUR 2\nunit 60 0.0125\n",
                    Connection(2001, 5, 2, 9, 0, 0, 120), 3}));

// Connections the log closed: hang-up minus connect is what a tariff
// charges. One hung up in its connect's hundredth (86,400 s by the table's
// rule) or a second before it (a clock set back) was online no time.
TConnectionRecord HungUp(TConnectionRecord record, int32_t year, int32_t month, int32_t day, int32_t hours,
                         int32_t minutes, int32_t seconds)
{
    record.HangUpDateParts = {year, month, day};
    record.HangUpDate = DateKeyOf(year, month, day);
    record.HangUpTime = static_cast<int32_t>(TimeOfDayValue(hours, minutes, seconds, 0));
    return record;
}

TEST(TariffCost, TheTimeOnlineIsHangUpMinusConnect)
{
    const TTariff perMinute = Parsed("currency EUR 2\nunit 60 0.01\n");
    const TConnectionRecord noon = Connection(2000, 3, 1, 12, 0, 0, 86'400);
    EXPECT_EQ(perMinute.Cost(HungUp(noon, 2000, 3, 1, 12, 0, 0)), 0) << "no time: no unit";
    EXPECT_EQ(perMinute.Cost(HungUp(noon, 2000, 3, 1, 11, 59, 59)), 0) << "a clock set back";
    EXPECT_EQ(perMinute.Cost(noon), 1440) << "without a hang-up date, the table's time: 1,440 minutes";
    // 23:59:00 to 00:01:30 the next day: 150 s, three minutes begun.
    EXPECT_EQ(perMinute.Cost(HungUp(Connection(2000, 3, 1, 23, 59, 0, 150), 2000, 3, 2, 0, 1, 30)), 3);
    // Fee 0.06 and first block 0.10 make 0.16, below the minimum of 0.20.
    EXPECT_EQ(Parsed(CallByCall).Cost(HungUp(Connection(1999, 3, 1, 12, 0, 0, 86'400), 1999, 3, 1, 12, 0, 0)), 20);
    const TTariffs tariffs([] {
        std::vector<TTariff> files;
        files.push_back(Parsed("currency EUR 2\nunit 60 0.01\n"));
        return files;
    }());
    EXPECT_TRUE(tariffs.Price(HungUp(noon, 2000, 3, 1, 12, 0, 0))->NoTimeOnline);
    EXPECT_FALSE(tariffs.Price(noon)->NoTimeOnline);
}

TEST(TariffCost, NoneWithoutACalendarDateOrBeforeAnyPrices)
{
    const TTariff tariff = Parsed("currency EUR 2\nvalid from 2001-01-01\nunit 60 0.05\n");
    EXPECT_EQ(tariff.Cost(Connection(2000, 12, 31, 12, 0, 0, 60)), std::nullopt);
    EXPECT_EQ(tariff.Cost(Connection(2001, 2, 30, 12, 0, 0, 60)), std::nullopt);
    EXPECT_EQ(tariff.Cost(Connection(2001, 1, 1, 12, 0, 0, 60)), 5);
}

TEST(TariffCost, AConnectionOfMonthsCostsItsUnitsWithoutALoopPerUnit)
{
    // 100 days of 1-second units at 0.000001: 8,640,000 units make 8.64.
    const TTariff tariff = Parsed("currency EUR 2\nunit 1 0.000001\nunit 1 0.000001 at 09:00..17:00\n");
    TConnectionRecord record = Connection(2001, 1, 1, 0, 0, 0, 0);
    record.ConnectionDuration = 100 * HundredthsPerDay;
    EXPECT_EQ(tariff.Cost(record), 864);
}

TEST(TariffAmountText, HasTheCurrencysDecimals)
{
    EXPECT_EQ(Parsed("currency DM 2\nunit 60 1\n").AmountText(5), "0.05");
    EXPECT_EQ(Parsed("currency DM 2\nunit 60 1\n").AmountText(1234), "12.34");
    EXPECT_EQ(Parsed("currency ITL 0\nunit 60 1\n").AmountText(127), "127");
}

// A code stands unquoted in CSV and the table: letters, digits and $ only,
// up to eight of them.
TEST(TariffCurrency, CodesOfLettersDigitsAndDollarOnly)
{
    for (const char* code : {"AZaz09$", "Z", "a", "z0", "9ABCDEFG"})
        EXPECT_EQ(Parsed(("currency " + std::string(code) + " 2\nunit 60 1\n").c_str()).Currency(), code);
    for (const char* code : {"A/", "A:", "@", "A[", "A`", "{", "\xC2\xA3", "ABCDEFGHI"}) {
        const auto parsed = ParseTariff("currency " + std::string(code) + " 2\nunit 60 1\n", "t.txt");
        EXPECT_TRUE(std::holds_alternative<TTariffError>(parsed)) << code;
    }
}

// Means are rounded half up, as each connection's cost is:
// 5 / 2 = 2.5 gives 3, 7 / 3 = 2.33 gives 2; one unit over two hours
// is half a unit an hour, which gives 1.
TEST(CostSums, MeansRoundHalfUp)
{
    TCostSums sums;
    sums.Amount = 5;
    sums.Priced = 2;
    sums.PricedHundredths = 720'000;
    EXPECT_EQ(sums.MeanPerConnection(), 3);
    sums.Amount = 7;
    sums.Priced = 3;
    EXPECT_EQ(sums.MeanPerConnection(), 2);
    sums.Amount = 1;
    EXPECT_EQ(sums.PerHour(), 1);
    EXPECT_EQ(TCostSums{}.MeanPerConnection(), std::nullopt) << "no mean of nothing priced";
}

// "?" is one digit, "*" any digits, nothing else.
TEST(Tariffs, PatternsOfDigits)
{
    const TTariff tariff = Parsed("numbers 019?1* 0800\ncurrency DM 2\nunit 60 1\n");
    EXPECT_TRUE(tariff.CoversNumber("01911"));
    EXPECT_TRUE(tariff.CoversNumber("0195123"));
    EXPECT_FALSE(tariff.CoversNumber("0191")) << "? wants a digit";
    EXPECT_FALSE(tariff.CoversNumber("019#1"));
    EXPECT_TRUE(tariff.CoversNumber("0800"));
    EXPECT_FALSE(tariff.CoversNumber("08001"));
    EXPECT_FALSE(tariff.CoversNumber("##########")) << "a hidden number";
}

TEST(Tariffs, TheFirstFileWhoseNumbersMatchElseTheOneThatNamesNone)
{
    std::vector<TTariff> files;
    files.push_back(Parsed(CallByCall));                                               // 01019*
    files.push_back(Parsed("name Wider\nnumbers 0101*\ncurrency DM 2\nunit 60 1\n"));  // 0101*
    files.push_back(Parsed(UnitTariff));                                               // no numbers
    const TTariffs tariffs(std::move(files));
    EXPECT_EQ(tariffs.For("0101912345")->Name(), "Test call by call") << "matched by two files: the first";
    EXPECT_EQ(tariffs.For("0101812345")->Name(), "Wider");
    EXPECT_EQ(tariffs.For("0301234")->Name(), "Test units");
    EXPECT_EQ(tariffs.For("")->Name(), "Test units") << "no dial command, as in the All-Time-Log";
    EXPECT_EQ(tariffs.For("0101912345;")->Name(), "Test units") << "* stands for digits only";

    std::vector<TTariff> numbered;
    numbered.push_back(Parsed(CallByCall));
    EXPECT_EQ(TTariffs(std::move(numbered)).For("0301234"), nullptr);
}

struct TBadTariff {
    const char* Text;
    const char* Message;
};

class TariffErrorTest : public testing::TestWithParam<TBadTariff> {};

TEST_P(TariffErrorTest, NamesTheFileAndLine)
{
    const auto parsed = ParseTariff(GetParam().Text, "t.txt");
    ASSERT_TRUE(std::holds_alternative<TTariffError>(parsed));
    EXPECT_EQ(std::get<TTariffError>(parsed).Message, GetParam().Message);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, TariffErrorTest,
    testing::Values(
        TBadTariff{"currency DM 2\nunit 60 0.1\nunit 60 0.2 on mondy\n", "t.txt:3: unknown weekday \"mondy\""},
        TBadTariff{"currency DM 2\nunit 60 0.1\nunit 60 0.2 on 13-01\n", "t.txt:3: unknown date \"13-01\""},
        TBadTariff{"currency DM 2\nunit 60 0.1 at 21:00..25:00\n",
                   "t.txt:2: unknown time band \"21:00..25:00\": write it as 21:00..05:00"},
        TBadTariff{"currency DM 2\n# a comment\nunit 60 0.1 on monday\n",
                   "t.txt:3: the first unit of a period must hold at all times: give it no on, at or after"},
        TBadTariff{"currency DM 2\nunit 60 -0.1\n", "t.txt:2: unit: \"-0.1\" is negative: an amount is 0 or more"},
        TBadTariff{"currency DM 2\nunit 0 0.1\n",
                   "t.txt:2: unit: \"0\" is no length: give whole seconds from 1 to 31622400"},
        TBadTariff{"currency DM 2\nunit 1.5 0.1\n",
                   "t.txt:2: unit: \"1.5\" is no length: give whole seconds from 1 to 31622400"},
        TBadTariff{"currency DM 2\nunit 60 0.1234567\n", "t.txt:2: unit: \"0.1234567\" has more than 6 decimals"},
        TBadTariff{"currency DM 2\nunit 60 2000000000\n",
                   "t.txt:2: unit: \"2000000000\" is too large: an amount is at most 1000000"},
        TBadTariff{"currency DM 2\nfee 1000000.01\nunit 60 1\n",
                   "t.txt:2: fee: \"1000000.01\" is too large: an amount is at most 1000000"},
        TBadTariff{"currency DM 2\nunit 60 0.1\ncurrency EUR 2\n", "t.txt:3: a second \"currency\": say it once"},
        TBadTariff{"name A\ncurrency DM 2\nname B\nunit 60 1\n", "t.txt:3: a second \"name\": say it once"},
        TBadTariff{"currency DM 2\nfee 0.1\nunit 60 1\nfee 0.2\n",
                   "t.txt:4: a second \"fee\" in one period: say it once"},
        TBadTariff{"currency DM 2\nfirst 60 1\nfirst 30 1\nunit 60 1\n",
                   "t.txt:3: a second \"first\" in one period: say it once"},
        TBadTariff{"currency DM 2\n", "t.txt: no unit price: give one, as in \"unit 60 0.05\""},
        TBadTariff{"currency DM 2\nfee 0.1\nvalid from 1999-01-01\nunit 60 1\n",
                   "t.txt:2: no unit price: give one, as in \"unit 60 0.05\""},
        TBadTariff{"currency DM 2\nnumbers 0191* 01a9*\nunit 60 1\n",
                   "t.txt:2: \"01a9*\" is no number pattern: use digits, * for any digits and ? for one"},
        TBadTariff{"name Gr\xFC"
                   "e\ncurrency DM 2\nunit 60 1\n",
                   "t.txt:1: byte 0xFC at column 8 is not UTF-8: save the file as UTF-8"},
        TBadTariff{"currency DM\n", "t.txt:1: currency wants a code and its number of decimals (0 to 6), as in "
                                    "\"currency DM 2\""},
        TBadTariff{"currency \"DM\" 2\n", "t.txt:1: currency wants a code and its number of decimals (0 to 6), as "
                                          "in \"currency DM 2\""},
        TBadTariff{"unit 60 0.1\n", "t.txt: no currency: name it, as in \"currency EUR 2\""},
        TBadTariff{"currency DM 2\nfee 0.1\n", "t.txt:2: no unit price: give one, as in \"unit 60 0.05\""},
        TBadTariff{"currency DM 2\nvalid from 1999-07-01\nunit 60 1\nvalid from 1999-01-01\n",
                   "t.txt:4: periods must follow each other in time"},
        TBadTariff{"currency DM 2\nunit 60 1\ntarif 5\n", "t.txt:3: unknown declaration \"tarif\""}));

TEST(TariffFile, AByteOrderMarkIsNoPartOfTheText)
{
    EXPECT_EQ(Parsed("\xEF\xBB\xBFname \xC3\x9C\ncurrency DM 2\nunit 60 1\n").Name(), "\xC3\x9C");
}

TEST(TariffFile, AFifoOrAMissingFileIsAnErrorAtOnce)
{
    const std::string fifo = testing::TempDir() + "kellvar-tariff-fifo";
    std::remove(fifo.c_str());
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_TRUE(std::holds_alternative<TTariffError>(ReadTariffFile(fifo)));
    std::remove(fifo.c_str());
    const auto missing = ReadTariffFile("/nonexistent/t.txt");
    ASSERT_TRUE(std::holds_alternative<TTariffError>(missing));
    EXPECT_EQ(std::get<TTariffError>(missing).Message.rfind("/nonexistent/t.txt: ", 0), 0u);
}

TEST(ShippedTariffs, ReadAndPriceAsTheirCommentsSay)
{
    const std::string folder = KELLVAR_SOURCE_DIR "/examples/tariffs/";
    const auto read = [&](const char* name) {
        auto tariff = ReadTariffFile(folder + name);
        if (const auto* error = std::get_if<TTariffError>(&tariff))
            ADD_FAILURE() << error->Message;
        return std::get<TTariff>(std::move(tariff));
    };
    EXPECT_EQ(read("per-minute.tariff").Cost(Connection(2003, 5, 5, 12, 0, 0, 61)), 4);
    // 100 s: two 90-second units on a working Monday, one 150-second unit on a
    // Saturday and on Whit Monday (1 June 1998, Easter + 50).
    const TTariff units = read("german-units-1998.tariff");
    EXPECT_EQ(units.Cost(Connection(1998, 3, 2, 10, 0, 0, 100)), 24);
    EXPECT_EQ(units.Cost(Connection(1998, 3, 7, 10, 0, 0, 100)), 12);
    EXPECT_EQ(units.Cost(Connection(1998, 6, 1, 10, 0, 0, 100)), 12);
    // Fee 0.05, the first minute 0.03, and minutes at 60 and 120 s at 0.03.
    const TTariff byCall = read("internet-by-call.tariff");
    EXPECT_EQ(byCall.Cost(Connection(2000, 1, 3, 12, 0, 0, 180)), 14);
    EXPECT_TRUE(byCall.CoversNumber("0191011"));
}

TEST(Calendar, EasterAndWeekdaysOfKnownYears)
{
    EXPECT_EQ(DateOfDayNumber(EasterSunday(1999)), (TDateParts{1999, 4, 4}));
    EXPECT_EQ(DateOfDayNumber(EasterSunday(2000)), (TDateParts{2000, 4, 23}));
    EXPECT_EQ(DateOfDayNumber(EasterSunday(2019)), (TDateParts{2019, 4, 21}));
    EXPECT_EQ(Weekday(DayNumber(1999, 3, 1)), 0) << "a Monday";
    EXPECT_EQ(Weekday(DayNumber(2000, 1, 1)), 5) << "a Saturday";
    EXPECT_TRUE(IsCalendarDate({2000, 2, 29}));
    EXPECT_FALSE(IsCalendarDate({1900, 2, 29}));
    EXPECT_TRUE(IsCalendarDate({2004, 2, 29}));
    EXPECT_FALSE(IsCalendarDate({2001, 2, 29}));
    EXPECT_FALSE(IsCalendarDate({2024, 4, 31}));
    EXPECT_TRUE(IsCalendarDate({2023, 12, 31}));
    EXPECT_FALSE(IsCalendarDate({2023, 12, 32}));
}

}  // namespace
}  // namespace kellvar
