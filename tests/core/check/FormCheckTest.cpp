// The check before filing: each rule on a company ready for filing with one
// thing spoilt, what a finding says and where it points, and the words the
// findings are written in for people and scripts.
#include "core/check/FindingText.h"
#include "core/check/FormCheck.h"
#include "core/check/PrintCheck.h"
#include "core/contractor/Form1099Boxes.h"
#include "core/records/CompanyBoxes.h"
#include "core/records/KindOfPayer.h"
#include "core/store/AmountText.h"
#include "core/wage/W2Boxes.h"
#include "tests/support/FilingCompany.h"
#include "tests/support/RecordBuilders.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

#include <functional>

using Spoil = std::function<void(CompanyData&)>;
Q_DECLARE_METATYPE(Spoil)

namespace {

std::vector<FormFinding> Found(const CompanyData& data, const QString& rule)
{
    std::vector<FormFinding> found;
    for (const FormFinding& f : CheckCompanyForms(data).findings)
        if (QLatin1String(f.rule->id) == rule)
            found.push_back(f);
    return found;
}

// Every rule of the three tables.
std::vector<const CheckRule*> AllRules()
{
    std::vector<const CheckRule*> all;
    for (const auto* rules : {&W2CheckRules(), &Form1099CheckRules(), &CompanyCheckRules()})
        for (const CheckRule& rule : *rules)
            all.push_back(&rule);
    return all;
}

W2Record& W2(CompanyData& d)
{
    return d.w2s.front();
}
Form1099Record& F(CompanyData& d)
{
    return d.forms1099.front();
}

// A problem the agencies reject a filing for, or a form they question,
// planted in the company ready for filing: the one finding it gives, of
// `rule` at its severity and box. Without a rule, a case that is right
// however odd it looks: nothing is found at all.
struct Planted {
    const char* name;
    Spoil spoil;
    const char* rule;
    Severity severity;
    const char* box;
};

Planted Problem(const char* name, Spoil spoil, const char* rule, Severity severity, const char* box)
{
    return Planted{name, std::move(spoil), rule, severity, box};
}

Planted Valid(const char* name, Spoil spoil)
{
    return Planted{name, std::move(spoil), nullptr, Severity::Error, ""};
}

// The changes of `spoils`, in order.
Spoil Both(std::initializer_list<Spoil> spoils)
{
    return [all = std::vector<Spoil>(spoils)](CompanyData& d) {
        for (const Spoil& spoil : all)
            spoil(d);
    };
}

// `amount` in the box `field` of Ann's W-2.
Spoil Box(AmountField W2Record::*field, const char* amount)
{
    return [field, amount](CompanyData& d) { W2(d).*field = amount; };
}

// Wages of `cents` in the wage boxes of Ann's W-2, with the taxes on them.
Spoil Wages(qint64 cents)
{
    return [cents](CompanyData& d) {
        W2(d).Wages = W2(d).SocialSecurityWages = W2(d).MedicareWages = W2(d).StateWages1 = FormatAmountCents(cents);
        W2(d).SocialSecurityTaxWithheld = FormatAmountCents(TaxAtRate(cents, kSocialSecurityTaxRate));
        W2(d).MedicareTaxWithheld = FormatAmountCents(TaxAtRate(cents, kMedicareTaxRate));
    };
}

// Box 12a (or 12b with `line` 1).
Spoil Box12(const char* code, const char* amount, const char* year = "", int line = 0)
{
    return [=](CompanyData& d) {
        *(line == 0 ? &W2(d).Field12aCode : &W2(d).Field12bCode) = code;
        *(line == 0 ? &W2(d).Field12aYear : &W2(d).Field12bYear) = year;
        *(line == 0 ? &W2(d).Field12aAmount : &W2(d).Field12bAmount) = amount;
    };
}

Spoil KindOfPayer(const char* caption)
{
    const int kind = int(std::find_if(kKindOfPayerList.begin(), kKindOfPayerList.end(),
                                      [caption](const char* listed) { return qstrcmp(listed, caption) == 0; })
                         - kKindOfPayerList.begin());
    return [kind](CompanyData& d) { d.company.FormW3RadioKindOfPayer = kind; };
}

const std::vector<Planted>& PlantedCases()
{
    using S = Severity;
    using W = W2Record;
    auto ssn = [](const char* number) {
        return [number](CompanyData& d) { d.employees[0].SocialSecurityNumber = number; };
    };
    auto tin = [](const char* number) {
        return [number](CompanyData& d) { d.contractors[0].IdentificationNumber = number; };
    };
    auto ein = [](const char* number) {
        return [number](CompanyData& d) { d.company.EmployerIdentificationNumber = number; };
    };
    auto otherEin = [](const char* number) { return [number](CompanyData& d) { d.company.FormW3OtherEIN = number; }; };
    constexpr char kBoxD[] = "d Employee's social security number";
    constexpr char kBox3[] = "3 Social security wages";
    constexpr char kBox4[] = "4 Social security tax withheld";
    constexpr char kBox9[] = "9 Advance EIC payment";
    constexpr char kEin[] = "Employer identification number";
    constexpr char kTin[] = "RECIPIENT'S ID number";
    const Spoil household = KindOfPayer("Hshld. emp.");
    const Spoil medicareGovernment = KindOfPayer("Medicare govt. emp.");
    static const std::vector<Planted> cases = {
        // ---- the employee's number ----
        Problem("SSN area 734, never issued", ssn("734-12-3456"), "w2.ssn-invalid", S::Error, kBoxD),
        Problem("SSN area 749, never issued", ssn("749-12-3456"), "w2.ssn-invalid", S::Error, kBoxD),
        Problem("SSN area 773, never issued", ssn("773-12-3456"), "w2.ssn-invalid", S::Error, kBoxD),
        Problem("SSN of the wallet card", ssn("078-05-1120"), "w2.ssn-invalid", S::Error, kBoxD),
        Problem("SSN of the advertisement", ssn("219-09-9999"), "w2.ssn-invalid", S::Error, kBoxD),
        Problem("SSN applied for", ssn("Applied For"), "w2.ssn-applied-for", S::Warning, kBoxD),
        Problem("SSN applied for, in capitals", ssn("APPLIED FOR"), "w2.ssn-applied-for", S::Warning, kBoxD),
        Valid("SSN area 733", ssn("733-12-3456")),
        Valid("SSN area 750", ssn("750-12-3456")),
        Valid("SSN area 772", ssn("772-12-3456")),

        // ---- taxes that can't be right ----
        Problem("social security tax above the maximum",
                Both({Wages(9'000'000), Box(&W::SocialSecurityTaxWithheld, "5580.01")}), "w2.ss-tax-above-max",
                S::Error, kBox4),
        Problem("social security tax without wages or tips", Box(&W::SocialSecurityWages, ""),
                "w2.ss-tax-without-wages", S::Error, kBox4),
        Problem("Medicare tax without Medicare wages",
                Both({Box(&W::SocialSecurityWages, ""), Box(&W::SocialSecurityTaxWithheld, ""),
                      Box(&W::MedicareWages, "0.00")}),
                "w2.medicare-tax-without-wages", S::Error, "6 Medicare tax withheld"),
        Problem("Medicare wages below social security's",
                Both({Box(&W::MedicareWages, "49000.00"), Box(&W::MedicareTaxWithheld, "710.50")}),
                "w2.medicare-below-ss", S::Error, "5 Medicare wages and tips"),
        Valid("wages at the base with the largest tax", Wages(9'000'000)),
        Valid("taxes a cent off their rates",
              Both({Box(&W::SocialSecurityTaxWithheld, "3100.01"), Box(&W::MedicareTaxWithheld, "724.99")})),
        Valid("a statutory employee",
              Both({[](CompanyData& d) { W2(d).StatutoryEmployee = 1; }, Box(&W::FederalIncomeTaxWithdrawal, "")})),

        // ---- box 12 and box 9 ----
        Problem("elective deferrals above the limit", Box12("D", "18000.01"), "w2.box12-deferral-limit", S::Warning,
                "12a amount"),
        Problem("SIMPLE deferrals above the limit", Box12("s", "12000.01"), "w2.box12-deferral-limit", S::Warning,
                "12a amount"),
        Problem("code Z above box 1", Box12("Z", "50000.01"), "w2.box12-z-above-wages", S::Warning, "12a amount"),
        Valid("elective deferrals at the limit", Box12("G", "18000.00")),
        Valid("SIMPLE deferrals at the limit", Box12("S", "12000.00")),
        Valid("deferrals of an earlier year beside this year's",
              Both({Box12("D", "18000.00"), Box12("D", "3000.00", "04", 1)})),
        Valid("codes Y and Z", Both({Box12("Y", "8000.00"), Box12("Z", "8000.00", "", 1)})),
        Problem("advance EIC above the maximum", Box(&W::AdvancEICPayment, "1588.01"), "w2.advance-eic-above-max",
                S::Warning, kBox9),
        Problem("advance EIC without wages", Both({Box(&W::AdvancEICPayment, "500.00"), Box(&W::Wages, "0.00")}),
                "w2.advance-eic-without-wages", S::Warning, kBox9),
        Valid("advance EIC at the maximum", Box(&W::AdvancEICPayment, "1588.00")),

        // ---- the W-3's kind of payer against the W-2s ----
        Problem("third-party sick pay as the kind of payer", KindOfPayer("Third-party sick pay"),
                "w3.kind-of-payer-sick-pay", S::Error, "Kind of Payer"),
        Problem(
            "a W-2's sick pay without the W-3's box", [](CompanyData& d) { W2(d).ThirdPartySickpay = 1; },
            "w2.sick-pay-not-on-w3", S::Warning, "13 Third-party sick pay"),
        Problem("household wages below the threshold", Both({household, Wages(139'999)}),
                "w2.household-below-threshold", S::Error, kBox3),
        Problem("Medicare government employee with social security wages", medicareGovernment,
                "w2.medicare-govt-with-ss", S::Error, kBox3),
        Problem("Medicare government employee with social security tips",
                Both({medicareGovernment, Box(&W::SocialSecurityWages, ""), Box(&W::SocialSecurityTips, "100.00"),
                      Box(&W::SocialSecurityTaxWithheld, "6.20")}),
                "w2.medicare-govt-with-ss", S::Error, "7 Social security tips"),
        Valid("a payer of third-party sick pay",
              [](CompanyData& d) {
                  d.company.FormW3CheckThirdPartySickPay = 1;
                  W2(d).ThirdPartySickpay = 1;
              }),
        Valid("household wages at the threshold", Both({household, Wages(140'000)})),
        Valid("household wages below the threshold, income tax only",
              Both({household, Wages(0), Box(&W::Wages, "1000.00")})),
        Valid("Medicare government employee",
              Both({medicareGovernment, Box(&W::SocialSecurityWages, ""), Box(&W::SocialSecurityTaxWithheld, "")})),

        // ---- identification numbers ----
        Problem("EIN prefix 07, never assigned", ein("07-1234567"), "company.ein-prefix", S::Error, kEin),
        Problem("EIN prefix 97, never assigned", ein("971234567"), "company.ein-prefix", S::Error, kEin),
        Problem("other EIN prefix 89, never assigned", otherEin("89-1234567"), "w3.other-ein-prefix", S::Error,
                "Other EIN used this year"),
        Valid("EIN prefix 06", ein("06-1234567")),
        Valid("an other EIN", otherEin("98-7654321")),
        Problem("TIN of nine equal digits", tin("111-11-1111"), "1099.tin-obviously-incorrect", S::Error, kTin),
        Problem("TIN 123456789", tin("12-3456789"), "1099.tin-obviously-incorrect", S::Error, kTin),
        Valid("an ITIN as TIN", tin("912-70-3456")),

        // ---- the 1099-MISC's amounts ----
        Problem(
            "409A income above boxes 3 and 7", [](CompanyData& d) { F(d).Field15B = "12500.01"; },
            "1099.box15b-above-income", S::Warning, "15b Section 409A income"),
        Valid("409A income within boxes 3 and 7",
              [](CompanyData& d) {
                  F(d).OtherIncome = "500.00";
                  F(d).Field15B = "13000.00";
              }),
        Valid("royalties of 10.00",
              [](CompanyData& d) {
                  F(d).NonemployeeCompensation = "";
                  F(d).Royalities = "10.00";
              }),
        Valid("fishing boat proceeds of 1.00",
              [](CompanyData& d) {
                  F(d).NonemployeeCompensation = "";
                  F(d).FishingBoatProceeds = "1.00";
              }),
    };
    return cases;
}

} // namespace

class FormCheckTest : public QObject {
    Q_OBJECT

private slots:
    void aCompanyReadyForFilingHasNoFindings()
    {
        const FormCheckResult result = CheckCompanyForms(FilingCompany());
        QStringList said;
        for (const FormFinding& f : result.findings)
            said << FindingLine(f);
        QVERIFY2(said.isEmpty(), qPrintable(said.join('\n')));
        QCOMPARE(result.errors, 0);
        QCOMPARE(result.warnings, 0);
        // Nothing to file: the employer's data is not looked at either.
        CompanyData nobody = FilingCompany();
        nobody.company = CompanyRecord();
        nobody.employees.clear();
        nobody.w2s.clear();
        nobody.contractors.clear();
        nobody.forms1099.clear();
        QVERIFY(CheckCompanyForms(nobody).findings.empty());
        // The W-2s alone: the employer's data counts, the 1096 contact not.
        CompanyData employer = FilingCompany();
        employer.company.Form1096ContactName = "";
        employer.company.EmployerIdentificationNumber = "";
        QCOMPARE(CheckCompanyForms(employer, CheckScope::W2).findings.size(), size_t(1));
        employer.employees.clear();
        employer.w2s.clear();
        QCOMPARE(CheckCompanyForms(employer, CheckScope::W2).findings.size(), size_t(0));
    }

    // One row per case: the company ready for filing with one thing spoilt,
    // and how many findings of the rule that gives (0: none), the first one
    // at the box named.
    void eachRuleFindsWhatItLooksFor_data()
    {
        QTest::addColumn<Spoil>("spoil");
        QTest::addColumn<QString>("rule");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("box");
        QSet<QString> finding; // the rules with a row that finds something
        auto row = [&finding](const char* name, Spoil spoil, const char* rule, int count, const char* box = "") {
            QTest::newRow(name) << spoil << QString(rule) << count << QString(box);
            if (count > 0)
                finding.insert(QLatin1String(rule));
        };
        auto ssn = [](const char* number) {
            return [number](CompanyData& d) { d.employees[0].SocialSecurityNumber = number; };
        };
        auto tin = [](const char* number) {
            return [number](CompanyData& d) { d.contractors[0].IdentificationNumber = number; };
        };

        // ---- W-2 ----
        constexpr char kBoxD[] = "d Employee's social security number";
        row("SSN missing", ssn(""), "w2.ssn-missing", 1, kBoxD);
        row("SSN area 000", ssn("000-12-3456"), "w2.ssn-invalid", 1, kBoxD);
        row("SSN area 666", ssn("666-12-3456"), "w2.ssn-invalid", 1);
        row("SSN area 900", ssn("900-12-3456"), "w2.ssn-invalid", 1);
        row("SSN of the advertising range", ssn("987-65-4320"), "w2.ssn-invalid", 1);
        row("SSN group 00", ssn("123-00-4567"), "w2.ssn-invalid", 1);
        row("SSN serial 0000", ssn("123-45-0000"), "w2.ssn-invalid", 1);
        row("SSN cut short", ssn("123-45-678"), "w2.ssn-invalid", 1);
        row("SSN missing is not also invalid", ssn(""), "w2.ssn-invalid", 0);
        row("SSN area 899", ssn("899-12-3456"), "w2.ssn-invalid", 1);
        row("SSN area 665", ssn("665-12-3456"), "w2.ssn-invalid", 0);
        row("SSN written without dashes", ssn("123456789"), "w2.ssn-invalid", 0);
        row(
            "two employees, one SSN",
            [](CompanyData& d) {
                d.employees.push_back(MakeEmployee(2, "123 45 6789", "Cy", "Moe"));
                d.w2s.push_back(d.w2s[0]);
                d.w2s[1].W2UniqueID = 2;
                d.w2s[1].EmployeeUniqueID = 2;
            },
            "w2.ssn-duplicate", 2, kBoxD);
        row(
            "two employees, both applied for a number",
            [](CompanyData& d) {
                d.employees[0].SocialSecurityNumber = "Applied For";
                d.employees.push_back(MakeEmployee(2, "applied for", "Cy", "Moe"));
                d.w2s.push_back(d.w2s[0]);
                d.w2s[1].W2UniqueID = 2;
                d.w2s[1].EmployeeUniqueID = 2;
            },
            "w2.ssn-duplicate", 0);
        row("applied for is no invalid number", ssn("Applied For"), "w2.ssn-invalid", 0);
        row(
            "first name missing", [](CompanyData& d) { d.employees[0].FirstName = " "; }, "w2.first-name-missing", 1,
            "e Employee's first name");
        row(
            "last name missing", [](CompanyData& d) { d.employees[0].LastName = ""; }, "w2.last-name-missing", 1,
            "e Last name");
        row(
            "address without a city", [](CompanyData& d) { d.employees[0].City = ""; }, "w2.address-incomplete", 1,
            "f Employee's city");
        row(
            "address without a state", [](CompanyData& d) { d.employees[0].State = "  "; }, "w2.address-incomplete", 1,
            "f Employee's state");
        row(
            "address without a second line", [](CompanyData& d) { d.employees[0].Address2 = ""; },
            "w2.address-incomplete", 0);
        row(
            "employee's state not listed", [](CompanyData& d) { d.employees[0].State = "ZZ"; }, "w2.state-invalid", 1,
            "f Employee's state");
        row(
            "state of line 2 not listed",
            [](CompanyData& d) {
                W2(d).State2 = "XX";
                W2(d).StateID2 = "77-1";
                W2(d).StateWages2 = "10.00";
            },
            "w2.state-invalid", 1, "15 State, line 2");
        row(
            "a territory", [](CompanyData& d) { d.employees[0].State = "PR"; }, "w2.state-invalid", 0);
        row(
            "negative social security tips", [](CompanyData& d) { W2(d).SocialSecurityTips = "-5.50"; },
            "w2.negative-amount", 1, "7 Social security tips");
        row(
            "negative box 12 amount",
            [](CompanyData& d) {
                W2(d).Field12aCode = "D";
                W2(d).Field12aAmount = "-1.00";
            },
            "w2.negative-amount", 1, "12a amount");
        row(
            "zero amounts", [](CompanyData& d) { W2(d).AllocatedTips = "-0.00"; }, "w2.negative-amount", 0);
        // Values of another program's store: an amount that does not read as
        // one, a value no box would take when typed.
        row(
            "amount that is none", [](CompanyData& d) { W2(d).AllocatedTips = "12,5x0"; }, "w2.amount-unreadable", 1,
            "8 Allocated tips");
        row(
            "amount in groups of three", [](CompanyData& d) { W2(d).AllocatedTips = "$1,234.50"; },
            "w2.amount-unreadable", 0);
        row(
            "foreign postal code", [](CompanyData& d) { d.employees[0].Zip = "H2X 1Y4"; }, "w2.value-not-enterable", 1,
            "f Employee's ZIP code");
        row(
            "a refused character", [](CompanyData& d) { W2(d).Other1 = "50% bonus"; }, "w2.value-not-enterable", 1,
            "14 Other, line 1");
        row(
            "values as typed", [](CompanyData& d) { d.employees[0].Zip = "97201-4420"; }, "w2.value-not-enterable", 0);
        row(
            "wages and tips above the base",
            [](CompanyData& d) {
                W2(d).SocialSecurityWages = "89000.00";
                W2(d).SocialSecurityTips = "1000.01";
            },
            "w2.ss-wage-base", 1, "3 Social security wages");
        row(
            "wages at the base",
            [](CompanyData& d) {
                W2(d).Wages = W2(d).SocialSecurityWages = W2(d).MedicareWages = "90000.00";
                W2(d).SocialSecurityTaxWithheld = "5580.00";
                W2(d).MedicareTaxWithheld = "1305.00";
            },
            "w2.ss-wage-base", 0);
        row(
            "social security tax 1.01 off", [](CompanyData& d) { W2(d).SocialSecurityTaxWithheld = "3101.01"; },
            "w2.ss-tax-rate", 1, "4 Social security tax withheld");
        row(
            "social security tax 1.00 off", [](CompanyData& d) { W2(d).SocialSecurityTaxWithheld = "3099.00"; },
            "w2.ss-tax-rate", 0);
        row(
            "social security tax on the tips too",
            [](CompanyData& d) {
                W2(d).SocialSecurityTips = "1000.00";
                W2(d).SocialSecurityTaxWithheld = "3162.00";
            },
            "w2.ss-tax-rate", 0);
        row(
            "social security tax of the base on higher wages",
            [](CompanyData& d) {
                W2(d).SocialSecurityWages = "95000.00";
                W2(d).SocialSecurityTaxWithheld = "5580.00";
            },
            "w2.ss-tax-rate", 0);
        row(
            "Medicare tax 1.01 off", [](CompanyData& d) { W2(d).MedicareTaxWithheld = "726.01"; },
            "w2.medicare-tax-rate", 1, "6 Medicare tax withheld");
        row(
            "Medicare tax 1.00 off", [](CompanyData& d) { W2(d).MedicareTaxWithheld = "724.00"; },
            "w2.medicare-tax-rate", 0);
        row(
            "Medicare wages below social security's",
            [](CompanyData& d) {
                W2(d).MedicareWages = "49000.00";
                W2(d).MedicareTaxWithheld = "710.50";
            },
            "w2.medicare-below-ss", 1, "5 Medicare wages and tips");
        row(
            "Medicare wages below wages and tips", [](CompanyData& d) { W2(d).SocialSecurityTips = "0.01"; },
            "w2.medicare-below-ss", 1);
        row(
            "box 12 amount without a code", [](CompanyData& d) { W2(d).Field12bAmount = "100.00"; },
            "w2.box12-amount-without-code", 1, "12b amount");
        row(
            "box 12 code without an amount",
            [](CompanyData& d) {
                W2(d).Field12bCode = "D";
                W2(d).Field12bAmount = "0.00";
            },
            "w2.box12-code-without-amount", 1, "12b code");
        row(
            "box 12 code not of 2005",
            [](CompanyData& d) {
                W2(d).Field12aCode = "I";
                W2(d).Field12aAmount = "10.00";
            },
            "w2.box12-code-invalid", 1, "12a code");
        row(
            "box 12 code in small letters",
            [](CompanyData& d) {
                W2(d).Field12aCode = "y";
                W2(d).Field12aAmount = "10.00";
            },
            "w2.box12-code-invalid", 0);
        row(
            "box 12 code twice",
            [](CompanyData& d) {
                W2(d).Field12aCode = "D";
                W2(d).Field12aAmount = "100.00";
                W2(d).Field12cCode = "D";
                W2(d).Field12cAmount = "200.00";
            },
            "w2.box12-code-twice", 1, "12c code");
        row(
            "state amounts of line 2 without a state",
            [](CompanyData& d) {
                W2(d).StateWages2 = "100.00";
                W2(d).StateID2 = "77-1";
            },
            "w2.state-line-no-state", 1, "15 State, line 2");
        row(
            "local amounts of line 2 without a state",
            [](CompanyData& d) {
                W2(d).LocalIncomeTax2 = "10.00";
                W2(d).LocalityName2 = "SALEM";
            },
            "w2.state-line-no-state", 1, "15 State, line 2");
        row(
            "line 1 of a company without a state", [](CompanyData& d) { d.company.State = "  "; },
            "w2.state-line-no-state", 1, "15 State, line 1");
        row(
            "state amounts without a state ID",
            [](CompanyData& d) {
                W2(d).State2 = "CA";
                W2(d).StateIncomTax2 = "5.00";
            },
            "w2.state-line-no-state-id", 1, "15 Employer's state ID number, line 2");
        row(
            "line 1 of a company without a state ID", [](CompanyData& d) { d.company.StateID = ""; },
            "w2.state-line-no-state-id", 1, "15 Employer's state ID number, line 1");
        row(
            "local amounts need no state ID",
            [](CompanyData& d) {
                W2(d).State2 = "CA";
                W2(d).LocalWages2 = "100.00";
                W2(d).LocalityName2 = "SF";
            },
            "w2.state-line-no-state-id", 0);
        row(
            "local amounts without a locality", [](CompanyData& d) { W2(d).LocalWages1 = "100.00"; },
            "w2.local-line-no-locality", 1, "20 Locality name, line 1");
        row(
            "every box empty", [](CompanyData& d) { W2(d) = MakeW2(1, 1); }, "w2.empty", 1);
        row(
            "zeros are empty too",
            [](CompanyData& d) {
                W2(d) = MakeW2(1, 1);
                W2(d).Wages = W2(d).StateWages1 = "0.00";
                W2(d).Other1 = " ";
            },
            "w2.empty", 1);
        row(
            "only a box 13 check",
            [](CompanyData& d) {
                W2(d) = MakeW2(1, 1);
                W2(d).RetirementPlan = 1;
            },
            "w2.empty", 0);
        row(
            "an employee without a W-2", [](CompanyData& d) { d.w2s.clear(); }, "w2.empty", 1);
        row(
            "a W-2 of no employee", [](CompanyData& d) { W2(d).EmployeeUniqueID = 7; }, "w2.no-employee", 1);
        row(
            "a second W-2 of an employee", [](CompanyData& d) { d.w2s.push_back(d.w2s[0]); }, "w2.no-employee", 1);

        // ---- 1099-MISC ----
        constexpr char kTin[] = "RECIPIENT'S ID number";
        row("TIN missing", tin(" "), "1099.tin-missing", 1, kTin);
        row("TIN of 8 digits", tin("12-345678"), "1099.tin-invalid", 1, kTin);
        row("TIN with a letter", tin("98-765432A"), "1099.tin-invalid", 1);
        row("TIN as an SSN", tin("123-45-6789"), "1099.tin-invalid", 0);
        row("TIN with a blank", tin("98 7654321"), "1099.tin-invalid", 0);
        row(
            "two contractors, one TIN",
            [](CompanyData& d) {
                d.contractors.push_back(MakeContractor(2, "987654321", "Di", "Fox"));
                d.forms1099.push_back(d.forms1099[0]);
                d.forms1099[1].Form1099UniqueID = 2;
                d.forms1099[1].ContractorUniqueID = 2;
            },
            "1099.tin-duplicate", 2, kTin);
        row(
            "no name at all",
            [](CompanyData& d) {
                d.contractors[0].FirstName = "";
                d.contractors[0].LastName = "";
            },
            "1099.name-missing", 1, "RECIPIENT'S first name");
        row(
            "one name only", [](CompanyData& d) { d.contractors[0].FirstName = ""; }, "1099.name-missing", 0);
        row(
            "address without a ZIP code", [](CompanyData& d) { d.contractors[0].Zip = ""; }, "1099.address-missing", 1,
            "ZIP code");
        row(
            "recipient's state not listed", [](CompanyData& d) { d.contractors[0].State = "QQ"; }, "1099.state-invalid",
            1, "State");
        row(
            "negative rents", [](CompanyData& d) { F(d).Rents = "-1.00"; }, "1099.negative-amount", 1, "1 Rents");
        row(
            "rents that are none", [](CompanyData& d) { F(d).Rents = "1.200,00"; }, "1099.amount-unreadable", 1,
            "1 Rents");
        row(
            "account number of letters", [](CompanyData& d) { d.contractors[0].AccountNumber = "A-17"; },
            "1099.value-not-enterable", 1, "Account number (optional)");
        row(
            "every amount empty", [](CompanyData& d) { F(d) = MakeForm1099(1, 1); }, "1099.empty", 1);
        row(
            "direct sales only",
            [](CompanyData& d) {
                F(d) = MakeForm1099(1, 1);
                F(d).PayerMadeDirectSales = 1;
            },
            "1099.empty", 0);
        row(
            "compensation below 600.00", [](CompanyData& d) { F(d).NonemployeeCompensation = "599.99"; },
            "1099.below-threshold", 1);
        row(
            "compensation of 600.00", [](CompanyData& d) { F(d).NonemployeeCompensation = "600.00"; },
            "1099.below-threshold", 0);
        row(
            "royalties of 9.99",
            [](CompanyData& d) {
                F(d).NonemployeeCompensation = "";
                F(d).Royalities = "9.99";
            },
            "1099.below-threshold", 1);
        row(
            "royalties of 10.00",
            [](CompanyData& d) {
                F(d).NonemployeeCompensation = "";
                F(d).Royalities = "10.00";
            },
            "1099.below-threshold", 0);
        row(
            "fishing boat proceeds of 1.00",
            [](CompanyData& d) {
                F(d).NonemployeeCompensation = "";
                F(d).FishingBoatProceeds = "1.00";
            },
            "1099.below-threshold", 0);
        row(
            "golden parachute of 1.00",
            [](CompanyData& d) {
                F(d).NonemployeeCompensation = "";
                F(d).ExcessGoldenParachutePayments = "1.00";
            },
            "1099.below-threshold", 0);
        row(
            "small rents with tax withheld",
            [](CompanyData& d) {
                F(d).NonemployeeCompensation = "";
                F(d).Rents = "100.00";
                F(d).FederalIncomeTaxWithheld = "28.00";
            },
            "1099.below-threshold", 0);
        row(
            "small rents with direct sales",
            [](CompanyData& d) {
                F(d).NonemployeeCompensation = "";
                F(d).Rents = "100.00";
                F(d).PayerMadeDirectSales = 1;
            },
            "1099.below-threshold", 0);
        row(
            "state tax of line 2 without a state number", [](CompanyData& d) { F(d).StateTaxWithheld2 = "50.00"; },
            "1099.state-line-no-state-number", 1, "17 State/Payer's state no., line 2");
        row(
            "state income of line 1 without a state number",
            [](CompanyData& d) {
                F(d).StateTaxWithheld1 = "";
                F(d).StateIncome1 = "12500.00";
                F(d).PayerStateID1 = "";
            },
            "1099.state-line-no-state-number", 1, "17 State/Payer's state no., line 1");
        row(
            "a state number without amounts", [](CompanyData& d) { F(d).PayerStateID2 = "CA-1"; },
            "1099.state-line-no-state-number", 0);
        row(
            "a 1099-MISC of no contractor", [](CompanyData& d) { F(d).ContractorUniqueID = 9; }, "1099.no-contractor",
            1);

        // ---- the company on the W-3 and the 1096 ----
        row(
            "EIN missing", [](CompanyData& d) { d.company.EmployerIdentificationNumber = ""; }, "company.ein-missing",
            1, "Employer identification number");
        row(
            "EIN of 8 digits", [](CompanyData& d) { d.company.EmployerIdentificationNumber = "93-123456"; },
            "company.ein-invalid", 1, "Employer identification number");
        row(
            "employer name of blanks", [](CompanyData& d) { d.company.EmployerName = "  "; }, "company.name-missing", 1,
            "Employer Name");
        row(
            "employer address without a street", [](CompanyData& d) { d.company.Address1 = ""; },
            "company.address-missing", 1, "Address1");
        row(
            "sick pay tax that is none", [](CompanyData& d) { d.company.FormW3IncomeTaxWithHeld = "n/a"; },
            "company.amount-unreadable", 1, "Income tax withheld by payer of third-party sick pay");
        row(
            "employer's foreign postal code", [](CompanyData& d) { d.company.Zip = "H2X 1Y4"; },
            "company.value-not-enterable", 1, "Zip code");
        row(
            "employer's name with quotes", [](CompanyData& d) { d.company.EmployerName = "O'Neil \"B\""; },
            "company.value-not-enterable", 1, "Employer Name");
        row(
            "employer's state not listed", [](CompanyData& d) { d.company.State = "ZZ"; }, "company.state-invalid", 1,
            "State");
        row(
            "no kind of payer", [](CompanyData& d) { d.company.FormW3RadioKindOfPayer = -1; },
            "w3.kind-of-payer-missing", 1, "Kind of Payer");
        row(
            "kind of payer beyond the list", [](CompanyData& d) { d.company.FormW3RadioKindOfPayer = 7; },
            "w3.kind-of-payer-missing", 1);
        row(
            "no kind of payer and no W-2 to send",
            [](CompanyData& d) {
                d.company.FormW3RadioKindOfPayer = -1;
                d.employees.clear();
                d.w2s.clear();
            },
            "w3.kind-of-payer-missing", 0);
        row(
            "W-3 contact without a telephone", [](CompanyData& d) { d.company.FormW3Telephone = ""; },
            "w3.contact-missing", 1, "Telephone number");
        row(
            "no W-3 contact at all",
            [](CompanyData& d) {
                d.company.FormW3Telephone = "";
                d.company.FormW3ContactName = "";
            },
            "w3.contact-missing", 2, "Contact person");
        row(
            "1096 contact without a name", [](CompanyData& d) { d.company.Form1096ContactName = ""; },
            "1096.contact-missing", 1, "Name of person to contact");
        row(
            "no 1096 contact and no 1099-MISC to send",
            [](CompanyData& d) {
                d.company.Form1096ContactName = "";
                d.contractors.clear();
                d.forms1099.clear();
            },
            "1096.contact-missing", 0);

        // The rules of the planted problems have their rows there.
        for (const Planted& planted : PlantedCases())
            if (planted.rule)
                finding.insert(QLatin1String(planted.rule));
        for (const CheckRule* rule : AllRules())
            QVERIFY2(finding.contains(rule->id), rule->id);
    }

    // Each planted problem is found once, at its severity, person and box,
    // and nothing else is; each valid case finds nothing.
    void plantedProblemsAreFoundAndValidCasesNot_data()
    {
        QTest::addColumn<Spoil>("spoil");
        QTest::addColumn<QString>("rule");
        QTest::addColumn<int>("severity");
        QTest::addColumn<QString>("box");
        for (const Planted& planted : PlantedCases())
            QTest::newRow(planted.name) << planted.spoil << QString(planted.rule) << int(planted.severity)
                                        << QString(planted.box);
    }

    void plantedProblemsAreFoundAndValidCasesNot()
    {
        QFETCH(Spoil, spoil);
        QFETCH(QString, rule);
        CompanyData data = FilingCompany();
        spoil(data);
        const FormCheckResult result = CheckCompanyForms(data);
        QStringList said;
        for (const FormFinding& f : result.findings)
            said << QLatin1String(f.rule->id) + u'\t' + FindingLine(f);
        QVERIFY2(result.findings.size() == (rule.isEmpty() ? 0 : 1), qPrintable(said.join('\n')));
        if (rule.isEmpty())
            return;
        const FormFinding& found = result.findings.front();
        QCOMPARE(QLatin1String(found.rule->id), rule);
        QTEST(int(found.GetSeverity()), "severity");
        QTEST(found.box, "box");
        const QString person = found.Form() == CheckedForm::W2         ? QStringLiteral("Ann Lee")
                               : found.Form() == CheckedForm::Form1099 ? QStringLiteral("Bo Berg")
                                                                       : QStringLiteral("Harbor Tools");
        QCOMPARE(found.person, person);
        // Every value of the message is in place.
        QVERIFY2(!found.message.contains(QRegularExpression(QStringLiteral(R"(%\d)"))), qPrintable(found.message));
    }

    void eachRuleFindsWhatItLooksFor()
    {
        QFETCH(Spoil, spoil);
        QFETCH(QString, rule);
        QFETCH(int, count);
        QFETCH(QString, box);
        CompanyData data = FilingCompany();
        spoil(data);
        const std::vector<FormFinding> found = Found(data, rule);
        QStringList said;
        for (const FormFinding& f : found)
            said << FindingLine(f);
        QVERIFY2(int(found.size()) == count, qPrintable(said.join('\n')));
        if (count > 0 && !box.isEmpty())
            QCOMPARE(found.front().box, box);
    }

    // The box tables list only rules their forms have, and a rule that
    // tests box values is listed by a box. (Each rule has a row above that
    // finds something: the data function says so.)
    void eachRuleIsListedByItsBoxes()
    {
        QSet<QString> ids;
        for (const CheckRule* rule : AllRules()) {
            QVERIFY2(!ids.contains(rule->id), rule->id);
            ids.insert(QLatin1String(rule->id));
            QVERIFY(QString::fromUtf8(rule->message).endsWith('.'));
        }
        auto listed = [&](const auto& boxes, const std::vector<CheckRule>& rules) {
            QSet<QString> named;
            for (const auto& box : boxes)
                for (const char* id : box.checks) {
                    QVERIFY2(FindRule(rules, id), id);
                    named.insert(QLatin1String(id));
                }
            // A rule of the whole form, and the enterable test, which looks
            // at every box somebody types, are listed by no box.
            for (const CheckRule& rule : rules)
                if (rule.test != RuleTest::Form && rule.test != RuleTest::Enterable)
                    QVERIFY2(named.contains(rule.id), rule.id);
        };
        listed(W2Boxes(), W2CheckRules());
        listed(Form1099Boxes(), Form1099CheckRules());
        listed(CompanyBoxes(), CompanyCheckRules());
    }

    // What a finding says: who, which form and box, and where it is
    // mended.
    void findingsSayWhoWhatAndWhere()
    {
        CompanyData data = FilingCompany();
        W2(data).SocialSecurityTips = "-5.50";
        data.employees[0].SocialSecurityNumber = "987-65-4321";
        data.company.State = "  ";
        data.company.EmployerIdentificationNumber = "";
        F(data).Rents = "-2";
        const FormCheckResult result = CheckCompanyForms(data);

        const FormFinding tips = Found(data, "w2.negative-amount").front();
        QCOMPARE(tips.GetSeverity(), Severity::Error);
        QCOMPARE(tips.Form(), CheckedForm::W2);
        QCOMPARE(tips.person, QStringLiteral("Ann Lee"));
        QCOMPARE(tips.tin, QStringLiteral("987-65-4321"));
        QCOMPARE(tips.box, QStringLiteral("7 Social security tips"));
        QCOMPARE(tips.message,
                 QStringLiteral("The amount -5.50 is negative; no box of the W-2 takes a negative amount."));
        QCOMPARE(tips.place, FindingPlace::Form);
        QCOMPARE(tips.field, QStringLiteral("SocialSecurityTips"));
        QCOMPARE(tips.ownerId, 1);

        const FormFinding ssn = Found(data, "w2.ssn-invalid").front();
        QCOMPARE(ssn.place, FindingPlace::Person);
        QCOMPARE(ssn.field, QStringLiteral("SocialSecurityNumber"));
        QCOMPARE(ssn.message, QStringLiteral("987-65-4321 is not a valid social security number: no number issued "
                                             "by 2005 begins with 000, 666, 734 to 749 or 773 to 999."));

        // Line 1 of the W-2 shows the company's state: mended in the setup.
        const FormFinding line1 = Found(data, "w2.state-line-no-state").front();
        QCOMPARE(line1.place, FindingPlace::Company);
        QCOMPARE(line1.field, QStringLiteral("State"));
        QCOMPARE(line1.ownerId, 1);

        const FormFinding ein = Found(data, "company.ein-missing").front();
        QCOMPARE(ein.Form(), CheckedForm::W3And1096);
        QCOMPARE(ein.person, QStringLiteral("Harbor Tools"));
        QCOMPARE(ein.place, FindingPlace::Company);
        QCOMPARE(ein.field, QStringLiteral("EmployerIdentificationNumber"));
        QCOMPARE(ein.ownerId, -1);

        const FormFinding rents = Found(data, "1099.negative-amount").front();
        QCOMPARE(rents.person, QStringLiteral("Bo Berg"));
        QCOMPARE(rents.tin, QStringLiteral("98-7654321"));
        QCOMPARE(rents.message,
                 QStringLiteral("The amount -2 is negative; no box of the 1099-MISC takes a negative amount."));

        // The company's findings first, then the W-2s, then the 1099-MISCs;
        // the counts add up.
        QStringList forms;
        int errors = 0;
        for (const FormFinding& f : result.findings) {
            if (forms.isEmpty() || forms.last() != CheckedFormName(f.Form()))
                forms << CheckedFormName(f.Form());
            errors += f.IsError();
        }
        QCOMPARE(forms, QStringList({"W-3/1096", "W-2", "1099-MISC"}));
        QCOMPARE(result.errors, errors);
        QCOMPARE(result.warnings, int(result.findings.size()) - errors);

        // A form that belongs to nobody is about nobody and mended nowhere.
        CompanyData orphan = FilingCompany();
        W2(orphan).EmployeeUniqueID = 5;
        const FormFinding lost = Found(orphan, "w2.no-employee").front();
        QCOMPARE(lost.place, FindingPlace::Nowhere);
        QCOMPARE(lost.person, QString());
        QCOMPARE(lost.box, QString());
    }

    // Every finding that names a box names one whose table lists its rule.
    void findingsNameTheBoxesThatListTheirRule()
    {
        CompanyData data = FilingCompany();
        data.employees[0] = MakeEmployee(1, "", "", "");
        data.employees[0].State = "ZZ";
        W2(data).SocialSecurityTips = "-5.50";
        W2(data).Field12aAmount = "3.00";
        W2(data).Field12bCode = "X";
        W2(data).StateWages2 = "1.00";
        W2(data).LocalWages1 = "1.00";
        data.contractors[0] = MakeContractor(1, "1", "", "");
        data.contractors[0].City = "";
        F(data).StateIncome2 = "1.00";
        data.company = CompanyRecord();
        const FormCheckResult result = CheckCompanyForms(data);
        QVERIFY(result.findings.size() > 15);
        for (const FormFinding& f : result.findings) {
            if (f.field.isEmpty())
                continue;
            const QString what = FindingLine(f);
            if (f.Form() == CheckedForm::W2) {
                const W2Box* box = FindBox(W2Boxes(), f.place == FindingPlace::Company
                                                          ? (f.field == "State" ? "State1" : "StateID1")
                                                          : f.field);
                QVERIFY2(box && box->Checks(f.rule->id) == (f.place != FindingPlace::Company), qPrintable(what));
                QCOMPARE(f.box, QLatin1String(box->label));
            } else if (f.Form() == CheckedForm::Form1099) {
                const Form1099Box* box = FindBox(Form1099Boxes(), f.field);
                QVERIFY2(box && box->Checks(f.rule->id), qPrintable(what));
                QCOMPARE(f.box, QLatin1String(box->label));
            } else {
                const CompanyBox* box = FindCompanyBox(f.field);
                QVERIFY2(box
                             && std::any_of(box->checks.begin(), box->checks.end(),
                                            [&f](const char* id) { return qstrcmp(id, f.rule->id) == 0; }),
                         qPrintable(what));
            }
        }
    }

    // --form w2 looks at the W-2s and the W-3, --form 1099 at the
    // 1099-MISCs and the 1096; the employer's data is in both.
    void aScopeKeepsToItsForms_data()
    {
        QTest::addColumn<int>("scope");
        QTest::addColumn<QStringList>("forms");
        QTest::newRow("all") << int(CheckScope::All) << QStringList({"1096", "1099-MISC", "W-2", "W-3", "W-3/1096"});
        QTest::newRow("w2") << int(CheckScope::W2) << QStringList({"W-2", "W-3", "W-3/1096"});
        QTest::newRow("1099") << int(CheckScope::Form1099) << QStringList({"1096", "1099-MISC", "W-3/1096"});
    }

    void aScopeKeepsToItsForms()
    {
        QFETCH(int, scope);
        CompanyData data = FilingCompany();
        data.company.EmployerIdentificationNumber = "";
        data.company.FormW3RadioKindOfPayer = -1;
        data.company.Form1096Telephone = "";
        W2(data).Wages = "-1.00";
        F(data).Rents = "-1.00";
        QStringList forms;
        for (const FormFinding& f : CheckCompanyForms(data, CheckScope(scope)).findings)
            if (!forms.contains(CheckedFormName(f.Form())))
                forms << CheckedFormName(f.Form());
        forms.sort();
        QTEST(forms, "forms");
    }

    // For scripts: one object per finding with exactly these fields.
    void findingsAsJsonAndAsLines()
    {
        CompanyData data = FilingCompany();
        W2(data).SocialSecurityTips = "-5.50";
        data.company.FormW3Telephone = "";
        const FormCheckResult result = CheckCompanyForms(data);
        QCOMPARE(result.findings.size(), size_t(2));

        QJsonParseError error;
        const QJsonDocument json = QJsonDocument::fromJson(FindingsJson(result.findings), &error);
        QCOMPARE(error.error, QJsonParseError::NoError);
        QVERIFY(json.isArray());
        const QJsonArray array = json.array();
        QCOMPARE(array.size(), 2);
        const QStringList fields = {"box", "form", "message", "person", "rule", "severity", "tin"};
        for (const QJsonValue& value : array) {
            QCOMPARE(value.toObject().keys(), fields);
            for (const QString& field : fields)
                QVERIFY(value.toObject().value(field).isString());
        }
        const QJsonObject tips = array[1].toObject();
        QCOMPARE(tips.value("severity").toString(), QStringLiteral("error"));
        QCOMPARE(tips.value("form").toString(), QStringLiteral("W-2"));
        QCOMPARE(tips.value("person").toString(), QStringLiteral("Ann Lee"));
        QCOMPARE(tips.value("tin").toString(), QStringLiteral("123-45-6789"));
        QCOMPARE(tips.value("box").toString(), QStringLiteral("7 Social security tips"));
        QCOMPARE(tips.value("rule").toString(), QStringLiteral("w2.negative-amount"));
        QCOMPARE(array[0].toObject().value("severity").toString(), QStringLiteral("warning"));
        QCOMPARE(array[0].toObject().value("form").toString(), QStringLiteral("W-3"));
        QCOMPARE(QJsonDocument::fromJson(FindingsJson({})).array().size(), 0);

        QCOMPARE(FindingLine(result.findings[1]),
                 QStringLiteral("error\tW-2\tAnn Lee (123-45-6789)\t7 Social security tips\tThe amount -5.50 is "
                                "negative; no box of the W-2 takes a negative amount."));
        QCOMPARE(FindingCounts(result.errors, result.warnings), QStringLiteral("1 error, 1 warning"));
        QCOMPARE(FindingCounts(0, 2), QStringLiteral("0 errors, 2 warnings"));
    }

    // Before a print, the forms it prints that have errors are counted;
    // warnings don't ask.
    void printQuestionsCountTheFormsWithErrors()
    {
        CompanyData data = FilingCompany();
        for (int id : {2, 3}) {
            EmployeeRecord e = data.employees[0];
            e.EmployeeUniqueID = id;
            e.SocialSecurityNumber = QStringLiteral("123-45-678%1").arg(id);
            data.employees.push_back(e);
            W2Record w = data.w2s[0];
            w.W2UniqueID = w.EmployeeUniqueID = id;
            data.w2s.push_back(w);
        }
        const std::vector<int> all = {0, 1, 2};
        QCOMPARE(W2PrintErrorsQuestion(data, all), QString());
        data.w2s[0].AllocatedTips = "-1.00";
        data.w2s[2].SocialSecurityTaxWithheld = "0.00"; // a warning only
        QCOMPARE(W2PrintErrorsQuestion(data, all), QStringLiteral("1 of the W-2s to print has errors. Print anyway?"));
        data.employees[1].LastName = "";
        QCOMPARE(W2PrintErrorsQuestion(data, all), QStringLiteral("2 of the W-2s to print have errors. Print anyway?"));
        QCOMPARE(W2PrintErrorsQuestion(data, {1}), QStringLiteral("The W-2 to print has errors. Print anyway?"));
        QCOMPARE(W2PrintErrorsQuestion(data, {2}), QString());
        // Every W-2 prints the employer's EIN.
        data.company.EmployerIdentificationNumber = "1";
        QCOMPARE(W2PrintErrorsQuestion(data, all), QStringLiteral("3 of the W-2s to print have errors. Print anyway?"));
        QCOMPARE(W3PrintErrorsQuestion(data), QStringLiteral("The W-3 to print has errors. Print anyway?"));
        QCOMPARE(Form1096PrintErrorsQuestion(data), QStringLiteral("The 1096 to print has errors. Print anyway?"));

        CompanyData contractors = FilingCompany();
        QCOMPARE(Form1099PrintErrorsQuestion(contractors, {0}), QString());
        QCOMPARE(Form1096PrintErrorsQuestion(contractors), QString());
        contractors.contractors[0].IdentificationNumber = "";
        QCOMPARE(Form1099PrintErrorsQuestion(contractors, {0}),
                 QStringLiteral("The 1099-MISC to print has errors. Print anyway?"));
        // The W-3 asks about its own data only.
        contractors.company.FormW3RadioKindOfPayer = -1;
        QCOMPARE(W3PrintErrorsQuestion(contractors), QStringLiteral("The W-3 to print has errors. Print anyway?"));
        QCOMPARE(Form1096PrintErrorsQuestion(contractors), QString());
    }

    // The README, the help page and the manual page list every rule by
    // its id with its severity: the first "error" or "warning" after the
    // id, on its line or the next one (the manual page's).
    void theDocumentationListsEveryRule()
    {
        for (const char* file : {"README.md", "resources/help/formlark2005.html", "resources/desktop/formlark.1.in"}) {
            QFile doc(QStringLiteral(FORMLARK_SOURCE_DIR "/") + QLatin1String(file));
            QVERIFY2(doc.open(QIODevice::ReadOnly), file);
            // The manual page writes its hyphens as "\-".
            const QString text = QString::fromUtf8(doc.readAll()).replace(QStringLiteral("\\-"), QStringLiteral("-"));
            for (const CheckRule* rule : AllRules()) {
                // The id whole: w2.state-line-no-state is not the start of
                // w2.state-line-no-state-id.
                const QRegularExpression listed(
                    QRegularExpression::escape(QLatin1String(rule->id))
                    + QStringLiteral(R"((?![\w-])[^\n]*?(?:\n[^\n]*?)?\b(error|warning)\b)"));
                QStringList said;
                for (QRegularExpressionMatchIterator match = listed.globalMatch(text); match.hasNext();)
                    said << match.next().captured(1);
                QVERIFY2(said.contains(SeverityName(rule->severity)),
                         qPrintable(QStringLiteral("%1 in %2: %3").arg(rule->id, file, said.join(u' '))));
            }
        }
    }

    void ssnProblemsAreSaid_data()
    {
        QTest::addColumn<QString>("ssn");
        QTest::addColumn<QString>("problem");
        QTest::newRow("valid") << "078-05-1121"
                               << "";
        QTest::newRow("digits only") << "078051121"
                                     << "";
        QTest::newRow("letters") << "12A-45-6789"
                                 << "it needs nine digits, written as 123-45-6789";
        QTest::newRow("dashes astray") << "1234-5-6789"
                                       << "it needs nine digits, written as 123-45-6789";
        QTest::newRow("area 000") << "000-45-6789"
                                  << "no number issued by 2005 begins with 000, 666, 734 to 749 or 773 to 999";
        QTest::newRow("sample number") << "078051120"
                                       << "it is a sample number from an advertisement, nobody's own";
        QTest::newRow("group 00") << "078-00-1120"
                                  << "the middle two digits are never 00";
        QTest::newRow("serial 0000") << "078-05-0000"
                                     << "the last four digits are never 0000";
    }

    void ssnProblemsAreSaid()
    {
        QFETCH(QString, ssn);
        QTEST(SsnProblem(ssn), "problem");
    }
};

FORMLARK_TEST_APPLESS_MAIN(FormCheckTest)
#include "FormCheckTest.moc"
