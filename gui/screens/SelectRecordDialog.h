#pragma once

#include "core/records/RecordListOrder.h"

#include <QDialog>

#include <optional>

class QTreeWidget;
class QTreeWidgetItem;

// "Select Employee" and "Select Contractor": the owners in a full-row list
// with the columns "First Name", "Middle Name" and "Last Name", sorted by
// "Last Name" when it opens; a click on a heading sorts by that column,
// a second click the other way round (RecordListOrder). OK, Enter or a
// double click take the selected row.
class CSelectRecordDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int kColumnWidths[3] = {190, 100, 190};

    // `rows` holds the owners (refreshed from their list); the row of
    // `currentIndex` starts selected.
    CSelectRecordDialog(const QString& title, RecordListOrder rows, int currentIndex, QWidget* parent = nullptr);

    // The list index of the selected row's owner; without a selection the
    // index the dialog was opened with.
    int ChosenIndex() const;
    QTreeWidget* List() const { return list_; }

private:
    void ShowRows(std::optional<int> selectId);
    void OnHeadingClicked(int column);

    RecordListOrder order_;
    int currentIndex_;
    QTreeWidget* list_;
};
