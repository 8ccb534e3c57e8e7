// The lock of a company store belongs to the file, not to the name it was
// opened by; what a killed program leaves beside a store is cleaned away
// when it is safe, and never beside a store of the earlier editions.
#include "core/store/CompanyData.h"
#include "core/store/StoreFileHeader.h"
#include "core/store/StoreLeftovers.h"
#include "core/store/StoreLock.h"
#include "tests/support/RecordBuilders.h"
#include "tests/support/TestFolders.h"

#include <QFile>
#include <QtTest>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// The first bytes of a store of the earlier editions: the same header text
// and magic number, followed by the old engine's first-page fields (file
// format 3 at offset 72), in 1024-byte pages.
QByteArray EarlierEditionStore()
{
    QByteArray bytes = StoreFileHeader();
    bytes.resize(5 * 1024, '\0');
    bytes[72] = 3;
    return bytes;
}

const QByteArray kHotJournal("\xd9\xd5\x05\xf9\x20\xa1\x63\xd7\x00\x00\x00\x01", 12);

// Holds one of the engine's read locks on `path` in a child process (as a
// program reading the store does) until the object goes.
class EngineReader {
public:
    explicit EngineReader(const QString& path)
    {
        int ready[2];
        if (::pipe(ready) != 0 || ::pipe(done_) != 0)
            return;
        child_ = ::fork();
        if (child_ == 0) {
            const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
            struct flock lock = {};
            lock.l_type = F_RDLCK;
            lock.l_whence = SEEK_SET;
            lock.l_start = 0x40000002;
            lock.l_len = 510;
            const char ok = fd >= 0 && ::fcntl(fd, F_SETLK, &lock) == 0 ? 'y' : 'n';
            (void)!::write(ready[1], &ok, 1);
            char wait = 0;
            (void)!::read(done_[0], &wait, 1);
            _exit(0);
        }
        char ok = 0;
        locked_ = ::read(ready[0], &ok, 1) == 1 && ok == 'y';
        ::close(ready[0]);
        ::close(ready[1]);
    }
    ~EngineReader()
    {
        if (child_ > 0) {
            (void)!::write(done_[1], "x", 1);
            ::waitpid(child_, nullptr, 0);
        }
        ::close(done_[0]);
        ::close(done_[1]);
    }
    bool Locked() const { return locked_; }

private:
    int done_[2] = {-1, -1};
    pid_t child_ = -1;
    bool locked_ = false;
};

} // namespace

class StoreLockTest : public QObject {
    Q_OBJECT

private slots:
    // Every name of one store shares its one lock; another store has its own.
    void everyNameOfAStoreSharesItsLock_data()
    {
        QTest::addColumn<QString>("other"); // the name the second program uses
        QTest::addColumn<bool>("shared");
        QTest::newRow("the same name") << "Held.pmt" << true;
        QTest::newRow("a symbolic link") << "Symbolic.pmt" << true;
        QTest::newRow("a hard link") << "Hard.pmt" << true;
        QTest::newRow("the name it was renamed to") << "Renamed.pmt" << true;
        QTest::newRow("another store") << "Other.pmt" << false;
    }

    void everyNameOfAStoreSharesItsLock()
    {
        QFETCH(QString, other);
        QFETCH(bool, shared);
        TestFolders folders;
        const QString data = folders.DataFolder();
        QVERIFY(WriteCompanyStore(data + "Held.pmt", MakeCompany("Held")));
        QVERIFY(WriteCompanyStore(data + "Other.pmt", MakeCompany("Other")));
        QVERIFY(QFile::link(data + "Held.pmt", data + "Symbolic.pmt"));
        QCOMPARE(::link(QFile::encodeName(data + "Held.pmt").constData(),
                        QFile::encodeName(data + "Hard.pmt").constData()),
                 0);

        StoreLock window;
        QCOMPARE(window.Take(data + "Held.pmt"), StoreLock::Result::Taken);
        if (other == "Renamed.pmt")
            QVERIFY(QFile::rename(data + "Held.pmt", data + other));
        QCOMPARE(StoreLock::IsHeldElsewhere(data + other), shared);
        StoreLock second;
        QCOMPARE(second.Take(data + other), shared ? StoreLock::Result::HeldElsewhere : StoreLock::Result::Taken);
        window.Release();
        QCOMPARE(second.Take(data + other), StoreLock::Result::Taken);
        // No file is made for the lock.
        QVERIFY(!QFile::exists(data + other + ".lock"));
    }

