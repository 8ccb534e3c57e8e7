#include "core/contractor/Form1096Totals.h"
#include "core/contractor/Form1099EmptyFields.h"

#include <QtTest>

#include <functional>

using Setter = std::function<void(Form1099Record&)>;
Q_DECLARE_METATYPE(Setter)

namespace {

// Every amount set, and the first payer's state number.
Form1099Record Complete()
{
    Form1099Record f;
    for (AmountField* amount :
         {&f.Rents, &f.Royalities, &f.OtherIncome, &f.FederalIncomeTaxWithheld, &f.FishingBoatProceeds,
          &f.MedicalAndHealthCarePayments, &f.NonemployeeCompensation, &f.SubstitutePayments, &f.CropInsuranceProceeds,
          &f.ExcessGoldenParachutePayments, &f.GrossProceedsPaidToAttorney, &f.StateTaxWithheld1, &f.StateTaxWithheld2,
          &f.StateIncome1, &f.StateIncome2, &f.Field15A, &f.Field15B})
        *amount = "0.00";
    f.PayerStateID1 = "IL-1";
    return f;
}

} // namespace

class Form1096TotalsTest : public QObject {
    Q_OBJECT

private slots:
    // Box 5 is the ten reported boxes; box 4 stands alone.
    void box5AddsTheReportedBoxesOnly_data()
    {
        QTest::addColumn<Setter>("set");
        QTest::addColumn<QString>("box4");
        QTest::addColumn<QString>("box5");

        auto row = [](const char* name, Setter set, const char* box4, const char* box5) {
            QTest::newRow(name) << set << QString(box4) << QString(box5);
        };
        row(
            "box 1 rents", [](Form1099Record& f) { f.Rents = "1.10"; }, "0.00", "1.10");
        row(
            "box 2", [](Form1099Record& f) { f.Royalities = "2"; }, "0.00", "2.00");
        row(
            "box 3", [](Form1099Record& f) { f.OtherIncome = "3.30"; }, "0.00", "3.30");
        row(
            "box 4 not in box 5", [](Form1099Record& f) { f.FederalIncomeTaxWithheld = "4.40"; }, "4.40", "0.00");
        row(
            "box 5", [](Form1099Record& f) { f.FishingBoatProceeds = "5.50"; }, "0.00", "5.50");
        row(
            "box 6", [](Form1099Record& f) { f.MedicalAndHealthCarePayments = "6.60"; }, "0.00", "6.60");
        row(
            "box 7", [](Form1099Record& f) { f.NonemployeeCompensation = "7.70"; }, "0.00", "7.70");
        row(
            "box 8", [](Form1099Record& f) { f.SubstitutePayments = "8.80"; }, "0.00", "8.80");
        row(
            "box 10", [](Form1099Record& f) { f.CropInsuranceProceeds = "10.10"; }, "0.00", "10.10");
        row(
            "box 13", [](Form1099Record& f) { f.ExcessGoldenParachutePayments = "13.13"; }, "0.00", "13.13");
        row(
            "box 14", [](Form1099Record& f) { f.GrossProceedsPaidToAttorney = "14.14"; }, "0.00", "14.14");
        row(
            "15a and 15b not", [](Form1099Record& f) { f.Field15A = "15.00", f.Field15B = "15.50"; }, "0.00", "0.00");
        row(
            "box 16 not", [](Form1099Record& f) { f.StateTaxWithheld1 = "16.00", f.StateTaxWithheld2 = "1"; }, "0.00",
            "0.00");
        row(
            "state income not", [](Form1099Record& f) { f.StateIncome1 = "18.00", f.StateIncome2 = "2"; }, "0.00",
            "0.00");
    }
    void box5AddsTheReportedBoxesOnly()
    {
        QFETCH(Setter, set);
        QFETCH(QString, box4);
        QFETCH(QString, box5);
        Form1099Record f;
        set(f);
        // Twice: the sums add over the forms.
        const Form1096Totals totals = ComputeForm1096Totals({f, f, Form1099Record{}});
        QCOMPARE(totals.FormCountText(), QString("3"));
        QCOMPARE(ComputeForm1096Totals({f}).FederalTaxText(), box4);
        QCOMPARE(ComputeForm1096Totals({f}).ReportedText(), box5);
        QCOMPARE(totals.reportedCents, 2 * ComputeForm1096Totals({f}).reportedCents);
    }

