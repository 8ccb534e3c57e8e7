// Files written for the user (a PDF, a CSV export): never onto a company's
// files, however the name is spelt or linked, and never over a folder,
// device, pipe or socket. The check only looks; nothing here is written.
#include "core/files/OutputTarget.h"
#include "tests/support/TestFolders.h"

#include <QDir>
#include <QFile>
#include <QtTest>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

class OutputTargetTest : public QObject {
    Q_OBJECT

private slots:
    void targets_data()
    {
        QTest::addColumn<QString>("target"); // "@data/" the data folder, "@out/" a folder elsewhere
        QTest::addColumn<QString>("refusal"); // a part of it; empty: may be written

        const QString company = "names a company file of the data folder";
        QTest::newRow("the store") << "@data/Acme.pmt" << company + " \"@data\" (a company's store)";
        QTest::newRow("the store in another letter case") << "@data/ACME.PMT" << company;
        QTest::newRow("a new store's name") << "@data/New Co.pmt" << company;
        QTest::newRow("by another way") << "@data/../DatabaseFiles/Acme.pmt" << company;
        QTest::newRow("a deleted company") << "@data/Old.pmt.del" << "(a deleted company's store)";
        QTest::newRow("the journal") << "@data/Acme.pmt-journal" << "(the journal of a company's store)";
        QTest::newRow("a journal in another case") << "@data/acme.PMT-Journal" << "(the journal of";
        QTest::newRow("the lock") << "@data/Acme.pmt.lock" << "(the lock of a company's store)";
        QTest::newRow("a converted original") << "@data/Acme.pmt.2005" << "(the original of a converted store)";
        QTest::newRow("a second converted original") << "@data/Acme.pmt.2005-2" << "(the original of";
        QTest::newRow("through a link to the data folder") << "@out/data-link/Acme.pmt-journal" << company;
        QTest::newRow("a link to the store") << "@out/store-link.pdf" << company;
        QTest::newRow("a link to a journal to come") << "@out/journal-link.pdf" << company;
        QTest::newRow("a second name of the store") << "@out/hard-link.pdf" << "(a company's store)";
        QTest::newRow("a folder") << "@out/folder" << "is a folder, not a regular file";
        QTest::newRow("a pipe") << "@out/pipe" << "is a pipe (FIFO), not a regular file";
        QTest::newRow("a socket") << "@out/socket" << "is a socket, not a regular file";
        QTest::newRow("a device") << "/dev/null" << "is a device, not a regular file";
        QTest::newRow("a link to a device") << "@out/device-link" << "is a device";

        QTest::newRow("a new file") << "@out/forms.pdf" << "";
        QTest::newRow("a file written before") << "@out/old.pdf" << "";
        QTest::newRow("a PDF in the data folder") << "@data/Acme forms.pdf" << "";
        QTest::newRow("a name with the extension inside") << "@data/Acme.pmt.pdf" << "";
        QTest::newRow("a number after another name") << "@data/Acme.pmt.2004-2" << "";
    }

    void targets()
    {
        QFETCH(QString, target);
        QFETCH(QString, refusal);
        TestFolders folders;
        const QString data = folders.DataFolder();
        const QString out = folders.Path("out/");
        QVERIFY(QDir().mkpath(out + "folder"));
        for (const char* name : {"Acme.pmt", "Acme.pmt-journal", "Acme.pmt.lock", "Old.pmt.del", "Acme.pmt.2005-2"})
            QVERIFY(WriteFileBytes(data + name, name));
        QVERIFY(WriteFileBytes(out + "old.pdf", "%PDF-1.4"));
        QVERIFY(QFile::link(data, out + "data-link"));
        QVERIFY(QFile::link(data + "Acme.pmt", out + "store-link.pdf"));
        QVERIFY(QFile::link(data + "Gone.pmt-journal", out + "journal-link.pdf"));
        QVERIFY(QFile::link("/dev/null", out + "device-link"));
        QCOMPARE(::link(QFile::encodeName(data + "Acme.pmt").constData(),
                        QFile::encodeName(out + "hard-link.pdf").constData()),
                 0);
        QCOMPARE(::mkfifo(QFile::encodeName(out + "pipe").constData(), 0600), 0);
        const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address = {};
        address.sun_family = AF_UNIX;
        const QByteArray socketPath = QFile::encodeName(out + "socket");
        QVERIFY(socketPath.size() < int(sizeof(address.sun_path)));
        std::memcpy(address.sun_path, socketPath.constData(), size_t(socketPath.size()));
        QCOMPARE(::bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);

        target.replace("@data/", data).replace("@out/", out);
        const QString said = OutputTargetRefusal(target, data);
        ::close(sock);
        if (refusal.isEmpty()) {
            QVERIFY2(said.isEmpty(), qPrintable(said));
        } else {
            refusal.replace("@data", QDir::toNativeSeparators(data));
            QVERIFY2(said.contains(refusal), qPrintable(said));
            QVERIFY2(said.startsWith("The file \"" + QDir::toNativeSeparators(target) + "\""), qPrintable(said));
        }
    }
};

FORMLARK_TEST_GUILESS_MAIN(OutputTargetTest)
#include "OutputTargetTest.moc"
