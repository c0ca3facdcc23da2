#include "WindowTest.h"

#include "controls/Cgauges.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCryptographicHash>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSet>
#include <QTest>

#include <algorithm>

Window::Window(bool shown) {
    auto fake = std::make_unique<FakePlatform>();
    platform = fake.get();
    window = std::make_unique<TVantor>(nullptr, std::move(fake));
    if (shown)
        show();
}

void Window::show() const {
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get()))
        qWarning("window not active");
    // What is not on screen at start is built once the window has been
    // painted; the user meets it built.
    if (!QTest::qWaitFor([this] { return window->findChild<QWidget*>("RangeGroup"); }))
        qWarning("the advanced pages were not built");
}

Window::~Window() = default;

void Window::pick(const char* selector, int index) const {
    QComboBox* c = combo(selector);
    if (!c->isEnabled())
        qFatal("%s is disabled", selector);
    c->showPopup();
    QAbstractItemView* view = c->view();
    view->setCurrentIndex(view->model()->index(index, 0));
    QTest::keyClick(view, Qt::Key_Return);
}

void Window::pick(const char* selector, const QString& item) const {
    const int index = combo(selector)->findText(item, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0)
        qFatal("%s has no item %s", selector, qPrintable(item));
    pick(selector, index);
}

void Window::type(const char* selector, const QString& text) const {
    QLineEdit* edit = combo(selector)->lineEdit();
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

void Window::leave(const char* selector) const {
    QLineEdit* edit = combo(selector)->lineEdit();
    QTest::keyClick(edit, Qt::Key_Tab);
    // Where the platform moved no focus, the edit ends as focus loss would end it.
    if (edit->hasFocus())
        emit edit->editingFinished();
}

void Window::click(const char* name) const {
    QPushButton* b = button(name);
    if (!b->isEnabled() || !b->isVisible())
        qFatal("%s cannot be clicked", name);
    QTest::mouseClick(b, Qt::LeftButton);
}

void Window::press(const QKeySequence& keys) const {
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : window.get();
    const QKeyCombination key = keys[0];
    QTest::keyClick(target, key.key(), key.keyboardModifiers());
}

QStringList Window::items(const char* selector) const {
    QStringList list;
    QComboBox* c = combo(selector);
    for (int i = 0; i < c->count(); ++i)
        list << c->itemText(i);
    return list;
}

namespace {

// Components whose look is the user's view of the window, not the loadout.
const QSet<QString> ViewComponents = {
    QStringLiteral("LoadoutGroup"),
    QStringLiteral("StatsGroup"),
    QStringLiteral("RankGroup"),
    QStringLiteral("GraphGroup"),
    QStringLiteral("VTImage"),
    QStringLiteral("LoadoutButton"),
    QStringLiteral("StatsButton"),
    QStringLiteral("RankButton"),
    QStringLiteral("GraphButton"),
    QStringLiteral("ImageButton"),
    QStringLiteral("WeaponInfoGroup"),
    QStringLiteral("WeaponStatsPanel"),
    QStringLiteral("RangeGroup"),
    QStringLiteral("RangePanel"),
    QStringLiteral("PartsGroup"),
    QStringLiteral("PartStatsPanel"),
    QStringLiteral("ForumGroup"),
    QStringLiteral("ForumPanel"),
    QStringLiteral("HtmlGroup"),
    QStringLiteral("HtmlPanel"),
    QStringLiteral("IconKeyGroup"),
    QStringLiteral("MiscGroup"),
    QStringLiteral("FactionPanel"),
    QStringLiteral("FactionButton"),
    QStringLiteral("MiddlePanel"),
    QStringLiteral("BottomPanel"),
    QStringLiteral("TitleLabel"),
    QStringLiteral("CorvaneButton"),
    QStringLiteral("KerrowButton"),
    QStringLiteral("PellumButton"),
    QStringLiteral("AdvFunctionButton"),
    QStringLiteral("WeaponPageButton"),
    QStringLiteral("WeaponRangeButton"),
    QStringLiteral("PartsPageButton"),
    QStringLiteral("ForumPageButton"),
    QStringLiteral("HtmlPageButton"),
    QStringLiteral("MiscPageButton"),
    QStringLiteral("HtmlRichEdit"),
    QStringLiteral("ForumRichEdit"),
    // The descriptions and the intel follow the weapon, part and faction that
    // the labels and the flag show, and are laid out when they are seen.
    QStringLiteral("WeaponInfoRichEdit"),
    QStringLiteral("PartInfoRichEdit"),
    QStringLiteral("FactionRichEdit"),
};

// A pixmap's cache key changes whenever its pixels do and is never given to
// another, so each picture is hashed once: hashing every picture in every
// dump took a fifth of a random session.
QString pictureHash(const QPixmap& pixmap) {
    if (pixmap.isNull())
        return QStringLiteral("none");
    static QHash<qint64, QString> hashes;
    QString& hash = hashes[pixmap.cacheKey()];
    if (hash.isEmpty()) {
        const QImage image = pixmap.toImage().convertToFormat(QImage::Format_RGB32);
        hash = QString::fromLatin1(
            QCryptographicHash::hash(QByteArrayView(image.constBits(), image.sizeInBytes()),
                                     QCryptographicHash::Md5)
                .toHex());
    }
    return hash;
}

QString colours(const QWidget* w, QPalette::ColorRole role) {
    return w->palette().color(role).name() +
           (w->autoFillBackground() ? QStringLiteral(" on ") : QStringLiteral(" off "));
}

} // namespace

QStringList Window::dump() const {
    QStringList lines;
    const auto rect = [](const QRect& r) {
        return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
    };
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        const QString name = w->objectName();
        // The comparison is a window of its own, not part of the session.
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_")) || w->window() != window.get())
            continue;
        if (ViewComponents.contains(name))
            continue;
        // What a hidden component holds does not show.
        QString line = QStringLiteral("%1 hidden=%2 enabled=%3")
                           .arg(name)
                           .arg(w->isHidden())
                           .arg(w->isEnabled());
        if (w->isHidden()) {
            lines << line;
            continue;
        }
        line += QStringLiteral(" at %1 bold=%2").arg(rect(w->geometry())).arg(w->font().bold());
        if (const auto* l = qobject_cast<const QLabel*>(w)) {
            line += QStringLiteral(" text=\"%1\" picture=%2 colours=%3%4")
                        .arg(l->text(), pictureHash(l->pixmap()), colours(l, QPalette::WindowText),
                             colours(l, QPalette::Window));
        } else if (const auto* c = qobject_cast<const QComboBox*>(w)) {
            QStringList items;
            for (int i = 0; i < c->count(); ++i)
                items << c->itemText(i) + QStringLiteral(" (") +
                             c->itemData(i, Qt::ToolTipRole).toString() + QLatin1Char(')');
            line += QStringLiteral(" items=[%1] index=%2 text=\"%3\"")
                        .arg(items.join(QLatin1Char('|')))
                        .arg(c->currentIndex())
                        .arg(c->currentText());
        } else if (const auto* b = qobject_cast<const QPushButton*>(w)) {
            line += QStringLiteral(" text=\"%1\" flat=%2 colour=%3")
                        .arg(b->text())
                        .arg(b->isFlat())
                        .arg(b->palette().color(QPalette::ButtonText).name());
        } else if (const auto* t = qobject_cast<const QPlainTextEdit*>(w)) {
            line += QStringLiteral(" text=\"%1\"").arg(t->toPlainText());
        } else if (const auto* g = qobject_cast<const TCGauge*>(w)) {
            line += QStringLiteral(" progress=%1").arg(g->progress());
        } else if (const auto* r = qobject_cast<const QAbstractButton*>(w)) {
            line += QStringLiteral(" checked=%1").arg(r->isChecked());
        }
        if (!w->toolTip().isEmpty())
            line += QStringLiteral(" tip=\"%1\"").arg(w->toolTip());
        lines << line;
    }
    // Raising a view reorders the components, so they are listed by name.
    lines.sort();
    return lines;
}
