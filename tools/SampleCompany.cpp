#include "tools/SampleCompany.h"

#include "core/store/AmountText.h"
#include "core/wage/W2Boxes.h"

namespace {

QString Amount(qint64 cents)
{
    return FormatAmountCents(cents);
}

EmployeeRecord Employee(int id, const char* ssn, const char* first, const char* middle, const char* last,
                        const char* address1, const char* address2, const char* city, const char* state,
                        const char* zip)
{
    EmployeeRecord e;
    e.EmployeeUniqueID = id;
    e.SocialSecurityNumber = ssn;
    e.FirstName = first;
    e.MiddleName = middle;
    e.LastName = last;
    e.Address1 = address1;
    e.Address2 = address2;
    e.City = city;
    e.State = state;
    e.Zip = zip;
    return e;
}

// A W-2 whose withholding boxes follow from the wages: social security tax
// on the wages up to the wage base, Medicare tax on all of them.
W2Record FilledW2(int id, int employeeId, qint64 wagesCents, qint64 federalTaxCents, qint64 stateTaxCents)
{
    W2Record w;
    w.W2UniqueID = id;
    w.EmployeeUniqueID = employeeId;
    const qint64 socialSecurityWages = std::min(wagesCents, kSocialSecurityWageBaseCents);
    w.Wages = Amount(wagesCents);
    w.FederalIncomeTaxWithdrawal = Amount(federalTaxCents);
    w.SocialSecurityWages = Amount(socialSecurityWages);
    w.SocialSecurityTaxWithheld = Amount(TaxAtRate(socialSecurityWages, kSocialSecurityTaxRate));
    w.MedicareWages = Amount(wagesCents);
    w.MedicareTaxWithheld = Amount(TaxAtRate(wagesCents, kMedicareTaxRate));
    for (AmountField* zero :
         {&w.SocialSecurityTips, &w.AllocatedTips, &w.AdvancEICPayment, &w.DependentCareBenefits, &w.NonQualifiedPlans,
          &w.Field12aAmount, &w.Field12bAmount, &w.Field12cAmount, &w.Field12dAmount, &w.StateWages2, &w.StateIncomTax2,
          &w.LocalWages1, &w.LocalWages2, &w.LocalIncomeTax1, &w.LocalIncomeTax2})
        *zero = "0.00";
    w.StateWages1 = Amount(wagesCents);
    w.StateIncomTax1 = Amount(stateTaxCents);
    return w;
}

ContractorRecord Contractor(int id, const char* tin, const char* first, const char* middle, const char* last,
                            const char* address1, const char* city, const char* state, const char* zip,
                            const char* account)
{
    ContractorRecord c;
    c.ContractorUniqueID = id;
    c.IdentificationNumber = tin;
    c.FirstName = first;
    c.MiddleName = middle;
    c.LastName = last;
    c.Address1 = address1;
    c.City = city;
    c.State = state;
    c.Zip = zip;
    c.AccountNumber = account;
    return c;
}

Form1099Record Empty1099(int id, int contractorId)
{
    Form1099Record f;
    f.Form1099UniqueID = id;
    f.ContractorUniqueID = contractorId;
    for (AmountField* zero :
         {&f.Rents, &f.Royalities, &f.OtherIncome, &f.FederalIncomeTaxWithheld, &f.FishingBoatProceeds,
          &f.MedicalAndHealthCarePayments, &f.NonemployeeCompensation, &f.SubstitutePayments, &f.CropInsuranceProceeds,
          &f.ExcessGoldenParachutePayments, &f.GrossProceedsPaidToAttorney, &f.StateTaxWithheld1, &f.StateTaxWithheld2,
          &f.StateIncome1, &f.StateIncome2, &f.Field15A, &f.Field15B})
        *zero = "0.00";
    return f;
}

} // namespace

