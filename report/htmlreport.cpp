// SPDX-License-Identifier: GPL-3.0-or-later
// The HTML report reads the history twice: once for its periods and
// figures, once to write each period's page as soon as the last of its
// connections has come, so that no more than the periods in hand are held.

#include "htmlreport.h"

#include "htmlpage.h"
#include "machinetext.h"
#include "numbertotals.h"
#include "periodtotals.h"
#include "scriptreceiver.h"
#include "svgchart.h"
#include "tariffcomparison.h"

#include "core/rowtexts.h"
#include "core/sortkeys.h"
#include "core/summaryfigures.h"
#include "history/chartspecs.h"
#include "history/costfigures.h"
#include "history/numberhistory.h"
#include "history/numberrows.h"
#include "history/summarylines.h"
#include "lang/costtexts.h"
#include "lang/htmltexts.h"
#include "lang/numbertexts.h"
#include "lang/reporttexts.h"
#include "lang/texttable.h"
#include "platform/filehandle.h"
#include "platform/replacefolder.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <map>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_map>

namespace kellvar {

namespace {

constexpr std::string_view IndexName = "index.html";
constexpr std::string_view ComparisonName = "compare.html";
// Written with every report: a folder that holds it holds a report that the
// next one may replace.
constexpr std::string_view MarkName = ".kellvar-report";
// Runs writing one folder wait for each other as long as for the All-Time-Log.
constexpr std::chrono::seconds FolderLockWait{30};

std::string PageFile(const std::string& period)
{
    return period + ".html";
}

const TField* FieldNamed(const TFields& fields, std::string_view name)
{
    const auto found =
        std::find_if(fields.begin(), fields.end(), [name](const TField& field) { return field.Name == name; });
    return found == fields.end() ? nullptr : &*found;
}

THtmlFigure Figure(std::string caption, std::string text, const TFields& fields, const char* field)
{
    const TField* named = FieldNamed(fields, field);
    return {std::move(caption), std::move(text), field, named != nullptr ? FieldText(*named) : std::string()};
}

// The table's columns that stand right, as in the window.
bool IsNumberColumn(size_t column)
{
    return column >= TableColumns.size() || TableColumns[column].RightAligned;
}

// One period's page while its connections come in.
struct TPeriodPage {
    size_t Index = 0;  // in the history's periods
    int64_t Missing = 0;
    TChartPoints Points{true};
    std::string Rows;
};

// The pages being filled, and the period of the day of the last connection.
struct TPageAssembly {
    std::map<std::string, TPeriodPage> Open;
    std::optional<TDateParts> Day;
    std::string Period;
    std::optional<size_t> Index;
};

// A report from before the mark: its index's last line names kellvar-report.
bool IndexSaysWrittenByReport(const std::string& path)
{
    const platform::TFileHandle index = platform::OpenForSharedReading(path);
    const int64_t size = index.IsOpen() ? platform::FileSize(index.Fd()) : -1;
    constexpr int64_t Tail = 4096;
    if (size < 0)
        return false;
    std::string text(static_cast<size_t>(std::min(size, Tail)), '\0');
    if (!platform::ReadAllAt(index.Fd(), text.data(), text.size(), size - static_cast<int64_t>(text.size())))
        return false;
    return text.find(HtmlText(THtmlText::WrittenBy, false)) != std::string::npos
           || text.find(HtmlText(THtmlText::WrittenBy, true)) != std::string::npos;
}

class THtmlReport {
public:
    THtmlReport(const THtmlReportRequest& request, const TReportInput& input)
        : request_(request), input_(input), german_(input.German), periods_(request.By, request.Periods),
          numbers_(request.By, request.Periods), folder_(request.Folder, IsHtmlReportFile)
    {
        if (!request.Limits.empty())
            limits_.emplace(request.Limits, request.Periods, input.Today);
        if (request.Compare && input.Tariffs != nullptr)
            comparison_.emplace(*input.Tariffs, request.By);
    }

