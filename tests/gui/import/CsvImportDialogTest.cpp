// The CSV import window and the export of the Tools menu: the preview of
// every row, the columns chosen by the user, nothing stored before Import,
// everything confirmed stored together, and the screens refreshed.
#include "core/document/GlobalDoc.h"
#include "core/import/CsvExport.h"
#include "core/records/RecordChecks.h"
#include "gui/import/CsvImportDialog.h"
#include "gui/import/CsvPreviewModel.h"
#include "gui/import/CsvTransfer.h"
#include "gui/controls/WorkProgress.h"
#include "tests/support/DocumentFixture.h"
#include "tests/support/RecordBuilders.h"
#include "tests/support/WidgetDriving.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QtTest>

namespace {

const char kCsv[] = "SSN,First Name,Last Name,Pay,Dept\n"
                    "111-11-1111,Ann,Lee,700,Shop\n"    // updates Ann
                    "222-22-2222,Bo,Berg,1200,Shop\n"   // adds Bo
                    "333-33-3333,Cy,Dahl,12;50,Shop\n"; // wrong once Pay is box 1

CompanyData OneEmployee()
{
    return MakeCompany("Harbor Tools", {MakeEmployee(1, "111-11-1111", "Ann", "Lee")}, {MakeW2(1, 1)});
}

// The company of OneEmployee() with kCsv beside it, and the import.
struct ImportSetup {
    DocumentFixture fixture{OneEmployee()};
    QString csv = fixture.folders.Path("people.csv");
    bool ready = fixture.ready && WriteFileBytes(csv, kCsv);
    QByteArray before = FileBytes(fixture.path);
    CCsvTransfer transfer{fixture.doc, nullptr};

    // Nothing of the file reached the company, and nobody was asked.
    void VerifyNothingImported()
    {
        QCOMPARE(FileBytes(fixture.path), before);
        QCOMPARE(fixture.doc.Employees().size(), size_t(1));
        QCOMPARE(fixture.doc.Modified(), 0);
        QCOMPARE(fixture.prompt.asked, QStringList());
    }
};

// Counts the refreshes the document hands out.
class CountingView : public DocumentView {
public:
    void RefreshFromDocument(CGlobalDoc&) override { ++refreshes; }
    int refreshes = 0;
};

QStringList Shown(const QTableView* view, int column)
{
    QStringList texts;
    for (int r = 0; r < view->model()->rowCount(); ++r)
        texts << view->model()->index(r, column).data().toString();
    return texts;
}

// Chooses `text` in a column's list as the user does.
void Choose(QComboBox* list, const QString& text)
{
    const int index = list->findText(text);
    QVERIFY2(index >= 0, qPrintable(text));
    list->setCurrentIndex(index);
    emit list->activated(index);
}

} // namespace

