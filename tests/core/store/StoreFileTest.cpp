// The store file: our header in front of the engine's image, refusal of
// files that do not carry it, and the schema a new store gets.
#include "core/store/CompanyData.h"
#include "core/store/CompanyFileRead.h"
#include "core/store/CompanyStore.h"
#include "core/store/StoreFileHeader.h"
#include "core/store/StoreFileKind.h"
#include "core/store/StoreFileVfs.h"
#include "core/store/StoreLeftovers.h"
#include "core/companyfiles/CompanyFiles.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/TestFolders.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sqlite3.h>

#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Rows of a query as "a|b|c" lines, through the store's own Execute.
QStringList Rows(CompanyStore& store, const QByteArray& sql, int* rc = nullptr)
{
    QStringList rows;
    const int result = store.Execute(sql, [&](int n, char** values, char**) {
        QStringList cells;
        for (int i = 0; i < n; ++i)
            cells << (values[i] ? QString::fromUtf8(values[i]) : QStringLiteral("<null>"));
        rows << cells.join(u'|');
        return 0;
    });
    if (rc)
        *rc = result;
    return rows;
}

} // namespace

class StoreFileTest : public QObject {
    Q_OBJECT

private slots:
    void newStoreStartsWithTheHeader()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Acme.pmt");
        CompanyStore store;
        QCOMPARE(CreateCompanyStore(store, path), 0);
        store.Close();

