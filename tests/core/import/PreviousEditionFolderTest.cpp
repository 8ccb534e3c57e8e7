// Finding the previous edition's stores: the order of the places tried,
// the first place with a "DatabaseFiles" folder winning, and the
// environment variable that replaces them all.
#include "core/import/PreviousEditionFolder.h"
#include "core/settings/Settings.h"
#include "tests/support/TestFolders.h"

#include <QDir>
#include <QFile>
#include <QtTest>

namespace {

// A home folder and no chosen folder for the test's time.
struct Surroundings {
    TestFolders folders;
    QByteArray oldHome = qgetenv("HOME");
    Surroundings()
    {
        qputenv("HOME", folders.Path("home").toUtf8());
        qunsetenv(kPreviousEditionFolderVariable);
    }
    ~Surroundings()
    {
        qputenv("HOME", oldHome);
        qunsetenv(kPreviousEditionFolderVariable);
    }
    QString Home() const { return folders.Path("home"); }
    // An installation folder with its "DatabaseFiles" folder.
    QString Install(const QString& folder) const
    {
        QDir().mkpath(folder + "/DatabaseFiles");
        return folder;
    }
};

const QStringList kFixedTail = {"/opt/Brindlecove/Formlark (2004)", "/usr/local/Brindlecove/Formlark (2004)",
                                "/opt/Formlark (2004)", "/usr/local/Formlark (2004)"};

} // namespace

class PreviousEditionFolderTest : public QObject {
    Q_OBJECT

private slots:
    void placesAreTriedInOrder()
    {
        Surroundings s;
        const QStringList homes = {s.Home() + "/Brindlecove/Formlark (2004)",
                                   s.Home() + "/.local/share/Brindlecove/Formlark (2004)"};
        QCOMPARE(PreviousEditionCandidates(), homes + kFixedTail);
        // Looking for the previous edition's keys writes nothing into the
        // user's settings file.
        QVERIFY(!QFile::exists(s.folders.SettingsFile()));

        WriteSettingText(kPreviousEditionUninstallKey, kInstallLocationValue, "/srv/uninstall");
        QCOMPARE(PreviousEditionCandidates(), QStringList{"/srv/uninstall"} + homes + kFixedTail);
        WriteSettingText(kPreviousEditionKey, kInstallPathValue, "/srv/install");
        QCOMPARE(PreviousEditionCandidates(), QStringList({"/srv/install", "/srv/uninstall"}) + homes + kFixedTail);

        qputenv(kPreviousEditionFolderVariable, "/srv/chosen");
        QCOMPARE(PreviousEditionCandidates(), QStringList{"/srv/chosen"});
    }

    // Every place in turn is the first one that holds stores.
    void firstPlaceWithStoresWins_data()
    {
        QTest::addColumn<QStringList>("installed"); // places with a DatabaseFiles folder
        QTest::addColumn<QString>("found");
        QTest::newRow("settings InstallPath") << QStringList{"install", "uninstall", "home1", "home2"} << "install";
        QTest::newRow("uninstall InstallLocation") << QStringList{"uninstall", "home1", "home2"} << "uninstall";
        QTest::newRow("~/Brindlecove") << QStringList{"home1", "home2"} << "home1";
        QTest::newRow("~/.local/share/Brindlecove") << QStringList{"home2"} << "home2";
        QTest::newRow("chosen folder beats all") << QStringList{"chosen", "install", "home1"} << "chosen";
        QTest::newRow("chosen folder without stores: none") << QStringList{"install", "home1"} << "";
    }

    void firstPlaceWithStoresWins()
    {
        QFETCH(QStringList, installed);
        QFETCH(QString, found);
        Surroundings s;
        const QMap<QString, QString> places = {
            {"install", s.folders.Path("install")},
            {"uninstall", s.folders.Path("uninstall")},
            {"home1", s.Home() + "/Brindlecove/Formlark (2004)"},
            {"home2", s.Home() + "/.local/share/Brindlecove/Formlark (2004)"},
            {"chosen", s.folders.Path("chosen")},
        };
        for (const QString& place : installed)
            s.Install(places[place]);
        // Both settings always point somewhere; only installed places count.
        WriteSettingText(kPreviousEditionKey, kInstallPathValue, places["install"]);
        WriteSettingText(kPreviousEditionUninstallKey, kInstallLocationValue, places["uninstall"] + "/");
        if (QByteArray(QTest::currentDataTag()).startsWith("chosen"))
            qputenv(kPreviousEditionFolderVariable, places["chosen"].toUtf8());

        const QString expected = found.isEmpty() ? QString() : places[found] + "/DatabaseFiles/";
        QCOMPARE(FindPreviousEditionStoreFolder(PreviousEditionCandidates()), expected);
    }

    void databaseFilesMustBeAFolder()
    {
        Surroundings s;
        const QString install = s.folders.Path("install");
        QDir().mkpath(install);
        QFile file(install + "/DatabaseFiles");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QCOMPARE(FindPreviousEditionStoreFolder({install}), QString());
    }
};

FORMLARK_TEST_GUILESS_MAIN(PreviousEditionFolderTest)
#include "PreviousEditionFolderTest.moc"
