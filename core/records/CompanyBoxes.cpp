#include "core/records/CompanyBoxes.h"

#include "core/entry/EntryPresets.h"

namespace {

using C = CompanyRecord;
using P = CompanyPageKind;
using E = CompanyEntry;

template <auto Member>
CompanyBox Text(const char* name, const char* label, P page, E entry, int maxLength, const char* pattern,
                std::initializer_list<const char*> checks = {}, bool gapBefore = false)
{
    CompanyBox box{name, label, page, entry, maxLength, pattern, gapBefore, checks};
    box.get = [](const C& c) -> const FixedTextBase& { return c.*Member; };
    box.set = [](C& c, const QString& text) { c.*Member = text; };
    return box;
}

CompanyBox Number(const char* name, const char* label, P page, E entry, int C::*member,
                  std::initializer_list<const char*> checks = {}, bool gapBefore = false)
{
    CompanyBox box{name, label, page, entry, 0, nullptr, gapBefore, checks};
    box.number = member;
    return box;
}

std::vector<CompanyBox> MakeCompanyBoxes()
{
    static constexpr char kAddress[] = "company.address-missing";
    static constexpr char kW3Contact[] = "w3.contact-missing";
    static constexpr char k1096Contact[] = "1096.contact-missing";
    return {
        Text<&C::EmployerName>("EmployerName", "Employer Name", P::General, E::Text, 30, kForbiddenEmployerName,
                               {"company.name-missing"}),
        Text<&C::Address1>("Address1", "Address1", P::General, E::Text, 30, kForbiddenCommon, {kAddress}),
        Text<&C::Address2>("Address2", "Address2", P::General, E::Text, 30, kForbiddenCommon),
        Text<&C::City>("City", "City", P::General, E::Text, 20, kForbiddenCommon, {kAddress}),
        Text<&C::State>("State", "State", P::General, E::State, 0, nullptr, {kAddress, "company.state-invalid"}),
        Text<&C::Zip>("Zip", "Zip code", P::General, E::Mask, 0, kMaskZip, {kAddress}),
        Text<&C::EmployerIdentificationNumber>("EmployerIdentificationNumber", "Employer identification number",
                                               P::General, E::Mask, 0, kMaskEin,
                                               {"company.ein-missing", "company.ein-invalid", "company.ein-prefix"}, true),
        Text<&C::StateID>("StateID", "Employer state ID", P::General, E::Text, 15, kForbiddenCommon),
        Text<&C::SocialSecurityNumber>("SocialSecurityNumber", "Social security number\n(If Applicable)", P::General,
                                       E::Mask, 0, kMaskSsn),

        Text<&C::FormW3ControlNumber>("FormW3ControlNumber", "Control number", P::W3, E::Text, 20, kForbiddenCommon),
        Text<&C::FormW3EstablishmentNumber>("FormW3EstablishmentNumber", "Establishment number", P::W3, E::Text, 20,
                                            kForbiddenCommon),
        Text<&C::FormW3OtherEIN>("FormW3OtherEIN", "Other EIN used this year", P::W3, E::Mask, 0, kMaskEin,
                                 {"w3.other-ein-prefix"}),
        Number("FormW3RadioKindOfPayer", "Kind of Payer", P::W3, E::KindOfPayer, &C::FormW3RadioKindOfPayer,
               {"w3.kind-of-payer-missing", "w3.kind-of-payer-sick-pay"}),
        Number("FormW3CheckThirdPartySickPay", "Third-party sick pay", P::W3, E::Check,
               &C::FormW3CheckThirdPartySickPay, {"w3.kind-of-payer-sick-pay"}, true),
        Text<&C::FormW3ThirdPartySickPay>("FormW3ThirdPartySickPay", "", P::W3, E::Text, 30, kForbiddenCommon),
        Text<&C::FormW3IncomeTaxWithHeld>("FormW3IncomeTaxWithHeld",
                                          "Income tax withheld by  payer of \nthird-party sick pay", P::W3, E::Amount,
                                          0, nullptr),
        Text<&C::FormW3ContactName>("FormW3ContactName", "Contact person", P::W3, E::Text, 30, kForbiddenCommon,
                                    {kW3Contact}, true),
        Text<&C::FormW3Email>("FormW3Email", "E-mail address", P::W3, E::Text, 40, kForbiddenCommon),
        Text<&C::FormW3Telephone>("FormW3Telephone", "Telephone number", P::W3, E::Mask, 0, kMaskPhone,
                                  {kW3Contact}),
        Text<&C::FormW3Fax>("FormW3Fax", "Fax number", P::W3, E::Mask, 0, kMaskPhone),

        Text<&C::Form1096ContactName>("Form1096ContactName", "Name of person to contact", P::Form1096, E::Text, 30,
                                      kForbiddenCommon, {k1096Contact}),
        Text<&C::Form1096Email>("Form1096Email", "E-mail address", P::Form1096, E::Text, 40, kForbiddenCommon),
        Text<&C::Form1096Telephone>("Form1096Telephone", "Telephone number", P::Form1096, E::Mask, 0, kMaskPhone,
                                    {k1096Contact}),
        Text<&C::Form1096Fax>("Form1096Fax", "Fax number", P::Form1096, E::Mask, 0, kMaskPhone),
        Number("Form1096CheckIsThisYourFinalReturn", "Is this your final return", P::Form1096, E::Check,
               &C::Form1096CheckIsThisYourFinalReturn, {}, true),
    };
}

} // namespace

