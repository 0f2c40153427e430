// SPDX-License-Identifier: GPL-3.0-or-later
// kellvar-chart CHART FILE WIDTH HEIGHT LANGUAGE LOGFILE SINCE UNTIL [TARIFF...]:
// the window's chart of one page, drawn without a display into a PNG or SVG
// file (FILE "-": PNG on standard output). kellvar-report runs it for --chart,
// so that its text outputs never load the widget libraries. CHART is 0
// (rates), 1 (dialing), 2 (connection), 3 (transport), 4 (costs, priced by
// the TARIFF files) or 5 (the week's usage as a heat map); LANGUAGE is "de" or "en"; SINCE and UNTIL are the
// connect dates kept (date keys, "-" for none).

#include "core/logstamp.h"
#include "core/modemlogparser.h"
#include "core/tariffs.h"
#include "history/chartspecs.h"
#include "history/historysession.h"
#include "lang/language.h"
#include "lang/messages.h"
#include "platform/filehandle.h"
#include "platform/replacefile.h"
#include "ui/chart.h"
#include "ui/chartpage.h"
#include "ui/costchart.h"
#include "ui/profilemap.h"

#include <QApplication>
#include <QBuffer>
#include <QImage>

#include <cerrno>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unistd.h>
#include <variant>
#include <vector>

namespace {

// A message as kellvar-report's line on standard error.
void Say(const std::string& text)
{
    std::string line = text;
    std::replace(line.begin(), line.end(), '\r', ' ');
    std::cerr << "kellvar-report: " << line << '\n';
}

void DropQtMessages(QtMsgType, const QMessageLogContext&, const QString&) {}

std::optional<int32_t> DateKeyArgument(const char* text)
{
    int32_t key = 0;
    return kellvar::ReadInteger(text, key) ? std::optional(key) : std::nullopt;
}

// The picture of one chart, drawn alone at the size asked for: the picture
// "Copy Bitmap" and "Copy Meta" take of it in the window.
QByteArray ChartPicture(kellvar::TChart& chart, QSize size, bool asSvg)
{
    chart.resize(size);
    if (asSvg)
        return chart.SvgPicture();
    QByteArray png;
    QBuffer buffer(&png);
    chart.Picture().save(&buffer, "PNG");
    return png;
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

    // The tariffs, read as the Costs page reads them: one that cannot be read
    // is named with its line, and no chart of costs is drawn.
    const std::vector<std::string> files(argv + 9, argv + argc);
    std::optional<kellvar::TTariffs> tariffs;
    if (!files.empty()) {
        auto read = kellvar::ReadTariffFiles(files, true);
        if (const auto* error = std::get_if<kellvar::TTariffError>(&read))
            Say(error->Message);
        else
            tariffs.emplace(std::get<kellvar::TTariffs>(std::move(read)));
    }
    // The window's four charts, then the Costs page's chart and week map.
    constexpr int CostsChart = static_cast<int>(std::tuple_size_v<std::decay_t<decltype(kellvar::WindowCharts())>>);
    constexpr int ProfileMap = CostsChart + 1;
    if (chartIndex < 0 || chartIndex > ProfileMap || (chartIndex == CostsChart && !tariffs))
        return 1;
    kellvar::THistorySession session({DateKeyArgument(argv[7]), DateKeyArgument(argv[8])},
                                     tariffs ? &*tariffs : nullptr);
    kellvar::TAnalysisFlags flags;
    flags.IsGerman = kellvar::IsGerman;
    flags.Unattended = true;
    flags.NoSizeWarning = true;
    const bool analysed = kellvar::AnalyseLogFile(argv[6], flags, session);
    for (const std::string& message : session.Messages())
        Say(message);
    if (!analysed)
        return 1;
    if (session.Counters().StoppedAtRowLimit)
        Say(kellvar::ChartRowLimitMessage(static_cast<int32_t>(session.Points().Count()), kellvar::IsGerman));
    // The picture is made whole in memory and then put in the file's place,
    // so a full disk leaves the previous picture, never half of a new one.
    const QSize size(std::atoi(argv[3]), std::atoi(argv[4]));
    const bool asSvg = file.endsWith(".svg", Qt::CaseInsensitive);
    QByteArray picture;
    const kellvar::TTariff* money = tariffs ? &tariffs->First() : nullptr;
    if (chartIndex == ProfileMap) {
        kellvar::TProfileMap map;
        map.ApplyTexts(kellvar::IsGerman);
        map.SetProfile(session.Week(), money);
        if (asSvg) {
            picture = map.SvgPicture(size);
        } else {
            QBuffer buffer(&picture);
            map.Picture(size).save(&buffer, "PNG");
        }
    } else if (chartIndex == CostsChart) {
        const std::unique_ptr<kellvar::TChart> chart(kellvar::NewCostChart());
        kellvar::ApplyCostChartTexts(*chart, kellvar::IsGerman, money);
        kellvar::ShowMonthCosts(*chart, session.Months(), *money);
        picture = ChartPicture(*chart, size, asSvg);
    } else {
        const kellvar::TLineChartSpec& spec = kellvar::WindowCharts()[static_cast<size_t>(chartIndex)];
        const auto chart = std::make_unique<kellvar::TChart>(spec.Name, spec.Lines, std::string(spec.Unit));
        kellvar::ApplyWindowChartTexts(*chart, spec, kellvar::IsGerman);
        std::vector<const std::vector<double>*> values;
        for (const kellvar::TLineSpec& line : spec.Lines)
            values.push_back(line.TrendOf < 0 ? &session.Points().Values(line.Source) : nullptr);
        chart->SetSourceValues(values, kellvar::TChart::TTrends::Recalculated);
        picture = ChartPicture(*chart, size, asSvg);
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
