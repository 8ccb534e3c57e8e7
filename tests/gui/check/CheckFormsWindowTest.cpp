// "Check Forms…" in the main window: the list of findings with its counts,
// the jump from a finding to its box, the list after a Save, and the
// question before forms with errors are printed.
#include "core/document/GlobalDoc.h"
#include "core/navigation/Navigation.h"
#include "gui/check/CheckFormsWindow.h"
#include "gui/contractor/Form1096View.h"
#include "gui/contractor/Form1099View.h"
#include "gui/controls/ColorButton.h"
#include "gui/records/CompanyView.h"
#include "gui/records/PropSheetCompany.h"
#include "gui/records/RecordListView.h"
#include "gui/shell/MainFrame.h"
#include "gui/shell/MessageBoxPrompt.h"
#include "gui/wage/W2View.h"
#include "gui/wage/W3View.h"
#include "tests/support/DocumentFixture.h"
#include "tests/support/FilingCompany.h"
#include "tests/support/RecordBuilders.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/ScreenTesting.h"
#include "tests/support/WidgetDriving.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTreeWidget>
#include <QWindow>
#include <QtTest>

namespace {

// Harbor Tools with two errors and two warnings: Ann's negative tips (her
// W-2), her SSN of the advertising range (her own data), no W-3 telephone
// (the company's), and Bo's 1099-MISC below the filing threshold.
CompanyData Spoilt()
{
    CompanyData data = FilingCompany();
    data.employees[0].SocialSecurityNumber = "987-65-4321";
    data.w2s[0].SocialSecurityTips = "-5.50";
    data.company.FormW3Telephone = "";
    data.forms1099[0].NonemployeeCompensation = "250.00";
    // A second employee, so that a jump has someone to leave.
    EmployeeRecord cy = data.employees[0];
    cy.EmployeeUniqueID = 2;
    cy.SocialSecurityNumber = "222-33-4444";
    cy.FirstName = "Cy";
    data.employees.insert(data.employees.begin(), cy);
    W2Record w = FilingCompany().w2s[0];
    w.W2UniqueID = w.EmployeeUniqueID = 2;
    data.w2s.push_back(w);
    return data;
}

// The program's main window over a company of the test's own.
struct Program {
    DocumentFixture fixture;
    ScriptedDialogs dialogs;
    std::unique_ptr<CMainFrame> frame;
    bool active = false;

    explicit Program(const CompanyData& seed = Spoilt())
        : fixture(seed)
    {
        frame = std::make_unique<CMainFrame>(fixture.doc, &dialogs);
        frame->resize(1200, 800);
        frame->show();
        frame->RefreshAllViews();
        frame->activateWindow();
        active = QTest::qWaitForWindowActive(frame.get());
    }
    ~Program() { CloseBalloons(); }

    CCheckFormsWindow* Check()
    {
        frame->Command("CheckForms")->trigger();
        return frame->CheckFormsWindow();
    }
    template <class View>
    View* ViewOf(Screen screen) const
    {
        return qobject_cast<View*>(frame->View(screen));
    }
};

// Asks through the program's own message boxes while it lives, then through
// the test's script again.
struct MessageBoxes {
    explicit MessageBoxes(ScriptedPrompt& script)
        : script(script)
    {
        SetAppPrompt(&boxes);
    }
    ~MessageBoxes() { SetAppPrompt(&script); }
    MessageBoxPrompt boxes;
    ScriptedPrompt& script;
};

int RowOf(CCheckFormsWindow& window, const char* rule)
{
    for (int row = 0; row < window.List()->model()->rowCount(); ++row)
        if (qstrcmp(window.FindingOnRow(row)->rule->id, rule) == 0)
            return row;
    return -1;
}

void DoubleClickRow(CCheckFormsWindow& window, int row)
{
    // A screen's help balloon takes the first click to close itself.
    CloseBalloons();
    QTableView* list = window.List();
    const QRect cell = list->visualRect(list->model()->index(row, 3));
    // The first click of a double click selects the row, as by hand.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, cell.center());
}

} // namespace

