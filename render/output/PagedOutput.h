#pragma once

#include "core/print/PrintAlignment.h"
#include "core/print/PrintJob.h"
#include "render/painting/PageRenderer.h"

#include <QImage>
#include <QString>

#include <functional>

class QPagedPaintDevice;
class QPainter;

// Letter paper, the size of every form page, in page units.
inline constexpr int kLetterWidthUnits = 2159;
inline constexpr int kLetterHeightUnits = 2794;

// Letter paper as a rectangle of page units from the paper's corner.
inline QRect LetterPage()
{
    return QRect(0, 0, kLetterWidthUnits, kLetterHeightUnits);
}

// Told after each page (and once before the first) how many pages of how
// many are done; answers false to stop the work.
using PageProgress = std::function<bool(int done, int total)>;

// How a print run ended: every page printed, stopped by the user (nothing
// is left of it), or failed.
enum class PrintOutcome { Printed, Stopped, Failed };

// Paints pages first..last (counted from 1) of `job` onto a painter that is
// active on `device`, starting a new device page between them. Failed when
// the device refuses a new page; Stopped when `progress` said so.
PrintOutcome PaintJobPages(QPainter& painter, QPagedPaintDevice& device, const PrintJob& job, PageRenderer& renderer,
                           int firstPage, int lastPage, const PageProgress& progress = {});

// Writes every page of `job` to a PDF on Letter paper without margins. The
// file appears only when it is complete: it is written beside its name and
// renamed at the end, so a failure leaves no file (and no half-written one
// in place of an older one). On failure `error` says why.
bool WriteJobToPdf(const PrintJob& job, FormPictures& pictures, const QString& fileName, QString* error = nullptr);

// A Letter page on a white image at `dotsPerInch`, for a preview.
QImage RenderPageImage(const Page& page, FormPictures& pictures, double dotsPerInch);
