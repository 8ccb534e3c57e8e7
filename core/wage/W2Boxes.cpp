#include "core/wage/W2Boxes.h"

#include "core/print/FormWriter.h"
#include "core/records/PersonBoxes.h"

#include <algorithm>
#include <deque>

QString RatePercentText(qint64 rate)
{
    return QString::number(double(rate) / 100);
}

QString SocialSecurityTaxFor(double wages)
{
    const double percent = double(kSocialSecurityTaxRate) / 100;
    return QString::asprintf("%.2f", std::min(wages * percent * 0.01, kSocialSecurityTaxCap));
}

QString MedicareTaxFor(double wages)
{
    return QString::asprintf("%.2f", wages * double(kMedicareTaxRate) * 0.0001);
}

namespace {

using B = W2Box;
using R = CsvValueRule;
using E = EmployeeRecord;
using W = W2Record;
constexpr BoxRule kAmount = BoxRule::Amount;

// The W-3 boxes that add up the W-2s' money boxes, with their points on
// the W-3.
constexpr TransmittalBox kW3Box1{1, "Box1", "1 Wages, tips, other compensation", 47};
constexpr TransmittalBox kW3Box2{2, "Box2", "2 Federal income tax withheld", 48};
constexpr TransmittalBox kW3Box3{3, "Box3", "3 Social security wages", 49};
constexpr TransmittalBox kW3Box4{4, "Box4", "4 Social security tax withheld", 50};
constexpr TransmittalBox kW3Box5{5, "Box5", "5 Medicare wages and tips", 51};
constexpr TransmittalBox kW3Box6{6, "Box6", "6 Medicare tax withheld", 52};
constexpr TransmittalBox kW3Box7{7, "Box7", "7 Social security tips", 53};
constexpr TransmittalBox kW3Box8{8, "Box8", "8 Allocated tips", 54};
constexpr TransmittalBox kW3Box9{9, "Box9", "9 Advance EIC payments", 55};
constexpr TransmittalBox kW3Box10{10, "Box10", "10 Dependent care benefits", 56};
constexpr TransmittalBox kW3Box11{11, "Box11", "11 Nonqualified plans", 57};
constexpr TransmittalBox kW3Box12{12, "Box12", "12 Deferred compensation", 58};
constexpr TransmittalBox kW3Box16{16, "Box16", "16 State wages, tips, etc.", 61};
constexpr TransmittalBox kW3Box17{17, "Box17", "17 State income tax", 62};
constexpr TransmittalBox kW3Box18{18, "Box18", "18 Local wages, tips, etc.", 63};
constexpr TransmittalBox kW3Box19{19, "Box19", "19 Local income tax", 64};

// Where the values print, as points of the W-2's point table: the box-14
// lines stand 56 units apart, the third at its point; the box-13 marks sit
// lower in their boxes than their points say.
constexpr int kBox14LineStep = 56;
constexpr int kBox13MarkDrop = 63;

QString EmployeeNameLine(const EmployeeWithW2& row)
{
    return row.person.FirstName.Text() + QLatin1Char(' ') + row.person.MiddleName.Text();
}

QString EmployeeCityLine(const EmployeeWithW2& row)
{
    return CityStateZipLine(row.person.City, row.person.State, row.person.Zip);
}

constexpr char kNegative[] = "w2.negative-amount";
constexpr char kUnreadable[] = "w2.amount-unreadable";

// A money box of the W-2.
template <auto Member>
W2Box Amount(const char* name, const char* label, const char* header, R rule,
             std::initializer_list<const char*> spellings)
{
    return MakeBox<B, Member>(name, label)
        .Typed(kAmount)
        .Csv(header, rule, spellings)
        .Checked({kNegative, kUnreadable});
}

// A text made for the table, kept as long as the table (its names and
// labels are plain C strings).
const char* Kept(const QByteArray& text)
{
    static std::deque<QByteArray> texts;
    texts.push_back(text);
    return texts.back().constData();
}

// The code, year and amount of one line of box 12. The code and year boxes
// take no more than their fields keep (one letter, two digits), so what is
// stored is what the box shows.
// Each line prints its code and year together at `point`, its amount at
// the next point.
template <auto Code, auto Year, auto Amount>
void AddBox12Line(std::vector<W2Box>& boxes, const char* letter, int point)
{
    const QByteArray l(letter);
    const auto keep = &Kept;
    const QByteArray box = "Box 12" + l;
    boxes.push_back(MakeBox<B, Code>(keep("Field12" + l + "Code"), keep("12" + l + " code"))
                        .Typed(BoxRule::Letters, 1)
                        .Csv(keep(box + " Code"), R::Box12Code, {keep("12" + l + " Code"), keep("Code 12" + l)})
                        .Checked({"w2.box12-code-without-amount", "w2.box12-code-invalid", "w2.box12-code-twice",
                                  "w2.box12-deferral-limit", "w2.box12-z-above-wages"})
                        .PrintsJoined(point, [](const EmployeeWithW2& row) {
                            return (row.form.*Code).Text() + QLatin1Char(' ') + (row.form.*Year).Text();
                        }));
    boxes.push_back(MakeBox<B, Year>(keep("Field12" + l + "Year"), keep("12" + l + " year"))
                        .Typed(BoxRule::Number, 2, 0)
                        .Csv(keep(box + " Year"), R::Box12Year, {keep("12" + l + " Year")})
                        .Checked({"w2.box12-deferral-limit"}));
    W2Box amount = MakeBox<B, Amount>(keep("Field12" + l + "Amount"), keep("12" + l + " amount"))
                       .Typed(kAmount)
                       .Csv(keep(box + " Amount"), R::Amount, {keep(box), keep("12" + l), keep("12" + l + " Amount")})
                       .Checked({kNegative, kUnreadable, "w2.box12-amount-without-code", "w2.box12-deferral-limit",
                                 "w2.box12-z-above-wages"})
                       .Totals(kW3Box12)
                       .PrintsAt(point + 1);
    amount.totalCode = [](const W2Record& w) -> const FixedTextBase& { return w.*Code; };
    boxes.push_back(amount);
}

std::vector<W2Box> MakeW2Boxes()
{
    std::vector<W2Box> b;
    b.push_back(MakeBox<B, &E::SocialSecurityNumber>("SocialSecurityNumber", "d Employee's social security number")
                    .Csv("SSN", R::Ssn,
                         {"Social Security Number", "Social Security No", "Social Security #", "SS Number", "SS No",
                          "Soc Sec No", "Soc Sec Number", "SocialSecurityNumber", "Box d"})
                    .Checked({"w2.ssn-missing", "w2.ssn-invalid", "w2.ssn-applied-for", "w2.ssn-duplicate"})
                    .PrintsAt(8));
    AddNameAndAddressBoxes(b,
                           {"e Employee's first name", "e Employee's initial", "e Last name",
                            "f Employee's address, line 1", "f Employee's address, line 2", "f Employee's city",
                            "f Employee's state", "f Employee's ZIP code"},
                           {"w2.first-name-missing", "w2.last-name-missing", "w2.address-incomplete",
                            "w2.state-invalid"},
                           {9, &EmployeeNameLine, 11, 12, 13, 14, &EmployeeCityLine});

    b.push_back(
        Amount<&W::Wages>("Wages", "1 Wages, tips, other compensation", "Box 1 Wages", R::Amount,
                          {"Box 1", "Wages", "Wages, Tips, Other Compensation", "Wages, Tips and Other Compensation",
                           "Federal Wages", "Gross Wages", "Box 1 Wages, Tips, Other Compensation"})
            .Totals(kW3Box1)
            .PrintsAt(17)
            .Checked({"w2.advance-eic-without-wages", "w2.box12-z-above-wages"}));
    b.push_back(Amount<&W::FederalIncomeTaxWithdrawal>("FederalIncomeTaxWithdrawal", "2 Federal income tax withheld",
                                                       "Box 2 Federal Income Tax Withheld", R::Amount,
                                                       {"Box 2", "Federal Income Tax Withheld", "Federal Income Tax",
                                                        "Federal Income Tax Withholding", "Federal Tax Withheld",
                                                        "Federal Withholding", "Federal Tax", "FIT", "FITW"})
                    .Totals(kW3Box2)
                    .PrintsAt(18));
    b.push_back(Amount<&W::SocialSecurityWages>("SocialSecurityWages", "3 Social security wages",
                                                "Box 3 Social Security Wages", R::SocialSecurityWages,
                                                {"Box 3", "Social Security Wages", "SS Wages", "OASDI Wages"})
                    .Totals(kW3Box3)
                    .PrintsAt(19)
                    .Checked({"w2.ss-wage-base", "w2.ss-tax-without-wages", "w2.medicare-below-ss",
                              "w2.household-below-threshold", "w2.medicare-govt-with-ss"}));
    b.push_back(
        Amount<&W::SocialSecurityTaxWithheld>("SocialSecurityTaxWithheld", "4 Social security tax withheld",
                                              "Box 4 Social Security Tax Withheld", R::SocialSecurityTax,
                                              {"Box 4", "Social Security Tax Withheld", "Social Security Tax", "SS Tax",
                                               "SS Tax Withheld", "OASDI", "OASDI Tax"})
            .Totals(kW3Box4)
            .PrintsAt(20)
            .Checked({"w2.ss-tax-above-max", "w2.ss-tax-without-wages", "w2.ss-tax-rate", "w2.medicare-govt-with-ss"}));
    b.push_back(
        Amount<&W::MedicareWages>("MedicareWages", "5 Medicare wages and tips", "Box 5 Medicare Wages and Tips",
                                  R::Amount,
                                  {"Box 5", "Medicare Wages and Tips", "Medicare Wages & Tips", "Medicare Wages"})
            .Totals(kW3Box5)
            .PrintsAt(21)
            .Checked({"w2.medicare-below-ss", "w2.medicare-tax-without-wages"}));
    b.push_back(Amount<&W::MedicareTaxWithheld>("MedicareTaxWithheld", "6 Medicare tax withheld",
                                                "Box 6 Medicare Tax Withheld", R::Amount,
                                                {"Box 6", "Medicare Tax Withheld", "Medicare Tax"})
                    .Totals(kW3Box6)
                    .PrintsAt(22)
                    .Checked({"w2.medicare-tax-without-wages", "w2.medicare-tax-rate"}));
    b.push_back(Amount<&W::SocialSecurityTips>("SocialSecurityTips", "7 Social security tips",
                                               "Box 7 Social Security Tips", R::Amount,
                                               {"Box 7", "Social Security Tips", "SS Tips"})
                    .Totals(kW3Box7)
                    .PrintsAt(23)
                    .Checked({"w2.ss-wage-base", "w2.ss-tax-without-wages", "w2.medicare-below-ss",
                              "w2.medicare-govt-with-ss"}));
    b.push_back(Amount<&W::AllocatedTips>("AllocatedTips", "8 Allocated tips", "Box 8 Allocated Tips", R::Amount,
                                          {"Box 8", "Allocated Tips"})
                    .Totals(kW3Box8)
                    .PrintsAt(24));
    b.push_back(Amount<&W::AdvancEICPayment>("AdvancEICPayment", "9 Advance EIC payment", "Box 9 Advance EIC Payment",
                                             R::Amount, {"Box 9", "Advance EIC Payment", "Advance EIC", "EIC Payment"})
                    .Totals(kW3Box9)
                    .PrintsAt(25)
                    .Checked({"w2.advance-eic-above-max", "w2.advance-eic-without-wages"}));
    b.push_back(Amount<&W::DependentCareBenefits>("DependentCareBenefits", "10 Dependent care benefits",
                                                  "Box 10 Dependent Care Benefits", R::Amount,
                                                  {"Box 10", "Dependent Care Benefits", "Dependent Care"})
                    .Totals(kW3Box10)
                    .PrintsAt(26));
    b.push_back(Amount<&W::NonQualifiedPlans>("NonQualifiedPlans", "11 Nonqualified plans", "Box 11 Nonqualified Plans",
                                              R::Amount, {"Box 11", "Nonqualified Plans"})
                    .Totals(kW3Box11)
                    .PrintsAt(27));
    AddBox12Line<&W::Field12aCode, &W::Field12aYear, &W::Field12aAmount>(b, "a", 28);
    AddBox12Line<&W::Field12bCode, &W::Field12bYear, &W::Field12bAmount>(b, "b", 30);
    AddBox12Line<&W::Field12cCode, &W::Field12cYear, &W::Field12cAmount>(b, "c", 32);
    AddBox12Line<&W::Field12dCode, &W::Field12dYear, &W::Field12dAmount>(b, "d", 34);
    b.push_back(MakeBox<B, &W::StatutoryEmployee>("StatutoryEmployee", "13 Statutory employee")
                    .Csv("Box 13 Statutory Employee", R::Flag, {"Statutory Employee", "Statutory"})
                    .PrintsAt(36, kBox13MarkDrop));
    b.push_back(MakeBox<B, &W::RetirementPlan>("RetirementPlan", "13 Retirement plan")
                    .Csv("Box 13 Retirement Plan", R::Flag, {"Retirement Plan", "Retirement"})
                    .PrintsAt(40, kBox13MarkDrop));
    b.push_back(MakeBox<B, &W::ThirdPartySickpay>("ThirdPartySickpay", "13 Third-party sick pay")
                    .Csv("Box 13 Third-Party Sick Pay", R::Flag, {"Third-Party Sick Pay", "Sick Pay"})
                    .Checked({"w2.sick-pay-not-on-w3"})
                    .PrintsAt(44, kBox13MarkDrop));
    b.push_back(MakeBox<B, &W::Other1>("Other1", "14 Other, line 1")
                    .Typed(BoxRule::Text, 14)
                    .Csv("Box 14 Other 1", R::Text,
                         {"Box 14", "Box 14 Other", "Box 14 Line 1", "Box 14 Other Line 1", "Other", "Other 1"})
                    .PrintsAt(48, -2 * kBox14LineStep));
    b.push_back(MakeBox<B, &W::Other2>("Other2", "14 Other, line 2")
                    .Typed(BoxRule::Text, 14)
                    .Csv("Box 14 Other 2", R::Text, {"Box 14 Line 2", "Box 14 Other Line 2", "Other 2"})
                    .PrintsAt(48, -kBox14LineStep));
    b.push_back(MakeBox<B, &W::Other3>("Other3", "14 Other, line 3")
                    .Typed(BoxRule::Text, 14)
                    .Csv("Box 14 Other 3", R::Text, {"Box 14 Line 3", "Box 14 Other Line 3", "Other 3"})
                    .PrintsAt(48));

    // The state and local lines. Line 1's state and state ID are the
    // company's: the employer's boxes print them.
    b.push_back(MakeBox<B, &W::State1>("State1", "15 State, line 1").Typed(BoxRule::Shown).OnLine(1));
    b.push_back(
        MakeBox<B, &W::StateID1>("StateID1", "15 Employer's state ID number, line 1").Typed(BoxRule::Shown).OnLine(1));
    b.push_back(MakeBox<B, &W::State2>("State2", "15 State, line 2")
                    .Typed(BoxRule::Letters)
                    .OnLine(2)
                    .Csv("Box 15 State 2", R::State, {"Box 15 State Line 2", "State 2", "Second State"})
                    .Checked({"w2.state-line-no-state", "w2.state-invalid"})
                    .PrintsAt(50));
    b.push_back(
        MakeBox<B, &W::StateID2>("StateID2", "15 Employer's state ID number, line 2")
            .Typed(BoxRule::Text, 15)
            .OnLine(2)
            .Csv("Box 15 State ID 2", R::Text,
                 {"Box 15 State ID Line 2", "Box 15 Employer's State ID Number 2", "Box 15 Employer's State ID 2",
                  "State ID 2", "Employer's State ID Number 2", "Employer's State ID 2"})
            .Checked({"w2.state-line-no-state-id"})
            .PrintsAt(52));
    b.push_back(Amount<&W::StateWages1>("StateWages1", "16 State wages, tips, etc., line 1", "Box 16 State Wages 1",
                                        R::Amount,
                                        {"Box 16", "Box 16 State Wages", "Box 16 Line 1", "State Wages",
                                         "State Wages 1", "State Wages, Tips, etc."})
                    .Totals(kW3Box16)
                    .OnLine(1)
                    .PrintsAt(53));
    b.push_back(Amount<&W::StateWages2>("StateWages2", "16 State wages, tips, etc., line 2", "Box 16 State Wages 2",
                                        R::Amount, {"Box 16 Line 2", "State Wages 2"})
                    .Totals(kW3Box16)
                    .OnLine(2)
                    .PrintsAt(54));
    b.push_back(Amount<&W::StateIncomTax1>("StateIncomTax1", "17 State income tax, line 1", "Box 17 State Income Tax 1",
                                           R::Amount,
                                           {"Box 17", "Box 17 State Income Tax", "Box 17 Line 1", "State Income Tax",
                                            "State Income Tax 1", "State Income Tax Withheld", "State Tax",
                                            "State Tax Withheld", "State Withholding", "SIT"})
                    .Totals(kW3Box17)
                    .OnLine(1)
                    .PrintsAt(55));
    b.push_back(Amount<&W::StateIncomTax2>("StateIncomTax2", "17 State income tax, line 2", "Box 17 State Income Tax 2",
                                           R::Amount, {"Box 17 Line 2", "State Income Tax 2", "State Tax 2"})
                    .Totals(kW3Box17)
                    .OnLine(2)
                    .PrintsAt(56));
    b.push_back(Amount<&W::LocalWages1>("LocalWages1", "18 Local wages, tips, etc., line 1", "Box 18 Local Wages 1",
                                        R::Amount,
                                        {"Box 18", "Box 18 Local Wages", "Box 18 Line 1", "Local Wages",
                                         "Local Wages 1", "Local Wages, Tips, etc."})
                    .Totals(kW3Box18)
                    .OnLine(1)
                    .PrintsAt(57));
    b.push_back(Amount<&W::LocalWages2>("LocalWages2", "18 Local wages, tips, etc., line 2", "Box 18 Local Wages 2",
                                        R::Amount, {"Box 18 Line 2", "Local Wages 2"})
                    .Totals(kW3Box18)
                    .OnLine(2)
                    .PrintsAt(58));
    b.push_back(Amount<&W::LocalIncomeTax1>("LocalIncomeTax1", "19 Local income tax, line 1",
                                            "Box 19 Local Income Tax 1", R::Amount,
                                            {"Box 19", "Box 19 Local Income Tax", "Box 19 Line 1", "Local Income Tax",
                                             "Local Income Tax 1", "Local Tax", "Local Withholding"})
                    .Totals(kW3Box19)
                    .OnLine(1)
                    .PrintsAt(59));
    b.push_back(Amount<&W::LocalIncomeTax2>("LocalIncomeTax2", "19 Local income tax, line 2",
                                            "Box 19 Local Income Tax 2", R::Amount,
                                            {"Box 19 Line 2", "Local Income Tax 2", "Local Tax 2"})
                    .Totals(kW3Box19)
                    .OnLine(2)
                    .PrintsAt(60));
    b.push_back(MakeBox<B, &W::LocalityName1>("LocalityName1", "20 Locality name, line 1")
                    .Typed(BoxRule::Text, 6)
                    .OnLine(1)
                    .Csv("Box 20 Locality Name 1", R::Text,
                         {"Box 20", "Box 20 Locality Name", "Box 20 Line 1", "Locality Name", "Locality Name 1",
                          "Locality", "Locality 1"})
                    .Checked({"w2.local-line-no-locality"})
                    .PrintsAt(61));
    b.push_back(MakeBox<B, &W::LocalityName2>("LocalityName2", "20 Locality name, line 2")
                    .Typed(BoxRule::Text, 6)
                    .OnLine(2)
                    .Csv("Box 20 Locality Name 2", R::Text, {"Box 20 Line 2", "Locality Name 2", "Locality 2"})
                    .Checked({"w2.local-line-no-locality"})
                    .PrintsAt(62));
    return b;
}

} // namespace

