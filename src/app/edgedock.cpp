#include "app/edgedock.h"

#include <algorithm>

namespace {

constexpr int strip = 3;

} // namespace

QPoint edgeDock(QRect window, QSize screen, QPoint cursor)
{
    // Each step sees what the steps before it moved, so the rectangle is updated as it goes.
    const int W = window.width();
    const int H = window.height();
    const int SW = screen.width();
    const int SH = screen.height();
    const int MX = cursor.x();
    const int MY = cursor.y();
    const auto L = [&] { return window.left(); };
    const auto T = [&] { return window.top(); };

    if (L() < 0 && T() < 0)
        window.moveTo(0, 1);
    if (L() >= SW - W && T() < 0)
        window.moveTo(SW - W - 1, 0);
    if (T() < 0 && L() < MX && MX < L() + W && MY < strip)
        window.moveTop(0);
    if (T() <= 0 && 0 < L() && L() < SW - W && (MX < L() || MX > L() + W || MY > T() + H))
        window.moveTop(strip - H);
    if (L() < 0 && T() < MY && MY < T() + H && MX < strip)
        window.moveLeft(0);
    if (L() <= 0 && 0 < T() && T() < SH - H && (MY < T() || MY > T() + H || MX > W))
        window.moveLeft(strip - W);
    if (MX > SW - strip && T() < MY && MY < T() + H)
        window.moveLeft(SW - W);
    if (L() >= SW - W && 0 < T() && T() < SH - H && (MY < T() || MY > T() + H || MX < SW - W))
        window.moveLeft(SW - strip);
    return window.topLeft();
}

QPoint undockedPosition(QRect window, QSize screen)
{
    const int rightmost = screen.width() - window.width() - 1;
    const int lowest = screen.height() - window.height();
    // On a screen smaller than the window the top-left edges win.
    const int left = std::max(1, std::min(window.left(), rightmost));
    const int top = std::max(1, std::min(window.top(), lowest));
    return {left, top};
}