    TReportRun Write(const TAnalysisFlags& flags)
    {
        // A folder made for the lock goes again with a run that failed.
        struct stat info {};
        const bool made = ::lstat(request_.Folder.c_str(), &info) != 0 && errno == ENOENT
                          && ::mkdir(request_.Folder.c_str(), 0777) == 0;
        TReportRun run = WriteLocked(flags);
        if (!run.Analysed && made)
            ::rmdir(request_.Folder.c_str());
        return run;
    }

private:
    TReportRun WriteLocked(const TAnalysisFlags& flags)
    {
        std::string heldBy;
        const platform::TFileHandle lock =
            platform::LockFolder(request_.Folder, std::chrono::milliseconds(FolderLockWait), &heldBy);
        if (!lock.IsOpen() && errno == platform::ErrorHeldByAnotherProgram) {
            failure_.FailedFile = request_.Folder;
            failure_.FailureReason =
                std::string(HtmlText(THtmlText::FolderInUse, german_)) + (heldBy.empty() ? "" : " (" + heldBy + ")");
            return failure_;
        }
        // A link in the folder's place is not followed: it is no folder.
        if (!lock.IsOpen() && errno == ELOOP)
            errno = ENOTDIR;
        if (!Check(lock.IsOpen()) || !FolderTakesReport() || !Check(folder_.Begin()))
            return failure_;
        TReportRun run = ReadHistory(flags);
        if (!run.Analysed)
            return run;
        if (!Check(folder_.WriteFile(std::string(MarkName), {HtmlText(THtmlText::ReportMark, german_)}))
            || !Check(folder_.WriteFile(std::string(StyleSheetName), {StyleSheet()})))
            return failure_;
        const TReportRun pages = WritePeriodPages(flags, run);
        if (!pages.Analysed)
            return pages;
        if (comparison_ && !Check(folder_.WriteFile(std::string(ComparisonName), {ComparisonPage()})))
            return failure_;
        if (!Check(folder_.WriteFile(std::string(IndexName), {IndexPage()})) || !Check(folder_.Commit()))
            return failure_;
        return run;
    }

    // A false step ends the run with the folder and the reason.
    bool Check(bool done)
    {
        if (!done && failure_.FailureReason.empty()) {
            failure_.FailedFile = request_.Folder;
            failure_.FailureReason =
                std::string(HtmlText(THtmlText::CannotBeWritten, german_)) + platform::ErrorText(errno);
        }
        return done;
    }

    // A folder of the user's own files is never replaced by a report: only
    // one that holds the report's mark (or, from before the mark, an index
    // that says it was written by kellvar-report) and nothing else.
    bool FolderTakesReport()
    {
        const auto names = platform::FolderEntries(request_.Folder);
        if (!names)
            return Check(false);
        const auto foreign = std::find_if(names->begin(), names->end(), [](const std::string& name) {
            // A report written in place leaves its hidden folder when it is killed.
            return !IsHtmlReportFile(name) && !platform::TFolderReplacement::IsInsideStaging(name);
        });
        const bool marked = std::find(names->begin(), names->end(), MarkName) != names->end();
        if (foreign == names->end()
            && (names->empty() || marked || IndexSaysWrittenByReport(request_.Folder + "/" + std::string(IndexName))))
            return true;
        failure_.FailedFile = request_.Folder + "/" + (foreign != names->end() ? *foreign : std::string(IndexName));
        failure_.FailureReason = HtmlText(THtmlText::NotAReportFile, german_);
        failure_.Refused = true;
        return false;
    }

    std::optional<TCost> Price(const TConnectionRecord& record) const
    {
        return input_.Tariffs != nullptr ? input_.Tariffs->Price(record) : std::nullopt;
    }

    const TTariff* Money() const { return input_.Tariffs != nullptr ? &input_.Tariffs->First() : nullptr; }

