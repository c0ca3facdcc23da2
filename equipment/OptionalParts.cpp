#include "equipment/OptionalParts.h"

#include "model/Text.h"

#include <QFile>

#include <stdexcept>

namespace vantor {

namespace {

// The loadout fields of one part slot.
struct PartSlotFields {
    std::uint32_t& standard;
    std::uint32_t& maximum;
    float& balancer;
    float& durability;
    float& veering;
    QString& levelText;
};

PartSlotFields partSlot(Loadout& l, int slot) {
    if (slot == 1)
        return {l.Part1StandardBonus,   l.Part1MaximumBonus, l.Part1BalancerBonus,
                l.Part1DurabilityBonus, l.Part1VeeringBonus, l.Part1LevelText};
    if (slot == 2)
        return {l.Part2StandardBonus,   l.Part2MaximumBonus, l.Part2BalancerBonus,
                l.Part2DurabilityBonus, l.Part2VeeringBonus, l.Part2LevelText};
    throw std::invalid_argument("optional part slot must be 1 or 2");
}

bool isLevelIndex(int L) {
    return L >= 0 && L <= 2;
}

// A newly chosen entry clears the slot's bonuses, except the one it would set
// again itself, which stays until a level is chosen.
void zeroBonuses(PartSlotFields f, int k) {
    if (k != PartAdvancedMount)
        f.standard = 0;
    f.maximum = 0;
    if (k != PartAdvancedBalancer)
        f.balancer = 0;
    if (k != PartMechanicalUnit)
        f.durability = 0;
    if (k != PartPowerCell)
        f.veering = 0;
}

void applyLevel(PartSlotFields f, const PartLevels& levels, int L) {
    const std::uint32_t value = levels.values[static_cast<std::size_t>(L)];
    switch (levels.effect) {
    case LevelEffect::MaximumOnly:
        f.standard = 0;
        f.maximum = value;
        break;
    case LevelEffect::StandardAndMaximum:
        f.standard = value;
        f.maximum = value;
        break;
    case LevelEffect::Balancer:
        f.balancer = static_cast<float>(value);
        break;
    case LevelEffect::Durability:
        f.durability = static_cast<float>(value);
        break;
    case LevelEffect::Veering:
        f.veering = static_cast<float>(value);
        break;
    case LevelEffect::ShownOnly:
        break;
    }
}

} // namespace

QString partDescription(const OptionalPart& part) {
    QFile file(QStringLiteral(":/texts/parts/") + toQString(part.descriptionSlug) +
               QStringLiteral(".txt"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).trimmed();
}

QString levelName(const QString& level) {
    return QStringLiteral("Level ") + level;
}

QString itemWithLevel(const QString& item, const QString& level) {
    return item + QLatin1Char(' ') + levelName(level);
}

QString itemWithLevel(const QString& item, int level) {
    return itemWithLevel(item, QString::number(level));
}

PartChoice choosePart(Loadout& loadout, int slot, int k) {
    PartSlotFields fields = partSlot(loadout, slot);
    const OptionalPart* part = optionalPart(k);
    PartChoice choice;
    if (part) {
        choice.bonusText = toQString(part->bonusTo);
        choice.amountText = toQString(part->amount);
    }
    if (part && !part->levelled) {
        choice.icon = k;
        choice.levelText = QStringLiteral("N/A");
        choice.levelEnabled = false;
    } else {
        choice.icon = IconBlank;
        choice.levelText = QStringLiteral("Set Level");
        choice.levelEnabled = true;
    }
    zeroBonuses(fields, part ? k : -1);
    return choice;
}

LevelChoice chooseLevel(Loadout& loadout, int slot, int k, int L) {
    PartSlotFields fields = partSlot(loadout, slot);
    const OptionalPart* part = optionalPart(k);
    LevelChoice choice;
    choice.icon = part ? k : IconBlank;
    if (!part || k == PartUnarmed) {
        fields.standard = 0;
        fields.maximum = 0;
        fields.durability = 0;
        return choice;
    }
    const PartLevels* levels = partLevels(k);
    if (levels && isLevelIndex(L)) {
        applyLevel(fields, *levels, L);
        choice.amountText = toQString(levels->amounts[static_cast<std::size_t>(L)]);
    }
    return choice;
}

PartInfo ShowOptionalPart(Loadout& loadout, int slot, int k, int levelIndex) {
    PartSlotFields fields = partSlot(loadout, slot);
    if (isLevelIndex(levelIndex))
        fields.levelText = QString::number(levelIndex + 1);
    const OptionalPart* part = optionalPart(k);
    if (!part) {
        const QString na = QStringLiteral("N/A");
        return {na, {na, na, na}, na, na};
    }
    return {toQString(part->name),
            {toQString(part->levelAvailability[0]), toQString(part->levelAvailability[1]),
             toQString(part->levelAvailability[2])},
            toQString(part->unitAvailability),
            partDescription(*part)};
}

} // namespace vantor
