// The rule boxes as the user and the screens meet them: real key, mouse,
// menu, drop and input-method events under the offscreen platform, and
// setText() from other code.

#include "gui/entry/BoxBeep.h"
#include "gui/entry/CharClassEdit.h"
#include "gui/entry/RuleEdit.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

// A box of the kind the screens use, from a short description (see the
// rule tables): "text 5 common", "mask ssn", "amount 9 2", "class 1".
std::unique_ptr<QLineEdit> MakeBox(const QString& spec)
{
    const QStringList words = spec.split(u' ');
    const QString kind = words.value(0);
    if (kind == u"text") {
        const QString set = words.value(2);
        const char* forbidden = set == u"employer" ? kForbiddenEmployerName : kForbiddenCommon;
        return std::make_unique<CCharFilterEdit>(words.value(1).toInt(), QString::fromLatin1(forbidden));
    }
    if (kind == u"mask") {
        const QString name = words.value(1);
        const char* mask = name == u"ssn" ? kMaskSsn : name == u"phone" ? kMaskPhone : kMaskZip;
        return std::make_unique<CDigitMaskEdit>(QString::fromLatin1(mask));
    }
    if (kind == u"amount") {
        auto box = std::make_unique<CAmountEdit>();
        box->SetWholeDigits(words.value(1).toInt());
        box->SetDecimalPlaces(words.value(2).toInt());
        return box;
    }
    return std::make_unique<CCharClassEdit>(quint16(words.value(1).toInt()));
}

// Types text as key events that carry it, for characters QTest cannot
// turn into keys (anything outside Latin-1).
void TypeText(QWidget* box, const QString& text)
{
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(box, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(box, &release);
    }
}

QString Selected(const QLineEdit& box)
{
    return box.selectedText();
}

// The context menu the box pops up for a right click.
QMenu* OpenContextMenu(QLineEdit& box)
{
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), box.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(&box, &event);
    return box.findChild<QMenu*>();
}

void TriggerMenuAction(QLineEdit& box, const QString& name)
{
    QMenu* menu = OpenContextMenu(box);
    QVERIFY(menu);
    QAction* action = menu->findChild<QAction*>(name);
    QVERIFY2(action, qPrintable(name));
    QVERIFY2(action->isEnabled(), qPrintable(name));
    action->trigger();
    menu->close();
    delete menu;
}

void Drop(QLineEdit& box, const QString& text, QPoint at)
{
    QMimeData mime;
    mime.setText(text);
    QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&box, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(at), Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&box, &drop);
    QVERIFY(drop.isAccepted());
    // Never a move: the drag source keeps its text.
    QCOMPARE(drop.dropAction(), Qt::CopyAction);
}

// A box that refuses one more character than its rule does.
class NoXEdit : public CCharFilterEdit {
public:
    bool IsCharAcceptable(QChar c) const override { return c != u'x'; }
};

} // namespace

class RuleEditTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void boxesStartWithTheirDefaults();

    void typing_data();
    void typing();
    void nonLatinCharacters();
    void overAllSelected_data();
    void overAllSelected();
    void fullFilterBoxTypesOver();
    void ssnBackspaceAndDeleteKeys();
    void wordAndLineDeletionInMaskBox();

    void pasteKeys_data();
    void pasteKeys();
    void cutKeys_data();
    void cutKeys();
    void copyKeys_data();
    void copyKeys();
    void undoRedoKeys_data();
    void undoRedoKeys();

    void contextMenuHasItsOwnActions();
    void contextMenuPasteCutDeleteUndo();

    void dropGoesThroughTheRule();
    void inputMethodCommitGoesThroughTheRule();
    void compositionOverSelection();

    void setTextFromOtherCodeIsChecked();
    void setTextSignalsOnlyValidText();
    void settersRecheckTheText();
    void undoNeverRestoresInvalidText();
    void userEditsAreSignalledAsEdits();
    void readOnlyBoxTakesNothing();
    void editingKeysAreNotWindowShortcuts();
    void subclassCanRefuseMoreCharacters();

    void classBoxTyping_data();
    void classBoxTyping();
    void classBoxBadInputCanBeHandled();
    void classBoxPasteAndSetText();
    void classBoxSteps();

private:
    QList<EntryBeep> beeps_;
};

void RuleEditTest::init()
{
    beeps_.clear();
    SetBoxBeepListener([this](EntryBeep kind) { beeps_ << kind; });
    QApplication::clipboard()->clear();
}

