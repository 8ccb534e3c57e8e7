// Input files are read whole when they are regular files of a bounded
// size; a pipe, a device or a folder is refused before anything is read,
// and without waiting. Written files say the system's reason when the
// disk (here a file-size limit) refuses them.
#include "core/files/CheckedSaveFile.h"
#include "core/files/RegularFile.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/TestFolders.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QtTest>

#include <cerrno>
#include <sys/stat.h>

Q_DECLARE_METATYPE(FileReadOutcome)

class RegularFileTest : public QObject {
    Q_OBJECT

private slots:
    void reads_data()
    {
        QTest::addColumn<QString>("path"); // "@/" a temporary folder
        QTest::addColumn<FileReadOutcome>("outcome");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        // The bound is 10 bytes.
        QTest::newRow("a file") << "@/ten.csv" << FileReadOutcome::Read << QByteArray("0123456789") << "";
        QTest::newRow("an empty file") << "@/empty.csv" << FileReadOutcome::Read << QByteArray() << "";
        QTest::newRow("a link to a file") << "@/link.csv" << FileReadOutcome::Read << QByteArray("0123456789") << "";
        QTest::newRow("one byte too many")
            << "@/eleven.csv" << FileReadOutcome::TooLarge << QByteArray() << "larger than";
        QTest::newRow("missing") << "@/nothing.csv" << FileReadOutcome::Missing << QByteArray()
                                 << SystemErrorText(ENOENT);
        QTest::newRow("a pipe without a writer")
            << "@/pipe" << FileReadOutcome::NotRegular << QByteArray() << "it is a pipe (FIFO), not a regular file";
        QTest::newRow("an endless device")
            << "/dev/zero" << FileReadOutcome::NotRegular << QByteArray() << "it is a device, not a regular file";
        QTest::newRow("a folder") << "@/" << FileReadOutcome::NotRegular << QByteArray() << "it is a folder";
    }

    void reads()
    {
        QFETCH(QString, path);
        QFETCH(QString, reason);
        TestFolders folders;
        const QString dir = folders.Path("in/");
        QVERIFY(QDir().mkpath(dir));
        QVERIFY(WriteFileBytes(dir + "ten.csv", "0123456789"));
        QVERIFY(WriteFileBytes(dir + "eleven.csv", "0123456789A"));
        QVERIFY(WriteFileBytes(dir + "empty.csv", ""));
        QVERIFY(QFile::link(dir + "ten.csv", dir + "link.csv"));
        QCOMPARE(::mkfifo(QFile::encodeName(dir + "pipe").constData(), 0600), 0);

        QElapsedTimer timer;
        timer.start();
        const FileContents read = ReadRegularFile(path.replace("@/", dir), 10);
        QVERIFY(timer.elapsed() < 5000); // never waits for a writer
        QTEST(read.outcome, "outcome");
        QTEST(read.bytes, "bytes");
        QVERIFY2(read.reason.contains(reason), qPrintable(read.reason));
        QCOMPARE(read.Ok(), reason.isEmpty());
    }

    // The reason of a write the disk refused is the system's, not "Unknown
    // error", whatever the size of the writes that run into it.
    void aRefusedWriteSaysTheSystemsReason_data()
    {
        QTest::addColumn<int>("chunk");
        QTest::newRow("small writes (buffered)") << 100;
        QTest::newRow("large writes (direct)") << 100000;
    }

    void aRefusedWriteSaysTheSystemsReason()
    {
        QFETCH(int, chunk);
        TestFolders folders;
        const QString path = folders.Path("out.pdf");
        const QString reasonFile = folders.Path("reason.txt");
        const int result = RunWithFileSizeLimit(50000, true, [&] {
            CheckedSaveFile file(path);
            if (!file.open(QIODevice::WriteOnly))
                return 2;
            const QByteArray bytes(chunk, 'x');
            for (int written = 0; written < 300000; written += chunk)
                file.write(bytes);
            QString why;
            if (file.CommitWhole(&why))
                return 0;
            return WriteFileBytes(reasonFile, why.toUtf8()) ? 1 : 3;
        });
        QCOMPARE(result, 1);
        QCOMPARE(QString::fromUtf8(FileBytes(reasonFile)), SystemErrorText(EFBIG));
        QVERIFY(!QFile::exists(path));
    }
};

FORMLARK_TEST_GUILESS_MAIN(RegularFileTest)
#include "RegularFileTest.moc"
