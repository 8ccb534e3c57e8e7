// The W-2 boxes the user fills: what leaving an amount box does (the
// two-decimal form, the caps of boxes 3 and 4, boxes 4 and 6 computed from
// 3 and 5) and the box table the screen is built from.
#include "core/wage/W2Boxes.h"

#include <QSet>
#include <QtTest>

class W2BoxesTest : public QObject {
    Q_OBJECT

private slots:
    void leavingAnAmountBox_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("edited");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("otherBox");
        QTest::addColumn<QString>("otherText");

        const QString none;
        QTest::newRow("box 1 whole") << "Wages"
                                     << "1200" << true << "1200.00" << none << none << none;
        QTest::newRow("box 1 tenths") << "Wages"
                                      << "5.5" << true << "5.50" << none << none << none;
        QTest::newRow("empty box") << "AllocatedTips"
                                   << "" << true << "0.00" << none << none << none;
        QTest::newRow("box 12 amount") << "Field12cAmount"
                                       << "7.25" << true << "7.25" << none << none << none;
        QTest::newRow("box 3 fills box 4") << "SocialSecurityWages"
                                           << "50000" << true << "50000.00" << none << "SocialSecurityTaxWithheld"
                                           << "3100.00";
        QTest::newRow("box 3 at the base") << "SocialSecurityWages"
                                           << "90000" << true << "90000.00" << none << "SocialSecurityTaxWithheld"
                                           << "5580.00";
        QTest::newRow("box 3 over the base") << "SocialSecurityWages"
                                             << "100000" << true << "90000.00"
                                             << "'Social security wages' field shouldn't exceed $90000.00"
                                             << "SocialSecurityTaxWithheld"
                                             << "5580.00";
        QTest::newRow("box 3 only passed through") << "SocialSecurityWages"
                                                   << "50000.00" << false << "50000.00" << none << none << none;
        QTest::newRow("box 3 over the base, passed through")
            << "SocialSecurityWages"
            << "95000.00" << false << "90000.00"
            << "'Social security wages' field shouldn't exceed $90000.00"
            << "SocialSecurityTaxWithheld"
            << "5580.00";
        QTest::newRow("box 4 within its cap") << "SocialSecurityTaxWithheld"
                                              << "5580" << true << "5580.00" << none << none << none;
        QTest::newRow("box 4 over its cap")
            << "SocialSecurityTaxWithheld"
            << "6000" << true << "5580.00"
            << "'Social security tax withheld' field shouldn't exceed $5580.00" << none << none;
        QTest::newRow("box 5 fills box 6, no cap") << "MedicareWages"
                                                   << "10000" << true << "10000.00" << none << "MedicareTaxWithheld"
                                                   << "145.00";
        QTest::newRow("box 5 above the base") << "MedicareWages"
                                              << "200000" << true << "200000.00" << none << "MedicareTaxWithheld"
                                              << "2900.00";
        QTest::newRow("box 5 rounds to the cent") << "MedicareWages"
                                                  << "1234.56" << true << "1234.56" << none << "MedicareTaxWithheld"
                                                  << "17.90";
        QTest::newRow("box 5 only passed through") << "MedicareWages"
                                                   << "10000.00" << false << "10000.00" << none << none << none;
    }

    void leavingAnAmountBox()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(bool, edited);
        const W2BoxLeave leave = LeaveW2AmountBox(box, typed, edited);
        QTEST(leave.text, "shown");
        QTEST(leave.message, "message");
        QTEST(leave.otherBox, "otherBox");
        QTEST(leave.otherText, "otherText");
    }

    // Every box of the table is named after its own field and announced
    // by a label of its own; reading a record through the table and writing
    // it back gives the same record, texts cut to their fields.
    void theTableCoversEveryBoxOfTheForm()
    {
        const std::vector<W2Box>& boxes = W2ScreenBoxes();
        QCOMPARE(boxes.size(), size_t(41)); // 11 + 12 + 3 + 3 + 2 x 6
        QSet<QString> names;
        QSet<QString> labels;
        for (const W2Box& box : boxes) {
            names.insert(QLatin1String(box.name));
            labels.insert(QLatin1String(box.label));
        }
        QCOMPARE(names.size(), int(boxes.size()));
        QCOMPARE(labels.size(), int(boxes.size()));
        for (const char* label : {"1 Wages, tips, other compensation", "12a code", "12a year", "12a amount",
                                  "13 Retirement plan", "15 State, line 2", "20 Locality name, line 2"})
            QVERIFY2(labels.contains(QLatin1String(label)), label);
        QVERIFY(!names.contains("State1")); // the company's line
        QVERIFY(!names.contains("StateID1"));

        W2Record typed;
        for (const W2Box& box : boxes) {
            if (box.IsText())
                box.set(typed, QStringLiteral("%1-abcdefghijklmnopqrstuvwxyz").arg(QLatin1String(box.name)));
            else
                typed.*box.flag = 1;
        }
        // A code field keeps two characters, as its column does, though its
        // box takes one letter: a stored code of two is kept, not cut into
        // another code.
        QCOMPARE(typed.Field12aCode.Text(), QStringLiteral("Fi"));
        QCOMPARE(typed.Field12aYear.Text(), QStringLiteral("Fi"));
        QCOMPARE(typed.LocalityName2.Text(), QStringLiteral("Locali"));
        QCOMPARE(typed.Other1.Text(), QStringLiteral("Other1-abcdefg"));
        QCOMPARE(typed.RetirementPlan, 1);
        W2Record copy;
        for (const W2Box& box : boxes) {
            if (box.IsText())
                box.set(copy, box.Text(typed));
            else
                copy.*box.flag = typed.*box.flag;
        }
        QVERIFY(copy == typed);
    }

    // What the screen shows of a stored W-2: amounts in their two-decimal
    // form (an empty amount as 0.00), every other text as stored.
    void theShownRecordNormalisesAmountsOnly()
    {
        W2Record stored;
        stored.Wages = "12";
        stored.Field12aCode = "D";
        stored.Field12aYear = "05";
        stored.StateWages2 = "3.5";
        stored.Other2 = "5";
        const W2Record shown = ShownRecord(stored, W2ScreenBoxes());
        QCOMPARE(shown.Wages.Text(), QStringLiteral("12.00"));
        QCOMPARE(shown.FederalIncomeTaxWithdrawal.Text(), QStringLiteral("0.00"));
        QCOMPARE(shown.Field12dAmount.Text(), QStringLiteral("0.00"));
        QCOMPARE(shown.StateWages2.Text(), QStringLiteral("3.50"));
        QCOMPARE(shown.Field12aYear.Text(), QStringLiteral("05"));
        QCOMPARE(shown.Other2.Text(), QStringLiteral("5"));
        QCOMPARE(shown.Field12bCode.Text(), QString());
    }
};

FORMLARK_TEST_APPLESS_MAIN(W2BoxesTest)
#include "W2BoxesTest.moc"
