#pragma once

#include "gui/records/StateComboBox.h"
#include "gui/entry/RuleEdit.h"
#include "gui/entry/StoredText.h"

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
        StoredText::Show(firstName, record.FirstName);
        StoredText::Show(middleName, record.MiddleName);
        StoredText::Show(lastName, record.LastName);
        StoredText::Show(address1, record.Address1);
        StoredText::Show(address2, record.Address2);
        StoredText::Show(city, record.City);
        state->SelectState(record.State);
        StoredText::Show(zip, record.Zip);
    }

    // Into `record`, which holds what was shown: the boxes the user changed.
    template <class Record>
    void Read(Record& record) const
    {
        record.FirstName = StoredText::Kept(firstName, record.FirstName);
        record.MiddleName = StoredText::Kept(middleName, record.MiddleName);
        record.LastName = StoredText::Kept(lastName, record.LastName);
        record.Address1 = StoredText::Kept(address1, record.Address1);
        record.Address2 = StoredText::Kept(address2, record.Address2);
        record.City = StoredText::Kept(city, record.City);
        record.State = state->KeptState();
        record.Zip = StoredText::Kept(zip, record.Zip);
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
