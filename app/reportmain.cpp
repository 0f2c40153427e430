// kellvar-report: the window's analysis without a window. Prints the table as
// "Copy Data (Table)" would copy it, or the overview's figures.

#include "app/summarylines.h"
#include "core/analysisstore.h"
#include "core/modemlogparser.h"
#include "core/rowtexts.h"
#include "lang/language.h"
#include "lang/messages.h"
#include "lang/texttable.h"

#include <QLocale>

#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr const char* Usage = "usage: kellvar-report [--summary] [--german | --english] LOGFILE";

struct TReportOptions {
    bool Summary = false;
    std::optional<bool> German;
    std::string LogFile;
};

// Returns an exit code when the command line asks for no analysis.
std::optional<int> ParseArguments(int argc, char** argv, TReportOptions& options)
{
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--help") {
            std::cout << Usage << "\n\n"
                      << "Analyses a Windows modem log and prints its connection table as tab-separated\n"
                         "text (CR LF line ends), or with --summary the overview figures.\n"
                         "  --summary   print the overview figures, one \"caption TAB value\" line each\n"
                         "  --german    German captions and messages\n"
                         "  --english   English captions and messages\n"
                         "  --version   print the version\n";
            return 0;
        }
        if (argument == "--version") {
            std::cout << "kellvar-report " KELLVAR_VERSION "\n";
            return 0;
        }
        if (argument == "--summary")
            options.Summary = true;
        else if (argument == "--german")
            options.German = true;
        else if (argument == "--english")
            options.German = false;
        else if (!argument.empty() && argument[0] == '-' && argument != "-")
            return 2;
        else if (options.LogFile.empty())
            options.LogFile = argument;
        else
            return 2;
    }
    return options.LogFile.empty() ? std::optional<int>(2) : std::nullopt;
}

std::string CopyTableText(const kellvar::TConnectionTable& table, bool german)
{
    const std::vector<std::string_view> shown = kellvar::ColumnCaptions(german);
    return kellvar::TableText(table.Rows(), std::vector<std::string>(shown.begin(), shown.end()));
}

}  // namespace

int main(int argc, char** argv)
{
    TReportOptions options;
    if (const std::optional<int> exitCode = ParseArguments(argc, argv, options)) {
        if (*exitCode == 2)
            std::cerr << Usage << '\n';
        return *exitCode;
    }
    kellvar::ChooseLanguage();
    const bool german = options.German.value_or(kellvar::IsGerman);

    kellvar::TAnalysisStore store(QLocale::system().decimalPoint().toStdString());
    kellvar::TAnalysisFlags flags;
    flags.IsGerman = german;
    const bool analysed = kellvar::AnalyseLogFile(options.LogFile, true, flags, store);

    if (!analysed || !store.Messages().empty()) {
        for (const std::string& message : store.Messages())
            std::cerr << message << '\n';
        return 1;
    }
    if (store.Counters().StoppedAtRowLimit)
        std::cerr << "kellvar-report: " << kellvar::RowLimitMessage(store.Counters().RowNumber - 1, german) << '\n';
    if (options.Summary)
        std::cout << kellvar::SummaryLines(store.Figures(), store.LastConnection(), german);
    else
        std::cout << CopyTableText(store.Table(), german);
    return std::cout.good() ? 0 : 1;
}
