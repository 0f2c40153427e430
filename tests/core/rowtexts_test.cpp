// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/connectiontable.h"
#include "core/formatting.h"
#include "core/rowtexts.h"
#include "lang/costtexts.h"
#include "tests/support/rowprinter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace kellvar {
namespace {

// 100.00 s connection after a 34.44 s dial, 352,055 bytes in, 12,800 out.
TConnectionRecord ExampleRecord()
{
    TConnectionRecord r;
    r.ConnectDateParts = r.HangUpDateParts = r.DialDateParts = {2000, 1, 5};
    r.DialTime = 4'520'012;
    r.ConnectTime = 4'523'456;
    r.HangUpTime = 4'533'456;
    r.DialDuration = 3'444;
    r.ConnectionDuration = 10'000;
    r.BytesRead = 352'055;
    r.BytesWritten = 12'800;
    r.ReadRate = TransferRate(r.BytesRead, r.ConnectionDuration);
    r.WriteRate = TransferRate(r.BytesWritten, r.ConnectionDuration);
    r.Bps = 49'333;
    return r;
}

TEST(ConnectionRowCells, ExampleRow)
{
    EXPECT_EQ(ConnectionRowCells(ExampleRecord(), 1, "."),
              (TRowCells{"0", "5.1.2000-12:33:54.56", "5.1.2000-12:35:34.56", "100s", "3520.55cps", "128cps",
                         "343.8Kbyte", "12.5Kbyte", "49333bps", "5.1.2000-12:33:20.12", "34.44s"}));
}

// The row writer's numbers against the general formatters, over records of
// every size the 32-bit fields hold.
TEST(ConnectionRowCells, NumbersReadAsTheFormattersWriteThem)
{
    std::mt19937 random(11);
    for (int i = 0; i < 20'000; ++i) {
        TConnectionRecord r = ExampleRecord();
        const int bits = i % 32;
        const auto draw = [&] { return static_cast<int32_t>(random() >> (32 - std::max(bits, 1)) >> 1); };
        r.ConnectionDuration = draw();
        r.DialDuration = i % 3 == 0 ? -draw() : draw();
        r.BytesRead = draw();
        r.BytesWritten = draw();
        r.ReadRate = i % 5 == 0 ? draw() : TransferRate(r.BytesRead, r.ConnectionDuration);
        r.WriteRate = TransferRate(r.BytesWritten, r.ConnectionDuration);
        r.Bps = draw();
        r.OverrunErrors = draw();
        const TRowCells cells = ConnectionRowCells(r, 1, ",");
        ASSERT_EQ(cells[ConnectionColumn], FloatText(r.ConnectionDuration * 0.01, ",") + "s");
        ASSERT_EQ(cells[DialingColumn], FloatText(r.DialDuration * 0.01, ",") + "s");
        ASSERT_EQ(cells[ReadRateColumn], FormatPrefixed(100, r.ReadRate * 0.01, ",") + "cps");
        ASSERT_EQ(cells[WriteRateColumn], FormatPrefixed(100, r.WriteRate * 0.01, ",") + "cps");
        ASSERT_EQ(cells[ReceivedColumn], FormatPrefixed(100, r.BytesRead, ",") + "byte");
        ASSERT_EQ(cells[SentColumn], FormatPrefixed(100, r.BytesWritten, ",") + "byte");
        ASSERT_EQ(cells[SpeedColumn], FloatText(r.Bps, ",") + "bps");
        if (r.OverrunErrors > 0) {
            ASSERT_EQ(cells[OverrunColumn], FloatText(r.OverrunErrors, ","));
        }
    }
}

TEST(ConnectionRowCells, GermanDecimalComma)
{
    const TRowCells cells = ConnectionRowCells(ExampleRecord(), 1, ",");
    EXPECT_EQ(cells[ReadRateColumn], "3520,55cps");
    EXPECT_EQ(cells[DialingColumn], "34,44s");
}

TEST(ConnectionRowCells, OverrunCellOnlyForAPositiveCount)
{
    TConnectionRecord r = ExampleRecord();
    for (const int32_t count : {-1, 0}) {
        r.OverrunErrors = count;
        EXPECT_EQ(ConnectionRowCells(r, 1, ".").size(), 11u) << count;
    }
    r.OverrunErrors = 3;
    const TRowCells cells = ConnectionRowCells(r, 1, ".");
    ASSERT_EQ(cells.size(), 12u);
    EXPECT_EQ(cells.back(), "3");
}

TEST(ConnectionRowCells, NeverHungUpConnection)
{
    TConnectionRecord r;
    r.DialDate = r.ConnectDate = 1;
    const TRowCells cells = ConnectionRowCells(r, 5, ".");
    EXPECT_EQ(cells[NumberColumn], "4");
    EXPECT_EQ(cells[HangUpStampColumn], "0.0.0-00:00:00.00");
    EXPECT_EQ(cells[ConnectionColumn], "0s");
    EXPECT_EQ(cells[SpeedColumn], "0bps");
}

const std::vector<std::string> Captions = {"#", "C1", "C2", "C3", "C4", "C5", "C6", "C7", "C8", "C9", "C10", "OvrErr"};

// A row keeps its cells as one text: a cell changed, added or dropped must
// leave every other cell where it was.
TEST(RowCells, CellsChangeInPlace)
{
    TRowCells row{"12", "", "abc"};
    EXPECT_EQ(row.size(), 3u);
    EXPECT_EQ(row[1], "");
    EXPECT_EQ(row.back(), "abc");
    row.Set(1, "x y");
    EXPECT_EQ(row.Text(), "12\tx y\tabc");
    row.Set(0, "");
    EXPECT_EQ(row.Text(), "\tx y\tabc");
    row.Resize(5);
    EXPECT_EQ(row.Text(), "\tx y\tabc\t\t");
    EXPECT_EQ(row[4], "");
    row.Resize(2);
    EXPECT_EQ(row.Text(), "\tx y");
    EXPECT_EQ(row.back(), "x y");
    row.Resize(0);
    EXPECT_TRUE(row.empty());
    row.Append("");
    EXPECT_EQ(row.size(), 1u) << "one empty cell is a cell";
    EXPECT_NE(row, TRowCells{});
    // Cut from the end, empty cells count as cells.
    TRowCells empties(4, "");
    empties.Resize(1);
    EXPECT_EQ(empties.Text(), "");
    EXPECT_EQ(empties.size(), 1u);
    EXPECT_EQ(empties.back(), "");
}

// A price fills a cell and a caption for each column after the overrun
// column; an unpriced connection's cells are empty.
TEST(PricedCells, EachPricedColumnHasItsCellAndCaption)
{
    const TTariff money = std::get<TTariff>(ParseTariff("name Units\ncurrency DM 2\nunit 60 0.12\n", "t"));
    const std::optional<TCost> cost = TCost{24, &money};
    EXPECT_EQ(PricedCell(CostsColumn, cost, ","), "0,24 DM");
    EXPECT_EQ(PricedCell(TariffColumn, cost, ","), "Units");
    EXPECT_EQ(PricedCell(CostsColumn, std::nullopt, ","), "");
    EXPECT_EQ(PricedCell(TariffColumn, std::nullopt, ","), "");
    for (const bool german : {false, true})
        EXPECT_EQ(PricedColumnCaptions(german).size(), static_cast<size_t>(PricedColumnCount));
    EXPECT_EQ(PricedColumnCaptions(true)[0], "Kosten");
}

TEST(TableText, HeaderFollowsTheTopRowsWidth)
{
    const TRowCells eleven(11, "a");
    TRowCells twelve(11, "b");
    twelve.Append("3");
    EXPECT_EQ(TableText({eleven, twelve}, Captions), "#\tC1\tC2\tC3\tC4\tC5\tC6\tC7\tC8\tC9\tC10\r\n"
                                                     "a\ta\ta\ta\ta\ta\ta\ta\ta\ta\ta\r\n"
                                                     "b\tb\tb\tb\tb\tb\tb\tb\tb\tb\tb\t3\r\n");
    const std::string text = TableText({twelve}, Captions);
    EXPECT_EQ(text.substr(0, text.find("\r\n")), "#\tC1\tC2\tC3\tC4\tC5\tC6\tC7\tC8\tC9\tC10\tOvrErr");
}

TEST(TableText, HeaderNeverGoesPastTheLastColumn)
{
    TRowCells thirteen(13, "x");
    const std::string text = TableText({thirteen}, Captions);
    EXPECT_EQ(text.substr(0, text.find("\r\n")), "#\tC1\tC2\tC3\tC4\tC5\tC6\tC7\tC8\tC9\tC10\tOvrErr");
    EXPECT_EQ(text.substr(text.find("\r\n") + 2), "x\tx\tx\tx\tx\tx\tx\tx\tx\tx\tx\tx\tx\r\n");
}

TEST(TableText, EmptyWithoutRows)
{
    EXPECT_EQ(TableText({}, Captions), "");
}

TEST(TableHtml, SameCellsAsATableWithEscapes)
{
    EXPECT_EQ(TableHtml({{"0", "a<b"}, {"1", "x&y", "3"}}, Captions),
              "<table>\n<tr><th>#</th><th>C1</th></tr>\n<tr><td>0</td><td>a&lt;b</td></tr>\n"
              "<tr><td>1</td><td>x&amp;y</td><td>3</td></tr>\n</table>\n");
    EXPECT_EQ(TableHtml({}, Captions), "");
}

TEST(RowText, OneRowWithoutHeader)
{
    EXPECT_EQ(RowText({"0", "a", "b"}), "0\ta\tb\r\n");
}

TEST(ConnectionTable, AppendsLateCellsToTheLastAddedRowOnly)
{
    TConnectionTable table;
    table.AppendCellToLastRow("3");
    EXPECT_EQ(table.RowCount(), 0u);
    table.AddConnectionRow(ExampleRecord(), 1);
    table.AddConnectionRow(ExampleRecord(), 2);
    table.AppendCellToLastRow("3");
    EXPECT_EQ(table.Rows()[0].size(), 11u);
    EXPECT_EQ(table.Rows()[1].size(), 12u);
    table.Clear();
    table.AppendCellToLastRow("3");
    EXPECT_EQ(table.RowCount(), 0u);
    EXPECT_FALSE(table.LastAddedRow());
}

}  // namespace
}  // namespace kellvar
