#include "tests/support/PageQuery.h"
#include "tests/support/PrintFixture.h"
#include "core/records/KindOfPayer.h"
#include "core/wage/W3PrintJob.h"

#include <QtTest>

using namespace page_query;

namespace {

PrintW3Options Options(int paperType)
{
    PrintW3Options o;
    o.Paper = PaperType(paperType);
    return o;
}

} // namespace

class W3PrintJobTest : public QObject {
    Q_OBJECT

private:
    CompanyData data_ = print_fixture::Data();

    Page Lay(const PrintW3Options& o, const CompanyRecord* company = nullptr) const
    {
        return W3PrintJob(company ? *company : data_.company, data_.employees, data_.w2s, o).LayOutPage(1);
    }

private slots:
    void valuesLandAtTheirPoints_data()
    {
        QTest::addColumn<int>("paperType");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QPoint>("at");

        // Pre-printed: table A moved by (-18, -59).
        QTest::newRow("preprinted control number") << 1 << "CN-0042" << QPoint(142, 124);
        QTest::newRow("preprinted box 2") << 1 << "6300.00" << QPoint(1512, 221);
        QTest::newRow("preprinted forms count") << 1 << "3" << QPoint(142, 379);
        // Copy: table B as it is.
        QTest::newRow("copy control number") << 0 << "CN-0042" << QPoint(160, 185);
        QTest::newRow("copy box 1") << 0 << "63000.00" << QPoint(985, 275);
        QTest::newRow("copy box 12") << 0 << "636.00" << QPoint(1530, 688);
        QTest::newRow("copy box 14") << 0 << "12.50" << QPoint(985, 860);
        QTest::newRow("copy box 19") << 0 << "657.00" << QPoint(1530, 1110);
        QTest::newRow("copy other EIN") << 0 << "36-7654321" << QPoint(160, 942);
        QTest::newRow("copy phone local number") << 0 << " 555-0101" << QPoint(1082, 1197);
        QTest::newRow("copy fax area code") << 0 << "217" << QPoint(982, 1282);
        // Laser: x + 30.48 and y - 15.24 truncated, and the corrections of
        // points 40, 41-42 and 47-50.
        QTest::newRow("laser control number") << 2 << "CN-0042" << QPoint(190, 169);
        QTest::newRow("laser state ID (+20)") << 2 << "IL-998877" << QPoint(330, 1012);
        QTest::newRow("laser contact (+10)") << 2 << "Ann Clerk" << QPoint(170, 1184);
        QTest::newRow("laser box 1 (-10)") << 2 << "63000.00" << QPoint(1015, 249);
        QTest::newRow("laser box 4 (-10)") << 2 << "786.00" << QPoint(1560, 334);
        QTest::newRow("laser box 5 (as is)") << 2 << "63000.06" << QPoint(1015, 424);
    }
    void valuesLandAtTheirPoints()
    {
        QFETCH(int, paperType);
        QFETCH(QString, text);
        QFETCH(QPoint, at);
        QVERIFY(WhereIs(Lay(Options(paperType)), text).contains(at));
    }

    // The kind of payer the company chose is marked in its own box, on
    // every paper; none when no kind (or no known kind) is chosen.
    void kindOfPayerMark_data()
    {
        QTest::addColumn<int>("paperType");
        QTest::addColumn<int>("kindOfPayer");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QPoint>("corner");

        // The mark's top-left corner on the copy; the pre-printed table is
        // (-18, -59) off it. The laser page moves "941" by its own
        // correction, the other six with the page (x + 30, y - 16).
        struct Kind {
            const char* name;
            QPoint copy;
            QPoint laser;
        };
        const Kind kinds[] = {
            {"941", {388, 274}, {413, 257}},
            {"CT-1", {386, 358}, {416, 342}},
            {"Military", {545, 274}, {575, 258}},
            {"Hshld. emp.", {545, 358}, {575, 342}},
            {"943", {705, 274}, {735, 258}},
            {"Medicare govt. emp.", {705, 358}, {735, 342}},
            {"Third-party sick pay", {865, 358}, {895, 342}},
        };
        for (int k = 0; k < 7; ++k) {
            const QString name = QString::fromLatin1(kinds[k].name);
            QTest::addRow("%s pre-printed", kinds[k].name) << 1 << k << name << kinds[k].copy - QPoint(18, 59);
            QTest::addRow("%s copy", kinds[k].name) << 0 << k << name << kinds[k].copy;
            QTest::addRow("%s laser", kinds[k].name) << 2 << k << name << kinds[k].laser;
        }
        QTest::newRow("not chosen") << 0 << -1 << QString() << QPoint();
        QTest::newRow("unknown kind") << 2 << 7 << QString() << QPoint();
    }
    void kindOfPayerMark()
    {
        QFETCH(int, paperType);
        QFETCH(int, kindOfPayer);
        QFETCH(QString, name);
        QFETCH(QPoint, corner);
        const bool listed = kindOfPayer >= 0 && size_t(kindOfPayer) < kKindOfPayerList.size();
        QCOMPARE(listed ? QLatin1String(kKindOfPayerList[size_t(kindOfPayer)]) : QString(), name);
        CompanyRecord company = data_.company;
        company.FormW3RadioKindOfPayer = kindOfPayer;
        const Page page = Lay(Options(paperType), &company);
        if (corner.isNull()) {
            QVERIFY(Lines(page).empty());
            return;
        }
        QCOMPARE(Lines(page).size(), size_t(2));
        QVERIFY(HasMark(page, {corner, corner + QPoint(24, 24), corner + QPoint(24, 0), corner + QPoint(0, 24)}));
    }

