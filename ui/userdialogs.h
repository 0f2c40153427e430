// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/analysisreceiver.h"

#include <QMessageBox>
#include <QString>
#include <QStringList>

#include <optional>

class QFileDialog;
class QWidget;

namespace kellvar {

// What OpenDialog1 is asked and what it answers.
struct TOpenFileRequest {
    QString Title;
    QStringList Filters;  // "description (patterns)", counted from 1 by FilterIndex
    QString InitialDirectory;
    int FilterIndex = 1;
};

struct TOpenFileAnswer {
    QString File;
    int FilterIndex = 1;
};

// The window's modal conversations with the user. The program uses the Qt
// ones; tests put their own in, so nothing blocks.
class TUserDialogs {
public:
    virtual ~TUserDialogs() = default;

    // The text breaks its lines with a single CR; the box shows the kind's icon.
    virtual void ShowMessage(QWidget* parent, const QString& text, TMessageSeverity severity) = 0;
    // No answer when the user cancels.
    virtual std::optional<TOpenFileAnswer> OpenLogFile(QWidget* parent, const TOpenFileRequest& request) = 0;
    // A folder the user picks, starting at start; none when the user cancels
    // (or nobody can answer).
    virtual std::optional<QString> ChooseFolder(QWidget* parent, const QString& title, const QString& start);
    // Help file name as the program knows it; context 0 is the contents page.
    virtual void ShowHelp(QWidget* parent, const QString& helpFile, int context) = 0;
    // False when nobody can see the window (an unattended run without a display).
    virtual bool CanWaitForUser() const { return true; }
    // A remark that needs no answer and no box: one line on standard error.
    virtual void ShowNote(QWidget* parent, const QString& text);
};

class TQtUserDialogs : public TUserDialogs {
public:
    void ShowMessage(QWidget* parent, const QString& text, TMessageSeverity severity) override;
    std::optional<TOpenFileAnswer> OpenLogFile(QWidget* parent, const TOpenFileRequest& request) override;
    std::optional<QString> ChooseFolder(QWidget* parent, const QString& title, const QString& start) override;
    void ShowHelp(QWidget* parent, const QString& helpFile, int context) override;
};

// An unattended run without a display: messages go to standard error as one
// line each, and nothing waits for an answer.
class TStandardErrorDialogs : public TUserDialogs {
public:
    void ShowMessage(QWidget* parent, const QString& text, TMessageSeverity severity) override;
    std::optional<TOpenFileAnswer> OpenLogFile(QWidget*, const TOpenFileRequest&) override { return std::nullopt; }
    void ShowHelp(QWidget*, const QString&, int) override {}
    bool CanWaitForUser() const override { return false; }
};

// The number, counted from 1, of the filter a file dialog reports as chosen;
// a dialog that hides the patterns reports the description alone. 1 when none fits.
int FilterIndexOf(const QStringList& filters, const QString& chosen);

// Sets a file dialog to ask what the request asks: its title, folder and
// filters, the chosen one selected, for one existing file.
void AskAsRequested(QFileDialog& dialog, const TOpenFileRequest& request);
// What an accepted dialog answers: its file and the filter it was found with.
std::optional<TOpenFileAnswer> AnswerOf(const QFileDialog& dialog, const QStringList& filters);

// A message text with its CR line breaks as the box shows them, beside the
// icon of its kind.
QString MessageBoxText(const QString& text);
QMessageBox::Icon MessageIcon(TMessageSeverity severity);

}  // namespace kellvar
