#include "reports/FileReplace.h"

#include <QRandomGenerator>

namespace vantor {

QString temporaryName(const QString& name, QRandomGenerator& names, qsizetype longest,
                      qsizetype (*unitsOf)(const QString&)) {
    const QString drawn = QStringLiteral(".") + QString::number(names.generate(), 36);
    QString kept = name;
    // Cut whole characters from the end, never half of a surrogate pair.
    while (!kept.isEmpty() && unitsOf(QLatin1Char('.') + kept + drawn) > longest)
        kept.chop(kept.size() > 1 && kept.back().isLowSurrogate() ? 2 : 1);
    return QLatin1Char('.') + kept + drawn;
}

} // namespace vantor
