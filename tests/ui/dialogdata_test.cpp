// SPDX-License-Identifier: GPL-3.0-or-later
// What an analysis shows in the window: table, charts, summary, and the
// table and chart commands.

#include "tests/ui/dialogfixture.h"

#include "bench/loggenerator.h"
#include "core/chartlabels.h"
#include "core/modemlogparser.h"
#include "core/rowtexts.h"
#include "core/summaryfigures.h"
#include "history/contrast.h"
#include "history/summarylines.h"
#include "tests/core/analysis_helpers.h"
#include "tests/support/analysisstore.h"
#include "ui/chart.h"
#include "ui/costspage.h"
#include "ui/layouthelpers.h"
#include "ui/limitspanel.h"
#include "ui/numberspage.h"
#include "ui/profilemap.h"

#include <QAbstractButton>
#include <QAbstractItemModelTester>
#include <QAccessible>
#include <QAction>
#include <QCategoryAxis>
#include <QChartView>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDate>
#include <QDropEvent>
#include <QGraphicsTextItem>
#include <QGroupBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QRubberBand>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSpinBox>
#include <QSvgGenerator>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <QTreeWidget>
#include <QUrl>
#include <QValueAxis>
#include <QXmlStreamReader>

#include <cmath>
#include <filesystem>
#include <map>

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
    AnalyseLogFile(log, flags, store);
    return store;
}

std::string ReportOutput(const std::string& log, const std::string& options = {})
{
    TempDir dir;
    // The report runs in this test's locale, so both use the same decimal separator.
    const std::string command = KELLVAR_REPORT " --english " + options + " " + log + " >" + dir.File("out");
    if (std::system(command.c_str()) != 0)
        return "report failed";
    return ReadFile(dir.File("out"));
}

// Selects the table's rows, in this order.
QItemSelectionModel* SelectRows(TModemLogDialog& w, std::initializer_list<int> rows)
{
    QItemSelectionModel* selection = w.TablePage()->View()->selectionModel();
    selection->clearSelection();
    for (const int row : rows)
        selection->select(w.TablePage()->View()->model()->index(row, 0),
                          QItemSelectionModel::Select | QItemSelectionModel::Rows);
    return selection;
}

QStringList ShownColumn(TModemLogDialog& w, int column)
{
    QStringList cells;
    for (int row = 0; row < w.TablePage()->View()->model()->rowCount(); ++row)
        cells << w.TablePage()->View()->model()->index(row, column).data().toString();
    return cells;
}

// The focusable objects below the interface that have no name, with their role.
QStringList UnnamedFocusable(QAccessibleInterface* object)
{
    QStringList unnamed;
    // Hidden ones too: a combo box's list is hidden until it drops down.
    if (object == nullptr)
        return unnamed;
    if (object->state().focusable && object->text(QAccessible::Name).trimmed().isEmpty())
        unnamed << QString("%1 %2 (%3) role %4")
                       .arg(object->object() != nullptr ? object->object()->metaObject()->className() : "?")
                       .arg(object->object() != nullptr ? object->object()->objectName() : "")
                       .arg(object->text(QAccessible::Value))
                       .arg(object->role());
    for (int i = 0; i < object->childCount(); ++i)
        unnamed << UnnamedFocusable(object->child(i));
    return unnamed;
}

