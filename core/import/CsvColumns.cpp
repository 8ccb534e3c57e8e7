#include "core/import/CsvColumns.h"

#include <QHash>
#include <QSet>

#include <initializer_list>
#include <type_traits>

namespace {

using EmployeeRow = EmployeeWithW2;
using ContractorRow = ContractorWith1099;
using Spellings = std::initializer_list<const char*>;
using Rule = CsvValueRule;

template <class T>
struct MemberOf;
template <class C, class M>
struct MemberOf<M C::*> {
    using Class = C;
    using Type = M;
};

// The field `Member` of the record `Part` of a row: a text field, or an
// integer check box.
template <auto Part, auto Member>
auto Field(const char* header, Rule rule, Spellings spellings)
{
    using Row = typename MemberOf<decltype(Part)>::Class;
    using Value = typename MemberOf<decltype(Member)>::Type;
    CsvField<Row> field;
    field.header = QString::fromUtf8(header);
    for (const char* spelling : spellings)
        field.spellings << QString::fromUtf8(spelling);
    field.rule = rule;
    if constexpr (std::is_same_v<Value, int>) {
        field.get = [](const Row& row) { return QString::number((row.*Part).*Member); };
        field.set = [](Row& row, const QString& value) { (row.*Part).*Member = value.toInt(); };
    } else {
        field.maxChars = Value::kMaxChars;
        field.get = [](const Row& row) { return ((row.*Part).*Member).Text(); };
        field.set = [](Row& row, const QString& value) { (row.*Part).*Member = value; };
    }
    return field;
}

// Name and address, alike for employees and contractors.
template <class Row>
void AddNameAndAddress(std::vector<CsvField<Row>>& fields)
{
    using Person = decltype(Row::person);
    fields.push_back(Field<&Row::person, &Person::FirstName>(
        "First Name", Rule::Text, {"First", "Given Name", "FirstName", "Fname", "First Name and Initial"}));
    fields.push_back(Field<&Row::person, &Person::MiddleName>(
        "Middle Initial", Rule::Text, {"Middle Name", "Middle", "MI", "Initial", "Middle Init", "MiddleName"}));
    fields.push_back(
        Field<&Row::person, &Person::LastName>("Last Name", Rule::Text, {"Last", "Surname", "Family Name", "LastName", "Lname"}));
    fields.push_back(Field<&Row::person, &Person::Address1>(
        "Address 1", Rule::Text, {"Address", "Street", "Street Address", "Address Line 1", "Addr1", "Address 1 Street"}));
    fields.push_back(Field<&Row::person, &Person::Address2>(
        "Address 2", Rule::Text, {"Address Line 2", "Addr2", "Apt", "Suite", "Apartment", "Apt No"}));
    fields.push_back(Field<&Row::person, &Person::City>("City", Rule::Text, {"Town", "City/Town"}));
    fields.push_back(Field<&Row::person, &Person::State>("State", Rule::State, {"ST", "State Code", "State Abbreviation"}));
    fields.push_back(Field<&Row::person, &Person::Zip>(
        "Zip", Rule::Zip, {"Zip Code", "Postal Code", "Zipcode", "Postcode", "Zip+4", "Zip Code+4"}));
}

std::vector<CsvField<EmployeeRow>> MakeEmployeeFields()
{
    using W2 = W2Record;
    std::vector<CsvField<EmployeeRow>> f;
    f.push_back(Field<&EmployeeRow::person, &EmployeeRecord::SocialSecurityNumber>(
        "SSN", Rule::Ssn,
        {"Social Security Number", "Social Security No", "Social Security #", "SS Number", "SS No", "Soc Sec No",
         "Soc Sec Number", "SocialSecurityNumber", "Box d"}));
    AddNameAndAddress(f);
    f.push_back(Field<&EmployeeRow::form, &W2::Wages>(
        "Box 1 Wages", Rule::Amount,
        {"Box 1", "Wages", "Wages, Tips, Other Compensation", "Wages, Tips and Other Compensation", "Federal Wages",
         "Gross Wages", "Box 1 Wages, Tips, Other Compensation"}));
    f.push_back(Field<&EmployeeRow::form, &W2::FederalIncomeTaxWithdrawal>(
        "Box 2 Federal Income Tax Withheld", Rule::Amount,
        {"Box 2", "Federal Income Tax Withheld", "Federal Income Tax", "Federal Income Tax Withholding",
         "Federal Tax Withheld", "Federal Withholding", "Federal Tax", "FIT", "FITW"}));
    f.push_back(Field<&EmployeeRow::form, &W2::SocialSecurityWages>(
        "Box 3 Social Security Wages", Rule::SocialSecurityWages, {"Box 3", "Social Security Wages", "SS Wages", "OASDI Wages"}));
    f.push_back(Field<&EmployeeRow::form, &W2::SocialSecurityTaxWithheld>(
        "Box 4 Social Security Tax Withheld", Rule::SocialSecurityTax,
        {"Box 4", "Social Security Tax Withheld", "Social Security Tax", "SS Tax", "SS Tax Withheld", "OASDI",
         "OASDI Tax"}));
    f.push_back(Field<&EmployeeRow::form, &W2::MedicareWages>(
        "Box 5 Medicare Wages and Tips", Rule::Amount,
        {"Box 5", "Medicare Wages and Tips", "Medicare Wages & Tips", "Medicare Wages"}));
    f.push_back(Field<&EmployeeRow::form, &W2::MedicareTaxWithheld>(
        "Box 6 Medicare Tax Withheld", Rule::Amount, {"Box 6", "Medicare Tax Withheld", "Medicare Tax"}));
    f.push_back(Field<&EmployeeRow::form, &W2::SocialSecurityTips>(
        "Box 7 Social Security Tips", Rule::Amount, {"Box 7", "Social Security Tips", "SS Tips"}));
    f.push_back(
        Field<&EmployeeRow::form, &W2::AllocatedTips>("Box 8 Allocated Tips", Rule::Amount, {"Box 8", "Allocated Tips"}));
    f.push_back(Field<&EmployeeRow::form, &W2::AdvancEICPayment>(
        "Box 9 Advance EIC Payment", Rule::Amount, {"Box 9", "Advance EIC Payment", "Advance EIC", "EIC Payment"}));
    f.push_back(Field<&EmployeeRow::form, &W2::DependentCareBenefits>(
        "Box 10 Dependent Care Benefits", Rule::Amount, {"Box 10", "Dependent Care Benefits", "Dependent Care"}));
    f.push_back(Field<&EmployeeRow::form, &W2::NonQualifiedPlans>(
        "Box 11 Nonqualified Plans", Rule::Amount, {"Box 11", "Nonqualified Plans"}));
    f.push_back(Field<&EmployeeRow::form, &W2::Field12aCode>("Box 12a Code", Rule::Box12Code, {"12a Code", "Code 12a"}));
    f.push_back(Field<&EmployeeRow::form, &W2::Field12aYear>("Box 12a Year", Rule::Box12Year, {"12a Year"}));
    f.push_back(Field<&EmployeeRow::form, &W2::Field12aAmount>("Box 12a Amount", Rule::Amount, {"Box 12a", "12a", "12a Amount"}));
    f.push_back(Field<&EmployeeRow::form, &W2::Field12bCode>("Box 12b Code", Rule::Box12Code, {"12b Code", "Code 12b"}));
    f.push_back(Field<&EmployeeRow::form, &W2::Field12bYear>("Box 12b Year", Rule::Box12Year, {"12b Year"}));
    f.push_back(Field<&EmployeeRow::form, &W2::Field12bAmount>("Box 12b Amount", Rule::Amount, {"Box 12b", "12b", "12b Amount"}));
    f.push_back(Field<&EmployeeRow::form, &W2::Field12cCode>("Box 12c Code", Rule::Box12Code, {"12c Code", "Code 12c"}));
    f.push_back(Field<&EmployeeRow::form, &W2::Field12cYear>("Box 12c Year", Rule::Box12Year, {"12c Year"}));
    f.push_back(Field<&EmployeeRow::form, &W2::Field12cAmount>("Box 12c Amount", Rule::Amount, {"Box 12c", "12c", "12c Amount"}));
    f.push_back(Field<&EmployeeRow::form, &W2::Field12dCode>("Box 12d Code", Rule::Box12Code, {"12d Code", "Code 12d"}));
    f.push_back(Field<&EmployeeRow::form, &W2::Field12dYear>("Box 12d Year", Rule::Box12Year, {"12d Year"}));
    f.push_back(Field<&EmployeeRow::form, &W2::Field12dAmount>("Box 12d Amount", Rule::Amount, {"Box 12d", "12d", "12d Amount"}));
    f.push_back(Field<&EmployeeRow::form, &W2::StatutoryEmployee>(
        "Box 13 Statutory Employee", Rule::Flag, {"Statutory Employee", "Statutory"}));
    f.push_back(Field<&EmployeeRow::form, &W2::RetirementPlan>(
        "Box 13 Retirement Plan", Rule::Flag, {"Retirement Plan", "Retirement"}));
    f.push_back(Field<&EmployeeRow::form, &W2::ThirdPartySickpay>(
        "Box 13 Third-Party Sick Pay", Rule::Flag, {"Third-Party Sick Pay", "Sick Pay"}));
    f.push_back(Field<&EmployeeRow::form, &W2::Other1>(
        "Box 14 Other 1", Rule::Text, {"Box 14", "Box 14 Other", "Box 14 Line 1", "Box 14 Other Line 1", "Other", "Other 1"}));
    f.push_back(Field<&EmployeeRow::form, &W2::Other2>(
        "Box 14 Other 2", Rule::Text, {"Box 14 Line 2", "Box 14 Other Line 2", "Other 2"}));
    f.push_back(Field<&EmployeeRow::form, &W2::Other3>(
        "Box 14 Other 3", Rule::Text, {"Box 14 Line 3", "Box 14 Other Line 3", "Other 3"}));
    f.push_back(Field<&EmployeeRow::form, &W2::State2>(
        "Box 15 State 2", Rule::State, {"Box 15 State Line 2", "State 2", "Second State"}));
    f.push_back(Field<&EmployeeRow::form, &W2::StateID2>(
        "Box 15 State ID 2", Rule::Text,
        {"Box 15 State ID Line 2", "Box 15 Employer's State ID Number 2", "Box 15 Employer's State ID 2", "State ID 2",
         "Employer's State ID Number 2", "Employer's State ID 2"}));
    f.push_back(Field<&EmployeeRow::form, &W2::StateWages1>(
        "Box 16 State Wages 1", Rule::Amount,
        {"Box 16", "Box 16 State Wages", "Box 16 Line 1", "State Wages", "State Wages 1", "State Wages, Tips, etc."}));
    f.push_back(Field<&EmployeeRow::form, &W2::StateWages2>(
        "Box 16 State Wages 2", Rule::Amount, {"Box 16 Line 2", "State Wages 2"}));
    f.push_back(Field<&EmployeeRow::form, &W2::StateIncomTax1>(
        "Box 17 State Income Tax 1", Rule::Amount,
        {"Box 17", "Box 17 State Income Tax", "Box 17 Line 1", "State Income Tax", "State Income Tax 1",
         "State Income Tax Withheld", "State Tax", "State Tax Withheld", "State Withholding", "SIT"}));
    f.push_back(Field<&EmployeeRow::form, &W2::StateIncomTax2>(
        "Box 17 State Income Tax 2", Rule::Amount, {"Box 17 Line 2", "State Income Tax 2", "State Tax 2"}));
    f.push_back(Field<&EmployeeRow::form, &W2::LocalWages1>(
        "Box 18 Local Wages 1", Rule::Amount,
        {"Box 18", "Box 18 Local Wages", "Box 18 Line 1", "Local Wages", "Local Wages 1", "Local Wages, Tips, etc."}));
    f.push_back(Field<&EmployeeRow::form, &W2::LocalWages2>(
        "Box 18 Local Wages 2", Rule::Amount, {"Box 18 Line 2", "Local Wages 2"}));
    f.push_back(Field<&EmployeeRow::form, &W2::LocalIncomeTax1>(
        "Box 19 Local Income Tax 1", Rule::Amount,
        {"Box 19", "Box 19 Local Income Tax", "Box 19 Line 1", "Local Income Tax", "Local Income Tax 1", "Local Tax",
         "Local Withholding"}));
    f.push_back(Field<&EmployeeRow::form, &W2::LocalIncomeTax2>(
        "Box 19 Local Income Tax 2", Rule::Amount, {"Box 19 Line 2", "Local Income Tax 2", "Local Tax 2"}));
    f.push_back(Field<&EmployeeRow::form, &W2::LocalityName1>(
        "Box 20 Locality Name 1", Rule::Text,
        {"Box 20", "Box 20 Locality Name", "Box 20 Line 1", "Locality Name", "Locality Name 1", "Locality", "Locality 1"}));
    f.push_back(Field<&EmployeeRow::form, &W2::LocalityName2>(
        "Box 20 Locality Name 2", Rule::Text, {"Box 20 Line 2", "Locality Name 2", "Locality 2"}));
    return f;
}

std::vector<CsvField<ContractorRow>> MakeContractorFields()
{
    using F = Form1099Record;
    std::vector<CsvField<ContractorRow>> f;
    f.push_back(Field<&ContractorRow::person, &ContractorRecord::IdentificationNumber>(
        "TIN", Rule::Text,
        {"Recipient TIN", "Recipient's Identification Number", "Recipient's ID Number", "Identification Number",
         "ID Number", "Taxpayer Identification Number", "Taxpayer ID", "Tax ID", "Tax ID Number", "SSN", "EIN",
         "SSN/EIN", "Social Security Number", "Federal ID", "Federal ID Number", "FEIN", "IdentificationNumber"}));
    AddNameAndAddress(f);
    f.push_back(Field<&ContractorRow::person, &ContractorRecord::AccountNumber>(
        "Account Number", Rule::Account,
        {"Account", "Account No", "Acct", "Acct No", "Account Number (optional)", "AccountNumber"}));
    f.push_back(Field<&ContractorRow::person, &ContractorRecord::SecondTIN>(
        "2nd TIN Notice", Rule::Flag, {"2nd TIN not.", "2nd TIN", "Second TIN Notice", "Second TIN", "SecondTIN"}));
    f.push_back(Field<&ContractorRow::form, &F::Rents>("Box 1 Rents", Rule::Amount, {"Box 1", "Rents", "Rent"}));
    f.push_back(Field<&ContractorRow::form, &F::Royalities>("Box 2 Royalties", Rule::Amount, {"Box 2", "Royalties"}));
    f.push_back(Field<&ContractorRow::form, &F::OtherIncome>("Box 3 Other Income", Rule::Amount, {"Box 3", "Other Income"}));
    f.push_back(Field<&ContractorRow::form, &F::FederalIncomeTaxWithheld>(
        "Box 4 Federal Income Tax Withheld", Rule::Amount,
        {"Box 4", "Federal Income Tax Withheld", "Federal Income Tax", "Federal Tax Withheld", "Federal Withholding",
         "Backup Withholding"}));
    f.push_back(Field<&ContractorRow::form, &F::FishingBoatProceeds>(
        "Box 5 Fishing Boat Proceeds", Rule::Amount, {"Box 5", "Fishing Boat Proceeds"}));
    f.push_back(Field<&ContractorRow::form, &F::MedicalAndHealthCarePayments>(
        "Box 6 Medical and Health Care Payments", Rule::Amount,
        {"Box 6", "Medical and Health Care Payments", "Medical & Health Care Payments", "Medical Payments"}));
    f.push_back(Field<&ContractorRow::form, &F::NonemployeeCompensation>(
        "Box 7 Nonemployee Compensation", Rule::Amount, {"Box 7", "Nonemployee Compensation", "NEC"}));
    f.push_back(Field<&ContractorRow::form, &F::SubstitutePayments>(
        "Box 8 Substitute Payments", Rule::Amount,
        {"Box 8", "Substitute Payments", "Substitute Payments in Lieu of Dividends or Interest"}));
    f.push_back(Field<&ContractorRow::form, &F::PayerMadeDirectSales>(
        "Box 9 Direct Sales", Rule::Flag,
        {"Box 9", "Direct Sales", "Payer Made Direct Sales", "Direct Sales of $5,000 or More"}));
    f.push_back(Field<&ContractorRow::form, &F::CropInsuranceProceeds>(
        "Box 10 Crop Insurance Proceeds", Rule::Amount, {"Box 10", "Crop Insurance Proceeds"}));
    f.push_back(Field<&ContractorRow::form, &F::ExcessGoldenParachutePayments>(
        "Box 13 Excess Golden Parachute Payments", Rule::Amount,
        {"Box 13", "Excess Golden Parachute Payments", "Golden Parachute Payments"}));
    f.push_back(Field<&ContractorRow::form, &F::GrossProceedsPaidToAttorney>(
        "Box 14 Gross Proceeds Paid to an Attorney", Rule::Amount,
        {"Box 14", "Gross Proceeds Paid to an Attorney", "Gross Proceeds Paid to Attorney", "Attorney Proceeds"}));
    f.push_back(Field<&ContractorRow::form, &F::Field15A>(
        "Box 15a Section 409A Deferrals", Rule::Amount, {"Box 15a", "15a", "Section 409A Deferrals", "409A Deferrals"}));
    f.push_back(Field<&ContractorRow::form, &F::Field15B>(
        "Box 15b Section 409A Income", Rule::Amount, {"Box 15b", "15b", "Section 409A Income", "409A Income"}));
    f.push_back(Field<&ContractorRow::form, &F::StateTaxWithheld1>(
        "Box 16 State Tax Withheld 1", Rule::Amount,
        {"Box 16", "Box 16 State Tax Withheld", "Box 16 Line 1", "State Tax Withheld", "State Tax Withheld 1",
         "State Withholding", "State Tax"}));
    f.push_back(Field<&ContractorRow::form, &F::StateTaxWithheld2>(
        "Box 16 State Tax Withheld 2", Rule::Amount, {"Box 16 Line 2", "State Tax Withheld 2"}));
    f.push_back(Field<&ContractorRow::form, &F::PayerStateID1>(
        "Box 17 Payer's State No. 1", Rule::Text,
        {"Box 17", "Box 17 State/Payer's State No.", "Box 17 Payer's State No.", "Box 17 Line 1", "Payer's State No.",
         "Payer's State Number", "State/Payer's State No.", "Payer's State No. 1", "Payer State ID", "State ID"}));
    f.push_back(Field<&ContractorRow::form, &F::PayerStateID2>(
        "Box 17 Payer's State No. 2", Rule::Text, {"Box 17 Line 2", "Payer's State No. 2", "Payer State ID 2", "State ID 2"}));
    f.push_back(Field<&ContractorRow::form, &F::StateIncome1>(
        "Box 18 State Income 1", Rule::Amount, {"Box 18", "Box 18 State Income", "Box 18 Line 1", "State Income", "State Income 1"}));
    f.push_back(Field<&ContractorRow::form, &F::StateIncome2>(
        "Box 18 State Income 2", Rule::Amount, {"Box 18 Line 2", "State Income 2"}));
    return f;
}

// Words a header may begin with that say whose value it is; a header that
// matches nothing is tried again without them ("Employee SSN",
// "W-2 Box 1", "Recipient's City").
constexpr const char* kOwnerPrefixes[] = {"employees", "employee", "emp", "recipients", "recipient", "contractors",
                                          "contractor", "payee", "vendor", "w2", "form1099misc", "1099misc", "1099"};

template <class Row>
QHash<QString, int> SpellingIndex(const std::vector<CsvField<Row>>& fields)
{
    QHash<QString, int> index;
    for (int f = 0; f < int(fields.size()); ++f) {
        index.insert(CsvHeaderKey(fields[size_t(f)].header), f);
        for (const QString& spelling : fields[size_t(f)].spellings)
            index.insert(CsvHeaderKey(spelling), f);
    }
    return index;
}

const QHash<QString, int>& SpellingsOf(PeopleKind kind)
{
    static const QHash<QString, int> employees = SpellingIndex(EmployeeCsvFields());
    static const QHash<QString, int> contractors = SpellingIndex(ContractorCsvFields());
    return kind == PeopleKind::Employees ? employees : contractors;
}

int MatchKey(const QHash<QString, int>& spellings, const QString& key)
{
    const auto it = spellings.constFind(key);
    if (it != spellings.constEnd())
        return *it;
    for (const char* prefix : kOwnerPrefixes) {
        const QLatin1String p(prefix);
        if (key.startsWith(p) && key.size() > p.size())
            if (const int field = MatchKey(spellings, key.mid(p.size())); field >= 0)
                return field;
    }
    return -1;
}

} // namespace