void RuleEditTest::cleanup()
{
    SetBoxBeepListener({});
}

void RuleEditTest::boxesStartWithTheirDefaults()
{
    CCharFilterEdit text;
    QCOMPARE(text.MaxLength(), 0);
    QCOMPARE(text.ForbiddenChars(), QString::fromLatin1(kForbiddenCommon));
    CDigitMaskEdit mask;
    QCOMPARE(mask.Mask(), QString());
    CAmountEdit amount;
    QCOMPARE(amount.WholeDigits(), 9);
    QCOMPARE(amount.DecimalPlaces(), 4);
    QVERIFY(amount.NegativeAllowed());
    CCharClassEdit small;
    QCOMPARE(int(small.AllowedClasses()), int(kCharClassLetters));
}

void RuleEditTest::typing_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("beeps");

    QTest::newRow("ssn") << "mask ssn"
                         << "123456789"
                         << "123-45-6789" << 0;
    QTest::newRow("ssn with letters") << "mask ssn"
                                      << "12a3-4"
                                      << "123-4" << 0;
    QTest::newRow("phone") << "mask phone"
                           << "5551234567"
                           << "(555) 123-4567" << 0;
    QTest::newRow("zip") << "mask zip"
                         << "123456789"
                         << "12345-6789" << 0;
    QTest::newRow("apostrophe in common") << "text 30 common"
                                          << "O'Brien"
                                          << "OBrien" << 1;
    QTest::newRow("apostrophe in employer name") << "text 30 employer"
                                                 << "O'Brien"
                                                 << "O'Brien" << 0;
    QTest::newRow("slash in employer name") << "text 30 employer"
                                            << "A/B"
                                            << "AB" << 1;
    QTest::newRow("slash in common") << "text 30 common"
                                     << "A/B"
                                     << "A/B" << 0;
    QTest::newRow("filter limit") << "text 5 common"
                                  << "abcdefg"
                                  << "abcde" << 0;
    QTest::newRow("amount") << "amount 9 2"
                            << "12,345.678"
                            << "12345.67" << 0;
    QTest::newRow("amount sign") << "amount 9 2"
                                 << "12-"
                                 << "-12" << 0;
    QTest::newRow("amount no negatives") << "amount -9 2"
                                         << "-12"
                                         << "12" << 0;
}

void RuleEditTest::typing()
{
    QFETCH(QString, box);
    QFETCH(QString, keys);
    QFETCH(QString, expected);
    QFETCH(int, beeps);
    auto edit = MakeBox(box);
    QTest::keyClicks(edit.get(), keys);
    QCOMPARE(edit->text(), expected);
    QCOMPARE(beeps_.size(), beeps);
}

void RuleEditTest::nonLatinCharacters()
{
    // Letters beyond Latin-1 go into text boxes; mask and amount boxes take
    // only ASCII digits.
    CCharFilterEdit name(5, QString::fromLatin1(kForbiddenCommon));
    TypeText(&name, QStringLiteral("Núñez!")); // five characters fill the box
    QCOMPARE(name.text(), QStringLiteral("Núñez"));
    name.setText(QStringLiteral("Łódź"));
    QCOMPARE(name.text(), QStringLiteral("Łódź"));
    TypeText(&name, QStringLiteral("\U0001F600")); // outside the BMP: no text
    QCOMPARE(name.text(), QStringLiteral("Łódź"));

    CDigitMaskEdit ssn(QString::fromLatin1(kMaskSsn));
    TypeText(&ssn, QStringLiteral("١٢٣1"));
    QCOMPARE(ssn.text(), QStringLiteral("1"));
    CAmountEdit amount;
    TypeText(&amount, QStringLiteral("٣٫5"));
    QCOMPARE(amount.text(), QStringLiteral("5"));
}

// Ctrl+A, then typing, pasting or an input method's commit: what goes in
// replaces the whole text, and the rule applies to the result as in an
// empty box (a full box never types over one character at a time).
void RuleEditTest::overAllSelected_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("route");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");

    const struct {
        const char* name;
        const char* box;
        const char* text;
        const char* input;
        const char* expected;
    } cases[] = {
        {"full amount", "amount 9 2", "123456789.00", "500", "500"},
        {"amount, decimals cut", "amount 9 2", "123456789.00", "41000.125", "41000.12"},
        {"print offset", "amount -2 2", "12.45", "0.5", "0.5"},
        {"full ssn", "mask ssn", "123-45-6789", "98765", "987-65"},
        {"full text", "text 14 common", "ABCDEFGHIJKLMN", "Xy", "Xy"},
        {"full text, refused character", "text 14 common", "ABCDEFGHIJKLMN", "X%y", "Xy"},
    };
    for (const auto& c : cases)
        for (const char* route : {"type", "paste", "commit"})
            QTest::addRow("%s, %s", c.name, route) << c.box << c.text << route << c.input << c.expected;
}

