#include "core/records/EmployerBlock.h"

#include "core/records/CompanyBoxes.h"

namespace {

using P = EmployerPrint;

// Not on that form.
constexpr EmployerPlace kNone{};

std::vector<EmployerBox> MakeEmployerBlock()
{
    return {
        {"FormW3ControlNumber",
         {"FormW3ControlNumber", "a Control number", 0},
         {"FormW3ControlNumber", "a Control number", 0},
         kNone,
         kNone},
        {"FormW3RadioKindOfPayer", kNone, {nullptr, nullptr, 1, P::KindOfPayer}, kNone, kNone},
        {"FormW3EstablishmentNumber", kNone, {"FormW3EstablishmentNumber", "d Establishment number", 30}, kNone, kNone},
        {"EmployerIdentificationNumber",
         {"EmployerIdentificationNumber", "b Employer identification number", 1},
         {"EmployerIdentificationNumber", "e Employer identification number", 31},
         {"PayerFederalID", "PAYER'S Federal ID number", 7, P::FederalId},
         {"EmployerIdentificationNumber", "1 Employer identification number", 11}},
        {"SocialSecurityNumber", kNone, kNone, kNone, {"SocialSecurityNumber", "2 Social security number", 12}},
        {"EmployerName",
         {"EmployerName", "c Employer's name", 2},
         {"EmployerName", "f Employer's name", 32},
         {"PayerName", "Payer's name", 0},
         {"FilerName", "FILER'S name", 0}},
        {"Address1",
         {"EmployerAddress1", "c Employer's address, line 1", 3},
         {"EmployerAddress1", "g Employer's address, line 1", 33},
         {"PayerAddress1", "Payer's street address, line 1", 1},
         {"FilerAddress", "Street address (including room or suite number)", 1}},
        {"Address2",
         {"EmployerAddress2", "c Employer's address, line 2", 4},
         {"EmployerAddress2", "g Employer's address, line 2", 34},
         {"PayerAddress2", "Payer's street address, line 2", 2},
         kNone},
        {"City",
         {"EmployerCity", "c Employer's city", 5, P::CityStateZip},
         {"EmployerCity", "g Employer's city", 35, P::CityStateZip},
         {"PayerCity", "Payer's city", 3, P::CityStateZip},
         {"FilerCity", "FILER'S city", 2, P::CityStateZip}},
        {"State",
         {"EmployerState", "c Employer's state"},
         {"EmployerState", "g Employer's state"},
         {"PayerState", "Payer's state"},
         {"FilerState", "FILER'S state"}},
        {"Zip",
         {"EmployerZip", "c Employer's ZIP code"},
         {"EmployerZip", "g Employer's ZIP code"},
         {"PayerZip", "Payer's zip code"},
         {"FilerZip", "FILER'S ZIP code"}},
        {"Form1096Telephone", kNone, kNone, {"PayerTelephone", "Payer's Tel. #", 6}, kNone},
        {"FormW3OtherEIN", kNone, {"FormW3OtherEIN", "h Other EIN used this year", 38}, kNone, kNone},
        {"FormW3ThirdPartySickPay",
         kNone,
         {"FormW3ThirdPartySickPay", "13 For third-party sick pay use only", 59, P::Amount},
         kNone,
         kNone},
        // Line 1 of boxes 15 is the company's.
        {"State", {"State1", nullptr, 49}, {"Box15State", "15 State", 39}, kNone, kNone},
        {"StateID", {"StateID1", nullptr, 51}, {"Box15StateID", "15 Employer's state ID number", 40}, kNone, kNone},
        {"FormW3IncomeTaxWithHeld",
         kNone,
         {"FormW3IncomeTaxWithHeld", "14 Income tax withheld by payer of third-party sick pay", 60, P::Amount},
         kNone,
         kNone},
        {"FormW3ContactName", kNone, {"FormW3ContactName", "Contact person", 41}, kNone, kNone},
        {"FormW3Telephone", kNone, {"FormW3Telephone", "Telephone number", 43, P::Telephone}, kNone, kNone},
        {"FormW3Email", kNone, {"FormW3Email", "E-mail address", 42}, kNone, kNone},
        {"FormW3Fax", kNone, {"FormW3Fax", "Fax number", 45, P::Telephone}, kNone, kNone},
        {"Form1096ContactName", kNone, kNone, kNone, {"ContactName", "Name of person to contact", 5}},
        {"Form1096Telephone", kNone, kNone, kNone, {"Telephone", "Telephone number", 7, P::Telephone}},
        {"Form1096Email", kNone, kNone, kNone, {"Email", "E-mail address", 6}},
        {"Form1096Fax", kNone, kNone, kNone, {"Fax", "Fax number", 9, P::Telephone}},
        {"Form1096CheckIsThisYourFinalReturn", kNone, kNone, kNone, {nullptr, nullptr, 16, P::Mark}},
    };
}

} // namespace

const EmployerPlace& EmployerBox::On(CompanyForm form) const
{
    switch (form) {
    case CompanyForm::W2:
        return w2;
    case CompanyForm::W3:
        return w3;
    case CompanyForm::Form1099:
        return form1099;
    case CompanyForm::Form1096:
        break;
    }
    return form1096;
}

QString EmployerBox::Text(const CompanyRecord& c, CompanyForm form) const
{
    if (On(form).print == EmployerPrint::FederalId)
        return PayerFederalId(c);
    const CompanyBox* box = FindCompanyBox(QLatin1String(company));
    return box && box->IsText() ? box->get(c).Text() : QString();
}

int EmployerBox::Number(const CompanyRecord& c) const
{
    const CompanyBox* box = FindCompanyBox(QLatin1String(company));
    return box && box->number ? c.*(box->number) : 0;
}

const std::vector<EmployerBox>& EmployerBlock()
{
    static const std::vector<EmployerBox> boxes = MakeEmployerBlock();
    return boxes;
}

std::vector<const EmployerBox*> ShownEmployerBoxes(CompanyForm form)
{
    std::vector<const EmployerBox*> shown;
    for (const EmployerBox& box : EmployerBlock())
        if (box.On(form).Shown())
            shown.push_back(&box);
    return shown;
}

QStringList ShownEmployerNames(CompanyForm form)
{
    QStringList names;
    for (const EmployerBox* box : ShownEmployerBoxes(form))
        names << QLatin1String(box->On(form).name);
    return names;
}

QString PayerFederalId(const CompanyRecord& company)
{
    return company.EmployerIdentificationNumber.IsEmpty() ? company.SocialSecurityNumber.Text()
                                                          : company.EmployerIdentificationNumber.Text();
}
