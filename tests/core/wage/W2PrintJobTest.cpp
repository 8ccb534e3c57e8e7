#include "tests/support/TestFolders.h"
#include "tests/support/PageQuery.h"
#include "tests/support/PrintFixture.h"
#include "core/wage/W2PrintJob.h"
#include "core/wage/WageCopies.h"

#include <QtTest>

using namespace page_query;

namespace {

PrintW2Options Options(int paperType, int copyType = 0, PrintTarget target = PrintTarget::All)
{
    PrintW2Options o;
    o.Paper = PaperType(paperType);
    o.BlankCopy = W2CopyType(copyType);
    o.Target = target;
    return o;
}

QPoint Down(QPoint p, int dy)
{
    return p + QPoint(0, dy);
}

} // namespace

class W2PrintJobTest : public QObject {
    Q_OBJECT

private:
    CompanyData data_ = print_fixture::Data();

    Page Lay(const PrintW2Options& o, int page = 1, int current = 0) const
    {
        return W2PrintJob(data_.company, data_.employees, data_.w2s, o, current).LayOutPage(page);
    }

private slots:
    // Where the first employee's values land on each paper: the table of the
    // paper with its adjustments, and the top form's shift.
    void valuesLandAtTheirPoints_data()
    {
        QTest::addColumn<int>("paperType");
        QTest::addColumn<int>("copyType");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QPoint>("at");

        // Pre-printed: table B + (60, 53), no shift.
        QTest::newRow("preprinted control number") << 1 << 0 << "CN-0042" << QPoint(112, 89);
        QTest::newRow("preprinted last name (549)") << 1 << 0 << "Abbot" << QPoint(609, 595);
        QTest::newRow("preprinted box 3") << 1 << 0 << "21000.01" << QPoint(1142, 263);
        QTest::newRow("preprinted box 16 line 1") << 1 << 0 << "21016.00" << QPoint(639, 979);
        // Blank copy: table A + (73, 50) and the shift 34.
        QTest::newRow("copy control number") << 0 << 2 << "CN-0042" << QPoint(125, 120);
        QTest::newRow("copy last name (547)") << 0 << 2 << "Abbot" << QPoint(620, 626);
        QTest::newRow("copy box 1") << 0 << 2 << "21000.00" << QPoint(1155, 207);
        QTest::newRow("copy box 3") << 0 << 2 << "21000.01" << QPoint(1155, 291);
        QTest::newRow("copy box 16 line 1") << 0 << 2 << "21016.00" << QPoint(650, 1012);
        // Laser Copy A: then (+41, +47) go on, and points 8, 21, 22 rise by
        // 5. The page is the paper whatever the printer's margins.
        QTest::newRow("laser control number") << 0 << 5 << "CN-0042" << QPoint(166, 167);
        QTest::newRow("laser SSN (raised)") << 0 << 5 << "222-22-2222" << QPoint(166, 589);
        QTest::newRow("laser box 5 (raised)") << 0 << 5 << "21000.02" << QPoint(1196, 419);
        QTest::newRow("laser box 6 (raised)") << 0 << 5 << "214.50" << QPoint(1656, 419);
        QTest::newRow("laser box 3 (not raised)") << 0 << 5 << "21000.01" << QPoint(1196, 338);
    }
    void valuesLandAtTheirPoints()
    {
        QFETCH(int, paperType);
        QFETCH(int, copyType);
        QFETCH(QString, text);
        QFETCH(QPoint, at);
        const Page page = Lay(Options(paperType, copyType));
        QCOMPARE(WhereIs(page, text).value(0), at);
    }

