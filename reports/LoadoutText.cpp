#include "reports/LoadoutText.h"

#include "equipment/FuelTanks.h"
#include "equipment/OptionalParts.h"
#include "model/PartIndex.h"
#include "model/Text.h"
#include "model/VtCatalogue.h"
#include "reports/Reports.h"
#include "weapons/WeaponLists.h"

#include <QStringView>

#include <algorithm>
#include <string_view>

namespace vantor {

namespace {

using Failure = std::optional<LoadoutTextError>;

enum Item : int { ItemVT, ItemFuel, ItemPart1, ItemPart2, ItemMain1 = 4, ItemSub1 = 7 };

QString label(int item) {
    return QLatin1String(ReportItemLabels[static_cast<std::size_t>(item)]);
}

LoadoutTextError itemError(int item, const QString& why) {
    return {label(item), label(item) + QStringLiteral(": ") + why};
}

// A piece of the pasted text for a message: short, and every character one
// can read. A control character shows as its visible symbol (ESC as U+241B),
// any other unprintable one (a direction override, a lone surrogate half) as
// its code (\u202E), so nothing in a message acts on what follows it.
QString excerpt(QStringView text) {
    constexpr qsizetype Longest = 40;
    QString shown;
    for (char32_t c : text.first(std::min(text.size(), Longest)).toUcs4()) {
        if (c < 0x20)
            shown += QChar(char16_t(0x2400 + c));
        else if (c == 0x7f)
            shown += QChar(char16_t(0x2421));
        else if (QChar::isPrint(c) && c != 0xfffd)
            shown += QString::fromUcs4(&c, 1);
        else
            shown += QStringLiteral("\\u") +
                     QString::number(uint(c), 16).toUpper().rightJustified(4, QLatin1Char('0'));
    }
    if (text.size() > Longest)
        shown += QChar(0x2026);
    return QLatin1Char('"') + shown + QLatin1Char('"');
}

bool sameName(QStringView text, std::string_view name) {
    return text.compare(QLatin1String(name.data(), static_cast<qsizetype>(name.size())),
                        Qt::CaseInsensitive) == 0;
}

// Hands out the text's lines one at a time, trimmed, whichever line breaks it
// uses: CR LF, LF, CR, or the Unicode line and paragraph separators.
class LineReader {
public:
    explicit LineReader(QStringView text) : text(text) {}

    std::optional<QStringView> next() {
        if (pos > text.size())
            return std::nullopt;
        qsizetype end = pos;
        while (end < text.size() && !isBreak(text[end]))
            ++end;
        const QStringView line = text.sliced(pos, end - pos);
        const bool crlf = end + 1 < text.size() && text[end] == u'\r' && text[end + 1] == u'\n';
        pos = end + (crlf ? 2 : 1);
        return line.trimmed();
    }

    std::optional<QStringView> nextFilled() {
        while (const auto line = next())
            if (!line->isEmpty())
                return line;
        return std::nullopt;
    }

private:
    static bool isBreak(QChar c) {
        return c == u'\n' || c == u'\r' || c == QChar(0x2028) || c == QChar(0x2029);
    }

