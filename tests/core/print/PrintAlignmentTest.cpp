#include "core/print/PrintAlignment.h"
#include "core/print/TwoFormSheetJob.h"

#include <QtTest>

class PrintAlignmentTest : public QObject {
    Q_OBJECT

private slots:
    void inchesToUnitsTruncates_data()
    {
        QTest::addColumn<double>("inches");
        QTest::addColumn<int>("units");
        QTest::newRow("0.10") << 0.10 << 25;
        QTest::newRow("-0.10") << -0.10 << -25;
        QTest::newRow("0.29") << 0.29 << 73;
        QTest::newRow("0.5") << 0.5 << 127;
        QTest::newRow("-0.5") << -0.5 << -127;
        // Read back from hundredths in the settings: 75 x 0.01 - 1.25.
        QTest::newRow("75 hundredths less 1.25") << 75 * 0.01 - 1.25 << -127;
        QTest::newRow("-0.49") << 76 * 0.01 - 1.25 << -124;
        QTest::newRow("99.99") << 99.99 << 25397;
        QTest::newRow("0") << 0.0 << 0;
    }
    void inchesToUnitsTruncates()
    {
        QFETCH(double, inches);
        QFETCH(int, units);
        QCOMPARE(InchesToUnits(inches), units);
    }

    void signedOffsetFollowsTheDirection()
    {
        QCOMPARE(SignedOffset(0.25, 0), -0.25);
        QCOMPARE(SignedOffset(0.25, 1), 0.25);
        QCOMPARE(SignedOffset(-0.25, 1), 0.25);
        QCOMPARE(SignedOffset(-0.25, 0), -0.25);
    }

    void twoFormSheets_data()
    {
        QTest::addColumn<PrintTarget>("target");
        QTest::addColumn<int>("forms");
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("pages");
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("formsOnPage");

        QTest::newRow("all, none") << PrintTarget::All << 0 << 0 << 0 << 1 << 0 << 0;
        QTest::newRow("all, one") << PrintTarget::All << 1 << 0 << 1 << 1 << 0 << 1;
        QTest::newRow("all, three, page 1") << PrintTarget::All << 3 << 0 << 2 << 1 << 0 << 2;
        QTest::newRow("all, three, page 2") << PrintTarget::All << 3 << 0 << 2 << 2 << 2 << 1;
        QTest::newRow("all, four, page 2") << PrintTarget::All << 4 << 0 << 2 << 2 << 2 << 2;
        QTest::newRow("all, beyond the job") << PrintTarget::All << 4 << 0 << 2 << 3 << 0 << 0;
        QTest::newRow("current") << PrintTarget::Current << 1 << 5 << 1 << 1 << 5 << 1;
    }
    void twoFormSheets()
    {
        QFETCH(PrintTarget, target);
        QFETCH(int, forms);
        QFETCH(int, current);
        QFETCH(int, pages);
        QFETCH(int, page);
        QFETCH(int, first);
        QFETCH(int, formsOnPage);
        QCOMPARE(TwoFormSheetCount(target, forms), pages);
        const SheetForms sheet = TwoFormSheetSetup(target, page, forms, current);
        QCOMPARE(sheet.formsOnPage, formsOnPage);
        if (formsOnPage)
            QCOMPARE(sheet.firstPosition, first);
    }
};

FORMLARK_TEST_GUILESS_MAIN(PrintAlignmentTest)
#include "PrintAlignmentTest.moc"
