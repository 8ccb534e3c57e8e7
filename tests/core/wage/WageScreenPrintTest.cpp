// The print jobs of the W-2 screen: the employees in the order the list
// shows them, the current employee alone, and an employee whose W-2 row is
// missing (printed with empty boxes, nobody else's values).
#include "core/wage/WageScreenPrint.h"
#include "tests/support/PageQuery.h"
#include "tests/support/PrintFixture.h"

#include <QtTest>

using namespace page_query;

namespace {

PrintW2Options Options(PrintTarget target)
{
    PrintW2Options o;
    o.Target = target;
    o.Paper = PaperType::Preprinted;
    return o;
}

// The last names on a page, top form first.
QStringList LastNames(const Page& page, const CompanyData& data)
{
    QList<std::pair<int, QString>> found;
    for (const EmployeeRecord& e : data.employees)
        for (const QPoint& at : WhereIs(page, e.LastName.Text()))
            found.append({at.y(), e.LastName.Text()});
    std::sort(found.begin(), found.end());
    QStringList names;
    for (const auto& [y, name] : found)
        names << name;
    return names;
}

} // namespace

class WageScreenPrintTest : public QObject {
    Q_OBJECT

private slots:
    void allW2sFollowTheListsOrder()
    {
        const CompanyData data = print_fixture::Data(); // first-name order: Abbot, Moreau, Zimmer
        auto job = MakeW2ScreenJob(data, Options(PrintTarget::All), {2, 0, 1}, 0);
        QCOMPARE(job->PageCount(), 2);
        QCOMPARE(LastNames(job->LayOutPage(1), data), QStringList({"Moreau", "Zimmer"}));
        QCOMPARE(LastNames(job->LayOutPage(2), data), QStringList({"Abbot"}));

        // An order that does not cover the list is not trusted.
        for (const std::vector<int>& order : {std::vector<int>{}, {0, 0, 1}, {0, 1, 2, 3}, {0, 1, 5}}) {
            job = MakeW2ScreenJob(data, Options(PrintTarget::All), order, 0);
            QCOMPARE(LastNames(job->LayOutPage(1), data), QStringList({"Abbot", "Moreau"}));
        }
    }

    void theCurrentEmployeeAlone()
    {
        const CompanyData data = print_fixture::Data();
        auto job = MakeW2ScreenJob(data, Options(PrintTarget::Current), {1, 2, 0}, 2);
        QCOMPARE(job->PageCount(), 1);
        const Page page = job->LayOutPage(1);
        QCOMPARE(LastNames(page, data), QStringList({"Moreau"}));
        QVERIFY(!WhereIs(page, "31000.00").isEmpty()); // Mia's box 1
        // An index outside the list prints the first of the order.
        job = MakeW2ScreenJob(data, Options(PrintTarget::Current), {1, 2, 0}, 7);
        QCOMPARE(LastNames(job->LayOutPage(1), data), QStringList({"Abbot"}));
    }

    // Damaged data: Mia has no W-2 row. Her form prints her and the
    // company with empty boxes; all W-2s of a company without W-2 rows
    // print nothing.
    void anEmployeeWithoutAW2PrintsWithEmptyBoxes()
    {
        CompanyData data = print_fixture::Data();
        data.w2s.erase(data.w2s.begin() + 2);
        auto job = MakeW2ScreenJob(data, Options(PrintTarget::Current), {1, 2, 0}, 2);
        const Page page = job->LayOutPage(1);
        QCOMPARE(LastNames(page, data), QStringList({"Moreau"}));
        QVERIFY(!WhereIs(page, "CN-0042").isEmpty());
        for (const PageText& text : Texts(page))
            QVERIFY2(!text.text.contains("1000.0"), qPrintable(text.text)); // nobody's box 1
        QVERIFY(W2PrintHasForms(data, Options(PrintTarget::Current)));
        QVERIFY(W2PrintHasForms(data, Options(PrintTarget::All)));

        data.w2s.clear();
        QVERIFY(!W2PrintHasForms(data, Options(PrintTarget::All)));
        QVERIFY(W2PrintHasForms(data, Options(PrintTarget::Current)));
        data.employees.clear();
        QVERIFY(!W2PrintHasForms(data, Options(PrintTarget::Current)));
    }
};

FORMLARK_TEST_APPLESS_MAIN(WageScreenPrintTest)
#include "WageScreenPrintTest.moc"
