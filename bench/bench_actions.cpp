// How long the window takes to handle each kind of user action and paint the
// result: real input events (a pick from an open drop-down list with Return, a
// mouse click on a button) on the real window under the offscreen platform.
//
// Each measured iteration is the input event and its handler, then the paint:
// - first every event the action posted is delivered, as the event loop would
//   deliver it next; among them is the window's update request, which paints
//   what changed into the backing store and flushes it;
// - then the WHOLE window is painted once more, synchronously: QWidget::render()
//   into an image of the window's size sends a paint event to the window and
//   to every visible child. (QWidget::repaint() on the window would not do:
//   the repaint manager leaves out opaque children, such as the group boxes
//   that fill their background, since the window's own paint cannot change
//   them.)
// With VANTOR_BENCH_PAINT=changed in the environment the second step is left
// out, which is what the user's event loop does. The "RepaintOnly" row is the
// paint step alone, with nothing changed.
//
// Opening the list before a pick, and any other set-up an iteration needs, is
// not timed. Each row reports the mean (benchmark's own time column, manual
// time) and, as counters, the median, the 99th percentile and the maximum of
// the iterations in microseconds, and the widget paint events per iteration.

#include "app/desktop/Appearance.h"
#include "app/desktop/Platform.h"
#include "app/tools/CatalogueWindow.h"
#include "app/tools/CompareRangeChart.h"
#include "app/tools/ToolWindow.h"
#include "app/window/TVantor.h"
#include "core/Preview.h"
#include "core/VtChoice.h"
#include "model/VtCatalogue.h"

#include <benchmark/benchmark.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Untimed runs before the measured ones, so glyph and pixmap caches are warm.
constexpr int WarmUp = 5;

// The desktop is not wanted here: links, files and message boxes only count.
class QuietPlatform final : public Platform {
public:
    bool openUrl(const QUrl&) override { return true; }
    void showError(QWidget*, const QString& message) override { errors << message; }
    void showAbout(const QString&, const QString&) override {}
    QString saveFileName(QWidget*, const QString&, const QString&, const QString&,
                         const QString&) override {
        return {};
    }
    bool ask(QWidget*, const QString&, const QString&) override { return false; }
    QStringList errors;
};

// One fresh window per benchmark, so the rows do not depend on their order.
class Session {
public:
    Session() {
        auto platform = std::make_unique<QuietPlatform>();
        m_platform = platform.get();
        m_window = std::make_unique<TVantor>(nullptr, std::move(platform));
        m_window->show();
        m_window->activateWindow();
        if (!QTest::qWaitForWindowActive(m_window.get()))
            qFatal("the window never became active");
        // What is not on screen at start is built once the window is painted.
        if (!QTest::qWaitFor([this] { return m_window->findChild<QWidget*>("RangeGroup"); }))
            qFatal("the pages were never built");
        settle();
    }

    TVantor& window() const { return *m_window; }
    const QStringList& errors() const { return m_platform->errors; }

    template <typename T> T* find(const char* name) const {
        T* w = m_window->findChild<T*>(QString::fromLatin1(name));
        if (!w)
            qFatal("no component named %s", name);
        return w;
    }
    QComboBox* combo(const char* name) const { return find<QComboBox>(name); }
    QPushButton* button(const char* name) const { return find<QPushButton>(name); }