QString CompanyBox::OneLineLabel() const
{
    return QString::fromUtf8(label).simplified();
}

const std::vector<CompanyBox>& CompanyBoxes()
{
    static const std::vector<CompanyBox> boxes = MakeCompanyBoxes();
    return boxes;
}

const CompanyBox* FindCompanyBox(const QString& name)
{
    return FindBox(CompanyBoxes(), name);
}

const std::vector<CheckRule>& CompanyCheckRules()
{
    using S = Severity;
    constexpr CheckedForm Both = CheckedForm::W3And1096;
    // The company's number and the W-3's other one are tried alike.
    static constexpr char kEinPrefix[] =
        "%1 is not an employer identification number the IRS assigns: none begins with %2.";
    static const std::vector<CheckRule> rules = {
        {"company.ein-missing", S::Error, Both, RuleTest::Missing, "The company has no employer identification number."},
        {"company.ein-invalid", S::Error, Both, RuleTest::NineDigits,
         "%1 is not an employer identification number of 9 digits (as 12-3456789)."},
        {"company.ein-prefix", S::Error, Both, RuleTest::EinPrefix, kEinPrefix},
        {"company.name-missing", S::Error, Both, RuleTest::Missing, "The company has no employer name."},
        {"company.address-missing", S::Error, Both, RuleTest::AnyMissing, "The company's address has no %1."},
        {"company.state-invalid", S::Error, Both, RuleTest::State, "\"%1\" is not the postal abbreviation of a US state or territory."},
        {"w3.kind-of-payer-missing", S::Error, CheckedForm::W3, RuleTest::Form, "No kind of payer is chosen for the W-3."},
        {"w3.kind-of-payer-sick-pay", S::Error, CheckedForm::W3, RuleTest::Form,
         "\"%1\" is no kind of payer: choose the payer's kind (%2) and check the \"%1\" box beside it."},
        {"w3.other-ein-prefix", S::Error, CheckedForm::W3, RuleTest::EinPrefix, kEinPrefix},
        {"w3.contact-missing", S::Warning, CheckedForm::W3, RuleTest::Missing, "The W-3 has no contact %1."},
        {"1096.contact-missing", S::Warning, CheckedForm::Form1096, RuleTest::Missing, "The 1096 has no contact %1."},
    };
    return rules;
}
