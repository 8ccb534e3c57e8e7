#pragma once

#include "core/store/Records.h"

#include <type_traits>

// The one map of every table of the company store: for each column, in the
// table's own order, its name, how the table declares it and which field of
// the record keeps it. The schema, the reading statements, the inserts and
// updates, and the reader of the earlier editions' stores are all built from
// these walks, so a column is written down once.
//
// A declared width is what the CREATE TABLE text says (NVARCHAR(width));
// the engine keeps texts of any length, so it only documents the column.
// What a record keeps is its field's capacity (FixedText, AmountField), and
// what a screen box takes is in the box tables. Where the three differ, the
// field decides what is kept:
//   Company.EmployerName      declared 51, kept 30, typed 30
//   Company.Zip               declared 11, kept 11, typed as a ZIP mask
//   Company.StateID           declared 11, kept 15, typed 15
//   Company.FormW3ContactName declared 51, kept 20, typed 30
//   Company.Form1096ContactName declared 51, kept 20, typed 30
//   Company.FormW3Email       declared 40, kept 40, typed 40
//   W2.Field12?Code           declared 2,  kept 2,  typed 1 (a code of two
//                             letters written by other software stays whole,
//                             and the check reports it)

// How a column is declared and written.
enum class ColumnRole {
    Key,   // INTEGER PRIMARY KEY: the row's id
    Fixed, // INTEGER written once, when the row is inserted (its owner)
    Value, // written by inserts and updates
};

struct ColumnSpec {
    const char* name;
    int width = 0; // NVARCHAR(width); 0: INTEGER
    ColumnRole role = ColumnRole::Value;
};

// A text column that no record keeps: written as a fixed text (the insert
// and the update write different ones), never read.
struct UnusedColumn {
    const char* inserted = "";
    const char* updated = "";
};

// The company id column of the people's and the transmittals' tables: the
// store holds one company, whose id is 1.
struct CompanyIdColumn {
    static constexpr int kValue = 1;
};

template <class T>
inline constexpr bool kIsIntegerColumn = std::is_same_v<std::remove_cvref_t<T>, int>;
template <class T>
inline constexpr bool kIsUnusedColumn = std::is_same_v<std::remove_cvref_t<T>, UnusedColumn>;
template <class T>
inline constexpr bool kIsCompanyIdColumn = std::is_same_v<std::remove_cvref_t<T>, CompanyIdColumn>;
// A column whose value a record keeps (and a reading selects).
template <class T>
inline constexpr bool kIsKeptColumn = !kIsUnusedColumn<T> && !kIsCompanyIdColumn<T>;

// The table of each record.
template <class Record>
struct TableOf;
template <>
struct TableOf<CompanyRecord> {
    static constexpr char kName[] = "Company";
};
template <>
struct TableOf<EmployeeRecord> {
    static constexpr char kName[] = "Employees";
};
template <>
struct TableOf<ContractorRecord> {
    static constexpr char kName[] = "Contractors";
};
template <>
struct TableOf<W2Record> {
    static constexpr char kName[] = "W2";
};
template <>
struct TableOf<Form1099Record> {
    static constexpr char kName[] = "Form1099";
};
template <>
struct TableOf<W3Record> {
    static constexpr char kName[] = "W3";
};
template <>
struct TableOf<Form1096Record> {
    static constexpr char kName[] = "Form1096";
};

namespace record_columns_detail {

// The width a field of this type declares: its capacity with the
// terminator, as the stores have always declared their columns.
template <class Field>
constexpr int Width(const Field&)
{
    if constexpr (kIsIntegerColumn<Field>)
        return 0;
    else
        return std::remove_cvref_t<Field>::kCapacity;
}

} // namespace record_columns_detail

