#pragma once

#include "core/store/Records.h"
#include "core/print/PrintAlignment.h"
#include "core/print/PrintJob.h"
#include "core/wage/W3Totals.h"
#include "core/print/WagePrintOptions.h"

// The W-3 page: data only on the pre-printed form (moved by the offsets), a
// copy on blank paper with the outlined "COPY" mark, or the full-page laser
// substitute.

enum class W3Paper { Copy = 0, Preprinted = 1, Laser = 2 };
W3Paper W3PaperOf(const PrintW3Options& options);

// The 65 anchor points for the options' paper, adjustments applied (y still
// growing downward).
PointTable W3PointTable(const PrintW3Options& options);

PageFont W3DataFont(const PrintW3Options& options);

// The one page of a W-3 job. `totals` are those the W-3 screen shows.
Page LayOutW3Page(const CompanyRecord& company, const W3Totals& totals, const PrintW3Options& options);

class W3PrintJob : public PrintJob {
public:
    // The totals of the W-2 of each employee, found by the employee's id.
    W3PrintJob(const CompanyRecord& company, const EmployeeList& employees, const W2List& w2s,
               const PrintW3Options& options)
        : company_(company)
        , totals_(ComputeW3Totals(employees, w2s))
        , options_(options)
    {
    }
    int PageCount() const override { return 1; }
    Page LayOutPage(int page) const override { return page == 1 ? LayOutW3Page(company_, totals_, options_) : Page(); }
    QString DocumentTitle() const override
    {
        return FormDocumentTitle(QStringLiteral("Form W-3"), company_.EmployerName.Text());
    }
    const W3Totals& Totals() const { return totals_; }

private:
    const CompanyRecord& company_;
    W3Totals totals_;
    PrintW3Options options_;
};