void RuleEditTest::overAllSelected()
{
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(QString, route);
    QFETCH(QString, input);
    QFETCH(QString, expected);
    auto edit = MakeBox(box);
    edit->setText(text);
    QCOMPARE(edit->text(), text);
    edit->setCursorPosition(2);
    QTest::keyClick(edit.get(), Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(Selected(*edit), text);
    if (route == u"type") {
        QTest::keyClicks(edit.get(), input);
    } else if (route == u"paste") {
        QApplication::clipboard()->setText(input);
        QTest::keyClick(edit.get(), Qt::Key_V, Qt::ControlModifier);
    } else {
        QInputMethodEvent commit;
        commit.setCommitString(input);
        QApplication::sendEvent(edit.get(), &commit);
    }
    QCOMPARE(edit->text(), expected);
    // One step undoes it all.
    QTest::keyClick(edit.get(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(edit->text(), text);
}

void RuleEditTest::fullFilterBoxTypesOver()
{
    CCharFilterEdit box(20, QString::fromLatin1(kForbiddenCommon));
    box.setText(QStringLiteral("abcdefghijklmnopqrst"));
    box.setCursorPosition(3);
    QTest::keyClick(&box, 'X');
    QCOMPARE(box.text(), QStringLiteral("abcXefghijklmnopqrst"));
    QCOMPARE(box.cursorPosition(), 4);

    box.end(false);
    QTest::keyClick(&box, 'Y');
    QCOMPARE(box.text(), QStringLiteral("abcXefghijklmnopqrst"));
    QVERIFY(beeps_.isEmpty());

    QTest::keyClick(&box, Qt::Key_Backspace);
    QCOMPARE(box.text(), QStringLiteral("abcXefghijklmnopqrs"));
}

void RuleEditTest::ssnBackspaceAndDeleteKeys()
{
    CDigitMaskEdit box(QString::fromLatin1(kMaskSsn));
    box.setText(QStringLiteral("123-45-6789"));

    box.setCursorPosition(3);
    QTest::keyClick(&box, Qt::Key_Delete);
    QCOMPARE(box.text(), QStringLiteral("123-45-6789"));
    QTest::keyClick(&box, Qt::Key_Backspace);
    QCOMPARE(box.text(), QStringLiteral("123-45-6789"));
    QCOMPARE(box.cursorPosition(), 2);

    box.setCursorPosition(10);
    QTest::keyClick(&box, Qt::Key_Delete);
    QCOMPARE(box.text(), QStringLiteral("123-45-678"));

    // A digit typed on the literal steps over it.
    box.setText(QStringLiteral("123-45-6789"));
    box.setCursorPosition(3);
    QTest::keyClick(&box, '7');
    QCOMPARE(box.text(), QStringLiteral("123-75-6789"));
    QCOMPARE(box.cursorPosition(), 5);
}

void RuleEditTest::wordAndLineDeletionInMaskBox()
{
    CDigitMaskEdit box(QString::fromLatin1(kMaskSsn));
    box.setText(QStringLiteral("123-45-6789"));
    box.setCursorPosition(6);
    QTest::keyClick(&box, Qt::Key_Backspace, Qt::ControlModifier);
    QCOMPARE(box.text(), QStringLiteral("123-45-6789")); // not the tail: refused
    QCOMPARE(box.cursorPosition(), 6);

    box.end(false);
    QTest::keyClick(&box, Qt::Key_Backspace, Qt::ControlModifier);
    QCOMPARE(box.text(), QStringLiteral("123-45-"));

    box.setCursorPosition(1);
    QTest::keyClick(&box, Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(box.text(), QStringLiteral("123-45-"));
}

void RuleEditTest::pasteKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("Ctrl+V") << int(Qt::Key_V) << int(Qt::ControlModifier);
    QTest::newRow("Shift+Insert") << int(Qt::Key_Insert) << int(Qt::ShiftModifier);
}

void RuleEditTest::pasteKeys()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    CCharFilterEdit box;
    box.setText(QStringLiteral("xyz"));
    box.setSelection(1, 2);
    QApplication::clipboard()->setText(QStringLiteral("a%b"));
    QTest::keyClick(&box, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    // The selection goes, then the forbidden character; the caret stays
    // where the paste began.
    QCOMPARE(box.text(), QStringLiteral("xab"));
    QCOMPARE(Selected(box), QString());
    QCOMPARE(box.cursorPosition(), 1);
    QVERIFY(beeps_.isEmpty());

    // A paste that fits leaves the caret after it.
    box.end(false);
    QApplication::clipboard()->setText(QStringLiteral("cd"));
    QTest::keyClick(&box, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(box.text(), QStringLiteral("xabcd"));
    QCOMPARE(box.cursorPosition(), 5);

    CAmountEdit amount;
    amount.SetDecimalPlaces(2);
    QApplication::clipboard()->setText(QStringLiteral("$12,345.678"));
    QTest::keyClick(&amount, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(amount.text(), QStringLiteral("12345.67"));
}

void RuleEditTest::cutKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("Ctrl+X") << int(Qt::Key_X) << int(Qt::ControlModifier);
    QTest::newRow("Shift+Delete") << int(Qt::Key_Delete) << int(Qt::ShiftModifier);
}

void RuleEditTest::cutKeys()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    CDigitMaskEdit box(QString::fromLatin1(kMaskSsn));
    box.setText(QStringLiteral("123-45-6789"));

    // In the middle: copied, not deleted.
    box.setSelection(4, 2);
    QTest::keyClick(&box, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("45"));
    QCOMPARE(box.text(), QStringLiteral("123-45-6789"));

    // At the tail: copied and deleted.
    box.setSelection(7, 4);
    QTest::keyClick(&box, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("6789"));
    QCOMPARE(box.text(), QStringLiteral("123-45-"));

    CCharFilterEdit text;
    text.setText(QStringLiteral("abcd"));
    text.setSelection(1, 2);
    QTest::keyClick(&text, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("bc"));
    QCOMPARE(text.text(), QStringLiteral("ad"));
}

void RuleEditTest::copyKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("Ctrl+C") << int(Qt::Key_C) << int(Qt::ControlModifier);
    QTest::newRow("Ctrl+Insert") << int(Qt::Key_Insert) << int(Qt::ControlModifier);
}

void RuleEditTest::copyKeys()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    CDigitMaskEdit box(QString::fromLatin1(kMaskSsn));
    box.setText(QStringLiteral("123-45-6789"));
    box.setSelection(4, 2);
    QTest::keyClick(&box, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("45"));
    QCOMPARE(box.text(), QStringLiteral("123-45-6789"));
}

void RuleEditTest::undoRedoKeys_data()
{
    QTest::addColumn<int>("undoKey");
    QTest::addColumn<int>("undoModifiers");
    QTest::addColumn<int>("redoKey");
    QTest::addColumn<int>("redoModifiers");
    QTest::newRow("Ctrl+Z, Ctrl+Y") << int(Qt::Key_Z) << int(Qt::ControlModifier) << int(Qt::Key_Y)
                                    << int(Qt::ControlModifier);
    QTest::newRow("Alt+Backspace, Ctrl+Shift+Z") << int(Qt::Key_Backspace) << int(Qt::AltModifier) << int(Qt::Key_Z)
                                                 << int(Qt::ControlModifier | Qt::ShiftModifier);
}

void RuleEditTest::undoRedoKeys()
{
    QFETCH(int, undoKey);
    QFETCH(int, undoModifiers);
    QFETCH(int, redoKey);
    QFETCH(int, redoModifiers);
    CDigitMaskEdit box(QString::fromLatin1(kMaskSsn));
    QTest::keyClicks(&box, QStringLiteral("123"));
    QApplication::clipboard()->setText(QStringLiteral("45"));
    QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(box.text(), QStringLiteral("123-45"));
    box.end(false);
    QTest::keyClick(&box, Qt::Key_Backspace);
    QTest::keyClick(&box, Qt::Key_Backspace);
    QCOMPARE(box.text(), QStringLiteral("123-"));

    // The Backspace run, the paste, then the typing run.
    QTest::keyClick(&box, Qt::Key(undoKey), Qt::KeyboardModifiers(undoModifiers));
    QCOMPARE(box.text(), QStringLiteral("123-45"));
    QTest::keyClick(&box, Qt::Key(undoKey), Qt::KeyboardModifiers(undoModifiers));
    QCOMPARE(box.text(), QStringLiteral("123"));
    QCOMPARE(box.cursorPosition(), 3);
    QTest::keyClick(&box, Qt::Key(undoKey), Qt::KeyboardModifiers(undoModifiers));
    QCOMPARE(box.text(), QString());
    QTest::keyClick(&box, Qt::Key(undoKey), Qt::KeyboardModifiers(undoModifiers));
    QCOMPARE(box.text(), QString());

    QTest::keyClick(&box, Qt::Key(redoKey), Qt::KeyboardModifiers(redoModifiers));
    QCOMPARE(box.text(), QStringLiteral("123"));
    QTest::keyClick(&box, Qt::Key(redoKey), Qt::KeyboardModifiers(redoModifiers));
    QTest::keyClick(&box, Qt::Key(redoKey), Qt::KeyboardModifiers(redoModifiers));
    QCOMPARE(box.text(), QStringLiteral("123-"));
    QTest::keyClick(&box, Qt::Key(redoKey), Qt::KeyboardModifiers(redoModifiers));
    QCOMPARE(box.text(), QStringLiteral("123-"));
}

void RuleEditTest::contextMenuHasItsOwnActions()
{
    CCharFilterEdit box;
    box.setText(QStringLiteral("abc"));
    QMenu* menu = OpenContextMenu(box);
    QVERIFY(menu);
    QStringList names;
    for (QAction* action : menu->actions()) {
        if (!action->isSeparator())
            names << action->objectName();
    }
    QCOMPARE(names, (QStringList{"edit-undo", "edit-redo", "edit-cut", "edit-copy", "edit-paste", "edit-delete",
                                 "select-all"}));
    menu->close();
    delete menu;
}

void RuleEditTest::contextMenuPasteCutDeleteUndo()
{
    CCharFilterEdit box;
    box.setText(QStringLiteral("xyz"));
    box.setSelection(1, 2);
    QApplication::clipboard()->setText(QStringLiteral("a%b"));
    TriggerMenuAction(box, QStringLiteral("edit-paste"));
    QCOMPARE(box.text(), QStringLiteral("xab"));
    QCOMPARE(box.cursorPosition(), 1);

    box.setSelection(1, 2);
    TriggerMenuAction(box, QStringLiteral("edit-delete"));
    QCOMPARE(box.text(), QStringLiteral("x"));
    TriggerMenuAction(box, QStringLiteral("edit-undo"));
    QCOMPARE(box.text(), QStringLiteral("xab"));
    TriggerMenuAction(box, QStringLiteral("edit-redo"));
    QCOMPARE(box.text(), QStringLiteral("x"));

    CDigitMaskEdit ssn(QString::fromLatin1(kMaskSsn));
    ssn.setText(QStringLiteral("123-45-6789"));
    ssn.setSelection(4, 2);
    TriggerMenuAction(ssn, QStringLiteral("edit-cut"));
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("45"));
    QCOMPARE(ssn.text(), QStringLiteral("123-45-6789"));
    TriggerMenuAction(ssn, QStringLiteral("edit-delete"));
    QCOMPARE(ssn.text(), QStringLiteral("123-45-6789"));

    ssn.clear();
    QApplication::clipboard()->setText(QStringLiteral("555-12-3456 x"));
    TriggerMenuAction(ssn, QStringLiteral("edit-paste"));
    QCOMPARE(ssn.text(), QStringLiteral("555-12-3456"));
}

