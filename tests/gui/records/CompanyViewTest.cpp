// The company setup screen driven through its boxes and buttons, checked
// against the document and against what the store file holds afterwards.
#include "gui/controls/ColorButton.h"
#include "core/document/CompanyCommands.h"
#include "gui/records/CompanyPages.h"
#include "gui/records/PropSheetCompany.h"
#include "gui/records/CompanyView.h"
#include "gui/entry/RuleEdit.h"
#include "gui/entry/StoredText.h"
#include "core/records/ScreenQuestions.h"
#include "gui/records/StateComboBox.h"
#include "tests/support/DocumentFixture.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/WidgetDriving.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSignalSpy>
#include <QtTest>

namespace {

CompanyData SeedCompany()
{
    CompanyData data;
    CompanyRecord& c = data.company;
    c.EmployerName = "Harbor Tools";
    c.Address1 = "12 Pier Road";
    c.City = "Portland";
    c.State = "OR";
    c.Zip = "97201-4420";
    c.EmployerIdentificationNumber = "93-1234567";
    c.StateID = "55-2398";
    c.FormW3ControlNumber = "2005-01";
    c.FormW3RadioKindOfPayer = 2;
    c.FormW3CheckThirdPartySickPay = 0;
    c.FormW3ContactName = "Margaret Ellis";
    c.FormW3Telephone = "(503) 555-0142";
    c.Form1096ContactName = "Peter Ng";
    c.Form1096CheckIsThisYourFinalReturn = 0;
    c.CompanyUniqueID = 1;
    return data;
}

// The view on a fixture's document, shown the way the main window shows it.
struct CompanyScreen {
    explicit CompanyScreen(DocumentFixture& fixture)
        : view(fixture.doc)
    {
        fixture.doc.SetView(Screen::CompanySetup, &view);
        fixture.doc.RefreshViews();
        view.resize(1000, 650);
        view.show();
    }

    QLineEdit* Box(const char* name) const { return Child<QLineEdit>(&view, name); }
    QComboBox* Combo(const char* name) const { return Child<QComboBox>(&view, name); }
    QCheckBox* Check(const char* name) const { return Child<QCheckBox>(&view, name); }

    CCompanyView view;
};

} // namespace

class CompanyViewTest : public QObject {
    Q_OBJECT

private slots:
    void pagesShowTheCompanyRecord()
    {
        DocumentFixture fixture(SeedCompany());
        QVERIFY(fixture.ready);
        CompanyScreen screen(fixture);
        QCOMPARE(screen.view.Sheet().count(), 3);
        QCOMPARE(screen.view.Sheet().tabText(0), QStringLiteral("General Information"));
        QCOMPARE(screen.view.Sheet().tabText(1), QStringLiteral("W3 Information"));
        QCOMPARE(screen.view.Sheet().tabText(2), QStringLiteral("1096 Information"));
        QCOMPARE(screen.Box("EmployerName")->text(), QStringLiteral("Harbor Tools"));
        QCOMPARE(screen.Combo("State")->currentText(), QStringLiteral("OR"));
        QCOMPARE(screen.Combo("State")->count(), 61);
        QCOMPARE(screen.Combo("State")->itemText(0), QStringLiteral("  "));
        QCOMPARE(screen.Combo("FormW3RadioKindOfPayer")->currentText(), QStringLiteral("Military"));
        QCOMPARE(screen.Box("FormW3Telephone")->text(), QStringLiteral("(503) 555-0142"));
        for (const char* name : {"Update", "Reset", "Clear"})
            QVERIFY(Child<CColorButton>(&screen.view, name));
    }

