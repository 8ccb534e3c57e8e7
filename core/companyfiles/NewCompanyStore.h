#pragma once

#include <QString>
#include <QStringList>

// A new company, as Company > New and `formlark new-company` make it: a
// store of its own in the data folder, named after the company, with its
// company row holding the name as the employer name. A company of that
// name in any letter case is never made twice nor written over.

// The characters a company's name holds: those of its employer name.
inline constexpr int kCompanyNameCharacters = 30;

// Why `name` can't name a new company, or empty when it can: it is empty
// (or blanks), longer than kCompanyNameCharacters, holds a character the
// New Company box refuses (kForbiddenNewCompany) or a control character,
// or can't name a file.
QString NewCompanyNameRefusal(const QString& name);

struct NewCompanyStore {
    enum class Result {
        Created,   // storeFile is the new store
        Exists,    // storeFile is the store of the company of that name
        Ambiguous, // several stores differ from the name in letter case only: candidates
        Failed,    // the store could not be written
    };
    Result result = Result::Failed;
    QString storeFile; // the file name in the folder, as spelt on disk
    QStringList candidates;
};

// Makes the store of the new company `name` (one NewCompanyNameRefusal
// does not refuse) in the data folder `folder`, written whole before it
// takes the company's name.
NewCompanyStore CreateCompanyStore(const QString& folder, const QString& name);

namespace NewCompanyMessages {
inline constexpr char kEmpty[] = "a company needs a name";
inline constexpr char kTooLong[] = "the name \"%1\" is longer than the %2 characters of an employer name";
inline constexpr char kRefusedCharacter[] = "the name \"%1\" holds the character %2, which a company name can't hold";
inline constexpr char kUnusable[] = "the name \"%1\" can't name a company file (only dots or blanks)";
} // namespace NewCompanyMessages
