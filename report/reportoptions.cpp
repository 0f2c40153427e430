#include "reportoptions.h"

#include "machinetext.h"

#include <array>
#include <string_view>
#include <utility>

namespace kellvar {

const char* const ReportUsage = "usage: kellvar-report [--summary | --format=text|csv|json]\n"
                                "                      [--by=day|month|year] [--since=YYYY-MM-DD]\n"
                                "                      [--until=YYYY-MM-DD] [--german | --english] LOGFILE";

// Fits a terminal of 80 columns.
std::string ReportHelp()
{
    return std::string(ReportUsage)
           + "\n"
             "       kellvar-report --help | --version\n"
             "\n"
             "Analyses a Windows modem log as the Kellvar window does and prints its\n"
             "connections.\n"
             "\n"
             "Options:\n"
             "  --summary        the overview figures, one \"caption TAB value\" line each\n"
             "  --format=FORMAT  text (default): the table as \"Copy Data (Table)\" copies it,\n"
             "                   TAB-separated with CR LF; csv: RFC 4180 with a header line;\n"
             "                   json: {\"log\", \"connections\", \"summary\"}; csv and json\n"
             "                   give raw values (seconds, bytes, ISO 8601 stamps) in any\n"
             "                   locale\n"
             "  --by=PERIOD      totals per day, month or year of the connect date\n"
             "  --since=DATE     keep connections from this connect date on (YYYY-MM-DD)\n"
             "  --until=DATE     keep connections up to this connect date (YYYY-MM-DD)\n"
             "  --german         German captions and messages\n"
             "  --english        English captions and messages\n"
             "  --help           print this help\n"
             "  --version        print the version\n"
             "\n"
             "Files (of the kellvar window; the report reads only LOGFILE):\n"
             "  kellvar.INI and kellvar.ATL beside the kellvar program where you may write\n"
             "  there; otherwise the settings in $XDG_CONFIG_HOME/kellvar/kellvar.INI\n"
             "  (~/.config) and the All-Time-Log in $XDG_DATA_HOME/kellvar/kellvar.ATL\n"
             "  (~/.local/share).\n"
             "\n"
             "Exit status: 0 on success; 1 when the log could not be opened or read, or\n"
             "the output could not be written; 2 for a usage error.\n";
}

namespace {

// "--name=value" or "--name value"; empty when the argument is another one.
std::optional<std::string> OptionValue(const std::vector<std::string>& arguments, size_t& i, const std::string& name)
{
    const std::string& argument = arguments[i];
    if (argument.rfind(name + "=", 0) == 0)
        return argument.substr(name.size() + 1);
    if (argument == name && i + 1 < arguments.size())
        return arguments[++i];
    if (argument == name)
        return std::string();
    return std::nullopt;
}

constexpr std::array<std::pair<std::string_view, TReportFormat>, 3> FormatNames = {
    {{"text", TReportFormat::Text}, {"csv", TReportFormat::Csv}, {"json", TReportFormat::Json}}};

// The value a table of names gives a name; none for a name it lacks.
template <typename TValue, size_t Count>
std::optional<TValue> Named(const std::array<std::pair<std::string_view, TValue>, Count>& names,
                            const std::string& name)
{
    for (const auto& [known, value] : names)
        if (known == name)
            return value;
    return std::nullopt;
}

std::optional<int32_t> DateKeyNamed(const std::string& text)
{
    TDateParts parts;
    if (!ParseIsoDate(text, parts))
        return std::nullopt;
    return DateKeyOf(parts.Year, parts.Month, parts.Day);
}

TUsageError BadValue(const std::string& option, const std::string& value, const char* expected)
{
    return {"kellvar-report: " + option + ": '" + value + "' is not " + expected};
}

}  // namespace

std::variant<TReportOptions, TUsageError> ParseReportArguments(const std::vector<std::string>& arguments)
{
    TReportOptions o;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help") {
            o.Help = true;
            return o;
        }
        if (argument == "--version") {
            o.Version = true;
            return o;
        }
        if (argument == "--summary") {
            o.Summary = true;
        } else if (argument == "--german" || argument == "--english") {
            o.German = argument == "--german";
        } else if (const auto format = OptionValue(arguments, i, "--format")) {
            const auto named = Named(FormatNames, *format);
            if (!named)
                return BadValue("--format", *format, "text, csv or json");
            o.Format = *named;
        } else if (const auto by = OptionValue(arguments, i, "--by")) {
            o.By = Named(PeriodNames, *by);
            if (!o.By)
                return BadValue("--by", *by, "day, month or year");
        } else if (const auto since = OptionValue(arguments, i, "--since")) {
            o.Since = DateKeyNamed(*since);
            if (!o.Since)
                return BadValue("--since", *since, "a date YYYY-MM-DD");
        } else if (const auto until = OptionValue(arguments, i, "--until")) {
            o.Until = DateKeyNamed(*until);
            if (!o.Until)
                return BadValue("--until", *until, "a date YYYY-MM-DD");
        } else if (!argument.empty() && argument[0] == '-' && argument != "-") {
            return TUsageError{"kellvar-report: unknown option " + argument};
        } else if (o.LogFile.empty()) {
            o.LogFile = argument;
        } else {
            return TUsageError{"kellvar-report: more than one LOGFILE"};
        }
    }
    if (o.LogFile.empty())
        return TUsageError{"kellvar-report: no LOGFILE given"};
    if (o.Summary && (o.Since || o.Until || o.By || o.Format != TReportFormat::Text))
        return TUsageError{"kellvar-report: --summary counts the whole log and prints text; it takes no --since, "
                           "--until, --by or --format"};
    return o;
}

}  // namespace kellvar
