#include "core/balloon/BalloonOptions.h"

#include <cstdlib>

namespace {

BalloonOptions PressBit(BalloonButton button)
{
    switch (button) {
    case BalloonButton::Left:
        return BalloonCloseOnLeftPress;
    case BalloonButton::Middle:
        return BalloonCloseOnMiddlePress;
    case BalloonButton::Right:
        return BalloonCloseOnRightPress;
    default:
        return 0;
    }
}

BalloonOptions ReleaseBit(BalloonButton button)
{
    switch (button) {
    case BalloonButton::Left:
        return BalloonCloseOnLeftRelease;
    case BalloonButton::Middle:
        return BalloonCloseOnMiddleRelease;
    case BalloonButton::Right:
        return BalloonCloseOnRightRelease;
    default:
        return 0;
    }
}

} // namespace

bool BalloonInputCloses(BalloonOptions options, const BalloonInput& input, QPoint openedAt, int hoverWidth)
{
    switch (input.kind) {
    case BalloonInputKind::Press:
        return (options & PressBit(input.button)) != 0;
    case BalloonInputKind::Release:
        return (options & ReleaseBit(input.button)) != 0;
    case BalloonInputKind::Move:
        return (options & BalloonCloseOnMouseMove)
               && (std::abs(input.position.x() - openedAt.x()) > hoverWidth
                   || std::abs(input.position.y() - openedAt.y()) > hoverWidth);
    case BalloonInputKind::Key:
        return (options & BalloonCloseOnKey) != 0;
    }
    return false;
}
