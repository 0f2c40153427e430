#include "connectionexport.h"

#include "machinetext.h"

#include <array>
#include <optional>
#include <utility>

namespace kellvar {

namespace {

constexpr std::array<const char*, 12> FieldNames = {"number",         "connect",    "hangup",    "dial",
                                                    "duration_s",     "dial_s",     "read_rate", "write_rate",
                                                    "received_bytes", "sent_bytes", "speed_bps", "overrun_errors"};

// The fields of one connection in the order of FieldNames; no value where
// the log gave none. Strings are marked so JSON quotes them.
struct TField {
    std::optional<std::string> Value;
    bool IsText = false;
};

std::array<TField, FieldNames.size()> Fields(const TNumberedConnection& c)
{
    const TConnectionRecord& r = c.Record;
    const auto stamp = [](int32_t key, const TDateParts& parts, int32_t time) {
        std::string text = IsoStamp(key, parts, time);
        return TField{text.empty() ? std::nullopt : std::optional(std::move(text)), true};
    };
    const auto number = [](int64_t value) { return TField{std::to_string(value)}; };
    const auto decimal = [](int64_t hundredths) { return TField{HundredthsDecimal(hundredths)}; };
    return {number(c.Number),
            stamp(r.ConnectDate, r.ConnectDateParts, r.ConnectTime),
            stamp(r.HangUpDate, r.HangUpDateParts, r.HangUpTime),
            stamp(r.DialDate, r.DialDateParts, r.DialTime),
            decimal(r.ConnectionDuration),
            decimal(r.DialDuration),
            decimal(r.ReadRate),
            decimal(r.WriteRate),
            number(r.BytesRead),
            number(r.BytesWritten),
            number(r.Bps),
            r.OverrunErrors < 0 ? TField{} : number(r.OverrunErrors)};
}

std::string JsonValue(const TField& field)
{
    if (!field.Value)
        return "null";
    return field.IsText ? JsonString(*field.Value) : *field.Value;
}

}  // namespace

TExportSummary SummaryOf(const TAnalysisCounters& counters, const std::vector<TNumberedConnection>& connections)
{
    TExportSummary s;
    s.Counters = counters;
    for (const TNumberedConnection& c : connections) {
        ++s.Connections;
        s.DurationHundredths += c.Record.ConnectionDuration;
        s.ReceivedBytes += c.Record.BytesRead;
        s.SentBytes += c.Record.BytesWritten;
        s.DialHundredths += c.Record.DialDuration;
    }
    return s;
}

std::string ConnectionsCsv(const std::vector<TNumberedConnection>& connections)
{
    std::string text;
    for (const char* name : FieldNames)
        text += std::string(text.empty() ? "" : ",") + name;
    text += '\n';
    for (const TNumberedConnection& c : connections) {
        const auto fields = Fields(c);
        for (size_t i = 0; i < fields.size(); ++i)
            text += (i == 0 ? "" : ",") + CsvField(fields[i].Value.value_or(""));
        text += '\n';
    }
    return text;
}

std::string ConnectionsJson(const std::string& logPath, const std::vector<TNumberedConnection>& connections,
                            const TExportSummary& s)
{
    std::string text = "{\"log\": " + JsonString(logPath) + ", \"connections\": [";
    for (size_t row = 0; row < connections.size(); ++row) {
        const auto fields = Fields(connections[row]);
        text += row == 0 ? "\n  {" : ",\n  {";
        for (size_t i = 0; i < fields.size(); ++i)
            text += std::string(i == 0 ? "" : ", ") + "\"" + FieldNames[i] + "\": " + JsonValue(fields[i]);
        text += "}";
    }
    // The overview's mean dialing time: cut to hundredths, not rounded.
    const std::string meanDial = s.Connections > 0 ? HundredthsDecimal(s.DialHundredths / s.Connections) : "null";
    const std::vector<std::pair<const char*, std::string>> summary = {
        {"tried_connects", std::to_string(s.Counters.TriedConnects)},
        {"tried_dial_ins", std::to_string(s.Counters.TriedDialIns)},
        {"successful_connects", std::to_string(s.Counters.SuccessfulConnects)},
        {"unclosed_entries", std::to_string(s.Counters.UnclosedEntries)},
        {"connections", std::to_string(s.Connections)},
        {"duration_s", HundredthsDecimal(s.DurationHundredths)},
        {"received_bytes", std::to_string(s.ReceivedBytes)},
        {"sent_bytes", std::to_string(s.SentBytes)},
        {"mean_dial_s", meanDial},
    };
    text += connections.empty() ? "], \"summary\": {" : "\n], \"summary\": {";
    for (size_t i = 0; i < summary.size(); ++i)
        text += std::string(i == 0 ? "" : ", ") + "\"" + summary[i].first + "\": " + summary[i].second;
    return text + "}}\n";
}

}  // namespace kellvar
