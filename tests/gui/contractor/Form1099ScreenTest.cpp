// The 1099-MISC screen driven through its widgets, with the contractor
// list and the 1096 beside it as in the program, and checked against the
// store file read afresh: what it shows, amounts on leaving a box, saving,
// the questions before changes are left, the notes at the ends of the
// list, the selection dialog, contractors added and deleted under it,
// damaged data, a failed write, the questions before printing and the
// print into a PDF through a printer.
#include "core/contractor/Form1099Boxes.h"
#include "core/document/GlobalDoc.h"
#include "core/document/CompanyCommands.h"
#include "core/records/ScreenQuestions.h"
#include "gui/contractor/Form1096View.h"
#include "gui/contractor/Form1099View.h"
#include "gui/controls/BalloonWindow.h"
#include "gui/controls/ColorButton.h"
#include "gui/records/ContractorView.h"
#include "gui/records/StateComboBox.h"
#include "gui/shell/MainFrame.h"
#include "tests/support/DocumentFixture.h"
#include "tests/support/PageQuery.h"
#include "tests/support/PdfWords.h"
#include "tests/support/RecordBuilders.h"
#include "tests/support/FormScreenFixture.h"
#include "tests/support/ScreenTesting.h"
#include "tests/support/WidgetDriving.h"

#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTreeWidget>
#include <QtTest>

namespace {

const char kNextQuestion[] =
    "Would you like to save the changes you did to this contractor before moving to the next one?";
const char kPreviousQuestion[] =
    "Would you like to save the changes you did to this Contractor before moving to the previous one?";
const char kSelectQuestion[] =
    "Would you like to save the changes you did to this contractor before selecting a different one?";
const char kLeaveQuestion[] =
    "Would you like to save the changes you have done to this contractor before navigating away from this form?";
const char kAllEmpty[] = "One or more 1099 Forms contain empty fields(s), Do you wish to continue in printing?";
const char kCurrentEmpty[] = "Current 1099 Form contains empty filed(s), Do you wish to continue in printing?";

// The void mark of the lower form on a pre-printed sheet.
const page_query::Mark kVoidMark = {{610, 1454}, {633, 1477}, {633, 1454}, {610, 1477}};

ContractorRecord Contractor(int id, const char* number, const char* first, const char* last)
{
    ContractorRecord c = MakeContractor(id, number, first, last);
    c.MiddleName = "Q";
    c.Address1 = QStringLiteral("%1 Dock Street").arg(id);
    c.City = "Salem";
    c.Zip = "97301";
    c.AccountNumber = QStringLiteral("A%1").arg(id);
    return c;
}

// A form whose every field is filled (no empty fields), rents as given.
Form1099Record Form(int id, int contractorId, const char* rents)
{
    Form1099Record f = MakeForm1099(id, contractorId);
    for (const Form1099Box& box : Form1099ScreenBoxes())
        if (box.IsText())
            box.set(f, box.rule == BoxRule::Amount ? QStringLiteral("0.00") : QStringLiteral("OR-1"));
    f.Rents = rents;
    return f;
}

// Three contractors whose list order differs from their first-name order
// (Bob, Mia, Zoe). Mia's form is as a new contractor gets it: empty texts.
CompanyData Company()
{
    CompanyData data = MakeCompany("Harbor Tools", {}, {},
                                   {Contractor(4, "444-45-4444", "Zoe", "Adams"),
                                    Contractor(9, "99-9999998", "Bob", "Young"),
                                    Contractor(5, "555-55-5556", "Mia", "Clark")},
                                   {Form(1, 4, "100"), Form(2, 9, "2000.50"), MakeForm1099(3, 5)});
    data.contractors[0].SecondTIN = 1;
    data.forms1099[0].PayerMadeDirectSales = 1;
    data.forms1099[0].FederalIncomeTaxWithheld = "10.00";
    CompanyRecord& c = data.company;
    c.EmployerIdentificationNumber = "12-3456789";
    c.SocialSecurityNumber = "321-54-9876";
    c.Address1 = "1 Pier Road";
    c.Address2 = "Suite 2";
    c.City = "Portland";
    c.State = "OR";
    c.Zip = "97201";
    c.Form1096Telephone = "(503) 555-0100";
    return data;
}

const Form1099Record* StoredForm(const CompanyData& data, int contractorId)
{
    for (const Form1099Record& f : data.forms1099)
        if (f.ContractorUniqueID == contractorId)
            return &f;
    return nullptr;
}
// Never on a store read for the call alone: the form would go with it.
const Form1099Record* StoredForm(CompanyData&& data, int ownerId) = delete;

QString Stored(const CompanyData& data, int contractorId, const QString& field)
{
    const Form1099Record* form = StoredForm(data, contractorId);
    return form ? FindBox(Form1099ScreenBoxes(), field)->Text(*form) : QStringLiteral("<no form>");
}

// The screens as the main window has them: the contractor list (whose
// order the 1099-MISC screen follows), the 1096 and the 1099-MISC.
struct Screens : FormScreenFixture<CContractorView, C1096View, C1099View> {
    explicit Screens(DocumentFixture& fixture)
        : FormScreenFixture(fixture, {Screen::Contractors, Screen::Form1096, Screen::Form1099, Screen::W3})
    {
    }
    QString Shown() const { return Text("FirstName"); }

