// Store timings: loading a large company whole, and committing one W-2
// change (open + statement + close on the real file). Prints medians.
#include "bench/BenchCompany.h"
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

int main(int argc, char** argv)
{
    const bool small = SmallRun(argc, argv);
    const std::vector<int> sizes = small ? std::vector<int>{50} : std::vector<int>{2500, 5000, 10000};
    const int runs = small ? 1 : 7;
    const int commitRuns = small ? 3 : 25;
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    SetSettingsFile(dir.filePath("settings.ini"));
    std::printf("company size     load median (ms)\n");
    for (int n : sizes) {
        const QString path = dir.filePath(QStringLiteral("Company%1.pmt").arg(n));
        // A company of n employees and n contractors, each with a filled form.
        if (!WriteCompanyStore(path, LargeCompany(n, n))) {
            std::fprintf(stderr, "could not build the company\n");
            return 1;
        }
        std::vector<double> times;
        for (int run = 0; run < runs; ++run) {
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
    const QString path = dir.filePath(QStringLiteral("Company%1.pmt").arg(sizes.back()));
    CGlobalDoc doc;
    doc.SetCurrentCompany(doc.CurrentCompanyName(), path);
    if (!doc.LoadCurrentCompany())
        return 1;
    std::vector<double> commits;
    for (int run = 0; run < commitRuns; ++run) {
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
