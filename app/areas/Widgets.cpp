#include "app/areas/Widgets.h"

#include "app/areas/FramedGroup.h"
#include "app/areas/SelectorBox.h"

#include <QComboBox>
#include <QCompleter>
#include <QCoreApplication>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>

QFont boldFont(const QWidget* w, int pixelSize) {
    QFont f = w->font();
    f.setBold(true);
    if (pixelSize > 0)
        f.setPixelSize(pixelSize);
    return f;
}

void setBold(QWidget* w, bool bold) {
    // A font change makes Qt lay the component out again; skip it when unchanged.
    if (w->font().bold() == bold)
        return;
    QFont f = w->font();
    f.setBold(bold);
    w->setFont(f);
}

QFrame* makePanel(QWidget* parent, const char* name, const char* spokenName, QRect rect) {
    auto* p = new QFrame(parent);
    p->setObjectName(QString::fromLatin1(name));
    p->setAccessibleName(QString::fromLatin1(spokenName));
    p->setFrameShape(QFrame::NoFrame);
    p->setGeometry(rect);
    return p;
}

QGroupBox* makeGroup(QWidget* parent, const char* name, const QString& title, QRect rect) {
    auto* g = new FramedGroup(title, parent);
    g->setObjectName(QString::fromLatin1(name));
    g->setGeometry(rect);
    g->setAutoFillBackground(true);
    return g;
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, QPoint at, int width,
                  int height) {
    auto* l = new QLabel(parent);
    // What a label shows is never read as mark-up, whatever it holds.
    l->setTextFormat(Qt::PlainText);
    l->setText(text);
    if (name)
        l->setObjectName(QString::fromLatin1(name));
    l->move(at);
    if (width > 0)
        l->resize(width, height);
    else
        l->adjustSize();
    return l;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption, QRect rect) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(rect);
    b->setAutoDefault(false);
    return b;
}

namespace {

template <class Box>
Box* makeEditableBox(QWidget* parent, const char* name, QPoint at, int width,
                     const QStringList& items, const QString& text) {
    auto* c = new Box(parent);
    c->setObjectName(QString::fromLatin1(name));
    // Typed text is resolved by the handlers, so nothing is inserted and no
    // completion rewrites what was typed. The selector is made editable by
    // giving it its field, which already has a completer: setEditable() would
    // build a drop-down list and a completer over the items at once, only for
    // the completer to be thrown away; the list is built when first opened.
    // One placeholder serves every selector: it leaves each field again at
    // once, and making a completer costs as much as a small widget.
    static QPointer<QCompleter> placeholder;
    if (!placeholder)
        placeholder = new QCompleter(QCoreApplication::instance());
    auto* field = new QLineEdit(c);
    field->setPalette(c->palette());
    field->setCompleter(placeholder);
    c->setLineEdit(field);
    c->setCompleter(nullptr);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->setGeometry(at.x(), at.y(), width, 21);
    // QLineEdit keeps 2 pixels clear on either side of its text and scrolls a
    // text that leaves no pixel for the cursor after it: in the 98-pixel field
    // of a 121-pixel selector, "Generals Inspection" (98 pixels) would lose its
    // first letters. The field's whole width goes to the text instead; only
    // the cursor after the widest items falls past its edge.
    c->lineEdit()->setTextMargins(-2, 0, -3, 0);
    c->addItems(items);
    c->setCurrentIndex(-1);
    c->setEditText(text);
    return c;
}

} // namespace

QComboBox* makeSelector(QWidget* parent, const char* name, QPoint at, int width,
                        const QStringList& items, const QString& text) {
    return makeEditableBox<QComboBox>(parent, name, at, width, items, text);
}

SelectorBox* makeSelectorBox(QWidget* parent, const char* name, QPoint at, int width,
                             const QStringList& items, const QString& text) {
    return makeEditableBox<SelectorBox>(parent, name, at, width, items, text);
}

void nameSelector(QComboBox* selector, const QString& spokenName) {
    selector->setAccessibleName(spokenName);
    selector->lineEdit()->setAccessibleName(spokenName);
}

QLabel* makeImage(QWidget* parent, const char* name, QRect rect) {
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(rect);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}

QPlainTextEdit* makeTextBox(QWidget* parent, const char* name, bool readOnly) {
    auto* t = new QPlainTextEdit(parent);
    t->setObjectName(QString::fromLatin1(name));
    t->setGeometry(10, 16, 498, 136);
    t->setReadOnly(readOnly);
    // Tab leaves the box for the page's buttons rather than typing a tab.
    t->setTabChangesFocus(true);
    t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    return t;
}
