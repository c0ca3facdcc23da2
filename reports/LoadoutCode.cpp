#include "reports/LoadoutCode.h"

#include "equipment/FuelTanks.h"
#include "equipment/OptionalParts.h"
#include "model/PartIndex.h"
#include "model/Text.h"
#include "model/VtCatalogue.h"
#include "reports/Reports.h"
#include "weapons/WeaponLists.h"

#include <algorithm>

namespace vantor {

namespace {

static_assert(LoadoutCodeSymbols.size() == 32);
static_assert(MaxMainWeapons + 1 < 32 && MaxSubWeapons + 1 < 32,
              "a weapon slot's item + 1 fits one symbol");
static_assert(VtCount < 32, "the VT fits one symbol");

// What the check promises, proven over all 32 symbols: each row and column of
// the operation a permutation, so one changed symbol changes every result
// after it, and (c∘x)∘y ≠ (c∘y)∘x for x ≠ y, so does a swap of neighbours.
constexpr bool checkCatchesChangesAndSwaps() {
    for (int c = 0; c < 32; ++c)
        for (int x = 0; x < 32; ++x)
            for (int y = x + 1; y < 32; ++y)
                if (loadoutCheckStep(c, x) == loadoutCheckStep(c, y) ||
                    loadoutCheckStep(x, c) == loadoutCheckStep(y, c) ||
                    loadoutCheckStep(loadoutCheckStep(c, x), y) ==
                        loadoutCheckStep(loadoutCheckStep(c, y), x) ||
                    loadoutCheckStep(c, x) > 31)
                    return false;
    return true;
}
static_assert(checkCatchesChangesAndSwaps());

enum Field : int { FieldVersion, FieldVt, FieldFuel, FieldPart1, FieldPart2 = 5, FieldWeapon1 = 7 };
constexpr int FieldCheck = FieldWeapon1 + 6;
static_assert(FieldCheck + 1 == LoadoutCodeLength);

// A part slot's state as one number, 0 to 106. The state follows from the
// picks in the slot since the VT's choice, and from what that choice left:
//  - no part picked since: whether the level selector is open, and the level
//    the record still holds (none, 1, 2, 3);
//  - a level picked over Unarmed there (open): the level;
//  - a levelled part and its level;
//  - a part last: the part, the level the record holds, and for the four
//    parts that keep a bonus whether the last level was picked for this
//    part, so its bonus stays.
constexpr int UntouchedStates = 0;   // + open * 4 + (held level + 1)
constexpr int OverUnarmedStates = 8; // + level
constexpr int LevelledStates = 11;   // + (part - 1) * 3 + level
constexpr int PartLastStates = 35;   // + part * 4 + (held level + 1)
constexpr int KeptBonusStates = 95;  // + (part - PartAdvancedMount) * 3 + held level
constexpr int PartSlotStates = 107;
static_assert(LevelledStates == OverUnarmedStates + 3 && PartLastStates == LevelledStates + 24 &&
              KeptBonusStates == PartLastStates + OptionalPartCount * 4 &&
              PartSlotStates == KeptBonusStates + 12);

bool keepsBonus(int part) {
    return part >= PartAdvancedMount && part <= PartPowerCell;
}

int partState(const PartPick& p) {
    if (p.part == NotPicked)
        return p.level == NotPicked
                   ? UntouchedStates + (p.levelOpen.value_or(false) ? 4 : 0) + p.earlierLevel + 1
                   : OverUnarmedStates + p.level;
    if (p.level != NotPicked)
        return LevelledStates + (p.part - 1) * 3 + p.level;
    if (p.keepBonus)
        return KeptBonusStates + (p.part - PartAdvancedMount) * 3 + p.earlierLevel;
    return PartLastStates + p.part * 4 + p.earlierLevel + 1;
}

PartPick partPick(int state) {
    PartPick p;
    p.levelOpen = false;
    if (state < OverUnarmedStates) {
        p.levelOpen = state >= 4;
        p.earlierLevel = state % 4 - 1;
    } else if (state < LevelledStates) {
        p.levelOpen = true;
        p.level = state - OverUnarmedStates;
    } else if (state < PartLastStates) {
        p.part = (state - LevelledStates) / 3 + 1;
        p.level = (state - LevelledStates) % 3;
    } else if (state < KeptBonusStates) {
        p.part = (state - PartLastStates) / 4;
        p.earlierLevel = (state - PartLastStates) % 4 - 1;
    } else {
        p.part = (state - KeptBonusStates) / 3 + PartAdvancedMount;
        p.earlierLevel = (state - KeptBonusStates) % 3;
        p.keepBonus = true;
    }
    return p;
}

// What decoding checks a code against, per VT, built once: the items of
// each weapon selector, the fixed carried' places, the fuel items, the MM.
struct VtSlots {
    std::array<int, 6> items{};
    std::array<int, 6> fixedAt{-1, -1, -1, -1, -1, -1};
    int fuelItems = 0;
    bool mm = false;
};

const std::array<VtSlots, VtCount>& vtSlots() {
    static const std::array<VtSlots, VtCount> table = [] {
        std::array<VtSlots, VtCount> t;
        for (int vt = 0; vt < VtCount; ++vt) {
            Loadout scratch;
            const WeaponSelectors lists = buildWeaponSelectors(scratch, vt);
            VtSlots& s = t[std::size_t(vt)];
            for (int i = 0; i < 3; ++i) {
                s.items[std::size_t(i)] = int(lists.main[std::size_t(i)].size());
                s.items[std::size_t(i + 3)] = int(lists.sub[std::size_t(i)].size());
            }
            for (const FixedMountInstall& m : lists.fixedMounts)
                s.fixedAt[std::size_t((m.kind == WeaponKind::Main ? 0 : 3) + m.slot - 1)] =
                    m.position;
            s.fuelItems = int(fuelTankItems(vtEntry(vt).fuelTanks).size());
            s.mm = lists.showF1Button;
        }
        return t;
    }();
    return table;
}

int levelHeld(const QString& text) {
    return text.size() == 1 && text[0] >= u'1' && text[0] <= u'3' ? text[0].unicode() - u'1'
                                                                  : NotPicked;
}

bool bonusKept(const Loadout& l, int slot, int part) {
    const bool first = slot == 1;
    switch (part) {
    case PartAdvancedMount:
        return (first ? l.Part1StandardBonus : l.Part2StandardBonus) != 0;
    case PartAdvancedBalancer:
        return (first ? l.Part1BalancerBonus : l.Part2BalancerBonus) != 0;
    case PartMechanicalUnit:
        return (first ? l.Part1DurabilityBonus : l.Part2DurabilityBonus) != 0;
    case PartPowerCell:
        return (first ? l.Part1VeeringBonus : l.Part2VeeringBonus) != 0;
    default:
        return false;
    }
}

// Choosing a VT writes "Unarmed" in a part's report row; any pick in the
// slot writes the part's name, Unarmed's being "UNARMED".
PartPick partAsShown(const Loadout& l, int slot, const SlotFacts& f) {
    const QString& report = slot == 1 ? l.Part1ReportText : l.Part2ReportText;
    const int held = levelHeld(slot == 1 ? l.Part1LevelText : l.Part2LevelText);
    PartPick p;
    p.levelOpen = false;
    if (f.partIndex < 0 ||
        (f.partIndex == PartUnarmed && f.levelIndex < 0 && report == QLatin1String("Unarmed"))) {
        p.levelOpen = f.levelEnabled;
        p.earlierLevel = held;
    } else if (f.levelIndex >= 0) {
        p.part = f.partIndex == PartUnarmed ? NotPicked : f.partIndex;
        p.level = f.levelIndex;
        p.levelOpen = f.partIndex == PartUnarmed;
    } else {
        p.part = f.partIndex;
        p.earlierLevel = held;
        p.keepBonus =
            keepsBonus(f.partIndex) && held != NotPicked && bonusKept(l, slot, f.partIndex);
    }
    return p;
}

QString itemLabel(int item) {
    return QLatin1String(ReportItemLabels[std::size_t(item)]);
}

LoadoutTextError codeError(const QString& message, int item = -1) {
    return {item < 0 ? QString() : itemLabel(item), message};
}

QString vtSelectorName(int vt) {
    return toQString(vtEntry(vt).selectorName);
}

// The weapon fields against the VT's selectors.
std::optional<LoadoutTextError> readWeapons(const std::array<int, LoadoutCodeLength>& digits,
                                            int vt, LoadoutPicks& picks) {
    const VtSlots& carried = vtSlots()[std::size_t(vt)];
    for (std::size_t i = 0; i < 6; ++i) {
        const int value = digits[std::size_t(FieldWeapon1) + i];
        const bool main = i < 3;
        const int item = (main ? 4 : 7) + int(i % 3); // the report's Main Weapon 1 etc.
        const QString kind = main ? QStringLiteral("main weapon") : QStringLiteral("sub-weapon");
        WeaponPick& pick = (main ? picks.main : picks.sub)[i % 3];
        if (carried.fixedAt[i] >= 0) {
            if (value != 0)
                return codeError(
                    QStringLiteral(
                        "The loadout code names a %1 where the %2 carries a fixed one (%3).")
                        .arg(kind, vtSelectorName(vt), itemLabel(item)),
                    item);
            pick = {carried.fixedAt[i], true};
        } else if (value > carried.items[i]) {
            return codeError(
                QStringLiteral("The loadout code names a %1 the %2 does not carry (%3).")
                    .arg(kind, vtSelectorName(vt), itemLabel(item)),
                item);
        } else {
            pick = {value - 1, false};
        }
    }
    return std::nullopt;
}

bool checkHolds(const std::array<int, LoadoutCodeLength>& digits) {
    int interim = 0;
    for (int d : digits)
        interim = loadoutCheckStep(interim, d);
    return interim == 0;
}

LoadoutTextResult<LoadoutPicks> readDigits(const std::array<int, LoadoutCodeLength>& digits) {
    if (!checkHolds(digits))
        return codeError(QStringLiteral("The loadout code's check character does not match: a "
                                        "character was mistyped or left out."));
    const int version = digits[FieldVersion];
    if (version != loadoutCodeSymbol(QLatin1Char(LoadoutCodeVersion))) {
        if (version < 10)
            return codeError(QStringLiteral("This is no loadout code: a loadout code begins with "
                                            "its version letter (%1).")
                                 .arg(QLatin1Char(LoadoutCodeVersion)));
        return codeError(QStringLiteral("This loadout code is of a later version of Vantor "
                                        "(version %1); this one reads version %2.")
                             .arg(QString(QLatin1Char(LoadoutCodeSymbols[std::size_t(version)])),
                                  QString(QLatin1Char(LoadoutCodeVersion))));
    }
    LoadoutPicks picks;
    picks.vt = digits[FieldVt];
    if (picks.vt >= VtCount)
        return codeError(
            QStringLiteral("The loadout code names a VT this version of Vantor does not know."), 0);
    const VtSlots& carried = vtSlots()[std::size_t(picks.vt)];
    const int fuelAndMm = digits[FieldFuel];
    picks.fuel = fuelAndMm % 4 - 1;
    picks.mmLaunched = fuelAndMm / 4 == 1;
    if (fuelAndMm >= 8)
        return codeError(QStringLiteral("The loadout code gives the fuel tanks and the MM a "
                                        "setting this version of Vantor does not know."));
    if (picks.fuel >= carried.fuelItems)
        return codeError(QStringLiteral("The loadout code names fuel tanks the %1 does not carry.")
                             .arg(vtSelectorName(picks.vt)),
                         1);
    if (picks.mmLaunched && !carried.mm)
        return codeError(QStringLiteral("The loadout code launches an MM, but the %1 carries none.")
                             .arg(vtSelectorName(picks.vt)));
    for (int slot = 0; slot < 2; ++slot) {
        const int field = slot == 0 ? FieldPart1 : FieldPart2;
        const int state = digits[std::size_t(field)] * 32 + digits[std::size_t(field + 1)];
        if (state >= PartSlotStates)
            return codeError(QStringLiteral("The loadout code gives %1 a setting this version of "
                                            "Vantor does not know.")
                                 .arg(itemLabel(2 + slot).toLower()),
                             2 + slot);
        picks.parts[std::size_t(slot)] = partPick(state);
    }
    if (auto failure = readWeapons(digits, picks.vt, picks))
        return *failure;
    return picks;
}

bool isAsciiAlnum(QChar c) {
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

// Whether symbols whose check fails were meant as a code of this version: its
// version letter with the fuel and MM field a digit, or, with the check whole
// once the first symbol is read as the version letter, a code whose first
// character was mistyped ("0020S003202004"). Any other token of letters and
// digits only happens to be as long as a code.
bool meantAsCode(const std::array<int, LoadoutCodeLength>& digits) {
    const int version = loadoutCodeSymbol(QLatin1Char(LoadoutCodeVersion));
    if (digits[FieldFuel] >= 10)
        return false;
    if (digits[FieldVersion] == version)
        return true;
    std::array<int, LoadoutCodeLength> asVersion = digits;
    asVersion[FieldVersion] = version;
    return checkHolds(asVersion);
}

// The symbols of a token of the code's length, or nothing if one is none.
std::optional<std::array<int, LoadoutCodeLength>> symbolsOf(QStringView token) {
    std::array<int, LoadoutCodeLength> digits{};
    for (qsizetype i = 0; i < LoadoutCodeLength; ++i)
        if ((digits[std::size_t(i)] = loadoutCodeSymbol(token[i])) < 0)
            return std::nullopt;
    return digits;
}

} // namespace

int loadoutCodeSymbol(QChar c) {
    const char16_t u = c.toUpper().unicode();
    if (u == u'O')
        return 0;
    if (u == u'I' || u == u'L')
        return 1;
    if (u >= 0x80)
        return -1;
    const auto at = LoadoutCodeSymbols.find(char(u));
    return at != std::string_view::npos ? int(at) : -1;
}

LoadoutPicks picksAsShown(const Loadout& loadout, int fuel, const std::array<SlotFacts, 2>& parts,
                          const std::array<WeaponPick, 6>& weapons) {
    LoadoutPicks picks;
    picks.vt = loadout.VTIndex;
    picks.fuel = fuel;
    picks.mmLaunched = loadout.MMLaunched;
    for (int slot = 1; slot <= 2; ++slot)
        picks.parts[std::size_t(slot - 1)] =
            partAsShown(loadout, slot, parts[std::size_t(slot - 1)]);
    const std::array<const QString*, 6> reports = {&loadout.MW1ReportText, &loadout.MW2ReportText,
                                                   &loadout.MW3ReportText, &loadout.SW1ReportText,
                                                   &loadout.SW2ReportText, &loadout.SW3ReportText};
    for (std::size_t i = 0; i < 6; ++i) {
        WeaponPick pick = weapons[i];
        // Choosing the VT shows the first item and writes "Unarmed"; a pick
        // of it writes "UNARMED".
        if (!pick.fixed && (pick.item < 0 || (pick.item == 0 && *reports[i] == u"Unarmed")))
            pick.item = NotPicked;
        (i < 3 ? picks.main : picks.sub)[i % 3] = pick;
    }
    return picks;
}

QString loadoutCode(const LoadoutPicks& picks) {
    std::array<int, LoadoutCodeLength> digits{};
    digits[FieldVersion] = loadoutCodeSymbol(QLatin1Char(LoadoutCodeVersion));
    digits[FieldVt] = picks.vt;
    digits[FieldFuel] = picks.fuel + 1 + (picks.mmLaunched ? 4 : 0);
    for (int slot = 0; slot < 2; ++slot) {
        const int state = partState(picks.parts[std::size_t(slot)]);
        const int field = slot == 0 ? FieldPart1 : FieldPart2;
        digits[std::size_t(field)] = state / 32;
        digits[std::size_t(field + 1)] = state % 32;
    }
    for (std::size_t i = 0; i < 6; ++i) {
        const WeaponPick& w = (i < 3 ? picks.main : picks.sub)[i % 3];
        digits[std::size_t(FieldWeapon1) + i] = w.fixed ? 0 : w.item + 1;
    }
    int interim = 0;
    for (int i = 0; i < FieldCheck; ++i)
        interim = loadoutCheckStep(interim, digits[std::size_t(i)]);
    // The symbol c with interim∘c = 0: 2·interim + c = 0, and + is - here.
    digits[FieldCheck] = loadoutCheckStep(interim, 0);
    QString code(LoadoutCodeLength, Qt::Uninitialized);
    for (qsizetype i = 0; i < LoadoutCodeLength; ++i)
        code[i] = QLatin1Char(LoadoutCodeSymbols[std::size_t(digits[std::size_t(i)])]);
    return code;
}

LoadoutTextResult<LoadoutPicks> readLoadoutCode(QStringView code) {
    if (code.size() != LoadoutCodeLength)
        return codeError(
            QStringLiteral("The loadout code has %1 characters; a loadout code has %2: a "
                           "character was left out or added.")
                .arg(code.size())
                .arg(LoadoutCodeLength));
    for (QChar c : code)
        if (loadoutCodeSymbol(c) < 0)
            return codeError(QStringLiteral("The loadout code holds \"%1\", which no loadout code "
                                            "uses: a character was mistyped.")
                                 .arg(c.isPrint() ? QString(c) : QStringLiteral("?")));
    return readDigits(*symbolsOf(code));
}

LoadoutTextResult<LoadoutPicks> readPastedLoadout(const QString& text) {
    // Codes stand between characters that are no letters or digits.
    std::optional<LoadoutTextError> codeFailure;
    // A token of this version's code but for its check.
    QStringView mistyped;
    if (text.size() <= MaxLoadoutTextLength) {
        for (qsizetype at = 0; at < text.size();) {
            qsizetype end = at;
            while (end < text.size() && isAsciiAlnum(text[end]))
                ++end;
            const auto digits = end - at == LoadoutCodeLength
                                    ? symbolsOf(QStringView(text).sliced(at, LoadoutCodeLength))
                                    : std::nullopt;
            if (digits && !checkHolds(*digits) && mistyped.isEmpty() && meantAsCode(*digits))
                mistyped = QStringView(text).sliced(at, LoadoutCodeLength);
            // A code begins with its version letter.
            if (digits && text[at].isLetter() && checkHolds(*digits)) {
                auto read = readDigits(*digits);
                if (std::holds_alternative<LoadoutPicks>(read))
                    return read;
                if (!codeFailure)
                    codeFailure = std::get<LoadoutTextError>(read);
            }
            at = std::max(end, at + 1);
        }
    }
    auto read = readLoadoutText(text);
    if (std::holds_alternative<LoadoutPicks>(read))
        return read;
    if (codeFailure)
        return *codeFailure;
    if (!mistyped.isEmpty())
        return readLoadoutCode(mistyped);
    // A text that is one word near a code's length, beginning with a
    // letter, was meant as a code.
    const QString word = text.trimmed();
    if (word.size() >= LoadoutCodeLength - 3 && word.size() <= LoadoutCodeLength + 3 &&
        word[0].isLetter() && std::all_of(word.begin(), word.end(), isAsciiAlnum))
        return readLoadoutCode(word);
    return read;
}

} // namespace vantor
