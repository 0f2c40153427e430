// SPDX-License-Identifier: GPL-3.0-or-later
#include "helpwindow.h"

#include <QPointer>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextFrame>
#include <QUrl>
#include <QVBoxLayout>

namespace kellvar {

THelpWindow::THelpWindow(QWidget* parent) : QDialog(parent), browser_(new QTextBrowser(this))
{
    setObjectName("HelpWindow");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(640, 560);
}

QString THelpWindow::HelpResource(const QString& helpFile)
{
    return helpFile.compare("kellvar.hlp", Qt::CaseInsensitive) == 0 ? ":/help/kellvar.html" : ":/help/kellva_e.html";
}

QString THelpWindow::ContextAnchor(int context)
{
    return context <= 0 ? QString() : QString("context%1").arg(context);
}

THelpWindow* THelpWindow::Show(QWidget* parent, const QString& helpFile, int context)
{
    static QPointer<THelpWindow> window;
    if (window.isNull())
        window = new THelpWindow(parent);
    window->show();
    window->raise();
    window->browser_->setSource(QUrl("qrc" + HelpResource(helpFile)));
    window->setWindowTitle(window->browser_->documentTitle());
    // Room below the last section, so that every section can stand at the top.
    QTextFrame* root = window->browser_->document()->rootFrame();
    QTextFrameFormat format = root->frameFormat();
    format.setBottomMargin(window->browser_->viewport()->height());
    root->setFrameFormat(format);
    const QString anchor = ContextAnchor(context);
    if (anchor.isEmpty())
        window->browser_->verticalScrollBar()->setValue(0);
    else
        window->browser_->scrollToAnchor(anchor);
    return window;
}

}  // namespace kellvar
