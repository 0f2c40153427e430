#include "connectionexport.h"

#include "machinetext.h"

#include <string_view>
#include <utility>

namespace kellvar {

void TConnectionSums::Add(const TConnectionRecord& r)
{
    ++Connections;
    DurationHundredths += r.ConnectionDuration;
    DialHundredths += r.DialDuration;
    ReceivedBytes += r.BytesRead;
    SentBytes += r.BytesWritten;
}

void TConnectionSums::Add(const TConnectionSums& other)
{
    Connections += other.Connections;
    DurationHundredths += other.DurationHundredths;
    DialHundredths += other.DialHundredths;
    ReceivedBytes += other.ReceivedBytes;
    SentBytes += other.SentBytes;
}

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

TFields ConnectionFields(const TNumberedConnection& c)
{
    const TConnectionRecord& r = c.Record;
    return {IntegerField("number", c.Number),
            ConnectStamp("connect", r),
            HangUpStamp("hangup", r),
            Stamp("dial", r.DialDate, r.DialDateParts, r.DialTime),
            HundredthsField("duration_s", r.ConnectionDuration),
            HundredthsField("dial_s", r.DialDuration),
            HundredthsField("read_rate", r.ReadRate),
            HundredthsField("write_rate", r.WriteRate),
            IntegerField("received_bytes", r.BytesRead),
            IntegerField("sent_bytes", r.BytesWritten),
            IntegerField("speed_bps", r.Bps),
            r.OverrunErrors < 0 ? NoneField("overrun_errors") : IntegerField("overrun_errors", r.OverrunErrors)};
}

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
        IntegerField("log_file_bytes", int64_t{v.Counters.LogFileBlocks} * 128),
        IntegerField("connections", s.Connections),
        HundredthsField("duration_s", s.DurationHundredths),
        QuotientField("mean_duration_s", s.DurationHundredths, s.Connections * 100),
        // The overview's mean dialing time is cut to hundredths, not rounded.
        s.Connections > 0 ? HundredthsField("mean_dial_s", s.DialHundredths / s.Connections) : NoneField("mean_dial_s"),
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

std::string ConnectionsCsvHeader()
{
    return CsvLine(ConnectionFields({}), true);
}

std::string ConnectionCsvLine(const TNumberedConnection& connection)
{
    return CsvLine(ConnectionFields(connection), false);
}

std::string ConnectionJson(const TNumberedConnection& connection)
{
    return JsonObject(ConnectionFields(connection));
}

std::string SummaryCsv(const TSummaryValues& values)
{
    const TFields fields = SummaryFields(values);
    return CsvLine(fields, true) + CsvLine(fields, false);
}

std::string SummaryJson(const TSummaryValues& values)
{
    return JsonObject(SummaryFields(values));
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
    return std::to_string(ReportFormatVersion) + ";" + log + ";" + value("connections") + ";" + value("duration_s")
           + ";" + value("received_bytes") + ";" + value("sent_bytes") + ";" + value("last_connect") + ";"
           + value("last_hangup") + "\n";
}

}  // namespace kellvar
