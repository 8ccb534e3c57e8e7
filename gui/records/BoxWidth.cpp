#include "gui/records/BoxWidth.h"

#include <QFontMetrics>
#include <QLineEdit>

#include <algorithm>

void SetWidthInCharacters(QLineEdit* box, int characters)
{
    const QFontMetrics metrics(box->font());
    // Digits and capitals are wider than the average character; a box
    // should show its full text without scrolling.
    const int perCharacter = std::max(metrics.averageCharWidth(), metrics.horizontalAdvance(u'0'));
    box->setFixedWidth(perCharacter * characters + 14);
}
