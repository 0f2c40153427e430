#include "periodtotals.h"

#include "machinetext.h"

#include "core/formatting.h"
#include "core/rowtexts.h"
#include "lang/reporttexts.h"
#include "lang/texttable.h"

#include <algorithm>
#include <array>
#include <map>
#include <tuple>

namespace kellvar {

namespace {

void Add(TPeriodTotal& total, const TConnectionRecord& r)
{
    ++total.Connections;
    total.DurationHundredths += r.ConnectionDuration;
    total.ReceivedBytes += r.BytesRead;
    total.SentBytes += r.BytesWritten;
}

std::string PeriodName(TPeriod period)
{
    for (const auto& [name, named] : PeriodNames)
        if (named == period)
            return std::string(name);
    return {};
}

// The width of a text as a terminal shows it: UTF-8 continuation bytes take no column.
size_t ColumnsOf(const std::string& text)
{
    return static_cast<size_t>(std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

}  // namespace

std::vector<TPeriodTotal> PeriodTotals(const std::vector<TNumberedConnection>& connections, TPeriod period)
{
    std::map<std::tuple<int32_t, int32_t, int32_t>, TPeriodTotal> byDate;
    for (const TNumberedConnection& c : connections) {
        const TDateParts& d = c.Record.ConnectDateParts;
        const auto key =
            std::make_tuple(d.Year, period == TPeriod::Year ? 0 : d.Month, period == TPeriod::Day ? d.Day : 0);
        TPeriodTotal& total = byDate[key];
        if (total.Period.empty()) {
            const std::string date = IsoDate(d);
            total.Period = date.substr(0, period == TPeriod::Day ? 10 : period == TPeriod::Month ? 7 : 4);
        }
        Add(total, c.Record);
    }
    std::vector<TPeriodTotal> periods;
    for (auto& [key, total] : byDate)
        periods.push_back(std::move(total));
    return periods;
}

TPeriodTotal GrandTotal(const std::vector<TPeriodTotal>& periods)
{
    TPeriodTotal total;
    for (const TPeriodTotal& p : periods) {
        total.Connections += p.Connections;
        total.DurationHundredths += p.DurationHundredths;
        total.ReceivedBytes += p.ReceivedBytes;
        total.SentBytes += p.SentBytes;
    }
    return total;
}

std::string PeriodTotalsCsv(const std::vector<TPeriodTotal>& periods)
{
    std::string text = "period,connections,duration_s,received_bytes,sent_bytes\n";
    for (const TPeriodTotal& p : periods)
        text += CsvField(p.Period) + "," + std::to_string(p.Connections) + "," + HundredthsDecimal(p.DurationHundredths)
                + "," + std::to_string(p.ReceivedBytes) + "," + std::to_string(p.SentBytes) + "\n";
    return text;
}

std::string PeriodTotalsJson(const std::string& logPath, TPeriod period, const std::vector<TPeriodTotal>& periods)
{
    const auto object = [](const TPeriodTotal& p, bool withPeriod) {
        return std::string("{") + (withPeriod ? "\"period\": " + JsonString(p.Period) + ", " : "") + "\"connections\": "
               + std::to_string(p.Connections) + ", \"duration_s\": " + HundredthsDecimal(p.DurationHundredths)
               + ", \"received_bytes\": " + std::to_string(p.ReceivedBytes)
               + ", \"sent_bytes\": " + std::to_string(p.SentBytes) + "}";
    };
    std::string text = "{\"log\": " + JsonString(logPath) + ", \"by\": \"" + PeriodName(period) + "\", \"periods\": [";
    for (size_t i = 0; i < periods.size(); ++i)
        text += (i == 0 ? "\n  " : ",\n  ") + object(periods[i], true);
    return text + (periods.empty() ? "" : "\n") + "], \"total\": " + object(GrandTotal(periods), false) + "}\n";
}

std::string PeriodTotalsText(const std::vector<TPeriodTotal>& periods, bool german, const std::string& sep)
{
    using TRow = std::array<std::string, 5>;
    const auto row = [&](const TPeriodTotal& p, const std::string& name) {
        return TRow{name, std::to_string(p.Connections), FormatClock(p.DurationHundredths),
                    FormatPrefixed(100, static_cast<double>(p.ReceivedBytes), sep) + "byte",
                    FormatPrefixed(100, static_cast<double>(p.SentBytes), sep) + "byte"};
    };
    std::vector<TRow> rows;
    rows.push_back({std::string(ReportText(TReportText::Period, german)),
                    std::string(ReportText(TReportText::Connections, german)),
                    std::string(ReportText(TReportText::Duration, german)),
                    std::string(ColumnCaptions(german)[ReceivedColumn]),
                    std::string(ColumnCaptions(german)[SentColumn])});
    for (const TPeriodTotal& p : periods)
        rows.push_back(row(p, p.Period));
    rows.push_back(row(GrandTotal(periods), std::string(ReportText(TReportText::Total, german))));

    std::array<size_t, 5> widths{};
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
