#include "core/contractor/Form1099Boxes.h"

#include "core/print/FormWriter.h"
#include "core/records/PersonBoxes.h"

namespace {

using B = Form1099Box;
using R = CsvValueRule;
using C = ContractorRecord;
using F = Form1099Record;

QString RecipientCityLine(const ContractorWith1099& row)
{
    return CityStateZipLine(row.person.City, row.person.State, row.person.Zip);
}

QString RecipientName(const ContractorWith1099& row)
{
    return RecipientNameLine(row.person);
}

// The box-9 mark sits lower in its box than its points say.
constexpr int kBox9MarkDrop = 38;

// The amount boxes keep the construction defaults of an amount box.
constexpr int kNoLimit = 0;
constexpr int kDecimals = 4;

template <auto Member>
Form1099Box Amount(const char* name, const char* label, const char* header,
                   std::initializer_list<const char*> spellings)
{
    return MakeBox<B, Member>(name, label)
        .Typed(BoxRule::Amount, kNoLimit, kDecimals)
        .Csv(header, R::Amount, spellings)
        .Checked({"1099.negative-amount", "1099.amount-unreadable"});
}

std::vector<Form1099Box> MakeForm1099Boxes()
{
    std::vector<Form1099Box> b;
    b.push_back(
        MakeBox<B, &C::IdentificationNumber>("IdentificationNumber", "RECIPIENT'S ID number")
            .Csv("TIN", R::Text,
                 {"Recipient TIN", "Recipient's Identification Number", "Recipient's ID Number",
                  "Identification Number", "ID Number", "Taxpayer Identification Number", "Taxpayer ID", "Tax ID",
                  "Tax ID Number", "SSN", "EIN", "SSN/EIN", "Social Security Number", "Federal ID", "Federal ID Number",
                  "FEIN", "IdentificationNumber"})
            .Checked({"1099.tin-missing", "1099.tin-invalid", "1099.tin-obviously-incorrect", "1099.tin-duplicate"})
            .PrintsAt(8));
    AddNameAndAddressBoxes(b,
                           {"RECIPIENT'S first name", "RECIPIENT'S initial", "RECIPIENT'S last name",
                            "Street address (including apt. no.), line 1",
                            "Street address (including apt. no.), line 2", "City", "State", "ZIP code"},
                           {"1099.name-missing", "1099.name-missing", "1099.address-missing", "1099.state-invalid"},
                           {9, &RecipientName, -1, 10, 11, 12, &RecipientCityLine});
    b.push_back(MakeBox<B, &C::AccountNumber>("AccountNumber", "Account number (optional)")
                    .Csv("Account Number", R::Account,
                         {"Account", "Account No", "Acct", "Acct No", "Account Number (optional)", "AccountNumber"})
                    .PrintsAt(15));
    b.push_back(
        MakeBox<B, &C::SecondTIN>("SecondTIN", "2nd TIN not.")
            .Csv("2nd TIN Notice", R::Flag, {"2nd TIN not.", "2nd TIN", "Second TIN Notice", "Second TIN", "SecondTIN"})
            .PrintsAt(16));

    b.push_back(Amount<&F::Rents>("Rents", "1 Rents", "Box 1 Rents", {"Box 1", "Rents", "Rent"})
                    .Totals(kForm1096Reported)
                    .PrintsAt(20));
    b.push_back(Amount<&F::Royalities>("Royalities", "2 Royalties", "Box 2 Royalties", {"Box 2", "Royalties"})
                    .Totals(kForm1096Reported)
                    .PrintsAt(21));
    b.push_back(
        Amount<&F::OtherIncome>("OtherIncome", "3 Other income", "Box 3 Other Income", {"Box 3", "Other Income"})
            .Totals(kForm1096Reported)
            .Checked({"1099.box15b-above-income"})
            .PrintsAt(22));
    b.push_back(
        Amount<&F::FederalIncomeTaxWithheld>("FederalIncomeTaxWithheld", "4 Federal income tax withheld",
                                             "Box 4 Federal Income Tax Withheld",
                                             {"Box 4", "Federal Income Tax Withheld", "Federal Income Tax",
                                              "Federal Tax Withheld", "Federal Withholding", "Backup Withholding"})
            .Totals(kForm1096FederalTax)
            .PrintsAt(23));
    b.push_back(Amount<&F::FishingBoatProceeds>("FishingBoatProceeds", "5 Fishing boat proceeds",
                                                "Box 5 Fishing Boat Proceeds", {"Box 5", "Fishing Boat Proceeds"})
                    .Totals(kForm1096Reported)
                    .PrintsAt(24));
    b.push_back(Amount<&F::MedicalAndHealthCarePayments>("MedicalAndHealthCarePayments",
                                                         "6 Medical and health care payments",
                                                         "Box 6 Medical and Health Care Payments",
                                                         {"Box 6", "Medical and Health Care Payments",
                                                          "Medical & Health Care Payments", "Medical Payments"})
                    .Totals(kForm1096Reported)
                    .PrintsAt(25));
    b.push_back(Amount<&F::NonemployeeCompensation>("NonemployeeCompensation", "7 Nonemployee compensation",
                                                    "Box 7 Nonemployee Compensation",
                                                    {"Box 7", "Nonemployee Compensation", "NEC"})
                    .Totals(kForm1096Reported)
                    .Checked({"1099.box15b-above-income"})
                    .PrintsAt(26));
    b.push_back(Amount<&F::SubstitutePayments>("SubstitutePayments",
                                               "8 Substitute payments in lieu of dividends or interest",
                                               "Box 8 Substitute Payments",
                                               {"Box 8", "Substitute Payments",
                                                "Substitute Payments in Lieu of Dividends or Interest"})
                    .Totals(kForm1096Reported)
                    .PrintsAt(27));
    b.push_back(MakeBox<B, &F::PayerMadeDirectSales>(
                    "PayerMadeDirectSales",
                    "9 Payer made direct sales of $5,000 or more of consumer products to a buyer (recipient) for "
                    "resale")
                    .Csv("Box 9 Direct Sales", R::Flag,
                         {"Box 9", "Direct Sales", "Payer Made Direct Sales", "Direct Sales of $5,000 or More"})
                    .PrintsAt(28, kBox9MarkDrop));
    b.push_back(Amount<&F::CropInsuranceProceeds>("CropInsuranceProceeds", "10 Crop insurance proceeds",
                                                  "Box 10 Crop Insurance Proceeds",
                                                  {"Box 10", "Crop Insurance Proceeds"})
                    .Totals(kForm1096Reported)
                    .PrintsAt(32));
    b.push_back(Amount<&F::ExcessGoldenParachutePayments>("ExcessGoldenParachutePayments",
                                                          "13 Excess golden parachute payments",
                                                          "Box 13 Excess Golden Parachute Payments",
                                                          {"Box 13", "Excess Golden Parachute Payments",
                                                           "Golden Parachute Payments"})
                    .Totals(kForm1096Reported)
                    .PrintsAt(33));
    b.push_back(Amount<&F::GrossProceedsPaidToAttorney>("GrossProceedsPaidToAttorney",
                                                        "14 Gross proceeds paid to an attorney",
                                                        "Box 14 Gross Proceeds Paid to an Attorney",
                                                        {"Box 14", "Gross Proceeds Paid to an Attorney",
                                                         "Gross Proceeds Paid to Attorney", "Attorney Proceeds"})
                    .Totals(kForm1096Reported)
                    .PrintsAt(34));
    b.push_back(Amount<&F::Field15A>("Field15A", "15a Section 409A deferrals", "Box 15a Section 409A Deferrals",
                                     {"Box 15a", "15a", "Section 409A Deferrals", "409A Deferrals"})
                    .PrintsAt(49));
    b.push_back(Amount<&F::Field15B>("Field15B", "15b Section 409A income", "Box 15b Section 409A Income",
                                     {"Box 15b", "15b", "Section 409A Income", "409A Income"})
                    .Checked({"1099.box15b-above-income"})
                    .PrintsAt(50));
    b.push_back(
        Amount<&F::StateTaxWithheld1>("StateTaxWithheld1", "16 State tax withheld, line 1",
                                      "Box 16 State Tax Withheld 1",
                                      {"Box 16", "Box 16 State Tax Withheld", "Box 16 Line 1", "State Tax Withheld",
                                       "State Tax Withheld 1", "State Withholding", "State Tax"})
            .OnLine(1)
            .PrintsAt(35));
    b.push_back(Amount<&F::StateTaxWithheld2>("StateTaxWithheld2", "16 State tax withheld, line 2",
                                              "Box 16 State Tax Withheld 2", {"Box 16 Line 2", "State Tax Withheld 2"})
                    .OnLine(2)
                    .PrintsAt(37));
    b.push_back(MakeBox<B, &F::PayerStateID1>("PayerStateID1", "17 State/Payer's state no., line 1")
                    .OnLine(1)
                    .Csv("Box 17 Payer's State No. 1", R::Text,
                         {"Box 17", "Box 17 State/Payer's State No.", "Box 17 Payer's State No.", "Box 17 Line 1",
                          "Payer's State No.", "Payer's State Number", "State/Payer's State No.", "Payer's State No. 1",
                          "Payer State ID", "State ID"})
                    .Checked({"1099.state-line-no-state-number"})
                    .PrintsAt(36));
    b.push_back(MakeBox<B, &F::PayerStateID2>("PayerStateID2", "17 State/Payer's state no., line 2")
                    .OnLine(2)
                    .Csv("Box 17 Payer's State No. 2", R::Text,
                         {"Box 17 Line 2", "Payer's State No. 2", "Payer State ID 2", "State ID 2"})
                    .Checked({"1099.state-line-no-state-number"})
                    .PrintsAt(38));
    b.push_back(
        Amount<&F::StateIncome1>("StateIncome1", "18 State income, line 1", "Box 18 State Income 1",
                                 {"Box 18", "Box 18 State Income", "Box 18 Line 1", "State Income", "State Income 1"})
            .OnLine(1)
            .PrintsAt(39));
    b.push_back(Amount<&F::StateIncome2>("StateIncome2", "18 State income, line 2", "Box 18 State Income 2",
                                         {"Box 18 Line 2", "State Income 2"})
                    .OnLine(2)
                    .PrintsAt(40));
    return b;
}

} // namespace

