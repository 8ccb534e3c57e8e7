#pragma once

#include <QProgressDialog>
#include <QString>

// The progress window of work of the window that can take more than a
// second (printing many forms, importing or saving a large file): a bar, a
// line saying how far the work is, and a Cancel button. It appears only when
// the work runs longer than a moment, so short work shows nothing; the
// window stays usable meanwhile (it is redrawn and answers Cancel) while
// every other input waits for the work.
class CWorkProgress {
public:
    // `label` says what is done; `total` steps make the whole work.
    CWorkProgress(QWidget* parent, const QString& title, const QString& label, int total);

    // Notes that `done` steps of the total are done. False once the user has
    // cancelled: the work stops and leaves nothing half-done behind.
    bool Step(int done);
    bool Cancelled() const { return dialog_.wasCanceled(); }
    // Whether the window was on the screen: the work took long enough that
    // its end is worth a word.
    bool Shown() const { return shown_; }

    // How long work runs before the window appears (tests set 0).
    static void SetShowAfter(int milliseconds);

private:
    QProgressDialog dialog_;
    bool shown_ = false;
};
