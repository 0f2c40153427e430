// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbertotals.h"

#include "connectionexport.h"
#include "textcolumns.h"

#include "history/numberrows.h"

namespace kellvar {

namespace {

TField OptionalHundredths(const char* name, const std::optional<int64_t>& value)
{
    return value ? HundredthsField(name, *value) : NoneField(name);
}

TField OptionalInteger(const char* name, const std::optional<int32_t>& value)
{
    return value ? IntegerField(name, *value) : NoneField(name);
}

std::optional<int64_t> Widened(const std::optional<int32_t>& value)
{
    return value ? std::optional<int64_t>(*value) : std::nullopt;
}

}  // namespace

TFields NumberFields(const TNumberFigures& f, const TTariff* money)
{
    TFields fields = {TextField("number", NumberName(f, false)),
                      IntegerField("attempts", f.Attempts),
                      IntegerField("connects", f.Connects),
                      OptionalHundredths("success_percent", f.SuccessBasisPoints()),
                      OptionalHundredths("median_connect_s", Widened(f.MedianTimeToConnect)),
                      OptionalHundredths("p90_connect_s", Widened(f.SlowTimeToConnect)),
                      OptionalInteger("min_bps", f.LowestSpeed),
                      OptionalInteger("median_bps", f.MedianSpeed),
                      OptionalInteger("max_bps", f.HighestSpeed),
                      IntegerField("carrier_losses", f.CarrierLosses),
                      IntegerField("hung_up_here", f.HungUpHere),
                      HundredthsField("duration_s", f.Sums.DurationHundredths),
                      IntegerField("received_bytes", f.Sums.ReceivedBytes),
                      IntegerField("sent_bytes", f.Sums.SentBytes),
                      OptionalHundredths("throughput_bytes_per_s", f.ThroughputHundredths())};
    const TFields costs = CostSumFields(f.Costs, money);
    fields.insert(fields.end(), costs.begin(), costs.end());
    return fields;
}

void WriteNumbersCsv(const std::vector<TNumberFigures>& numbers, const TTariff* money, const TTextSink& sink)
{
    sink(CsvLine(NumberFields(TNumberFigures{}, money), true));
    for (const TNumberFigures& f : numbers)
        sink(CsvLine(NumberFields(f, money), false));
}

void WriteNumbersJson(const std::vector<TNumberFigures>& numbers, const TTariff* money, const TTextSink& sink)
{
    sink("\"by\":\"number\",\"numbers\":[");
    for (size_t i = 0; i < numbers.size(); ++i)
        sink((i == 0 ? "\n  " : ",\n  ") + JsonObject(NumberFields(numbers[i], money)));
    sink(numbers.empty() ? "]}\n" : "\n]}\n");
}

void WriteNumbersText(const std::vector<TNumberFigures>& numbers, bool german, const std::string& sep,
                      const TTariff* money, const TTextSink& sink)
{
    // The rows are made twice rather than kept: once for the widths, once to
    // write, so that a history of many numbers needs no more than a line.
    const std::vector<std::string> head = NumberHeadTexts(german, money);
    TTextColumns columns;
    columns.Measure(head);
    for (const TNumberFigures& f : numbers)
        columns.Measure(NumberRowTexts(f, german, sep, money));
    sink(columns.Line(head));
    for (const TNumberFigures& f : numbers)
        sink(columns.Line(NumberRowTexts(f, german, sep, money)));
}

}  // namespace kellvar
