#pragma once

#include "core/store/CompanyData.h"

#include <QString>

// Reads a whole company from the store file `path`, whichever edition
// wrote it: a store of this edition through LoadCompany, one of the earlier
// editions directly (never converted, never written; see
// ReadEarlierStore). Every command that only reads a company reads it so.
struct CompanyFileRead {
    bool read = false;
    bool earlierEdition = false; // the file is a store of the earlier editions
    // Why it was not read: for a store of the earlier editions what to tell
    // the user, naming the file; for one of this edition the store's reason
    // (CompanyStore::LastFailure), empty when it gave none.
    QString problem;
};
CompanyFileRead ReadCompanyFile(const QString& path, CompanyData& data);