    // Opens the selector's list with `index` highlighted, as the mouse or the
    // arrow keys leave it just before the pick.
    void openList(const char* selector, int index) const {
        QComboBox* c = combo(selector);
        if (!c->isEnabled() || index < 0 || index >= c->count())
            qFatal("%s cannot pick item %d", selector, index);
        c->showPopup();
        c->view()->setCurrentIndex(c->view()->model()->index(index, 0));
    }
    // The pick itself: Return in the open list.
    void commitPick(const char* selector) const {
        QTest::keyClick(combo(selector)->view(), Qt::Key_Return);
    }
    void pick(const char* selector, int index) const {
        openList(selector, index);
        commitPick(selector);
        paint();
    }
    // The window active with the focus in a selector, as after a pick; the
    // offscreen platform does not give the activation back after a list closes.
    void activate() const {
        m_window->activateWindow();
        if (!QTest::qWaitForWindowActive(m_window.get()))
            qFatal("the window did not become active");
        combo("MWSelect1")->setFocus();
    }
    // Keys pressed where the keyboard focus is.
    void press(QKeyCombination keys) const {
        QWidget* target =
            QApplication::focusWidget() ? QApplication::focusWidget() : m_window.get();
        QTest::keyClick(target, keys.key(), keys.keyboardModifiers());
    }
    void click(const char* name) const {
        QPushButton* b = button(name);
        if (!b->isEnabled() || !b->isVisible())
            qFatal("%s cannot be clicked", name);
        QTest::mouseClick(b, Qt::LeftButton);
    }

    // What the action posted delivered, the update request among it, then
    // the whole window painted unless only what changed is wanted.
    void paint() const {
        QCoreApplication::sendPostedEvents();
        if (!paintChangedOnly()) {
            if (m_canvas.size() != m_window->size())
                m_canvas = QImage(m_window->size(), QImage::Format_ARGB32_Premultiplied);
            m_window->render(&m_canvas);
        }
    }
    static bool paintChangedOnly() {
        static const bool changed =
            qEnvironmentVariable("VANTOR_BENCH_PAINT") == QLatin1String("changed");
        return changed;
    }
    // Lets everything pending run before the timed part starts.
    static void settle() { QCoreApplication::processEvents(); }

private:
    QuietPlatform* m_platform = nullptr;
    std::unique_ptr<TVantor> m_window;
    mutable QImage m_canvas;
};

// Counts the paint events widgets receive, to show how much a step painted.
class PaintCounter : public QObject {
public:
    long long paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType())
            ++paints;
        return false;
    }
};

PaintCounter* paintCounter = nullptr;

double percentile(const std::vector<double>& sorted, double p) {
    // Nearest rank: the smallest sample with at least p of the samples at or below it.
    const auto rank = static_cast<std::size_t>(std::ceil(p * double(sorted.size())));
    return sorted[std::clamp<std::size_t>(rank, 1, sorted.size()) - 1];
}

// The timed part of an iteration, a function of its own so that a profiler
// can collect it alone: valgrind --tool=callgrind --toggle-collect='*timedPart*'
[[gnu::noinline]] void timedPart(const Session& session, const std::function<void(int)>& act,
                                 int i) {
    act(i);
    session.paint();
}

// Runs `prepare` untimed and `act` plus the paint timed, once per
// iteration (the iteration number is passed to both).
void measure(benchmark::State& state, const Session& session,
             const std::function<void(int)>& prepare, const std::function<void(int)>& act) {
    for (int i = 0; i < WarmUp; ++i) {
        prepare(i);
        Session::settle();
        act(i);
        session.paint();
    }
    std::vector<double> micros;
    micros.reserve(std::size_t(state.max_iterations));
    long long paints = 0;
    int i = 0;
    for (auto _ : state) {
        prepare(i);
        Session::settle();
        const long long paintsBefore = paintCounter->paints;
        const auto start = Clock::now();
        timedPart(session, act, i);
        const std::chrono::duration<double> took = Clock::now() - start;
        state.SetIterationTime(took.count());
        micros.push_back(took.count() * 1e6);
        paints += paintCounter->paints - paintsBefore;
        ++i;
    }
    if (!session.errors().isEmpty()) {
        state.SkipWithError(qPrintable(session.errors().first()));
        return;
    }
    std::sort(micros.begin(), micros.end());
    state.counters["median_us"] = percentile(micros, 0.50);
    state.counters["p99_us"] = percentile(micros, 0.99);
    state.counters["max_us"] = micros.back();
    state.counters["paints"] = double(paints) / double(micros.size());
}

