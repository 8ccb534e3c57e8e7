#pragma once

#include <QString>

// The files that belong to a company store in the data folder, named after
// the store: "Acme.pmt" and, beside it, what the program and the store
// engine keep of it. No file the program writes for the user (a PDF, a CSV
// export) may ever land on one of these names.

inline constexpr char kStoreExtension[] = ".pmt";
inline constexpr char kDeletedExtension[] = ".del"; // appended to the store's name

enum class StoreFileRole {
    Store,   // Acme.pmt
    Deleted, // Acme.pmt.del, a deleted company
    Journal, // Acme.pmt-journal, the engine's rollback journal
    Lock,    // Acme.pmt.lock, the lock file of earlier builds
    // The original kept when a store of the earlier editions is converted:
    // Acme.pmt.2005, or Acme.pmt.2005-2, -3 ... when that name is taken.
    PreviousEditionOriginal,
};

struct StoreFileName {
    StoreFileRole role;
    const char* suffix;    // what follows the company name; starts with the store extension
    bool numberedVariants; // "-" and digits may follow the suffix
    const char* described; // for messages: "a company's store", ...
};

inline constexpr StoreFileName kStoreFileNames[] = {
    {StoreFileRole::Store, ".pmt", false, "a company's store"},
    {StoreFileRole::Deleted, ".pmt.del", false, "a deleted company's store"},
    {StoreFileRole::Journal, ".pmt-journal", false, "the journal of a company's store"},
    {StoreFileRole::Lock, ".pmt.lock", false, "the lock of a company's store"},
    {StoreFileRole::PreviousEditionOriginal, ".pmt.2005", true, "the original of a converted store"},
};

// The entry of the table that `fileName` (a name without folder) matches,
// in any letter case, or nullptr.
const StoreFileName* MatchStoreFileName(const QString& fileName);

// The file of `role` beside the store `storePath` (for numbered roles the
// first, unnumbered name).
QString StoreCompanionPath(const QString& storePath, StoreFileRole role);
