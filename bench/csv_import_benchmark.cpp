// Importing 10,000 employees with their W-2s from a CSV file as the Tools
// menu does, preview included: reading the file, the preview window with
// every row checked, and the confirmed import written to a new company's
// store. Prints the median of the whole and of its two halves, and of the
// same rows' statements run in one transaction on one opened store (what
// the import's write costs once the document commits that way).
#include "bench/BenchCompany.h"
#include "core/document/GlobalDoc.h"
#include "core/import/CsvExport.h"
#include "core/import/CsvFile.h"
#include "core/settings/Settings.h"
#include "core/store/CompanyData.h"
#include "core/store/CompanyStore.h"
#include "gui/import/CsvImportDialog.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// A payroll export of `n` employees, every W-2 column filled in.
QByteArray PayrollFile(int n)
{
    CompanyData data = LargeCompany(n, 0);
    for (size_t i = 0; i < data.employees.size(); ++i) {
        data.employees[i].Address1 = "100 Main Street, Apt 4"; // a comma to quote
        W2Record& w = data.w2s[i];
        w.LocalWages1 = "45000.00";
        w.LocalIncomeTax1 = "450.00";
        w.Field12aAmount = "3000.00";
        w.RetirementPlan = 1;
        w.Other1 = "UNION 120.00";
        w.LocalityName1 = "SPRFLD";
    }
    return ExportPeopleCsv(PeopleKind::Employees, data);
}

// The statements of `data`'s employees and W-2s in one transaction on a new
// store; milliseconds, or a negative number on failure.
double OneTransaction(const QString& path, const CompanyData& data)
{
    CompanyData empty;
    empty.company.EmployerName = "Benchmark Company";
    empty.company.CompanyUniqueID = 1;
    if (!WriteCompanyStore(path, empty))
        return -1;
    QElapsedTimer timer;
    timer.start();
    CompanyStore store;
    if (store.OpenExisting(path) != CompanyStore::kOk || store.Execute("BEGIN") != CompanyStore::kOk)
        return -1;
    for (size_t i = 0; i < data.employees.size(); ++i)
        if (store.InsertEmployee(data.employees[i], data.employees[i].EmployeeUniqueID) != CompanyStore::kOk
            || store.InsertW2(data.w2s[i], data.w2s[i].W2UniqueID) != CompanyStore::kOk)
            return -1;
    if (store.Execute("COMMIT") != CompanyStore::kOk)
        return -1;
    store.Close();
    return timer.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    const bool small = SmallRun(argc, argv);
    const int rowCount = small ? 50 : 10000;
    const int runs = small ? 1 : 5;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    qputenv("FORMLARK_SETTINGS_FILE", dir.filePath("bench.ini").toUtf8());
    const QString csv = dir.filePath("payroll.csv");
    {
        QFile file(csv);
        if (!file.open(QIODevice::WriteOnly) || file.write(PayrollFile(rowCount)) < 0)
            return 1;
    }

    std::vector<double> total, preview, commit, transaction;
    for (int run = 0; run < runs; ++run) {
        const QString store = dir.filePath(QStringLiteral("Run %1.pmt").arg(run));
        CompanyData empty;
        empty.company.EmployerName = "Benchmark Company";
        empty.company.CompanyUniqueID = 1;
        if (!WriteCompanyStore(store, empty))
            return 1;
        CGlobalDoc document;
        document.SetDataFolder(dir.path() + u'/');
        document.SetCurrentCompany(QStringLiteral("Run %1").arg(run), store);
        if (!document.LoadCurrentCompany())
            return 1;

        QElapsedTimer timer;
        timer.start();
        CCsvImportDialog dialog(document, PeopleKind::Employees, csv, ReadCsvFile(csv));
        if (!dialog.CheckRows() || dialog.Plan().Adds() != rowCount)
            return 1;
        const double checked = timer.nsecsElapsed() / 1e6;
        dialog.accept();
        const double done = timer.nsecsElapsed() / 1e6;
        if (dialog.Imported().added != rowCount || dialog.Imported().outcome != SaveOutcome::Saved)
            return 1;
        const double oneTransaction = OneTransaction(dir.filePath(QStringLiteral("Once %1.pmt").arg(run)),
                                                     document.Data());
        if (oneTransaction < 0)
            return 1;
        transaction.push_back(oneTransaction);
        total.push_back(done);
        preview.push_back(checked);
        commit.push_back(done - checked);
        std::printf("run %d: %.0f ms (file and preview %.0f ms, import %.0f ms); its statements in one transaction "
                    "%.0f ms\n",
                    run + 1, done, checked, done - checked, oneTransaction);
    }
    std::printf("csv import of %d employees with W-2s, median of %d: %.0f ms (file and preview %.0f ms, import "
                "%.0f ms); the import's statements in one transaction: %.0f ms\n",
                rowCount, runs, Median(total), Median(preview), Median(commit), Median(transaction));
    return 0;
}
