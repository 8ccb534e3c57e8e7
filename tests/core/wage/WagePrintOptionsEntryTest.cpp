// The W-2 and W-3 print options dialogs without windows: what they show
// for the options, and the options (or the refusal) their OK makes.
#include "core/print/OffsetEntry.h"
#include "core/wage/WagePrintOptionsEntry.h"

#include <QtTest>

namespace {

W2PrintOptionsEntry Entry(W2PaperChoice paper, int copy, const QString& space)
{
    W2PrintOptionsEntry e;
    e.paper = paper;
    e.copyIndex = copy;
    e.offsets = {"0.25", "1.5", kLeftOrUp, kRightOrDown};
    e.verticalSpace = space;
    e.target = PrintTarget::All;
    return e;
}

} // namespace

class WagePrintOptionsEntryTest : public QObject {
    Q_OBJECT

private slots:
    void inchesBoxes()
    {
        QCOMPARE(InchesBoxText(0), QStringLiteral("0.00"));
        QCOMPARE(InchesBoxText(1.25), QStringLiteral("1.25"));
        QCOMPARE(InchesBoxText(-0.5), QStringLiteral("0.50")); // the box shows a magnitude
        QCOMPARE(InchesBoxText(12.3), QStringLiteral("12.30"));
        QCOMPARE(ReadInchesBox("1.25"), 1.25);
        QCOMPARE(ReadInchesBox(""), 0.0);
        QCOMPARE(ReadInchesBox("1.250000"), 1.25); // five characters count
        QCOMPARE(ReadInchesBox("99.999"), 99.99);
    }

    void w2DialogShowsTheOptions_data()
    {
        QTest::addColumn<int>("paper");
        QTest::addColumn<int>("copy");
        QTest::addColumn<int>("choice");
        QTest::addColumn<int>("listed");
        QTest::newRow("pre-printed keeps the copy of the list") << 1 << 3 << int(W2PaperChoice::Preprinted) << 3;
        QTest::newRow("a copy") << 0 << 2 << int(W2PaperChoice::Copy) << 2;
        QTest::newRow("the laser substitute lists the first copy") << 0 << 5 << int(W2PaperChoice::LaserCopyA) << 0;
    }

    void w2DialogShowsTheOptions()
    {
        QFETCH(int, paper);
        QFETCH(int, copy);
        PrintW2Options o;
        o.Paper = PaperType(paper);
        o.BlankCopy = W2CopyType(copy);
        o.HorizontalOffset = 0.1;
        o.VerticalSpace = 1.5;
        const W2PrintOptionsEntry entry = W2EntryFromOptions(o);
        QTEST(int(entry.paper), "choice");
        QTEST(entry.copyIndex, "listed");
        QCOMPARE(entry.offsets.horizontal, QStringLiteral("0.10"));
        QCOMPARE(entry.verticalSpace, QStringLiteral("1.50"));
    }

    void w2DialogOk_data()
    {
        QTest::addColumn<int>("choice");
        QTest::addColumn<int>("copy");
        QTest::addColumn<QString>("space");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("paper");
        QTest::addColumn<int>("copyType");

        const QString none;
        const QString tooSmall = QString::fromUtf8(
            "Vertical space between top and bottom forms can\u2019t be less than .75 inches");
        const QString tooLarge = QString::fromUtf8(
            "Vertical space between top and bottom forms can\u2019t be greater than 1.75 inches");
        const int preprinted = int(W2PaperChoice::Preprinted);
        QTest::newRow("pre-printed") << preprinted << 4 << "1.25" << none << 1 << 4;
        QTest::newRow("a copy") << int(W2PaperChoice::Copy) << 2 << "1.25" << none << 0 << 2;
        QTest::newRow("the laser substitute") << int(W2PaperChoice::LaserCopyA) << 3 << "1.25" << none << 0 << 5;
        QTest::newRow("smallest space") << preprinted << 0 << ".75" << none << 1 << 0;
        QTest::newRow("largest space") << preprinted << 0 << "1.75" << none << 1 << 0;
        QTest::newRow("space too small") << preprinted << 0 << "0.74" << tooSmall << -1 << -1;
        QTest::newRow("empty space") << preprinted << 0 << "" << tooSmall << -1 << -1;
        QTest::newRow("space too large") << preprinted << 0 << "1.76" << tooLarge << -1 << -1;
        // The space is checked whatever the paper.
        QTest::newRow("space too large on a copy") << int(W2PaperChoice::Copy) << 0 << "2" << tooLarge << -1 << -1;
    }

    void w2DialogOk()
    {
        QFETCH(int, choice);
        QFETCH(int, copy);
        QFETCH(QString, space);
        QFETCH(QString, message);
        QFETCH(int, paper);
        QFETCH(int, copyType);
        const W2EntryResult result = AcceptW2Entry(Entry(W2PaperChoice(choice), copy, space));
        QCOMPARE(result.message, message);
        if (!message.isEmpty()) {
            QVERIFY(!result.options);
            QCOMPARE(result.verticalSpace, QStringLiteral("1.250000"));
            return;
        }
        QVERIFY(result.options);
        const PrintW2Options& o = *result.options;
        QCOMPARE(int(o.Paper), paper);
        QCOMPARE(int(o.BlankCopy), copyType);
        QCOMPARE(o.Target, PrintTarget::All);
        QCOMPARE(o.HorizontalOffset, 0.25);
        QCOMPARE(o.HorizontalDirection, kLeftOrUp);
        QCOMPARE(o.VerticalOffset, 1.5);
        QCOMPARE(o.VerticalDirection, kRightOrDown);
        QCOMPARE(o.VerticalSpace, ReadInchesBox(space));
    }

    void w3DialogShowsAndTakesTheOptions()
    {
        for (PaperType paper : {PaperType::Blank, PaperType::Preprinted, PaperType::LaserSubstitute}) {
            PrintW3Options o;
            o.Paper = paper;
            o.HorizontalOffset = 0.3;
            o.HorizontalDirection = kLeftOrUp;
            o.VerticalOffset = 12.5;
            const W3PrintOptionsEntry entry = W3EntryFromOptions(o);
            QCOMPARE(entry.paper, paper);
            QCOMPARE(entry.offsets.horizontal, QStringLiteral("0.30"));
            QCOMPARE(entry.offsets.vertical, QStringLiteral("12.50"));
            QCOMPARE(entry.offsets.horizontalDirection, kLeftOrUp);
            QVERIFY(AcceptW3Entry(entry) == o);
        }
    }
};

FORMLARK_TEST_APPLESS_MAIN(WagePrintOptionsEntryTest)
#include "WagePrintOptionsEntryTest.moc"
