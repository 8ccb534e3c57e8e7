#pragma once

#include "gui/records/RecordListView.h"

// The employees of the open company: "New Employee", "Modify Employee"
// (or a double click on a row) and "Delete Employee" over the list of
// employees. Each employee's W-2 comes and goes with it.
class CEmployeeView : public CRecordListView {
    Q_OBJECT

public:
    // Shows the employees alone.
    bool Shows(RecordKind kind) const override { return kind == RecordKind::Employee; }
    explicit CEmployeeView(CGlobalDoc& document, QWidget* parent = nullptr);

protected:
    bool FillOrder(RecordListOrder& order) override;
    bool RunRecordDialog(int index, int id) override;
    void DeleteRecord(int index, int id) override;
};
