#include "summarylines.h"

#include "lang/texttable.h"

#include <utility>
#include <vector>

namespace kellvar {

std::string SummaryLines(const TSummaryFigures& f, const std::optional<TLastConnection>& last, bool german)
{
    const auto shown = [](const std::optional<std::string>& text) { return text.value_or("-"); };
    const auto lastShown = [&](std::string TLastConnection::*field) { return last ? (*last).*field : "-"; };
    const std::vector<std::pair<std::string_view, std::string>> lines = {
        {"OvVerbindungsVersucheLabel", f.TriedConnects},
        {"OvAnwahlversucheLabel", f.TriedDialIns},
        {"OvVerbindungsaufnahmenLabel", f.SuccessfulConnects},
        {"OvVerstuemmelteEintraegeLabel", f.UnclosedEntries},
        {"OvDurchschnittLesenLabel", shown(f.AverageReadRate)},
        {"OvDurchschnittSchreibenLabel", shown(f.AverageWriteRate)},
        {"OvGesamtmengeGelesenLabel", f.SumReadData},
        {"OvDurchschnittGelesenLabel", shown(f.MeanReadData)},
        {"OvGesamtmengeGesendetLabel", f.SumWrittenData},
        {"OvDurchschnittgesendetLabel", shown(f.MeanWrittenData)},
        {"OvGesamtverbindungsdauerLabel", f.SumConnectionTime},
        {"OvMittlereVerbindungsdauerLabel", shown(f.MeanConnectionTime)},
        {"OvMittlereAnwahldauerLabel", shown(f.AverageDialingTime)},
        {"OvLastBeginnLabel", lastShown(&TLastConnection::Start)},
        {"OvLastEmpfangenLabel", lastShown(&TLastConnection::Received)},
        {"OvLastEmpfangsrateLabel", lastShown(&TLastConnection::ReceiveRate)},
        {"OvLastEndeLabel", lastShown(&TLastConnection::End)},
        {"OvLastGesendetLabel", lastShown(&TLastConnection::Sent)},
        {"OvLastSenderateLabel", lastShown(&TLastConnection::SendRate)},
        {"OvLogFileSizeLabel", f.LogFileSize},
    };
    std::string text;
    for (const auto& [label, value] : lines)
        text += std::string(TextOf(label, TTextProperty::Caption, german)) + '\t' + value + '\n';
    return text;
}

}  // namespace kellvar
