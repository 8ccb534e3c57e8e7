// The import through the main window: the progress dialog and its steps,
// the window disabled meanwhile, the end messages, Cancel, and the open
// company left alone.
#include "core/document/GlobalDoc.h"
#include "core/document/RunStart.h"
#include "core/document/RunEnd.h"
#include "core/import/ImportProcess.h"
#include "core/import/PreviousEditionFolder.h"
#include "core/settings/Settings.h"
#include "core/store/CompanyData.h"
#include "core/store/CompanyStore.h"
#include "gui/import/ImportProgressDialog.h"
#include "gui/import/PriorYearImport.h"
#include "gui/import/TextureProgressBar.h"
#include "gui/shell/MainFrame.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TestFolders.h"
#include "tests/support/TestStores.h"
#include "tests/support/WidgetDriving.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTreeWidget>
#include <QtTest>

namespace {

const QString kSucceeded = QStringLiteral("Importing clients for the Tax Year 2004 completed successfully!");
const QString kCancelQuestion = QStringLiteral("Are you sure you want cancel?");

// Answers like ScriptedPrompt; while the Cancel question is open it lets
// the event loop run for a while and notes how far the import got.
class WaitingPrompt : public ScriptedPrompt {
public:
    std::function<int()> position;
    QList<int> positionsWhileAsked;
    PromptAnswer Ask(const QString& text, PromptButtons shown, PromptIcon icon) override
    {
        if (text == kCancelQuestion && position) {
            positionsWhileAsked << position();
            QTest::qWait(150);
            positionsWhileAsked << position();
        }
        return ScriptedPrompt::Ask(text, shown, icon);
    }
};

// A running program over a data folder with the Sample Company (and
// `openCompany`'s store, opened), and a previous edition whose folder the
// environment variable names.
struct Program {
    TestFolders folders;
    QString installation = folders.Path("Formlark (2004)");
    WaitingPrompt prompt;
    CGlobalDoc document;
    std::unique_ptr<CMainFrame> frame;

    explicit Program(const QString& openCompany = QStringLiteral("Sample Company"))
    {
        QDir().mkpath(OldStores());
        qputenv(kPreviousEditionFolderVariable, installation.toUtf8());
        MakeStore(folders.DataFolder(), "Sample Company.pmt", "Sample Company");
        if (openCompany != QLatin1String("Sample Company")) {
            MakeStoreWithStaff(folders.DataFolder(), openCompany + ".pmt", openCompany, {5}, {});
            WriteSettingText(SettingsKeyPath(kKeyLastActiveCompany), kLastActiveCompanyValue, openCompany);
        }
        [&] { QVERIFY(RunStart(document).OpenFirstCompany()); }();
        frame = std::make_unique<CMainFrame>(document);
        frame->resize(1000, 700);
        frame->show();
        frame->RefreshAllViews();
    }
    ~Program() { qunsetenv(kPreviousEditionFolderVariable); }

    QString OldStores() const { return installation + "/DatabaseFiles/"; }
    CPriorYearImport* Import() const { return frame->findChild<CPriorYearImport*>(); }
    CImportProgressDialog* Dialog() const { return Import()->Dialog(); }
    // Starts the import from the menu and waits for its end.
    bool RunImport(const std::function<void()>& whileRunning = {})
    {
        QSignalSpy finished(Import(), &CPriorYearImport::finished);
        frame->Command("Import")->trigger();
        if (whileRunning)
            whileRunning();
        return !finished.isEmpty() || finished.wait(60000);
    }
    // The stores of the data folder (not the lock beside the open one).
    QStringList DataFiles() const
    {
        return QDir(folders.DataFolder()).entryList({QStringLiteral("*.pmt")}, QDir::Files, QDir::Name);
    }
};

QList<int> Statuses(QTreeWidget* tasks)
{
    QList<int> statuses;
    for (int row = 0; row < tasks->topLevelItemCount(); ++row)
        statuses << tasks->topLevelItem(row)->data(0, Qt::UserRole).toInt();
    return statuses;
}

} // namespace

