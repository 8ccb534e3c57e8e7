// Store timings: loading a large company whole, and committing one W-2
// change (open + statement + close on the real file). Prints medians.
#include "core/document/GlobalDoc.h"
#include "core/settings/Settings.h"
#include "core/store/CompanyData.h"
#include "core/store/CompanyStore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

bool Exec(CompanyStore& store, const char* sql)
{
    return store.Execute(QByteArray(sql)) == 0;
}

// A company of n employees and n contractors, each with a filled form.
bool BuildCompany(const QString& path, int n)
{
    CompanyStore store;
    if (CreateCompanyStore(store, path) != 0)
        return false;
    CompanyRecord company;
    company.EmployerName = "Benchmark Company";
    if (store.InsertCompany(company, 1) != 0)
        return false;
    Exec(store, "BEGIN");
    for (int id = 1; id <= n; ++id) {
        EmployeeRecord e;
        e.SocialSecurityNumber = QStringLiteral("900-%1-%2").arg(id % 100, 2, 10, QChar('0')).arg(id % 10000, 4, 10, QChar('0'));
        e.FirstName = QStringLiteral("First%1").arg(id);
        e.MiddleName = "Q";
        e.LastName = QStringLiteral("Last%1").arg(id);
        e.Address1 = "100 Main Street";
        e.City = "Springfield";
        e.State = "IL";
        e.Zip = "62701-1234";
        store.InsertEmployee(e, id);
        W2Record w;
        w.EmployeeUniqueID = id;
        w.Wages = w.SocialSecurityWages = w.MedicareWages = w.StateWages1 = "45000.00";
        w.FederalIncomeTaxWithdrawal = "5400.00";
        w.SocialSecurityTaxWithheld = "2790.00";
        w.MedicareTaxWithheld = "652.50";
        w.StateIncomTax1 = "1800.00";
        store.InsertW2(w, id);
        ContractorRecord c;
        c.IdentificationNumber = QStringLiteral("98-%1").arg(id, 7, 10, QChar('0'));
        c.FirstName = QStringLiteral("Vendor%1").arg(id);
        c.LastName = "Supplies";
        c.Address1 = "5 Industrial Way";
        c.City = "Peoria";
        c.State = "IL";
        c.Zip = "61602";
        store.InsertContractor(c, id);
        Form1099Record f;
        f.ContractorUniqueID = id;
        f.NonemployeeCompensation = "12000.00";
        store.InsertForm1099(f, id);
    }
    return Exec(store, "COMMIT");
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    SetSettingsFile(dir.filePath("settings.ini"));
    std::printf("company size     load median (ms)\n");
    for (int n : {2500, 5000, 10000}) {
        const QString path = dir.filePath(QStringLiteral("Company%1.pmt").arg(n));
        if (!BuildCompany(path, n)) {
            std::fprintf(stderr, "could not build the company\n");
            return 1;
        }
        std::vector<double> times;
        for (int run = 0; run < 7; ++run) {
            CompanyStore store;
            CompanyData data;
            QElapsedTimer timer;
            timer.start();
            const int rc = LoadCompany(store, path, data);
            times.push_back(timer.nsecsElapsed() / 1e6);
            if (rc != 0 || data.employees.size() != size_t(n) || data.forms1099.size() != size_t(n))
                return 1;
        }
        std::printf("%5d + %5d   %8.1f\n", n, n, Median(times));
    }

    // One W-2 change committed through the document, as the W-2 screen does.
    const QString path = dir.filePath("Company10000.pmt");
    CGlobalDoc doc;
    doc.CurrentStorePath = path;
    if (!doc.LoadCurrentCompany())
        return 1;
    std::vector<double> commits;
    for (int run = 0; run < 25; ++run) {
        W2Record w2 = doc.W2Forms()[size_t(run)];
        w2.Wages = QStringLiteral("%1.00").arg(50000 + run);
        QElapsedTimer timer;
        timer.start();
        const SaveOutcome outcome = doc.Editor().SaveW2(w2.EmployeeUniqueID, w2);
        commits.push_back(timer.nsecsElapsed() / 1e6);
        if (outcome != SaveOutcome::Saved)
            return 1;
    }
    std::printf("one W-2 commit   %8.2f ms (median of %zu)\n", Median(commits), commits.size());
    return 0;
}
