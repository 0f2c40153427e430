// SPDX-License-Identifier: GPL-3.0-or-later
// The window's side of an analysis run (what the run hands over goes to
// TWindowReceiver), and the table and chart commands.

#include "modemlogdialog.h"

#include "chartpage.h"
#include "costspage.h"
#include "filenames.h"
#include "limitspanel.h"
#include "numberspage.h"
#include "overviewpage.h"
#include "reportfolderrow.h"
#include "settingspage.h"
#include "tablepage.h"

#include "core/alltimelog.h"
#include "core/calendar.h"
#include "core/modemlogparser.h"
#include "core/usagelimits.h"
#include "lang/language.h"
#include "platform/localdate.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeView>

#include <filesystem>
#include <optional>
#include <vector>

namespace kellvar {

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
    flags.StoreAllTimeLog = settingsPage_->KeepsAllTimeLog();
    flags.Unattended = !dialogs_.CanWaitForUser();
    flags.NoSizeWarning = NoSizeWarning;
    TAllTimeLogFile history(AllTimeLogFileName(FileNameBytes(programPath_)));
    receiver_->StartRun(FQuiet, FQuietTotal);
    const bool analysed = kellvar::AnalyseLogFile(FileNameBytes(path), flags, *receiver_, &history);
    OpenButton->setEnabled(openEnabled);
    analysing_ = false;
    return analysed;
}

void TModemLogDialog::PriceShownConnectionsAnew()
{
    receiver_->PriceBy(costsPage_->Tariffs());
    // At start-up the log's first run comes later.
    if (startUpDone_ && !shownLog_.isEmpty())
        receiver_->ShowPricedAgain();
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
    for (TChart* chart : {costsPage_->Chart(), numbersPage_->Chart()})
        if (focus == chart)
            emit chart->customContextMenuRequested(chart->rect().center());
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
    if (shown == numbersPage_)
        return numbersPage_->Chart();
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
    THistoryReportRequest request;
    request.Folder = costsPage_->ReportFolder()->Folder();
    request.Log =
        settingsPage_->KeepsAllTimeLog() && platform::FileExists(history) ? history : FileNameBytes(analysedLog);
    std::error_code error;
    request.LogBytes = static_cast<int64_t>(std::filesystem::file_size(request.Log, error));
    for (const std::string& text : costsPage_->Limits()->Limits())
        if (const std::optional<TLimit> limit = ParseLimit(text))
            request.Limits.push_back(*limit);
    request.Periods = costsPage_->Limits()->Rules();
    request.Tariffs = costsPage_->Tariffs();
    request.German = IsGerman;
    request.DecimalSeparator = decimalSeparator_;
    const platform::TLocalDate today = platform::LocalDate();
    request.Today = DayNumber(today.Year, today.Month, today.Day);
    THistoryReportResult result;
    if (writeHistoryReport_)
        result = writeHistoryReport_(request);
    else
        result = {false, request.Folder, "no report writer"};
    if (!result.Written && !FQuietTotal)
        dialogs_.ShowNote(this, QString::fromStdString(result.FailedFile + ": " + result.FailureReason));
    return result.Written;
}

}  // namespace kellvar
