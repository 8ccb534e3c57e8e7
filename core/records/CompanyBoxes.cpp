#include "core/records/CompanyBoxes.h"

#include "core/entry/EntryPresets.h"
#include "core/entry/EntryRules.h"

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
    if constexpr (std::is_same_v<std::remove_cvref_t<decltype(C{}.*Member)>, AmountField>)
        box.amount = [](const C& c) -> const AmountField& { return c.*Member; };
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
                                               {"company.ein-missing", "company.ein-invalid"}, true),
        Text<&C::StateID>("StateID", "Employer state ID", P::General, E::Text, 15, kForbiddenCommon),
        Text<&C::SocialSecurityNumber>("SocialSecurityNumber", "Social security number\n(If Applicable)", P::General,
                                       E::Mask, 0, kMaskSsn),

        Text<&C::FormW3ControlNumber>("FormW3ControlNumber", "Control number", P::W3, E::Text, 20, kForbiddenCommon),
        Text<&C::FormW3EstablishmentNumber>("FormW3EstablishmentNumber", "Establishment number", P::W3, E::Text, 20,
                                            kForbiddenCommon),
        Text<&C::FormW3OtherEIN>("FormW3OtherEIN", "Other EIN used this year", P::W3, E::Mask, 0, kMaskEin),
        Number("FormW3RadioKindOfPayer", "Kind of Payer", P::W3, E::KindOfPayer, &C::FormW3RadioKindOfPayer,
               {"w3.kind-of-payer-missing"}),
        Number("FormW3CheckThirdPartySickPay", "Third-party sick pay", P::W3, E::Check,
               &C::FormW3CheckThirdPartySickPay, {}, true),
        Text<&C::FormW3ThirdPartySickPay>("FormW3ThirdPartySickPay", "", P::W3, E::Text, 30, kForbiddenCommon),
        Text<&C::FormW3IncomeTaxWithHeld>("FormW3IncomeTaxWithHeld",
                                          "Income tax withheld by  payer of \nthird-party sick pay", P::W3, E::Amount,
                                          0, nullptr, {"company.amount-unreadable"}),
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

QString CompanyBox::Refusal(const QString& value) const
{
    if (value.isEmpty() || !IsText() || amount)
        return QString();
    if (entry == CompanyEntry::Text) {
        const CharFilterRule rule(maxLength, QLatin1String(pattern));
        for (const QChar c : value)
            if (!IsTextChar(c) || rule.ForbiddenChars().contains(c))
                return QStringLiteral("the character %1").arg(c);
        if (maxLength > 0 && value.size() > maxLength)
            return QStringLiteral("more than %1 characters").arg(maxLength);
    } else if (entry == CompanyEntry::Mask) {
        if (DigitMaskRule(QLatin1String(pattern)).GetValidText(value) != value)
            return QStringLiteral("not of the form %1").arg(QLatin1String(pattern));
    }
    return QString();
}

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
    static const std::vector<CheckRule> rules = {
        {"company.ein-missing", S::Error, Both, RuleTest::Missing, "The company has no employer identification number."},
        {"company.ein-invalid", S::Error, Both, RuleTest::NineDigits,
         "%1 is not an employer identification number of 9 digits (as 12-3456789)."},
        {"company.name-missing", S::Error, Both, RuleTest::Missing, "The company has no employer name."},
        {"company.address-missing", S::Error, Both, RuleTest::AnyMissing, "The company's address has no %1."},
        {"company.state-invalid", S::Error, Both, RuleTest::State, "\"%1\" is not the postal abbreviation of a US state or territory."},
        {"company.amount-unreadable", S::Error, Both, RuleTest::Unreadable,
         "\"%1\" is stored in this box but is not an amount; it is not printed as one until it is typed anew."},
        {"company.value-not-enterable", S::Warning, Both, RuleTest::Enterable,
         "%1: the box would not take it when typed; it is kept as stored."},
        {"w3.kind-of-payer-missing", S::Error, CheckedForm::W3, RuleTest::Form, "No kind of payer is chosen for the W-3."},
        {"w3.contact-missing", S::Warning, CheckedForm::W3, RuleTest::Missing, "The W-3 has no contact %1."},
        {"1096.contact-missing", S::Warning, CheckedForm::Form1096, RuleTest::Missing, "The 1096 has no contact %1."},
    };
    return rules;
}