class PriorYearImportTest : public QObject {
    Q_OBJECT

private slots:
    void importRunsInItsDialogWhileTheWindowWaits()
    {
        Program p;
        MakeStoreWithStaff(p.OldStores(), "Acme.pmt", "Acme", {3, 9, 12}, {4});
        const bool ended = p.RunImport([&] {
            CImportProgressDialog* dialog = p.Dialog();
            QVERIFY(dialog);
            QVERIFY(dialog->isVisible());
            QCOMPARE(dialog->windowTitle(), QString::fromUtf8("Import Process in Progress\u2026"));
            QVERIFY(!dialog->isModal());
            QVERIFY(!p.frame->isEnabled());
            QVERIFY(dialog->isEnabled());

            QTreeWidget* tasks = dialog->TaskList();
            QCOMPARE(tasks->headerItem()->text(0), QString("Status"));
            QCOMPARE(tasks->headerItem()->text(1), QString("Tasks"));
            QCOMPARE(tasks->columnWidth(0), 45);
            QVERIFY(tasks->columnWidth(1) >= 300);
            QStringList names;
            for (int row = 0; row < tasks->topLevelItemCount(); ++row) {
                names << tasks->topLevelItem(row)->text(1);
                // Read in full, not cut short.
                QVERIFY(tasks->fontMetrics().horizontalAdvance(names.last()) < tasks->columnWidth(1));
            }
            QCOMPARE(names,
                     QStringList({"Searching for Formlark 2004 Database Folder", "Enumerating Companies",
                                  "Upgrading Companies to 2005 Version",
                                  "Copying Companies to Formlark 2005 Database Folder", "Refreshing Company List"}));
            QCOMPARE(tasks->currentItem(), tasks->topLevelItem(0));

            // A second start while one runs does nothing.
            p.frame->Command("Import")->trigger();
            QCOMPARE(p.Dialog(), dialog);

            // The bar moves and the label follows it.
            QTRY_VERIFY(dialog->ProgressBar()->value() > 0);
            QCOMPARE(dialog->PercentLabel()->text(), ImportProcess::PercentText(dialog->ProgressBar()->value()));
        });
        QVERIFY(ended);
        QCOMPARE(p.prompt.asked, QStringList{kSucceeded});
        QCOMPARE(p.prompt.icons, QList<PromptIcon>{PromptIcon::Information});
        QVERIFY(p.frame->isEnabled());
        QVERIFY(!p.Dialog());
        QCOMPARE(p.DataFiles(), QStringList({"Acme.pmt", "Sample Company.pmt"}));
    }

    void taskListAndBarShowTheCurrentStep()
    {
        ScriptedPrompt prompt;
        const QStringList steps = {"a", "b", "c", "d", "e"};
        CImportProgressDialog dialog(steps);
        dialog.SetCurrentStep(2);
        using S = CImportProgressDialog::Status;
        QCOMPARE(Statuses(dialog.TaskList()),
                 QList<int>({int(S::Done), int(S::Done), int(S::Current), int(S::Pending), int(S::Pending)}));
        QCOMPARE(dialog.TaskList()->selectedItems(), QList<QTreeWidgetItem*>{dialog.TaskList()->topLevelItem(2)});
        for (S status : {S::Done, S::Current, S::Pending})
            QVERIFY(!CImportProgressDialog::StatusIcon(status).pixmap(16, 16).isNull());

        for (auto [position, text] : {std::pair{37, "37%"}, std::pair{100, "100%"}, std::pair{0, "0%"}}) {
            dialog.SetProgress(position);
            QCOMPARE(dialog.ProgressBar()->value(), position);
            QCOMPARE(dialog.PercentLabel()->text(), QString(text));
        }
        QCOMPARE(dialog.ProgressBar()->minimum(), 0);
        QCOMPARE(dialog.ProgressBar()->maximum(), 100);
    }

    void failuresEndWithTheirMessage_data()
    {
        QTest::addColumn<bool>("installed");
        QTest::addColumn<QString>("message");
        QTest::newRow("no previous edition")
            << false
            << QString::fromUtf8("The Formlark 2004 database folder couldn\u2019t be found.\nOperation Cancelled.");
        QTest::newRow("no stores") << true
                                   << "Enumerating companies for the tax year 2004, failed.\nOperation Cancelled.";
        QTest::newRow("its only store damaged")
            << true
            << "Upgrading companies for the tax year 2004 into tax year 2005 failed.\nOperation Cancelled.\n\n"
               "Not imported, because the file could not be read as a company of Formlark (2004):\nBroken.pmt";
    }

    void failuresEndWithTheirMessage()
    {
        QFETCH(bool, installed);
        QFETCH(QString, message);
        Program p;
        if (!installed)
            QDir(p.OldStores()).removeRecursively();
        if (QString(QTest::currentDataTag()).contains("damaged"))
            QVERIFY(WriteFileBytes(p.OldStores() + "Broken.pmt", "not a store"));
        QVERIFY(p.RunImport());
        QCOMPARE(p.prompt.asked, QStringList{message});
        QCOMPARE(p.prompt.icons, QList<PromptIcon>{PromptIcon::Stop});
        QVERIFY(p.frame->isEnabled());
        QVERIFY(!p.Dialog());
    }

