#pragma once

// A small company for the print tests: every field filled with a value that
// can be told apart on the page, three employees and three contractors whose
// list order differs from their first-name order.

#include "core/store/CompanyData.h"
#include "core/store/CompanyStore.h"

#include <QString>

namespace print_fixture {

inline CompanyRecord Company()
{
    CompanyRecord c;
    c.EmployerName = "Brindle Tools Inc";
    c.Address1 = "12 Mill Road";
    c.Address2 = "Suite 4";
    c.City = "Springfield";
    c.State = "IL";
    c.Zip = "62704";
    c.EmployerIdentificationNumber = "36-1234567";
    c.StateID = "IL-998877";
    c.SocialSecurityNumber = "321-54-9876";
    c.FormW3ControlNumber = "CN-0042";
    c.FormW3EstablishmentNumber = "EST-7";
    c.FormW3OtherEIN = "36-7654321";
    c.FormW3ThirdPartySickPay = "0.00";
    c.FormW3IncomeTaxWithHeld = "12.50";
    c.FormW3ContactName = "Ann Clerk";
    c.FormW3Telephone = "(217) 555-0101";
    c.FormW3Email = "ann@brindle.example";
    c.FormW3Fax = "(217) 555-0199";
    c.FormW3RadioKindOfPayer = 0;
    c.FormW3CheckThirdPartySickPay = 0;
    c.Form1096ContactName = "Bob Payer";
    c.Form1096Telephone = "(217) 555-0202";
    c.Form1096Fax = "(309) 555-0299";
    c.Form1096Email = "bob@brindle.example";
    c.Form1096CheckIsThisYourFinalReturn = 1;
    c.CompanyUniqueID = 1;
    return c;
}

inline EmployeeRecord Employee(int id, const char* first, const char* middle, const char* last, const char* ssn)
{
    EmployeeRecord e;
    e.EmployeeUniqueID = id;
    e.SocialSecurityNumber = ssn;
    e.FirstName = first;
    e.MiddleName = middle;
    e.LastName = last;
    e.Address1 = QStringLiteral("%1 Elm Street").arg(id * 10);
    e.Address2 = QStringLiteral("Apt %1").arg(id);
    e.City = "Peoria";
    e.State = "IL";
    e.Zip = "61602";
    return e;
}

// A W-2 whose amounts carry the employee id, so each form can be found.
inline W2Record W2(int id, int employeeId)
{
    W2Record w;
    w.W2UniqueID = id;
    w.EmployeeUniqueID = employeeId;
    const QString n = QString::number(employeeId);
    w.Wages = n + "1000.00";
    w.FederalIncomeTaxWithdrawal = n + "100.00";
    w.SocialSecurityWages = n + "1000.01";
    w.SocialSecurityTaxWithheld = n + "62.00";
    w.MedicareWages = n + "1000.02";
    w.MedicareTaxWithheld = n + "14.50";
    w.SocialSecurityTips = "0.00";
    w.AllocatedTips = n + "7.08";
    w.AdvancEICPayment = "0.00";
    w.DependentCareBenefits = n + "10.10";
    w.NonQualifiedPlans = n + "11.11";
    w.StatutoryEmployee = 1;
    w.RetirementPlan = 0;
    w.ThirdPartySickpay = 1;
    w.Other1 = "UNION 12.00";
    w.Other2 = "HEALTH 3.00";
    w.Other3 = "CAR 1.00";
    w.Field12aCode = "D";
    w.Field12aYear = "";
    w.Field12aAmount = n + "12.00";
    w.Field12bCode = "C";
    w.Field12bYear = "05";
    w.Field12bAmount = "50.00";
    w.Field12cCode = "";
    w.Field12cAmount = "0.00";
    w.Field12dCode = "";
    w.Field12dAmount = "0.00";
    w.State1 = "";
    w.StateID1 = "";
    w.State2 = "WI";
    w.StateID2 = "WI-5544";
    w.StateWages1 = n + "1016.00";
    w.StateWages2 = "0.00";
    w.StateIncomTax1 = n + "17.00";
    w.StateIncomTax2 = "0.00";
    w.LocalWages1 = n + "1018.00";
    w.LocalWages2 = "0.00";
    w.LocalIncomeTax1 = n + "19.00";
    w.LocalIncomeTax2 = "0.00";
    w.LocalityName1 = "PEORIA";
    w.LocalityName2 = "";
    return w;
}

inline ContractorRecord Contractor(int id, const char* first, const char* middle, const char* last, int secondTin)
{
    ContractorRecord r;
    r.ContractorUniqueID = id;
    r.IdentificationNumber = QStringLiteral("55-00000%1").arg(id);
    r.FirstName = first;
    r.MiddleName = middle;
    r.LastName = last;
    r.Address1 = QStringLiteral("%1 Oak Lane").arg(id * 7);
    r.Address2 = "";
    r.City = "Decatur";
    r.State = "IL";
    r.Zip = "62521";
    r.AccountNumber = QStringLiteral("ACCT-%1").arg(id);
    r.SecondTIN = secondTin;
    return r;
}

inline Form1099Record Form1099(int id, int contractorId)
{
    Form1099Record f;
    f.Form1099UniqueID = id;
    f.ContractorUniqueID = contractorId;
    const QString n = QString::number(contractorId);
    f.Rents = n + "100.00";
    f.Royalities = n + "200.00";
    f.OtherIncome = "0.00";
    f.FederalIncomeTaxWithheld = n + "40.00";
    f.FishingBoatProceeds = "0.00";
    f.MedicalAndHealthCarePayments = "0.00";
    f.NonemployeeCompensation = n + "700.00";
    f.SubstitutePayments = "0.00";
    f.PayerMadeDirectSales = 1;
    f.CropInsuranceProceeds = "0.00";
    f.ExcessGoldenParachutePayments = "0.00";
    f.GrossProceedsPaidToAttorney = n + "14.00";
    f.StateTaxWithheld1 = n + "16.00";
    f.StateTaxWithheld2 = "0.00";
    f.PayerStateID1 = "IL-1717";
    f.PayerStateID2 = "";
    f.StateIncome1 = n + "18.00";
    f.StateIncome2 = "0.00";
    f.Field15A = "0.00";
    f.Field15B = "0.00";
    return f;
}

inline CompanyData Data()
{
    CompanyData d;
    d.company = Company();
    // List order Zoe, Adam, Mia: first-name order Adam, Mia, Zoe.
    d.employees = {Employee(1, "Zoe", "Q", "Zimmer", "111-11-1111"), Employee(2, "Adam", "B", "Abbot", "222-22-2222"),
                   Employee(3, "Mia", "C", "Moreau", "333-33-3333")};
    d.w2s = {W2(1, 1), W2(2, 2), W2(3, 3)};
    d.contractors = {Contractor(1, "Yves", "T", "Young", 1), Contractor(2, "Acme Supplies", "@", " Ltd", 0),
                     Contractor(3, "Lena", "", "Lopez", 1)};
    d.forms1099 = {Form1099(1, 1), Form1099(2, 2), Form1099(3, 3)};
    return d;
}

// Writes `data` as a new company store at `path`; false on any failure.
inline bool SaveStore(const QString& path, const CompanyData& data)
{
    return WriteCompanyStore(path, data);
}

} // namespace print_fixture
