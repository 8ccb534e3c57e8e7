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
};

FORMLARK_TEST_GUILESS_MAIN(AmountTextTest)
#include "AmountTextTest.moc"