    // The first reading: the periods, the overview's figures and the limits.
    TReportRun ReadHistory(const TAnalysisFlags& flags)
    {
        TFailureKeeping<TScriptReceiver> receiver(
            request_.Kept,
            [this](const TNumberedConnection& c) {
                if (firstReading_ && firstReading_->size() < request_.KeptConnectionsAtMost)
                    firstReading_->push_back(c);
                else
                    firstReading_.reset();
                const std::optional<TCost> cost = Price(c.Record);
                periods_.Add(c.Record, cost);
                numbers_.AddConnection(c.Record, cost);
                sums_.Add(c.Record);
                if (input_.Tariffs != nullptr)
                    costs_.Add(cost, c.Record);
                if (limits_)
                    limits_->Add(c.Record, cost);
                if (comparison_)
                    comparison_->Add(c.Record);
            },
            [this](const TConnectionRecord& record) { numbers_.AddUnlistedSession(record); });
        TAnalysisFlags wholeLog = flags;
        wholeLog.WholeLog = true;
        const TReportRun run = AnalyseInput(receiver, input_, wholeLog);
        summary_ = receiver.Summary();
        summary_.LogFileBytes = input_.InputBytes;
        if (input_.Tariffs != nullptr) {
            summary_.Costs = costs_;
            summary_.Money = Money();
        }
        for (size_t i = 0; i < periods_.Periods().size(); ++i)
            periodIndex_[periods_.Periods()[i].Period] = i;
        written_.assign(periods_.Periods().size(), false);
        return run;
    }

    // Each period's page once its last connection has come: from the
    // connections the first reading kept, else from a second reading.
    TReportRun WritePeriodPages(const TAnalysisFlags& flags, const TReportRun& firstRun)
    {
        TPageAssembly pages;
        TReportRun run = firstRun;
        if (firstReading_) {
            for (const TNumberedConnection& c : *firstReading_)
                AddToPage(pages, c);
        } else {
            TFailureKeeping<TScriptReceiver> receiver(request_.Kept,
                                                      [&](const TNumberedConnection& c) { AddToPage(pages, c); });
            TAnalysisFlags wholeLog = flags;
            wholeLog.WholeLog = true;
            run = AnalyseInput(receiver, input_, wholeLog);
        }
        // A log rewritten since the first reading may leave a period short:
        // its page shows what the second reading found.
        for (auto& [period, page] : pages.Open)
            WritePeriodPage(period, page);
        if (run.Analysed && !failure_.FailureReason.empty())
            return failure_;
        return run;
    }

    void AddToPage(TPageAssembly& pages, const TNumberedConnection& c)
    {
        if (!failure_.FailureReason.empty())
            return;
        // Connections in time order share their day for hours: its period
        // is named and looked up once.
        if (pages.Day != c.Record.ConnectDateParts) {
            pages.Day = c.Record.ConnectDateParts;
            pages.Period = PeriodNameOf(request_.By, *pages.Day, request_.Periods);
            const auto known = periodIndex_.find(pages.Period);
            pages.Index = known != periodIndex_.end() ? std::optional(known->second) : std::nullopt;
        }
        // A log that grew since the first reading adds only to the periods it found.
        if (!pages.Index || written_[*pages.Index])
            return;
        auto [page, added] = pages.Open.try_emplace(pages.Period);
        if (added) {
            page->second.Index = *pages.Index;
            page->second.Missing = periods_.Periods()[*pages.Index].Sums.Connections;
        }
        AddRow(page->second, c);
        if (--page->second.Missing == 0) {
            WritePeriodPage(pages.Period, page->second);
            written_[*pages.Index] = true;
            pages.Open.erase(page);
        }
    }

