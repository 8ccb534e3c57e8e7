// The main window: navigation, menus and their enabled rules, the company
// commands through the window, the end of a run, the splash and the company
// dialogs.
#include "core/document/CompanyDialogs.h"
#include "gui/shell/CompanyDialogsWidgets.h"
#include "gui/shell/HelpWindow.h"
#include "gui/shell/MessageBoxPrompt.h"
#include "core/document/GlobalDoc.h"
#include "core/document/RunStart.h"
#include "gui/shell/MainFrame.h"
#include "core/navigation/Navigation.h"
#include "core/settings/Settings.h"
#include "gui/shell/SplashWindow.h"
#include "gui/controls/OutBarCtrl.h"
#include "core/store/CompanyData.h"
#include "gui/records/CompanyView.h"
#include "gui/records/PropSheetCompany.h"
#include "gui/wage/W2View.h"
#include "gui/controls/BalloonWindow.h"
#include "gui/controls/ColorButton.h"
#include "core/records/FormScreenTexts.h"
#include "tests/support/ScreenTesting.h"
#include "tests/support/EarlierStoreWriter.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TestFolders.h"
#include "tests/support/TestStores.h"
#include "tests/support/WidgetDriving.h"

#include <QAbstractButton>
#include <QAction>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolBar>
#include <QtTest>

#include <algorithm>

namespace {

// A running program over a data folder holding the Sample Company.
struct Program {
    TestFolders folders;
    ScriptedPrompt prompt;
    ScriptedDialogs dialogs;
    CGlobalDoc document;
    std::unique_ptr<CMainFrame> frame;

    // With `staffed`, the company has two employees and two contractors
    // with their forms.
    explicit Program(bool staffed = false)
    {
        if (staffed)
            MakeStoreWithStaff(folders.DataFolder(), "Sample Company.pmt", "Sample Company", {1, 2}, {1, 2});
        else
            MakeStore(folders.DataFolder(), "Sample Company.pmt", "Sample Company");
        [&] { QVERIFY(RunStart(document).OpenFirstCompany()); }();
        frame = std::make_unique<CMainFrame>(document, &dialogs);
        frame->resize(1000, 700);
        frame->show();
        frame->RefreshAllViews();
    }

    // As the start does once the password is through: the welcome view
    // has had its turn.
    void Started()
    {
        frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(frame.get()));
        frame->Navigate(1, 0);
    }
};

// The screen an item of the bar opens.
constexpr Screen kItemScreens[] = {Screen::CompanySetup, Screen::Employees, Screen::Contractors, Screen::W2,
                                   Screen::W3,           Screen::Form1099,  Screen::Form1096};

// The window as painted and flushed (its backing store, as the offscreen
// screen keeps it) and as rendered afresh.
QImage Shown(QWidget* window)
{
    return window->screen()->grabWindow(window->winId()).toImage().convertToFormat(QImage::Format_RGB32);
}
QImage Fresh(QWidget* window)
{
    return window->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Whether `widget` shows whole in the scroll area's view (a widget wider
// than the view: from its left edge).
bool ShownWhole(const QScrollArea* area, const QWidget* widget)
{
    const QRect view = area->viewport()->rect();
    QRect at(widget->mapTo(area->viewport(), QPoint(0, 0)), widget->size());
    if (at.width() > view.width())
        at.setWidth(view.width() - at.left() + view.left());
    return view.contains(at);
}

// Scrolls the area to the far end from `widget`, both ways.
void ScrollAwayFrom(QScrollArea* area, const QWidget* widget)
{
    const QPoint at = widget->mapTo(area->widget(), QPoint(0, 0));
    for (QScrollBar* bar : {area->horizontalScrollBar(), area->verticalScrollBar()}) {
        const int position = bar == area->verticalScrollBar() ? at.y() : at.x();
        const int middle = (bar == area->verticalScrollBar() ? area->widget()->height() : area->widget()->width()) / 2;
        bar->setValue(position < middle ? bar->maximum() : bar->minimum());
    }
}

// The anchors of a page shown in a text browser.
QStringList Anchors(const QTextDocument* document)
{
    QStringList names;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        names << block.charFormat().anchorNames();
        for (auto it = block.begin(); !it.atEnd(); ++it)
            names << it.fragment().charFormat().anchorNames();
    }
    return names;
}

} // namespace

class MainFrameTest : public QObject {
    Q_OBJECT

private slots:
    void navigationRules_data()
    {
        QTest::addColumn<QList<int>>("requests");
        QTest::addColumn<QList<int>>("screens");
        const int none = int(Screen::None);
        QTest::newRow("index 0: welcome first, company after")
            << QList<int>{0, 0, 0}
            << QList<int>{int(Screen::Welcome), int(Screen::CompanySetup), int(Screen::CompanySetup)};
        QTest::newRow("the bar's items") << QList<int>{1, 2, 3, 4, 5, 6}
                                         << QList<int>{int(Screen::Employees), int(Screen::Contractors),
                                                       int(Screen::W2),        int(Screen::W3),
                                                       int(Screen::Form1099),  int(Screen::Form1096)};
        QTest::newRow("7 shows nothing, 8 the W-4 view, others nothing")
            << QList<int>{7, 8, 9, -1} << QList<int>{none, int(Screen::W4), none, none};
        QTest::newRow("the counter counts index 0 only")
            << QList<int>{3, 0, 0} << QList<int>{int(Screen::W2), int(Screen::Welcome), int(Screen::CompanySetup)};
    }

