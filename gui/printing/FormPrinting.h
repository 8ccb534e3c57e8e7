#pragma once

#include "core/print/PrintJob.h"
#include "render/output/PagedOutput.h"

#include <functional>
#include <memory>

#include <QString>

class FormPictures;
class QPrinter;
class QWidget;

// Printing a form screen's job: the platform's print dialog, the pages on
// the printer it returns, and a preview of the very same pages. The job is
// made when it is printed, from what the company holds then; its pages are
// positions on Letter paper from the paper's corner, the same on every
// printer, in a PDF and in the preview.
using PrintJobMaker = std::function<std::unique_ptr<PrintJob>()>;

// Why `printer` must not print: a printer that prints to a file never writes
// onto a company's files of `dataFolder` nor over what is not a regular file
// (OutputTarget.h). Empty when it may.
QString PrintFileRefusal(const QPrinter& printer, const QString& dataFolder);

// Paints every page of `job` onto `printer`, on Letter from the paper's
// corner. A file refused by PrintFileRefusal is not written (Failed, with
// the reason in `refusal`). A file is written beside its name and put in
// its place only when whole; a run that `progress` stops leaves nothing:
// no file, no printer job.
PrintOutcome PrintJobOnPrinter(QPrinter& printer, const PrintJob& job, FormPictures& pictures,
                               const QString& dataFolder, QString* refusal = nullptr,
                               const PageProgress& progress = {});

// Letter paper, the page range not offered; the print dialog (offering the
// file or printer the last print of the run went to), then the pages with
// a progress window that can stop them. Before printing the user is told
// of a paper size other than Letter picked in the dialog, and asked about
// values that would fall outside what the printer can print. False when
// the user cancelled or nothing could be printed (the user is told why).
bool PrintWithDialog(QWidget* parent, const PrintJobMaker& makeJob, const QString& dataFolder);

// The pages as the default printer would get them, in a preview window
// from which they can be printed as well.
void PreviewPrintJob(QWidget* parent, const PrintJobMaker& makeJob, const QString& dataFolder);
