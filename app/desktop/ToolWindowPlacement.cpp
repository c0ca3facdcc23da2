#include "app/desktop/ToolWindowPlacement.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <tuple>
#include <vector>

QRect keptOnScreen(const QRect& frame, const QRect& screen) {
    QRect kept = frame;
    // Right and bottom edges first, so that the top left corner wins where
    // the frame is larger than the screen.
    if (kept.right() > screen.right())
        kept.moveRight(screen.right());
    if (kept.bottom() > screen.bottom())
        kept.moveBottom(screen.bottom());
    if (kept.left() < screen.left())
        kept.moveLeft(screen.left());
    if (kept.top() < screen.top())
        kept.moveTop(screen.top());
    return kept;
}

namespace {

qint64 area(const QRect& r) {
    return r.isEmpty() ? 0 : qint64(r.width()) * r.height();
}

qint64 overlap(const QRect& a, const QRect& b) {
    return area(a.intersected(b));
}

// Steps between two rectangles along x and y: 0 where they touch or overlap.
int distance(const QRect& a, const QRect& b) {
    const int dx = std::max({0, b.left() - a.right() - 1, a.left() - b.right() - 1});
    const int dy = std::max({0, b.top() - a.bottom() - 1, a.top() - b.bottom() - 1});
    return dx + dy;
}

// Right, left, below, above the main window, in that order of preference.
int side(const QRect& r, const QRect& main) {
    if (r.left() > main.right())
        return 0;
    if (r.right() < main.left())
        return 1;
    if (r.top() > main.bottom())
        return 2;
    return 3;
}

// How far `r` lies from level with the main window: from its top beside it,
// from its left edge below or above it.
int displacement(const QRect& r, const QRect& main) {
    return side(r, main) < 2 ? std::abs(r.top() - main.top()) : std::abs(r.left() - main.left());
}

// `size` inside `region`, as near to the main window's top left corner as
// the region allows: level with the main window's top beside it, with its
// left edge below or above it.
QRect nearestIn(const QRect& region, QSize size, const QRect& main) {
    const int x = std::clamp(main.left(), region.left(), region.right() - size.width() + 1);
    const int y = std::clamp(main.top(), region.top(), region.bottom() - size.height() + 1);
    return {QPoint(x, y), size};
}

// Every rectangle of the screen whose edges lie on the screen's or an
// obstacle's edges and that meets no obstacle: the largest free places are
// among them. A handful of obstacles give a few thousand to check.
std::vector<QRect> freeRegions(const QRect& screen, const std::vector<QRect>& obstacles) {
    std::vector<int> xs{screen.left(), screen.right() + 1};
    std::vector<int> ys{screen.top(), screen.bottom() + 1};
    for (const QRect& o : obstacles) {
        for (int x : {o.left(), o.right() + 1})
            xs.push_back(std::clamp(x, screen.left(), screen.right() + 1));
        for (int y : {o.top(), o.bottom() + 1})
            ys.push_back(std::clamp(y, screen.top(), screen.bottom() + 1));
    }
    for (auto* edges : {&xs, &ys}) {
        std::sort(edges->begin(), edges->end());
        edges->erase(std::unique(edges->begin(), edges->end()), edges->end());
    }
    std::vector<QRect> regions;
    for (size_t l = 0; l < xs.size(); ++l)
        for (size_t r = l + 1; r < xs.size(); ++r)
            for (size_t t = 0; t < ys.size(); ++t)
                for (size_t b = t + 1; b < ys.size(); ++b) {
                    const QRect region(QPoint(xs[l], ys[t]), QPoint(xs[r] - 1, ys[b] - 1));
                    if (std::none_of(obstacles.begin(), obstacles.end(),
                                     [&](const QRect& o) { return o.intersects(region); }))
                        regions.push_back(region);
                }
    return regions;
}

// How far `r` lies over other tool windows beyond half of the smaller of
// each two: 0 where each keeps at least half of itself in sight.
qint64 overHalf(const QRect& r, const QList<QRect>& others) {
    qint64 excess = 0;
    for (const QRect& other : others)
        excess += std::max<qint64>(0, overlap(r, other) - std::min(area(r), area(other)) / 2);
    return excess;
}

// The frame of `size` covering nothing, in the largest free place where it is
// at least `floor`, then the nearest; none where no place holds `floor`.
std::optional<QRect> clearPlace(const std::vector<QRect>& regions, QSize full, QSize floor,
                                const QRect& main) {
    std::optional<QRect> best;
    auto rank = [&](const QRect& r) {
        return std::make_tuple(-area(r), distance(r, main), side(r, main), displacement(r, main),
                               r.top(), r.left());
    };
    for (const QRect& region : regions) {
        const QSize size = full.boundedTo(region.size());
        if (size.width() < floor.width() || size.height() < floor.height())
            continue;
        const QRect at = nearestIn(region, size, main);
        if (!best || rank(at) < rank(*best))
            best = at;
    }
    return best;
}

// The places where a frame of `size` may cover something: against the
// screen's edges, and beside, level with or half over the main window, what
// must stay in sight and the other tool windows.
std::vector<QRect> placesOver(const ToolWindowRoom& room, QSize size) {
    const int w = size.width();
    const int h = size.height();
    std::vector<int> xs{room.screen.left(), room.screen.right() - w + 1};
    std::vector<int> ys{room.screen.top(), room.screen.bottom() - h + 1};
    auto around = [&](const QRect& r) {
        xs.insert(xs.end(), {r.left(), r.right() - w + 1, r.right() + 1 + ToolWindowGap,
                             r.left() - ToolWindowGap - w});
        ys.insert(ys.end(), {r.top(), r.bottom() - h + 1, r.bottom() + 1 + ToolWindowGap,
                             r.top() - ToolWindowGap - h});
    };
    around(room.mainFrame);
    for (const QRect& kept : room.keptInSight)
        around(kept);
    for (const QRect& other : room.others) {
        around(other);
        xs.insert(xs.end(), {other.left() + other.width() / 2, other.right() + 1 - w / 2,
                             other.left() - w + w / 2});
        ys.insert(ys.end(), {other.top() + other.height() / 2, other.bottom() + 1 - h / 2,
                             other.top() - h + h / 2});
    }
    std::vector<QRect> places;
    for (int x : xs)
        for (int y : ys)
            places.push_back(keptOnScreen(QRect(QPoint(x, y), size), room.screen));
    return places;
}

} // namespace

