#include "app/Components.h"

#include <algorithm>

#include <QComboBox>
#include <QCompleter>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QIcon>
#include <QIconEngine>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QStylePainter>

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

QFrame* makePanel(QWidget* parent, const char* name, QRect rect) {
    auto* p = new QFrame(parent);
    p->setObjectName(QString::fromLatin1(name));
    p->setFrameShape(QFrame::NoFrame);
    p->setGeometry(rect);
    return p;
}

namespace {

// A group box that draws its frame and title once and keeps the picture:
// whenever a component inside it changes, the part of the group behind it is
// painted again, and the style's frame and title cost more to draw than most
// components do.
class FramedGroup final : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent* event) override {
        const qreal ratio = devicePixelRatioF();
        const QSize pixels = size() * ratio;
        if (drawn.size() != pixels || drawn.devicePixelRatio() != ratio || drawnTitle != title()) {
            drawnTitle = title();
            drawn = QPixmap(pixels);
            drawn.setDevicePixelRatio(ratio);
            drawn.fill(palette().color(backgroundRole()));
            QStylePainter painter(&drawn, this);
            QStyleOptionGroupBox option;
            initStyleOption(&option);
            painter.drawComplexControl(QStyle::CC_GroupBox, option);
        }
        QPainter painter(this);
        const QRect area = event->rect();
        painter.drawPixmap(area, drawn,
                           QRectF(QPointF(area.topLeft()) * ratio, QSizeF(area.size()) * ratio));
    }
    void changeEvent(QEvent* event) override {
        // What the frame and title look like follows these.
        switch (event->type()) {
        case QEvent::EnabledChange:
        case QEvent::FontChange:
        case QEvent::PaletteChange:
        case QEvent::StyleChange:
        case QEvent::LayoutDirectionChange:
            drawn = QPixmap();
            break;
        default:
            break;
        }
        QGroupBox::changeEvent(event);
    }

private:
    QPixmap drawn;
    QString drawnTitle;
};

} // namespace

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

QComboBox* makeSelector(QWidget* parent, const char* name, QPoint at, int width,
                        const QStringList& items, const QString& text) {
    auto* c = new QComboBox(parent);
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

namespace {

// Reading a picture costs the start of the program more than building a
// widget, and a desktop may never ask for most of an icon's sizes.
class ResourceIconEngine final : public QIconEngine {
public:
    ResourceIconEngine(QString pattern, QList<int> sizes)
        : pattern(std::move(pattern)), sizes(std::move(sizes)), pictures(this->sizes.size()) {}

    QIconEngine* clone() const override { return new ResourceIconEngine(*this); }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> available;
        for (int size : sizes)
            available << QSize(size, size);
        return available;
    }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int side = std::min({size.width(), size.height(), sizes.last()});
        return QSize(side, side);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        // The smallest picture at least as large, else the largest.
        const int wanted = std::max(size.width(), size.height());
        qsizetype i = 0;
        while (i + 1 < sizes.size() && sizes[i] < wanted)
            ++i;
        if (pictures[i].isNull())
            pictures[i] = QPixmap::fromImage(
                builtInImage(sizes.size() > 1 ? pattern.arg(sizes[i]) : pattern));
        const QPixmap& picture = pictures[i];
        return picture.size() == size
                   ? picture
                   : picture.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
        QPixmap picture = pixmap(rect.size() * ratio, mode, state);
        picture.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect, picture);
    }

private:
    QString pattern;
    QList<int> sizes;
    QList<QPixmap> pictures;
};

} // namespace

QImage builtInImage(const QString& resource) {
    // Where it may detect a picture's format, Qt first loads every image
    // plugin installed to ask whether it would read the picture instead of
    // Qt's own reader; these pictures are known to be what their names say.
    QImageReader reader(resource, QFileInfo(resource).suffix().toLatin1());
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

QIcon resourceIcon(const QString& pattern, const QList<int>& sizes) {
    return QIcon(new ResourceIconEngine(pattern, sizes));
}
