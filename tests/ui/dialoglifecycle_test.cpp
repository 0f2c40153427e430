// SPDX-License-Identifier: GPL-3.0-or-later
// The window's show, start-up, open and close sequences, its settings and its texts.

#include "tests/ui/dialogfixture.h"
#include "ui/chart.h"
#include "ui/costspage.h"
#include "ui/filenames.h"
#include "ui/focusstyle.h"
#include "ui/helpwindow.h"
#include "ui/layouthelpers.h"
#include "ui/statuspanel.h"
#include "ui/userdialogs.h"

#include "history/summarylines.h"
#include "lang/texttable.h"
#include "platform/filehandle.h"
#include "ui/rules/settingsfile.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDropEvent>
#include <QFileDialog>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QHeaderView>
#include <QLayout>
#include <QLineSeries>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTreeView>

#include <cmath>

using namespace kellvar;
using namespace kellvar::testing;

namespace {

QTextCursor CursorAtAnchor(QTextBrowser* browser, const QString& anchor)
{
    for (QTextBlock block = browser->document()->begin(); block.isValid(); block = block.next())
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment)
            if (fragment.fragment().charFormat().anchorNames().contains(anchor))
                return QTextCursor(block);
    return {};
}

// Counts the paint events of the widgets it watches.
class TPaintCounter : public QObject {
public:
    int Paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        Paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

// The desktop's font as it is, and with its letters closer: texts then take
// less than the layout's places, and every control stands at its own.
void LetterSpacings()
{
    QTest::addColumn<int>("letterSpacing");
    QTest::newRow("desktop font") << 100;
    QTest::newRow("condensed letters") << 80;
}

void SpaceLetters(QWidget& window, int percent)
{
    QFont font = window.font();
    font.setLetterSpacing(QFont::PercentageSpacing, percent);
    window.setFont(font);
    QApplication::processEvents();
}

}  // namespace

// Connections in examples/ModemLog.txt (one more was given up after its connect).
constexpr size_t ExampleRows = 19;

class DialogLifecycleTest : public QObject {
    Q_OBJECT

private slots:
    void designStateBeforeAnyRun()
    {
        TDialogUnderTest t;
        for (const char* value : {"TriedConnectsStaticText", "AverageReadRateStaticText", "MeanWrittenDataStaticText",
                                  "StartLastConnectionStaticText", "LogFileSizeStaticText"})
            QCOMPARE(t.Text(value), QString("-"));
        for (const char* value : {"TriedConnectsLabel", "AverageWriteRateLabel", "SumReadDataLabel",
                                  "MeanConnectionTimeLabel", "AverageDialingTimeLabel"})
            QCOMPARE(t.Text(value), QString("0"));
        QStringList pages;
        for (int i = 0; i < t.Window->Pages()->count(); ++i)
            pages << t.Window->Pages()->widget(i)->objectName();
        // The Costs and Numbers pages stand after the program's own pages.
        QCOMPARE(pages, QStringList({"TabSheet0", "TabSheet1", "TabSheet2", "TabSheet7", "TabSheet4", "TabSheet3",
                                     "TabSheet6", "TabSheet5", "CostsPage", "NumbersPage"}));
        QVERIFY(Control<QPushButton>(*t.Window, "HelpButton")->toolTip().isEmpty());
        QVERIFY(!Control<QPushButton>(*t.Window, "OpenButton")->toolTip().isEmpty());
        QVERIFY(!t.Window->Charts()[0]->toolTip().isEmpty());
        QVERIFY(!Control<QCheckBox>(*t.Window, "SaveDirCheckBox")->toolTip().isEmpty());
        QCOMPARE(t.Window->TablePage()->View()->model()->columnCount(), 12);
        // Until the language is chosen every control shows its design (German) text.
        QCOMPARE(t.Text("OvAnwahlversucheLabel"), QString("Anwahlversuche:"));
        QCOMPARE(t.Window->Pages()->tabText(0), QString("Überblick"));
        QCOMPARE(Control<QPushButton>(*t.Window, "AddLimitButton")->text(), QString("Setzen"));
        QCOMPARE(Control<QComboBox>(*t.Window, "WeekStartComboBox")->itemText(1), QString("Sonntag"));
    }

    void noSettingsFile()
    {
        TDialogUnderTest t;
        t.Start();
        QVERIFY(!Control<QCheckBox>(*t.Window, "SavePosCheckBox")->isChecked());
        QVERIFY(!Control<QCheckBox>(*t.Window, "SaveSettingsCheckBox")->isChecked());
        QVERIFY(!Control<QCheckBox>(*t.Window, "SaveDirCheckBox")->isChecked());
        QVERIFY(!Control<QCheckBox>(*t.Window, "ShowLabelsCheckBox")->isChecked());
        QVERIFY(!Control<QCheckBox>(*t.Window, "StoreAllTimeLogCheckBox")->isChecked());
        QVERIFY(Control<QCheckBox>(*t.Window, "DefaultLoadLogFileCheckBox")->isChecked());
        QCOMPARE(t.Window->Pages()->currentIndex(), 0);
        QCOMPARE(Control<QComboBox>(*t.Window, "DefaultTabComboBox")->currentIndex(), -1);
        QCOMPARE(t.Window->OpenRequest().FilterIndex, 1);
        QVERIFY2(!platform::FileExists(t.IniFile()), "no file is created at show");
        // The default log is the home directory's ModemLog.txt, which is missing here.
        const QString defaultLog = QString::fromStdString(t.ProgramDir.File("ModemLog.txt"));
        QCOMPARE(t.Dialogs.Messages, QStringList({"Could not open file \"" + defaultLog + "\".!"}));
        QCOMPARE(t.Dialogs.MessageSeverities, QList<TMessageSeverity>({TMessageSeverity::Error}));
        QCOMPARE(t.Text("OvLogFileMaxSizeLabel"), QString("(max. 255KB)"));
        QCOMPARE(t.Window->CurrentLogFile(), defaultLog);
        Control<QPushButton>(*t.Window, "DefineDefaultBitBtn")->click();
        QCOMPARE(t.Window->DefaultLogFile(), defaultLog);
        t.Window->close();
        const std::string ini = ReadFile(t.IniFile());
        for (const char* key : {"Width=", "Height=", "Top=", "Left=", "ShowValueLabels=0", "UseLastSettings=0",
                                "UseLastWindowPosition=0", "StoreAllTimeLog=0", "FilterIndex=1", "UseLastDirectory=0",
                                "InitialDirectory=", "LoadDefaultLogFile=1", "DefaultLogFile=", "DefaultTabPage=-1"})
            QVERIFY2(ini.find(key) != std::string::npos, key);
        QVERIFY(ini.find("DefaultLogFile=" + defaultLog.toStdString()) != std::string::npos);
    }

    void settingsAtShow_data()
    {
        QTest::addColumn<QString>("ini");
        QTest::addColumn<bool>("labels");
        QTest::addColumn<int>("filter");
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("combo");
        QTest::newRow("labels stay off without UseLastSettings")
            << "UseLastSettings=0\nShowValueLabels=1" << false << 1 << 0 << -1;
        QTest::newRow("labels restored") << "UseLastSettings=1\nShowValueLabels=1" << true << 1 << 0 << -1;
        QTest::newRow("FilterIndex=5 keeps the first filter")
            << "UseLastSettings=1\nFilterIndex=5" << false << 1 << 0 << -1;
        QTest::newRow("FilterIndex=3") << "UseLastSettings=1\nFilterIndex=3" << false << 3 << 0 << -1;
        QTest::newRow("DefaultTabPage=1 shows the table") << "DefaultTabPage=1" << false << 1 << 1 << 1;
        QTest::newRow("DefaultTabPage=7 shows about, no selection") << "DefaultTabPage=7" << false << 1 << 7 << -1;
        QTest::newRow("DefaultTabPage=8") << "DefaultTabPage=8" << false << 1 << 0 << -1;
        QTest::newRow("DefaultTabPage=-5") << "DefaultTabPage=-5" << false << 1 << 0 << -1;
    }