class CsvImportDialogTest : public QObject {
    Q_OBJECT

private slots:
    void previewThenImportOnConfirm()
    {
        DocumentFixture fixture(OneEmployee());
        QVERIFY(fixture.ready);
        CountingView w3;
        fixture.doc.SetView(Screen::W3, &w3);
        const QString csv = fixture.folders.Path("people.csv");
        QVERIFY(WriteFileBytes(csv, kCsv));
        const QByteArray before = FileBytes(fixture.path);
        fixture.prompt.Then(PromptAnswer::Yes);

        CCsvTransfer transfer(fixture.doc, nullptr);
        auto script = OnNextModal([&](QDialog& dialog) {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Import Employees and W-2s from CSV"));
            auto* rows = Child<QTableView>(&dialog, "Rows");
            auto* unmatched = Child<QLabel>(&dialog, "Unmatched");
            auto* summary = Child<QLabel>(&dialog, "Summary");
            QCOMPARE(Shown(rows, CCsvPreviewModel::kLine), (QStringList{"2", "3", "4"}));
            QCOMPARE(Shown(rows, CCsvPreviewModel::kAction), (QStringList{"Unchanged", "Add", "Add"}));
            QCOMPARE(unmatched->text(), QStringLiteral("Not imported: \"Pay\", \"Dept\". If a column belongs in a box, "
                                                       "choose the box in its list above."));
            // Nothing happened to the store while the window is open.
            QCOMPARE(FileBytes(fixture.path), before);

            // "Pay" is box 1: the rows are checked again with it.
            Choose(Child<QComboBox>(&dialog, "Column3"), "Box 1 Wages");
            QCOMPARE(Shown(rows, CCsvPreviewModel::kAction), (QStringList{"Update", "Add", "Not imported"}));
            QCOMPARE(Shown(rows, CCsvPreviewModel::kProblems).last(),
                     QStringLiteral("Pay: \"12;50\" is not an amount (write it as 1234.50, 1,234.50 or $1,234.50)"));
            QVERIFY(unmatched->text().startsWith("Not imported: \"Dept\"."));
            QVERIFY(summary->text().startsWith("1 to add, 1 to update, 0 unchanged, 1 with errors (not imported)"));
            auto* only = Child<QCheckBox>(&dialog, "OnlyProblems");
            QTest::mouseClick(only, Qt::LeftButton, {}, QPoint(8, only->height() / 2));
            QCOMPARE(Shown(rows, CCsvPreviewModel::kLine), QStringList{"4"});
            rows->setFocus();
            QTest::keyClick(rows, Qt::Key_Down);
            QCOMPARE(Child<QLabel>(&dialog, "Details")->text(),
                     QStringLiteral("Line 4:\nPay: \"12;50\" is not an amount (write it as 1234.50, 1,234.50 or "
                                    "$1,234.50)"));
            Click(Child<QPushButton>(&dialog, "Import"));
        });
        QVERIFY(transfer.ImportFile(PeopleKind::Employees, csv));
        QVERIFY(script->shown && !script->leftOpen);

        QCOMPARE(fixture.prompt.asked,
                 (QStringList{"1 row(s) have errors and will not be imported. Import the other 2 row(s)?",
                              "2 employee(s) with their W-2s imported: 1 added, 1 updated."}));
        const CompanyData stored = fixture.Stored();
        QCOMPARE(stored.employees.size(), size_t(2));
        QCOMPARE(stored.w2s[0].Wages.Text(), QStringLiteral("700.00"));
        QCOMPARE(stored.w2s[1].Wages.Text(), QStringLiteral("1200.00"));
        QCOMPARE(w3.refreshes, 1);
        fixture.doc.SetView(Screen::W3, nullptr);
    }

    void cancelStoresNothing()
    {
        ImportSetup setup;
        QVERIFY(setup.ready);
        auto script = OnNextModal([](QDialog& dialog) { dialog.reject(); });
        QVERIFY(!setup.transfer.ImportFile(PeopleKind::Employees, setup.csv));
        QVERIFY(script->shown);
        setup.VerifyNothingImported();
    }

    // Without the number column nothing can be imported until one is chosen;
    // a box chosen for a second column leaves the first.
    void theNumberColumnMustBeChosen()
    {
        DocumentFixture fixture(OneEmployee());
        QVERIFY(fixture.ready);
        CCsvImportDialog dialog(fixture.doc, PeopleKind::Contractors, "list.csv",
                                ReadCsvTable("Number;Name;Surname;Street;Town;ST;Zip;Fees\n"
                                             "12-3456789;Ada;Ruiz;1 Main St;Reno;NV;89501;\"1,000\"\n"));
        QVERIFY(dialog.CheckRows());
        auto* import = Child<QPushButton>(&dialog, "Import");
        QVERIFY(!import->isEnabled());
        QCOMPARE(Child<QLabel>(&dialog, "Summary")->text(), QLatin1String(CsvPlanMessages::kNoContractorNumber));

        Choose(Child<QComboBox>(&dialog, "Column0"), "TIN");
        QCOMPARE(dialog.Plan().Rows().front().problems.front().message,
                 QLatin1String(ContractorMessages::kFirstNameEmpty));
        Choose(Child<QComboBox>(&dialog, "Column1"), "First Name");
        Choose(Child<QComboBox>(&dialog, "Column7"), "Box 7 Nonemployee Compensation");
        QVERIFY(import->isEnabled());
        QCOMPARE(dialog.Plan().Adds(), 1);
        QCOMPARE(dialog.Plan().Contractors().front().form.NonemployeeCompensation.Text(), QStringLiteral("1000.00"));

        // Last Name moves from "Surname" to "Name", which leaves "Surname" out.
        QCOMPARE(Child<QComboBox>(&dialog, "Column2")->currentText(), QStringLiteral("Last Name"));
        Choose(Child<QComboBox>(&dialog, "Column1"), "Last Name");
        QCOMPARE(Child<QComboBox>(&dialog, "Column2")->currentText(), QStringLiteral("(not imported)"));
        QCOMPARE(dialog.Mapping()[2], -1);
        QVERIFY(!import->isEnabled());
    }

