#pragma once

#include "core/document/GlobalDoc.h"
#include "core/store/CompanyData.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TestFolders.h"

#include <QString>

// A company store of the test's own, opened in a document the way the
// program opens it, with a scripted prompt. `seed` is written into the new
// store first (its company row with id 1, then its lists).
class DocumentFixture {
public:
    explicit DocumentFixture(const CompanyData& seed = CompanyData());

    // What the store file holds now, read afresh.
    CompanyData Stored() const;

    TestFolders folders;
    ScriptedPrompt prompt;
    CGlobalDoc doc;
    QString path;
    bool ready = false;
};
