#include "core/store/AmountField.h"
#include "core/store/AmountText.h"

#include <QtTest>

class AmountTextTest : public QObject {
    Q_OBJECT

private slots:
    void parsesAndNormalises_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qlonglong>("cents");
        QTest::addColumn<QString>("normalized");
        QTest::newRow("empty") << "" << 0LL << "0.00";
        QTest::newRow("whole") << "5" << 500LL << "5.00";
        QTest::newRow("tenths") << "5.5" << 550LL << "5.50";
        QTest::newRow("hundredths") << "1234.56" << 123456LL << "1234.56";
        QTest::newRow("point first") << ".25" << 25LL << "0.25";
        QTest::newRow("trailing point") << "12." << 1200LL << "12.00";
        // A minus sign belongs to the whole amount, cents included.
        QTest::newRow("negative") << "-12.50" << -1250LL << "-12.50";
        QTest::newRow("negative cents only") << "-0.5" << -50LL << "-0.50";
        QTest::newRow("minus zero") << "-0" << 0LL << "0.00";
        // More than two decimals round to the cent instead of being lost.
        QTest::newRow("three decimals up") << "12.345" << 1235LL << "12.35";
        QTest::newRow("three decimals down") << "12.344" << 1234LL << "12.34";
        QTest::newRow("four decimals") << "0.9999" << 100LL << "1.00";
        QTest::newRow("nine whole digits") << "999999999.99" << 99999999999LL << "999999999.99";
        QTest::newRow("leading blanks") << "  42" << 4200LL << "42.00";
        QTest::newRow("not a number") << "abc" << 0LL << "0.00";
        QTest::newRow("digits then letters") << "12abc" << 1200LL << "12.00";
        QTest::newRow("second point ignored") << "1.2.3" << 120LL << "1.20";
        QTest::newRow("group separator stops") << "12,345.67" << 1267LL << "12.67";
    }

    void parsesAndNormalises()
    {
        QFETCH(QString, text);
        QFETCH(qlonglong, cents);
        QFETCH(QString, normalized);
        QCOMPARE(ParseAmountCents(text), cents);
        QCOMPARE(ParseAmountText(text), double(cents) / 100.0);
        QCOMPARE(NormalizeAmountText(text), normalized);
    }

    void hugeStoredTextsDoNotOverflow()
    {
        const qint64 cents = ParseAmountCents(QString(40, u'9'));
        QVERIFY(cents > 0);
        QVERIFY(cents < std::numeric_limits<qint64>::max() / 1'000); // room to add many forms
    }

    void totalsAreExactToTheCent()
    {
        // Adding 0.10 ten thousand times as cents gives exactly 1000.00,
        // where adding doubles drifts.
        qint64 total = 0;
        for (int i = 0; i < 10'000; ++i)
            total += ParseAmountCents(QStringLiteral("0.10"));
        QCOMPARE(FormatAmountCents(total), QStringLiteral("1000.00"));
        QCOMPARE(FormatAmountCents(-5), QStringLiteral("-0.05"));
    }

    // A stored amount is read as people and other programs write money,
    // never guessed at: "1,234.56" is 1234.56 (not 1.56), "12abc" no amount.
    void storedAmountsReadAsWritten_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("readable");
        QTest::addColumn<qlonglong>("cents");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("exported");
        QTest::newRow("nothing") << "" << true << 0LL << "0.00"
                                 << "";
        QTest::newRow("a blank") << " " << true << 0LL << "0.00"
                                 << "";
        QTest::newRow("two decimals") << "41250.00" << true << 4125000LL << "41250.00"
                                      << "41250.00";
        QTest::newRow("grouped") << "1,234.56" << true << 123456LL << "1234.56"
                                 << "1234.56";
        QTest::newRow("dollar and groups") << "$12,500.00" << true << 1250000LL << "12500.00"
                                           << "12500.00";
        QTest::newRow("grouped by blanks") << "9 999.99" << true << 999999LL << "9999.99"
                                           << "9999.99";
        QTest::newRow("one decimal") << "1234.5" << true << 123450LL << "1234.50"
                                     << "1234.50";
        QTest::newRow("negative") << "-$5" << true << -500LL << "-5.00"
                                  << "-5.00";
        QTest::newRow("zeros past the cents") << "3.5000" << true << 350LL << "3.50"
                                              << "3.50";
        QTest::newRow("letters") << "12abc" << false << 0LL << "12abc"
                                 << "12abc";
        QTest::newRow("decimal comma") << "1234,50" << false << 0LL << "1234,50"
                                       << "1234,50";
        QTest::newRow("two points") << "1.2.3" << false << 0LL << "1.2.3"
                                    << "1.2.3";
        QTest::newRow("fraction of a cent") << "12.345" << false << 0LL << "12.345"
                                            << "12.345";
        QTest::newRow("ten whole digits") << "1234567890" << false << 0LL << "1234567890"
                                          << "1234567890";
    }

    void storedAmountsReadAsWritten()
    {
        QFETCH(QString, stored);
        QFETCH(bool, readable);
        QFETCH(qlonglong, cents);
        QFETCH(QString, shown);
        QFETCH(QString, exported);
        QCOMPARE(ReadAmountText(stored).Readable(), readable);
        const AmountField field(stored);
        QCOMPARE(field.Text(), stored); // written back as it is stored
        QCOMPARE(field.IsReadable(), readable);
        QCOMPARE(field.Cents(), cents);
        QCOMPARE(field.Shown(), shown);
        QCOMPARE(field.Exported(), exported);
    }

    void aStoredAmountLongerThanItsFieldIsNotTakenForAnother()
    {
        // Cut to its 20 characters it would be blank, an amount of 0.
        const AmountField field(QString(25, u' ') + QStringLiteral("5.00"));
        QCOMPARE(field.Text().size(), AmountField::kMaxChars);
        QVERIFY(!field.IsReadable());
        QCOMPARE(field.Cents(), 0LL);
    }
};

FORMLARK_TEST_GUILESS_MAIN(AmountTextTest)
#include "AmountTextTest.moc"
