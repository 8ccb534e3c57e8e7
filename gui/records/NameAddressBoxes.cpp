#include "gui/records/NameAddressBoxes.h"

#include "gui/records/RecordBoxes.h"
#include "gui/records/RecordDialogLayout.h"

#include <QHBoxLayout>

NameAddressBoxes::NameAddressBoxes(QWidget* parent)
    : firstName(NewTextBox("FirstName", 20, parent))
    , middleName(NewTextBox("MiddleName", 2, parent))
    , lastName(NewTextBox("LastName", 20, parent))
    , address1(NewTextBox("Address1", 30, parent))
    , address2(NewTextBox("Address2", 30, parent))
    , city(NewTextBox("City", 20, parent))
    , state(new CStateComboBox(parent))
    , zip(NewMaskBox("Zip", kMaskZip, parent))
{
    state->setObjectName(QStringLiteral("State"));
}

QList<QHBoxLayout*> NameAddressBoxes::Rows(const QString& nameCaption) const
{
    auto* name = new QHBoxLayout;
    AddCaptionedBoxes(name, nameCaption, {firstName, middleName});
    AddCaptionedBox(name, QStringLiteral("Last name"), lastName);
    auto* street1 = new QHBoxLayout;
    AddCaptionedBox(street1, QStringLiteral("Address1"), address1);
    auto* street2 = new QHBoxLayout;
    AddCaptionedBox(street2, QStringLiteral("Address2"), address2);
    auto* place = new QHBoxLayout;
    AddCaptionedBox(place, QStringLiteral("City"), city);
    AddCaptionedBox(place, QStringLiteral("State"), state);
    AddCaptionedBox(place, QStringLiteral("Zip code"), zip);
    return {name, street1, street2, place};
}