class CheckFormsWindowTest : public QObject {
    Q_OBJECT

private slots:
    // The Tools menu and a button of the W-3 and the 1096 screens open it;
    // the list says each finding with a count per severity.
    void findingsAreListedWithTheirCounts()
    {
        Program p;
        QAction* command = p.frame->Command("CheckForms");
        QVERIFY(command);
        QCOMPARE(command->text(), QStringLiteral("Check &Forms\u2026"));
        QVERIFY(command->shortcut().isEmpty());
        CCheckFormsWindow* window = p.Check();
        QVERIFY(window && window->isVisible() && !window->isModal());
        QCOMPARE(window->ErrorCount(), 2);
        QCOMPARE(window->WarningCount(), 2);
        QCOMPARE(window->ErrorsLabel()->text(), QStringLiteral("2 errors"));
        QCOMPARE(window->WarningsLabel()->text(), QStringLiteral("2 warnings"));
        QCOMPARE(window->windowTitle(), QStringLiteral("Check Forms - Harbor Tools"));

        QAbstractItemModel* model = window->List()->model();
        QCOMPARE(model->rowCount(), 4);
        QStringList headers;
        for (int c = 0; c < model->columnCount(); ++c)
            headers << model->headerData(c, Qt::Horizontal).toString();
        QCOMPARE(headers, QStringList({"Severity", "Form", "Person", "Box", "Message"}));
        const int tips = RowOf(*window, "w2.negative-amount");
        QStringList cells;
        for (int c = 0; c < model->columnCount(); ++c)
            cells << model->index(tips, c).data().toString();
        QCOMPARE(cells, QStringList({"Error", "W-2", "Ann Lee (987-65-4321)", "7 Social security tips",
                                     "The amount -5.50 is negative; no box of the W-2 takes a negative amount."}));
        QVERIFY(!model->index(tips, 0).data(Qt::DecorationRole).value<QIcon>().isNull());

        for (Screen screen : {Screen::W3, Screen::Form1096}) {
            window->close();
            QVERIFY(!window->isVisible());
            p.frame->ShowScreen(screen);
            auto* button = p.frame->View(screen)->findChild<CColorButton*>("CheckForms");
            QVERIFY(button && button->isVisible());
            QCOMPARE(button->text(), QStringLiteral("Check Forms\u2026"));
            Click(button);
            QVERIFY(window->isVisible());
            QCOMPARE(p.frame->CheckFormsWindow(), window); // the one window, brought forward
        }
    }

