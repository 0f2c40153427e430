// The window's side of an analysis run: table rows, chart points, the summary,
// and the table and chart commands.

#include "modemlogdialog.h"

#include "chart.h"
#include "connectiontablemodel.h"
#include "filenames.h"
#include "overviewpage.h"
#include "tablecolumns.h"

#include "core/alltimelog.h"
#include "core/modemlogparser.h"
#include "core/rowtexts.h"
#include "core/summaryfigures.h"
#include "lang/language.h"
#include "lang/messages.h"
#include "ui/rules/summarylines.h"

#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QClipboard>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QTreeView>

#include <optional>
#include <tuple>
#include <vector>

namespace kellvar {

namespace {

// While a long run pumps events, the table and the charts are brought up to
// date at most this often; drawing them at every pump would cost more than the run.
constexpr qint64 RefreshMilliseconds = 250;

QByteArray Png(const QImage& image)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

}  // namespace

bool TModemLogDialog::AnalyseLogFile(const QString& path, bool NoSizeWarning)
{
    // Runs never overlap: events pumped during a run cannot start another one.
    if (analysing_)
        return false;
    analysing_ = true;
    const bool openEnabled = OpenButton->isEnabled();
    OpenButton->setEnabled(false);
    TAnalysisFlags flags;
    flags.FQuiet = FQuiet;
    flags.FQuietTotal = FQuietTotal;
    flags.FFileFromCommandLine = FFileFromCommandLine;
    flags.IsGerman = IsGerman;
    flags.StoreAllTimeLog = StoreAllTimeLogCheckBox->isChecked();
    flags.Unattended = !dialogs_.CanWaitForUser();
    TAllTimeLogFile history(AllTimeLogFileName(FileNameBytes(programPath_)));
    sinceShown_.start();
    const bool analysed = kellvar::AnalyseLogFile(FileNameBytes(path), NoSizeWarning, flags, *this, &history);
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
    table_.Clear();
    model_->Reset();
    // A new run's rows come in the order of the log, not of the last sort.
    ListView1->header()->setSortIndicatorShown(false);
}

void TModemLogDialog::AddConnectionRow(const TConnectionRecord& record, int32_t rowNumber)
{
    table_.AddConnectionRow(record, rowNumber);
}

void TModemLogDialog::AppendCellToLastRow(const std::string& text)
{
    table_.AppendCellToLastRow(text);
}

void TModemLogDialog::ClearCharts()
{
    points_.Clear();
    for (TChart* chart : Charts())
        chart->ClearSeries();
}

void TModemLogDialog::AddChartPoints(const TConnectionRecord& record)
{
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
        model_->Sync();
        HandChartPointsOver();
        sinceShown_.restart();
    }
    QCoreApplication::processEvents();
}

void TModemLogDialog::HandChartPointsOver()
{
    const auto values = [this](TSourceSeries series) { return &points_.Values(series); };
    Chart1->SetSourceValues({values(ReadRateSeries), values(WriteRateSeries), nullptr, nullptr});
    Chart2->SetSourceValues({values(DialDurationSeries), nullptr});
    Chart3->SetSourceValues({values(ConnectionDurationSeries), nullptr});
    Chart4->SetSourceValues({values(BytesReadSeries), values(BytesWrittenSeries), nullptr, nullptr});
}

