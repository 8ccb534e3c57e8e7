#include "core/contractor/ContractorScreenPrint.h"

#include "core/contractor/Form1096PrintJob.h"
#include "core/contractor/Form1099EmptyFields.h"
#include "core/contractor/Form1099PrintJob.h"
#include "core/records/DisplayOrder.h"
#include "core/store/RecordLookup.h"

#include <QSet>

#include <algorithm>

namespace {

const Form1099Record* FormOf(const Form1099List& forms, int contractorId)
{
    const int index = FindRecordIndex(forms, &Form1099Record::ContractorUniqueID, -1, contractorId);
    return index < 0 ? nullptr : &forms[size_t(index)];
}

bool AnyContractorWithoutForm(const CompanyData& data)
{
    QSet<int> owners;
    owners.reserve(qsizetype(data.forms1099.size()));
    for (const Form1099Record& f : data.forms1099)
        owners.insert(f.ContractorUniqueID);
    return std::any_of(data.contractors.begin(), data.contractors.end(),
                       [&](const ContractorRecord& c) { return !owners.contains(c.ContractorUniqueID); });
}

} // namespace

bool Form1099PrintHasForms(const CompanyData& data, const Print1099Options& options)
{
    return options.Target == PrintTarget::All ? !data.forms1099.empty() && !data.contractors.empty()
                                              : !data.contractors.empty();
}

QString Form1099EmptyFieldsQuestion(const CompanyData& data, const Print1099Options& options,
                                    int currentContractorIndex)
{
    if (!Form1099PrintHasForms(data, options))
        return QString();
    if (options.Target == PrintTarget::All) {
        const bool empty = AnyForm1099HasEmptyFields(data.forms1099) || AnyContractorWithoutForm(data);
        return empty ? AllFormsEmptyFieldsQuestion() : QString();
    }
    if (currentContractorIndex < 0 || currentContractorIndex >= int(data.contractors.size()))
        return QString();
    const Form1099Record* form = FormOf(data.forms1099,
                                        data.contractors[size_t(currentContractorIndex)].ContractorUniqueID);
    return !form || Form1099HasEmptyFields(*form) ? CurrentFormEmptyFieldsQuestion() : QString();
}

std::unique_ptr<PrintJob> MakeForm1099ScreenJob(const CompanyData& data, const Print1099Options& options,
                                                const std::vector<int>& displayOrder, int currentContractorIndex)
{
    const std::vector<int> order = WholeDisplayOrder(displayOrder, data.contractors);
    if (currentContractorIndex < 0 || currentContractorIndex >= int(data.contractors.size()))
        currentContractorIndex = order.empty() ? 0 : order.front();
    return std::make_unique<Form1099PrintJob>(data.company, data.contractors, data.forms1099, options, order,
                                              currentContractorIndex);
}

std::unique_ptr<PrintJob> MakeForm1096ScreenJob(const CompanyData& data, const Print1096Options& options)
{
    return std::make_unique<Form1096PrintJob>(data.company, data.contractors, data.forms1099, options);
}
