#include "gui/records/PropSheetCompany.h"

#include "gui/records/CompanyPages.h"
#include "gui/entry/RuleEdit.h"

CPropSheetCompany::CPropSheetCompany(QWidget* parent)
    : QTabWidget(parent)
    , general_(new CPropertyPageCompanyGeneral(this))
    , w3_(new CPropertyPageCompanyW3(this))
    , page1096_(new CPropertyPageCompany1096(this))
{
    setWindowTitle(QLatin1String(kCaption));
    setObjectName(QStringLiteral("CPropSheetCompany"));
    addTab(general_, QStringLiteral("General Information"));
    addTab(w3_, QStringLiteral("W3 Information"));
    addTab(page1096_, QStringLiteral("1096 Information"));
    setDocumentMode(false);
    // The sheet itself is no stop of the Tab key; its pages' boxes are.
    setFocusPolicy(Qt::NoFocus);
}

void CPropSheetCompany::TurnPage(int step)
{
    setCurrentIndex(((currentIndex() + step) % count() + count()) % count());
}

void CPropSheetCompany::Load(const CompanyRecord& company)
{
    for (CompanyPage* page : Pages())
        page->Load(company);
    setCurrentIndex(0);
}

void CPropSheetCompany::Clear()
{
    for (CompanyPage* page : Pages())
        page->Clear();
    setCurrentIndex(0);
}

void CPropSheetCompany::Save(CompanyRecord& company) const
{
    for (CompanyPage* page : Pages())
        page->Save(company);
}

QString CPropSheetCompany::EmployerName() const
{
    return general_->EmployerNameBox()->text();
}

std::array<CompanyPage*, 3> CPropSheetCompany::Pages() const
{
    return {general_, w3_, page1096_};
}
