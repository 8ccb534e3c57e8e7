// Damaged copies of stores of the earlier editions, made by mutating good
// ones thousands of times: whatever the damage, the reader never crashes,
// loops, reads outside the file or allocates without bound (the sanitizer
// build runs this too); it either refuses the file with a reason or reads a
// whole company. A failure names the seed and mutation to replay.
#include "core/store/CompanyData.h"
#include "core/store/EarlierStoreReader.h"
#include "tests/support/EarlierStoreWriter.h"
#include "tests/support/RecordBuilders.h"
#include "tests/support/TestFolders.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QtTest>

namespace {

constexpr int kPage = 1024;

QString Fixture(const QString& name)
{
    return EarlierStoreFixture(name);
}

// A store in the other byte order with rows on interior pages, so the
// mutations reach the big-endian reading too.
QByteArray BigEndianStore()
{
    EmployeeList employees;
    W2List w2s;
    for (int id = 1; id <= 60; ++id) {
        employees.push_back(MakeEmployee(id, "123-45-6789", QStringLiteral("First %1").arg(id), "Last"));
        w2s.push_back(MakeW2(id, id));
    }
    return EarlierStoreOf(MakeCompany("Big Endian Co", employees, w2s), {true, 3});
}

void PutWord(QByteArray& bytes, qsizetype at, quint32 value, bool bigEndian)
{
    for (int i = 0; i < 4 && at + i < bytes.size(); ++i)
        bytes[at + i] = char(value >> (bigEndian ? 24 - 8 * i : 8 * i));
}

// One mutation of `good`, chosen by `rng`: flipped bits anywhere, a number
// in a page's header or a cell's header, a page number that points
// elsewhere in the file (cycles, shared pages), a page copied over another,
// or a cut.
QByteArray Mutated(const QByteArray& good, bool bigEndian, QRandomGenerator& rng)
{
    QByteArray bytes = good;
    const int pages = int(bytes.size() / kPage);
    const auto anyPage = [&] { return int(rng.bounded(pages)); };
    switch (rng.bounded(6)) {
    case 0: { // bits
        const int flips = 1 + int(rng.bounded(4));
        for (int i = 0; i < flips; ++i) {
            const qsizetype at = qsizetype(rng.bounded(int(bytes.size())));
            bytes[at] = char(bytes[at] ^ (1 << rng.bounded(8)));
        }
        break;
    }
    case 1: { // a page header field
        const qsizetype page = qsizetype(anyPage()) * kPage;
        bytes[page + rng.bounded(8)] = char(rng.bounded(256));
        break;
    }
    case 2: { // a cell header: sizes, next cell, child
        const qsizetype at = qsizetype(anyPage()) * kPage + 8 + 4 * rng.bounded(60) + rng.bounded(12);
        bytes[at] = char(rng.bounded(256));
        break;
    }
    case 3: { // a word that is a page number of this file, or just past it
        const qsizetype at = qsizetype(anyPage()) * kPage + 4 * rng.bounded(kPage / 4);
        PutWord(bytes, at, quint32(rng.bounded(pages + 3)), bigEndian);
        break;
    }
    case 4: { // one page copied over another
        const int from = anyPage();
        const int to = 1 + int(rng.bounded(pages - 1));
        bytes.replace(qsizetype(to) * kPage, kPage, good.mid(qsizetype(from) * kPage, kPage));
        break;
    }
    default: // cut short, at a page boundary or inside a page
        bytes.truncate(rng.bounded(2) ? qsizetype(rng.bounded(pages)) * kPage
                                      : qsizetype(rng.bounded(int(bytes.size()))));
        break;
    }
    return bytes;
}

} // namespace

class EarlierStoreFuzzTest : public QObject {
    Q_OBJECT

private slots:
    void mutatedStoresAreRefusedOrReadWhole_data()
    {
        QTest::addColumn<QByteArray>("good");
        QTest::addColumn<bool>("bigEndian");
        QTest::addColumn<int>("mutations");
        QTest::newRow("Legacy Sample") << FileBytes(Fixture("Legacy Sample.pmt")) << false << 1500;
        QTest::newRow("Legacy Text") << FileBytes(Fixture("Legacy Text.pmt")) << false << 1000;
        QTest::newRow("Legacy Deleted (free pages)") << FileBytes(Fixture("Legacy Deleted.pmt")) << false << 400;
        QTest::newRow("Legacy Many (deep trees)") << FileBytes(Fixture("Legacy Many.pmt")) << false << 60;
        QTest::newRow("big-endian") << BigEndianStore() << true << 1000;
    }

    void mutatedStoresAreRefusedOrReadWhole()
    {
        QFETCH(QByteArray, good);
        QFETCH(bool, bigEndian);
        QFETCH(int, mutations);
        CompanyData reference;
        QString problem;
        QVERIFY2(ReadEarlierStoreBytes(good, reference, &problem), qPrintable(problem));

        const quint32 seed = qEnvironmentVariableIsSet("FORMLARK_FUZZ_SEED")
                                 ? quint32(qEnvironmentVariableIntValue("FORMLARK_FUZZ_SEED"))
                                 : 20050101u;
        QRandomGenerator rng(seed);
        int refused = 0;
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < mutations; ++i) {
            const QByteArray bytes = Mutated(good, bigEndian, rng);
            CompanyData data = MakeCompany("Untouched");
            problem.clear();
            const QString where = QStringLiteral("seed %1, mutation %2").arg(seed).arg(i);
            if (ReadEarlierStoreBytes(bytes, data, &problem)) {
                // What was read is a company: its rows in ascending id, as
                // every table's rows are.
                QVERIFY2(data.company.CompanyUniqueID == 1, qPrintable(where));
                for (size_t e = 1; e < data.employees.size(); ++e)
                    QVERIFY2(data.employees[e - 1].EmployeeUniqueID < data.employees[e].EmployeeUniqueID,
                             qPrintable(where));
            } else {
                ++refused;
                QVERIFY2(!problem.isEmpty(), qPrintable(where));
                QVERIFY2(data.company.EmployerName.Text() == QLatin1String("Untouched"), qPrintable(where));
            }
        }
        qInfo("%d mutations, %d refused, %lld ms", mutations, refused, timer.elapsed());
        // Most mutations hit the structure: a reader that refused nothing
        // would not be checking.
        QVERIFY(refused > mutations / 4);
    }
};

FORMLARK_TEST_GUILESS_MAIN(EarlierStoreFuzzTest)
#include "EarlierStoreFuzzTest.moc"
