#pragma once

#include "core/store/Records.h"
#include "core/print/PrintAlignment.h"
#include "core/print/TwoFormSheetJob.h"
#include "core/print/WagePrintOptions.h"

#include <QHash>

#include <vector>

// The W-2 sheet: two forms one above the other, printed on pre-printed
// forms (data only, moved by the alignment offsets), on blank paper with the
// picture of a copy and its caption, or as the full-page laser substitute
// for Copy A.

enum class W2Paper { Preprinted, Copy, LaserCopyA };
W2Paper W2PaperOf(const PrintW2Options& options);

// The 67 anchor points of a W-2 for the options' paper, with every
// adjustment of that paper applied (y still growing downward).
PointTable W2PointTable(const PrintW2Options& options);

// The distance between the top of the two forms of a sheet, and the shift
// of both forms (the empty-form mark moves by the shift only).
int W2FormPitch(const PrintW2Options& options);
int W2FormShift(const PrintW2Options& options);

// Data font: Courier New 12 points on pre-printed forms, 10 otherwise.
PageFont W2DataFont(const PrintW2Options& options);

// A W-2 job. The records must outlive the job. `currentEmployeeIndex` is the
// list index of the current employee (printing the current W-2).
class W2PrintJob : public TwoFormSheetJob {
public:
    W2PrintJob(const CompanyRecord& company, const EmployeeList& employees, const W2List& w2s,
               const PrintW2Options& options, int currentEmployeeIndex = 0);
    // The same with the employees' display order given (list indexes), as
    // the employee list on the screen shows them.
    W2PrintJob(const CompanyRecord& company, const EmployeeList& employees, const W2List& w2s,
               const PrintW2Options& options, std::vector<int> displayOrder, int currentEmployeeIndex);

    QString DocumentTitle() const override;

private:
    void DrawSheet(Page& page) const override;
    void DrawForm(Page& page, int slot, int employeeIndex) const override;
    void DrawEmptyFormMark(Page& page) const override;

    const CompanyRecord& company_;
    const EmployeeList& employees_;
    const W2List& w2s_;
    PrintW2Options options_;
    W2Paper paper_;
    QHash<int, int> w2ByEmployee_;
    PointTable table_;
    int pitch_ = 0;
    int shift_ = 0;
    PageFont font_;
};
