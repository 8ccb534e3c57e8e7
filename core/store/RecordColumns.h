#pragma once

#include "core/store/Records.h"

#include <type_traits>

// Column-by-column walks over the two wide form tables, in the tables' own
// column order. The schema, the reading statements, row collection and the
// insert statements all follow these walks, so the order is written once.

// A column that the table keeps but no record holds (never read; written as
// a fixed text).
struct UnusedColumn {
    static constexpr int kCapacity = 31;
};

template <class T>
inline constexpr bool kIsIntegerColumn = std::is_same_v<std::remove_cvref_t<T>, int>;
template <class T>
inline constexpr bool kIsUnusedColumn = std::is_same_v<std::remove_cvref_t<T>, UnusedColumn>;

// f(name, field) for every column of W2, ids and check boxes as int&.
template <class Record, class Visitor>
void VisitW2Columns(Record& r, Visitor&& f)
{
    static_assert(std::is_same_v<std::remove_const_t<Record>, W2Record>);
    f("W2UniqueID", r.W2UniqueID);
    f("EmployeeUniqueID", r.EmployeeUniqueID);
    f("Wages", r.Wages);
    f("FederalIncomeTaxWithdrawal", r.FederalIncomeTaxWithdrawal);
    f("SocialSecurityWages", r.SocialSecurityWages);
    f("SocialSecurityTaxWithheld", r.SocialSecurityTaxWithheld);
    f("MedicareWages", r.MedicareWages);
    f("MedicareTaxWithheld", r.MedicareTaxWithheld);
    f("SocialSecurityTips", r.SocialSecurityTips);
    f("AllocatedTips", r.AllocatedTips);
    f("AdvancEICPayment", r.AdvancEICPayment);
    f("DependentCareBenefits", r.DependentCareBenefits);
    f("NonQualifiedPlans", r.NonQualifiedPlans);
    f("StatutoryEmployee", r.StatutoryEmployee);
    f("RetirementPlan", r.RetirementPlan);
    f("ThirdPartySickpay", r.ThirdPartySickpay);
    f("Other1", r.Other1);
    f("Other2", r.Other2);
    f("Other3", r.Other3);
    f("Field12aCode", r.Field12aCode);
    f("Field12bCode", r.Field12bCode);
    f("Field12cCode", r.Field12cCode);
    f("Field12dCode", r.Field12dCode);
    f("Field12aYear", r.Field12aYear);
    f("Field12bYear", r.Field12bYear);
    f("Field12cYear", r.Field12cYear);
    f("Field12dYear", r.Field12dYear);
    f("Field12aAmount", r.Field12aAmount);
    f("Field12bAmount", r.Field12bAmount);
    f("Field12cAmount", r.Field12cAmount);
    f("Field12dAmount", r.Field12dAmount);
    f("State1", r.State1);
    f("StateID1", r.StateID1);
    f("State2", r.State2);
    f("StateID2", r.StateID2);
    f("StateWages1", r.StateWages1);
    f("StateWages2", r.StateWages2);
    f("StateIncomTax1", r.StateIncomTax1);
    f("StateIncomTax2", r.StateIncomTax2);
    f("LocalWages1", r.LocalWages1);
    f("LocalWages2", r.LocalWages2);
    f("LocalIncomeTax1", r.LocalIncomeTax1);
    f("LocalIncomeTax2", r.LocalIncomeTax2);
    f("LocalityName1", r.LocalityName1);
    f("LocalityName2", r.LocalityName2);
}

// f(name, field) for every column of Form1099; GenearlInformation comes as
// an UnusedColumn.
template <class Record, class Visitor>
void VisitForm1099Columns(Record& r, Visitor&& f)
{
    static_assert(std::is_same_v<std::remove_const_t<Record>, Form1099Record>);
    UnusedColumn unused;
    f("Form1099UniqueID", r.Form1099UniqueID);
    f("ContractorUniqueID", r.ContractorUniqueID);
    f("Rents", r.Rents);
    f("Royalities", r.Royalities);
    f("OtherIncome", r.OtherIncome);
    f("FederalIncomeTaxWithheld", r.FederalIncomeTaxWithheld);
    f("FishingBoatProceeds", r.FishingBoatProceeds);
    f("MedicalAndHealthCarePayments", r.MedicalAndHealthCarePayments);
    f("NonemployeeCompensation", r.NonemployeeCompensation);
    f("SubstitutePayments", r.SubstitutePayments);
    f("PayerMadeDirectSales", r.PayerMadeDirectSales);
    f("CropInsuranceProceeds", r.CropInsuranceProceeds);
    f("ExcessGoldenParachutePayments", r.ExcessGoldenParachutePayments);
    f("GrossProceedsPaidToAttorney", r.GrossProceedsPaidToAttorney);
    f("GenearlInformation", unused);
    f("StateTaxWithheld1", r.StateTaxWithheld1);
    f("StateTaxWithheld2", r.StateTaxWithheld2);
    f("PayerStateID1", r.PayerStateID1);
    f("PayerStateID2", r.PayerStateID2);
    f("StateIncome1", r.StateIncome1);
    f("StateIncome2", r.StateIncome2);
    f("Field15A", r.Field15A);
    f("Field15B", r.Field15B);
}
