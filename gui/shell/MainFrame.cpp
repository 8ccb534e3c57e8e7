#include "gui/shell/MainFrame.h"

#include "gui/shell/AboutDialog.h"
#include "gui/shell/ApplicationPassword.h"
#include "gui/shell/CompanyDialogsWidgets.h"
#include "gui/shell/FindingJump.h"
#include "gui/shell/HelpWindow.h"
#include "gui/check/CheckFormsCommand.h"
#include "gui/check/CheckFormsWindow.h"
#include "gui/screens/FormView.h"
#include "core/document/GlobalDoc.h"
#include "core/document/RunEnd.h"
#include "core/help/HelpTopics.h"
#include "core/prompt/Prompt.h"
#include "core/settings/Settings.h"
#include "gui/shell/W4View.h"
#include "gui/contractor/Form1096View.h"
#include "gui/contractor/Form1099View.h"
#include "gui/screens/FocusScrolling.h"
#include "gui/controls/OutBarCtrl.h"
#include "gui/controls/HyperlinkLabel.h"
#include "core/links/MakerLinks.h"
#include "gui/shell/OutBarIcons.h"
#include "gui/screens/WelcomeScreen.h"
#include "gui/import/CsvTransfer.h"
#include "gui/import/PriorYearImport.h"
#include "gui/records/CompanyView.h"
#include "gui/records/ContractorView.h"
#include "gui/records/EmployeeView.h"
#include "gui/wage/W2View.h"
#include "gui/wage/W3View.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenuBar>
#include <QShortcut>
#include <QScrollArea>
#include <QSplitter>
#include <QStackedWidget>
#include <QTemporaryFile>
#include <QUrl>

#include <utility>

namespace {

// Large icons and the folder slide, without dragging or a selection frame
// (380, with the inert bits).
constexpr unsigned kMainFrameBarFlags = OutBarFlag::kInert | OutBarFlag::kAnimateFolders;
static_assert(kMainFrameBarFlags == 380);

CFormView* AsFormView(QWidget* view)
{
    return qobject_cast<CFormView*>(view);
}

// `text` with the mnemonic before the first `key` in it: the menus keep the
// captions the program's windows show, and add their keys here.
QString WithMnemonic(const char* text, const char* key)
{
    QString caption = QString::fromUtf8(text);
    const qsizetype at = caption.indexOf(QString::fromUtf8(key));
    if (at >= 0)
        caption.insert(at, u'&');
    return caption;
}

} // namespace

