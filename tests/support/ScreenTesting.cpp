#include "tests/support/ScreenTesting.h"

#include "gui/controls/BalloonWindow.h"
#include "gui/screens/FormCells.h"
#include "render/painting/FormPictures.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPageLayout>
#include <QPrinter>

QList<CBalloonWindow*> OpenBalloons()
{
    QList<CBalloonWindow*> found;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* balloon = qobject_cast<CBalloonWindow*>(window); balloon && balloon->isVisible())
            found << balloon;
    return found;
}

void CloseBalloons()
{
    for (CBalloonWindow* balloon : OpenBalloons())
        delete balloon;
}

QStringList BoxesOutsideCells(const QWidget* form)
{
    QStringList outside;
    QList<QWidget*> boxes;
    for (QLineEdit* edit : form->findChildren<QLineEdit*>())
        boxes << edit;
    for (QCheckBox* check : form->findChildren<QCheckBox*>())
        boxes << check;
    for (QWidget* box : boxes) {
        const QWidget* up = box->parentWidget();
        while (up && up != form && !qobject_cast<const CFormCell*>(up))
            up = up->parentWidget();
        if (!up || up == form)
            outside << box->objectName();
    }
    return outside;
}

bool PrintIntoPdf(const PrintJobMaker& makeJob, const QString& pdf, const QString& dataFolder, QString* refusal)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setPageMargins(QMarginsF(5, 4, 5, 4), QPageLayout::Millimeter);
    FormPictures pictures(qEnvironmentVariable("FORMLARK_RUNTIME_DIR") + u'/');
    const std::unique_ptr<PrintJob> job = makeJob();
    return job && PrintJobOnPrinter(printer, *job, pictures, dataFolder, refusal) == PrintOutcome::Printed;
}
