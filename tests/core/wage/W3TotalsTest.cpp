#include "core/wage/W3Totals.h"

#include <QtTest>

namespace {

W2Record WithBox12(const char* codeA, const char* amountA, const char* codeB = "", const char* amountB = "")
{
    W2Record w;
    w.Field12aCode = codeA;
    w.Field12aAmount = amountA;
    w.Field12bCode = codeB;
    w.Field12bAmount = amountB;
    return w;
}

} // namespace

class W3TotalsTest : public QObject {
    Q_OBJECT

private slots:
    // Box 12 adds only the deferred-compensation codes, in either case.
    void box12AddsDeferredCompensationOnly_data()
    {
        QTest::addColumn<W2List>("w2s");
        QTest::addColumn<QString>("box12");

        QTest::newRow("d counts, C does not") << W2List{WithBox12("d", "100.00"), WithBox12("C", "50.00")} << "100.00";
        QTest::newRow("empty code does not") << W2List{WithBox12("", "75.00")} << "0.00";
        QTest::newRow("all seven codes") << W2List{WithBox12("D", "1.00", "e", "2.00"),
                                                   WithBox12("F", "3.00", "g", "4.00"),
                                                   WithBox12("H", "5.00", "s", "6.00"), WithBox12("Y", "7.00")}
                                         << "28.00";
        QTest::newRow("others do not") << W2List{WithBox12("A", "1.00", "C", "2.00"),
                                                 WithBox12("Z", "3.00", "x", "4.00")}
                                       << "0.00";
        QTest::newRow("every line of box 12") << W2List{[] {
            W2Record w;
            w.Field12aCode = "D", w.Field12aAmount = "1.00";
            w.Field12bCode = "E", w.Field12bAmount = "10.00";
            w.Field12cCode = "G", w.Field12cAmount = "100.00";
            w.Field12dCode = "S", w.Field12dAmount = "1000.00";
            return w;
        }()} << "1111.00";
    }
    void box12AddsDeferredCompensationOnly()
    {
        QFETCH(W2List, w2s);
        QFETCH(QString, box12);
        QCOMPARE(ComputeW3Totals(w2s).Text(12), box12);
    }

    void boxesAddTheirW2Boxes()
    {
        W2Record a;
        a.Wages = "1000.10";
        a.FederalIncomeTaxWithdrawal = "120.5";
        a.SocialSecurityTips = "";
        a.NonQualifiedPlans = "11";
        a.StateWages1 = "1000.00";
        a.StateWages2 = "500.00";
        a.StateIncomTax1 = "10.00";
        a.StateIncomTax2 = "5.25";
        a.LocalWages1 = "7.00";
        a.LocalWages2 = "8.00";
        a.LocalIncomeTax1 = "0.01";
        a.LocalIncomeTax2 = "0.02";
        W2Record b;
        b.Wages = "2000.20";
        b.FederalIncomeTaxWithdrawal = "0.00";
        b.NonQualifiedPlans = "12abc"; // not an amount: counted nowhere
        b.StateWages2 = "0.5";
        const W3Totals totals = ComputeW3Totals({a, b});
        QCOMPARE(totals.CountText(), QString("2"));
        QCOMPARE(totals.Text(1), QString("3000.30"));
        QCOMPARE(totals.Text(2), QString("120.50"));
        QCOMPARE(totals.Text(7), QString("0.00"));
        QCOMPARE(totals.Text(11), QString("11.00"));
        QCOMPARE(totals.Text(16), QString("1500.50"));
        QCOMPARE(totals.Text(17), QString("15.25"));
        QCOMPARE(totals.Text(18), QString("15.00"));
        QCOMPARE(totals.Text(19), QString("0.03"));
        QCOMPARE(totals.Cents(1), qint64(300030));
    }

    // A company's worth of cents adds up to the cent.
    void sumsAreExact()
    {
        W2List w2s(10000);
        for (W2Record& w : w2s)
            w.Wages = "0.01";
        w2s[0].Wages = "99999999.99";
        const W3Totals totals = ComputeW3Totals(w2s);
        QCOMPARE(totals.Text(1), QString("100000099.98"));
        QCOMPARE(totals.CountText(), QString("10000"));
    }

    // Each employee's W-2 is found by the employee's id, wherever it stands
    // in the list: a W-2 of nobody, or a second one of an employee, is
    // neither counted nor added (a deleted employee's wages stay out).
    void onlyTheW2OfEachEmployeeCounts()
    {
        EmployeeList employees(3);
        for (int i = 0; i < 3; ++i)
            employees[size_t(i)].EmployeeUniqueID = i + 1;
        auto w2 = [](int employee, const char* wages) {
            W2Record w;
            w.EmployeeUniqueID = employee;
            w.Wages = wages;
            return w;
        };
        const W2List w2s = {w2(9, "500.00"), w2(3, "30.00"), w2(1, "10.00"), w2(1, "7.00")};
        const W3Totals totals = ComputeW3Totals(employees, w2s);
        QCOMPARE(totals.CountText(), QString("2"));
        QCOMPARE(totals.Text(1), QString("40.00"));
    }

    void noW2s()
    {
        const W3Totals totals = ComputeW3Totals({});
        QCOMPARE(totals.CountText(), QString("0"));
        for (int box : {1, 2, 11, 12, 16, 19})
            QCOMPARE(totals.Text(box), QString("0.00"));
    }
};

FORMLARK_TEST_GUILESS_MAIN(W3TotalsTest)
#include "W3TotalsTest.moc"