QString RecipientNameLine(const ContractorRecord& c)
{
    if (c.MiddleName.Text() == QLatin1String("@"))
        return c.FirstName.Text() + c.LastName.Text();
    return c.FirstName.Text() + QLatin1Char(' ') + c.MiddleName.Text() + QLatin1Char(' ') + c.LastName.Text();
}

const std::vector<Form1099Box>& Form1099Boxes()
{
    static const std::vector<Form1099Box> boxes = MakeForm1099Boxes();
    return boxes;
}

const std::vector<Form1099Box>& Form1099ScreenBoxes()
{
    static const std::vector<Form1099Box> boxes = FormScreenBoxes(Form1099Boxes());
    return boxes;
}

const std::vector<CheckRule>& Form1099CheckRules()
{
    using S = Severity;
    constexpr CheckedForm F1099 = CheckedForm::Form1099;
    static const std::vector<CheckRule> rules = {
        {"1099.tin-missing", S::Error, F1099, RuleTest::Missing, "The recipient has no identification number (TIN)."},
        {"1099.tin-invalid", S::Error, F1099, RuleTest::NineDigits,
         "%1 is not an identification number of 9 digits (as 123-45-6789 or 12-3456789)."},
        {"1099.tin-obviously-incorrect", S::Error, F1099, RuleTest::ObviousTin,
         "%1 is obviously not a taxpayer identification number: nobody has nine equal digits or 123456789."},
        {"1099.tin-duplicate", S::Warning, F1099, RuleTest::Form,
         "The contractor %1 has the same identification number."},
        {"1099.name-missing", S::Error, F1099, RuleTest::AllMissing, "The recipient's name is missing."},
        {"1099.address-missing", S::Error, F1099, RuleTest::AnyMissing, "The recipient's address has no %1."},
        {"1099.state-invalid", S::Error, F1099, RuleTest::State,
         "\"%1\" is not the postal abbreviation of a US state or territory."},
        {"1099.negative-amount", S::Error, F1099, RuleTest::Negative,
         "The amount %1 is negative; no box of the 1099-MISC takes a negative amount."},
        {"1099.amount-unreadable", S::Error, F1099, RuleTest::Unreadable,
         "\"%1\" is stored in this box but is not an amount; it is not counted in any total until it is typed anew."},
        {"1099.value-not-enterable", S::Warning, F1099, RuleTest::Enterable,
         "%1: the box would not take it when typed; it is kept as stored."},
        {"1099.empty", S::Warning, F1099, RuleTest::Form, "Every amount of the 1099-MISC is empty."},
        {"1099.below-threshold", S::Warning, F1099, RuleTest::Form,
         "Every amount is below its 2005 filing threshold (%1 for royalties and substitute payments, %2 for "
         "rents, other income, medical and health care payments, nonemployee compensation, crop insurance and "
         "attorney proceeds) and no federal income tax was withheld, so the form may not be required."},
        {"1099.box15b-above-income", S::Warning, F1099, RuleTest::Form,
         "Section 409A income of %1 (box 15b) is more than other income and nonemployee compensation together "
         "(%2), which include it."},
        {"1099.state-line-no-state-number", S::Warning, F1099, RuleTest::Form,
         "Line %1 has state tax or state income but no state and payer's state number."},
        {"1099.no-contractor", S::Error, F1099, RuleTest::Form,
         "This 1099-MISC belongs to no contractor of the company: the store was damaged or changed outside the "
         "program."},
    };
    return rules;
}

const std::vector<FilingThreshold>& Form1099FilingThresholds()
{
    static const std::vector<FilingThreshold> thresholds = {
        {"Rents", kPaymentsFilingThresholdCents},
        {"Royalities", kRoyaltiesFilingThresholdCents},
        {"OtherIncome", kPaymentsFilingThresholdCents},
        {"FederalIncomeTaxWithheld", 0},
        {"FishingBoatProceeds", 0},
        {"MedicalAndHealthCarePayments", kPaymentsFilingThresholdCents},
        {"NonemployeeCompensation", kPaymentsFilingThresholdCents},
        {"SubstitutePayments", kRoyaltiesFilingThresholdCents},
        {"CropInsuranceProceeds", kPaymentsFilingThresholdCents},
        {"ExcessGoldenParachutePayments", 0},
        {"GrossProceedsPaidToAttorney", kPaymentsFilingThresholdCents},
    };
    return thresholds;
}
