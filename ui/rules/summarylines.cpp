#include "summarylines.h"

#include "lang/texttable.h"

#include <array>

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

using F = TSummaryFigures;
using L = TLastConnection;

const std::array<TFigureSlot, 20> Slots = {{
    {"OvVerbindungsVersucheLabel", "TriedConnectsStaticText", "TriedConnectsLabel", Figure<&F::TriedConnects>},
    {"OvAnwahlversucheLabel", "TriedDialInsStaticText", "TriedDialInsLabel", Figure<&F::TriedDialIns>},
    {"OvVerbindungsaufnahmenLabel", "SuccessfulConnectsStaticText", "SuccessfulConnectsLabel",
     Figure<&F::SuccessfulConnects>},
    {"OvVerstuemmelteEintraegeLabel", "UnclosedEntriesStaticText", "UnclosedEntriesLabel", Figure<&F::UnclosedEntries>},
    {"OvDurchschnittLesenLabel", "AverageReadRateStaticText", "AverageReadRateLabel", Figure<&F::AverageReadRate>},
    {"OvDurchschnittSchreibenLabel", "AverageWriteRateStaticText", "AverageWriteRateLabel",
     Figure<&F::AverageWriteRate>},
    {"OvGesamtmengeGelesenLabel", "SumReadDataStaticText", "SumReadDataLabel", Figure<&F::SumReadData>},
    {"OvDurchschnittGelesenLabel", "MeanReadDataStaticText", nullptr, Figure<&F::MeanReadData>},
    {"OvGesamtmengeGesendetLabel", "SumWrittenDataStaticText", "SumWrittenDataLabel", Figure<&F::SumWrittenData>},
    {"OvDurchschnittgesendetLabel", "MeanWrittenDataStaticText", nullptr, Figure<&F::MeanWrittenData>},
    {"OvGesamtverbindungsdauerLabel", "SumConnectionTimeStaticText", "SumConnectionTimeLabel",
     Figure<&F::SumConnectionTime>},
    {"OvMittlereVerbindungsdauerLabel", "MeanConnectionTimeStaticText", "MeanConnectionTimeLabel",
     Figure<&F::MeanConnectionTime>},
    {"OvMittlereAnwahldauerLabel", "AverageDialingTimeStaticText", "AverageDialingTimeLabel",
     Figure<&F::AverageDialingTime>},
    {"OvLastBeginnLabel", "StartLastConnectionStaticText", nullptr, Last<&L::Start>},
    {"OvLastEmpfangenLabel", "ReceivedBytesLastConnectionStaticText", nullptr, Last<&L::Received>},
    {"OvLastEmpfangsrateLabel", "ReceiverateLastConnectionStaticText", nullptr, Last<&L::ReceiveRate>},
    {"OvLastEndeLabel", "EndLastConnectionStaticText", nullptr, Last<&L::End>},
    {"OvLastGesendetLabel", "SentBytesLastConnectionStaticText", nullptr, Last<&L::Sent>},
    {"OvLastSenderateLabel", "SendrateLastConnectionStaticText", nullptr, Last<&L::SendRate>},
    {"OvLogFileSizeLabel", "LogFileSizeStaticText", nullptr, Figure<&F::LogFileSize>},
}};

}  // namespace

std::span<const TFigureSlot> FigureSlots()
{
    return Slots;
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
