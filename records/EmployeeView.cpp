#include "records/EmployeeView.h"

CEmployeeView::CEmployeeView(CGlobalDoc& document, QWidget* parent)
    : CPlaceholderView(document, QStringLiteral("Employees"),
                       QStringLiteral("The employees of the open company."), parent)
{
}