    void AddRow(TPeriodPage& page, const TNumberedConnection& c)
    {
        page.Points.Add(c.Record);
        const TRowCells texts = ConnectionRowCells(c.Record, c.Number + 1, input_.DecimalSeparator);
        const std::vector<std::string_view> cells = texts.Split();
        // One row's cells, kept between rows so that their texts reuse their room.
        row_.resize(static_cast<size_t>(TableColumnCount + (input_.Tariffs != nullptr ? PricedColumnCount : 0)));
        for (size_t column = 0; column < static_cast<size_t>(TableColumnCount); ++column) {
            THtmlCell& cell = row_[column];
            const bool present = column < cells.size();
            cell.Text.assign(present ? std::string_view(cells[column]) : std::string_view());
            cell.SortValue.assign(
                present ? ShortestNumber(CellSortKey(cells[column], static_cast<int>(column), input_.DecimalSeparator))
                        : std::string());
            cell.Numeric = IsNumberColumn(column);
            cell.BreaksAfterDate = TableColumns[column].Kind == TCellKind::Stamp;
        }
        if (input_.Tariffs != nullptr) {
            const std::optional<TCost> cost = Price(c.Record);
            for (int column = CostsColumn; column < CostsColumn + PricedColumnCount; ++column) {
                THtmlCell& cell = row_[static_cast<size_t>(column)];
                cell.Text = PricedCell(column, cost, input_.DecimalSeparator);
                const bool money = TableColumns[static_cast<size_t>(column)].Kind == TCellKind::Money;
                cell.SortValue = money && cost ? std::to_string(cost->Amount) : std::string();
                cell.Numeric = money;
            }
        }
        // The page's rows take about as much room each: room for all of them
        // at once, instead of growing by copying what is there.
        const bool first = page.Rows.empty();
        AppendHtmlRow(page.Rows, row_);
        if (first)
            page.Rows.reserve(page.Rows.size() * static_cast<size_t>(std::max<int64_t>(page.Missing, 1)) * 9 / 8);
    }

    std::vector<std::string> ConnectionColumnCaptions() const
    {
        std::vector<std::string> captions;
        for (const std::string_view caption : ColumnCaptions(german_))
            captions.emplace_back(caption);
        if (input_.Tariffs != nullptr)
            for (const std::string_view caption : PricedColumnCaptions(german_))
                captions.emplace_back(caption);
        return captions;
    }

    std::string Title() const { return std::string(HtmlText(THtmlText::ReportTitle, german_)); }

    THtmlNavigation PeriodLinks(size_t index) const
    {
        const std::vector<TPeriodTotal>& periods = periods_.Periods();
        THtmlNavigation links;
        if (index > 0)
            links.Previous = THtmlLink{PageFile(periods[index - 1].Period), periods[index - 1].Period};
        links.Up = THtmlLink{std::string(IndexName), Title()};
        if (index + 1 < periods.size())
            links.Next = THtmlLink{PageFile(periods[index + 1].Period), periods[index + 1].Period};
        return links;
    }

    // The page around its rows, which are written as they are.
    void WritePeriodPage(const std::string& period, const TPeriodPage& page)
    {
        const TPeriodTotal& total = periods_.Periods()[page.Index];
        const THtmlNavigation links = PeriodLinks(page.Index);
        std::string html = HtmlPageStart(total.Period + " \u2013 " + Title(), total.Period, german_, links);
        html += HtmlFigureList(PeriodFigures(total));
        // Each chart is appended where it ends up, not copied through sums of texts.
        std::string charts = "<div class=\"charts\">\n";
        for (size_t chart = 0; chart < WindowCharts().size(); ++chart) {
            charts += "<div>";
            charts += SvgChartElement(WindowChart(WindowCharts()[chart], page.Points), "c" + std::to_string(chart + 1),
                                      input_.DecimalSeparator);
            charts += "</div>\n";
        }
        charts += "</div>\n";
        html += HtmlSection(HtmlText(THtmlText::Charts, german_), charts);
        const std::string connections(ReportText(TReportText::Connections, german_));
        std::vector<std::string> captions = ConnectionColumnCaptions();
        std::vector<bool> numeric;
        for (size_t column = 0; column < captions.size(); ++column)
            numeric.push_back(IsNumberColumn(column) && !(input_.Tariffs != nullptr && column + 1 == captions.size()));
        html += PeriodNumbers(period);
        html += HtmlTableStart(connections, captions, numeric, true);
        Check(
            folder_.WriteFile(PageFile(period), {html, page.Rows, HtmlTableEnd() + HtmlPageEnd(german_, links, true)}));
    }

    // The figures of a period as its line of the period table shows them.
    std::vector<THtmlFigure> PeriodFigures(const TPeriodTotal& total) const
    {
        const std::vector<std::string> captions = PeriodHeadTexts(german_, Money());
        const std::vector<std::string> texts = PeriodRowTexts(total, total.Period, input_.DecimalSeparator, Money());
        const TFields fields = PeriodFields(total, {Money(), nullptr});
        std::vector<THtmlFigure> figures;
        // The fields follow the columns after the period's name; the costs'
        // column shows the first of the cost fields, the last column how
        // many connections had no price.
        for (size_t column = 1; column < captions.size(); ++column) {
            const bool unpriced = Money() != nullptr && column + 1 == captions.size();
            figures.push_back(Figure(captions[column], texts[column], fields,
                                     unpriced ? "unpriced_connections" : fields[column].Name));
        }
        return figures;
    }

