#pragma once

#include "gui/screens/FormView.h"
#include "core/records/RecordListOrder.h"

#include <optional>

class CColorButton;
class QTreeWidget;
class QTreeWidgetItem;

// The screen shared by the employee and contractor lists: three command
// buttons at the top ("New ...", "Modify ...", "Delete ...") and below them
// a report list of the records with the columns "First Name", "Middle
// Name", "Last Name" and the number column. One row is selected at a time,
// as a whole, and stays marked when the list loses the focus. A click on a
// column heading sorts the rows (RecordListOrder); each refresh shows them
// in first-name order again.
class CRecordListView : public CFormView {
    Q_OBJECT

public:
    // Column widths in pixels.
    static constexpr int kColumnWidths[RecordListOrder::kColumnCount] = {194, 100, 194, 160};

    // The row order the W-2 and 1099-MISC screens step through.
    const RecordListOrder& ListOrder() const { return order_; }

    QTreeWidget* List() const { return list_; }
    CColorButton* NewButton() const { return new_; }
    CColorButton* ModifyButton() const { return modify_; }
    CColorButton* DeleteButton() const { return delete_; }

    // The (index, id) of the selected row, if one is selected.
    std::optional<std::pair<int, int>> SelectedRecord() const;
    // Selects the row of record index `index`; false when it has none.
    bool SelectRecord(int index);

    void RefreshFromDocument(CGlobalDoc& document) override;
    void OnCompanyDataCleared() override;
    void OnViewShown() override;

public slots:
    void OnNew();
    void OnModify();
    void OnDelete();

protected:
    struct Captions {
        const char* numberHeading;
        const char* newButton;
        const char* modifyButton;
        const char* deleteButton;
    };
    CRecordListView(CGlobalDoc& document, const Captions& captions, QWidget* parent);

    // The rows from the document's list, in first-name order; false when
    // they stood so already.
    virtual bool FillOrder(RecordListOrder& order) = 0;
    // Runs the record dialog for (index, id), (-1, -1) for a new record;
    // true when it ended with OK.
    virtual bool RunRecordDialog(int index, int id) = 0;
    // Deletes the record of (index, id) with its form.
    virtual void DeleteRecord(int index, int id) = 0;

    void resizeEvent(QResizeEvent* event) override;

private:
    // Rebuilds the rows from the document (first-name order); the list is
    // filled anew only when they changed.
    void Refresh();
    // Shows the rows of the order, keeping the selected record selected.
    void ShowRows();
    void OnHeadingClicked(int column);
    void LayOut();

    RecordListOrder order_;
    QTreeWidget* list_;
    CColorButton* new_;
    CColorButton* modify_;
    CColorButton* delete_;
};
