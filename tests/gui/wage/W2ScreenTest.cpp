// The W-2 screen driven through its widgets, with the employee list and
// the W-3 beside it as in the program, and checked against the store file
// read afresh: what it shows, the box rules on leaving a box, saving, the
// questions before changes are left, the notes at the ends of the list,
// the selection dialog, employees deleted under it, a failed write, and
// printing into a PDF through a printer.
#include "core/document/GlobalDoc.h"
#include "core/document/CompanyCommands.h"
#include "core/records/ScreenQuestions.h"
#include "core/wage/W2Boxes.h"
#include "gui/controls/BalloonWindow.h"
#include "gui/controls/ColorButton.h"
#include "gui/entry/StoredText.h"
#include "gui/records/EmployeeView.h"
#include "gui/shell/MainFrame.h"
#include "gui/wage/W2PrintOptionsDialog.h"
#include "gui/wage/W2View.h"
#include "gui/wage/W3View.h"
#include "render/painting/FormPictures.h"
#include "render/output/PagedOutput.h"
#include "tests/support/DocumentFixture.h"
#include "tests/support/PdfWords.h"
#include "tests/support/RecordBuilders.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/FormScreenFixture.h"
#include "tests/support/ScreenTesting.h"
#include "tests/support/TestFolders.h"
#include "tests/support/WidgetDriving.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

namespace {

const char kNextQuestion[] =
    "Would you like to save the changes you did to this employee before moving to the next one?";
const char kLeaveQuestion[] =
    "Would you like to save the changes you have done to this employee before navigating away from this form?";

EmployeeRecord Employee(int id, const char* ssn, const char* first, const char* last)
{
    EmployeeRecord e = MakeEmployee(id, ssn, first, last);
    e.MiddleName = "Q";
    e.Address1 = QStringLiteral("%1 Dock Street").arg(id);
    e.City = "Salem";
    e.State = "OR";
    e.Zip = "97301";
    return e;
}

W2Record W2(int id, int employeeId, const char* wages)
{
    W2Record w = MakeW2(id, employeeId);
    w.Wages = wages;
    return w;
}

// Three employees whose list order differs from their first-name order
// (Bob, Mia, Zoe); each with a W-2 unless `withoutW2` names one.
CompanyData Company(int withoutW2 = 0)
{
    CompanyData data = MakeCompany("Harbor Tools", {Employee(4, "444-44-4444", "Zoe", "Adams"),
                                                    Employee(9, "999-99-9999", "Bob", "Young"),
                                                    Employee(5, "555-55-5555", "Mia", "Clark")});
    for (const W2Record& w : {W2(1, 4, "100"), W2(2, 9, "2000.50"), W2(3, 5, "")})
        if (w.EmployeeUniqueID != withoutW2)
            data.w2s.push_back(w);
    data.w2s.front().RetirementPlan = 1;
    data.company.FormW3ControlNumber = "CN-7";
    data.company.EmployerIdentificationNumber = "12-3456789";
    data.company.Address1 = "1 Pier Road";
    data.company.City = "Portland";
    data.company.State = "OR";
    data.company.Zip = "97201";
    data.company.StateID = "OR-55";
    return data;
}

const W2Record* StoredW2(const CompanyData& data, int employeeId)
{
    for (const W2Record& w : data.w2s)
        if (w.EmployeeUniqueID == employeeId)
            return &w;
    return nullptr;
}
// Never on a store read for the call alone: the form would go with it.
const W2Record* StoredW2(CompanyData&& data, int ownerId) = delete;

// The screens as the main window has them: the employee list (whose order
// the W-2 screen follows), the W-3 and the W-2.
struct Screens : FormScreenFixture<CEmployeeView, CW3View, CW2View> {
    explicit Screens(DocumentFixture& fixture)
        : FormScreenFixture(fixture, {Screen::Employees, Screen::W3, Screen::W2, Screen::Form1096})
    {
    }
    QString ShownEmployee() const { return Text("FirstName"); }

    CEmployeeView& employees = owners;
    CW3View& w3 = summary;
    CW2View& w2 = form;
};

} // namespace