    void settingsAtShow()
    {
        QFETCH(QString, ini);
        TDialogUnderTest t;
        t.ProgramDir.Write("kellvar.INI", "[SETTINGS]\nLoadDefaultLogFile=0\n" + ini.toStdString() + "\n");
        t.Start();
        QFETCH(bool, labels);
        QCOMPARE(Control<QCheckBox>(*t.Window, "ShowLabelsCheckBox")->isChecked(), labels);
        QCOMPARE(t.Window->Charts()[0]->MarksVisible(),
                 Control<QCheckBox>(*t.Window, "ShowLabelsCheckBox")->isChecked());
        QFETCH(int, filter);
        QCOMPARE(t.Window->OpenRequest().FilterIndex, filter);
        QFETCH(int, page);
        QCOMPARE(t.Window->Pages()->currentIndex(), page);
        QFETCH(int, combo);
        QCOMPARE(Control<QComboBox>(*t.Window, "DefaultTabComboBox")->currentIndex(), combo);
        QVERIFY2(!t.Window->TablePage()->View()->hasFocus(), "choosing the start page is no page change");
        t.Window->close();
        QVERIFY(ReadFile(t.IniFile())
                    .find("ShowValueLabels="
                          + std::string(Control<QCheckBox>(*t.Window, "ShowLabelsCheckBox")->isChecked() ? "1" : "0"))
                != std::string::npos);
    }

    void windowBounds_data()
    {
        QTest::addColumn<QString>("ini");
        QTest::addColumn<QRect>("frame");
        QTest::newRow("hexadecimal width") << "Width=0x200\nHeight=300\nTop=10\nLeft=20" << QRect(20, 10, 512, 300);
        QTest::newRow("383 gives 320") << "Width=383\nHeight=300\nTop=10\nLeft=20" << QRect(20, 10, 320, 300);
        QTest::newRow("384 stays") << "Width=384\nHeight=300\nTop=10\nLeft=20" << QRect(20, 10, 384, 300);
        QTest::newRow("127 gives 128") << "Width=400\nHeight=127\nTop=10\nLeft=20" << QRect(20, 10, 400, 128);
    }

    void windowBounds()
    {
        QFETCH(QString, ini);
        TDialogUnderTest t;
        t.ProgramDir.Write("kellvar.INI",
                           "[SETTINGS]\nLoadDefaultLogFile=0\nUseLastWindowPosition=1\n" + ini.toStdString() + "\n");
        // Without the layout's minimum the window takes any size it is given.
        t.Window->layout()->setSizeConstraint(QLayout::SetNoConstraint);
        t.Window->setMinimumSize(1, 1);
        t.Start();
        QVERIFY(Control<QCheckBox>(*t.Window, "SavePosCheckBox")->isChecked());
        QFETCH(QRect, frame);
        QCOMPARE(t.Window->frameGeometry(), frame);
    }

    void yesIsNoNumber()
    {
        TDialogUnderTest t;
        t.ProgramDir.Write("kellvar.INI", "[SETTINGS]\nUseLastWindowPosition=yes\nLoadDefaultLogFile=yes\nWidth=500\n");
        t.Start();
        QVERIFY(!Control<QCheckBox>(*t.Window, "SavePosCheckBox")->isChecked());
        QVERIFY(Control<QCheckBox>(*t.Window, "DefaultLoadLogFileCheckBox")->isChecked());
    }

