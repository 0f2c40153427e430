// SPDX-License-Identifier: GPL-3.0-or-later
#include "connectionexport.h"

#include "machinetext.h"

#include "core/rowtexts.h"
#include "core/summaryfigures.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

namespace kellvar {

namespace {

TField Stamp(const char* name, int32_t key, const TDateParts& parts, int32_t time)
{
    std::string text = IsoStamp(key, parts, time);
    return text.empty() ? NoneField(name) : TextField(name, std::move(text));
}

TField ConnectStamp(const char* name, const TConnectionRecord& r)
{
    return Stamp(name, r.ConnectDate, r.ConnectDateParts, r.ConnectTime);
}

TField HangUpStamp(const char* name, const TConnectionRecord& r)
{
    return Stamp(name, r.HangUpDate, r.HangUpDateParts, r.HangUpTime);
}

// CSV and JSON give a connection's values in an order of their own: the
// stamps first, then durations, rates, bytes, speed and overruns.
constexpr std::array<TTableColumn, TableColumnCount> FieldOrder = {
    NumberColumn,   ConnectStampColumn, HangUpStampColumn, DialStampColumn, ConnectionColumn, DialingColumn,
    ReadRateColumn, WriteRateColumn,    ReceivedColumn,    SentColumn,      SpeedColumn,      OverrunColumn};

// Hands a column's value of a connection to the writer, under the column's
// field name: Integer, Hundredths, Stamp or None (the log gave no value).
// The column is a constant, so that the writer copies a name of known length.
template <TTableColumn column, typename TWriter> void WriteColumnField(const TNumberedConnection& c, TWriter& w)
{
    const TConnectionRecord& r = c.Record;
    constexpr std::string_view name = TableColumns[static_cast<size_t>(column)].Field;
    switch (column) {
    case NumberColumn:
        return w.Integer(name, c.Number);
    case ConnectStampColumn:
        return w.Stamp(name, r.ConnectDate, r.ConnectDateParts, r.ConnectTime);
    case HangUpStampColumn:
        return w.Stamp(name, r.HangUpDate, r.HangUpDateParts, r.HangUpTime);
    case DialStampColumn:
        return w.Stamp(name, r.DialDate, r.DialDateParts, r.DialTime);
    case ConnectionColumn:
        return w.Hundredths(name, r.ConnectionDuration);
    case DialingColumn:
        return w.Hundredths(name, r.DialDuration);
    case ReadRateColumn:
        return w.Hundredths(name, r.ReadRate);
    case WriteRateColumn:
        return w.Hundredths(name, r.WriteRate);
    case ReceivedColumn:
        return w.Integer(name, r.BytesRead);
    case SentColumn:
        return w.Integer(name, r.BytesWritten);
    case SpeedColumn:
        return w.Integer(name, r.Bps);
    case OverrunColumn:
        return r.OverrunErrors < 0 ? w.None(name) : w.Integer(name, r.OverrunErrors);
    case TableColumnCount:
        return;
    }
}

template <typename TWriter, size_t... At>
void WriteFieldsInOrder(const TNumberedConnection& c, TWriter& w, std::index_sequence<At...>)
{
    (WriteColumnField<FieldOrder[At]>(c, w), ...);
}

template <typename TWriter> void WriteConnectionFields(const TNumberedConnection& c, TWriter& w)
{
    WriteFieldsInOrder(c, w, std::make_index_sequence<FieldOrder.size()>());
}

template <typename TWriter> void WriteCostFields(const TCostFields& costs, TWriter& w)
{
    std::string_view name = TableColumns[CostsColumn].Field;
    if (!costs.Cost) {
        w.None(name);
        w.None("currency");
        w.None(TableColumns[TariffColumn].Field);
        return;
    }
    const TTariff& tariff = *costs.Cost->Tariff;
    w.Decimal(name, tariff.AmountText(costs.Cost->Amount));
    w.Code("currency", tariff.Currency());
    w.Text(TableColumns[TariffColumn].Field, tariff.Name());
}

// The writers append to one text without a string per value: the table's
// hundreds of thousands of connections are written as fast as they are read.
class TFieldWriter {
protected:
    explicit TFieldWriter(std::string& text) : text_(text) {}

    char* WritePosition() { return end_; }
    void WrittenUpTo(char* at) { end_ = at; }
    void Finish() { text_.append(row_, end_); }
    // A text of any length, after what the row holds so far.
    void AppendUnbounded(std::string_view text)
    {
        Finish();
        end_ = row_;
        text_ += text;
    }

private:
    // A whole connection's text is well below this.
    char row_[1024];
    std::string& text_;
    char* end_ = row_;
};

class TCsvWriter : TFieldWriter {
public:
    explicit TCsvWriter(std::string& text) : TFieldWriter(text) {}
    void End()
    {
        WrittenUpTo(WriteChar(WritePosition(), '\n'));
        Finish();
    }