    // Every page is saved, whichever page is shown and whether or not the
    // General Information page was ever looked at.
    void updateSavesAllThreePagesFromAnyPage()
    {
        DocumentFixture fixture(SeedCompany());
        CompanyScreen screen(fixture);
        QSignalSpy titles(&fixture.doc, &CGlobalDoc::titleChanged);
        screen.view.Sheet().setCurrentIndex(2);
        Type(screen.Box("Form1096Email"), "ap@harbor.example");
        screen.Check("Form1096CheckIsThisYourFinalReturn")->setChecked(true);
        screen.view.Sheet().setCurrentIndex(1);
        Erase(screen.Box("FormW3ControlNumber"));
        Type(screen.Box("FormW3ControlNumber"), "CN-77");
        screen.Combo("FormW3RadioKindOfPayer")->setCurrentIndex(5);
        screen.Check("FormW3CheckThirdPartySickPay")->setChecked(true);
        Type(screen.Box("FormW3IncomeTaxWithHeld"), "1234.5");

        fixture.prompt.Then(PromptAnswer::Yes);
        Click(screen.view.UpdateButton());
        QCOMPARE(fixture.prompt.asked, QStringList{ScreenQuestions::kSaveFields});
        QCOMPARE(fixture.prompt.buttons, QList<PromptButtons>{PromptButtons::YesNo});

        const CompanyRecord stored = fixture.Stored().company;
        QCOMPARE(stored, fixture.doc.Company());
        QCOMPARE(stored.EmployerName.Text(), QStringLiteral("Harbor Tools"));
        QCOMPARE(stored.Zip.Text(), QStringLiteral("97201-4420"));
        QCOMPARE(stored.FormW3ControlNumber.Text(), QStringLiteral("CN-77"));
        QCOMPARE(stored.FormW3RadioKindOfPayer, 5);
        QCOMPARE(stored.FormW3CheckThirdPartySickPay, 1);
        QCOMPARE(stored.FormW3IncomeTaxWithHeld.Text(), QStringLiteral("1234.5"));
        QCOMPARE(stored.Form1096Email.Text(), QStringLiteral("ap@harbor.example"));
        QCOMPARE(stored.Form1096CheckIsThisYourFinalReturn, 1);
        QCOMPARE(fixture.doc.Modified(), 0);
        QVERIFY(fixture.doc.PendingChanges().empty());
        // The employer name was not changed: the company keeps its name
        // (its store file's).
        QCOMPARE(titles.last().at(0).toString(), QStringLiteral("Test Company - Formlark (2005)"));
        // The screens were shown the saved record: back on the first page.
        QCOMPARE(screen.view.Sheet().currentIndex(), 0);
    }

