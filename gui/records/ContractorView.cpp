#include "gui/records/ContractorView.h"

#include "core/document/GlobalDoc.h"
#include "gui/records/ContractorDialog.h"

CContractorView::CContractorView(CGlobalDoc& document, QWidget* parent)
    : CRecordListView(document, {"Identification Number", "New Contractor", "Modify Contractor", "Delete Contractor"},
                      parent)
{
}

bool CContractorView::FillOrder(RecordListOrder& order)
{
    return order.Refresh(document_.Contractors());
}

bool CContractorView::RunRecordDialog(int index, int id)
{
    CContractorDialog dialog(document_, index, id, this);
    return dialog.exec() == QDialog::Accepted;
}

void CContractorView::DeleteRecord(int index, int id)
{
    document_.Editor().DeleteContractor(index, id);
}
