// SPDX-License-Identifier: GPL-3.0-or-later
// kellvar-screenshots: renders every page of the window, after analysing a
// log, into PNG files: DIR/<language>-<page>.png, in English and German or in
// the one language given. Numbers take the decimal separator of the locale
// the program runs in, as the window's do.
// usage: kellvar-screenshots LOGFILE DIR [en|de]

#include "lang/language.h"
#include "lang/texttable.h"
#include "ui/focusstyle.h"
#include "ui/modemlogdialog.h"

#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <QThread>

#include <cstdlib>
#include <iostream>
#include <string>

namespace {

// Nothing to ask in a picture session: messages are printed, dialogs cancelled.
class TNoDialogs : public kellvar::TUserDialogs {
public:
    void ShowMessage(QWidget*, const QString& text, kellvar::TMessageSeverity) override
    {
        std::cerr << text.toStdString() << '\n';
    }
    std::optional<kellvar::TOpenFileAnswer> OpenLogFile(QWidget*, const kellvar::TOpenFileRequest&) override
    {
        return std::nullopt;
    }
    void ShowHelp(QWidget*, const QString&, int) override {}
};

}  // namespace

int main(int argc, char** argv)
{
    const std::string language = argc == 4 ? argv[3] : "";
    if (argc < 3 || argc > 4 || (argc == 4 && language != "en" && language != "de")) {
        std::cerr << "usage: kellvar-screenshots LOGFILE DIR [en|de]\n";
        return 2;
    }
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    QApplication::setStyle(new kellvar::TFocusStyle);
    const QString log = QString::fromLocal8Bit(argv[1]);
    const QDir target(QString::fromLocal8Bit(argv[2]));
    QDir().mkpath(target.path());
    // The window writes its settings and the frame it measured beside its
    // program path; a settings file given with the pictures is theirs to keep.
    const bool settingsGiven = target.exists("kellvar.INI");
    for (const bool german : {false, true}) {
        if (!language.empty() && german != (language == "de"))
            continue;
        kellvar::IsGerman = german;
        TNoDialogs dialogs;
        kellvar::TModemLogDialog window(dialogs);
        window.SetProgramPath(target.filePath("kellvar"));
        window.SetArguments({argv[1]});
        window.show();
        while (!window.StartUpDone())
            QApplication::processEvents();
        for (int page = 0; page < window.Pages()->count(); ++page) {
            window.Pages()->setCurrentIndex(page);
            // Let the window system and the charts settle before the picture.
            for (int i = 0; i < 20; ++i) {
                QApplication::processEvents();
                QThread::msleep(10);
            }
            // The layout's page names, and the Costs page's own after them.
            const QString name = window.Pages()->widget(page)->objectName();
            window.grab().save(target.filePath(QString(german ? "de-" : "en-") + name + ".png"));
        }
    }
    if (!settingsGiven)
        QDir(target).remove("kellvar.INI");
    QDir(target).remove("kellvar.frame");
    return 0;
}
