#include "gui/entry/CharClassEdit.h"

#include "gui/entry/BoxBeep.h"
#include "gui/entry/EditKeys.h"
#include "gui/entry/TextGuard.h"

#include <QKeyEvent>

CCharClassEdit::CCharClassEdit(QWidget* parent)
    : CCharClassEdit(kCharClassLetters, parent)
{
}

CCharClassEdit::CCharClassEdit(quint16 allowedClasses, QWidget* parent)
    : QLineEdit(parent)
    , allowed_(allowedClasses)
{
    setValidator(new TextGuard([this](const QString& text) { return KeepAllowedClasses(text, allowed_); }, this));
}

void CCharClassEdit::SetAllowedClasses(quint16 allowedClasses)
{
    if (allowedClasses == allowed_)
        return;
    allowed_ = allowedClasses;
    const QString kept = KeepAllowedClasses(text(), allowed_);
    if (kept != text())
        setText(kept);
}

void CCharClassEdit::keyPressEvent(QKeyEvent* event)
{
    if (!isReadOnly() && ClassifyEditKey(event) == EditKey::Typing) {
        for (QChar c : event->text()) {
            if (!IsCharClassAllowed(allowed_, c)) {
                event->accept();
                RefuseInput();
                return;
            }
        }
    }
    QLineEdit::keyPressEvent(event);
}

void CCharClassEdit::StepUp()
{
    Step(+1);
}

void CCharClassEdit::StepDown()
{
    Step(-1);
}

void CCharClassEdit::Step(int delta)
{
    setFocus(Qt::OtherFocusReason);
    if (const std::optional<int> value = SteppedValue(text(), delta))
        setText(QString::number(*value));
    else
        RefuseInput();
    selectAll();
}

void CCharClassEdit::RefuseInput()
{
    bool handled = false;
    emit BadInput(this, &handled);
    if (!handled)
        SoundBoxBeep(EntryBeep::Default);
}
