#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Geometry of the quick-help balloon, free of any window: from the anchor
// point, the size of the text block and the anchor's monitor it works out
// where the balloon window goes, where its tail points and where the body
// and the text lie. All rectangles except `window` are in window coordinates.
//
// The balloon is the text block (W x H) with 8 pixels of body around it and
// a 20-pixel tail above or below: W + 16 wide, H + 36 high.

enum class BalloonTailSide { Top, Bottom };

struct BalloonTail {
    BalloonTailSide side = BalloonTailSide::Top;
    QPoint tip;   // the point that lies on the anchor
    QPoint base1; // the two ends of the base, on the body's edge
    QPoint base2;
};

struct BalloonGeometry {
    QRect window; // screen coordinates
    BalloonTail tail;
    QRect body;   // the rounded rectangle (corner ellipses of kBalloonCornerDiameter)
    QRect client; // where the icon, title and content are drawn
};

inline constexpr int kBalloonMargin = 8;          // body padding around the text block
inline constexpr int kBalloonTailHeight = 20;     // room kept for the tail
inline constexpr int kBalloonTailWidth = 20;      // width of the tail's base
inline constexpr int kBalloonCornerDiameter = 24; // corner ellipse of the body
inline constexpr int kBalloonTitleGap = 8;        // between title line and content

// The widest the content may be on `monitor`: the balloon takes at most
// about 60 percent of the monitor's width, its text wrapped to fit.
int BalloonContentWidthLimit(const QRect& monitor);

// The text block size: W is the wider of the title line and the content,
// H the title line's height + the content's height + kBalloonTitleGap.
QSize BalloonTextSize(int titleLineWidth, int titleLineHeight, QSize content);

// Places a balloon whose text block is `text` so that its tail points at
// `anchor` (screen coordinates) and the balloon stays on `monitor`.
BalloonGeometry LayoutBalloon(QPoint anchor, QSize text, const QRect& monitor);
