#include "app/areas/ReportPages.h"

#include "app/areas/Widgets.h"
#include "app/desktop/HandlerGuard.h"
#include "reports/Reports.h"

#include <QButtonGroup>
#include <QClipboard>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {

// The box's text with carriage return + line feed between its lines.
QString boxText(const QPlainTextEdit* box) {
    return vantor::joinCrLf(box->toPlainText().split(QLatin1Char('\n')));
}

QPlainTextEdit* reportBox(QWidget* group, const char* name, const char* spokenName) {
    QPlainTextEdit* box = makeTextBox(group, name, false);
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    box->setAccessibleName(QString::fromLatin1(spokenName));
    return box;
}

} // namespace

ReportPages::ReportPages(QWidget* groups_, QWidget* panels_, HandlerGuard& guard_, QObject* owner)
    : QObject(owner), groups(groups_), panels(panels_), guard(guard_) {}

void ReportPages::build() {
    if (built())
        return;
    buildHtmlPage(groups, panels, guard);
    buildForumPage(groups, panels, guard);
    setInternetPictures(internet);
}

void ReportPages::buildHtmlPage(QWidget* groups, QWidget* panels, HandlerGuard& guard) {
    htmlGroup = makeGroup(groups, "HtmlGroup", QStringLiteral("Html Code"), PageGroupRect);
    htmlBox = reportBox(htmlGroup, "HtmlRichEdit", "Html Code");
    htmlPanel = makePanel(panels, "HtmlPanel", "Html Generator", PagePanelRect);
    const std::pair<const char*, const char*> buttons[] = {
        {"HtmlGenerateButton", "Generate Html"},
        {"HtmlClearButton", "Clear Html"},
        {"HtmlToClipboardButton", "Copy to Clipboard"},
        {"SpeedButton6", "Launch in IE"},
    };
    for (int i = 0; i < 4; ++i)
        htmlButtons << makeButton(htmlPanel, buttons[i].first,
                                  QString::fromLatin1(buttons[i].second),
                                  QRect(20, 10 + 24 * i, 119, 21));
    auto* pictures = makeGroup(htmlPanel, "VTImageRadioGroup", QStringLiteral("VT Images"),
                               QRect(20, 106, 119, 66));
    pictureChoice = new QButtonGroup(pictures);
    const char* const sources[] = {"Local", "Internet"};
    for (int i = 0; i < 2; ++i) {
        auto* r = new QRadioButton(QString::fromLatin1(sources[i]), pictures);
        r->setObjectName(QStringLiteral("VTImage%1Radio").arg(QString::fromLatin1(sources[i])));
        r->setGeometry(10, 22 + 20 * i, 100, 17);
        pictureChoice->addButton(r, i);
    }
    htmlGroup->hide();
    htmlPanel->hide();

    guard.connect(htmlButtons[0], &QPushButton::clicked, this,
                  [this] { emit htmlGenerateClicked(); });
    guard.connect(htmlButtons[1], &QPushButton::clicked, this, [this] { htmlBox->clear(); });
    guard.connect(htmlButtons[2], &QPushButton::clicked, this,
                  [this] { QGuiApplication::clipboard()->setText(htmlText()); });
    guard.connect(htmlButtons[3], &QPushButton::clicked, this, [this] { emit launchClicked(); });
    guard.connect(pictureChoice, &QButtonGroup::idClicked, this, [this] {
        internet = pictureChoice->checkedId() == 1;
        emit pictureSourceClicked();
    });
}

void ReportPages::buildForumPage(QWidget* groups, QWidget* panels, HandlerGuard& guard) {
    forumGroup = makeGroup(groups, "ForumGroup", QStringLiteral("Forum Code"), PageGroupRect);
    forumBox = reportBox(forumGroup, "ForumRichEdit", "Forum Code");
    forumPanel = makePanel(panels, "ForumPanel", "Forum Code Generator", PagePanelRect);
    const std::pair<const char*, const char*> buttons[] = {
        {"ForumGenerateButton", "Generate Forum Code"},
        {"ForumRichEditClearButton", "Clear Forum Code"},
        {"ForumToClipBoardButton", "Copy To Clipboard"},
        {"PellumFButton", "Launch Pellum Forum"},
    };
    for (int i = 0; i < 4; ++i)
        forumButtons << makeButton(forumPanel, buttons[i].first,
                                   QString::fromLatin1(buttons[i].second),
                                   QRect(20, 10 + 24 * i, 119, 21));
    forumGroup->hide();
    forumPanel->hide();

    guard.connect(forumButtons[0], &QPushButton::clicked, this,
                  [this] { emit forumGenerateClicked(); });
    guard.connect(forumButtons[1], &QPushButton::clicked, this, [this] { forumBox->clear(); });
    guard.connect(forumButtons[2], &QPushButton::clicked, this,
                  [this] { QGuiApplication::clipboard()->setText(forumText()); });
    guard.connect(forumButtons[3], &QPushButton::clicked, this,
                  [this] { emit forumSiteClicked(); });
}

namespace {

// Shows the lines in the box. A new report mostly repeats the last one: when
// the box holds as many lines, only the lines that differ are replaced, so
// that only they are laid out again and the reader keeps his place.
void showText(QPlainTextEdit* box, const QStringList& lines) {
    QTextDocument* document = box->document();
    if (document->blockCount() != lines.size()) {
        box->setPlainText(lines.join(QLatin1Char('\n')));
        return;
    }
    QTextCursor cursor(document);
    bool changed = false;
    QTextBlock block = document->begin();
    for (const QString& line : lines) {
        if (block.text() != line) {
            if (!changed)
                cursor.beginEditBlock();
            changed = true;
            cursor.setPosition(block.position());
            cursor.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
            cursor.insertText(line);
        }
        block = block.next();
    }
    if (changed) {
        cursor.endEditBlock();
        // As with a text set anew, the generated text is not an edit to undo.
        document->clearUndoRedoStacks();
    }
}

} // namespace

void ReportPages::showHtml(const QStringList& lines) {
    showText(htmlBox, lines);
}

void ReportPages::showForumCode(const QStringList& lines) {
    showText(forumBox, lines);
}

QString ReportPages::htmlText() const {
    return built() ? boxText(htmlBox) : QString();
}

QString ReportPages::forumText() const {
    return built() ? boxText(forumBox) : QString();
}

void ReportPages::setInternetPictures(bool internetPictures) {
    internet = internetPictures;
    if (built())
        pictureChoice->button(internet ? 1 : 0)->setChecked(true);
}

void ReportPages::hidePages(Page except) {
    if (!built())
        return;
    if (except != Page::Forum) {
        forumGroup->hide();
        forumPanel->hide();
    }
    if (except != Page::Html) {
        htmlGroup->hide();
        htmlPanel->hide();
    }
}

void ReportPages::showPage(Page page) {
    if (page == Page::Forum || page == Page::Html)
        build();
    if (page == Page::Forum) {
        forumGroup->show();
        forumPanel->show();
    } else if (page == Page::Html) {
        htmlGroup->show();
        htmlPanel->show();
    }
}

QList<QWidget*> ReportPages::forumTabOrder() const {
    if (!built())
        return {};
    QList<QWidget*> order{forumBox};
    for (QPushButton* b : forumButtons)
        order << b;
    return order;
}

QList<QWidget*> ReportPages::htmlTabOrder() const {
    if (!built())
        return {};
    QList<QWidget*> order{htmlBox};
    for (QPushButton* b : htmlButtons)
        order << b;
    return order << pictureChoice->button(0) << pictureChoice->button(1);
}
