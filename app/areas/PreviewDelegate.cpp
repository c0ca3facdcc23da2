#include "app/areas/PreviewDelegate.h"

#include "core/Comparison.h"

#include <QAbstractItemView>
#include <QChildEvent>
#include <QComboBox>
#include <QPainter>

namespace {

constexpr int Gap = 8;         // between the item's text and its preview
constexpr int BadgeMargin = 3; // inside the status badge, either side of its word

QString ownTip(const QStandardItemModel& model, const QModelIndex& index) {
    return model.QStandardItemModel::data(index, Qt::ToolTipRole).toString();
}

PreviewItemModel* previewModel(const QComboBox* selector) {
    return qobject_cast<PreviewItemModel*>(selector->model());
}

// Watches a selector for its list: the list's frame is made, as the
// selector's child, the first time the list opens; each time it shows, the
// previews are asked for, and when it hides they are forgotten.
class ListWatcher : public QObject {
public:
    ListWatcher(QComboBox* selector, std::function<void()> opened)
        : QObject(selector), selector(selector), opened(std::move(opened)) {}

    QPointer<QWidget> list;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == selector) {
            if (event->type() == QEvent::ChildAdded) {
                QObject* child = static_cast<QChildEvent*>(event)->child();
                if (child->isWidgetType())
                    child->installEventFilter(this);
            }
            return false;
        }
        if (!watched->isWidgetType() || !static_cast<QWidget*>(watched)->isWindow())
            return false;
        if (event->type() == QEvent::Show) {
            list = static_cast<QWidget*>(watched);
            QAbstractItemView* view = selector->view();
            if (!dynamic_cast<PreviewDelegate*>(view->itemDelegate()))
                view->setItemDelegate(new PreviewDelegate(view->itemDelegate(), view));
            opened();
            fitPreviewList(selector);
        } else if (event->type() == QEvent::Hide) {
            if (PreviewItemModel* model = previewModel(selector))
                model->clearPreviews();
        }
        return false;
    }

private:
    QComboBox* selector;
    std::function<void()> opened;
};

ListWatcher* watcherOf(const QComboBox* selector) {
    for (QObject* child : selector->children())
        if (auto* watcher = dynamic_cast<ListWatcher*>(child))
            return watcher;
    return nullptr;
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

void installPreviews(QComboBox* selector, const std::function<void()>& opened,
                     PreviewItemModel::FiguresOf figures) {
    auto* model = new PreviewItemModel(selector, std::move(figures));
    // The items move over with their tips; the shown text stays as it was.
    const int current = selector->currentIndex();
    const QString text = selector->currentText();
    for (int item = 0; item < selector->count(); ++item) {
        auto* row = new QStandardItem(selector->itemText(item));
        row->setData(selector->itemData(item, Qt::ToolTipRole), Qt::ToolTipRole);
        model->appendRow(row);
    }
    selector->setModel(model);
    selector->setCurrentIndex(current);
    if (selector->isEditable() && selector->currentText() != text)
        selector->setEditText(text);
    auto* watcher = new ListWatcher(selector, opened);
    selector->installEventFilter(watcher);
    // A list Qt has made already (Qt 6.8 makes it when the selector gets its
    // model) is watched from now on as well.
    for (QObject* child : selector->children())
        if (child->isWidgetType())
            child->installEventFilter(watcher);
}

void setItemPreview(QComboBox* selector, int item, const QString& change, const QString& status,
                    const QColor& statusColour, const QString& text) {
    if (PreviewItemModel* model = previewModel(selector))
        model->setPreview(item, {change, status, statusColour, text});
}

bool previewListOpen(const QComboBox* selector) {
    const ListWatcher* watcher = watcherOf(selector);
    return watcher && watcher->list && watcher->list->isVisible();
}

void fitPreviewList(QComboBox* selector) {
    const ListWatcher* watcher = watcherOf(selector);
    if (!watcher || !watcher->list)
        return;
    QAbstractItemView* view = selector->view();
    view->doItemsLayout();
    view->viewport()->update();
    // The frame, margins and scroll bar around the items stay as they are.
    const int wanted =
        view->sizeHintForColumn(0) + watcher->list->width() - view->viewport()->width();
    if (wanted > watcher->list->width())
        watcher->list->resize(wanted, watcher->list->height());
}