    TSvgChart WindowChart(const TLineChartSpec& spec, const TChartPoints& points) const
    {
        TSvgChart chart;
        chart.Title = TextOf(spec.Name, TTextProperty::ChartTitle, german_);
        chart.LeftTitle = TextOf(spec.Name, TTextProperty::LeftAxisTitle, german_);
        chart.RightTitle = TextOf(spec.Name, TTextProperty::RightAxisTitle, german_);
        chart.Unit = spec.Unit;
        chart.RightUnit = spec.Unit;
        chart.German = german_;
        for (const TLineSpec& line : spec.Lines) {
            TSvgLine drawn{
                std::string(TextOf(line.Name, TTextProperty::SeriesTitle, german_)), line.Colour, line.RightAxis, {}};
            if (line.TrendOf < 0) {
                const std::vector<double>& values = points.Values(line.Source);
                for (size_t x = 0; x < values.size(); ++x)
                    drawn.Points.push_back({static_cast<double>(x), values[x]});
            } else {
                drawn.Points = AverageTrend(points.Values(spec.Lines[static_cast<size_t>(line.TrendOf)].Source));
            }
            chart.Lines.push_back(std::move(drawn));
        }
        return chart;
    }

    std::string IndexPage() const
    {
        std::string html = HtmlPageStart(Title(), Title(), german_, {});
        html += "<p>" + HtmlEscaped(HtmlText(THtmlText::WrittenBy, german_)) + " " + HtmlEscaped(input_.ShownLog)
                + "</p>\n";
        html += HtmlSection(HtmlText(THtmlText::Overview, german_), OverviewGroups());
        if (limits_)
            html += HtmlSection(HtmlText(THtmlText::Limits, german_), LimitBars());
        std::string charts = "<div class=\"charts\">\n<div>"
                             + SvgChartElement(HistoryChart(), "h1", input_.DecimalSeparator) + "</div>\n";
        if (Money() != nullptr)
            charts += "<div>" + SvgChartElement(CostChart(), "h2", input_.DecimalSeparator) + "</div>\n";
        html += HtmlSection(HtmlText(THtmlText::Charts, german_), charts + "</div>\n");
        const std::string heading(
            HtmlText(request_.By == TPeriod::Year ? THtmlText::Years : THtmlText::Months, german_));
        const std::vector<std::string> captions = PeriodHeadTexts(german_, Money());
        // The period's name sorts as text; its figures as numbers.
        std::vector<bool> numeric(captions.size(), true);
        numeric[0] = false;
        std::string table = HtmlTableStart(heading, captions, numeric, true);
        for (const TPeriodTotal& total : periods_.Periods()) {
            const std::vector<std::string> texts =
                PeriodRowTexts(total, total.Period, input_.DecimalSeparator, Money());
            const TFields fields = PeriodFields(total, {Money(), nullptr});
            std::vector<THtmlCell> row;
            row.push_back({total.Period, total.Period, false, "period", PageFile(total.Period)});
            for (size_t column = 1; column < texts.size(); ++column)
                row.push_back({texts[column], FieldText(fields[column]), true, fields[column].Name, {}});
            AppendHtmlRow(table, row);
        }
        // The total as the text output ends its table; unpriced costs are
        // marked there as in every period ("12.34 DM ?").
        std::vector<THtmlCell> total;
        const std::vector<std::string> totalTexts =
            PeriodRowTexts(GrandTotal(periods_.Periods()), std::string(ReportText(TReportText::Total, german_)),
                           input_.DecimalSeparator, Money());
        for (size_t column = 0; column < totalTexts.size(); ++column)
            total.push_back({totalTexts[column], {}, column > 0, {}, {}});
        html += table + HtmlTableEnd(total);
        if (comparison_)
            html += "<p><a href=\"" + std::string(ComparisonName) + "\">"
                    + HtmlEscaped(HtmlText(THtmlText::Comparison, german_)) + "</a></p>\n";
        html += NumberTable();
        return html + HtmlPageEnd(german_, {}, true);
    }

