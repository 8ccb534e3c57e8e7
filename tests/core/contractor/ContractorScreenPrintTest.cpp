// The print jobs of the 1099-MISC screen and what it asks before them: the
// contractors in the order the list shows them, the current contractor
// alone, a contractor whose 1099 row is missing (printed with empty boxes,
// and asked about), and the empty-field questions.
#include "core/contractor/ContractorScreenPrint.h"
#include "core/contractor/Form1099Boxes.h"
#include "tests/support/PageQuery.h"
#include "tests/support/PrintFixture.h"

#include <QtTest>

using namespace page_query;

namespace {

Print1099Options Options(PrintTarget target)
{
    Print1099Options o;
    o.Target = target;
    o.Paper = PaperType::Preprinted;
    return o;
}

// The recipients' identification numbers on a page, top form first.
QStringList Recipients(const Page& page, const CompanyData& data)
{
    QList<std::pair<int, QString>> found;
    for (const ContractorRecord& c : data.contractors)
        for (const QPoint& at : WhereIs(page, c.IdentificationNumber.Text()))
            found.append({at.y(), c.IdentificationNumber.Text()});
    std::sort(found.begin(), found.end());
    QStringList numbers;
    for (const auto& [y, number] : found)
        numbers << number;
    return numbers;
}

const QString kAll = QStringLiteral(
    "One or more 1099 Forms contain empty fields(s), Do you wish to continue in printing?");
const QString kCurrent = QStringLiteral(
    "Current 1099 Form contains empty filed(s), Do you wish to continue in printing?");

} // namespace

class ContractorScreenPrintTest : public QObject {
    Q_OBJECT

private slots:
    // Three contractors: two sheets in the list's order, the third alone
    // on the second sheet with the empty lower form marked void.
    void allFormsFollowTheListsOrder()
    {
        const CompanyData data = print_fixture::Data(); // first-name order: Acme (1), Lena (2), Yves (0)
        auto job = MakeForm1099ScreenJob(data, Options(PrintTarget::All), {2, 0, 1}, 0);
        QCOMPARE(job->PageCount(), 2);
        QCOMPARE(Recipients(job->LayOutPage(1), data), QStringList({"55-000003", "55-000001"}));
        const Page second = job->LayOutPage(2);
        QCOMPARE(Recipients(second, data), QStringList({"55-000002"}));
        // The void box of the lower form, as the pre-printed table puts it.
        const Mark voidMark = {{610, 1454}, {633, 1477}, {633, 1454}, {610, 1477}};
        QVERIFY(HasMark(second, voidMark));
        QVERIFY(!HasMark(job->LayOutPage(1), voidMark));

        // An order that does not cover the list is not trusted.
        for (const std::vector<int>& order : {std::vector<int>{}, {0, 0, 1}, {0, 1, 2, 3}, {0, 1, 5}}) {
            job = MakeForm1099ScreenJob(data, Options(PrintTarget::All), order, 0);
            QCOMPARE(Recipients(job->LayOutPage(1), data), QStringList({"55-000002", "55-000003"}));
        }
    }

    void theCurrentContractorAlone()
    {
        const CompanyData data = print_fixture::Data();
        auto job = MakeForm1099ScreenJob(data, Options(PrintTarget::Current), {1, 2, 0}, 2);
        QCOMPARE(job->PageCount(), 1);
        QCOMPARE(Recipients(job->LayOutPage(1), data), QStringList({"55-000003"}));
        // An index outside the list prints the first of the order.
        job = MakeForm1099ScreenJob(data, Options(PrintTarget::Current), {1, 2, 0}, 7);
        QCOMPARE(Recipients(job->LayOutPage(1), data), QStringList({"55-000002"}));
    }

