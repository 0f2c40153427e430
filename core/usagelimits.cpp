// SPDX-License-Identifier: GPL-3.0-or-later
#include "usagelimits.h"

#include "calendar.h"
#include "formatting.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>

namespace kellvar {

namespace {

constexpr std::array<std::pair<std::string_view, TPeriod>, 3> LimitPeriods = {
    {{"day", TPeriod::Day}, {"week", TPeriod::Week}, {"month", TPeriod::Billing}}};
constexpr std::array<std::pair<std::string_view, TQuantity>, 5> Quantities = {{{"time", TQuantity::Time},
                                                                               {"volume", TQuantity::Volume},
                                                                               {"received", TQuantity::Received},
                                                                               {"sent", TQuantity::Sent},
                                                                               {"cost", TQuantity::Cost}}};
// Units of each quantity, in hundredths of a second or bytes.
constexpr std::array<std::pair<std::string_view, int64_t>, 4> TimeUnits = {
    {{"s", 100}, {"min", 6'000}, {"m", 6'000}, {"h", 360'000}}};
constexpr std::array<std::pair<std::string_view, int64_t>, 8> ByteUnits = {{{"B", 1},
                                                                            {"KiB", 1 << 10},
                                                                            {"MiB", 1 << 20},
                                                                            {"GiB", int64_t{1} << 30},
                                                                            {"KB", 1'000},
                                                                            {"MB", 1'000'000},
                                                                            {"GB", 1'000'000'000},
                                                                            {"", 1}}};

template <typename T, size_t N>
std::optional<T> Lookup(const std::array<std::pair<std::string_view, T>, N>& names, std::string_view name)
{
    for (const auto& [known, value] : names)
        if (known == name)
            return value;
    return std::nullopt;
}

// "40", "2.5": a decimal in millionths; nothing negative.
std::optional<int64_t> Millionths(std::string_view text)
{
    const size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction = point == std::string_view::npos ? "" : text.substr(point + 1);
    int64_t units = 0;
    if (whole.empty() || whole.size() > 12 || fraction.size() > 6
        || std::from_chars(whole.data(), whole.data() + whole.size(), units).ptr != whole.data() + whole.size())
        return std::nullopt;
    int64_t micro = 0;
    for (size_t i = 0; i < 6; ++i) {
        const char digit = i < fraction.size() ? fraction[i] : '0';
        if (digit < '0' || digit > '9')
            return std::nullopt;
        micro = micro * 10 + (digit - '0');
    }
    return units * 1'000'000 + micro;
}

int64_t UsedOf(TQuantity quantity, const TConnectionRecord& r, const std::optional<TCost>& cost)
{
    switch (quantity) {
    case TQuantity::Time:
        return TimeOnline(r);
    case TQuantity::Volume:
        return int64_t{r.BytesRead} + r.BytesWritten;
    case TQuantity::Received:
        return r.BytesRead;
    case TQuantity::Sent:
        return r.BytesWritten;
    case TQuantity::Cost:
        break;
    }
    if (!cost)
        return 0;
    int64_t perSmallest = 1'000'000;
    for (int32_t i = 0; i < cost->Tariff->Decimals(); ++i)
        perSmallest /= 10;
    return cost->Amount * perSmallest;
}

}  // namespace

std::optional<TLimit> ParseLimit(std::string_view text)
{
    TLimit limit;
    limit.Text = std::string(text);
    const size_t colon = text.find(':');
    const size_t above = text.find('>');
    if (colon == std::string_view::npos || above == std::string_view::npos || above < colon)
        return std::nullopt;
    const auto period = Lookup(LimitPeriods, text.substr(0, colon));
    std::string_view quantity = text.substr(colon + 1, above - colon - 1);
    limit.Projected = !quantity.empty() && quantity.back() == '~';
    if (limit.Projected)
        quantity.remove_suffix(1);
    const auto named = Lookup(Quantities, quantity);
    if (!period || !named)
        return std::nullopt;
    limit.Period = *period;
    limit.Quantity = *named;
    std::string_view value = text.substr(above + 1);
    const size_t unitAt = value.find_first_not_of("0123456789.");
    const std::string_view unit = unitAt == std::string_view::npos ? "" : value.substr(unitAt);
    const auto number = Millionths(value.substr(0, unitAt));
    if (!number)
        return std::nullopt;
    if (limit.Quantity == TQuantity::Cost) {
        if (!unit.empty())
            return std::nullopt;
        limit.Value = *number;
        return limit;
    }
    // "day:time>3" could mean seconds, minutes or hours: a time wants its unit.
    if (limit.Quantity == TQuantity::Time && unit.empty())
        return std::nullopt;
    const auto factor = limit.Quantity == TQuantity::Time ? Lookup(TimeUnits, unit) : Lookup(ByteUnits, unit);
    if (!factor || *number > INT64_MAX / *factor)
        return std::nullopt;
    // Millionths of the unit, rounded to whole hundredths or bytes.
    limit.Value = (*number * *factor + 500'000) / 1'000'000;
    return limit;
}

TLimitChecks::TLimitChecks(const std::vector<TLimit>& limits, const TPeriodRules& rules, int64_t today) : today_(today)
{
    for (const TLimit& limit : limits)
        checks_.push_back({&limit, PeriodSpan(limit.Period, today, rules)});
}

namespace {

// The connect day of a connection that counts "so far": one that has a date
// and connected no later than today.
std::optional<int64_t> DaySoFar(const TConnectionRecord& record, int64_t today)
{
    const TDateParts& d = record.ConnectDateParts;
    if (record.ConnectDate == 0)
        return std::nullopt;
    const int64_t day = DayNumber(d.Year, d.Month, d.Day);
    return day <= today ? std::optional(day) : std::nullopt;
}

// The projection, for time no more than the hours left after today allow.
int64_t Foreseen(TQuantity quantity, int64_t soFar, const TPeriodSpan& span, int64_t today)
{
    const int64_t projected = Projected(soFar, span, today);
    if (quantity != TQuantity::Time)
        return projected;
    const int64_t daysLeft = std::clamp<int64_t>(span.Last - today, 0, span.Days());
    return std::min(projected, soFar + daysLeft * HundredthsPerDay);
}

}  // namespace

void TLimitChecks::Add(const TConnectionRecord& record, const std::optional<TCost>& cost)
{
    const std::optional<int64_t> day = DaySoFar(record, today_);
    if (!day)
        return;
    for (TLimitCheck& check : checks_)
        if (check.Span.Holds(*day))
            check.Used += UsedOf(check.Limit->Quantity, record, cost);
}

void TPeriodEstimate::Add(const TConnectionRecord& record, const std::optional<TCost>& cost)
{
    const std::optional<int64_t> day = DaySoFar(record, today_);
    if (!day || !span_.Holds(*day))
        return;
    for (const auto& [name, quantity] : Quantities)
        used_[static_cast<size_t>(quantity)] += UsedOf(quantity, record, cost);
}

int64_t TPeriodEstimate::Estimate(TQuantity quantity) const
{
    return Foreseen(quantity, Used(quantity), span_, today_);
}

std::vector<TLimitCheck> TLimitChecks::Checks() const
{
    std::vector<TLimitCheck> checks = checks_;
    for (TLimitCheck& check : checks)
        check.Projection = Foreseen(check.Limit->Quantity, check.Used, check.Span, today_);
    return checks;
}

std::string QuantityText(TQuantity quantity, int64_t value)
{
    std::array<char, 64> text{};
    switch (quantity) {
    case TQuantity::Time:
        std::snprintf(text.data(), text.size(), "%lld:%02lld:%02lld", static_cast<long long>(value / 360'000),
                      static_cast<long long>(value / 6'000 % 60), static_cast<long long>(value / 100 % 60));
        break;
    case TQuantity::Volume:
    case TQuantity::Received:
    case TQuantity::Sent:
        std::snprintf(text.data(), text.size(), "%lldB", static_cast<long long>(value));
        break;
    case TQuantity::Cost:
        // Millionths, shown with two decimals rounded half up.
        std::snprintf(text.data(), text.size(), "%lld.%02lld", static_cast<long long>((value + 5'000) / 1'000'000),
                      static_cast<long long>((value + 5'000) / 10'000 % 100));
        break;
    }
    return text.data();
}

std::string ShownQuantity(TQuantity quantity, int64_t value, std::string_view decimalSeparator, const TTariff* money)
{
    switch (quantity) {
    case TQuantity::Time:
        return QuantityText(quantity, value);
    case TQuantity::Volume:
    case TQuantity::Received:
    case TQuantity::Sent:
        return FormatBytes(static_cast<double>(value), decimalSeparator);
    case TQuantity::Cost:
        break;
    }
    if (money == nullptr) {
        std::string text = QuantityText(quantity, value);
        return text.replace(text.find('.'), 1, decimalSeparator);
    }
    // Millionths in the currency's smallest unit, half up.
    int64_t perSmallest = 1'000'000;
    for (int32_t i = 0; i < money->Decimals(); ++i)
        perSmallest /= 10;
    return CostText((value + perSmallest / 2) / perSmallest, *money, decimalSeparator);
}

double RawQuantity(TQuantity quantity, int64_t value)
{
    switch (quantity) {
    case TQuantity::Time:
        return static_cast<double>(value) / 100;
    case TQuantity::Cost:
        return static_cast<double>(value) / 1'000'000;
    case TQuantity::Volume:
    case TQuantity::Received:
    case TQuantity::Sent:
        break;
    }
    return static_cast<double>(value);
}

}  // namespace kellvar
