#include "tests/support/FilingCompany.h"

#include "tests/support/RecordBuilders.h"

CompanyData FilingCompany()
{
    EmployeeRecord ann = MakeEmployee(1, "123-45-6789", "Ann", "Lee");
    ann.Address1 = "18 Harbor Lane";
    ann.City = "Portland";
    ann.State = "OR";
    ann.Zip = "97201";
    W2Record w2 = MakeW2(1, 1);
    w2.Wages = "50000.00";
    w2.FederalIncomeTaxWithdrawal = "6000.00";
    w2.SocialSecurityWages = "50000.00";
    w2.SocialSecurityTaxWithheld = "3100.00";
    w2.MedicareWages = "50000.00";
    w2.MedicareTaxWithheld = "725.00";
    w2.StateWages1 = "50000.00";
    w2.StateIncomTax1 = "2250.00";
    Form1099Record form = MakeForm1099(1, 1);
    form.NonemployeeCompensation = "12500.00";
    form.StateTaxWithheld1 = "300.00";
    form.PayerStateID1 = "55-239817-6";
    CompanyData data = MakeCompany("Harbor Tools", {ann}, {w2}, {MakeContractor(1, "98-7654321", "Bo", "Berg")},
                                   {form});
    CompanyRecord& c = data.company;
    c.EmployerIdentificationNumber = "93-1234567";
    c.Address1 = "1 Pier Road";
    c.City = "Portland";
    c.State = "OR";
    c.Zip = "97201-4420";
    c.StateID = "55-239817-6";
    c.FormW3RadioKindOfPayer = 0;
    c.FormW3ContactName = "Margaret Ellis";
    c.FormW3Telephone = "(503) 555-0142";
    c.Form1096ContactName = "Margaret Ellis";
    c.Form1096Telephone = "(503) 555-0142";
    return data;
}
