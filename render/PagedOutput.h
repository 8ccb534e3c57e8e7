#pragma once

#include "render/PageRenderer.h"
#include "core/print/PrintAlignment.h"
#include "core/print/PrintJob.h"

#include <QImage>
#include <QString>

class QPagedPaintDevice;
class QPageLayout;
class QPainter;

// Letter paper, the size of every form page, in page units.
inline constexpr int kLetterWidthUnits = 2159;
inline constexpr int kLetterHeightUnits = 2794;

// The unprintable margin at the left and top of a paged device's pages (a
// printer's; 0 for a PDF without margins), for the laser substitutes.
PrinterMargins PageLayoutMargins(const QPageLayout& layout);

// Paints pages first..last (counted from 1) of `job` onto a painter that is
// active on `device`, starting a new device page between them. False when
// the device refuses a new page.
bool PaintJobPages(QPainter& painter, QPagedPaintDevice& device, const PrintJob& job, PageRenderer& renderer,
                   int firstPage, int lastPage);

// Writes every page of `job` to a PDF on Letter paper without margins. The
// file appears only when it is complete: it is written beside its name and
// renamed at the end, so a failure leaves no file (and no half-written one
// in place of an older one). On failure `error` says why.
bool WriteJobToPdf(const PrintJob& job, FormPictures& pictures, const QString& fileName, QString* error = nullptr);

// A Letter page on a white image at `dotsPerInch`, for a preview.
QImage RenderPageImage(const Page& page, FormPictures& pictures, double dotsPerInch);
