#pragma once

#include "core/records/FormBoxes.h"
#include "core/store/Records.h"

#include <QString>

#include <vector>

// The company's boxes, which the W-3 and the 1096 (and every W-2 and
// 1099-MISC) print: the employer's name, address and numbers, and the
// transmittals' own data. One table says for each its record field, its
// label on the company setup page that holds it, how it is typed there,
// the column that holds it in a company setup file (CSV), and the checks
// that look at it.

enum class CompanyPageKind { General, W3, Form1096 };

// How a company box is typed.
enum class CompanyEntry {
    Text,        // free text of at most maxLength characters, none of `forbidden`
    Mask,        // digits in the shape of `mask`
    Amount,      // money: nine whole digits, twenty decimals
    State,       // an entry of the state list
    KindOfPayer, // an entry of the kind-of-payer list (its position)
    Check,       // a check box
};

struct CompanyBox {
    const char* name;  // the record field; the box's object name
    const char* label; // beside the box on its page (empty: none)
    CompanyPageKind page;
    CompanyEntry entry;
    int maxLength = 0;                                           // Text
    const char* pattern = nullptr;                               // Text: the refused characters; Mask: the mask
    bool gapBefore = false;                                      // the page leaves a gap above the box
    std::vector<const char*> checks;                             // the ids of the rules that look at the box
    const FixedTextBase& (*get)(const CompanyRecord&) = nullptr; // text boxes
    void (*set)(CompanyRecord&, const QString&) = nullptr;
    const AmountField& (*amount)(const CompanyRecord&) = nullptr; // a money box's value
    int CompanyRecord::*number = nullptr;                         // the state list's, kind of payer and check boxes
    int capacity = 0;                                             // text boxes: the characters the record field keeps
    // The column of a company setup file: its header in an export, which
    // is also the first spelling an import recognises, and the others.
    const char* csvHeader = nullptr;
    std::vector<const char*> csvSpellings{};

    bool IsText() const { return get != nullptr; }
    // Why the box would not let anyone type `value` (too long, a refused
    // character, not in the shape of its mask), or an empty text when it
    // would. A stored value of another program may be such a one: it is
    // kept as stored, and the check says so. Amounts, states and choices
    // have checks of their own, and answer empty.
    QString Refusal(const QString& value) const;
    // The label on one line, as a finding names the box.
    QString OneLineLabel() const;

    // What a value of a file must be to go into the box: the rule of the
    // box as it is typed, and at most the characters a text box both takes
    // and keeps (nothing is cut).
    CsvValueRule FileRule() const;
    int FileLength() const;
    // The box's value as a file holds it: the text; a kind of payer as its
    // entry of the list; a check box as 1 or 0. Empty for a number the box
    // can't show (no kind of payer chosen).
    QString FileValue(const CompanyRecord& company) const;
    // Puts `value`, one that passed FileRule(), into the record.
    void SetFileValue(CompanyRecord& company, const QString& value) const;

    // ---- building the table ----
    CompanyBox Csv(const char* header, std::initializer_list<const char*> spellings) const;
};

// Every box of the company setup, page by page in the order of the page.
const std::vector<CompanyBox>& CompanyBoxes();
// The box of field `name`, or nullptr.
const CompanyBox* FindCompanyBox(const QString& name);
// The message when the employer name would be left empty: the company
// setup refuses it.
inline constexpr char kEmptyEmployerName[] = "\"Employer Name\" in the \"General Information\" pane can't be empty!";
// The rules that check the company's data on the W-3 and the 1096.
const std::vector<CheckRule>& CompanyCheckRules();
