#pragma once

#include <QString>
#include <QStringList>

// The company stores of a data folder: every "*.pmt" file in it is one
// company, named by the file name without the extension. File names are
// compared without regard to case, as the stores were kept on a file system
// that ignores case.

inline constexpr char kStoreExtension[] = ".pmt";
inline constexpr char kDeletedExtension[] = ".del";

// Store file names (or, with stripExtension, company names) of `folder`, in
// the order the file system lists them. Fails (returns false) when the
// folder can't be read or holds no store; `names` keeps what was found.
bool ListCompanyStores(const QString& folder, bool stripExtension, QStringList& names);

// The company a store file names: the file name without its extension.
QString CompanyNameOfStoreFile(const QString& fileName);

// Whether `name` can name a store file in a data folder: not empty, no
// path separator, not "." or "..".
bool IsUsableCompanyName(const QString& name);

// The actual file name of the store of `company` in `folder` (as it is
// spelled on disk), or an empty text when there is none.
QString FindCompanyStoreFile(const QString& folder, const QString& company);

// The data folder as the settings give it ("Company Data Path"), with the
// program's "DatabaseFiles/" folder as the default; always ending in "/".
QString DefaultDataFolder();
QString ReadDataFolder();
QString WithTrailingSeparator(const QString& folder);
