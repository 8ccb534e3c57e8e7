#pragma once

#include "core/store/AmountField.h"
#include "core/store/FixedText.h"

#include <vector>

// In-memory rows of the company store's tables. Text fields keep the
// capacities of the stored form (characters + terminator); money boxes are
// AmountFields (the stored text and the amount it reads as); ids, check
// boxes and radio choices are 32-bit integers. Field names are the column
// names; RecordColumns.h maps them onto the tables.

struct CompanyRecord {
    FixedText<31> EmployerName;
    FixedText<31> Address1;
    FixedText<31> Address2;
    FixedText<21> City;
    FixedText<3> State;
    FixedText<12> Zip;
    FixedText<16> EmployerIdentificationNumber;
    FixedText<16> StateID;
    FixedText<13> SocialSecurityNumber;
    FixedText<21> FormW3ControlNumber;
    FixedText<21> FormW3EstablishmentNumber;
    FixedText<17> FormW3OtherEIN;
    FixedText<31> FormW3ThirdPartySickPay;
    AmountField FormW3IncomeTaxWithHeld;
    FixedText<21> FormW3ContactName;
    FixedText<17> FormW3Telephone;
    FixedText<41> FormW3Email;
    FixedText<17> FormW3Fax;
    int FormW3RadioKindOfPayer = -1;
    int FormW3CheckThirdPartySickPay = -1;
    FixedText<21> Form1096ContactName;
    FixedText<17> Form1096Telephone;
    FixedText<17> Form1096Fax;
    FixedText<41> Form1096Email;
    int Form1096CheckIsThisYourFinalReturn = 0;
    int CompanyUniqueID = -1;

    bool operator==(const CompanyRecord&) const = default;
};

struct EmployeeRecord {
    int EmployeeUniqueID = -1;
    FixedText<13> SocialSecurityNumber;
    FixedText<21> FirstName;
    FixedText<3> MiddleName;
    FixedText<21> LastName;
    FixedText<31> Address1;
    FixedText<31> Address2;
    FixedText<21> City;
    FixedText<3> State;
    FixedText<12> Zip;

    bool operator==(const EmployeeRecord&) const = default;
};

struct ContractorRecord {
    int ContractorUniqueID = -1;
    FixedText<12> IdentificationNumber;
    FixedText<21> FirstName;
    FixedText<3> MiddleName;
    FixedText<21> LastName;
    FixedText<31> Address1;
    FixedText<31> Address2;
    FixedText<21> City;
    FixedText<3> State;
    FixedText<12> Zip;
    FixedText<13> AccountNumber;
    int SecondTIN = 0;

    bool operator==(const ContractorRecord&) const = default;
};

struct W2Record {
    int W2UniqueID = -1;
    int EmployeeUniqueID = -1;
    AmountField Wages;
    AmountField FederalIncomeTaxWithdrawal;
    AmountField SocialSecurityWages;
    AmountField SocialSecurityTaxWithheld;
    AmountField MedicareWages;
    AmountField MedicareTaxWithheld;
    AmountField SocialSecurityTips;
    AmountField AllocatedTips;
    AmountField AdvancEICPayment;
    AmountField DependentCareBenefits;
    AmountField NonQualifiedPlans;
    int StatutoryEmployee = 0;
    int RetirementPlan = 0;
    int ThirdPartySickpay = 0;
    FixedText<15> Other1;
    FixedText<15> Other2;
    FixedText<15> Other3;
    // A code is one letter; a longer one written by other software is kept
    // whole (the column allows two characters), so it never reads as a
    // different code.
    FixedText<3> Field12aCode;
    FixedText<3> Field12bCode;
    FixedText<3> Field12cCode;
    FixedText<3> Field12dCode;
    FixedText<3> Field12aYear;
    FixedText<3> Field12bYear;
    FixedText<3> Field12cYear;
    FixedText<3> Field12dYear;
    AmountField Field12aAmount;
    AmountField Field12bAmount;
    AmountField Field12cAmount;
    AmountField Field12dAmount;
    FixedText<3> State1;
    FixedText<16> StateID1;
    FixedText<3> State2;
    FixedText<16> StateID2;
    AmountField StateWages1;
    AmountField StateWages2;
    AmountField StateIncomTax1;
    AmountField StateIncomTax2;
    AmountField LocalWages1;
    AmountField LocalWages2;
    AmountField LocalIncomeTax1;
    AmountField LocalIncomeTax2;
    FixedText<7> LocalityName1;
    FixedText<7> LocalityName2;

    bool operator==(const W2Record&) const = default;
};

struct Form1099Record {
    int Form1099UniqueID = -1;
    int ContractorUniqueID = -1;
    AmountField Rents;
    AmountField Royalities;
    AmountField OtherIncome;
    AmountField FederalIncomeTaxWithheld;
    AmountField FishingBoatProceeds;
    AmountField MedicalAndHealthCarePayments;
    AmountField NonemployeeCompensation;
    AmountField SubstitutePayments;
    int PayerMadeDirectSales = 0;
    AmountField CropInsuranceProceeds;
    AmountField ExcessGoldenParachutePayments;
    AmountField GrossProceedsPaidToAttorney;
    AmountField StateTaxWithheld1;
    AmountField StateTaxWithheld2;
    FixedText<16> PayerStateID1;
    FixedText<16> PayerStateID2;
    AmountField StateIncome1;
    AmountField StateIncome2;
    AmountField Field15A;
    AmountField Field15B;

    bool operator==(const Form1099Record&) const = default;
};

struct W3Record {
    FixedText<3> State1;
    FixedText<3> State2;
    FixedText<11> StateID1;
    FixedText<11> StateID2;
    FixedText<21> Wages;
    FixedText<21> FederalIncomeTaxWithheld;
    FixedText<21> SocialSecurityWages;
    FixedText<21> SocialSecurityTaxWithheld;
    FixedText<21> MedicareWages;
    FixedText<21> MedicareTaxWithheld;
    FixedText<21> SocialSecurityTips;
    FixedText<21> AllocatedTips;
    FixedText<21> AdvancEICPayment;
    FixedText<21> DependentCareBenefits;
    FixedText<21> NonQualifiedPlans;
    FixedText<21> DeferredCompensation;
    FixedText<21> StateWages;
    FixedText<21> StateIncomTax;
    FixedText<21> LocalWages;
    FixedText<21> LocalIncomeTax;

    bool operator==(const W3Record&) const = default;
};

struct Form1096Record {
    int TotalNumberOfForms = 0;
    int FederalIncomeTaxWithHeld = 0;
    int TotalAmountReportedWithThisForm = 0;
    int FinalReturn = 0;
    int TypeOfFormBeingFiled = 0;

    bool operator==(const Form1096Record&) const = default;
};

using EmployeeList = std::vector<EmployeeRecord>;
using ContractorList = std::vector<ContractorRecord>;
using W2List = std::vector<W2Record>;
using Form1099List = std::vector<Form1099Record>;
using W3List = std::vector<W3Record>;
