#pragma once

#include "core/print/PagePrimitives.h"

// A print job laid out page by page: the screens and the print command ask
// it for the page count, then for each page (counted from 1) in turn.
class PrintJob {
public:
    virtual ~PrintJob() = default;
    virtual int PageCount() const = 0;
    virtual Page LayOutPage(int page) const = 0;
};
