#include "core/check/PrintCheck.h"

#include "core/check/FormCheck.h"
#include "core/shell/Prompt.h"

#include <QSet>

namespace {

// "2 of the W-2s to print have errors. Print anyway?"
QString Question(int wrong, int printed, const char* form)
{
    const QString name = QLatin1String(form);
    if (wrong <= 0)
        return QString();
    if (printed == 1)
        return QStringLiteral("The %1 to print has errors. Print anyway?").arg(name);
    return QStringLiteral("%1 of the %2s to print %3 errors. Print anyway?")
        .arg(wrong)
        .arg(name, QLatin1String(wrong == 1 ? "has" : "have"));
}

template <class Person>
QString FormsQuestion(const CompanyData& data, CheckScope scope, CheckedForm form, const std::vector<Person>& people,
                      int Person::*personId, const std::vector<int>& indexes, const char* name)
{
    const FormCheckResult result = CheckCompanyForms(data, scope);
    bool employerWrong = false;
    QSet<int> wrongOwners;
    for (const FormFinding& finding : result.findings) {
        if (!finding.IsError())
            continue;
        if (finding.Form() == CheckedForm::W3And1096)
            employerWrong = true;
        else if (finding.Form() == form && finding.ownerId >= 0)
            wrongOwners.insert(finding.ownerId);
    }
    int printed = 0;
    int wrong = 0;
    for (const int index : indexes) {
        if (index < 0 || size_t(index) >= people.size())
            continue;
        ++printed;
        if (employerWrong || wrongOwners.contains(people[size_t(index)].*personId))
            ++wrong;
    }
    return Question(wrong, printed, name);
}

QString TransmittalQuestion(const CompanyData& data, CheckScope scope, CheckedForm form, const char* name)
{
    // Only the company's own data is on a transmittal.
    for (const FormFinding& finding : CheckCompanySetup(data, scope).findings)
        if (finding.IsError() && (finding.Form() == form || finding.Form() == CheckedForm::W3And1096))
            return Question(1, 1, name);
    return QString();
}

} // namespace

QString W2PrintErrorsQuestion(const CompanyData& data, const std::vector<int>& employeeIndexes)
{
    return FormsQuestion(data, CheckScope::W2, CheckedForm::W2, data.employees, &EmployeeRecord::EmployeeUniqueID,
                         employeeIndexes, "W-2");
}

QString Form1099PrintErrorsQuestion(const CompanyData& data, const std::vector<int>& contractorIndexes)
{
    return FormsQuestion(data, CheckScope::Form1099, CheckedForm::Form1099, data.contractors,
                         &ContractorRecord::ContractorUniqueID, contractorIndexes, "1099-MISC");
}

QString W3PrintErrorsQuestion(const CompanyData& data)
{
    return TransmittalQuestion(data, CheckScope::W2, CheckedForm::W3, "W-3");
}

QString Form1096PrintErrorsQuestion(const CompanyData& data)
{
    return TransmittalQuestion(data, CheckScope::Form1099, CheckedForm::Form1096, "1096");
}

bool PrintDespiteErrors(const QString& question)
{
    return question.isEmpty() || AppPrompt().AskYesNoDefaultNo(question);
}
