// The contractor screen and the "Contractor" dialog driven through their
// widgets, checked against the document and the store file: the order of
// the checks and their messages, identification numbers by exact text, the
// account number box, changes written unchecked (the "2nd TIN not." mark
// alone is a change), and deletion with the contractor's 1099-MISC.
#include "gui/controls/ColorButton.h"
#include "gui/records/ContractorDialog.h"
#include "core/records/RecordChecks.h"
#include "gui/records/ContractorView.h"
#include "gui/records/EmployeeView.h"
#include "gui/entry/RuleEdit.h"
#include "core/records/ScreenQuestions.h"
#include "gui/records/StateComboBox.h"
#include "tests/support/DocumentFixture.h"
#include "tests/support/RecordBuilders.h"
#include "tests/support/WidgetDriving.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLocale>
#include <QPushButton>
#include <QSignalSpy>
#include <QTreeWidget>
#include <QtTest>

namespace {

ContractorRecord Contractor(int id, const char* number, const char* first, const char* last)
{
    return MakeContractor(id, number, first, last);
}

Form1099Record Form(int id, int contractorId)
{
    Form1099Record f = MakeForm1099(id, contractorId);
    f.NonemployeeCompensation = "2500.00";
    return f;
}

CompanyData Company(const ContractorList& contractors = {}, const Form1099List& forms = {})
{
    return MakeCompany("Harbor Tools", {}, {}, contractors, forms);
}

QLineEdit* Box(const QWidget& dialog, const char* name)
{
    return Child<QLineEdit>(&dialog, name);
}

struct Entry {
    QString number, first, last, address1, city, state, zip;
};

void Fill(QDialog& dialog, const Entry& entry)
{
    Type(Box(dialog, "IdentificationNumber"), entry.number);
    Type(Box(dialog, "FirstName"), entry.first);
    Type(Box(dialog, "LastName"), entry.last);
    Type(Box(dialog, "Address1"), entry.address1);
    Type(Box(dialog, "City"), entry.city);
    Child<CStateComboBox>(&dialog, "State")->SelectState(entry.state);
    Type(Box(dialog, "Zip"), entry.zip);
}

const Entry kComplete = {"12-3456789", "Rachel", "Summers", "77 Pine Hollow Lane", "Lake Oswego", "OR", "970341902"};

QList<std::pair<int, int>> FormOwners(const Form1099List& forms)
{
    QList<std::pair<int, int>> owners; // (1099-MISC id, contractor id)
    for (const Form1099Record& f : forms)
        owners.append({f.Form1099UniqueID, f.ContractorUniqueID});
    return owners;
}

struct ContractorScreen {
    explicit ContractorScreen(DocumentFixture& fixture)
        : view(fixture.doc)
    {
        fixture.doc.SetView(Screen::Contractors, &view);
        fixture.doc.RefreshViews();
        view.resize(1000, 650);
        view.show();
    }

    QStringList Column(int column) const
    {
        QStringList texts;
        for (int row = 0; row < view.List()->topLevelItemCount(); ++row)
            texts << view.List()->topLevelItem(row)->text(column);
        return texts;
    }

    void ClickRow(int row) const
    {
        const QRect rect = view.List()->visualItemRect(view.List()->topLevelItem(row));
        QTest::mouseClick(view.List()->viewport(), Qt::LeftButton, {}, rect.center());
    }

    void ClickHeading(int column) const
    {
        QHeaderView* header = view.List()->header();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(column) + 10, header->height() / 2));
    }

    CContractorView view;
};

} // namespace

Q_DECLARE_METATYPE(Entry)

class ContractorScreenTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void screenShowsContractors()
    {
        DocumentFixture fixture(
            Company({Contractor(3, "98-7654321", "Walt", "Ng"), Contractor(5, "123-45-6789", "Ada", "Ruiz")}));
        ContractorScreen screen(fixture);
        QCOMPARE(screen.view.List()->headerItem()->text(3), QStringLiteral("Identification Number"));
        QCOMPARE(screen.view.List()->columnWidth(3), 160);
        QCOMPARE(screen.Column(0), QStringList({"Ada", "Walt"}));
        QCOMPARE(screen.Column(3), QStringList({"123-45-6789", "98-7654321"}));
        QCOMPARE(screen.view.NewButton()->text(), QStringLiteral("New Contractor"));
        QCOMPARE(screen.view.ModifyButton()->text(), QStringLiteral("Modify Contractor"));
        QCOMPARE(screen.view.DeleteButton()->text(), QStringLiteral("Delete Contractor"));
    }

    // The checks run in a fixed order; the first one failed is the one
    // the user hears of.
    void newContractorChecks_data()
    {
        QTest::addColumn<Entry>("entry");
        QTest::addColumn<QString>("message"); // empty: taken
        using namespace ContractorMessages;
        auto without = [](QString Entry::*field) {
            Entry e = kComplete;
            e.*field = field == &Entry::state ? QStringLiteral("  ") : QString();
            return e;
        };
        QTest::newRow("nothing filled") << Entry{"", "", "", "", "", "  ", ""} << QString(kIdNumberEmpty);
        QTest::newRow("number taken before the names")
            << Entry{"98-7654321", "", "", "", "", "  ", ""} << QString(kIdNumberAssigned);
        QTest::newRow("number only") << Entry{"11-1111111", "", "", "", "", "  ", ""} << QString(kFirstNameEmpty);
        QTest::newRow("no last name") << Entry{"11-1111111", "Ada", "", "", "", "  ", ""} << QString(kLastNameEmpty);
        QTest::newRow("no address") << without(&Entry::address1) << QString(kAddress1Empty);
        QTest::newRow("no city") << without(&Entry::city) << QString(kCityEmpty);
        QTest::newRow("blank state, all else filled") << without(&Entry::state) << QString(kStateNotChosen);
        QTest::newRow("no zip") << without(&Entry::zip) << QString(kZipEmpty);
        QTest::newRow("city and zip missing: city first")
            << Entry{"11-1111111", "Ada", "Ruiz", "1 Elm", "", "  ", ""} << QString(kCityEmpty);
        // The stored 98-7654321 and 987-65-4321 share their digits only.
        QTest::newRow("same digits, dashes elsewhere")
            << Entry{"987-65-4321", "Ada", "Ruiz", "1 Elm", "Bend", "OR", "97701"} << QString();
        QTest::newRow("complete") << kComplete << QString();
    }

    void newContractorChecks()
    {
        QFETCH(Entry, entry);
        QFETCH(QString, message);
        DocumentFixture fixture(
            Company({Contractor(2, "98-7654321", "Walt", "Ng"), Contractor(6, "55-5555555", "Lou", "Park")},
                    {Form(4, 2), Form(9, 6)}));
        ContractorScreen screen(fixture);
        CContractorDialog dialog(fixture.doc, -1, -1, &screen.view);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Contractor"));
        Fill(dialog, entry);
        Click(Child<QPushButton>(&dialog, "OK"));

        const CompanyData stored = fixture.Stored();
        if (!message.isEmpty()) {
            QCOMPARE(fixture.prompt.asked, QStringList{message});
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
            QCOMPARE(stored.contractors.size(), size_t(2));
            QCOMPARE(stored.forms1099.size(), size_t(2));
            QCOMPARE(screen.view.List()->topLevelItemCount(), 2);
            return;
        }
        QVERIFY(fixture.prompt.asked.isEmpty());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(stored.contractors.size(), size_t(3));
        const ContractorRecord& added = stored.contractors.back();
        QCOMPARE(added.ContractorUniqueID, 7);
        QCOMPARE(added.IdentificationNumber.Text(), entry.number);
        QCOMPARE(added.State.Text(), entry.state);
        // Its 1099-MISC: 1 + the largest form id, empty.
        QCOMPARE(FormOwners(stored.forms1099).last(), std::make_pair(10, 7));
        QCOMPARE(stored.forms1099.back().NonemployeeCompensation.Text(), QString());
        // The screens were refreshed: the new row is listed.
        QCOMPARE(screen.view.List()->topLevelItemCount(), 3);
    }

    void messagesKeepTheirWording()
    {
        using namespace ContractorMessages;
        QCOMPARE(QString(kIdNumberEmpty),
                 QStringLiteral("Pease fill in the 'Contractor's identification number' Field"));
        QCOMPARE(QString(kCityEmpty), QStringLiteral("Pease fill in the 'City' Filed"));
        QCOMPARE(QString(kStateNotChosen), QStringLiteral("Pease choose a valid 'State' "));
        QCOMPARE(QString(kZipEmpty), QStringLiteral("Pease fill in the 'Zip' Filed"));
    }

    void dialogBoxesFollowTheirRules_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("account number: five digits, no letters") << "AccountNumber"
                                                                 << "12a345678"
                                                                 << "12345";
        QTest::newRow("identification number: free text of 11") << "IdentificationNumber"
                                                                << "123-45-6789-0"
                                                                << "123-45-6789";
        QTest::newRow("first name: slash yes, apostrophe no") << "FirstName"
                                                              << "O'Ne/il"
                                                              << "ONe/il";
        QTest::newRow("initial: two characters") << "MiddleName"
                                                 << "KLM"
                                                 << "KL";
    }

    void dialogBoxesFollowTheirRules()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        DocumentFixture fixture(Company());
        CContractorDialog dialog(fixture.doc, -1, -1);
        Type(Box(dialog, box.toLatin1()), typed);
        QCOMPARE(Box(dialog, box.toLatin1())->text(), shown);
    }

    void modifyIsWrittenUnchecked_data()
    {
        QTest::addColumn<bool>("tickSecondTin");
        QTest::addColumn<bool>("blankState");
        QTest::addColumn<bool>("written");
        QTest::newRow("2nd TIN not. alone is a change") << true << false << true;
        QTest::newRow("blank state is taken") << false << true << true;
        QTest::newRow("no change, nothing written") << false << false << false;
    }

    void modifyIsWrittenUnchecked()
    {
        QFETCH(bool, tickSecondTin);
        QFETCH(bool, blankState);
        QFETCH(bool, written);
        DocumentFixture fixture(Company({Contractor(2, "98-7654321", "Walt", "Ng")}, {Form(4, 2)}));
        ContractorScreen screen(fixture);
        QSignalSpy modified(&fixture.doc, &CGlobalDoc::modifiedChanged);
        QString caption;
        auto script = OnNextModal([&](QDialog& dialog) {
            caption = dialog.windowTitle();
            QCOMPARE(Box(dialog, "Zip")->text(), QStringLiteral("97034-1902"));
            if (tickSecondTin)
                Click(Child<QCheckBox>(&dialog, "SecondTIN"));
            if (blankState)
                Child<CStateComboBox>(&dialog, "State")->setCurrentIndex(0);
            Click(Child<QPushButton>(&dialog, "OK"));
        });
        screen.ClickRow(0);
        Click(screen.view.ModifyButton());
        QVERIFY(script->shown && !script->leftOpen);
        QCOMPARE(caption, QStringLiteral("Contractor:   Walt"));
        QVERIFY(fixture.prompt.asked.isEmpty());

        const ContractorRecord stored = fixture.Stored().contractors.at(0);
        QCOMPARE(stored.SecondTIN, tickSecondTin ? 1 : 0);
        QCOMPARE(stored.State.Text(), blankState ? QStringLiteral("  ") : QStringLiteral("OR"));
        QCOMPARE(stored == fixture.doc.Contractors()[0], true);
        QCOMPARE(fixture.doc.Modified(), 0);
        // A write marks the document modified until the store has it.
        QCOMPARE(modified.count() > 0, written);
    }

    // The contractor goes, and so does its 1099-MISC, in the store too.
    void deleteTakesTheFormAlong()
    {
        DocumentFixture fixture(
            Company({Contractor(2, "98-7654321", "Walt", "Ng"), Contractor(6, "55-5555555", "Lou", "Park")},
                    {Form(4, 2), Form(9, 6)}));
        ContractorScreen screen(fixture);
        screen.ClickRow(screen.Column(0).indexOf("Walt"));
        fixture.prompt.Then(PromptAnswer::Yes);
        Click(screen.view.DeleteButton());
        QCOMPARE(fixture.prompt.asked, QStringList{ScreenQuestions::kDeleteRecord});
        QCOMPARE(screen.Column(0), QStringList{"Lou"});

        const CompanyData stored = fixture.Stored();
        QCOMPARE(stored.contractors.size(), size_t(1));
        QCOMPARE(stored.contractors[0].ContractorUniqueID, 6);
        QCOMPARE(FormOwners(stored.forms1099), (QList<std::pair<int, int>>{{9, 6}}));
        QCOMPARE(FormOwners(fixture.doc.Forms1099()), (QList<std::pair<int, int>>{{9, 6}}));
        QCOMPARE(fixture.doc.Modified(), 0);
        QVERIFY(fixture.doc.PendingChanges().empty());
    }

    // Each list remembers its own sort.
    void sortIsKeptApartFromTheEmployeeList()
    {
        CompanyData seed = Company({Contractor(1, "1", "Ann", "Young"), Contractor(2, "2", "Bob", "Adams")});
        EmployeeRecord e;
        e.EmployeeUniqueID = 1;
        e.FirstName = "Eve";
        e.LastName = "Ross";
        seed.employees = {e};
        DocumentFixture fixture(seed);
        ContractorScreen screen(fixture);
        CEmployeeView employees(fixture.doc);
        fixture.doc.SetView(Screen::Employees, &employees);
        fixture.doc.RefreshViews();
        // Sorting the employees does not count as the contractors' click.
        employees.List()->header()->sectionClicked(2);
        screen.ClickHeading(2);
        QCOMPARE(screen.Column(2), QStringList({"Young", "Adams"}));
    }
};

FORMLARK_TEST_MAIN(ContractorScreenTest)
#include "ContractorScreenTest.moc"
