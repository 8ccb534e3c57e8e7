#include "records/CompanyView.h"

CCompanyView::CCompanyView(CGlobalDoc& document, QWidget* parent)
    : CPlaceholderView(document, QStringLiteral("Company Setup"),
                       QStringLiteral("The company's identification, W-3 and 1096 data."), parent)
{
}