void TModemLogDialog::ShowSummary(const TAnalysisCounters& counters)
{
    // Nobody sees a quiet run's table end early; its log of standard error does.
    if (counters.StoppedAtRowLimit && FQuiet && !FQuietTotal)
        dialogs_.ShowNote(this, QString::fromStdString(RowLimitMessage(counters.RowNumber - 1, IsGerman)));
    model_->Sync();
    std::optional<TLastConnection> last;
    if (table_.RowCount() > 0) {
        const int lastRow = static_cast<int>(table_.RowCount()) - 1;
        ListView1->selectionModel()->setCurrentIndex(model_->index(lastRow, 0),
                                                     QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        last = LastConnectionTexts(table_.Rows().back());
    }
    HandChartPointsOver();
    for (TChart* chart : {Chart1, Chart2, Chart3, Chart4})
        chart->RecalculateTrends();

    const TSummaryFigures figures = SummaryFigureTexts(counters, points_, decimalSeparator_);
    overview_->ShowFigures(figures, last);
    if (counters.StoppedAtRowLimit)
        overview_->ShowRowLimitNote(QString::fromStdString(RowLimitNote(counters.RowNumber - 1, IsGerman)));
    for (size_t i = 0; i < statusLabels_.size(); ++i)
        if (const auto value = FigureSlots()[i].Value(figures, last); value && statusLabels_[i] != nullptr)
            statusLabels_[i]->setText(QString::fromUtf8(value->c_str()));
    ShowLastRow();
}

void TModemLogDialog::ListView1ColumnClick(int column)
{
    model_->Sync();
    model_->Reordered(table_.ColumnClick(column));
    QHeaderView* header = ListView1->header();
    header->setSortIndicatorShown(true);
    // Qt draws Qt::AscendingOrder as an arrow pointing down; the list shows
    // ascending order with the arrow up, as the file managers do.
    header->setSortIndicator(column, table_.SortDirection(column) < 0 ? Qt::AscendingOrder : Qt::DescendingOrder);
}

void TModemLogDialog::ShowLastRow()
{
    FitColumnWidths(ListView1, table_, model_->Captions());
    if (table_.RowCount() == 0)
        return;
    const QModelIndex last = model_->index(static_cast<int>(table_.RowCount()) - 1, 0);
    // The widths may have brought a horizontal scroll bar, which takes room
    // from the rows: scroll once the view has laid itself out again.
    ListView1->doItemsLayout();
    ListView1->scrollTo(last, QAbstractItemView::PositionAtBottom);
    QTimer::singleShot(0, ListView1, [this, last] {
        if (last.isValid())
            ListView1->scrollTo(last, QAbstractItemView::PositionAtBottom);
    });
}

void TModemLogDialog::CopyData1Click()
{
    if (table_.RowCount() == 0)
        return;
    std::vector<std::string> captions;
    for (const QString& caption : model_->Captions())
        captions.push_back(caption.toStdString());
    auto* data = new QMimeData;
    data->setText(QString::fromUtf8(TableText(table_.Rows(), captions).c_str()));
    // Spreadsheets and word processors take the table as a table.
    data->setHtml(QString::fromUtf8(TableHtml(table_.Rows(), captions).c_str()));
    QApplication::clipboard()->setMimeData(data);
}

void TModemLogDialog::CopyDataLine1Click()
{
    QString text;
    const QModelIndexList selected = ListView1->selectionModel()->selectedRows();
    if (!selected.isEmpty()) {
        int first = selected.constFirst().row();
        for (const QModelIndex& index : selected)
            first = std::min(first, index.row());
        text = QString::fromUtf8(RowText(table_.Rows()[static_cast<size_t>(first)]).c_str());
    }
    QApplication::clipboard()->setText(text);
}

void TModemLogDialog::CopySelectedRows()
{
    QModelIndexList selected = ListView1->selectionModel()->selectedRows();
    if (selected.isEmpty())
        return;
    std::sort(selected.begin(), selected.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    std::string text;
    for (const QModelIndex& index : selected)
        AppendRowText(text, table_.Rows()[static_cast<size_t>(index.row())]);
    QApplication::clipboard()->setText(QString::fromUtf8(text.c_str()));
}

void TModemLogDialog::ShowContextMenuOfFocus()
{
    QWidget* focus = focusWidget();
    if (focus == ListView1 || (focus != nullptr && ListView1->isAncestorOf(focus))) {
        const QRect current = ListView1->visualRect(ListView1->currentIndex());
        emit ListView1->customContextMenuRequested(current.isValid() ? current.center() : QPoint(0, 0));
        return;
    }
    for (TChart* chart : Charts())
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
    QWidget* page = PageControl1->currentWidget();
    return page != nullptr ? page->findChild<TChart*>() : nullptr;
}

void TModemLogDialog::Unzoom1Click()
{
    if (TChart* chart = ActiveChart())
        chart->Unzoom();
}

void TModemLogDialog::alsBitmap1Click()
{
    CopyActiveChart(false);
}

void TModemLogDialog::alsMeta1Click()
{
    CopyActiveChart(true);
}

void TModemLogDialog::CopyActiveChart(bool asVector)
{
    TChart* chart = ActiveChart();
    if (chart == nullptr)
        return;
    const QImage picture = chart->Picture();
    auto* data = new QMimeData;
    // A vector picture goes with a bitmap beside it, for the many programs that take no SVG.
    if (asVector)
        data->setData("image/svg+xml", chart->SvgPicture());
    else
        data->setImageData(picture);
    data->setData("image/png", Png(picture));
    QApplication::clipboard()->setMimeData(data);
}

}  // namespace kellvar
