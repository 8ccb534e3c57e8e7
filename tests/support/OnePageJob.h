#pragma once

// A laid-out page as a print job of its own, to be painted or written as a
// PDF by the tests.

#include "core/print/PrintJob.h"

#include <utility>

class OnePageJob : public PrintJob {
public:
    explicit OnePageJob(Page page, QString title = QStringLiteral("test page"))
        : page_(std::move(page))
        , title_(std::move(title))
    {
    }
    int PageCount() const override { return 1; }
    Page LayOutPage(int page) const override { return page == 1 ? page_ : Page(); }
    QString DocumentTitle() const override { return title_; }

private:
    Page page_;
    QString title_;
};
