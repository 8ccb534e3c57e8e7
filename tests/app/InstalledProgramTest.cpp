// The installed program: "cmake --install" into a temporary prefix, the
// desktop files checked by the desktop's own validators, and the installed
// executable run with a home and XDG folders of the test's own. It must find
// its files in the prefix, keep the user's data in the XDG data folder and
// never write under the prefix.
#include "tests/support/EarlierStoreWriter.h"
#include "tests/support/TestFolders.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

namespace {

const QString kAppId = QStringLiteral(FORMLARK_APP_ID);
const QString kUserFolder = QStringLiteral("Brindlecove/Formlark (2005)/DatabaseFiles/");

struct Run {
    int exitCode = -1;
    QString standardOutput;
    QString standardError;
};

Run RunProgram(const QString& program, const QStringList& arguments,
               const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    // Packaging alone can take a minute on a busy machine.
    if (!process.waitForFinished(240000)) {
        process.kill();
        process.waitForFinished();
        return {-1, {}, QStringLiteral("%1 did not finish").arg(program)};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

QString Describe(const Run& run)
{
    return QStringLiteral("exit %1\n%2%3").arg(run.exitCode).arg(run.standardOutput, run.standardError);
}

} // namespace

class InstalledProgramTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir root_;
    QString prefix_;
    QString program_;
    QStringList installed_; // snapshot of the prefix right after the install

    // The environment of a user whose home is `home`: no settings or
    // program folder of the test run's own, and XDG_DATA_HOME only when
    // given.
    QProcessEnvironment UserEnvironment(const QString& home, const QString& xdgDataHome) const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"FORMLARK_SETTINGS_FILE", "FORMLARK_PROGRAM_FOLDER", "FORMLARK_RUNTIME_DIR",
                                 "XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_RUNTIME_DIR"})
            env.remove(QLatin1String(name));
        env.insert("HOME", home);
        env.insert("XDG_CONFIG_HOME", home + "/config");
        if (!xdgDataHome.isEmpty())
            env.insert("XDG_DATA_HOME", xdgDataHome);
        return env;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(root_.isValid());
        prefix_ = root_.filePath("prefix");
        program_ = prefix_ + "/bin/formlark";
        const Run install = RunProgram(QStringLiteral(FORMLARK_CMAKE_COMMAND),
                                       {"--install", QStringLiteral(FORMLARK_BUILD_DIR), "--prefix", prefix_});
        QVERIFY2(install.exitCode == 0, qPrintable(Describe(install)));
        installed_ = FolderSnapshot(prefix_);
    }

    void installsEveryFile_data()
    {
        QTest::addColumn<QString>("path");
        for (const QString& path :
             {QStringLiteral("bin/formlark"), QStringLiteral("share/formlark/Help1.svg"),
              QStringLiteral("share/formlark/Help2.svg"), QStringLiteral("share/formlark/Help3.svg"),
              QStringLiteral("share/formlark/Help4.svg"), QStringLiteral("share/formlark/Updater.dll"),
              QStringLiteral("share/formlark/Contactus.msg"), QStringLiteral("share/formlark/formlark2005.html"),
              QStringLiteral("share/formlark/DatabaseFiles/Sample Company.pmt"),
              "share/applications/" + kAppId + ".desktop", "share/metainfo/" + kAppId + ".metainfo.xml",
              "share/mime/packages/" + kAppId + ".xml", "share/icons/hicolor/scalable/apps/" + kAppId + ".svg",
              "share/icons/hicolor/256x256/apps/" + kAppId + ".png", QStringLiteral("share/man/man1/formlark.1.gz"),
              QStringLiteral("share/doc/formlark/copyright")})
            QTest::newRow(qPrintable(path)) << path;
    }

    void installsEveryFile()
    {
        QFETCH(QString, path);
        const QFileInfo info(prefix_ + u'/' + path);
        QVERIFY2(info.isFile() && info.size() > 0, qPrintable(info.filePath()));
    }

    void installsOnlyTheProgram()
    {
        // No test, tool or benchmark is installed with it.
        QCOMPARE(QDir(prefix_ + "/bin").entryList(QDir::Files), QStringList{"formlark"});
        QVERIFY(QFileInfo(program_).isExecutable());
    }

    void iconBitmapIs256Pixels()
    {
        const QImage icon(prefix_ + "/share/icons/hicolor/256x256/apps/" + kAppId + ".png");
        QCOMPARE(icon.size(), QSize(256, 256));
        // Drawn, not blank: the corners are clear, the middle is not.
        QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(icon.pixel(128, 128)), 255);
    }

    void desktopEntryValidates()
    {
        const QString entry = prefix_ + "/share/applications/" + kAppId + ".desktop";
        const QString validator = QStandardPaths::findExecutable("desktop-file-validate");
        QVERIFY2(!validator.isEmpty(), "desktop-file-validate (desktop-file-utils) is needed; see scripts/setup.sh");
        const Run run = RunProgram(validator, {entry});
        QVERIFY2(run.exitCode == 0 && run.standardOutput.isEmpty(), qPrintable(Describe(run)));

        const QString text = QString::fromUtf8(FileBytes(entry));
        for (const QString& line :
             {QStringLiteral("Exec=formlark %F"), "Icon=" + kAppId, QStringLiteral("Categories=Office;Finance;"),
              QStringLiteral("MimeType=application/x-formlark-company;")})
            QVERIFY2(text.split(u'\n').contains(line), qPrintable(line));
    }

    // The company stores' file type, as the desktop's own tools build their
    // database from the installed description: found by name, and by
    // content for the stores of both editions (either byte order) whatever
    // their name.
    void companyStoresHaveTheirFileType()
    {
        const QString update = QStandardPaths::findExecutable("update-mime-database");
        QVERIFY2(!update.isEmpty(), "update-mime-database (shared-mime-info) is needed; see scripts/setup.sh");
        QTemporaryDir share;
        QVERIFY(QDir().mkpath(share.filePath("mime/packages")));
        QVERIFY(QFile::copy(prefix_ + "/share/mime/packages/" + kAppId + ".xml",
                            share.filePath("mime/packages/" + kAppId + ".xml")));
        // A process of its own, so the desktop's folders are read afresh.
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_DATA_DIRS", share.path() + ":/usr/share");
        env.insert("XDG_DATA_HOME", share.filePath("none"));
        const Run run = RunProgram(update, {share.filePath("mime")}, env);
        QVERIFY2(run.exitCode == 0 && run.standardError.isEmpty(), qPrintable(Describe(run)));

        QTemporaryDir files;
        const QString current = files.filePath("current.data");
        QVERIFY(QFile::copy(prefix_ + "/share/formlark/DatabaseFiles/Sample Company.pmt", current));
        const QString earlier = files.filePath("earlier.data");
        QVERIFY(QFile::copy(EarlierStoreFixture("Legacy Sample.pmt"), earlier));
        const QString bigEndian = files.filePath("big-endian.data");
        QVERIFY(WriteFileBytes(bigEndian, EarlierStoreOf(CompanyData{}, {true, 3})));
        const QString other = files.filePath("other.data");
        QVERIFY(WriteFileBytes(other, QByteArray("** This is a Wagesparrow Database file version 1.0 **\0\0\0\0", 58)));
        const QString probe = QStringLiteral(FORMLARK_MIME_PROBE);
        const QString company = QStringLiteral("application/x-formlark-company");
        for (const auto& [file, expected] :
             std::initializer_list<std::pair<QString, QString>>{{current, company},
                                                                {earlier, company},
                                                                {bigEndian, company},
                                                                {files.filePath("named.pmt"),
                                                                 company}, // by its name alone
                                                                {other, QStringLiteral("application/octet-stream")}}) {
            if (!QFileInfo::exists(file))
                QVERIFY(WriteFileBytes(file, "x"));
            const Run type = RunProgram(probe, {file}, env);
            QVERIFY2(type.exitCode == 0, qPrintable(Describe(type)));
            QVERIFY2(type.standardOutput.trimmed() == expected, qPrintable(file + ": " + type.standardOutput));
        }
    }

    void metainfoValidates()
    {
        const QString validator = QStandardPaths::findExecutable("appstreamcli");
        if (validator.isEmpty())
            QSKIP("appstreamcli (appstream) is not installed");
        const QString metainfo = prefix_ + "/share/metainfo/" + kAppId + ".metainfo.xml";
        const Run run = RunProgram(validator, {"validate", "--no-net", "--pedantic", metainfo});
        QVERIFY2(run.exitCode == 0, qPrintable(Describe(run)));
        const QString text = QString::fromUtf8(FileBytes(metainfo));
        QVERIFY(text.contains("<id>" + kAppId + "</id>"));
        QVERIFY(text.contains("<launchable type=\"desktop-id\">" + kAppId + ".desktop</launchable>"));
    }

    // Compressed as Debian's own manual pages are (gzip -9n): the header
    // says best compression and holds no file name and no time, so the
    // same page always makes the same package.
    void manualPageIsCompressedAsDebianDoes()
    {
        const QByteArray bytes = FileBytes(prefix_ + "/share/man/man1/formlark.1.gz");
        QVERIFY(bytes.size() > 18);
        QCOMPARE(bytes.left(3), QByteArray("\x1f\x8b\x08", 3)); // gzip, deflate
        QCOMPARE(int(bytes[3]), 0);                             // no name, no comment
        QCOMPARE(bytes.mid(4, 4), QByteArray(4, '\0'));         // no time
        QCOMPARE(int(bytes[8]), 2);                             // best compression
        QVERIFY(!QFileInfo::exists(prefix_ + "/share/man/man1/formlark.1"));
    }

    void manualPageFormatsWithoutWarnings()
    {
        const QString groff = QStandardPaths::findExecutable("groff");
        if (groff.isEmpty())
            QSKIP("groff (groff-base) is not installed");
        const Run unpacked = RunProgram("gzip", {"-dc", prefix_ + "/share/man/man1/formlark.1.gz"});
        QVERIFY2(unpacked.exitCode == 0, qPrintable(Describe(unpacked)));
        QTemporaryDir folder;
        const QString page = folder.filePath("formlark.1");
        QVERIFY(WriteFileBytes(page, unpacked.standardOutput.toUtf8()));
        // Plain text: no bold by overstriking, no colour.
        const Run run = RunProgram(groff, {"-man", "-ww", "-Tutf8", "-P-cbou", page});
        QVERIFY2(run.exitCode == 0 && run.standardError.isEmpty(), qPrintable(Describe(run)));
        for (const char* topic : {"formlark print", "--company", "--pdf", "--version", "DatabaseFiles"})
            QVERIFY2(run.standardOutput.contains(QLatin1String(topic)), topic);
    }

    // Debian's machine-readable copyright file: its header, then stanzas
    // of files, each with its copyright and licence.
    void copyrightFileIsMachineReadable()
    {
        const QStringList paragraphs =
            QString::fromUtf8(FileBytes(prefix_ + "/share/doc/formlark/copyright")).split(QStringLiteral("\n\n"));
        QVERIFY(paragraphs.size() >= 2);
        const QStringList header = paragraphs.first().split(u'\n');
        QCOMPARE(header.first(),
                 QStringLiteral("Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/"));
        QVERIFY(header.contains(QStringLiteral("Upstream-Name: formlark")));
        QVERIFY2(paragraphs[1].startsWith(QLatin1String("Files: *\n")), qPrintable(paragraphs[1]));
        for (const QString& paragraph : paragraphs.mid(1)) {
            QVERIFY2(paragraph.startsWith(QLatin1String("Files: ")), qPrintable(paragraph));
            QVERIFY2(paragraph.contains(QLatin1String("\nCopyright: "))
                         && paragraph.contains(QLatin1String("\nLicense: ")),
                     qPrintable(paragraph));
        }
    }

    // The issue's own run: the installed program prints the Sample Company's
    // W-2s for a user who has never started it.
    void printsForANewUser_data()
    {
        QTest::addColumn<bool>("xdgDataHomeSet");
        QTest::newRow("XDG_DATA_HOME set") << true;
        QTest::newRow("XDG_DATA_HOME unset: ~/.local/share") << false;
    }

    void printsForANewUser()
    {
        QFETCH(bool, xdgDataHomeSet);
        QTemporaryDir user;
        const QString home = user.filePath("home");
        const QString dataHome = xdgDataHomeSet ? user.filePath("data") : home + "/.local/share";
        QVERIFY(QDir().mkpath(home));
        const QString pdf = user.filePath("w2.pdf");

        const Run run = RunProgram(program_,
                                   {"print", "--company", "Sample Company", "--form", "w2", "--all", "--pdf", pdf},
                                   UserEnvironment(home, xdgDataHomeSet ? dataHome : QString()));
        QVERIFY2(run.exitCode == 0, qPrintable(Describe(run)));
        QVERIFY(FileBytes(pdf).startsWith("%PDF-"));

        const QString copied = dataHome + u'/' + kUserFolder + "Sample Company.pmt";
        QVERIFY2(QFileInfo(copied).isFile(), qPrintable(copied));
        QCOMPARE(FileBytes(copied), FileBytes(prefix_ + "/share/formlark/DatabaseFiles/Sample Company.pmt"));
        // Printing only reads the settings: it makes no settings file.
        QVERIFY(!QFileInfo::exists(home + "/config/Brindlecove/Formlark (2005).ini"));
        QCOMPARE(FolderSnapshot(prefix_), installed_);
    }

    // A user who has stores already: the data folder of the settings, or
    // the XDG one, is used as it is; the bundled copy is not added.
    void printsFromTheUsersOwnStores_data()
    {
        QTest::addColumn<bool>("companyDataPath");
        QTest::newRow("in the XDG data folder") << false;
        QTest::newRow("in the settings' Company Data Path") << true;
    }

    void printsFromTheUsersOwnStores()
    {
        QFETCH(bool, companyDataPath);
        QTemporaryDir user;
        const QString home = user.filePath("home");
        const QString xdgFolder = home + "/.local/share/" + kUserFolder;
        const QString own = companyDataPath ? user.filePath("office/") : xdgFolder;
        QVERIFY(QDir().mkpath(own));
        const QString ownStore = own + "Own Company.pmt";
        QVERIFY(QFile::copy(prefix_ + "/share/formlark/DatabaseFiles/Sample Company.pmt", ownStore));
        const QByteArray before = FileBytes(ownStore);
        if (companyDataPath) {
            QVERIFY(QDir().mkpath(home + "/config/Brindlecove"));
            QFile settings(home + "/config/Brindlecove/Formlark (2005).ini");
            QVERIFY(settings.open(QIODevice::WriteOnly));
            settings.write("[SOFTWARE\\Microsoft\\DCOM Settings\\Options]\nCompany Data Path=\"" + own.toUtf8()
                           + "\"\n");
        }

        const QString pdf = user.filePath("w3.pdf");
        const Run run = RunProgram(program_, {"print", "--company", "own company", "--form", "w3", "--pdf", pdf},
                                   UserEnvironment(home, QString()));
        QVERIFY2(run.exitCode == 0, qPrintable(Describe(run)));
        QVERIFY(FileBytes(pdf).startsWith("%PDF-"));
        QCOMPARE(FileBytes(ownStore), before);
        QCOMPARE(QDir(own).entryList(QDir::Files), QStringList{"Own Company.pmt"});
        if (companyDataPath)
            QVERIFY(!QFileInfo::exists(xdgFolder));
        QCOMPARE(FolderSnapshot(prefix_), installed_);
    }

    // "cpack -G DEB": the package's dependencies come from the libraries
    // the program is linked with, plus the fonts of the printed forms.
    void debianPackage()
    {
        for (const char* tool : {"dpkg-deb", "dpkg-shlibdeps"})
            QVERIFY2(!QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty(),
                     qPrintable(QStringLiteral("%1 (dpkg-dev) is needed; see scripts/setup.sh").arg(tool)));
        QTemporaryDir out;
        const Run pack = RunProgram(QStringLiteral(FORMLARK_CPACK_COMMAND),
                                    {"-G", "DEB", "-B", out.path(), "--config",
                                     QStringLiteral(FORMLARK_BUILD_DIR "/CPackConfig.cmake")});
        QVERIFY2(pack.exitCode == 0, qPrintable(Describe(pack)));
        const QStringList packages = QDir(out.path()).entryList({"formlark_*.deb"}, QDir::Files);
        QCOMPARE(packages.size(), 1);
        const QString deb = out.filePath(packages.first());

        const Run depends = RunProgram("dpkg-deb", {"--field", deb, "Depends"});
        QVERIFY2(depends.exitCode == 0, qPrintable(Describe(depends)));
        for (const char* package : {"fonts-liberation2", "libqt6core6", "libqt6widgets6", "libqt6svg6", "libsqlite3-0"})
            QVERIFY2(depends.standardOutput.contains(QLatin1String(package)), qPrintable(depends.standardOutput));

        const Run contents = RunProgram("dpkg-deb", {"--contents", deb});
        QVERIFY2(contents.exitCode == 0, qPrintable(Describe(contents)));
        QStringList packaged;
        for (const QString& line : contents.standardOutput.split(u'\n', Qt::SkipEmptyParts))
            packaged << line.mid(line.indexOf(QLatin1String(" ./")) + 1); // the path ends the line
        for (const QString& path :
             {QStringLiteral("./usr/bin/formlark"),
              QStringLiteral("./usr/share/formlark/DatabaseFiles/Sample Company.pmt"),
              "./usr/share/applications/" + kAppId + ".desktop", QStringLiteral("./usr/share/man/man1/formlark.1.gz"),
              QStringLiteral("./usr/share/doc/formlark/copyright")})
            QVERIFY2(packaged.contains(path), qPrintable(path + "\n" + contents.standardOutput));
    }

    void versionAndHelpNeedNoDisplay_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("start");
        QTest::newRow("--version") << "--version"
                                   << "formlark " FORMLARK_VERSION;
        QTest::newRow("--help") << "--help"
                                << "usage: formlark ";
    }

    void versionAndHelpNeedNoDisplay()
    {
        QFETCH(QString, option);
        QFETCH(QString, start);
        QTemporaryDir user;
        QProcessEnvironment env = UserEnvironment(user.path(), QString());
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QLatin1String(name));
        const Run run = RunProgram(program_, {option}, env);
        QVERIFY2(run.exitCode == 0 && run.standardError.isEmpty(), qPrintable(Describe(run)));
        QVERIFY2(run.standardOutput.startsWith(start), qPrintable(run.standardOutput));
        QCOMPARE(run.standardOutput.count(u'\n'), 1);
        QVERIFY(run.standardOutput.endsWith(u'\n'));
        QVERIFY(QDir(user.path()).isEmpty()); // no settings, no data folder
        QCOMPARE(FolderSnapshot(prefix_), installed_);
    }
};

FORMLARK_TEST_GUILESS_MAIN(InstalledProgramTest)
#include "InstalledProgramTest.moc"
