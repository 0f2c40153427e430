// SPDX-License-Identifier: GPL-3.0-or-later
#include "periodtotals.h"

#include "machinetext.h"

#include "core/formatting.h"
#include "core/rowtexts.h"
#include "lang/reporttexts.h"
#include "lang/texttable.h"

#include <algorithm>
#include <array>

namespace kellvar {

namespace {

// The width of a text as a terminal shows it: UTF-8 continuation bytes take no column.
size_t ColumnsOf(const std::string& text)
{
    return static_cast<size_t>(std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

int64_t Bytes(const TPeriodTotal& total)
{
    return total.Sums.ReceivedBytes + total.Sums.SentBytes;
}

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

TFields PeriodFields(const TPeriodTotal& total)
{
    TFields fields = PeriodFields(total.Sums);
    fields.insert(fields.begin(), TextField("period", total.Period));
    return fields;
}

}  // namespace

std::string_view PeriodName(TPeriod period)
{
    for (const auto& [name, named] : PeriodNames)
        if (named == period)
            return name;
    return {};
}

void TPeriodTotals::Add(const TConnectionRecord& record)
{
    const TDateParts& d = record.ConnectDateParts;
    const auto key =
        std::make_tuple(d.Year, period_ == TPeriod::Year ? 0 : d.Month, period_ == TPeriod::Day ? d.Day : 0);
    TPeriodTotal& total = byDate_[key];
    if (total.Period.empty())
        total.Period = IsoDate(d).substr(0, period_ == TPeriod::Day ? 10 : period_ == TPeriod::Month ? 7 : 4);
    total.Sums.Add(record);
}

std::vector<TPeriodTotal> TPeriodTotals::Periods(std::optional<int64_t> top) const
{
    std::vector<TPeriodTotal> periods;
    for (const auto& [key, total] : byDate_)
        periods.push_back(total);
    if (top) {
        // Equal byte counts keep their time order.
        std::stable_sort(periods.begin(), periods.end(),
                         [](const TPeriodTotal& a, const TPeriodTotal& b) { return Bytes(a) > Bytes(b); });
        periods.resize(std::min(periods.size(), static_cast<size_t>(*top)));
    }
    return periods;
}

TConnectionSums GrandTotal(const std::vector<TPeriodTotal>& periods)
{
    TConnectionSums total;
    for (const TPeriodTotal& p : periods)
        total.Add(p.Sums);
    return total;
}

std::string PeriodTotalsCsv(const std::vector<TPeriodTotal>& periods)
{
    std::string text = CsvLine(PeriodFields(TPeriodTotal{}), true);
    for (const TPeriodTotal& p : periods)
        text += CsvLine(PeriodFields(p), false);
    return text;
}

std::string PeriodTotalsJson(TPeriod period, const std::vector<TPeriodTotal>& periods)
{
    std::string text = "\"by\":\"" + std::string(PeriodName(period)) + "\",\"periods\":[";
    for (size_t i = 0; i < periods.size(); ++i)
        text += (i == 0 ? "\n  " : ",\n  ") + JsonObject(PeriodFields(periods[i]));
    return text + (periods.empty() ? "" : "\n") + "],\"total\":" + JsonObject(PeriodFields(GrandTotal(periods)))
           + "}\n";
}

std::string PeriodTotalsText(const std::vector<TPeriodTotal>& periods, bool german, const std::string& sep)
{
    using TRow = std::array<std::string, 8>;
    const auto bytes = [&](double value) { return FormatPrefixed(100, value, sep) + "byte"; };
    const auto row = [&](const TConnectionSums& s, const std::string& name) {
        const double n = static_cast<double>(std::max<int64_t>(s.Connections, 1));
        return TRow{name,
                    std::to_string(s.Connections),
                    FormatClock(s.DurationHundredths),
                    bytes(static_cast<double>(s.ReceivedBytes)),
                    bytes(static_cast<double>(s.SentBytes)),
                    FormatClock(DivideHalfEven(s.DurationHundredths, std::max<int64_t>(s.Connections, 1))),
                    bytes(static_cast<double>(s.ReceivedBytes) / n),
                    bytes(static_cast<double>(s.SentBytes) / n)};
    };
    const auto caption = [&](TReportText text) { return std::string(ReportText(text, german)); };
    std::vector<TRow> rows;
    rows.push_back({caption(TReportText::Period), caption(TReportText::Connections), caption(TReportText::Duration),
                    std::string(ColumnCaptions(german)[ReceivedColumn]),
                    std::string(ColumnCaptions(german)[SentColumn]), caption(TReportText::MeanDuration),
                    caption(TReportText::MeanReceived), caption(TReportText::MeanSent)});
    for (const TPeriodTotal& p : periods)
        rows.push_back(row(p.Sums, p.Period));
    rows.push_back(row(GrandTotal(periods), caption(TReportText::Total)));

    std::array<size_t, 8> widths{};
    for (const TRow& r : rows)
        for (size_t i = 0; i < r.size(); ++i)
            widths[i] = std::max(widths[i], ColumnsOf(r[i]));
    std::string text;
    for (const TRow& r : rows) {
        std::string line;
        for (size_t i = 0; i < r.size(); ++i) {
            // The period left, the figures right, two blanks between.
            const std::string padding(widths[i] - ColumnsOf(r[i]), ' ');
            line += (i == 0 ? "" : "  ") + (i == 0 ? r[i] + padding : padding + r[i]);
        }
        text += line.substr(0, line.find_last_not_of(' ') + 1) + '\n';
    }
    return text;
}

}  // namespace kellvar
