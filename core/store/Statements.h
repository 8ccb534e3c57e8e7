#pragma once

// The statement texts of the company store, "%s" for a text and "%d" for an
// integer (filled by SqlStatement). Ids and flags often stand inside quotes;
// the typeless engine stores them as the same decimal text.

namespace Statements {

// Reading, one per table.
inline constexpr char kSelectCompany[] =
    "SELECT Company.EmployerIdentificationNumber,Company.EmployerName,Company.Address1,Company.Address2,"
    "Company.StateID,Company.City,Company.State,Company.Zip,Company.SocialSecurityNumber,"
    "Company.FormW3ControlNumber,Company.FormW3EstablishmentNumber,Company.FormW3OtherEIN,"
    "Company.FormW3ThirdPartySickPay,Company.FormW3IncomeTaxWithHeld,Company.FormW3ContactName,"
    "Company.FormW3Telephone,Company.FormW3Email,Company.FormW3Fax,Company.FormW3RadioKindOfPayer,"
    "Company.FormW3CheckThirdPartySickPay,Company.Form1096ContactName,Company.Form1096Telephone,"
    "Company.Form1096Fax,Company.Form1096Email,Company.Form1096CheckIsThisYourFinalReturn FROM Company";

inline constexpr char kSelectEmployees[] =
    "SELECT EmployeeUniqueID,Employees.SocialSecurityNumber,Employees.FirstName,Employees.MiddleName,"
    "Employees.LastName,Employees.Address1,Employees.Address2,Employees.City,Employees.State,"
    "Employees.Zip FROM Employees";

inline constexpr char kSelectContractors[] =
    "SELECT Contractors.ContractorUniqueID,Contractors.IdentificationNumber,Contractors.FirstName,"
    "Contractors.MiddleName,Contractors.LastName,Contractors.Address1,Contractors.Address2,"
    "Contractors.City,Contractors.State,Contractors.Zip,Contractors.AccountNumber,"
    "Contractors.GeneralInformation,Contractors.SecondTIN FROM Contractors";

inline constexpr char kSelectW3[] =
    "SELECT W3.State1,W3.State2,W3.StateID1,W3.StateID2,W3.Wages,W3.FederalIncomeTaxWithheld,"
    "W3.SocialSecurityWages,W3.SocialSecurityTaxWithheld,W3.MedicareWages,W3.MedicareTaxWithheld,"
    "W3.SocialSecurityTips,W3.AllocatedTips,W3.AdvancEICPayment,W3.DependentCareBenefits,"
    "W3.NonQualifiedPlans,W3.DeferredCompensation,W3.StateWages,W3.StateIncomTax,W3.LocalWages,"
    "W3.LocalIncomeTax FROM W3";

inline constexpr char kSelectForm1096[] =
    "SELECT Form1096.TotalNumberOfForms,Form1096.FederalIncomeTaxWithHeld,"
    "Form1096.TotalAmountReportedWithThisForm,Form1096.FinalReturn,Form1096.TypeOfFormBeingFiled FROM Form1096";

// Writing.
inline constexpr char kUpdateEmployee[] =
    "UPDATE Employees SET SocialSecurityNumber ='%s',FirstName='%s',MiddleName='%s',LastName='%s',"
    "Address1='%s',Address2='%s',City='%s',State='%s',Zip='%s' WHERE EmployeeUniqueID=%d;";
inline constexpr char kInsertEmployee[] =
    "INSERT INTO Employees VALUES('%d',1,'%s','%s','%s','%s','%s','%s','%s','%s','%s');";
inline constexpr char kDeleteEmployee[] = "DELETE FROM Employees WHERE EmployeeUniqueID = %d";

inline constexpr char kUpdateContractor[] =
    "UPDATE Contractors SET IdentificationNumber ='%s',FirstName='%s',MiddleName='%s',LastName='%s',"
    "Address1='%s',Address2='%s',City='%s',State='%s',Zip='%s',AccountNumber='%s',"
    "GeneralInformation='%s',SecondTIN=%d WHERE ContractorUniqueID=%d;";
inline constexpr char kInsertContractor[] =
    "INSERT INTO Contractors VALUES('%d',1,'%s','%s','%s','%s','%s','%s','%s','%s','%s','%s','%s','%d');";
inline constexpr char kDeleteContractor[] = "DELETE FROM Contractors WHERE ContractorUniqueID = %d";

inline constexpr char kUpdateW2[] =
    "UPDATE W2 SET Wages ='%s',FederalIncomeTaxWithdrawal='%s',SocialSecurityWages='%s',"
    "SocialSecurityTaxWithheld='%s',MedicareWages='%s',MedicareTaxWithheld='%s',SocialSecurityTips='%s',"
    "AllocatedTips='%s',AdvancEICPayment='%s',DependentCareBenefits='%s',NonQualifiedPlans='%s',"
    "StatutoryEmployee='%d',RetirementPlan='%d',ThirdPartySickpay='%d',Other1='%s',Other2='%s',"
    "Other3='%s',Field12aCode='%s',Field12bCode='%s',Field12cCode='%s',Field12dCode='%s',"
    "Field12aYear='%s',Field12bYear='%s',Field12cYear='%s',Field12dYear='%s',Field12aAmount='%s',"
    "Field12bAmount='%s',Field12cAmount='%s',Field12dAmount='%s',State1='%s',StateID1='%s',State2='%s',"
    "StateID2='%s',StateWages1='%s',StateWages2='%s',StateIncomTax1='%s',StateIncomTax2='%s',"
    "LocalWages1='%s',LocalWages2='%s',LocalIncomeTax1='%s',LocalIncomeTax2='%s',LocalityName1='%s',"
    "LocalityName2='%s'  WHERE W2UniqueID=%d;";
inline constexpr char kInsertW2[] =
    "INSERT INTO W2 VALUES('%d','%d','%s','%s','%s','%s','%s','%s','%s','%s','%s','%s','%s','%d','%d',"
    "'%d','%s','%s','%s','%s','%s','%s','%s','%s','%s','%s','%s','%s','%s','%s','%s','%s','%s','%s',"
    "'%s','%s','%s','%s','%s','%s','%s','%s','%s','%s','%s' );";
inline constexpr char kDeleteW2[] = "DELETE FROM W2 WHERE W2UniqueID = %d";

inline constexpr char kUpdateForm1099[] =
    "UPDATE Form1099 SET Rents ='%s',Royalities ='%s',OtherIncome ='%s',FederalIncomeTaxWithheld ='%s',"
    "FishingBoatProceeds ='%s',MedicalAndHealthCarePayments ='%s',NonemployeeCompensation ='%s',"
    "SubstitutePayments ='%s',PayerMadeDirectSales ='%d',CropInsuranceProceeds ='%s',"
    "ExcessGoldenParachutePayments ='%s',GrossProceedsPaidToAttorney ='%s',GenearlInformation ='%s',"
    "StateTaxWithheld1 ='%s',StateTaxWithheld2 ='%s',Field15A ='%s',Field15B ='%s',PayerStateID1 ='%s',"
    "PayerStateID2 ='%s',StateIncome1 ='%s',StateIncome2 ='%s'  WHERE Form1099UniqueID =%d;";
inline constexpr char kInsertForm1099[] =
    "INSERT INTO Form1099 VALUES('%d','%d','%s','%s','%s','%s','%s','%s','%s','%s','%d','%s','%s','%s',"
    "'%s','%s','%s','%s','%s','%s','%s','%s','%s' );";
inline constexpr char kDeleteForm1099[] = "DELETE FROM Form1099 WHERE Form1099UniqueID = %d";

inline constexpr char kUpdateCompany[] =
    "UPDATE Company SET EmployerIdentificationNumber ='%s',EmployerName='%s',Address1='%s',Address2='%s',"
    "City='%s',State='%s',Zip='%s',StateID='%s',SocialSecurityNumber='%s',FormW3ControlNumber='%s',"
    "FormW3EstablishmentNumber='%s',FormW3OtherEIN='%s',FormW3ThirdPartySickPay='%s',"
    "FormW3IncomeTaxWithHeld='%s',FormW3ContactName='%s',FormW3Telephone='%s',FormW3Email='%s',"
    "FormW3Fax='%s',FormW3RadioKindOfPayer='%d',FormW3CheckThirdPartySickPay='%d',"
    "Form1096ContactName='%s',Form1096Telephone='%s',Form1096Fax='%s',Form1096Email='%s',"
    "Form1096CheckIsThisYourFinalReturn='%d' ;";
inline constexpr char kInsertCompany[] =
    "INSERT INTO Company VALUES('%d','%s','%s','%s','%s','%s','%s','%s','%s','%s','%s','%s','%s','%s',"
    "'%s','%s','%s','%s','%s','%d','%d','%s','%s','%s','%s','%d' );";

// Schema.
inline constexpr char kCreateVersion[] =
    "CREATE TABLE Version(FormlarkVersion NVARCHAR(16));INSERT INTO 'Version' VALUES('%s');";
inline constexpr char kVersionValue[] = "1";

inline constexpr char kCreateCompany[] =
    "CREATE TABLE Company(CompanyUniqueID INTEGER PRIMARY KEY,EmployerIdentificationNumber NVARCHAR(16),"
    "EmployerName NVARCHAR(51),Address1 NVARCHAR(31),Address2 NVARCHAR(31),City NVARCHAR(21),"
    "State NVARCHAR(3),Zip NVARCHAR(11),StateID NVARCHAR(11),SocialSecurityNumber NVARCHAR(13),"
    "FormW3ControlNumber NVARCHAR(21),FormW3EstablishmentNumber NVARCHAR(21),FormW3OtherEIN NVARCHAR(17),"
    "FormW3ThirdPartySickPay NVARCHAR(31),FormW3IncomeTaxWithHeld NVARCHAR(21),"
    "FormW3ContactName NVARCHAR(51),FormW3Telephone NVARCHAR(17),FormW3Email NVARCHAR(40),"
    "FormW3Fax NVARCHAR(17),FormW3RadioKindOfPayer INTEGER,FormW3CheckThirdPartySickPay INTEGER,"
    "Form1096ContactName NVARCHAR(51),Form1096Telephone NVARCHAR(17),Form1096Fax NVARCHAR(17),"
    "Form1096Email NVARCHAR(41),Form1096CheckIsThisYourFinalReturn INTEGER);";

inline constexpr char kCreateEmployees[] =
    "CREATE TABLE Employees(EmployeeUniqueID INTEGER PRIMARY KEY,CompanyUniqueID INTEGER,"
    "SocialSecurityNumber NVARCHAR(%d),FirstName NVARCHAR(%d),MiddleName NVARCHAR(%d),"
    "LastName NVARCHAR(%d),Address1 NVARCHAR(%d),Address2 NVARCHAR(%d),City NVARCHAR(%d),"
    "State NVARCHAR(%d),Zip NVARCHAR(%d));";

inline constexpr char kCreateContractors[] =
    "CREATE TABLE Contractors(ContractorUniqueID INTEGER PRIMARY KEY,CompanyUniqueID INTEGER,"
    "IdentificationNumber NVARCHAR(%d),FirstName NVARCHAR(%d),MiddleName NVARCHAR(%d),"
    "LastName NVARCHAR(%d),Address1 NVARCHAR(%d),Address2 NVARCHAR(%d),City NVARCHAR(%d),"
    "State NVARCHAR(%d),Zip NVARCHAR(%d),AccountNumber NVARCHAR(%d),GeneralInformation NVARCHAR(31),"
    "SecondTIN INTEGER);";

inline constexpr char kCreateW3[] =
    "CREATE TABLE W3(W3UniqueID INTEGER PRIMARY KEY,CompanyUniqueID INTEGER,State1 NVARCHAR(%d),"
    "State2 NVARCHAR(%d),StateID1 NVARCHAR(%d),StateID2 NVARCHAR(%d),Wages NVARCHAR(%d),"
    "FederalIncomeTaxWithheld NVARCHAR(%d),SocialSecurityWages NVARCHAR(%d),"
    "SocialSecurityTaxWithheld NVARCHAR(%d),MedicareWages NVARCHAR(%d),MedicareTaxWithheld NVARCHAR(%d),"
    "SocialSecurityTips NVARCHAR(%d),AllocatedTips NVARCHAR(%d),AdvancEICPayment NVARCHAR(%d),"
    "DependentCareBenefits NVARCHAR(%d),NonQualifiedPlans NVARCHAR(%d),DeferredCompensation NVARCHAR(%d),"
    "StateWages NVARCHAR(%d),StateIncomTax NVARCHAR(%d),LocalWages NVARCHAR(%d),"
    "LocalIncomeTax NVARCHAR(%d));";

inline constexpr char kCreateForm1096[] =
    "CREATE TABLE Form1096(Form1096UniqueID INTEGER PRIMARY KEY,CompanyUniqueID INTEGER,"
    "TotalNumberOfForms INTEGER,FederalIncomeTaxWithHeld INTEGER,TotalAmountReportedWithThisForm INTEGER,"
    "FinalReturn INTEGER,TypeOfFormBeingFiled INTEGER);";

// Carrying over a previous year's store.
inline constexpr char kDropVersion[] = "DROP TABLE  Version ;";
inline constexpr char kDropW2[] = "DROP TABLE  W2 ;";
inline constexpr char kDropW3[] = "DROP TABLE  W3 ;";
inline constexpr char kDropForm1099[] = "DROP TABLE  Form1099 ;";
inline constexpr char kDropForm1096[] = "DROP TABLE  Form1096 ;";

} // namespace Statements