CMainFrame::CMainFrame(CGlobalDoc& document, CompanyDialogs* dialogs, QWidget* parent)
    : QMainWindow(parent)
    , document_(document)
    , commands_(document)
    , dialogs_(dialogs)
{
    if (!dialogs_) {
        ownDialogs_ = std::make_unique<CompanyDialogsWidgets>(this);
        dialogs_ = ownDialogs_.get();
    }
    setWindowTitle(QLatin1String(kApplicationTitle));
    setMinimumSize(632, 400);
    CreateMenus();
    CreatePanes();
    import_ = new CPriorYearImport(this);
    csv_ = std::make_unique<CCsvTransfer>(document_, this);

    connect(&document_, &CGlobalDoc::titleChanged, this, &QWidget::setWindowTitle);
    // Only Save depends on the modified flag; Delete's state needs a look at
    // the data folder and is brought up to date when the menu opens.
    connect(&document_, &CGlobalDoc::modifiedChanged, this, [this](bool modified) {
        if (QAction* save = Command("Save"))
            save->setEnabled(modified);
    });
    connect(&document_, &CGlobalDoc::viewsRefreshed, this, [this] { companyShown_ = true; });
    connect(&document_, &CGlobalDoc::navigateRequested, this, [this](int index) { Navigate(1, index); });
    connect(&document_, &CGlobalDoc::writableChanged, this, &CMainFrame::UpdateCommandStates);
    UpdateCommandStates();
    // The Company menu's keys must reach the menu from any box of the window.
    qApp->installEventFilter(this);
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event)
{
    // A text box claims some keys for its own editing (Ctrl+D deletes a
    // character on some desktops), and a disabled command's key would reach
    // the box as well: the Company menu's keys are the menu's everywhere in
    // the window. Their key presses come here and run the command when its
    // rule allows it.
    const bool override = event->type() == QEvent::ShortcutOverride;
    if (override || event->type() == QEvent::KeyPress) {
        auto* widget = qobject_cast<QWidget*>(watched);
        QAction* command = widget && widget->window() == this ? CommandForKey(static_cast<QKeyEvent*>(event)) : nullptr;
        if (command) {
            event->accept();
            if (!override) {
                UpdateCommandStates();
                if (command->isEnabled())
                    command->trigger();
            }
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

QAction* CMainFrame::CommandForKey(const QKeyEvent* key) const
{
    const QKeySequence pressed(key->keyCombination());
    if (pressed.isEmpty())
        return nullptr;
    for (QAction* action : keyedCommands_)
        if (action->shortcut() == pressed)
            return action;
    return nullptr;
}

CMainFrame::~CMainFrame()
{
    // The screens' scroll areas must hear nothing of the focus moving while
    // the window is torn down.
    for (const QMetaObject::Connection& connection : followFocus_)
        disconnect(connection);
    for (Screen screen : DocumentView::kRefreshOrder)
        document_.SetView(screen, nullptr);
}

// ---- panes and screens ----

void CMainFrame::CreatePanes()
{
    splitter_ = new QSplitter(Qt::Horizontal, this);
    splitter_->setChildrenCollapsible(false);
    setCentralWidget(splitter_);

    bar_ = new COutBarCtrl(splitter_, kMainFrameBarFlags);
    bar_->SetBackgroundColor(QColor(245, 245, 245));
    bar_->SetTextColor(Qt::black);
    bar_->SetSlideStepDelay(20);
    bar_->SetSelectedItemAnimation(200);
    bar_->SetBarImageList(ShortcutImageList(devicePixelRatioF()), COutBarCtrl::LargeImages);
    bar_->SetBarImageList(OutBarImageList{QSize(16, 16), {}}, COutBarCtrl::SmallImages);
    const int folder = bar_->AppendFolder(QStringLiteral("Shortcuts"), 0);
    int position = 0;
    for (const NavigationItem& item : kNavigationItems)
        bar_->InsertFolderItem(folder, position++, QLatin1String(item.caption), item.image, 0);
    bar_->SelectFolder(0);
    connect(bar_, &COutBarCtrl::notify, this, &CMainFrame::OnBarNotice, Qt::DirectConnection);

    // The screens give way in a narrow window: the bar keeps its width and
    // the screen scrolls. The screens themselves are built when first shown
    // (see View), so that the window is up quickly.
    stack_ = new QStackedWidget(splitter_);
    stack_->setObjectName(QStringLiteral("ScreenPane"));
    View(Screen::Welcome);

    splitter_->addWidget(bar_);
    splitter_->addWidget(stack_);
    splitter_->setStretchFactor(0, 0);
    splitter_->setStretchFactor(1, 1);
    connect(splitter_, &QSplitter::splitterMoved, this, [this] { paneDividerMoved_ = true; });
    stack_->setCurrentWidget(pages_[size_t(Screen::Welcome)]);
    current_ = Screen::Welcome;

    // F1: the shown screen's quick help, or its part of the help page.
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, &CMainFrame::OnScreenHelp);

    // F6 and Shift+F6 move between the two panes.
    auto* next = new QShortcut(QKeySequence(Qt::Key_F6), this);
    connect(next, &QShortcut::activated, this, [this] { MovePaneFocus(1); });
    auto* previous = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F6), this);
    connect(previous, &QShortcut::activated, this, [this] { MovePaneFocus(-1); });
}

void CMainFrame::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    LayOutPanes();
    // The keyboard starts where the user does: on the welcome screen (which
    // takes no input) at the bar's "Company Info", with its focus mark.
    if (current_ == Screen::Welcome)
        bar_->setFocus(Qt::OtherFocusReason);
    else
        View(current_)->setFocus();
}