    QStringView text;
    qsizetype pos = 0;
};

// "[B]Main Weapon 1:[/B]" and "<strong>Main Weapon 1</strong>", item by item.
struct Markers {
    std::array<QString, ReportItemCount> forum, page;
    Markers() {
        for (int i = 0; i < ReportItemCount; ++i) {
            forum[i] = QStringLiteral("[B]") + label(i) + QStringLiteral(":[/B]");
            page[i] = QStringLiteral("<strong>") + label(i) + QStringLiteral("</strong>");
        }
    }
};

const Markers& markers() {
    static const Markers m;
    return m;
}

// An item's text: up to the next mark-up, spaces simplified. Names hold no
// brackets, so this drops "[/size]" and anything a forum adds at the end.
QString itemText(QStringView rest, QChar markup) {
    const qsizetype end = rest.indexOf(markup);
    return (end < 0 ? rest : rest.first(end)).toString().simplified();
}

Failure missing(int item) {
    return itemError(item, QStringLiteral("missing; the text ends after %1.").arg(label(item - 1)));
}

Failure misplaced(int item, QStringView found) {
    return itemError(
        item, QStringLiteral("expected after %1, found %2.").arg(label(item - 1), excerpt(found)));
}

// Forum code: the VT line is found, the other nine follow it in order, with
// nothing but blank lines between them.
Failure readForum(QStringView vtLine, LineReader& lines,
                  std::array<QString, ReportItemCount>& texts) {
    const QString& vtMarker = markers().forum[ItemVT];
    texts[ItemVT] = itemText(
        vtLine.sliced(vtLine.indexOf(vtMarker, 0, Qt::CaseInsensitive) + vtMarker.size()), u'[');
    for (int item = ItemFuel; item < ReportItemCount; ++item) {
        const auto line = lines.nextFilled();
        if (!line)
            return missing(item);
        const QString& marker = markers().forum[item];
        const qsizetype at = line->indexOf(marker, 0, Qt::CaseInsensitive);
        if (at < 0)
            return misplaced(item, *line);
        QStringView rest = line->sliced(at + marker.size()).trimmed();
        if (rest.startsWith(QLatin1String("[/color]"), Qt::CaseInsensitive))
            rest = rest.sliced(8);
        texts[item] = itemText(rest, u'[');
    }
    return std::nullopt;
}

// HTML page: each label row is followed by its value cell; the picture cell,
// row ends and blank lines may stand between one row and the next label.
Failure readPage(LineReader& lines, std::array<QString, ReportItemCount>& texts) {
    for (int item = ItemVT; item < ReportItemCount; ++item) {
        if (item > ItemVT) {
            std::optional<QStringView> line;
            while ((line = lines.next()) && !line->contains(u"<strong>", Qt::CaseInsensitive)) {
            }
            if (!line)
                return missing(item);
            if (!line->contains(markers().page[item], Qt::CaseInsensitive))
                return misplaced(item, *line);
        }
        const auto cell = lines.nextFilled();
        const qsizetype open = cell ? cell->indexOf(u'>') : -1;
        const qsizetype close =
            open < 0 ? -1 : cell->indexOf(QLatin1String("</td>"), open, Qt::CaseInsensitive);
        if (!cell || !cell->startsWith(u"<td", Qt::CaseInsensitive) || close < 0)
            return itemError(item,
                             QStringLiteral("the value cell does not follow the label, found %1.")
                                 .arg(cell ? excerpt(*cell) : QStringLiteral("the end")));
        texts[item] = itemText(cell->sliced(open + 1, close - open - 1), u'<');
    }
    return std::nullopt;
}

PartText splitLevel(const QString& text) {
    const QLatin1String word(" Level");
    const qsizetype at = text.lastIndexOf(word, -1, Qt::CaseInsensitive);
    const qsizetype after = at + word.size();
    if (at < 0 || (after < text.size() && text[after] != u' '))
        return {text, std::nullopt};
    return {text.first(at), text.sliced(after).trimmed()};
}

// The VT's name as its selector shows it.
QString vtName(int vt) {
    return toQString(vtEntry(vt).selectorName);
}

Failure resolveVt(const QString& text, int& vt) {
    if (text.compare(QLatin1String("Unselected"), Qt::CaseInsensitive) == 0)
        return itemError(ItemVT, QStringLiteral("no VT is chosen."));
    for (int i = 0; i < VtCount; ++i) {
        const VtEntry& e = vtEntry(i);
        if (sameName(text, e.reportName) || sameName(text, e.selectorName)) {
            vt = i;
            return std::nullopt;
        }
    }
    return itemError(ItemVT, QStringLiteral("there is no VT called %1.").arg(excerpt(text)));
}

// "None Fitted", "1" or "2" as the report writes them, or the selector's
// items; "Unselected" leaves the selector as the VT left it.
Failure resolveFuel(const QString& text, int vt, int& fuel) {
    if (text.compare(QLatin1String("Unselected"), Qt::CaseInsensitive) == 0)
        return std::nullopt;
    const QStringList offered = fuelTankItems(vtEntry(vt).fuelTanks);
    const QStringList items = fuelTankItems(2);
    for (int tanks = 0; tanks < items.size(); ++tanks) {
        Loadout scratch;
        const auto report = chooseFuelTank(scratch, tanks).reportText;
        if (text.compare(items[tanks], Qt::CaseInsensitive) != 0 &&
            (!report || text.compare(*report, Qt::CaseInsensitive) != 0))
            continue;
        if (tanks >= offered.size())
            return itemError(
                ItemFuel,
                QStringLiteral("the %1 cannot carry %2.").arg(vtName(vt), items[tanks].toLower()));
        fuel = tanks;
        return std::nullopt;
    }
    return itemError(
        ItemFuel,
        QStringLiteral("%1 is no fuel tank choice (None Fitted, 1 or 2).").arg(excerpt(text)));
}

Failure resolvePart(int item, const PartText& text, PartPick& pick) {
    if (text.name == QLatin1String("Unarmed") && !text.level)
        return std::nullopt;
    const auto part = std::find_if(OptionalParts.begin(), OptionalParts.end(), [&](const auto& p) {
        return sameName(text.name, p.selectorText) || sameName(text.name, p.name);
    });
    if (part == OptionalParts.end())
        return itemError(
            item, QStringLiteral("there is no optional part called %1.").arg(excerpt(text.name)));
    const QString name = toQString(part->selectorText);
    pick.part = part->index;
    const auto isLevel = [](const QString& level) {
        return level.isEmpty() || level == u'1' || level == u'2' || level == u'3';
    };
    if (!part->levelled) {
        // A level picked while the slot reads Unarmed is written after it
        // ("UNARMED Level 1"); Unarmed has no bonus at any level, but its
        // level selector shows the level.
        if (text.level && !(part->index == PartUnarmed && isLevel(*text.level)))
            return itemError(item, QStringLiteral("%1 has no levels.").arg(name));
        if (text.level && !text.level->isEmpty())
            pick.level = text.level->toInt() - 1;
        return std::nullopt;
    }
    if (!text.level)
        return itemError(item, QStringLiteral("%1 needs its level (1, 2 or 3).").arg(name));
    // "Power Cell Level ": the part with its level selector at "Set Level".
    if (text.level->isEmpty())
        return std::nullopt;
    for (int level = 0; level < 3; ++level)
        if (*text.level == QString::number(level + 1)) {
            pick.level = level;
            return std::nullopt;
        }
    return itemError(
        item, QStringLiteral("%1 has no level %2 (1, 2 or 3).").arg(name, excerpt(*text.level)));
}

const WeaponEntry* weaponNamed(WeaponKind kind, QStringView text) {
    for (const WeaponEntry& e : weapons(kind))
        if (sameName(text, e.Name) || sameName(text, e.ListText))
            return &e;
    return nullptr;
}

// One weapon slot of the VT, against the selectors its choice fills.
Failure resolveWeapon(const WeaponSelectors& selectors, int vt, WeaponKind kind, int slot,
                      const QString& text, WeaponPick& pick) {
    const bool main = kind == WeaponKind::Main;
    const int item = (main ? ItemMain1 : ItemSub1) + slot - 1;
    const auto& lists = main ? selectors.main : selectors.sub;
    const auto mount =
        std::find_if(selectors.fixedMounts.begin(), selectors.fixedMounts.end(),
                     [&](const FixedMountInstall& m) { return m.kind == kind && m.slot == slot; });
    const bool fixed = mount != selectors.fixedMounts.end();
    if (!fixed && text == QLatin1String("Unarmed"))
        return std::nullopt;

    const WeaponEntry* entry = weaponNamed(kind, text);
    if (!entry) {
        const WeaponKind other = main ? WeaponKind::Sub : WeaponKind::Main;
        if (const WeaponEntry* elsewhere = weaponNamed(other, text))
            return itemError(
                item,
                QStringLiteral("%1 is a %2, not a %3.")
                    .arg(toQString(elsewhere->Name),
                         main ? QStringLiteral("sub-weapon") : QStringLiteral("main weapon"),
                         main ? QStringLiteral("main weapon") : QStringLiteral("sub-weapon")));
        return itemError(item, QStringLiteral("there is no weapon called %1.").arg(excerpt(text)));
    }
    const QString listText = toQString(entry->ListText);
    const QString name = toQString(entry->Name);

    if (fixed) {
        if (mount->reportName != listText)
            return itemError(item, QStringLiteral("the %1 carries %2 fixed in this slot, not %3.")
                                       .arg(vtName(vt), mount->reportName, name));
        pick = {mount->position, true};
        return std::nullopt;
    }
    const int index = static_cast<int>(lists[slot - 1].indexOf(listText));
    if (index < 0) {
        const bool otherSlot = std::any_of(
            lists.begin(), lists.end(), [&](const QStringList& l) { return l.contains(listText); });
        return itemError(item, QStringLiteral("the %1 cannot carry %2%3.")
                                   .arg(vtName(vt), name,
                                        otherSlot ? QStringLiteral(" in this slot") : QString()));
    }
    pick = {index, false};
    return std::nullopt;
}

} // namespace

LoadoutTextResult<LoadoutNames> parseLoadoutText(const QString& text) {
    if (text.size() > MaxLoadoutTextLength)
        return LoadoutTextError{
            {},
            QStringLiteral(
                "The text is too long to be a loadout (%1 KB; a loadout takes a few KB).")
                .arg((text.size() + 1023) / 1024)};

    LineReader lines(text);
    std::array<QString, ReportItemCount> texts;
    Failure failure = LoadoutTextError{
        {},
        QStringLiteral("The text holds no loadout: neither forum code with its \"VT:\" line nor an "
                       "HTML page with its \"VT\" row.")};
    while (const auto line = lines.next()) {
        if (line->contains(markers().forum[ItemVT], Qt::CaseInsensitive)) {
            failure = readForum(*line, lines, texts);
            break;
        }
        if (line->contains(markers().page[ItemVT], Qt::CaseInsensitive)) {
            failure = readPage(lines, texts);
            break;
        }
    }
    if (failure)
        return *failure;
    for (int item = ItemVT; item < ReportItemCount; ++item)
        if (texts[item].isEmpty())
            return itemError(item, QStringLiteral("nothing is named."));

    LoadoutNames names;
    names.vt = texts[ItemVT];
    names.fuel = texts[ItemFuel];
    for (int i = 0; i < 2; ++i)
        names.parts[i] = splitLevel(texts[ItemPart1 + i]);
    for (int i = 0; i < 3; ++i) {
        names.main[i] = texts[ItemMain1 + i];
        names.sub[i] = texts[ItemSub1 + i];
    }
    return names;
}

LoadoutTextResult<LoadoutPicks> resolveLoadout(const LoadoutNames& names) {
    LoadoutPicks picks;
    if (auto failure = resolveVt(names.vt, picks.vt))
        return *failure;
    if (auto failure = resolveFuel(names.fuel, picks.vt, picks.fuel))
        return *failure;
    for (int i = 0; i < 2; ++i)
        if (auto failure = resolvePart(ItemPart1 + i, names.parts[i], picks.parts[i]))
            return *failure;

    Loadout scratch;
    const WeaponSelectors selectors = buildWeaponSelectors(scratch, picks.vt);
    for (int i = 0; i < 3; ++i)
        if (auto failure = resolveWeapon(selectors, picks.vt, WeaponKind::Main, i + 1,
                                         names.main[i], picks.main[i]))
            return *failure;
    for (int i = 0; i < 3; ++i)
        if (auto failure = resolveWeapon(selectors, picks.vt, WeaponKind::Sub, i + 1, names.sub[i],
                                         picks.sub[i]))
            return *failure;
    return picks;
}

LoadoutTextResult<LoadoutPicks> readLoadoutText(const QString& text) {
    const auto names = parseLoadoutText(text);
    if (const auto* error = std::get_if<LoadoutTextError>(&names))
        return *error;
    return resolveLoadout(std::get<LoadoutNames>(names));
}

} // namespace vantor
