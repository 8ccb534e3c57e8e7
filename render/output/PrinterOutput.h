#pragma once

#include "render/output/PagedOutput.h"

#include <QRectF>
#include <QString>

class QPrinter;
class QPageSize;

// Printing jobs through the system's printers (and Qt's "print to file").
// The forms are Letter and their points are positions on the paper, so
// every printer prints on Letter from the paper's corner: the print system
// takes the printer's own unprintable margin into account, and a value lands
// in the same box whether the page goes to a printer or into a PDF.

// Letter paper, upright, painted from the paper's corner.
void UseFormPaper(QPrinter& printer);
bool IsLetter(const QPageSize& size);

// What of the paper `printer` can print, in page units from the paper's
// corner: the page less the printer's smallest margins; all of it for a
// file.
QRectF PrintableArea(const QPrinter& printer);
// How that area is named to the user ("the area "Office" can print").
QString PrintableAreaName(const QPrinter& printer);

// Paints every page of `job` onto `printer`, on form paper (UseFormPaper).
// A run that `progress` stops is aborted: a printer gets no job at all.
PrintOutcome PrintJobOn(QPrinter& printer, const PrintJob& job, FormPictures& pictures,
                        const PageProgress& progress = {});

// Sets `printer` up for the system's printer queue `queue`, `copies` times.
// False when there is no such queue, with the reason (and the queues there
// are) in `why`.
bool UsePrinterQueue(QPrinter& printer, const QString& queue, int copies, QString* why);