    void Integer(std::string_view, int64_t value) { WrittenUpTo(WriteInteger64(Next(), value)); }
    void Hundredths(std::string_view, int64_t value) { WrittenUpTo(WriteDecimalHundredths(Next(), value)); }
    void Stamp(std::string_view, int32_t key, const TDateParts& parts, int32_t time)
    {
        WrittenUpTo(WriteIsoStamp(Next(), key, parts, time));
    }
    void None(std::string_view) { WrittenUpTo(Next()); }
    // Decimals and currency codes hold nothing CSV would quote.
    void Decimal(std::string_view, std::string_view digits) { WrittenUpTo(WriteText(Next(), digits)); }
    void Code(std::string_view, std::string_view code) { WrittenUpTo(WriteText(Next(), code)); }
    void Text(std::string_view, std::string_view text)
    {
        WrittenUpTo(Next());
        AppendUnbounded(CsvTextField(text));
    }

private:
    char* Next()
    {
        char* at = WritePosition();
        return first_ ? (first_ = false, at) : WriteChar(at, ',');
    }
    bool first_ = true;
};

class TJsonWriter : TFieldWriter {
public:
    explicit TJsonWriter(std::string& text) : TFieldWriter(text) {}
    void End()
    {
        WrittenUpTo(WriteChar(WritePosition(), '}'));
        Finish();
    }

    void Integer(std::string_view name, int64_t value) { WrittenUpTo(WriteInteger64(AfterMemberName(name), value)); }
    void Hundredths(std::string_view name, int64_t value)
    {
        WrittenUpTo(WriteDecimalHundredths(AfterMemberName(name), value));
    }
    // Our own stamps hold nothing JSON would escape.
    void Stamp(std::string_view name, int32_t key, const TDateParts& parts, int32_t time)
    {
        char* quote = AfterMemberName(name);
        char* end = WriteIsoStamp(quote + 1, key, parts, time);
        if (end == quote + 1) {
            WrittenUpTo(WriteText(quote, "null"));
            return;
        }
        *quote = '"';
        WrittenUpTo(WriteChar(end, '"'));
    }
    void None(std::string_view name) { WrittenUpTo(WriteText(AfterMemberName(name), "null")); }
    // A decimal is a JSON number as it stands; a currency code holds nothing JSON would escape.
    void Decimal(std::string_view name, std::string_view digits)
    {
        WrittenUpTo(WriteText(AfterMemberName(name), digits));
    }
    void Code(std::string_view name, std::string_view code)
    {
        WrittenUpTo(WriteChar(WriteText(WriteChar(AfterMemberName(name), '"'), code), '"'));
    }
    void Text(std::string_view name, std::string_view text)
    {
        WrittenUpTo(AfterMemberName(name));
        AppendUnbounded(JsonString(text));
    }

private:
    // Where a member's value goes: after its separator and its quoted name.
    char* AfterMemberName(std::string_view name)
    {
        char* at = WriteChar(WritePosition(), first_ ? '{' : ',');
        first_ = false;
        return WriteText(WriteText(WriteChar(at, '"'), name), "\":");
    }
    bool first_ = true;
};

class TCsvNameWriter {
public:
    explicit TCsvNameWriter(std::string& text) : text_(text) {}
    void End() { text_ += '\n'; }