    // A leftover journal goes only when it holds nothing to roll back, lies
    // beside a store of the program's own format and nobody uses the store.
    void leftoverJournals_data()
    {
        QTest::addColumn<QByteArray>("journal");
        QTest::addColumn<QString>("situation");
        QTest::addColumn<bool>("removed");
        QTest::newRow("empty") << QByteArray() << "" << true;
        QTest::newRow("a zero header") << QByteArray(28, '\0') + QByteArray(1000, 'p') << "" << true;
        QTest::newRow("shorter than a header, zeros") << QByteArray(5, '\0') << "" << true;
        QTest::newRow("a hot journal") << kHotJournal + QByteArray(1000, 'p') << "" << false;
        QTest::newRow("beside a store of the earlier editions") << QByteArray(28, '\0') << "earlier edition" << false;
        QTest::newRow("while another program reads the store") << QByteArray(28, '\0') << "reader" << false;
        QTest::newRow("a link in the journal's place") << QByteArray(28, '\0') << "link" << false;
        QTest::newRow("beside a link to the store") << QByteArray(28, '\0') << "store link" << true;
    }

    void leftoverJournals()
    {
        QFETCH(QByteArray, journal);
        QFETCH(QString, situation);
        QFETCH(bool, removed);
        TestFolders folders;
        const QString data = folders.DataFolder();
        QString store = data + "Acme.pmt";
        if (situation == "earlier edition")
            QVERIFY(WriteFileBytes(store, EarlierEditionStore()));
        else
            QVERIFY(WriteCompanyStore(store, MakeCompany("Acme")));
        const QByteArray storeBytes = FileBytes(store);
        QString journalFile = store + "-journal";
        if (situation == "link") {
            journalFile = folders.Path("elsewhere");
            QVERIFY(QFile::link(journalFile, store + "-journal"));
        }
        QVERIFY(WriteFileBytes(journalFile, journal));
        if (situation == "store link") {
            QVERIFY(QFile::link(store, data + "Linked.pmt"));
            store = data + "Linked.pmt"; // the engine keeps the journal beside the file itself
        }
        std::unique_ptr<EngineReader> reader;
        if (situation == "reader") {
            reader = std::make_unique<EngineReader>(store);
            QVERIFY(reader->Locked());
        }

        QCOMPARE(RemoveLeftoverJournal(store), removed);
        QCOMPARE(QFileInfo::exists(journalFile), !removed);
        QCOMPARE(QFileInfo(data + "Acme.pmt-journal").isSymLink(), situation == "link");
        QCOMPARE(FileBytes(data + "Acme.pmt"), storeBytes);
        if (!removed)
            QCOMPARE(FileBytes(journalFile), journal);
    }

    // Earlier builds kept their lock in a file beside the store: it goes
    // once nobody holds it.
    void leftoverLockFiles_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("held");
        QTest::addColumn<bool>("removed");
        QTest::newRow("nobody holds it") << QByteArray() << false << true;
        QTest::newRow("an earlier build holds it") << QByteArray() << true << false;
        QTest::newRow("not a lock file (it has content)") << QByteArray("notes") << false << false;
    }

    void leftoverLockFiles()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, held);
        QFETCH(bool, removed);
        TestFolders folders;
        const QString store = folders.DataFolder() + "Acme.pmt";
        QVERIFY(WriteCompanyStore(store, MakeCompany("Acme")));
        QVERIFY(WriteFileBytes(store + ".lock", content));
        const int holder = ::open(QFile::encodeName(store + ".lock").constData(), O_RDONLY | O_CLOEXEC);
        QVERIFY(holder >= 0);
        if (held)
            QCOMPARE(::flock(holder, LOCK_EX | LOCK_NB), 0);
        QCOMPARE(RemoveStaleLockFile(store), removed);
        ::close(holder);
        QCOMPARE(QFile::exists(store + ".lock"), !removed);
        QVERIFY(QFile::exists(store));
    }

    void ownFormatIsToldFromTheEarlierEditions()
    {
        TestFolders folders;
        const QString data = folders.DataFolder();
        QVERIFY(WriteCompanyStore(data + "Own.pmt", MakeCompany("Own")));
        QVERIFY(WriteFileBytes(data + "Earlier.pmt", EarlierEditionStore()));
        QVERIFY(WriteFileBytes(data + "Short.pmt", StoreFileHeader()));
        QVERIFY(IsOwnFormatStore(data + "Own.pmt"));
        QVERIFY(!IsOwnFormatStore(data + "Earlier.pmt"));
        QVERIFY(!IsOwnFormatStore(data + "Short.pmt"));
        QVERIFY(!IsOwnFormatStore(data + "Missing.pmt"));
    }
};

FORMLARK_TEST_GUILESS_MAIN(StoreLockTest)
#include "StoreLockTest.moc"
