#pragma once

#include <QComboBox>

// The drop-down list of the state table, unsorted, its first entry (two
// blanks, no state) selected to begin with.
class CStateComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit CStateComboBox(QWidget* parent = nullptr);

    // Selects the entry equal to `state`; an empty state selects the blank
    // first entry. A state that is not in the list (written by other
    // software) selects nothing, so what was selected before is never taken
    // for it. Returns whether an entry is selected.
    // A state not in the list is marked with a tip that says so.
    bool SelectState(const QString& state);
    // The text of the selected entry; empty when none is selected.
    QString SelectedState() const;
    // The state to save: the state last given to SelectState while the
    // user has chosen no other entry (so a stored state not in the list, or
    // written otherwise than the list writes it, is kept), else the chosen
    // entry.
    QString KeptState() const;

private:
    QString shownState_;
    int shownIndex_ = 0;
    bool stateShown_ = false;
    QString ownToolTip_;
};
