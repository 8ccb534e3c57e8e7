#include "gui/screens/FocusScrolling.h"

#include <QApplication>
#include <QScrollArea>

void ScrollToShow(QScrollArea* area, QWidget* widget)
{
    QWidget* page = area ? area->widget() : nullptr;
    if (!widget || !page || !page->isAncestorOf(widget))
        return;
    // The whole box, not only its caret: a box at the right edge would show
    // its first characters alone.
    const QRect box(widget->mapTo(page, QPoint(0, 0)), widget->size());
    const int margin = 8;
    area->ensureVisible(box.center().x(), box.center().y(), box.width() / 2 + margin, box.height() / 2 + margin);
}

QMetaObject::Connection FollowFocus(QScrollArea* area)
{
    return QObject::connect(qApp, &QApplication::focusChanged, area,
                            [area](QWidget*, QWidget* now) { ScrollToShow(area, now); });
}
