// kellvar-chart CHART FILE WIDTH HEIGHT LANGUAGE LOGFILE: the window's chart of
// one page, drawn without a display into a PNG or SVG file. kellvar-report
// runs it for --chart, so that its text outputs never load the widget
// libraries. CHART is 0 (rates), 1 (dialing), 2 (connection) or 3
// (transport); LANGUAGE is "de" or "en".

#include "lang/language.h"
#include "ui/chart.h"
#include "ui/modemlogdialog.h"

#include <QApplication>
#include <QFile>
#include <QImage>

#include <cstdlib>
#include <iostream>
#include <string>

namespace {

// The window's messages as kellvar-report's lines on standard error.
class TReportDialogs : public kellvar::TStandardErrorDialogs {
public:
    void ShowNote(QWidget*, const QString& text) override
    {
        QString line = text;
        std::cerr << "kellvar-report: " << line.replace(QLatin1Char('\r'), QLatin1Char(' ')).toStdString() << '\n';
    }
};

void DropQtMessages(QtMsgType, const QMessageLogContext&, const QString&) {}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 7) {
        std::cerr << "usage: kellvar-chart CHART FILE WIDTH HEIGHT LANGUAGE LOGFILE\n";
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(DropQtMessages);
    QApplication application(argc, argv);
    kellvar::IsGerman = std::string(argv[5]) == "de";
    const int chartIndex = std::atoi(argv[1]);
    const QString file = QString::fromLocal8Bit(argv[2]);

    TReportDialogs dialogs;
    kellvar::TModemLogDialog window(dialogs);
    window.ApplyLanguageTexts();
    if (chartIndex < 0 || chartIndex > 3 || !window.AnalyseLogFile(QString::fromLocal8Bit(argv[6]), true))
        return 1;
    // The chart alone, at the size asked for: the picture "Copy Bitmap" and
    // "Copy Meta" take of it in the window.
    kellvar::TChart* chart = window.Charts()[static_cast<size_t>(chartIndex)];
    chart->setParent(nullptr);
    chart->resize(std::atoi(argv[3]), std::atoi(argv[4]));
    bool saved = false;
    if (file.endsWith(".svg", Qt::CaseInsensitive)) {
        QFile svg(file);
        saved = svg.open(QIODevice::WriteOnly) && svg.write(chart->SvgPicture()) >= 0 && svg.flush();
    } else {
        saved = chart->Picture().save(file, "PNG");
    }
    delete chart;
    if (!saved)
        std::cerr << "kellvar-report: " << argv[2] << ": cannot be written\n";
    return saved ? 0 : 1;
}