void CMainFrame::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    LayOutPanes();
}

void CMainFrame::LayOutPanes()
{
    // The bar takes a seventh of the client width and the screen the rest,
    // until the user moves the divider.
    if (paneDividerMoved_ || !isVisible())
        return;
    // Never narrower than its captions need, though.
    const int width = centralWidget()->width();
    const int bar = std::max(width / 7, bar_->minimumSizeHint().width());
    splitter_->setSizes({bar, std::max(0, width - bar)});
}

QWidget* CMainFrame::View(Screen screen)
{
    if (screen == Screen::None)
        return nullptr;
    if (!views_[size_t(screen)])
        BuildScreen(screen);
    return views_[size_t(screen)];
}

QWidget* CMainFrame::NewScreen(Screen screen)
{
    switch (screen) {
    case Screen::Welcome:
        return new CWelcomeScreen(stack_);
    case Screen::CompanySetup:
        return new CCompanyView(document_, stack_);
    case Screen::Employees:
        return new CEmployeeView(document_, stack_);
    case Screen::Contractors:
        return new CContractorView(document_, stack_);
    case Screen::W2: {
        auto* w2 = new CW2View(document_, stack_);
        // Next and Previous step through the employees as their list shows them.
        w2->SetOwnerOrder(&static_cast<CEmployeeView*>(View(Screen::Employees))->ListOrder());
        return w2;
    }
    case Screen::W3:
        return new CW3View(document_, stack_);
    case Screen::Form1099: {
        auto* form1099 = new C1099View(document_, stack_);
        // Next and Previous step through the contractors as their list shows them.
        form1099->SetOwnerOrder(&static_cast<CContractorView*>(View(Screen::Contractors))->ListOrder());
        return form1099;
    }
    case Screen::Form1096:
        return new C1096View(document_, stack_);
    case Screen::W4:
        return new CW4View(document_, stack_);
    case Screen::None:
        break;
    }
    return nullptr;
}

void CMainFrame::BuildScreen(Screen screen)
{
    QWidget* view = NewScreen(screen);
    if (!view)
        return;
    views_[size_t(screen)] = view;
    // A form screen scrolls itself (its buttons with its form); every other
    // screen is put in a scroll area of its own, so that no screen ever
    // shows two sets of scroll bars.
    QWidget* page = view;
    CFormView* formView = AsFormView(view);
    if (!formView || !formView->ScrollsItself()) {
        auto* area = new QScrollArea(stack_);
        area->setObjectName(QStringLiteral("ScreenArea"));
        area->setFrameShape(QFrame::NoFrame);
        // Scrolling follows the focus; the area itself is no Tab stop.
        area->setFocusPolicy(Qt::NoFocus);
        area->setWidgetResizable(true);
        area->setWidget(view);
        // Tab alone would scroll to the box; Enter, a click half out of
        // view and the program's own moves of the focus need it too.
        followFocus_.push_back(FollowFocus(area));
        page = area;
    }
    pages_[size_t(screen)] = page;
    stack_->addWidget(page);
    if (!formView)
        return;
    connect(formView, &CFormView::navigateRequested, this, [this](int index) { Navigate(1, index); });
    connect(formView, &CFormView::checkFormsRequested, this, &CMainFrame::OnCheckForms);
    if (screen == Screen::W4)
        return;
    document_.SetView(screen, formView);
    // A screen built after the company was handed to the others gets it now.
    if (companyShown_)
        formView->RefreshFromDocument(document_);
}

int CMainFrame::Navigate(int firstArgument, int index)
{
    if (firstArgument != 1)
        return NavigationAnswer(firstArgument);
    const Screen screen = ScreenForNavigationIndex(index, indexZeroRequests_);
    if (screen != Screen::None)
        ShowScreen(screen);
    return NavigationAnswer(firstArgument);
}

