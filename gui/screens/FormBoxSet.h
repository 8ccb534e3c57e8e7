#pragma once

#include "core/records/FormBoxes.h"
#include "gui/entry/StoredText.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLineEdit>

#include <vector>

// The entry box of one form box: a CAmountEdit (9 whole digits and the
// box's decimals), a CCharFilterEdit without kForbiddenCommon, a letters
// CCharClassEdit or a QCheckBox; named after the field and announced by
// the label on the form.
QWidget* NewFormBoxWidget(BoxRule rule, const char* name, const char* label, int maxLength, int decimals,
                          QWidget* parent);

// The boxes a form screen has the user type (see FormScreenBoxes) as
// widgets: built from the table, filled from a form record and read back
// into one, which keeps every stored value the user did not change.
template <class Box>
class FormBoxSet {
public:
    using Record = typename Box::FormRecord;

    FormBoxSet(const std::vector<Box>& boxes, QWidget* parent)
        : boxes_(boxes)
    {
        widgets_.reserve(boxes.size());
        for (const Box& box : boxes)
            widgets_.push_back(NewFormBoxWidget(box.rule, box.name, box.label, box.maxLength, box.decimals, parent));
    }

    const std::vector<Box>& Boxes() const { return boxes_; }
    // The widgets in the table's order (the Tab order).
    const std::vector<QWidget*>& Widgets() const { return widgets_; }

    QWidget* Widget(const char* name) const
    {
        for (size_t i = 0; i < boxes_.size(); ++i)
            if (qstrcmp(boxes_[i].name, name) == 0)
                return widgets_[i];
        return nullptr;
    }
    QLineEdit* Edit(const char* name) const { return qobject_cast<QLineEdit*>(Widget(name)); }
    QCheckBox* Check(const char* name) const { return qobject_cast<QCheckBox*>(Widget(name)); }
    // The table entry of a widget, or nullptr.
    const Box* BoxOf(const QWidget* widget) const
    {
        for (size_t i = 0; i < widgets_.size(); ++i)
            if (widgets_[i] == widget)
                return &boxes_[i];
        return nullptr;
    }

    // Shows the form `stored` as the screen shows it (see ShownRecord): every
    // box, including those the user has not changed yet, keeps what is
    // stored until it is changed (see StoredText).
    void Show(const Record& stored)
    {
        stored_ = stored;
        const Record shown = ShownRecord(stored, boxes_);
        for (size_t i = 0; i < boxes_.size(); ++i) {
            const Box& box = boxes_[i];
            if (box.IsText())
                StoredText::Show(static_cast<QLineEdit*>(widgets_[i]), box.Text(shown));
            else
                static_cast<QAbstractButton*>(widgets_[i])->setChecked(shown.*box.flag != 0);
        }
    }

    // The form as the boxes now have it: the stored form with the boxes
    // that were changed since Show (texts cut to their fields). A check box
    // that shows what is stored keeps its stored value.
    Record Read() const
    {
        Record record = stored_;
        for (size_t i = 0; i < boxes_.size(); ++i) {
            const Box& box = boxes_[i];
            if (box.IsText()) {
                const auto* edit = static_cast<const QLineEdit*>(widgets_[i]);
                if (StoredText::Changed(edit))
                    box.set(record, edit->text());
            } else {
                const bool checked = static_cast<const QAbstractButton*>(widgets_[i])->isChecked();
                if (checked != (stored_.*box.flag != 0))
                    record.*box.flag = checked ? 1 : 0;
            }
        }
        return record;
    }

    // Empties every box and unchecks every check box: the form to save is
    // an empty one.
    void Clear()
    {
        stored_ = Record();
        for (size_t i = 0; i < boxes_.size(); ++i) {
            if (boxes_[i].IsText())
                StoredText::Show(static_cast<QLineEdit*>(widgets_[i]), QString());
            else
                static_cast<QAbstractButton*>(widgets_[i])->setChecked(false);
        }
    }

private:
    const std::vector<Box>& boxes_;
    std::vector<QWidget*> widgets_;
    Record stored_;
};
