#include "records/ContractorView.h"

CContractorView::CContractorView(CGlobalDoc& document, QWidget* parent)
    : CPlaceholderView(document, QStringLiteral("Contractors"),
                       QStringLiteral("The contractors of the open company."), parent)
{
}