    void Save() const
    {
        fixture.prompt.Then(PromptAnswer::Yes);
        Click(form.SaveButton());
    }

    void DeleteContractor(const char* firstName) const
    {
        QTreeWidget* list = owners.List();
        for (int row = 0; row < list->topLevelItemCount(); ++row)
            if (list->topLevelItem(row)->text(0) == QLatin1String(firstName))
                list->setCurrentItem(list->topLevelItem(row));
        fixture.prompt.Then(PromptAnswer::Yes);
        Click(owners.DeleteButton());
    }

    CContractorView& contractors = owners;
    C1096View& form1096 = summary;
    C1099View& form1099 = form;
};

// Scripts the print options dialog: the target and the paper chosen, then
// OK; the platform print dialog that may follow is noted and cancelled.
struct PrintScript {
    PrintScript(bool all, bool copy)
    {
        options = OnNextModal([this, all, copy](QDialog& dialog) {
            title = dialog.windowTitle();
            Click(Child<QRadioButton>(&dialog, all ? "AllContractors" : "CurrentContractor"));
            Click(Child<QRadioButton>(&dialog, copy ? "PrintCopy" : "Preprinted"));
            printDialog = OnNextModal([](QDialog& d) { d.reject(); });
            Click(Child<QPushButton>(&dialog, "OK"));
        });
    }
    bool PrintDialogShown() const { return printDialog && printDialog->shown; }

    std::unique_ptr<ModalScript> options;
    std::unique_ptr<ModalScript> printDialog;
    QString title;
};

} // namespace

