#include "gui/check/CheckFormsCommand.h"

#include "gui/controls/ColorButton.h"
#include "gui/screens/FormView.h"

CColorButton* NewCheckFormsButton(CFormView& view)
{
    auto* button = new CColorButton(QString::fromUtf8(kCheckFormsCaption), &view);
    button->setObjectName(QStringLiteral("CheckForms"));
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, &view, &CFormView::checkFormsRequested);
    return button;
}
