#pragma once

#include "core/document/DocumentView.h"

// Counts the document's refreshes, registered in a screen's role that the
// test does not otherwise use.
class RefreshCounter : public DocumentView {
public:
    void RefreshFromDocument(CGlobalDoc&) override { ++count; }
    int count = 0;
};
