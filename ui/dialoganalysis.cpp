// SPDX-License-Identifier: GPL-3.0-or-later
// The window's side of an analysis run: table rows, chart points, the summary,
// and the table and chart commands.

#include "modemlogdialog.h"

#include "chartpage.h"
#include "costspage.h"
#include "filenames.h"
#include "fixedplacement.h"
#include "layouthelpers.h"
#include "limitspanel.h"
#include "overviewpage.h"
#include "reportfolderrow.h"
#include "tablepage.h"

#include "core/alltimelog.h"
#include "core/calendar.h"
#include "core/modemlogparser.h"
#include "core/rowtexts.h"
#include "core/summaryfigures.h"
#include "core/usagelimits.h"
#include "lang/language.h"
#include "lang/messages.h"
#include "platform/localdate.h"
#include "report/htmlreport.h"
#include "ui/rules/summarylines.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeView>

#include <filesystem>
#include <optional>
#include <tuple>
#include <vector>

namespace kellvar {

namespace {

// While a long run pumps events, the table and the charts are brought up to
// date at most this often; drawing them at every pump would cost more than the run.
constexpr qint64 RefreshMilliseconds = 250;

}  // namespace

bool TModemLogDialog::AnalyseLogFile(const QString& path, bool NoSizeWarning)
{
    // Runs never overlap: events pumped during a run cannot start another one.
    if (analysing_)
        return false;
    analysing_ = true;
    shownLog_ = path;
    const bool openEnabled = OpenButton->isEnabled();
    OpenButton->setEnabled(false);
    TAnalysisFlags flags;
    flags.FQuiet = FQuiet;
    flags.FQuietTotal = FQuietTotal;
    flags.FFileFromCommandLine = FFileFromCommandLine;
    flags.IsGerman = IsGerman;
    flags.StoreAllTimeLog = StoreAllTimeLogCheckBox->isChecked();
    flags.Unattended = !dialogs_.CanWaitForUser();
    flags.NoSizeWarning = NoSizeWarning;
    TAllTimeLogFile history(AllTimeLogFileName(FileNameBytes(programPath_)));
    sinceShown_.start();
    sinceStart_.start();
    const bool analysed = kellvar::AnalyseLogFile(FileNameBytes(path), flags, *this, &history);
    OpenButton->setEnabled(openEnabled);
    analysing_ = false;
    return analysed;
}

void TModemLogDialog::ClearTable()
{
    // The counts of the file shown before go with its rows.
    for (QLabel* status : statusLabels_)
        if (status != nullptr)
            status->clear();
    overview_->ShowRowLimitNote({});
    tablePage_->Clear();
    const platform::TLocalDate today = platform::LocalDate();
    costsPage_->Clear(DayNumber(today.Year, today.Month, today.Day));
}

void TModemLogDialog::AddConnectionRow(const TConnectionRecord& record, int32_t rowNumber)
{
    lastRowKept_ = keptDates_.Holds(record);
    if (!lastRowKept_)
        return;
    tablePage_->Table().AddConnectionRow(record, rowNumber);
    costsPage_->Add(record);
}

void TModemLogDialog::AppendCellToLastRow(const std::string& text)
{
    if (lastRowKept_)
        tablePage_->Table().AppendCellToLastRow(text);
}

void TModemLogDialog::ClearCharts()
{
    points_.Clear();
    for (TChart* chart : Charts())
        chart->ClearSeries();
}

void TModemLogDialog::AddChartPoints(const TConnectionRecord& record)
{
    if (keptDates_.Holds(record))
        points_.Add(record);
}

void TModemLogDialog::ClearLogFileMaxSizeNote()
{
    overview_->LogFileMaxSizeNote()->clear();
}

void TModemLogDialog::ShowMessage(const std::string& text, TMessageSeverity severity)
{
    dialogs_.ShowMessage(this, QString::fromUtf8(text.c_str()), severity);
}

void TModemLogDialog::ProcessPendingEvents()
{
    if (sinceShown_.elapsed() >= RefreshMilliseconds) {
        tablePage_->Sync();
        HandChartPointsOver(TChart::TTrends::AsTheyAre);
        sinceShown_.restart();
    }
    QCoreApplication::processEvents();
}

void TModemLogDialog::ShowProgress(int64_t bytesRead, int64_t fileSize)
{
    if (fileSize <= 0 || sinceStart_.elapsed() < progressDelay_)
        return;
    // At the right end of the bottom row, where nothing else stands.
    const TLayoutScale px(font());
    const QRect open = OpenButton->geometry();
    const int width = px(160);
    progress_->setGeometry(bottomPanel_->width() - width - px(9), open.y(), width, open.height());
    progress_->setAccessibleName(UiText(ReadingProgressName(IsGerman)));
    progress_->setValue(static_cast<int>(std::min<int64_t>(1000, bytesRead * 1000 / fileSize)));
    progress_->show();
}

void TModemLogDialog::HandChartPointsOver(TChart::TTrends trends)
{
    // Trend lines are made by the chart from their sources.
    const std::array<TChart*, 4> charts = Charts();
    for (size_t chart = 0; chart < charts.size(); ++chart) {
        std::vector<const std::vector<double>*> values;
        for (const TLineSpec& line : WindowCharts()[chart].Lines)
            values.push_back(line.TrendOf < 0 ? &points_.Values(line.Source) : nullptr);
        charts[chart]->SetSourceValues(values, trends);
    }
}

void TModemLogDialog::ShowSummary(const TAnalysisCounters& counters)
{
    stoppedAtRowLimit_ = counters.StoppedAtRowLimit;
    progress_->hide();
    // Nobody sees a quiet run's table end early; its log of standard error does.
    if (counters.StoppedAtRowLimit && FQuiet && !FQuietTotal)
        dialogs_.ShowNote(this, QString::fromStdString(RowLimitMessage(counters.RowNumber - 1, IsGerman)));
    tablePage_->Sync();
    std::optional<TLastConnection> last;
    if (Table().RowCount() > 0)
        last = LastConnectionTexts(Table().Rows().back());
    HandChartPointsOver(TChart::TTrends::Recalculated);

    const TSummaryFigures figures = SummaryFigureTexts(counters, points_, decimalSeparator_);
    overview_->ShowFigures(figures, last);
    if (counters.StoppedAtRowLimit)
        overview_->ShowRowLimitNote(QString::fromStdString(RowLimitMessage(counters.RowNumber - 1, IsGerman)));
    for (size_t i = 0; i < statusLabels_.size(); ++i)
        if (const auto value = FigureSlots()[i].Value(figures, last); value && statusLabels_[i] != nullptr)
            statusLabels_[i]->setText(QString::fromUtf8(value->c_str()));
    tablePage_->ShowLastRow();
    costsPage_->Show();
}

void TModemLogDialog::ListView1ColumnClick(int column)
{
    tablePage_->SortBy(column);
}

void TModemLogDialog::CopyData1Click()
{
    tablePage_->CopyTable();
}

void TModemLogDialog::CopyDataLine1Click()
{
    tablePage_->CopyFirstSelectedRow();
}

void TModemLogDialog::ShowContextMenuOfFocus()
{
    QWidget* focus = focusWidget();
    if (focus == nullptr)
        return;
    if (focus == ListView1 || ListView1->isAncestorOf(focus)) {
        tablePage_->ShowContextMenuAtCurrentRow();
        return;
    }
    for (TChart* chart : Charts())
        if (focus == chart)
            emit chart->customContextMenuRequested(chart->rect().center());
    if (TChart* costs = costsPage_->Chart(); focus == costs)
        emit costs->customContextMenuRequested(costs->rect().center());
}

void TModemLogDialog::ShowLabelsCheckBoxClick()
{
    for (TChart* chart : Charts())
        chart->SetMarksVisible(ShowLabelsCheckBox->isChecked());
}

TChart* TModemLogDialog::ActiveChart() const
{
    QWidget* shown = PageControl1->currentWidget();
    if (shown == costsPage_)
        return costsPage_->Chart();
    const auto page = std::find(chartPages_.begin(), chartPages_.end(), shown);
    return page != chartPages_.end() ? (*page)->Chart() : nullptr;
}

void TModemLogDialog::Unzoom1Click()
{
    if (TChart* chart = ActiveChart())
        chart->Unzoom();
}

void TModemLogDialog::alsBitmap1Click()
{
    if (TChart* chart = ActiveChart())
        CopyChartPicture(*chart, false);
}

void TModemLogDialog::alsMeta1Click()
{
    if (TChart* chart = ActiveChart())
        CopyChartPicture(*chart, true);
}

bool TModemLogDialog::RefreshHtmlReport(const QString& analysedLog)
{
    const std::string history = AllTimeLogFileName(FileNameBytes(programPath_));
    const std::string log =
        StoreAllTimeLogCheckBox->isChecked() && platform::FileExists(history) ? history : FileNameBytes(analysedLog);
    THtmlReportRequest request;
    request.Folder = costsPage_->ReportFolder()->Folder();
    for (const std::string& text : costsPage_->Limits()->Limits())
        if (const std::optional<TLimit> limit = ParseLimit(text))
            request.Limits.push_back(*limit);
    request.Periods = costsPage_->Limits()->Rules();
    TReportInput input;
    input.Log = log;
    input.ShownLog = log;
    std::error_code error;
    input.InputBytes = static_cast<int64_t>(std::filesystem::file_size(log, error));
    input.German = IsGerman;
    input.DecimalSeparator = decimalSeparator_;
    input.Tariffs = costsPage_->Tariffs();
    const platform::TLocalDate today = platform::LocalDate();
    input.Today = DayNumber(today.Year, today.Month, today.Day);
    TAnalysisFlags flags;
    flags.IsGerman = IsGerman;
    const TReportRun run = WriteHtmlReport(request, input, flags);
    if (!run.Analysed && !FQuietTotal)
        dialogs_.ShowNote(this, QString::fromStdString(run.FailedFile + ": " + run.FailureReason));
    return run.Analysed;
}

}  // namespace kellvar
