#pragma once

#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

class QAbstractButton;
class QDialog;
class QLineEdit;
class QObject;
class QWidget;

// Driving widgets as the user does, for the window tests.

// Runs `script` on the next modal dialog once the code under test has
// opened it. A dialog the script leaves open is rejected and noted, so a
// wrong result never hangs the test. Nothing runs once the returned guard is
// gone (a dialog that never opened).
struct ModalScript {
    std::unique_ptr<QObject> guard;
    bool shown = false;
    bool leftOpen = false;
    ModalScript();
    ~ModalScript();
};
std::unique_ptr<ModalScript> OnNextModal(std::function<void(QDialog&)> script);

// Types like the keyboard, one key press per character (non-ASCII
// characters arrive as text, as an input method delivers them).
void Type(QLineEdit* box, const QString& text);
// Empties a box the way the user does: select all, then Delete.
void Erase(QLineEdit* box);
void Click(QAbstractButton* button);

// The child of `parent` named `name` (QVERIFY-friendly: nullptr if none).
template <class Widget>
Widget* Child(const QWidget* parent, const char* name)
{
    return parent->findChild<Widget*>(QLatin1String(name));
}
