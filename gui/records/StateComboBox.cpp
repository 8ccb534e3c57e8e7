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
    shownState_ = state;
    stateShown_ = true;
    // A record without a state shows the blank entry, never the state of
    // the record shown before.
    if (state.trimmed().isEmpty()) {
        setCurrentIndex(0);
    } else {
        const int index = findText(state, Qt::MatchExactly | Qt::MatchCaseSensitive);
        setCurrentIndex(index);
    }
    shownIndex_ = currentIndex();
    if (shownIndex_ < 0 && toolTip().isEmpty())
        setToolTip(QStringLiteral("Stored as \u201c%1\u201d, which is not in the list of states. It is kept unless "
                                  "you choose a state.")
                       .arg(state));
    else if (shownIndex_ >= 0)
        setToolTip(QString());
    return shownIndex_ >= 0;
}

QString CStateComboBox::KeptState() const
{
    return stateShown_ && currentIndex() == shownIndex_ ? shownState_ : SelectedState();
}

QString CStateComboBox::SelectedState() const
{
    return currentIndex() < 0 ? QString() : currentText();
}
