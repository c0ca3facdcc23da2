#include "app/tools/GuideWindow.h"

#include "app/desktop/Accessibility.h"

#include <QFile>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

#include <functional>
#include <utility>

namespace {

// The browser, telling when Tab or Shift+Tab has moved it to another link;
// Qt 6.4 sends no signal then (highlighted is for the mouse).
class GuideBrowser final : public QTextBrowser {
public:
    GuideBrowser(QWidget* parent, std::function<void()> linkMoved)
        : QTextBrowser(parent), linkMoved(std::move(linkMoved)) {}

protected:
    bool focusNextPrevChild(bool next) override {
        const bool moved = QTextBrowser::focusNextPrevChild(next);
        linkMoved();
        return moved;
    }

private:
    const std::function<void()> linkMoved;
};

} // namespace

GuideWindow::GuideWindow(QWidget* mainWindow, ToolWindowHost& host)
    : ToolWindow(mainWindow, host, QStringLiteral("GuideWindow"),
                 QStringLiteral("Vantor - User Guide"), LeastSize) {
    browser = new GuideBrowser(this, [this] { describeFocusedLink(); });
    browser->setObjectName(QStringLiteral("GuideBrowser"));
    browser->setAccessibleName(QStringLiteral("User Guide"));
    // Links are followed here, and only those into the guide itself.
    browser->setOpenExternalLinks(false);
    browser->setOpenLinks(false);
    connect(browser, &QTextBrowser::anchorClicked, this,
            [this](const QUrl& link) { openPage(browser->source().resolved(link)); });
    // A selection made otherwise is no link reached.
    connect(browser, &QTextBrowser::selectionChanged, this, [this] { describeFocusedLink(); });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser);
    resize(760, 620);
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
    browser->setAccessibleDescription(QString());
    describePictures();
    return true;
}

// Qt's text browser gives a screen reader the page as one text, its links and
// headings as plain words. A link reached with Tab is selected; the browser's
// description then says what it reads and where it goes, and a reader is told
// so at once. A link the mouse passes over selects nothing and says nothing;
// once no link is selected, the description is cleared.
void GuideWindow::describeFocusedLink() {
    const QTextCursor cursor = browser->textCursor();
    QString link;
    if (cursor.hasSelection()) {
        QTextCursor inside(browser->document());
        inside.setPosition(cursor.selectionStart() + 1);
        const QString target = inside.charFormat().anchorHref();
        if (!target.isEmpty())
            link = QStringLiteral("Link: %1, %2").arg(cursor.selectedText().simplified(), target);
    }
    if (link == browser->accessibleDescription())
        return;
    browser->setAccessibleDescription(link);
    if (!link.isEmpty())
        announce(browser, link);
}

// A picture's alternative text, kept by the Markdown reader, becomes its
// tooltip as well.
void GuideWindow::describePictures() {
    QTextDocument* page = browser->document();
    QList<std::pair<QTextFragment, QTextImageFormat>> pictures;
    for (QTextBlock block = page->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            QTextImageFormat picture = fragment.charFormat().toImageFormat();
            const QString alt = picture.property(QTextFormat::ImageAltText).toString();
            if (picture.isValid() && !alt.isEmpty() && picture.toolTip() != alt) {
                picture.setToolTip(alt);
                pictures.append({fragment, picture});
            }
        }
    for (const auto& [fragment, picture] : pictures) {
        QTextCursor cursor(page);
        cursor.setPosition(fragment.position());
        cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
        cursor.setCharFormat(picture);
    }
}

// Each time the guide is asked for, it opens at its start.
void GuideWindow::aboutToPresent() {
    openPage(startPage());
}