void RuleEditTest::dropGoesThroughTheRule()
{
    CAmountEdit amount;
    amount.SetDecimalPlaces(2);
    amount.resize(200, 24);
    Drop(amount, QStringLiteral("12,345.678"), QPoint(100, 12));
    QCOMPARE(amount.text(), QStringLiteral("12345.67"));

    CCharFilterEdit text(5, QString::fromLatin1(kForbiddenCommon));
    text.resize(200, 24);
    text.setText(QStringLiteral("ab"));
    Drop(text, QStringLiteral("c%def\nghi"), QPoint(190, 12)); // after the text
    QCOMPARE(text.text(), QStringLiteral("abcd"));
    // The drop is an edit of the box's own: it can be undone.
    QTest::keyClick(&text, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(text.text(), QStringLiteral("ab"));

    CDigitMaskEdit ssn(QString::fromLatin1(kMaskSsn));
    ssn.resize(200, 24);
    Drop(ssn, QStringLiteral("123456789"), QPoint(100, 12));
    QCOMPARE(ssn.text(), QStringLiteral("123-45-6789"));
}

void RuleEditTest::inputMethodCommitGoesThroughTheRule()
{
    CCharFilterEdit name(20, QString::fromLatin1(kForbiddenCommon));
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("Núñez"));
    QApplication::sendEvent(&name, &commit);
    QCOMPARE(name.text(), QStringLiteral("Núñez"));

    QInputMethodEvent forbidden;
    forbidden.setCommitString(QStringLiteral("'s"));
    QApplication::sendEvent(&name, &forbidden);
    QCOMPARE(name.text(), QStringLiteral("Núñezs"));
    QCOMPARE(beeps_, QList<EntryBeep>{EntryBeep::Exclamation});

    CDigitMaskEdit ssn(QString::fromLatin1(kMaskSsn));
    QInputMethodEvent digits;
    digits.setCommitString(QStringLiteral("12a34"));
    QApplication::sendEvent(&ssn, &digits);
    QCOMPARE(ssn.text(), QStringLiteral("123-4"));

    // A commit that replaces text before the caret replaces through the rule.
    CCharFilterEdit box;
    box.setText(QStringLiteral("abc"));
    QInputMethodEvent replace;
    replace.setCommitString(QStringLiteral("X%"), -1, 1);
    QApplication::sendEvent(&box, &replace);
    QCOMPARE(box.text(), QStringLiteral("abX"));
}

