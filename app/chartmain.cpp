// SPDX-License-Identifier: GPL-3.0-or-later
// kellvar-chart CHART FILE WIDTH HEIGHT LANGUAGE LOGFILE SINCE UNTIL [TARIFF...]:
// the window's chart of one page, drawn without a display into a PNG or SVG
// file (FILE "-": PNG on standard output). kellvar-report runs it for --chart,
// so that its text outputs never load the widget libraries. CHART is 0
// (rates), 1 (dialing), 2 (connection), 3 (transport), 4 (costs, priced by
// the TARIFF files) or 5 (the week's usage as a heat map); LANGUAGE is "de" or "en"; SINCE and UNTIL are the
// connect dates kept (date keys, "-" for none).

#include "core/logstamp.h"
#include "lang/language.h"
#include "lang/messages.h"
#include "platform/filehandle.h"
#include "platform/replacefile.h"
#include "ui/chart.h"
#include "ui/costspage.h"
#include "ui/modemlogdialog.h"
#include "ui/profilemap.h"

#include <QApplication>
#include <QBuffer>
#include <QImage>

#include <cerrno>
#include <cstdlib>
#include <iostream>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

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

std::optional<int32_t> DateKeyArgument(const char* text)
{
    int32_t key = 0;
    return kellvar::ReadInteger(text, key) ? std::optional(key) : std::nullopt;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 9) {
        std::cerr << "usage: kellvar-chart CHART FILE WIDTH HEIGHT LANGUAGE LOGFILE SINCE UNTIL [TARIFF...]\n";
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
    window.KeepConnectDates({DateKeyArgument(argv[7]), DateKeyArgument(argv[8])});
    window.CostsPage()->SetFiles(std::vector<std::string>(argv + 9, argv + argc));
    // The window's four charts, then the Costs page's chart and week map.
    const int costsChart = static_cast<int>(window.Charts().size());
    const int profileMap = costsChart + 1;
    if (chartIndex < 0 || chartIndex > profileMap || (chartIndex == costsChart && !window.CostsPage()->Tariffs())
        || !window.AnalyseLogFile(QString::fromLocal8Bit(argv[6]), true))
        return 1;
    if (window.StoppedAtRowLimit())
        dialogs.ShowNote(nullptr, QString::fromStdString(kellvar::ChartRowLimitMessage(
                                      static_cast<int32_t>(window.Points().Count()), kellvar::IsGerman)));
    // The picture is made whole in memory and then put in the file's place,
    // so a full disk leaves the previous picture, never half of a new one.
    const QSize size(std::atoi(argv[3]), std::atoi(argv[4]));
    const bool asSvg = file.endsWith(".svg", Qt::CaseInsensitive);
    QByteArray picture;
    QBuffer buffer(&picture);
    if (chartIndex == profileMap) {
        const kellvar::TProfileMap& map = *window.CostsPage()->ProfileMap();
        if (asSvg)
            picture = map.SvgPicture(size);
        else
            map.Picture(size).save(&buffer, "PNG");
    } else {
        // The chart alone, at the size asked for: the picture "Copy Bitmap"
        // and "Copy Meta" take of it in the window.
        kellvar::TChart* chart =
            chartIndex == costsChart ? window.CostsPage()->Chart() : window.Charts()[static_cast<size_t>(chartIndex)];
        chart->setParent(nullptr);
        chart->resize(size);
        if (asSvg)
            picture = chart->SvgPicture();
        else
            chart->Picture().save(&buffer, "PNG");
        delete chart;
    }
    const std::string_view bytes(picture.constData(), static_cast<size_t>(picture.size()));
    const bool toStandardOutput = std::string_view(argv[2]) == "-";
    const bool saved = !picture.isEmpty()
                       && (toStandardOutput ? kellvar::platform::WriteAll(STDOUT_FILENO, bytes.data(), bytes.size())
                                            : kellvar::platform::ReplaceFile(argv[2], bytes));
    const int error = picture.isEmpty() ? EIO : errno;
    if (!saved && toStandardOutput)
        std::cerr << "kellvar-report: standard output: " << kellvar::platform::ErrorText(error) << "\n";
    else if (!saved)
        std::cerr << "kellvar-report: " << argv[2] << ": cannot be written: " << kellvar::platform::ErrorText(error)
                  << "\n";
    return saved ? 0 : 1;
}
