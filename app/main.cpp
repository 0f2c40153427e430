// SPDX-License-Identifier: GPL-3.0-or-later
// kellvar: the window. Options -quiet and -quiettotal analyse the default log
// (updating the All-Time-Log) and end; they need no display, and without one
// -quiet writes its messages to standard error. Quiet runs exit 1 when the
// log or the All-Time-Log failed.

#include "lang/language.h"
#include "lang/messages.h"
#include "platform/filehandle.h"
#include "report/htmlreport.h"
#include "ui/focusstyle.h"
#include "ui/modemlogdialog.h"
#include "ui/rules/commandline.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

namespace {

std::string Environment(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// A person can see the window: a display is named, and Qt is not told to draw
// where nobody looks.
bool HasDisplay()
{
    const std::string platform = Environment("QT_QPA_PLATFORM");
    if (platform == "offscreen" || platform == "minimal")
        return false;
    return !platform.empty() || !Environment("DISPLAY").empty() || !Environment("WAYLAND_DISPLAY").empty();
}

// The window systems tried before drawing nowhere: the one Qt was told to
// use, else those whose display is named.
std::string NamedPlatforms()
{
    const std::string platform = Environment("QT_QPA_PLATFORM");
    if (!platform.empty())
        return platform;
    if (Environment("WAYLAND_DISPLAY").empty())
        return "xcb";
    return Environment("DISPLAY").empty() ? "wayland" : "wayland;xcb";
}

std::string DisplayNames()
{
    std::string names;
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY"})
        if (const std::string value = Environment(variable); !value.empty())
            names += (names.empty() ? "" : ", ") + std::string(variable) + "=" + value;
    return names.empty() ? "QT_QPA_PLATFORM=" + Environment("QT_QPA_PLATFORM") : names;
}

std::string Help()
{
    return std::string("usage: kellvar [LOGFILE] [-quiet | -quiettotal]\n"
                       "       kellvar --help | --version\n"
                       "\n"
                       "Shows the connections of a Windows modem log: overview, table and charts.\n"
                       "Without LOGFILE it analyses the default log (~/ModemLog.txt unless another\n"
                       "was made the default).\n"
                       "\n"
                       "Options (any letter case, whole arguments):\n"
                       "  -quiet        analyse the default log, update the All-Time-Log and end;\n"
                       "                without a display its messages go to standard error\n"
                       "  -quiettotal   the same without any message\n"
                       "  --help        print this help\n"
                       "  --version     print the version\n"
                       "\n")
           + kellvar::FilesHelp + "\n"
           + "The All-Time-Log without the window: the two lines UseLastSettings=1 and\n"
             "StoreAllTimeLog=1 under [SETTINGS] in kellvar.INI, and a daily run:\n"
             "  systemctl --user enable --now kellvar-archive.timer\n"
             "Its messages: journalctl --user -u kellvar-archive\n"
             "\n"
             "Exit status: 1 when a quiet run could not read the log, keep the\n"
             "All-Time-Log, read or write its settings, or had nothing to analyse;\n"
             "1 without a display for the window; 0 otherwise.\n";
}

// Prints the text; a full disk or a closed pipe fails the run, as it does
// any other program's.
int Print(const std::string& text)
{
    if (std::fputs(text.c_str(), stdout) >= 0 && std::fflush(stdout) == 0)
        return 0;
    std::cerr << "kellvar: standard output: " << std::strerror(errno) << '\n';
    return 1;
}

// Qt's notes about a display it could not open mean nothing to a user told
// so in one line; nor, where nothing is shown, do those about the missing
// runtime directory or window sizes: a quiet run's own messages are all that
// standard error then carries.
void DropQtMessages(QtMsgType, const QMessageLogContext&, const QString&) {}

}  // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    // Asked alone, these need neither a display nor a window.
    if (arguments == std::vector<std::string>{"--help"})
        return Print(Help());
    if (arguments == std::vector<std::string>{"--version"})
        return Print("kellvar " KELLVAR_VERSION "\n");
    kellvar::ChooseLanguage();
    if (kellvar::IsGerman)
        kellvar::platform::SayReasonsInGerman();
    const kellvar::TQuietFlags quiet = kellvar::ParseQuietFlags(arguments);
    const std::string displays = DisplayNames();
    if (!HasDisplay()) {
        if (!quiet.Quiet) {
            std::cerr << "kellvar: no display (neither DISPLAY nor WAYLAND_DISPLAY is set); "
                         "use kellvar-report, or -quiet / -quiettotal for unattended runs\n";
            return 1;
        }
        // An unattended run from a timer or over ssh draws nowhere.
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    } else {
        // A display that is named but cannot be opened (a cron line that kept
        // a session's DISPLAY) leaves Qt drawing nowhere instead of aborting.
        ::setenv("QT_QPA_PLATFORM", (NamedPlatforms() + ";offscreen").c_str(), 1);
    }
    qInstallMessageHandler(DropQtMessages);
    QApplication application(argc, argv);
    const bool hasDisplay = QGuiApplication::platformName() != "offscreen";
    if (hasDisplay || !quiet.Quiet)
        qInstallMessageHandler(nullptr);
    if (!hasDisplay && !quiet.Quiet) {
        std::cerr << "kellvar: the display cannot be opened (" << displays
                  << "); use kellvar-report, or -quiet / -quiettotal for unattended runs\n";
        return 1;
    }
    QApplication::setApplicationName("Kellvar");
    QApplication::setDesktopFileName("org.example.kellvar");
    QApplication::setWindowIcon(QIcon(":/icons/kellvar.svg"));
    QApplication::setStyle(new kellvar::TFocusStyle);
    QTranslator qtTexts;
    if (kellvar::IsGerman && qtTexts.load("qtbase_de", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);

    kellvar::TQtUserDialogs windowDialogs;
    kellvar::TStandardErrorDialogs unattendedDialogs;
    kellvar::TModemLogDialog window(hasDisplay ? static_cast<kellvar::TUserDialogs&>(windowDialogs)
                                               : unattendedDialogs);
    window.SetQuiet(quiet.Quiet, quiet.QuietTotal);
    window.SetHistoryReportWriter(kellvar::WriteHistoryReport);
    window.SetArguments(arguments);
    window.show();
    QApplication::exec();
    return window.ExitCode();
}
