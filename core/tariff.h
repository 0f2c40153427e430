// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "connectionrecord.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace kellvar {

// Money is counted in millionths of the currency's main unit while a
// connection is priced, and each connection's cost is then rounded half up
// to the currency's smallest unit (a cent, a Pfennig); sums add the rounded
// costs, so a total is always the sum of its rows.
using TMicroAmount = int64_t;

// The days a rule holds on: weekdays, fixed dates of every year, days
// relative to Easter Sunday, and the tariff's holidays.
struct TTariffDays {
    uint8_t Weekdays = 0;  // bit 0 Monday ... bit 6 Sunday
    bool Holidays = false;
    std::vector<std::pair<int32_t, int32_t>> Dates;  // month, day
    std::vector<int32_t> EasterOffsets;
};

struct TTariffRule {
    int32_t Line = 0;  // in the tariff file
    int64_t UnitSeconds = 0;
    TMicroAmount UnitPrice = 0;
    std::optional<TTariffDays> Days;
    // Minutes of the day from First up to before Last; a band whose end lies
    // before its start crosses midnight.
    std::optional<std::pair<int32_t, int32_t>> Band;
    int64_t AfterSeconds = 0;
};

// The prices in force from a date on, until the next period begins.
struct TTariffPeriod {
    std::optional<int64_t> FromDay;  // a day number; none: from the beginning
    TMicroAmount Fee = 0;
    TMicroAmount Minimum = 0;
    int64_t FirstSeconds = 0;
    TMicroAmount FirstPrice = 0;
    // Where each was said in the tariff file; 0 where it was not.
    int32_t Line = 0;
    int32_t FeeLine = 0;
    int32_t MinimumLine = 0;
    int32_t FirstLine = 0;
    // The first rule holds at all times; of the rules that hold at a
    // unit's start, the last one prices it.
    std::vector<TTariffRule> Rules;
    // The moments the rules may change, made once from them: the minutes of
    // the day a band begins or ends (midnight too), ascending, and the
    // hundredths online of each "after".
    std::vector<int32_t> Edges;
    std::vector<int64_t> Afters;
};

// The most a connection may cost, in the currency's smallest unit, so that
// the costs of any number of connections a log can hold add up in 64 bits.
inline constexpr int64_t MaxConnectionCost = 1'000'000'000'000;

// The time online a tariff charges, in hundredths: hang-up minus connect
// where both dates are known (0 for a hang-up at or before the connect, a
// clock set back), else the table's connection time.
int64_t TimeOnline(const TConnectionRecord& record);

// How a connection was priced, step by step, for a person checking a bill.
struct TPricingStep {
    enum TKind { Fee, First, Units, Minimum };
    TKind Kind = Fee;
    int32_t Line = 0;  // the declaration of the tariff file that held
    // Units: when the first of them began (day number, hundredths of the
    // day) and how long the connection had been online then (hundredths).
    int64_t Day = 0;
    int64_t TimeOfDay = 0;
    int64_t Online = 0;
    int64_t Count = 0;
    int64_t Seconds = 0;      // of a unit or the first block
    TMicroAmount Price = 0;   // of one unit, the block, the fee or the minimum
    TMicroAmount Amount = 0;  // what the step adds (the minimum: what it raises the sum by)
};
struct TPricing {
    const TTariffPeriod* Period = nullptr;
    int64_t TimeOnline = 0;  // hundredths
    std::vector<TPricingStep> Steps;
    TMicroAmount Sum = 0;  // the steps added up, before rounding
    int64_t Cost = 0;      // in the currency's smallest unit, half up
};

class TTariff {
public:
    TTariff(std::string name, std::string currency, int32_t decimals, std::vector<std::string> numbers,
            TTariffDays holidays, std::vector<TTariffPeriod> periods);

    const std::string& Name() const { return name_; }
    const std::string& Currency() const { return currency_; }
    int32_t Decimals() const { return decimals_; }
    // A tariff that names no numbers covers whatever no other file covers.
    bool NamesNumbers() const { return !numbers_.empty(); }
    bool CoversNumber(std::string_view dialled) const;
    // The cost in the currency's smallest unit; none when the connection has
    // no calendar date or no prices were in force at its connect.
    std::optional<int64_t> Cost(const TConnectionRecord& record) const;
    // The same cost with every step that made it; none where Cost has none.
    std::optional<TPricing> Explain(const TConnectionRecord& record) const;
    // An amount in the smallest unit as text with the currency's decimals: "1.23".
    std::string AmountText(int64_t amount) const;

private:
    // The cost, and with steps every step that made it.
    std::optional<int64_t> Price(const TConnectionRecord& record, TPricing* steps) const;
    bool HoldsOn(const TTariffDays& days, int64_t dayNumber) const;
    bool Holds(const TTariffRule& rule, int64_t dayNumber, int32_t minute, int64_t elapsedSeconds) const;

    std::string name_;
    std::string currency_;
    int32_t decimals_;
    std::vector<std::string> numbers_;
    TTariffDays holidays_;
    std::vector<TTariffPeriod> periods_;
};

struct TTariffError {
    std::string Message;  // "FILE:LINE: what is wrong"
};

// A tariff file's text; fileName only names it in messages.
std::variant<TTariff, TTariffError> ParseTariff(std::string_view text, const std::string& fileName);
// The tariff file at path, or what kept it from being read.
std::variant<TTariff, TTariffError> ReadTariffFile(const std::string& path);

}  // namespace kellvar
