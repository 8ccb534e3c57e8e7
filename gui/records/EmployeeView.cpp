#include "gui/records/EmployeeView.h"

#include "core/document/GlobalDoc.h"
#include "gui/records/EmployeeDialog.h"

CEmployeeView::CEmployeeView(CGlobalDoc& document, QWidget* parent)
    : CRecordListView(document, {"Social Security Number", "New Employee", "Modify Employee", "Delete Employee"},
                      parent)
{
}

bool CEmployeeView::FillOrder(RecordListOrder& order)
{
    return order.Refresh(document_.Employees());
}

bool CEmployeeView::RunRecordDialog(int index, int id)
{
    CEmployeeDialog dialog(document_, index, id, this);
    return dialog.exec() == QDialog::Accepted;
}

void CEmployeeView::DeleteRecord(int index, int id)
{
    document_.Editor().DeleteEmployee(index, id);
}
