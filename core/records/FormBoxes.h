#pragma once

#include "core/store/AmountText.h"
#include "core/store/FixedText.h"

#include <QString>

#include <vector>

// The boxes of a form screen that the user fills in, as a table: each box
// names its record field, carries the label printed beside it on the form
// (which is also what screen readers announce) and its entry rule. The
// screens build, fill and read their boxes from such a table, so the W-2
// and 1099-MISC screens share one way of doing it.

enum class BoxRule {
    Amount, // money: a signed decimal box, shown in its two-decimal form
    Number, // a decimal box whose text is kept as typed (the box-12 year)
    Text,   // free text without the characters of kForbiddenCommon
    Letters, // letters only
    Check,  // a check box bound to an int flag (0 / 1)
};

template <class Record>
struct FormBox {
    const char* name;  // the record field; the box's object name
    const char* label; // the label on the form; the box's accessible name
    BoxRule rule = BoxRule::Text;
    int maxLength = 0; // Text: characters the box takes (0 = no limit)
    int decimals = 2;  // Amount and Number: decimal places the box takes
    const FixedTextBase& (*get)(const Record&) = nullptr; // text boxes
    void (*set)(Record&, const QString&) = nullptr;       // cuts to the field
    int Record::*flag = nullptr;                          // check boxes

    bool IsText() const { return rule != BoxRule::Check; }
    QString Text(const Record& record) const { return get(record).Text(); }
};

namespace form_box_detail {
template <class T>
struct MemberOf;
template <class R, class F>
struct MemberOf<F R::*> {
    using Record = R;
};
} // namespace form_box_detail

// A text box of the field `Member`: Box<&W2Record::Wages>("Wages", ...).
template <auto Member>
constexpr auto Box(const char* name, const char* label, BoxRule rule, int maxLength = 0, int decimals = 2)
{
    using Record = typename form_box_detail::MemberOf<decltype(Member)>::Record;
    FormBox<Record> box{name, label, rule, maxLength, decimals};
    box.get = [](const Record& r) -> const FixedTextBase& { return r.*Member; };
    box.set = [](Record& r, const QString& text) { r.*Member = text; };
    return box;
}

// A check box of the flag `Member`.
template <class Record>
constexpr FormBox<Record> CheckBox(const char* name, const char* label, int Record::*member)
{
    FormBox<Record> box{name, label, BoxRule::Check};
    box.flag = member;
    return box;
}

// The record as the screen shows it: every amount in its two-decimal form
// (an empty amount shows as 0.00). The stored record is not changed.
template <class Record>
Record ShownRecord(Record record, const std::vector<FormBox<Record>>& boxes)
{
    for (const FormBox<Record>& box : boxes)
        if (box.rule == BoxRule::Amount)
            box.set(record, NormalizeAmountText(box.Text(record)));
    return record;
}

// The box of `name` in the table, or nullptr.
template <class Record>
const FormBox<Record>* FindBox(const std::vector<FormBox<Record>>& boxes, const QString& name)
{
    for (const FormBox<Record>& box : boxes)
        if (name == QLatin1String(box.name))
            return &box;
    return nullptr;
}
