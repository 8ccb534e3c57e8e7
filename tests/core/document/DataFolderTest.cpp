// Where the company stores are kept: beside a program run from its build
// folder, in the user's data folder for an installed one (made and given the
// Sample Company on the first start), or where "Company Data Path" says; and
// an installed program never writes into its own folder.
#include "core/companyfiles/CompanyFiles.h"
#include "core/document/GlobalDoc.h"
#include "core/document/RunStart.h"
#include "core/document/RunEnd.h"
#include "core/document/CompanyCommands.h"
#include "core/settings/Settings.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TestFolders.h"
#include "tests/support/TestStores.h"

#include <QDir>
#include <QFile>
#include <QtTest>

#include <unistd.h>

namespace {

const QString kDataPathKey = SettingsKeyPath(kKeyDcomOptions);

// Sets an environment variable for the life of the object.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const QByteArray& value)
        : name_(name)
        , had_(qEnvironmentVariableIsSet(name))
        , saved_(qgetenv(name))
    {
        qputenv(name, value);
    }
    ~ScopedEnvironment()
    {
        if (had_)
            qputenv(name_, saved_);
        else
            qunsetenv(name_);
    }

private:
    const char* name_;
    bool had_;
    QByteArray saved_;
};

// An installation in a temporary prefix: prefix/bin and
// prefix/share/formlark/ with the bundled Sample Company, used as the
// program folder of an installed program; the user's data under
// xdg-data/.
class Installation {
public:
    Installation()
        : xdgData_("XDG_DATA_HOME", QFile::encodeName(folders.Path("xdg-data")))
    {
        QDir().mkpath(Prefix() + "bin");
        QDir().mkpath(SharedDataFolder());
        MakeStore(SharedDataFolder(), "Sample Company.pmt", "Sample Company");
        SetProgramFolder(Prefix() + "share/formlark/", true);
    }

    QString Prefix() const { return folders.Path("prefix/"); }
    QString SharedDataFolder() const { return Prefix() + "share/formlark/DatabaseFiles/"; }
    QString UserFolder() const { return folders.Path("xdg-data/Brindlecove/Formlark (2005)/DatabaseFiles/"); }

    TestFolders folders;

private:
    ScopedEnvironment xdgData_;
};

} // namespace

class DataFolderTest : public QObject {
    Q_OBJECT

private slots:
    void userDataFolderFollowsXdgDataHome_data()
    {
        QTest::addColumn<QByteArray>("xdgDataHome");
        QTest::addColumn<QString>("expected");
        const QString home = QDir::homePath();
        QTest::newRow("set") << QByteArray("/srv/u/data") << "/srv/u/data/Brindlecove/Formlark (2005)/DatabaseFiles/";
        QTest::newRow("trailing slash") << QByteArray("/srv/u/data/")
                                        << "/srv/u/data/Brindlecove/Formlark (2005)/DatabaseFiles/";
        QTest::newRow("empty: home") << QByteArray()
                                     << home + "/.local/share/Brindlecove/Formlark (2005)/DatabaseFiles/";
        QTest::newRow("relative is ignored")
            << QByteArray("data") << home + "/.local/share/Brindlecove/Formlark (2005)/DatabaseFiles/";
    }

    void userDataFolderFollowsXdgDataHome()
    {
        QFETCH(QByteArray, xdgDataHome);
        QFETCH(QString, expected);
        ScopedEnvironment xdg("XDG_DATA_HOME", xdgDataHome);
        QCOMPARE(UserDataFolder(), expected);
    }

    void defaultDataFolder_data()
    {
        QTest::addColumn<bool>("installed");
        QTest::addColumn<QString>("programDataFolder"); // writable, read-only, missing
        QTest::addColumn<bool>("beside");
        QTest::newRow("build folder, writable") << false << "writable" << true;
        QTest::newRow("build folder, not made yet") << false << "missing" << true;
        QTest::newRow("build folder, read-only") << false << "read-only" << false;
        QTest::newRow("installed, even when writable") << true << "writable" << false;
    }

