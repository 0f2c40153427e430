// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/shownconnections.h"

#include "core/logstamp.h"

#include <gtest/gtest.h>

namespace kellvar {
namespace {

TTariffs OneTariff(const char* text)
{
    std::vector<TTariff> files;
    files.push_back(std::get<TTariff>(ParseTariff(text, "t")));
    return TTariffs(std::move(files));
}

// Dialled 0191011 on a Wednesday at noon, online for the seconds given.
TConnectionRecord Connection(int32_t seconds)
{
    TConnectionRecord record;
    record.ConnectDateParts = {2000, 1, 5};
    record.ConnectDate = DateKeyOf(2000, 1, 5);
    record.ConnectTime = 12 * 360'000;
    record.ConnectionDuration = seconds * 100;
    record.DialledNumber = "0191011";
    return record;
}

std::vector<std::optional<int64_t>> Amounts(const TShownConnections& shown)
{
    std::vector<std::optional<int64_t>> amounts;
    for (const TShownConnections::TShown& entry : shown.All())
        amounts.push_back(entry.Cost ? std::optional(entry.Cost->Amount) : std::nullopt);
    return amounts;
}

// Each listed connection is priced as it comes and again by other tariffs;
// a session without a row never is.
TEST(ShownConnections, OtherTariffsPriceTheKeptRowsAnew)
{
    const TTariffs perMinute = OneTariff("name A\ncurrency DM 2\nunit 60 0.10\n");
    const TTariffs perHalfMinute = OneTariff("name B\ncurrency DM 2\nunit 30 0.03\n");
    TShownConnections shown;
    shown.AddRow(Connection(60), 1);
    shown.PriceBy(&perMinute);
    // 150 s: 3 started minutes at 10 Pfennig; 5 half minutes at 3.
    shown.AddRow(Connection(150), 2);
    shown.AddUnlisted(Connection(0));
    EXPECT_EQ(Amounts(shown), (std::vector<std::optional<int64_t>>{10, 30, std::nullopt}));
    shown.PriceBy(&perHalfMinute);
    EXPECT_EQ(Amounts(shown), (std::vector<std::optional<int64_t>>{6, 15, std::nullopt}));
    ASSERT_EQ(shown.RowCosts().size(), 2u);
    EXPECT_EQ(shown.RowCosts()[1]->Amount, 15);
    EXPECT_EQ(shown.All()[1].Cost->Tariff->Name(), "B");
    shown.PriceBy(nullptr);
    EXPECT_EQ(Amounts(shown), (std::vector<std::optional<int64_t>>(3, std::nullopt)));
}

// The overrun count the log gives after a row belongs to the last row, past
// sessions without a row; after Clear there is none to take it.
TEST(ShownConnections, LateCellGoesToTheLastRow)
{
    TShownConnections shown;
    shown.AddLateCell("1");
    shown.AddRow(Connection(60), 1);
    shown.AddRow(Connection(60), 2);
    shown.AddUnlisted(Connection(0));
    shown.AddLateCell("3");
    shown.AddLateCell("?");
    ASSERT_EQ(shown.All().size(), 3u);
    EXPECT_TRUE(shown.All()[0].LateCells.empty());
    EXPECT_EQ(shown.All()[1].LateCells, (std::vector<std::string>{"3", "?"}));
    EXPECT_TRUE(shown.All()[2].LateCells.empty());
    EXPECT_EQ(shown.All()[1].RowNumber, 2);
    EXPECT_FALSE(shown.All()[2].Listed());
    shown.Clear();
    shown.AddLateCell("4");
    shown.AddUnlisted(Connection(0));
    EXPECT_TRUE(shown.All()[0].LateCells.empty());
}

}  // namespace
}  // namespace kellvar
