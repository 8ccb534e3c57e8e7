#pragma once

#include "core/document/CompanyCommands.h"
#include "core/navigation/Navigation.h"

#include <QList>
#include <QMainWindow>

#include <array>
#include <memory>
#include <vector>

class CCheckFormsWindow;
class CCsvTransfer;
class QAbstractButton;
class CFormView;
class CGlobalDoc;
class CHelpWindow;
class CPriorYearImport;
class COutBarCtrl;
class CompanyDialogs;
class QAction;
class QKeyEvent;
class QSplitter;
class QStackedWidget;
struct OutBarNotice;

// The main window: the navigation bar in the left pane, one of the nine
// screens in the right pane, the menu bar, the window title of the open
// company, and the start and end of a run.
class CMainFrame : public QMainWindow {
    Q_OBJECT

public:
    // `dialogs` answers the company commands' dialogs (nullptr: the real
    // dialogs of this window).
    explicit CMainFrame(CGlobalDoc& document, CompanyDialogs* dialogs = nullptr, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // The navigation message: with firstArgument 1 shows the screen of
    // `index`; answers as the message does.
    int Navigate(int firstArgument, int index);
    Screen CurrentScreen() const { return current_; }
    // The screen's view, built when first asked for (nullptr for None).
    QWidget* View(Screen screen);
    // Shows the screen (the one shown before is left as on any switch).
    void ShowScreen(Screen screen);
    CGlobalDoc& Document() const { return document_; }
    COutBarCtrl* NavigationBar() const { return bar_; }
    QSplitter* Splitter() const { return splitter_; }

    // After the splash: the password question, then the first screen, then
    // the company file given to open (if any). False when the user
    // cancelled the password (the window closes).
    bool ContinueStartUp();
    // A company file to open once the start is through (the file manager's
    // "Open with", or a file named on the command line).
    void OpenFileAfterStartUp(const QString& path) { fileToOpen_ = path; }
    // Opens the company file `path` (see CompanyCommands::OnOpenFile).
    void OpenFile(const QString& path);
    // Hands the document to every view (after the first company opened).
    void RefreshAllViews();

    // The menu commands, by their command names ("New", "Open", "Save",
    // "Delete", "Print", "Exit", "Go0" to "Go6", "Import", "ImportEmployeesCsv",
    // "ImportContractorsCsv", "ExportEmployeesCsv", "ExportContractorsCsv",
    // "CheckForms", "Password", "DataPath", "Help", "Web", "Update", "About").
    QAction* Command(const QString& name) const;
    // Brings the enabled state of the Company menu up to date.
    void UpdateCommandStates();
    // "Check Forms…": the window with the findings of the check, checked
    // anew and brought to the front (made when first asked for).
    void OnCheckForms();
    CCheckFormsWindow* CheckFormsWindow() const { return check_.get(); }
    // The help page's window, once it was asked for.
    CHelpWindow* HelpWindow() const { return help_.get(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // The command of the Company and Go menus whose key `key` is, if any.
    QAction* CommandForKey(const QKeyEvent* key) const;
    // The Print button of the shown screen, when it has one to press.
    QAbstractButton* PrintButtonShown() const;
    void CreateMenus();
    void CreatePanes();
    // A new view of `screen` (the form screens' owner lists built first).
    QWidget* NewScreen(Screen screen);
    // Builds the view of `screen` with its page, registers it with the
    // document and hands it the company when the others have it.
    void BuildScreen(Screen screen);
    void LayOutPanes();
    void OnBarNotice(const OutBarNotice& notice, bool* answer);
    void MovePaneFocus(int step);

    void OnNewCompany();
    void OnOpenCompany();
    void OnSaveCompany();
    void OnPrint();
    void OnDeleteCompany();
    void OnImport();
    void OnChangePassword();
    void OnCompanyDataPath();
    // The help page from the top (the Help menu).
    void OnHelp();
    // F1: the shown screen's quick help, else its section of the help page.
    void OnScreenHelp();
    void ShowHelpPage(const QString& topic);
    void OnWebPage();
    void OnOnlineUpdate();
    void OnAbout();

    CGlobalDoc& document_;
    CompanyCommands commands_;
    std::unique_ptr<CompanyDialogs> ownDialogs_;
    CompanyDialogs* dialogs_;
    QSplitter* splitter_ = nullptr;
    COutBarCtrl* bar_ = nullptr;
    QStackedWidget* stack_ = nullptr;
    std::array<QWidget*, kScreenCount> views_{};
    std::array<QWidget*, kScreenCount> pages_{}; // what the stack shows for each: the view or its scroll area
    QList<QAction*> keyedCommands_;
    Screen current_ = Screen::Welcome;
    int indexZeroRequests_ = 0;
    bool companyShown_ = false; // the views have been handed a company
    bool paneDividerMoved_ = false;
    CPriorYearImport* import_ = nullptr; // the prior-year import, idle between runs
    std::unique_ptr<CCsvTransfer> csv_;  // the CSV import and export
    // The check of the forms, once asked for: a window of its own, so that
    // this one can come in front of it with the box of a finding.
    std::unique_ptr<CCheckFormsWindow> check_;
    std::unique_ptr<CHelpWindow> help_;
    // The screens' scroll areas following the focus (see FollowFocus).
    std::vector<QMetaObject::Connection> followFocus_;
    QString fileToOpen_;
};
