#pragma once

#include "core/records/PersonAndForm.h"
#include "core/store/AmountField.h"
#include "core/store/FixedText.h"

#include <QString>
#include <QStringList>

#include <algorithm>
#include <initializer_list>
#include <type_traits>
#include <vector>

// The boxes of a form (the W-2 with its employee, the 1099-MISC with its
// contractor) as one table: each box names its record field, carries the
// label printed beside it on the form, how the form screen has the user
// type it, the CSV column that holds it, and the checks that look at it.
// The form screens build, fill and read their boxes from the table, the
// CSV import and export read and write their columns through it, and the
// check before filing names its boxes by it.

// How a box is typed on its form screen.
enum class BoxRule {
    Amount,  // money: a signed decimal box, shown in its two-decimal form
    Number,  // a decimal box whose text is kept as typed (the box-12 year)
    Text,    // free text without the characters of kForbiddenCommon
    Letters, // letters only
    Check,   // a check box bound to an int flag (0 / 1)
    Shown,   // the person's: shown on the form, typed in the person's dialog
};

// What a value read from a file must be to go into its box; the same rules
// as typing it there.
enum class CsvValueRule {
    Text,                // free text of at most the field's characters, none of the refused ones
    Ssn,                 // a whole social security number, ###-##-####
    Zip,                 // a ZIP code of 5 or 9 digits, #####-####
    Account,             // up to five digits
    State,               // an entry of the state list
    Amount,              // money: digits, a point and cents, a sign
    SocialSecurityWages, // an amount up to the wage base (W-2 box 3)
    SocialSecurityTax,   // an amount up to the tax on it (W-2 box 4)
    Flag,                // a check box
    Box12Code,           // one letter
    Box12Year,           // two digits
    Ein,                 // a whole employer identification number, ##-#######
    Phone,               // a whole telephone number, (###) ###-####
    KindOfPayer,         // an entry of the W-3's kind-of-payer list
};

// How a box prints on its form, at its point of the form's point table.
enum class BoxPrint {
    None,   // not printed from its row (another row prints it, or nothing does)
    Text,   // its text as stored, even when empty
    Amount, // its amount in its two-decimal form, left off when zero or empty
    Mark,   // a check box: when checked, the mark of the four points from its point
    Joined, // a text made of several boxes (`printed` makes it)
};

// Whose record keeps a box's value.
enum class BoxPart { Person, Form };

// How bad a finding of the check is: an error is what the agencies reject
// or a plainly wrong form; a warning is probably a mistake.
enum class Severity { Error, Warning };

// The form a check rule looks at.
enum class CheckedForm { W2, Form1099, W3, Form1096, W3And1096 };

// What a check rule tests. The first ones test the boxes that list the rule
// in their table, each by its value; a rule of the form as a whole (Form)
// has a test of its own that weighs several boxes or forms.
enum class RuleTest {
    Missing,       // each box: empty (blanks count as empty)
    AllMissing,    // the boxes together: all of them empty
    AnyMissing,    // the boxes together: any of them empty (an address)
    Ssn,           // a social security number the SSA issues, or "Applied For"
    SsnAppliedFor, // "Applied For" in place of the number
    NineDigits,    // nine digits, dashes and blanks between them allowed
    EinPrefix,     // a number whose first two digits begin no EIN the IRS assigned
    ObviousTin,    // nine equal digits or 123456789, which name nobody
    Negative,      // an amount below zero
    Unreadable,    // an amount that does not read as one (kept as stored)
    Enterable,     // a value that its box would not let anyone type (kept as stored)
    State,         // an entry of the state list when not blank
    Form,          // the form as a whole
};

// A rule of the check before filing. Its id never changes, so scripts and
// people can rely on it; the message is one sentence with %1, %2 ... for
// the values it names.
struct CheckRule {
    const char* id;
    Severity severity;
    CheckedForm form;
    RuleTest test;
    const char* message;
};

// Whether a box's list of rule ids (its `checks`) names the rule `id`.
inline bool ListsRule(const std::vector<const char*>& checks, const char* id)
{
    return std::any_of(checks.begin(), checks.end(), [id](const char* listed) { return qstrcmp(listed, id) == 0; });
}

// A box of the transmittal (W-3 or 1096) that adds up the forms: its
// number on the form, its box on the transmittal's screen (object name and
// accessible name) and its point in the transmittal's point table.
struct TransmittalBox {
    int number;
    const char* name;
    const char* label;
    int point;
};

template <class Person, class Form>
struct FormBox {
    using PersonRecord = Person;
    using FormRecord = Form;
    using Row = PersonAndForm<Person, Form>;

