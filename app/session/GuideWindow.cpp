#include "app/session/GuideWindow.h"

#include "app/desktop/ToolWindowPlacement.h"
#include "app/session/ToolWindowKeys.h"

#include <QFile>
#include <QKeyEvent>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>

GuideWindow::GuideWindow(QWidget* mainWindow) : QWidget(mainWindow, Qt::Tool) {
    setObjectName(QStringLiteral("GuideWindow"));
    setWindowTitle(QStringLiteral("Vantor - User Guide"));
    browser = new QTextBrowser(this);
    browser->setObjectName(QStringLiteral("GuideBrowser"));
    browser->setAccessibleName(QStringLiteral("User Guide"));
    // Links are followed here, and only those into the guide itself.
    browser->setOpenExternalLinks(false);
    browser->setOpenLinks(false);
    connect(browser, &QTextBrowser::anchorClicked, this,
            [this](const QUrl& link) { openPage(browser->source().resolved(link)); });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser);
    resize(760, 620);
    addReturnToMainWindowKey(this);
}

QUrl GuideWindow::startPage() {
    return QUrl(QStringLiteral("qrc:/guide/index.md"));
}

bool GuideWindow::isGuideFile(const QUrl& url) {
    return url.scheme() == QLatin1String("qrc") &&
           url.path().startsWith(QLatin1String("/guide/")) &&
           QFile::exists(QLatin1Char(':') + url.path());
}

bool GuideWindow::openPage(const QUrl& url) {
    if (!isGuideFile(url) || !url.path().endsWith(QLatin1String(".md")))
        return false;
    QUrl page = url;
    page.setFragment(QString());
    browser->setSource(page, QTextDocument::MarkdownResource);
    return true;
}

void GuideWindow::present() {
    openPage(startPage());
    if (!placed) {
        placed = true;
        placeToolWindowBesideMain(this, LeastSize);
    }
    show();
    raise();
    activateWindow();
}

void GuideWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}
