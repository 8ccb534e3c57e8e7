#include "core/check/PrintCheck.h"

#include "core/check/FormCheck.h"
#include "core/prompt/Prompt.h"

#include <QSet>

namespace {

template <class Person>
PrintedWithErrors FormsWithErrors(const CompanyData& data, CheckScope scope, CheckedForm form,
                                  const std::vector<Person>& people, int Person::*personId,
                                  const std::vector<int>& indexes, const char* name)
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
    return {wrong, printed, name};
}

PrintedWithErrors TransmittalWithErrors(const CompanyData& data, CheckScope scope, CheckedForm form, const char* name)
{
    // Only the company's own data is on a transmittal.
    for (const FormFinding& finding : CheckCompanySetup(data, scope).findings)
        if (finding.IsError() && (finding.Form() == form || finding.Form() == CheckedForm::W3And1096))
            return {1, 1, name};
    return {0, 1, name};
}

} // namespace

QString PrintedWithErrors::Description() const
{
    const QString name = QLatin1String(form);
    if (wrong <= 0)
        return QString();
    if (printed == 1)
        return QStringLiteral("the %1 to print has errors").arg(name);
    return QStringLiteral("%1 of the %2s to print %3 errors")
        .arg(wrong)
        .arg(name, QLatin1String(wrong == 1 ? "has" : "have"));
}

QString PrintedWithErrors::Question() const
{
    QString question = Description();
    if (question.isEmpty())
        return question;
    question[0] = question[0].toUpper();
    return question + QStringLiteral(". Print anyway?");
}

PrintedWithErrors W2PrintErrors(const CompanyData& data, const std::vector<int>& employeeIndexes)
{
    return FormsWithErrors(data, CheckScope::W2, CheckedForm::W2, data.employees, &EmployeeRecord::EmployeeUniqueID,
                           employeeIndexes, "W-2");
}

PrintedWithErrors Form1099PrintErrors(const CompanyData& data, const std::vector<int>& contractorIndexes)
{
    return FormsWithErrors(data, CheckScope::Form1099, CheckedForm::Form1099, data.contractors,
                           &ContractorRecord::ContractorUniqueID, contractorIndexes, "1099-MISC");
}

PrintedWithErrors W3PrintErrors(const CompanyData& data)
{
    return TransmittalWithErrors(data, CheckScope::W2, CheckedForm::W3, "W-3");
}

PrintedWithErrors Form1096PrintErrors(const CompanyData& data)
{
    return TransmittalWithErrors(data, CheckScope::Form1099, CheckedForm::Form1096, "1096");
}

QString W2PrintErrorsQuestion(const CompanyData& data, const std::vector<int>& employeeIndexes)
{
    return W2PrintErrors(data, employeeIndexes).Question();
}

QString Form1099PrintErrorsQuestion(const CompanyData& data, const std::vector<int>& contractorIndexes)
{
    return Form1099PrintErrors(data, contractorIndexes).Question();
}

QString W3PrintErrorsQuestion(const CompanyData& data)
{
    return W3PrintErrors(data).Question();
}

QString Form1096PrintErrorsQuestion(const CompanyData& data)
{
    return Form1096PrintErrors(data).Question();
}

bool PrintDespiteErrors(const QString& question)
{
    return question.isEmpty() || AppPrompt().AskYesNoDefaultNo(question);
}
