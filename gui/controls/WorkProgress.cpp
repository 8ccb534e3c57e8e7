#include "gui/controls/WorkProgress.h"

namespace {

int& ShowAfter()
{
    static int milliseconds = 700;
    return milliseconds;
}

} // namespace

CWorkProgress::CWorkProgress(QWidget* parent, const QString& title, const QString& label, int total)
    : dialog_(label, QStringLiteral("Cancel"), 0, total, parent)
{
    dialog_.setObjectName(QStringLiteral("WorkProgress"));
    dialog_.setWindowTitle(title);
    dialog_.setWindowModality(Qt::WindowModal);
    dialog_.setMinimumDuration(ShowAfter());
    dialog_.setAutoClose(false);
    dialog_.setAutoReset(false);
    dialog_.setValue(0);
}

bool CWorkProgress::Step(int done)
{
    // A modal progress window takes the pending events on each step: it is
    // drawn, and its Cancel button answers.
    dialog_.setValue(done);
    shown_ = shown_ || dialog_.isVisible();
    return !dialog_.wasCanceled();
}

void CWorkProgress::SetShowAfter(int milliseconds)
{
    ShowAfter() = milliseconds;
}