    // One damaged store among others: the others are imported, and the
    // closing message names the one left out.
    void aDamagedStoreIsNamedAtTheEnd()
    {
        Program p;
        MakeStoreWithStaff(p.OldStores(), "Acme.pmt", "Acme", {3}, {});
        QVERIFY(WriteFileBytes(p.OldStores() + "Broken.pmt", "not a store"));
        QVERIFY(p.RunImport());
        QCOMPARE(p.prompt.asked, QStringList{kSucceeded
                                             + "\n\nNot imported, because the file could not be read as "
                                               "a company of Formlark (2004):\nBroken.pmt"});
        QCOMPARE(p.prompt.icons, QList<PromptIcon>{PromptIcon::Exclamation});
        QCOMPARE(p.DataFiles(), QStringList({"Acme.pmt", "Sample Company.pmt"}));
    }

    void cancelYesStopsAtTheNextTickWithoutMessage()
    {
        Program p;
        MakeStoreWithStaff(p.OldStores(), "Acme.pmt", "Acme", {1}, {});
        p.prompt.Then(PromptAnswer::Yes);
        QVERIFY(p.RunImport([&] {
            Click(p.Dialog()->CancelButton());
            QCOMPARE(p.prompt.asked, QStringList{kCancelQuestion});
            QVERIFY(p.Dialog()); // until the next tick
        }));
        QCOMPARE(p.prompt.asked, QStringList{kCancelQuestion});
        QCOMPARE(p.Import()->Process()->TickCount(), 0);
        QVERIFY(p.frame->isEnabled());
        QVERIFY(!p.Dialog());
        QCOMPARE(p.DataFiles(), QStringList{"Sample Company.pmt"});
    }

    void cancelNoGoesOnAfterWaitingForTheAnswer()
    {
        Program p;
        MakeStoreWithStaff(p.OldStores(), "Acme.pmt", "Acme", {1}, {});
        p.prompt.Then(PromptAnswer::No);
        p.prompt.position = [&] {
            const ImportProcess* process = p.Import()->Process();
            return process->Step() * 1000 + process->TickCount();
        };
        QVERIFY(p.RunImport([&] {
            QTRY_VERIFY(p.prompt.position() >= 10);
            Click(p.Dialog()->CancelButton());
        }));
        QCOMPARE(p.prompt.positionsWhileAsked.size(), 2);
        QCOMPARE(p.prompt.positionsWhileAsked[1], p.prompt.positionsWhileAsked[0]);
        QCOMPARE(p.prompt.asked, QStringList({kCancelQuestion, kSucceeded}));
        QCOMPARE(p.DataFiles(), QStringList({"Acme.pmt", "Sample Company.pmt"}));
    }

    // The open company (renamed to Birch, its store still Acme.pmt) keeps its
    // unsaved changes and its store; no store is made under its new name.
    void openCompanyIsLeftAlone()
    {
        Program p("Acme");
        MakeStoreWithStaff(p.OldStores(), "Acme.pmt", "Acme 2004", {1, 2}, {});
        MakeStoreWithStaff(p.OldStores(), "Birch.pmt", "Birch 2004", {1}, {});
        p.document.SetCompanyTitle(QStringLiteral("Birch"));
        p.document.Employees()[0].FirstName = "Changed";
        p.document.SetModified(1);
        const QByteArray store = FileBytes(p.folders.DataFolder() + "Acme.pmt");

        QVERIFY(p.RunImport());
        QCOMPARE(p.prompt.asked, QStringList{kSucceeded});
        QCOMPARE(p.document.Modified(), 1);
        QCOMPARE(p.document.Employees()[0].FirstName.Text(), QString("Changed"));
        QCOMPARE(FileBytes(p.folders.DataFolder() + "Acme.pmt"), store);
        QCOMPARE(p.DataFiles(), QStringList({"Acme.pmt", "Sample Company.pmt"}));
        QCOMPARE(QDir(p.folders.DataFolder() + "2004").entryList(QDir::Files, QDir::Name),
                 QStringList({"Acme.pmt", "Birch.pmt"}));

        // At the end the open company's own store takes the new name.
        QVERIFY(RunEnd(p.document).CloseDocument());
        CompanyData saved;
        CompanyStore reader;
        QCOMPARE(LoadCompany(reader, p.folders.DataFolder() + "Birch.pmt", saved), 0);
        QCOMPARE(saved.employees[0].EmployeeUniqueID, 5);
    }
};

FORMLARK_TEST_MAIN(PriorYearImportTest)
#include "PriorYearImportTest.moc"
