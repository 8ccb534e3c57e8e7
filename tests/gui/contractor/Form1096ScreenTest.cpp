// The 1096 screen: the company's filer and contact texts, box 3 the number
// of 1099-MISC forms and boxes 4 and 5 their sums (recomputed at each
// refresh, to the cent), the final-return choice, every box read-only and
// named after its label, and its print.
#include "core/contractor/Form1099Boxes.h"
#include "core/document/GlobalDoc.h"
#include "gui/contractor/Form1096View.h"
#include "gui/controls/ColorButton.h"
#include "tests/support/DocumentFixture.h"
#include "tests/support/PdfWords.h"
#include "tests/support/RecordBuilders.h"
#include "tests/support/ScreenTesting.h"
#include "tests/support/WidgetDriving.h"

#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QtTest>

namespace {

Form1099Record Form(int id, int contractorId, const QList<std::pair<QString, QString>>& amounts)
{
    Form1099Record f = MakeForm1099(id, contractorId);
    for (const auto& [field, text] : amounts)
        FindBox(Form1099ScreenBoxes(), field)->set(f, text);
    return f;
}

CompanyData Company(const Form1099List& forms)
{
    ContractorList contractors;
    for (const Form1099Record& f : forms)
        contractors.push_back(MakeContractor(f.ContractorUniqueID, QString::number(f.ContractorUniqueID), "A", "B"));
    CompanyData data = MakeCompany("Harbor Tools", {}, {}, contractors, forms);
    CompanyRecord& c = data.company;
    c.Address1 = "1 Pier Road";
    c.City = "Portland";
    c.State = "OR";
    c.Zip = "97201";
    c.EmployerIdentificationNumber = "12-3456789";
    c.SocialSecurityNumber = "321-54-9876";
    c.Form1096ContactName = "Peter Ng";
    c.Form1096Telephone = "(503) 555-0100";
    c.Form1096Fax = "(503) 555-0199";
    c.Form1096Email = "ap@harbor.example";
    c.Form1096CheckIsThisYourFinalReturn = 1;
    return data;
}

using Amounts = QList<std::pair<QString, QString>>;

} // namespace

