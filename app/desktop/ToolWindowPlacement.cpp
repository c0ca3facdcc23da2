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

} // namespace

QRect placeToolWindow(const ToolWindowRoom& room, QSize wanted, QSize least) {
    const QRect& main = room.mainFrame;
    const QSize full = wanted.boundedTo(room.screen.size());
    const QSize smallest = least.boundedTo(full);
    const QMargins gap(ToolWindowGap, ToolWindowGap, ToolWindowGap, ToolWindowGap);
    std::vector<QRect> obstacles{main.marginsAdded(gap)};
    for (const QRect& other : room.others)
        obstacles.push_back(other.marginsAdded(gap));

    // Covering nothing: the largest size, then the nearest place, level with
    // the main window where it can be.
    std::optional<QRect> best;
    auto rank = [&](const QRect& r) {
        return std::make_tuple(-area(r), distance(r, main), side(r, main), displacement(r, main),
                               r.top(), r.left());
    };
    for (const QRect& region : freeRegions(room.screen, obstacles)) {
        const QSize size = full.boundedTo(region.size());
        if (size.width() < smallest.width() || size.height() < smallest.height())
            continue;
        const QRect at = nearestIn(region, size, main);
        if (!best || rank(at) < rank(*best))
            best = at;
    }
    if (best)
        return *best;

    // Covering something at the smallest size: never what must stay in sight
    // where that can be helped, then the least of the main window and of the
    // other tool windows, then the nearest.
    std::vector<int> xs{room.screen.left(), room.screen.right() - smallest.width() + 1,
                        main.right() + 1 + ToolWindowGap,
                        main.left() - ToolWindowGap - smallest.width(), main.left()};
    std::vector<int> ys{room.screen.top(), room.screen.bottom() - smallest.height() + 1,
                        main.bottom() + 1 + ToolWindowGap,
                        main.top() - ToolWindowGap - smallest.height(), main.top()};
    for (const QRect& kept : room.keptInSight) {
        xs.push_back(kept.right() + 1 + ToolWindowGap);
        xs.push_back(kept.left() - ToolWindowGap - smallest.width());
        ys.push_back(kept.bottom() + 1 + ToolWindowGap);
        ys.push_back(kept.top() - ToolWindowGap - smallest.height());
    }
    auto cost = [&](const QRect& r) {
        qint64 hidden = 0;
        for (const QRect& kept : room.keptInSight)
            hidden += overlap(r, kept);
        qint64 covered = 0;
        for (const QRect& other : room.others)
            covered += overlap(r, other);
        return std::make_tuple(hidden, overlap(r, main), covered, distance(r, main), side(r, main),
                               r.top(), r.left());
    };
    QRect chosen;
    bool any = false;
    for (int x : xs)
        for (int y : ys) {
            const QRect at = keptOnScreen(QRect(QPoint(x, y), smallest), room.screen);
            if (!any || cost(at) < cost(chosen)) {
                chosen = at;
                any = true;
            }
        }
    return chosen;
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

void placeToolWindowBesideMain(QWidget* tool, QSize least) {
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
    const QSize wanted = tool->size().expandedTo(smallest);
    least = least.expandedTo(smallest).boundedTo(wanted);
    const QRect at = placeToolWindow(room, wanted + frame, least + frame);
    tool->resize((at.size() - frame).expandedTo(tool->minimumSize()));
    // move() places the frame's top left corner.
    tool->move(at.topLeft());
}