// f(spec, field) for every column of the table of `r`, in table order.
// `field` is the record's field (int, FixedText or AmountField), an
// UnusedColumn or the CompanyIdColumn.
template <class Record, class Visitor>
void VisitColumns(Record& r, Visitor&& f)
{
    using R = std::remove_const_t<Record>;
    using record_columns_detail::Width;
    constexpr ColumnRole kKey = ColumnRole::Key;
    constexpr ColumnRole kFixed = ColumnRole::Fixed;
    // A column declared as wide as its field keeps.
    auto kept = [&f](const char* name, auto& field) { f(ColumnSpec{name, Width(field)}, field); };
    // One declared otherwise.
    auto declared = [&f](const char* name, int width, auto& field) { f(ColumnSpec{name, width}, field); };
    CompanyIdColumn companyId;

    if constexpr (std::is_same_v<R, CompanyRecord>) {
        f(ColumnSpec{"CompanyUniqueID", 0, kKey}, r.CompanyUniqueID);
        kept("EmployerIdentificationNumber", r.EmployerIdentificationNumber);
        declared("EmployerName", 51, r.EmployerName);
        kept("Address1", r.Address1);
        kept("Address2", r.Address2);
        kept("City", r.City);
        kept("State", r.State);
        declared("Zip", 11, r.Zip);
        declared("StateID", 11, r.StateID);
        kept("SocialSecurityNumber", r.SocialSecurityNumber);
        kept("FormW3ControlNumber", r.FormW3ControlNumber);
        kept("FormW3EstablishmentNumber", r.FormW3EstablishmentNumber);
        kept("FormW3OtherEIN", r.FormW3OtherEIN);
        kept("FormW3ThirdPartySickPay", r.FormW3ThirdPartySickPay);
        kept("FormW3IncomeTaxWithHeld", r.FormW3IncomeTaxWithHeld);
        declared("FormW3ContactName", 51, r.FormW3ContactName);
        kept("FormW3Telephone", r.FormW3Telephone);
        declared("FormW3Email", 40, r.FormW3Email);
        kept("FormW3Fax", r.FormW3Fax);
        kept("FormW3RadioKindOfPayer", r.FormW3RadioKindOfPayer);
        kept("FormW3CheckThirdPartySickPay", r.FormW3CheckThirdPartySickPay);
        declared("Form1096ContactName", 51, r.Form1096ContactName);
        kept("Form1096Telephone", r.Form1096Telephone);
        kept("Form1096Fax", r.Form1096Fax);
        kept("Form1096Email", r.Form1096Email);
        kept("Form1096CheckIsThisYourFinalReturn", r.Form1096CheckIsThisYourFinalReturn);
    } else if constexpr (std::is_same_v<R, EmployeeRecord>) {
        f(ColumnSpec{"EmployeeUniqueID", 0, kKey}, r.EmployeeUniqueID);
        f(ColumnSpec{"CompanyUniqueID", 0, kFixed}, companyId);
        kept("SocialSecurityNumber", r.SocialSecurityNumber);
        kept("FirstName", r.FirstName);
        kept("MiddleName", r.MiddleName);
        kept("LastName", r.LastName);
        kept("Address1", r.Address1);
        kept("Address2", r.Address2);
        kept("City", r.City);
        kept("State", r.State);
        kept("Zip", r.Zip);
    } else if constexpr (std::is_same_v<R, ContractorRecord>) {
        UnusedColumn generalInformation;
        f(ColumnSpec{"ContractorUniqueID", 0, kKey}, r.ContractorUniqueID);
        f(ColumnSpec{"CompanyUniqueID", 0, kFixed}, companyId);
        kept("IdentificationNumber", r.IdentificationNumber);
        kept("FirstName", r.FirstName);
        kept("MiddleName", r.MiddleName);
        kept("LastName", r.LastName);
        kept("Address1", r.Address1);
        kept("Address2", r.Address2);
        kept("City", r.City);
        kept("State", r.State);
        kept("Zip", r.Zip);
        kept("AccountNumber", r.AccountNumber);
        declared("GeneralInformation", 31, generalInformation);
        kept("SecondTIN", r.SecondTIN);
    } else if constexpr (std::is_same_v<R, W2Record>) {
        f(ColumnSpec{"W2UniqueID", 0, kKey}, r.W2UniqueID);
        f(ColumnSpec{"EmployeeUniqueID", 0, kFixed}, r.EmployeeUniqueID);
        kept("Wages", r.Wages);
        kept("FederalIncomeTaxWithdrawal", r.FederalIncomeTaxWithdrawal);
        kept("SocialSecurityWages", r.SocialSecurityWages);
        kept("SocialSecurityTaxWithheld", r.SocialSecurityTaxWithheld);
        kept("MedicareWages", r.MedicareWages);
        kept("MedicareTaxWithheld", r.MedicareTaxWithheld);
        kept("SocialSecurityTips", r.SocialSecurityTips);
        kept("AllocatedTips", r.AllocatedTips);
        kept("AdvancEICPayment", r.AdvancEICPayment);
        kept("DependentCareBenefits", r.DependentCareBenefits);
        kept("NonQualifiedPlans", r.NonQualifiedPlans);
        kept("StatutoryEmployee", r.StatutoryEmployee);
        kept("RetirementPlan", r.RetirementPlan);
        kept("ThirdPartySickpay", r.ThirdPartySickpay);
        kept("Other1", r.Other1);
        kept("Other2", r.Other2);
        kept("Other3", r.Other3);
        declared("Field12aCode", 2, r.Field12aCode);
        declared("Field12bCode", 2, r.Field12bCode);
        declared("Field12cCode", 2, r.Field12cCode);
        declared("Field12dCode", 2, r.Field12dCode);
        kept("Field12aYear", r.Field12aYear);
        kept("Field12bYear", r.Field12bYear);
        kept("Field12cYear", r.Field12cYear);
        kept("Field12dYear", r.Field12dYear);
        kept("Field12aAmount", r.Field12aAmount);
        kept("Field12bAmount", r.Field12bAmount);
        kept("Field12cAmount", r.Field12cAmount);
        kept("Field12dAmount", r.Field12dAmount);
        kept("State1", r.State1);
        kept("StateID1", r.StateID1);
        kept("State2", r.State2);
        kept("StateID2", r.StateID2);
        kept("StateWages1", r.StateWages1);
        kept("StateWages2", r.StateWages2);
        kept("StateIncomTax1", r.StateIncomTax1);
        kept("StateIncomTax2", r.StateIncomTax2);
        kept("LocalWages1", r.LocalWages1);
        kept("LocalWages2", r.LocalWages2);
        kept("LocalIncomeTax1", r.LocalIncomeTax1);
        kept("LocalIncomeTax2", r.LocalIncomeTax2);
        kept("LocalityName1", r.LocalityName1);
        kept("LocalityName2", r.LocalityName2);
    } else if constexpr (std::is_same_v<R, Form1099Record>) {
        // The general-information column, which nothing shows, is written
        // empty by an insert and as one blank by an update.
        UnusedColumn generalInformation{"", " "};
        f(ColumnSpec{"Form1099UniqueID", 0, kKey}, r.Form1099UniqueID);
        f(ColumnSpec{"ContractorUniqueID", 0, kFixed}, r.ContractorUniqueID);
        kept("Rents", r.Rents);
        kept("Royalities", r.Royalities);
        kept("OtherIncome", r.OtherIncome);
        kept("FederalIncomeTaxWithheld", r.FederalIncomeTaxWithheld);
        kept("FishingBoatProceeds", r.FishingBoatProceeds);
        kept("MedicalAndHealthCarePayments", r.MedicalAndHealthCarePayments);
        kept("NonemployeeCompensation", r.NonemployeeCompensation);
        kept("SubstitutePayments", r.SubstitutePayments);
        kept("PayerMadeDirectSales", r.PayerMadeDirectSales);
        kept("CropInsuranceProceeds", r.CropInsuranceProceeds);
        kept("ExcessGoldenParachutePayments", r.ExcessGoldenParachutePayments);
        kept("GrossProceedsPaidToAttorney", r.GrossProceedsPaidToAttorney);
        declared("GenearlInformation", 31, generalInformation);
        kept("StateTaxWithheld1", r.StateTaxWithheld1);
        kept("StateTaxWithheld2", r.StateTaxWithheld2);
        kept("PayerStateID1", r.PayerStateID1);
        kept("PayerStateID2", r.PayerStateID2);
        kept("StateIncome1", r.StateIncome1);
        kept("StateIncome2", r.StateIncome2);
        kept("Field15A", r.Field15A);
        kept("Field15B", r.Field15B);
    } else if constexpr (std::is_same_v<R, W3Record>) {
        // The transmittals' tables are made with every store and read, but
        // never written: their figures are computed from the forms.
        int id = 0;
        f(ColumnSpec{"W3UniqueID", 0, kKey}, id);
        f(ColumnSpec{"CompanyUniqueID", 0, kFixed}, companyId);
        kept("State1", r.State1);
        kept("State2", r.State2);
        kept("StateID1", r.StateID1);
        kept("StateID2", r.StateID2);
        kept("Wages", r.Wages);
        kept("FederalIncomeTaxWithheld", r.FederalIncomeTaxWithheld);
        kept("SocialSecurityWages", r.SocialSecurityWages);
        kept("SocialSecurityTaxWithheld", r.SocialSecurityTaxWithheld);
        kept("MedicareWages", r.MedicareWages);
        kept("MedicareTaxWithheld", r.MedicareTaxWithheld);
        kept("SocialSecurityTips", r.SocialSecurityTips);
        kept("AllocatedTips", r.AllocatedTips);
        kept("AdvancEICPayment", r.AdvancEICPayment);
        kept("DependentCareBenefits", r.DependentCareBenefits);
        kept("NonQualifiedPlans", r.NonQualifiedPlans);
        kept("DeferredCompensation", r.DeferredCompensation);
        kept("StateWages", r.StateWages);
        kept("StateIncomTax", r.StateIncomTax);
        kept("LocalWages", r.LocalWages);
        kept("LocalIncomeTax", r.LocalIncomeTax);
    } else if constexpr (std::is_same_v<R, Form1096Record>) {
        int id = 0;
        f(ColumnSpec{"Form1096UniqueID", 0, kKey}, id);
        f(ColumnSpec{"CompanyUniqueID", 0, kFixed}, companyId);
        kept("TotalNumberOfForms", r.TotalNumberOfForms);
        kept("FederalIncomeTaxWithHeld", r.FederalIncomeTaxWithHeld);
        kept("TotalAmountReportedWithThisForm", r.TotalAmountReportedWithThisForm);
        kept("FinalReturn", r.FinalReturn);
        kept("TypeOfFormBeingFiled", r.TypeOfFormBeingFiled);
    } else {
        static_assert(!sizeof(R), "a record of the company store");
    }
}
