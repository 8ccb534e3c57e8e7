#include "gui/records/StateComboBox.h"

#include "core/records/StateTable.h"

CStateComboBox::CStateComboBox(QWidget* parent)
    : QComboBox(parent)
{
    for (const char* state : kStateTable)
        addItem(QLatin1String(state));
    setCurrentIndex(0);
    setMaxVisibleItems(16);
}

bool CStateComboBox::SelectState(const QString& state)
{
    const int index = findText(state, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0)
        return false;
    setCurrentIndex(index);
    return true;
}

QString CStateComboBox::SelectedState() const
{
    return currentIndex() < 0 ? QString() : currentText();
}