    void defaultDataFolder()
    {
        QFETCH(bool, installed);
        QFETCH(QString, programDataFolder);
        QFETCH(bool, beside);
        if (programDataFolder == "read-only" && ::geteuid() == 0)
            QSKIP("root writes into read-only folders");
        TestFolders folders;
        ScopedEnvironment xdg("XDG_DATA_HOME", QFile::encodeName(folders.Path("xdg-data")));
        SetProgramFolder(folders.ProgramFolder(), installed);
        if (programDataFolder == "missing")
            QVERIFY(QDir(folders.DataFolder()).removeRecursively());
        if (programDataFolder == "read-only")
            QVERIFY(QFile::setPermissions(folders.DataFolder(), QFile::ReadOwner | QFile::ExeOwner));
        const QStringList before = FolderSnapshot(folders.Path(""));
        QCOMPARE(DefaultDataFolder(), beside ? folders.DataFolder() : UserDataFolder());
        QCOMPARE(FolderSnapshot(folders.Path("")), before); // it only looks
        QFile::setPermissions(folders.DataFolder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void firstStartMakesTheUserFolderWithTheSampleCompany()
    {
        Installation installation;
        const QStringList installed = FolderSnapshot(installation.Prefix());
        QVERIFY(!QFileInfo::exists(installation.UserFolder()));

        QCOMPARE(ReadDataFolder(), installation.UserFolder());
        const QString copy = installation.UserFolder() + "Sample Company.pmt";
        QCOMPARE(FileBytes(copy), FileBytes(installation.SharedDataFolder() + "Sample Company.pmt"));
        QVERIFY(QFileInfo(copy).permissions() & QFile::WriteOwner);
        QCOMPARE(QDir(installation.UserFolder()).entryList(QDir::Files), QStringList{"Sample Company.pmt"});
        QCOMPARE(FolderSnapshot(installation.Prefix()), installed);

        // Later starts find it there and copy nothing again.
        QVERIFY(WriteFileBytes(copy, "typed into since"));
        QCOMPARE(ReadDataFolder(), installation.UserFolder());
        QCOMPARE(FileBytes(copy), QByteArray("typed into since"));
    }

    void sampleCompanyOnlyIntoAFolderWithoutStores_data()
    {
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("another company") << QStringList{"Acme.pmt"} << QStringList{"Acme.pmt"};
        QTest::newRow("an own Sample Company, other case")
            << QStringList{"sample company.pmt"} << QStringList{"sample company.pmt"};
        QTest::newRow("deleted stores only")
            << QStringList{"Acme.pmt.del"} << QStringList{"Acme.pmt.del", "Sample Company.pmt"};
        QTest::newRow("a copy cut short earlier")
            << QStringList{"Sample Company.pmt.copying"} << QStringList{"Sample Company.pmt"};
    }

    void sampleCompanyOnlyIntoAFolderWithoutStores()
    {
        QFETCH(QStringList, present);
        QFETCH(QStringList, expected);
        Installation installation;
        QVERIFY(QDir().mkpath(installation.UserFolder()));
        for (const QString& name : present)
            QVERIFY(WriteFileBytes(installation.UserFolder() + name, "the user's own " + name.toUtf8()));

        QCOMPARE(ReadDataFolder(), installation.UserFolder());
        QStringList found = QDir(installation.UserFolder()).entryList(QDir::Files);
        found.sort();
        QCOMPARE(found, expected);
        const QByteArray sample = FileBytes(installation.SharedDataFolder() + "Sample Company.pmt");
        for (const QString& name : expected)
            QCOMPARE(FileBytes(installation.UserFolder() + name),
                     present.contains(name) ? "the user's own " + name.toUtf8() : sample);
    }

    void companyDataPathWins_data()
    {
        QTest::addColumn<bool>("installed");
        QTest::newRow("installed") << true;
        QTest::newRow("build folder") << false;
    }

    void companyDataPathWins()
    {
        QFETCH(bool, installed);
        Installation installation;
        SetProgramFolder(ProgramFolder(), installed);
        const QString chosen = installation.folders.Path("network share/");
        QVERIFY(QDir().mkpath(chosen));
        WriteSettingText(kDataPathKey, "Company Data Path", chosen);
        QCOMPARE(ReadDataFolder(), chosen);
        QVERIFY(!QFileInfo::exists(installation.UserFolder()));
        QVERIFY(QDir(chosen).isEmpty()); // nothing is copied into a folder of the user's choice
    }

    void installedProgramNeverKeepsStoresInItsOwnFolder_data()
    {
        QTest::addColumn<QString>("dataPath");
        QTest::newRow("its DatabaseFiles") << "share/formlark/DatabaseFiles/";
        QTest::newRow("its folder") << "share/formlark";
        QTest::newRow("spelled with ..") << "bin/../share/formlark/DatabaseFiles";
    }

    void installedProgramNeverKeepsStoresInItsOwnFolder()
    {
        QFETCH(QString, dataPath);
        Installation installation;
        WriteSettingText(kDataPathKey, "Company Data Path", installation.Prefix() + dataPath);
        QCOMPARE(ReadDataFolder(), installation.UserFolder());
        QVERIFY(QFileInfo::exists(installation.UserFolder() + "Sample Company.pmt"));
    }

    // A whole run of an installed program with every kind of write a run
    // makes: new stores, a change, a deleted company, the rename at the end.
    void installedProgramWritesNothingBesideIt()
    {
        Installation installation;
        ScriptedPrompt prompt;
        const QStringList installed = FolderSnapshot(installation.Prefix());
        {
            CGlobalDoc doc;
            QVERIFY(RunStart(doc).OpenFirstCompany());
            QCOMPARE(doc.CurrentStorePath(), installation.UserFolder() + "Sample Company.pmt");

            ScriptedDialogs dialogs;
            dialogs.newName = QStringLiteral("Acme");
            CompanyCommands(doc).OnNewCompany(dialogs);
            dialogs.newName = QStringLiteral("Beta");
            prompt.Then(PromptAnswer::Yes); // save the new Acme first
            CompanyCommands(doc).OnNewCompany(dialogs);
            QVERIFY(doc.CommitChanges().Succeeded());
            dialogs.selectName = QStringLiteral("Acme");
            prompt.Then(PromptAnswer::Yes); // delete it
            CompanyCommands(doc).OnDeleteCompany(dialogs);
            doc.SetCompanyTitle(QStringLiteral("Beta Renamed"));
            QVERIFY(RunEnd(doc).CloseDocument());
        }
        QStringList found = QDir(installation.UserFolder()).entryList(QDir::Files);
        found.sort();
        QCOMPARE(found, QStringList({"Acme.pmt.del", "Beta Renamed.pmt", "Sample Company.pmt"}));
        QCOMPARE(ReadSettingText(kDataPathKey, "Company Data Path", "-"), installation.UserFolder());
        QCOMPARE(FolderSnapshot(installation.Prefix()), installed);
        QCOMPARE(prompt.unanswered, 0);
    }
};

FORMLARK_TEST_GUILESS_MAIN(DataFolderTest)
#include "DataFolderTest.moc"
