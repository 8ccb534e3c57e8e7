#pragma once

#include <QPoint>

// Option bits of the quick-help balloon and what they make of the user's
// input. Kept apart from the window so the closing rules can be checked
// without one.

enum BalloonOption : unsigned {
    BalloonCloseOnLeftRelease = 0x01,
    BalloonCloseOnMiddleRelease = 0x02,
    BalloonCloseOnRightRelease = 0x04,
    BalloonCloseOnLeftPress = 0x08,
    BalloonCloseOnMiddlePress = 0x10,
    BalloonCloseOnRightPress = 0x20,
    BalloonCloseOnMouseMove = 0x40,
    BalloonCloseOnKey = 0x80,
    // The time-out waits for the first close request, which only arms it.
    BalloonDelayedClose = 0x100,
    BalloonDeleteOnClose = 0x200,
    BalloonShowCloseButton = 0x400,
    BalloonShadedBorder = 0x800,
    BalloonTopmost = 0x1000,
    BalloonNoShadow = 0x2000,
};
using BalloonOptions = unsigned;

// The triggers that watch the mouse (0x01 to 0x40).
inline constexpr BalloonOptions kBalloonMouseTriggers = 0x7F;
// The triggers on a button release; they need the mouse captured so that a
// release outside the program's windows still reaches the balloon.
inline constexpr BalloonOptions kBalloonReleaseTriggers = 0x07;

// How far the mouse may wander, in x or in y, before a balloon with
// BalloonCloseOnMouseMove closes. The toolkit has no mouse-hover metric (its
// drag distance is a different and much larger threshold), so this is the
// fixed fallback width.
inline constexpr int kBalloonHoverWidth = 3;

enum class BalloonInputKind { Press, Release, Move, Key };
enum class BalloonButton { None, Left, Middle, Right, Other };

struct BalloonInput {
    BalloonInputKind kind = BalloonInputKind::Move;
    BalloonButton button = BalloonButton::None;
    QPoint position; // screen coordinates of the mouse
};

// Whether `input` is a close request for a balloon with `options` that was
// opened with the mouse at `openedAt`.
bool BalloonInputCloses(BalloonOptions options, const BalloonInput& input, QPoint openedAt,
                        int hoverWidth = kBalloonHoverWidth);

// The options of a BalloonDelayedClose balloon after its first close
// request: the delay and the mouse triggers are spent, the key trigger stays.
constexpr BalloonOptions BalloonOptionsAfterFirstRequest(BalloonOptions options)
{
    return options & ~(BalloonDelayedClose | kBalloonMouseTriggers);
}
