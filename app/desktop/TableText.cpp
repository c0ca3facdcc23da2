#include "app/desktop/TableText.h"

#include <QAbstractItemModel>

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
