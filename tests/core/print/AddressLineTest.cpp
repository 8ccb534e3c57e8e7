// The city, state and ZIP line of every form: an empty part is left out
// with its separator, so a company without them prints no stray comma.
#include "core/contractor/ContractorScreenPrint.h"
#include "core/print/FormWriter.h"
#include "core/wage/WageScreenPrint.h"
#include "tests/support/PageQuery.h"
#include "tests/support/PrintFixture.h"

#include <QtTest>

class AddressLineTest : public QObject {
    Q_OBJECT

private slots:
    void parts_data()
    {
        QTest::addColumn<QString>("city");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("zip");
        QTest::addColumn<QString>("line");
        QTest::newRow("all three") << "Salem"
                                   << "OR"
                                   << "97301"
                                   << "Salem, OR 97301";
        QTest::newRow("no state") << "Salem"
                                  << ""
                                  << "97301"
                                  << "Salem, 97301";
        QTest::newRow("no ZIP") << "Salem"
                                << "OR"
                                << ""
                                << "Salem, OR";
        QTest::newRow("city only") << "Salem"
                                   << ""
                                   << ""
                                   << "Salem";
        QTest::newRow("no city") << ""
                                 << "OR"
                                 << "97301"
                                 << "OR 97301";
        QTest::newRow("ZIP only") << ""
                                  << "  "
                                  << "97301"
                                  << "97301";
        QTest::newRow("none") << ""
                              << "  "
                              << ""
                              << "";
    }
    void parts()
    {
        QFETCH(QString, city);
        QFETCH(QString, state);
        QFETCH(QString, zip);
        QFETCH(QString, line);
        QCOMPARE(CityStateZipLine(city, state, zip), line);
    }

    // The company without city, state and ZIP (the state drop-down's blank
    // entry is two blanks) on the four forms, and an employee and a
    // contractor without them on theirs: no text of a page is a comma.
    void noStrayCommaOnAnyForm()
    {
        CompanyData data = print_fixture::Data();
        data.company.City = "";
        data.company.State = "  ";
        data.company.Zip = "";
        for (EmployeeRecord& e : data.employees)
            e.City = e.State = e.Zip = "";
        for (ContractorRecord& c : data.contractors)
            c.City = c.State = c.Zip = "";
        PrintW2Options w2;
        w2.Target = PrintTarget::All;
        Print1099Options form1099;
        form1099.Target = PrintTarget::All;
        const std::pair<const char*, std::unique_ptr<PrintJob>> jobs[] = {
            {"W-2", MakeW2ScreenJob(data, w2, {}, 0)},
            {"W-3", MakeW3ScreenJob(data, PrintW3Options())},
            {"1099-MISC", MakeForm1099ScreenJob(data, form1099, {}, 0)},
            {"1096", MakeForm1096ScreenJob(data, Print1096Options())},
        };
        for (const auto& [form, job] : jobs) {
            QVERIFY2(job->PageCount() > 0, form);
            for (const PageText& text : page_query::Texts(job->LayOutPage(1)))
                QVERIFY2(!text.text.trimmed().startsWith(u','),
                         qPrintable(QStringLiteral("%1: \"%2\"").arg(form, text.text)));
        }
    }
};

FORMLARK_TEST_GUILESS_MAIN(AddressLineTest)
#include "AddressLineTest.moc"