        const QByteArray bytes = FileBytes(path);
        QVERIFY(bytes.size() > kStoreImageOffset);
        QCOMPARE(bytes.left(54), QByteArray("** This is a Wagesparrow Database file version 1.0 **", 54));
        QCOMPARE(bytes.at(53), '\0');
        QCOMPARE(bytes.mid(54, 2), QByteArray(2, '\0'));
        QCOMPARE(bytes.mid(56, 4), QByteArray("\x28\x75\xE3\xDA", 4));
        // The engine's own image follows at the fixed offset, so the stock
        // engine reads the file once the prefix is cut off.
        QCOMPARE(bytes.mid(kStoreImageOffset, 16), QByteArray("SQLite format 3\0", 16));
    }

    void stockEngineReadsTheImageAfterTheHeader()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Acme.pmt");
        {
            CompanyStore store;
            QCOMPARE(CreateCompanyStore(store, path), 0);
            CompanyRecord company;
            company.EmployerName = "Acme";
            QCOMPARE(store.InsertCompany(company, 1), 0);
        }
        const QString image = dir.filePath("image.db");
        QVERIFY(WriteFileBytes(image, FileBytes(path).mid(kStoreImageOffset)));
        sqlite3* db = nullptr;
        QCOMPARE(sqlite3_open_v2(image.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
        sqlite3_stmt* statement = nullptr;
        QCOMPARE(sqlite3_prepare_v2(db, "SELECT EmployerName FROM Company", -1, &statement, nullptr), SQLITE_OK);
        QCOMPARE(sqlite3_step(statement), SQLITE_ROW);
        QCOMPARE(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0))),
                 QStringLiteral("Acme"));
        sqlite3_finalize(statement);
        sqlite3_close(db);
    }

    // What is not a whole store of this edition never reaches the engine:
    // it would take the journal beside it for its own, and delete it (beside
    // an empty file or a header alone) or play it back into the file. Each
    // is refused with what it is, and neither file is touched.
    void filesThatAreNoStoreAreNeverOpened_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("said");
        const QByteArray good = StoreFileHeader();
        QByteArray otherText = good;
        otherText[3] = 'X';
        QByteArray otherMagic = good;
        otherMagic[59] = '\x00';
        QByteArray stockEngine("SQLite format 3\0", 16);
        stockEngine.append(QByteArray(4080, '\0'));
        QTest::newRow("stock engine file") << stockEngine << "it is a database of another program, not a company file";
        QTest::newRow("header text differs")
            << (otherText + QByteArray(8192, '\0'))
            << "it is not a company file: it does not start with a company file's header";
        QTest::newRow("magic number differs")
            << (otherMagic + QByteArray(8192, '\0'))
            << "its header is damaged: it starts with a company file's header text, but the magic number after it is "
               "wrong";
        QTest::newRow("only the header") << (good + QByteArray(kStoreImageOffset - kStoreHeaderSize, '\0'))
                                         << "only its header is left: the company's data behind it is missing";
        QTest::newRow("a 48-byte header")
            << good.left(48) << "it holds only the first 48 bytes of a company file's header of 60 bytes";
        QTest::newRow("shorter than the header") << QByteArray("** This is") << "the first 10 bytes";
        QTest::newRow("empty") << QByteArray() << "it is empty (0 bytes)";
        QTest::newRow("text file") << QByteArray("Dear Sir,\nplease find attached\n").repeated(300)
                                   << "it is a text file, not a company file";
        QTest::newRow("a PDF") << QByteArray("%PDF-1.4\n%\xE2\xE3\xCF\xD3\n") << "it is a PDF document";
        QTest::newRow("binary") << QByteArray("\x01\x02\x03\xFF", 4).repeated(100)
                                << "it is not a company file: it does not start with a company file's header";
    }

    void filesThatAreNoStoreAreNeverOpened()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, said);
        QTemporaryDir dir;
        const QString path = dir.filePath("Foreign.pmt");
        const QString journal = path + "-journal";
        // A journal of this engine's own format, with a change to roll back.
        const QByteArray hot = QByteArray("\xd9\xd5\x05\xf9\x20\xa1\x63\xd7\x00\x00\x00\x01", 12)
                               + QByteArray(2000, '\x5a');
        QVERIFY(WriteFileBytes(path, content));
        QVERIFY(WriteFileBytes(journal, hot));
        QVERIFY2(StoreFileProblem(path).contains(said), qPrintable(StoreFileProblem(path)));

        CompanyStore store;
        QCOMPARE(store.OpenExisting(path), CompanyStore::kError);
        QCOMPARE(store.LastFailure(), StoreFileProblem(path));
        if (!content.isEmpty()) // an empty file is where a new store may be made
            QCOMPARE(store.Open(path), CompanyStore::kError);
        CompanyData data;
        QCOMPARE(LoadCompany(store, path, data), CompanyStore::kError);
        const CompanyFileRead read = ReadCompanyFile(path, data);
        QVERIFY(!read.read);
        QCOMPARE(read.problem, StoreFileProblem(path));
        QVERIFY(!IsOwnFormatStore(path));
        store.Close();

        // The engine itself is refused the file, should it ever be asked.
        RegisterStoreVfs();
        sqlite3* db = nullptr;
        QCOMPARE(sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, kStoreVfsName),
                 SQLITE_CANTOPEN);
        sqlite3_close(db);

        QCOMPARE(FileBytes(path), content);
        QCOMPARE(FileBytes(journal), hot);
    }

    void schemaAsTheEngineReadsItBack()
    {
        QTemporaryDir dir;
        CompanyStore store;
        QCOMPARE(CreateCompanyStore(store, dir.filePath("New.pmt")), 0);

        QCOMPARE(Rows(store, "SELECT name FROM sqlite_master WHERE type='table' ORDER BY rowid"),
                 QStringList({"Version", "Company", "Employees", "Contractors", "W2", "Form1099", "W3", "Form1096"}));

        auto columns = [&](const char* table) {
            QStringList names;
            for (const QString& row : Rows(store, QByteArray("PRAGMA table_info(") + table + ")")) {
                const QStringList cells = row.split(u'|');
                names << cells.at(1) + u' ' + cells.at(2);
            }
            return names.join(u',');
        };
        QCOMPARE(columns("Version"), QStringLiteral("FormlarkVersion NVARCHAR(16)"));
        QCOMPARE(columns("Company"),
                 QStringLiteral(
                     "CompanyUniqueID INTEGER,EmployerIdentificationNumber NVARCHAR(16),EmployerName NVARCHAR(51),"
                     "Address1 NVARCHAR(31),Address2 NVARCHAR(31),City NVARCHAR(21),State NVARCHAR(3),"
                     "Zip NVARCHAR(11),StateID NVARCHAR(11),SocialSecurityNumber NVARCHAR(13),"
                     "FormW3ControlNumber NVARCHAR(21),FormW3EstablishmentNumber NVARCHAR(21),"
                     "FormW3OtherEIN NVARCHAR(17),FormW3ThirdPartySickPay NVARCHAR(31),"
                     "FormW3IncomeTaxWithHeld NVARCHAR(21),FormW3ContactName NVARCHAR(51),"
                     "FormW3Telephone NVARCHAR(17),FormW3Email NVARCHAR(40),FormW3Fax NVARCHAR(17),"
                     "FormW3RadioKindOfPayer INTEGER,FormW3CheckThirdPartySickPay INTEGER,"
                     "Form1096ContactName NVARCHAR(51),Form1096Telephone NVARCHAR(17),Form1096Fax NVARCHAR(17),"
                     "Form1096Email NVARCHAR(41),Form1096CheckIsThisYourFinalReturn INTEGER"));
        QCOMPARE(columns("Employees"),
                 QStringLiteral("EmployeeUniqueID INTEGER,CompanyUniqueID INTEGER,SocialSecurityNumber NVARCHAR(13),"
                                "FirstName NVARCHAR(21),MiddleName NVARCHAR(3),LastName NVARCHAR(21),"
                                "Address1 NVARCHAR(31),Address2 NVARCHAR(31),City NVARCHAR(21),State NVARCHAR(3),"
                                "Zip NVARCHAR(12)"));
        QCOMPARE(columns("Contractors"),
                 QStringLiteral("ContractorUniqueID INTEGER,CompanyUniqueID INTEGER,IdentificationNumber NVARCHAR(12),"
                                "FirstName NVARCHAR(21),MiddleName NVARCHAR(3),LastName NVARCHAR(21),"
                                "Address1 NVARCHAR(31),Address2 NVARCHAR(31),City NVARCHAR(21),State NVARCHAR(3),"
                                "Zip NVARCHAR(12),AccountNumber NVARCHAR(13),GeneralInformation NVARCHAR(31),"
                                "SecondTIN INTEGER"));
        QCOMPARE(columns("W2"),
                 QStringLiteral(
                     "W2UniqueID INTEGER,EmployeeUniqueID INTEGER,Wages NVARCHAR(21),"
                     "FederalIncomeTaxWithdrawal NVARCHAR(21),SocialSecurityWages NVARCHAR(21),"
                     "SocialSecurityTaxWithheld NVARCHAR(21),MedicareWages NVARCHAR(21),"
                     "MedicareTaxWithheld NVARCHAR(21),SocialSecurityTips NVARCHAR(21),AllocatedTips NVARCHAR(21),"
                     "AdvancEICPayment NVARCHAR(21),DependentCareBenefits NVARCHAR(21),NonQualifiedPlans NVARCHAR(21),"
                     "StatutoryEmployee INTEGER,RetirementPlan INTEGER,ThirdPartySickpay INTEGER,Other1 NVARCHAR(15),"
                     "Other2 NVARCHAR(15),Other3 NVARCHAR(15),Field12aCode NVARCHAR(2),Field12bCode NVARCHAR(2),"
                     "Field12cCode NVARCHAR(2),Field12dCode NVARCHAR(2),Field12aYear NVARCHAR(3),"
                     "Field12bYear NVARCHAR(3),Field12cYear NVARCHAR(3),Field12dYear NVARCHAR(3),"
                     "Field12aAmount NVARCHAR(21),Field12bAmount NVARCHAR(21),Field12cAmount NVARCHAR(21),"
                     "Field12dAmount NVARCHAR(21),State1 NVARCHAR(3),StateID1 NVARCHAR(16),State2 NVARCHAR(3),"
                     "StateID2 NVARCHAR(16),StateWages1 NVARCHAR(21),StateWages2 NVARCHAR(21),"
                     "StateIncomTax1 NVARCHAR(21),StateIncomTax2 NVARCHAR(21),LocalWages1 NVARCHAR(21),"
                     "LocalWages2 NVARCHAR(21),LocalIncomeTax1 NVARCHAR(21),LocalIncomeTax2 NVARCHAR(21),"
                     "LocalityName1 NVARCHAR(7),LocalityName2 NVARCHAR(7)"));
        QCOMPARE(columns("Form1099"),
                 QStringLiteral(
                     "Form1099UniqueID INTEGER,ContractorUniqueID INTEGER,Rents NVARCHAR(21),Royalities NVARCHAR(21),"
                     "OtherIncome NVARCHAR(21),FederalIncomeTaxWithheld NVARCHAR(21),FishingBoatProceeds NVARCHAR(21),"
                     "MedicalAndHealthCarePayments NVARCHAR(21),NonemployeeCompensation NVARCHAR(21),"
                     "SubstitutePayments NVARCHAR(21),PayerMadeDirectSales INTEGER,"
                     "CropInsuranceProceeds NVARCHAR(21),ExcessGoldenParachutePayments NVARCHAR(21),"
                     "GrossProceedsPaidToAttorney NVARCHAR(21),GenearlInformation NVARCHAR(31),"
                     "StateTaxWithheld1 NVARCHAR(21),StateTaxWithheld2 NVARCHAR(21),PayerStateID1 NVARCHAR(16),"
                     "PayerStateID2 NVARCHAR(16),StateIncome1 NVARCHAR(21),StateIncome2 NVARCHAR(21),"
                     "Field15A NVARCHAR(21),Field15B NVARCHAR(21)"));
        QCOMPARE(columns("W3"),
                 QStringLiteral(
                     "W3UniqueID INTEGER,CompanyUniqueID INTEGER,State1 NVARCHAR(3),State2 NVARCHAR(3),"
                     "StateID1 NVARCHAR(11),StateID2 NVARCHAR(11),Wages NVARCHAR(21),"
                     "FederalIncomeTaxWithheld NVARCHAR(21),SocialSecurityWages NVARCHAR(21),"
                     "SocialSecurityTaxWithheld NVARCHAR(21),MedicareWages NVARCHAR(21),"
                     "MedicareTaxWithheld NVARCHAR(21),SocialSecurityTips NVARCHAR(21),AllocatedTips NVARCHAR(21),"
                     "AdvancEICPayment NVARCHAR(21),DependentCareBenefits NVARCHAR(21),NonQualifiedPlans NVARCHAR(21),"
                     "DeferredCompensation NVARCHAR(21),StateWages NVARCHAR(21),StateIncomTax NVARCHAR(21),"
                     "LocalWages NVARCHAR(21),LocalIncomeTax NVARCHAR(21)"));
        QCOMPARE(columns("Form1096"),
                 QStringLiteral("Form1096UniqueID INTEGER,CompanyUniqueID INTEGER,TotalNumberOfForms INTEGER,"
                                "FederalIncomeTaxWithHeld INTEGER,TotalAmountReportedWithThisForm INTEGER,"
                                "FinalReturn INTEGER,TypeOfFormBeingFiled INTEGER"));
        // The first column of every table is its integer key.
        for (const char* table : {"Company", "Employees", "Contractors", "W2", "Form1099", "W3", "Form1096"})
            QCOMPARE(Rows(store, QByteArray("PRAGMA table_info(") + table + ")").first().split(u'|').at(5),
                     QStringLiteral("1"));

        QCOMPARE(Rows(store, "SELECT * FROM Version"), QStringList({"1"}));
        for (const char* table : {"Company", "Employees", "Contractors", "W2", "Form1099", "W3", "Form1096"})
            QCOMPARE(Rows(store, QByteArray("SELECT count(*) FROM ") + table), QStringList({"0"}));
    }

    // A damaged store is refused whole: the engine's check of the file runs
    // before anything is read, so no half company is ever loaded, and
    // damage that no reading statement would meet is found as well.
    void damagedStoresAreRefusedWhole_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::newRow("a table's page overwritten") << "page";
        QTest::newRow("the free list points past the end") << "free list";
    }

    void damagedStoresAreRefusedWhole()
    {
        QFETCH(QString, damage);
        QTemporaryDir dir;
        const QString path = dir.filePath("Damaged.pmt");
        int pageSize = 0;
        int w3Page = 0;
        {
            CompanyStore store;
            QCOMPARE(CreateCompanyStore(store, path), 0);
            CompanyRecord company;
            company.EmployerName = "Damaged Inc";
            QCOMPARE(store.InsertCompany(company, 1), 0);
            for (int id = 1; id <= 300; ++id) {
                EmployeeRecord e;
                e.FirstName = QStringLiteral("Name%1").arg(id);
                QCOMPARE(store.InsertEmployee(e, id), 0);
            }
            // Deleted rows leave their pages on the free list.
            QCOMPARE(store.Execute("DELETE FROM Employees WHERE EmployeeUniqueID > 5", {}), 0);
            pageSize = Rows(store, "PRAGMA page_size").value(0).toInt();
            w3Page = Rows(store, "SELECT rootpage FROM sqlite_master WHERE name = 'W3'").value(0).toInt();
            QVERIFY(Rows(store, "PRAGMA freelist_count").value(0).toInt() > 0);
        }
        QByteArray bytes = FileBytes(path);
        if (damage == "page")
            bytes.replace(kStoreImageOffset + (w3Page - 1) * pageSize, 64, QByteArray(64, '\xEE'));
        else // the first free-list page, in the engine's own header
            bytes.replace(kStoreImageOffset + 32, 4, QByteArray("\x7F\xFF\xFF\x00", 4));
        QVERIFY(WriteFileBytes(path, bytes));

        CompanyStore store;
        CompanyData data;
        QCOMPARE(LoadCompany(store, path, data), CompanyStore::kCorrupt);
        QCOMPARE(data.company.EmployerName.Text(), QString());
        QVERIFY(data.employees.empty());
    }

    // A new store is made whole under another name and takes the
    // company's name only when complete: one cut short (the disk filled up,
    // or the program was killed at that moment) leaves no store behind that
    // would block the name, and the name can be created again.
    void aStoreCutShortNeverTakesItsName_data()
    {
        QTest::addColumn<bool>("survives");
        QTest::newRow("the write fails") << true;
        QTest::newRow("the program is killed") << false;
    }

    void aStoreCutShortNeverTakesItsName()
    {
        QFETCH(bool, survives);
        TestFolders folders;
        const QString path = folders.DataFolder() + "Delta Co.pmt";
        CompanyData data;
        data.company.EmployerName = "Delta Co";
        for (int id = 1; id <= 300; ++id) {
            EmployeeRecord e;
            e.EmployeeUniqueID = id;
            e.FirstName = QStringLiteral("Name%1").arg(id);
            data.employees.push_back(e);
        }
        const int result = RunWithFileSizeLimit(3 * kStoreImageOffset, survives,
                                                [&] { return WriteCompanyStore(path, data) ? 0 : 1; });
        QCOMPARE(result, survives ? 1 : -SIGXFSZ);
        QStringList stores;
        QVERIFY(!ListCompanyStores(folders.DataFolder(), true, stores));
        if (survives) // nothing at all is left
            QCOMPARE(QDir(folders.DataFolder()).entryList(QDir::Files | QDir::Hidden), QStringList());

        QVERIFY(WriteCompanyStore(path, data));
        CompanyStore store;
        CompanyData read;
        QCOMPARE(LoadCompany(store, path, read), 0);
        QCOMPARE(read.employees.size(), size_t(300));
    }

    // A new store is the user's file like any other: the umask alone gives
    // its mode (the engine would make it 0644 whatever the umask).
    void aNewStoreTakesTheUmasksMode_data()
    {
        QTest::addColumn<int>("umask");
        QTest::addColumn<int>("mode");
        QTest::newRow("022") << 022 << 0644;
        QTest::newRow("077") << 077 << 0600;
        QTest::newRow("002") << 002 << 0664;
    }

    void aNewStoreTakesTheUmasksMode()
    {
        QFETCH(int, umask);
        QFETCH(int, mode);
        TestFolders folders;
        const QString path = folders.DataFolder() + "Mode Co.pmt";
        CompanyData data;
        data.company.EmployerName = "Mode Co";
        const mode_t saved = ::umask(mode_t(umask));
        const bool written = WriteCompanyStore(path, data);
        CompanyStore store;
        const int created = CreateCompanyStore(store, folders.DataFolder() + "Created.pmt");
        store.Close();
        ::umask(saved);
        QVERIFY(written);
        QCOMPARE(created, 0);
        for (const char* name : {"Mode Co.pmt", "Created.pmt"})
            QCOMPARE(FileMode(folders.DataFolder() + name), mode);
    }

    void missingStoreIsNotCreatedByALoad()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Gone.pmt");
        CompanyStore store;
        CompanyData data;
        QVERIFY(LoadCompany(store, path, data) != 0);
        QVERIFY(!QFile::exists(path));
        QCOMPARE(store.Open(QString()), 1);
        QCOMPARE(store.Execute("SELECT 1"), 1); // no store open
    }

    void journalIsTheEnginesOwn()
    {
        // A write leaves no journal behind, and a store stays readable
        // through many writes.
        QTemporaryDir dir;
        const QString path = dir.filePath("Busy.pmt");
        CompanyStore store;
        QCOMPARE(CreateCompanyStore(store, path), 0);
        for (int id = 1; id <= 50; ++id) {
            EmployeeRecord e;
            e.FirstName = QStringLiteral("Name%1").arg(id);
            QCOMPARE(store.InsertEmployee(e, id), 0);
        }
        store.Close();
        QVERIFY(!QFile::exists(path + "-journal"));
        CompanyData data;
        QCOMPARE(LoadCompany(store, path, data), 0);
        QCOMPARE(int(data.employees.size()), 50);
        QCOMPARE(data.employees.back().FirstName.Text(), QStringLiteral("Name50"));
    }
    void openingTheStoreAgainKeepsTheWritersLock()
    {
        // The engine's locks are the process's locks on the file: closing
        // any other descriptor of it drops them all. Opening a second
        // connection (as a check or a print beside the window does) must
        // leave the writer's lock where another program can see it.
        QTemporaryDir dir;
        const QString path = dir.filePath("Held.pmt");
        CompanyStore writer;
        QCOMPARE(CreateCompanyStore(writer, path), 0);
        QCOMPARE(writer.Execute("BEGIN IMMEDIATE"), 0);
        CompanyStore reader;
        QCOMPARE(reader.Open(path), 0);

        // Locks are not inherited, so a child sees ours as another program would.
        const pid_t child = ::fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
            struct flock probe = {};
            probe.l_type = F_WRLCK;
            probe.l_whence = SEEK_SET;
            probe.l_start = 0x40000001; // the engine's reserved byte
            probe.l_len = 1;
            const bool held = fd >= 0 && ::fcntl(fd, F_GETLK, &probe) == 0 && probe.l_type != F_UNLCK;
            ::_exit(held ? 0 : 1);
        }
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), 0);
        QCOMPARE(writer.Execute("COMMIT"), 0);
    }
};

FORMLARK_TEST_GUILESS_MAIN(StoreFileTest)
#include "StoreFileTest.moc"
