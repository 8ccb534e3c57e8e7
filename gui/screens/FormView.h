#pragma once

#include "core/document/DocumentView.h"

#include <QWidget>

class CGlobalDoc;
class QAbstractButton;
class QLayout;
class QScrollArea;

// A screen of the main window's right pane: shows part of the open company
// and is told when the main window switches to it or away from it.
class CFormView : public QWidget, public DocumentView {
    Q_OBJECT

public:
    explicit CFormView(CGlobalDoc& document, QWidget* parent = nullptr);
    ~CFormView() override;

    void RefreshFromDocument(CGlobalDoc&) override { }
    // The main window has just shown this view.
    virtual void OnViewShown() { }
    // Another view is taking this one's place.
    virtual void OnViewHidden() { }
    // The button that prints what the screen shows (the window's Ctrl+P),
    // if the screen prints.
    virtual QAbstractButton* PrintCommand() const { return nullptr; }
    // F1 on the screen: shows the screen's quick help and returns true, or
    // returns false when it has none (the help page is for it then).
    virtual bool ShowQuickHelp() { return false; }
    // The screen scrolls itself (see SetScrolledPage); the main window puts
    // every other screen in a scroll area.
    bool ScrollsItself() const { return scroll_ != nullptr; }

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

    // Lays the screen out as one scrolled page, `commands` above `form`: in
    // a small window nothing is squeezed or cut, one set of scroll bars
    // moves both, and the widget that takes the focus is scrolled into view.
    void SetScrolledPage(QLayout* commands, QWidget* form);
    // Scrolls the page so that `widget` (on it) shows whole.
    void ScrollIntoView(QWidget* widget);

    CGlobalDoc& document_;

private:
    QScrollArea* scroll_ = nullptr;
    QMetaObject::Connection followFocus_;
};