void CMainFrame::ShowScreen(Screen screen)
{
    QWidget* view = View(screen);
    if (!view)
        return;
    if (screen != current_) {
        if (CFormView* leaving = AsFormView(View(current_)))
            leaving->OnViewHidden();
        stack_->setCurrentWidget(pages_[size_t(screen)]);
        current_ = screen;
    }
    // Even when it was showing already, the screen brings itself up to date.
    if (CFormView* formView = AsFormView(view))
        formView->OnViewShown();
    // The screen may have sent the user elsewhere (no employees): the bar
    // and the commands follow the screen really shown.
    bar_->SetSelectedItem(NavigationItemOf(current_));
    UpdateCommandStates();
}

void CMainFrame::OnBarNotice(const OutBarNotice& notice, bool* answer)
{
    const int code = int(notice.code);
    if (code == int(OutBarNotify::ItemClicked))
        Navigate(1, notice.item);
    if (answer)
        *answer = NavigationAnswer(code) != 0;
}

void CMainFrame::MovePaneFocus(int step)
{
    QWidget* panes[] = {bar_, View(current_)};
    const bool inBar = bar_->isAncestorOf(focusWidget()) || focusWidget() == bar_;
    int current = inBar ? 0 : 1;
    current = (current + step + 2) % 2;
    QWidget* target = panes[current];
    // In the screen, the first box that takes the keyboard.
    if (current == 1) {
        for (QWidget* child : target->findChildren<QWidget*>()) {
            if (child->isVisible() && child->isEnabled() && (child->focusPolicy() & Qt::TabFocus)) {
                child->setFocus(Qt::OtherFocusReason);
                return;
            }
        }
    }
    target->setFocus(Qt::OtherFocusReason);
}

void CMainFrame::RefreshAllViews()
{
    setWindowTitle(document_.Title());
    document_.RefreshViews();
}

bool CMainFrame::ContinueStartUp()
{
    if (!CheckPasswordAtStart(this)) {
        close();
        return false;
    }
    Navigate(1, 0);
    if (!fileToOpen_.isEmpty())
        OpenFile(std::exchange(fileToOpen_, QString()));
    return true;
}

void CMainFrame::OpenFile(const QString& path)
{
    commands_.OnOpenFile(path, *dialogs_);
    UpdateCommandStates();
}

// ---- menus ----

