#pragma once

#include <QString>
#include <QStringList>

class CGlobalDoc;
class CompanyDialogs;

// The commands of the Company menu on the company files of the data folder:
// New, Open, Delete and Save, and opening a company file named on the
// command line (the file manager's "Open with"), with the conversion of a
// store of the earlier editions. Each works through the document, which
// opens the company chosen.
class CompanyCommands {
public:
    explicit CompanyCommands(CGlobalDoc& document);

    void OnNewCompany(CompanyDialogs& dialogs);
    void OnOpenCompany(CompanyDialogs& dialogs);
    void OnDeleteCompany(CompanyDialogs& dialogs);
    void OnSave();
    // Opens the company store `path` named on the command line (the file
    // manager's "Open with"): a store of the data folder as itself; a file
    // elsewhere is brought into the data folder first, under its own name
    // or, when that can't be used there, a name the user gives, and never
    // over a store. A store of the earlier editions is converted when the
    // user agrees; its original is never changed.
    void OnOpenFile(const QString& path, CompanyDialogs& dialogs);
    // Enabled rule of Delete: the data folder holds a company besides the
    // Sample Company.
    bool CanDeleteCompany();

    // Lists the company stores of `folder` into CompanyNames(); see
    // ListCompanyStores.
    bool EnumerateCompanies(const QString& folder, bool stripExtension);
    const QStringList& CompanyNames() const { return companyNames_; }

private:
    // Brings the company file `source` from outside the data folder in as
    // company `name`: converted or copied. Returns the new store, or an
    // empty text when nothing was brought in.
    QString BringIntoDataFolder(const QString& source, const QString& name);
    // Makes the store `path` of the data folder the open company, or tells
    // the user why it can't be read and keeps the open one (false).
    bool OpenStore(const QString& path);
    bool AskSaveChangesFirst();

    CGlobalDoc& document_;
    QStringList companyNames_;
};