void RuleEditTest::compositionOverSelection()
{
    CDigitMaskEdit ssn(QString::fromLatin1(kMaskSsn));
    ssn.setText(QStringLiteral("123-45-6789"));
    ssn.setSelection(4, 2);
    // The composition shows, but does not remove the selected digits...
    QInputMethodEvent preedit(QStringLiteral("9"), {});
    QApplication::sendEvent(&ssn, &preedit);
    QCOMPARE(ssn.text(), QStringLiteral("123-45-6789"));
    // ...and its commit types over the first of them, as a typed digit would.
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("9"));
    QApplication::sendEvent(&ssn, &commit);
    QCOMPARE(ssn.text(), QStringLiteral("123-95-6789"));

    CCharFilterEdit text;
    text.setText(QStringLiteral("abc"));
    text.setSelection(1, 1);
    QInputMethodEvent start(QStringLiteral("x"), {});
    QApplication::sendEvent(&text, &start);
    QInputMethodEvent cancel(QString(), {});
    QApplication::sendEvent(&text, &cancel);
    QCOMPARE(text.text(), QStringLiteral("abc"));
    QCOMPARE(Selected(text), QStringLiteral("b"));
}

void RuleEditTest::setTextFromOtherCodeIsChecked()
{
    // Through a plain QLineEdit pointer: setText() is not virtual.
    CDigitMaskEdit phone(QString::fromLatin1(kMaskPhone));
    QLineEdit* asLineEdit = &phone;
    asLineEdit->setText(QStringLiteral("5551234567"));
    QCOMPARE(phone.text(), QStringLiteral("(555) 123-4567"));
    asLineEdit->setText(QStringLiteral("555-123-4567"));
    QCOMPARE(phone.text(), QStringLiteral("(555"));

    CCharFilterEdit name(5, QString::fromLatin1(kForbiddenCommon));
    QLineEdit* nameAsLineEdit = &name;
    nameAsLineEdit->setText(QStringLiteral("ab%cdef"));
    QCOMPARE(name.text(), QStringLiteral("abcd"));
    nameAsLineEdit->insert(QStringLiteral("%xyz")); // QLineEdit's own insert: cut to five, then stripped
    QCOMPARE(name.text(), QStringLiteral("abcd"));
    name.insert(QStringLiteral("x%")); // the box's insert is a paste
    QCOMPARE(name.text(), QStringLiteral("abcdx"));

    CAmountEdit amount;
    amount.setText(QStringLiteral("1234567890.123456"));
    QCOMPARE(amount.text(), QStringLiteral("123456789.1234"));
}

