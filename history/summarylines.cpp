// SPDX-License-Identifier: GPL-3.0-or-later
#include "summarylines.h"

#include "lang/texttable.h"

#include <array>
#include <stdexcept>

namespace kellvar {

namespace {

using TLast = std::optional<TLastConnection>;

// The value of a figure of the run or of its last connection, as a slot reads it.
template <auto Field> std::optional<std::string> Figure(const TSummaryFigures& f, const TLast&)
{
    return f.*Field;
}

template <auto Field> std::optional<std::string> Last(const TSummaryFigures&, const TLast& last)
{
    return last ? std::optional<std::string>((*last).*Field) : std::nullopt;
}

// The longest texts of the figures: a count at the table's row limit, rates
// and volumes below the next prefix, durations of a long log, a stamp with a
// two-digit day and month.
const char* const LongCount = "32766";
const char* const LongRate = "1023.99Kbyte/s";
const char* const LongLineRate = "1023.99Kcps";
const char* const LongVolume = "1023.99Mbyte";
const char* const LongClock = "9999:59:59.99";
const char* const LongDialing = "999.99 Sekunden";
const char* const LongStamp = "30.12.2000-23:59:59.99";

using F = TSummaryFigures;
using L = TLastConnection;

const std::array<TFigureSlot, 20> Slots = {{
    {"OvVerbindungsVersucheLabel", "TriedConnectsStaticText", "TriedConnectsLabel", LongCount,
     Figure<&F::TriedConnects>, "tried_connects", "OvVerbindungenGroupBox"},
    {"OvAnwahlversucheLabel", "TriedDialInsStaticText", "TriedDialInsLabel", LongCount, Figure<&F::TriedDialIns>,
     "tried_dial_ins", "OvVerbindungenGroupBox"},
    {"OvVerbindungsaufnahmenLabel", "SuccessfulConnectsStaticText", "SuccessfulConnectsLabel", LongCount,
     Figure<&F::SuccessfulConnects>, "successful_connects", "OvVerbindungenGroupBox"},
    {"OvVerstuemmelteEintraegeLabel", "UnclosedEntriesStaticText", "UnclosedEntriesLabel", LongCount,
     Figure<&F::UnclosedEntries>, "unclosed_entries", "OvVerbindungenGroupBox"},
    {"OvDurchschnittLesenLabel", "AverageReadRateStaticText", "AverageReadRateLabel", LongRate,
     Figure<&F::AverageReadRate>, "read_rate", "OvUebertragungsratenGroupBox"},
    {"OvDurchschnittSchreibenLabel", "AverageWriteRateStaticText", "AverageWriteRateLabel", LongRate,
     Figure<&F::AverageWriteRate>, "write_rate", "OvUebertragungsratenGroupBox"},
    {"OvGesamtmengeGelesenLabel", "SumReadDataStaticText", "SumReadDataLabel", LongVolume, Figure<&F::SumReadData>,
     "received_bytes", "OvTransfervolumenGroupBox"},
    {"OvDurchschnittGelesenLabel", "MeanReadDataStaticText", nullptr, LongVolume, Figure<&F::MeanReadData>,
     "mean_received_bytes", "OvTransfervolumenGroupBox"},
    {"OvGesamtmengeGesendetLabel", "SumWrittenDataStaticText", "SumWrittenDataLabel", LongVolume,
     Figure<&F::SumWrittenData>, "sent_bytes", "OvTransfervolumenGroupBox"},
    {"OvDurchschnittgesendetLabel", "MeanWrittenDataStaticText", nullptr, LongVolume, Figure<&F::MeanWrittenData>,
     "mean_sent_bytes", "OvTransfervolumenGroupBox"},
    {"OvGesamtverbindungsdauerLabel", "SumConnectionTimeStaticText", "SumConnectionTimeLabel", LongClock,
     Figure<&F::SumConnectionTime>, "duration_s", "OvVerbindungszeitenGroupBox"},
    {"OvMittlereVerbindungsdauerLabel", "MeanConnectionTimeStaticText", "MeanConnectionTimeLabel", LongClock,
     Figure<&F::MeanConnectionTime>, "mean_duration_s", "OvVerbindungszeitenGroupBox"},
    {"OvMittlereAnwahldauerLabel", "AverageDialingTimeStaticText", "AverageDialingTimeLabel", LongDialing,
     Figure<&F::AverageDialingTime>, "mean_dial_s", "OvVerbindungszeitenGroupBox"},
    {"OvLastBeginnLabel", "StartLastConnectionStaticText", nullptr, LongStamp, Last<&L::Start>, "last_connect",
     "OvLastConnectGroupBox"},
    {"OvLastEmpfangenLabel", "ReceivedBytesLastConnectionStaticText", nullptr, LongVolume, Last<&L::Received>,
     "last_received_bytes", "OvLastConnectGroupBox"},
    {"OvLastEmpfangsrateLabel", "ReceiverateLastConnectionStaticText", nullptr, LongLineRate, Last<&L::ReceiveRate>,
     "last_read_rate", "OvLastConnectGroupBox"},
    {"OvLastEndeLabel", "EndLastConnectionStaticText", nullptr, LongStamp, Last<&L::End>, "last_hangup",
     "OvLastConnectGroupBox"},
    {"OvLastGesendetLabel", "SentBytesLastConnectionStaticText", nullptr, LongVolume, Last<&L::Sent>, "last_sent_bytes",
     "OvLastConnectGroupBox"},
    {"OvLastSenderateLabel", "SendrateLastConnectionStaticText", nullptr, LongLineRate, Last<&L::SendRate>,
     "last_write_rate", "OvLastConnectGroupBox"},
    {"OvLogFileSizeLabel", "LogFileSizeStaticText", nullptr, LongVolume, Figure<&F::LogFileSize>, "log_file_bytes",
     nullptr},
}};

}  // namespace

std::span<const TFigureSlot> FigureSlots()
{
    return Slots;
}

size_t FigureSlotOfStatusLabel(std::string_view statusLabel)
{
    for (size_t slot = 0; slot < Slots.size(); ++slot)
        if (Slots[slot].StatusLabel != nullptr && Slots[slot].StatusLabel == statusLabel)
            return slot;
    // A panel naming no figure is a mistake of the layout; it must not get far.
    throw std::invalid_argument("no figure is shown in the status label " + std::string(statusLabel));
}

std::string SummaryLines(const TSummaryFigures& figures, const std::optional<TLastConnection>& last, bool german)
{
    std::string text;
    for (const TFigureSlot& slot : Slots)
        text += std::string(TextOf(slot.Caption, TTextProperty::Caption, german)) + '\t'
                + slot.Value(figures, last).value_or("-") + '\n';
    return text;
}

}  // namespace kellvar
