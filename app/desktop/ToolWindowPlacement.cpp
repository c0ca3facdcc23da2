#include "app/desktop/ToolWindowPlacement.h"

#include <algorithm>

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

QRect placeToolWindow(const QRect& mainFrame, QSize frameSize, const QRect& screen) {
    const QSize size = frameSize.boundedTo(screen.size());
    const int w = size.width();
    const int h = size.height();
    // Beside the main window, level with its top.
    const QRect candidates[] = {
        {QPoint(mainFrame.right() + 1 + ToolWindowGap, mainFrame.top()), size},
        {QPoint(mainFrame.left() - ToolWindowGap - w, mainFrame.top()), size},
        {QPoint(mainFrame.left(), mainFrame.bottom() + 1 + ToolWindowGap), size},
        {QPoint(mainFrame.left(), mainFrame.top() - ToolWindowGap - h), size},
    };
    for (int side = 0; side < 4; ++side) {
        const QRect& c = candidates[side];
        // Sideways it may slide up or down, and up or down sideways, to stay
        // on the screen without covering the main window.
        const bool fits =
            side < 2
                ? c.left() >= screen.left() && c.right() <= screen.right() && h <= screen.height()
                : c.top() >= screen.top() && c.bottom() <= screen.bottom() && w <= screen.width();
        if (fits)
            return keptOnScreen(c, screen);
    }
    // No side has room: the side with the most, at the screen's edge.
    const int room[] = {screen.right() - mainFrame.right(), mainFrame.left() - screen.left(),
                        screen.bottom() - mainFrame.bottom(), mainFrame.top() - screen.top()};
    const int side = int(std::max_element(std::begin(room), std::end(room)) - std::begin(room));
    QRect at = candidates[side];
    switch (side) {
    case 0:
        at.moveRight(screen.right());
        break;
    case 1:
        at.moveLeft(screen.left());
        break;
    case 2:
        at.moveBottom(screen.bottom());
        break;
    default:
        at.moveTop(screen.top());
        break;
    }
    return keptOnScreen(at, screen);
}
