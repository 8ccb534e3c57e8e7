// The W-3 screen: the company's texts, box c and the sums of the W-2
// boxes (recomputed at each refresh), the kind of payer, every box
// read-only and named after its label, and coming up without employees.
#include "core/document/GlobalDoc.h"
#include "core/wage/W3Totals.h"
#include "gui/controls/ColorButton.h"
#include "gui/wage/W3View.h"
#include "tests/support/DocumentFixture.h"
#include "tests/support/RecordBuilders.h"
#include "tests/support/ScreenTesting.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

namespace {

CompanyData Company()
{
    W2Record a = MakeW2(1, 1);
    a.Wages = "1000.10";
    a.Field12aCode = "d";
    a.Field12aAmount = "100.00";
    a.Field12bCode = "C";
    a.Field12bAmount = "50.00";
    a.StateWages1 = "1000.00";
    a.StateWages2 = "500.00";
    W2Record b = MakeW2(2, 2);
    b.Wages = "0.2";
    b.Field12cCode = "";
    b.Field12cAmount = "75.00";
    b.LocalIncomeTax2 = "3";
    CompanyData data = MakeCompany("Harbor Tools",
                                   {MakeEmployee(1, "1", "Ann", "Lee"), MakeEmployee(2, "2", "Bo", "Li")}, {a, b});
    CompanyRecord& c = data.company;
    c.FormW3ControlNumber = "CN-9";
    c.FormW3EstablishmentNumber = "EST-1";
    c.EmployerIdentificationNumber = "12-3456789";
    c.Address1 = "1 Pier Road";
    c.City = "Portland";
    c.State = "OR";
    c.StateID = "OR-55";
    c.FormW3OtherEIN = "98-7654321";
    c.FormW3ThirdPartySickPay = "0.00";
    c.FormW3IncomeTaxWithHeld = "12.5";
    c.FormW3ContactName = "Ann Clerk";
    c.FormW3Email = "ann@harbor.example";
    c.FormW3Telephone = "(503) 555-0100";
    c.FormW3Fax = "(503) 555-0199";
    c.FormW3RadioKindOfPayer = 4;
    return data;
}

int CheckedKind(const CW3View& view)
{
    int checked = -1;
    for (int i = 0; i < 7; ++i)
        if (view.KindOfPayerBox(i)->isChecked())
            checked = checked < 0 ? i : 99;
    return checked;
}

} // namespace

class W3ScreenTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheCompanyAndTheSumsOfTheW2s()
    {
        DocumentFixture fixture(Company());
        CW3View view(fixture.doc);
        view.RefreshFromDocument(fixture.doc);
        const QList<std::pair<const char*, const char*>> expected = {
            {"FormW3ControlNumber", "CN-9"},
            {"FormCount", "2"},
            {"FormW3EstablishmentNumber", "EST-1"},
            {"EmployerIdentificationNumber", "12-3456789"},
            {"EmployerName", "Harbor Tools"},
            {"EmployerAddress1", "1 Pier Road"},
            {"EmployerCity", "Portland"},
            {"EmployerState", "OR"},
            {"FormW3OtherEIN", "98-7654321"},
            {"Box15State", "OR"},
            {"Box15StateID", "OR-55"},
            {"FormW3ThirdPartySickPay", "0.00"},
            {"FormW3IncomeTaxWithHeld", "12.5"},
            {"FormW3ContactName", "Ann Clerk"},
            {"FormW3Email", "ann@harbor.example"},
            {"FormW3Fax", "(503) 555-0199"},
            {"Box1", "1000.30"},
            {"Box2", "0.00"},
            {"Box12", "100.00"}, // code d counts, C and an empty code do not
            {"Box16", "1500.00"},
            {"Box19", "3.00"},
        };
        for (const auto& [name, text] : expected)
            QCOMPARE(view.Box(name)->text(), QLatin1String(text));
        QCOMPARE(CheckedKind(view), 4);
        QCOMPARE(view.KindOfPayerBox(4)->text(), QStringLiteral("943"));

        // Nothing can be typed; every box is announced by its label.
        for (const QString& name : CW3View::BoxNames()) {
            QLineEdit* box = view.Box(qPrintable(name));
            QVERIFY2(!box->isEnabled(), qPrintable(name));
            QVERIFY2(!box->accessibleName().isEmpty(), qPrintable(name));
        }
        for (int i = 0; i < 7; ++i)
            QVERIFY(!view.KindOfPayerBox(i)->isEnabled());
        QCOMPARE(BoxesOutsideCells(view.findChild<QWidget*>(QStringLiteral("W3Form"))), QStringList());
        QCOMPARE(view.Box("FormCount")->accessibleName(), QStringLiteral("c Total number of Forms W-2"));
        QCOMPARE(view.Box("Box1")->accessibleName(), QStringLiteral("1 Wages, tips, other compensation"));
        QCOMPARE(view.KindOfPayerBox(2)->accessibleName(), QStringLiteral("b Kind of Payer: Military"));
        QCOMPARE(view.PrintButton()->text(), QStringLiteral("Print W3"));

        // A refresh recomputes the sums from the W-2 list.
        fixture.doc.W2Forms()[1].FederalIncomeTaxWithdrawal = "120.50";
        fixture.doc.W2Forms().pop_back();
        fixture.doc.RefreshViews(); // the view is not registered: nothing changes
        QCOMPARE(view.Box("Box1")->text(), QStringLiteral("1000.30"));
        view.RefreshFromDocument(fixture.doc);
        QCOMPARE(view.Box("Box1")->text(), QStringLiteral("1000.10"));
        QCOMPARE(view.Box("FormCount")->text(), QStringLiteral("1"));
    }

    // The kind of payer: exactly the box of the stored index; the first
    // showing takes 941 for a value below the list and the last box for
    // one above it, later ones leave the boxes as they are.
    void kindOfPayer()
    {
        DocumentFixture fixture(Company());
        CW3View view(fixture.doc);
        CompanyRecord& company = fixture.doc.Company();
        company.FormW3RadioKindOfPayer = -1;
        view.RefreshFromDocument(fixture.doc);
        QCOMPARE(CheckedKind(view), 0);
        for (int index : {6, 1, 3}) {
            company.FormW3RadioKindOfPayer = index;
            view.RefreshFromDocument(fixture.doc);
            QCOMPARE(CheckedKind(view), index);
        }
        company.FormW3RadioKindOfPayer = 9;
        view.RefreshFromDocument(fixture.doc);
        QCOMPARE(CheckedKind(view), 3);

        CW3View other(fixture.doc);
        other.RefreshFromDocument(fixture.doc);
        QCOMPARE(CheckedKind(other), 6);
    }

    void comingUpWithoutEmployees()
    {
        DocumentFixture fixture(MakeCompany("Empty Co"));
        CW3View view(fixture.doc);
        view.show();
        QSignalSpy navigation(&view, &CFormView::navigateRequested);
        view.OnViewShown();
        QCOMPARE(fixture.prompt.asked, QStringList({"There are no employees in this company"}));
        QCOMPARE(navigation.size(), 1);
        QCOMPARE(navigation.front().front().toInt(), 1);
        QCOMPARE(view.Box("FormCount")->text(), QStringLiteral("0"));
        QCOMPARE(view.Box("Box19")->text(), QStringLiteral("0.00"));
    }
};

FORMLARK_TEST_MAIN(W3ScreenTest)
#include "W3ScreenTest.moc"