    // The alignment offsets move every pre-printed value and nothing on
    // blank paper.
    void offsetsMoveOnlyPreprintedValues_data()
    {
        QTest::addColumn<int>("paperType");
        QTest::addColumn<int>("copyType");
        QTest::addColumn<double>("horizontal");
        QTest::addColumn<int>("horizontalDirection");
        QTest::addColumn<double>("vertical");
        QTest::addColumn<int>("verticalDirection");
        QTest::addColumn<QPoint>("move");

        QTest::newRow("0.10 right") << 1 << 0 << 0.10 << 1 << 0.0 << 1 << QPoint(25, 0);
        QTest::newRow("0.10 left") << 1 << 0 << 0.10 << 0 << 0.0 << 1 << QPoint(-25, 0);
        QTest::newRow("0.29 right, 0.5 up") << 1 << 0 << 0.29 << 1 << 0.5 << 0 << QPoint(73, -127);
        QTest::newRow("signed value, direction decides") << 1 << 0 << -0.10 << 1 << -1.0 << 1 << QPoint(25, 254);
        QTest::newRow("blank copy ignores offsets") << 0 << 2 << 0.10 << 1 << 0.5 << 1 << QPoint(0, 0);
        QTest::newRow("laser ignores offsets") << 0 << 5 << 0.10 << 1 << 0.5 << 1 << QPoint(0, 0);
    }
    void offsetsMoveOnlyPreprintedValues()
    {
        QFETCH(int, paperType);
        QFETCH(int, copyType);
        QFETCH(double, horizontal);
        QFETCH(int, horizontalDirection);
        QFETCH(double, vertical);
        QFETCH(int, verticalDirection);
        QFETCH(QPoint, move);

        PrintW2Options moved = Options(paperType, copyType);
        moved.HorizontalOffset = horizontal;
        moved.HorizontalDirection = horizontalDirection;
        moved.VerticalOffset = vertical;
        moved.VerticalDirection = verticalDirection;
        const auto before = Texts(Lay(Options(paperType, copyType)));
        const auto after = Texts(Lay(moved));
        QCOMPARE(after.size(), before.size());
        for (size_t i = 0; i < before.size(); ++i) {
            const bool data = before[i].font.face == FontFace::CourierNew;
            QCOMPARE(after[i].at - before[i].at, data ? move : QPoint());
        }
        const auto linesBefore = Lines(Lay(Options(paperType, copyType)));
        const auto linesAfter = Lines(Lay(moved));
        QCOMPARE(linesAfter.size(), linesBefore.size());
        for (size_t i = 0; i < linesBefore.size(); ++i)
            QCOMPARE(linesAfter[i].from - linesBefore[i].from, move);
    }

    // The bottom form of a sheet lies FormPitch below the top one.
    void formPitchFollowsVerticalSpace_data()
    {
        QTest::addColumn<int>("paperType");
        QTest::addColumn<int>("copyType");
        QTest::addColumn<double>("verticalSpace");
        QTest::addColumn<int>("pitch");

        QTest::newRow("preprinted 1.25") << 1 << 0 << 1.25 << 1352;
        QTest::newRow("preprinted 1.50") << 1 << 0 << 1.50 << 1415;
        QTest::newRow("preprinted 1.00") << 1 << 0 << 1.00 << 1289;
        QTest::newRow("preprinted 0.75") << 1 << 0 << 0.75 << 1225;
        QTest::newRow("preprinted 1.75") << 1 << 0 << 1.75 << 1479;
        QTest::newRow("preprinted 0.76") << 1 << 0 << 0.76 << 1228;
        QTest::newRow("copy ignores the space") << 0 << 3 << 1.75 << 1364;
        QTest::newRow("laser ignores the space") << 0 << 5 << 0.75 << 1395;
    }
    void formPitchFollowsVerticalSpace()
    {
        QFETCH(int, paperType);
        QFETCH(int, copyType);
        QFETCH(double, verticalSpace);
        QFETCH(int, pitch);
        PrintW2Options o = Options(paperType, copyType);
        o.VerticalSpace = verticalSpace;
        QCOMPARE(W2FormPitch(o), pitch);
        // Adam (top) and Mia (bottom) share page 1.
        const Page page = Lay(o);
        QCOMPARE(WhereIs(page, "31000.00").value(0), Down(WhereIs(page, "21000.00").value(0), pitch));
        QCOMPARE(WhereIs(page, "Moreau").value(0), Down(WhereIs(page, "Abbot").value(0), pitch));
    }

    // Offsets and space typed with two decimals come back from the settings
    // exactly, so the printout doesn't creep by a unit.
    void optionsRoundTripThroughTheSettings()
    {
        TestFolders folders;
        PrintW2Options typed = Options(1);
        typed.VerticalSpace = 0.75;
        typed.HorizontalOffset = 0.29;
        typed.HorizontalDirection = 1;
        typed.VerticalOffset = -0.57; // signed after the dialog: Up
        typed.VerticalDirection = 0;
        WritePrintW2Options(typed);
        PrintW2Options read;
        ReadPrintW2Options(read);
        QCOMPARE(W2FormPitch(read), 1225);
        const QPoint atZero = WhereIs(Lay(Options(1)), "CN-0042").value(0);
        QCOMPARE(WhereIs(Lay(read), "CN-0042").value(0), atZero + QPoint(73, -144));
    }