    // What each tariff would have cost per period, the cheapest marked, and
    // what the cheapest tariff for every connection would have cost.
    std::string ComparisonPage() const
    {
        const std::string title = std::string(HtmlText(THtmlText::Comparison, german_));
        const THtmlNavigation links{std::nullopt, THtmlLink{std::string(IndexName), Title()}, std::nullopt};
        std::string html = HtmlPageStart(title + " \u2013 " + Title(), title, german_, links);
        const std::vector<std::vector<std::string>> lines =
            ComparisonLines(*comparison_, german_, input_.DecimalSeparator);
        std::vector<bool> numeric(lines.front().size(), true);
        numeric[0] = false;
        html += HtmlTableStart(title, lines.front(), numeric, false);
        const auto cells = [](const std::vector<std::string>& line) {
            std::vector<THtmlCell> row;
            for (size_t column = 0; column < line.size(); ++column)
                row.push_back({line[column], {}, column > 0, {}, {}});
            return row;
        };
        for (size_t line = 1; line + 1 < lines.size(); ++line)
            AppendHtmlRow(html, cells(lines[line]));
        html += HtmlTableEnd(cells(lines.back()));
        html += "<p>" + HtmlEscaped(ComparisonLegend(german_)) + "</p>\n";
        return html + HtmlPageEnd(german_, links, false);
    }

    // Every figure per number, sortable, each with its raw value.
    std::string NumberTable() const
    {
        const std::vector<TNumberFigures> numbers = numbers_.Figures();
        if (!KnowsNumbers(numbers))
            return {};
        const std::vector<std::string> captions = NumberHeadTexts(german_, Money());
        std::vector<bool> numeric(captions.size(), true);
        numeric[0] = false;
        std::string table = HtmlTableStart(NumberText(TNumberText::PageCaption, german_), captions, numeric, true);
        for (const TNumberFigures& f : numbers) {
            const std::vector<std::string> texts = NumberRowTexts(f, german_, input_.DecimalSeparator, Money());
            const TFields fields = NumberFields(f, Money());
            std::vector<THtmlCell> row;
            for (size_t column = 0; column < texts.size(); ++column) {
                // The costs' columns show the cost fields "cost" and "cost_per_hour".
                const TField& field = column < NumberColumnsWithoutCosts    ? fields[column]
                                      : column == NumberColumnsWithoutCosts ? fields[NumberColumnsWithoutCosts]
                                                                            : fields[NumberColumnsWithoutCosts + 2];
                row.push_back({texts[column], FieldText(field), column > 0, field.Name, {}});
            }
            AppendHtmlRow(table, row);
        }
        return table + HtmlTableEnd();
    }

    // A line per number on a period's page: attempts, success, the median
    // time to connect and speed.
    std::string PeriodNumbers(const std::string& period) const
    {
        const std::vector<TNumberFigures> numbers = numbers_.PeriodFigures(period);
        if (!KnowsNumbers(numbers))
            return {};
        constexpr std::array<TNumberColumn, 5> Columns = {TNumberColumn::Number, TNumberColumn::Attempts,
                                                          TNumberColumn::Success, TNumberColumn::MedianConnect,
                                                          TNumberColumn::MedianSpeed};
        const std::vector<std::string> head = NumberHeadTexts(german_, nullptr);
        std::vector<std::string> captions;
        std::vector<bool> numeric;
        for (const TNumberColumn column : Columns) {
            captions.push_back(head[static_cast<size_t>(column)]);
            numeric.push_back(column != TNumberColumn::Number);
        }
        std::string table = HtmlTableStart(NumberText(TNumberText::PageCaption, german_), captions, numeric, false);
        for (const TNumberFigures& f : numbers) {
            const std::vector<std::string> texts = NumberRowTexts(f, german_, input_.DecimalSeparator, nullptr);
            const TFields fields = NumberFields(f, nullptr);
            std::vector<THtmlCell> row;
            for (const TNumberColumn column : Columns) {
                const TField& field = fields[static_cast<size_t>(column)];
                row.push_back({texts[static_cast<size_t>(column)],
                               FieldText(field),
                               column != TNumberColumn::Number,
                               field.Name,
                               {}});
            }
            AppendHtmlRow(table, row);
        }
        return table + HtmlTableEnd();
    }