    void offsetsMoveOnlyThePreprintedForm_data()
    {
        QTest::addColumn<int>("paperType");
        QTest::addColumn<QPoint>("move");
        QTest::newRow("preprinted") << 1 << QPoint(-127, 25);
        QTest::newRow("copy") << 0 << QPoint();
        QTest::newRow("laser") << 2 << QPoint();
    }
    void offsetsMoveOnlyThePreprintedForm()
    {
        QFETCH(int, paperType);
        QFETCH(QPoint, move);
        PrintW3Options moved = Options(paperType);
        moved.HorizontalOffset = 0.5;
        moved.HorizontalDirection = 0;
        moved.VerticalOffset = 0.1;
        moved.VerticalDirection = 1;
        const auto before = Texts(Lay(Options(paperType)));
        const auto after = Texts(Lay(moved));
        QCOMPARE(after.size(), before.size());
        for (size_t i = 0; i < before.size(); ++i)
            QCOMPARE(after[i].at - before[i].at, move);
        QCOMPARE(Lines(Lay(moved)).front().from - Lines(Lay(Options(paperType))).front().from, move);
    }

    // Sums and sick-pay texts of exactly "0.00" are left off; the company's
    // texts are written even when empty.
    void zeroAmountsAreLeftOff()
    {
        const Page page = Lay(Options(0));
        QVERIFY(TextsAt(page, QPoint(985, 520)).isEmpty());    // box 7: no tips
        QVERIFY(TextsAt(page, QPoint(985, 610)).isEmpty());    // box 9
        QVERIFY(TextsAt(page, QPoint(985, 776)).isEmpty());    // box 13 "0.00"
        QVERIFY(TextsAt(page, QPoint(1530, 520)).size() == 1); // box 8
        CompanyRecord company = data_.company;
        company.FormW3OtherEIN = "";
        company.FormW3ThirdPartySickPay = "0.0";
        const Page other = Lay(Options(0), &company);
        QCOMPARE(TextsAt(other, QPoint(160, 942)), QStringList{QString()});
        QCOMPARE(TextsAt(other, QPoint(985, 776)), QStringList{"0.0"});
    }

    void picturesAndFonts()
    {
        const Page copy = Lay(Options(0));
        const auto copyImages = Images(copy);
        QCOMPARE(copyImages.size(), size_t(1));
        QVERIFY(copyImages[0].picture == FormPicture::W3CopyPage);
        QCOMPARE(QRect(copyImages[0].x, copyImages[0].y, copyImages[0].width, copyImages[0].height),
                 QRect(70, 100, 1965, 2630));
        const auto marks = OutlinedTexts(copy);
        QCOMPARE(marks.size(), size_t(1));
        QCOMPARE(marks[0].text, QString("COPY"));
        QCOMPARE(marks[0].font, (PageFont{FontFace::TimesNewRoman, 50, false}));
        QCOMPARE(QRect(marks[0].left, marks[0].shiftUp, marks[0].width, marks[0].height), QRect(1300, 210, 800, 600));

        // The whole laser page, from the paper's corner.
        const auto laser = Images(Lay(Options(2)));
        QCOMPARE(laser.size(), size_t(1));
        QVERIFY(laser[0].picture == FormPicture::W3LaserPage);
        QCOMPARE(QRect(laser[0].x, laser[0].y, laser[0].width, laser[0].height), QRect(92, 84, 1981, 2667));
        QVERIFY(OutlinedTexts(Lay(Options(2))).empty());

        QVERIFY(Images(Lay(Options(1))).empty());
        for (int paper : {0, 1, 2})
            for (const PageText& t : Texts(Lay(Options(paper)))) {
                QCOMPARE(t.font, (PageFont{FontFace::CourierNew, paper == 1 ? 12 : 10, false}));
                // The values stand in empty boxes: on transparent ground they
                // leave the ruling lines beside them whole.
                QCOMPARE(t.background, TextBackground::Transparent);
            }
    }
};

FORMLARK_TEST_GUILESS_MAIN(W3PrintJobTest)
#include "W3PrintJobTest.moc"
