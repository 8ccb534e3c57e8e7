#pragma once

#include "core/print/ContractorPrintOptions.h"
#include "core/contractor/Form1096Totals.h"
#include "core/store/Records.h"
#include "core/print/PrintAlignment.h"
#include "core/print/PrintJob.h"

// The 1096 page: data only on the pre-printed form (moved by the offsets) or
// a copy on blank paper with the outlined "COPY" mark.

// The 24 entries for the options' paper, adjustments applied (y growing
// downward).
PointTable Form1096PointTable(const Print1096Options& options);
PageFont Form1096DataFont(const Print1096Options& options);

Page LayOutForm1096Page(const CompanyRecord& company, const Form1096Totals& totals, const Print1096Options& options);

class Form1096PrintJob : public PrintJob {
public:
    // The totals of the 1099-MISC of each contractor, found by its id.
    Form1096PrintJob(const CompanyRecord& company, const ContractorList& contractors, const Form1099List& forms,
                     const Print1096Options& options)
        : company_(company)
        , totals_(ComputeForm1096Totals(contractors, forms))
        , options_(options)
    {
    }
    int PageCount() const override { return 1; }
    Page LayOutPage(int page) const override
    {
        return page == 1 ? LayOutForm1096Page(company_, totals_, options_) : Page();
    }
    QString DocumentTitle() const override
    {
        return FormDocumentTitle(QStringLiteral("Form 1096"), company_.EmployerName.Text());
    }
    const Form1096Totals& Totals() const { return totals_; }

private:
    const CompanyRecord& company_;
    Form1096Totals totals_;
    Print1096Options options_;
};
