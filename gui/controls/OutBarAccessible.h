#pragma once

#include <QAccessible>

class COutBarCtrl;

// The navigation bar as a screen reader sees it: a list named after the
// bar, whose children are the open folder's items (by their captions,
// selectable, focusable, with the selected and focused states and a press
// action that opens the item as a click does), the folder headers when
// there is more than one folder (a press opens the folder), a window the
// open folder hosts and the caption editor while it is open.

// Makes every navigation bar speak so to the accessibility bus; once is
// enough, more calls do nothing.
void InstallOutBarAccessibility();

// Tells a listening screen reader that `item` of the bar's open folder
// has the focus (QAccessible::Focus), was selected (Selection) or renamed
// (NameChanged).
void NotifyOutBarItem(COutBarCtrl* bar, QAccessible::Event event, int item);
// Tells it that the bar's children changed: another folder, an item more,
// moved or scrolled into view.
void NotifyOutBarChildren(COutBarCtrl* bar);