void RuleEditTest::setTextSignalsOnlyValidText()
{
    CDigitMaskEdit ssn(QString::fromLatin1(kMaskSsn));
    QSignalSpy changed(&ssn, &QLineEdit::textChanged);
    ssn.setText(QStringLiteral("123456789"));
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed.at(0).at(0).toString(), QStringLiteral("123-45-6789"));
}

void RuleEditTest::settersRecheckTheText()
{
    CAmountEdit amount;
    amount.setText(QStringLiteral("-123.4567"));
    amount.SetDecimalPlaces(2);
    QCOMPARE(amount.text(), QStringLiteral("-123.45"));
    amount.SetWholeDigits(-2);
    QCOMPARE(amount.text(), QStringLiteral("12.45"));
    amount.SetWholeDigits(2);
    QTest::keyClick(&amount, '-');
    QCOMPARE(amount.text(), QStringLiteral("-12.45"));
    amount.SetNegativeAllowed(false);
    QCOMPARE(amount.text(), QStringLiteral("12.45"));

    CCharFilterEdit text;
    text.setText(QStringLiteral("a/b|c"));
    text.SetForbiddenChars(QString::fromLatin1(kForbiddenNewCompany));
    QCOMPARE(text.text(), QStringLiteral("abc"));
    text.SetMaxLength(2);
    QCOMPARE(text.text(), QStringLiteral("ab"));

    CDigitMaskEdit mask;
    mask.setText(QStringLiteral("123456789"));
    QCOMPARE(mask.text(), QStringLiteral("123456789"));
    mask.SetMask(QString::fromLatin1(kMaskEin));
    QCOMPARE(mask.text(), QStringLiteral("12-3456789"));
}

