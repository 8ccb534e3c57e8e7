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
    // A record without a state shows the blank entry, never the state of
    // the record shown before.
    if (state.trimmed().isEmpty()) {
        setCurrentIndex(0);
        return true;
    }
    const int index = findText(state, Qt::MatchExactly | Qt::MatchCaseSensitive);
    setCurrentIndex(index);
    return index >= 0;
}

QString CStateComboBox::SelectedState() const
{
    return currentIndex() < 0 ? QString() : currentText();
}
