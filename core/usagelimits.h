// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "connectionsums.h"
#include "periodspans.h"
#include "tariffs.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kellvar {

enum class TQuantity { Time, Volume, Received, Sent, Cost };

// A limit on one quantity per day, week or billing month: "month:cost>40",
// "day:time>3h", "month:volume>500MiB"; "~>" holds the projection for the
// whole period against it instead of what it holds so far.
struct TLimit {
    std::string Text;  // as given
    TPeriod Period = TPeriod::Billing;
    TQuantity Quantity = TQuantity::Time;
    // Hundredths of a second, bytes, or millionths of the currency.
    int64_t Value = 0;
    bool Projected = false;
};

// None for a text that is no limit.
std::optional<TLimit> ParseLimit(std::string_view text);

// What the period that holds today used of one limit's quantity.
struct TLimitCheck {
    const TLimit* Limit = nullptr;
    TPeriodSpan Span;
    int64_t Used = 0;  // in the limit's units; costs in millionths
    int64_t Projection = 0;
    // Exactly at the limit is within it.
    bool Exceeded() const { return (Limit->Projected ? Projection : Used) > Limit->Value; }
};

// Adds up, for each limit, the connections whose connect day lies in the
// limit's period that holds today, up to today: a connection after the day
// asked (a log of another clock) belongs to no "so far". Time counts as the
// tariffs charge it (hang-up minus connect), and a projection of time never
// passes what the hours left in the period allow.
class TLimitChecks {
public:
    TLimitChecks(const std::vector<TLimit>& limits, const TPeriodRules& rules, int64_t today);
    void Add(const TConnectionRecord& record, const std::optional<TCost>& cost);
    // Costs count in millionths of the currency's main unit, so that they
    // compare with the limit whatever the currency's decimals.
    std::vector<TLimitCheck> Checks() const;

private:
    std::vector<TLimitCheck> checks_;
    int64_t today_;
};

// What one period (the one that holds today) used so far of every quantity,
// and the projection for the whole of it.
class TPeriodEstimate {
public:
    TPeriodEstimate(TPeriodSpan span, int64_t today) : span_(std::move(span)), today_(today) {}
    void Add(const TConnectionRecord& record, const std::optional<TCost>& cost);
    const TPeriodSpan& Span() const { return span_; }
    // Hundredths of a second, bytes, or millionths of the currency.
    int64_t Used(TQuantity quantity) const { return used_[static_cast<size_t>(quantity)]; }
    int64_t Estimate(TQuantity quantity) const;

private:
    TPeriodSpan span_;
    int64_t today_;
    std::array<int64_t, 5> used_{};
};

// A used or projected value for scripts: "3:20:00", "536870912B", "45.20".
std::string QuantityText(TQuantity quantity, int64_t value);
// The same as a person reads it, as Kellvar shows every volume and amount:
// "3:20:00", "512.00Mbyte", "45,20 DM" (with the decimal separator, and the
// currency of the money where there is one).
std::string ShownQuantity(TQuantity quantity, int64_t value, std::string_view decimalSeparator, const TTariff* money);
// The same raw, as JSON gives it: seconds, bytes or an amount.
double RawQuantity(TQuantity quantity, int64_t value);

}  // namespace kellvar
