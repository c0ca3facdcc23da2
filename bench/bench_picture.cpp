// How long the loadout's picture takes: the drawing alone, the drawing with
// its PNG encoding (what "Save Picture..." writes), and "Copy as Picture" as
// the user triggers it, drawing and clipboard included. The loadout is the
// guide's: the Garpike with three main weapons, two sub-weapons, a fuel tank
// and two parts, MAX OVER. Each row reports the mean, and over ten
// repetitions the median and the spread.

#include "app/desktop/Appearance.h"
#include "app/desktop/Paths.h"
#include "app/window/TVantor.h"
#include "reports/LoadoutPicture.h"

#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QComboBox>
#include <QImage>

#include <memory>

namespace {

std::unique_ptr<TVantor> window;
QImage vtPicture;

void pick(const char* selector, const char* item) {
    auto* combo = window->findChild<QComboBox*>(QString::fromLatin1(selector));
    const int index = combo->findText(QString::fromLatin1(item));
    if (index < 0)
        qFatal("no %s in %s", item, selector);
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

void setUpLoadout() {
    window = std::make_unique<TVantor>();
    window->show();
    pick("VTSelect", "Garpike");
    pick("FTSelect", "1 Fuel Tank");
    pick("OPSelect1", "Advanced Armour");
    pick("OPSelect2", "Advanced Balancer");
    pick("OPLSelect2", "3");
    pick("MWSelect1", "270-AR");
    pick("MWSelect2", "140-MG");
    pick("MWSelect3", "270-AR");
    pick("SWSelect1", "AVTM");
    pick("SWSelect3", "NPM");
    vtPicture = QImage(vtPictureFile(window->currentLoadout().VTIndex));
    if (vtPicture.isNull())
        qFatal("the VT's picture cannot be read");
}

void Draw(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(vantor::loadoutPicture(window->currentLoadout(), vtPicture));
}

void DrawAndEncodePng(benchmark::State& state) {
    for (auto _ : state) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        vantor::loadoutPicture(window->currentLoadout(), vtPicture).save(&buffer, "PNG");
        benchmark::DoNotOptimize(bytes.size());
    }
}

void CopyAsPicture(benchmark::State& state) {
    QAction* copy = window->findChild<QAction*>(QStringLiteral("CopyPictureAction"));
    for (auto _ : state)
        copy->trigger();
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_FONT_DPI", "96");
    QApplication app(argc, argv);
    applyVantorAppearance(app);
    setUpLoadout();
    for (auto [name, run] : {std::pair{"LoadoutPicture/Draw", &Draw},
                             std::pair{"LoadoutPicture/DrawAndEncodePng", &DrawAndEncodePng},
                             std::pair{"LoadoutPicture/CopyAsPicture", &CopyAsPicture}})
        benchmark::RegisterBenchmark(name, run)
            ->Unit(benchmark::kMillisecond)
            ->Repetitions(10)
            ->DisplayAggregatesOnly(true);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    window.reset();
    return 0;
}
