// Files made for the user get the mode the user's umask gives, whichever
// way they are written (a temporary file renamed into place included); a
// file that is replaced keeps its own mode.
#include "core/files/CheckedSaveFile.h"
#include "core/files/FileCopy.h"
#include "core/files/NewFileMode.h"
#include "tests/support/TestFolders.h"

#include <QtTest>

#include <cstdio>
#include <sys/stat.h>

namespace {

mode_t ModeOf(const QString& path)
{
    struct stat st = {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? (st.st_mode & 07777) : mode_t(-1);
}

// Runs the test body under `mask`, the test's own umask restored after.
class ScopedUmask {
public:
    explicit ScopedUmask(mode_t mask) : saved_(::umask(mask)) {}
    ~ScopedUmask() { ::umask(saved_); }

private:
    mode_t saved_;
};

bool SaveWhole(const QString& path)
{
    CheckedSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write("written") == 7 && file.CommitWhole();
}

} // namespace

class NewFileModeTest : public QObject {
    Q_OBJECT

private slots:
    void newFilesTakeTheUmasksMode_data()
    {
        QTest::addColumn<QString>("writer");
        QTest::addColumn<int>("umask");
        QTest::addColumn<int>("mode");
        for (const char* writer : {"save file", "copy without replacing", "copy over", "temporary file given its mode"}) {
            QTest::addRow("%s, umask 022", writer) << writer << 022 << 0644;
            QTest::addRow("%s, umask 077", writer) << writer << 077 << 0600;
            QTest::addRow("%s, umask 002", writer) << writer << 002 << 0664;
        }
    }

    void newFilesTakeTheUmasksMode()
    {
        QFETCH(QString, writer);
        QFETCH(int, umask);
        QFETCH(int, mode);
        TestFolders folders;
        const QString source = folders.Path("source");
        const QString target = folders.Path("made");
        QVERIFY(WriteFileBytes(source, "the source"));
        const ScopedUmask scoped{mode_t(umask)};
        QCOMPARE(int(NewFileMode()), mode);
        if (writer == "save file") {
            QVERIFY(SaveWhole(target));
        } else if (writer == "copy without replacing") {
            QCOMPARE(CopyFileWithoutReplacing(source, target), CopyOutcome::Copied);
        } else if (writer == "copy over") {
            QVERIFY(CopyFileWhole(source, target));
        } else {
            QTemporaryFile temporary(target + ".part-XXXXXX");
            QVERIFY(temporary.open());
            QCOMPARE(int(ModeOf(temporary.fileName())), 0600); // private while written
            QVERIFY(GiveTargetMode(temporary.fileName(), target));
            QVERIFY(temporary.rename(target));
            temporary.setAutoRemove(false);
        }
        QCOMPARE(int(ModeOf(target)), mode);
    }

    void aReplacedFileKeepsItsMode_data()
    {
        QTest::addColumn<QString>("writer");
        QTest::newRow("save file") << "save file";
        QTest::newRow("copy over") << "copy over";
        QTest::newRow("temporary file given its mode") << "temporary file given its mode";
    }

    void aReplacedFileKeepsItsMode()
    {
        QFETCH(QString, writer);
        TestFolders folders;
        const QString source = folders.Path("source");
        const QString target = folders.Path("kept");
        QVERIFY(WriteFileBytes(source, "the source"));
        QVERIFY(WriteFileBytes(target, "an older file"));
        QCOMPARE(::chmod(QFile::encodeName(target).constData(), 0640), 0);
        const ScopedUmask scoped{002};
        if (writer == "save file") {
            QVERIFY(SaveWhole(target));
        } else if (writer == "copy over") {
            QVERIFY(CopyFileWhole(source, target));
        } else {
            QTemporaryFile temporary(target + ".part-XXXXXX");
            QVERIFY(temporary.open());
            QVERIFY(temporary.write("written") == 7 && temporary.flush());
            QVERIFY(GiveTargetMode(temporary.fileName(), target));
            QCOMPARE(std::rename(QFile::encodeName(temporary.fileName()).constData(),
                                 QFile::encodeName(target).constData()),
                     0);
            temporary.setAutoRemove(false);
        }
        QVERIFY(FileBytes(target) != "an older file");
        QCOMPARE(int(ModeOf(target)), 0640);
    }
};

QTEST_GUILESS_MAIN(NewFileModeTest)
#include "NewFileModeTest.moc"
