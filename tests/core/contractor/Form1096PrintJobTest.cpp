#include "core/contractor/Form1096PrintJob.h"
#include "tests/support/PageQuery.h"
#include "tests/support/PrintFixture.h"

#include <QtTest>

using namespace page_query;

namespace {

Print1096Options Options(int paperType)
{
    Print1096Options o;
    o.Paper = PaperType(paperType);
    return o;
}

Mark MarkAt(QPoint corner, QPoint size)
{
    return {corner, corner + size, corner + QPoint(size.x(), 0), corner + QPoint(0, size.y())};
}

} // namespace

class Form1096PrintJobTest : public QObject {
    Q_OBJECT

private:
    CompanyData data_ = print_fixture::Data();

    Page Lay(const Print1096Options& o, const CompanyRecord* company = nullptr,
             const Form1099List* forms = nullptr) const
    {
        return Form1096PrintJob(company ? *company : data_.company, data_.contractors, forms ? *forms : data_.forms1099,
                                o)
            .LayOutPage(1);
    }

private slots:
    void valuesLandAtTheirEntries_data()
    {
        QTest::addColumn<int>("paperType");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QPoint>("at");

        // Pre-printed: up 63; copy: then left 30 and up 2 more.
        QTest::newRow("preprinted filer") << 1 << "Brindle Tools Inc" << QPoint(170, 327);
        QTest::newRow("preprinted phone area code") << 1 << "217" << QPoint(820, 627);
        QTest::newRow("preprinted phone number") << 1 << " 555-0202" << QPoint(910, 627);
        QTest::newRow("preprinted fax area code") << 1 << "309" << QPoint(820, 717);
        QTest::newRow("preprinted fax number") << 1 << " 555-0299" << QPoint(910, 717);
        QTest::newRow("preprinted EIN") << 1 << "36-1234567" << QPoint(110, 797);
        QTest::newRow("preprinted SSN") << 1 << "321-54-9876" << QPoint(460, 797);
        QTest::newRow("preprinted forms") << 1 << "3" << QPoint(947, 797);
        QTest::newRow("preprinted box 4") << 1 << "720.00" << QPoint(1180, 797);
        QTest::newRow("preprinted box 5") << 1 << "21642.00" << QPoint(1530, 797);
        QTest::newRow("copy filer") << 0 << "Brindle Tools Inc" << QPoint(140, 325);
        QTest::newRow("copy city line") << 0 << "Springfield, IL 62704" << QPoint(140, 535);
        QTest::newRow("copy contact") << 0 << "Bob Payer" << QPoint(80, 625);
        QTest::newRow("copy e-mail") << 0 << "bob@brindle.example" << QPoint(80, 715);
        QTest::newRow("copy box 5") << 0 << "21642.00" << QPoint(1500, 795);
    }
    void valuesLandAtTheirEntries()
    {
        QFETCH(int, paperType);
        QFETCH(QString, text);
        QFETCH(QPoint, at);
        QCOMPARE(WhereIs(Lay(Options(paperType)), text), QList<QPoint>{at});
    }

    // The final-return mark only when the company says so; the 1099-MISC
    // type-of-form mark always.
    void marks_data()
    {
        QTest::addColumn<int>("paperType");
        QTest::addColumn<int>("finalReturn");
        QTest::addColumn<QPoint>("finalMark");
        QTest::addColumn<QPoint>("typeMark");

        QTest::newRow("preprinted, final") << 1 << 1 << QPoint(1851, 859) << QPoint(135, 1153);
        QTest::newRow("preprinted, not final") << 1 << 0 << QPoint() << QPoint(135, 1153);
        QTest::newRow("copy, final") << 0 << 1 << QPoint(1821, 855) << QPoint(105, 1149);
        QTest::newRow("copy, not final") << 0 << 0 << QPoint() << QPoint(105, 1149);
    }
    void marks()
    {
        QFETCH(int, paperType);
        QFETCH(int, finalReturn);
        QFETCH(QPoint, finalMark);
        QFETCH(QPoint, typeMark);
        CompanyRecord company = data_.company;
        company.Form1096CheckIsThisYourFinalReturn = finalReturn;
        const Page page = Lay(Options(paperType), &company);
        QVERIFY(HasMark(page, MarkAt(typeMark, {24, 24})));
        QCOMPARE(int(Lines(page).size()), finalReturn ? 4 : 2);
        if (finalReturn)
            QVERIFY(HasMark(page, MarkAt(finalMark, {13, 19})));
    }

