// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "connectionexport.h"

#include "core/tariff.h"

#include <optional>
#include <string>
#include <string_view>

namespace kellvar {

// How one connection was priced: by which tariff, and step by step.
struct TExplainedConnection {
    TNumberedConnection Connection;
    // The file that prices it; none where no file covers its number.
    const TTariff* Tariff = nullptr;
    std::optional<TPricing> Pricing;
};

// For a person checking a bill: the prices in force, each fee, block, run
// of units and minimum with its line in the tariff file, and the rounding
// that ends in the cost the table shows; amounts exact, in millionths.
std::string PricingExplanationText(const TExplainedConnection& explained, bool german,
                                   std::string_view decimalSeparator);
// The same as the "explain" member of a JSON document, raw values.
std::string PricingExplanationJson(const TExplainedConnection& explained);

}  // namespace kellvar