    // Each contractor's form is found by the contractor's id: a form of
    // nobody is neither counted nor added.
    void onlyTheFormOfEachContractorCounts()
    {
        ContractorList contractors(2);
        contractors[0].ContractorUniqueID = 4;
        contractors[1].ContractorUniqueID = 2;
        Form1099List forms(3);
        const int owners[] = {3, 2, 4};
        const char* rents[] = {"900.00", "20.00", "40.00"};
        for (int i = 0; i < 3; ++i) {
            forms[size_t(i)].ContractorUniqueID = owners[i];
            forms[size_t(i)].Rents = rents[i];
        }
        const Form1096Totals totals = ComputeForm1096Totals(contractors, forms);
        QCOMPARE(totals.FormCountText(), QString("2"));
        QCOMPARE(totals.ReportedText(), QString("60.00"));
    }

    void neverSavedFormsCount()
    {
        const Form1096Totals totals = ComputeForm1096Totals(Form1099List(3));
        QCOMPARE(totals.FormCountText(), QString("3"));
        QCOMPARE(totals.FederalTaxText(), QString("0.00"));
        QCOMPARE(totals.ReportedText(), QString("0.00"));
        QCOMPARE(ComputeForm1096Totals({}).FormCountText(), QString("0"));
    }

    // The warning before printing agrees with the screen: the first state
    // number left empty counts; an amount stored empty shows 0.00 there and
    // does not, nor does the second state number.
    void emptyFields_data()
    {
        QTest::addColumn<Setter>("set");
        QTest::addColumn<bool>("empty");
        QTest::newRow("complete") << Setter([](Form1099Record&) {}) << false;
        QTest::newRow("state number 1") << Setter([](Form1099Record& f) { f.PayerStateID1 = ""; }) << true;
        QTest::newRow("never saved") << Setter([](Form1099Record& f) {
            const QString number = f.PayerStateID1.Text();
            f = Form1099Record();
            f.PayerStateID1 = number;
        }) << false;
        QTest::newRow("never saved, no state number")
            << Setter([](Form1099Record& f) { f = Form1099Record(); }) << true;
        QTest::newRow("rents shown as 0.00") << Setter([](Form1099Record& f) { f.Rents = ""; }) << false;
        QTest::newRow("15b shown as 0.00") << Setter([](Form1099Record& f) { f.Field15B = ""; }) << false;
        QTest::newRow("state number 2") << Setter([](Form1099Record& f) { f.PayerStateID2 = ""; }) << false;
        QTest::newRow("box 9") << Setter([](Form1099Record& f) { f.PayerMadeDirectSales = 0; }) << false;
        QTest::newRow("zero is not empty") << Setter([](Form1099Record& f) { f.Rents = "0.00"; }) << false;
    }
    void emptyFields()
    {
        QFETCH(Setter, set);
        QFETCH(bool, empty);
        Form1099Record f = Complete();
        set(f);
        QCOMPARE(Form1099HasEmptyFields(f), empty);
        QCOMPARE(AnyForm1099HasEmptyFields({Complete(), f}), empty);
    }

    void emptyFieldQuestions()
    {
        QVERIFY(!AnyForm1099HasEmptyFields({}));
        QCOMPARE(AllFormsEmptyFieldsQuestion(),
                 QString("One or more 1099 Forms contain empty fields(s), Do you wish to continue in printing?"));
        QCOMPARE(CurrentFormEmptyFieldsQuestion(),
                 QString("Current 1099 Form contains empty filed(s), Do you wish to continue in printing?"));
    }
};

FORMLARK_TEST_GUILESS_MAIN(Form1096TotalsTest)
#include "Form1096TotalsTest.moc"
