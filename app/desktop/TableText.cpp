#include "app/desktop/TableText.h"

#include "app/desktop/Accessibility.h"

#include <QAbstractItemModel>
#include <QClipboard>
#include <QGuiApplication>

QString tableText(const QAbstractItemModel& model) {
    QString text;
    const auto line = [&text, columns = model.columnCount()](auto cellText) {
        for (int c = 0; c < columns; ++c) {
            if (c > 0)
                text += QLatin1Char('\t');
            text += cellText(c);
        }
        text += QLatin1Char('\n');
    };
    line([&model](int c) { return model.headerData(c, Qt::Horizontal).toString(); });
    for (int r = 0; r < model.rowCount(); ++r)
        line([&model, r](int c) { return model.index(r, c).data().toString(); });
    return text;
}

void copyTableText(QWidget* from, const QAbstractItemModel& model) {
    QGuiApplication::clipboard()->setText(tableText(model));
    const int rows = model.rowCount();
    confirmBriefly(from, QStringLiteral("Table copied: %1 %2")
                             .arg(rows)
                             .arg(rows == 1 ? QStringLiteral("row") : QStringLiteral("rows")));
}