void CMainFrame::CreateMenus()
{
    auto command = [this](QMenu* menu, const QString& name, const QString& text, void (CMainFrame::*slot)(),
                          const QKeySequence& key = QKeySequence()) {
        QAction* action = menu->addAction(text);
        action->setObjectName(name);
        if (!key.isEmpty())
            action->setShortcut(key);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    QMenu* company = menuBar()->addMenu(QStringLiteral("&Company"));
    // Their keys are theirs anywhere in the window (see eventFilter).
    auto keyed = [this](QAction* action) { keyedCommands_ << action; };
    command(company, "New", QStringLiteral("&New... \tCtrl+N"), &CMainFrame::OnNewCompany, QKeySequence("Ctrl+N"));
    command(company, "Open", QStringLiteral("&Open ...\tCtrl+O"), &CMainFrame::OnOpenCompany, QKeySequence("Ctrl+O"));
    command(company, "Save", QStringLiteral("&Save \tCtrl+S"), &CMainFrame::OnSaveCompany, QKeySequence("Ctrl+S"));
    command(company, "Delete", QStringLiteral("&Delete \tCtrl+D"), &CMainFrame::OnDeleteCompany,
            QKeySequence("Ctrl+D"));
    company->addSeparator();
    // The shown form's Print button.
    command(company, "Print", QStringLiteral("&Print...\tCtrl+P"), &CMainFrame::OnPrint, QKeySequence("Ctrl+P"));
    company->addSeparator();
    for (const char* name : {"New", "Open", "Save", "Delete", "Print"})
        keyed(Command(QLatin1String(name)));
    QAction* exit = company->addAction(QStringLiteral("&Exit"));
    exit->setObjectName("Exit");
    // The key every desktop program of Linux quits with, with the usual
    // questions.
    exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    keyed(exit);
    connect(exit, &QAction::triggered, this, &QWidget::close);
    connect(company, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandStates);

    // Every screen of the navigation bar from the keyboard: Ctrl+1 to Ctrl+7
    // in the bar's order (no key of the Company menu or the boxes).
    QMenu* go = menuBar()->addMenu(QStringLiteral("&Go"));
    static const char* const goTexts[] = {"&Company Info", "&Employees", "Co&ntractors", "Form W&2",
                                          "Form W&3",      "Form &1099", "Form 1&096"};
    static_assert(std::size(goTexts) == std::size(kNavigationItems));
    for (int item = 0; item < int(std::size(goTexts)); ++item) {
        QAction* action = go->addAction(QString::fromLatin1(goTexts[item]));
        action->setObjectName(QStringLiteral("Go%1").arg(item));
        action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_1 + item)));
        connect(action, &QAction::triggered, this, [this, item] { Navigate(1, item); });
        keyedCommands_ << action;
    }

    QMenu* tools = menuBar()->addMenu(QStringLiteral("&Tools"));
    command(tools, "Import", QStringLiteral("&Import Clients From Tax Year 2004"), &CMainFrame::OnImport);
    tools->addSeparator();
    const struct {
        const char* name;
        const char* text;
        const char* key; // where the mnemonic goes
        PeopleKind kind;
        bool import;
    } csvCommands[] = {
        {"ImportEmployeesCsv", CsvTransferTexts::kImportEmployees, "Employees", PeopleKind::Employees, true},
        {"ImportContractorsCsv", CsvTransferTexts::kImportContractors, "Contractors", PeopleKind::Contractors, true},
        {"ExportEmployeesCsv", CsvTransferTexts::kExportEmployees, "xport", PeopleKind::Employees, false},
        {"ExportContractorsCsv", CsvTransferTexts::kExportContractors, "rt", PeopleKind::Contractors, false},
    };
    for (const auto& c : csvCommands) {
        QAction* action = tools->addAction(WithMnemonic(c.text, c.key));
        action->setObjectName(c.name);
        connect(action, &QAction::triggered, this,
                [this, kind = c.kind, import = c.import] { import ? csv_->Import(kind) : csv_->Export(kind); });
    }
    tools->addSeparator();
    command(tools, "CheckForms", WithMnemonic(kCheckFormsCaption, "Forms"), &CMainFrame::OnCheckForms);

    QMenu* options = menuBar()->addMenu(QStringLiteral("&Options"));
    command(options, "Password", QStringLiteral("&Password"), &CMainFrame::OnChangePassword);
    command(options, "DataPath", QStringLiteral("&Company Data Path (Network Edition)"),
            &CMainFrame::OnCompanyDataPath);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    command(help, "Help", QStringLiteral("Formlark &Help"), &CMainFrame::OnHelp);
    command(help, "Web", QStringLiteral("Formlark on the &Web"), &CMainFrame::OnWebPage);
    command(help, "Update", QStringLiteral("&Online Update (Internet)..."), &CMainFrame::OnOnlineUpdate);
    command(help, "About", QStringLiteral("&About Formlark"), &CMainFrame::OnAbout);
}

QAction* CMainFrame::Command(const QString& name) const
{
    return findChild<QAction*>(name);
}

void CMainFrame::UpdateCommandStates()
{
    if (QAction* save = Command("Save"))
        save->setEnabled(document_.CanSave());
    if (QAction* remove = Command("Delete"))
        remove->setEnabled(commands_.CanDeleteCompany());
    if (QAction* print = Command("Print"))
        print->setEnabled(PrintButtonShown() != nullptr);
}

QAbstractButton* CMainFrame::PrintButtonShown() const
{
    const CFormView* view = AsFormView(views_[size_t(current_)]);
    QAbstractButton* button = view ? view->PrintCommand() : nullptr;
    return button && button->isEnabled() ? button : nullptr;
}

void CMainFrame::OnPrint()
{
    if (QAbstractButton* button = PrintButtonShown())
        button->click();
}

// ---- commands ----

