#include "weapons/WeaponCatalogue.h"

#include "model/Text.h"

#include <QFile>

namespace vantor {

namespace {

QString readText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).trimmed();
}

} // namespace

QString weaponDescription(const WeaponEntry& entry, WeaponKind kind) {
    if (entry.Id == 0)
        return QStringLiteral("UNARMED");
    const QString folder = kind == WeaponKind::Main ? QStringLiteral(":/texts/weapons/main/")
                                                    : QStringLiteral(":/texts/weapons/sub/");
    return readText(folder + toQString(entry.ListText) + QStringLiteral(".txt"));
}

QString weaponItemTip(const WeaponEntry& entry) {
    if (entry.Id == 0)
        return QStringLiteral("No weapon: weight 0.");
    return QStringLiteral("Weight %1, range %2 m, damage %3.")
        .arg(QString::number(entry.Load), toQString(entry.RangeText), toQString(entry.DamageText));
}

} // namespace vantor