// Every word a page shows or tells a screen reader, without figures: each
// control's text, title and tip, the tables' headings and the charts' texts.
QStringList WordsOf(QWidget* page)
{
    QStringList words;
    const auto add = [&](const QString& kind, const QString& text) {
        if (!text.isEmpty() && !text.contains(QRegularExpression("\\d")))
            words << kind + ": " + text;
    };
    for (QWidget* w : page->findChildren<QWidget*>()) {
        add("tip", w->toolTip());
        if (auto* label = qobject_cast<QLabel*>(w))
            add("text", label->text());
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            add("text", button->text());
        if (auto* group = qobject_cast<QGroupBox*>(w))
            add("text", group->title());
        if (auto* box = qobject_cast<QComboBox*>(w))
            for (int item = 0; item < box->count(); ++item)
                add("item", box->itemText(item));
        if (auto* tree = qobject_cast<QTreeWidget*>(w))
            for (int column = 0; column < tree->columnCount(); ++column)
                add("heading", tree->headerItem()->text(column));
        if (auto* chart = qobject_cast<QChartView*>(w)) {
            add("chart", chart->chart()->title());
            for (QAbstractAxis* axis : chart->chart()->axes())
                add("axis", axis->titleText());
            for (QAbstractSeries* series : chart->chart()->series())
                add("series", series->name());
        }
    }
    words.sort();
    words.removeDuplicates();
    return words;
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

// One connection today, 10:00:20 to 10:10:00: 9 minutes 40 seconds online,
// 1000 bytes received and 100 sent.
std::string TodaysSession()
{
    std::string log = EnglishSession("10:00:00.00", "10:00:20.00", "10:10:00.00", 1'000, 100);
    const std::string today = QDate::currentDate().toString("MM-dd-yyyy").toStdString();
    for (size_t at = log.find("01-05-2000"); at != std::string::npos; at = log.find("01-05-2000", at))
        log.replace(at, 10, today);
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
        QCOMPARE(w.TablePage()->View()->model()->rowCount(), static_cast<int>(core.Table().RowCount()));
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
        QCOMPARE(w.TablePage()->View()->currentIndex().row(), static_cast<int>(core.Table().RowCount()) - 1);
        QCOMPARE(w.TablePage()->View()->selectionModel()->selectedRows().size(), 1);
        // Source series hold every point; trends one per complete group of three.
        QCOMPARE(w.Charts()[2]->PointCount(0), core.Points().Count());
        QCOMPARE(w.Charts()[2]->PointCount(1), core.Points().Count() / 3);
        QCOMPARE(w.Charts()[0]->PointCount(3), core.Points().Count() / 3);
        // Rates and volumes: blue read, red write, their trends light aqua and
        // light fuchsia; dialing and connection times: blue, the trend light yellow.
        const QList<QColor> two = {QColor(0, 0, 255), QColor(255, 0, 0), QColor(128, 255, 255), QColor(255, 128, 255)};
        const QList<QColor> one = {QColor(0, 0, 255), QColor(255, 255, 128)};
        const QList<QList<QColor>> colours = {two, one, one, two};
        // The overview's title is navy on a light window.
        QCOMPARE(t->Window->findChild<QLabel*>("OvTitlePanel")->palette().color(QPalette::WindowText),
                 QColor(0, 0, 128));
        // One grid, the left axis's: the right axis has its own scale only.
        for (TChart* chart : w.Charts())
            QCOMPARE(QPair(chart->LeftAxis()->isGridLineVisible(), chart->RightAxis()->isGridLineVisible()),
                     QPair(true, false));
        // Read and write each have their own axis, and a trend that of its line.
        const QList<bool> leftRight = {false, true, false, true};
        const QList<bool> leftOnly = {false, false};
        const QList<QList<bool>> onTheRight = {leftRight, leftOnly, leftOnly, leftRight};
        for (size_t c = 0; c < w.Charts().size(); ++c) {
            QList<QColor> pens;
            QList<bool> right;
            for (int i = 0; i < w.Charts()[c]->SeriesCount(); ++i) {
                pens << w.Charts()[c]->Series(i)->pen().color();
                right << w.Charts()[c]->Series(i)->attachedAxes().contains(w.Charts()[c]->RightAxis());
            }
            QCOMPARE(pens, colours[static_cast<qsizetype>(c)]);
            QCOMPARE(right, onTheRight[static_cast<qsizetype>(c)]);
        }
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

    // Every figure can be selected to be copied with the mouse, and those of
    // the Costs page with the keyboard too.
    void figuresCanBeSelectedForCopying()
    {
        const std::string units = KELLVAR_SOURCE_DIR "/examples/tariffs/german-units-1998.tariff";
        auto t = std::make_unique<TDialogUnderTest>();
        t->ProgramDir.Write("kellvar.INI",
                            "[SETTINGS]\nLoadDefaultLogFile=1\nTariff1=" + units + "\nLimit1=month:time>1h\n");
        t->Start({ExampleLog});
        TModemLogDialog& w = *t->Window;
        QApplication::setActiveWindow(&w);
        const QList<QLabel*> byMouse = {Control<QLabel>(w, FigureSlots()[0].OverviewField),
                                        Control<QLabel>(w, FigureSlots()[0].StatusLabel)};
        const QList<QLabel*> byKeyboard = {w.CostsPage()->Figure(0), w.CostsPage()->Limits()->EstimateLabel()};
        for (QLabel* label : byMouse + byKeyboard) {
            Shown(w, label);
            QApplication::processEvents();
            QVERIFY2(!label->text().isEmpty(), qPrintable(label->objectName()));
            // Dragged over from edge to edge.
            const int middle = label->height() / 2;
            QTest::mousePress(label, Qt::LeftButton, {}, QPoint(0, middle));
            QTest::mouseMove(label, QPoint(label->width() - 1, middle));
            QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(label->width() - 1, middle));
            QCOMPARE(label->selectedText(), label->text());
        }
        // Clicked, the Costs page's figures select to their end with Shift+End.
        for (QLabel* label : byKeyboard) {
            Shown(w, label);
            QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(1, label->height() / 2));
            QTest::keyClick(label, Qt::Key_Home);
            QTest::keyClick(label, Qt::Key_End, Qt::ShiftModifier);
            QCOMPARE(label->selectedText(), label->text());
        }
    }

    void tariffsPriceTheTableAndTheCostsPage()
    {
        const std::string units = KELLVAR_SOURCE_DIR "/examples/tariffs/german-units-1998.tariff";
        auto t = std::make_unique<TDialogUnderTest>();
        t->ProgramDir.Write("kellvar.INI", "[SETTINGS]\nLoadDefaultLogFile=1\nTariff1=" + units + "\n");
        t->Start({ExampleLog});
        TModemLogDialog& w = *t->Window;
        QCOMPARE(w.TablePage()->View()->model()->columnCount(), TariffColumn + 1);
        QCOMPARE(w.TablePage()->View()->model()->headerData(CostsColumn, Qt::Horizontal).toString(), QString("Costs"));
        // The last connection: Thursday 6 January 2000, 22:41:18 for 3420.01 s,
        // fifteen night units of 240 s at 0.12 DM.
        const std::string separator = QLocale::system().decimalPoint().toStdString();
        QCOMPARE(w.Table().Rows().back()[CostsColumn], "1" + separator + "80 DM");
        QApplication::clipboard()->clear();
        w.CopyData1Click();
        QCOMPARE(QApplication::clipboard()->text().toStdString(), ReportOutput(ExampleLog, "--tariff=" + units));
        QCOMPARE(w.CostsPage()->Months()->topLevelItemCount(), 1);
        QCOMPARE(w.CostsPage()->Figure(3)->text(), QString("0"));
        // The one month copies with the page's total, and its chart as the charts do.
        const QStringList months = w.CostsPage()->MonthsText().split("\r\n");
        QCOMPARE(months.front(), QString("Month\tConnections\tOnline Time\tVolume\tCosts\tUnpriced"));
        QCOMPARE(months[1].section('\t', 0, 1), "2000-01\t" + QString::number(w.Table().RowCount()));
        QCOMPARE(months[1].section('\t', 4, 4), w.CostsPage()->Figure(0)->text());
        QCOMPARE(months[1].section('\t', 5), QString("0"));
        // Its figures stand right, and its chart shows it in marks, not pfennigs.
        for (int column = 1; column < 5; ++column)
            QCOMPARE(w.CostsPage()->Months()->topLevelItem(0)->textAlignment(column),
                     int(Qt::AlignRight | Qt::AlignVCenter));
        w.Pages()->setCurrentWidget(w.CostsPage());
        QApplication::processEvents();
        QLineSeries* chartedMonths = w.CostsPage()->Chart()->Series(0);
        QCOMPARE(chartedMonths->count(), 1);
        // The point is named by its month, on the axis and to a screen reader.
        auto* monthAxis = qobject_cast<QCategoryAxis*>(w.CostsPage()->Chart()->BottomAxis());
        QVERIFY(monthAxis != nullptr);
        QCOMPARE(monthAxis->categoriesLabels(), QStringList{"2000-01"});
        QVERIFY(w.CostsPage()->Chart()->accessibleDescription().contains("Month 2000-01 to 2000-01"));
        QCOMPARE(QString::number(chartedMonths->at(0).y(), 'f', 2),
                 w.CostsPage()->Figure(0)->text().remove(" DM").replace(separator.front(), '.'));
        // Ctrl+C in the list copies it, even a single month; its rows hang from no tree.
        QTreeWidget* monthList = w.CostsPage()->Months();
        QVERIFY(!monthList->rootIsDecorated());
        w.Pages()->setCurrentWidget(w.CostsPage());
        QApplication::setActiveWindow(&w);
        monthList->setFocus();
        QApplication::clipboard()->clear();
        QTest::keyClick(monthList, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), w.CostsPage()->MonthsText());
        w.Pages()->setCurrentWidget(w.CostsPage());
        QApplication::clipboard()->clear();
        w.alsBitmap1Click();
        QVERIFY(!QApplication::clipboard()->image().isNull());

        // Without the file the table is as it was.
        w.CostsPage()->SetFiles({});
        QCOMPARE(w.TablePage()->View()->model()->columnCount(), static_cast<int>(TableColumnCount));
        w.CopyData1Click();
        QCOMPARE(QApplication::clipboard()->text().toStdString(), ReportOutput(ExampleLog));
    }

    // Tariff files are chosen, ordered and removed on the costs page, and kept in that order.
    void tariffFilesAreAddedOrderedAndRemovedByHand()
    {
        const QString units = KELLVAR_SOURCE_DIR "/examples/tariffs/german-units-1998.tariff";
        const QString byCall = KELLVAR_SOURCE_DIR "/examples/tariffs/internet-by-call.tariff";
        TDialogUnderTest t;
        t.ProgramDir.Write("kellvar.INI", "[SETTINGS]\nLoadDefaultLogFile=1\n");
        t.Start({ExampleLog});
        QListWidget* files = t.Window->CostsPage()->FileList();
        const auto button = [&](const char* name) { return Control<QPushButton>(*t.Window, name); };
        // Which of Delete, Up and Down can be pressed.
        const auto pressable = [&] {
            return QList<bool>{button("RemoveTariffButton")->isEnabled(), button("TariffUpButton")->isEnabled(),
                               button("TariffDownButton")->isEnabled()};
        };
        QCOMPARE(pressable(), QList<bool>({false, false, false}));
        t.Dialogs.Answer.reset();
        button("AddTariffButton")->click();
        QCOMPARE(files->count(), 0);
        QCOMPARE(t.Dialogs.LastRequest.Filters.first(), QString("Tariff files (*.tariff)"));
        QCOMPARE(t.Dialogs.LastRequest.FilterIndex, 1);
        for (const QString& file : {units, byCall}) {
            t.Dialogs.Answer = TOpenFileAnswer{file};
            button("AddTariffButton")->click();
        }
        QCOMPARE(t.Window->TablePage()->View()->model()->columnCount(), TariffColumn + 1);
        QCOMPARE(files->count(), 2);
        QCOMPARE(files->currentRow(), 1);
        QCOMPARE(pressable(), QList<bool>({true, true, false}));
        button("TariffUpButton")->click();
        // Each file by its tariff's name, its path in the tooltip.
        QCOMPARE(files->item(0)->text(), QString("Internet by call"));
        QCOMPARE(files->item(0)->toolTip(), byCall);
        button("TariffDownButton")->click();
        QCOMPARE(files->item(1)->toolTip(), byCall);
        QCOMPARE(files->currentRow(), 1);
        button("TariffUpButton")->click();
        QCOMPARE(files->currentRow(), 0);
        QCOMPARE(pressable(), QList<bool>({true, false, true}));
        t.Window->close();
        const std::string ini = ReadFile(t.IniFile());
        QVERIFY(ini.find("Tariff1=" + byCall.toStdString() + "\r\nTariff2=" + units.toStdString() + "\r\n")
                != std::string::npos);
    }

    // The folder the daily run writes its HTML report to, chosen and kept.
    void reportFolderIsChosenAndKept()
    {
        TDialogUnderTest t;
        t.StartWithoutLog();
        auto* choose = Control<QPushButton>(*t.Window, "HtmlReportFolderButton");
        t.Dialogs.FolderAnswer = "/srv/www/modem";
        choose->click();
        // At first it starts at the home folder.
        QCOMPARE(t.Dialogs.FolderStart, QString::fromStdString(t.ProgramDir.Path()));
        QCOMPARE(Control<QLineEdit>(*t.Window, "HtmlReportFolderEdit")->text(), QString("/srv/www/modem"));
        t.Dialogs.FolderAnswer.reset();
        choose->click();
        QCOMPARE(t.Dialogs.FolderStart, QString("/srv/www/modem"));
        QCOMPARE(Control<QLineEdit>(*t.Window, "HtmlReportFolderEdit")->text(), QString("/srv/www/modem"));
        t.Window->close();
        QVERIFY(ReadFile(t.IniFile()).find("HtmlReportFolder=/srv/www/modem\r\n") != std::string::npos);
    }

    // The start-up's warning that the driver's log nears its limit is said
    // once: a tariff or limit set later prices the log anew in silence.
    void pricingAnewRepeatsNoWarning()
    {
        TLogGeneratorOptions options;
        options.Sessions = 1'000;
        TDialogUnderTest t;
        const std::string log = t.ProgramDir.Write("ModemLog.txt", GenerateModemLog(options));
        QVERIFY(ReadFile(log).size() > 2'000 * 128);
        t.ProgramDir.Write("kellvar.INI",
                           "[SETTINGS]\nLoadDefaultLogFile=1\nDefaultLogFile=" + log + "\nUseLastSettings=1\n");
        t.Start();
        QCOMPARE(t.Dialogs.Messages.size(), 1);
        QVERIFY(t.Dialogs.Messages[0].startsWith("The file \"" + QString::fromStdString(log) + "\" is larger than"));
        t.Window->CostsPage()->SetFiles({KELLVAR_SOURCE_DIR "/examples/tariffs/german-units-1998.tariff"});
        QCOMPARE(t.Window->TablePage()->View()->model()->columnCount(), TariffColumn + 1);
        auto* edit = Control<QLineEdit>(*t.Window, "LimitEdit");
        edit->setText("month:volume>1KB");
        Control<QPushButton>(*t.Window, "AddLimitButton")->click();
        QVERIFY(t.Window->CostsPage()->Limits()->Bar(0) != nullptr);
        QCOMPARE(t.Dialogs.Messages.size(), 1);
        QCOMPARE(t.Text("OvLogFileMaxSizeLabel"), QString("(max. 255KB)"));
    }

    // A click on a file in the list, then Delete.
    void tariffFileRemovedPricesNoMore()
    {
        const std::string units = KELLVAR_SOURCE_DIR "/examples/tariffs/german-units-1998.tariff";
        TDialogUnderTest t;
        t.ProgramDir.Write("kellvar.INI", "[SETTINGS]\nLoadDefaultLogFile=1\nTariff1=" + units + "\n");
        t.Start({ExampleLog});
        QListWidget* files = t.Window->CostsPage()->FileList();
        files->setCurrentRow(0);
        Control<QPushButton>(*t.Window, "RemoveTariffButton")->click();
        QCOMPARE(files->count(), 0);
        QCOMPARE(t.Window->TablePage()->View()->model()->columnCount(), static_cast<int>(TableColumnCount));
        QVERIFY(!Control<QPushButton>(*t.Window, "RemoveTariffButton")->isEnabled());
        // Without a tariff the page says what to do instead of showing empty figures, months and chart.
        TCostsPage& page = *t.Window->CostsPage();
        QVERIFY(!Control<QLabel>(page, "CostsNoteLabel")->isHidden());
        QVERIFY(page.Figure(0)->isHidden() && page.Months()->isHidden() && page.Chart()->isHidden());
    }

    // Another tariff prices the rows shown, as the run left them, without
    // reading the log again: a log gone meanwhile changes nothing, and the
    // overrun count the log gave after the last row keeps its column.
    void tariffChosenAfterOpenPricesTheShownRows()
    {
        const auto line = [](const std::string& stamp, const std::string& text) {
            return "01-05-2000 " + stamp + " - " + text + "\r\n";
        };
        // Dialled at 10:00 and 11:00, connected 30 s later, hung up 570 s
        // after the connect: 10 started minutes of 0.02 EUR each.
        const auto session = [&](const std::string& hour) {
            return line(hour + ":00:00.00", "Dialing.") + line(hour + ":00:00.00", "Send: ATDT0191011<cr>")
                   + line(hour + ":00:30.00", "Recv: <cr><lf>CONNECT 28800<cr><lf>")
                   + line(hour + ":00:30.00", "Connection established at 28800bps.")
                   + line(hour + ":10:00.00", "Hanging up the modem.") + line(hour + ":10:00.00", "Session Statistics:")
                   + line(hour + ":10:00.00", "   Reads : 6000 bytes")
                   + line(hour + ":10:00.00", "   Writes: 600 bytes");
        };
        TDialogUnderTest t;
        const std::string log = t.ProgramDir.Write("priced.log", session("10") + session("11")
                                                                     + line("11:10:01.00", "Serial Overrun Errors: 3"));
        t.ProgramDir.Write("kellvar.INI", "[SETTINGS]\nLoadDefaultLogFile=1\n");
        t.Start({log});
        QCOMPARE(t.Window->Table().RowCount(), size_t{2});
        QCOMPARE(t.Window->Table().Rows()[1][OverrunColumn], "3");
        std::filesystem::remove(log);

        t.Window->CostsPage()->SetFiles({KELLVAR_SOURCE_DIR "/examples/tariffs/per-minute.tariff"});
        QCOMPARE(t.Dialogs.Messages, QStringList{});
        const std::string separator = QLocale::system().decimalPoint().toStdString();
        const std::vector<TRowCells>& rows = t.Window->Table().Rows();
        QCOMPARE(rows.size(), size_t{2});
        QCOMPARE(rows[0][OverrunColumn], "");
        QCOMPARE(rows[1][OverrunColumn], "3");
        for (const TRowCells& row : rows) {
            QCOMPARE(row[CostsColumn], "0" + separator + "20 EUR");
            QCOMPARE(row[TariffColumn], "Per minute");
        }
        QCOMPARE(t.Window->CostsPage()->Figure(0)->text(), QString::fromStdString("0" + separator + "40 EUR"));
        QVERIFY(t.Window->NumbersPage()->TableText().contains(QString::fromStdString("0" + separator + "40 EUR")));

        // Sorted, then priced by half minutes: 19 started ones of a cent,
        // the rows back in the log's order.
        t.Window->ListView1ColumnClick(NumberColumn);
        t.Window->ListView1ColumnClick(NumberColumn);
        QCOMPARE(t.Window->Table().Rows()[0][NumberColumn], "1");
        const std::string halves = t.ProgramDir.Write("halves.tariff", "name Halves\ncurrency EUR 2\nunit 30 0.01\n");
        t.Window->CostsPage()->SetFiles({halves});
        QCOMPARE(t.Window->Table().Rows()[0][NumberColumn], "0");
        QCOMPARE(t.Window->Table().Rows()[1][OverrunColumn], "3");
        QCOMPARE(t.Window->Table().Rows()[1][CostsColumn], "0" + separator + "19 EUR");
        QCOMPARE(t.Window->Table().Rows()[1][TariffColumn], "Halves");
        QCOMPARE(t.Window->CostsPage()->Figure(0)->text(), QString::fromStdString("0" + separator + "38 EUR"));

        // Without the tariff the rows are as the run made them.
        t.Window->CostsPage()->SetFiles({});
        QCOMPARE(t.Window->Table().Rows()[0].size(), size_t{11});
        QCOMPARE(t.Window->Table().Rows()[1].size(), size_t{12});
        QCOMPARE(t.Window->Table().Rows()[1][OverrunColumn], "3");
        QCOMPARE(t.Window->CostsPage()->Figure(0)->text(), QString("-"));
    }

    void costsPageSpeaksEitherLanguage_data()
    {
        QTest::addColumn<bool>("german");
        QTest::addColumn<QStringList>("words");
        QStringList german = {
            "axis: Monat",
            "chart: Kosten pro Monat",
            "heading: Kosten",
            "heading: Monat",
            "heading: Ohne Preis",
            "heading: Online-Zeit",
            "heading: Verbindungen",
            "heading: Volumen",
            "item: Kosten",
            "item: Montag",
            "item: Online-Zeit",
            "item: Sonntag",
            "item: Volumen",
            "series: Kosten",
            "text: &Grenze:",
            "text: -",
            "text: Abrechnungsmonat ab Tag:",
            "text: Der tägliche Timer schreibt den Bericht nach dem Archivieren neu; index.html im Browser öffnen",
            "text: Entfernen",
            "text: Gesamtkosten:",
            "text: HTML-Bericht schreiben nach:",
            "text: Hinzufügen...",
            "text: Kein Tarif gewählt: Fügen Sie eine Tarifdatei hinzu, um zu sehen, was die Verbindungen gekostet "
            "haben.",
            "text: Kosten je Stunde online:",
            "text: Löschen",
            "text: Mittlere Kosten je Verbindung:",
            "text: Nach oben",
            "text: Nach unten",
            "text: Ordner wählen...",
            "text: Setzen",
            "text: Tarifdateien (die erste passende gilt):",
            "text: Verbindungen ohne Tarif:",
            "text: Woche ab:",
            "text: Wochenkarte zeigt:"};
        QStringList english = {
            "axis: Month",
            "chart: Costs per Month",
            "heading: Connections",
            "heading: Costs",
            "heading: Month",
            "heading: Online Time",
            "heading: Unpriced",
            "heading: Volume",
            "item: Costs",
            "item: Monday",
            "item: Online Time",
            "item: Sunday",
            "item: Volume",
            "series: Costs",
            "text: &Limit:",
            "text: -",
            "text: Add...",
            "text: Billing month from day:",
            "text: Choose Folder...",
            "text: Connections without a Tariff:",
            "text: Costs per Hour Online:",
            "text: Delete",
            "text: Down",
            "text: Mean Costs per Connection:",
            "text: No tariff chosen: add a tariff file to see what the connections cost.",
            "text: Remove",
            "text: Set",
            "text: Tariff files (the first that fits applies):",
            "text: The daily timer writes the report anew after archiving; open index.html in a browser",
            "text: Total Costs:",
            "text: Up",
            "text: Week from:",
            "text: Week map shows:",
            "text: Write HTML report to:"};
        QTest::newRow("German") << true << german;
        QTest::newRow("English") << false << english;
    }

    void costsPageSpeaksEitherLanguage()
    {
        QFETCH(bool, german);
        QFETCH(QStringList, words);
        TDialogUnderTest t(german);
        t.StartWithoutLog();
        words.sort();
        QCOMPARE(WordsOf(t.Window->CostsPage()), words);
    }

    void aBrokenTariffIsNamedAndPricesNothing()
    {
        TDialogUnderTest t;
        t.ProgramDir.Write("bad.tariff", "currency DM 2\nunit 60 0.1 on mondy\n");
        t.ProgramDir.Write("kellvar.INI",
                           "[SETTINGS]\nLoadDefaultLogFile=1\nTariff1=" + t.ProgramDir.File("bad.tariff") + "\n");
        t.Start({ExampleLog});
        QCOMPARE(t.Dialogs.Messages.size(), 1);
        QVERIFY(t.Dialogs.Messages.front().endsWith("bad.tariff:2: unknown weekday \"mondy\""));
        QCOMPARE(t.Window->TablePage()->View()->model()->columnCount(), static_cast<int>(TableColumnCount));
        QCOMPARE(t.Window->CostsPage()->FileList()->count(), 1);
    }

    void limitsShowAsBarsAndAreToldOncePerPeriod()
    {
        TDialogUnderTest t;
        const std::string path = t.ProgramDir.Write("ModemLog.txt", TodaysSession());
        t.ProgramDir.Write("kellvar.INI",
                           "[SETTINGS]\nLoadDefaultLogFile=1\nLimit1=day:time>5min\nLimit2=day:time~>1h\n");
        t.Start({path});
        TLimitsPanel& limits = *t.Window->CostsPage()->Limits();
        QCOMPARE(limits.LimitList()->count(), 2);
        QVERIFY(limits.Bar(0)->text().startsWith("day:time>5min: 0:09:40 so far, 0:09:40 foreseen"));
        // Beside each text its bar, red past the limit, named as the text says:
        // 580 s of 300 s reach 193 % of the limit, 280 s past it.
        QVERIFY(limits.Bar(0)->text().endsWith(", exceeded by 0:04:40"));
        const QList<QProgressBar*> bars = {limits.Gauge(0), limits.Gauge(1)};
        QCOMPARE(QPoint(bars[0]->value(), bars[0]->maximum()), QPoint(193, 193));
        // Both bars start in the same column, whatever their labels' lengths.
        QCOMPARE(bars[0]->mapTo(t.Window.get(), QPoint()).x(), bars[1]->mapTo(t.Window.get(), QPoint()).x());
        QCOMPARE(bars[0]->palette().color(QPalette::Highlight), QColor(200, 0, 0));
        QVERIFY(!bars[0]->isTextVisible());
        QCOMPARE(bars[0]->accessibleName(), limits.Bar(0)->text());
        QCOMPARE(bars[1]->palette().color(QPalette::Highlight), limits.palette().color(QPalette::Highlight));
        const QString month = "Billing month " + QDate::currentDate().toString("yyyy-MM-01") + " to ";
        QVERIFY(limits.EstimateLabel()->text().startsWith(month));
        QVERIFY(limits.EstimateLabel()->text().contains(": 0:09:40 so far, "));
        // 10:00:20 to 10:10:00 today: 580 s in today's hour 10 of the week map.
        const int weekday = QDate::currentDate().dayOfWeek() - 1;
        TProfileMap* map = t.Window->CostsPage()->ProfileMap();
        QCOMPARE(map->Profile().Online(weekday, 10), int64_t{58'000});
        // The busiest hour of each measure, as a screen reader hears it: 1000 + 100 bytes, no tariff.
        const QString hour = "Busiest hour: " + QLocale(QLocale::English).dayName(weekday + 1) + " 10:00-11:00, ";
        QCOMPARE(map->accessibleDescription(), hour + "0:09 online");
        auto* measure = Control<QComboBox>(*t.Window, "WeekMapMeasureComboBox");
        measure->setCurrentIndex(1);
        QCOMPARE(map->accessibleDescription(), hour + "1100byte");
        measure->setCurrentIndex(2);
        QCOMPARE(map->accessibleDescription(), QString("Busiest hour: -"));
        const std::vector<std::string> told = limits.NewlyExceeded();
        QCOMPARE(told.size(), size_t{1});
        QVERIFY(limits.NewlyExceeded().empty());
        t.Window->close();
        const std::string iso = QDate::currentDate().toString("yyyy-MM-dd").toStdString();
        QVERIFY(ReadFile(t.IniFile()).find("Alerted1=" + iso + "\r\n") != std::string::npos);
    }

    // The week map's picture is the map alone: its ground to the edges, the
    // seven days reaching down to the legend and the hours to the right.
    void weekMapFillsItsPicture()
    {
        // A week online from Monday 8 March 1999, 0:00: every hour is the busiest.
        TConnectionRecord week;
        week.ConnectDateParts = {1999, 3, 8};
        week.ConnectDate = DateKeyOf(1999, 3, 8);
        week.ConnectionDuration = 7 * 24 * 360'000;
        TWeekHourProfile profile;
        profile.Add(week);
        TProfileMap map;
        map.SetProfile(profile, nullptr);
        const QSize size(600, 200);
        const QImage picture = map.Picture(size);
        const QRgb ground = map.palette().color(QPalette::Base).rgb();
        const QRgb ink = map.palette().color(QPalette::Highlight).rgb();
        QVERIFY(ground != ink);
        // The weekdays' names start at the left edge; nothing else comes near it.
        for (const int y : {0, size.height() - 1})
            QCOMPARE(picture.pixel(0, y), ground);
        for (int y = 0; y < size.height(); ++y)
            QCOMPARE(picture.pixel(size.width() - 1, y), ground);
        // A few pixels above the legend, Sunday's hours from noon to the right edge.
        const int sunday = size.height() - QFontMetrics(map.font()).height() - 5;
        int inked = 0;
        for (int x = size.width() / 2; x < size.width() - 3; ++x)
            inked += picture.pixel(x, sunday) == ink ? 1 : 0;
        QVERIFY2(inked >= (size.width() / 2 - 3) * 9 / 10, qPrintable(QString::number(inked)));
        // On the screen the map is the same picture.
        map.resize(size);
        QCOMPARE(map.grab().toImage().convertToFormat(QImage::Format_RGB32), picture);
        // The vector copy: each hour's cell stands half a pixel inside its
        // share, a pixel of ground between it and the next hour and day.
        std::map<double, std::vector<QRectF>> rows;
        QXmlStreamReader svg(map.SvgPicture(size));
        while (!svg.atEnd())
            if (svg.readNext() == QXmlStreamReader::StartElement && svg.name() == QLatin1String("rect")) {
                const QXmlStreamAttributes at = svg.attributes();
                const QRectF box(at.value("x").toDouble(), at.value("y").toDouble(), at.value("width").toDouble(),
                                 at.value("height").toDouble());
                if (box.size() != QSizeF(size))
                    rows[box.y()].push_back(box);
            }
        QVERIFY2(!svg.hasError(), qPrintable(svg.errorString()));
        QCOMPARE(rows.size(), size_t{7});
        for (auto row = rows.begin(); row != rows.end(); ++row) {
            QCOMPARE(row->second.size(), size_t{24});
            for (size_t hour = 1; hour < 24; ++hour)
                QVERIFY(std::abs(row->second[hour].left() - row->second[hour - 1].right() - 1) < 0.01);
            if (std::next(row) != rows.end())
                QVERIFY(std::abs(std::next(row)->first - row->second[0].bottom() - 1) < 0.01);
        }
    }

    // A screen reader hears a picture, and which hour was the busiest and how
    // long it was online, in hours and minutes.
    void weekMapSaysItsBusiestHour()
    {
        // 45 minutes and 30 seconds from Tuesday 9 March 1999, 10:00.
        TConnectionRecord session;
        session.ConnectDateParts = {1999, 3, 9};
        session.ConnectDate = DateKeyOf(1999, 3, 9);
        session.ConnectTime = 10 * 360'000;
        session.ConnectionDuration = 45 * 6'000 + 3'000;
        TWeekHourProfile profile;
        profile.Add(session);
        TProfileMap map;
        map.SetProfile(profile, nullptr);
        map.ApplyTexts(false);
        QCOMPARE(map.accessibleDescription(), QString("Busiest hour: Tuesday 10:00-11:00, 0:45 online"));
        map.ApplyTexts(true);
        QCOMPARE(map.accessibleDescription(), QString("Meistgenutzte Stunde: Dienstag 10:00-11:00, 0:45 online"));
        QCOMPARE(QAccessible::queryAccessibleInterface(&map)->role(), QAccessible::Graphic);
    }

    // A limit typed on the costs page counts at once and is kept for the next start.
    void limitsAreSetAndDeletedByHand()
    {
        TDialogUnderTest t;
        const std::string path = t.ProgramDir.Write("ModemLog.txt", TodaysSession());
        t.ProgramDir.Write("kellvar.INI", "[SETTINGS]\nLoadDefaultLogFile=1\n");
        t.Start({path});
        TLimitsPanel& limits = *t.Window->CostsPage()->Limits();
        auto* edit = Control<QLineEdit>(*t.Window, "LimitEdit");
        auto* set = Control<QPushButton>(*t.Window, "AddLimitButton");
        // Enter sets a limit, as the button does; it does not press the window's Close.
        edit->setText("day:time>5 parsecs");
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(limits.LimitList()->count(), 0);
        // Left selected, to be typed over.
        QCOMPARE(edit->selectedText(), QString("day:time>5 parsecs"));
        edit->setText(" day:time>5min ");
        QTest::keyClick(edit, Qt::Key_Return);
        QVERIFY(t.Window->isVisible());
        QCOMPARE(edit->text(), QString());
        QVERIFY(limits.Bar(0)->text().startsWith("day:time>5min: 0:09:40 so far"));
        edit->setText("month:volume>1KB");
        set->click();
        QCOMPARE(limits.LimitList()->count(), 2);
        limits.LimitList()->setCurrentRow(0);
        Control<QPushButton>(*t.Window, "RemoveLimitButton")->click();
        QCOMPARE(limits.LimitList()->count(), 1);
        QCOMPARE(limits.LimitList()->item(0)->text(), QString("month:volume>1KB"));
        QVERIFY(limits.Bar(0)->text().startsWith("month:volume>1KB: "));
        QCOMPARE(limits.Bar(1), nullptr);
        // A billing month from the 15th on, and weeks from Sunday.
        auto* firstDay = Control<QSpinBox>(*t.Window, "BillingMonthStartSpinBox");
        QCOMPARE(QPoint(firstDay->minimum(), firstDay->maximum()), QPoint(1, 31));
        firstDay->setValue(15);
        Control<QComboBox>(*t.Window, "WeekStartComboBox")->setCurrentIndex(1);
        const QDate today = QDate::currentDate();
        const QDate monthStart = today.day() >= 15 ? QDate(today.year(), today.month(), 15)
                                                   : QDate(today.year(), today.month(), 1).addMonths(-1).addDays(14);
        QVERIFY(
            limits.EstimateLabel()->text().startsWith("Billing month " + monthStart.toString("yyyy-MM-dd") + " to "));
        t.Window->close();
        const std::string ini = ReadFile(t.IniFile());
        QVERIFY(ini.find("Limit1=month:volume>1KB\r\n") != std::string::npos);
        QVERIFY(ini.find("Limit2=") == std::string::npos);
        QVERIFY(ini.find("BillingMonthStart=15\r\nWeekStartsOnSunday=1\r\n") != std::string::npos);
    }

    // Rows that are not selected stand on the list's one ground, not in
    // alternating shades.
    void numbersPageListsEachNumberAndChartsTheChosenOnes()
    {
        const auto line = [](const std::string& stamp, const std::string& text) {
            return stamp + " - " + text + "\r\n";
        };
        // A session: dial, the command, then a connect and a hang-up 600 s
        // later, or BUSY; the statistics close it.
        const auto session = [&](const std::string& day, const std::string& number, int speed, int connectAfter) {
            std::string text =
                line(day + " 10:00:00.00", "Dialing.") + line(day + " 10:00:00.00", "Send: ATDT" + number + "<cr>");
            const std::string connect = day + " 10:00:" + std::to_string(connectAfter) + ".00";
            const std::string end = speed > 0 ? day + " 10:10:" + std::to_string(connectAfter) + ".00" : connect;
            if (speed > 0)
                text += line(connect, "Recv: <cr><lf>CONNECT " + std::to_string(speed) + "<cr><lf>")
                        + line(connect, "Connection established at " + std::to_string(speed) + "bps.")
                        + line(end, "Hanging up the modem.");
            else
                text += line(connect, "Recv: <cr><lf>BUSY<cr><lf>") + line(connect, "Hanging up the modem.");
            return text + line(end, "Session Statistics:") + line(end, "   Reads : 6000 bytes")
                   + line(end, "   Writes: 600 bytes");
        };
        auto t = std::make_unique<TDialogUnderTest>();
        t->ProgramDir.Write("dialled.log", session("01-05-2000", "0111", 28800, 30)
                                               + session("01-06-2000", "0222", 0, 40)
                                               + session("02-05-2000", "0222", 49333, 20));
        t->ProgramDir.Write("kellvar.INI", "[SETTINGS]\nLoadDefaultLogFile=1\n");
        t->Start({t->ProgramDir.File("dialled.log")});
        TModemLogDialog& w = *t->Window;
        TNumbersPage* page = w.NumbersPage();
        w.Pages()->setCurrentWidget(page);
        QApplication::processEvents();
        QVERIFY(page->Note()->isHidden());
        // Most attempts first: 0222 once busy and once connected, 0111 once.
        const QStringList rows = page->TableText().split("\r\n");
        QCOMPARE(rows[0].section('\t', 0, 3), QString("Number\tAttempts\tConnects\tSuccess"));
        QCOMPARE(rows[1].section('\t', 0, 3), QString("0222\t2\t1\t50 %"));
        QCOMPARE(rows[2].section('\t', 0, 3), QString("0111\t1\t1\t100 %"));
        // With none chosen both are charted together: January 1 of 2 at
        // 28.8 kbps, February 1 of 1 at 49.333 kbps.
        QLineSeries* success = page->Chart()->Series(0);
        QLineSeries* speed = page->Chart()->Series(1);
        QCOMPARE(success->count(), 2);
        QCOMPARE(success->at(0).y(), 50.0);
        QCOMPARE(success->at(1).y(), 100.0);
        QCOMPARE(speed->at(1).y(), 49.333);
        // Chosen alone, 0111 is one month of one connect.
        page->Table()->topLevelItem(1)->setSelected(true);
        QCOMPARE(success->count(), 1);
        QCOMPARE(speed->at(0).y(), 28.8);
        QVERIFY(page->Chart()->chart()->title().endsWith(": 0111"));
        // Enter in the list closes nothing.
        page->Table()->setFocus();
        QTest::keyClick(page->Table(), Qt::Key_Return);
        QVERIFY(w.isVisible());
    }

    void tableIsAFlatListOnOneGround()
    {
        auto t = WindowOn(ExampleLog);
        QTreeView* view = t->Window->TablePage()->View();
        Shown(*t->Window, view);
        view->selectionModel()->clearSelection();
        view->scrollToTop();
        QApplication::processEvents();
        const QImage picture = view->viewport()->grab().toImage();
        const QColor ground = view->palette().color(QPalette::Base);
        // Beside the end of the connect stamp, where no text reaches.
        const int x = view->columnViewportPosition(1) + view->columnWidth(1) - 3;
        for (int row = 0; row < 4; ++row)
            QCOMPARE(picture.pixelColor(x, view->visualRect(view->model()->index(row, 1)).center().y()), ground);
        // A flat list: the row numbers start at its left edge, with no room for
        // branches, and the last column keeps its width in a wide window.
        QCOMPARE(view->visualRect(view->model()->index(0, 0)).left(), 0);
        const int last = view->model()->columnCount() - 1;
        const int lastWidth = view->columnWidth(last);
        t->Window->resize(2400, t->Window->height());
        QApplication::processEvents();
        QVERIFY(view->columnViewportPosition(last) + lastWidth < view->viewport()->width());
        QCOMPARE(view->columnWidth(last), lastWidth);
    }

    void copyLineTakesTheFirstSelectedRow()
    {
        auto t = WindowOn(ExampleLog);
        TModemLogDialog& w = *t->Window;
        QItemSelectionModel* selection = SelectRows(w, {5, 3});
        w.CopyDataLine1Click();
        QCOMPARE(QApplication::clipboard()->text().toStdString(), RowText(w.Table().Rows()[3]));
        selection->clearSelection();
        w.CopyDataLine1Click();
        QCOMPARE(QApplication::clipboard()->text(), QString());
    }

    // Rows are picked as users pick them: a click, Shift+click for a run of
    // rows, Ctrl+click to leave one out.
    void ctrlCInTheTableCopiesTheSelectedRows()
    {
        auto t = WindowOn(ExampleLog);
        TModemLogDialog& w = *t->Window;
        QTreeView* view = w.TablePage()->View();
        w.activateWindow();
        view->setFocus();
        view->scrollToTop();
        const auto click = [&](int row, Qt::KeyboardModifiers keys) {
            QTest::mouseClick(view->viewport(), Qt::LeftButton, keys,
                              view->visualRect(view->model()->index(row, 1)).center());
        };
        click(3, {});
        click(5, Qt::ShiftModifier);
        click(4, Qt::ControlModifier);
        // The list has the key before a shortcut of the window's would.
        QAction windowsCopy(&w);
        windowsCopy.setShortcut(QKeySequence::Copy);
        w.addAction(&windowsCopy);
        QSignalSpy triggered(&windowsCopy, &QAction::triggered);
        QTest::keyClick(w.TablePage()->View(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text().toStdString(),
                 RowText(w.Table().Rows()[3]) + RowText(w.Table().Rows()[5]));
        QCOMPARE(triggered.count(), 0);
    }

    void copyTableWithoutRowsKeepsTheClipboard()
    {
        TDialogUnderTest t;
        t.StartWithoutLog();
        QApplication::clipboard()->setText("kept");
        t.Window->CopyData1Click();
        QCOMPARE(QApplication::clipboard()->text(), QString("kept"));
    }

    void sortingEveryColumnBothWays_data()
    {
        // Each column's order is checked against the record fields the core
        // analysis gives for the row's "#", not against the sort keys.
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("field");
        const std::vector<std::pair<const char*, int>> columns = {
            {"#", 0},        {"connect", 1}, {"hang-up", 2}, {"connection", 3}, {"read rate", 4}, {"write rate", 5},
            {"received", 6}, {"sent", 7},    {"speed", 8},   {"dial stamp", 9}, {"dialing", 10}};
        for (const auto& [name, column] : columns)
            QTest::newRow(name) << column << column;
    }

    void sortingEveryColumnBothWays()
    {
        QFETCH(int, column);
        auto t = WindowOn(ExampleLog, true);
        TModemLogDialog& w = *t->Window;
        const std::vector<TConnectionRecord> records = CoreAnalysis(ExampleLog, ",").Records();
        const auto field = [&](int number) -> std::pair<int64_t, int64_t> {
            const TConnectionRecord& r = records[static_cast<size_t>(number)];
            switch (column) {
            case 0:
                return {number, 0};
            case 1:
                return {r.ConnectDate, r.ConnectTime};
            case 2:
                return {r.HangUpDate, r.HangUpTime};
            case 3:
                return {r.ConnectionDuration, 0};
            case 4:
                return {r.ReadRate, 0};
            case 5:
                return {r.WriteRate, 0};
            case 6:
                return {r.BytesRead, 0};
            case 7:
                return {r.BytesWritten, 0};
            case 8:
                return {r.Bps, 0};
            case 9:
                return {r.DialDate, r.DialTime};
            default:
                return {r.DialDuration, 0};
            }
        };
        QHeaderView* header = w.TablePage()->View()->header();
        w.Pages()->setCurrentIndex(1);
        w.resize(1600, 600);
        QApplication::processEvents();
        for (const bool ascending : {true, false}) {
            // Each click lands apart from the one before, so no two make a double click.
            const int x = header->sectionViewportPosition(column) + (ascending ? 4 : 24);
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
            QCOMPARE(header->sortIndicatorSection(), column);
            QVERIFY(header->isSortIndicatorShown());
            const QStringList numbers = ShownColumn(w, 0);
            QCOMPARE(numbers.size(), static_cast<qsizetype>(records.size()));
            for (int row = 1; row < numbers.size(); ++row) {
                const auto before = field(numbers[row - 1].toInt());
                const auto after = field(numbers[row].toInt());
                QVERIFY2(ascending ? before <= after : before >= after,
                         qPrintable(QString("row %1: #%2 then #%3").arg(row).arg(numbers[row - 1], numbers[row])));
            }
        }
    }

    void quickClicksOnAHeaderEachSort()
    {
        auto t = WindowOn(ExampleLog);
        TModemLogDialog& w = *t->Window;
        QHeaderView* header = w.TablePage()->View()->header();
        w.Pages()->setCurrentIndex(1);
        QApplication::processEvents();
        const QPoint at(header->sectionViewportPosition(6) + 10, header->height() / 2);
        // Two quick clicks as X11 delivers them: the second one comes as a double click.
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(header->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(w.Table().SortDirection(6), -1);
        QVERIFY(header->isSortIndicatorShown());
        QCOMPARE(header->sortIndicatorSection(), 6);
        w.AnalyseLogFile(QString::fromStdString(ExampleLog), true);
        QVERIFY2(!header->isSortIndicatorShown(), "a new run's rows are in the log's order");
    }

    void tableModelKeepsItsContract()
    {
        auto t = WindowOn(ExampleLog);
        TModemLogDialog& w = *t->Window;
        QAbstractItemModelTester tester(w.TablePage()->View()->model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        w.ListView1ColumnClick(3);
        w.ListView1ColumnClick(3);
        w.AnalyseLogFile(QString::fromStdString(ExampleLog), true);
        w.AnalyseLogFile(QString::fromStdString(ExampleLog + ".missing"), true);
        QCOMPARE(w.TablePage()->View()->model()->rowCount(), 0);
    }

    // Numbers stand right, so that their digits line up; the row number and
    // the stamps stand left, cells and captions alike.
    void numbersStandRight()
    {
        auto t = WindowOn(ExampleLog);
        const QAbstractItemModel* model = t->Window->TablePage()->View()->model();
        const auto alignment = [model](int column) {
            const auto cell = model->index(0, column).data(Qt::TextAlignmentRole).value<Qt::Alignment>();
            const auto caption =
                model->headerData(column, Qt::Horizontal, Qt::TextAlignmentRole).value<Qt::Alignment>();
            return cell == caption ? cell & Qt::AlignHorizontal_Mask : Qt::Alignment(Qt::AlignJustify);
        };
        for (int column : {0, 1, 2, 9})
            QCOMPARE(alignment(column), Qt::Alignment(Qt::AlignLeft));
        for (int column : {3, 4, 5, 6, 7, 8, 10, 11})
            QCOMPARE(alignment(column), Qt::Alignment(Qt::AlignRight));
        t->Window->CostsPage()->SetFiles({KELLVAR_SOURCE_DIR "/examples/tariffs/german-units-1998.tariff"});
        QCOMPARE(alignment(CostsColumn), Qt::Alignment(Qt::AlignRight));
    }

    // On every page, in either language, with a large font and with a wide
    // one (whose texts outgrow the places the layout gives them), no control
    // lies over another.
    void noControlLiesOverAnother()
    {
        struct TLook {
            bool German;
            int Pixels;         // 0: the desktop's font
            int LetterSpacing;  // in percent
        };
        for (const TLook& look : {TLook{false, 0, 100}, TLook{true, 0, 100}, TLook{true, 22, 100}, TLook{false, 0, 160},
                                  TLook{true, 0, 160}, TLook{true, 0, 300}}) {
            TDialogUnderTest t(look.German);
            t.StartWithoutLog();
            QFont font = t.Window->font();
            if (look.Pixels > 0)
                font.setPixelSize(look.Pixels);
            font.setLetterSpacing(QFont::PercentageSpacing, look.LetterSpacing);
            t.Window->setFont(font);
            // The controls of one part of the window, none over another.
            const auto checkPart = [](QWidget* part, const QString& name) {
                QList<QWidget*> controls;
                for (QWidget* w : part->findChildren<QWidget*>())
                    if (w->isVisible()
                        && (qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w)
                            || qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractItemView*>(w)
                            || qobject_cast<QProgressBar*>(w) || qobject_cast<QChartView*>(w)))
                        controls << w;
                // Nor is any text cut.
                for (QWidget* w : controls)
                    if (auto* label = qobject_cast<QLabel*>(w); label && !label->wordWrap() && !label->text().isEmpty())
                        QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(name + ": " + label->text()));
                const auto area = [part](QWidget* w) { return QRect(w->mapTo(part, QPoint(0, 0)), w->size()); };
                for (int i = 0; i < controls.size(); ++i)
                    for (int j = i + 1; j < controls.size(); ++j) {
                        QWidget* a = controls[i];
                        QWidget* b = controls[j];
                        if (a->isAncestorOf(b) || b->isAncestorOf(a))
                            continue;
                        QVERIFY2(!area(a).intersects(area(b)),
                                 qPrintable(name + ": " + a->objectName() + " " + a->metaObject()->className() + " and "
                                            + b->objectName() + " " + b->metaObject()->className()));
                    }
            };
            QTabWidget* pages = t.Window->Pages();
            for (int index = 0; index < pages->count(); ++index) {
                pages->setCurrentIndex(index);
                QApplication::processEvents();
                checkPart(pages->currentWidget(), pages->tabText(index));
                if (QTest::currentTestFailed())
                    return;
            }
            checkPart(Control<QWidget>(*t.Window, "Panel2"), "the bottom row");
            if (QTest::currentTestFailed())
                return;
        }
    }

    // A button's glyph is drawn at the style's full icon size, and its caption
    // starts at least a space of the button's font beyond it, besides the two
    // pixels Qt keeps (where glyph and letters run into each other).
    void glyphButtonsKeepASpaceBeforeTheirCaption()
    {
        TDialogUnderTest t;
        t.StartWithoutLog();
        for (const char* name : {"OpenButton", "CloseButton", "HelpButton"}) {
            auto* button = Control<QPushButton>(*t.Window, name);
            const QImage drawn = button->grab().toImage();
            // The same button with neither glyph nor caption: its ground.
            const QString caption = button->text();
            const QIcon icon = button->icon();
            button->setText(QString());
            button->setIcon(QIcon());
            const QImage ground = button->grab().toImage();
            button->setText(caption);
            button->setIcon(icon);
            QCOMPARE(drawn.size(), ground.size());
            // The columns where anything is drawn, each with its drawn rows.
            struct TInk {
                int Column;
                int Top;
                int Bottom;
            };
            std::vector<TInk> ink;
            for (int x = 0; x < drawn.width(); ++x)
                for (int y = 0; y < drawn.height(); ++y)
                    if (drawn.pixel(x, y) != ground.pixel(x, y)) {
                        if (ink.empty() || ink.back().Column != x)
                            ink.push_back({x, y, y});
                        ink.back().Bottom = y;
                    }
            QVERIFY2(ink.size() > 2, name);
            // The glyph comes first; the widest blank between two drawn
            // columns is the one between glyph and caption.
            size_t captionStart = 1;
            for (size_t i = 1; i < ink.size(); ++i)
                if (ink[i].Column - ink[i - 1].Column > ink[captionStart].Column - ink[captionStart - 1].Column)
                    captionStart = i;
            const int gap = ink[captionStart].Column - ink[captionStart - 1].Column - 1;
            QVERIFY2(gap >= 2 + button->fontMetrics().horizontalAdvance(' '), name);
            int glyphTop = drawn.height();
            int glyphBottom = -1;
            for (size_t i = 0; i < captionStart; ++i) {
                glyphTop = std::min(glyphTop, ink[i].Top);
                glyphBottom = std::max(glyphBottom, ink[i].Bottom);
            }
            // Our glyphs leave at most a pixel blank at either end of their
            // longer side.
            const int side = button->style()->pixelMetric(QStyle::PM_ButtonIconSize, nullptr, button);
            const int glyphWidth = ink[captionStart - 1].Column - ink.front().Column + 1;
            QVERIFY2(std::max(glyphWidth, glyphBottom - glyphTop + 1) >= side - 2, name);
        }
    }

    // A file dropped while another is read is refused: runs never overlap.
    void aRunAskedForDuringARunIsRefused()
    {
        TLogGeneratorOptions options;
        options.Sessions = 200;
        TempDir dir;
        const QString log = QString::fromStdString(dir.Write("long.log", GenerateModemLog(options)));
        TDialogUnderTest t;
        t.StartWithoutLog();
        std::optional<bool> second;
        QTimer::singleShot(0, t.Window.get(),
                           [&] { second = t.Window->AnalyseLogFile(QString::fromStdString(ExampleLog), true); });
        QVERIFY(t.Window->AnalyseLogFile(log, true));
        QCOMPARE(second, std::optional<bool>(false));
        QCOMPARE(t.Window->Table().RowCount(), CoreAnalysis(log.toStdString(), ".").Table().RowCount());
    }

    void noCellOrCaptionIsCut()
    {
        // A year of sessions: two-digit days and months only from October
        // on, four-digit row numbers, volumes past 1000 Kbyte.
        TLogGeneratorOptions options;
        options.Sessions = 2'000;
        options.Seed = 11;
        TempDir dir;
        auto t = WindowOn(dir.Write("year.log", GenerateModemLog(options)));
        TModemLogDialog& w = *t->Window;
        QVERIFY(w.Table().RowCount() > 1000);
        QTreeView* view = w.TablePage()->View();
        const QFontMetrics metrics(view->font());
        // A cell's text keeps this margin on either side, as the style draws it,
        // and the widest keeps some air besides, so that the figures of
        // neighbouring columns never read as one. A caption keeps the header's
        // margins and room for the sort arrow. No column is wider than its
        // widest text or the layout's width asks.
        const QStyle* style = view->style();
        const int textMargin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
        const int captionMargin = style->pixelMetric(QStyle::PM_HeaderMargin, nullptr, view->header());
        const int sortArrow = style->pixelMetric(QStyle::PM_HeaderMarkSize, nullptr, view->header());
        const TLayoutScale px(view->font());
        const int air = px(6);
        for (int column = 0; column < view->model()->columnCount(); ++column) {
            const int width = view->columnWidth(column);
            const QString caption = view->model()->headerData(column, Qt::Horizontal).toString();
            int needed = static_cast<size_t>(column) < TableColumns.size() ? px(TableColumns[column].LayoutWidth) : 0;
            needed = std::max(needed, TextWidth(view->header(), caption) + 2 * captionMargin + sortArrow + air);
            for (const QString& cell : ShownColumn(w, column)) {
                QVERIFY2(metrics.horizontalAdvance(cell) + 2 * textMargin + air <= width,
                         qPrintable(caption + ": " + cell));
                needed = std::max(needed, TextWidth(view, cell) + 2 * textMargin + air);
            }
            QCOMPARE(width, needed);
        }
    }

    void lastRowIsSelectedAndWhollyInView()
    {
        TempDir dir;
        std::string log;
        for (int hour = 10; hour < 24; ++hour)
            for (int minute = 10; minute < 50; minute += 5)
                log += EnglishSession(std::to_string(hour) + ":" + std::to_string(minute) + ":00.00",
                                      std::to_string(hour) + ":" + std::to_string(minute) + ":25.50",
                                      std::to_string(hour) + ":" + std::to_string(minute + 4) + ":25.50", 1'000, 100);
        auto t = std::make_unique<TDialogUnderTest>();
        t->ProgramDir.Write("kellvar.INI", "[SETTINGS]\nDefaultTabPage=1\n");
        t->Window->resize(500, 400);
        t->Start({dir.Write("log", log)});
        TModemLogDialog& w = *t->Window;
        const int last = w.TablePage()->View()->model()->rowCount() - 1;
        QVERIFY(last > 50);
        QTRY_VERIFY(w.TablePage()->View()->horizontalScrollBar()->isVisible());
        const QModelIndex index = w.TablePage()->View()->model()->index(last, 0);
        QVERIFY(w.TablePage()->View()->selectionModel()->isRowSelected(last, {}));
        const auto whollyInView = [&] {
            const QRect shown = w.TablePage()->View()->visualRect(index);
            return w.TablePage()->View()->viewport()->rect().contains(shown.topLeft())
                   && shown.bottom() < w.TablePage()->View()->viewport()->height();
        };
        QTRY_VERIFY2(whollyInView(), "the last row is wholly in view");
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
        // So do the charts' axes, here zoomed in to steps of 0.2 s.
        TChart* dialTimes = t->Window->Charts()[1];
        t->Window->Pages()->setCurrentWidget(dialTimes->parentWidget());
        dialTimes->LeftAxis()->setRange(1.0, 2.2);
        QApplication::processEvents();
        QStringList labels;
        for (QGraphicsItem* item : dialTimes->scene()->items())
            if (auto* text = dynamic_cast<QGraphicsTextItem*>(item); text && text->toPlainText().startsWith("1"))
                labels << text->toPlainText();
        for (const QString tenths : {"0", "2", "4", "6", "8"})
            QVERIFY2(labels.contains("1" + separator + tenths), qPrintable(labels.join(' ')));
    }

    // The selected rows stay selected across a sort, wherever it takes them.
    void selectionFollowsItsRowsThroughASort()
    {
        auto t = WindowOn(ExampleLog);
        TModemLogDialog& w = *t->Window;
        QItemSelectionModel* selection = SelectRows(w, {2, 7});
        w.ListView1ColumnClick(ReceivedColumn);
        QStringList selected;
        for (const QModelIndex& row : selection->selectedRows())
            selected << row.data().toString();
        selected.sort();
        QCOMPARE(selected, QStringList({"2", "7"}));
        QVERIFY2(!selection->isRowSelected(2, {}) || !selection->isRowSelected(7, {}), "the rows have moved");
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
            const QList<QPointF> points = Shown(w, chart)->Series(trend)->points();
            QCOMPARE(points.size(), 2);
            QCOMPARE(points[0].x(), 1.0);
            QCOMPARE(points[1].x(), 4.0);
        }
        // mean of 10000, 11000 and 12000 bytes, on an axis in Kbyte
        QCOMPARE(w.Charts()[3]->Series(2)->points()[0].y(), 11'000.0 / 1024);
        // Each rate's own trend: 11000 bytes in 580 s read, 100 written.
        QVERIFY(qAbs(Shown(w, w.Charts()[0])->Series(2)->points()[0].y() - 11'000.0 / 580) < 0.01);
        QVERIFY(qAbs(Shown(w, w.Charts()[0])->Series(3)->points()[0].y() - 100.0 / 580) < 0.01);
        QVERIFY(w.Charts()[3]->LeftAxis()->labelFormat().endsWith("fKbyte"));
    }

    // Value marks: every step-th value of a line, in a darker shade of it,
    // within the plot and none over another (a later line's mark that would
    // cover one leaves it out). Read from the chart's vector copy.
    void valueMarksStandByTheirPoints()
    {
        auto t = WindowOn(ExampleLog);
        TModemLogDialog& w = *t->Window;
        w.Pages()->setCurrentIndex(2);
        QApplication::processEvents();
        Control<QCheckBox>(w, "ShowLabelsCheckBox")->setChecked(true);
        TChart* rates = w.Charts()[0];
        struct TMark {
            QString Colour;
            QRectF Box;
            QString Text;
        };
        // A mark's box is measured on the screen; the copy draws its text
        // centred in it, in the font as the copy's resolution makes it.
        const QFontMetricsF metrics(rates->font());
        QSvgGenerator copy;
        copy.setResolution(rates->logicalDpiX());
        const QFontMetricsF copied(rates->font(), &copy);
        std::vector<TMark> marks;
        QXmlStreamReader svg(rates->SvgPicture());
        while (!svg.atEnd()) {
            if (svg.readNext() != QXmlStreamReader::StartElement || svg.name() != QLatin1String("text"))
                continue;
            const QXmlStreamAttributes at = svg.attributes();
            const QString colour = at.value("fill").toString();
            const QPointF baseline(at.value("x").toDouble(), at.value("y").toDouble());
            const QString text = svg.readElementText();
            if (!text.endsWith("byte/s") || !text.front().isDigit())
                continue;
            QRectF box(0, 0, metrics.horizontalAdvance(text), metrics.height());
            box.moveCenter(QPointF(baseline.x() + copied.horizontalAdvance(text) / 2,
                                   baseline.y() - copied.ascent() + copied.height() / 2));
            marks.push_back({colour, box, text});
        }
        QVERIFY2(!svg.hasError(), qPrintable(svg.errorString()));
        const QRectF plot = rates->chart()->mapRectToScene(rates->chart()->plotArea()).adjusted(-0.5, -0.5, 0.5, 0.5);
        for (size_t i = 0; i < marks.size(); ++i) {
            QVERIFY2(plot.contains(marks[i].Box), qPrintable(marks[i].Text));
            for (size_t j = i + 1; j < marks.size(); ++j)
                QVERIFY2(!marks[i].Box.adjusted(0.05, 0.05, -0.05, -0.05).intersects(marks[j].Box),
                         qPrintable(marks[i].Text + " " + marks[j].Text));
        }
        const std::string separator = QLocale::system().decimalPoint().toStdString();
        // Darker than its line, and darker still where that would not read on white.
        const auto shadeOf = [rates](int line) {
            const QColor darker = rates->Series(line)->pen().color().darker(150);
            const TRgb shade = ReadableOn({darker.red(), darker.green(), darker.blue()}, {255, 255, 255}, TextContrast);
            return QColor(shade.Red, shade.Green, shade.Blue).name();
        };
        QCOMPARE(shadeOf(0), QString("#0000aa"));
        int drawnLines = 0;
        for (int line = 0; line < 4; ++line) {
            const QString shade = shadeOf(line);
            QStringList texts;
            for (const TMark& mark : marks)
                if (mark.Colour == shade)
                    texts << mark.Text;
            drawnLines += texts.isEmpty() ? 0 : 1;
            if (line > 0)
                continue;
            // The first line's marks: its values at 0, step, 2 step...
            const auto value = [&](int point) {
                return QString::fromStdString(ValueMarkText(rates->Series(0)->at(point).y(), "byte/s", separator));
            };
            const int points = static_cast<int>(rates->Series(0)->count());
            QCOMPARE(points, 19);  // the example log's connections
            QVERIFY(texts.size() >= 2);
            int step = 1;
            while (step < points && value(step) != texts[1])
                ++step;
            QVERIFY(step > 1 && step < points);
            QCOMPARE(texts.size(), (points - 1) / step + 1);
            for (int mark = 0; mark < texts.size(); ++mark)
                QCOMPARE(texts[mark], value(mark * step));
        }
        QCOMPARE(drawnLines, 4);
        QCOMPARE(marks.size(), static_cast<size_t>(std::count_if(marks.begin(), marks.end(), [&](const TMark& mark) {
                     for (int line = 0; line < 4; ++line)
                         if (mark.Colour == shadeOf(line))
                             return true;
                     return false;
                 })));
    }

    void valueMarksOnAndOff()
    {
        auto t = WindowOn(ExampleLog);
        TModemLogDialog& w = *t->Window;
        w.Pages()->setCurrentIndex(2);
        QApplication::processEvents();
        const QImage plain = w.Charts()[0]->Picture();
        for (const bool on : {true, false}) {
            Control<QCheckBox>(w, "ShowLabelsCheckBox")->setChecked(on);
            for (TChart* chart : w.Charts())
                QCOMPARE(chart->MarksVisible(), on);
            QCOMPARE(w.Charts()[0]->Picture() != plain, on);
        }
    }

    void axesHaveRoundStepsAtWholePoints()
    {
        auto t = WindowOn(ExampleLog);
        TModemLogDialog& w = *t->Window;
        w.Pages()->setCurrentIndex(2);
        QApplication::processEvents();
        // 19 connections: points 0 to 18 in steps of 2, rates up to 4,430 byte/s in steps of 1,000.
        QValueAxis* points = w.Charts()[0]->BottomAxis();
        QCOMPARE(points->tickType(), QValueAxis::TicksDynamic);
        QCOMPARE(points->tickInterval(), 2.0);
        QCOMPARE(points->max(), 18.0);
        QCOMPARE(points->labelFormat(), QString("%.0f"));
        QCOMPARE(w.Charts()[0]->LeftAxis()->tickInterval(), 1000.0);
        QCOMPARE(w.Charts()[0]->LeftAxis()->max(), 5000.0);
        // Zoomed onto a few points, the point axis still steps by whole numbers.
        points->setRange(5.09, 11.9);
        QCOMPARE(points->tickInterval(), 1.0);
        QCOMPARE(points->tickAnchor(), 0.0);
        w.Charts()[0]->Unzoom();
        w.Unzoom1Click();
    }

    void zoomByDragging_data()
    {
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<bool>("zoomedAfter");
        QTest::addColumn<Qt::MouseButton>("button");
        const Qt::MouseButton left = Qt::LeftButton;
        QTest::newRow("upper left to lower right zooms") << QPoint(150, 100) << QPoint(300, 250) << true << left;
        QTest::newRow("lower right to upper left undoes") << QPoint(300, 250) << QPoint(150, 100) << false << left;
        QTest::newRow("upper right to lower left undoes") << QPoint(300, 100) << QPoint(150, 250) << false << left;
        QTest::newRow("16 pixels across does nothing") << QPoint(150, 100) << QPoint(166, 250) << true << left;
        QTest::newRow("16 pixels down does nothing") << QPoint(150, 100) << QPoint(300, 116) << true << left;
        QTest::newRow("the middle button zooms nothing")
            << QPoint(150, 100) << QPoint(300, 250) << true << Qt::MiddleButton;
        QTest::newRow("the middle button undoes nothing")
            << QPoint(300, 250) << QPoint(150, 100) << true << Qt::MiddleButton;
    }

    void zoomByDragging()
    {
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        auto t = WindowOn(ExampleLog);
        TModemLogDialog& w = *t->Window;
        w.resize(1000, 600);
        w.Pages()->setCurrentWidget(w.findChild<QWidget*>("TabSheet2"));
        QApplication::processEvents();
        TChart* chart = w.Charts()[0];
        const double fullMax = chart->BottomAxis()->max();
        QVERIFY(fullMax >= static_cast<double>(w.Points().Count() - 1));
        // The mouse passing over, and a button let go that was pressed elsewhere, do nothing.
        QTest::mouseMove(chart->viewport(), QPoint(150, 100));
        QTest::mouseRelease(chart->viewport(), Qt::LeftButton, {}, QPoint(300, 250));
        QVERIFY(!chart->IsZoomed());
        QVERIFY(chart->findChildren<QRubberBand*>().isEmpty());
        // First zoom in, then the drag under test.
        QTest::mousePress(chart->viewport(), Qt::LeftButton, {}, QPoint(120, 80));
        QTest::mouseMove(chart->viewport(), QPoint(350, 300));
        QTest::mouseRelease(chart->viewport(), Qt::LeftButton, {}, QPoint(350, 300));
        QVERIFY(chart->IsZoomed());
        const double zoomedMax = chart->BottomAxis()->max();
        QFETCH(Qt::MouseButton, button);
        QTest::mousePress(chart->viewport(), button, {}, from);
        QTest::mouseMove(chart->viewport(), to);
        QTest::mouseRelease(chart->viewport(), button, {}, to);
        QFETCH(bool, zoomedAfter);
        QCOMPARE(chart->IsZoomed(), zoomedAfter);
        // No frame of a drag is left behind.
        for (const QRubberBand* band : chart->findChildren<QRubberBand*>())
            QVERIFY(!band->isVisible());
        if (!chart->IsZoomed())
            QCOMPARE(chart->BottomAxis()->max(), fullMax);
        else if (button == Qt::LeftButton && from.x() < to.x() - 16 && from.y() < to.y() - 16)
            QVERIFY(chart->BottomAxis()->max() < zoomedMax);
        else
            QCOMPARE(chart->BottomAxis()->max(), zoomedMax);
        w.Unzoom1Click();
        QVERIFY(!chart->IsZoomed());
    }

    // Shift+F10 opens the context menu of what has the focus, where it stands:
    // the table's at its current row, a chart's at its middle.
    void shiftF10OpensTheMenuOfTheFocus()
    {
        auto t = WindowOn(ExampleLog);
        TModemLogDialog& w = *t->Window;
        QApplication::setActiveWindow(&w);
        QTreeView* table = w.TablePage()->View();
        w.Pages()->setCurrentWidget(table->parentWidget());
        table->setFocus();
        table->setCurrentIndex(table->model()->index(3, 0));
        auto* rows = Control<QMenu>(w, "PopupMenu2");
        QTest::keyClick(table, Qt::Key_F10, Qt::ShiftModifier);
        QTRY_VERIFY(rows->isVisible());
        QCOMPARE(rows->pos(), table->viewport()->mapToGlobal(table->visualRect(table->currentIndex()).center()));
        rows->hide();
        auto* charts = Control<QMenu>(w, "PopupMenu1");
        for (TChart* chart : {w.Charts()[1], w.NumbersPage()->Chart()}) {
            Shown(w, chart)->setFocus();
            QTest::keyClick(chart, Qt::Key_F10, Qt::ShiftModifier);
            QTRY_VERIFY(charts->isVisible());
            // A menu that would leave the screen is moved left or up, as far as it needs.
            const QPoint middle = chart->mapToGlobal(chart->rect().center());
            QVERIFY(charts->y() <= middle.y() && charts->geometry().bottom() >= middle.y());
            QVERIFY(charts->x() <= middle.x() && charts->geometry().right() >= middle.x());
            charts->hide();
        }
        QVERIFY(!rows->isVisible());
    }

    void chartCommandsOnAPageWithoutChartDoNothing()
    {
        auto t = WindowOn(ExampleLog);
        TModemLogDialog& w = *t->Window;
        w.Pages()->setCurrentIndex(0);
        emit Control<QMenu>(w, "PopupMenu1")->aboutToShow();
        for (QAction* action : Control<QMenu>(w, "PopupMenu1")->actions())
            QVERIFY2(action->isSeparator() || !action->isEnabled(), qPrintable(action->text()));
        w.Pages()->setCurrentWidget(w.findChild<QWidget*>("TabSheet2"));
        emit Control<QMenu>(w, "PopupMenu1")->aboutToShow();
        QVERIFY(Control<QMenu>(w, "PopupMenu1")->actions().constFirst()->isEnabled());
        w.Pages()->setCurrentIndex(0);
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
        w.Pages()->setCurrentWidget(w.findChild<QWidget*>("TabSheet7"));
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
        QCOMPARE(w.Charts()[0]->PointCount(0), size_t{0});
    }

    void oneConnectionIsDrawnAsAMarker()
    {
        TempDir dir;
        auto t =
            WindowOn(dir.Write("one.log", EnglishSession("10:00:00.00", "10:00:25.50", "10:30:25.50", 1'000, 100)));
        TModemLogDialog& w = *t->Window;
        QCOMPARE(w.Table().RowCount(), size_t{1});
        const auto lines = Shown(w, w.Charts()[0])->chart()->series();
        QVERIFY(static_cast<QLineSeries*>(lines.constFirst())->pointsVisible());
        // In the middle of the plot, clear of the left wall.
        QCOMPARE(w.Charts()[0]->BottomAxis()->min(), -1.0);
        QCOMPARE(w.Charts()[0]->BottomAxis()->max(), 1.0);
        w.AnalyseLogFile(QString::fromStdString(ExampleLog), true);
        QVERIFY(!static_cast<QLineSeries*>(w.Charts()[0]->chart()->series().constFirst())->pointsVisible());
    }

    void tableStoppedAtItsLimitSaysSoAndANewRunEmptiesTheCounts()
    {
        std::string log;
        for (int session = 0; session < 32'767; ++session)
            log += EnglishSession("10:00:00.00", "10:00:25.50", "10:30:25.50", 1'000, 100);
        TempDir dir;
        auto t = WindowOn(dir.Write("long.log", log));
        QCOMPARE(t->Text("OvRowLimitLabel"),
                 QString("The table ends after 32766 connections; the rest of the file was not analysed."));
        QLabel* status = t->Window->findChild<QLabel*>("TriedConnectsLabel");
        QString countDuringRun = "not seen";
        QObject::connect(t->Window->TablePage()->View()->model(), &QAbstractItemModel::modelReset, status,
                         [&] { countDuringRun = status->text(); });
        t->Window->AnalyseLogFile(QString::fromStdString(ExampleLog), true);
        QCOMPARE(countDuringRun, QString());
        QCOMPARE(t->Text("OvRowLimitLabel"), QString());
    }

    void droppedFileIsOpened()
    {
        TDialogUnderTest t;
        t.StartWithoutLog();
        QVERIFY2(t.Window->acceptDrops(), "the window system offers drops only to a window that takes them");
        // Text, a web address, or a file that may only be linked is refused.
        QMimeData text, web, file;
        text.setText("ModemLog.txt");
        web.setUrls({QUrl("https://example.org/ModemLog.txt")});
        file.setUrls({QUrl::fromLocalFile(QString::fromStdString(ExampleLog))});
        for (const auto& [offered, actions] :
             {std::pair{&text, Qt::CopyAction}, std::pair{&web, Qt::CopyAction}, std::pair{&file, Qt::LinkAction}}) {
            QDragEnterEvent refused(QPoint(10, 10), actions, offered, Qt::LeftButton, {});
            QApplication::sendEvent(t.Window.get(), &refused);
            QVERIFY(!refused.isAccepted());
        }
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(QString::fromStdString(ExampleLog))});
        // A file manager proposes a move; the window takes a copy, so the log is never deleted.
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(t.Window.get(), &enter);
        QVERIFY(enter.isAccepted());
        QCOMPARE(enter.dropAction(), Qt::CopyAction);
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(t.Window.get(), &drop);
        QCOMPARE(drop.dropAction(), Qt::CopyAction);
        QVERIFY(t.Window->Table().RowCount() > 0);
        QCOMPARE(t.Window->CurrentLogFile(), QString::fromStdString(ExampleLog));
        QCOMPARE(t.Window->OpenRequest().InitialDirectory, QString(KELLVAR_SOURCE_DIR "/examples/"));
        QCOMPARE(t.Text("OvLogFileMaxSizeLabel"), QString());
    }

    // What a screen reader finds: every object that can take the focus has
    // a name, on every page, in both languages.
    void everyFocusableObjectHasAName_data()
    {
        QTest::addColumn<bool>("german");
        QTest::addColumn<bool>("priced");
        QTest::newRow("English") << false << false;
        QTest::newRow("German") << true << false;
        QTest::newRow("English with a tariff and a limit") << false << true;
    }

    void everyFocusableObjectHasAName()
    {
        QFETCH(bool, german);
        QFETCH(bool, priced);
        auto t = std::make_unique<TDialogUnderTest>(german);
        t->ProgramDir.Write("kellvar.INI", std::string("[SETTINGS]\nLoadDefaultLogFile=1\n")
                                               + (priced ? "Tariff1=" KELLVAR_SOURCE_DIR
                                                           "/examples/tariffs/per-minute.tariff\nLimit1=month:cost>5\n"
                                                         : ""));
        t->Start({ExampleLog});
        QStringList unnamed;
        for (int page = 0; page < t->Window->Pages()->count(); ++page) {
            t->Window->Pages()->setCurrentIndex(page);
            unnamed << UnnamedFocusable(QAccessible::queryAccessibleInterface(t->Window.get()));
        }
        unnamed.removeDuplicates();
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join("; ")));
        // The main window is a window, not a dialog, to a screen reader.
        QCOMPARE(QAccessible::queryAccessibleInterface(t->Window.get())->role(), QAccessible::Window);
        if (!priced)
            return;
        // Figures say their caption and value, as the overview's do.
        const auto name = [](QWidget* widget) {
            return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
        };
        QLabel* total = t->Window->CostsPage()->Figure(0);
        QCOMPARE(name(total), "Total Costs: " + total->text());
        QVERIFY(total->text().endsWith(" EUR"));
        const auto slot = std::find_if(FigureSlots().begin(), FigureSlots().end(),
                                       [](const TFigureSlot& s) { return s.StatusLabel != nullptr; });
        auto* tried = Control<QLabel>(*t->Window, slot->StatusLabel);
        QVERIFY(name(tried).endsWith(": " + tried->text()));
        QVERIFY(name(tried).size() > tried->text().size() + 2);
    }

    void chartsArePicturesThatSayWhatTheyShow()
    {
        TempDir dir;
        const auto t = WindowOn(dir.Write("seven.log", SevenConnections()));
        QAccessibleInterface* chart = QAccessible::queryAccessibleInterface(t->Window->Charts()[2]);
        QCOMPARE(chart->role(), QAccessible::Chart);
        // No child: the chart's scene is one picture, not parts to step through.
        QCOMPARE(chart->childCount(), 0);
        QCOMPARE(chart->child(0), nullptr);
        QCOMPARE(chart->indexOfChild(QAccessible::queryAccessibleInterface(t->Window->Charts()[1])), -1);
        // Seven connections of 580 s; the trend has a point for each group of three.
        // Asked first, before anything else of the chart, on its hidden page.
        QCOMPARE(chart->text(QAccessible::Description),
                 QString("Connection: 7 points, last 580. Trend: 2 points, last 580. Points 0 to 6; Connection Period "
                         "in s 0 to 600."));
        QCOMPARE(chart->text(QAccessible::Name), t->Window->Charts()[2]->chart()->title());
        // Points are counted, never in the unit of the values.
        t->Window->Pages()->setCurrentIndex(2);
        QApplication::processEvents();
        const QString rates = t->Window->Charts()[0]->accessibleDescription();
        QVERIFY2(rates.contains(". Points 0 to 6; "), qPrintable(rates));
        t->Window->Charts()[2]->BottomAxis()->setRange(3, 5);
        QCOMPARE(chart->text(QAccessible::Description).section(". ", 2),
                 QString("Points 3 to 5; Connection Period in s 0 to 600."));
    }

    // Without a log, a German window's charts are described in German.
    void chartsAreDescribedInTheWindowsLanguage()
    {
        TDialogUnderTest t(true);
        t.StartWithoutLog();
        for (TChart* chart : t.Window->Charts()) {
            const QString said = chart->accessibleDescription();
            QVERIFY2(said.startsWith(chart->Series(0)->name() + ": 0 "), qPrintable(said));
            QVERIFY2(!said.contains("points"), qPrintable(said));
        }
    }

    // A dark desktop: the charts' ground and left wall are dark, their lines
    // stand out from them, and the overview's title reads.
    void darkPaletteKeepsEverythingReadable()
    {
        TempDir dir;
        const auto t = WindowOn(dir.Write("seven.log", SevenConnections()));
        // The left wall, between the axis labels and the plot's left edge.
        const auto wallColour = [](TChart* chart) {
            const QImage picture = chart->Picture();
            const QRectF plot = chart->chart()->plotArea();
            return picture.pixelColor(int(plot.left()) - 3, int(plot.center().y()));
        };
        for (TChart* chart : t->Window->Charts()) {
            chart->resize(600, 300);
            QCOMPARE(wallColour(chart), QColor(255, 255, 128));
        }
        QPalette dark;
        for (const auto& [role, colour] :
             std::vector<std::pair<QPalette::ColorRole, QColor>>{{QPalette::Window, QColor(0x22, 0x20, 0x20)},
                                                                 {QPalette::WindowText, QColor(0xD0, 0xD0, 0xD0)},
                                                                 {QPalette::Base, QColor(0x3C, 0x3C, 0x3C)},
                                                                 {QPalette::Text, QColor(0xE0, 0xE0, 0xE0)}})
            dark.setColor(role, colour);
        t->Window->setPalette(dark);
        const auto rgb = [](const QColor& c) { return TRgb{c.red(), c.green(), c.blue()}; };
        const QLabel* title = t->Window->findChild<QLabel*>("OvTitlePanel");
        QVERIFY(ContrastRatio(rgb(title->palette().color(QPalette::WindowText)), {0x22, 0x20, 0x20}) >= 4.5);
        for (TChart* chart : t->Window->Charts()) {
            chart->resize(600, 300);
            const QImage picture = chart->Picture();
            const QRectF plot = chart->chart()->plotArea();
            QCOMPARE(picture.pixelColor(int(plot.right()) - 2, int(plot.top()) + 2), QColor(0x3C, 0x3C, 0x3C));
            QCOMPARE(wallColour(chart), QColor(96, 96, 32));
            for (int i = 0; i < chart->SeriesCount(); ++i)
                QVERIFY(ContrastRatio(rgb(chart->Series(i)->pen().color()), {0x3C, 0x3C, 0x3C}) >= 3.0);
        }
    }

    // A long run shows how far it has read, and the rows and chart points
    // read so far; a short one shows nothing.
    void longRunsShowHowFarTheyHaveRead()
    {
        TempDir dir;
        std::string log;
        // About 1.6 MB: read in several blocks of 256 KB.
        for (int session = 0; session < 4'000; ++session)
            log += EnglishSession("10:00:00.00", "10:00:25.50", "10:30:25.50", 1'000, 100);
        TDialogUnderTest t;
        t.StartWithoutLog();
        QProgressBar* progress = t.Window->Progress();
        QList<int> shown;
        QList<QPair<int, size_t>> rowsAndPoints;
        QRect place;
        QObject::connect(progress, &QProgressBar::valueChanged, [&](int value) {
            if (progress->isVisible()) {
                shown << value;
                place = progress->geometry();
                rowsAndPoints << QPair(t.Window->TablePage()->View()->model()->rowCount(),
                                       t.Window->Charts()[0]->PointCount(0));
            }
        });
        t.Window->AnalyseLogFile(QString::fromStdString(ExampleLog), true);
        QVERIFY2(shown.isEmpty(), "the example is read in far less than half a second");
        t.Window->SetReadingPace({0, 0});
        t.Window->AnalyseLogFile(QString::fromStdString(dir.Write("long.log", log)), true);
        QVERIFY2(shown.size() >= 5, qPrintable(QString::number(shown.size())));
        QVERIFY(std::is_sorted(shown.begin(), shown.end()));
        QVERIFY(shown.first() > 0 && shown.last() <= 1000);
        // Part of the rows and as many points, growing as the log is read.
        QVERIFY(std::is_sorted(rowsAndPoints.begin(), rowsAndPoints.end()));
        QVERIFY(std::any_of(rowsAndPoints.begin(), rowsAndPoints.end(),
                            [](const auto& shownSoFar) { return shownSoFar.first > 0 && shownSoFar.first < 4'000; }));
        for (const auto& [rows, points] : rowsAndPoints)
            QCOMPARE(points, size_t(rows));
        QVERIFY(!progress->isVisible());
        QCOMPARE(progress->accessibleName(), QString("Reading the log"));
        // At the right end of the bottom row, 160 wide, beside the Open button and as high.
        const TLayoutScale px(t.Window->font());
        const QRect open = Control<QWidget>(*t.Window, "OpenButton")->geometry();
        QCOMPARE(place, QRect(progress->parentWidget()->width() - px(160) - px(9), open.y(), px(160), open.height()));
        QVERIFY(place.left() > Control<QWidget>(*t.Window, "ShowLabelsCheckBox")->geometry().right());
    }

    // A box breaks its lines at each CR and shows the icon of its kind.
    void messageBoxesBreakLinesAtEachCr()
    {
        QCOMPARE(MessageBoxText("The file \"a\" is larger than 250KByte!\rWindows adds"),
                 QString("The file \"a\" is larger than 250KByte!\nWindows adds"));
        QCOMPARE(QList({MessageIcon(TMessageSeverity::Information), MessageIcon(TMessageSeverity::Warning),
                        MessageIcon(TMessageSeverity::Error)}),
                 QList({QMessageBox::Information, QMessageBox::Warning, QMessageBox::Critical}));
    }

    void allTimeLogFromTheWindow()
    {
        auto t = std::make_unique<TDialogUnderTest>();
        t->ProgramDir.Write("kellvar.INI", "[SETTINGS]\nUseLastSettings=1\nStoreAllTimeLog=1\n");
        t->Start({ExampleLog});
        QVERIFY(Control<QCheckBox>(*t->Window, "StoreAllTimeLogCheckBox")->isChecked());
        const std::string history = ReadFile(t->AllTimeLog());
        QVERIFY(history.find("Dialing.\r\n") != std::string::npos);
        t->Window->AnalyseLogFile(QString::fromStdString(ExampleLog), true);
        QCOMPARE(ReadFile(t->AllTimeLog()), history);
        QVERIFY(t->Dialogs.Messages.isEmpty());
    }
};

QTEST_MAIN(DialogDataTest)
#include "dialogdata_test.moc"
