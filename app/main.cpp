// kellvar: the window. Options -quiet and -quiettotal analyse the default log
// (updating the All-Time-Log) and end; they need no display.

#include "app/commandline.h"
#include "lang/language.h"
#include "ui/modemlogdialog.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

namespace {

bool HasDisplay()
{
    for (const char* variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0')
            return true;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv)
{
    kellvar::ChooseLanguage();
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const kellvar::TQuietFlags quiet = kellvar::ParseQuietFlags(arguments);
    if (!HasDisplay()) {
        if (!quiet.Quiet) {
            std::cerr << "kellvar: no display (neither DISPLAY nor WAYLAND_DISPLAY is set); "
                         "use kellvar-report, or -quiet / -quiettotal for unattended runs\n";
            return 1;
        }
        // An unattended run from a timer or over ssh draws nowhere.
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName("Kellvar");
    QApplication::setDesktopFileName("kellvar");
    QApplication::setWindowIcon(QIcon(":/icons/kellvar.svg"));
    QTranslator qtTexts;
    if (kellvar::IsGerman && qtTexts.load("qtbase_de", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);

    kellvar::TQtUserDialogs dialogs;
    kellvar::TModemLogDialog window(dialogs);
    window.FQuiet = quiet.Quiet;
    window.FQuietTotal = quiet.QuietTotal;
    window.SetArguments(arguments);
    window.show();
    QApplication::exec();
    return 0;
}
