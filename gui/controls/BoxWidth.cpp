#include "gui/controls/BoxWidth.h"

#include <QFontMetrics>
#include <QLineEdit>

#include <algorithm>

void SetWidthInCharacters(QLineEdit* box, int characters, int atLeast)
{
    const QFontMetrics metrics(box->font());
    // Digits and capitals are wider than the average character; a box
    // should show its full text without scrolling.
    const int perCharacter = std::max(metrics.averageCharWidth(), metrics.horizontalAdvance(u'0'));
    box->setFixedWidth(std::max(atLeast, perCharacter * characters + 14));
}