    // The window's overview in its groups, each figure with its raw value as
    // --summary gives it, and the costs after them.
    std::string OverviewGroups() const
    {
        const TFields fields = SummaryValueFields(summary_);
        std::optional<TLastConnection> last;
        if (summary_.Last)
            last = LastConnectionTexts(
                ConnectionRowCells(summary_.Last->Record, summary_.Last->Number + 1, input_.DecimalSeparator));
        const TSummaryFigures texts = SummaryFigureTexts(summary_.Counters, sums_, input_.DecimalSeparator);
        std::string html;
        std::vector<THtmlFigure> figures;
        const char* group = nullptr;
        const auto endGroup = [&] {
            if (figures.empty())
                return;
            std::string heading = group != nullptr ? std::string(TextOf(group, TTextProperty::Caption, german_)) : "";
            if (!heading.empty() && heading.back() == ':')
                heading.pop_back();
            html += (heading.empty() ? "" : "<h3>" + HtmlEscaped(heading) + "</h3>\n") + HtmlFigureList(figures);
            figures.clear();
        };
        for (const TFigureSlot& slot : FigureSlots()) {
            const auto name = [](const char* text) { return text != nullptr ? std::string_view(text) : ""; };
            if (name(slot.Group) != name(group))
                endGroup();
            group = slot.Group;
            figures.push_back(Figure(std::string(TextOf(slot.Caption, TTextProperty::Caption, german_)),
                                     slot.Value(texts, last).value_or("-"), fields, slot.Field));
        }
        endGroup();
        if (Money() != nullptr) {
            for (const TCostFigure& cost : CostFigures(costs_, *Money(), input_.DecimalSeparator))
                figures.push_back(
                    Figure(std::string(CostWording(cost.Caption, german_)), cost.Value, fields, cost.Field));
            // Which tariffs priced, by their names, in the order matching takes them.
            std::string names;
            for (const TTariff& tariff : input_.Tariffs->Files())
                names += (names.empty() ? "" : ", ") + tariff.Name();
            html += "<h3>" + HtmlEscaped(CostWording(TCostWording::Costs, german_)) + "</h3>\n<p>"
                    + HtmlEscaped(CostWording(TCostWording::TariffFiles, german_)) + " " + HtmlEscaped(names) + "</p>\n"
                    + HtmlFigureList(figures);
        }
        return html;
    }

    std::string LimitBars() const
    {
        std::string html = "<ul class=\"limits\">\n";
        for (const TLimitCheck& check : limits_->Checks()) {
            const TLimitBar bar = LimitBar(check, german_, input_.DecimalSeparator, Money());
            html += "<li><meter min=\"0\" max=\"100\" low=\"80\" high=\"99\" optimum=\"0\" value=\""
                    + std::to_string(bar.Percent) + "\">" + std::to_string(bar.Percent) + " %</meter> "
                    + HtmlEscaped(bar.Text) + "</li>\n";
        }
        return html + "</ul>\n";
    }

    std::vector<std::string> PeriodNames() const
    {
        std::vector<std::string> names;
        for (const TPeriodTotal& total : periods_.Periods())
            names.push_back(total.Period);
        return names;
    }