    const char* name = nullptr;  // the record field; the screen box's object name
    const char* label = nullptr; // as printed on the form; the screen box's accessible name
    BoxPart part = BoxPart::Form;
    BoxRule rule = BoxRule::Text;
    // Characters the screen box takes (0 = no limit): a Text or Letters box
    // counts all of them, a Number box its whole digits.
    int maxLength = 0;
    int decimals = 2; // Amount and Number: decimal places the screen box takes
    int line = 0;     // the state and local boxes: their line, 1 or 2
    int capacity = 0; // characters the record field keeps (0 for a check box)
    // The CSV column: its header in an export, which is also the first
    // spelling an import recognises, and the others.
    QString csvHeader;
    QStringList csvSpellings;
    CsvValueRule valueRule = CsvValueRule::Text;
    // The ids of the check rules that look at this box.
    std::vector<const char*> checks;
    // The box of the transmittal (W-3 or 1096) whose total this money box
    // adds into (its number in `total`); 0 and nullptr for none.
    int total = 0;
    const TransmittalBox* totalBox = nullptr;
    // For a box-12 amount: the code of its line, which decides whether it
    // adds into its total (see kDeferredCompensationCodes of the W-2's boxes).
    const FixedTextBase& (*totalCode)(const Form&) = nullptr;

    // Where the box prints: its point in the form's point table, moved a
    // further `printDown` (the stepped lines of a box that share a point,
    // a mark that sits lower in its box than its points), and how.
    int point = -1;
    int printDown = 0;
    BoxPrint print = BoxPrint::None;
    QString (*printed)(const Row&) = nullptr; // Joined: the text printed

    // The field of the form record (the form's boxes).
    const FixedTextBase& (*get)(const Form&) = nullptr;
    const AmountField& (*amount)(const Form&) = nullptr; // a money box's value
    void (*set)(Form&, const QString&) = nullptr;        // cuts to the field
    int Form::*flag = nullptr;
    // The field of the person record (the person's boxes).
    const FixedTextBase& (*personGet)(const Person&) = nullptr;
    void (*personSet)(Person&, const QString&) = nullptr;
    int Person::*personFlag = nullptr;

    bool IsText() const { return !flag && !personFlag; }
    // Typed on the form screen.
    bool OnFormScreen() const { return part == BoxPart::Form && rule != BoxRule::Shown; }
    bool Checks(const char* rule) const { return ListsRule(checks, rule); }
    // A form box's text, as stored.
    QString Text(const Form& form) const { return get(form).Text(); }
    // A money box's amount.
    const AmountField& Amount(const Form& form) const { return amount(form); }
    bool IsAmount() const { return amount != nullptr; }
    // A check box of the row: checked.
    bool IsChecked(const Row& row) const
    {
        if (part == BoxPart::Person)
            return personFlag && row.person.*personFlag != 0;
        return flag && row.form.*flag != 0;
    }
    // What the box prints in a row (BoxPrint::Text and Joined).
    QString PrintedText(const Row& row) const { return printed ? printed(row) : Value(row); }
    // Any box's value in a row as a file has it: a check box as "1" or
    // "0", an amount in its two-decimal form (see AmountField::Exported).
    QString Value(const Row& row) const
    {
        if (part == BoxPart::Person)
            return personFlag ? QString::number(row.person.*personFlag) : personGet(row.person).Text();
        if (flag)
            return QString::number(row.form.*flag);
        return amount ? amount(row.form).Exported() : get(row.form).Text();
    }
    // Puts `value` (one that passed its rule) into the row.
    void SetValue(Row& row, const QString& value) const
    {
        if (part == BoxPart::Person) {
            if (personFlag)
                row.person.*personFlag = value.toInt();
            else
                personSet(row.person, value);
        } else if (flag) {
            row.form.*flag = value.toInt();
        } else {
            set(row.form, value);
        }
    }

    // ---- building the table ----
    FormBox Typed(BoxRule r, int length = 0, int places = 2) const
    {
        FormBox box = *this;
        box.rule = r;
        box.maxLength = length;
        box.decimals = places;
        return box;
    }
    FormBox OnLine(int n) const
    {
        FormBox box = *this;
        box.line = n;
        return box;
    }
    FormBox Csv(const char* header, CsvValueRule r, std::initializer_list<const char*> spellings) const
    {
        FormBox box = *this;
        box.csvHeader = QString::fromUtf8(header);
        box.valueRule = r;
        for (const char* spelling : spellings)
            box.csvSpellings << QString::fromUtf8(spelling);
        return box;
    }
    FormBox Totals(const TransmittalBox& transmittalBox) const
    {
        FormBox box = *this;
        box.total = transmittalBox.number;
        box.totalBox = &transmittalBox;
        return box;
    }
    // Prints at `at` as its kind of box prints: an amount, a check box's
    // mark, or its text.
    FormBox PrintsAt(int at, int down = 0) const
    {
        FormBox box = *this;
        box.point = at;
        box.printDown = down;
        box.print = amount ? BoxPrint::Amount : (flag || personFlag) ? BoxPrint::Mark : BoxPrint::Text;
        return box;
    }
    // Prints the text `text` makes of the row at `at`.
    FormBox PrintsJoined(int at, QString (*text)(const Row&)) const
    {
        FormBox box = *this;
        box.point = at;
        box.print = BoxPrint::Joined;
        box.printed = text;
        return box;
    }
    FormBox Checked(std::initializer_list<const char*> ids) const
    {
        FormBox box = *this;
        box.checks.insert(box.checks.end(), ids);
        return box;
    }
};

