#include "core/contractor/Form1099Copies.h"
#include "core/contractor/Form1099PrintJob.h"
#include "tests/support/PageQuery.h"
#include "tests/support/PrintFixture.h"

#include <QtTest>

using namespace page_query;

namespace {

Print1099Options Options(int paperType, int copyType = 0, PrintTarget target = PrintTarget::All)
{
    Print1099Options o;
    o.Paper = PaperType(paperType);
    o.Copy = Form1099CopyType(copyType);
    o.Target = target;
    return o;
}

// A check mark drawn as the diagonals of a square box.
Mark MarkAt(QPoint corner, int size)
{
    return {corner, corner + QPoint(size, size), corner + QPoint(size, 0), corner + QPoint(0, size)};
}

} // namespace

class Form1099PrintJobTest : public QObject {
    Q_OBJECT

private:
    CompanyData data_ = print_fixture::Data();

    Page Lay(const Print1099Options& o, int page = 1, const CompanyData* data = nullptr) const
    {
        const CompanyData& d = data ? *data : data_;
        return Form1099PrintJob(d.company, d.contractors, d.forms1099, o).LayOutPage(page);
    }

private slots:
    // Page 1 holds "Acme Supplies" and "Lena" (first-name order); every entry
    // comes up 63 + 7 and left 17 (pre-printed) or 48 (copy); the lower form
    // lies 1392 or 1375 below.
    void valuesLandAtTheirEntries_data()
    {
        QTest::addColumn<int>("paperType");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<QPoint>>("at");

        QTest::newRow("preprinted payer name") << 1 << "Brindle Tools Inc" << QList<QPoint>{{143, 135}, {143, 1527}};
        QTest::newRow("preprinted payer phone") << 1 << "(217) 555-0202" << QList<QPoint>{{143, 394}, {143, 1786}};
        QTest::newRow("preprinted recipient TIN") << 1 << "55-000002" << QList<QPoint>{{583, 555}};
        QTest::newRow("preprinted rents, upper") << 1 << "2100.00" << QList<QPoint>{{1053, 170}};
        QTest::newRow("preprinted rents, lower") << 1 << "3100.00" << QList<QPoint>{{1053, 1562}};
        QTest::newRow("preprinted box 4") << 1 << "240.00" << QList<QPoint>{{1413, 405}};
        QTest::newRow("preprinted box 14") << 1 << "214.00" << QList<QPoint>{{1413, 1065}};
        QTest::newRow("preprinted box 16") << 1 << "216.00" << QList<QPoint>{{1033, 1150}};
        QTest::newRow("preprinted box 17") << 1 << "IL-1717" << QList<QPoint>{{1383, 1150}, {1383, 2542}};
        QTest::newRow("preprinted box 18") << 1 << "218.00" << QList<QPoint>{{1738, 1150}};
        QTest::newRow("preprinted account") << 1 << "ACCT-3" << QList<QPoint>{{143, 2447}};
        QTest::newRow("copy payer name") << 0 << "Brindle Tools Inc" << QList<QPoint>{{112, 135}, {112, 1510}};
        QTest::newRow("copy rents, lower") << 0 << "3100.00" << QList<QPoint>{{1022, 1545}};
        QTest::newRow("copy city line") << 0 << "Decatur, IL 62521" << QList<QPoint>{{112, 935}, {112, 2310}};
    }
    void valuesLandAtTheirEntries()
    {
        QFETCH(int, paperType);
        QFETCH(QString, text);
        QFETCH(QList<QPoint>, at);
        QCOMPARE(WhereIs(Lay(Options(paperType)), text), at);
    }