QRect placeToolWindow(const ToolWindowRoom& room, const ToolWindowSizes& sizes) {
    const QRect& main = room.mainFrame;
    const QSize full = sizes.wanted.boundedTo(room.screen.size());
    const QSize least = sizes.least.boundedTo(full);
    const QSize narrowest = sizes.narrowest.boundedTo(least);
    const QSize smallest = sizes.smallest.boundedTo(narrowest);
    const QMargins gap(ToolWindowGap, ToolWindowGap, ToolWindowGap, ToolWindowGap);
    std::vector<QRect> obstacles{main.marginsAdded(gap)};
    for (const QRect& other : room.others)
        obstacles.push_back(other.marginsAdded(gap));

    // Covering nothing: the largest size, then the nearest place, level with
    // the main window where it can be; narrower than the least size only
    // where nothing else covers nothing.
    const std::vector<QRect> regions = freeRegions(room.screen, obstacles);
    for (const QSize floor : {least, narrowest})
        if (const auto at = clearPlace(regions, full, floor, main))
            return *at;

    // Covering something: see the header for the order of what counts.
    const bool mainWhole = room.screen.contains(main);
    std::vector<QSize> tried{least};
    for (const QSize size : {narrowest, smallest})
        if (size != tried.back() && (mainWhole || size != smallest))
            tried.push_back(size);
    auto cost = [&](const QRect& r, int smaller) {
        qint64 hidden = 0;
        for (const QRect& kept : room.keptInSight)
            hidden += overlap(r, kept);
        qint64 covered = overlap(r, main);
        for (const QRect& other : room.others)
            covered += overlap(r, other);
        const qint64 under = overHalf(r, room.others);
        return std::make_tuple(mainWhole ? hidden : under, mainWhole ? under : hidden, smaller,
                               covered, distance(r, main), side(r, main), r.top(), r.left());
    };
    std::optional<QRect> chosen;
    int chosenSmaller = 0;
    for (int smaller = 0; smaller < int(tried.size()); ++smaller)
        for (const QRect& at : placesOver(room, tried[std::size_t(smaller)]))
            if (!chosen || cost(at, smaller) < cost(*chosen, chosenSmaller)) {
                chosen = at;
                chosenSmaller = smaller;
            }
    return *chosen;
}

namespace {

// How much of what must stay in sight `r` covers, and of other windows
// beyond half: 0 where it keeps the rules.
qint64 breaches(const ToolWindowRoom& room, const QRect& r) {
    qint64 hidden = 0;
    for (const QRect& kept : room.keptInSight)
        hidden += overlap(r, kept);
    return hidden + overHalf(r, room.others);
}

// The same for each of `frames` among the others.
qint64 breaches(ToolWindowRoom room, const QList<QRect>& frames) {
    const QList<QRect> fixed = room.others;
    qint64 total = 0;
    for (qsizetype i = 0; i < frames.size(); ++i) {
        room.others = fixed;
        for (qsizetype j = 0; j < frames.size(); ++j)
            if (j != i)
                room.others << frames[j];
        total += breaches(room, frames[i]);
    }
    return total;
}

} // namespace