namespace form_box_detail {
template <class T>
struct MemberOf;
template <class R, class F>
struct MemberOf<F R::*> {
    using Record = R;
    using Field = F;
};
} // namespace form_box_detail

// The box of the field `Member` of the form or the person record of `Box`:
// MakeBox<W2Box, &W2Record::Wages>("Wages", "1 Wages, ..."). A form field
// starts as text typed on the form screen, a person's as shown there; an
// int field is a check box.
template <class Box, auto Member>
Box MakeBox(const char* name, const char* label)
{
    using Record = typename form_box_detail::MemberOf<decltype(Member)>::Record;
    using Field = typename form_box_detail::MemberOf<decltype(Member)>::Field;
    constexpr bool kPerson = std::is_same_v<Record, typename Box::PersonRecord>;
    static_assert(kPerson || std::is_same_v<Record, typename Box::FormRecord>, "a field of the person or the form");
    Box box;
    box.name = name;
    box.label = label;
    box.part = kPerson ? BoxPart::Person : BoxPart::Form;
    box.rule = kPerson ? BoxRule::Shown : BoxRule::Text;
    if constexpr (std::is_same_v<Field, int>) {
        if constexpr (kPerson)
            box.personFlag = Member;
        else
            box.flag = Member;
        if (!kPerson)
            box.rule = BoxRule::Check;
        box.valueRule = CsvValueRule::Flag;
    } else {
        box.capacity = Field::kMaxChars;
        if constexpr (kPerson) {
            box.personGet = [](const Record& r) -> const FixedTextBase& { return r.*Member; };
            box.personSet = [](Record& r, const QString& text) { r.*Member = text; };
        } else {
            box.get = [](const Record& r) -> const FixedTextBase& { return r.*Member; };
            box.set = [](Record& r, const QString& text) { r.*Member = text; };
            if constexpr (std::is_same_v<Field, AmountField>)
                box.amount = [](const Record& r) -> const AmountField& { return r.*Member; };
        }
    }
    return box;
}

// The boxes of `table` the form screen has the user type, in the order Tab
// walks them: the boxes of the form in table order, the state and local
// lines after them, line by line.
template <class Box>
std::vector<Box> FormScreenBoxes(const std::vector<Box>& table)
{
    std::vector<Box> boxes;
    std::copy_if(table.begin(), table.end(), std::back_inserter(boxes),
                 [](const Box& box) { return box.OnFormScreen(); });
    std::stable_sort(boxes.begin(), boxes.end(), [](const Box& a, const Box& b) { return a.line < b.line; });
    return boxes;
}

// The form record as the screen shows it: every amount in its two-decimal
// form (an empty amount shows as 0.00, one that does not read as stored).
// The stored record is not changed.
template <class Box>
typename Box::FormRecord ShownRecord(typename Box::FormRecord record, const std::vector<Box>& boxes)
{
    for (const Box& box : boxes)
        if (box.IsAmount())
            box.set(record, box.Amount(record).Shown());
    return record;
}

// The box of `name` in the table, or nullptr.
template <class Box>
const Box* FindBox(const std::vector<Box>& boxes, const QString& name)
{
    for (const Box& box : boxes)
        if (name == QLatin1String(box.name))
            return &box;
    return nullptr;
}

// The transmittal boxes the money boxes of `table` add into, each once, in
// the order of the table; after `count` (the number of forms) when given.
template <class Box>
std::vector<const TransmittalBox*> TransmittalBoxes(const std::vector<Box>& table,
                                                    const TransmittalBox* count = nullptr)
{
    std::vector<const TransmittalBox*> totals;
    if (count)
        totals.push_back(count);
    for (const Box& box : table)
        if (box.totalBox && std::find(totals.begin(), totals.end(), box.totalBox) == totals.end())
            totals.push_back(box.totalBox);
    return totals;
}

// The rule of `id` in `rules`, or nullptr.
inline const CheckRule* FindRule(const std::vector<CheckRule>& rules, const char* id)
{
    for (const CheckRule& rule : rules)
        if (qstrcmp(rule.id, id) == 0)
            return &rule;
    return nullptr;
}