// A VT with two fuel tanks, fixed weapons and a full set of selectors.
constexpr int LoadoutVt = 12;

void loadoutSetUp(const Session& s) {
    s.pick("VTSelect", LoadoutVt);
}

void pagesSetUp(const Session& s) {
    loadoutSetUp(s);
    s.click("AdvFunctionButton");
    s.paint();
}

// The catalogue open beside the window, on its weapons.
void catalogueSetUp(const Session& s) {
    loadoutSetUp(s);
    s.activate();
    s.press(Qt::CTRL | Qt::Key_B);
    s.find<QTabWidget>("CatalogueTabs")->setCurrentIndex(1);
    s.paint();
}

// --- The benchmarks --------------------------------------------------------

// The previews of one whole list, as the core derives them when it opens: the
// Macabre's sub-weapon list, the longest, with a loadout on board. No widgets.
void PreviewWholeList(benchmark::State& state) {
    vantor::Loadout l;
    const vantor::VtChoice choice = vantor::chooseVt(l, 16);
    vantor::SelectorFacts facts{16, 0, -1, 0, -1};
    for (const vantor::Pick pick :
         {vantor::Pick{vantor::Selector::Fuel, 2}, vantor::Pick{vantor::Selector::Main1, 3},
          vantor::Pick{vantor::Selector::Sub1, 2}})
        vantor::applyPick(l, facts, pick);
    const int items = int(choice.sub[0].items.size());
    std::vector<double> micros;
    for (auto _ : state) {
        const auto start = Clock::now();
        for (int item = 0; item < items; ++item) {
            const vantor::PickPreview p =
                vantor::previewPick(l, facts, {vantor::Selector::Sub2, item});
            benchmark::DoNotOptimize(vantor::previewText(p));
        }
        const std::chrono::duration<double> took = Clock::now() - start;
        state.SetIterationTime(took.count());
        micros.push_back(took.count() * 1e6);
    }
    std::sort(micros.begin(), micros.end());
    state.counters["median_us"] = percentile(micros, 0.50);
    state.counters["items"] = items;
}

// Opening a list (the previews derived and drawn), then closing it untimed.
void OpenList(benchmark::State& state, const char* selector) {
    Session s;
    loadoutSetUp(s);
    measure(
        state, s, [&](int) { s.combo(selector)->hidePopup(); },
        [&](int) { s.combo(selector)->showPopup(); });
}

// A tool window opened by its keys: the first time on a fresh window each
// time (the first opening builds it), and again once built, closed untimed
// before each opening. Timed: the key press, the events it posted, and the
// tool window painted whole.
struct ToolWindowKeys {
    const char* name;      // the tool window's object name
    QKeyCombination first; // what opens it the first time
    QKeyCombination again; // what opens it once built
};

// The catalogue and the guide open by their own keys; the comparison opens
// the first time by pinning the loadout (Ctrl+D), and again by "Show
// Comparison" (Ctrl+Shift+P), the pinned loadout kept.
const ToolWindowKeys CatalogueKeys{"CatalogueWindow", Qt::CTRL | Qt::Key_B, Qt::CTRL | Qt::Key_B};
const ToolWindowKeys ComparisonKeys{"CompareWindow", Qt::CTRL | Qt::Key_D,
                                    Qt::CTRL | Qt::SHIFT | Qt::Key_P};
const ToolWindowKeys GuideKeys{"GuideWindow", QKeyCombination(Qt::Key_F1),
                               QKeyCombination(Qt::Key_F1)};

