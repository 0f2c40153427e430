// kellvar-report: the window's analysis without a window. Prints the table as
// "Copy Data (Table)" would copy it, the overview's figures, the connections
// as CSV or JSON for scripts, or totals per day, month or year.

#include "core/analysisstore.h"
#include "core/modemlogparser.h"
#include "core/rowtexts.h"
#include "lang/language.h"
#include "lang/messages.h"
#include "lang/texttable.h"
#include "report/connectionexport.h"
#include "report/periodtotals.h"
#include "report/reportoptions.h"
#include "report/tabletextreceiver.h"
#include "ui/rules/summarylines.h"

#include <QLocale>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace kellvar;

bool InRange(const TConnectionRecord& record, const TReportOptions& options)
{
    return (!options.Since || record.ConnectDate >= *options.Since)
           && (!options.Until || record.ConnectDate <= *options.Until);
}

// The run's connections that the options keep, numbered as in the table.
std::vector<TNumberedConnection> KeptConnections(const TAnalysisStore& store, const TReportOptions& options)
{
    std::vector<TNumberedConnection> kept;
    const std::vector<TConnectionRecord>& records = store.Records();
    for (size_t i = 0; i < records.size(); ++i)
        if (InRange(records[i], options))
            kept.push_back({static_cast<int32_t>(i), records[i]});
    return kept;
}

// The rows of the table that a range of connect dates keeps.
std::string CopyTableText(const TAnalysisStore& store, const TReportOptions& options, bool german)
{
    const std::vector<std::string_view> shown = ColumnCaptions(german);
    const std::vector<std::string> captions(shown.begin(), shown.end());
    std::vector<TRowCells> rows;
    for (size_t i = 0; i < store.Records().size(); ++i)
        if (InRange(store.Records()[i], options))
            rows.push_back(store.Table().Rows()[i]);
    return TableText(rows, captions);
}

std::string ReportText(const TAnalysisStore& store, const TReportOptions& options, bool german,
                       const std::string& decimalSeparator)
{
    if (options.Summary)
        return SummaryLines(store.Figures(), store.LastConnection(), german);
    if (options.Format == TReportFormat::Text && !options.By)
        return CopyTableText(store, options, german);
    const std::vector<TNumberedConnection> kept = KeptConnections(store, options);
    if (options.By) {
        const std::vector<TPeriodTotal> periods = PeriodTotals(kept, *options.By);
        switch (options.Format) {
        case TReportFormat::Csv:
            return PeriodTotalsCsv(periods);
        case TReportFormat::Json:
            return PeriodTotalsJson(options.LogFile, *options.By, periods);
        case TReportFormat::Text:
            return PeriodTotalsText(periods, german, decimalSeparator);
        }
    }
    if (options.Format == TReportFormat::Csv)
        return ConnectionsCsv(kept);
    return ConnectionsJson(options.LogFile, kept, SummaryOf(store.Counters(), kept));
}

// Messages of a failed run go to standard error; a run cut at the row limit says so.
template <typename TReceiver> bool Finished(bool analysed, const TReceiver& receiver, bool german)
{
    if (!analysed || !receiver.Messages().empty()) {
        for (const std::string& message : receiver.Messages())
            std::cerr << message << '\n';
        return false;
    }
    if (receiver.Counters().StoppedAtRowLimit)
        std::cerr << "kellvar-report: " << RowLimitMessage(receiver.Counters().RowNumber - 1, german) << '\n';
    return true;
}

// Ends once standard output is flushed; the run's hundreds of thousands of
// cells need no freeing one by one when the process ends anyway.
[[noreturn]] void End(bool succeeded)
{
    const bool flushed = std::fflush(stdout) == 0;
    std::_Exit(succeeded && flushed ? 0 : 1);
}

// The whole output, written at once.
[[noreturn]] void WriteAndEnd(const std::string& text)
{
    End(std::fwrite(text.data(), 1, text.size(), stdout) == text.size());
}

}  // namespace

int main(int argc, char** argv)
{
    const auto parsed = ParseReportArguments(std::vector<std::string>(argv + 1, argv + argc));
    if (const auto* error = std::get_if<TUsageError>(&parsed)) {
        std::cerr << error->Message << '\n';
        return 2;
    }
    const TReportOptions& options = std::get<TReportOptions>(parsed);
    if (options.Help) {
        std::cout << ReportHelp();
        return 0;
    }
    if (options.Version) {
        std::cout << "kellvar-report " KELLVAR_VERSION "\n";
        return 0;
    }
    ChooseLanguage();
    const bool german = options.German.value_or(IsGerman);
    const std::string decimalSeparator = QLocale::system().decimalPoint().toStdString();
    TAnalysisFlags flags;
    flags.IsGerman = german;

    // The plain table is written as the run goes; everything else needs the whole run.
    const bool plainTable =
        !options.Summary && !options.By && !options.Since && !options.Until && options.Format == TReportFormat::Text;
    if (plainTable) {
        const std::vector<std::string_view> shown = ColumnCaptions(german);
        TTableTextReceiver table(decimalSeparator, std::vector<std::string>(shown.begin(), shown.end()), stdout);
        End(Finished(AnalyseLogFile(options.LogFile, true, flags, table), table, german) && table.Written());
    }
    TAnalysisStore store(decimalSeparator);
    if (!Finished(AnalyseLogFile(options.LogFile, true, flags, store), store, german))
        return 1;
    WriteAndEnd(ReportText(store, options, german, decimalSeparator));
}
