#pragma once

#include "core/print/PrintAlignment.h"
#include "core/print/PrintJob.h"

#include <functional>
#include <memory>

#include <QString>

class FormPictures;
class QPrinter;
class QWidget;

// Printing a form screen's job: the platform's print dialog, the pages on
// the printer it returns, and a preview of the very same pages. A job is
// made for the printer it goes to, as the laser substitutes depend on the
// printer's unprintable margin.
using PrintJobMaker = std::function<std::unique_ptr<PrintJob>(const PrinterMargins&)>;

// Where the pages' origin lies for `printer`: for a file (PDF) the paper's
// corner, as `formlark print` writes it, so that the file printed later at
// actual size puts every value where the paper's boxes are; for a printer
// the printable area's corner. Set before the pages are painted.
void PlaceOriginForOutput(QPrinter& printer);

// Paints every page of the job made for `printer` onto it, from the origin
// the printer is set to (see PlaceOriginForOutput). A printer that prints to
// a file never writes onto a company's files of `dataFolder` nor over what
// is not a regular file (OutputTarget.h): that is refused, with the reason
// in `refusal`. False when there was nothing to print, the file was refused
// or the printer failed.
bool PrintJobOnPrinter(QPrinter& printer, const PrintJobMaker& makeJob, FormPictures& pictures,
                       const QString& dataFolder, QString* refusal = nullptr);

// Letter paper, the page range not offered; the print dialog (offering
// the file or printer the last print of the run went to), then the pages.
// False when the user cancelled or nothing could be printed (the user is
// told why).
bool PrintWithDialog(QWidget* parent, const PrintJobMaker& makeJob, const QString& dataFolder);

// The pages as the default printer would get them, in a preview window
// from which they can be printed as well.
void PreviewPrintJob(QWidget* parent, const PrintJobMaker& makeJob, const QString& dataFolder);
