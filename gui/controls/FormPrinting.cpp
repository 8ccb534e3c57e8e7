#include "gui/controls/FormPrinting.h"

#include "core/shell/Prompt.h"
#include "gui/controls/WaitCursor.h"
#include "render/FormPictures.h"
#include "render/PagedOutput.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTimer>

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

} // namespace

bool PrintJobOnPrinter(QPrinter& printer, const PrintJobMaker& makeJob, FormPictures& pictures)
{
    const std::unique_ptr<PrintJob> job = makeJob(PageLayoutMargins(printer.pageLayout()));
    const int pages = job ? job->PageCount() : 0;
    if (pages <= 0)
        return false;
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    PageRenderer renderer(pictures);
    const bool painted = PaintJobPages(painter, printer, *job, renderer, 1, pages);
    return painter.end() && painted;
}

bool PrintWithDialog(QWidget* parent, const PrintJobMaker& makeJob)
{
    QPrinter printer(QPrinter::HighResolution);
    UseLetterPaper(printer);
    const std::unique_ptr<PrintJob> probe = makeJob(PageLayoutMargins(printer.pageLayout()));
    const int pages = probe ? probe->PageCount() : 0;
    if (pages <= 0)
        return false;


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

    FormPictures pictures = FormPictures::FromProgramFolder();
    bool printed = false;
    {
        WaitCursor wait;
        printed = PrintJobOnPrinter(printer, makeJob, pictures);
    }
    if (!printed)
        AppPrompt().Tell(QStringLiteral("The forms could not be printed on \"%1\". Check the printer (or the "
                                        "file name) and try again.")
                             .arg(printer.outputFileName().isEmpty() ? printer.printerName()
                                                                      : printer.outputFileName()),
                         PromptIcon::Exclamation);
    return printed;
}

void PreviewPrintJob(QWidget* parent, const PrintJobMaker& makeJob)
{
    QPrinter printer(QPrinter::HighResolution);
    UseLetterPaper(printer);
    FormPictures pictures = FormPictures::FromProgramFolder();
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(QStringLiteral("Print Preview"));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&](QPrinter* target) { PrintJobOnPrinter(*target, makeJob, pictures); });
    preview.resize(900, 1000);
    preview.exec();
}
