// SPDX-License-Identifier: GPL-3.0-or-later
#include "reportoptions.h"

#include "machinetext.h"

#include "core/calendar.h"
#include "core/numberpattern.h"
#include "lang/messages.h"
#include "lang/usagetexts.h"

#include "platform/asciitext.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

namespace kellvar {

const char* const ReportUsage = "usage: kellvar-report [--summary | --oneline] [--format=text|csv|json]\n"
                                "                      [--by=PERIOD|number [--top=N]] [--since=DATE]\n"
                                "                      [--until=DATE] [--number=PATTERN...]\n"
                                "                      [--tariff=FILE... [--compare]]\n"
                                "                      [--german | --english] [--] LOGFILE...\n"
                                "       kellvar-report --chart=CHART --output=FILE [--size=WxH] [--] LOGFILE...\n"
                                "       kellvar-report --html=DIR [--by=month|year] [--tariff=FILE...]\n"
                                "                      [--alert=LIMIT...] [--] LOGFILE...\n"
                                "       kellvar-report --explain=N --tariff=FILE... [--format=text|json]\n"
                                "                      [--] LOGFILE...";

// Fits a terminal of 80 columns.
std::string ReportHelp()
{
    return std::string(ReportUsage)
           + "\n"
             "       kellvar-report --help | --version\n"
             "\n"
             "Analyses a Windows modem log as the Kellvar window does and prints its\n"
             "connections. Several LOGFILEs form one history in time order, whatever the\n"
             "order given, each line once; - is standard input.\n"
             "\n"
             "Options:\n"
             "  --summary        the overview figures, one \"caption TAB value\" line each;\n"
             "                   with csv or json every figure as a raw value\n"
             "  --oneline        format version, log, connections, seconds, bytes received\n"
             "                   and sent, last connect and hang-up, separated by ;\n"
             "  --format=FORMAT  text (default): the table as \"Copy Data (Table)\" copies it,\n"
             "                   TAB-separated with CR LF; csv: a header line, fields quoted\n"
             "                   as in RFC 4180 but lines ended by LF; json: one document\n"
             "                   with \"format_version\"; csv and json give raw values\n"
             "                   (seconds, bytes, ISO 8601 stamps) in any locale and the\n"
             "                   whole log, past the table's 32,766 rows\n"
             "  --by=PERIOD      totals and means per day, week, billing (month), month or\n"
             "                   year of the connect date; hour or weekday: when online,\n"
             "                   each connection split across the hours and days it spans;\n"
             "                   number: per dialled number, attempts, connects, success\n"
             "                   rate, time to connect, speed, carrier losses, time and\n"
             "                   bytes online, throughput (and costs), most attempts first\n"
             "  --month-start=DAY  the day a billing month starts (1-31; 31 is a month's\n"
             "                   last day); --week-start=monday|sunday (monday: ISO weeks)\n"
             "  --alert=LIMIT    PERIOD:QUANTITY>VALUE (day, week, month; time, volume,\n"
             "                   received, sent, cost), e.g. month:cost>40, day:time>3h,\n"
             "                   month:volume~>500MiB (~: the projection for the period);\n"
             "                   prints each exceeded limit and exits 2\n"
             "  --estimate       with --summary: the billing month that holds today, so\n"
             "                   far and foreseen (so far / days elapsed * days in it);\n"
             "                   with --by: the foreseen totals of the period holding today\n"
             "  --today=DATE     the day whose periods --alert and --estimate take\n"
             "                   (default: today)\n"
             "  --top=N          only the N periods with the most bytes, largest first\n"
             "                   (--by=number: the N numbers with the most attempts)\n"
             "  --since=DATE     keep connections from this connect date on\n"
             "  --until=DATE     keep connections up to this connect date; a DATE is\n"
             "                   YYYY-MM-DD, YYYY-MM or YYYY (the whole month or year)\n"
             "  --number=PATTERN keep the sessions dialled to a number that fits PATTERN\n"
             "                   (digits, * for any digits, ? for one; repeated: any)\n"
             "  --tariff=FILE    price each connection by a tariff file (kellvar-tariff(5));\n"
             "                   repeated, a connection takes the first file whose numbers\n"
             "                   match its dial command, else the first that names none\n"
             "  --compare        what each --tariff would have cost for the same\n"
             "                   connections, per --by period or in total; cheapest marked,\n"
             "                   and the cheapest tariff for every connection\n"
             "  --explain=N      how connection N (the table's #) was priced: the prices in\n"
             "                   force, each unit with its line in the tariff file, the\n"
             "                   fee, the minimum and the rounding\n"
             "  --chart=CHART    draw the window's chart of rates, transport, connection,\n"
             "                   dialing, costs (with --tariff) or profile (weekday x hour)\n"
             "                   into --output=FILE, PNG or SVG by its ending (-: PNG on\n"
             "                   standard output), of --size=WxH pixels (800x450)\n"
             "  --html=DIR       write an HTML report into DIR (new, empty or an earlier\n"
             "                   report, replaced at once): index.html with the overview,\n"
             "                   a chart and the periods, a page per --by=month (default)\n"
             "                   or year with its figures, charts and connections; with\n"
             "                   --tariff their costs, with --alert the limits' bars, with\n"
             "                   --compare a page of what each tariff would have cost\n"
             "  --german, --english\n"
             "                   captions and messages in German or English\n"
             "  --               the arguments after it are LOGFILEs\n"
             "  -h, --help       print this help\n"
             "  -V, --version    print the version\n"
             "\n"
             "Files of the kellvar window (the report reads only LOGFILE):\n"
           + FilesHelp
           + "\n"
             "Exit status: 0 on success; 1 when a log could not be opened or read, or\n"
             "the output could not be written; 2 for a usage error, a tariff file\n"
             "that could not be read, or a limit of --alert exceeded.\n";
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

constexpr std::array<std::pair<std::string_view, TChartPage>, 6> ChartNames = {{{"rates", TChartPage::Rates},
                                                                                {"dialing", TChartPage::Dialing},
                                                                                {"connection", TChartPage::Connection},
                                                                                {"transport", TChartPage::Transport},
                                                                                {"costs", TChartPage::Costs},
                                                                                {"profile", TChartPage::Profile}}};

// "WxH", each from 16 to 10,000 pixels.
bool ReadSize(const std::string& text, int& width, int& height)
{
    const size_t x = text.find('x');
    int32_t w = 0;
    int32_t h = 0;
    if (x == std::string::npos || !ReadInteger(text.substr(0, x), w) || !ReadInteger(text.substr(x + 1), h))
        return false;
    width = w;
    height = h;
    return w >= 16 && h >= 16 && w <= 10'000 && h <= 10'000;
}

constexpr std::array<std::pair<std::string_view, TReportFormat>, 3> FormatNames = {
    {{"text", TReportFormat::Text}, {"csv", TReportFormat::Csv}, {"json", TReportFormat::Json}}};

// The value a table of names gives a name; none for a name it lacks.
template <typename TValue, size_t Count>
std::optional<TValue> ValueNamed(const std::array<std::pair<std::string_view, TValue>, Count>& names,
                                 const std::string& name)
{
    for (const auto& [known, value] : names)
        if (known == name)
            return value;
    return std::nullopt;
}

// "YYYY", "YYYY-MM" or "YYYY-MM-DD": a year or a month stands for its first
// or its last day. Date keys give every month 31 days, so day 31 ends any.
std::optional<TDateBound> DateBound(const std::string& text, bool last)
{
    const bool year = text.size() == 4;
    const bool month = text.size() == 7;
    TDateParts parts;
    if (!ParseIsoDate(year ? text + "-01-01" : month ? text + "-01" : text, parts))
        return std::nullopt;
    if (last && year)
        parts.Month = 12;
    if (last && (year || month))
        parts.Day = 31;
    return TDateBound{text, DateKeyOf(parts.Year, parts.Month, parts.Day)};
}

TUsageError Usage(const std::string& text)
{
    return {"kellvar-report: " + text};
}

}  // namespace

std::string BashCompletion()
{
    const auto words = [](const auto& names) {
        std::string text;
        for (const auto& [name, value] : names)
            text += (text.empty() ? "" : " ") + std::string(name);
        return text;
    };
    // Options that take a value are completed with "=" and no space after them.
    // The word being completed is taken from the line itself: bash splits
    // "--by=mo" at its "=" and completes "mo" alone.
    const auto values = [&](const char* option, const std::string& list) {
        return "    " + std::string(option) + "=*) COMPREPLY=($(compgen -W '" + list + "' -- \"${word#*=}\")) ;;\n";
    };
    return "# bash completion for kellvar-report                              -*- shell-script -*-\n"
           "_kellvar_report()\n"
           "{\n"
           "    local line=${COMP_LINE:0:COMP_POINT}\n"
           "    local word=${line##*[[:space:]]}\n"
           "    case $word in\n"
           + values("--format", words(FormatNames)) + values("--by", words(PeriodNames) + " number")
           + values("--chart", words(ChartNames)) + values("--week-start", "monday sunday")
           + "    --output=*|--tariff=*) COMPREPLY=($(compgen -f -- \"${word#*=}\")) ;;\n"
             "    --html=*) COMPREPLY=($(compgen -d -- \"${word#*=}\")) ;;\n"
             "    --*=*) COMPREPLY=() ;;\n"
             "    -*)\n"
             "        COMPREPLY=($(compgen -W '--summary --oneline --format= --by= --top= --since= --until= --number= "
             "--tariff= "
             "--compare --explain= --month-start= --week-start= --alert= --estimate --today= --chart= --output= "
             "--size= "
             "--html= "
             "--german "
             "--english --help --version' -- \"$word\"))\n"
             "        [[ ${COMPREPLY-} == *= ]] && compopt -o nospace 2>/dev/null\n"
             "        ;;\n"
             "    *) COMPREPLY=($(compgen -f -- \"$word\")) ;;\n"
             "    esac\n"
             "    return 0\n"
             "} &&\n"
             "    complete -o filenames -F _kellvar_report kellvar-report\n";
}

std::optional<TChartFormat> ChartFormatOf(const TChartRequest& chart)
{
    const std::string& file = chart.Output;
    const auto endsWith = [&](std::string_view end) {
        return file.size() > end.size()
               && platform::EqualsIgnoringAsciiCase(std::string_view(file).substr(file.size() - end.size()), end);
    };
    if (file == "-" || endsWith(".png"))
        return TChartFormat::Png;
    if (endsWith(".svg"))
        return TChartFormat::Svg;
    return std::nullopt;
}

std::variant<TReportOptions, TUsageError> ParseReportArguments(const std::vector<std::string>& arguments, bool german)
{
    const auto say = [german](TUsageText text) { return std::string(UsageText(text, german)); };
    const auto bad = [&](const std::string& option, const std::string& value, TUsageText valid) {
        return Usage(option + ": '" + value + "'" + say(TUsageText::NotA) + say(valid));
    };
    TReportOptions o;
    bool optionsEnded = false;
    bool formatGiven = false;
    bool chartGiven = false;
    int languages = 0;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (optionsEnded || argument == "-" || argument.empty() || argument[0] != '-') {
            o.LogFiles.push_back(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "--help" || argument == "-h") {
            o.Help = true;
            return o;
        } else if (argument == "--version" || argument == "-V") {
            o.Version = true;
            return o;
        } else if (argument == "--summary") {
            o.Summary = true;
        } else if (argument == "--oneline") {
            o.OneLine = true;
        } else if (argument == "--compare") {
            o.Compare = true;
        } else if (argument == "--estimate") {
            o.Estimate = true;
        } else if (argument == "--german" || argument == "--english") {
            languages += o.German == (argument == "--german") ? 0 : 1;
            o.German = argument == "--german";
        } else if (const auto format = OptionValue(arguments, i, "--format")) {
            const auto named = ValueNamed(FormatNames, *format);
            if (!named)
                return bad("--format", *format, TUsageText::FormatValues);
            o.Format = *named;
            formatGiven = true;
        } else if (const auto by = OptionValue(arguments, i, "--by")) {
            o.ByNumber = *by == "number";
            o.By = ValueNamed(PeriodNames, *by);
            if (!o.By && !o.ByNumber)
                return bad("--by", *by, TUsageText::ByValues);
        } else if (const auto number = OptionValue(arguments, i, "--number")) {
            if (!IsNumberPattern(*number) || number->size() > 40)
                return bad("--number", *number, TUsageText::NumberValues);
            o.Numbers.push_back(*number);
        } else if (const auto start = OptionValue(arguments, i, "--month-start")) {
            int32_t day = 0;
            if (!ReadInteger(*start, day) || day < 1 || day > 31)
                return bad("--month-start", *start, TUsageText::DayValues);
            o.Periods.MonthStart = day;
        } else if (const auto start = OptionValue(arguments, i, "--week-start")) {
            if (*start != "monday" && *start != "sunday")
                return bad("--week-start", *start, TUsageText::WeekStartValues);
            o.Periods.WeekStartsOnSunday = *start == "sunday";
        } else if (const auto today = OptionValue(arguments, i, "--today")) {
            TDateParts parts;
            if (!ParseIsoDate(*today, parts) || today->size() != 10)
                return bad("--today", *today, TUsageText::TodayValues);
            o.Today = DayNumber(parts.Year, parts.Month, parts.Day);
        } else if (const auto alert = OptionValue(arguments, i, "--alert")) {
            const auto limit = ParseLimit(*alert);
            if (!limit)
                return bad("--alert", *alert, TUsageText::LimitValues);
            o.Alerts.push_back(*limit);
        } else if (const auto chart = OptionValue(arguments, i, "--chart")) {
            const auto page = ValueNamed(ChartNames, *chart);
            if (!page)
                return bad("--chart", *chart, TUsageText::ChartValues);
            o.Chart = o.Chart.value_or(TChartRequest{});
            o.Chart->Page = *page;
            chartGiven = true;
        } else if (const auto file = OptionValue(arguments, i, "--output")) {
            o.Chart = o.Chart.value_or(TChartRequest{});
            o.Chart->Output = *file;
        } else if (const auto size = OptionValue(arguments, i, "--size")) {
            o.Chart = o.Chart.value_or(TChartRequest{});
            if (!ReadSize(*size, o.Chart->Width, o.Chart->Height))
                return bad("--size", *size, TUsageText::SizeValues);
        } else if (const auto folder = OptionValue(arguments, i, "--html")) {
            if (folder->empty())
                return Usage(say(TUsageText::HtmlFolder));
            o.HtmlFolder = *folder;
        } else if (const auto tariff = OptionValue(arguments, i, "--tariff")) {
            if (tariff->empty())
                return Usage(say(TUsageText::NoTariffFile));
            o.Tariffs.push_back(*tariff);
        } else if (const auto explain = OptionValue(arguments, i, "--explain")) {
            int32_t number = 0;
            if (!ReadInteger(*explain, number) || number < 0)
                return bad("--explain", *explain, TUsageText::ExplainValues);
            o.Explain = number;
        } else if (const auto top = OptionValue(arguments, i, "--top")) {
            int32_t count = 0;
            if (!ReadInteger(*top, count) || count < 1)
                return bad("--top", *top, TUsageText::TopValues);
            o.Top = count;
        } else if (const auto since = OptionValue(arguments, i, "--since")) {
            o.Since = DateBound(*since, false);
            if (!o.Since)
                return bad("--since", *since, TUsageText::DateBoundValues);
        } else if (const auto until = OptionValue(arguments, i, "--until")) {
            o.Until = DateBound(*until, true);
            if (!o.Until)
                return bad("--until", *until, TUsageText::DateBoundValues);
        } else {
            return Usage(say(TUsageText::Unknown) + argument);
        }
    }
    if (o.LogFiles.empty())
        return Usage(say(TUsageText::NoLogFile));
    if (o.Summary && o.Format == TReportFormat::Text && (o.Since || o.Until || o.By || o.OneLine))
        return Usage(say(TUsageText::SummaryText));
    if (o.Top && !o.By && !o.ByNumber)
        return Usage(say(TUsageText::TopWithoutBy));
    if (o.ByNumber
        && (o.Summary || o.OneLine || o.Compare || o.Estimate || o.Explain || o.Chart || o.HtmlFolder
            || !o.Alerts.empty()))
        return Usage(say(TUsageText::ByNumberAlone));
    if (!o.Numbers.empty() && (o.Chart || (o.Summary && o.Format == TReportFormat::Text)))
        return Usage(say(TUsageText::NumberOutputs));
    if (std::count(o.LogFiles.begin(), o.LogFiles.end(), "-") > 1)
        return Usage(say(TUsageText::StandardInputOnce));
    if (languages > 1)
        return Usage(say(TUsageText::OneLanguage));
    if (o.OneLine && (formatGiven || o.By))
        return Usage(say(TUsageText::OneLineAlone));
    if (o.Since && o.Until && o.Since->DateKey > o.Until->DateKey)
        return Usage(say(TUsageText::SinceAfterUntil));
    if (o.Compare && o.Tariffs.size() < 2)
        return Usage(say(TUsageText::CompareNeedsTariffs));
    if (!o.Tariffs.empty() && (o.OneLine || (o.Compare && (o.Summary || o.Chart || o.Top))))
        return Usage(say(TUsageText::TariffOutputs));
    if (!o.Alerts.empty() && !o.HtmlFolder
        && (o.Summary || o.OneLine || o.By || o.Chart || o.Compare || o.Format == TReportFormat::Csv))
        return Usage(say(TUsageText::AlertAlone));
    if (o.Estimate && !(o.Summary || o.By))
        return Usage(say(TUsageText::EstimateWithSummary));
    if (o.Explain
        && (o.Tariffs.empty() || o.Summary || o.OneLine || o.By || o.Chart || o.Compare || o.Top || o.Estimate
            || !o.Alerts.empty() || o.HtmlFolder || o.Format == TReportFormat::Csv))
        return Usage(say(TUsageText::ExplainAlone));
    if (o.HtmlFolder
        && (o.Summary || o.OneLine || formatGiven || o.Chart || o.Top || o.Estimate
            || (o.By && o.By != TPeriod::Month && o.By != TPeriod::Year)))
        return Usage(say(TUsageText::HtmlFolder));
    const bool costAlert = std::any_of(o.Alerts.begin(), o.Alerts.end(),
                                       [](const TLimit& limit) { return limit.Quantity == TQuantity::Cost; });
    if (costAlert && o.Tariffs.empty())
        return Usage(say(TUsageText::CostAlertNeedsTariff));
    if (o.Chart && chartGiven && o.Chart->Page == TChartPage::Costs && o.Tariffs.empty())
        return Usage(say(TUsageText::CostsChartNeedsTariff));
    if (o.Chart && !chartGiven)
        return Usage(say(TUsageText::OutputWithoutChart));
    if (o.Chart && (!ChartFormatOf(*o.Chart) || o.Summary || o.OneLine || o.By || formatGiven))
        return Usage(say(TUsageText::ChartOutput));
    return o;
}

}  // namespace kellvar