    void Integer(std::string_view name, int64_t) { Name(name); }
    void Hundredths(std::string_view name, int64_t) { Name(name); }
    void Stamp(std::string_view name, int32_t, const TDateParts&, int32_t) { Name(name); }
    void None(std::string_view name) { Name(name); }
    void Decimal(std::string_view name, std::string_view) { Name(name); }
    void Code(std::string_view name, std::string_view) { Name(name); }
    void Text(std::string_view name, std::string_view) { Name(name); }

private:
    void Name(std::string_view name)
    {
        text_ += text_.empty() ? "" : ",";
        text_ += name;
    }
    std::string& text_;
};

TFields SummaryFields(const TSummaryValues& v)
{
    const TConnectionSums& s = v.Sums;
    const TConnectionRecord* last = v.Last ? &v.Last->Record : nullptr;
    const auto ofLast = [&](TField (*make)(const char*, int64_t), const char* name, int64_t value) {
        return last != nullptr ? make(name, value) : NoneField(name);
    };
    const TConnectionRecord none;
    const TConnectionRecord& l = last != nullptr ? *last : none;
    return {
        IntegerField("tried_connects", v.Counters.TriedConnects),
        IntegerField("tried_dial_ins", v.Counters.TriedDialIns),
        IntegerField("successful_connects", v.Counters.SuccessfulConnects),
        IntegerField("unclosed_entries", v.Counters.UnclosedEntries),
        IntegerField("log_file_bytes", v.LogFileBytes),
        IntegerField("connections", s.Connections),
        HundredthsField("duration_s", s.DurationHundredths),
        QuotientField("mean_duration_s", s.DurationHundredths, s.Connections * 100),
        s.Connections > 0 ? HundredthsField("mean_dial_s", MeanDialHundredths(s.DialHundredths, s.Connections))
                          : NoneField("mean_dial_s"),
        IntegerField("received_bytes", s.ReceivedBytes),
        IntegerField("sent_bytes", s.SentBytes),
        QuotientField("mean_received_bytes", s.ReceivedBytes, s.Connections),
        QuotientField("mean_sent_bytes", s.SentBytes, s.Connections),
        QuotientField("read_rate", s.ReceivedBytes * 100, s.DurationHundredths),
        QuotientField("write_rate", s.SentBytes * 100, s.DurationHundredths),
        ConnectStamp("last_connect", l),
        HangUpStamp("last_hangup", l),
        ofLast(IntegerField, "last_received_bytes", l.BytesRead),
        ofLast(IntegerField, "last_sent_bytes", l.BytesWritten),
        ofLast(HundredthsField, "last_read_rate", l.ReadRate),
        ofLast(HundredthsField, "last_write_rate", l.WriteRate),
    };
}

}  // namespace

std::string ConnectionsCsvHeader(bool costs)
{
    std::string text;
    TCsvNameWriter names(text);
    WriteConnectionFields({}, names);
    if (costs)
        WriteCostFields({}, names);
    names.End();
    return text;
}

void AppendConnectionCsv(std::string& text, const TNumberedConnection& connection, const TCostFields* costs)
{
    TCsvWriter writer(text);
    WriteConnectionFields(connection, writer);
    if (costs != nullptr)
        WriteCostFields(*costs, writer);
    writer.End();
}

void AppendConnectionJson(std::string& text, const TNumberedConnection& connection, const TCostFields* costs)
{
    TJsonWriter writer(text);
    WriteConnectionFields(connection, writer);
    if (costs != nullptr)
        WriteCostFields(*costs, writer);
    writer.End();
}

TFields CostSumFields(const std::optional<TCostSums>& costs, const TTariff* money)
{
    if (!costs || money == nullptr)
        return {};
    const auto amount = [money](const char* name, std::optional<int64_t> value) {
        return value ? DecimalField(name, money->AmountText(*value)) : NoneField(name);
    };
    return {amount("cost", costs->Total()),
            amount("mean_cost", costs->MeanPerConnection()),
            amount("cost_per_hour", costs->PerHour()),
            TextField("currency", money->Currency()),
            IntegerField("priced_connections", costs->Priced),
            IntegerField("unpriced_connections", costs->Unpriced),
            IntegerField("no_time_connections", costs->NoTimeOnline)};
}

namespace {

std::string DayName(int64_t day)
{
    return PeriodSpan(TPeriod::Day, day, {}).Name;
}

// The billing month's figures so far and foreseen, for --estimate.
TFields EstimateFields(const TPeriodEstimate& e, const TTariff* money)
{
    TFields fields = {TextField("estimate_first_day", DayName(e.Span().First)),
                      TextField("estimate_last_day", DayName(e.Span().Last)),
                      HundredthsField("month_duration_s", e.Used(TQuantity::Time)),
                      HundredthsField("estimated_duration_s", e.Estimate(TQuantity::Time)),
                      IntegerField("month_bytes", e.Used(TQuantity::Volume)),
                      IntegerField("estimated_bytes", e.Estimate(TQuantity::Volume))};
    if (money != nullptr) {
        fields.push_back(DecimalField("month_cost", QuantityText(TQuantity::Cost, e.Used(TQuantity::Cost))));
        fields.push_back(DecimalField("estimated_cost", QuantityText(TQuantity::Cost, e.Estimate(TQuantity::Cost))));
    }
    return fields;
}

TFields WithCosts(TFields fields, const TSummaryValues& values)
{
    const TFields costs = CostSumFields(values.Costs, values.Money);
    fields.insert(fields.end(), costs.begin(), costs.end());
    if (values.Estimate != nullptr) {
        const TFields estimate = EstimateFields(*values.Estimate, values.Money);
        fields.insert(fields.end(), estimate.begin(), estimate.end());
    }
    return fields;
}

}  // namespace

TFields SummaryValueFields(const TSummaryValues& values)
{
    return WithCosts(SummaryFields(values), values);
}

std::string SummaryCsv(const TSummaryValues& values)
{
    const TFields fields = WithCosts(SummaryFields(values), values);
    return CsvLine(fields, true) + CsvLine(fields, false);
}

std::string SummaryJson(const TSummaryValues& values)
{
    return JsonObject(WithCosts(SummaryFields(values), values));
}

std::string SummaryOneLine(const std::string& log, const TSummaryValues& values)
{
    const TFields fields = SummaryFields(values);
    const auto value = [&](std::string_view name) {
        for (const TField& field : fields)
            if (field.Name == name)
                return FieldText(field);
        return std::string();
    };
    // The fields are separated by ";" and the line ends the output: a log's
    // name holding either would break them apart.
    std::string name = log;
    std::replace_if(
        name.begin(), name.end(), [](char c) { return c == ';' || c == '\n' || c == '\r'; }, '_');
    return std::to_string(ReportFormatVersion) + ";" + name + ";" + value("connections") + ";" + value("duration_s")
           + ";" + value("received_bytes") + ";" + value("sent_bytes") + ";" + value("last_connect") + ";"
           + value("last_hangup") + "\n";
}

}  // namespace kellvar
