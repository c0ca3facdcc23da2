// The loadout code on its own: writing the code of a loadout, reading a code
// back, and finding a code quoted in a forum post among other words.

#include "model/VtCatalogue.h"
#include "reports/LoadoutCode.h"

#include <benchmark/benchmark.h>

#include <QString>

#include <variant>

namespace {

// A Prominence M2 with its MM launched, fuel, a kept bonus in part slot 1, a
// level over Unarmed in slot 2 and every free weapon slot picked.
vantor::LoadoutPicks loadout() {
    vantor::LoadoutPicks p;
    p.vt = vantor::ProminenceM2;
    p.fuel = 1;
    p.parts[0] = {5, vantor::NotPicked, 2, true, false};
    p.parts[1] = {vantor::NotPicked, 1, vantor::NotPicked, false, true};
    const auto code = vantor::readLoadoutCode(vantor::loadoutCode(p));
    p = std::get<vantor::LoadoutPicks>(code);
    for (vantor::WeaponPick& w : p.main)
        if (!w.fixed)
            w.item = 1;
    for (vantor::WeaponPick& w : p.sub)
        if (!w.fixed)
            w.item = 1;
    p.mmLaunched = true;
    return p;
}

void WriteCode(benchmark::State& state) {
    const vantor::LoadoutPicks picks = loadout();
    for (auto _ : state)
        benchmark::DoNotOptimize(vantor::loadoutCode(picks));
}
BENCHMARK(WriteCode);

void ReadCode(benchmark::State& state) {
    const QString code = vantor::loadoutCode(loadout());
    if (!std::holds_alternative<vantor::LoadoutPicks>(vantor::readLoadoutCode(code)))
        state.SkipWithError("the code does not read");
    for (auto _ : state)
        benchmark::DoNotOptimize(vantor::readLoadoutCode(code));
}
BENCHMARK(ReadCode);

// A post of about 2 KB of prose with the code in its last line.
void FindCodeInPost(benchmark::State& state) {
    const QString post = QStringLiteral("Tried the new build tonight, it turns well and the "
                                        "sub-weapons reach far enough for the second base. ")
                             .repeated(20) +
                         QStringLiteral("\nCode: ") + vantor::loadoutCode(loadout()) +
                         QStringLiteral(" (paste it with Ctrl+Shift+V)");
    if (!std::holds_alternative<vantor::LoadoutPicks>(vantor::readPastedLoadout(post)))
        state.SkipWithError("the post holds no code that reads");
    for (auto _ : state)
        benchmark::DoNotOptimize(vantor::readPastedLoadout(post));
}
BENCHMARK(FindCodeInPost);

} // namespace

BENCHMARK_MAIN();
