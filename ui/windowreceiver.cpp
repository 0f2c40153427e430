// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowreceiver.h"

#include "costspage.h"
#include "layouthelpers.h"
#include "numberspage.h"
#include "overviewpage.h"
#include "tablepage.h"

#include "core/calendar.h"
#include "core/connectionfilter.h"
#include "core/summaryfigures.h"
#include "history/summarylines.h"
#include "lang/language.h"
#include "lang/messages.h"
#include "platform/localdate.h"
#include "ui/rules/readingprogress.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>

#include <algorithm>
#include <optional>

namespace kellvar {

void TWindowReceiver::StartRun(bool quiet, bool quietTotal)
{
    quiet_ = quiet;
    quietTotal_ = quietTotal;
    sinceShown_.start();
    sinceStart_.start();
}

void TWindowReceiver::ClearTable()
{
    // The counts of the file shown before go with its rows.
    for (QLabel* status : views_.StatusLabels)
        if (status != nullptr)
            status->clear();
    views_.Overview->ShowRowLimitNote({});
    shown_.Clear();
    views_.Table->Clear();
    ClearCostViews();
}

// The Costs page and the Numbers page: what a price changes beside the table.
void TWindowReceiver::ClearCostViews()
{
    const platform::TLocalDate today = platform::LocalDate();
    views_.Costs->Clear(DayNumber(today.Year, today.Month, today.Day));
    costs_ = TCostHistory(views_.Costs->Tariffs() != nullptr);
    views_.Numbers->Clear(views_.Costs->Tariffs() != nullptr ? &views_.Costs->Tariffs()->First() : nullptr);
}

void TWindowReceiver::ShowCosts(const TShownConnections::TShown& shown)
{
    costs_.Add(shown.Record, shown.Cost);
    views_.Costs->AddToLimits(shown.Record, shown.Cost);
    views_.Numbers->Add(shown.Record, shown.Cost);
}

void TWindowReceiver::ShowRow(const TShownConnections::TShown& shown)
{
    views_.Table->Table().AddConnectionRow(shown.Record, shown.RowNumber, shown.Cost);
    ShowCosts(shown);
}

void TWindowReceiver::ShowPriced()
{
    views_.Table->ShowLastRow();
    views_.Costs->Show(costs_);
    views_.Numbers->Show();
}

void TWindowReceiver::ShowPricedAgain()
{
    // Where the rows were priced and still are, only their costs change.
    const bool rowsPriced = views_.Table->PriceAnew(shown_.RowCosts());
    if (!rowsPriced)
        views_.Table->Clear();
    ClearCostViews();
    for (const TShownConnections::TShown& shown : shown_.All()) {
        if (!shown.Listed()) {
            views_.Numbers->AddUnlisted(shown.Record);
        } else if (rowsPriced) {
            ShowCosts(shown);
        } else {
            ShowRow(shown);
            for (const std::string& cell : shown.LateCells)
                views_.Table->Table().AppendCellToLastRow(cell);
        }
    }
    ShowPriced();
}

void TWindowReceiver::AddConnectionRow(const TConnectionRecord& record, int32_t rowNumber)
{
    lastRowKept_ = keptDates_.Holds(record);
    if (lastRowKept_)
        ShowRow(shown_.AddRow(record, rowNumber));
}

void TWindowReceiver::AddUnlistedSession(const TConnectionRecord& record)
{
    if (TConnectionFilter{keptDates_, {}}.Holds(record))
        views_.Numbers->AddUnlisted(shown_.AddUnlisted(record).Record);
}

void TWindowReceiver::AppendCellToLastRow(const std::string& text)
{
    if (!lastRowKept_)
        return;
    shown_.AddLateCell(text);
    views_.Table->Table().AppendCellToLastRow(text);
}

void TWindowReceiver::ClearCharts()
{
    points_.Clear();
    for (TChart* chart : views_.Charts)
        chart->ClearSeries();
}

void TWindowReceiver::AddChartPoints(const TConnectionRecord& record)
{
    if (keptDates_.Holds(record))
        points_.Add(record);
}

void TWindowReceiver::ClearLogFileMaxSizeNote()
{
    views_.Overview->LogFileMaxSizeNote()->clear();
}

void TWindowReceiver::ShowMessage(const std::string& text, TMessageSeverity severity)
{
    views_.Dialogs->ShowMessage(views_.Window, QString::fromUtf8(text.c_str()), severity);
}

void TWindowReceiver::ProcessPendingEvents()
{
    if (sinceShown_.elapsed() >= pace_.RefreshInterval) {
        views_.Table->Sync();
        HandChartPointsOver(TChart::TTrends::AsTheyAre);
        sinceShown_.restart();
    }
    QCoreApplication::processEvents();
}

void TWindowReceiver::ShowProgress(int64_t bytesRead, int64_t fileSize)
{
    if (fileSize <= 0 || sinceStart_.elapsed() < pace_.ProgressDelay)
        return;
    // At the right end of the bottom row, where nothing else stands.
    QProgressBar* progress = views_.Progress;
    const TLayoutScale px(views_.Window->font());
    const QRect open = views_.OpenButton->geometry();
    const int width = px(160);
    progress->setGeometry(views_.BottomRow->width() - width - px(9), open.y(), width, open.height());
    progress->setAccessibleName(UiText(ReadingProgressName(IsGerman)));
    progress->setValue(ReadingProgress(bytesRead, fileSize));
    progress->show();
}

void TWindowReceiver::HandChartPointsOver(TChart::TTrends trends)
{
    // Trend lines are made by the chart from their sources.
    for (size_t chart = 0; chart < views_.Charts.size(); ++chart) {
        std::vector<const std::vector<double>*> values;
        for (const TLineSpec& line : WindowCharts()[chart].Lines)
            values.push_back(line.TrendOf < 0 ? &points_.Values(line.Source) : nullptr);
        views_.Charts[chart]->SetSourceValues(values, trends);
    }
}

void TWindowReceiver::ShowSummary(const TAnalysisCounters& counters)
{
    stoppedAtRowLimit_ = counters.StoppedAtRowLimit;
    views_.Progress->hide();
    // Nobody sees a quiet run's table end early; its log of standard error does.
    if (counters.StoppedAtRowLimit && quiet_ && !quietTotal_)
        views_.Dialogs->ShowNote(views_.Window,
                                 QString::fromStdString(RowLimitMessage(counters.RowNumber - 1, IsGerman)));
    views_.Table->Sync();
    const TConnectionTable& table = views_.Table->Table();
    std::optional<TLastConnection> last;
    if (table.RowCount() > 0)
        last = LastConnectionTexts(table.Rows().back());
    HandChartPointsOver(TChart::TTrends::Recalculated);

    const TSummaryFigures figures = SummaryFigureTexts(counters, points_, table.DecimalSeparator());
    views_.Overview->ShowFigures(figures, last);
    if (counters.StoppedAtRowLimit)
        views_.Overview->ShowRowLimitNote(QString::fromStdString(RowLimitMessage(counters.RowNumber - 1, IsGerman)));
    for (size_t i = 0; i < views_.StatusLabels.size(); ++i)
        if (const auto value = FigureSlots()[i].Value(figures, last); value && views_.StatusLabels[i] != nullptr)
            views_.StatusLabels[i]->setText(QString::fromUtf8(value->c_str()));
    ShowPriced();
}

}  // namespace kellvar
