#pragma once

#include "gui/records/RecordListView.h"

// The contractors of the open company: "New Contractor", "Modify
// Contractor" (or a double click on a row) and "Delete Contractor" over the
// list of contractors. Each contractor's 1099-MISC comes and goes with it.
// The list keeps its own sort, apart from the employee list's.
class CContractorView : public CRecordListView {
    Q_OBJECT

public:
    // Shows the contractors alone.
    bool Shows(RecordKind kind) const override { return kind == RecordKind::Contractor; }
    explicit CContractorView(CGlobalDoc& document, QWidget* parent = nullptr);

protected:
    bool FillOrder(RecordListOrder& order) override;
    bool RunRecordDialog(int index, int id) override;
    void DeleteRecord(int index, int id) override;
};