    void anUnreadableFileIsSaid()
    {
        DocumentFixture fixture(OneEmployee());
        QVERIFY(fixture.ready);
        const QString csv = fixture.folders.Path("open.csv");
        QVERIFY(WriteFileBytes(csv, "SSN,First\n\"111,Ann\n"));
        CCsvTransfer transfer(fixture.doc, nullptr);
        QVERIFY(!transfer.ImportFile(PeopleKind::Employees, csv));
        QCOMPARE(fixture.prompt.asked.size(), 1);
        QVERIFY(fixture.prompt.asked[0].startsWith("A value in quotes that starts on line 2"));
    }

    void exportWritesWhatTheScreensShow()
    {
        CompanyData data = OneEmployee();
        data.w2s[0].Wages = "52000.00";
        DocumentFixture fixture(data);
        QVERIFY(fixture.ready);
        const QString csv = fixture.folders.Path("out.csv");
        CCsvTransfer transfer(fixture.doc, nullptr);
        QVERIFY(transfer.ExportFile(PeopleKind::Employees, csv));
        QCOMPARE(FileBytes(csv), ExportPeopleCsv(PeopleKind::Employees, fixture.doc.Data()));
        QCOMPARE(fixture.prompt.asked, QStringList{"1 employee(s) with their W-2s were written to \""
                                                   + QDir::toNativeSeparators(csv) + "\"."});
        QVERIFY(!transfer.ExportFile(PeopleKind::Employees, fixture.folders.Path("missing/out.csv")));
        QVERIFY(fixture.prompt.asked.last().startsWith("The file "));
    }

    // The export never lands on a company's files, however it is named.
    void exportNeverLandsOnTheCompanysFiles()
    {
        DocumentFixture fixture(OneEmployee());
        QVERIFY(fixture.ready);
        const QStringList before = FolderSnapshot(fixture.doc.DataFolder());
        CCsvTransfer transfer(fixture.doc, nullptr);
        const QString otherCase = fixture.doc.DataFolder() + QFileInfo(fixture.path).fileName().toUpper();
        for (const QString& target : {fixture.path, otherCase, fixture.path + ".lock"}) {
            QVERIFY(!transfer.ExportFile(PeopleKind::Employees, target));
            QVERIFY2(fixture.prompt.asked.last().contains("names a company file"),
                     qPrintable(fixture.prompt.asked.last()));
        }
        QCOMPARE(fixture.prompt.asked.size(), 3);
        QCOMPARE(FolderSnapshot(fixture.doc.DataFolder()), before);
    }

    // Saving a large import shows its progress with Cancel; stopped, it
    // leaves nothing of the import, and the preview stays open to import
    // again or close. (Last: the progress window shows at once from here.)
    void stoppingTheSaveStoresNothing()
    {
        CWorkProgress::SetShowAfter(0);
        ImportSetup setup;
        QVERIFY(setup.ready);
        bool progressShown = false;
        bool stayedOpen = false;
        auto script = OnNextModal([&](QDialog& dialog) {
            QTimer cancel;
            QObject::connect(&cancel, &QTimer::timeout, [&] {
                for (QWidget* window : QApplication::topLevelWidgets())
                    if (auto* progress = qobject_cast<QProgressDialog*>(window);
                        progress && progress->objectName() == "WorkProgress" && progress->isVisible()) {
                        progressShown = true;
                        progress->cancel();
                    }
            });
            cancel.start(0);
            Click(Child<QPushButton>(&dialog, "Import"));
            cancel.stop();
            stayedOpen = dialog.isVisible();
            dialog.reject();
        });
        QVERIFY(!setup.transfer.ImportFile(PeopleKind::Employees, setup.csv));
        QVERIFY(script->shown);
        QVERIFY(progressShown);
        QVERIFY(stayedOpen);
        setup.VerifyNothingImported();
    }
};

FORMLARK_TEST_MAIN(CsvImportDialogTest)
#include "CsvImportDialogTest.moc"
