#pragma once

#include "core/print/PagePrimitives.h"

#include <QString>

// A print job laid out page by page: the screens and the print command ask
// it for the page count, then for each page (counted from 1) in turn.
class PrintJob {
public:
    virtual ~PrintJob() = default;
    virtual int PageCount() const = 0;
    virtual Page LayOutPage(int page) const = 0;
    // The name of the printed document ("Form W-2 — Sample Company"): the
    // title of a PDF, the job's name in a printer queue.
    virtual QString DocumentTitle() const = 0;
};

// "<form> — <company>", or the form alone for a company without a name.
inline QString FormDocumentTitle(const QString& form, const QString& company)
{
    return company.isEmpty() ? form : form + QStringLiteral(" \u2014 ") + company;
}
