// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/connectiontable.h"
#include "core/sortkeys.h"
#include "core/tariffs.h"

#include "tests/support/xorshift.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace kellvar {
namespace {

TEST(ParseStampText, ReadsDateAndTimeBack)
{
    const TStampKey key = ParseStampText("5.1.2000-12:33:54.56");
    EXPECT_EQ(key.DateKey, 2000 * 372 + 4);
    EXPECT_EQ(key.Time, 4'523'456);
    EXPECT_EQ(ParseStampText("0.0.0-00:00:00.00").DateKey, -32) << "a cleared date sorts first";
    EXPECT_EQ(ParseStampText("12:00:00.00").DateKey, -32) << "no dash: empty date part";
    EXPECT_EQ(ParseStampText("garbage").Time, 0);
}

struct PrefixedNumberCase {
    const char* name;
    const char* text;
    const char* separator;
    double value;
};

class ParsePrefixedNumberTest : public ::testing::TestWithParam<PrefixedNumberCase> {};

TEST_P(ParsePrefixedNumberTest, ReadsTheNumberAndItsPrefix)
{
    const PrefixedNumberCase& c = GetParam();
    EXPECT_DOUBLE_EQ(ParsePrefixedNumber(c.text, c.separator), c.value);
}

INSTANTIATE_TEST_SUITE_P(Texts, ParsePrefixedNumberTest,
                         ::testing::Values(PrefixedNumberCase{"kilo", "12.06Kbyte", ".", 12'349.44},
                                           PrefixedNumberCase{"plain_bytes", "2048byte", ".", 2'048},
                                           PrefixedNumberCase{"german_kilo", "12,06Kbyte", ",", 12'349.44},
                                           PrefixedNumberCase{"mega", "10.5Mbyte", ".", 10.5 * 1'048'576},
                                           PrefixedNumberCase{"kilo_rate", "12.06Kcps", ".", 12'349.44},
                                           PrefixedNumberCase{"no_number", "byte", ".", 0},
                                           PrefixedNumberCase{"only_digits", "2048", ".", 0},
                                           PrefixedNumberCase{"foreign_separator", "12.06Kbyte", ",", 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ReadLocaleFloat, AcceptsOnlyTheLocalesSeparator)
{
    double value = 0;
    EXPECT_TRUE(ReadLocaleFloat("34,44", ",", value));
    EXPECT_DOUBLE_EQ(value, 34.44);
    EXPECT_FALSE(ReadLocaleFloat("34.44", ",", value));
    EXPECT_FALSE(ReadLocaleFloat("1e5", ".", value));
    EXPECT_FALSE(ReadLocaleFloat("inf", ".", value));
    EXPECT_FALSE(ReadLocaleFloat("", ".", value));
    EXPECT_FALSE(ReadLocaleFloat("+", ".", value));
    EXPECT_TRUE(ReadLocaleFloat(" +3.5 ", ".", value)) << "blanks around, a plus sign";
    EXPECT_DOUBLE_EQ(value, 3.5);
    EXPECT_TRUE(ReadLocaleFloat("12\xd9\xab"
                                "5",
                                "\xd9\xab", value))
        << "Arabic's separator, two bytes";
    EXPECT_DOUBLE_EQ(value, 12.5);
    // Longer than any cell: 31 zeros, then 1,5 (34 bytes), and 32 bytes.
    EXPECT_TRUE(ReadLocaleFloat(std::string(31, '0') + "1,5", ",", value));
    EXPECT_DOUBLE_EQ(value, 1.5);
    EXPECT_TRUE(ReadLocaleFloat("-" + std::string(29, '0') + "2,5", ",", value));
    EXPECT_DOUBLE_EQ(value, -2.5);
}

// Texts of digits, signs, points, commas and blanks, read as the standard
// library reads the same text with "." for the separator and no "+": the
// short decimals that are read apart must come out the same to the bit.
TEST(ReadLocaleFloat, ReadsAsTheStandardLibraryDoes)
{
    const auto standard = [](std::string text, const std::string& sep, double& value) {
        while (!text.empty() && text.front() == ' ')
            text.erase(0, 1);
        while (!text.empty() && text.back() == ' ')
            text.pop_back();
        const bool minus = !text.empty() && text.front() == '-';
        if (!text.empty() && (text.front() == '-' || text.front() == '+'))
            text.erase(0, 1);
        for (size_t at = text.find(sep); at != std::string::npos; at = text.find(sep, at + 1))
            text.replace(at, sep.size(), "#");
        if (text.find_first_not_of("0123456789#") != std::string::npos)
            return false;
        std::replace(text.begin(), text.end(), '#', '.');
        text.insert(0, minus ? "-" : "");
        const auto [stop, error] =
            std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
        return error == std::errc() && stop == text.data() + text.size();
    };
    const std::string alphabet = "0123456789012345678901234567890123456789.,.,-+ ";
    testing::XorShift random(0x9E3779B97F4A7C15u);
    for (int i = 0; i < 300'000; ++i) {
        std::string text;
        for (uint64_t length = random.Next() % 22; length > 0; --length)
            text += alphabet[random.Next() % alphabet.size()];
        for (const std::string sep : {".", ","}) {
            double expected = 0;
            double read = 0;
            const bool ok = standard(text, sep, expected);
            ASSERT_EQ(ReadLocaleFloat(text, sep, read), ok) << text << " with " << sep;
            if (!ok)
                continue;
            ASSERT_EQ(std::signbit(read), std::signbit(expected)) << text;
            ASSERT_EQ(read, expected) << text << " with " << sep;
        }
    }
}

TRowCells Row(const std::string& received, const std::string& connection = "1s", const std::string& speed = "0bps")
{
    return {"0",
            "1.1.2000-00:00:00.00",
            "1.1.2000-00:00:00.00",
            connection,
            "0cps",
            "0cps",
            received,
            "0byte",
            speed,
            "1.1.2000-00:00:00.00",
            "0s"};
}

struct KeyCase {
    const char* name;
    TRowCells row;
    int column;
    const char* separator;
    double key;
};

class SortKeyTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(SortKeyTest, ReadsTheValueBackFromTheCell)
{
    const KeyCase& c = GetParam();
    EXPECT_DOUBLE_EQ(SortKey(c.row, c.column, c.separator), c.key);
}

TRowCells WithOverrun(const std::string& cell)
{
    TRowCells row = Row("0byte");
    row.Append(cell);
    return row;
}

TRowCells WithCost(const std::string& cell)
{
    TRowCells row = WithOverrun("");
    row.Append(cell);
    return row;
}

TRowCells WithStamp(const std::string& stamp)
{
    TRowCells row = Row("0byte");
    row.Set(ConnectStampColumn, stamp);
    return row;
}

TEST(SortKey, StampsOrderAcrossDaysMonthsAndYears)
{
    const std::vector<std::string> ascending = {"31.12.1999-23:59:59.99", "1.1.2000-00:00:00.00",
                                                "1.1.2000-00:00:00.01",   "31.1.2000-23:59:59.99",
                                                "1.2.2000-00:00:00.00",   "2.2.2000-12:00:00.00"};
    for (size_t i = 1; i < ascending.size(); ++i)
        EXPECT_LT(SortKey(WithStamp(ascending[i - 1]), ConnectStampColumn, "."),
                  SortKey(WithStamp(ascending[i]), ConnectStampColumn, "."))
            << ascending[i - 1] << " before " << ascending[i];
}

INSTANTIATE_TEST_SUITE_P(
    Cells, SortKeyTest,
    ::testing::Values(KeyCase{"german_seconds", Row("0byte", "34,44s"), ConnectionColumn, ",", 34'440},
                      KeyCase{"seconds", Row("0byte", "34.44s"), ConnectionColumn, ".", 34'440},
                      KeyCase{"unreadable_seconds", Row("0byte", "xs"), ConnectionColumn, ".", 0},
                      KeyCase{"speed_beyond_32_bits", Row("0byte", "1s", "3000000bps"), SpeedColumn, ".", 3e9},
                      KeyCase{"equal_byte_keys", Row("10Kbyte"), ReceivedColumn, ".", 10'240},
                      KeyCase{"overrun_count", WithOverrun("3"), OverrunColumn, ".", 3},
                      KeyCase{"overrun_question_mark", WithOverrun("?"), OverrunColumn, ".", 0},
                      KeyCase{"missing_overrun_cell", Row("0byte"), OverrunColumn, ".", 0},
                      KeyCase{"column_beyond_the_last", Row("0byte"), 14, ".", 0},
                      KeyCase{"german_costs", WithCost("12,34 DM"), CostsColumn, ",", 12'340},
                      KeyCase{"unpriced_costs", WithCost(""), CostsColumn, ".", 0},
                      // 2000 * 372 + 2 * 31 + 1 days-key, 1:02:03.04 in hundredths, date above 2^24 times.
                      KeyCase{"stamp", WithStamp("2.3.2000-01:02:03.04"), ConnectStampColumn, ".",
                              744'063.0 * 16'777'216 + 372'304}),
    [](const auto& info) { return std::string(info.param.name); });

std::vector<std::string> Column(const TConnectionTable& table, int column)
{
    std::vector<std::string> cells;
    for (const TRowCells& row : table.Rows())
        cells.emplace_back(column < static_cast<int>(row.size()) ? row[column] : "");
    return cells;
}

TConnectionTable TableOfReceived(const std::vector<int32_t>& bytesRead)
{
    TConnectionTable table;
    for (const int32_t bytes : bytesRead) {
        TConnectionRecord record;
        record.BytesRead = bytes;
        table.AddConnectionRow(record, 1);
    }
    return table;
}

// Each priced row names its tariff after its cost; the names sort as texts,
// an unpriced row's empty name first.
TEST(ConnectionTableSort, TariffNamesSortAsTexts)
{
    std::vector<TTariff> files;
    for (const char* text :
         {"name Zeta\nnumbers 01*\ncurrency DM 2\nunit 60 1\n", "name Alpha\nnumbers 02*\ncurrency DM 2\nunit 60 1\n"})
        files.push_back(std::get<TTariff>(ParseTariff(text, "t")));
    const TTariffs tariffs(std::move(files));
    TConnectionTable table;
    table.SetPriced(true);
    for (const char* number : {"0123", "0345", "0234"}) {
        TConnectionRecord record;
        record.ConnectDateParts = {2000, 1, 5};
        record.ConnectDate = DateKeyOf(2000, 1, 5);
        record.ConnectionDuration = 6'000;
        record.DialledNumber = number;
        table.AddConnectionRow(record, 1, tariffs.Price(record));
    }
    EXPECT_EQ(Column(table, TariffColumn), (std::vector<std::string>{"Zeta", "", "Alpha"}));
    table.ColumnClick(TariffColumn);
    EXPECT_EQ(Column(table, TariffColumn), (std::vector<std::string>{"", "Alpha", "Zeta"}));
    table.ColumnClick(TariffColumn);
    EXPECT_EQ(Column(table, TariffColumn), (std::vector<std::string>{"Zeta", "Alpha", ""}));
}

TEST(ConnectionTableSort, ClicksToggleAndAnotherColumnStartsAscending)
{
    TConnectionTable table = TableOfReceived({11'010'048, 2'048, 1'536'000, 10'752});
    table.ColumnClick(ReceivedColumn);
    EXPECT_EQ(Column(table, ReceivedColumn),
              (std::vector<std::string>{"2048byte", "10.5Kbyte", "1500Kbyte", "10.5Mbyte"}));
    table.ColumnClick(ReceivedColumn);
    EXPECT_EQ(Column(table, ReceivedColumn),
              (std::vector<std::string>{"10.5Mbyte", "1500Kbyte", "10.5Kbyte", "2048byte"}));
    EXPECT_EQ(table.SortDirection(ReceivedColumn), -1);
    table.ColumnClick(ReceivedColumn);
    EXPECT_EQ(table.SortDirection(ReceivedColumn), 1);
    table.ColumnClick(SentColumn);
    EXPECT_EQ(table.SortDirection(SentColumn), 1);
    EXPECT_EQ(table.SortDirection(ReceivedColumn), 0);
    EXPECT_EQ(table.SortColumn(), SentColumn);
}

TEST(ConnectionTableSort, EqualKeysKeepTheirOrder)
{
    TConnectionTable table = TableOfReceived({10'241, 10'240, 1});
    table.ColumnClick(ReceivedColumn);
    EXPECT_EQ(Column(table, ReceivedColumn), (std::vector<std::string>{"1byte", "10Kbyte", "10240byte"}));
}

TEST(ConnectionTableSort, TheOverrunColumnSortsByItsCount)
{
    TConnectionTable table;
    for (const char* overrun : {"3", "?", "", "1"}) {
        table.AddConnectionRow(TConnectionRecord{}, 1);
        if (*overrun != '\0')
            table.AppendCellToLastRow(overrun);
    }
    table.ColumnClick(OverrunColumn);
    EXPECT_EQ(Column(table, OverrunColumn), (std::vector<std::string>{"?", "", "1", "3"}))
        << "no count and \"?\" read as 0, in their order";
    table.ColumnClick(OverrunColumn);
    EXPECT_EQ(Column(table, OverrunColumn).front(), "3");
}

TEST(ConnectionTableSort, LateCellsFollowTheirRowAfterASort)
{
    TConnectionTable table = TableOfReceived({5, 1});
    table.ColumnClick(ReceivedColumn);
    table.AppendCellToLastRow("7");
    EXPECT_EQ(table.Rows()[0].size(), 12u) << "the row added last now stands first";
    EXPECT_EQ(table.Rows()[0][ReceivedColumn], "1byte");
}

// The widths of the columns come from these shapes: one missed is a cut cell.
TEST(ConnectionTableShapes, EveryShapeOnceWhateverTheRowAbove)
{
    TConnectionTable table = TableOfReceived({2'048, 10'752, 11'010'048, 1, 1'536'000, 2'048});
    const auto shapes = [&table](size_t column) {
        std::vector<std::string> sorted = table.Shapes().Of(column);
        std::sort(sorted.begin(), sorted.end());
        return sorted;
    };
    // 10.5Kbyte and 10.5Mbyte differ in a letter alone.
    EXPECT_EQ(shapes(ReceivedColumn),
              (std::vector<std::string>{"00.0Kbyte", "00.0Mbyte", "0000Kbyte", "0000byte", "0byte"}));
    for (const char* overrun : {"12", "?3", "45"}) {
        table.AddConnectionRow(TConnectionRecord{}, 1);
        table.AppendCellToLastRow(overrun);
    }
    EXPECT_EQ(shapes(OverrunColumn), (std::vector<std::string>{"00", "?0"})) << "a digit is no other sign";
    table.Clear();
    EXPECT_TRUE(shapes(ReceivedColumn).empty()) << "a new run starts without the old shapes";
}

TEST(ConnectionTableSort, DirectionsSurviveANewRun)
{
    TConnectionTable table = TableOfReceived({5});
    table.ColumnClick(ReceivedColumn);
    table.Clear();
    table.ColumnClick(ReceivedColumn);
    EXPECT_EQ(table.SortDirection(ReceivedColumn), -1);
}

}  // namespace
}  // namespace kellvar

namespace kellvar {
namespace {

// Other costs go into the priced rows where they stand, by the order the rows
// were added, whatever the rows were sorted by; the rows come back to that
// order and keep their late overrun cells. Rows added unpriced cannot be.
TEST(ConnectionTablePricing, PriceAnewKeepsTheRowsAndTheirLateCells)
{
    const TTariff money = std::get<TTariff>(ParseTariff("name M\ncurrency DM 2\nunit 60 1\n", "t"));
    const auto cost = [&](int64_t amount) { return std::optional<TCost>(TCost{amount, &money}); };
    TConnectionTable table;
    table.SetPriced(true);
    for (const int32_t bytes : {300, 100, 200}) {
        TConnectionRecord record;
        record.BytesRead = bytes;
        table.AddConnectionRow(record, 1, cost(bytes));
    }
    table.AppendCellToLastRow("7");
    table.ColumnClick(ReceivedColumn);
    EXPECT_EQ(Column(table, CostsColumn), (std::vector<std::string>{"1.00 DM", "2.00 DM", "3.00 DM"}));

    ASSERT_TRUE(table.PriceAnew({cost(5), std::nullopt, cost(1'234)}));
    EXPECT_EQ(Column(table, CostsColumn), (std::vector<std::string>{"0.05 DM", "", "12.34 DM"}));
    EXPECT_EQ(Column(table, TariffColumn), (std::vector<std::string>{"M", "", "M"}));
    EXPECT_EQ(Column(table, OverrunColumn), (std::vector<std::string>{"", "", "7"}));
    // The last row added is still the one a late cell goes to.
    table.AppendCellToLastRow("8");
    EXPECT_EQ(Column(table, OverrunColumn), (std::vector<std::string>{"", "", "8"}));
    // A wrong count of costs changes nothing.
    EXPECT_FALSE(table.PriceAnew({cost(1)}));
    EXPECT_EQ(Column(table, CostsColumn)[0], "0.05 DM");

    TConnectionTable unpriced;
    unpriced.AddConnectionRow(TConnectionRecord{}, 1);
    unpriced.SetPriced(true);
    EXPECT_FALSE(unpriced.PriceAnew({cost(1)}));
    EXPECT_EQ(unpriced.Rows()[0].size(), 11u);
}

}  // namespace
}  // namespace kellvar
