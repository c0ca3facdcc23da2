#include "app/Appearance.h"

#include "app/Components.h"
#include "app/Version.h"

#include <QApplication>
#include <QCache>
#include <QFont>
#include <QFontDatabase>
#include <QGroupBox>
#include <QPainter>
#include <QProxyStyle>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTextLayout>
#include <qdrawutil.h>

#include <algorithm>
#include <cmath>

namespace {

// Fusion, with push buttons that leave their captions 3 pixels at each side
// and 1 at top and bottom: buttons 17 pixels high have no room for Fusion's
// own margins. (A style sheet would do the same, but it makes every widget
// of the window slower to build and to paint.)
class VantorStyle final : public QProxyStyle {
public:
    explicit VantorStyle(bool kept)
        : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))), kept(kept) {}

    // Fusion's group frame, drawn from Fusion's own picture as Fusion draws
    // it. Fusion reads the picture at every frame it draws, and Qt, before
    // reading a picture whose format it may detect, loads every image plugin
    // installed to ask whether it would rather read it: at start-up that was
    // the only reason to load them.
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        if (element != PE_FrameGroupBox || !kept) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        if (groupFrame.isNull())
            groupFrame = QPixmap::fromImage(
                builtInImage(QStringLiteral(":/qt-project.org/styles/commonstyle/images/"
                                            "fusion_groupbox.png")));
        int top = GroupBoxTopMargin;
        const auto* group = qobject_cast<const QGroupBox*>(widget);
        if (!group || group->isCheckable() || !group->title().isEmpty())
            top += std::max(baseStyle()->pixelMetric(PM_ExclusiveIndicatorHeight),
                            option->fontMetrics.height());
        qDrawBorderPixmap(painter, option->rect.adjusted(0, top, 0, 0), QMargins(6, 6, 6, 6),
                          groupFrame);
    }

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
        if (element != CE_PushButton || !button) {
            QProxyStyle::drawControl(element, option, painter, widget);
            return;
        }
        proxy()->drawControl(CE_PushButtonBevel, button, painter, widget);
        QStyleOptionButton label = *button;
        label.rect = button->rect.adjusted(3, 1, -3, -1);
        proxy()->drawControl(CE_PushButtonLabel, &label, painter, widget);
        if (button->state & State_HasFocus) {
            QStyleOptionFocusRect focus;
            focus.QStyleOption::operator=(*button);
            focus.rect = subElementRect(SE_PushButtonFocusRect, button, widget);
            proxy()->drawPrimitive(PE_FrameFocusRect, &focus, painter, widget);
        }
    }

    // Captions keep their layout: laying text out is most of what painting a
    // button or a radio button costs, and captions seldom change. A caption
    // is drawn exactly where and as Fusion draws it: one line laid out as
    // QPainter::drawText() lays it out, drawn from the same point.
    void drawItemText(QPainter* painter, const QRect& rect, int flags, const QPalette& palette,
                      bool enabled, const QString& text,
                      QPalette::ColorRole textRole) const override {
        const int horizontal = flags & Qt::AlignHorizontal_Mask;
        if (!kept || text.isEmpty() || text.contains(QLatin1Char('&')) ||
            text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\t')) ||
            (flags & (Qt::TextWordWrap | Qt::TextWrapAnywhere | Qt::TextJustificationForced)) ||
            (horizontal & ~(Qt::AlignLeft | Qt::AlignHCenter | Qt::AlignAbsolute)) ||
            painter->layoutDirection() == Qt::RightToLeft ||
            painter->transform().type() > QTransform::TxTranslate || painter->font().underline() ||
            painter->font().strikeOut() || painter->font().overline()) {
            QProxyStyle::drawItemText(painter, rect, flags, palette, enabled, text, textRole);
            return;
        }
        const Caption key{text, painter->font(), flags, rect, painter->transform()};
        const LaidOut* laidOut = captions.object(key);
        if (!laidOut) {
            auto* made = new LaidOut;
            made->layout.setText(text);
            made->layout.setFont(painter->font());
            made->layout.setCacheEnabled(true);
            QTextOption option;
            option.setTextDirection(painter->layoutDirection());
            option.setAlignment(Qt::AlignLeft);
            made->layout.setTextOption(option);
            made->layout.beginLayout();
            QTextLine line = made->layout.createLine();
            line.setLineWidth(0x01000000);
            line.setPosition(QPointF(0, 0));
            made->layout.endLayout();
            // Where drawText() puts the line: centred or at the bottom, its
            // left from the line's advance.
            // The line's own height: QTextLine::height() rounds it up.
            const qreal height = line.ascent() + line.descent();
            const int vertical = flags & Qt::AlignVertical_Mask;
            qreal top = 0;
            if (vertical & Qt::AlignBottom)
                top = rect.height() - height;
            else if (vertical & Qt::AlignVCenter)
                top = (rect.height() - height) / 2;
            const qreal left =
                (horizontal & Qt::AlignHCenter) ? (rect.width() - line.horizontalAdvance()) / 2 : 0;
            made->origin = QPointF(rect.x() + left, rect.y() + top);
            // Text that may reach the rectangle's edge is clipped to it.
            made->clip =
                !QRectF(rect)
                     .adjusted(1, 1, -1, -1)
                     .contains(QRectF(made->origin, QSizeF(line.naturalTextWidth(), height)));
            captions.insert(key, made);
            laidOut = made;
        }
        const QPen savedPen = painter->pen();
        if (textRole != QPalette::NoRole)
            painter->setPen(QPen(palette.brush(textRole), savedPen.widthF()));
        if (laidOut->clip) {
            painter->save();
            painter->setClipRect(rect, Qt::IntersectClip);
        }
        laidOut->layout.lineAt(0).draw(painter, laidOut->origin);
        if (laidOut->clip)
            painter->restore();
        painter->setPen(savedPen);
    }

