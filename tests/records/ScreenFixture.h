#pragma once

#include "app/GlobalDoc.h"
#include "store/CompanyData.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TestFolders.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

class QAbstractButton;
class QDialog;
class QLineEdit;

// A company store of the test's own, opened in a document the way the
// program opens it, with a scripted prompt. `seed` is written into the new
// store first (its company row with id 1, then its lists).
class ScreenFixture {
public:
    explicit ScreenFixture(const CompanyData& seed = CompanyData());

    // What the store file holds now, read afresh.
    CompanyData Stored() const;

    TestFolders folders;
    ScriptedPrompt prompt;
    CGlobalDoc doc;
    QString path;
    bool ready = false;
};

// Runs `script` on the next modal dialog once the code under test has
// opened it. A dialog the script leaves open is rejected and noted, so a
// wrong result never hangs the test. Nothing runs once the returned guard is
// gone.
struct ModalScript {
    std::unique_ptr<QObject> guard = std::make_unique<QObject>();
    bool shown = false;
    bool leftOpen = false;
};
std::unique_ptr<ModalScript> OnNextModal(std::function<void(QDialog&)> script);

// Types like the keyboard, one key press per character.
void Type(QLineEdit* box, const QString& text);
// Empties a box the way the user does: select all, then Delete (a mask box only deletes to its end).
void Erase(QLineEdit* box);
void Click(QAbstractButton* button);

// The child of `parent` named `name` (QVERIFY-friendly: nullptr if none).
template <class Widget>
Widget* Child(const QWidget* parent, const char* name)
{
    return parent->findChild<Widget*>(QLatin1String(name));
}