CompanyData SampleCompanyData()
{
    CompanyData d;
    CompanyRecord& c = d.company;
    c.CompanyUniqueID = 1;
    c.EmployerName = "Sample Company";
    c.Address1 = "1200 Harbor View Drive";
    c.Address2 = "Suite 300";
    c.City = "Portland";
    c.State = "OR";
    c.Zip = "97201-4420";
    c.EmployerIdentificationNumber = "93-1234567";
    c.StateID = "55-239817-6";
    c.FormW3ControlNumber = "2005-0001";
    c.FormW3EstablishmentNumber = "Main Office";
    c.FormW3ContactName = "Margaret Ellis";
    c.FormW3Telephone = "(503) 555-0142";
    c.FormW3Email = "payroll@samplecompany.example";
    c.FormW3Fax = "(503) 555-0143";
    c.FormW3RadioKindOfPayer = 0;
    c.FormW3CheckThirdPartySickPay = 0;
    c.Form1096ContactName = "Margaret Ellis";
    c.Form1096Telephone = "(503) 555-0142";
    c.Form1096Fax = "(503) 555-0143";
    c.Form1096Email = "payroll@samplecompany.example";
    c.Form1096CheckIsThisYourFinalReturn = 0;

    // Numbers the SSA could issue (the advertising range 987-65-4320 to
    // 4329 it never does), so the check before filing passes the company.
    d.employees = {
        Employee(1, "123-45-6781", "Alice", "M", "Brennan", "415 Alder Street", "Apt 2B", "Portland", "OR",
                 "97205-3321"),
        Employee(2, "123-45-6782", "David", "R", "Chen", "88 Laurelhurst Place", "", "Portland", "OR", "97232-1170"),
        Employee(3, "123-45-6783", "Maria", "L", "Gonzalez", "2710 River Road", "", "Milwaukie", "OR", "97222-0415"),
        Employee(4, "123-45-6784", "Thomas", "J", "Whitaker", "19 Skyline Court", "", "Beaverton", "OR", "97005-2208"),
    };
    d.w2s = {
        FilledW2(1, 1, 5'240'000, 628'800, 393'000),
        FilledW2(2, 2, 3'875'000, 387'500, 290'600),
        FilledW2(3, 3, 6'120'000, 795'600, 459'000),
        FilledW2(4, 4, 9'500'000, 1'520'000, 712'500),
    };
    // Alice and Thomas put part of their pay into the 401(k) plan.
    d.w2s[0].Field12aCode = "D";
    d.w2s[0].Field12aAmount = "2500.00";
    d.w2s[0].RetirementPlan = 1;
    d.w2s[3].Field12aCode = "D";
    d.w2s[3].Field12aAmount = "6000.00";
    d.w2s[3].RetirementPlan = 1;
    d.w2s[2].Other1 = "UNION 480.00";

    d.contractors = {
        Contractor(1, "123-45-6790", "Rachel", "K", "Summers", "77 Pine Hollow Lane", "Lake Oswego", "OR", "97034-1902",
                   "10021"),
        Contractor(2, "93-4567812", "Samuel", "", "Ortega", "5400 Commerce Way", "Tigard", "OR", "97223-6611", "10022"),
        Contractor(3, "123-45-6792", "Linda", "F", "Park", "301 Maple Avenue", "Salem", "OR", "97301-2250", ""),
    };
    d.forms1099 = {Empty1099(1, 1), Empty1099(2, 2), Empty1099(3, 3)};
    d.forms1099[0].NonemployeeCompensation = "12500.00";
    d.forms1099[1].Rents = "14400.00";
    d.forms1099[2].Royalities = "3250.00";
    d.forms1099[2].FederalIncomeTaxWithheld = "325.00";
    for (Form1099Record& f : d.forms1099)
        f.PayerStateID1 = "55-239817-6";
    return d;
}

bool WriteSampleCompany(const QString& path)
{
    return WriteCompanyStore(path, SampleCompanyData());
}