private:
    struct Caption {
        QString text;
        QFont font;
        int flags;
        QRect rect;
        QTransform transform;
        bool operator==(const Caption&) const = default;
    };
    friend size_t qHash(const Caption& c, size_t seed = 0) {
        return qHashMulti(seed, c.text, c.font, c.flags, c.rect.x(), c.rect.y(), c.rect.width(),
                          c.rect.height(), c.transform.dx(), c.transform.dy());
    }
    struct LaidOut {
        QTextLayout layout;
        QPointF origin; // where the line is drawn from
        bool clip = false;
    };
    static constexpr int GroupBoxTopMargin = 3; // Fusion's
    bool kept;
    mutable QPixmap groupFrame;
    mutable QCache<Caption, LaidOut> captions{1024};
};

// Metric-compatible with Arial, most faithful first: Liberation Sans and
// Arimo are drawn to Arial's widths, Nimbus Sans, TeX Gyre Heros and
// FreeSans to Helvetica's, which Arial shares.
const char* const ArialMetricFamilies[] = {
    "Liberation Sans", "Nimbus Sans", "Arimo",          "Arial",    "Nimbus Sans L",
    "Helvetica",       "Albany AMT",  "TeX Gyre Heros", "FreeSans",
};

// "Nimbus Sans [UKWN]" names the family "Nimbus Sans" of one foundry.
QString withoutFoundry(const QString& family) {
    const qsizetype bracket = family.indexOf(QStringLiteral(" ["));
    return bracket < 0 ? family : family.left(bracket);
}

} // namespace

QString uiFontFamily(const QStringList& installedFamilies) {
    for (const char* wanted : ArialMetricFamilies)
        for (const QString& installed : installedFamilies)
            if (withoutFoundry(installed).compare(QLatin1String(wanted), Qt::CaseInsensitive) == 0)
                return installed;
    return QString::fromLatin1(GenericSansFamily);
}

QStyle* vantorStyle(bool kept) {
    return new VantorStyle(kept);
}

void applyVantorAppearance(QApplication& app) {
    // A desktop's own style and palette would cut captions and put the
    // figures' fixed colours on a background they were not chosen for.
    app.setStyle(vantorStyle());
    QApplication::setPalette(QApplication::style()->standardPalette());

    // The family is named exactly as installed: a list of wishes with a style
    // hint lets the font matching settle on the desktop's generic sans-serif,
    // which is wider, before a metric-compatible family.
    const QString family = uiFontFamily(QFontDatabase::families());
    QFont font(family);
    if (family == QLatin1String(GenericSansFamily))
        font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    QApplication::setFont(font);
}

QIcon vantorIcon() {
    return resourceIcon(QStringLiteral(":/art/vantor-%1.png"), {16, 24, 32, 48, 64, 128, 256});
}

void prepareVantorApplication(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("Vantor"));
    QApplication::setApplicationVersion(QString::fromLatin1(vantor::Version));
    // The desktop entry, the AppStream data and the icons share this id.
    QApplication::setDesktopFileName(QString::fromLatin1(vantor::AppId));
    QApplication::setWindowIcon(vantorIcon());
    applyVantorAppearance(app);
}
