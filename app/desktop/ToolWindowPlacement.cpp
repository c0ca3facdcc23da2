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

QRect placeToolWindow(const ToolWindowRoom& room, QSize wanted, QSize least, QSize narrowest) {
    const QRect& main = room.mainFrame;
    const QSize full = wanted.boundedTo(room.screen.size());
    const QSize smallest = least.boundedTo(full);
    const QSize squeezed = narrowest.boundedTo(smallest);
    const QMargins gap(ToolWindowGap, ToolWindowGap, ToolWindowGap, ToolWindowGap);
    std::vector<QRect> obstacles{main.marginsAdded(gap)};
    for (const QRect& other : room.others)
        obstacles.push_back(other.marginsAdded(gap));

    // Covering nothing: the largest size, then the nearest place, level with
    // the main window where it can be; narrower than the least size only
    // where nothing else covers nothing.
    const std::vector<QRect> regions = freeRegions(room.screen, obstacles);
    for (const QSize floor : {smallest, squeezed})
        if (const auto at = clearPlace(regions, full, floor, main))
            return *at;

    // Covering something: never what must stay in sight, nor more than half
    // of another tool window, where that can be helped; the least size
    // before the narrowest; then the least of the main window and of the
    // other tool windows, then the nearest.
    auto cost = [&](const QRect& r, bool narrower) {
        qint64 hidden = 0;
        for (const QRect& kept : room.keptInSight)
            hidden += overlap(r, kept);
        qint64 covered = 0;
        for (const QRect& other : room.others)
            covered += overlap(r, other);
        return std::make_tuple(overHalf(r, room.others), hidden, narrower,
                               overlap(r, main) + covered, distance(r, main), side(r, main),
                               r.top(), r.left());
    };
    std::optional<QRect> chosen;
    bool chosenNarrower = false;
    for (const bool narrower : {false, true}) {
        if (narrower && squeezed == smallest)
            break;
        for (const QRect& at : placesOver(room, narrower ? squeezed : smallest))
            if (!chosen || cost(at, narrower) < cost(*chosen, chosenNarrower)) {
                chosen = at;
                chosenNarrower = narrower;
            }
    }
    return *chosen;
}

namespace {

const char* const KeptInSightProperty = "vantorKeptInSight";

QRect globalRect(const QWidget* w) {
    return QRect(w->mapToGlobal(QPoint(0, 0)), w->size());
}

} // namespace

QSize frameAround(const QWidget* tool) {
    const QWidget* main = tool->parentWidget();
    const QWidget* framed = tool->isVisible() || !main ? tool : main;
    return framed->frameGeometry().size() - framed->geometry().size();
}

void keepInSightOfToolWindows(QWidget* mainWindow, const QList<QWidget*>& widgets) {
    QStringList names;
    for (const QWidget* w : widgets)
        names << w->objectName();
    mainWindow->setProperty(KeptInSightProperty, names);
}

void placeToolWindowBesideMain(QWidget* tool, QSize least, QSize narrowest) {
    QWidget* main = tool->parentWidget();
    if (!main || !main->screen())
        return;
    ToolWindowRoom room;
    room.screen = main->screen()->availableGeometry();
    room.mainFrame = main->frameGeometry();
    for (const QString& name : main->property(KeptInSightProperty).toStringList())
        if (const auto* w = main->findChild<QWidget*>(name); w && w->isVisible())
            room.keptInSight << globalRect(w);
    for (QWidget* other : QApplication::topLevelWidgets())
        if (other != tool && other != main && other->isVisible() && other->parentWidget() == main)
            room.others << other->frameGeometry();

    const QSize frame = frameAround(tool);
    // The layout sets how small the window can be, whatever is asked.
    const QSize smallest = tool->minimumSizeHint().expandedTo(tool->minimumSize());
    least = least.expandedTo(smallest);
    // A least size above the size wanted (the comparison's, with room for a
    // scroll bar beside its columns) is wanted too.
    const QSize wanted = tool->size().expandedTo(least);
    narrowest = narrowest.expandedTo(smallest).boundedTo(least);
    const QRect at = placeToolWindow(room, wanted + frame, least + frame, narrowest + frame);
    tool->resize((at.size() - frame).expandedTo(tool->minimumSize()));
    // move() places the frame's top left corner.
    tool->move(at.topLeft());
}
