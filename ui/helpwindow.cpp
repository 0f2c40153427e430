#include "helpwindow.h"

#include <QPointer>
#include <QTextBrowser>
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
    QUrl url("qrc" + HelpResource(helpFile));
    url.setFragment(ContextAnchor(context));
    window->browser_->setSource(url);
    window->setWindowTitle(window->browser_->documentTitle());
    window->show();
    window->raise();
    return window;
}

}  // namespace kellvar
