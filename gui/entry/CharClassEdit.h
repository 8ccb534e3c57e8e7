#pragma once

#include "core/entry/CharClasses.h"

#include <QLineEdit>

// A small box that takes characters by class (digits, letters, other; see
// CharClasses.h), letters only to begin with. A refused character, and a
// step that cannot be made, raise BadInput; unless a receiver answers that
// it has dealt with it, the box beeps. Text pasted, dropped, composed or set
// by other code keeps only the allowed classes.
//
// Beside the box may sit up-down arrows: StepUp and StepDown add or take one
// from the number in the box, within 0..32767.
class CCharClassEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit CCharClassEdit(QWidget* parent = nullptr);
    explicit CCharClassEdit(quint16 allowedClasses, QWidget* parent = nullptr);

    quint16 AllowedClasses() const { return allowed_; }
    void SetAllowedClasses(quint16 allowedClasses);

public slots:
    void StepUp();
    void StepDown();

signals:
    // Raised for a refused character or step. A receiver that sets
    // *handled to true keeps the box from beeping. Connect directly (the
    // default within the one user-interface thread): `handled` lives only
    // for the call.
    void BadInput(CCharClassEdit* box, bool* handled);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Step(int delta);
    void RefuseInput();

    quint16 allowed_ = kCharClassLetters;
};
