#pragma once

#include "core/document/DocumentView.h"

#include <QWidget>

class CGlobalDoc;

// A screen of the main window's right pane: shows part of the open company
// and is told when the main window switches to it or away from it.
class CFormView : public QWidget, public DocumentView {
    Q_OBJECT

public:
    explicit CFormView(CGlobalDoc& document, QWidget* parent = nullptr);

    void RefreshFromDocument(CGlobalDoc&) override {}
    // The main window has just shown this view.
    virtual void OnViewShown() {}
    // Another view is taking this one's place.
    virtual void OnViewHidden() {}
signals:
    // Asks the main window to show the screen of a navigation index.
    void navigateRequested(int index);
    // Asks the main window for the check of the company's forms.
    void checkFormsRequested();

protected:
    // Coming up in a company without the owners of this screen's forms
    // (employees, contractors): says `message`, then asks for the owners'
    // screen (navigation index `ownersScreenIndex`). False when that screen
    // took this one's place.
    bool SendToOwnersScreen(const char* message, int ownersScreenIndex);

    CGlobalDoc& document_;
};
