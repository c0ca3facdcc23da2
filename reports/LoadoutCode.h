#pragma once

// The loadout code: a short exact code of letters and digits that carries
// everything the window needs to show a loadout again, picks the forum code
// cannot say included (a bonus kept from an earlier level, a level selector
// left open over Unarmed, the MM launch). Nothing chat programs or forums
// rewrite: 32 symbols, read in either case, with O read as 0 and I and L as
// 1, and no U.
//
// Layout, one symbol a field unless said: the version letter; the VT; the
// fuel tanks and the MM launch; each optional part slot (two symbols); the
// six weapons, MW1 to SW3 (0 for none picked, else the item + 1); and a check
// symbol that catches every single changed symbol and every swap of two
// neighbours.

#include "equipment/IconRules.h"
#include "model/Loadout.h"
#include "reports/LoadoutText.h"

#include <QString>
#include <QStringView>

#include <array>
#include <string_view>

namespace vantor {

inline constexpr qsizetype LoadoutCodeLength = 14;
inline constexpr char LoadoutCodeVersion = 'A';
inline constexpr std::string_view LoadoutCodeSymbols = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";

// The check: x∘y = 2x + y over the field of 32 elements (x⁵ = x² + 1). Each
// row and column is a permutation, so any one changed symbol changes the
// result, and (c∘x)∘y = (c∘y)∘x only for x = y, so any swap of two different
// neighbours does too. A code is whole when all its symbols, the check
// included, fold to 0.
constexpr int loadoutCheckStep(int interim, int symbol) {
    const int doubled = (interim << 1) ^ ((interim & 0x10) ? 0x25 : 0);
    return doubled ^ symbol;
}

// A character's symbol value, -1 for none.
int loadoutCodeSymbol(QChar c);

// The picks that rebuild what the window shows: the loadout record, the fuel
// selector's item, the two part slots' selector facts and the weapon
// selectors' items (a fixed one as `fixed` at its place), MW1..MW3, SW1..SW3.
LoadoutPicks picksAsShown(const Loadout& loadout, int fuel, const std::array<SlotFacts, 2>& parts,
                          const std::array<WeaponPick, 6>& weapons);

// The code of picks such as picksAsShown gives.
QString loadoutCode(const LoadoutPicks& picks);

// One code, checked against the catalogues and the VT it names.
LoadoutTextResult<LoadoutPicks> readLoadoutCode(QStringView code);

// A pasted text: the first loadout code in it that reads, else the forum
// code or page it holds, else why the code or text found does not read.
LoadoutTextResult<LoadoutPicks> readPastedLoadout(const QString& text);

} // namespace vantor