void OpenToolWindow(benchmark::State& state, const ToolWindowKeys& keys, bool first) {
    std::vector<double> micros;
    std::unique_ptr<Session> s;
    if (!first) {
        s = std::make_unique<Session>();
        loadoutSetUp(*s);
        s->activate();
        s->press(keys.first);
        // The catalogue on its weapons, as in the other catalogue rows.
        if (auto* tabs = s->window().findChild<QTabWidget*>(QStringLiteral("CatalogueTabs")))
            tabs->setCurrentIndex(1);
        s->paint();
    }
    for (auto _ : state) {
        if (first) {
            s = std::make_unique<Session>();
            loadoutSetUp(*s);
        } else {
            s->find<ToolWindow>(keys.name)->close();
        }
        s->activate();
        Session::settle();
        const auto start = Clock::now();
        s->press(first ? keys.first : keys.again);
        QCoreApplication::sendPostedEvents();
        auto* tool = s->find<ToolWindow>(keys.name);
        if (!tool->isVisible())
            qFatal("%s did not open", keys.name);
        QImage canvas(tool->size(), QImage::Format_ARGB32_Premultiplied);
        tool->render(&canvas);
        const std::chrono::duration<double> took = Clock::now() - start;
        state.SetIterationTime(took.count());
        micros.push_back(took.count() * 1e6);
    }
    std::sort(micros.begin(), micros.end());
    state.counters["median_us"] = percentile(micros, 0.50);
    state.counters["max_us"] = micros.back();
}

// All three tool windows open beside the window: the catalogue on its
// weapons, the comparison with the loadout pinned, the guide (opened last,
// with the keyboard).
void allToolsSetUp(const Session& s) {
    catalogueSetUp(s);
    s.activate();
    s.press(ComparisonKeys.first);
    s.activate();
    s.press(GuideKeys.first);
    s.paint();
    for (const char* name : {"CatalogueWindow", "CompareWindow", "GuideWindow"})
        if (!s.find<ToolWindow>(name)->isVisible())
            qFatal("%s is not open", name);
}

// The comparison's range chart given a new current loadout, as after a pick
// with a loadout pinned (a main weapon changed in turn), and painted whole.
void CompareChartRedraw(benchmark::State& state) {
    vantor::LoadoutRanges pinned;
    pinned.vt = 12;
    pinned.weapons = {{{"430-SB", 0, 1200},
                       {"140-MG", 0, 400},
                       {"Unarmed", 0, 0},
                       {"SL-GM", 200, 800},
                       {"BANG-N", 0, 200},
                       {"NPM", 200, 400}}};
    vantor::LoadoutRanges current = pinned;
    const vantor::SlotRange picks[] = {{"355-SB", 0, 1000}, {"370-SR", 800, 2500}};
    CompareRangeChart chart;
    chart.resize(chart.sizeHint());
    chart.setLoadouts(pinned, current);
    QImage canvas(chart.size(), QImage::Format_ARGB32_Premultiplied);
    std::vector<double> micros;
    int i = 0;
    for (auto _ : state) {
        current.weapons[0] = picks[i++ % 2];
        const auto start = Clock::now();
        chart.setLoadouts(pinned, current);
        chart.render(&canvas);
        const std::chrono::duration<double> took = Clock::now() - start;
        state.SetIterationTime(took.count());
        micros.push_back(took.count() * 1e6);
    }
    std::sort(micros.begin(), micros.end());
    state.counters["median_us"] = percentile(micros, 0.50);
    state.counters["p99_us"] = percentile(micros, 0.99);
    state.counters["max_us"] = micros.back();
}

