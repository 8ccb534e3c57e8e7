#include "gui/controls/FormPrinting.h"

#include "core/files/NewFileMode.h"
#include "core/files/OutputTarget.h"
#include "core/shell/Prompt.h"
#include "gui/controls/WaitCursor.h"
#include "render/FormPictures.h"
#include "render/PageRenderer.h"
#include "render/PagedOutput.h"

#include <QFile>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTemporaryFile>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace {

void UseLetterPaper(QPrinter& printer)
{
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setDocName(QStringLiteral("Formlark (2005)"));
    printer.setCreator(QStringLiteral("Formlark (2005)"));
}

void DisablePageRange(QPrintDialog& dialog)
{
    static const char* const rangeControls[] = {"printRange", "from", "to", "pagesRadioButton", "pagesLineEdit",
                                                "printSelection", "printCurrentPage"};
    for (const char* name : rangeControls)
        if (QWidget* control = dialog.findChild<QWidget*>(QLatin1String(name)))
            control->setEnabled(false);
}

// A PDF the printer finished: it ends with the end-of-file mark, which a
// file cut short by a full disk lacks.
bool PdfIsWhole(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() < 8)
        return false;
    file.seek(std::max<qint64>(0, file.size() - 64));
    return file.readAll().contains("%%EOF");
}

// Where the user printed last in this run: a file, or a printer.
struct Destination {
    QString file;
    QString printer;
};

Destination& LastDestination()
{
    static Destination last;
    return last;
}

bool PaintJob(QPrinter& printer, PrintJob& job, FormPictures& pictures)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    PageRenderer renderer(pictures);
    const bool painted = PaintJobPages(painter, printer, job, renderer, 1, job.PageCount());
    return painter.end() && painted;
}

} // namespace

void PlaceOriginForOutput(QPrinter& printer)
{
    printer.setFullPage(printer.outputFormat() == QPrinter::PdfFormat);
}

bool PrintJobOnPrinter(QPrinter& printer, const PrintJobMaker& makeJob, FormPictures& pictures,
                       const QString& dataFolder, QString* refusal)
{
    const std::unique_ptr<PrintJob> job = makeJob(PageLayoutMargins(printer.pageLayout()));
    if (!job || job->PageCount() <= 0)
        return false;
    printer.setDocName(job->DocumentTitle());
    const QString chosen = printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName() : QString();
    if (chosen.isEmpty())
        return PaintJob(printer, *job, pictures);
    const QString refused = OutputTargetRefusal(chosen, dataFolder);
    if (!refused.isEmpty()) {
        if (refusal)
            *refusal = refused;
        return false;
    }
    // Written where it was checked: links resolved as the system resolves them.
    const QString target = OutputTargetPath(chosen);

    // Printed to a file: written beside it under another name, and put in
    // its place only when whole, so a full disk never leaves half a file
    // where an older one was.
    QTemporaryFile part(target + QStringLiteral(".part-XXXXXX"));
    // The PDF gets the mode of the file it replaces, or the user's umask's.
    if (!part.open() || !GiveTargetMode(part.fileName(), target))
        return false;
    const QString partPath = part.fileName();
    part.close();
    printer.setOutputFileName(partPath);
    const bool painted = PaintJob(printer, *job, pictures);
    printer.setOutputFileName(chosen);
    return painted && PdfIsWhole(partPath)
        && std::rename(QFile::encodeName(partPath).constData(), QFile::encodeName(target).constData()) == 0;
}

bool PrintWithDialog(QWidget* parent, const PrintJobMaker& makeJob, const QString& dataFolder)
{
    QPrinter printer(QPrinter::HighResolution);
    UseLetterPaper(printer);
    const std::unique_ptr<PrintJob> probe = makeJob(PageLayoutMargins(printer.pageLayout()));
    const int pages = probe ? probe->PageCount() : 0;
    if (pages <= 0)
        return false;

    // The dialog offers where the last print of the run went.
    const Destination& last = LastDestination();
    if (!last.file.isEmpty())
        printer.setOutputFileName(last.file);
    else if (!last.printer.isEmpty())
        printer.setPrinterName(last.printer);

    // The job prints whole: no page range, selection or current page.
    QPrintDialog dialog(&printer, parent);
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize
                      | QAbstractPrintDialog::PrintCollateCopies);
    // Some platform dialogs offer "Pages from" whatever the options say;
    // once shown, its range controls are switched off.
    QTimer::singleShot(0, &dialog, [&dialog] { DisablePageRange(dialog); });
    if (dialog.exec() != QDialog::Accepted)
        return false;
    // The dialog may leave a range behind: the job prints whole.
    printer.setPrintRange(QPrinter::AllPages);
    PlaceOriginForOutput(printer);
    const Destination chosen = printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()
                                   ? Destination{printer.outputFileName(), QString()}
                                   : Destination{QString(), printer.printerName()};

    FormPictures pictures = FormPictures::FromProgramFolder();
    bool printed = false;
    QString refusal;
    {
        WaitCursor wait;
        printed = PrintJobOnPrinter(printer, makeJob, pictures, dataFolder, &refusal);
    }
    // A file refused as a company's is not offered again.
    if (refusal.isEmpty())
        LastDestination() = chosen;
    if (!refusal.isEmpty())
        AppPrompt().Tell(refusal, PromptIcon::Exclamation);
    else if (!printed)
        AppPrompt().Tell(QStringLiteral("The forms could not be printed on \"%1\". Check the printer (or the "
                                        "file name) and try again.")
                             .arg(printer.outputFileName().isEmpty() ? printer.printerName()
                                                                      : printer.outputFileName()),
                         PromptIcon::Exclamation);
    return printed;
}

void PreviewPrintJob(QWidget* parent, const PrintJobMaker& makeJob, const QString& dataFolder)
{
    QPrinter printer(QPrinter::HighResolution);
    UseLetterPaper(printer);
    FormPictures pictures = FormPictures::FromProgramFolder();
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(QStringLiteral("Print Preview"));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&](QPrinter* target) {
        PlaceOriginForOutput(*target);
        // Printed from the preview to a file: the same check as from the dialog.
        QString refusal;
        PrintJobOnPrinter(*target, makeJob, pictures, dataFolder, &refusal);
        if (!refusal.isEmpty())
            AppPrompt().Tell(refusal, PromptIcon::Exclamation);
    });
    preview.resize(900, 1000);
    preview.exec();
}
