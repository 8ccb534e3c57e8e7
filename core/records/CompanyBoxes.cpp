#include "core/records/CompanyBoxes.h"

#include "core/entry/EntryPresets.h"
#include "core/entry/EntryRules.h"
#include "core/records/KindOfPayer.h"

#include <algorithm>
#include <cstring>
#include <type_traits>
#include <utility>

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
    using Field = std::remove_reference_t<decltype(std::declval<C&>().*Member)>;
    box.capacity = Field::kMaxChars;
    if constexpr (std::is_same_v<Field, AmountField>)
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
                               {"company.name-missing"})
            .Csv("Employer Name", {"Company Name", "Company", "Employer", "Business Name", "Payer Name"}),
        Text<&C::Address1>("Address1", "Address1", P::General, E::Text, 30, kForbiddenCommon, {kAddress})
            .Csv("Address 1", {"Address", "Street", "Street Address", "Address Line 1"}),
        Text<&C::Address2>("Address2", "Address2", P::General, E::Text, 30, kForbiddenCommon)
            .Csv("Address 2", {"Address Line 2", "Suite"}),
        Text<&C::City>("City", "City", P::General, E::Text, 20, kForbiddenCommon, {kAddress}).Csv("City", {"Town"}),
        Text<&C::State>("State", "State", P::General, E::State, 0, nullptr, {kAddress, "company.state-invalid"})
            .Csv("State", {"ST", "State Code"}),
        Text<&C::Zip>("Zip", "Zip code", P::General, E::Mask, 0, kMaskZip, {kAddress})
            .Csv("Zip", {"Zip Code", "Postal Code", "Zip+4"}),
        Text<&C::EmployerIdentificationNumber>("EmployerIdentificationNumber", "Employer identification number",
                                               P::General, E::Mask, 0, kMaskEin,
                                               {"company.ein-missing", "company.ein-invalid", "company.ein-prefix"},
                                               true)
            .Csv("Employer Identification Number", {"EIN", "FEIN", "Federal EIN", "Employer ID Number"}),
        Text<&C::StateID>("StateID", "Employer state ID", P::General, E::Text, 15, kForbiddenCommon)
            .Csv("Employer State ID", {"State ID", "State ID Number", "State Employer ID"}),
        Text<&C::SocialSecurityNumber>("SocialSecurityNumber", "Social security number\n(If Applicable)", P::General,
                                       E::Mask, 0, kMaskSsn)
            .Csv("Social Security Number", {"SSN"}),

        Text<&C::FormW3ControlNumber>("FormW3ControlNumber", "Control number", P::W3, E::Text, 20, kForbiddenCommon)
            .Csv("W-3 Control Number", {"Control Number"}),
        Text<&C::FormW3EstablishmentNumber>("FormW3EstablishmentNumber", "Establishment number", P::W3, E::Text, 20,
                                            kForbiddenCommon)
            .Csv("W-3 Establishment Number", {"Establishment Number"}),
        Text<&C::FormW3OtherEIN>("FormW3OtherEIN", "Other EIN used this year", P::W3, E::Mask, 0, kMaskEin,
                                 {"w3.other-ein-prefix"})
            .Csv("W-3 Other EIN", {"Other EIN", "Other EIN Used This Year"}),
        Number("FormW3RadioKindOfPayer", "Kind of Payer", P::W3, E::KindOfPayer, &C::FormW3RadioKindOfPayer,
               {"w3.kind-of-payer-missing", "w3.kind-of-payer-sick-pay"})
            .Csv("W-3 Kind of Payer", {"Kind of Payer"}),
        Number("FormW3CheckThirdPartySickPay", "Third-party sick pay", P::W3, E::Check,
               &C::FormW3CheckThirdPartySickPay, {"w3.kind-of-payer-sick-pay"}, true)
            .Csv("W-3 Third-Party Sick Pay", {"Third-Party Sick Pay"}),
        Text<&C::FormW3ThirdPartySickPay>("FormW3ThirdPartySickPay", "", P::W3, E::Text, 30, kForbiddenCommon)
            .Csv("W-3 Box 13 For Third-Party Sick Pay Use Only", {"W-3 Box 13"}),
        Text<&C::FormW3IncomeTaxWithHeld>("FormW3IncomeTaxWithHeld",
                                          "Income tax withheld by  payer of \nthird-party sick pay", P::W3, E::Amount,
                                          0, nullptr, {"company.amount-unreadable"})
            .Csv("W-3 Box 14 Income Tax Withheld by Payer of Third-Party Sick Pay", {"W-3 Box 14"}),
        Text<&C::FormW3ContactName>("FormW3ContactName", "Contact person", P::W3, E::Text, 30, kForbiddenCommon,
                                    {kW3Contact}, true)
            .Csv("W-3 Contact Person", {"W-3 Contact", "W-3 Contact Name"}),
        Text<&C::FormW3Email>("FormW3Email", "E-mail address", P::W3, E::Text, 40, kForbiddenCommon)
            .Csv("W-3 E-mail Address", {"W-3 E-mail"}),
        Text<&C::FormW3Telephone>("FormW3Telephone", "Telephone number", P::W3, E::Mask, 0, kMaskPhone, {kW3Contact})
            .Csv("W-3 Telephone Number", {"W-3 Telephone", "W-3 Phone"}),
        Text<&C::FormW3Fax>("FormW3Fax", "Fax number", P::W3, E::Mask, 0, kMaskPhone)
            .Csv("W-3 Fax Number", {"W-3 Fax"}),

        Text<&C::Form1096ContactName>("Form1096ContactName", "Name of person to contact", P::Form1096, E::Text, 30,
                                      kForbiddenCommon, {k1096Contact})
            .Csv("1096 Contact Person", {"1096 Contact", "1096 Contact Name", "1096 Name of Person to Contact"}),
        Text<&C::Form1096Email>("Form1096Email", "E-mail address", P::Form1096, E::Text, 40, kForbiddenCommon)
            .Csv("1096 E-mail Address", {"1096 E-mail"}),
        Text<&C::Form1096Telephone>("Form1096Telephone", "Telephone number", P::Form1096, E::Mask, 0, kMaskPhone,
                                    {k1096Contact})
            .Csv("1096 Telephone Number", {"1096 Telephone", "1096 Phone"}),
        Text<&C::Form1096Fax>("Form1096Fax", "Fax number", P::Form1096, E::Mask, 0, kMaskPhone)
            .Csv("1096 Fax Number", {"1096 Fax"}),
        Number("Form1096CheckIsThisYourFinalReturn", "Is this your final return", P::Form1096, E::Check,
               &C::Form1096CheckIsThisYourFinalReturn, {}, true)
            .Csv("1096 Final Return", {"Final Return", "Is This Your Final Return"}),
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
        // Written without the mask's dashes, it is still the number.
        if (!SameApartFromMaskLiterals(DigitMaskRule(QLatin1String(pattern)).GetValidText(value), value))
            return QStringLiteral("not of the form %1").arg(QLatin1String(pattern));
    }
    return QString();
}