class Form1099ScreenTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void cleanup() { CloseBalloons(); }

    // The first contractor of the list's order with the company: payer and
    // recipient disabled, amounts in two decimals, the flags.
    void showsTheFirstContractorOfTheList()
    {
        DocumentFixture fixture(Company());
        Screens s(fixture);
        QCOMPARE(s.Shown(), QStringLiteral("Bob"));
        const QList<std::pair<const char*, const char*>> shown = {
            {"PayerName", "Harbor Tools"},
            {"PayerAddress1", "1 Pier Road"},
            {"PayerAddress2", "Suite 2"},
            {"PayerCity", "Portland"},
            {"PayerState", "OR"},
            {"PayerZip", "97201"},
            {"PayerTelephone", "(503) 555-0100"},
            {"PayerFederalID", "12-3456789"},
            {"RecipientID", "99-9999998"},
            {"MiddleName", "Q"},
            {"LastName", "Young"},
            {"RecipientAddress1", "9 Dock Street"},
            {"RecipientCity", "Salem"},
            {"RecipientState", "OR"},
            {"RecipientZip", "97301"},
            {"AccountNumber", "A9"},
        };
        for (const auto& [name, text] : shown) {
            QCOMPARE(s.Text(name), QLatin1String(text));
            QVERIFY2(!s.Box(name)->isEnabled(), name);
        }
        QCOMPARE(C1099View::ShownBoxNames().size(), 18);
        // Every box the tables give the screen has its place on the form.
        QCOMPARE(BoxesOutsideCells(s.form.findChild<QWidget*>(QStringLiteral("Form1099"))), QStringList());
        QCOMPARE(s.Text("Rents"), QStringLiteral("2000.50"));
        QCOMPARE(s.Text("PayerStateID2"), QStringLiteral("OR-1"));
        QVERIFY(!s.form1099.CheckBox("PayerMadeDirectSales")->isChecked());
        QVERIFY(!s.form1099.CheckBox("SecondTIN")->isChecked());
        QVERIFY(!s.form1099.CheckBox("SecondTIN")->isEnabled());
        QVERIFY(!s.form1099.FormModified());
        QCOMPARE(s.form1099.findChild<QGroupBox*>("OwnerGroup")->title(), QStringLiteral("Contractor"));
        QCOMPARE(s.form1099.findChild<QGroupBox*>("FormGroup")->title(), QStringLiteral("1099"));

        // Mia's form was never saved: its empty amounts show as 0.00.
        Click(s.form1099.NextButton());
        QCOMPARE(s.Shown(), QStringLiteral("Mia"));
        for (const Form1099Box& box : Form1099ScreenBoxes())
            if (box.rule == BoxRule::Amount)
                QCOMPARE(s.Text(box.name), QStringLiteral("0.00"));
        QCOMPARE(s.Text("PayerStateID1"), QString());
        Click(s.form1099.NextButton());
        QCOMPARE(s.Shown(), QStringLiteral("Zoe"));
        QCOMPARE(s.Text("Rents"), QStringLiteral("100.00"));
        QVERIFY(s.form1099.CheckBox("PayerMadeDirectSales")->isChecked());
        QVERIFY(s.form1099.CheckBox("SecondTIN")->isChecked());
        QCOMPARE(fixture.prompt.asked, QStringList());

        // A company without an EIN: the payer's number is its SSN.
        CompanyData noEin = Company();
        noEin.company.EmployerIdentificationNumber = "";
        DocumentFixture other(noEin);
        Screens t(other);
        QCOMPARE(t.Text("PayerFederalID"), QStringLiteral("321-54-9876"));
    }

    // Screen readers and the tests find every box by the label on the
    // form; Tab walks the boxes in the form's reading order.
    void boxesAreNamedAndWalkedInReadingOrder()
    {
        DocumentFixture fixture(Company());
        Screens s(fixture);
        QVERIFY(s.active);
        const QList<std::pair<const char*, const char*>> names = {
            {"Rents", "1 Rents"},
            {"NonemployeeCompensation", "7 Nonemployee compensation"},
            {"StateTaxWithheld2", "16 State tax withheld, line 2"},
            {"PayerStateID1", "17 State/Payer's state no., line 1"},
            {"Field15A", "15a Section 409A deferrals"},
            {"PayerFederalID", "PAYER'S Federal ID number"},
        };
        for (const auto& [name, label] : names)
            QCOMPARE(s.Box(name)->accessibleName(), QLatin1String(label));
        QVERIFY(s.form1099.CheckBox("PayerMadeDirectSales")
                    ->accessibleName()
                    .startsWith("9 Payer made direct sales of $5,000 or more of consumer products"));

        QStringList walked;
        s.Box("Rents")->setFocus();
        for (size_t i = 0; i < Form1099ScreenBoxes().size(); ++i) {
            walked << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(walked, QStringList({"Rents",
                                      "Royalities",
                                      "OtherIncome",
                                      "FederalIncomeTaxWithheld",
                                      "FishingBoatProceeds",
                                      "MedicalAndHealthCarePayments",
                                      "NonemployeeCompensation",
                                      "SubstitutePayments",
                                      "PayerMadeDirectSales",
                                      "CropInsuranceProceeds",
                                      "ExcessGoldenParachutePayments",
                                      "GrossProceedsPaidToAttorney",
                                      "Field15A",
                                      "Field15B",
                                      "StateTaxWithheld1",
                                      "PayerStateID1",
                                      "StateIncome1",
                                      "StateTaxWithheld2",
                                      "PayerStateID2",
                                      "StateIncome2"}));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(s.form1099.SelectButton()));
    }

    // Leaving a box as the user does, then Save: the screen shows and the
    // store holds the two-decimal amount; box 17 keeps its text (15
    // characters of it are stored).
    void boxesOnLeavingAndSaving_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("stored");
        QTest::newRow("whole dollars") << "Rents"
                                       << "5"
                                       << "5.00"
                                       << "5.00";
        QTest::newRow("tenths") << "NonemployeeCompensation"
                                << "5.5"
                                << "5.50"
                                << "5.50";
        QTest::newRow("emptied") << "Rents"
                                 << ""
                                 << "0.00"
                                 << "0.00";
        QTest::newRow("three decimals, to the cent") << "Field15B"
                                                     << "7.125"
                                                     << "7.13"
                                                     << "7.13";
        QTest::newRow("negative") << "StateIncome2"
                                  << "-12.5"
                                  << "-12.50"
                                  << "-12.50";
        QTest::newRow("box 17 is text") << "PayerStateID1"
                                        << "IL-1234567890123456"
                                        << "IL-1234567890123456"
                                        << "IL-123456789012";
    }

    void boxesOnLeavingAndSaving()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, stored);
        DocumentFixture fixture(Company());
        Screens s(fixture);
        QVERIFY(s.active);
        s.TypeAndLeave(qPrintable(box), typed);
        QCOMPARE(s.Text(qPrintable(box)), shown);
        QVERIFY(s.form1099.FormModified());
        s.Save();
        QCOMPARE(fixture.prompt.asked, QStringList({ScreenQuestions::kSaveFields}));
        QVERIFY(!s.form1099.FormModified());
        QCOMPARE(Stored(fixture.Stored(), 9, box), stored);
        QCOMPARE(s.refreshes.count, 1);
    }

    // Save of an unchanged form writes nothing, also where the boxes show
    // the stored values otherwise (empty amounts as 0.00). Clear empties the
    // form (and Save stores the empty texts); Reset brings back what is
    // stored.
    void savingClearingAndResetting()
    {
        DocumentFixture fixture(Company());
        Screens s(fixture);
        Click(s.form1099.NextButton()); // Mia
        const QByteArray before = FileBytes(fixture.path);
        QCOMPARE(s.Text("Royalities"), QStringLiteral("0.00"));
        s.refreshes.count = 0;
        s.Save();
        CompanyData stored = fixture.Stored();
        QCOMPARE(Stored(stored, 5, "Royalities"), QString());
        QCOMPARE(Stored(stored, 5, "Field15A"), QString());
        QCOMPARE(Stored(stored, 5, "PayerStateID1"), QString());
        s.Save();
        QCOMPARE(FileBytes(fixture.path), before);
        QCOMPARE(s.refreshes.count, 0);
        QCOMPARE(fixture.doc.Modified(), 0);

        // Clear: every box of the form empty, box 9 unchecked, the payer
        // and the recipient untouched; nothing stored until Save.
        Click(s.form1099.PreviousButton()); // Bob
        fixture.prompt.Then(PromptAnswer::Yes);
        Click(s.form1099.ClearButton());
        QCOMPARE(fixture.prompt.asked.last(), QString(ScreenQuestions::kClearFields));
        QCOMPARE(s.Text("Rents"), QString());
        QCOMPARE(s.Text("PayerStateID2"), QString());
        QCOMPARE(s.Text("PayerName"), QStringLiteral("Harbor Tools"));
        QCOMPARE(s.Text("LastName"), QStringLiteral("Young"));
        QVERIFY(s.form1099.FormModified());
        QCOMPARE(Stored(fixture.Stored(), 9, "Rents"), QStringLiteral("2000.50"));

        fixture.prompt.Then(PromptAnswer::Yes);
        Click(s.form1099.ResetButton());
        QCOMPARE(fixture.prompt.asked.last(), QString(ScreenQuestions::kResetFields));
        QCOMPARE(s.Text("Rents"), QStringLiteral("2000.50"));
        QVERIFY(!s.form1099.FormModified());

        fixture.prompt.Then(PromptAnswer::Yes);
        Click(s.form1099.ClearButton());
        s.Save();
        stored = fixture.Stored();
        QCOMPARE(Stored(stored, 9, "Rents"), QString());
        QCOMPARE(Stored(stored, 9, "PayerStateID2"), QString());
        QCOMPARE(StoredForm(stored, 9)->PayerMadeDirectSales, 0);
        QCOMPARE(s.Text("Rents"), QStringLiteral("0.00")); // shown again from the stored form
    }

    // A saved 1099-MISC reaches the 1096 at once: box 4 is the tax
    // withheld, box 5 boxes 1-3, 5-8, 10, 13 and 14 only.
    void aSaved1099ReachesThe1096()
    {
        DocumentFixture fixture(Company());
        Screens s(fixture);
        QCOMPARE(s.form1096.Box("FormCount")->text(), QStringLiteral("3"));
        QCOMPARE(s.form1096.Box("FederalIncomeTaxWithheld")->text(), QStringLiteral("10.00"));
        QCOMPARE(s.form1096.Box("TotalAmountReported")->text(), QStringLiteral("2100.50"));
        const QList<std::pair<const char*, const char*>> typed = {
            {"Royalities", "1.01"}, {"FederalIncomeTaxWithheld", "40"}, {"GrossProceedsPaidToAttorney", "0.5"},
            {"Field15A", "300"},    {"StateTaxWithheld1", "20"},        {"StateIncome1", "900"},
        };
        for (const auto& [box, text] : typed)
            s.TypeAndLeave(box, QLatin1String(text));
        s.Save();
        QCOMPARE(s.form1096.Box("FederalIncomeTaxWithheld")->text(), QStringLiteral("50.00"));
        QCOMPARE(s.form1096.Box("TotalAmountReported")->text(), QStringLiteral("2102.01"));
        QCOMPARE(s.form1096.Box("FormCount")->text(), QStringLiteral("3"));
    }

    // The question before unsaved changes are left, with its own text for
    // each way out: Yes stores the typing, No drops it.
    void questionsBeforeChangesAreLeft_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QString>("question");
        QTest::newRow("Next, Yes") << "Next" << true << kNextQuestion;
        QTest::newRow("Previous, No") << "Previous" << false << kPreviousQuestion;
        QTest::newRow("Previous, Yes") << "Previous" << true << kPreviousQuestion;
        QTest::newRow("Select, No") << "Select" << false << kSelectQuestion;
        QTest::newRow("another screen, Yes") << "Hide" << true << kLeaveQuestion;
        QTest::newRow("another screen, No") << "Hide" << false << kLeaveQuestion;
    }

    void questionsBeforeChangesAreLeft()
    {
        QFETCH(QString, action);
        QFETCH(bool, yes);
        QFETCH(QString, question);
        DocumentFixture fixture(Company());
        Screens s(fixture);
        Click(s.form1099.NextButton()); // Mia, so Previous has somewhere to go
        s.TypeAndLeave("OtherIncome", "321");
        fixture.prompt.Then(yes ? PromptAnswer::Yes : PromptAnswer::No);
        if (action == "Next")
            Click(s.form1099.NextButton());
        else if (action == "Previous")
            Click(s.form1099.PreviousButton());
        else if (action == "Select") {
            auto cancel = OnNextModal([](QDialog& dialog) { dialog.reject(); });
            Click(s.form1099.SelectButton());
        } else
            s.form1099.OnViewHidden();
        QCOMPARE(fixture.prompt.asked, QStringList({question}));
        QVERIFY(!s.form1099.FormModified());
        QCOMPARE(Stored(fixture.Stored(), 5, "OtherIncome"), yes ? QStringLiteral("321.00") : QString());
        QCOMPARE(fixture.doc.Modified(), 0);
    }

    // At the ends of the list the notes appear at the buttons and the
    // contractor stays.
    void notesAtTheEndsOfTheList()
    {
        DocumentFixture fixture(Company());
        Screens s(fixture);
        Click(s.form1099.PreviousButton());
        QList<CBalloonWindow*> balloons = OpenBalloons();
        QCOMPARE(balloons.size(), 1);
        QCOMPARE(balloons[0]->Title(), QStringLiteral("Note"));
        QCOMPARE(balloons[0]->Content(), QStringLiteral("This is the first contractor in the list!"));
        QCOMPARE(balloons[0]->Options() & ~BalloonOptions(BalloonDeleteOnClose), BalloonOptions(192));
        QCOMPARE(s.Shown(), QStringLiteral("Bob"));
        CloseBalloons();
        Click(s.form1099.NextButton());
        Click(s.form1099.NextButton());
        Click(s.form1099.NextButton());
        balloons = OpenBalloons();
        QCOMPARE(balloons.size(), 1);
        QCOMPARE(balloons[0]->Content(), QStringLiteral("This is the last contractor in the list!"));
        QCOMPARE(s.Shown(), QStringLiteral("Zoe"));
        QCOMPARE(fixture.prompt.asked, QStringList());
    }

    // "Select Contractor": the contractors sorted by last name; OK takes
    // the row; Cancel shows the stored form again.
    void selectContractor()
    {
        DocumentFixture fixture(Company());
        Screens s(fixture);
        QStringList seen;
        auto script = OnNextModal([&](QDialog& dialog) {
            auto* list = Child<QTreeWidget>(&dialog, "RecordList");
            const QTreeWidgetItem* heading = list->headerItem();
            seen << dialog.windowTitle() << heading->text(0) + '|' + heading->text(1) + '|' + heading->text(2);
            for (int row = 0; row < list->topLevelItemCount(); ++row)
                seen << list->topLevelItem(row)->text(2);
            list->setCurrentItem(list->topLevelItem(0)); // Adams: Zoe
            Click(Child<QPushButton>(&dialog, "OK"));
        });
        Click(s.form1099.SelectButton());
        QVERIFY(script->shown && !script->leftOpen);
        QCOMPARE(seen,
                 QStringList({"Select Contractor", "First Name|Middle Name|Last Name", "Adams", "Clark", "Young"}));
        QCOMPARE(s.Shown(), QStringLiteral("Zoe"));

        s.TypeAndLeave("Rents", "9");
        fixture.prompt.Then(PromptAnswer::No);
        auto cancel = OnNextModal([](QDialog& dialog) { Click(Child<QPushButton>(&dialog, "Cancel")); });
        Click(s.form1099.SelectButton());
        QVERIFY(cancel->shown);
        QCOMPARE(s.Shown(), QStringLiteral("Zoe"));
        QCOMPARE(s.Text("Rents"), QStringLiteral("100.00"));
        QVERIFY(!s.form1099.FormModified());
    }

    // Coming up in a company without contractors: the message, then the
    // Contractors screen; the 1096 does the same.
    void comingUpWithoutContractors()
    {
        DocumentFixture fixture(MakeCompany("Empty Co"));
        Screens s(fixture);
        QSignalSpy from1099(&s.form1099, &CFormView::navigateRequested);
        QSignalSpy from1096(&s.form1096, &CFormView::navigateRequested);
        s.form1099.OnViewShown();
        s.form1096.OnViewShown();
        QCOMPARE(fixture.prompt.asked,
                 QStringList({"There are no contractors in this company", "There are no contractors in this company"}));
        QCOMPARE(from1099.size(), 1);
        QCOMPARE(from1099.front().front().toInt(), 2);
        QCOMPARE(from1096.size(), 1);
        QCOMPARE(from1096.front().front().toInt(), 2);
        QCOMPARE(s.Text("PayerName"), QString());
        QCOMPARE(s.Text("Rents"), QString());
        QVERIFY(OpenBalloons().isEmpty()); // no quick help on this screen
        // Saving and leaving have nothing to ask.
        Click(s.form1099.SaveButton());
        s.form1099.OnViewHidden();
        QCOMPARE(fixture.prompt.asked.size(), 3);
        QCOMPARE(fixture.prompt.asked.last(), QString(ScreenQuestions::kSaveFields));
        QCOMPARE(fixture.Stored().forms1099.size(), size_t(0));
    }

    // In the main window: chosen again while typing the typing stays;
    // another screen chosen asks once; the steps follow the contractor
    // list as the user sorted it.
    void inTheMainWindow()
    {
        DocumentFixture fixture(Company());
        CMainFrame frame(fixture.doc);
        frame.RefreshAllViews();
        frame.show();
        frame.Navigate(1, 5);
        auto* view = static_cast<C1099View*>(frame.View(Screen::Form1099));
        QCOMPARE(frame.CurrentScreen(), Screen::Form1099);
        QCOMPARE(view->Box("FirstName")->text(), QStringLiteral("Bob"));
        view->Box("SubstitutePayments")->setText("12.00");
        frame.Navigate(1, 5);
        QCOMPARE(view->Box("SubstitutePayments")->text(), QStringLiteral("12.00"));
        fixture.prompt.Then(PromptAnswer::No);
        frame.Navigate(1, 6);
        QCOMPARE(fixture.prompt.asked, QStringList({kLeaveQuestion}));
        QCOMPARE(frame.CurrentScreen(), Screen::Form1096);
        frame.Navigate(1, 5);
        QCOMPARE(view->Box("SubstitutePayments")->text(), QStringLiteral("0.00"));
        QCOMPARE(Stored(fixture.Stored(), 9, "SubstitutePayments"), QStringLiteral("0.00"));

        // The contractor list sorted by number (Zoe, Mia, Bob): Next and
        // Previous follow it.
        frame.Navigate(1, 2);
        auto* contractors = static_cast<CContractorView*>(frame.View(Screen::Contractors));
        QHeaderView* header = contractors->List()->header();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(3) + 10, header->height() / 2));
        frame.Navigate(1, 5);
        CloseBalloons();
        Click(view->NextButton());
        QCOMPARE(OpenBalloons().size(), 1); // Bob is the last one now
        Click(view->PreviousButton());
        QCOMPARE(view->Box("FirstName")->text(), QStringLiteral("Mia"));
    }

    // Typed into a box and never left, the box is finished as leaving it
    // finishes it before the program ends with Yes: stored as shown.
    void theEndOfTheProgramStoresWhatTheBoxShows()
    {
        DocumentFixture fixture(Company());
        CMainFrame frame(fixture.doc);
        frame.RefreshAllViews();
        frame.show();
        frame.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        frame.Navigate(1, 5);
        CloseBalloons();
        auto* view = static_cast<C1099View*>(frame.View(Screen::Form1099));
        QLineEdit* rents = view->Box("Rents");
        Erase(rents);
        Type(rents, "1500.5");
        fixture.prompt.Then(PromptAnswer::Yes);
        QVERIFY(frame.close());
        QCOMPARE(fixture.prompt.asked, QStringList({kLeaveQuestion}));
        QCOMPARE(Stored(fixture.Stored(), 9, "Rents"), QStringLiteral("1500.50"));
    }

    // Contractors added and deleted on the contractor screen: the
    // 1099-MISC screen shows an existing contractor with its own form.
    void contractorsAddedAndDeletedUnderTheScreen()
    {
        DocumentFixture fixture(Company());
        Screens s(fixture);
        Click(s.form1099.NextButton()); // Mia
        auto add = OnNextModal([](QDialog& dialog) {
            Type(Child<QLineEdit>(&dialog, "IdentificationNumber"), "11-1111112");
            Type(Child<QLineEdit>(&dialog, "FirstName"), "Al");
            Type(Child<QLineEdit>(&dialog, "LastName"), "Baker");
            Type(Child<QLineEdit>(&dialog, "Address1"), "2 Quay");
            Type(Child<QLineEdit>(&dialog, "City"), "Bend");
            Child<CStateComboBox>(&dialog, "State")->SelectState("OR");
            Type(Child<QLineEdit>(&dialog, "Zip"), "97701");
            Click(Child<QPushButton>(&dialog, "OK"));
        });
        Click(s.contractors.NewButton());
        QVERIFY(add->shown && !add->leftOpen);
        // After a new contractor the screen shows the first of the list.
        QCOMPARE(s.Shown(), QStringLiteral("Zoe"));
        const CompanyData stored = fixture.Stored();
        QCOMPARE(stored.forms1099.size(), size_t(4));
        QCOMPARE(stored.forms1099.back().Form1099UniqueID, 4);
        QCOMPARE(s.form1096.Box("FormCount")->text(), QStringLiteral("4"));

        Click(s.form1099.PreviousButton());
        QCOMPARE(s.Shown(), QStringLiteral("Mia"));
        s.DeleteContractor("Bob"); // another one
        QCOMPARE(s.Shown(), QStringLiteral("Mia"));
        QCOMPARE(s.Text("Rents"), QStringLiteral("0.00"));
        s.DeleteContractor("Mia"); // the shown one: the next in the list
        QCOMPARE(s.Shown(), QStringLiteral("Zoe"));
        QCOMPARE(s.Text("Rents"), QStringLiteral("100.00"));
        s.DeleteContractor("Zoe"); // the last one: the one before it
        QCOMPARE(s.Shown(), QStringLiteral("Al"));
        s.DeleteContractor("Al");
        QCOMPARE(s.Shown(), QString());
        QCOMPARE(s.Text("Rents"), QString());
        QCOMPARE(fixture.Stored().forms1099.size(), size_t(0));
        s.form1096.RefreshFromDocument(fixture.doc);
        QCOMPARE(s.form1096.Box("FormCount")->text(), QStringLiteral("0"));
    }

    // Damaged data: a contractor without a 1099-MISC row shows empty boxes,
    // and Save gives it its form.
    void aContractorWithoutAFormGetsOneOnSave()
    {
        CompanyData data = Company();
        data.forms1099.erase(data.forms1099.begin() + 1); // Bob's
        DocumentFixture fixture(data);
        Screens s(fixture);
        QCOMPARE(s.Shown(), QStringLiteral("Bob"));
        QCOMPARE(s.Text("Rents"), QStringLiteral("0.00"));
        QCOMPARE(s.Text("RecipientID"), QStringLiteral("99-9999998"));
        QCOMPARE(s.form1096.Box("FormCount")->text(), QStringLiteral("2"));
        s.TypeAndLeave("Rents", "10");
        s.Save();
        const CompanyData stored = fixture.Stored();
        const Form1099Record* f = StoredForm(stored, 9);
        QVERIFY(f);
        QCOMPARE(f->Rents.Text(), QStringLiteral("10.00"));
        QCOMPARE(f->Form1099UniqueID, 4);
        QCOMPARE(s.form1096.Box("FormCount")->text(), QStringLiteral("3"));
    }

    // A store that refuses the write: the user is told, the screen keeps
    // what was typed and stays modified, and the change is still queued.
    void aRefusedWriteKeepsTheTyping()
    {
        DocumentFixture fixture(Company());
        Screens s(fixture);
        s.TypeAndLeave("CropInsuranceProceeds", "44");
        QVERIFY(QFile::rename(fixture.path, fixture.path + ".away"));
        s.Save();
        QCOMPARE(fixture.prompt.asked.size(), 2);
        QVERIFY(fixture.prompt.asked.last().contains("could not save"));
        QCOMPARE(s.Text("CropInsuranceProceeds"), QStringLiteral("44.00"));
        QVERIFY(s.form1099.FormModified());
        QCOMPARE(fixture.doc.Modified(), 1);
        QCOMPARE(fixture.doc.PendingChanges().size(), size_t(1));

        QVERIFY(QFile::rename(fixture.path + ".away", fixture.path));
        CompanyCommands(fixture.doc).OnSave();
        QCOMPARE(Stored(fixture.Stored(), 9, "CropInsuranceProceeds"), QStringLiteral("44.00"));
    }

    // Before the platform print dialog: the options, then the question
    // about empty fields of the stored forms (Yes goes on to the print
    // dialog, No prints nothing).
    void questionsBeforePrinting_data()
    {
        QTest::addColumn<bool>("all");
        QTest::addColumn<int>("nexts");        // Next clicks before printing
        QTest::addColumn<int>("answer");       // PromptAnswer
        QTest::addColumn<QString>("question"); // empty: none asked
        QTest::addColumn<bool>("printDialog");
        const int yes = int(PromptAnswer::Yes);
        const int no = int(PromptAnswer::No);
        QTest::newRow("current, complete") << false << 0 << yes << "" << true;
        QTest::newRow("current, empty fields, Yes") << false << 1 << yes << kCurrentEmpty << true;
        QTest::newRow("current, empty fields, No") << false << 1 << no << kCurrentEmpty << false;
        QTest::newRow("all, one form empty, Yes") << true << 0 << yes << kAllEmpty << true;
        QTest::newRow("all, one form empty, No") << true << 0 << no << kAllEmpty << false;
    }

    void questionsBeforePrinting()
    {
        QFETCH(bool, all);
        QFETCH(int, nexts);
        QFETCH(int, answer);
        QFETCH(QString, question);
        QFETCH(bool, printDialog);
        DocumentFixture fixture(Company());
        Screens s(fixture);
        for (int i = 0; i < nexts; ++i)
            Click(s.form1099.NextButton());
        PrintScript script(all, true);
        if (!question.isEmpty())
            fixture.prompt.Then(PromptAnswer(answer));
        Click(s.form1099.PrintButton());
        QVERIFY(script.options->shown && !script.options->leftOpen);
        QCOMPARE(script.title, QStringLiteral("Set 1099 Print Options"));
        QCoreApplication::processEvents();
        QCOMPARE(fixture.prompt.asked, question.isEmpty() ? QStringList() : QStringList({question}));
        QCOMPARE(script.PrintDialogShown(), printDialog);
        // The choices are kept for the next print, whatever followed.
        QCOMPARE(fixture.doc.Form1099PrintOptions().Target, all ? PrintTarget::All : PrintTarget::Current);
        QCOMPARE(fixture.doc.Form1099PrintOptions().Paper, PaperType::Blank);
    }

    // All contractors of a company without 1099 rows: nothing printed and
    // nothing said. Cancel in the options leaves them as they were.
    void nothingToPrintAndCancel()
    {
        CompanyData data = Company();
        data.forms1099.clear();
        DocumentFixture fixture(data);
        Screens s(fixture);
        fixture.prompt.asked.clear(); // whatever opening such a store says
        PrintScript script(true, false);
        Click(s.form1099.PrintButton());
        QVERIFY(script.options->shown);
        QCoreApplication::processEvents();
        QVERIFY(!script.PrintDialogShown());
        QCOMPARE(fixture.prompt.asked, QStringList());

        const Print1099Options before = fixture.doc.Form1099PrintOptions();
        auto cancel = OnNextModal([](QDialog& dialog) {
            Click(Child<QRadioButton>(&dialog, "CurrentContractor"));
            Click(Child<QPushButton>(&dialog, "Cancel"));
        });
        Click(s.form1099.PrintButton());
        QVERIFY(cancel->shown);
        QVERIFY(fixture.doc.Form1099PrintOptions() == before);
    }

    // The pages the screen prints, through a printer into a PDF (the path
    // a real printer takes): three contractors on pre-printed forms, two
    // sheets in the list's order, the second one's lower form marked void.
    void printsThroughAPrinterIntoAPdf()
    {
        QVERIFY2(!QStandardPaths::findExecutable("pdftotext").isEmpty(), "pdftotext (poppler-utils) is needed");
        DocumentFixture fixture(Company());
        Screens s(fixture);
        Print1099Options options;
        options.Target = PrintTarget::All;
        options.Paper = PaperType::Preprinted;
        const QString pdf = fixture.folders.Path("1099.pdf");
        QVERIFY(PrintIntoPdf(s.form1099.JobMaker(options), pdf));

        const QList<PdfWord> words = PdfWords(pdf);
        QCOMPARE(PageCount(words), 2);
        // The pre-printed entries, from the paper's corner whatever margins
        // the printer has; the lower form 1392 below the upper.
        CheckWord(words, 1, "2000.50", QPoint(1053, 170));     // Bob, box 1
        CheckWord(words, 1, "99-9999998", QPoint(583, 555));   // his number
        CheckWord(words, 1, "555-55-5556", QPoint(583, 1947)); // Mia, the lower form
        CheckWord(words, 2, "444-45-4444", QPoint(583, 555));  // Zoe
        CheckWord(words, 2, "100.00", QPoint(1053, 170));      // "100" as read

        const std::unique_ptr<PrintJob> job = s.form1099.JobMaker(options)();
        QVERIFY(page_query::HasMark(job->LayOutPage(2), kVoidMark));
        QVERIFY(!page_query::HasMark(job->LayOutPage(1), kVoidMark));
    }
};

FORMLARK_TEST_MAIN(Form1099ScreenTest)
#include "Form1099ScreenTest.moc"