QList<QRect> placeToolWindowFirst(const ToolWindowRoom& room, const ToolWindowSizes& sizes,
                                  const QList<MovableToolWindow>& movable) {
    ToolWindowRoom all = room;
    QList<QRect> asThey;
    for (const MovableToolWindow& m : movable) {
        all.others << m.frame;
        asThey << m.frame;
    }
    asThey.prepend(placeToolWindow(all, sizes));
    if (movable.isEmpty() || breaches(all, asThey.first()) == 0)
        return asThey;
    ToolWindowRoom again = room;
    QList<QRect> givenWay{placeToolWindow(again, sizes)};
    again.others << givenWay.first();
    for (const MovableToolWindow& m : movable) {
        givenWay << placeToolWindow(again, m.sizes);
        again.others << givenWay.last();
    }
    return breaches(room, givenWay) < breaches(room, asThey) ? givenWay : asThey;
}

namespace {

// Where the program last put a tool window, at which sizes it placed it, and
// when it first did: {top left, size, wanted, least, narrowest, smallest,
// order}. The window's own corner and size, as the frame the system gives it
// can differ a little from the one worked out before it first showed.
const char* const PlacementProperty = "vantorPlacement";

struct Placement {
    ToolWindowSizes sizes;
    int order = 0;
};

void notePlacement(QWidget* tool, const ToolWindowSizes& sizes, int order) {
    tool->setProperty(PlacementProperty,
                      QVariantList{tool->pos(), tool->size(), sizes.wanted, sizes.least,
                                   sizes.narrowest, sizes.smallest, order});
}

// How the program placed `tool`, where it has not been moved or resized since.
std::optional<Placement> unmovedPlacement(const QWidget* tool) {
    const QVariantList p = tool->property(PlacementProperty).toList();
    if (p.size() != 7 || p[0].toPoint() != tool->pos() || p[1].toSize() != tool->size())
        return std::nullopt;
    return Placement{{p[2].toSize(), p[3].toSize(), p[4].toSize(), p[5].toSize()}, p[6].toInt()};
}

// Frames the window as `frame`, the frame's top left corner where move() puts it.
void setFrame(QWidget* tool, const QRect& frame) {
    tool->resize((frame.size() - frameAround(tool)).expandedTo(tool->minimumSize()));
    tool->move(frame.topLeft());
}

QRect globalRect(const QWidget* w) {
    return QRect(w->mapToGlobal(QPoint(0, 0)), w->size());
}

} // namespace

QSize frameAround(const QWidget* tool) {
    const QWidget* main = tool->parentWidget();
    const QWidget* framed = tool->isVisible() || !main ? tool : main;
    return framed->frameGeometry().size() - framed->geometry().size();
}

void placeToolWindowBesideMain(QWidget* tool, QSize least, bool shrinks,
                               const QList<QWidget*>& keptInSight) {
    QWidget* main = tool->parentWidget();
    if (!main || !main->screen())
        return;
    ToolWindowRoom room;
    room.screen = main->screen()->availableGeometry();
    room.mainFrame = main->frameGeometry();
    for (const QWidget* w : keptInSight)
        if (w && w->isVisible())
            room.keptInSight << globalRect(w);
    // The others as the program placed them, in their order, can give way.
    std::vector<std::tuple<int, QWidget*, ToolWindowSizes>> movable;
    for (QWidget* other : QApplication::topLevelWidgets()) {
        if (other == tool || other == main || !other->isVisible() || other->parentWidget() != main)
            continue;
        if (const auto placed = unmovedPlacement(other))
            movable.emplace_back(placed->order, other, placed->sizes);
        else
            room.others << other->frameGeometry();
    }
    std::sort(movable.begin(), movable.end(),
              [](const auto& a, const auto& b) { return std::get<0>(a) < std::get<0>(b); });

    const QSize frame = frameAround(tool);
    // The layout sets how small the window can be, whatever is asked.
    const QSize layoutLeast = tool->minimumSizeHint().expandedTo(tool->minimumSize());
    least = least.expandedTo(layoutLeast);
    ToolWindowSizes sizes;
    // A least size above the size wanted (the comparison's, with room for a
    // scroll bar beside its columns) is wanted too.
    sizes.wanted = tool->size().expandedTo(least) + frame;
    sizes.least = least + frame;
    sizes.narrowest = (shrinks ? (least / 2).expandedTo(layoutLeast) : least) + frame;
    sizes.smallest = (shrinks ? layoutLeast : least) + frame;
    static int placements = 0;
    const auto before = tool->property(PlacementProperty).toList();
    const int order = before.size() == 7 ? before[6].toInt() : ++placements;

    // Only a window that never shrinks (the comparison) makes others give way.
    QList<MovableToolWindow> others;
    for (const auto& [otherOrder, other, otherSizes] : movable) {
        if (shrinks)
            room.others << other->frameGeometry();
        else
            others << MovableToolWindow{other->frameGeometry(), otherSizes};
    }
    const QList<QRect> frames = placeToolWindowFirst(room, sizes, others);
    setFrame(tool, frames[0]);
    notePlacement(tool, sizes, order);
    for (qsizetype i = 0; i < others.size(); ++i) {
        if (frames[i + 1] == others[i].frame)
            continue;
        const auto& [otherOrder, other, otherSizes] = movable[std::size_t(i)];
        setFrame(other, frames[i + 1]);
        notePlacement(other, otherSizes, otherOrder);
    }
}
