// SPDX-License-Identifier: GPL-3.0-or-later
#include "pricingexplanation.h"

#include "machinetext.h"

#include "core/calendar.h"
#include "core/formatting.h"
#include "core/periodspans.h"
#include "lang/pricingtexts.h"

#include <nlohmann/json.hpp>

#include <array>
#include <cstdio>

namespace kellvar {

namespace {

// Millionths of the currency, all six decimals: "0.030000".
std::string MicroText(int64_t amount, std::string_view decimalSeparator)
{
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%lld%.*s%06lld", static_cast<long long>(amount / 1'000'000),
                  static_cast<int>(decimalSeparator.size()), decimalSeparator.data(),
                  static_cast<long long>(amount % 1'000'000));
    return text.data();
}

// Hundredths of a second as seconds: "5340.01".
std::string SecondsText(int64_t hundredths, std::string_view decimalSeparator)
{
    std::string text = HundredthsDecimal(hundredths);
    return text.replace(text.find('.'), 1, decimalSeparator);
}

// A moment as ISO 8601 from its day number and time of day.
std::string Moment(int64_t day, int64_t timeOfDay)
{
    const TDateParts parts = DateOfDayNumber(day);
    return IsoStamp(DateKeyOf(parts.Year, parts.Month, parts.Day), parts, static_cast<int32_t>(timeOfDay));
}

std::string PeriodText(const TTariffPeriod& period, bool german)
{
    const auto word = [german](TPricingText text) { return std::string(PricingText(text, german)); };
    return (period.FromDay ? word(TPricingText::PricesFrom) + " " + PeriodSpan(TPeriod::Day, *period.FromDay, {}).Name
                           : word(TPricingText::PricesFromTheBeginning))
           + " (" + word(TPricingText::Line) + " " + std::to_string(period.Line) + ")";
}

}  // namespace

std::string PricingExplanationText(const TExplainedConnection& explained, bool german,
                                   std::string_view decimalSeparator)
{
    const auto word = [german](TPricingText text) { return std::string(PricingText(text, german)); };
    const auto micro = [&](int64_t amount) { return MicroText(amount, decimalSeparator); };
    const TConnectionRecord& record = explained.Connection.Record;
    std::string connect = IsoStamp(record.ConnectDate, record.ConnectDateParts, record.ConnectTime);
    if (!connect.empty())
        connect[10] = ' ';
    std::string text = word(TPricingText::Connection) + " " + std::to_string(explained.Connection.Number) + ": "
                       + word(TPricingText::Connected) + " " + connect;
    if (explained.Tariff == nullptr || !explained.Pricing)
        return text + "; " + word(TPricingText::NoTariffPricesIt) + "\n";
    const TPricing& pricing = *explained.Pricing;
    const TTariff& tariff = *explained.Tariff;
    text += ", " + SecondsText(pricing.TimeOnline, decimalSeparator) + " s " + word(TPricingText::Online) + ", "
            + word(TPricingText::Tariff) + " \"" + VisibleText(tariff.Name()) + "\"\n"
            + PeriodText(*pricing.Period, german) + "\n";
    for (const TPricingStep& step : pricing.Steps) {
        text += "  " + word(TPricingText::Line) + " " + std::to_string(step.Line) + ": ";
        switch (step.Kind) {
        case TPricingStep::Fee:
            text += word(TPricingText::Fee) + " " + micro(step.Amount);
            break;
        case TPricingStep::First:
            text += word(TPricingText::FirstBlock) + " " + std::to_string(step.Seconds) + " s " + micro(step.Amount);
            break;
        case TPricingStep::Units:
            text += Moment(step.Day, step.TimeOfDay).substr(11) + " " + word(TPricingText::After) + " "
                    + SecondsText(step.Online, decimalSeparator) + " s: " + std::to_string(step.Count) + " "
                    + word(TPricingText::UnitsOf) + " " + std::to_string(step.Seconds) + " s "
                    + word(TPricingText::Each) + " " + micro(step.Price) + " = " + micro(step.Amount);
            break;
        case TPricingStep::Minimum:
            text += word(TPricingText::Minimum) + " " + micro(step.Price) + " " + word(TPricingText::RaisesTheSumBy)
                    + " " + micro(step.Amount);
            break;
        }
        text += "\n";
    }
    return text + word(TPricingText::Sum) + " " + micro(pricing.Sum) + ", " + word(TPricingText::RoundedHalfUp) + " "
           + CostText(pricing.Cost, tariff, decimalSeparator) + "\n";
}

std::string PricingExplanationJson(const TExplainedConnection& explained)
{
    using TJson = nlohmann::ordered_json;
    const auto amount = [](int64_t micro) { return TJson::parse(MicroText(micro, ".")); };
    const TConnectionRecord& record = explained.Connection.Record;
    TJson json;
    json["number"] = explained.Connection.Number;
    const std::string connect = IsoStamp(record.ConnectDate, record.ConnectDateParts, record.ConnectTime);
    json["connect"] = connect.empty() ? TJson(nullptr) : TJson(connect);
    if (explained.Tariff == nullptr || !explained.Pricing) {
        json["tariff"] = nullptr;
        json["cost"] = nullptr;
        return json.dump(-1, ' ', false, TJson::error_handler_t::replace);
    }
    const TPricing& pricing = *explained.Pricing;
    const TTariff& tariff = *explained.Tariff;
    json["tariff"] = tariff.Name();
    json["currency"] = tariff.Currency();
    json["online_s"] = TJson::parse(HundredthsDecimal(pricing.TimeOnline));
    json["prices_from"] =
        pricing.Period->FromDay ? TJson(PeriodSpan(TPeriod::Day, *pricing.Period->FromDay, {}).Name) : TJson(nullptr);
    json["prices_line"] = pricing.Period->Line;
    TJson steps = TJson::array();
    constexpr std::array<const char*, 4> Kinds = {"fee", "first", "units", "minimum"};
    for (const TPricingStep& step : pricing.Steps) {
        TJson item;
        item["kind"] = Kinds[static_cast<size_t>(step.Kind)];
        item["line"] = step.Line;
        if (step.Kind == TPricingStep::Units) {
            item["start"] = Moment(step.Day, step.TimeOfDay);
            item["online_s"] = TJson::parse(HundredthsDecimal(step.Online));
            item["count"] = step.Count;
        }
        if (step.Kind == TPricingStep::Units || step.Kind == TPricingStep::First)
            item["seconds"] = step.Seconds;
        item["price"] = amount(step.Price);
        item["amount"] = amount(step.Amount);
        steps.push_back(std::move(item));
    }
    json["steps"] = std::move(steps);
    json["sum"] = amount(pricing.Sum);
    json["cost"] = TJson::parse(tariff.AmountText(pricing.Cost));
    return json.dump(-1, ' ', false, TJson::error_handler_t::replace);
}

}  // namespace kellvar
