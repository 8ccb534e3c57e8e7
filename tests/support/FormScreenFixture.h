#pragma once

#include "core/document/GlobalDoc.h"
#include "core/navigation/Navigation.h"
#include "tests/support/DocumentFixture.h"
#include "tests/support/RefreshCounter.h"
#include "tests/support/ScreenTesting.h"
#include "tests/support/WidgetDriving.h"

#include <QLineEdit>
#include <QTest>

// The screens of one form kind as the main window has them: the owners'
// list (whose display order the form screen follows), the summary form
// and the form screen, each in its role with the document, and a counter
// of the document's refreshes in a role the test does not otherwise use.
// The form screen is shown and active.
template <class OwnerList, class Summary, class FormScreen>
struct FormScreenFixture {
    struct Roles {
        Screen owners, summary, form, counter;
    };

    FormScreenFixture(DocumentFixture& fixture, Roles roles)
        : fixture(fixture)
        , doc(fixture.doc)
        , owners(doc)
        , summary(doc)
        , form(doc)
    {
        doc.SetView(roles.owners, &owners);
        doc.SetView(roles.summary, &summary);
        doc.SetView(roles.form, &form);
        doc.SetView(roles.counter, &refreshes);
        form.SetOwnerOrder(&owners.ListOrder());
        doc.RefreshViews();
        refreshes.count = 0;
        form.resize(1200, 900);
        form.show();
        form.activateWindow();
        active = QTest::qWaitForWindowActive(&form);
    }
    ~FormScreenFixture() { CloseBalloons(); }

    QLineEdit* Box(const char* name) const { return form.Box(name); }
    QString Text(const char* name) const { return Box(name)->text(); }

    // Types into a box as the user does and leaves it with Tab.
    void TypeAndLeave(const char* name, const QString& text) const
    {
        QLineEdit* box = Box(name);
        Erase(box);
        Type(box, text);
        QTest::keyClick(box, Qt::Key_Tab);
    }

    DocumentFixture& fixture;
    CGlobalDoc& doc;
    OwnerList owners;
    Summary summary;
    FormScreen form;
    RefreshCounter refreshes;
    bool active = false;
};
