#pragma once

#include "gui/records/StateComboBox.h"
#include "gui/entry/RuleEdit.h"

#include <QList>
#include <QString>

class QHBoxLayout;
class QWidget;

// The name and address boxes that the employee and contractor dialogs
// share: first name and initial, last name, two address lines, city, state
// and Zip code, with the rules and lengths of their record fields.
class NameAddressBoxes {
public:
    explicit NameAddressBoxes(QWidget* parent);

    // The rows of the block, the name row captioned `nameCaption`.
    QList<QHBoxLayout*> Rows(const QString& nameCaption) const;

    template <class Record>
    void Show(const Record& record) const
    {
        firstName->setText(record.FirstName);
        middleName->setText(record.MiddleName);
        lastName->setText(record.LastName);
        address1->setText(record.Address1);
        address2->setText(record.Address2);
        city->setText(record.City);
        state->SelectState(record.State);
        zip->setText(record.Zip);
    }

    template <class Record>
    void Read(Record& record) const
    {
        record.FirstName = firstName->text();
        record.MiddleName = middleName->text();
        record.LastName = lastName->text();
        record.Address1 = address1->text();
        record.Address2 = address2->text();
        record.City = city->text();
        record.State = state->SelectedState();
        record.Zip = zip->text();
    }

    CCharFilterEdit* firstName;
    CCharFilterEdit* middleName;
    CCharFilterEdit* lastName;
    CCharFilterEdit* address1;
    CCharFilterEdit* address2;
    CCharFilterEdit* city;
    CStateComboBox* state;
    CDigitMaskEdit* zip;
};
