#pragma once

#include "core/store/StoreFileNames.h"

#include <QFileInfo>
#include <QString>
#include <QStringList>

// The company stores of a data folder: every "*.pmt" file in it is one
// company, named by the file name without the extension. File names are
// compared without regard to case, as the stores were kept on a file system
// that ignores case.

// The most characters a company's name keeps: its store file's name must
// fit the file systems' 255 bytes and the name the earlier editions allowed.
inline constexpr int kCompanyNameCapacity = 259;

// Whether `a` and `b` name the same file (as absolute paths).
bool SameFile(const QString& a, const QString& b);

// Whether `file` is a store of the data folder `folder` (links resolved).
bool IsStoreOfFolder(const QFileInfo& file, const QString& folder);

// Store file names (or, with stripExtension, company names) of `folder`, in
// the order the file system lists them. Fails (returns false) when the
// folder can't be read or holds no store; `names` keeps what was found.
bool ListCompanyStores(const QString& folder, bool stripExtension, QStringList& names);

// The company a store file names: the file name without its extension.
QString CompanyNameOfStoreFile(const QString& fileName);

// The company a file brought into the data folder becomes, by its file
// name: without the store's extension, or the name of a store's companion
// file ("Acme.pmt.2005"), or another file extension ("Old Bakery.dat" is
// the company "Old Bakery"). A name without an extension stays whole.
QString CompanyNameOfFile(const QString& fileName);

// Whether `name` can name a store file in a data folder: not empty nor only
// blanks, no path separator or NUL, not "." or "..".
bool IsUsableCompanyName(const QString& name);

// The store files of `folder` whose company is `company` in any letter
// case (the one spelt exactly first). More than one means the name alone
// does not say which company is meant.
QStringList CompanyStoreCandidates(const QString& folder, const QString& company);

// The actual file name of the store of `company` in `folder` (as it is
// spelled on disk): the one spelt exactly as asked, else the only one that
// differs in letter case. Empty when there is none, and when several
// differ only in case and none is spelt exactly (see
// CompanyStoreCandidates); two such stores are never mixed up.
QString FindCompanyStoreFile(const QString& folder, const QString& company);

// What to tell the user about the company file `path` that can't be read,
// with `reason` (StoreFileProblem, CompanyStore::LastFailure):
// "The company file "..." could not be read: it is empty."
QString UnreadableStoreMessage(const QString& path, const QString& reason);

// What to tell the user when `company` fits several stores in letter case
// only: the name and the candidates, and how to choose.
QString AmbiguousCompanyMessage(const QString& company, const QStringList& candidates);

// Another store file of `folder` that is the very file `storePath` is (a
// hard link: a second name of one store), or empty. The engine keeps its
// journal by name, so a store written under two names could be rolled back
// from the wrong one after a crash.
QString OtherNameOfStore(const QString& folder, const QString& storePath);
// Every such other name, in name order.
QStringList OtherNamesOfStore(const QString& folder, const QString& storePath);

// The per-user data folder of an installed program:
// $XDG_DATA_HOME/Brindlecove/Formlark (2005)/DatabaseFiles/ (default
// ~/.local/share/...), ending in "/".
QString UserDataFolder();

// The data folder when the settings name none: the program folder's
// "DatabaseFiles/" when the program keeps its stores there (it is not
// installed, and the folder, or the program folder for a missing one, is
// writable, or the folder holds companies already), else UserDataFolder().
// Looks only; changes nothing.
QString DefaultDataFolder();

// Why no company of the data folder `folder` can be changed: the folder
// can't be written (neither a store's journal nor a new store can be made
// in it), as one message naming the folder; empty when it can be written
// (or does not exist).
QString DataFolderWriteProblem(const QString& folder);

// The data folder for a run: "Company Data Path" of the settings, with
// DefaultDataFolder() as the default; always ending in "/". An installed
// program never keeps stores in its own folder, whatever the settings say.
// When the folder is UserDataFolder(), it is created, and when it holds no
// store yet, the program folder's "Sample Company" is copied into it.
QString ReadDataFolder();

// Copies the program folder's "Sample Company" store into `folder` when
// that holds no store; never over an existing file, and whole or not at
// all. Creates the folder. Returns whether the folder now holds a store.
bool ProvideSampleCompany(const QString& folder);
QString WithTrailingSeparator(const QString& folder);
