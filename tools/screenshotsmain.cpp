// kellvar-screenshots: renders every page of the window, after analysing a
// log, into PNG files: DIR/<language>-<page>.png.
// usage: kellvar-screenshots LOGFILE DIR

#include "lang/language.h"
#include "lang/texttable.h"
#include "ui/modemlogdialog.h"

#include <QApplication>
#include <QDir>
#include <QTabWidget>

#include <cstdlib>
#include <iostream>

namespace {

// Nothing to ask in a picture session: messages are printed, dialogs cancelled.
class TNoDialogs : public kellvar::TUserDialogs {
public:
    void ShowMessage(QWidget*, const QString& text) override { std::cerr << text.toStdString() << '\n'; }
    std::optional<kellvar::TOpenFileAnswer> OpenLogFile(QWidget*, const kellvar::TOpenFileRequest&) override
    {
        return std::nullopt;
    }
    void ShowHelp(QWidget*, const QString&, int) override {}
};

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: kellvar-screenshots LOGFILE DIR\n";
        return 2;
    }
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    const QString log = QString::fromLocal8Bit(argv[1]);
    const QDir target(QString::fromLocal8Bit(argv[2]));
    QDir().mkpath(target.path());
    for (const bool german : {false, true}) {
        kellvar::IsGerman = german;
        TNoDialogs dialogs;
        kellvar::TModemLogDialog window(dialogs);
        window.SetProgramPath(target.filePath("kellvar"));
        window.SetArguments({argv[1]});
        window.show();
        while (!window.StartUpDone())
            QApplication::processEvents();
        // The offscreen screen is small; show the window at the layout's size.
        window.resize(1106, 600);
        for (int page = 0; page < window.PageControl1->count(); ++page) {
            window.PageControl1->setCurrentIndex(page);
            QApplication::processEvents();
            const QString name = QString::fromUtf8(kellvar::PageNames[static_cast<size_t>(page)].data());
            window.grab().save(target.filePath(QString(german ? "de-" : "en-") + name + ".png"));
        }
    }
    QDir(target).remove("kellvar.INI");
    return 0;
}
