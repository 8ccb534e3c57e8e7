#include "gui/import/CsvTransfer.h"

#include "core/document/GlobalDoc.h"
#include "core/import/CsvExport.h"
#include "core/import/CsvFile.h"
#include "core/prompt/Prompt.h"
#include "gui/controls/WaitCursor.h"
#include "gui/import/CsvImportDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace {

const char kFilter[] = "CSV files (*.csv *.txt);;All files (*)";

QString People(PeopleKind kind, int count)
{
    if (kind == PeopleKind::Employees)
        return QStringLiteral("%1 employee(s) with their W-2s").arg(count);
    return QStringLiteral("%1 contractor(s) with their 1099-MISCs").arg(count);
}

} // namespace

CCsvTransfer::CCsvTransfer(CGlobalDoc& document, QWidget* window)
    : document_(document)
    , window_(window)
    , folder_(QDir::homePath())
{
}

void CCsvTransfer::Import(PeopleKind kind)
{
    const QString path = QFileDialog::getOpenFileName(window_,
                                                      QString::fromUtf8(kind == PeopleKind::Employees
                                                                            ? CsvTransferTexts::kImportEmployees
                                                                            : CsvTransferTexts::kImportContractors)
                                                          .chopped(1),
                                                      folder_, QLatin1String(kFilter));
    if (!path.isEmpty())
        ImportFile(kind, path);
}

void CCsvTransfer::Export(PeopleKind kind)
{
    const QString suggested = QStringLiteral("%1 %2.csv")
                                  .arg(document_.CurrentCompanyName(), kind == PeopleKind::Employees
                                                                           ? QStringLiteral("employees")
                                                                           : QStringLiteral("contractors"));
    const QString path = QFileDialog::getSaveFileName(window_,
                                                      QString::fromUtf8(kind == PeopleKind::Employees
                                                                            ? CsvTransferTexts::kExportEmployees
                                                                            : CsvTransferTexts::kExportContractors)
                                                          .chopped(1),
                                                      QDir(folder_).filePath(suggested), QLatin1String(kFilter));
    if (!path.isEmpty())
        ExportFile(kind, path);
}

bool CCsvTransfer::ImportFile(PeopleKind kind, const QString& path)
{
    folder_ = QFileInfo(path).absolutePath();
    CsvTable table;
    {
        const WaitCursor wait;
        table = ReadCsvFile(path);
    }
    if (!table.Readable()) {
        AppPrompt().Tell(table.error, PromptIcon::Exclamation);
        return false;
    }
    CCsvImportDialog dialog(document_, kind, path, std::move(table), window_);
    if (!dialog.CheckRows() || dialog.exec() != QDialog::Accepted)
        return false;
    const ImportedPeople& imported = dialog.Imported();
    // A refused write was reported by the document, which keeps the rows for Save.
    if (imported.outcome == SaveOutcome::Kept)
        return true;
    QString text = QStringLiteral("%1 imported: %2 added, %3 updated.")
                       .arg(People(kind, imported.added + imported.updated))
                       .arg(imported.added)
                       .arg(imported.updated);
    if (!imported.refusals.isEmpty())
        text += QStringLiteral("\n\n%1 row(s) were refused: %2")
                    .arg(imported.refusals.size())
                    .arg(imported.refusals.join(u' '));
    AppPrompt().Tell(text, PromptIcon::Information);
    return true;
}

bool CCsvTransfer::ExportFile(PeopleKind kind, const QString& path)
{
    folder_ = QFileInfo(path).absolutePath();
    QString error;
    bool written = false;
    {
        const WaitCursor wait;
        written = WriteCsvFile(path, ExportPeopleCsv(kind, document_.Data()), document_.DataFolder(), &error);
    }
    if (!written) {
        AppPrompt().Tell(error, PromptIcon::Exclamation);
        return false;
    }
    const int count = int(kind == PeopleKind::Employees ? document_.Employees().size()
                                                        : document_.Contractors().size());
    AppPrompt()
        .Tell(QStringLiteral("%1 were written to \"%2\".").arg(People(kind, count), QDir::toNativeSeparators(path)),
              PromptIcon::Information);
    return true;
}
