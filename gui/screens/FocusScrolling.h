#pragma once

#include <QMetaObject>

class QScrollArea;
class QWidget;

// A screen in a small window scrolls to the box the keyboard is in: Tab,
// Enter, a click half out of view and the program's own moves of the focus
// all bring the box into view.

// Scrolls `area` so that `widget` (on its page) shows whole, as far as it
// fits: a box wider than the view shows from its left edge.
void ScrollToShow(QScrollArea* area, QWidget* widget);

// From now on `area` follows the focus to every widget on its page. The
// caller disconnects the returned connection before the area goes (while a
// window is torn down the focus moves, and the area must hear nothing of
// it by then).
QMetaObject::Connection FollowFocus(QScrollArea* area);