class Form1096ScreenTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheCompanyAndTheTotals()
    {
        DocumentFixture fixture(Company({Form(1, 1, {{"Rents", "100.10"}, {"FederalIncomeTaxWithheld", "5"}}),
                                         Form(2, 2, {{"NonemployeeCompensation", "0.2"}})}));
        C1096View view(fixture.doc);
        view.RefreshFromDocument(fixture.doc);
        const QList<std::pair<const char*, const char*>> expected = {
            {"FilerName", "Harbor Tools"},
            {"FilerAddress", "1 Pier Road"},
            {"FilerCity", "Portland"},
            {"FilerState", "OR"},
            {"FilerZip", "97201"},
            {"ContactName", "Peter Ng"},
            {"Telephone", "(503) 555-0100"},
            {"Fax", "(503) 555-0199"},
            {"Email", "ap@harbor.example"},
            {"EmployerIdentificationNumber", "12-3456789"},
            {"SocialSecurityNumber", "321-54-9876"}, // both numbers, each its own
            {"FormCount", "2"},
            {"FederalIncomeTaxWithheld", "5.00"},
            {"TotalAmountReported", "100.30"},
        };
        QCOMPARE(C1096View::BoxNames().size(), expected.size());
        for (const auto& [name, text] : expected) {
            QCOMPARE(view.Box(name)->text(), QLatin1String(text));
            QVERIFY2(!view.Box(name)->isEnabled(), name);
        }
        QCOMPARE(view.Box("FormCount")->accessibleName(), QStringLiteral("3 Total number of forms"));
        QCOMPARE(view.Box("FederalIncomeTaxWithheld")->accessibleName(),
                 QStringLiteral("4 Federal income tax withheld"));
        QCOMPARE(view.Box("TotalAmountReported")->accessibleName(),
                 QStringLiteral("5 Total amount reported with this Form 1096"));
        QCOMPARE(view.Box("FilerName")->accessibleName(), QStringLiteral("FILER'S name"));
        QCOMPARE(BoxesOutsideCells(view.findChild<QWidget*>(QStringLiteral("Form1096"))), QStringList());
        QVERIFY(view.FinalReturnBox()->isChecked() && !view.FinalReturnBox()->isEnabled());
        QVERIFY(view.FormTypeBox("1099-MISC")->isChecked());
        for (const char* other : {"W-2G", "1099-INT", "5498-MSA"})
            QVERIFY(!view.FormTypeBox(other)->isChecked() && !view.FormTypeBox(other)->isEnabled());
        QCOMPARE(view.findChild<QGroupBox*>("Note")->title(), QStringLiteral("Note:"));
        QCOMPARE(view.findChild<QGroupBox*>("Note")->findChild<QLabel*>()->text(),
                 QStringLiteral("The data inside form 1096 gets automatically generated from the data in all the "
                                "1099 forms which you fill under the \"1099 From\" screen."));
        QCOMPARE(view.PrintButton()->text(), QStringLiteral("Print"));

        // The final-return choice follows the company setup at the next
        // update.
        CompanyRecord company = fixture.doc.Company();
        company.Form1096CheckIsThisYourFinalReturn = 0;
        fixture.doc.Editor().UpdateCompany(company);
        view.RefreshFromDocument(fixture.doc);
        QVERIFY(!view.FinalReturnBox()->isChecked());
    }

    // Box 3 counts every form; box 4 sums the tax withheld; box 5 the ten
    // reported boxes, exact to the cent.
    void totals_data()
    {
        QTest::addColumn<Form1099List>("forms");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("box4");
        QTest::addColumn<QString>("box5");
        QTest::newRow("three forms never saved") << Form1099List{Form(1, 1, {}), Form(2, 2, {}), Form(3, 3, {})} << "3"
                                                 << "0.00"
                                                 << "0.00";
        QTest::newRow("box 4 is not part of box 5")
            << Form1099List{Form(1, 1, {{"FederalIncomeTaxWithheld", "40"}, {"Rents", "1"}})} << "1"
            << "40.00"
            << "1.00";
        QTest::newRow("409A and state boxes are not")
            << Form1099List{Form(1, 1, {{"Field15A", "300"}, {"StateIncome1", "900"}, {"Royalities", "2.5"}})} << "1"
            << "0.00"
            << "2.50";
        Form1099List dimes;
        for (int id = 1; id <= 10; ++id)
            dimes.push_back(
                Form(id, id, {{"GrossProceedsPaidToAttorney", "0.10"}, {"FederalIncomeTaxWithheld", ".7"}}));
        QTest::newRow("whole cents") << dimes << "10"
                                     << "7.00"
                                     << "1.00";
    }

    void totals()
    {
        QFETCH(Form1099List, forms);
        QFETCH(QString, count);
        QFETCH(QString, box4);
        QFETCH(QString, box5);
        DocumentFixture fixture(Company(forms));
        C1096View view(fixture.doc);
        view.OnViewShown();
        QCOMPARE(view.Box("FormCount")->text(), count);
        QCOMPARE(view.Box("FederalIncomeTaxWithheld")->text(), box4);
        QCOMPARE(view.Box("TotalAmountReported")->text(), box5);
        QCOMPARE(fixture.prompt.asked, QStringList());
    }

    // "Print": the options first (kept when confirmed, untouched when
    // cancelled), then the platform print dialog.
    void printAsksForTheOptionsFirst()
    {
        DocumentFixture fixture(Company({Form(1, 1, {{"Rents", "5"}})}));
        C1096View view(fixture.doc);
        view.RefreshFromDocument(fixture.doc);
        std::unique_ptr<ModalScript> printDialog;
        auto options = OnNextModal([&](QDialog& dialog) {
            Click(Child<QRadioButton>(&dialog, "PrintCopy"));
            printDialog = OnNextModal([](QDialog& d) { d.reject(); });
            Click(Child<QPushButton>(&dialog, "OK"));
        });
        Click(view.PrintButton());
        QVERIFY(options->shown && !options->leftOpen);
        QCoreApplication::processEvents();
        QVERIFY(printDialog && printDialog->shown);
        QCOMPARE(fixture.doc.Form1096PrintOptions().Paper, PaperType::Blank);

        auto cancel = OnNextModal([](QDialog& dialog) {
            Click(Child<QRadioButton>(&dialog, "Preprinted"));
            Click(Child<QPushButton>(&dialog, "Cancel"));
        });
        Click(view.PrintButton());
        QVERIFY(cancel->shown);
        QCOMPARE(fixture.doc.Form1096PrintOptions().Paper, PaperType::Blank);
    }

    // The page through a printer into a PDF: the screen's totals where the
    // pre-printed form has its boxes.
    void printsThroughAPrinterIntoAPdf()
    {
        QVERIFY2(!QStandardPaths::findExecutable("pdftotext").isEmpty(), "pdftotext (poppler-utils) is needed");
        DocumentFixture fixture(Company({Form(1, 1, {{"Rents", "5"}}), Form(2, 2, {{"Rents", "7.25"}})}));
        C1096View view(fixture.doc);
        view.RefreshFromDocument(fixture.doc);
        const QString pdf = fixture.folders.Path("1096.pdf");
        QVERIFY(PrintIntoPdf(view.JobMaker(Print1096Options()), pdf));
        const QList<PdfWord> words = PdfWords(pdf);
        QCOMPARE(PageCount(words), 1);
        // Entries 13 and 15 moved up 63 units, from the paper's corner.
        CheckWord(words, 1, view.Box("FormCount")->text(), QPoint(947, 797));
        CheckWord(words, 1, view.Box("TotalAmountReported")->text(), QPoint(1530, 797));
        QCOMPARE(view.Box("TotalAmountReported")->text(), QStringLiteral("12.25"));
    }
};

FORMLARK_TEST_MAIN(Form1096ScreenTest)
#include "Form1096ScreenTest.moc"