// Sorting the VT table by one column after another, and filtering it by a
// name and back, with the table painted.
void CatalogueSortOrFilter(benchmark::State& state, bool sort) {
    Session s;
    catalogueSetUp(s);
    auto* catalogue = s.find<CatalogueWindow>("CatalogueWindow");
    s.find<QTabWidget>("CatalogueTabs")->setCurrentIndex(0);
    auto* table = s.find<QTableView>("VtTable");
    auto* filter = s.find<QLineEdit>("CatalogueFilter");
    QImage canvas(catalogue->size(), QImage::Format_ARGB32_Premultiplied);
    std::vector<double> micros;
    int i = 0;
    for (auto _ : state) {
        Session::settle();
        const auto start = Clock::now();
        if (sort)
            table->sortByColumn(i % VtTableModel::ColumnCount, i / VtTableModel::ColumnCount % 2
                                                                   ? Qt::DescendingOrder
                                                                   : Qt::AscendingOrder);
        else
            filter->setText(i % 2 ? QString() : QStringLiteral("pro"));
        QCoreApplication::sendPostedEvents();
        catalogue->render(&canvas);
        const std::chrono::duration<double> took = Clock::now() - start;
        state.SetIterationTime(took.count());
        micros.push_back(took.count() * 1e6);
        ++i;
    }
    std::sort(micros.begin(), micros.end());
    state.counters["median_us"] = percentile(micros, 0.50);
    state.counters["max_us"] = micros.back();
}

void RepaintOnly(benchmark::State& state) {
    Session s;
    loadoutSetUp(s);
    measure(
        state, s, [](int) {}, [](int) {});
}

// Choosing VT `vt` from the list, coming each time from its neighbour.
void ChooseVt(benchmark::State& state, int vt) {
    Session s;
    const int other = (vt + 1) % vantor::VtCount;
    measure(
        state, s,
        [&](int) {
            s.pick("VTSelect", other);
            s.openList("VTSelect", vt);
        },
        [&](int) { s.commitPick("VTSelect"); });
}

// All 31 VTs in turn, each pick a change of VT: one distribution for all.
void ChooseVtInTurn(benchmark::State& state) {
    Session s;
    measure(
        state, s, [&](int i) { s.openList("VTSelect", i % vantor::VtCount); },
        [&](int) { s.commitPick("VTSelect"); });
}

// A pick that alternates between two items of `selector`.
void Alternate(benchmark::State& state, const char* selector, int first, int second,
               const std::function<void(const Session&)>& setUp) {
    Session s;
    setUp(s);
    measure(
        state, s, [&](int i) { s.openList(selector, i % 2 ? second : first); },
        [&](int) { s.commitPick(selector); });
}

// Clicks that cycle through `buttons`.
void Cycle(benchmark::State& state, std::vector<const char*> buttons,
           const std::function<void(const Session&)>& setUp) {
    Session s;
    setUp(s);
    measure(
        state, s, [](int) {}, [&](int i) { s.click(buttons[std::size_t(i) % buttons.size()]); });
}