    // Received and sent bytes on the left, hours online on the right, a point a period.
    TSvgChart HistoryChart() const
    {
        TSvgChart chart;
        chart.Title = HtmlText(THtmlText::HistoryChart, german_);
        chart.LeftTitle = HtmlText(THtmlText::VolumeAxis, german_);
        chart.RightTitle = HtmlText(THtmlText::TimeAxis, german_);
        chart.Unit = "byte";
        chart.German = german_;
        chart.XLabels = PeriodNames();
        const std::vector<std::string_view> columns = ColumnCaptions(german_);
        TSvgLine received{std::string(columns[ReceivedColumn]), ChartBlue, false, {}};
        TSvgLine sent{std::string(columns[SentColumn]), ChartRed, false, {}};
        TSvgLine online{std::string(CostWording(TCostWording::OnlineTime, german_)), TRgb{0, 128, 0}, true, {}};
        for (size_t i = 0; i < periods_.Periods().size(); ++i) {
            const TConnectionSums& s = periods_.Periods()[i].Sums;
            const double x = static_cast<double>(i);
            received.Points.push_back({x, static_cast<double>(s.ReceivedBytes)});
            sent.Points.push_back({x, static_cast<double>(s.SentBytes)});
            online.Points.push_back({x, static_cast<double>(s.DurationHundredths) / 360000.0});
        }
        chart.Lines = {std::move(received), std::move(sent), std::move(online)};
        return chart;
    }

    TSvgChart CostChart() const
    {
        const TTariff& money = *Money();
        TSvgChart chart;
        chart.Title =
            CostWording(request_.By == TPeriod::Year ? TCostWording::Costs : TCostWording::CostsPerMonth, german_);
        chart.LeftTitle = std::string(HtmlText(THtmlText::CostAxis, german_)) + " " + money.Currency();
        chart.German = german_;
        chart.XLabels = PeriodNames();
        double unit = 1;
        for (int32_t i = 0; i < money.Decimals(); ++i)
            unit *= 10;
        TSvgLine costs{std::string(CostWording(TCostWording::Costs, german_)), ChartBlue, false, {}};
        for (size_t i = 0; i < periods_.Periods().size(); ++i)
            costs.Points.push_back(
                {static_cast<double>(i), static_cast<double>(periods_.Periods()[i].Costs.Amount) / unit});
        chart.Lines = {std::move(costs)};
        return chart;
    }

    const THtmlReportRequest& request_;
    const TReportInput& input_;
    bool german_;
    TPeriodTotals periods_;
    std::unordered_map<std::string, size_t> periodIndex_;
    std::vector<bool> written_;
    std::vector<THtmlCell> row_;
    TSummaryValues summary_;
    TChartPoints sums_{false};
    TCostSums costs_;
    TNumberHistory numbers_;
    std::optional<TLimitChecks> limits_;
    std::optional<TTariffComparison> comparison_;
    platform::TFolderReplacement folder_;
    TReportRun failure_;
    // The first reading's connections while they are no more than the
    // request keeps: the pages are written from them without reading the
    // log again.
    std::optional<std::vector<TNumberedConnection>> firstReading_{std::in_place};
};

}  // namespace

bool IsHtmlReportFile(std::string_view name)
{
    if (name == IndexName || name == StyleSheetName || name == MarkName || name == ComparisonName)
        return true;
    const auto digits = [name](size_t from, size_t count) {
        return std::all_of(name.begin() + static_cast<std::ptrdiff_t>(from),
                           name.begin() + static_cast<std::ptrdiff_t>(from + count),
                           [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; });
    };
    if (!name.ends_with(".html"))
        return false;
    const size_t stem = name.size() - 5;
    return (stem == 4 && digits(0, 4)) || (stem == 7 && digits(0, 4) && name[4] == '-' && digits(5, 2));
}

TReportRun WriteHtmlReport(const THtmlReportRequest& request, const TReportInput& input, const TAnalysisFlags& flags)
{
    return THtmlReport(request, input).Write(flags);
}

THistoryReportResult WriteHistoryReport(const THistoryReportRequest& request)
{
    THtmlReportRequest html;
    html.Folder = request.Folder;
    html.Limits = request.Limits;
    html.Periods = request.Periods;
    TReportInput input;
    input.Log = request.Log;
    input.ShownLog = request.Log;
    input.InputBytes = request.LogBytes;
    input.German = request.German;
    input.DecimalSeparator = request.DecimalSeparator;
    input.Tariffs = request.Tariffs;
    input.Today = request.Today;
    TAnalysisFlags flags;
    flags.IsGerman = request.German;
    const TReportRun run = WriteHtmlReport(html, input, flags);
    return {run.Analysed, run.FailedFile, run.FailureReason};
}

}  // namespace kellvar
