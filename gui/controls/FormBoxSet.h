#pragma once

#include "core/records/FormBoxes.h"

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
// into one.
template <class Box>
class FormBoxSet {
public:
    using Record = typename Box::FormRecord;

    FormBoxSet(const std::vector<Box>& boxes, QWidget* parent)
        : boxes_(boxes)
    {
        widgets_.reserve(boxes.size());
        for (const Box& box : boxes)
            widgets_.push_back(
                NewFormBoxWidget(box.rule, box.name, box.label, box.maxLength, box.decimals, parent));
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

    void Show(const Record& record) const
    {
        for (size_t i = 0; i < boxes_.size(); ++i) {
            const Box& box = boxes_[i];
            if (box.IsText())
                static_cast<QLineEdit*>(widgets_[i])->setText(box.Text(record));
            else
                static_cast<QAbstractButton*>(widgets_[i])->setChecked(record.*box.flag != 0);
        }
    }

    // A new record with every box as it stands (texts cut to their fields).
    Record Read() const
    {
        Record record;
        for (size_t i = 0; i < boxes_.size(); ++i) {
            const Box& box = boxes_[i];
            if (box.IsText())
                box.set(record, static_cast<QLineEdit*>(widgets_[i])->text());
            else
                record.*box.flag = static_cast<QAbstractButton*>(widgets_[i])->isChecked() ? 1 : 0;
        }
        return record;
    }

    // Empties every box and unchecks every check box.
    void Clear() const { Show(Record()); }

private:
    const std::vector<Box>& boxes_;
    std::vector<QWidget*> widgets_;
};