    // All employees in first-name order, two to a sheet; an odd last sheet
    // carries the empty-form mark on its bottom form.
    void sheetsFollowTheDisplayOrder()
    {
        const W2PrintJob job(data_.company, data_.employees, data_.w2s, Options(0, 2));
        QCOMPARE(job.PageCount(), 2);
        const Page first = job.LayOutPage(1);
        const Page second = job.LayOutPage(2);
        QCOMPARE(WhereIs(first, "Abbot").size(), 1);
        QCOMPARE(WhereIs(first, "Moreau").size(), 1);
        QVERIFY(WhereIs(first, "Zimmer").isEmpty());
        QCOMPARE(WhereIs(second, "Zimmer").value(0), WhereIs(first, "Abbot").value(0));
        QVERIFY(WhereIs(second, "Abbot").isEmpty() && WhereIs(second, "Moreau").isEmpty());
        QVERIFY(job.LayOutPage(3).items.empty());

        // Copy: points 63-66 (-2, +7), (+73, +50) and the shift 34 only.
        const Mark emptyForm{{844, 1480}, {865, 1500}, {865, 1480}, {844, 1500}};
        QVERIFY(HasMark(second, emptyForm));
        QVERIFY(!HasMark(first, emptyForm));
    }

    void emptyFormMarkPerPaper_data()
    {
        QTest::addColumn<int>("paperType");
        QTest::addColumn<int>("copyType");
        QTest::addColumn<QPoint>("corner"); // first point of the mark

        QTest::newRow("preprinted") << 1 << 0 << QPoint(835, 1451);
        QTest::newRow("copy") << 0 << 0 << QPoint(844, 1480);
        // Laser: (-10, +30) on top of the copy's place and (+41, +47).
        QTest::newRow("laser") << 0 << 5 << QPoint(875, 1557);
    }
    void emptyFormMarkPerPaper()
    {
        QFETCH(int, paperType);
        QFETCH(int, copyType);
        QFETCH(QPoint, corner);
        // The current employee alone: one form, the mark on the bottom one.
        const Page page = Lay(Options(paperType, copyType, PrintTarget::Current));
        QVERIFY(HasMark(page, {corner, corner + QPoint(21, 20), corner + QPoint(21, 0), corner + QPoint(0, 20)}));
    }

    void currentEmployeeIsTheOnlyForm()
    {
        // List index 2 is Mia.
        const W2PrintJob job(data_.company, data_.employees, data_.w2s, Options(1, 0, PrintTarget::Current), 2);
        QCOMPARE(job.PageCount(), 1);
        const Page page = job.LayOutPage(1);
        QCOMPARE(WhereIs(page, "Moreau").value(0), QPoint(609, 595));
        QVERIFY(WhereIs(page, "Abbot").isEmpty());
        QVERIFY(WhereIs(page, "Zimmer").isEmpty());
    }

    void nothingToPrint()
    {
        // W-2s print for employees only: forms without one are nobody's.
        const EmployeeList noEmployees;
        const W2List noW2s;
        QCOMPARE(W2PrintJob(data_.company, noEmployees, data_.w2s, Options(1)).PageCount(), 0);
        QCOMPARE(W2PrintJob(data_.company, noEmployees, noW2s, Options(1, 0, PrintTarget::Current)).PageCount(), 0);
    }