    void employerNameCheck_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("taken");
        QTest::addColumn<QString>("companyName"); // what names the store file
        QTest::newRow("empty name refused") << QString() << false << "Test Company";
        // Stored, but a blank can't name a file: the store keeps its name.
        QTest::newRow("one blank passes") << QStringLiteral(" ") << true << "Test Company";
        QTest::newRow("nor can \"..\"") << QStringLiteral("..") << true << "Test Company";
        QTest::newRow("apostrophe kept and stored") << QStringLiteral("O'Brien Tools") << true << "O'Brien Tools";
    }

    void employerNameCheck()
    {
        QFETCH(QString, typed);
        QFETCH(bool, taken);
        QFETCH(QString, companyName);
        DocumentFixture fixture(SeedCompany());
        CompanyScreen screen(fixture);
        // The General Information page is not the one shown.
        screen.view.Sheet().setCurrentIndex(1);
        Erase(screen.Box("EmployerName"));
        Type(screen.Box("EmployerName"), typed);
        Type(screen.Box("FormW3ContactName"), "x");

        fixture.prompt.Then(taken ? PromptAnswer::Yes : PromptAnswer::Ok);
        Click(screen.view.UpdateButton());
        if (!taken) {
            QCOMPARE(fixture.prompt.asked,
                     QStringList{"\"Employer Name\" in the \"General Information\" pane can't be empty!"});
            QCOMPARE(fixture.prompt.icons, QList<PromptIcon>{PromptIcon::Stop});
            QCOMPARE(fixture.prompt.buttons, QList<PromptButtons>{PromptButtons::Ok});
            QCOMPARE(fixture.doc.Company().EmployerName.Text(), QStringLiteral("Harbor Tools"));
            QCOMPARE(fixture.Stored().company.FormW3ContactName.Text(), QStringLiteral("Margaret Ellis"));
            QCOMPARE(fixture.doc.CurrentCompanyName(), QStringLiteral("Test Company"));
            // Nothing was reloaded: the typed values are still there.
            QCOMPARE(screen.Box("FormW3ContactName")->text(), QStringLiteral("Margaret Ellisx"));
            return;
        }
        QCOMPARE(fixture.Stored().company.EmployerName.Text(), typed);
        QCOMPARE(fixture.doc.CurrentCompanyName(), companyName);
        QCOMPARE(fixture.doc.Title(), companyName + " - Formlark (2005)");
        // A name that can't name the file is told once.
        QCOMPARE(fixture.prompt.asked.size(), companyName == typed ? 1 : 2);
    }

    void answeringNoChangesNothing_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("question");
        QTest::newRow("Update") << "Update" << ScreenQuestions::kSaveFields;
        QTest::newRow("Reset") << "Reset" << ScreenQuestions::kResetFields;
        QTest::newRow("Clear") << "Clear" << ScreenQuestions::kClearFields;
    }

    void answeringNoChangesNothing()
    {
        QFETCH(QString, button);
        QFETCH(QString, question);
        DocumentFixture fixture(SeedCompany());
        CompanyScreen screen(fixture);
        const CompanyData before = fixture.Stored();
        Type(screen.Box("City"), "ia");
        fixture.prompt.Then(PromptAnswer::No);
        Click(Child<CColorButton>(&screen.view, button.toLatin1()));
        QCOMPARE(fixture.prompt.asked, QStringList{question});
        QCOMPARE(screen.Box("City")->text(), QStringLiteral("Portlandia"));
        QCOMPARE(screen.Box("EmployerName")->text(), QStringLiteral("Harbor Tools"));
        QCOMPARE(fixture.doc.Company().City.Text(), QStringLiteral("Portland"));
        QCOMPARE(fixture.Stored().company, before.company);
    }

    // The two contact names take 30 characters in the box and keep 20;
    // the e-mail boxes keep 40.
    void keptLengths()
    {
        DocumentFixture fixture(SeedCompany());
        CompanyScreen screen(fixture);
        const QString name25 = "Abcdefghij Klmnopqrst Uvw";
        const QString mail40 = QString(31, u'm') + "@corp.org";
        QCOMPARE(mail40.size(), 40);
        for (const char* box : {"FormW3ContactName", "Form1096ContactName"}) {
            Erase(screen.Box(box));
            Type(screen.Box(box), name25);
            QCOMPARE(screen.Box(box)->text(), name25);
        }
        for (const char* box : {"FormW3Email", "Form1096Email"}) {
            Type(screen.Box(box), mail40 + "xyz");
            QCOMPARE(screen.Box(box)->text(), mail40);
        }
        fixture.prompt.Then(PromptAnswer::Yes);
        Click(screen.view.UpdateButton());

        const CompanyRecord stored = fixture.Stored().company;
        QCOMPARE(stored.FormW3ContactName.Text(), name25.left(20));
        QCOMPARE(stored.Form1096ContactName.Text(), name25.left(20));
        QCOMPARE(stored.FormW3Email.Text(), mail40);
        QCOMPARE(stored.Form1096Email.Text(), mail40);
        // The screen shows what was kept.
        QCOMPARE(screen.Box("FormW3ContactName")->text(), name25.left(20));
    }

    void resetShowsTheLastSavedValuesOnTheFirstPage()
    {
        DocumentFixture fixture(SeedCompany());
        CompanyScreen screen(fixture);
        Type(screen.Box("Address2"), "Unit 4");
        screen.Combo("State")->setCurrentIndex(0);
        Type(screen.Box("FormW3EstablishmentNumber"), "77");
        screen.Check("FormW3CheckThirdPartySickPay")->setChecked(true);
        Type(screen.Box("Form1096Telephone"), "5035550100");
        screen.view.Sheet().setCurrentIndex(2);
        fixture.doc.SetCompanyTitle(QStringLiteral("Somewhere Else"));

        fixture.prompt.Then(PromptAnswer::Yes);
        Click(screen.view.ResetButton());
        QCOMPARE(fixture.prompt.asked, QStringList{ScreenQuestions::kResetFields});
        QCOMPARE(screen.view.Sheet().currentIndex(), 0);
        QCOMPARE(screen.Box("Address2")->text(), QString());
        QCOMPARE(screen.Combo("State")->currentText(), QStringLiteral("OR"));
        QCOMPARE(screen.Box("FormW3EstablishmentNumber")->text(), QString());
        QVERIFY(!screen.Check("FormW3CheckThirdPartySickPay")->isChecked());
        QCOMPARE(screen.Box("Form1096Telephone")->text(), QString());
        // Reset renames nothing, and writes nothing.
        QCOMPARE(fixture.doc.CurrentCompanyName(), QStringLiteral("Somewhere Else"));
        QCOMPARE(fixture.doc.Modified(), 0);
    }

    void clearThenResetRestoresEverything()
    {
        DocumentFixture fixture(SeedCompany());
        CompanyScreen screen(fixture);
        fixture.prompt.Then(PromptAnswer::Yes).Then(PromptAnswer::Yes);
        Click(screen.view.ClearButton());
        QCOMPARE(screen.Box("EmployerName")->text(), QString());
        QCOMPARE(screen.Box("FormW3ContactName")->text(), QString());
        QCOMPARE(screen.Combo("FormW3RadioKindOfPayer")->currentIndex(), 0);
        Click(screen.view.ResetButton());
        QCOMPARE(fixture.prompt.asked, QStringList({ScreenQuestions::kClearFields, ScreenQuestions::kResetFields}));
        QCOMPARE(screen.Box("EmployerName")->text(), QStringLiteral("Harbor Tools"));
        QCOMPARE(screen.Box("Zip")->text(), QStringLiteral("97201-4420"));
        QCOMPARE(screen.Combo("FormW3RadioKindOfPayer")->currentText(), QStringLiteral("Military"));
        QCOMPARE(screen.Box("Form1096ContactName")->text(), QStringLiteral("Peter Ng"));
        QCOMPARE(fixture.Stored().company.EmployerName.Text(), QStringLiteral("Harbor Tools"));
    }

    void clearThenUpdateStoresEmptyValues()
    {
        CompanyData seed = SeedCompany();
        seed.company.FormW3CheckThirdPartySickPay = 1;
        seed.company.Form1096CheckIsThisYourFinalReturn = 1;
        DocumentFixture fixture(seed);
        CompanyScreen screen(fixture);
        fixture.prompt.Then(PromptAnswer::Yes).Then(PromptAnswer::Yes);
        Click(screen.view.ClearButton());
        // Clear leaves the company's name (and the title) as they were.
        QCOMPARE(fixture.doc.CurrentCompanyName(), QStringLiteral("Test Company"));
        Type(screen.Box("EmployerName"), "Fresh Start");
        Click(screen.view.UpdateButton());

        const CompanyRecord stored = fixture.Stored().company;
        QCOMPARE(stored.EmployerName.Text(), QStringLiteral("Fresh Start"));
        const QStringList emptied = {stored.Address1,
                                     stored.City,
                                     stored.Zip,
                                     stored.EmployerIdentificationNumber,
                                     stored.StateID,
                                     stored.FormW3ControlNumber,
                                     stored.FormW3ContactName,
                                     stored.FormW3Telephone,
                                     stored.Form1096ContactName};
        QCOMPARE(emptied, QStringList(emptied.size(), QString()));
        QCOMPARE(stored.State.Text(), QStringLiteral("  "));
        QCOMPARE(stored.FormW3RadioKindOfPayer, 0);
        QCOMPARE(stored.FormW3CheckThirdPartySickPay, 0);
        QCOMPARE(stored.Form1096CheckIsThisYourFinalReturn, 0);
    }

    // The Employer Name takes an apostrophe and refuses the slash (it names
    // the store file); the other boxes the other way round.
    void nameBoxCharacters_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("shown");
        QTest::newRow("Employer Name") << "EmployerName"
                                       << "a'bc";
        QTest::newRow("Address1") << "Address1"
                                  << "ab/c";
        QTest::newRow("Contact person") << "FormW3ContactName"
                                        << "ab/c";
    }

    void nameBoxCharacters()
    {
        QFETCH(QString, box);
        QFETCH(QString, shown);
        DocumentFixture fixture(SeedCompany());
        CompanyScreen screen(fixture);
        QLineEdit* edit = screen.Box(box.toLatin1());
        Erase(edit);
        Type(edit, "a'b/c");
        QCOMPARE(edit->text(), shown);
    }

    void kindOfPayerOutsideTheListIsKept_data()
    {
        QTest::addColumn<int>("stored");
        QTest::newRow("new company") << -1;
        QTest::newRow("beyond the list") << 7;
    }

    void kindOfPayerOutsideTheListIsKept()
    {
        QFETCH(int, stored);
        CompanyData seed = SeedCompany();
        seed.company.FormW3RadioKindOfPayer = stored;
        DocumentFixture fixture(seed);
        CompanyScreen screen(fixture);
        QCOMPARE(screen.Combo("FormW3RadioKindOfPayer")->currentIndex(), -1);
        fixture.prompt.Then(PromptAnswer::Yes);
        Click(screen.view.UpdateButton());
        QCOMPARE(fixture.Stored().company.FormW3RadioKindOfPayer, stored);
    }

    // A company row without a name (a damaged store) must not take the
    // store's name away through Reset or Clear.
    void resetKeepsTheCompanyNameWhenTheRecordHasNone()
    {
        CompanyData seed = SeedCompany();
        seed.company.EmployerName = "";
        DocumentFixture fixture(seed);
        CompanyScreen screen(fixture);
        fixture.prompt.Then(PromptAnswer::Yes).Then(PromptAnswer::Yes);
        Click(screen.view.ResetButton());
        Click(screen.view.ClearButton());
        QCOMPARE(fixture.doc.CurrentCompanyName(), QStringLiteral("Test Company"));
    }

    // What is typed on the screen is never overwritten without a word:
    // leaving the screen, a refresh of the screens (another screen's
    // action) and opening a company (this one again) first ask whether to
    // save it. Yes saves it, No drops it; nothing typed, nothing asked.
    void typedEntriesAreOfferedForSaving_data()
    {
        QTest::addColumn<QString>("occasion");
        QTest::addColumn<bool>("typed");
        QTest::addColumn<PromptAnswer>("answer");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("cityAfter");
        const QString leaving = CCompanyView::kSaveBeforeLeaving;
        const QString replacing = CCompanyView::kSaveBeforeReplacing;
        QTest::newRow("leaving, Yes") << "leave" << true << PromptAnswer::Yes << leaving << "Portlandia";
        QTest::newRow("leaving, No") << "leave" << true << PromptAnswer::No << leaving << "Portland";
        QTest::newRow("refresh, Yes") << "refresh" << true << PromptAnswer::Yes << replacing << "Portlandia";
        QTest::newRow("refresh, No") << "refresh" << true << PromptAnswer::No << replacing << "Portland";
        QTest::newRow("reopening, Yes") << "reopen" << true << PromptAnswer::Yes << replacing << "Portlandia";
        QTest::newRow("reopening, No") << "reopen" << true << PromptAnswer::No << replacing << "Portland";
        QTest::newRow("nothing typed: no question")
            << "refresh" << false << PromptAnswer::Yes << QString() << "Portland";
    }

    void typedEntriesAreOfferedForSaving()
    {
        QFETCH(QString, occasion);
        QFETCH(bool, typed);
        QFETCH(PromptAnswer, answer);
        QFETCH(QString, question);
        QFETCH(QString, cityAfter);
        DocumentFixture fixture(SeedCompany());
        CompanyScreen screen(fixture);
        if (typed)
            Type(screen.Box("City"), "ia");
        fixture.prompt.Then(answer);
        if (occasion == "leave") {
            screen.view.OnViewHidden();
        } else if (occasion == "refresh") {
            fixture.doc.RefreshViews();
        } else {
            ScriptedDialogs dialogs;
            dialogs.selectName = "Test Company";
            CompanyCommands(fixture.doc).OnOpenCompany(dialogs);
        }
        QCOMPARE(fixture.prompt.asked, question.isEmpty() ? QStringList() : QStringList{question});
        QCOMPARE(screen.Box("City")->text(), cityAfter);
        QCOMPARE(fixture.Stored().company.City.Text(), cityAfter);
        QCOMPARE(fixture.doc.Company().City.Text(), cityAfter);
        QVERIFY(!screen.view.HasTypedEntries());
    }

    // A record's state is always the one shown: an empty state selects the
    // blank entry, not the state of the company shown before; a state the
    // list lacks selects nothing and is kept by Update.
    void stateShownIsTheRecordsOwn_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<int>("shownIndex");
        QTest::addColumn<QString>("stored"); // after Update
        // Shown as the blank entry; unchanged, it is kept as it is stored.
        QTest::newRow("no state") << "" << 0 << "";
        QTest::newRow("another state") << "WA" << 57 << "WA";
        QTest::newRow("not in the list") << "ZZ" << -1 << "ZZ";
    }

    void stateShownIsTheRecordsOwn()
    {
        QFETCH(QString, state);
        QFETCH(int, shownIndex);
        QFETCH(QString, stored);
        DocumentFixture fixture(SeedCompany()); // shows OR
        CompanyScreen screen(fixture);
        fixture.doc.Company().State = state; // as another company would bring it
        fixture.doc.RefreshViews();
        QCOMPARE(screen.Combo("State")->currentIndex(), shownIndex);
        fixture.prompt.Then(PromptAnswer::Yes);
        Click(screen.view.UpdateButton());
        QCOMPARE(fixture.Stored().company.State.Text(), stored);
    }

    void refusedWriteIsReported()
    {
        DocumentFixture fixture(SeedCompany());
        CompanyScreen screen(fixture);
        QVERIFY(QFile::remove(fixture.path));
        Type(screen.Box("City"), "ia");
        fixture.prompt.Then(PromptAnswer::Yes).Then(PromptAnswer::Ok);
        Click(screen.view.UpdateButton());
        QCOMPARE(fixture.prompt.asked.size(), 2);
        QVERIFY(fixture.prompt.asked[1].contains("could not save"));
        QCOMPARE(fixture.doc.Modified(), 1);
        QCOMPARE(fixture.doc.Company().City.Text(), QStringLiteral("Portlandia"));
    }
    // Values of another program's store that no box would take (a foreign
    // postal code, quotes in the employer name, a state not in the list)
    // are shown as stored, marked, and kept by an Update that changed
    // another box; the company keeps its name, so its store file is not
    // renamed at the end of the run.
    void boxesNotChangedKeepTheirStoredValues()
    {
        CompanyData seed = SeedCompany();
        seed.company.EmployerName = QStringLiteral("O'Neil & S\u00f6hne \"B\u00e4ckerei\"");
        seed.company.Zip = "H2X 1Y4";
        seed.company.State = "QC";
        seed.company.FormW3IncomeTaxWithHeld = "1,250.00";
        seed.company.FormW3CheckThirdPartySickPay = -1;
        DocumentFixture fixture(seed);
        CompanyScreen screen(fixture);
        const CompanyRecord before = fixture.Stored().company;
        QCOMPARE(screen.Box("Zip")->text(), QStringLiteral("H2X 1Y4"));
        QVERIFY(StoredText::Marked(screen.Box("Zip")));
        QCOMPARE(screen.Box("EmployerName")->text(), seed.company.EmployerName.Text());
        QVERIFY(StoredText::Marked(screen.Box("EmployerName")));
        QCOMPARE(screen.Box("FormW3IncomeTaxWithHeld")->text(), QStringLiteral("1250.00"));
        QVERIFY(!StoredText::Marked(screen.Box("FormW3IncomeTaxWithHeld")));

        Type(screen.Box("Address2"), "Suite 4");
        fixture.prompt.Then(PromptAnswer::Yes);
        Click(screen.view.UpdateButton());
        CompanyRecord expected = before;
        expected.Address2 = "Suite 4";
        QCOMPARE(fixture.Stored().company, expected);
        QCOMPARE(fixture.doc.CurrentCompanyName(), QStringLiteral("Test Company"));

        // Reset and Clear rename nothing either.
        fixture.prompt.Then(PromptAnswer::Yes).Then(PromptAnswer::Yes);
        Click(screen.view.ResetButton());
        Click(screen.view.ClearButton());
        QCOMPARE(fixture.doc.CurrentCompanyName(), QStringLiteral("Test Company"));

        // A box the user changes takes what is typed, and the marking goes.
        fixture.prompt.Then(PromptAnswer::Yes);
        Click(screen.view.ResetButton());
        Erase(screen.Box("Zip"));
        Type(screen.Box("Zip"), "97201");
        QVERIFY(!StoredText::Marked(screen.Box("Zip")));
        fixture.prompt.Then(PromptAnswer::Yes);
        Click(screen.view.UpdateButton());
        QCOMPARE(fixture.Stored().company.Zip.Text(), QStringLiteral("97201"));
        QCOMPARE(fixture.Stored().company.EmployerName, before.EmployerName);
    }

    // Changing the employer name renames the company (and at the end of
    // the run its store file).
    void aChangedEmployerNameNamesTheCompany()
    {
        DocumentFixture fixture(SeedCompany());
        CompanyScreen screen(fixture);
        Type(screen.Box("EmployerName"), " NW");
        fixture.prompt.Then(PromptAnswer::Yes);
        Click(screen.view.UpdateButton());
        QCOMPARE(fixture.doc.CurrentCompanyName(), QStringLiteral("Harbor Tools NW"));
    }
};

FORMLARK_TEST_MAIN(CompanyViewTest)

#include "CompanyViewTest.moc"