const std::vector<W2Box>& W2Boxes()
{
    static const std::vector<W2Box> boxes = MakeW2Boxes();
    return boxes;
}

const std::vector<W2Box>& W2ScreenBoxes()
{
    static const std::vector<W2Box> boxes = FormScreenBoxes(W2Boxes());
    return boxes;
}

const std::vector<CheckRule>& W2CheckRules()
{
    using S = Severity;
    constexpr CheckedForm W2 = CheckedForm::W2;
    static const std::vector<CheckRule> rules = {
        {"w2.ssn-missing", S::Error, W2, RuleTest::Missing, "The employee has no social security number."},
        {"w2.ssn-invalid", S::Error, W2, RuleTest::Ssn, "%1 is not a valid social security number: %2."},
        {"w2.ssn-applied-for", S::Warning, W2, RuleTest::SsnAppliedFor,
         "The social security number is \"%1\": when the employee has the number, send the SSA a W-2c with it."},
        {"w2.ssn-duplicate", S::Error, W2, RuleTest::Form, "The employee %1 has the same social security number."},
        {"w2.first-name-missing", S::Error, W2, RuleTest::Missing, "The employee's first name is missing."},
        {"w2.last-name-missing", S::Error, W2, RuleTest::Missing, "The employee's last name is missing."},
        {"w2.address-incomplete", S::Warning, W2, RuleTest::AnyMissing, "The employee's address has no %1."},
        {"w2.state-invalid", S::Error, W2, RuleTest::State,
         "\"%1\" is not the postal abbreviation of a US state or territory."},
        {"w2.negative-amount", S::Error, W2, RuleTest::Negative,
         "The amount %1 is negative; no box of the W-2 takes a negative amount."},
        {"w2.amount-unreadable", S::Error, W2, RuleTest::Unreadable,
         "\"%1\" is stored in this box but is not an amount; it is not counted in any total until it is typed anew."},
        {"w2.value-not-enterable", S::Warning, W2, RuleTest::Enterable,
         "%1: the box would not take it when typed; it is kept as stored."},
        {"w2.ss-wage-base", S::Error, W2, RuleTest::Form,
         "Social security wages and tips of %1 are above the 2005 wage base of %2."},
        {"w2.ss-tax-above-max", S::Error, W2, RuleTest::Form,
         "Social security tax of %1 is above the 2005 maximum of %2 (%3% of the wage base)."},
        {"w2.ss-tax-without-wages", S::Error, W2, RuleTest::Form,
         "Social security tax of %1 is withheld, but boxes 3 and 7 have no social security wages or tips."},
        {"w2.ss-tax-rate", S::Warning, W2, RuleTest::Form,
         "Social security tax of %1 is not %3% of the social security wages and tips, which is %2."},
        {"w2.medicare-tax-without-wages", S::Error, W2, RuleTest::Form,
         "Medicare tax of %1 is withheld, but box 5 has no Medicare wages."},
        {"w2.medicare-tax-rate", S::Warning, W2, RuleTest::Form,
         "Medicare tax of %1 is not %3% of the Medicare wages, which is %2."},
        {"w2.medicare-below-ss", S::Error, W2, RuleTest::Form,
         "Medicare wages of %1 are less than the social security wages and tips of %2."},
        {"w2.advance-eic-above-max", S::Warning, W2, RuleTest::Form,
         "Advance EIC payments of %1 are above the 2005 maximum of %2."},
        {"w2.advance-eic-without-wages", S::Warning, W2, RuleTest::Form,
         "Advance EIC payments of %1 are made, but box 1 has no wages."},
        {"w2.box12-amount-without-code", S::Error, W2, RuleTest::Form, "Box 12%1 has an amount but no code."},
        {"w2.box12-code-without-amount", S::Error, W2, RuleTest::Form, "Box 12%1 has the code %2 but no amount."},
        {"w2.box12-code-invalid", S::Error, W2, RuleTest::Form,
         "\"%1\" is not a box 12 code of 2005 (A to H, J to N, P to T, V, W, Y and Z are)."},
        {"w2.box12-code-twice", S::Warning, W2, RuleTest::Form, "The code %1 is in box 12 twice; one line per code."},
        {"w2.box12-deferral-limit", S::Warning, W2, RuleTest::Form,
         "Deferrals of %1 under code %2 are above the 2005 limit of %3 (%4 and the catch-up of %5 from age 50); "
         "a catch-up of an earlier year goes on a line with its year."},
        {"w2.box12-z-above-wages", S::Warning, W2, RuleTest::Form,
         "Section 409A income of %1 (code Z) is more than the wages of box 1 (%2), which include it."},
        {"w2.state-line-no-state", S::Warning, W2, RuleTest::Form,
         "Line %1 has state or local amounts but no state%2."},
        {"w2.state-line-no-state-id", S::Warning, W2, RuleTest::Form,
         "Line %1 has state amounts but no employer's state ID number%2."},
        {"w2.local-line-no-locality", S::Warning, W2, RuleTest::Form,
         "Line %1 has local amounts but no locality name."},
        {"w2.sick-pay-not-on-w3", S::Warning, W2, RuleTest::Form,
         "Box 13 \"Third-party sick pay\" is checked, but the W-3's \"Third-party sick pay\" box is not."},
        {"w2.household-below-threshold", S::Error, W2, RuleTest::Form,
         "With \"%1\" as the W-3's kind of payer, social security wages of %2 are below the 2005 household "
         "threshold of %3: below it a household employee's wages are not social security wages."},
        {"w2.medicare-govt-with-ss", S::Error, W2, RuleTest::Form,
         "With \"%1\" as the W-3's kind of payer, the W-2 has no social security wages, tips or tax, but this "
         "box shows %2."},
        {"w2.empty", S::Warning, W2, RuleTest::Form, "Every box of the W-2 is empty."},
        {"w2.no-employee", S::Error, W2, RuleTest::Form,
         "This W-2 belongs to no employee of the company: the store was damaged or changed outside the program."},
    };
    return rules;
}

