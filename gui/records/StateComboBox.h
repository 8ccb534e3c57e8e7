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
    bool SelectState(const QString& state);
    // The text of the selected entry; empty when none is selected.
    QString SelectedState() const;
};