void registerAll() {
    const auto add = [](const std::string& name, auto&& fn, int iterations) {
        benchmark::RegisterBenchmark(name.c_str(), std::forward<decltype(fn)>(fn))
            ->Iterations(iterations)
            ->UseManualTime()
            ->Unit(benchmark::kMicrosecond);
    };

    add("RepaintOnly", RepaintOnly, 500);

    // What a player sees before picking: previews and the catalogue.
    add("PreviewWholeList", PreviewWholeList, 2000);
    for (const char* selector : {"FTSelect", "OPSelect1", "MWSelect1", "SWSelect1"})
        add(
            std::string("OpenList/") + selector,
            [selector](benchmark::State& st) { OpenList(st, selector); }, 300);
    // The tool windows, each opened the first time and again.
    for (const auto& [label, keys] :
         {std::pair{"OpenCatalogue", &CatalogueKeys}, std::pair{"OpenComparison", &ComparisonKeys},
          std::pair{"OpenGuide", &GuideKeys}}) {
        const ToolWindowKeys* k = keys;
        add(
            std::string(label) + "/first",
            [k](benchmark::State& st) { OpenToolWindow(st, *k, true); }, 20);
        add(
            std::string(label) + "/again",
            [k](benchmark::State& st) { OpenToolWindow(st, *k, false); }, 200);
    }
    add("CompareChartRedraw", CompareChartRedraw, 1000);
    add(
        "CatalogueSort", [](benchmark::State& st) { CatalogueSortOrFilter(st, true); }, 340);
    add(
        "CatalogueFilter", [](benchmark::State& st) { CatalogueSortOrFilter(st, false); }, 300);
    add(
        "PickMainWeaponCatalogueOpen",
        [](benchmark::State& st) { Alternate(st, "MWSelect1", 1, 2, catalogueSetUp); }, 500);
    add(
        "PickMainWeaponToolsOpen",
        [](benchmark::State& st) { Alternate(st, "MWSelect1", 1, 2, allToolsSetUp); }, 500);

    for (int vt = 0; vt < vantor::VtCount; ++vt) {
        std::string name(vantor::VtCatalogue[std::size_t(vt)].selectorName);
        std::replace(name.begin(), name.end(), ' ', '_');
        add(
            "ChooseVt/" + std::to_string(vt) + "_" + name,
            [vt](benchmark::State& st) { ChooseVt(st, vt); }, 100);
    }
    add("ChooseVt/all_in_turn", ChooseVtInTurn, 31 * 20);

    // A weapon pick runs the whole recomputation of the loadout.
    add(
        "PickMainWeapon",
        [](benchmark::State& st) { Alternate(st, "MWSelect1", 1, 2, loadoutSetUp); }, 500);
    add(
        "PickSubWeapon",
        [](benchmark::State& st) { Alternate(st, "SWSelect1", 1, 2, loadoutSetUp); }, 500);
    add(
        "PickPart", [](benchmark::State& st) { Alternate(st, "OPSelect1", 1, 2, loadoutSetUp); },
        500);
    add(
        "PickPartLevel",
        [](benchmark::State& st) {
            Alternate(st, "OPLSelect1", 0, 1, [](const Session& s) {
                loadoutSetUp(s);
                s.pick("OPSelect1", 1);
            });
        },
        500);
    add(
        "PickFuel", [](benchmark::State& st) { Alternate(st, "FTSelect", 1, 2, loadoutSetUp); },
        500);

    add(
        "SwitchView",
        [](benchmark::State& st) {
            Cycle(st, {"StatsButton", "RankButton", "GraphButton", "ImageButton", "LoadoutButton"},
                  loadoutSetUp);
        },
        500);
    add(
        "ToggleAdvancedArea",
        [](benchmark::State& st) { Cycle(st, {"AdvFunctionButton"}, loadoutSetUp); }, 500);
    add(
        "SwitchPage",
        [](benchmark::State& st) {
            Cycle(st,
                  {"WeaponPageButton", "WeaponRangeButton", "PartsPageButton", "ForumPageButton",
                   "HtmlPageButton", "MiscPageButton"},
                  pagesSetUp);
        },
        600);

    // Each page shown, coming each time from the page before it.
    static const char* const pageButtons[] = {"WeaponPageButton", "WeaponRangeButton",
                                              "PartsPageButton",  "ForumPageButton",
                                              "HtmlPageButton",   "MiscPageButton"};
    for (int page = 0; page < 6; ++page)
        add(
            std::string("ShowPage/") + pageButtons[page],
            [page](benchmark::State& st) {
                Session s;
                pagesSetUp(s);
                measure(
                    st, s,
                    [&](int) {
                        s.click(pageButtons[(page + 5) % 6]);
                        s.paint();
                    },
                    [&](int) { s.click(pageButtons[page]); });
            },
            300);

    const auto rangeSetUp = [](const Session& s) {
        loadoutSetUp(s);
        s.pick("MWSelect1", 1);
        s.pick("MWSelect3", 1);
        s.pick("SWSelect1", 1);
        s.click("AdvFunctionButton");
        s.click("WeaponRangeButton");
        s.paint();
    };
    // Each bar on and off in turn, then the distance-modifier outline.
    add(
        "RangeChartToggle",
        [rangeSetUp](benchmark::State& st) {
            Cycle(st,
                  {"MW1RangeButton", "MW2RangeButton", "MW3RangeButton", "SW1RangeButton",
                   "SW2RangeButton", "SW3RangeButton", "RangeDistanceModifierButton"},
                  rangeSetUp);
        },
        700);
    add(
        "RangeChartAllOnOff",
        [rangeSetUp](benchmark::State& st) {
            Cycle(st, {"RangeAllOnButton", "RangeAllOffButton"}, rangeSetUp);
        },
        500);
    add(
        "RangeCompareWeapon",
        [rangeSetUp](benchmark::State& st) {
            Alternate(st, "RangeWeaponSelect", 1, 2, rangeSetUp);
        },
        500);

    // Undo and redo of a pick, in turn: of a weapon (a recomputation), and of
    // a VT (everything the window shows changes).
    for (const bool vt : {false, true})
        add(
            vt ? "UndoRedoVt" : "UndoRedoWeapon",
            [vt](benchmark::State& st) {
                Session s;
                loadoutSetUp(s);
                if (vt)
                    s.pick("VTSelect", LoadoutVt + 1);
                else
                    s.pick("MWSelect1", 1);
                s.activate();
                Session::settle();
                int presses = 0;
                measure(
                    st, s, [](int) {},
                    [&](int) {
                        s.press(presses++ % 2 ? Qt::CTRL | Qt::SHIFT | Qt::Key_Z
                                              : Qt::CTRL | Qt::Key_Z);
                    });
            },
            500);
    // A loadout pasted from the clipboard, as forum code and as a loadout
    // code: every pick a user would make, as one step.
    const auto paste = [](QKeyCombination copy) {
        return [copy](benchmark::State& st) {
            Session s;
            loadoutSetUp(s);
            s.pick("FTSelect", 2);
            s.pick("OPSelect1", 2);
            s.pick("OPLSelect1", 1);
            s.pick("MWSelect1", 1);
            s.pick("SWSelect1", 2);
            s.activate();
            s.press(copy);
            s.pick("VTSelect", 0);
            s.activate();
            Session::settle();
            measure(
                st, s, [](int) {}, [&](int) { s.press(Qt::CTRL | Qt::SHIFT | Qt::Key_V); });
        };
    };
    add("PasteLoadout", paste(Qt::CTRL | Qt::SHIFT | Qt::Key_C), 300);
    add("PasteLoadoutCode", paste(Qt::CTRL | Qt::ALT | Qt::Key_C), 300);
    // A weapon pick while a loadout is pinned: the comparison follows it.
    add(
        "PickMainWeaponPinned",
        [](benchmark::State& st) {
            Alternate(st, "MWSelect1", 1, 2, [](const Session& s) {
                loadoutSetUp(s);
                s.activate();
                s.press(Qt::CTRL | Qt::Key_D);
            });
        },
        500);

    // Generating after a change of the loadout (a weapon picked, not timed),
    // so that each report is new text.
    for (const bool html : {true, false})
        add(
            html ? "GenerateHtml" : "GenerateForumCode",
            [html](benchmark::State& st) {
                Session s;
                pagesSetUp(s);
                s.click(html ? "HtmlPageButton" : "ForumPageButton");
                s.paint();
                measure(
                    st, s, [&](int i) { s.pick("MWSelect1", 1 + i % 2); },
                    [&](int) { s.click(html ? "HtmlGenerateButton" : "ForumGenerateButton"); });
            },
            500);
}

// The offscreen platform reports every raise() and keyboard grab a popup list
// asks for; those lines would bury the results.
void quietPlatformNotes(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg &&
        (message.startsWith(QLatin1String("This plugin does not support")) ||
         message.startsWith(QLatin1String("QStandardPaths:"))))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
    if (type == QtFatalMsg)
        std::abort();
}

} // namespace

int main(int argc, char* argv[]) {
    qInstallMessageHandler(quietPlatformNotes);
    // No display needed, and the same pixels on every machine.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    applyVantorAppearance(app);
    PaintCounter counter;
    paintCounter = &counter;
    app.installEventFilter(&counter);

    registerAll();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
