#include "tests/support/WidgetDriving.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QRadioButton>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>

ModalScript::ModalScript()
    : guard(std::make_unique<QObject>())
{
}

ModalScript::~ModalScript() = default;

std::unique_ptr<ModalScript> OnNextModal(std::function<void(QDialog&)> script)
{
    auto state = std::make_unique<ModalScript>();
    ModalScript* s = state.get();
    QTimer::singleShot(0, s->guard.get(), [s, script] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        s->shown = true;
        script(*dialog);
        if (dialog->isVisible()) {
            s->leftOpen = true;
            dialog->reject();
        }
    });
    return state;
}

void Type(QLineEdit* box, const QString& text)
{
    box->setFocus();
    for (QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClick(box, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void Erase(QLineEdit* box)
{
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
}

void Click(QAbstractButton* button)
{
    // A check box or radio button takes clicks on its mark and caption
    // only, which a wide one does not have at its centre.
    if (qobject_cast<QCheckBox*>(button) || qobject_cast<QRadioButton*>(button))
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(std::min(8, button->width() / 2), button->height() / 2));
    else
        QTest::mouseClick(button, Qt::LeftButton);
}
