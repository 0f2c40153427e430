// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tariff.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace kellvar {

// What a connection cost, and by which tariff.
struct TCost {
    int64_t Amount = 0;  // in the currency's smallest unit
    const TTariff* Tariff = nullptr;
    // Hung up at or before its connect (in the same hundredth, or a clock
    // set back): priced by its fee, first block and minimum alone.
    bool NoTimeOnline = false;
};

// The tariff files in the order matching uses: a connection takes the first
// file whose numbers match its dial command, else the first that names none.
class TTariffs {
public:
    explicit TTariffs(std::vector<TTariff> tariffs) : tariffs_(std::move(tariffs)) {}
    bool Empty() const { return tariffs_.empty(); }
    const std::vector<TTariff>& Files() const { return tariffs_; }
    const TTariff* For(std::string_view dialled) const;
    // None when no file covers the connection or it cannot be priced.
    std::optional<TCost> Price(const TConnectionRecord& record) const;
    // The first file's currency, which all files share when they are summed.
    const TTariff& First() const { return tariffs_.front(); }

private:
    std::vector<TTariff> tariffs_;
};

// The files at the paths, in their order. Costs that are added up must be in
// one currency: with sameCurrency, a file in another one is refused.
std::variant<TTariffs, TTariffError> ReadTariffFiles(const std::vector<std::string>& paths, bool sameCurrency);

// "0,24 DM": an amount in the smallest unit with the currency's decimals, the
// window's decimal separator and the currency's code.
std::string CostText(int64_t amount, const TTariff& money, std::string_view decimalSeparator);

struct TCostSums;
// A sum as a person reads it: "-" where nothing was priced, never "0.00";
// "12.34 DM ?" where some of its connections had no price.
std::string CostSumText(const TCostSums& costs, const TTariff& money, std::string_view decimalSeparator);

// Costs added up, in the currency's smallest unit; connections no file could
// price are counted apart, never as costing nothing.
struct TCostSums {
    int64_t Amount = 0;
    int64_t Priced = 0;
    int64_t Unpriced = 0;
    // Priced connections of no time online (see TCost).
    int64_t NoTimeOnline = 0;
    // The time online of the priced connections, as the tariffs charge it,
    // for the cost per hour.
    int64_t PricedHundredths = 0;

    void Add(const std::optional<TCost>& cost, const TConnectionRecord& record);
    void Add(const TCostSums& other);
    // The total; none where no connection was priced.
    std::optional<int64_t> Total() const;
    std::optional<int64_t> MeanPerConnection() const;
    std::optional<int64_t> PerHour() const;
};

}  // namespace kellvar
