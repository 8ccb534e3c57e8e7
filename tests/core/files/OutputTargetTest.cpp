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
        QTest::addColumn<QString>("target");  // "@data/" the data folder, "@out/" a folder elsewhere
        QTest::addColumn<QString>("refusal"); // a part of it; empty: may be written

        const QString company = "names a company file of the data folder";
        QTest::newRow("the store") << "@data/Acme.pmt" << company + " \"@data\" (a company's store)";
        QTest::newRow("the store in another letter case") << "@data/ACME.PMT" << company;
        QTest::newRow("a new store's name") << "@data/New Co.pmt" << company;
        QTest::newRow("by another way") << "@data/../DatabaseFiles/Acme.pmt" << company;
        QTest::newRow("a deleted company") << "@data/Old.pmt.del"
                                           << "(a deleted company's store)";
        QTest::newRow("the journal") << "@data/Acme.pmt-journal"
                                     << "(the journal of a company's store)";
        QTest::newRow("a journal in another case") << "@data/acme.PMT-Journal"
                                                   << "(the journal of";
        QTest::newRow("the lock") << "@data/Acme.pmt.lock"
                                  << "(the lock of a company's store)";
        QTest::newRow("a converted original") << "@data/Acme.pmt.2005"
                                              << "(the original of a converted store)";
        QTest::newRow("a second converted original") << "@data/Acme.pmt.2005-2"
                                                     << "(the original of";
        QTest::newRow("through a link to the data folder") << "@out/data-link/Acme.pmt-journal" << company;
        QTest::newRow("a link to the store") << "@out/store-link.pdf" << company;
        QTest::newRow("a link to a journal to come") << "@out/journal-link.pdf" << company;
        QTest::newRow("a second name of the store") << "@out/hard-link.pdf"
                                                    << "(a company's store)";
        QTest::newRow("a folder") << "@out/folder"
                                  << "is a folder, not a regular file";
        QTest::newRow("a pipe") << "@out/pipe"
                                << "is a pipe (FIFO), not a regular file";
        QTest::newRow("a socket") << "@out/socket"
                                  << "is a socket, not a regular file";
        QTest::newRow("a device") << "/dev/null"
                                  << "is a device, not a regular file";
        QTest::newRow("a link to a device") << "@out/device-link"
                                            << "is a device";
        // The system follows a link of the folder before it takes a ".."
        // after it: "dsub/.." is the data folder, whatever the text says.
        QTest::newRow("a store's name through a linked folder") << "@out/dsub/../Ghost.pmt" << company;
        QTest::newRow("the lock through a linked folder") << "@out/dsub/../Acme.pmt.lock"
                                                          << "(the lock of";
        QTest::newRow("a link through a linked folder") << "@out/via-dsub.pdf" << company;
        QTest::newRow("links in a circle") << "@out/loop-a"
                                           << "is a symbolic link that leads in a circle";
        QTest::newRow("a folder of links in a circle") << "@out/loop-a/forms.pdf"
                                                       << "leads in a circle";
        QTest::newRow("a link to no file yet in the data folder")
            << "@out/dangling.pdf"
            << "is a link to \"Report.pdf\", which is no file yet, in the data folder";

        QTest::newRow("a new file") << "@out/forms.pdf"
                                    << "";
        QTest::newRow("a file written before") << "@out/old.pdf"
                                               << "";
        QTest::newRow("a PDF in the data folder") << "@data/Acme forms.pdf"
                                                  << "";
        QTest::newRow("a name with the extension inside") << "@data/Acme.pmt.pdf"
                                                          << "";
        QTest::newRow("a number after another name") << "@data/Acme.pmt.2004-2"
                                                     << "";
        QTest::newRow("a PDF beside the linked folder") << "@out/dsub/../Acme forms.pdf"
                                                        << "";
        QTest::newRow("by text only through a linked folder") << "@out/dsub/../../out/Acme.pmt"
                                                              << "";
        QTest::newRow("a link to no file yet elsewhere") << "@out/dangling-out.pdf"
                                                         << "";
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
        QVERIFY(QDir().mkpath(data + "sub"));
        QVERIFY(QFile::link(data + "sub", out + "dsub"));
        QVERIFY(QFile::link("dsub/../Acme.pmt", out + "via-dsub.pdf"));
        QVERIFY(QFile::link("loop-b", out + "loop-a"));
        QVERIFY(QFile::link("loop-a", out + "loop-b"));
        QVERIFY(QFile::link(data + "Report.pdf", out + "dangling.pdf"));
        QVERIFY(QFile::link(out + "later.pdf", out + "dangling-out.pdf"));
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

    // What is written lands where the check looked: the path the system
    // resolves, links and all.
    void writesLandWhereTheSystemPutsThem_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("landing");
        QTest::newRow("a plain name") << "@out/forms.pdf"
                                      << "@out/forms.pdf";
        QTest::newRow("\"..\" after a linked folder") << "@out/dsub/../forms.pdf"
                                                      << "@data/forms.pdf";
        QTest::newRow("a link to a file") << "@out/link.pdf"
                                          << "@data/sub/forms.pdf";
        QTest::newRow("a relative link through a linked folder") << "@out/rel.pdf"
                                                                 << "@data/forms.pdf";
        QTest::newRow("a missing folder") << "@out/none/../forms.pdf"
                                          << "@out/none/../forms.pdf";
    }

    void writesLandWhereTheSystemPutsThem()
    {
        QFETCH(QString, target);
        QFETCH(QString, landing);
        TestFolders folders;
        const QString data = QFileInfo(folders.DataFolder()).canonicalFilePath() + u'/';
        const QString out = QFileInfo(folders.Path("")).canonicalFilePath() + "/out/";
        QVERIFY(QDir().mkpath(out) && QDir().mkpath(data + "sub"));
        QVERIFY(QFile::link(data + "sub", out + "dsub"));
        QVERIFY(QFile::link(data + "sub/forms.pdf", out + "link.pdf"));
        QVERIFY(QFile::link("dsub/../forms.pdf", out + "rel.pdf"));
        target.replace("@data/", data).replace("@out/", out);
        landing.replace("@data/", data).replace("@out/", out);
        QCOMPARE(OutputTargetPath(target), landing);
    }
};

FORMLARK_TEST_GUILESS_MAIN(OutputTargetTest)
#include "OutputTargetTest.moc"