void CMainFrame::OnCheckForms()
{
    if (!check_) {
        // A window of the main window's, kept in front of it: a jump to a
        // box brings the main window forward without hiding the list.
        check_ = std::make_unique<CCheckFormsWindow>(document_, this);
        connect(check_.get(), &CCheckFormsWindow::findingChosen, this, [this](const FormFinding& finding) {
            // The main window comes forward with the box, ready for typing.
            const FindingScreens screens{[this](Screen screen) { return View(screen); },
                                         [this](Screen screen) { ShowScreen(screen); }};
            if (ShowFinding(document_, screens, finding)) {
                raise();
                activateWindow();
            }
        });
    }
    check_->Refresh();
    check_->show();
    check_->raise();
    check_->activateWindow();
}

void CMainFrame::OnNewCompany()
{
    commands_.OnNewCompany(*dialogs_);
    UpdateCommandStates();
}

void CMainFrame::OnOpenCompany()
{
    commands_.OnOpenCompany(*dialogs_);
    UpdateCommandStates();
}

void CMainFrame::OnSaveCompany()
{
    if (document_.CanSave())
        commands_.OnSave();
    UpdateCommandStates();
}

void CMainFrame::OnDeleteCompany()
{
    // The shortcut works without the menu: check the rule here as well.
    if (commands_.CanDeleteCompany())
        commands_.OnDeleteCompany(*dialogs_);
    UpdateCommandStates();
}

void CMainFrame::OnImport()
{
    // The open company is never written by the import: its name counts as
    // taken even while its store is still elsewhere.
    import_->Start(document_.DataFolder(), {document_.CurrentCompanyName()});
}

void CMainFrame::OnChangePassword()
{
    ChangePassword(this);
}

void CMainFrame::OnCompanyDataPath()
{
    const QString chosen = QFileDialog::getExistingDirectory(this, QStringLiteral("Company Data Path"),
                                                             document_.DataFolder(), QFileDialog::ShowDirsOnly);
    if (chosen.isEmpty())
        return;
    // A folder that can't be written would lose the open company at the end.
    QTemporaryFile probe(QDir(chosen).filePath(QStringLiteral("formlark-XXXXXX")));
    if (!QFileInfo(chosen).isDir() || !probe.open()) {
        AppPrompt().Tell(QStringLiteral("The folder \"%1\" can't be used for the company files: Formlark can't "
                                        "write into it.")
                             .arg(QDir::toNativeSeparators(chosen)),
                         PromptIcon::Exclamation);
        return;
    }
    document_.SetDataFolder(QDir(chosen).absolutePath() + u'/');
    AppPrompt().Tell(QStringLiteral("From now on the company files are kept in \"%1\". The open company's file "
                                    "moves there when you close Formlark.")
                         .arg(QDir::toNativeSeparators(document_.DataFolder())),
                     PromptIcon::Information);
    UpdateCommandStates();
}

void CMainFrame::OnHelp()
{
    ShowHelpPage(QString());
}

void CMainFrame::OnScreenHelp()
{
    CFormView* view = AsFormView(View(current_));
    if (view && view->ShowQuickHelp())
        return;
    ShowHelpPage(QLatin1String(HelpTopicOf(current_)));
}

void CMainFrame::ShowHelpPage(const QString& topic)
{
    if (!help_)
        help_ = std::make_unique<CHelpWindow>();
    help_->ShowTopic(topic);
}

void CMainFrame::OnWebPage()
{
    // Opened like the welcome screen's links, with the same failure message.
    OpenHyperlink(QUrl(QLatin1String(MakerLinks::kProgramPage)));
}

void CMainFrame::OnOnlineUpdate()
{
    AppPrompt().Tell(QStringLiteral("Formlark (2005) version 2.0.71 has no online update: it never connects to "
                                    "the Internet by itself.\n\nA newer version is installed by building it from "
                                    "its source, as its README describes."),
                     PromptIcon::Information);
}

void CMainFrame::OnAbout()
{
    CAboutDialog about(this);
    about.exec();
}

// ---- end ----

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (!document_.SaveModified()) {
        event->ignore();
        return;
    }
    RunEnd(document_).CloseDocument();
    event->accept();
}
