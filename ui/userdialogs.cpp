// SPDX-License-Identifier: GPL-3.0-or-later
#include "userdialogs.h"

#include "helpwindow.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

#include <iostream>

namespace kellvar {

QString MessageBoxText(const QString& text)
{
    QString shown = text;
    return shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

int FilterIndexOf(const QStringList& filters, const QString& chosen)
{
    for (qsizetype i = 0; i < filters.size(); ++i) {
        const QString& filter = filters[i];
        // "description (patterns)": the description is all before the last " (".
        const QString description = filter.left(filter.lastIndexOf(" ("));
        if (filter == chosen || description == chosen)
            return static_cast<int>(i) + 1;
    }
    return 1;
}

QMessageBox::Icon MessageIcon(TMessageSeverity severity)
{
    switch (severity) {
    case TMessageSeverity::Error:
        return QMessageBox::Critical;
    case TMessageSeverity::Warning:
        return QMessageBox::Warning;
    case TMessageSeverity::Information:
        break;
    }
    return QMessageBox::Information;
}

void TQtUserDialogs::ShowMessage(QWidget* parent, const QString& text, TMessageSeverity severity)
{
    QMessageBox box(MessageIcon(severity), QApplication::applicationName(), MessageBoxText(text), QMessageBox::Ok,
                    parent);
    box.exec();
}

std::optional<QString> TUserDialogs::ChooseFolder(QWidget*, const QString&, const QString&)
{
    return std::nullopt;
}

std::optional<QString> TQtUserDialogs::ChooseFolder(QWidget* parent, const QString& title, const QString& start)
{
    const QString folder = QFileDialog::getExistingDirectory(parent, title, start);
    return folder.isEmpty() ? std::nullopt : std::optional(folder);
}

void AskAsRequested(QFileDialog& dialog, const TOpenFileRequest& request)
{
    dialog.setWindowTitle(request.Title);
    dialog.setDirectory(request.InitialDirectory);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(request.Filters);
    if (request.FilterIndex >= 1 && request.FilterIndex <= request.Filters.size())
        dialog.selectNameFilter(request.Filters[request.FilterIndex - 1]);
}

std::optional<TOpenFileAnswer> AnswerOf(const QFileDialog& dialog, const QStringList& filters)
{
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty())
        return std::nullopt;
    return TOpenFileAnswer{files.constFirst(), FilterIndexOf(filters, dialog.selectedNameFilter())};
}

std::optional<TOpenFileAnswer> TQtUserDialogs::OpenLogFile(QWidget* parent, const TOpenFileRequest& request)
{
    QFileDialog dialog(parent);
    AskAsRequested(dialog, request);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return AnswerOf(dialog, request.Filters);
}

void TUserDialogs::ShowNote(QWidget*, const QString& text)
{
    QString line = text;
    std::cerr << "kellvar: " << line.replace(QLatin1Char('\r'), QLatin1Char(' ')).toStdString() << std::endl;
}

void TStandardErrorDialogs::ShowMessage(QWidget* parent, const QString& text, TMessageSeverity)
{
    ShowNote(parent, text);
}

void TQtUserDialogs::ShowHelp(QWidget* parent, const QString& helpFile, int context)
{
    THelpWindow::Show(parent, helpFile, context);
}

}  // namespace kellvar