namespace {

// A box over its cap: the message names the box by its label.
QString CapMessage(const char* label, double cap)
{
    return QString::asprintf("'%s' field shouldn't exceed $%.2f", label, cap);
}

} // namespace

QString SocialSecurityWagesCapMessage()
{
    return CapMessage("Social security wages", kSocialSecurityWageBase);
}

QString SocialSecurityTaxCapMessage()
{
    return CapMessage("Social security tax withheld", kSocialSecurityTaxCap);
}

W2BoxLeave LeaveW2AmountBox(const QString& name, const QString& text, bool edited)
{
    W2BoxLeave leave;
    leave.text = NormalizeAmountText(text);
    const double value = ParseAmountText(leave.text);
    if (name == QLatin1String("SocialSecurityWages")) {
        const bool capped = value > kSocialSecurityWageBase;
        if (capped) {
            leave.message = SocialSecurityWagesCapMessage();
            leave.text = QString::asprintf("%.2f", kSocialSecurityWageBase);
        }
        if (edited || capped) {
            leave.otherBox = QStringLiteral("SocialSecurityTaxWithheld");
            leave.otherText = SocialSecurityTaxFor(value);
        }
    } else if (name == QLatin1String("SocialSecurityTaxWithheld")) {
        if (value > kSocialSecurityTaxCap) {
            leave.message = SocialSecurityTaxCapMessage();
            leave.text = QString::asprintf("%.2f", kSocialSecurityTaxCap);
        }
    } else if (name == QLatin1String("MedicareWages") && edited) {
        leave.otherBox = QStringLiteral("MedicareTaxWithheld");
        leave.otherText = MedicareTaxFor(value);
    }
    return leave;
}
