// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QTextBrowser;

namespace kellvar {

// The program's help, written in HTML for both languages and built into the
// program; the help file names of the program ("kellvar.hlp", "kellva_e.hlp")
// pick the language, a context number the section.
class THelpWindow : public QDialog {
    Q_OBJECT

public:
    // Opens (or raises) the one help window at the context's section.
    static THelpWindow* Show(QWidget* parent, const QString& helpFile, int context);

    // The resource holding the help of a help file name, and a context's anchor.
    static QString HelpResource(const QString& helpFile);
    static QString ContextAnchor(int context);

private:
    explicit THelpWindow(QWidget* parent);
    QTextBrowser* browser_;
};

}  // namespace kellvar