class W2ScreenTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void cleanup() { CloseBalloons(); }

    // The first employee of the list's order with the company: boxes a to
    // f and the first state line disabled, amounts in two decimals.
    void showsTheFirstEmployeeOfTheList()
    {
        DocumentFixture fixture(Company());
        Screens s(fixture);
        QCOMPARE(s.ShownEmployee(), QStringLiteral("Bob"));
        const QList<std::pair<const char*, const char*>> shown = {{"FormW3ControlNumber", "CN-7"},
                                                                  {"EmployerIdentificationNumber", "12-3456789"},
                                                                  {"EmployerName", "Harbor Tools"},
                                                                  {"EmployerAddress1", "1 Pier Road"},
                                                                  {"EmployerCity", "Portland"},
                                                                  {"SocialSecurityNumber", "999-99-9999"},
                                                                  {"MiddleName", "Q"},
                                                                  {"LastName", "Young"},
                                                                  {"EmployeeAddress1", "9 Dock Street"},
                                                                  {"EmployeeZip", "97301"},
                                                                  {"State1", "OR"},
                                                                  {"StateID1", "OR-55"}};
        for (const auto& [name, text] : shown) {
            QCOMPARE(s.Text(name), QLatin1String(text));
            QVERIFY2(!s.Box(name)->isEnabled(), name);
        }
        QCOMPARE(CW2View::ShownBoxNames().size(), 19);
        // Every box the tables give the screen has its place on the form.
        QCOMPARE(BoxesOutsideCells(s.form.findChild<QWidget*>(QStringLiteral("W2Form"))), QStringList());
        QCOMPARE(s.Text("Wages"), QStringLiteral("2000.50"));
        QCOMPARE(s.Text("MedicareWages"), QStringLiteral("0.00"));
        QCOMPARE(s.Text("Field12aYear"), QString());
        QVERIFY(!s.w2.CheckBox("RetirementPlan")->isChecked());
        QVERIFY(!s.w2.FormModified());

        // The W-2 of another employee with its flags.
        Click(s.w2.NextButton());
        Click(s.w2.NextButton());
        QCOMPARE(s.ShownEmployee(), QStringLiteral("Zoe"));
        QCOMPARE(s.Text("Wages"), QStringLiteral("100.00"));
        QVERIFY(s.w2.CheckBox("RetirementPlan")->isChecked());
        QCOMPARE(fixture.prompt.asked, QStringList());
    }

    // Screen readers and the tests find every box by the label on the
    // form; Tab walks the boxes in the form's reading order.
    void boxesAreNamedAndWalkedInReadingOrder()
    {
        DocumentFixture fixture(Company());
        Screens s(fixture);
        QVERIFY(s.active);
        for (const char* name : {"Field12bYear", "Other3", "LocalityName2", "StatutoryEmployee"})
            QVERIFY(s.w2.EntryBoxes().Widget(name));
        QCOMPARE(s.Box("Wages")->accessibleName(), QStringLiteral("1 Wages, tips, other compensation"));
        QCOMPARE(s.Box("Field12aAmount")->accessibleName(), QStringLiteral("12a amount"));
        QCOMPARE(s.Box("State2")->accessibleName(), QStringLiteral("15 State, line 2"));
        QCOMPARE(s.w2.CheckBox("RetirementPlan")->accessibleName(), QStringLiteral("13 Retirement plan"));
        QCOMPARE(s.Box("SocialSecurityNumber")->accessibleName(),
                 QStringLiteral("d Employee's social security number"));

        QStringList walked;
        s.Box("Wages")->setFocus();
        for (size_t i = 0; i < W2ScreenBoxes().size(); ++i) {
            walked << QApplication::focusWidget()->accessibleName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QStringList labels;
        for (const W2Box& box : W2ScreenBoxes())
            labels << QLatin1String(box.label);
        QCOMPARE(walked, labels);
        QCOMPARE(labels.mid(9, 6), QStringList({"10 Dependent care benefits", "11 Nonqualified plans", "12a code",
                                                "12a year", "12a amount", "12b code"}));
        // After the last box, the buttons above the form.
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(s.w2.SelectButton()));
        // The form's command buttons never act on Enter as a default button.
        for (QPushButton* button : s.w2.findChildren<QPushButton*>())
            QVERIFY(!button->autoDefault() && !button->isDefault());
    }

    // Enter in a box moves on to the next box; it never saves.
    void enterMovesOnAndNeverSaves()
    {
        DocumentFixture fixture(Company());
        Screens s(fixture);
        QVERIFY(s.active);
        const QByteArray before = FileBytes(fixture.path);
        QLineEdit* wages = s.Box("Wages");
        Erase(wages);
        Type(wages, "2500");
        QTest::keyClick(wages, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(s.Box("FederalIncomeTaxWithdrawal")));
        QCOMPARE(s.Text("Wages"), QStringLiteral("2500.00"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
        QCOMPARE(fixture.prompt.asked, QStringList());
        QVERIFY(s.w2.FormModified());
        QCOMPARE(FileBytes(fixture.path), before);
    }

    // The box rules as the user meets them: type, leave with Tab, Save; the
    // store holds what the screen showed.
    void boxRulesOnLeavingABox_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("otherBox");
        QTest::addColumn<QString>("otherText");
        const QString none;
        QTest::newRow("box 3 over the base") << "SocialSecurityWages"
                                             << "100000"
                                             << "90000.00"
                                             << "90000.00"
                                             << "'Social security wages' field shouldn't exceed $90000.00"
                                             << "SocialSecurityTaxWithheld"
                                             << "5580.00";
        QTest::newRow("box 3 fills box 4") << "SocialSecurityWages"
                                           << "50000"
                                           << "50000.00"
                                           << "50000.00" << none << "SocialSecurityTaxWithheld"
                                           << "3100.00";
        QTest::newRow("box 4 over its cap") << "SocialSecurityTaxWithheld"
                                            << "6000"
                                            << "5580.00"
                                            << "5580.00"
                                            << "'Social security tax withheld' field shouldn't exceed $5580.00"
                                            << "MedicareTaxWithheld"
                                            << "0.00";
        QTest::newRow("box 5 fills box 6") << "MedicareWages"
                                           << "10000"
                                           << "10000.00"
                                           << "10000.00" << none << "MedicareTaxWithheld"
                                           << "145.00";
        QTest::newRow("box 16, line 2") << "StateWages2"
                                        << "7.5"
                                        << "7.50"
                                        << "7.50" << none << "StateIncomTax2"
                                        << "0.00";
        QTest::newRow("box 12 code: one letter") << "Field12bCode"
                                                 << "DD"
                                                 << "D"
                                                 << "D" << none << "Field12bAmount"
                                                 << "0.00";
        QTest::newRow("box 12 year: two digits") << "Field12bYear"
                                                 << "2005"
                                                 << "20"
                                                 << "20" << none << "Field12bAmount"
                                                 << "0.00";
        QTest::newRow("box 12 year: a leading zero") << "Field12cYear"
                                                     << "05"
                                                     << "05"
                                                     << "05" << none << "Field12cAmount"
                                                     << "0.00";
    }

    void boxRulesOnLeavingABox()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, stored);
        QFETCH(QString, message);
        QFETCH(QString, otherBox);
        QFETCH(QString, otherText);
        DocumentFixture fixture(Company());
        Screens s(fixture);
        QVERIFY(s.active);
        s.TypeAndLeave(qPrintable(box), typed);
        QCOMPARE(s.Text(qPrintable(box)), shown);
        QCOMPARE(s.Text(qPrintable(otherBox)), otherText);
        QCOMPARE(fixture.prompt.asked, message.isEmpty() ? QStringList() : QStringList{message});
        QVERIFY(s.w2.FormModified());

        fixture.prompt.Then(PromptAnswer::Yes);
        Click(s.w2.SaveButton());
        QCOMPARE(fixture.prompt.asked.last(), QString(ScreenQuestions::kSaveFields));
        QVERIFY(!s.w2.FormModified());
        const CompanyData store = fixture.Stored();
        const W2Record* w = StoredW2(store, 9);
        QVERIFY(w);
        QCOMPARE(FindBox(W2ScreenBoxes(), box)->Text(*w), stored);
        // The other box holds the amount it showed (one never changed keeps
        // its stored text: empty for 0.00).
        QCOMPARE(FindBox(W2ScreenBoxes(), otherBox)->Amount(*w).Shown(), otherText);
        // The screen shows what was stored.
        QCOMPARE(s.Text(qPrintable(box)), stored);
    }

    // Save of an unchanged form writes nothing and refreshes nothing, also
    // where the boxes show the stored values otherwise (empty amounts as
    // 0.00).
    void savingAnUnchangedFormWritesNothing()
    {
        DocumentFixture fixture(Company());
        Screens s(fixture);
        const QByteArray before = FileBytes(fixture.path);
        // The boxes show the empty amounts as 0.00; saved unchanged, the
        // store keeps them as they are.
        QCOMPARE(s.Text("MedicareWages"), QStringLiteral("0.00"));
        fixture.prompt.Then(PromptAnswer::Yes);
        Click(s.w2.SaveButton());
        fixture.prompt.Then(PromptAnswer::Yes);
        Click(s.w2.SaveButton());
        QCOMPARE(fixture.prompt.asked, QStringList({ScreenQuestions::kSaveFields, ScreenQuestions::kSaveFields}));
        QCOMPARE(s.refreshes.count, 0);
        QCOMPARE(FileBytes(fixture.path), before);
        const CompanyData stored = fixture.Stored();
        QCOMPARE(StoredW2(stored, 9)->MedicareWages.Text(), QString());
        QCOMPARE(fixture.doc.Modified(), 0);
        QCOMPARE(fixture.doc.PendingChanges().size(), size_t(0));

        // Typing the same value again is no change either.
        s.TypeAndLeave("Wages", "2000.5");
        QVERIFY(s.w2.FormModified());
        fixture.prompt.Then(PromptAnswer::Yes);
        Click(s.w2.SaveButton());
        QCOMPARE(s.refreshes.count, 0);
        QCOMPARE(FileBytes(fixture.path), before);
    }

    // Values of another program that the boxes would not take (an amount
    // that does not read as one, a box-12 code of two letters, a foreign
    // state) are shown as stored and marked; leaving the boxes changes
    // nothing, and a Save that changed another box keeps them all.
    void storedValuesTheBoxesDoNotTakeAreKept()
    {
        CompanyData data = Company();
        W2Record& w = data.w2s[1]; // Bob's, the first of the list
        w.Wages = "12,5x0.00";
        w.Field12aCode = "DD";
        w.Field12aAmount = "5,120.40";
        w.State2 = "QC";
        DocumentFixture fixture(data);
        Screens s(fixture);
        QCOMPARE(s.ShownEmployee(), QStringLiteral("Bob"));
        QCOMPARE(s.Text("Wages"), QStringLiteral("12,5x0.00"));
        QVERIFY(StoredText::Marked(s.Box("Wages")));
        QCOMPARE(s.Text("Field12aCode"), QStringLiteral("DD"));
        QVERIFY(StoredText::Marked(s.Box("Field12aCode")));
        QCOMPARE(s.Text("Field12aAmount"), QStringLiteral("5120.40"));
        QVERIFY(!StoredText::Marked(s.Box("Field12aAmount")));
        QCOMPARE(s.Text("State2"), QStringLiteral("QC"));

        // Walking through the boxes leaves them as they are.
        s.Box("Wages")->setFocus();
        for (int i = 0; i < 40; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(s.Text("Wages"), QStringLiteral("12,5x0.00"));
        QVERIFY(!s.w2.FormModified());

        s.TypeAndLeave("AllocatedTips", "15");
        fixture.prompt.Then(PromptAnswer::Yes);
        Click(s.w2.SaveButton());
        const CompanyData stored = fixture.Stored();
        const W2Record* saved = StoredW2(stored, 9);
        QCOMPARE(saved->AllocatedTips.Text(), QStringLiteral("15.00"));
        QCOMPARE(saved->Wages.Text(), QStringLiteral("12,5x0.00"));
        QCOMPARE(saved->Field12aCode.Text(), QStringLiteral("DD"));
        QCOMPARE(saved->Field12aAmount.Text(), QStringLiteral("5,120.40"));
        QCOMPARE(saved->State2.Text(), QStringLiteral("QC"));

        // Typed over, the box takes what is typed.
        s.TypeAndLeave("Wages", "1250");
        QVERIFY(!StoredText::Marked(s.Box("Wages")));
        fixture.prompt.Then(PromptAnswer::Yes);
        Click(s.w2.SaveButton());
        const CompanyData again = fixture.Stored();
        QCOMPARE(StoredW2(again, 9)->Wages.Text(), QStringLiteral("1250.00"));
    }

    // Clear empties the boxes; saved, the amounts are stored empty and
    // show as 0.00 the next time the employee is shown.
    void clearedAndSavedAmountsAreStoredEmpty()
    {
        DocumentFixture fixture(Company());
        Screens s(fixture);
        fixture.prompt.Then(PromptAnswer::No);
        Click(s.w2.ClearButton()); // refused: nothing changes
        QCOMPARE(s.Text("Wages"), QStringLiteral("2000.50"));
        QVERIFY(!s.w2.FormModified());

        fixture.prompt.Then(PromptAnswer::Yes).Then(PromptAnswer::Yes);
        Click(s.w2.ClearButton());
        QCOMPARE(s.Text("Wages"), QString());
        QCOMPARE(s.Text("State1"), QString());
        QVERIFY(s.w2.FormModified());
        Click(s.w2.SaveButton());
        QCOMPARE(fixture.prompt.asked, QStringList({ScreenQuestions::kClearFields, ScreenQuestions::kClearFields,
                                                    ScreenQuestions::kSaveFields}));
        const CompanyData stored = fixture.Stored();
        const W2Record* w = StoredW2(stored, 9);
        QCOMPARE(w->Wages.Text(), QString());
        QCOMPARE(w->MedicareWages.Text(), QString());
        QCOMPARE(s.Text("Wages"), QStringLiteral("0.00"));
        QCOMPARE(s.Text("State1"), QStringLiteral("OR"));

        // Reset brings back the stored record over unsaved typing.
        s.TypeAndLeave("Wages", "12");
        fixture.prompt.Then(PromptAnswer::Yes);
        Click(s.w2.ResetButton());
        QCOMPARE(fixture.prompt.asked.last(), QString(ScreenQuestions::kResetFields));
        QCOMPARE(s.Text("Wages"), QStringLiteral("0.00"));
        QVERIFY(!s.w2.FormModified());
    }

    // A saved W-2 reaches the W-3 at once.
    void aSavedW2ReachesTheW3()
    {
        DocumentFixture fixture(Company());
        Screens s(fixture);
        QCOMPARE(s.w3.Box("Box1")->text(), QStringLiteral("2100.50"));
        QCOMPARE(s.w3.Box("Box2")->text(), QStringLiteral("0.00"));
        s.TypeAndLeave("Wages", "2500.25");
        s.TypeAndLeave("FederalIncomeTaxWithdrawal", "120.5");
        fixture.prompt.Then(PromptAnswer::Yes);
        Click(s.w2.SaveButton());
        QCOMPARE(s.w3.Box("Box1")->text(), QStringLiteral("2600.25"));
        QCOMPARE(s.w3.Box("Box2")->text(), QStringLiteral("120.50"));
        QCOMPARE(s.w3.Box("FormCount")->text(), QStringLiteral("3"));
    }

    // At the ends of the list the notes appear at the buttons and the
    // employee stays; with one employee both ends meet.
    void notesAtTheEndsOfTheList()
    {
        DocumentFixture fixture(Company());
        Screens s(fixture);
        Click(s.w2.PreviousButton());
        QList<CBalloonWindow*> balloons = OpenBalloons();
        QCOMPARE(balloons.size(), 1);
        QCOMPARE(balloons[0]->Title(), QStringLiteral("Note"));
        QCOMPARE(balloons[0]->Content(), QStringLiteral("This is the first employee in the list!"));
        QCOMPARE(balloons[0]->Options() & ~BalloonOptions(BalloonDeleteOnClose), BalloonOptions(192));
        QCOMPARE(s.ShownEmployee(), QStringLiteral("Bob"));
        CloseBalloons();

        // Unsaved typing: the question comes first, No keeps the typing.
        Click(s.w2.NextButton());
        Click(s.w2.NextButton());
        s.TypeAndLeave("Wages", "7");
        fixture.prompt.Then(PromptAnswer::No);
        Click(s.w2.NextButton());
        QCOMPARE(fixture.prompt.asked, QStringList({kNextQuestion}));
        balloons = OpenBalloons();
        QCOMPARE(balloons.size(), 1);
        QCOMPARE(balloons[0]->Content(), QStringLiteral("This is the last employee in the list!"));
        QCOMPARE(s.ShownEmployee(), QStringLiteral("Zoe"));
        QCOMPARE(s.Text("Wages"), QStringLiteral("7.00"));

        DocumentFixture single(MakeCompany("Solo", {Employee(1, "111-11-1111", "Ann", "Lee")}, {W2(1, 1, "5")}));
        Screens one(single);
        for (QPushButton* button :
             {static_cast<QPushButton*>(one.w2.NextButton()), static_cast<QPushButton*>(one.w2.PreviousButton())}) {
            CloseBalloons();
            Click(button);
            QCOMPARE(OpenBalloons().size(), 1);
            QCOMPARE(one.ShownEmployee(), QStringLiteral("Ann"));
        }
    }

    // The question before unsaved changes are left: Yes stores them, No
    // drops them; without changes nothing is asked.
    void questionsBeforeChangesAreLeft_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QString>("question");
        QTest::newRow("Next, Yes") << "Next" << true << kNextQuestion;
        QTest::newRow("Next, No") << "Next" << false << kNextQuestion;
        QTest::newRow("Previous, Yes")
            << "Previous" << true
            << "Would you like to save the changes you did to this employee before moving to the previous one?";
        QTest::newRow("Select, No")
            << "Select" << false
            << "Would you like to save the changes you did to this employee before selecting a different one?";
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
        Click(s.w2.NextButton()); // Mia, so Previous has somewhere to go
        auto act = [&] {
            if (action == "Next")
                Click(s.w2.NextButton());
            else if (action == "Previous")
                Click(s.w2.PreviousButton());
            else if (action == "Select") {
                auto cancel = OnNextModal([](QDialog& dialog) { dialog.reject(); });
                Click(s.w2.SelectButton());
            } else
                s.w2.OnViewHidden();
        };
        act(); // nothing typed: nothing asked
        QCOMPARE(fixture.prompt.asked, QStringList());
        if (action == "Next")
            Click(s.w2.PreviousButton());
        if (action == "Previous")
            Click(s.w2.NextButton());

        const QString shown = s.ShownEmployee();
        s.TypeAndLeave("NonQualifiedPlans", "321");
        fixture.prompt.Then(yes ? PromptAnswer::Yes : PromptAnswer::No);
        act();
        QCOMPARE(fixture.prompt.asked, QStringList({question}));
        QVERIFY(!s.w2.FormModified());
        const CompanyData stored = fixture.Stored();
        const W2Record* w = StoredW2(stored, shown == "Mia" ? 5 : 9);
        QCOMPARE(w->NonQualifiedPlans.Text(), yes ? QStringLiteral("321.00") : QString());
        QCOMPARE(fixture.doc.Modified(), 0);
    }

    // "Select Employee": sorted by last name, a click on a heading sorts
    // by it (again: the other way round); OK or a double click take the
    // row; Cancel shows the stored form again.
    void selectEmployee()
    {
        DocumentFixture fixture(Company());
        Screens s(fixture);
        QStringList seen;
        auto script = OnNextModal([&](QDialog& dialog) {
            seen << dialog.windowTitle();
            auto* list = Child<QTreeWidget>(&dialog, "RecordList");
            auto column = [list](int c) {
                QStringList texts;
                for (int row = 0; row < list->topLevelItemCount(); ++row)
                    texts << list->topLevelItem(row)->text(c);
                return texts.join(',');
            };
            // The arrow shows the column and the way the rows are sorted.
            auto arrow = [list] {
                QHeaderView* header = list->header();
                return header->isSortIndicatorShown()
                           ? QStringLiteral("%1%2")
                                 .arg(header->sortIndicatorSection())
                                 .arg(header->sortIndicatorOrder() == Qt::AscendingOrder ? "up" : "down")
                           : QStringLiteral("none");
            };
            seen << column(2) + ' ' + arrow();
            QTest::mouseClick(list->header()->viewport(), Qt::LeftButton, {},
                              QPoint(list->header()->sectionViewportPosition(2) + 10, 5));
            seen << column(2) + ' ' + arrow();
            QTest::mouseClick(list->header()->viewport(), Qt::LeftButton, {},
                              QPoint(list->header()->sectionViewportPosition(0) + 10, 5));
            seen << column(0) + ' ' + arrow();
            list->setCurrentItem(list->topLevelItem(2)); // Zoe
            Click(Child<QPushButton>(&dialog, "OK"));
        });
        Click(s.w2.SelectButton());
        QVERIFY(script->shown && !script->leftOpen);
        QCOMPARE(seen, QStringList(
                           {"Select Employee", "Adams,Clark,Young 2up", "Young,Clark,Adams 2down", "Bob,Mia,Zoe 0up"}));
        QCOMPARE(s.ShownEmployee(), QStringLiteral("Zoe"));
        // The keyboard starts at the chosen employee's first box.
        QCOMPARE(s.w2.window()->focusWidget(), static_cast<QWidget*>(s.Box("Wages")));

        // Cancel: the same employee, typing dropped.
        s.TypeAndLeave("Wages", "9");
        fixture.prompt.Then(PromptAnswer::No);
        auto cancel = OnNextModal([](QDialog& dialog) { Click(Child<QPushButton>(&dialog, "Cancel")); });
        Click(s.w2.SelectButton());
        QVERIFY(cancel->shown);
        QCOMPARE(s.ShownEmployee(), QStringLiteral("Zoe"));
        QCOMPARE(s.Text("Wages"), QStringLiteral("100.00"));
        QVERIFY(!s.w2.FormModified());
    }

    // Coming up in a company without employees: the message, then the
    // Employees screen; the form is empty.
    void comingUpWithoutEmployees()
    {
        DocumentFixture fixture(MakeCompany("Empty Co"));
        Screens s(fixture);
        QSignalSpy navigation(&s.w2, &CFormView::navigateRequested);
        s.w2.OnViewShown();
        QCOMPARE(fixture.prompt.asked, QStringList({"There are no employees in this company"}));
        QCOMPARE(navigation.size(), 1);
        QCOMPARE(navigation.front().front().toInt(), 1);
        QCOMPARE(s.Text("EmployerName"), QString());
        QCOMPARE(s.Text("Wages"), QString());
        // Saving and leaving have nothing to ask.
        Click(s.w2.SaveButton());
        s.w2.OnViewHidden();
        QCOMPARE(fixture.prompt.asked.size(), 2);
        QCOMPARE(fixture.prompt.asked.last(), QString(ScreenQuestions::kSaveFields));

        // With employees the screen comes up with the help balloon.
        CloseBalloons();
        DocumentFixture staffed(Company());
        Screens t(staffed);
        t.w2.OnViewShown();
        const QList<CBalloonWindow*> balloons = OpenBalloons();
        QCOMPARE(balloons.size(), 1);
        QCOMPARE(balloons[0]->Title(), QStringLiteral("Help"));
        QCOMPARE(balloons[0]->Content(), QStringLiteral("Please click here for quick help."));
        QVERIFY(balloons[0]->TimeoutRunning());
        QCOMPARE(staffed.prompt.asked, QStringList());
        CloseBalloons();
        Click(t.w2.HelpIcon());
        QCOMPARE(OpenBalloons().size(), 1);
        QCOMPARE(OpenBalloons()[0]->Title(), QStringLiteral("Quick Help (move the mouse to close this window)"));
        QVERIFY(OpenBalloons()[0]->Content().startsWith("Below is a list of quick instructions"));
    }

    // Choosing the W-2 screen again while typing in it keeps the typing.
    void choosingTheScreenAgainKeepsTheTyping()
    {
        DocumentFixture fixture(Company());
        CMainFrame frame(fixture.doc);
        frame.RefreshAllViews();
        frame.show();
        frame.Navigate(1, 3);
        auto* w2 = static_cast<CW2View*>(frame.View(Screen::W2));
        w2->Box("AllocatedTips")->setText("12.00");
        frame.Navigate(1, 3);
        QCOMPARE(w2->Box("AllocatedTips")->text(), QStringLiteral("12.00"));
        QVERIFY(w2->FormModified());
        QCOMPARE(fixture.prompt.asked, QStringList());
        CloseBalloons();
        fixture.prompt.Then(PromptAnswer::No);
        frame.Navigate(1, 4); // leaving asks
        QCOMPARE(fixture.prompt.asked, QStringList({kLeaveQuestion}));
        frame.Navigate(1, 3);
        QCOMPARE(w2->Box("AllocatedTips")->text(), QStringLiteral("0.00"));
    }

    // Typing not saved yet is offered for saving before the program ends
    // (and before another company is opened or made).
    void unsavedTypingIsOfferedBeforeTheProgramEnds()
    {
        DocumentFixture fixture(Company());
        CMainFrame frame(fixture.doc);
        frame.RefreshAllViews();
        frame.show();
        frame.Navigate(1, 3);
        auto* w2 = static_cast<CW2View*>(frame.View(Screen::W2));
        QCOMPARE(frame.CurrentScreen(), Screen::W2);
        CloseBalloons();
        w2->Box("DependentCareBenefits")->setText("88");
        fixture.prompt.Then(PromptAnswer::Yes);
        QVERIFY(frame.close());
        QCOMPARE(fixture.prompt.asked, QStringList({kLeaveQuestion}));
        const CompanyData stored = fixture.Stored();
        QCOMPARE(StoredW2(stored, 9)->DependentCareBenefits.Text(), QStringLiteral("88"));
    }

    // What is stored is what the box shows: typed into a box and never
    // left, the box is finished as leaving it finishes it (two decimals; a
    // cap with its message and box 4) by every way of saving.
    void everySaveFinishesTheBoxFirst_data()
    {
        QTest::addColumn<QString>("route");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("message");
        const struct {
            const char* route;
            const char* question;
        } routes[] = {
            {"Save", ScreenQuestions::kSaveFields},
            {"Next", kNextQuestion},
            {"Select", "Would you like to save the changes you did to this employee before selecting a different one?"},
            {"Print", "Would you like to save the changes you did to this employee before printing?"},
            {"another screen", kLeaveQuestion},
            {"New", kLeaveQuestion},
            {"Open", kLeaveQuestion},
            {"Exit", kLeaveQuestion},
        };
        for (const auto& r : routes) {
            QTest::addRow("%s, box 1", r.route) << r.route << r.question << "Wages"
                                                << "41000"
                                                << "41000.00"
                                                << "";
            QTest::addRow("%s, box 3 over its cap", r.route)
                << r.route << r.question << "SocialSecurityWages"
                << "100000"
                << "90000.00"
                << "'Social security wages' field shouldn't exceed $90000.00";
        }
    }

    void everySaveFinishesTheBoxFirst()
    {
        QFETCH(QString, route);
        QFETCH(QString, question);
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QFETCH(QString, message);
        DocumentFixture fixture(Company());
        ScriptedDialogs dialogs; // New and Open are cancelled after the question
        CMainFrame frame(fixture.doc, &dialogs);
        frame.RefreshAllViews();
        frame.show();
        frame.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        frame.Navigate(1, 3);
        CloseBalloons();
        auto* w2 = static_cast<CW2View*>(frame.View(Screen::W2));
        QLineEdit* edit = w2->Box(qPrintable(box));
        Erase(edit);
        Type(edit, typed);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(edit)); // never left

        fixture.prompt.Then(PromptAnswer::Yes);
        std::unique_ptr<ModalScript> dialog = OnNextModal([](QDialog& d) { d.reject(); });
        if (route == "Save")
            Click(w2->SaveButton());
        else if (route == "Next")
            Click(w2->NextButton());
        else if (route == "Select")
            Click(w2->SelectButton());
        else if (route == "Print")
            Click(w2->PrintButton());
        else if (route == "another screen")
            frame.Navigate(1, 4);
        else if (route == "New")
            frame.Command("New")->trigger();
        else if (route == "Open")
            frame.Command("Open")->trigger();
        else
            QVERIFY(frame.close());
        QStringList asked = {question};
        if (!message.isEmpty())
            asked.prepend(message);
        QCOMPARE(fixture.prompt.asked, asked);
        const CompanyData data = fixture.Stored();
        const W2Record* w = StoredW2(data, 9);
        QVERIFY(w);
        QCOMPARE(FindBox(W2ScreenBoxes(), box)->Text(*w), stored);
        if (!message.isEmpty())
            QCOMPARE(w->SocialSecurityTaxWithheld.Text(), QStringLiteral("5580.00"));
    }

    // A click on a command button leaves the focus in the box: the cap
    // message comes with the click, never in the middle of it (where a
    // message would swallow the click), and Save goes on with the capped
    // value, its question still asked.
    void aCapMessageNeverSwallowsTheClick()
    {
        DocumentFixture fixture(Company());
        Screens s(fixture);
        QVERIFY(s.active);
        QLineEdit* box3 = s.Box("SocialSecurityWages");
        Erase(box3);
        Type(box3, "250000");
        QTest::mousePress(s.w2.SaveButton(), Qt::LeftButton);
        QCOMPARE(fixture.prompt.asked, QStringList());
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(box3));
        fixture.prompt.Then(PromptAnswer::Ok).Then(PromptAnswer::Yes);
        QTest::mouseRelease(s.w2.SaveButton(), Qt::LeftButton);
        QCOMPARE(fixture.prompt.asked, QStringList({"'Social security wages' field shouldn't exceed $90000.00",
                                                    ScreenQuestions::kSaveFields}));
        QCOMPARE(s.Text("SocialSecurityWages"), QStringLiteral("90000.00"));
        const CompanyData stored = fixture.Stored();
        QCOMPARE(StoredW2(stored, 9)->SocialSecurityWages.Text(), QStringLiteral("90000.00"));
        QCOMPARE(StoredW2(stored, 9)->SocialSecurityTaxWithheld.Text(), QStringLiteral("5580.00"));
        // Leaving the box afterwards says nothing more.
        QTest::keyClick(box3, Qt::Key_Tab);
        QCOMPARE(fixture.prompt.asked.size(), 2);
    }

    // Employees added and deleted on the employee screen: the W-2 screen
    // shows an existing employee with its own W-2, or nothing.
    void employeesDeletedUnderTheScreen()
    {
        DocumentFixture fixture(Company());
        Screens s(fixture);
        Click(s.w2.NextButton()); // Mia
        auto deleteEmployee = [&](const char* firstName) {
            QTreeWidget* list = s.employees.List();
            for (int row = 0; row < list->topLevelItemCount(); ++row)
                if (list->topLevelItem(row)->text(0) == QLatin1String(firstName))
                    list->setCurrentItem(list->topLevelItem(row));
            fixture.prompt.Then(PromptAnswer::Yes);
            Click(s.employees.DeleteButton());
        };
        deleteEmployee("Bob"); // another one
        QCOMPARE(s.ShownEmployee(), QStringLiteral("Mia"));
        QCOMPARE(s.Text("Wages"), QStringLiteral("0.00"));
        deleteEmployee("Mia"); // the shown one: the next in the list
        QCOMPARE(s.ShownEmployee(), QStringLiteral("Zoe"));
        QCOMPARE(s.Text("Wages"), QStringLiteral("100.00"));
        s.w3.OnViewShown(); // the W-3 counts what is left when it comes up
        QCOMPARE(s.w3.Box("FormCount")->text(), QStringLiteral("1"));
        deleteEmployee("Zoe");
        QCOMPARE(s.ShownEmployee(), QString());
        QCOMPARE(s.Text("Wages"), QString());
        QCOMPARE(fixture.Stored().w2s.size(), size_t(0));
    }

    // Damaged data: an employee without a W-2 row shows empty boxes, and
    // Save gives it its W-2.
    void anEmployeeWithoutAW2GetsOneOnSave()
    {
        DocumentFixture fixture(Company(9));
        Screens s(fixture);
        QCOMPARE(s.ShownEmployee(), QStringLiteral("Bob"));
        QCOMPARE(s.Text("Wages"), QStringLiteral("0.00"));
        s.TypeAndLeave("Wages", "10");
        fixture.prompt.Then(PromptAnswer::Yes);
        Click(s.w2.SaveButton());
        const CompanyData stored = fixture.Stored();
        const W2Record* w = StoredW2(stored, 9);
        QVERIFY(w);
        QCOMPARE(w->Wages.Text(), QStringLiteral("10.00"));
        QCOMPARE(w->W2UniqueID, 4);
        QCOMPARE(s.w3.Box("FormCount")->text(), QStringLiteral("3"));
    }

    // A store that refuses the write: the user is told, the screen keeps
    // what was typed and stays modified, and the change is still queued.
    void aRefusedWriteKeepsTheTyping()
    {
        DocumentFixture fixture(Company());
        Screens s(fixture);
        s.TypeAndLeave("AllocatedTips", "44");
        QVERIFY(QFile::rename(fixture.path, fixture.path + ".away"));
        fixture.prompt.Then(PromptAnswer::Yes);
        Click(s.w2.SaveButton());
        QCOMPARE(fixture.prompt.asked.size(), 2);
        QVERIFY(fixture.prompt.asked.last().contains("could not save"));
        QCOMPARE(s.Text("AllocatedTips"), QStringLiteral("44.00"));
        QVERIFY(s.w2.FormModified());
        QCOMPARE(fixture.doc.Modified(), 1);
        QCOMPARE(fixture.doc.PendingChanges().size(), size_t(1));

        // The store back, the Company's Save writes it.
        QVERIFY(QFile::rename(fixture.path + ".away", fixture.path));
        CompanyCommands(fixture.doc).OnSave();
        const CompanyData stored = fixture.Stored();
        QCOMPARE(StoredW2(stored, 9)->AllocatedTips.Text(), QStringLiteral("44.00"));
    }

    // Printing all W-2s of a company without W-2 rows ends before the
    // print dialog; the options of the dialog are kept.
    void printingAllWithoutW2sEndsBeforeThePrintDialog()
    {
        CompanyData data = Company();
        data.w2s.clear();
        DocumentFixture fixture(data);
        Screens s(fixture);
        std::unique_ptr<ModalScript> printDialog;
        auto options = OnNextModal([&](QDialog& dialog) {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Set W2 Print Options"));
            Click(Child<QRadioButton>(&dialog, "AllEmployees"));
            printDialog = OnNextModal([](QDialog& d) { d.reject(); });
            Click(Child<QPushButton>(&dialog, "OK"));
        });
        Click(s.w2.PrintButton());
        QVERIFY(options->shown && !options->leftOpen);
        QCoreApplication::processEvents();
        QVERIFY(printDialog && !printDialog->shown);
        // Opening such a store said once that its employees lack their W-2s.
        QCOMPARE(fixture.prompt.asked.size(), 2);
        QVERIFY(fixture.prompt.asked.first().contains("not every form matches its owner"));
        QCOMPARE(fixture.prompt.asked.last(), QStringLiteral("This company has no W-2 forms to print."));
        QCOMPARE(fixture.doc.W2PrintOptions().Target, PrintTarget::All);

        // Cancel keeps the options as they were.
        auto cancel = OnNextModal([](QDialog& dialog) {
            Click(Child<QRadioButton>(&dialog, "CurrentEmployee"));
            Click(Child<QPushButton>(&dialog, "Cancel"));
        });
        Click(s.w2.PrintButton());
        QVERIFY(cancel->shown);
        QCOMPARE(fixture.doc.W2PrintOptions().Target, PrintTarget::All);
    }

    // "Print to File (PDF)" in the print dialog: the page's origin is the
    // paper's corner, so every text sits where `formlark print` puts it
    // (the same PDF writer, no margins) and a file printed later at actual
    // size matches the paper's boxes. The next print of the run offers the
    // same file again.
    void printToFileMatchesTheCommandLine_data()
    {
        QTest::addColumn<int>("copy");
        QTest::newRow("Copy B on blank paper") << int(W2CopyType::CopyB);
        QTest::newRow("laser substitute for Copy A") << int(W2CopyType::LaserCopyA);
    }

    void printToFileMatchesTheCommandLine()
    {
        QFETCH(int, copy);
        QVERIFY2(!QStandardPaths::findExecutable("pdftotext").isEmpty(), "pdftotext (poppler-utils) is needed");
        DocumentFixture fixture(Company());
        Screens s(fixture);
        PrintW2Options& options = fixture.doc.W2PrintOptions();
        options.Target = PrintTarget::All;
        options.Paper = PaperType::Blank;
        options.BlankCopy = W2CopyType(copy);
        const QString pdf = fixture.folders.Path("from the dialog.pdf");

        QString offeredFile;
        QString offeredPrinter;
        auto printThroughTheDialog = [&](const QString& file) {
            std::unique_ptr<ModalScript> printDialog;
            auto optionsScript = OnNextModal([&](QDialog& dialog) {
                printDialog = OnNextModal([&](QDialog& d) {
                    auto* printers = Child<QComboBox>(&d, "printers");
                    auto* fileName = Child<QLineEdit>(&d, "filename");
                    QVERIFY(printers && fileName);
                    offeredPrinter = printers->currentText();
                    offeredFile = fileName->text();
                    const int toFile = printers->findText(QStringLiteral("Print to File (PDF)"));
                    QVERIFY(toFile >= 0);
                    printers->setCurrentIndex(toFile);
                    fileName->setText(file);
                    d.accept();
                });
                Click(Child<QPushButton>(&dialog, "OK"));
            });
            Click(s.w2.PrintButton());
            QVERIFY(optionsScript->shown);
            QVERIFY(printDialog && printDialog->shown && !printDialog->leftOpen);
        };
        printThroughTheDialog(pdf);
        QVERIFY(QFile::exists(pdf));

        // What `formlark print` writes for the same options and order.
        const QString command = fixture.folders.Path("command.pdf");
        FormPictures pictures(qEnvironmentVariable("FORMLARK_RUNTIME_DIR") + u'/');
        const std::unique_ptr<PrintJob> job = s.w2.JobMaker(options)();
        QVERIFY(WriteJobToPdf(*job, pictures, command));
        const QList<PdfWord> fromDialog = PdfWords(pdf);
        const QList<PdfWord> fromCommand = PdfWords(command);
        QVERIFY(fromCommand.size() > 20);
        CheckSameWords(fromDialog, fromCommand);
        if (QTest::currentTestFailed())
            return;

        // The next print offers the file chosen last.
        QFile::remove(pdf);
        printThroughTheDialog(pdf);
        QCOMPARE(offeredPrinter, QStringLiteral("Print to File (PDF)"));
        QCOMPARE(QFileInfo(offeredFile).absoluteFilePath(), QFileInfo(pdf).absoluteFilePath());
    }

    // Print to File never writes onto the company's files: the store and
    // its journal are refused with the reason, and nothing is written.
    void printingToAFileNeverLandsOnTheCompanysFiles_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::newRow("the store") << "";
        QTest::newRow("its journal") << "-journal";
    }

    void printingToAFileNeverLandsOnTheCompanysFiles()
    {
        QFETCH(QString, suffix);
        DocumentFixture fixture(Company());
        Screens s(fixture);
        const QStringList before = FolderSnapshot(fixture.doc.DataFolder());
        PrintW2Options options;
        options.Target = PrintTarget::All;
        QString refusal;
        QVERIFY(!PrintIntoPdf(s.w2.JobMaker(options), fixture.path + suffix, fixture.doc.DataFolder(), &refusal));
        QVERIFY2(refusal.contains("names a company file"), qPrintable(refusal));
        QCOMPARE(FolderSnapshot(fixture.doc.DataFolder()), before);
    }

    // The pages the screen prints, through a printer into a PDF (the path a
    // real printer takes): all three W-2s on blank paper, Copy B, two
    // sheets in the list's order, the values where the layout puts them.
    void printsThroughAPrinterIntoAPdf()
    {
        QVERIFY2(!QStandardPaths::findExecutable("pdftotext").isEmpty(), "pdftotext (poppler-utils) is needed");
        DocumentFixture fixture(Company());
        Screens s(fixture);
        PrintW2Options options;
        options.Target = PrintTarget::All;
        options.Paper = PaperType::Blank;
        options.BlankCopy = W2CopyType::CopyB;
        // An older file of that name is replaced only by a whole new one.
        const QString pdf = fixture.folders.Path("w2.pdf");
        WriteFileBytes(pdf, "an older print");
        QVERIFY(PrintIntoPdf(s.w2.JobMaker(options), pdf));
        QCOMPARE(QDir(fixture.folders.Path(QString())).entryList({"w2.pdf*"}, QDir::Files), QStringList{"w2.pdf"});

        const QList<PdfWord> words = PdfWords(pdf);
        QCOMPARE(PageCount(words), 2);
        // Copy B's points (table A + (73, 50), shift 34), from the paper's
        // corner, whatever margins the printer has.
        CheckWord(words, 1, "CN-7", QPoint(125, 120));
        CheckWord(words, 1, "2000.50", QPoint(1155, 207));     // Bob, box 1
        CheckWord(words, 1, "Young", QPoint(620, 626));        // his last name
        CheckWord(words, 1, "Clark", QPoint(620, 626 + 1364)); // Mia, the bottom form
        CheckWord(words, 2, "Adams", QPoint(620, 626));        // Zoe
    }
};

FORMLARK_TEST_MAIN(W2ScreenTest)
#include "W2ScreenTest.moc"