    void offsetsMoveOnlyThePreprintedForm_data()
    {
        QTest::addColumn<int>("paperType");
        QTest::addColumn<double>("horizontal");
        QTest::addColumn<int>("horizontalDirection");
        QTest::addColumn<double>("vertical");
        QTest::addColumn<int>("verticalDirection");
        QTest::addColumn<QPoint>("move");
        QTest::newRow("0.5 left") << 1 << 0.5 << 0 << 0.0 << 1 << QPoint(-127, 0);
        QTest::newRow("0.25 right, 0.04 up") << 1 << 0.25 << 1 << 0.04 << 0 << QPoint(63, -10);
        QTest::newRow("copy: none") << 0 << 0.5 << 0 << 0.5 << 1 << QPoint();
    }
    void offsetsMoveOnlyThePreprintedForm()
    {
        QFETCH(int, paperType);
        QFETCH(double, horizontal);
        QFETCH(int, horizontalDirection);
        QFETCH(double, vertical);
        QFETCH(int, verticalDirection);
        QFETCH(QPoint, move);
        Print1099Options moved = Options(paperType, 1);
        moved.HorizontalOffset = horizontal;
        moved.HorizontalDirection = horizontalDirection;
        moved.VerticalOffset = vertical;
        moved.VerticalDirection = verticalDirection;
        for (int page : {1, 2}) {
            const Page before = Lay(Options(paperType, 1), page);
            const Page after = Lay(moved, page);
            const auto textsBefore = Texts(before);
            const auto textsAfter = Texts(after);
            QCOMPARE(textsAfter.size(), textsBefore.size());
            for (size_t i = 0; i < textsBefore.size(); ++i) {
                const bool data = textsBefore[i].font.face == FontFace::CourierNew;
                QCOMPARE(textsAfter[i].at - textsBefore[i].at, data ? move : QPoint());
            }
            const auto linesBefore = Lines(before);
            const auto linesAfter = Lines(after);
            QCOMPARE(linesAfter.size(), linesBefore.size());
            for (size_t i = 0; i < linesBefore.size(); ++i)
                if (linesBefore[i].penWidth == 5) // not the Copy 2 rule of the picture
                    QCOMPARE(linesAfter[i].from - linesBefore[i].from, move);
        }
    }

