// SPDX-License-Identifier: GPL-3.0-or-later
// kellvar-report: the window's analysis without a window. Prints the table as
// "Copy Data (Table)" would copy it, the overview's figures, the connections
// as CSV or JSON for scripts, or totals per day, month or year.

#include "core/calendar.h"
#include "core/modemlogparser.h"
#include "core/tariffs.h"
#include "lang/language.h"
#include "platform/filehandle.h"
#include "platform/localdate.h"
#include "platform/programpath.h"
#include "report/historyinput.h"
#include "report/outputstream.h"
#include "report/reportoptions.h"
#include "report/reportwriter.h"

#include <QLocale>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <spawn.h>
#include <sys/wait.h>

namespace {

using namespace kellvar;

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
    // The Costs page's chart prices by the tariff files, in their order.
    arguments.insert(arguments.end(), options.Tariffs.begin(), options.Tariffs.end());
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
    // A tariff that cannot be read is refused before any output: it never costs 0.
    std::optional<TTariffs> tariffs;
    if (!options.Tariffs.empty()) {
        auto read = ReadTariffFiles(options.Tariffs, !options.Compare);
        if (const auto* error = std::get_if<TTariffError>(&read)) {
            std::cerr << "kellvar-report: " << error->Message << '\n';
            return 2;
        }
        tariffs.emplace(std::get<TTariffs>(std::move(read)));
    }
    TOutputStream output(stdout);
    THistoryInput history;
    const bool prepared = history.Prepare(options.LogFiles, german);
    for (const std::string& note : history.Notes())
        std::cerr << "kellvar-report: " << note << '\n';
    if (!prepared) {
        std::cerr << "kellvar-report: " << history.FailedFile() << ": " << history.Reason() << '\n';
        return 1;
    }
    TReportInput input;
    input.Log = history.Path();
    for (const std::string& file : options.LogFiles)
        input.ShownLog += (input.ShownLog.empty() ? "" : ",") + file;
    input.InputBytes = history.InputBytes();
    input.German = german;
    input.DecimalSeparator = QLocale::system().decimalPoint().toStdString();
    input.Tariffs = tariffs ? &*tariffs : nullptr;
    const platform::TLocalDate today = platform::LocalDate();
    input.Today = options.Today.value_or(DayNumber(today.Year, today.Month, today.Day));

    const std::unique_ptr<TReportWriter> writer = MakeReportWriter(options, input, output);
    if (!writer)
        return DrawChart(options, input.Log, input.ShownLog, german);
    TAnalysisFlags flags;
    flags.IsGerman = german;
    const TReportRun run = writer->Write(flags);
    if (!run.Analysed)
        std::cerr << "kellvar-report: " << run.FailedFile << ": " << run.FailureReason << '\n';
    for (const std::string& message : run.Messages)
        std::cerr << "kellvar-report: " << message << '\n';
    // An exceeded limit is told apart from a failure: 2, where errors give 1.
    const int status = End(run.Analysed, output, german);
    return status == 0 && run.LimitExceeded ? 2 : status;
}
