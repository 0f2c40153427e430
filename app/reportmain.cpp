// SPDX-License-Identifier: GPL-3.0-or-later
// kellvar-report: the window's analysis without a window. Prints the table as
// "Copy Data (Table)" would copy it, the overview's figures, the connections
// as CSV or JSON for scripts, or totals per day, month or year.

#include "core/chartpoints.h"
#include "core/modemlogparser.h"
#include "core/rowtexts.h"
#include "core/summaryfigures.h"
#include "lang/language.h"
#include "lang/messages.h"
#include "lang/texttable.h"
#include "platform/filehandle.h"
#include "platform/programpath.h"
#include "report/connectionexport.h"
#include "report/historyinput.h"
#include "report/machinetext.h"
#include "report/outputstream.h"
#include "report/periodtotals.h"
#include "report/reportoptions.h"
#include "report/scriptreceiver.h"
#include "report/tabletextreceiver.h"
#include "ui/rules/summarylines.h"

#include <QLocale>

#include <nlohmann/json.hpp>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include <spawn.h>
#include <sys/wait.h>

namespace {

using namespace kellvar;

// What the options ask for; decided here once.
enum class TOutputMode { Table, SummaryText, SummaryValues, OneLine, Connections, Periods, Chart };

TOutputMode OutputModeOf(const TReportOptions& o)
{
    if (o.Chart)
        return TOutputMode::Chart;
    if (o.OneLine)
        return TOutputMode::OneLine;
    if (o.Summary)
        return o.Format == TReportFormat::Text ? TOutputMode::SummaryText : TOutputMode::SummaryValues;
    if (o.By)
        return TOutputMode::Periods;
    return o.Format == TReportFormat::Text ? TOutputMode::Table : TOutputMode::Connections;
}

// The table and the overview are the window's texts and keep its row limit;
// what scripts read covers the whole log.
bool IsWindowText(TOutputMode mode)
{
    return mode == TOutputMode::Table || mode == TOutputMode::SummaryText || mode == TOutputMode::Chart;
}

// The chart program, which alone loads the widget libraries: beside this
// program in the build tree, in libexec when installed. Its exit status.
int DrawChart(const TReportOptions& options, const std::string& log, const std::string& shownLog, bool german)
{
    // A log that cannot be opened is said as the other outputs say it.
    if (!platform::OpenForSharedReading(log).IsOpen()) {
        std::cerr << "kellvar-report: " << shownLog << ": " << platform::ErrorText(errno) << '\n';
        return 1;
    }
    const std::string directory = platform::DirectoryOf(platform::ProgramFilePath());
    std::string program = directory + "kellvar-chart";
    if (!platform::FileExists(program))
        program = directory + "../" KELLVAR_LIBEXEC_DIR "/kellvar/kellvar-chart";
    const TChartRequest& chart = *options.Chart;
    const auto dateKey = [](const std::optional<TDateBound>& bound) {
        return bound ? std::to_string(bound->DateKey) : std::string("-");
    };
    std::vector<std::string> arguments = {program,
                                          std::to_string(static_cast<int>(chart.Page)),
                                          chart.Output,
                                          std::to_string(chart.Width),
                                          std::to_string(chart.Height),
                                          german ? "de" : "en",
                                          log,
                                          dateKey(options.Since),
                                          dateKey(options.Until)};
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    pid_t child = 0;
    if (const int error = ::posix_spawn(&child, program.c_str(), nullptr, nullptr, argv.data(), environ); error != 0) {
        std::cerr << "kellvar-report: " << program << ": " << platform::ErrorText(error) << '\n';
        return 1;
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}

std::optional<int32_t> DateKey(const std::optional<TDateBound>& bound)
{
    return bound ? std::optional(bound->DateKey) : std::nullopt;
}

// "format_version", the logs and the dates kept: the head of every JSON document.
std::string JsonHead(const TReportOptions& o)
{
    nlohmann::ordered_json head;
    head["format_version"] = ReportFormatVersion;
    head["log"] = o.LogFiles.front();
    head["logs"] = o.LogFiles;
    head["since"] = o.Since ? nlohmann::ordered_json(o.Since->Text) : nlohmann::ordered_json(nullptr);
    head["until"] = o.Until ? nlohmann::ordered_json(o.Until->Text) : nlohmann::ordered_json(nullptr);
    return JsonDocumentOpening(head.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace));
}

// The last member of a document whose log failed halfway: "error" with the
// file and the system's reason.
std::string JsonError(const std::string& file, const std::string& reason)
{
    nlohmann::ordered_json error;
    error["file"] = file;
    error["reason"] = reason;
    return "\"error\":" + error.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "}\n";
}

// The exit status once standard output is flushed.
int End(bool succeeded, TOutputStream& output, bool german)
{
    if (!output.Finish()) {
        std::cerr << "kellvar-report: " << (german ? "Standardausgabe" : "standard output") << ": "
                  << platform::ErrorText(output.Error()) << '\n';
        succeeded = false;
    }
    return succeeded ? 0 : 1;
}

// A failed run names its file and the system's reason; any other message of
// the run goes to standard error as it is. False when the run failed.
template <typename TReceiver>
bool Finished(bool analysed, const TReceiver& receiver, const TAnalysisCounters& counters, const std::string& log,
              const std::string& shownLog, bool windowText, bool german)
{
    if (!analysed) {
        const std::string& file = receiver.FailedFile == log ? shownLog : receiver.FailedFile;
        std::cerr << "kellvar-report: " << file << ": " << receiver.FailureReason << '\n';
        return false;
    }
    for (const std::string& message : receiver.Messages())
        std::cerr << "kellvar-report: " << message << '\n';
    if (windowText && counters.StoppedAtRowLimit)
        std::cerr << "kellvar-report: " << RowLimitMessage(counters.RowNumber - 1, german) << '\n';
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    ChooseLanguage();
    const auto parsed = ParseReportArguments(std::vector<std::string>(argv + 1, argv + argc), IsGerman);
    if (const auto* error = std::get_if<TUsageError>(&parsed)) {
        std::cerr << error->Message << '\n';
        return 2;
    }
    const TReportOptions& options = std::get<TReportOptions>(parsed);
    const bool german = options.German.value_or(IsGerman);
    if (german)
        platform::SayReasonsInGerman();
    if (options.Help || options.Version) {
        TOutputStream output(stdout);
        output.Write(options.Help ? ReportHelp() : "kellvar-report " KELLVAR_VERSION "\n");
        return End(true, output, german);
    }
    const std::string decimalSeparator = QLocale::system().decimalPoint().toStdString();
    const TOutputMode mode = OutputModeOf(options);
    TOutputStream output(stdout);

    THistoryInput input;
    const bool prepared = input.Prepare(options.LogFiles, german);
    for (const std::string& note : input.Notes())
        std::cerr << "kellvar-report: " << note << '\n';
    if (!prepared) {
        std::cerr << "kellvar-report: " << input.FailedFile() << ": " << input.Reason() << '\n';
        return 1;
    }
    const std::string& log = input.Path();
    // The log as the user named it: several are one history, named by all of them.
    std::string shownLog;
    for (const std::string& file : options.LogFiles)
        shownLog += (shownLog.empty() ? "" : ",") + file;
    TAnalysisFlags flags;
    flags.IsGerman = german;
    flags.WholeLog = !IsWindowText(mode);
    const auto finished = [&](bool analysed, const auto& receiver, const TAnalysisCounters& counters) {
        return Finished(analysed, receiver, counters, log, shownLog, IsWindowText(mode), german);
    };

    if (mode == TOutputMode::Chart)
        return DrawChart(options, log, shownLog, german);
    if (mode == TOutputMode::Table) {
        const std::vector<std::string_view> shown = ColumnCaptions(german);
        TFailureKeeping<TTableTextReceiver> table(decimalSeparator,
                                                  std::vector<std::string>(shown.begin(), shown.end()), output,
                                                  DateKey(options.Since), DateKey(options.Until));
        const bool analysed = AnalyseLogFile(log, true, flags, table);
        return End(finished(analysed, table, table.Counters()), output, german);
    }
    if (mode == TOutputMode::SummaryText) {
        // The overview's figures from the sums of the chart series, as the window computes them.
        TChartPoints sums(false);
        TFailureKeeping<TScriptReceiver> run(std::nullopt, std::nullopt,
                                             [&](const TNumberedConnection& c) { sums.Add(c.Record); });
        const bool analysed = AnalyseLogFile(log, true, flags, run);
        const TSummaryValues summary = run.Summary();
        if (!finished(analysed, run, summary.Counters))
            return End(false, output, german);
        std::optional<TLastConnection> last;
        if (summary.Last)
            last = LastConnectionTexts(
                ConnectionRowCells(summary.Last->Record, summary.Last->Number + 1, decimalSeparator));
        output.Write(SummaryLines(SummaryFigureTexts(summary.Counters, sums, decimalSeparator), last, german));
        return End(true, output, german);
    }

    // The script outputs: each connection handed on as the run reads it.
    const bool json = options.Format == TReportFormat::Json && mode != TOutputMode::OneLine;
    std::optional<TPeriodTotals> periods;
    if (mode == TOutputMode::Periods)
        periods.emplace(*options.By);
    bool first = true;
    const auto onConnection = [&](const TNumberedConnection& connection) {
        if (periods)
            periods->Add(connection.Record);
        else if (mode == TOutputMode::Connections && json)
            AppendConnectionJson(output.Pending() += first ? "\n  " : ",\n  ", connection);
        else if (mode == TOutputMode::Connections)
            AppendConnectionCsv(output.Pending(), connection);
        output.Wrote();
        first = false;
    };
    if (json)
        output.Write(JsonHead(options));
    if (mode == TOutputMode::Connections)
        output.Write(json ? "\"connections\":[" : ConnectionsCsvHeader());
    TFailureKeeping<TScriptReceiver> run(DateKey(options.Since), DateKey(options.Until), onConnection);
    const bool analysed = AnalyseLogFile(log, true, flags, run);
    if (!finished(analysed, run, run.Summary().Counters)) {
        // A document begun is closed, so that a parser sees the whole of it and the error.
        if (json)
            output.Write(std::string(mode != TOutputMode::Connections ? ""
                                     : first                          ? "],"
                                                                      : "\n],")
                         + JsonError(run.FailedFile == log ? shownLog : run.FailedFile, run.FailureReason));
        return End(false, output, german);
    }
    TSummaryValues summary = run.Summary();
    summary.LogFileBytes = input.InputBytes();
    switch (mode) {
    case TOutputMode::Connections:
        if (json)
            output.Write((first ? "]" : "\n]") + std::string(",\"summary\":") + SummaryJson(summary) + "}\n");
        break;
    case TOutputMode::Periods: {
        const std::vector<TPeriodTotal> top = options.Top ? periods->Top(*options.Top) : std::vector<TPeriodTotal>{};
        const std::vector<TPeriodTotal>& kept = options.Top ? top : periods->Periods();
        const TTextSink sink = [&output](std::string_view text) { output.Write(text); };
        if (json)
            WritePeriodTotalsJson(*options.By, kept, sink);
        else if (options.Format == TReportFormat::Csv)
            WritePeriodTotalsCsv(kept, sink);
        else
            WritePeriodTotalsText(kept, german, decimalSeparator, sink);
        break;
    }
    case TOutputMode::SummaryValues:
        output.Write(json ? "\"summary\":" + SummaryJson(summary) + "}\n" : SummaryCsv(summary));
        break;
    case TOutputMode::OneLine:
        output.Write(SummaryOneLine(shownLog, summary));
        break;
    case TOutputMode::Table:
    case TOutputMode::SummaryText:
    case TOutputMode::Chart:
        break;
    }
    return End(true, output, german);
}
