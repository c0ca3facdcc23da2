#include "app/tools/TableColumns.h"

#include "model/Text.h"

QVariant columnHeader(const TableColumn& column, int role) {
    const QString caption = QString::fromLatin1(column.caption);
    if (role == Qt::DisplayRole)
        return caption;
    if (role == Qt::ToolTipRole)
        return QStringLiteral("Click, or press Ctrl+S on a cell of this column, to sort by "
                              "%1; again to reverse.")
            .arg(caption);
    return {};
}

QVariant columnAlignment(const TableColumn& column) {
    return column.kind == ColumnKind::Figure ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                             : QVariant();
}

QVariant columnSortValue(const TableColumn& column, const QString& text,
                         std::optional<double> number) {
    if (text == vantor::NotAvailable)
        return {};
    if (column.kind != ColumnKind::Text && number)
        return *number;
    return text;
}
