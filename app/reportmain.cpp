// SPDX-License-Identifier: GPL-3.0-or-later
// kellvar-report: the window's analysis without a window. Prints the table as
// "Copy Data (Table)" would copy it, the overview's figures, the connections
// as CSV or JSON for scripts, or totals per day, month or year.

#include "core/calendar.h"
#include "core/formatting.h"
#include "core/modemlogparser.h"
#include "core/tariffs.h"
#include "lang/language.h"
#include "lang/messages.h"
#include "lang/wordings.h"
#include "platform/decimalseparator.h"
#include "platform/filehandle.h"
#include "platform/localdate.h"
#include "platform/ownership.h"
#include "platform/programfiles.h"
#include "platform/programpath.h"
#include "report/historyinput.h"
#include "report/outputstream.h"
#include "report/reportoptions.h"
#include "report/reportwriter.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>

namespace {

using namespace kellvar;

// The file a picture is written to, as it stood before: a chart written
// anew is a new file in its place.
std::optional<std::pair<dev_t, ino_t>> FileIdentity(const std::string& path)
{
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    return std::pair(info.st_dev, info.st_ino);
}

// Passes on what the helper says on standard error; true when it said anything.
bool PassOnMessages(int fd)
{
    bool said = false;
    std::array<char, 4096> text{};
    for (;;) {
        const ssize_t read = ::read(fd, text.data(), text.size());
        if (read < 0 && errno == EINTR)
            continue;
        if (read <= 0)
            return said;
        said = true;
        std::cerr.write(text.data(), read);
    }
}

// The chart program, which alone loads the widget libraries: beside this
// program in a build tree or a copy of one's own, where nobody else could
// have put it; only the one installed in libexec for the installed program.
// Its exit status; a helper that fails, is killed or writes no picture
// fails the run with a line that says so.
int DrawChart(const TReportOptions& options, const std::string& log, const std::string& shownLog, bool german)
{
    // A log that cannot be opened is said as the other outputs say it.
    if (!platform::OpenForSharedReading(log).IsOpen()) {
        std::cerr << "kellvar-report: " << shownLog << ": " << platform::ErrorText(errno) << '\n';
        return 1;
    }
    std::string program = platform::HelperProgram(platform::ProgramFilePath(), "kellvar-chart", KELLVAR_CHART_PROGRAM);
    if (!platform::FileExists(program)) {
        std::cerr << "kellvar-report: " << program << ": " << platform::ErrorText(ENOENT) << '\n';
        return 1;
    }
    if (!platform::OnlyUserMayChangePath(program)) {
        std::cerr << "kellvar-report: " << UntrustedHelperMessage(program, german) << '\n';
        return 1;
    }
    const TChartRequest& chart = *options.Chart;
    const auto dateKey = [](const std::optional<TDateBound>& bound) {
        return bound ? std::to_string(bound->DateKey) : std::string("-");
    };
    std::vector<std::string> arguments = {program,
                                          std::to_string(static_cast<int>(chart.Page)),
                                          chart.Output,
                                          std::to_string(chart.Width),
                                          std::to_string(chart.Height),
                                          std::string(LanguageCode(german)),
                                          log,
                                          dateKey(options.Since),
                                          dateKey(options.Until)};
    // The Costs page's chart prices by the tariff files, in their order.
    arguments.insert(arguments.end(), options.Tariffs.begin(), options.Tariffs.end());
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    const bool toStandardOutput = chart.Output == "-";
    const auto before = FileIdentity(chart.Output);
    std::array<int, 2> messages{};
    if (::pipe2(messages.data(), O_CLOEXEC) != 0) {
        std::cerr << "kellvar-report: " << program << ": " << platform::ErrorText(errno) << '\n';
        return 1;
    }
    platform::TFileHandle reading(messages[0]);
    platform::TFileHandle writing(messages[1]);
    posix_spawn_file_actions_t actions;
    ::posix_spawn_file_actions_init(&actions);
    ::posix_spawn_file_actions_adddup2(&actions, writing.Fd(), STDERR_FILENO);
    pid_t child = 0;
    const int error = ::posix_spawn(&child, program.c_str(), &actions, nullptr, argv.data(), environ);
    ::posix_spawn_file_actions_destroy(&actions);
    writing.Close();
    if (error != 0) {
        std::cerr << "kellvar-report: " << program << ": " << platform::ErrorText(error) << '\n';
        return 1;
    }
    const bool said = PassOnMessages(reading.Fd());
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (WIFSIGNALED(status)) {
        std::cerr << "kellvar-report: " << HelperKilledMessage(program, WTERMSIG(status), german) << '\n';
        return 1;
    }
    const int exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : 1;
    if (exitStatus != 0) {
        if (!said)
            std::cerr << "kellvar-report: " << HelperFailedMessage(program, exitStatus, german) << '\n';
        return 1;
    }
    const auto after = FileIdentity(chart.Output);
    if (!toStandardOutput && (!after || after == before)) {
        std::cerr << "kellvar-report: " << NoPictureWrittenMessage(chart.Output, german) << '\n';
        return 1;
    }
    return 0;
}

// The exit status once standard output is flushed.
int End(bool succeeded, TOutputStream& output, bool german)
{
    if (!output.Finish()) {
        std::cerr << "kellvar-report: " << Wording(TWording::StandardOutput, german) << ": "
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
        std::cerr << VisibleText(error->Message) << '\n';
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
            std::cerr << "kellvar-report: " << VisibleText(error->Message) << '\n';
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
    input.DecimalSeparator = platform::LocaleDecimalSeparator();
    input.Tariffs = tariffs ? &*tariffs : nullptr;
    const platform::TLocalDate today = platform::LocalDate();
    input.Today = options.Today.value_or(DayNumber(today.Year, today.Month, today.Day));

    const std::unique_ptr<TReportWriter> writer = MakeReportWriter(options, input, output);
    if (!writer)
        return DrawChart(options, input.Log, input.ShownLog, german);
    TAnalysisFlags flags;
    flags.IsGerman = german;
    const TReportRun run = writer->Write(flags);
    // The output first, then what is said about it: on a terminal a note
    // would otherwise stand among the table's last rows. End tells a failed
    // write.
    output.Finish();
    if (!run.Analysed)
        std::cerr << "kellvar-report: " << run.FailedFile << ": " << run.FailureReason << '\n';
    for (const std::string& message : run.Messages)
        std::cerr << "kellvar-report: " << message << '\n';
    // An exceeded limit, or a folder of the user's own that the report would
    // replace, is told apart from a failure: 2, where errors give 1.
    const int status = End(run.Analysed, output, german);
    return (status == 0 && run.LimitExceeded) || run.Refused ? 2 : status;
}
