#include "factions/Factions.h"

#include <QFile>

namespace vantor {

// The table is in enum order, so a faction indexes its own record.
static_assert([] {
    for (std::size_t i = 0; i < Factions.size(); ++i)
        if (static_cast<std::size_t>(Factions[i].faction) != i)
            return false;
    return true;
}());

const FactionRecord& factionRecord(Faction faction) {
    return Factions.at(static_cast<std::size_t>(faction));
}

QString factionIntelResource(Faction faction) {
    const std::string_view slug = factionRecord(faction).intelSlug;
    return QStringLiteral(":/texts/factions/") +
           QString::fromUtf8(slug.data(), qsizetype(slug.size())) + QStringLiteral(".txt");
}

QString factionIntelText(Faction faction) {
    QFile file(factionIntelResource(faction));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // The files end with a line break that is no part of the paragraph.
    return QString::fromUtf8(file.readAll()).trimmed();
}

} // namespace vantor
