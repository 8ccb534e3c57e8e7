#pragma once

#include "core/contractor/Form1099Boxes.h"
#include "core/print/ContractorPrintOptions.h"
#include "core/store/Records.h"
#include "core/print/PrintAlignment.h"
#include "core/print/TwoFormSheetJob.h"

#include <QHash>

#include <vector>

// The 1099-MISC sheet: two forms one above the other, data only on the
// pre-printed red-ink form (moved by the offsets) or on blank paper with the
// picture of the form and the chosen copy's side texts.

// The 51 entries for the options' paper with every adjustment applied (y
// still growing downward).
PointTable Form1099PointTable(const Print1099Options& options);
int Form1099FormPitch(const Print1099Options& options);
PageFont Form1099DataFont(const Print1099Options& options);

// A 1099-MISC job. The records must outlive the job.
class Form1099PrintJob : public TwoFormSheetJob {
public:
    Form1099PrintJob(const CompanyRecord& company, const ContractorList& contractors, const Form1099List& forms,
                     const Print1099Options& options, int currentContractorIndex = 0);
    // The forms in the contractors' display order (list indexes), as the
    // contractor list on the screen shows them. Every contractor of the
    // order prints, one without a 1099 row with empty boxes, so none is
    // left out unseen.
    Form1099PrintJob(const CompanyRecord& company, const ContractorList& contractors, const Form1099List& forms,
                     const Print1099Options& options, const std::vector<int>& displayOrder, int currentContractorIndex);

    QString DocumentTitle() const override;

private:
    void DrawSheet(Page& page) const override;
    void DrawForm(Page& page, int slot, int contractorIndex) const override;
    void DrawEmptyFormMark(Page& page) const override;

    const CompanyRecord& company_;
    const ContractorList& contractors_;
    const Form1099List& forms_;
    Print1099Options options_;
    bool preprinted_ = true;
    QHash<int, int> formByContractor_;
    PointTable table_;
    int pitch_ = 0;
    PageFont font_;
};
