// What an analysis shows in the window: table, charts, summary, and the
// table and chart commands.

#include "tests/ui/dialogfixture.h"

#include "core/analysisstore.h"
#include "core/modemlogparser.h"
#include "core/sortkeys.h"
#include "core/summaryfigures.h"
#include "tests/core/analysis_helpers.h"
#include "ui/chart.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDropEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineSeries>
#include <QMimeData>
#include <QTabWidget>
#include <QTest>
#include <QTreeView>
#include <QUrl>

using namespace kellvar;
using namespace kellvar::testing;

namespace {

// A window that has analysed the log given on its command line.
std::unique_ptr<TDialogUnderTest> WindowOn(const std::string& log, bool german = false)
{
    auto t = std::make_unique<TDialogUnderTest>(german);
    t->ProgramDir.Write("kellvar.INI", "[SETTINGS]\nLoadDefaultLogFile=1\n");
    t->Start({log});
    return t;
}

TAnalysisStore CoreAnalysis(const std::string& log, const std::string& separator)
{
    TAnalysisStore store(separator);
    TAnalysisFlags flags;
    flags.FFileFromCommandLine = true;
    AnalyseLogFile(log, false, flags, store);
    return store;
}

std::string ReportOutput(const std::string& log)
{
    TempDir dir;
    // The report runs in this test's locale, so both use the same decimal separator.
    const std::string command = KELLVAR_REPORT " --english " + log + " >" + dir.File("out");
    if (std::system(command.c_str()) != 0)
        return "report failed";
    return ReadFile(dir.File("out"));
}

QStringList ShownColumn(TModemLogDialog& w, int column)
{
    QStringList cells;
    for (int row = 0; row < w.ListView1->model()->rowCount(); ++row)
        cells << w.ListView1->model()->index(row, column).data().toString();
    return cells;
}

std::string SevenConnections()
{
    std::string log;
    for (int hour = 10; hour < 17; ++hour) {
        const std::string h = std::to_string(hour);
        log += EnglishSession(h + ":00:00.00", h + ":00:20.00", h + ":10:00.00", 1'000 * hour, 100);
    }
    return log;
}

}  // namespace

class DialogDataTest : public QObject {
    Q_OBJECT

private slots:
    void exampleLogAgreesWithTheCore()
    {
        auto t = WindowOn(ExampleLog);
        TModemLogDialog& w = *t->Window;
        const TAnalysisStore core = CoreAnalysis(ExampleLog, QLocale::system().decimalPoint().toStdString());
        QCOMPARE(w.Table().Rows(), core.Table().Rows());
        QCOMPARE(w.ListView1->model()->rowCount(), static_cast<int>(core.Table().RowCount()));
        QCOMPARE(w.Points().Count(), core.Points().Count());
        const TSummaryFigures& f = core.Figures();
        QCOMPARE(t->Text("TriedConnectsStaticText").toStdString(), f.TriedConnects);
        QCOMPARE(t->Text("TriedConnectsLabel").toStdString(), f.TriedConnects);
        QCOMPARE(t->Text("UnclosedEntriesStaticText").toStdString(), f.UnclosedEntries);
        QCOMPARE(t->Text("AverageReadRateStaticText").toStdString(), *f.AverageReadRate);
        QCOMPARE(t->Text("AverageWriteRateLabel").toStdString(), *f.AverageWriteRate);
        QCOMPARE(t->Text("SumReadDataLabel").toStdString(), f.SumReadData);
        QCOMPARE(t->Text("MeanWrittenDataStaticText").toStdString(), *f.MeanWrittenData);
        QCOMPARE(t->Text("SumConnectionTimeStaticText").toStdString(), f.SumConnectionTime);
        QCOMPARE(t->Text("MeanConnectionTimeLabel").toStdString(), *f.MeanConnectionTime);
        QCOMPARE(t->Text("AverageDialingTimeStaticText").toStdString(), *f.AverageDialingTime);
        QCOMPARE(t->Text("LogFileSizeStaticText").toStdString(), f.LogFileSize);
        QCOMPARE(t->Text("StartLastConnectionStaticText").toStdString(), core.LastConnection()->Start);
        QCOMPARE(t->Text("SendrateLastConnectionStaticText").toStdString(), core.LastConnection()->SendRate);
        // The last row is selected and current.
        QCOMPARE(w.ListView1->currentIndex().row(), static_cast<int>(core.Table().RowCount()) - 1);
        QCOMPARE(w.ListView1->selectionModel()->selectedRows().size(), 1);
        // Source series hold every point; trends one per complete group of three.
        QCOMPARE(w.Chart3->PointCount(0), core.Points().Count());
        QCOMPARE(w.Chart3->PointCount(1), core.Points().Count() / 3);
        QCOMPARE(w.Chart1->PointCount(3), core.Points().Count() / 3);
    }