    // Errors first at first; any column sorts, a second click reverses.
    void theListSortsByEachColumn()
    {
        Program p;
        CCheckFormsWindow& window = *p.Check();
        auto column = [&window](int c) {
            QStringList texts;
            for (int row = 0; row < window.List()->model()->rowCount(); ++row)
                texts << window.List()->model()->index(row, c).data().toString();
            return texts;
        };
        QCOMPARE(column(0), QStringList({"Error", "Error", "Warning", "Warning"}));
        QHeaderView* header = window.List()->horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(2) + 5, header->height() / 2));
        QCOMPARE(column(2), QStringList({"Ann Lee (987-65-4321)", "Ann Lee (987-65-4321)", "Bo Berg (98-7654321)",
                                         "Harbor Tools (93-1234567)"}));
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(2) + 5, header->height() / 2));
        QCOMPARE(column(2).first(), QStringLiteral("Harbor Tools (93-1234567)"));
        // The row still names its finding once sorted.
        QCOMPARE(QLatin1String(window.FindingOnRow(0)->rule->id), QLatin1String("w3.contact-missing"));
    }

    // A double click shows where the finding is mended, with its box
    // focused.
    void aDoubleClickShowsTheBox()
    {
        Program p;
        QVERIFY(p.active);
        CCheckFormsWindow& window = *p.Check();

        // A box of the W-2: Ann's W-2 on the W-2 screen (Cy's was shown).
        p.frame->ShowScreen(Screen::W2);
        auto* w2 = p.ViewOf<CW2View>(Screen::W2);
        QCOMPARE(w2->Box("FirstName")->text(), QStringLiteral("Ann")); // first-name order: Ann, Cy
        Click(w2->NextButton());
        QCOMPARE(w2->Box("FirstName")->text(), QStringLiteral("Cy"));
        p.frame->ShowScreen(Screen::Welcome);
        DoubleClickRow(window, RowOf(window, "w2.negative-amount"));
        QCOMPARE(p.frame->CurrentScreen(), Screen::W2);
        QCOMPARE(w2->Box("FirstName")->text(), QStringLiteral("Ann"));
        QCOMPARE(p.frame->focusWidget(), static_cast<QWidget*>(w2->Box("SocialSecurityTips")));
        QCOMPARE(w2->Box("SocialSecurityTips")->text(), QStringLiteral("-5.50"));
        // The list stays open in front of the main window, which the
        // window system keeps it above.
        QVERIFY(window.isVisible());
        QVERIFY(window.windowHandle() && window.windowHandle()->transientParent() == p.frame->windowHandle());

        // Her own SSN: her row in the employee list, whose dialog changes it.
        DoubleClickRow(window, RowOf(window, "w2.ssn-invalid"));
        QCOMPARE(p.frame->CurrentScreen(), Screen::Employees);
        auto* employees = p.ViewOf<CRecordListView>(Screen::Employees);
        QCOMPARE(employees->SelectedRecord()->second, 1);
        QCOMPARE(p.frame->focusWidget(), static_cast<QWidget*>(employees->List()));

        // The company's data: its page of the company setup.
        DoubleClickRow(window, RowOf(window, "w3.contact-missing"));
        QCOMPARE(p.frame->CurrentScreen(), Screen::CompanySetup);
        auto* company = p.ViewOf<CCompanyView>(Screen::CompanySetup);
        QCOMPARE(company->Sheet().tabText(company->Sheet().currentIndex()), QStringLiteral("W3 Information"));
        QCOMPARE(p.frame->focusWidget()->objectName(), QStringLiteral("FormW3Telephone"));
        QVERIFY(company->Sheet().currentWidget()->isAncestorOf(p.frame->focusWidget()));

        // The form as a whole: the 1099-MISC of its contractor; Enter on a
        // row chooses it as a double click does.
        QTableView* list = window.List();
        list->setCurrentIndex(list->model()->index(RowOf(window, "1099.below-threshold"), 0));
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(p.frame->CurrentScreen(), Screen::Form1099);
        QCOMPARE(p.ViewOf<C1099View>(Screen::Form1099)->Box("LastName")->text(), QStringLiteral("Berg"));
        QCOMPARE(p.fixture.prompt.asked, QStringList());
    }

    // Typing on the screen the jump leaves is not lost: the screen asks.
    void aJumpAsksAboutUnsavedTyping()
    {
        Program p;
        CCheckFormsWindow& window = *p.Check();
        p.frame->ShowScreen(Screen::W2);
        auto* w2 = p.ViewOf<CW2View>(Screen::W2);
        Click(w2->NextButton()); // Cy
        w2->Box("Other1")->setFocus();
        Type(w2->Box("Other1"), "UNION");
        QVERIFY(w2->FormModified());
        p.fixture.prompt.Then(PromptAnswer::Yes);
        DoubleClickRow(window, RowOf(window, "w2.negative-amount"));
        QCOMPARE(p.fixture.prompt.asked.size(), 1);
        QCOMPARE(p.fixture.prompt.asked.first(),
                 QStringLiteral("Would you like to save the changes you did to this employee before selecting a "
                                "different one?"));
        QCOMPARE(p.fixture.Stored().w2s[1].Other1.Text(), QStringLiteral("UNION"));
        QCOMPARE(w2->Box("FirstName")->text(), QStringLiteral("Ann"));
    }

    // Mended on its screen and saved, a finding leaves the list.
    void theListFollowsEverySave()
    {
        Program p;
        CCheckFormsWindow& window = *p.Check();
        DoubleClickRow(window, RowOf(window, "w2.negative-amount"));
        auto* w2 = p.ViewOf<CW2View>(Screen::W2);
        QLineEdit* tips = w2->Box("SocialSecurityTips");
        Erase(tips);
        Type(tips, "0");
        p.fixture.prompt.Then(PromptAnswer::Yes);
        Click(w2->SaveButton());
        QTRY_COMPARE(window.ErrorCount(), 1);
        QCOMPARE(window.List()->model()->rowCount(), 3);
        QCOMPARE(RowOf(window, "w2.negative-amount"), -1);
        QCOMPARE(window.ErrorsLabel()->text(), QStringLiteral("1 error"));

        // A hidden window checks when it is shown again.
        window.close();
        p.fixture.doc.Company().FormW3Telephone = "(503) 555-0100";
        p.fixture.doc.RefreshViews();
        QCOMPARE(window.WarningCount(), 2);
        window.show();
        QCOMPARE(window.WarningCount(), 1);
    }

    // Before the print dialog, the number of the forms to print with
    // errors and the question whether to print anyway; No prints nothing,
    // and warnings don't ask.
    void printingFormsWithErrorsAsksFirst_data()
    {
        QTest::addColumn<bool>("all");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("question");
        QTest::addColumn<bool>("printDialog");
        QTest::newRow("all, No") << true << int(PromptAnswer::No) << "1 of the W-2s to print has errors. Print anyway?"
                                 << false;
        QTest::newRow("all, Yes") << true << int(PromptAnswer::Yes)
                                  << "1 of the W-2s to print has errors. Print anyway?" << true;
        QTest::newRow("current, No") << false << int(PromptAnswer::No) << "The W-2 to print has errors. Print anyway?"
                                     << false;
    }

    void printingFormsWithErrorsAsksFirst()
    {
        QFETCH(bool, all);
        QFETCH(int, answer);
        QFETCH(bool, printDialog);
        Program p;
        p.frame->ShowScreen(Screen::W2);
        auto* w2 = p.ViewOf<CW2View>(Screen::W2); // Ann's W-2, which has errors
        std::unique_ptr<ModalScript> print;
        auto options = OnNextModal([&](QDialog& dialog) {
            Click(Child<QRadioButton>(&dialog, all ? "AllEmployees" : "CurrentEmployee"));
            print = OnNextModal([](QDialog& d) { d.reject(); });
            Click(Child<QPushButton>(&dialog, "OK"));
        });
        p.fixture.prompt.Then(PromptAnswer(answer));
        Click(w2->PrintButton());
        QVERIFY(options->shown);
        QCoreApplication::processEvents();
        QFETCH(QString, question);
        QCOMPARE(p.fixture.prompt.asked, QStringList{question});
        QCOMPARE(p.fixture.prompt.defaults, QList<PromptAnswer>{PromptAnswer::No});
        QCOMPARE(print && print->shown, printDialog);
    }

    // In the program's message box the question has No as its default
    // button: Enter prints nothing.
    void enterAtThePrintQuestionPrintsNothing()
    {
        Program p;
        MessageBoxes boxes(p.fixture.prompt);
        p.frame->ShowScreen(Screen::W2);
        auto* w2 = p.ViewOf<CW2View>(Screen::W2); // Ann's W-2, which has errors
        std::unique_ptr<ModalScript> question;
        std::unique_ptr<ModalScript> print;
        QString asked;
        bool noIsDefault = false;
        auto options = OnNextModal([&](QDialog& dialog) {
            Click(Child<QRadioButton>(&dialog, "CurrentEmployee"));
            question = OnNextModal([&](QDialog& shown) {
                auto* box = qobject_cast<QMessageBox*>(&shown);
                QVERIFY(box);
                asked = box->text();
                noIsDefault = box->defaultButton() && box->defaultButton() == box->button(QMessageBox::No);
                print = OnNextModal([](QDialog& d) { d.reject(); });
                QTest::keyClick(box, Qt::Key_Return);
            });
            Click(Child<QPushButton>(&dialog, "OK"));
        });
        Click(w2->PrintButton());
        QCoreApplication::processEvents();
        QVERIFY(question && question->shown);
        QCOMPARE(asked, QStringLiteral("The W-2 to print has errors. Print anyway?"));
        QVERIFY(noIsDefault);
        QVERIFY(print && !print->shown);
    }

    void printingWithWarningsOnlyDoesNotAsk()
    {
        CompanyData data = FilingCompany();
        data.w2s[0].SocialSecurityTaxWithheld = "3000.00"; // not 6.2 %: a warning
        data.company.EmployerIdentificationNumber = "";    // an error of the 1096 and the W-3
        data.company.Form1096ContactName = "";
        Program p(data);
        p.frame->ShowScreen(Screen::W2);
        auto* w2 = p.ViewOf<CW2View>(Screen::W2);
        // The employer's EIN prints on every W-2: it asks.
        std::unique_ptr<ModalScript> print;
        auto options = OnNextModal([&](QDialog& dialog) {
            print = OnNextModal([](QDialog& d) { d.reject(); });
            Click(Child<QPushButton>(&dialog, "OK"));
        });
        p.fixture.prompt.Then(PromptAnswer::No);
        Click(w2->PrintButton());
        QCoreApplication::processEvents();
        QCOMPARE(p.fixture.prompt.asked, QStringList{"The W-2 to print has errors. Print anyway?"});

        // With the EIN given, the warning alone asks nothing.
        p.fixture.prompt.asked.clear();
        p.fixture.doc.Company().EmployerIdentificationNumber = "93-1234567";
        auto again = OnNextModal([&](QDialog& dialog) {
            print = OnNextModal([](QDialog& d) { d.reject(); });
            Click(Child<QPushButton>(&dialog, "OK"));
        });
        Click(w2->PrintButton());
        QCoreApplication::processEvents();
        QCOMPARE(p.fixture.prompt.asked, QStringList());
        QVERIFY(print && print->shown);
    }
};

FORMLARK_TEST_MAIN(CheckFormsWindowTest)
#include "CheckFormsWindowTest.moc"