    // "@" as middle name runs first and last name together.
    void recipientNameLine_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("middle");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("line");
        QTest::newRow("person") << "Yves"
                                << "T"
                                << "Young"
                                << "Yves T Young";
        QTest::newRow("no middle name") << "Lena"
                                        << ""
                                        << "Lopez"
                                        << "Lena  Lopez";
        QTest::newRow("business") << "Acme Supplies"
                                  << "@"
                                  << " Ltd"
                                  << "Acme Supplies Ltd";
        QTest::newRow("@ with more") << "A"
                                     << "@@"
                                     << "B"
                                     << "A @@ B";
    }
    void recipientNameLine()
    {
        QFETCH(QString, first);
        QFETCH(QString, middle);
        QFETCH(QString, last);
        QFETCH(QString, line);
        ContractorRecord r;
        r.FirstName = first;
        r.MiddleName = middle;
        r.LastName = last;
        QCOMPARE(RecipientNameLine(r), line);
    }

    void namesOnThePage()
    {
        const Page page = Lay(Options(1));
        QCOMPARE(WhereIs(page, "Acme Supplies Ltd"), (QList<QPoint>{{143, 720}}));
        QCOMPARE(WhereIs(page, "Lena  Lopez"), (QList<QPoint>{{143, 720 + 1392}}));
    }

    // Zero and empty amounts are left off; the box-17 texts are always
    // written.
    void amountsAndStateNumbers()
    {
        const Page page = Lay(Options(1));
        QVERIFY(TextsAt(page, QPoint(1053, 405)).isEmpty());          // box 3 "0.00"
        QCOMPARE(TextsAt(page, QPoint(1383, 1198)), QStringList{""}); // box 17 line 2, empty
        QVERIFY(TextsAt(page, QPoint(1738, 1198)).isEmpty());         // box 18 line 2 "0.00"
        QVERIFY(TextsAt(page, QPoint(203, 1189)).isEmpty());          // 15a "0.00"
        CompanyData d = data_;
        d.forms1099[1].OtherIncome = "";
        d.forms1099[1].Field15A = "15.00";
        const Page other = Lay(Options(1), 1, &d);
        QVERIFY(TextsAt(other, QPoint(1053, 405)).isEmpty()); // box 3 empty: as zero
        QCOMPARE(TextsAt(other, QPoint(203, 1189)), QStringList{"15.00"});
    }

    void payerIdFallsBackToTheSsn()
    {
        CompanyData d = data_;
        QCOMPARE(WhereIs(Lay(Options(1), 1, &d), "36-1234567").value(0), QPoint(143, 555));
        d.company.EmployerIdentificationNumber = "";
        QCOMPARE(WhereIs(Lay(Options(1), 1, &d), "321-54-9876").value(0), QPoint(143, 555));
    }

    // Box 9 (direct sales) marks 38 below its entries; the second-TIN mark
    // where the paper has the box; copies 1, B and 2 blank it out instead.
    void marks_data()
    {
        QTest::addColumn<int>("paperType");
        QTest::addColumn<int>("copyType");
        QTest::addColumn<QPoint>("box9");
        QTest::addColumn<QPoint>("secondTin"); // Lena's, on the lower form; null when none
        QTest::addColumn<bool>("tinWhiteOut");

        QTest::newRow("preprinted") << 1 << 0 << QPoint(1299, 863) << QPoint(897, 1075 + 1392) << false;
        QTest::newRow("copy C") << 0 << 3 << QPoint(1268, 863) << QPoint(862, 1077 + 1375) << false;
        QTest::newRow("copy 1") << 0 << 0 << QPoint(1268, 863) << QPoint() << true;
        QTest::newRow("copy B") << 0 << 1 << QPoint(1268, 863) << QPoint() << true;
        QTest::newRow("copy 2") << 0 << 2 << QPoint(1268, 863) << QPoint() << true;
    }
    void marks()
    {
        QFETCH(int, paperType);
        QFETCH(int, copyType);
        QFETCH(QPoint, box9);
        QFETCH(QPoint, secondTin);
        QFETCH(bool, tinWhiteOut);
        const Page page = Lay(Options(paperType, copyType));
        const int pitch = paperType == 1 ? 1392 : 1375;
        QVERIFY(HasMark(page, MarkAt(box9, 24)));
        QVERIFY(HasMark(page, MarkAt(box9 + QPoint(0, pitch), 24)));
        // Acme (upper) has no second TIN.
        QVERIFY(!HasLine(page, secondTin - QPoint(0, pitch), secondTin - QPoint(0, pitch) + QPoint(24, 24)));
        if (!secondTin.isNull())
            QVERIFY(HasMark(page, MarkAt(secondTin, 24)));
        const int otherLines = copyType == int(Form1099CopyType::Copy2) && paperType == 0 ? 2 : 0; // the Copy 2 rules
        QCOMPARE(int(Lines(page).size()), 4 + (secondTin.isNull() ? 0 : 2) + otherLines);

        const auto rects = WhiteRects(page);
        const bool hasTinWhiteOut = std::any_of(rects.begin(), rects.end(), [](const PageWhiteRect& r) {
            return r.left == 790 && r.top == 989 && r.right == 940 && r.bottom == 1107;
        });
        const bool hasLowerTinWhiteOut = std::any_of(rects.begin(), rects.end(), [&](const PageWhiteRect& r) {
            return r.left == 790 && r.top == pitch + 987 && r.right == 940 && r.bottom == pitch + 1102;
        });
        QCOMPARE(hasTinWhiteOut, tinWhiteOut);
        QCOMPARE(hasLowerTinWhiteOut, tinWhiteOut);
    }

    // Three contractors: two sheets, the second with one form and the void
    // mark on its empty lower form.
    void lastSheetMarksTheEmptyForm_data()
    {
        QTest::addColumn<int>("paperType");
        QTest::addColumn<QPoint>("voidMark");
        QTest::newRow("preprinted") << 1 << QPoint(610, 1454);
        QTest::newRow("copy") << 0 << QPoint(575, 1421);
    }
    void lastSheetMarksTheEmptyForm()
    {
        QFETCH(int, paperType);
        QFETCH(QPoint, voidMark);
        const Form1099PrintJob job(data_.company, data_.contractors, data_.forms1099, Options(paperType, 3));
        QCOMPARE(job.PageCount(), 2);
        const Page first = job.LayOutPage(1);
        const Page second = job.LayOutPage(2);
        QVERIFY(!HasMark(first, MarkAt(voidMark, 23)));
        QVERIFY(HasMark(second, MarkAt(voidMark, 23)));
        QCOMPARE(WhereIs(second, "Yves T Young").size(), 1);
        QCOMPARE(WhereIs(second, "Brindle Tools Inc").size(), 1);

        // The current contractor alone: one sheet with the void mark.
        const Form1099PrintJob current(data_.company, data_.contractors, data_.forms1099,
                                       Options(paperType, 3, PrintTarget::Current), 2);
        QCOMPARE(current.PageCount(), 1);
        const Page only = current.LayOutPage(1);
        QCOMPARE(WhereIs(only, "Lena  Lopez").size(), 1);
        QVERIFY(HasMark(only, MarkAt(voidMark, 23)));
    }

    void nothingToPrint()
    {
        // Forms print for contractors only: without one they are nobody's.
        const ContractorList nobody;
        QCOMPARE(Form1099PrintJob(data_.company, nobody, data_.forms1099, Options(1)).PageCount(), 0);
    }

    // The side texts of each copy, on both halves, over white-outs of the
    // picture's own.
    void copySideTexts_data()
    {
        QTest::addColumn<int>("copyType");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<int>("points");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("rightAligned");

        QTest::newRow("copy 1 title") << 0 << "Copy 1" << QPoint(1830, 357) << 10 << true << false;
        QTest::newRow("copy 1 department") << 0 << "Department" << QPoint(1750, 463) << 10 << true << false;
        QTest::newRow("copy B title") << 1 << "Copy B" << QPoint(1823, 357) << 10 << true << false;
        QTest::newRow("copy B for recipient") << 1 << "For Recipient" << QPoint(1720, 410) << 10 << true << false;
        QTest::newRow("copy B notice first") << 1 << "This is important tax" << QPoint(1927, 620) << 7 << false << true;
        QTest::newRow("copy B notice fifth") << 1 << "Service. If you are" << QPoint(1927, 740) << 7 << false << true;
        QTest::newRow("copy B notice last") << 1 << "reported." << QPoint(1927, 1040) << 7 << false << true;
        QTest::newRow("copy B keep") << 1 << "(keep for your records)" << QPoint(840, 1250) << 9 << false << false;
        QTest::newRow("copy 2 recipient's")
            << 2 << QString::fromUtf16(u"recipient\u2019s") << QPoint(1772, 516) << 10 << true << false;
        QTest::newRow("copy 2 tax return") << 2 << "tax return, " << QPoint(1780, 622) << 10 << true << false;
        QTest::newRow("copy 2 required") << 2 << "required." << QPoint(1800, 728) << 10 << true << false;
        QTest::newRow("copy C for payer") << 3 << "For Payer" << QPoint(1783, 410) << 10 << true << false;
    }
    void copySideTexts()
    {
        QFETCH(int, copyType);
        QFETCH(QString, text);
        QFETCH(QPoint, at);
        QFETCH(int, points);
        QFETCH(bool, bold);
        QFETCH(bool, rightAligned);
        // The last sheet has one form; the side texts go on both halves.
        const Page page = Lay(Options(0, copyType), 2);
        QCOMPARE(WhereIs(page, text), (QList<QPoint>{at, at + QPoint(0, 1375)}));
        for (const PageText& t : Texts(page)) {
            QCOMPARE(t.background, TextBackground::Transparent);
            if (t.text == text) {
                QCOMPARE(t.font, (PageFont{FontFace::Arial, points, bold}));
                QCOMPARE(t.anchor, rightAligned ? TextAnchor::TopRight : TextAnchor::TopLeft);
            }
        }
    }

    void copyWhiteOutsAndPictures_data()
    {
        QTest::addColumn<int>("copyType");
        QTest::addColumn<QList<QRect>>("whiteOuts"); // left, top, right, bottom of the upper half
        QTest::newRow("copy 1") << 0
                                << QList<QRect>{QRect(QPoint(1670, 350), QPoint(2000, 590)),
                                                QRect(QPoint(1680, 610), QPoint(2000, 1100))};
        QTest::newRow("copy B") << 1
                                << QList<QRect>{QRect(QPoint(1670, 350), QPoint(2000, 590)),
                                                QRect(QPoint(1680, 610), QPoint(2000, 1100))};
        QTest::newRow("copy 2") << 2 << QList<QRect>{QRect(QPoint(1670, 350), QPoint(2000, 1100))};
        QTest::newRow("copy C") << 3 << QList<QRect>{QRect(QPoint(1680, 350), QPoint(2000, 590))};
    }
    void copyWhiteOutsAndPictures()
    {
        QFETCH(int, copyType);
        QFETCH(QList<QRect>, whiteOuts);
        const Page page = Lay(Options(0, copyType));
        QList<QRect> expected;
        for (int halfTop : {0, 1375})
            for (const QRect& r : whiteOuts)
                expected << r.translated(0, halfTop);
        if (copyType != int(Form1099CopyType::CopyC))
            expected << QRect(QPoint(790, 989), QPoint(940, 1107)) << QRect(QPoint(790, 2362), QPoint(940, 2477));
        QList<QRect> rects;
        for (const PageWhiteRect& r : WhiteRects(page))
            rects << QRect(QPoint(r.left, r.top), QPoint(r.right, r.bottom));
        QCOMPARE(rects, expected);

        const auto images = Images(page);
        QCOMPARE(images.size(), size_t(2));
        QCOMPARE(QRect(images[0].x, images[0].y, images[0].width, images[0].height), QRect(20, 10, 1980, 1370));
        QCOMPARE(QRect(images[1].x, images[1].y, images[1].width, images[1].height), QRect(20, 1380, 1980, 1370));
        QVERIFY(images[0].picture == FormPicture::Form1099);
        // The pictures come first, then the white-outs, then the texts.
        QVERIFY(std::holds_alternative<PageImage>(page.items[0]));
        QVERIFY(std::holds_alternative<PageWhiteRect>(page.items[2]));

        if (copyType == int(Form1099CopyType::Copy2)) {
            QVERIFY(HasLine(page, {1665, 895}, {1944, 895}));
            QVERIFY(HasLine(page, {1665, 2270}, {1944, 2270}));
            for (const PageLine& l : Lines(page))
                if (l.from.y() == l.to.y())
                    QCOMPARE(l.penWidth, 4);
        }
    }

    void preprintedHasNoPictureAndLargerText()
    {
        const Page page = Lay(Options(1));
        QVERIFY(Images(page).empty());
        QVERIFY(WhiteRects(page).empty());
        for (const PageText& t : Texts(page))
            QCOMPARE(t.font, (PageFont{FontFace::CourierNew, 12, false}));
        for (const PageText& t : Texts(Lay(Options(0, 3))))
            if (t.font.face == FontFace::CourierNew)
                QCOMPARE(t.font.points, 10);
    }

    void copyNames()
    {
        using C = Form1099CopyType;
        QCOMPARE(Form1099CopyName(C::Copy1), QString("Copy 1-For State Tax Department"));
        QCOMPARE(Form1099CopyName(C::CopyB), QString("Copy B-For Recipient"));
        QCOMPARE(Form1099CopyName(C::Copy2),
                 QString::fromUtf16(u"Copy 2-To be filed with recipient\u2019s state income tax"));
        QCOMPARE(Form1099CopyName(C::CopyC), QString("Copy C-For Payer"));
    }
};

FORMLARK_TEST_GUILESS_MAIN(Form1099PrintJobTest)
#include "Form1099PrintJobTest.moc"
