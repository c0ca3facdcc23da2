#include "app/Accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>

namespace {

const char* const CaptionProperty = "vantorCaption";

class CaptionedValue final : public QAccessibleWidget {
public:
    explicit CaptionedValue(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        const auto* label = static_cast<const QLabel*>(object());
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        if (!label->accessibleName().isEmpty())
            return label->accessibleName();
        const QVariant caption = label->property(CaptionProperty);
        if (caption.isValid())
            return caption.toString() + QLatin1Char(' ') + label->text();
        return label->text();
    }
};

// Every label of the window gets this interface: a label is asked for one as
// soon as it has a text, before its caption can be attached.
QAccessibleInterface* captionedValueFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("QLabel") && object && object->isWidgetType())
        return new CaptionedValue(static_cast<QLabel*>(object));
    return nullptr;
}

} // namespace

void announceWithCaption(QLabel* value, const QString& caption) {
    value->setProperty(CaptionProperty, caption);
}

void installCaptionedValueAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(captionedValueFactory);
        return true;
    }();
    Q_UNUSED(installed);
}
