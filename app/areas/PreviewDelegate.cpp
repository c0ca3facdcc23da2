#include "app/areas/PreviewDelegate.h"

#include "core/Comparison.h"

#include <QPainter>

namespace {

constexpr int Gap = 8;         // between the item's text and its preview
constexpr int BadgeMargin = 3; // inside the status badge, either side of its word

QString ownTip(const QStandardItemModel& model, const QModelIndex& index) {
    return model.QStandardItemModel::data(index, Qt::ToolTipRole).toString();
}

} // namespace

PreviewItemModel::PreviewItemModel(QObject* parent, FiguresOf figures)
    : QStandardItemModel(parent), figures(std::move(figures)) {
    // Other items, other previews.
    connect(this, &QAbstractItemModel::modelReset, this, &PreviewItemModel::clearPreviews);
    connect(this, &QAbstractItemModel::rowsInserted, this, &PreviewItemModel::clearPreviews);
    connect(this, &QAbstractItemModel::rowsRemoved, this, &PreviewItemModel::clearPreviews);
}

QVariant PreviewItemModel::data(const QModelIndex& index, int role) const {
    if (role == OwnTipRole)
        return ownTip(*this, index);
    const Preview* preview = index.isValid() && std::size_t(index.row()) < previews.size()
                                 ? &previews[std::size_t(index.row())]
                                 : nullptr;
    const auto orNothing = [](const QString& text) {
        return text.isEmpty() ? QVariant() : QVariant(text);
    };
    switch (role) {
    case PreviewChangeRole:
        return preview ? orNothing(preview->change) : QVariant();
    case PreviewStatusRole:
        return preview ? orNothing(preview->status) : QVariant();
    case PreviewStatusColourRole:
        return preview && !preview->status.isEmpty() ? QVariant(preview->statusColour) : QVariant();
    case PreviewTextRole:
        return preview ? orNothing(preview->text) : QVariant();
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole:
        break;
    default:
        return QStandardItemModel::data(index, role);
    }
    QString tip = ownTip(*this, index);
    if (tip.isEmpty() && figures && index.isValid())
        tip = figures(index.row());
    if (preview && !preview->text.isEmpty())
        tip = tip.isEmpty() ? preview->text : tip + QLatin1Char('\n') + preview->text;
    if (tip.isEmpty())
        return role == Qt::ToolTipRole ? QVariant() : QStandardItemModel::data(index, role);
    return tip;
}

void PreviewItemModel::setPreview(int row, Preview preview) {
    if (row < 0 || row >= rowCount())
        return;
    if (previews.size() != std::size_t(rowCount()))
        previews.resize(std::size_t(rowCount()));
    previews[std::size_t(row)] = std::move(preview);
}

void PreviewItemModel::clearPreviews() {
    previews.clear();
}

PreviewDelegate::PreviewDelegate(QAbstractItemDelegate* inner, QObject* parent)
    : QAbstractItemDelegate(parent), inner(inner) {}

int PreviewDelegate::previewWidth(const QFontMetrics& metrics, const QModelIndex& index) {
    const QString change = index.data(PreviewChangeRole).toString();
    if (change.isEmpty())
        return 0;
    int width = Gap + metrics.horizontalAdvance(change);
    const QString status = index.data(PreviewStatusRole).toString();
    if (!status.isEmpty())
        width += BadgeMargin + metrics.horizontalAdvance(status) + 2 * BadgeMargin;
    return width + BadgeMargin;
}

void PreviewDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
    if (inner)
        inner->paint(painter, option, index);
    const QString change = index.data(PreviewChangeRole).toString();
    if (change.isEmpty())
        return;
    painter->save();
    painter->setFont(option.font);
    const QFontMetrics metrics(option.font);
    QRect area = option.rect.adjusted(0, 0, -BadgeMargin, 0);
    const QString status = index.data(PreviewStatusRole).toString();
    if (!status.isEmpty()) {
        // The status in its colour and in words, so that it never rests on colour alone.
        const QColor colour = index.data(PreviewStatusColourRole).value<QColor>();
        const int width = metrics.horizontalAdvance(status) + 2 * BadgeMargin;
        const QRect badge(area.right() - width + 1, area.top() + 1, width, area.height() - 2);
        painter->fillRect(badge, colour);
        // Black on yellow and red, white on black.
        painter->setPen(vantor::textColourOn(colour));
        painter->drawText(badge, Qt::AlignCenter, status);
        area.setRight(badge.left() - BadgeMargin);
    }
    const bool selected = option.state & QStyle::State_Selected;
    painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter->drawText(area, Qt::AlignRight | Qt::AlignVCenter, change);
    painter->restore();
}

QSize PreviewDelegate::sizeHint(const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    QSize size = inner ? inner->sizeHint(option, index) : QSize();
    size.rwidth() += previewWidth(QFontMetrics(option.font), index);
    return size;
}
