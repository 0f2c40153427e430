// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/tariffcomparison.h"

#include <gtest/gtest.h>

#include <variant>

namespace kellvar {
namespace {

TTariff Tariff(const std::string& text)
{
    return std::get<TTariff>(ParseTariff(text, "t.tariff"));
}

TTariffComparison::TRow Row(std::vector<std::pair<int64_t, int64_t>> amountsAndUnpriced)
{
    TTariffComparison::TRow row;
    for (const auto& [amount, unpriced] : amountsAndUnpriced) {
        TCostSums sums;
        sums.Amount = amount;
        sums.Priced = 2 - unpriced;
        sums.Unpriced = unpriced;
        row.Costs.push_back(sums);
    }
    return row;
}

// Of two connections, the first tariff priced one only: it looks cheapest
// but is no choice. Ties all win.
TEST(TariffComparison, CheapestOnlyOfTheTariffsThatPricedEveryConnection)
{
    const TTariffs tariffs({Tariff("currency EUR 2\nunit 60 0.01\n"), Tariff("currency EUR 2\nunit 60 0.02\n"),
                            Tariff("currency EUR 2\nunit 60 0.03\n")});
    EXPECT_EQ(Cheapest(Row({{10, 1}, {20, 0}, {30, 0}}), tariffs), (std::vector<bool>{false, true, false}));
    EXPECT_EQ(Cheapest(Row({{20, 0}, {20, 0}, {30, 0}}), tariffs), (std::vector<bool>{true, true, false}));
}

// Sums in two currencies cannot be compared: none is cheapest.
TEST(TariffComparison, NoCheapestAcrossCurrencies)
{
    const TTariffs tariffs({Tariff("currency EUR 2\nunit 60 0.01\n"), Tariff("currency DM 2\nunit 60 0.02\n")});
    EXPECT_EQ(Cheapest(Row({{10, 0}, {20, 0}}), tariffs), (std::vector<bool>{false, false}));
}

}  // namespace
}  // namespace kellvar