    void quietRuns_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("quiet");
        QTest::addColumn<bool>("quietTotal");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("messages");
        const QString log = QString::fromStdString(ExampleLog);
        QTest::newRow("file.log -quiet") << QStringList({log, "-quiet"}) << true << false << 19 << 0;
        QTest::newRow("-quiet file.log") << QStringList({"-quiet", log}) << true << false << 19 << 0;
        QTest::newRow("-quiet -quiettotal takes the second as file")
            << QStringList({"-quiet", "-quiettotal"}) << true << true << 0 << 0;
        QTest::newRow("-QUIET alone analyses the default log") << QStringList({"-QUIET"}) << true << false << 0 << 1;
    }

    void quietRuns()
    {
        QFETCH(QStringList, arguments);
        TDialogUnderTest t;
        std::vector<std::string> args;
        for (const QString& argument : arguments)
            args.push_back(argument.toStdString());
        QFETCH(bool, quiet);
        QFETCH(bool, quietTotal);
        t.Start(args, quiet, quietTotal);
        QVERIFY2(!t.Window->isVisible(), "a quiet run closes its window");
        // While it ran, the window stood in the screen's corner, a pixel small.
        QCOMPARE(t.Window->frameGeometry().topLeft(), QPoint(0, 0));
        QCOMPARE(t.Window->geometry().size(), QSize(1, 1));
        QFETCH(int, rows);
        QCOMPARE(static_cast<int>(t.Window->Table().RowCount()), rows);
        QFETCH(int, messages);
        QCOMPARE(t.Dialogs.Messages.size(), messages);
        // quiet runs feed no charts
        QCOMPARE(t.Window->Points().Count(), size_t{0});
        const std::string ini = ReadFile(t.IniFile());
        QVERIFY2(ini.find("Width=") == std::string::npos, "the bounds are not written");
        QCOMPARE(std::count(ini.begin(), ini.end(), '='), 10L);
    }

    // A quiet run that told a limit while the window was open: the window's
    // close keeps the period told, so the next run does not tell it again.
    void windowOpenWhileAQuietRunToldALimitKeepsItTold()
    {
        TDialogUnderTest t;
        t.ProgramDir.Write("kellvar.INI", "[SETTINGS]\r\nLoadDefaultLogFile=0\r\nLimit1=day:time>1min\r\n"
                                          "Limit2=month:time>1h\r\nAlerted1=\r\nAlerted2=2000-01-01\r\n");
        t.Start();
        // The timer's run, meanwhile: the first limit told on 5 January, the
        // second in a later period than the window knows.
        t.ProgramDir.Write("kellvar.INI", "[SETTINGS]\r\nLoadDefaultLogFile=0\r\nLimit1=day:time>1min\r\n"
                                          "Limit2=month:time>1h\r\nAlerted1=2000-01-05\r\nAlerted2=2000-02-01\r\n");
        t.Window->close();
        const std::string ini = ReadFile(t.IniFile());
        QVERIFY2(ini.find("Alerted1=2000-01-05\r\n") != std::string::npos, ini.c_str());
        QVERIFY2(ini.find("Alerted2=2000-02-01\r\n") != std::string::npos, ini.c_str());
    }

    void quietWithoutLoadingEndsAtOnceAndFails()
    {
        TDialogUnderTest t;
        t.ProgramDir.Write("kellvar.INI", "[SETTINGS]\nLoadDefaultLogFile=0\n");
        t.Start({ExampleLog, "-quiet"}, true, false);
        QVERIFY(!t.Window->isVisible());
        QCOMPARE(t.Window->ExitCode(), 1);
        // a named file is not analysed either
        QCOMPARE(t.Window->Table().RowCount(), size_t{0});
        QVERIFY2(ReadFile(t.IniFile()).find("Width=") == std::string::npos, "a quiet run keeps the stored bounds");
    }

    void optionsThatAreNoOptions_data()
    {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QString>("analysed");
        QTest::newRow("--quiet") << "--quiet"
                                 << "";
        QTest::newRow("-q") << "-q"
                            << "";
        QTest::newRow("/quiet is a file name") << "/quiet"
                                               << "/quiet";
    }

    void optionsThatAreNoOptions()
    {
        QFETCH(QString, argument);
        QFETCH(QString, analysed);
        TDialogUnderTest t;
        t.Start({argument.toStdString()});
        QVERIFY(t.Window->isVisible());
        const QString file = analysed.isEmpty() ? QString::fromStdString(t.ProgramDir.File("ModemLog.txt")) : analysed;
        QCOMPARE(t.Dialogs.Messages, QStringList({"Could not open file \"" + file + "\".!"}));
        t.Window->close();
    }

    void allTimeLogAsStartUpFile()
    {
        TDialogUnderTest t;
        const std::string history = t.ProgramDir.Write("old.atl", ReadFile(ExampleLog));
        t.Start({history});
        QCOMPARE(t.Text("OvLogFileMaxSizeLabel"), QString());
        QCOMPARE(t.Window->Table().RowCount(), ExampleRows);
        QVERIFY(t.Dialogs.Messages.isEmpty());
        t.Window->close();
    }

    void fileNamesThatAreNoUtf8OpenAsTheyAre()
    {
        TDialogUnderTest t;
        const std::string name = t.ProgramDir.Write("log-\xE4\xFF.txt", ReadFile(ExampleLog));
        t.ProgramDir.Write("kellvar.INI", "[SETTINGS]\r\nUseLastSettings=1\r\nUseLastDirectory=1\r\n");
        t.Start({name});
        QVERIFY(t.Dialogs.Messages.isEmpty());
        QCOMPARE(t.Window->Table().RowCount(), ExampleRows);
        QMimeData drop;
        drop.setUrls({QUrl::fromEncoded("file://" + QByteArray::fromStdString(name).toPercentEncoding("/"))});
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &drop, Qt::LeftButton, {});
        QApplication::sendEvent(t.Window.get(), &enter);
        QDropEvent event(QPointF(5, 5), Qt::CopyAction, &drop, Qt::LeftButton, {});
        QApplication::sendEvent(t.Window.get(), &event);
        QVERIFY(t.Dialogs.Messages.isEmpty());
        QCOMPARE(t.Window->Table().RowCount(), ExampleRows);
        t.Window->close();
        const std::string ini = ReadFile(t.IniFile());
        QVERIFY2(ini.find("InitialDirectory=" + t.ProgramDir.Path() + "/\r\n") != std::string::npos, ini.c_str());
    }

    // Names show as the characters they spell where they are UTF-8, every
    // other byte kept so that the name opens as it is.
    void fileNameTextsShowUtf8AndKeepOtherBytes()
    {
        struct TName {
            const char* Bytes;
            QString Shown;
        };
        const QChar escapedFF(0xDCFF), escapedC0(0xDCC0), escaped80(0xDC80);
        const TName names[] = {
            {"a\xC3\xA4.txt", QStringLiteral(u"a\u00E4.txt")},            // two bytes
            {"\xE2\x82\xAC", QStringLiteral(u"\u20AC")},                  // three
            {"\xF0\x9F\x98\x80.log", QStringLiteral(u"\U0001F600.log")},  // four
            // U+1F480, whose second half is a surrogate that also stands for an escaped byte
            {"a\xF0\x9F\x92\x80", QStringLiteral(u"a\U0001F480")},
            {"\xFF", QString(escapedFF)},
            {"\xC0\x80", QString(escapedC0) + escaped80},                              // overlong
            {"\xF0\x9F\x98", QString(QChar(0xDCF0)) + QChar(0xDC9F) + QChar(0xDC98)},  // cut short
            {"\xED\xA0\x80", QString(QChar(0xDCED)) + QChar(0xDCA0) + escaped80},      // a surrogate
            // The first and last lead bytes of each length, and what lies just beyond them.
            {"\xC2\x80\xDF\xBF", QStringLiteral(u"\u0080\u07FF")},
            {"\xC1\xBF", QString(QChar(0xDCC1)) + QChar(0xDCBF)},
            {"\xE0\xA0\x80\xEF\xBC\x81", QStringLiteral(u"\u0800\uFF01")},
            {"\xE0\x9F\xBF", QString(QChar(0xDCE0)) + QChar(0xDC9F) + QChar(0xDCBF)},
            {"\xF0\x90\x80\x80\xF4\x8F\xBF\xBF", QStringLiteral(u"\U00010000\U0010FFFF")},
            {"\xF4\x90\x80\x80", QString(QChar(0xDCF4)) + QChar(0xDC90) + escaped80 + escaped80},
            {"\xF5\x80", QString(QChar(0xDCF5)) + escaped80},
        };
        for (const TName& name : names) {
            QCOMPARE(FileNameText(name.Bytes), name.Shown);
            QCOMPARE(FileNameBytes(name.Shown), std::string(name.Bytes));
        }
    }

    // Where there is room, the controls stand where the layout puts them, as
    // large as it makes them (in layout pixels, scaled to the font).
    void fixedControlsStandWhereTheLayoutPutsThem()
    {
        TDialogUnderTest t;
        t.StartWithoutLog();
        const TLayoutScale px(t.Window->font());
        // The layout is drawn for a font 14 pixels high.
        const double lineHeight = QFontMetricsF(t.Window->font()).height();
        QCOMPARE(px(1400), static_cast<int>(std::lround(1400 * lineHeight / 14)));
        struct TPlace {
            const char* Name;
            int X;
            int Y;
            int Width;  // 0 where the control's own text decides
            int Height;
        };
        // The settings group's y values count from its top, whose caption takes 16.
        const TPlace places[] = {{"SavePosCheckBox", 16, 25 - 16, 465, 0},
                                 {"SaveSettingsCheckBox", 16, 46 - 16, 465, 0},
                                 {"SaveDirCheckBox", 32, 68 - 16, 465, 0},
                                 {"StoreAllTimeLogCheckBox", 32, 92 - 16, 465, 0},
                                 {"DefaultTabLabel", 16, 120 - 16, 0, 0},
                                 {"DefaultTabComboBox", 32, 140 - 16, 256, 0},
                                 {"DefaultLoadLogFileCheckBox", 16, 176 - 16, 465, 0},
                                 {"DefineDefaultBitBtn", 32, 201 - 16, 256, 29},
                                 {"OpenButton", 9, 4, 99, 30},
                                 {"CloseButton", 137, 4, 99, 30},
                                 {"HelpButton", 265, 4, 99, 30},
                                 {"ShowLabelsCheckBox", 377, 9, 376, 0}};
        for (const TPlace& place : places) {
            const QRect shown = Control<QWidget>(*t.Window, place.Name)->geometry();
            QVERIFY2(shown.topLeft() == QPoint(px(place.X), px(place.Y)), place.Name);
            QVERIFY2(place.Width == 0 || shown.width() == px(place.Width), place.Name);
            QVERIFY2(place.Height == 0 || shown.height() == px(place.Height), place.Name);
        }
        // The pages fill the window within a border of 3, above the bottom row of 42.
        auto* scroll = Control<QScrollArea>(*t.Window, "WindowScrollArea");
        QCOMPARE(scroll->geometry(), QRect(3, 3, t.Window->width() - 6, t.Window->height() - 3));
        // Below the layout's client area (less that border) the window scrolls.
        QWidget* content = scroll->widget();
        QCOMPARE(content->minimumSize(), QSize(px(1106) - 6, px(549) - 3));
        QWidget* bottom = Control<QWidget>(*t.Window, "Panel2");
        QCOMPARE(bottom->geometry(), QRect(0, content->height() - px(42), content->width(), px(42)));
        QCOMPARE(Control<QWidget>(*t.Window, "Panel1")->geometry(), QRect(0, 0, content->width(), bottom->y()));
        QCOMPARE(t.Window->Pages()->geometry(), QRect(0, 0, content->width(), bottom->y()));
        // The about text fills its page.
        QWidget* about = Control<QWidget>(*t.Window, "Memo1");
        QCOMPARE(about->geometry(), about->parentWidget()->rect());
        // Each chart fills its page down to its status panel, which ends the page.
        for (TChart* chart : t.Window->Charts()) {
            Shown(*t.Window, chart);
            QApplication::processEvents();
            const QWidget* page = chart->parentWidget();
            const QWidget* panel = page->findChild<TStatusPanel*>();
            QCOMPARE(chart->geometry(), QRect(0, 0, page->width(), panel->y()));
            QCOMPARE(panel->geometry().bottom(), page->height() - 1);
        }
        // The table's columns are as wide as the layout makes them where their captions fit.
        const std::pair<int, int> columns[] = {{1, 144}, {2, 144}, {6, 100}, {7, 90}, {9, 144}};
        for (const auto& [column, width] : columns)
            QCOMPARE(t.Window->TablePage()->View()->columnWidth(column), px(width));
    }

    // The costs page: the tariff list at the top beside its buttons, the
    // figures beside their captions, the report folder's hint below its field.
    void costsPageStandsInItsRows()
    {
        TDialogUnderTest t;
        t.ProgramDir.Write("kellvar.INI", "[SETTINGS]\nLoadDefaultLogFile=0\nTariff1=" KELLVAR_SOURCE_DIR
                                          "/examples/tariffs/per-minute.tariff\n");
        t.Start();
        const TLayoutScale px(t.Window->font());
        t.Window->Pages()->setCurrentWidget(t.Window->CostsPage());
        QApplication::processEvents();
        const auto place = [&](const char* name) { return Control<QWidget>(*t.Window, name)->geometry(); };
        QCOMPARE(place("TariffFileList").top(), place("AddTariffButton").top());
        QCOMPARE(place("TariffFileList").height(), 3 * t.Window->fontMetrics().height());
        QVERIFY(place("TariffFileList").right() < place("AddTariffButton").left());
        const QRect field = place("HtmlReportFolderEdit");
        const QRect hint = place("HtmlReportFolderHint");
        QCOMPARE(hint.left(), field.left());
        QCOMPARE(hint.right(), place("HtmlReportFolderButton").right());
        QVERIFY(hint.top() > field.bottom());
        // The row keeps no margin of its own: the page's spacing parts it from the rows above.
        QCOMPARE(QPoint(field.top(), hint.bottom() + 1),
                 QPoint(0, Control<QWidget>(*t.Window, "HtmlReportFolderHint")->parentWidget()->height()));
        // The figures stand right beside their captions, in one column.
        for (size_t figure = 0; figure < 4; ++figure) {
            QLabel* value = t.Window->CostsPage()->Figure(figure);
            const auto labels = t.Window->CostsPage()->findChildren<QLabel*>();
            const auto caption =
                std::find_if(labels.begin(), labels.end(), [value](QLabel* label) { return label->buddy() == value; });
            QVERIFY(caption != labels.end());
            QVERIFY(value->x() > (*caption)->geometry().right());
            QVERIFY(value->x() - (*caption)->geometry().right() <= px(12));
            QCOMPARE(value->x(), t.Window->CostsPage()->Figure(0)->x());
            // Their column is as wide as the widest figure, here "-", not the rest of the page.
            QCOMPARE(value->width(), value->sizeHint().width());
        }
    }

    // Each status panel stands right below its table or chart, filling the
    // page's width, 26 high (the connection times' 24). Its captions and
    // figures stand at their places, as high as the panel, unless the figure
    // before needs the room; a figure reaches to the next caption.
    void statusPanelsStandWhereTheLayoutPutsThem_data() { LetterSpacings(); }

    void statusPanelsStandWhereTheLayoutPutsThem()
    {
        QFETCH(int, letterSpacing);
        TDialogUnderTest t;
        t.StartWithoutLog();
        SpaceLetters(*t.Window, letterSpacing);
        const TLayoutScale px(t.Window->font());
        struct TFigurePlace {
            const char* Caption;
            int CaptionX;
            const char* Value;
            int ValueX;
        };
        struct TPanelPlace {
            const char* Above;
            const char* Name;
            int Height;
            std::vector<TFigurePlace> Figures;
        };
        const TPanelPlace panels[] = {
            {"ListView1",
             "Panel3",
             26,
             {{"TriedConnectsTLabel", 8, "TriedConnectsLabel", 146},
              {"TriedDialInsTLabel", 212, "TriedDialInsLabel", 318},
              {"SuccessfulConnectsTLabel", 384, "SuccessfulConnectsLabel", 498},
              {"UnclosedEntriesTLabel", 563, "UnclosedEntriesLabel", 704}}},
            {"Chart1",
             "Panel4",
             26,
             {{"AverageReadRateTLabel", 15, "AverageReadRateLabel", 137},
              {"AverageWriteRateTLabel", 272, "AverageWriteRateLabel", 416}}},
            {"Chart4",
             "Panel5",
             26,
             {{"SumDataReadTLabel", 11, "SumReadDataLabel", 159},
              {"SumDataWrittenTLabel", 282, "SumWrittenDataLabel", 441}}},
            {"Chart3",
             "Panel6",
             24,
             {{"ConnectionTimeTLabel", 12, "SumConnectionTimeLabel", 176},
              {"AverageConnectionTimeTLabel", 265, "MeanConnectionTimeLabel", 487}}},
            {"Chart2", "Panel7", 26, {{"AverageDialTimeTLabel", 19, "AverageDialingTimeLabel", 207}}},
        };
        QTabWidget* pages = t.Window->Pages();
        for (const TPanelPlace& place : panels) {
            QWidget* view = Control<QWidget>(*t.Window, place.Above);
            QWidget* panel = Control<QWidget>(*t.Window, place.Name);
            for (int index = 0; index < pages->count(); ++index)
                if (pages->widget(index)->isAncestorOf(panel))
                    pages->setCurrentIndex(index);
            QApplication::processEvents();
            QCOMPARE(panel->geometry(),
                     QRect(0, view->geometry().bottom() + 1, panel->parentWidget()->width(), px(place.Height)));
            int figureEnd = 0;
            int widestEnd = 0;
            for (const TFigurePlace& figure : place.Figures) {
                const QRect caption = Control<QWidget>(*panel, figure.Caption)->geometry();
                const QRect value = Control<QWidget>(*panel, figure.Value)->geometry();
                // At its place, unless the figure before, with room for its
                // widest text and a gap on either side, reaches further; that
                // figure then ends a gap before the caption.
                QCOMPARE(caption.x(), std::max(px(figure.CaptionX), widestEnd));
                if (figureEnd > 0)
                    QCOMPARE(caption.x(), figureEnd + px(6));
                QCOMPARE(value.x(), px(figure.ValueX));
                QCOMPARE(caption.right() + 1 + px(6), value.x());
                for (const QRect& label : {caption, value})
                    QCOMPARE(QPoint(label.y(), label.height()), QPoint(0, panel->height()));
                figureEnd = value.right() + 1;
                auto* valueLabel = Control<QLabel>(*panel, figure.Value);
                widestEnd = value.x()
                            + TextWidth(valueLabel, FigureSlots()[FigureSlotOfStatusLabel(figure.Value)].Widest)
                            + 2 * px(6);
            }
        }
    }

    // Each figure's longest text shows whole in its overview field and on its
    // status panel, at the desktop's font and at a small one, where the text
    // decides their heights.
    void everyFigureShowsWholeAtItsWidest()
    {
        for (const int pixels : {0, 5}) {
            TDialogUnderTest t;
            t.StartWithoutLog();
            if (pixels > 0) {
                QFont small = t.Window->font();
                small.setPixelSize(pixels);
                t.Window->setFont(small);
            }
            for (const TFigureSlot& slot : FigureSlots())
                for (const char* name : {slot.OverviewField, slot.StatusLabel})
                    if (name != nullptr) {
                        auto* field = Control<QLabel>(*t.Window, name);
                        field->setText(slot.Widest);
                        QVERIFY2(field->width() >= field->sizeHint().width(), name);
                    }
            const TLayoutScale px(t.Window->font());
            // An overview field keeps a pixel above and below its text, inside its frame.
            auto* field = Control<QLabel>(*t.Window, "TriedConnectsStaticText");
            const int fieldAroundText = field->fontMetrics().height() + 2 * field->frameWidth() + 2;
            QCOMPARE(field->height(), std::max(px(21), fieldAroundText));
            if (pixels > 0)
                QVERIFY(fieldAroundText > px(21));
            // A status panel keeps two pixels above and below its text, inside its frame.
            for (const char* name : {"Panel3", "Panel4", "Panel5", "Panel7"}) {
                auto* panel = Control<QFrame>(*t.Window, name);
                const int aroundText = panel->fontMetrics().height() + 2 * panel->frameWidth() + 2 * 2;
                QCOMPARE(panel->height(), std::max(px(26), aroundText));
                if (pixels > 0)
                    QVERIFY(aroundText > px(26));
            }
        }
    }

    // The overview's title in 30 pixels and its subtitle in 18; its groups one
    // below the other under them (47 and 23 high), each with its space before
    // it; the fields of the first four groups in a grid of two caption and
    // field columns, of the last connection's group in three; the log's size
    // below the groups.
    void overviewStandsWhereTheLayoutPutsIt_data() { LetterSpacings(); }

    void overviewStandsWhereTheLayoutPutsIt()
    {
        QFETCH(int, letterSpacing);
        TDialogUnderTest t;
        t.StartWithoutLog();
        SpaceLetters(*t.Window, letterSpacing);
        const TLayoutScale px(t.Window->font());
        const auto place = [&](const char* name) { return Control<QWidget>(*t.Window, name)->geometry(); };
        QWidget* title = Control<QWidget>(*t.Window, "OvTitlePanel");
        QCOMPARE(title->font().pixelSize(), px(30));
        QCOMPARE(Control<QWidget>(*t.Window, "OvSubtitlePanel")->font().pixelSize(), px(18));
        QCOMPARE(title->geometry(), QRect(0, 0, title->parentWidget()->width(), px(47)));
        QCOMPARE(place("OvSubtitlePanel"), QRect(0, px(47), title->parentWidget()->width(), px(23)));
        const std::tuple<const char*, int, int> groups[] = {{"OvVerbindungenGroupBox", 0, 70},
                                                            {"OvUebertragungsratenGroupBox", 4, 46},
                                                            {"OvTransfervolumenGroupBox", 4, 71},
                                                            {"OvVerbindungszeitenGroupBox", 3, 78},
                                                            {"OvLastConnectGroupBox", 4, 70}};
        int groupY = px(47) + px(23);
        for (const auto& [name, spaceBefore, height] : groups) {
            groupY += px(spaceBefore);
            QCOMPARE(place(name), QRect(0, groupY, title->parentWidget()->width(), px(height)));
            groupY += px(height);
        }

        // Every field is as wide as the others and 21 high; its caption ends a gap before it.
        const int fieldWidth = place("TriedConnectsStaticText").width();
        QCOMPARE(fieldWidth == px(112), letterSpacing < 100);
        QVERIFY(fieldWidth >= px(112));
        const auto pair = [&](const char* caption, const char* field, int captionX, int fieldX, int y) {
            QCOMPARE(place(caption).topLeft(), QPoint(px(captionX), px(y)));
            QCOMPARE(place(field), QRect(px(fieldX), px(y), fieldWidth, px(21)));
            QCOMPARE(place(caption).right() + 1 + px(6), px(fieldX));
        };
        const std::tuple<const char*, const char*, const char*, const char*, int> rows[] = {
            {"OvVerbindungsVersucheLabel", "TriedConnectsStaticText", "OvAnwahlversucheLabel", "TriedDialInsStaticText",
             20},
            {"OvVerbindungsaufnahmenLabel", "SuccessfulConnectsStaticText", "OvVerstuemmelteEintraegeLabel",
             "UnclosedEntriesStaticText", 44},
            {"OvDurchschnittLesenLabel", "AverageReadRateStaticText", "OvDurchschnittSchreibenLabel",
             "AverageWriteRateStaticText", 20},
            {"OvGesamtmengeGelesenLabel", "SumReadDataStaticText", "OvDurchschnittGelesenLabel",
             "MeanReadDataStaticText", 20},
            {"OvGesamtmengeGesendetLabel", "SumWrittenDataStaticText", "OvDurchschnittgesendetLabel",
             "MeanWrittenDataStaticText", 44},
            {"OvGesamtverbindungsdauerLabel", "SumConnectionTimeStaticText", "OvMittlereVerbindungsdauerLabel",
             "MeanConnectionTimeStaticText", 20},
        };
        for (const auto& [leftCaption, leftField, rightCaption, rightField, y] : rows) {
            pair(leftCaption, leftField, 9, 185, y);
            pair(rightCaption, rightField, 361, 537, y);
        }
        pair("OvMittlereAnwahldauerLabel", "AverageDialingTimeStaticText", 9, 185, 50);

        // The last connection's stamps take the wide first column; its third
        // column shares the grid's right fields; two gaps part a field from the
        // next caption.
        const auto right = [&](const char* name) { return place(name).right() + 1; };
        for (const auto& [row, y] : {std::pair{0, 20}, std::pair{1, 44}}) {
            const char* captions[2][3] = {{"OvLastBeginnLabel", "OvLastEmpfangenLabel", "OvLastEmpfangsrateLabel"},
                                          {"OvLastEndeLabel", "OvLastGesendetLabel", "OvLastSenderateLabel"}};
            const char* fields[2][3] = {{"StartLastConnectionStaticText", "ReceivedBytesLastConnectionStaticText",
                                         "ReceiverateLastConnectionStaticText"},
                                        {"EndLastConnectionStaticText", "SentBytesLastConnectionStaticText",
                                         "SendrateLastConnectionStaticText"}};
            const QRect stamp = place(fields[row][0]);
            QCOMPARE(stamp.topLeft(), QPoint(px(64), px(y)));
            QVERIFY(stamp.width() >= px(153));
            QCOMPARE(stamp.width() == px(153), letterSpacing < 100);
            QCOMPARE(place(captions[row][0]).topLeft(), QPoint(px(9), px(y)));
            QCOMPARE(place(captions[row][1]).x(), std::max(px(233), right(fields[row][0]) + 2 * px(6)));
            QCOMPARE(place(fields[row][1]), QRect(px(313), px(y), fieldWidth, px(21)));
            QCOMPARE(place(captions[row][2]).x(), std::max(px(441), right(fields[row][1]) + 2 * px(6)));
            QCOMPARE(place(fields[row][2]), QRect(px(537), px(y), fieldWidth, px(21)));
            for (int column = 0; column < 3; ++column)
                QCOMPARE(right(captions[row][column]) + px(6), place(fields[row][column]).x());
        }

        // The log's size at 428, or a little below the groups where their
        // rounded heights reach further; as wide as the other fields, its
        // maximum beside it.
        const int sizeY = std::max(px(428), groupY + px(8));
        QVERIFY(sizeY <= px(428) + 1);
        QCOMPARE(place("OvLogFileSizeLabel").topLeft(), QPoint(px(9), sizeY));
        QCOMPARE(place("LogFileSizeStaticText"), QRect(px(153), sizeY, fieldWidth, px(21)));
        QCOMPARE(place("OvLogFileMaxSizeLabel").topLeft(), QPoint(px(281), sizeY));
        // Below its fields and right of them the page keeps the margins it
        // keeps above and left; a smaller window scrolls.
        QCOMPARE(title->parentWidget()->minimumSize(),
                 QSize(right("TriedDialInsStaticText") + px(9), sizeY + px(21) + px(8)));
    }

    void openSequence()
    {
        TDialogUnderTest t;
        t.StartWithoutLog();
        t.Dialogs.Answer = TOpenFileAnswer{QString::fromStdString(ExampleLog), 3};
        Control<QPushButton>(*t.Window, "OpenButton")->click();
        QCOMPARE(t.Dialogs.OpenCalls, 1);
        QVERIFY(!t.Dialogs.OpenButtonEnabledDuringDialog);
        QVERIFY(Control<QPushButton>(*t.Window, "OpenButton")->isEnabled());
        QCOMPARE(t.Dialogs.LastRequest.Title, QString("Load Modem Log File"));
        QCOMPARE(t.Dialogs.LastRequest.Filters.size(), 4);
        QCOMPARE(t.Window->Table().RowCount(), ExampleRows);
        QCOMPARE(t.Window->CurrentLogFile(), QString::fromStdString(ExampleLog));
        QCOMPARE(t.Window->OpenRequest().InitialDirectory, QString(KELLVAR_SOURCE_DIR "/examples/"));
        QCOMPARE(t.Window->OpenRequest().FilterIndex, 3);

        t.Dialogs.Answer.reset();
        Control<QPushButton>(*t.Window, "OpenButton")->click();
        // cancelling changes nothing
        QCOMPARE(t.Window->Table().RowCount(), ExampleRows);
        QVERIFY(Control<QPushButton>(*t.Window, "OpenButton")->isEnabled());
        t.Window->close();
        QVERIFY(ReadFile(t.IniFile()).find("InitialDirectory=" KELLVAR_SOURCE_DIR "/examples/") != std::string::npos);
    }

    void tablePageTakesTheFocus()
    {
        TDialogUnderTest t;
        t.StartWithoutLog();
        t.Window->activateWindow();
        t.Window->Pages()->setCurrentIndex(1);
        QVERIFY(t.Window->focusWidget() == t.Window->TablePage()->View());
        t.Window->close();
    }

    void help()
    {
        TDialogUnderTest t(true);
        t.StartWithoutLog();
        Control<QPushButton>(*t.Window, "HelpButton")->click();
        t.Window->Pages()->setCurrentIndex(1);
        t.Window->TablePage()->View()->setFocus();
        QTest::keyClick(t.Window->TablePage()->View(), Qt::Key_F1);
        Control<QPushButton>(*t.Window, "OpenButton")->setFocus();
        QTest::keyClick(Control<QPushButton>(*t.Window, "OpenButton"), Qt::Key_F1);
        QCOMPARE(t.Dialogs.HelpShown,
                 (QList<QPair<QString, int>>{{"kellvar.hlp", 0}, {"kellvar.hlp", 1101}, {"kellvar.hlp", 1}}));
        t.Window->close();
    }

    void helpViewerShowsEachSectionAtTheTop()
    {
        for (const QString& file : {QString("kellva_e.hlp"), QString("kellvar.hlp")})
            for (const int context : {1601, 1101, 1201, 1301, 1501, 1401, 3101, 2101}) {
                THelpWindow* help = THelpWindow::Show(nullptr, file, context);
                auto* browser = help->findChild<QTextBrowser*>();
                QApplication::processEvents();
                // The section's heading is the first line in view.
                const QString anchor = QString("context%1").arg(context);
                const QRect heading = browser->cursorRect(CursorAtAnchor(browser, anchor));
                QVERIFY2(heading.top() >= -2 && heading.top() < browser->fontMetrics().height() * 2,
                         qPrintable(file + " " + anchor + " at " + QString::number(heading.top())));
            }
        THelpWindow* help = THelpWindow::Show(nullptr, "kellvar.hlp", 0);
        QCOMPARE(help->windowTitle(), QString("Kellvar Hilfe"));
        help->close();
    }

    void enterPressesTheFocusedButtonElseClose()
    {
        TDialogUnderTest t;
        t.StartWithoutLog();
        Control<QPushButton>(*t.Window, "OpenButton")->setFocus();
        QTest::keyClick(t.Window.get(), Qt::Key_Return);
        QCOMPARE(t.Dialogs.OpenCalls, 1);
        Control<QPushButton>(*t.Window, "HelpButton")->setFocus();
        QTest::keyClick(t.Window.get(), Qt::Key_Enter);
        QCOMPARE(t.Dialogs.HelpShown.size(), 1);
        QVERIFY(t.Window->isVisible());
        // The Costs page's fields and lists take Enter for their values.
        t.Window->Pages()->setCurrentWidget(t.Window->CostsPage());
        for (const char* name :
             {"BillingMonthStartSpinBox", "WeekStartComboBox", "LimitList", "TariffFileList", "CostMonthList"}) {
            QWidget* field = Control<QWidget>(*t.Window, name);
            field->setFocus();
            QTest::keyClick(field, Qt::Key_Return);
            QVERIFY2(t.Window->isVisible(), name);
        }
        t.Window->Pages()->setCurrentIndex(1);
        t.Window->TablePage()->View()->setFocus();
        QTest::keyClick(t.Window.get(), Qt::Key_Return);
        QVERIFY2(!t.Window->isVisible(), "Enter elsewhere presses Close");
    }

    // The keys desktop programs answer to: Ctrl+O opens, Ctrl+Q and Ctrl+W
    // close; Escape closes nothing. The frame offers to resize, minimise and
    // maximise the window.
    void keysAndFrameOfADesktopProgram()
    {
        TDialogUnderTest t;
        t.StartWithoutLog();
        const Qt::WindowFlags flags = t.Window->windowFlags();
        QVERIFY(flags.testFlags(Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint | Qt::WindowTitleHint));
        QVERIFY(!t.Window->isSizeGripEnabled());
        QApplication::setActiveWindow(t.Window.get());
        QWidget* focus = t.Window->TablePage()->View();
        t.Window->Pages()->setCurrentIndex(1);
        focus->setFocus();
        QTest::keyClick(focus, Qt::Key_Escape);
        QVERIFY(t.Window->isVisible());
        QTest::keyClick(focus, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(t.Dialogs.OpenCalls, 1);
        for (const Qt::Key key : {Qt::Key_Q, Qt::Key_W}) {
            TDialogUnderTest other;
            other.StartWithoutLog();
            QApplication::setActiveWindow(other.Window.get());
            QTest::keyClick(other.Window->TablePage()->View(), key, Qt::ControlModifier);
            QVERIFY(!other.Window->isVisible());
        }
    }

    void chosenFilterIsFoundWithOrWithoutItsPatterns()
    {
        const QStringList filters = {"Logfiles (*.txt,*.log) (*.txt *.log)", "All-Time-Log (*.atl) (*.atl)",
                                     "All file (*)"};
        QCOMPARE(FilterIndexOf(filters, "All-Time-Log (*.atl)"), 2);
        QCOMPARE(FilterIndexOf(filters, "All-Time-Log (*.atl) (*.atl)"), 2);
        QCOMPARE(FilterIndexOf(filters, "All file"), 3);
        QCOMPARE(FilterIndexOf(filters, "Something else"), 1);
    }

    // The real file dialog asks for one existing file under the request's
    // title, in its folder, with its filters and the chosen one selected;
    // a filter number outside the list leaves the first. It answers the
    // file picked and the number of the filter it was found with.
    void realFileDialogAsksAsTheWindowAsks()
    {
        TempDir dir;
        const QString folder = QString::fromStdString(dir.Path());
        const QString log = QString::fromStdString(dir.Write("modem.atl", "x"));
        const QStringList filters = {"Logfiles (*.txt *.log)", "All-Time-Log (*.atl)", "All file (*)"};
        for (const auto& [index, shown] : {std::pair(2, 2), std::pair(3, 3), std::pair(0, 1), std::pair(4, 1)}) {
            QFileDialog dialog;
            AskAsRequested(dialog, {"Open a log", filters, folder, index});
            QCOMPARE(dialog.windowTitle(), "Open a log");
            QCOMPARE(dialog.directory().absolutePath(), folder);
            QCOMPARE(dialog.nameFilters(), filters);
            QCOMPARE(dialog.fileMode(), QFileDialog::ExistingFile);
            QCOMPARE(dialog.acceptMode(), QFileDialog::AcceptOpen);
            QVERIFY(dialog.testOption(QFileDialog::HideNameFilterDetails));
            dialog.selectFile(log);
            const auto answer = AnswerOf(dialog, filters);
            QVERIFY(answer.has_value());
            QCOMPARE(QPair(answer->File, answer->FilterIndex), QPair(log, shown));
        }
    }

    // Tab moves left to right along the bottom row and top to bottom down
    // the options, as the controls stand on the screen.
    void tabOrderFollowsTheScreen()
    {
        TDialogUnderTest t;
        t.StartWithoutLog();
        QApplication::setActiveWindow(t.Window.get());
        const auto place = [&](QWidget* w) { return w->mapTo(t.Window.get(), QPoint(0, 0)); };
        const auto visit = [&](QWidget* first, int stops) {
            first->setFocus();
            QList<QWidget*> visited{first};
            for (int i = 0; i < stops; ++i) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                visited << QApplication::focusWidget();
            }
            return visited;
        };
        const QList<QWidget*> bottom = visit(Control<QPushButton>(*t.Window, "OpenButton"), 3);
        QCOMPARE(bottom, (QList<QWidget*>{Control<QPushButton>(*t.Window, "OpenButton"),
                                          Control<QPushButton>(*t.Window, "CloseButton"),
                                          Control<QPushButton>(*t.Window, "HelpButton"),
                                          Control<QCheckBox>(*t.Window, "ShowLabelsCheckBox")}));
        for (int i = 1; i < bottom.size(); ++i)
            QVERIFY(place(bottom[i]).x() > place(bottom[i - 1]).x());
        t.Window->Pages()->setCurrentIndex(6);
        const QList<QWidget*> options = visit(Control<QCheckBox>(*t.Window, "SavePosCheckBox"), 6);
        QCOMPARE(options.last(), static_cast<QWidget*>(Control<QPushButton>(*t.Window, "DefineDefaultBitBtn")));
        for (int i = 1; i < options.size(); ++i)
            QVERIFY2(place(options[i]).y() > place(options[i - 1]).y(), qPrintable(options[i]->objectName()));
        t.Window->close();
    }

    // The table, the About text and the charts are Tab stops that Fusion
    // leaves unmarked; with the focus they are framed in the highlight colour.
    void listsTextsAndChartsShowTheFocus()
    {
        TDialogUnderTest t;
        t.StartWithoutLog();
        QApplication::setActiveWindow(t.Window.get());
        TFocusStyle style;
        for (QAbstractScrollArea* stop : std::initializer_list<QAbstractScrollArea*>{
                 t.Window->TablePage()->View(), Control<QPlainTextEdit>(*t.Window, "Memo1"), t.Window->Charts()[0]}) {
            t.Window->Pages()->setCurrentWidget(stop->parentWidget());
            stop->setStyle(&style);
            const QColor highlight = stop->palette().color(QPalette::Highlight);
            // The middle of each of the four sides.
            const auto edges = [&] {
                const QImage image = stop->grab().toImage();
                const int right = image.width() - 1, bottom = image.height() - 1;
                return QList<QColor>{image.pixelColor(0, bottom / 2), image.pixelColor(right, bottom / 2),
                                     image.pixelColor(right / 2, 0), image.pixelColor(right / 2, bottom)};
            };
            stop->clearFocus();
            QVERIFY2(!edges().contains(highlight), stop->objectName().toLatin1());
            stop->setFocus();
            QCOMPARE(edges(), QList<QColor>(4, highlight));
            stop->setStyle(nullptr);
        }
        // A page without the focus draws no frame, even once the keyboard
        // has moved the focus in the window.
        auto* overview = t.Window->findChild<QScrollArea*>("TabSheet0");
        t.Window->Pages()->setCurrentWidget(overview);
        overview->setStyle(&style);
        Control<QPushButton>(*t.Window, "OpenButton")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(!overview->hasFocus());
        const QImage page = overview->grab().toImage();
        const QColor highlight = overview->palette().color(QPalette::Highlight);
        for (const QPoint& edge : {QPoint(0, page.height() / 2), QPoint(page.width() / 2, 0)})
            QVERIFY(page.pixelColor(edge) != highlight);
        overview->setStyle(nullptr);
        t.Window->close();
    }

    // A check box or a tab reached with the keyboard is framed in the
    // highlight colour inside its own rectangle; a clicked one is not.
    void keyboardFocusIsFramedInTheHighlight()
    {
        TDialogUnderTest t;
        t.StartWithoutLog();
        QApplication::setActiveWindow(t.Window.get());
        TFocusStyle style;
        QPalette palette = t.Window->palette();
        palette.setColor(QPalette::Highlight, QColor(255, 0, 255));
        auto* box = Control<QCheckBox>(*t.Window, "ShowLabelsCheckBox");
        QTabBar* tabs = t.Window->Pages()->tabBar();
        Shown(*t.Window, box);
        // The rectangle the highlight's pixels take in the widget.
        const auto framed = [&](QWidget* stop) {
            const QImage image = stop->grab().toImage();
            QRect frame;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (image.pixelColor(x, y) == QColor(255, 0, 255))
                        frame |= QRect(x, y, 1, 1);
            return frame;
        };
        for (QWidget* stop : {static_cast<QWidget*>(box), static_cast<QWidget*>(tabs)}) {
            stop->setStyle(&style);
            stop->setPalette(palette);
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(2, 2));
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(2, 2));
            QVERIFY(box->hasFocus());
            QCOMPARE(framed(stop), QRect());
            // Round the Tab stops, back to the box or on to the tabs.
            int presses = 0;
            do
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            while (!stop->hasFocus() && ++presses < 100);
            QVERIFY(stop->hasFocus());
            const QRect frame = framed(stop);
            const QRect part = stop == tabs ? tabs->tabRect(tabs->currentIndex()) : box->rect();
            QVERIFY2(frame.width() > 10 && frame.height() > 6, qPrintable(QDebug::toString(frame)));
            QVERIFY2(part.contains(frame), qPrintable(QDebug::toString(frame)));
            // A tab's frame keeps clear of the tab's own edges.
            if (stop == tabs)
                QVERIFY2(part.adjusted(3, 3, -3, -3).contains(frame), qPrintable(QDebug::toString(frame)));
            stop->setStyle(nullptr);
        }
        t.Window->close();
    }

    // Below the layout size the window scrolls as a whole: no page, status
    // panel or button is squeezed or cut, and no page is a Tab stop of its own.
    // A page paints when something changed, never again on its own.
    void pagesPaintOnlyWhenAsked()
    {
        TDialogUnderTest t;
        t.StartWithoutLog();
        auto* page = t.Window->findChild<QScrollArea*>("TabSheet0");
        TPaintCounter counter;
        page->installEventFilter(&counter);
        page->update();
        QTRY_VERIFY(counter.Paints > 0);
        counter.Paints = 0;
        QApplication::processEvents();
        QApplication::processEvents();
        QCOMPARE(counter.Paints, 0);
        t.Window->close();
    }

    void smallWindowScrollsAsAWhole()
    {
        TDialogUnderTest t;
        t.StartWithoutLog();
        auto* window = t.Window->findChild<QScrollArea*>("WindowScrollArea");
        // At the layout size (the window's margins are 3 pixels, none below) nothing scrolls.
        t.Window->resize(window->widget()->minimumSize() + QSize(6, 3));
        QApplication::processEvents();
        QCOMPARE(window->horizontalScrollBar()->maximum(), 0);
        QCOMPARE(window->verticalScrollBar()->maximum(), 0);
        t.Window->resize(500, 300);
        QApplication::processEvents();
        QVERIFY(window->horizontalScrollBar()->maximum() > 0);
        QVERIFY(window->verticalScrollBar()->maximum() > 0);
        const QSize whole = window->widget()->size();
        QVERIFY(whole.width() > 500 && whole.height() > 300);
        for (QWidget* part : std::initializer_list<QWidget*>{Control<QCheckBox>(*t.Window, "ShowLabelsCheckBox"),
                                                             Control<QPushButton>(*t.Window, "HelpButton")})
            QVERIFY2(part->width() >= part->sizeHint().width(), qPrintable(part->objectName()));
        QCOMPARE(t.Window->findChild<QScrollArea*>("TabSheet0")->focusPolicy(), Qt::NoFocus);
        // Above it the pages grow with the window.
        t.Window->resize(window->widget()->minimumSize() + QSize(206, 103));
        QApplication::processEvents();
        QCOMPARE(window->widget()->size(), window->viewport()->size());
        QCOMPARE(window->widget()->width(), window->widget()->minimumWidth() + 200);
        t.Window->close();
    }

    void everyTextInBothLanguages_data()
    {
        QTest::addColumn<bool>("german");
        QTest::newRow("German") << true;
        QTest::newRow("English") << false;
    }

    void everyTextInBothLanguages()
    {
        QFETCH(bool, german);
        TDialogUnderTest t(german);
        t.StartWithoutLog();
        TModemLogDialog& w = *t.Window;
        for (const TTextRow& row : TextTable()) {
            const QString expected =
                QString::fromUtf8(row.Text(german).data(), static_cast<qsizetype>(row.Text(german).size()));
            const QString control = QString::fromUtf8(row.Control.data(), static_cast<qsizetype>(row.Control.size()));
            QString shown;
            switch (row.Property) {
            case TTextProperty::ColumnCaption:
                shown = w.TablePage()->View()->model()->headerData(control.toInt(), Qt::Horizontal).toString();
                break;
            case TTextProperty::ChartTitle:
                shown = w.findChild<TChart*>(control)->chart()->title();
                break;
            case TTextProperty::LeftAxisTitle:
                shown = w.findChild<TChart*>(control)->LeftAxis()->titleText();
                break;
            case TTextProperty::RightAxisTitle:
                shown = w.findChild<TChart*>(control)->RightAxis()->titleText();
                break;
            case TTextProperty::SeriesTitle:
                for (TChart* chart : w.Charts())
                    if (QLineSeries* series = chart->chart()->findChild<QLineSeries*>(control))
                        shown = series->name();
                break;
            case TTextProperty::Hint:
                shown = w.findChild<QWidget*>(control)->toolTip();
                break;
            case TTextProperty::Caption:
                if (control == "ModemLogDialog")
                    shown = w.windowTitle();
                else if (control == "OpenDialog1")
                    shown = w.OpenRequest().Title;
                else if (control.startsWith("TabSheet"))
                    shown = w.Pages()->tabText(w.Pages()->indexOf(w.findChild<QWidget*>(control)));
                else if (control == "OvTitlePanel")
                    shown = w.findChild<QLabel*>("OvTitlePanel")->text().section(" v", 0, 0);
                else if (auto* label = w.findChild<QLabel*>(control))
                    shown = label->text();
                else if (auto* group = w.findChild<QGroupBox*>(control))
                    shown = group->title();
                else if (auto* button = w.findChild<QAbstractButton*>(control))
                    shown = button->text();
                break;
            }
            QVERIFY2(shown == expected, qPrintable(control + ": " + shown + " != " + expected));
        }
        QCOMPARE(w.TablePage()->View()->model()->headerData(11, Qt::Horizontal).toString(), QString("OvrErr"));
        QCOMPARE(w.findChild<QLabel*>("OvTitlePanel")->text(), QString("Kellvar v1.5.5"));
        QCOMPARE(w.HelpFile(), german ? QString("kellvar.hlp") : QString("kellva_e.hlp"));
        QCOMPARE(Control<QComboBox>(w, "DefaultTabComboBox")->count(), 6);
        QCOMPARE(Control<QComboBox>(w, "DefaultTabComboBox")->itemText(5),
                 german ? QString("Anwahldauern") : QString("Dialing Times"));
        QVERIFY(Control<QPlainTextEdit>(w, "Memo1")->toPlainText().startsWith("Kellvar v1.55\n"));
        // The bottom row as the users of each language have always read it.
        QCOMPARE(Control<QPushButton>(w, "OpenButton")->text(), german ? QString("Öffnen") : QString("Open"));
        QCOMPARE(Control<QPushButton>(w, "CloseButton")->text(), german ? QString("Beenden") : QString("Close"));
        QCOMPARE(Control<QPushButton>(w, "HelpButton")->text(), german ? QString("Hilfe") : QString("Help"));
        QCOMPARE(w.findChild<QGroupBox*>("GroupBox1")->title(), QString("Voreinstellungen"));
        w.close();
    }
};

QTEST_MAIN(DialogLifecycleTest)
#include "dialoglifecycle_test.moc"