QString CompanyBox::OneLineLabel() const
{
    return QString::fromUtf8(label).simplified();
}

CsvValueRule CompanyBox::FileRule() const
{
    switch (entry) {
    case CompanyEntry::Text:
        break;
    case CompanyEntry::Mask:
        if (std::strcmp(pattern, kMaskZip) == 0)
            return CsvValueRule::Zip;
        if (std::strcmp(pattern, kMaskEin) == 0)
            return CsvValueRule::Ein;
        if (std::strcmp(pattern, kMaskSsn) == 0)
            return CsvValueRule::Ssn;
        return CsvValueRule::Phone;
    case CompanyEntry::Amount:
        return CsvValueRule::Amount;
    case CompanyEntry::State:
        return CsvValueRule::State;
    case CompanyEntry::KindOfPayer:
        return CsvValueRule::KindOfPayer;
    case CompanyEntry::Check:
        return CsvValueRule::Flag;
    }
    return CsvValueRule::Text;
}

int CompanyBox::FileLength() const
{
    return maxLength > 0 ? std::min(maxLength, capacity) : capacity;
}

QString CompanyBox::FileValue(const CompanyRecord& company) const
{
    if (IsText())
        return entry == CompanyEntry::State ? get(company).Text().trimmed() : get(company).Text();
    const int value = company.*number;
    if (entry == CompanyEntry::KindOfPayer)
        return value >= 0 && size_t(value) < kKindOfPayerList.size() ? QLatin1String(kKindOfPayerList[size_t(value)])
                                                                     : QString();
    return value == 0 || value == 1 ? QString::number(value) : QString();
}

void CompanyBox::SetFileValue(CompanyRecord& company, const QString& value) const
{
    if (IsText()) {
        set(company, value);
    } else if (entry == CompanyEntry::KindOfPayer) {
        for (size_t i = 0; i < kKindOfPayerList.size(); ++i)
            if (value == QLatin1String(kKindOfPayerList[i]))
                company.*number = int(i);
    } else {
        company.*number = value.toInt();
    }
}

CompanyBox CompanyBox::Csv(const char* header, std::initializer_list<const char*> spellings) const
{
    CompanyBox box = *this;
    box.csvHeader = header;
    box.csvSpellings = spellings;
    return box;
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
        {"company.ein-missing", S::Error, Both, RuleTest::Missing,
         "The company has no employer identification number."},
        {"company.ein-invalid", S::Error, Both, RuleTest::NineDigits,
         "%1 is not an employer identification number of 9 digits (as 12-3456789)."},
        {"company.ein-prefix", S::Error, Both, RuleTest::EinPrefix, kEinPrefix},
        {"company.name-missing", S::Error, Both, RuleTest::Missing, "The company has no employer name."},
        {"company.address-missing", S::Error, Both, RuleTest::AnyMissing, "The company's address has no %1."},
        {"company.state-invalid", S::Error, Both, RuleTest::State,
         "\"%1\" is not the postal abbreviation of a US state or territory."},
        {"company.amount-unreadable", S::Error, Both, RuleTest::Unreadable,
         "\"%1\" is stored in this box but is not an amount; it is not printed as one until it is typed anew."},
        {"company.value-not-enterable", S::Warning, Both, RuleTest::Enterable,
         "%1: the box would not take it when typed; it is kept as stored."},
        {"w3.kind-of-payer-missing", S::Error, CheckedForm::W3, RuleTest::Form,
         "No kind of payer is chosen for the W-3."},
        {"w3.kind-of-payer-sick-pay", S::Error, CheckedForm::W3, RuleTest::Form,
         "\"%1\" is no kind of payer: choose the payer's kind (%2) and check the \"%1\" box beside it."},
        {"w3.other-ein-prefix", S::Error, CheckedForm::W3, RuleTest::EinPrefix, kEinPrefix},
        {"w3.contact-missing", S::Warning, CheckedForm::W3, RuleTest::Missing, "The W-3 has no contact %1."},
        {"1096.contact-missing", S::Warning, CheckedForm::Form1096, RuleTest::Missing, "The 1096 has no contact %1."},
    };
    return rules;
}
