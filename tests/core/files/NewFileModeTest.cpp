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

// The umask for the life of the object, the test's own restored after.
class ScopedUmask {
public:
    explicit ScopedUmask(mode_t mask)
        : saved_(::umask(mask))
    {
    }
    ~ScopedUmask() { ::umask(saved_); }

private:
    mode_t saved_;
};

// Writes `target` (new or replaced) the way `writer` names.
bool Write(const QString& writer, const QString& source, const QString& target)
{
    if (writer == "save file") {
        CheckedSaveFile file(target);
        return file.open(QIODevice::WriteOnly) && file.write("written") == 7 && file.CommitWhole();
    }
    if (writer == "copy without replacing")
        return CopyFileWithoutReplacing(source, target) == CopyOutcome::Copied;
    if (writer == "copy over")
        return CopyFileWhole(source, target);
    // As the window prints to a file: a private temporary file, given its
    // mode before it is renamed into place.
    QTemporaryFile temporary(target + ".part-XXXXXX");
    if (!temporary.open() || FileMode(temporary.fileName()) != 0600 || temporary.write("written") != 7
        || !temporary.flush() || !GiveTargetMode(temporary.fileName(), target))
        return false;
    temporary.setAutoRemove(false);
    return std::rename(QFile::encodeName(temporary.fileName()).constData(), QFile::encodeName(target).constData()) == 0;
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
        for (const char* writer :
             {"save file", "copy without replacing", "copy over", "temporary file given its mode"}) {
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
        QVERIFY(WriteFileBytes(folders.Path("source"), "the source"));
        const ScopedUmask scoped{mode_t(umask)};
        QCOMPARE(int(NewFileMode()), mode);
        QVERIFY(Write(writer, folders.Path("source"), folders.Path("made")));
        QCOMPARE(FileMode(folders.Path("made")), mode);
    }

    void aReplacedFileKeepsItsMode_data()
    {
        QTest::addColumn<QString>("writer");
        for (const char* writer : {"save file", "copy over", "temporary file given its mode"})
            QTest::newRow(writer) << writer;
    }

    void aReplacedFileKeepsItsMode()
    {
        QFETCH(QString, writer);
        TestFolders folders;
        const QString target = folders.Path("kept");
        QVERIFY(WriteFileBytes(folders.Path("source"), "the source"));
        QVERIFY(WriteFileBytes(target, "an older file"));
        QCOMPARE(::chmod(QFile::encodeName(target).constData(), 0640), 0);
        const ScopedUmask scoped{002};
        QVERIFY(Write(writer, folders.Path("source"), target));
        QVERIFY(FileBytes(target) != "an older file");
        QCOMPARE(FileMode(target), 0640);
    }
};

FORMLARK_TEST_GUILESS_MAIN(NewFileModeTest)
#include "NewFileModeTest.moc"
