// SPDX-License-Identifier: GPL-3.0-or-later
#include "periodtotals.h"

#include "machinetext.h"
#include "textcolumns.h"

#include "core/formatting.h"
#include "core/logstamp.h"
#include "core/rowtexts.h"
#include "lang/costtexts.h"
#include "lang/reporttexts.h"
#include "lang/texttable.h"
#include "lang/wordings.h"

#include <algorithm>
#include <array>

namespace kellvar {

namespace {

TFields PeriodFields(const TConnectionSums& s)
{
    return {IntegerField("connections", s.Connections),
            HundredthsField("duration_s", s.DurationHundredths),
            IntegerField("received_bytes", s.ReceivedBytes),
            IntegerField("sent_bytes", s.SentBytes),
            QuotientField("mean_duration_s", s.DurationHundredths, s.Connections * 100),
            QuotientField("mean_received_bytes", s.ReceivedBytes, s.Connections),
            QuotientField("mean_sent_bytes", s.SentBytes, s.Connections)};
}

// The estimate's fields, with values only in the row of the period it foresees.
TFields EstimateFields(const std::string& period, const TPeriodExtras& extras)
{
    if (extras.Estimate == nullptr)
        return {};
    const TPeriodEstimateLine& e = *extras.Estimate;
    const bool here = period == e.Period;
    TFields fields = {here ? HundredthsField("estimated_duration_s", e.DurationHundredths)
                           : NoneField("estimated_duration_s"),
                      here ? IntegerField("estimated_bytes", e.Bytes) : NoneField("estimated_bytes")};
    if (extras.Money != nullptr)
        fields.push_back(here && e.CostMillionths
                             ? DecimalField("estimated_cost", QuantityText(TQuantity::Cost, *e.CostMillionths))
                             : NoneField("estimated_cost"));
    return fields;
}

}  // namespace

TFields PeriodFields(const TPeriodTotal& total, const TPeriodExtras& extras)
{
    TFields fields = PeriodFields(total.Sums);
    fields.insert(fields.begin(), TextField("period", total.Period));
    const TFields costs = CostSumFields(total.Costs, extras.Money);
    fields.insert(fields.end(), costs.begin(), costs.end());
    const TFields estimate = EstimateFields(total.Period, extras);
    fields.insert(fields.end(), estimate.begin(), estimate.end());
    return fields;
}

namespace {

TFields TotalFields(const std::vector<TPeriodTotal>& periods, const TTariff* money)
{
    const TPeriodTotal total = GrandTotal(periods);
    TFields fields = PeriodFields(total.Sums);
    const TFields costs = CostSumFields(total.Costs, money);
    fields.insert(fields.end(), costs.begin(), costs.end());
    return fields;
}

}  // namespace

void WritePeriodTotalsCsv(const std::vector<TPeriodTotal>& periods, const TTextSink& sink, const TPeriodExtras& extras)
{
    sink(CsvLine(PeriodFields(TPeriodTotal{}, extras), true));
    for (const TPeriodTotal& p : periods)
        sink(CsvLine(PeriodFields(p, extras), false));
}

void WritePeriodTotalsJson(TPeriod period, const std::vector<TPeriodTotal>& periods, const TTextSink& sink,
                           const TPeriodExtras& extras)
{
    sink("\"by\":\"" + std::string(PeriodName(period)) + "\",\"periods\":[");
    for (size_t i = 0; i < periods.size(); ++i)
        sink((i == 0 ? "\n  " : ",\n  ") + JsonObject(PeriodFields(periods[i], extras)));
    sink((periods.empty() ? "" : "\n") + std::string("],\"total\":") + JsonObject(TotalFields(periods, extras.Money))
         + "}\n");
}

std::vector<std::string> PeriodRowTexts(const TPeriodTotal& total, const std::string& name, const std::string& sep,
                                        const TTariff* money)
{
    const auto bytes = [&](double value) { return FormatBytes(value, sep); };
    const TConnectionSums& s = total.Sums;
    const double n = static_cast<double>(std::max<int64_t>(s.Connections, 1));
    // An hour that only a connection begun before it reaches has no mean.
    const auto mean = [&](std::string text) { return s.Connections > 0 ? text : std::string("-"); };
    std::vector<std::string> cells{
        name,
        std::to_string(s.Connections),
        FormatClock(s.DurationHundredths),
        bytes(static_cast<double>(s.ReceivedBytes)),
        bytes(static_cast<double>(s.SentBytes)),
        mean(FormatClock(DivideHalfEven(s.DurationHundredths, std::max<int64_t>(s.Connections, 1)))),
        mean(bytes(static_cast<double>(s.ReceivedBytes) / n)),
        mean(bytes(static_cast<double>(s.SentBytes) / n))};
    if (money != nullptr) {
        cells.push_back(CostSumText(total.Costs, *money, sep));
        cells.push_back(std::to_string(total.Costs.Unpriced));
    }
    return cells;
}

std::vector<std::string> PeriodHeadTexts(bool german, const TTariff* money)
{
    const auto caption = [&](TReportText text) { return std::string(ReportText(text, german)); };
    std::vector<std::string> head{caption(TReportText::Period),
                                  caption(TReportText::Connections),
                                  caption(TReportText::Duration),
                                  std::string(ColumnCaptions(german)[ReceivedColumn]),
                                  std::string(ColumnCaptions(german)[SentColumn]),
                                  caption(TReportText::MeanDuration),
                                  caption(TReportText::MeanReceived),
                                  caption(TReportText::MeanSent)};
    if (money != nullptr) {
        head.push_back(std::string(CostWording(TCostWording::Costs, german)));
        head.push_back(std::string(CostWording(TCostWording::UnpricedColumn, german)));
    }
    return head;
}

void WritePeriodTotalsText(const std::vector<TPeriodTotal>& periods, bool german, const std::string& sep,
                           const TTextSink& sink, const TPeriodExtras& extras)
{
    const TTariff* money = extras.Money;
    using TRow = std::vector<std::string>;
    const auto bytes = [&](double value) { return FormatBytes(value, sep); };
    const auto row = [&](const TPeriodTotal& total, const std::string& name) {
        return PeriodRowTexts(total, name, sep, money);
    };
    const auto caption = [&](TReportText text) { return std::string(ReportText(text, german)); };
    const TRow head = PeriodHeadTexts(german, money);
    const TRow total = row(GrandTotal(periods), caption(TReportText::Total));

    // The rows are made twice rather than kept: once for the widths, once to write.
    TTextColumns columns;
    columns.Measure(head);
    for (const TPeriodTotal& p : periods)
        columns.Measure(row(p, p.Period));
    columns.Measure(total);
    const auto write = [&](const TRow& r) { sink(columns.Line(r)); };
    write(head);
    for (const TPeriodTotal& p : periods)
        write(row(p, p.Period));
    write(total);
    if (extras.Estimate != nullptr) {
        const TPeriodEstimateLine& e = *extras.Estimate;
        std::string line = std::string(Wording(TWording::Estimate, german)) + e.Period + ": "
                           + FormatClock(e.DurationHundredths) + ", " + bytes(static_cast<double>(e.Bytes));
        if (money != nullptr && e.CostMillionths) {
            // Millionths in the currency's smallest unit, half up.
            int64_t perSmallest = 1'000'000;
            for (int32_t i = 0; i < money->Decimals(); ++i)
                perSmallest /= 10;
            line += ", " + CostText((*e.CostMillionths + perSmallest / 2) / perSmallest, *money, sep);
        }
        sink(line + "\n");
    }
}

namespace {

// A writer's whole text in one string.
template <typename TWrite> std::string Collected(const TWrite& write)
{
    std::string text;
    write([&text](std::string_view piece) { text += piece; });
    return text;
}

}  // namespace

std::string PeriodTotalsCsv(const std::vector<TPeriodTotal>& periods)
{
    return Collected([&](const TTextSink& sink) { WritePeriodTotalsCsv(periods, sink); });
}

std::string PeriodTotalsJson(TPeriod period, const std::vector<TPeriodTotal>& periods)
{
    return Collected([&](const TTextSink& sink) { WritePeriodTotalsJson(period, periods, sink); });
}

std::string PeriodTotalsText(const std::vector<TPeriodTotal>& periods, bool german, const std::string& sep)
{
    return Collected([&](const TTextSink& sink) { WritePeriodTotalsText(periods, german, sep, sink); });
}

}  // namespace kellvar