    void navigationRules()
    {
        QFETCH(QList<int>, requests);
        QFETCH(QList<int>, screens);
        int counter = 0;
        for (int i = 0; i < requests.size(); ++i)
            QCOMPARE(int(ScreenForNavigationIndex(requests[i], counter)), screens[i]);
        QCOMPARE(NavigationAnswer(1), 0);
        for (int code : {2, 3, 4})
            QCOMPARE(NavigationAnswer(code), 1);
        for (int code : {0, 5, 6})
            QCOMPARE(NavigationAnswer(code), 0);
    }

    void windowShowsScreensOneAtATime()
    {
        Program p;
        CMainFrame& frame = *p.frame;
        QCOMPARE(frame.windowTitle(), QStringLiteral("Sample Company - Formlark (2005)"));
        QCOMPARE(frame.minimumSize(), QSize(632, 400));
        QVERIFY(frame.findChildren<QToolBar*>().isEmpty());
        QVERIFY(!frame.findChild<QStatusBar*>());
        QCOMPARE(frame.CurrentScreen(), Screen::Welcome);

        // The bar's "Employees" item, clicked for real.
        COutBarCtrl* bar = frame.NavigationBar();
        QCOMPARE(bar->ItemCount(0), 7);
        const QRect employees = bar->Layout().IconRect(1);
        QTest::mouseClick(bar, Qt::LeftButton, {}, employees.center());
        QCOMPARE(frame.CurrentScreen(), Screen::Employees);
        QVERIFY(frame.View(Screen::Employees)->isVisible());
        QVERIFY(!frame.View(Screen::Welcome)->isVisible());

        QCOMPARE(frame.Navigate(1, 7), 0);
        QCOMPARE(frame.CurrentScreen(), Screen::Employees);
        QCOMPARE(frame.Navigate(1, 0), 0); // the first index-0 request: welcome
        QCOMPARE(frame.CurrentScreen(), Screen::Welcome);
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->Layout().IconRect(0).center());
        QCOMPARE(frame.CurrentScreen(), Screen::CompanySetup);
        QCOMPARE(frame.Navigate(3, 1), 1);
        QCOMPARE(frame.CurrentScreen(), Screen::CompanySetup);
    }

    // The window comes up with the welcome screen alone; every other
    // screen is built when first shown, with the company as it is then,
    // and from then on follows the company's changes like the others.
    void screensAreBuiltWhenFirstShown()
    {
        Program p(true);
        CMainFrame& frame = *p.frame;
        auto* pane = frame.findChild<QStackedWidget*>(QStringLiteral("ScreenPane"));
        QVERIFY(pane);
        QCOMPARE(pane->count(), 1);

        // A change before the W-2 screen exists: it comes up showing it.
        CompanyRecord company = p.document.Company();
        company.EmployerName = QStringLiteral("Harbor Tools");
        QCOMPARE(p.document.Editor().UpdateCompany(company), SaveOutcome::Saved);
        p.document.RefreshChangedViews();
        QTest::keyClick(&frame, Qt::Key_4, Qt::ControlModifier);
        QCOMPARE(frame.CurrentScreen(), Screen::W2);
        // With the employee list it steps through.
        QCOMPARE(pane->count(), 3);
        auto* w2 = static_cast<CW2View*>(frame.View(Screen::W2));
        QCOMPARE(w2->Box("EmployerName")->text(), QStringLiteral("Harbor Tools"));

        // A change after: the screen built late is refreshed with the rest.
        company.EmployerName = QStringLiteral("Harbor Tools NW");
        QCOMPARE(p.document.Editor().UpdateCompany(company), SaveOutcome::Saved);
        p.document.RefreshChangedViews();
        QCOMPARE(w2->Box("EmployerName")->text(), QStringLiteral("Harbor Tools NW"));

        // Ctrl+P reaches the Print button of a screen built late.
        QVERIFY(frame.Command("Print")->isEnabled());
        QCOMPARE(pane->count(), 3);
    }

    // The bar takes a seventh of the width, but never less than its
    // widest caption needs: at the window's smallest the screen pane gives
    // way (and scrolls) instead.
    void paneWidthsFollowTheClientWidth_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("wide") << QSize(1400, 800);
        QTest::newRow("smallest") << QSize(632, 400);
    }

    void paneWidthsFollowTheClientWidth()
    {
        QFETCH(QSize, size);
        Program p;
        p.frame->Navigate(1, 0);
        p.frame->Navigate(1, 0); // the company setup, the widest screen
        p.frame->resize(size);
        QApplication::processEvents();
        QCOMPARE(p.frame->size(), size);
        const int width = p.frame->centralWidget()->width();
        COutBarCtrl* bar = p.frame->NavigationBar();
        const QFontMetrics metrics(bar->font());
        int widest = metrics.horizontalAdvance(QStringLiteral("Shortcuts"));
        for (const NavigationItem& item : kNavigationItems)
            widest = std::max(widest, metrics.horizontalAdvance(QLatin1String(item.caption)));
        QVERIFY2(bar->minimumSizeHint().width() > widest, qPrintable(QString::number(widest)));
        QCOMPARE(p.frame->Splitter()->sizes().first(), std::max(width / 7, bar->minimumSizeHint().width()));
        QCOMPARE(bar->width(), p.frame->Splitter()->sizes().first());
    }

    // At the window's smallest the bar shows every item whole, with the
    // desktop's font or a large one; a window that grows again shows them
    // all from the first.
    void barShowsEveryItemAtEverySize_data()
    {
        QTest::addColumn<int>("points"); // the bar's font; 0: the desktop's
        QTest::newRow("desktop font") << 0;
        QTest::newRow("16 points") << 16;
    }

    void barShowsEveryItemAtEverySize()
    {
        QFETCH(int, points);
        Program p;
        p.Started();
        COutBarCtrl* bar = p.frame->NavigationBar();
        if (points > 0) {
            QFont large = bar->font();
            large.setPointSize(points);
            bar->setFont(large);
        }
        for (const QSize size : {QSize(632, 400), QSize(1000, 700), QSize(632, 400), QSize(1400, 1000)}) {
            p.frame->resize(size);
            QApplication::processEvents();
            const OutBarLayout layout = bar->Layout();
            QCOMPARE(bar->FirstVisibleItem(), 0);
            QVERIFY(!layout.UpButtonShown() && !layout.DownButtonShown());
            for (int item = 0; item < bar->ItemCount(0); ++item) {
                const QString caption = bar->Folder(0).items[item].caption;
                const QRect rect = layout.CaptionRect(item);
                QVERIFY2(layout.ItemArea().contains(layout.ItemRect(item)), qPrintable(caption));
                // On one line, as wide as its text.
                QVERIFY2(rect.width() >= bar->fontMetrics().horizontalAdvance(caption), qPrintable(caption));
                QVERIFY2(rect.height() < 2 * bar->fontMetrics().height(), qPrintable(caption));
            }
        }
    }

    // Every screen of the bar from the keyboard: Ctrl+1 to Ctrl+7 (from a
    // text box too), and the bar's own keys (Home, Down, Up, End, Return,
    // Space). The bar marks the screen shown.
    void everyScreenFromTheKeyboard_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<int>("item");
        for (const char* way : {"Go key", "Go key in a box", "bar keys"})
            for (int item = 0; item < int(std::size(kItemScreens)); ++item)
                QTest::addRow("%s, item %d", way, item) << way << item;
    }

    void everyScreenFromTheKeyboard()
    {
        QFETCH(QString, way);
        QFETCH(int, item);
        Program p(true);
        p.Started();
        CMainFrame& frame = *p.frame;
        COutBarCtrl* bar = frame.NavigationBar();
        if (way == "bar keys") {
            bar->setFocus(Qt::TabFocusReason);
            QTest::keyClick(bar, Qt::Key_End);
            QCOMPARE(bar->FocusItem(), int(std::size(kItemScreens)) - 1);
            QTest::keyClick(bar, Qt::Key_Home);
            QCOMPARE(bar->FocusItem(), 0);
            QTest::keyClick(bar, Qt::Key_Up); // stays at the top
            for (int i = 0; i < item; ++i)
                QTest::keyClick(bar, Qt::Key_Down);
            QCOMPARE(bar->FocusItem(), item);
            QCOMPARE(frame.CurrentScreen(), Screen::Welcome); // moving opens nothing
            QTest::keyClick(bar, item % 2 ? Qt::Key_Space : Qt::Key_Return);
        } else {
            QWidget* target = &frame;
            if (way == "Go key in a box") {
                frame.Navigate(1, 3);
                auto* w2 = static_cast<CW2View*>(frame.View(Screen::W2));
                target = w2->Box("Wages");
                target->setFocus();
                p.prompt.Then(PromptAnswer::No);
            }
            QTest::keyClick(target, Qt::Key(Qt::Key_1 + item), Qt::ControlModifier);
        }
        QCOMPARE(frame.CurrentScreen(), kItemScreens[item]);
        QCOMPARE(bar->SelectedItem(), item);
        QCOMPARE(frame.Command(QStringLiteral("Go%1").arg(item))->shortcut(),
                 QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_1 + item)));
    }

    // A screen that sends the user elsewhere (no employees): the bar marks
    // the screen really shown.
    void theBarMarksTheScreenReallyShown()
    {
        Program p;
        p.Started();
        QTest::keyClick(p.frame.get(), Qt::Key_4, Qt::ControlModifier);
        QCOMPARE(p.prompt.asked, QStringList({"There are no employees in this company"}));
        QCOMPARE(p.frame->CurrentScreen(), Screen::Employees);
        QCOMPARE(p.frame->NavigationBar()->SelectedItem(), 1);
        p.frame->Navigate(1, 5);
        QCOMPARE(p.frame->CurrentScreen(), Screen::Contractors);
        QCOMPARE(p.frame->NavigationBar()->SelectedItem(), 2);
    }

    // Ctrl+P runs the Print button of the form shown: its print options
    // come up. A screen without one prints nothing.
    void ctrlPPrintsTheShownForm_data()
    {
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("title"); // of the options dialog; empty: none
        QTest::newRow("W-2") << 3 << "Set W2 Print Options";
        QTest::newRow("W-3") << 4 << " ";
        QTest::newRow("1099-MISC") << 5 << "Set 1099 Print Options";
        QTest::newRow("1096") << 6 << "Set 1096 Print Options";
        QTest::newRow("employees") << 1 << "";
    }

    void ctrlPPrintsTheShownForm()
    {
        QFETCH(int, item);
        QFETCH(QString, title);
        Program p(true);
        p.Started();
        p.frame->Navigate(1, item);
        QCOMPARE(p.frame->Command("Print")->isEnabled(), !title.isEmpty());
        QString seen;
        auto script = OnNextModal([&](QDialog& dialog) {
            seen = dialog.windowTitle();
            dialog.reject();
        });
        QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : p.frame.get();
        QTest::keyClick(focus, Qt::Key_P, Qt::ControlModifier);
        QCoreApplication::processEvents();
        QCOMPARE(script->shown, !title.isEmpty());
        QCOMPARE(seen, title);
    }

    // At the smallest window every form screen is one scrolled page (no
    // scroll area inside another); the focus scrolls into view as Tab walks
    // the screen, and what is shown is what a fresh painting gives, with a
    // focus mark on every Tab stop.
    void formScreensScrollAsOnePage_data()
    {
        QTest::addColumn<int>("item");
        QTest::newRow("W-2") << 3;
        QTest::newRow("W-3") << 4;
        QTest::newRow("1099-MISC") << 5;
        QTest::newRow("1096") << 6;
    }

    void formScreensScrollAsOnePage()
    {
        QFETCH(int, item);
        Program p(true);
        p.frame->resize(632, 400);
        p.Started();
        p.frame->Navigate(1, item);
        CloseBalloons();
        QWidget* view = p.frame->View(kItemScreens[item]);
        for (QWidget* up = view->parentWidget(); up; up = up->parentWidget())
            QVERIFY2(!qobject_cast<QAbstractScrollArea*>(up), qPrintable(up->objectName()));
        QCOMPARE(view->findChildren<QAbstractScrollArea*>().size(), 1);
        auto* area = view->findChild<QScrollArea*>();
        QVERIFY(area->verticalScrollBar()->maximum() > 0);

        // Tab through the screen from its first stop back to the bar.
        QWidget* first = nullptr;
        for (QWidget* w : view->findChildren<QWidget*>())
            if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)) {
                first = w;
                break;
            }
        QVERIFY(first);
        first->setFocus(Qt::TabFocusReason);
        int stops = 0;
        for (QWidget* focus = QApplication::focusWidget(); focus && view->isAncestorOf(focus) && stops < 200;
             focus = QApplication::focusWidget(), ++stops) {
            QVERIFY2(!qobject_cast<QAbstractScrollArea*>(focus), "a scroll area is no Tab stop");
            // Whole in view (the box, not only its caret)...
            const QRect shown = area->viewport()->rect();
            const QRect at(focus->mapTo(area->viewport(), QPoint(0, 0)), focus->size());
            QVERIFY2(shown.contains(at), qPrintable(focus->objectName()));
            // ...and marked (a button's face changes with the focus).
            if (qobject_cast<QAbstractButton*>(focus)) {
                const QImage focused = focus->grab().toImage();
                focus->clearFocus();
                QVERIFY2(focus->grab().toImage() != focused, qPrintable(focus->objectName()));
                focus->setFocus(Qt::TabFocusReason);
            }
            QTest::keyClick(focus, Qt::Key_Tab);
            QApplication::processEvents();
            // The screen's part of the window (the bar's selected icon moves
            // by itself).
            const QRect pane(view->mapTo(p.frame.get(), QPoint(0, 0)), view->size());
            QVERIFY2(Shown(p.frame.get()).copy(pane) == Fresh(p.frame.get()).copy(pane),
                     qPrintable(focus->objectName()));
        }
        QVERIFY(stops > 0 && stops < 200);
    }

    void menusCarryTheirTexts()
    {
        Program p;
        QStringList texts;
        for (QAction* menu : p.frame->menuBar()->actions()) {
            QStringList items;
            for (QAction* item : menu->menu()->actions())
                items << (item->isSeparator() ? QStringLiteral("-") : item->text());
            texts << menu->text() + ": " + items.join(" | ");
        }
        QCOMPARE(texts,
                 QStringList({
                     "&Company: &New... \tCtrl+N | &Open ...\tCtrl+O | &Save \tCtrl+S | &Delete \tCtrl+D | - | "
                     "&Print...\tCtrl+P | - | &Exit",
                     "&Go: &Company Info | &Employees | Co&ntractors | Form W&2 | Form W&3 | Form &1099 | Form 1&096",
                     "&Tools: &Import Clients From Tax Year 2004 | - | Import &Employees and W-2s from CSV… | "
                     "Import &Contractors and 1099-MISCs from CSV… | E&xport Employees and W-2s to CSV… | "
                     "Expo&rt Contractors and 1099-MISCs to CSV… | - | Check &Forms…",
                     "&Options: &Password | &Company Data Path (Network Edition)",
                     "&Help: Formlark &Help | Formlark on the &Web | &Online Update (Internet)... | &About Formlark",
                 }));
        QCOMPARE(p.frame->Command("New")->shortcut(), QKeySequence("Ctrl+N"));
        QCOMPARE(p.frame->Command("Open")->shortcut(), QKeySequence("Ctrl+O"));
        QCOMPARE(p.frame->Command("Save")->shortcut(), QKeySequence("Ctrl+S"));
        QCOMPARE(p.frame->Command("Delete")->shortcut(), QKeySequence("Ctrl+D"));
        QCOMPARE(p.frame->Command("Print")->shortcut(), QKeySequence("Ctrl+P"));
        QCOMPARE(p.frame->Command("Exit")->shortcut(), QKeySequence("Ctrl+Q"));
        // Every item of a menu can be chosen by its own letter.
        for (QAction* menu : p.frame->menuBar()->actions()) {
            QStringList letters;
            for (QAction* item : menu->menu()->actions()) {
                if (item->isSeparator())
                    continue;
                const qsizetype at = item->text().indexOf(u'&');
                QVERIFY2(at >= 0, qPrintable(item->text()));
                letters << item->text().mid(at + 1, 1).toLower();
            }
            QCOMPARE(QSet<QString>(letters.begin(), letters.end()).size(), letters.size());
        }
    }

    void companyCommandsAreEnabledByTheirRules()
    {
        Program p;
        QAction* save = p.frame->Command("Save");
        QAction* remove = p.frame->Command("Delete");
        QVERIFY(!save->isEnabled());
        QVERIFY(!remove->isEnabled()); // only the Sample Company exists
        p.document.SetModified(1);
        QVERIFY(save->isEnabled());
        p.document.SetModified(0);
        QVERIFY(!save->isEnabled());
        MakeStore(p.folders.DataFolder(), "Acme.pmt", "Acme");
        p.frame->UpdateCommandStates();
        QVERIFY(remove->isEnabled());
        // Ctrl+D with only the Sample Company left does nothing at all.
        QFile::remove(p.folders.DataFolder() + "Acme.pmt");
        remove->trigger();
        QVERIFY(p.prompt.asked.isEmpty());
    }

    // The Company menu's keys reach the menu from every box of the window,
    // even from one that claims every key for its own editing (as a text
    // box does with Ctrl+D on some desktops).
    void companyKeysWinOverTextBoxes_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("allowed"); // by the command's rule
        QTest::newRow("New") << "New" << int(Qt::Key_N) << true;
        QTest::newRow("Open") << "Open" << int(Qt::Key_O) << true;
        QTest::newRow("Save") << "Save" << int(Qt::Key_S) << true;
        QTest::newRow("Delete") << "Delete" << int(Qt::Key_D) << true;
        // The rule is checked when the key is pressed, and a key whose
        // command may not run still never reaches the box.
        QTest::newRow("Delete, a company made meanwhile") << "Delete" << int(Qt::Key_D) << true;
        QTest::newRow("Delete, nothing to delete") << "Delete" << int(Qt::Key_D) << false;
        QTest::newRow("Save, nothing to save") << "Save" << int(Qt::Key_S) << false;
    }

    void companyKeysWinOverTextBoxes()
    {
        QFETCH(QString, command);
        QFETCH(int, key);
        QFETCH(bool, allowed);
        // A box that claims every key and deletes a character on Ctrl and a
        // letter.
        class GreedyBox : public QLineEdit {
        public:
            using QLineEdit::QLineEdit;
            bool event(QEvent* event) override
            {
                if (event->type() == QEvent::ShortcutOverride) {
                    event->accept();
                    return true;
                }
                return QLineEdit::event(event);
            }
            void keyPressEvent(QKeyEvent* event) override
            {
                if ((event->modifiers() & Qt::ControlModifier) && event->key() >= Qt::Key_A
                    && event->key() <= Qt::Key_Z)
                    del();
                else
                    QLineEdit::keyPressEvent(event);
            }
        };
        Program p;
        const bool meanwhile = QString(QTest::currentDataTag()).contains("meanwhile");
        if (allowed && !meanwhile)
            MakeStore(p.folders.DataFolder(), "Acme.pmt", "Acme"); // Delete has a company to offer
        p.document.SetModified(allowed ? 1 : 0);                   // and Save something to save
        p.frame->UpdateCommandStates();
        if (meanwhile)
            MakeStore(p.folders.DataFolder(), "Acme.pmt", "Acme");
        p.frame->Navigate(1, 0);
        p.frame->Navigate(1, 0); // the company setup
        auto* box = new GreedyBox(QStringLiteral("abc"), p.frame->View(Screen::CompanySetup));
        box->show();
        p.frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(p.frame.get()));
        box->setFocus();
        box->setCursorPosition(1);
        QSignalSpy triggered(p.frame->Command(command), &QAction::triggered);
        QTest::keyClick(box, Qt::Key(key), Qt::ControlModifier);
        QCOMPARE(triggered.size(), allowed ? 1 : 0);
        QCOMPARE(box->text(), QStringLiteral("abc"));
    }

    void newCompanyFromTheMenu()
    {
        Program p;
        MakeStore(p.folders.DataFolder(), "Acme.pmt", "Acme Original");
        p.dialogs.newName = QStringLiteral("acme");
        p.frame->Command("New")->trigger();
        QCOMPARE(p.prompt.asked, QStringList({"This company already exists"}));
        QCOMPARE(p.frame->windowTitle(), QStringLiteral("Acme - Formlark (2005)"));
        QCOMPARE(p.document.Company().EmployerName.Text(), QStringLiteral("Acme Original"));
        // After New the company setup shows (start-up used the welcome view).
        QCOMPARE(p.frame->CurrentScreen(), Screen::Welcome);
        p.frame->Navigate(1, 3);
        p.dialogs.newName = QStringLiteral("Brand New");
        p.frame->Command("New")->trigger();
        QCOMPARE(p.frame->CurrentScreen(), Screen::CompanySetup);
        QVERIFY(QFile::exists(p.folders.DataFolder() + "Brand New.pmt"));
        QVERIFY(p.frame->Command("Save")->isEnabled());
    }

    // A company file given to the program (the file manager's "Open with")
    // opens only once the start is through: after the password question.
    void fileGivenToOpenOpensAfterTheStart()
    {
        Program p;
        QTemporaryDir elsewhere;
        const QString file = elsewhere.filePath("Cedar Hollow.pmt");
        QVERIFY(QFile::copy(EarlierStoreFixture("Legacy Sample.pmt"), file));
        p.frame->OpenFileAfterStartUp(file);
        QCOMPARE(p.frame->windowTitle(), QStringLiteral("Sample Company - Formlark (2005)"));
        QVERIFY(p.frame->ContinueStartUp()); // converting: Yes
        QCOMPARE(p.prompt.asked.size(), 1);
        QVERIFY(p.prompt.asked[0].startsWith("This company was saved by an earlier edition of the program."));
        QCOMPARE(p.frame->windowTitle(), QStringLiteral("Cedar Hollow - Formlark (2005)"));
        QCOMPARE(p.document.CurrentStorePath(), p.folders.DataFolder() + "Cedar Hollow.pmt");
        QCOMPARE(FileBytes(file), FileBytes(EarlierStoreFixture("Legacy Sample.pmt")));
    }

    // Typing not saved is never thrown away by a stray key: before the
    // program ends or the company is left, the screen's question has Cancel,
    // and Escape or the question's close box keeps the program running with
    // the typing in place.
    void closingQuestionsHaveAWayOut_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("route");
        QTest::addColumn<bool>("closeBox"); // the question closed by its close box, not Escape
        QTest::newRow("W-2, the window's close box") << "W2"
                                                     << "close" << false;
        QTest::newRow("W-2, Ctrl+Q") << "W2"
                                     << "Ctrl+Q" << false;
        QTest::newRow("W-2, Open, the question's close box") << "W2"
                                                             << "Open" << true;
        QTest::newRow("company setup, Ctrl+Q") << "setup"
                                               << "Ctrl+Q" << false;
    }

    void closingQuestionsHaveAWayOut()
    {
        QFETCH(QString, screen);
        QFETCH(QString, route);
        QFETCH(bool, closeBox);
        Program p(true);
        p.Started();
        const bool w2 = screen == "W2";
        if (w2)
            p.frame->Navigate(1, 3);
        else
            p.frame->Navigate(1, 0); // the company setup
        CloseBalloons();
        QWidget* view = p.frame->View(w2 ? Screen::W2 : Screen::CompanySetup);
        auto* box = view->findChild<QLineEdit*>(w2 ? "Wages" : "City");
        QVERIFY(box);
        box->setFocus();
        Erase(box);
        Type(box, w2 ? "41000" : "Salem");
        const QByteArray stored = FileBytes(p.document.CurrentStorePath());

        MessageBoxPrompt boxes;
        SetAppPrompt(&boxes);
        QString asked;
        auto answer = OnNextModal([&](QDialog& dialog) {
            auto* question = qobject_cast<QMessageBox*>(&dialog);
            QVERIFY(question);
            asked = question->text();
            QVERIFY(question->button(QMessageBox::Cancel));
            if (closeBox)
                question->close();
            else
                QTest::keyClick(question, Qt::Key_Escape);
        });
        if (route == "close")
            QVERIFY(!p.frame->close());
        else if (route == "Ctrl+Q")
            QTest::keyClick(box, Qt::Key_Q, Qt::ControlModifier);
        else
            p.frame->Command("Open")->trigger();
        SetAppPrompt(&p.prompt);
        QVERIFY(answer->shown);
        QCOMPARE(asked, w2 ? QStringLiteral("Would you like to save the changes you have done to this employee "
                                            "before navigating away from this form?")
                           : QString::fromLatin1(CCompanyView::kSaveBeforeReplacing));
        QVERIFY(p.frame->isVisible());
        QVERIFY(p.dialogs.offered.isEmpty()); // no company was offered
        QCOMPARE(box->text(), w2 ? QStringLiteral("41000.00") : QStringLiteral("Salem"));
        QCOMPARE(FileBytes(p.document.CurrentStorePath()), stored);

        // The typing is still offered when the window closes at last.
        p.prompt.Then(PromptAnswer::Yes);
        QVERIFY(p.frame->close());
        CompanyStore store;
        CompanyData data;
        QCOMPARE(LoadCompany(store, p.document.CurrentStorePath(), data), 0);
        if (w2)
            QVERIFY(std::any_of(data.w2s.begin(), data.w2s.end(),
                                [](const W2Record& w) { return w.Wages.Text() == QLatin1String("41000.00"); }));
        else
            QCOMPARE(data.company.City.Text(), QStringLiteral("Salem"));
    }

    // F1 shows the help of the screen shown: the quick help of a form
    // screen that has one, else the help page, in a window of the
    // program's own, at the screen's section.
    void f1ShowsTheScreensHelp_data()
    {
        QTest::addColumn<int>("index");       // navigation index, -1: the welcome screen
        QTest::addColumn<QString>("section"); // empty: the quick help
        QTest::newRow("welcome") << -1 << "start";
        QTest::newRow("company setup") << 0 << "setup";
        QTest::newRow("employees") << 1 << "people";
        QTest::newRow("W-2: its quick help") << 3 << "";
        QTest::newRow("W-3") << 4 << "w2";
        QTest::newRow("1099-MISC, without quick help") << 5 << "form1099";
    }

    void f1ShowsTheScreensHelp()
    {
        QFETCH(int, index);
        QFETCH(QString, section);
        Program p(true);
        QVERIFY(QFile::copy(qEnvironmentVariable("FORMLARK_RUNTIME_DIR") + "/formlark2005.html",
                            p.folders.ProgramFolder() + "formlark2005.html"));
        p.Started(); // the welcome screen
        if (index >= 0) {
            p.frame->Navigate(1, index);
            CloseBalloons();
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
        QVERIFY(p.prompt.asked.isEmpty());
        if (section.isEmpty()) {
            const QList<CBalloonWindow*> balloons = OpenBalloons();
            QCOMPARE(balloons.size(), 1);
            QCOMPARE(balloons[0]->Title(), QString::fromLatin1(FormScreenBalloons::kQuickHelpTitle));
            QVERIFY(!p.frame->HelpWindow());
            CloseBalloons();
            return;
        }
        CHelpWindow* help = p.frame->HelpWindow();
        QVERIFY(help && help->isVisible());
        QTextBrowser* page = help->Browser();
        QCOMPARE(page->source().fragment(), section);
        QVERIFY2(Anchors(page->document()).contains(section), qPrintable(section));
        QVERIFY(page->document()->toPlainText().contains("Formlark (2005) Help"));
        // Escape puts it away.
        QVERIFY(QTest::qWaitForWindowActive(help));
        QTest::keyClick(page, Qt::Key_Escape);
        QVERIFY(!help->isVisible());
    }

    void helpWithoutItsPageSaysWhy()
    {
        Program p;
        p.Started();
        p.frame->Command("Help")->trigger();
        QCOMPARE(p.prompt.asked.size(), 1);
        QCOMPARE(p.prompt.asked[0], QStringLiteral("The help page \"%1formlark2005.html\" could not be opened: it is "
                                                   "missing.")
                                        .arg(QDir::toNativeSeparators(p.folders.ProgramFolder())));
        QVERIFY(!p.frame->HelpWindow() || !p.frame->HelpWindow()->isVisible());
    }

    // On the first start the keyboard is at the bar's "Company Info", with
    // its focus mark, and Return opens the company setup.
    void theKeyboardStartsAtCompanyInfo()
    {
        Program p;
        p.Started();
        QCOMPARE(p.frame->CurrentScreen(), Screen::Welcome);
        COutBarCtrl* bar = p.frame->NavigationBar();
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(bar));
        QCOMPARE(bar->FocusItem(), 0);
        const QImage marked = bar->grab().toImage();
        bar->clearFocus();
        QVERIFY(bar->grab().toImage() != marked); // the mark shows
        bar->setFocus();
        QTest::keyClick(bar, Qt::Key_Return);
        QCOMPARE(p.frame->CurrentScreen(), Screen::CompanySetup);
    }

    // In a small window the company setup keeps the box with the focus in
    // view on each of its pages, however the focus got there: Tab from the
    // bar, Tab through the page, the page keys.
    void companySetupKeepsTheFocusedBoxInView()
    {
        Program p;
        p.frame->resize(632, 400);
        p.Started();
        p.frame->Navigate(1, 0);
        QCOMPARE(p.frame->CurrentScreen(), Screen::CompanySetup);
        auto* view = static_cast<CCompanyView*>(p.frame->View(Screen::CompanySetup));
        auto* area = qobject_cast<QScrollArea*>(view->parentWidget()->parentWidget());
        QVERIFY(area);
        QVERIFY(area->verticalScrollBar()->maximum() > 0);
        CPropSheetCompany& sheet = view->Sheet();
        QWidget* employerName = QApplication::focusWidget();
        QCOMPARE(employerName->objectName(), QStringLiteral("EmployerName"));

        // From the bar, with the page scrolled to its far end.
        ScrollAwayFrom(area, employerName);
        p.frame->NavigationBar()->setFocus();
        QTest::keyClick(p.frame->NavigationBar(), Qt::Key_Tab);
        QVERIFY(view->isAncestorOf(QApplication::focusWidget()));
        QVERIFY2(ShownWhole(area, QApplication::focusWidget()), qPrintable(QApplication::focusWidget()->objectName()));

        employerName->setFocus(Qt::TabFocusReason);
        for (int page = 0; page < sheet.count(); ++page) {
            QCOMPARE(sheet.currentIndex(), page);
            QWidget* last = nullptr;
            int stops = 0;
            for (QWidget* focus = QApplication::focusWidget();
                 focus && sheet.currentWidget()->isAncestorOf(focus) && stops < 50;
                 focus = QApplication::focusWidget(), ++stops) {
                QVERIFY2(ShownWhole(area, focus),
                         qPrintable(QString("page %1, %2").arg(page).arg(focus->objectName())));
                last = focus;
                ScrollAwayFrom(area, focus);
                QTest::keyClick(focus, Qt::Key_Tab);
            }
            QVERIFY(stops > 3 && stops < 50);
            // Ctrl+PageDown from the page's last box: the next page, its
            // first box in view.
            last->setFocus(Qt::TabFocusReason);
            ScrollAwayFrom(area, last);
            QTest::keyClick(last, Qt::Key_PageDown, Qt::ControlModifier);
            if (page + 1 < sheet.count())
                QVERIFY(sheet.currentWidget()->isAncestorOf(QApplication::focusWidget()));
        }
        QCOMPARE(sheet.currentIndex(), 0); // round again
        // Ctrl+PageUp goes back, from the screen's buttons too.
        view->UpdateButton()->setFocus(Qt::TabFocusReason);
        QTest::keyClick(view->UpdateButton(), Qt::Key_PageUp, Qt::ControlModifier);
        QCOMPARE(sheet.currentIndex(), sheet.count() - 1);
    }

    void closingRenamesTheStoreAndAsksToSave()
    {
        Program p;
        p.document.SetCompanyTitle(QStringLiteral("Renamed Co"));
        QCOMPARE(p.frame->windowTitle(), QStringLiteral("Renamed Co - Formlark (2005)"));
        p.document.SetModified(1);
        p.prompt.Then(PromptAnswer::Cancel);
        QVERIFY(!p.frame->close());
        QVERIFY(p.frame->isVisible());
        p.prompt.Then(PromptAnswer::No);
        QVERIFY(p.frame->close());
        QVERIFY(QFile::exists(p.folders.DataFolder() + "Renamed Co.pmt"));
        QVERIFY(!QFile::exists(p.folders.DataFolder() + "Sample Company.pmt"));
        QCOMPARE(ReadSettingText(SettingsKeyPath(kKeyLastActiveCompany), "Value", "-"), QStringLiteral("Renamed Co"));
    }

    void companyDataPathTakesEffectAndIsSavedAtTheEnd()
    {
        Program p;
        const QString shared = p.folders.Path("shared company files");
        QDir().mkpath(shared);
        auto script = OnNextModal([&](QDialog& dialog) {
            auto* chooser = qobject_cast<QFileDialog*>(&dialog);
            QVERIFY(chooser);
            chooser->setDirectory(shared);
            chooser->selectFile(shared);
            QMetaObject::invokeMethod(chooser, "accept");
        });
        p.frame->Command("DataPath")->trigger();
        QVERIFY(script->shown);
        QCOMPARE(p.document.DataFolder(), shared + "/");
        QCOMPARE(p.prompt.asked.size(), 1); // where the files go from now on
        // The open company still works on its old file until the end.
        QVERIFY(QFile::exists(p.folders.DataFolder() + "Sample Company.pmt"));
        QVERIFY(p.frame->close());
        QVERIFY(QFile::exists(shared + "/Sample Company.pmt"));
        QCOMPARE(ReadSettingText(SettingsKeyPath(kKeyDcomOptions), "Company Data Path", "-"), shared + "/");
    }

    void splashGoesAtTheFirstKeyAndSwallowsIt()
    {
        QWidget target;
        QLineEdit box(&target);
        target.show();
        box.setFocus();
        CSplashWindow splash(&target);
        QSignalSpy finished(&splash, &CSplashWindow::finished);
        splash.Start();
        QVERIFY(splash.IsShowing());
        QTest::keyClick(&box, Qt::Key_A);
        QCOMPARE(finished.size(), 1);
        QVERIFY(!splash.IsShowing());
        QCOMPARE(box.text(), QString()); // the key did nothing else
        QTest::keyClick(&box, Qt::Key_B);
        QCOMPARE(box.text(), QStringLiteral("b"));
    }

    void splashGoesAfterOneSecond()
    {
        CSplashWindow splash;
        QSignalSpy finished(&splash, &CSplashWindow::finished);
        QElapsedTimer timer;
        timer.start();
        splash.Start();
        QVERIFY(finished.wait(3000));
        QVERIFY(timer.elapsed() >= 900);
    }

    void newCompanyDialog()
    {
        ScriptedPrompt prompt;
        CNewCompanyDialog dialog;
        dialog.show();
        QTest::keyClicks(dialog.EmployerNameBox(), "O'Neil/Co");
        QCOMPARE(dialog.EmployerName(), QStringLiteral("O'NeilCo")); // the slash is refused
        QCOMPARE(dialog.LegalName(), QStringLiteral("O'NeilCo"));    // mirrored
        QTest::keyClicks(dialog.LegalNameBox(), " Ltd");
        QTest::keyClicks(dialog.EmployerNameBox(), "x");
        QCOMPARE(dialog.LegalName(), QStringLiteral("O'NeilCo Ltd")); // no longer mirrored
        dialog.EmployerNameBox()->clear();
        QTest::keyClicks(dialog.EmployerNameBox(), QString(35, u'e'));
        QCOMPARE(dialog.EmployerName().size(), 30);

        dialog.EmployerNameBox()->clear();
        dialog.accept();
        QCOMPARE(prompt.asked, QStringList({"Please enter a name for the new company"}));
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.result(), 0);
    }

    // The first company is the current one from the start: Return opens the
    // line the keyboard is on.
    void selectCompanyFromTheKeyboard_data()
    {
        QTest::addColumn<QList<int>>("keys"); // pressed before Return, Ctrl+Space as Qt::Key_Space
        QTest::addColumn<int>("chosen");      // index in the names given
        QTest::newRow("Return at once: the first line") << QList<int>{} << 2;
        QTest::newRow("Down, Return") << QList<int>{Qt::Key_Down} << 0;
        QTest::newRow("its selection cleared (Ctrl+Space): still the current line") << QList<int>{Qt::Key_Space} << 2;
    }

    void selectCompanyFromTheKeyboard()
    {
        QFETCH(QList<int>, keys);
        QFETCH(int, chosen);
        CSelectCompanyDialog dialog({"Zeta", "alpha", "Beta"});
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QListWidget* list = dialog.List();
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(list));
        QCOMPARE(list->selectedItems(), QList<QListWidgetItem*>{list->item(0)}); // looks current, and is
        for (int key : keys)
            QTest::keyClick(list, Qt::Key(key), key == Qt::Key_Space ? Qt::ControlModifier : Qt::NoModifier);
        QTest::keyClick(list, Qt::Key_Return);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.SelectedIndex(), chosen);
    }

    void selectCompanyDialog()
    {
        CSelectCompanyDialog dialog({"Zeta", "alpha", "Beta"});
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Select a Company "));
        dialog.show();
        QListWidget* list = dialog.List();
        QCOMPARE(list->item(0)->text(), QStringLiteral("Beta"));
        QCOMPARE(list->item(2)->text(), QStringLiteral("alpha"));
        list->setCurrentItem(nullptr);
        dialog.accept(); // nothing chosen: stays open
        QVERIFY(dialog.isVisible());
        const QRect row = list->visualItemRect(list->item(2));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row.center());
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.SelectedIndex(), 1); // "alpha" in the list the dialog was given
    }
};

FORMLARK_TEST_MAIN(MainFrameTest)
#include "MainFrameTest.moc"
