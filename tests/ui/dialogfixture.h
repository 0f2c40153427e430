// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lang/language.h"
#include "tests/support/tempdir.h"
#include "ui/modemlogdialog.h"
#include "ui/settingspage.h"
#include "ui/tablepage.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QStringList>
#include <QTabWidget>

#include <memory>

namespace kellvar::testing {

// Stands in for the message boxes, the file dialog and the help viewer.
class TFakeDialogs : public TUserDialogs {
public:
    QStringList Messages;
    std::optional<TOpenFileAnswer> Answer;
    std::optional<QString> FolderAnswer;
    QString FolderStart;
    TOpenFileRequest LastRequest;
    int OpenCalls = 0;
    bool OpenButtonEnabledDuringDialog = true;
    QList<QPair<QString, int>> HelpShown;
    QWidget* Window = nullptr;

    QList<TMessageSeverity> MessageSeverities;

    void ShowMessage(QWidget*, const QString& text, TMessageSeverity severity) override
    {
        Messages << text;
        MessageSeverities << severity;
    }
    std::optional<TOpenFileAnswer> OpenLogFile(QWidget* parent, const TOpenFileRequest& request) override
    {
        ++OpenCalls;
        LastRequest = request;
        OpenButtonEnabledDuringDialog = parent->window()->findChild<QWidget*>("OpenButton")->isEnabled();
        return Answer;
    }
    std::optional<QString> ChooseFolder(QWidget*, const QString&, const QString& start) override
    {
        FolderStart = start;
        return FolderAnswer;
    }
    void ShowHelp(QWidget*, const QString& file, int context) override { HelpShown.append({file, context}); }
};

// A window in a program directory of its own (settings and All-Time-Log go there).
struct TDialogUnderTest {
    TempDir ProgramDir;
    TFakeDialogs Dialogs;
    std::unique_ptr<TModemLogDialog> Window;

    explicit TDialogUnderTest(bool german = false)
    {
        IsGerman = german;
        // The default log is looked for in the home directory.
        qputenv("HOME", QByteArray::fromStdString(ProgramDir.Path()));
        Window = std::make_unique<TModemLogDialog>(Dialogs);
        Window->SetProgramPath(QString::fromStdString(ProgramDir.File("kellvar")));
    }

    std::string IniFile() const { return ProgramDir.File("kellvar.INI"); }
    std::string AllTimeLog() const { return ProgramDir.File("kellvar.ATL"); }
    QString Text(const char* label) const { return Window->findChild<QLabel*>(label)->text(); }

    // Shows the window and waits for its start-up sequence.
    // The window as it opens with no log loaded at start-up.
    void StartWithoutLog()
    {
        ProgramDir.Write("kellvar.INI", "[SETTINGS]\nLoadDefaultLogFile=0\n");
        Start();
    }

    void Start(std::vector<std::string> arguments = {}, bool quiet = false, bool quietTotal = false)
    {
        Window->SetQuiet(quiet, quietTotal);
        Window->SetArguments(std::move(arguments));
        Window->show();
        QElapsedTimer waited;
        waited.start();
        while (!Window->StartUpDone() && waited.elapsed() < 10'000)
            QApplication::processEvents();
        // Every test's expectations start from a finished start-up.
        if (!Window->StartUpDone())
            qFatal("the window's start-up did not finish within 10 s");
    }
};

// A control of the window found by the name the layout gives it.
template <typename TControl> TControl* Control(const QWidget& window, const char* name)
{
    auto* control = window.findChild<TControl*>(name);
    if (control == nullptr)
        qFatal("no control %s", name);
    return control;
}

// The widget, with the page that holds it made the current one, as a user
// looks at it; a chart on a hidden page may still show an earlier run's data.
template <typename TWidget> TWidget* Shown(TModemLogDialog& w, TWidget* widget)
{
    for (int page = 0; page < w.Pages()->count(); ++page)
        if (w.Pages()->widget(page)->isAncestorOf(widget))
            w.Pages()->setCurrentIndex(page);
    return widget;
}

inline const std::string ExampleLog = KELLVAR_SOURCE_DIR "/examples/ModemLog.txt";

}  // namespace kellvar::testing