    void offsetsMoveOnlyThePreprintedForm_data()
    {
        QTest::addColumn<int>("paperType");
        QTest::addColumn<QPoint>("move");
        QTest::newRow("preprinted") << 1 << QPoint(-127, 25);
        QTest::newRow("copy") << 0 << QPoint();
    }
    void offsetsMoveOnlyThePreprintedForm()
    {
        QFETCH(int, paperType);
        QFETCH(QPoint, move);
        Print1096Options moved = Options(paperType);
        moved.HorizontalOffset = 0.5;
        moved.HorizontalDirection = 0;
        moved.VerticalOffset = 0.1;
        moved.VerticalDirection = 1;
        const Page before = Lay(Options(paperType));
        const Page after = Lay(moved);
        const auto textsBefore = Texts(before);
        const auto textsAfter = Texts(after);
        QCOMPARE(textsAfter.size(), textsBefore.size());
        for (size_t i = 0; i < textsBefore.size(); ++i)
            QCOMPARE(textsAfter[i].at - textsBefore[i].at, move);
        const auto linesBefore = Lines(before);
        const auto linesAfter = Lines(after);
        for (size_t i = 0; i < linesBefore.size(); ++i)
            QCOMPARE(linesAfter[i].to - linesBefore[i].to, move);
    }

    // Totals of "0.00" are left off; the count is always written.
    void zeroTotalsAreLeftOff()
    {
        Form1099List neverSaved(3);
        for (int i = 0; i < 3; ++i)
            neverSaved[size_t(i)].ContractorUniqueID = i + 1;
        const Page page = Lay(Options(1), nullptr, &neverSaved);
        QCOMPARE(TextsAt(page, QPoint(947, 797)), QStringList{"3"});
        QVERIFY(TextsAt(page, QPoint(1180, 797)).isEmpty());
        QVERIFY(TextsAt(page, QPoint(1530, 797)).isEmpty());

        Form1099List taxOnly = neverSaved;
        taxOnly[0].FederalIncomeTaxWithheld = "10.00";
        const Page other = Lay(Options(1), nullptr, &taxOnly);
        QCOMPARE(TextsAt(other, QPoint(1180, 797)), QStringList{"10.00"});
        QVERIFY(TextsAt(other, QPoint(1530, 797)).isEmpty());
    }

    void pictureAndCopyMark()
    {
        const Page copy = Lay(Options(0));
        const auto images = Images(copy);
        QCOMPARE(images.size(), size_t(1));
        QVERIFY(images[0].picture == FormPicture::Form1096);
        QCOMPARE(QRect(images[0].x, images[0].y, images[0].width, images[0].height), QRect(35, 25, 1900, 2610));
        const auto marks = OutlinedTexts(copy);
        QCOMPARE(marks.size(), size_t(1));
        QCOMPARE(marks[0].text, QString("COPY"));
        QCOMPARE(marks[0].font, (PageFont{FontFace::TimesNewRoman, 50, false}));
        QCOMPARE(QRect(marks[0].left, marks[0].shiftUp, marks[0].width, marks[0].height), QRect(1200, 1240, 800, 600));
        // Transparent ground, as all 1099-MISC and 1096 printing: no value
        // blanks the end of the one before it.
        for (const PageText& t : Texts(copy)) {
            QCOMPARE(t.font, (PageFont{FontFace::CourierNew, 10, false}));
            QCOMPARE(t.background, TextBackground::Transparent);
        }

        const Page preprinted = Lay(Options(1));
        QVERIFY(Images(preprinted).empty());
        QVERIFY(OutlinedTexts(preprinted).empty());
        for (const PageText& t : Texts(preprinted)) {
            QCOMPARE(t.font, (PageFont{FontFace::CourierNew, 12, false}));
            QCOMPARE(t.background, TextBackground::Transparent);
        }
    }
};

FORMLARK_TEST_GUILESS_MAIN(Form1096PrintJobTest)
#include "Form1096PrintJobTest.moc"