void RuleEditTest::undoNeverRestoresInvalidText()
{
    CCharFilterEdit box;
    QTest::keyClicks(&box, QStringLiteral("abcdef"));
    box.SetMaxLength(3);
    QCOMPARE(box.text(), QStringLiteral("abc"));
    // The box's own history is gone with the owner's change...
    QTest::keyClick(&box, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(box.text(), QStringLiteral("abc"));
    // ...and QLineEdit's own undo has nothing to bring back either.
    static_cast<QLineEdit&>(box).undo();
    QCOMPARE(box.text(), QStringLiteral("abc"));

    // Edits after the change undo to valid texts only.
    box.SetMaxLength(0);
    QTest::keyClicks(&box, QStringLiteral("de"));
    box.SetMaxLength(4);
    QCOMPARE(box.text(), QStringLiteral("abcd"));
    QTest::keyClick(&box, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(box.text().size() <= 4);
}

void RuleEditTest::userEditsAreSignalledAsEdits()
{
    CDigitMaskEdit ssn(QString::fromLatin1(kMaskSsn));
    QSignalSpy edited(&ssn, &QLineEdit::textEdited);
    ssn.setText(QStringLiteral("12"));
    QCOMPARE(edited.size(), 0);
    QVERIFY(!ssn.isModified());

    QTest::keyClick(&ssn, '3');
    QTest::keyClick(&ssn, '4');
    QCOMPARE(edited.size(), 2);
    QCOMPARE(edited.last().at(0).toString(), QStringLiteral("123-4"));
    QVERIFY(ssn.isModified());

    // A refused key is no edit.
    QTest::keyClick(&ssn, 'x');
    QCOMPARE(edited.size(), 2);
}

void RuleEditTest::readOnlyBoxTakesNothing()
{
    CCharFilterEdit box;
    box.setText(QStringLiteral("abc"));
    box.setReadOnly(true);
    QTest::keyClicks(&box, QStringLiteral("xyz"));
    QTest::keyClick(&box, Qt::Key_Backspace);
    QApplication::clipboard()->setText(QStringLiteral("p"));
    QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
    box.selectAll();
    QTest::keyClick(&box, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(box.text(), QStringLiteral("abc"));

    QMimeData mime;
    mime.setText(QStringLiteral("dropped"));
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&box, &enter);
    QVERIFY(!enter.isAccepted());
}

void RuleEditTest::editingKeysAreNotWindowShortcuts()
{
    CCharFilterEdit box;
    const QList<QPair<int, Qt::KeyboardModifiers>> keys = {
        {Qt::Key_Backspace, Qt::AltModifier}, {Qt::Key_Y, Qt::ControlModifier},
        {Qt::Key_Insert, Qt::ShiftModifier},  {Qt::Key_Insert, Qt::ControlModifier},
        {Qt::Key_Delete, Qt::ShiftModifier},  {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier},
    };
    for (const auto& [key, modifiers] : keys) {
        QKeyEvent override(QEvent::ShortcutOverride, key, modifiers);
        override.ignore();
        QApplication::sendEvent(&box, &override);
        QVERIFY2(override.isAccepted(), qPrintable(QKeySequence(key | modifiers).toString()));
    }
    // A key the box has no use for stays with the window.
    QKeyEvent function(QEvent::ShortcutOverride, Qt::Key_F5, Qt::NoModifier);
    function.ignore();
    QApplication::sendEvent(&box, &function);
    QVERIFY(!function.isAccepted());
}

void RuleEditTest::subclassCanRefuseMoreCharacters()
{
    NoXEdit box;
    QTest::keyClicks(&box, QStringLiteral("axb"));
    QCOMPARE(box.text(), QStringLiteral("ab"));
    QApplication::clipboard()->setText(QStringLiteral("xyx"));
    QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(box.text(), QStringLiteral("aby"));
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("zx"));
    QApplication::sendEvent(&box, &commit);
    QCOMPARE(box.text(), QStringLiteral("abyz"));
}

void RuleEditTest::classBoxTyping_data()
{
    QTest::addColumn<int>("classes");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("refused");

    QTest::newRow("letters") << int(kCharClassLetters) << "Ab1-c"
                             << "Abc" << 2;
    QTest::newRow("non-ASCII letters") << int(kCharClassLetters) << "Ñλ"
                                       << "Ñλ" << 0;
    QTest::newRow("digits") << int(kCharClassDigits) << "1a٣ 2"
                            << "1٣2" << 2;
    QTest::newRow("other") << int(kCharClassOther) << "a-1 /"
                           << "- /" << 2;
    QTest::newRow("digits and letters") << int(kCharClassDigits | kCharClassLetters) << "A1-"
                                        << "A1" << 1;
}

void RuleEditTest::classBoxTyping()
{
    QFETCH(int, classes);
    QFETCH(QString, keys);
    QFETCH(QString, expected);
    QFETCH(int, refused);
    CCharClassEdit box(quint16(classes), nullptr);
    QSignalSpy badInput(&box, &CCharClassEdit::BadInput);
    TypeText(&box, keys);
    QCOMPARE(box.text(), expected);
    QCOMPARE(badInput.size(), refused);
    QCOMPARE(beeps_.size(), refused);
    // Backspace is a control character, always allowed.
    QTest::keyClick(&box, Qt::Key_Backspace);
    QCOMPARE(box.text(), expected.chopped(1));
}

void RuleEditTest::classBoxBadInputCanBeHandled()
{
    CCharClassEdit box;
    CCharClassEdit* reported = nullptr;
    connect(&box, &CCharClassEdit::BadInput, this, [&reported](CCharClassEdit* source, bool* handled) {
        reported = source;
        *handled = true;
    });
    QTest::keyClick(&box, '7');
    QCOMPARE(reported, &box);
    QVERIFY(beeps_.isEmpty());
    QCOMPARE(box.text(), QString());
}

void RuleEditTest::classBoxPasteAndSetText()
{
    CCharClassEdit box;
    QApplication::clipboard()->setText(QStringLiteral("a1b-2c"));
    QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(box.text(), QStringLiteral("abc"));
    box.setText(QStringLiteral("X9Y"));
    QCOMPARE(box.text(), QStringLiteral("XY"));
    box.SetAllowedClasses(kCharClassDigits);
    QCOMPARE(box.text(), QString());
}

void RuleEditTest::classBoxSteps()
{
    CCharClassEdit box(kCharClassDigits);
    QSignalSpy badInput(&box, &CCharClassEdit::BadInput);
    box.setText(QStringLiteral("5"));
    box.StepUp();
    QCOMPARE(box.text(), QStringLiteral("6"));
    QCOMPARE(Selected(box), QStringLiteral("6"));
    box.StepDown();
    box.StepDown();
    QCOMPARE(box.text(), QStringLiteral("4"));

    box.setText(QStringLiteral("0"));
    box.StepDown();
    QCOMPARE(box.text(), QStringLiteral("0"));
    QCOMPARE(badInput.size(), 1);
    box.setText(QStringLiteral("32767"));
    box.StepUp();
    QCOMPARE(box.text(), QStringLiteral("32767"));
    QCOMPARE(Selected(box), QStringLiteral("32767"));
    box.clear();
    box.StepUp();
    QCOMPARE(box.text(), QString());
    QCOMPARE(badInput.size(), 3);
    QCOMPARE(beeps_.size(), 3);
}

FORMLARK_TEST_MAIN(RuleEditTest)
#include "RuleEditTest.moc"
