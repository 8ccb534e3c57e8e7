#pragma once

#include <QComboBox>

// The drop-down list of the state table, unsorted, its first entry (two
// blanks, no state) selected to begin with.
class CStateComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit CStateComboBox(QWidget* parent = nullptr);

    // Selects the entry equal to `state`; with no such entry the selection
    // stays as it is. Returns whether one was found.
    bool SelectState(const QString& state);
    // The text of the selected entry; empty when none is selected.
    QString SelectedState() const;
};