const std::vector<CsvField<EmployeeWithW2>>& EmployeeCsvFields()
{
    static const std::vector<CsvField<EmployeeWithW2>> fields = MakeEmployeeFields();
    return fields;
}

const std::vector<CsvField<ContractorWith1099>>& ContractorCsvFields()
{
    static const std::vector<CsvField<ContractorWith1099>> fields = MakeContractorFields();
    return fields;
}

QStringList CsvFieldHeaders(PeopleKind kind)
{
    QStringList headers;
    auto collect = [&headers](const auto& fields) {
        for (const auto& field : fields)
            headers << field.header;
    };
    if (kind == PeopleKind::Employees)
        collect(EmployeeCsvFields());
    else
        collect(ContractorCsvFields());
    return headers;
}

QString CsvHeaderKey(const QString& header)
{
    QString key;
    key.reserve(header.size());
    for (const QChar c : header)
        if (c.isLetterOrNumber())
            key += c.toLower();
    return key;
}

std::vector<int> MatchCsvHeader(PeopleKind kind, const QStringList& header)
{
    const QHash<QString, int>& spellings = SpellingsOf(kind);
    std::vector<int> mapping;
    QSet<int> taken;
    for (const QString& column : header) {
        const int field = MatchKey(spellings, CsvHeaderKey(column));
        if (field >= 0 && !taken.contains(field)) {
            taken.insert(field);
            mapping.push_back(field);
        } else {
            mapping.push_back(-1);
        }
    }
    return mapping;
}