    void copiedTableEqualsTheReport()
    {
        auto t = WindowOn(ExampleLog);
        QApplication::clipboard()->clear();
        t->Window->CopyData1Click();
        const QMimeData* data = QApplication::clipboard()->mimeData();
        QCOMPARE(data->text().toStdString(), ReportOutput(ExampleLog));
        QVERIFY(data->html().startsWith("<table>"));
        QVERIFY(data->html().contains("<th>Dial Command</th>"));
    }

    void copyLineTakesTheFirstSelectedRow()
    {
        auto t = WindowOn(ExampleLog);
        TModemLogDialog& w = *t->Window;
        QItemSelectionModel* selection = w.ListView1->selectionModel();
        selection->clearSelection();
        selection->select(w.ListView1->model()->index(5, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
        selection->select(w.ListView1->model()->index(3, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
        w.CopyDataLine1Click();
        QCOMPARE(QApplication::clipboard()->text().toStdString(), RowText(w.Table().Rows()[3]));
        selection->clearSelection();
        w.CopyDataLine1Click();
        QCOMPARE(QApplication::clipboard()->text(), QString());
    }

    void copyTableWithoutRowsKeepsTheClipboard()
    {
        TDialogUnderTest t;
        t.ProgramDir.Write("kellvar.INI", "[SETTINGS]\nLoadDefaultLogFile=0\n");
        t.Start();
        QApplication::clipboard()->setText("kept");
        t.Window->CopyData1Click();
        QCOMPARE(QApplication::clipboard()->text(), QString("kept"));
    }

    void sortingEveryColumnBothWays()
    {
        auto t = WindowOn(ExampleLog, true);
        TModemLogDialog& w = *t->Window;
        QHeaderView* header = w.ListView1->header();
        w.PageControl1->setCurrentIndex(1);
        w.resize(1600, 600);
        QApplication::processEvents();
        for (int column = 0; column < 12; ++column) {
            for (const Qt::SortOrder order : {Qt::AscendingOrder, Qt::DescendingOrder}) {
                // Each click lands apart from the one before, so no two make a double click.
                const int x = header->sectionViewportPosition(column) + (order == Qt::AscendingOrder ? 4 : 24);
                QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
                QCOMPARE(header->sortIndicatorSection(), column);
                QCOMPARE(header->sortIndicatorOrder(), order);
                const QStringList shown = ShownColumn(w, column);
                for (int row = 1; row < shown.size(); ++row) {
                    const double before = SortKey(w.Table().Rows()[row - 1], column, w.Table().DecimalSeparator());
                    const double after = SortKey(w.Table().Rows()[row], column, w.Table().DecimalSeparator());
                    QVERIFY2(order == Qt::AscendingOrder ? before <= after : before >= after,
                             qPrintable(QString("column %1 row %2").arg(column).arg(row)));
                    QCOMPARE(shown[row].toStdString(), column < static_cast<int>(w.Table().Rows()[row].size())
                                                           ? w.Table().Rows()[row][column]
                                                           : std::string());
                }
            }
        }
    }

    void cellsUseTheLocalesDecimalSeparator()
    {
        auto t = WindowOn(ExampleLog);
        const QString separator = QLocale::system().decimalPoint();
        QCOMPARE(QString::fromStdString(t->Window->Table().DecimalSeparator()), separator);
        bool found = false;
        for (const QString& cell : ShownColumn(*t->Window, 4))
            found = found || cell.contains(separator);
        QVERIFY2(found, "read rates carry decimals");
        QVERIFY(t->Text("AverageDialingTimeStaticText").contains(separator));
    }

    void newRunAppendsInEmissionOrderAfterASort()
    {
        auto t = WindowOn(ExampleLog);
        TModemLogDialog& w = *t->Window;
        w.ListView1ColumnClick(4);
        w.AnalyseLogFile(QString::fromStdString(ExampleLog), true);
        QCOMPARE(ShownColumn(w, 0).first(), QString("0"));
        QCOMPARE(ShownColumn(w, 0).last(), QString::number(w.Table().RowCount() - 1));
        w.ListView1ColumnClick(4);
        // the toggle goes on across runs
        QCOMPARE(w.Table().SortDirection(4), -1);
    }

    void sevenConnectionsGiveTrendPointsAtOneAndFour()
    {
        TempDir dir;
        auto t = WindowOn(dir.Write("seven.log", SevenConnections()));
        TModemLogDialog& w = *t->Window;
        for (TChart* chart : w.Charts()) {
            QCOMPARE(chart->PointCount(0), size_t{7});
            const int trend = chart->SeriesCount() == 4 ? 2 : 1;
            const QList<QPointF> points = chart->Series(trend)->points();
            QCOMPARE(points.size(), 2);
            QCOMPARE(points[0].x(), 1.0);
            QCOMPARE(points[1].x(), 4.0);
        }
        // mean of 10000, 11000 and 12000 bytes
        QCOMPARE(w.Chart4->Series(2)->points()[0].y(), 11'000.0);
    }

    void valueMarksOnAndOff()
    {
        auto t = WindowOn(ExampleLog);
        TModemLogDialog& w = *t->Window;
        for (const bool on : {true, false}) {
            w.ShowLabelsCheckBox->setChecked(on);
            for (TChart* chart : w.Charts())
                for (int i = 0; i < chart->SeriesCount(); ++i)
                    QCOMPARE(chart->Series(i)->pointLabelsVisible(), on);
        }
    }

    void zoomByDragging_data()
    {
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<bool>("zoomedAfter");
        QTest::newRow("upper left to lower right zooms") << QPoint(150, 100) << QPoint(300, 250) << true;
        QTest::newRow("lower right to upper left undoes") << QPoint(300, 250) << QPoint(150, 100) << false;
        QTest::newRow("upper right to lower left undoes") << QPoint(300, 100) << QPoint(150, 250) << false;
        QTest::newRow("16 pixels across does nothing") << QPoint(150, 100) << QPoint(166, 250) << true;
        QTest::newRow("16 pixels down does nothing") << QPoint(150, 100) << QPoint(300, 116) << true;
    }

    void zoomByDragging()
    {
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        auto t = WindowOn(ExampleLog);
        TModemLogDialog& w = *t->Window;
        w.resize(1000, 600);
        w.PageControl1->setCurrentWidget(w.findChild<QWidget*>("TabSheet2"));
        QApplication::processEvents();
        TChart* chart = w.Chart1;
        const double fullMax = chart->BottomAxis()->max();
        QVERIFY(fullMax >= static_cast<double>(w.Points().Count() - 1));
        // First zoom in, then the drag under test.
        QTest::mousePress(chart->viewport(), Qt::LeftButton, {}, QPoint(120, 80));
        QTest::mouseMove(chart->viewport(), QPoint(350, 300));
        QTest::mouseRelease(chart->viewport(), Qt::LeftButton, {}, QPoint(350, 300));
        QVERIFY(chart->IsZoomed());
        const double zoomedMax = chart->BottomAxis()->max();
        QTest::mousePress(chart->viewport(), Qt::LeftButton, {}, from);
        QTest::mouseMove(chart->viewport(), to);
        QTest::mouseRelease(chart->viewport(), Qt::LeftButton, {}, to);
        QFETCH(bool, zoomedAfter);
        QCOMPARE(chart->IsZoomed(), zoomedAfter);
        if (!chart->IsZoomed())
            QCOMPARE(chart->BottomAxis()->max(), fullMax);
        else if (from.x() < to.x() - 16 && from.y() < to.y() - 16)
            QVERIFY(chart->BottomAxis()->max() < zoomedMax);
        w.Unzoom1Click();
        QVERIFY(!chart->IsZoomed());
    }

    void chartCommandsOnAPageWithoutChartDoNothing()
    {
        auto t = WindowOn(ExampleLog);
        TModemLogDialog& w = *t->Window;
        w.PageControl1->setCurrentIndex(0);
        QApplication::clipboard()->setText("kept");
        w.alsBitmap1Click();
        w.alsMeta1Click();
        w.Unzoom1Click();
        QCOMPARE(QApplication::clipboard()->text(), QString("kept"));
    }

    void chartPictures()
    {
        auto t = WindowOn(ExampleLog);
        TModemLogDialog& w = *t->Window;
        w.PageControl1->setCurrentWidget(w.findChild<QWidget*>("TabSheet7"));
        w.alsBitmap1Click();
        QVERIFY(QApplication::clipboard()->mimeData()->hasImage());
        QVERIFY(QApplication::clipboard()->mimeData()->data("image/png").startsWith("\x89PNG"));
        w.alsMeta1Click();
        QVERIFY(QApplication::clipboard()->mimeData()->data("image/svg+xml").contains("<svg"));
        QVERIFY(QApplication::clipboard()->mimeData()->hasFormat("image/png"));
    }

    void runWithoutConnectionsKeepsGuardedFigures()
    {
        auto t = WindowOn(ExampleLog);
        TModemLogDialog& w = *t->Window;
        const QString rate = t->Text("AverageReadRateStaticText");
        const QString start = t->Text("StartLastConnectionStaticText");
        TempDir dir;
        w.AnalyseLogFile(QString::fromStdString(dir.Write("empty.log", "")), true);
        QCOMPARE(t->Text("AverageReadRateStaticText"), rate);
        QCOMPARE(t->Text("StartLastConnectionStaticText"), start);
        QCOMPARE(t->Text("SumReadDataStaticText"), QString("0byte"));
        QCOMPARE(t->Text("SumConnectionTimeLabel"), QString("00:00:00.00"));
        QCOMPARE(t->Text("TriedConnectsLabel"), QString("0"));
        QCOMPARE(w.Chart1->PointCount(0), size_t{0});
    }

    void droppedFileIsOpened()
    {
        TDialogUnderTest t;
        t.ProgramDir.Write("kellvar.INI", "[SETTINGS]\nLoadDefaultLogFile=0\n");
        t.Start();
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(QString::fromStdString(ExampleLog))});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(t.Window.get(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(t.Window.get(), &drop);
        QVERIFY(t.Window->Table().RowCount() > 0);
        QCOMPARE(t.Window->FCurrentLogFile, QString::fromStdString(ExampleLog));
        QCOMPARE(t.Window->OpenDialog1.InitialDirectory, QString(KELLVAR_SOURCE_DIR "/examples/"));
        QCOMPARE(t.Text("OvLogFileMaxSizeLabel"), QString());
    }

    void messageBoxesBreakLinesAtEachCr()
    {
        QCOMPARE(MessageBoxText("The file \"a\" is larger than 250KByte!\rWindows adds"),
                 QString("The file \"a\" is larger than 250KByte!\nWindows adds"));
    }

    void allTimeLogFromTheWindow()
    {
        auto t = std::make_unique<TDialogUnderTest>();
        t->ProgramDir.Write("kellvar.INI", "[SETTINGS]\nUseLastSettings=1\nStoreAllTimeLog=1\n");
        t->Start({ExampleLog});
        QVERIFY(t->Window->StoreAllTimeLogCheckBox->isChecked());
        const std::string history = ReadFile(t->AllTimeLog());
        QVERIFY(history.find("Dialing.\r\n") != std::string::npos);
        t->Window->AnalyseLogFile(QString::fromStdString(ExampleLog), true);
        QCOMPARE(ReadFile(t->AllTimeLog()), history);
        QVERIFY(t->Dialogs.Messages.isEmpty());
    }
};

QTEST_MAIN(DialogDataTest)
#include "dialogdata_test.moc"
