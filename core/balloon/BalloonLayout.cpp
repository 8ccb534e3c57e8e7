#include "core/balloon/BalloonLayout.h"

#include <algorithm>

int BalloonContentWidthLimit(const QRect& monitor)
{
    // A balloon on a very small monitor still has room for a few words.
    constexpr int kNarrowest = 160;
    return std::max(monitor.width() * 6 / 10 - 2 * kBalloonMargin, kNarrowest);
}

QSize BalloonTextSize(int titleLineWidth, int titleLineHeight, QSize content)
{
    return QSize(std::max(titleLineWidth, content.width()), titleLineHeight + content.height() + kBalloonTitleGap);
}

BalloonGeometry LayoutBalloon(QPoint anchor, QSize text, const QRect& monitor)
{
    const int w = std::max(text.width(), 0);
    const int h = std::max(text.height(), 0);
    const int width = w + 2 * kBalloonMargin;
    const int height = h + 2 * kBalloonMargin + kBalloonTailHeight;
    const int bodyHeight = h + 2 * kBalloonMargin;

    // The anchor's quadrant of its monitor decides where the body goes: away
    // from the nearer edges, so that it opens towards the monitor's middle.
    const bool upperHalf = anchor.y() < monitor.top() + monitor.height() / 2;
    const bool leftHalf = anchor.x() < monitor.left() + monitor.width() / 2;

    // The tail sits a quarter of the way in from the side the balloon grows
    // away from; its tip is the base's outer end.
    const int e = std::max((w - 4) / 4, 0);
    int baseLeft = leftHalf ? e : 3 * e;
    const auto clampTip = [w](int x) { return std::clamp(x, kBalloonMargin, w + kBalloonMargin); };
    int tipX = clampTip(leftHalf ? e : 3 * e + kBalloonTailWidth);
    const int tipY = upperHalf ? 1 : h + 34;

    QPoint topLeft(anchor.x() - tipX, anchor.y() - tipY);

    // Keep the balloon on the anchor's monitor. A horizontal shift swings
    // the tip the other way so that it still points at the anchor.
    const int monitorRight = monitor.left() + monitor.width();
    const int monitorBottom = monitor.top() + monitor.height();
    int dx = 0;
    if (topLeft.x() < monitor.left())
        dx = monitor.left() - topLeft.x();
    else if (topLeft.x() + width > monitorRight)
        dx = monitorRight - (topLeft.x() + width);
    topLeft.rx() += dx;
    tipX = clampTip(tipX - dx);
    if (dx != 0) {
        // The base goes along with the tip, so that the tail stays a short
        // triangle on the body's straight edge instead of a long sliver.
        const int radius = kBalloonCornerDiameter / 2;
        baseLeft = std::clamp(leftHalf ? tipX : tipX - kBalloonTailWidth, radius,
                              std::max(radius, width - radius - kBalloonTailWidth));
    }

    // Vertically the tail's 20 pixels may stick out; more than that and the
    // whole window is brought onto the monitor.
    if (topLeft.y() + kBalloonTailHeight < monitor.top())
        topLeft.setY(monitor.top());
    else if (topLeft.y() + height - kBalloonTailHeight > monitorBottom)
        topLeft.setY(monitorBottom - height);

    BalloonGeometry g;
    g.window = QRect(topLeft, QSize(width, height));
    if (upperHalf) {
        g.tail.side = BalloonTailSide::Top;
        g.tail.tip = QPoint(tipX, 1);
        g.tail.base1 = QPoint(baseLeft, 21);
        g.tail.base2 = QPoint(baseLeft + kBalloonTailWidth, 21);
        g.body = QRect(0, kBalloonTailHeight, width, bodyHeight);
        g.client = QRect(kBalloonMargin, kBalloonTailHeight + kBalloonMargin, w, h);
    } else {
        g.tail.side = BalloonTailSide::Bottom;
        g.tail.tip = QPoint(tipX, h + 34);
        g.tail.base1 = QPoint(baseLeft, h + 14);
        g.tail.base2 = QPoint(baseLeft + kBalloonTailWidth, h + 14);
        g.body = QRect(0, 0, width, bodyHeight);
        g.client = QRect(kBalloonMargin, kBalloonMargin, w, h);
    }
    return g;
}