    // Amounts are written as they were read: zero or empty ones are left
    // off, the others in two decimals, one that does not read as an amount
    // as it is stored. Other texts are written as stored; box 12 joins code
    // and year with one blank.
    void valuesAsStored()
    {
        CompanyData d = data_;
        W2Record& adam = d.w2s[1];
        adam.SocialSecurityTips = "0.00";     // box 7
        adam.AllocatedTips = "";              // box 8
        adam.AdvancEICPayment = "1,234.5";    // box 9
        adam.DependentCareBenefits = "12abc"; // box 10
        adam.Field12cCode = "e";
        adam.Field12cYear = "04";
        adam.Field12cAmount = "0.0";
        const Page page = W2PrintJob(d.company, d.employees, d.w2s, Options(1)).LayOutPage(1);
        const QPoint box7(1082 + 60, 384 + 53);
        const QPoint box8(1542 + 60, 384 + 53);
        QVERIFY(TextsAt(page, box7).isEmpty());
        QVERIFY(TextsAt(page, box8).isEmpty());
        QCOMPARE(TextsAt(page, QPoint(1082 + 60, 469 + 53)), QStringList{"1234.50"});
        QCOMPARE(TextsAt(page, QPoint(1542 + 60, 469 + 53)), QStringList{"12abc"});
        // 12a: "D" with an empty year; 12b: "C 05"; 12c: an amount of zero.
        QCOMPARE(TextsAt(page, QPoint(1514 + 60, 555 + 53)), QStringList{"D "});
        QCOMPARE(TextsAt(page, QPoint(1622 + 60, 555 + 53)), QStringList{"212.00"});
        QCOMPARE(TextsAt(page, QPoint(1514 + 60, 640 + 53)), QStringList{"C 05"});
        QCOMPARE(TextsAt(page, QPoint(1514 + 60, 720 + 53)), QStringList{"e 04"});
        QVERIFY(TextsAt(page, QPoint(1622 + 60, 720 + 53)).isEmpty()); // 12c "0.0"
        QVERIFY(TextsAt(page, QPoint(1622 + 60, 801 + 53)).isEmpty()); // 12d "0.00"
        // Names, the city line and box 15: line 1 from the company, line 2
        // from the W-2.
        QCOMPARE(TextsAt(page, QPoint(52 + 60, 542 + 53)), QStringList{"Adam B"});
        QCOMPARE(TextsAt(page, QPoint(52 + 60, 339 + 53)), QStringList{"Springfield, IL 62704"});
        QCOMPARE(TextsAt(page, QPoint(52 + 60, 926 + 53)), QStringList{"IL"});
        QCOMPARE(TextsAt(page, QPoint(152 + 60, 926 + 53)), QStringList{"IL-998877"});
        QCOMPARE(TextsAt(page, QPoint(52 + 60, 1005 + 53)), QStringList{"WI"});
        QCOMPARE(TextsAt(page, QPoint(152 + 60, 1005 + 53)), QStringList{"WI-5544"});
        // Box 14: the third line at point 48, the others 56 and 112 above.
        QCOMPARE(WhereIs(page, "CAR 1.00").value(0), QPoint(1142, 885));
        QCOMPARE(WhereIs(page, "HEALTH 3.00").value(0), QPoint(1142, 829));
        QCOMPARE(WhereIs(page, "UNION 12.00").value(0), QPoint(1142, 773));
    }

    // Box 13: a mark per set flag, 63 units below its points.
    void box13Marks()
    {
        CompanyData d = data_;
        d.w2s[1].StatutoryEmployee = 0;
        d.w2s[1].RetirementPlan = 1;
        d.w2s[1].ThirdPartySickpay = 0;
        const Page page =
            W2PrintJob(d.company, d.employees, d.w2s, Options(0, 2, PrintTarget::Current), 1).LayOutPage(1);
        // Copy: (1244, 576) + (-7, +5) + (73, 50), shift 34, drop 63.
        const QPoint retirement(1310, 728);
        QVERIFY(HasMark(page, {retirement, retirement + QPoint(19, 24), retirement + QPoint(19, 0),
                               retirement + QPoint(0, 24)}));
        const QPoint statutory(1183, 728);
        QVERIFY(!HasLine(page, statutory, statutory + QPoint(19, 24)));
        QCOMPARE(Lines(page).size(), size_t(2 + 2)); // the retirement mark and the empty-form mark
    }

