// Converting a store of the earlier Windows editions: a company of 10,000
// employees with their W-2s and 10,000 contractors with their 1099-MISCs,
// written in that format by the test-data writer, read (without converting)
// and converted into a store of this edition. Prints medians.
#include "bench/BenchCompany.h"
#include "core/settings/Settings.h"
#include "core/store/CompanyData.h"
#include "core/store/EarlierStoreReader.h"
#include "core/companyfiles/StoreConversion.h"
#include "tests/support/EarlierStoreWriter.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <vector>

int main(int argc, char** argv)
{
    const bool small = SmallRun(argc, argv);
    const std::vector<int> sizes = small ? std::vector<int>{50} : std::vector<int>{2500, 10000};
    const int runs = small ? 1 : 7;
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    SetSettingsFile(dir.filePath("settings.ini"));
    std::printf("company size      file (KiB)   read median (ms)   convert median (ms)\n");
    for (int n : sizes) {
        const QByteArray bytes = EarlierStoreOf(LargeCompany(n, n));
        const QString original = dir.filePath(QStringLiteral("Earlier%1.pmt").arg(n));
        QFile file(original);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return 1;
        file.close();

        std::vector<double> reads;
        std::vector<double> conversions;
        for (int run = 0; run < runs; ++run) {
            CompanyData data;
            QElapsedTimer timer;
            timer.start();
            if (!ReadEarlierStore(original, data) || data.employees.size() != size_t(n))
                return 1;
            reads.push_back(timer.nsecsElapsed() / 1e6);

            const QString path = dir.filePath(QStringLiteral("Run%1-%2.pmt").arg(n).arg(run));
            if (!QFile::copy(original, path))
                return 1;
            QString problem;
            timer.restart();
            const bool converted = ConvertEarlierStore(path, KeptOriginalPath(path), &problem);
            conversions.push_back(timer.nsecsElapsed() / 1e6);
            if (!converted) {
                std::fprintf(stderr, "%s\n", qPrintable(problem));
                return 1;
            }
        }
        std::printf("%6d + %6d   %9lld   %16.1f   %19.1f\n", n, n, qlonglong(bytes.size() / 1024), Median(reads),
                    Median(conversions));
    }
    return 0;
}
