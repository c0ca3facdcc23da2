#include "app/tools/CatalogueColumns.h"

#include "model/Text.h"

QVariant catalogueHeader(const CatalogueColumn& column, int role) {
    const QString caption = QString::fromLatin1(column.caption);
    if (role == Qt::DisplayRole)
        return caption;
    if (role == Qt::ToolTipRole)
        return QStringLiteral("Click, or press Ctrl+S on a cell of this column, to sort by "
                              "%1; again to reverse.")
            .arg(caption);
    return {};
}

QVariant catalogueAlignment(const CatalogueColumn& column) {
    return column.kind == ColumnKind::Figure ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                             : QVariant();
}

QVariant catalogueSortValue(const CatalogueColumn& column, const QString& text,
                            std::optional<double> number) {
    if (text == vantor::NotAvailable)
        return {};
    if (column.kind != ColumnKind::Text && number)
        return *number;
    return text;
}