    // Damaged data: Lena has no 1099 row. All forms still print every
    // contractor, hers with the payer and her name but empty boxes.
    void aContractorWithoutAFormStillPrints()
    {
        CompanyData data = print_fixture::Data();
        data.forms1099.erase(data.forms1099.begin() + 2);
        auto job = MakeForm1099ScreenJob(data, Options(PrintTarget::All), {1, 2, 0}, 0);
        QCOMPARE(job->PageCount(), 2);
        const Page first = job->LayOutPage(1);
        QCOMPARE(Recipients(first, data), QStringList({"55-000002", "55-000003"}));
        QCOMPARE(WhereIs(first, "Brindle Tools Inc").size(), 2);
        QVERIFY(WhereIs(first, "3100.00").isEmpty());  // nobody's box 1 in her form
        QCOMPARE(WhereIs(first, "IL-1717").size(), 1); // only Acme's box 17
        QCOMPARE(Recipients(job->LayOutPage(2), data), QStringList({"55-000001"}));

        // Without any 1099 row the screen prints nothing for all
        // contractors, whatever the contractors.
        data.forms1099.clear();
        QVERIFY(!Form1099PrintHasForms(data, Options(PrintTarget::All)));
        QVERIFY(Form1099PrintHasForms(data, Options(PrintTarget::Current)));
        data.contractors.clear();
        QVERIFY(!Form1099PrintHasForms(data, Options(PrintTarget::Current)));
        QCOMPARE(MakeForm1099ScreenJob(data, Options(PrintTarget::Current), {}, 0)->PageCount(), 0);
    }

    // Which question comes before the print. A form has empty fields when
    // its first state number is the empty text; an amount stored empty
    // shows as 0.00 on the screen and is none.
    void emptyFieldQuestions_data()
    {
        QTest::addColumn<int>("target");
        QTest::addColumn<int>("current");   // list index of the current contractor
        QTest::addColumn<QString>("field"); // emptied on Lena's form (index 2)
        QTest::addColumn<bool>("noRow");    // Lena's row removed
        QTest::addColumn<QString>("question");
        const int all = int(PrintTarget::All);
        const int one = int(PrintTarget::Current);
        QTest::newRow("all, complete") << all << 0 << "" << false << "";
        QTest::newRow("all, an amount empty (0.00 on screen)") << all << 0 << "Rents" << false << "";
        QTest::newRow("all, state no. 1 empty") << all << 0 << "PayerStateID1" << false << kAll;
        QTest::newRow("all, state no. 2 empty is fine") << all << 0 << "PayerStateID2" << false << "";
        QTest::newRow("all, a contractor without a form") << all << 0 << "" << true << kAll;
        QTest::newRow("current, its own state no. 1 empty") << one << 2 << "PayerStateID1" << false << kCurrent;
        QTest::newRow("current, its own amount empty") << one << 2 << "StateIncome2" << false << "";
        QTest::newRow("current, another form's state no. empty") << one << 0 << "PayerStateID1" << false << "";
        QTest::newRow("current, without a form") << one << 2 << "" << true << kCurrent;
        QTest::newRow("current, outside the list") << one << 9 << "PayerStateID1" << false << "";
    }

    void emptyFieldQuestions()
    {
        QFETCH(int, target);
        QFETCH(int, current);
        QFETCH(QString, field);
        QFETCH(bool, noRow);
        QFETCH(QString, question);
        CompanyData data = print_fixture::Data();
        if (!field.isEmpty())
            FindBox(Form1099ScreenBoxes(), field)->set(data.forms1099[2], QString());
        if (noRow)
            data.forms1099.erase(data.forms1099.begin() + 2);
        QCOMPARE(Form1099EmptyFieldsQuestion(data, Options(PrintTarget(target)), current), question);
    }

    // The 1096: one page with the totals of every form.
    void the1096()
    {
        const CompanyData data = print_fixture::Data();
        Print1096Options o;
        auto job = MakeForm1096ScreenJob(data, o);
        QCOMPARE(job->PageCount(), 1);
        const Page page = job->LayOutPage(1);
        QVERIFY(!WhereIs(page, "3").isEmpty());
        QVERIFY(!WhereIs(page, "720.00").isEmpty());   // box 4: 140 + 240 + 340
        QVERIFY(!WhereIs(page, "21642.00").isEmpty()); // box 5: boxes 1, 2, 7 and 14
    }
};

FORMLARK_TEST_GUILESS_MAIN(ContractorScreenPrintTest)
#include "ContractorScreenPrintTest.moc"