    // Pictures and captions of the blank-paper copies.
    void copiesDrawPicturesAndCaptions_data()
    {
        QTest::addColumn<int>("paperType");
        QTest::addColumn<int>("copyType");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("blanks");

        QTest::newRow("copy 1") << 0 << 0 << "Copy 1-For State, City, or Local Tax Department" << 0;
        QTest::newRow("copy 2") << 0 << 1
                                << "Copy 2-To Be Filed With Employee's State, City, or Local Income Tax Return." << 0;
        QTest::newRow("copy B") << 0 << 2 << "Copy B-To Be Filed With Employee's FEDERAL Tax Return." << 0;
        QTest::newRow("copy C") << 0 << 3
                                << "Copy C-For EMPLOYEE'S RECORDS. (See Notice to Employee on back of Copy B.)" << 0;
        QTest::newRow("copy D") << 0 << 4 << "Copy D-For Employer." << 4;
    }
    void copiesDrawPicturesAndCaptions()
    {
        QFETCH(int, paperType);
        QFETCH(int, copyType);
        QFETCH(QString, caption);
        QFETCH(int, blanks);
        const Page page = Lay(Options(paperType, copyType));
        const auto images = Images(page);
        QCOMPARE(images.size(), size_t(2));
        for (const PageImage& image : images) {
            QVERIFY(image.picture == FormPicture::W2Form);
            QCOMPARE(QSize(image.width, image.height), QSize(1980, 1340));
        }
        QCOMPARE(QPoint(images[0].x, images[0].y), QPoint(50, 59));
        QCOMPARE(QPoint(images[1].x, images[1].y), QPoint(50, 1424));
        QCOMPARE(W2CopyCaption(W2CopyType(copyType)), caption);
        QCOMPARE(WhereIs(page, caption), (QList<QPoint>{{930, 94}, {930, 1458}}));
        const QList<QPoint> blankPlaces = WhereIs(page, "    ");
        QCOMPARE(blankPlaces.size(), blanks);
        if (blanks) {
            QCOMPARE(blankPlaces, (QList<QPoint>{{1190, 94}, {1190, 84}, {1190, 1458}, {1190, 1448}}));
            // The caption is painted after the blanks, so it stays whole.
            const auto texts = Texts(page);
            int lastBlank = -1, firstCaption = -1;
            for (int i = 0; i < int(texts.size()); ++i) {
                if (texts[size_t(i)].text == "    ")
                    lastBlank = i;
                if (texts[size_t(i)].text == caption && firstCaption < 0)
                    firstCaption = i;
            }
            QVERIFY(lastBlank < firstCaption);
        }
        for (const PageText& t : Texts(page)) {
            // Every W-2 text paints its background: that is what lets the
            // Copy D blanks cover the picture.
            QCOMPARE(t.background, TextBackground::Opaque);
            const bool isCaption = t.text == caption || t.text == "    ";
            const PageFont expected = isCaption ? PageFont{FontFace::Arial, 7, true}
                                                : PageFont{FontFace::CourierNew, 10, false};
            QCOMPARE(t.font, expected);
        }
    }

    void copyNamesForTheOptionsList()
    {
        QCOMPARE(W2CopyNames(), (QStringList{"Copy 1-State", "Copy 2-Employee State", "Copy B-Employee Federal",
                                             "Copy C-Employee Records", "Copy D-Employer"}));
        QVERIFY(W2CopyCaption(W2CopyType::LaserCopyA).isEmpty());
    }

    void otherPapersDrawNoCaption()
    {
        const Page preprinted = Lay(Options(1));
        QVERIFY(Images(preprinted).empty());
        for (const PageText& t : Texts(preprinted))
            QCOMPARE(t.font, (PageFont{FontFace::CourierNew, 12, false}));

        // The Copy A page sits 10.2 mm in from the paper's corner.
        const auto laser = Images(Lay(Options(0, 5)));
        QCOMPARE(laser.size(), size_t(1));
        QVERIFY(laser[0].picture == FormPicture::W2CopyAPage);
        QCOMPARE(QRect(laser[0].x, laser[0].y, laser[0].width, laser[0].height), QRect(102, 102, 1955, 2692));
        for (const PageText& t : Texts(Lay(Options(0, 5))))
            QCOMPARE(t.font, (PageFont{FontFace::CourierNew, 10, false}));
    }

    // A store with W-2s of nobody and an employee without a W-2: each
    // employee prints with the W-2 of their own id, Zoe with empty boxes,
    // and the other forms print nowhere, whatever their place in the list.
    void formsAreMatchedToEmployeesById()
    {
        CompanyData d = data_;
        d.w2s.insert(d.w2s.begin(), print_fixture::W2(4, 99)); // nobody's W-2, first in the list
        d.w2s.push_back(print_fixture::W2(5, 77));             // and another one
        d.w2s[1].EmployeeUniqueID = 42;                        // Zoe has none now
        const W2PrintJob job(d.company, d.employees, d.w2s, Options(1));
        QCOMPARE(job.PageCount(), 2); // three employees
        const Page first = job.LayOutPage(1);
        const Page second = job.LayOutPage(2);
        QCOMPARE(WhereIs(second, "Zimmer").size(), 1);
        QVERIFY(WhereIs(second, "11000.00").isEmpty());
        for (const Page* page : {&first, &second})
            QVERIFY(WhereIs(*page, "991000.00").isEmpty() && WhereIs(*page, "771000.00").isEmpty());
        // Adam (id 2) and Mia (id 3) carry their own amounts.
        QCOMPARE(WhereIs(first, "21000.00").size(), 1);
        QCOMPARE(WhereIs(first, "31000.00").size(), 1);
    }
};

FORMLARK_TEST_GUILESS_MAIN(W2PrintJobTest)
#include "W2PrintJobTest.moc"
