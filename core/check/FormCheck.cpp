#include "core/check/FormCheck.h"

#include "core/contractor/Form1099Boxes.h"
#include "core/import/CsvValue.h"
#include "core/records/CompanyBoxes.h"
#include "core/records/KindOfPayer.h"
#include "core/records/PersonKey.h"
#include "core/records/StateTable.h"
#include "core/store/AmountText.h"
#include "core/store/RecordLookup.h"
#include "core/wage/W2Boxes.h"

#include <QHash>

#include <algorithm>
#include <cstdlib>
#include <optional>

namespace {

bool IsDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool IsBlank(const QString& text)
{
    return text.trimmed().isEmpty();
}

// Nine digits, with dashes and blanks between them allowed.
bool HasNineDigits(const QString& text)
{
    const QString key = PersonKey(text);
    return key.size() == 9 && std::all_of(key.begin(), key.end(), IsDigit);
}

QString Cents(qint64 cents)
{
    return FormatAmountCents(cents);
}

// A rule's message with its values in place of %1, %2 ...
QString Say(const CheckRule& rule, const QStringList& values = {})
{
    const QString message = QString::fromUtf8(rule.message);
    QString said;
    said.reserve(message.size() + 32);
    for (qsizetype i = 0; i < message.size(); ++i) {
        const QChar c = message.at(i);
        if (c == u'%' && i + 1 < message.size() && IsDigit(message.at(i + 1))) {
            const int n = message.at(i + 1).unicode() - u'1';
            if (n >= 0 && n < values.size()) {
                said += values[n];
                ++i;
                continue;
            }
        }
        said += c;
    }
    return said;
}

QString PersonName(const QString& first, const QString& last)
{
    return (first.trimmed() + u' ' + last.trimmed()).trimmed();
}

// The part of an address or a contact a box holds, as a finding names it.
QString PartName(const char* field)
{
    static const QHash<QString, QString> parts = {
        {QStringLiteral("Address1"), QStringLiteral("street")},
        {QStringLiteral("City"), QStringLiteral("city")},
        {QStringLiteral("State"), QStringLiteral("state")},
        {QStringLiteral("Zip"), QStringLiteral("ZIP code")},
        {QStringLiteral("FormW3ContactName"), QStringLiteral("person")},
        {QStringLiteral("Form1096ContactName"), QStringLiteral("person")},
        {QStringLiteral("FormW3Telephone"), QStringLiteral("telephone number")},
        {QStringLiteral("Form1096Telephone"), QStringLiteral("telephone number")},
    };
    return parts.value(QLatin1String(field));
}

// "street, city and ZIP code".
QString Enumerate(const QStringList& parts)
{
    if (parts.size() <= 1)
        return parts.join(QString());
    return QStringList(parts.mid(0, parts.size() - 1)).join(QStringLiteral(", ")) + QStringLiteral(" and ")
        + parts.last();
}

// The findings of one check, with the counts.
class Findings {
public:
    explicit Findings(CheckScope scope)
        : scope_(scope)
    {
    }

    CheckScope Scope() const { return scope_; }

    bool Wanted(CheckedForm form) const
    {
        switch (scope_) {
        case CheckScope::All:
            return true;
        case CheckScope::W2:
            return form == CheckedForm::W2 || form == CheckedForm::W3 || form == CheckedForm::W3And1096;
        case CheckScope::Form1099:
            return form == CheckedForm::Form1099 || form == CheckedForm::Form1096
                || form == CheckedForm::W3And1096;
        }
        return true;
    }

    void Add(FormFinding finding)
    {
        if (!Wanted(finding.rule->form))
            return;
        ++(finding.IsError() ? result_.errors : result_.warnings);
        result_.findings.push_back(std::move(finding));
    }

    FormCheckResult Take() { return std::move(result_); }

private:
    CheckScope scope_;
    FormCheckResult result_;
};

// Who a finding is about.
struct Subject {
    QString person;
    QString tin;
    int ownerId = -1;
};

// The text boxes whose values the enterable test looks at: those without
// a check of their own form (social security numbers, states, box 12
// codes, amounts), and only boxes somebody types.
template <class Person, class Form>
bool TakesEnterableTest(const FormBox<Person, Form>& box)
{
    if (!box.IsText() || box.IsAmount() || box.csvHeader.isEmpty())
        return false;
    switch (box.valueRule) {
    case CsvValueRule::Text:
    case CsvValueRule::Zip:
    case CsvValueRule::Account:
    case CsvValueRule::Box12Year:
        return true;
    default:
        return false;
    }
}

bool TakesEnterableTest(const CompanyBox& box)
{
    return box.IsText() && !box.amount && (box.entry == CompanyEntry::Text || box.entry == CompanyEntry::Mask);
}

// Why a box would not take its stored value, or an empty text. A box of a
// form takes what a file may bring into it (the same rules as typing).
template <class Person, class Form>
QString Refusal(const FormBox<Person, Form>& box, const QString& value)
{
    return value.isEmpty() ? QString() : CheckCsvValue(box.valueRule, box.capacity, value).problem;
}

QString Refusal(const CompanyBox& box, const QString& value)
{
    const QString why = box.Refusal(value);
    return why.isEmpty() ? why : QStringLiteral("\"%1\" has %2").arg(value, why);
}

// The checks of single boxes that a box table lists: each (box, rule) pair
// of a box-value test, and the rules that weigh several boxes at once with
// the boxes that list them.
template <class Box>
struct BoxRules {
    struct Pair {
        const Box* box;
        const CheckRule* rule;
    };
    std::vector<Pair> single;                                   // Missing, Ssn, NineDigits, Negative, State
    std::vector<std::pair<const CheckRule*, std::vector<const Box*>>> groups; // AllMissing, AnyMissing

    BoxRules(const std::vector<Box>& boxes, const std::vector<CheckRule>& rules)
    {
        for (const CheckRule& rule : rules) {
            std::vector<const Box*> listing;
            for (const Box& box : boxes)
                if (ListsRule(box.checks, rule.id) || (rule.test == RuleTest::Enterable && TakesEnterableTest(box)))
                    listing.push_back(&box);
            if (rule.test == RuleTest::AllMissing || rule.test == RuleTest::AnyMissing)
                groups.push_back({&rule, listing});
            else if (rule.test != RuleTest::Form)
                for (const Box* box : listing)
                    single.push_back({box, &rule});
        }
    }
};

// A box's value as the check looks at it: its text, and for a money box
// the amount it was read as.
struct CheckedValue {
    QString text;
    const AmountField* amount = nullptr;
};

// What a box-value test finds in `checked`: the message, or nothing.
std::optional<QString> TestValue(const CheckRule& rule, const char* field, const CheckedValue& checked)
{
    const QString& value = checked.text;
    switch (rule.test) {
    case RuleTest::Missing:
        if (IsBlank(value))
            return Say(rule, {PartName(field)});
        break;
    case RuleTest::Ssn:
        if (!IsBlank(value))
            if (const QString problem = SsnProblem(value); !problem.isEmpty())
                return Say(rule, {value, problem});
        break;
    case RuleTest::NineDigits:
        if (!IsBlank(value) && !HasNineDigits(value))
            return Say(rule, {value});
        break;
    case RuleTest::Negative:
        if (checked.amount && checked.amount->Cents() < 0)
            return Say(rule, {value});
        break;
    case RuleTest::Unreadable:
        if (checked.amount && !checked.amount->IsReadable())
            return Say(rule, {value});
        break;
    case RuleTest::State:
        if (!IsBlank(value) && !IsListedState(value.trimmed()))
            return Say(rule, {value});
        break;
    case RuleTest::AllMissing:
    case RuleTest::AnyMissing:
    case RuleTest::Enterable:
    case RuleTest::Form:
        break;
    }
    return std::nullopt;
}

// Runs the box tests of `rules` over the boxes of one record, whose value
// `valueOf` gives. `make` turns (rule, box, message) into a finding.
template <class Box, class ValueOf, class Make>
void TestBoxes(const BoxRules<Box>& rules, const ValueOf& valueOf, const Make& make, Findings& findings)
{
    for (const auto& pair : rules.single) {
        if (pair.rule->test == RuleTest::Enterable) {
            if (const QString why = Refusal(*pair.box, valueOf(*pair.box).text); !why.isEmpty())
                findings.Add(make(*pair.rule, *pair.box, Say(*pair.rule, {why})));
            continue;
        }
        if (std::optional<QString> message = TestValue(*pair.rule, pair.box->name, valueOf(*pair.box)))
            findings.Add(make(*pair.rule, *pair.box, *message));
    }
    for (const auto& [rule, boxes] : rules.groups) {
        const Box* first = nullptr;
        QStringList missing;
        int empty = 0;
        for (const Box* box : boxes) {
            if (!IsBlank(valueOf(*box).text)) {
                continue;
            }
            ++empty;
            if (!first)
                first = box;
            missing << PartName(box->name);
        }
        const bool found = rule->test == RuleTest::AllMissing ? empty == int(boxes.size()) && empty > 0 : empty > 0;
        if (found)
            findings.Add(make(*rule, *first, Say(*rule, {Enumerate(missing)})));
    }
}

// ---- the company ----

const BoxRules<CompanyBox>& CompanyRules()
{
    static const BoxRules<CompanyBox> rules(CompanyBoxes(), CompanyCheckRules());
    return rules;
}

CheckedValue CompanyValue(const CompanyRecord& company, const CompanyBox& box)
{
    if (!box.IsText())
        return {QString::number(company.*box.number)};
    return {box.get(company).Text(), box.amount ? &box.amount(company) : nullptr};
}

void CheckCompany(const CompanyData& data, Findings& findings)
{
    const CompanyRecord& company = data.company;
    const Subject subject{company.EmployerName.Text().trimmed(), company.EmployerIdentificationNumber.Text(), -1};
    auto make = [&subject](const CheckRule& rule, const CompanyBox& box, const QString& message) {
        return FormFinding{&rule, subject.person, subject.tin, box.OneLineLabel(), message, FindingPlace::Company,
                           QLatin1String(box.name), -1};
    };
    // The data of a transmittal that is not filed (no W-2 or no 1099-MISC)
    // doesn't count, nor the employer's when neither is filed.
    const bool w3 = (!data.employees.empty() || !data.w2s.empty()) && findings.Scope() != CheckScope::Form1099;
    const bool form1096 =
        (!data.contractors.empty() || !data.forms1099.empty()) && findings.Scope() != CheckScope::W2;
    Findings own(CheckScope::All);
    TestBoxes(CompanyRules(), [&company](const CompanyBox& box) { return CompanyValue(company, box); }, make, own);
    FormCheckResult found = own.Take();
    for (FormFinding& finding : found.findings) {
        const CheckedForm form = finding.Form();
        if ((form == CheckedForm::W3 && !w3) || (form == CheckedForm::Form1096 && !form1096)
            || (form == CheckedForm::W3And1096 && !w3 && !form1096))
            continue;
        findings.Add(std::move(finding));
    }
    const int kind = company.FormW3RadioKindOfPayer;
    if (w3 && (kind < 0 || kind >= int(kKindOfPayerList.size()))) {
        const CheckRule& rule = *FindRule(CompanyCheckRules(), "w3.kind-of-payer-missing");
        findings.Add(make(rule, *FindCompanyBox(QStringLiteral("FormW3RadioKindOfPayer")), Say(rule)));
    }
}

// ---- forms of people ----

// The people of one form kind with their forms, as the check walks them.
template <class Box>
struct PeopleForms {
    using Person = typename Box::PersonRecord;
    using Form = typename Box::FormRecord;
    using Row = typename Box::Row;

    const std::vector<Person>& people;
    const std::vector<Form>& forms;
    int Person::*personId;
    int Form::*formOwner;
    const char* numberField; // the box of the number that tells the people apart
};

template <class Box>
const Box& BoxNamed(const std::vector<Box>& boxes, const char* name)
{
    return *FindBox(boxes, QLatin1String(name));
}

template <class Box>
FormFinding MakeFinding(const CheckRule& rule, const Subject& subject, const Box* box, const QString& message)
{
    // A form of nobody is mended nowhere; any other, on its screen.
    const FindingPlace place = subject.ownerId >= 0 ? FindingPlace::Form : FindingPlace::Nowhere;
    FormFinding finding{&rule, subject.person, subject.tin, QString(), message, place, QString(), subject.ownerId};
    if (box) {
        finding.box = QLatin1String(box->label);
        finding.field = QLatin1String(box->name);
        finding.place = box->part == BoxPart::Person ? FindingPlace::Person : FindingPlace::Form;
    }
    return finding;
}

// The checks every form of people has: the boxes' own tests, the number
// that two people share, and the forms that belong to nobody. `checkForm`
// adds the rules of the form as a whole.
template <class Box, class CheckForm>
void CheckPeopleForms(const PeopleForms<Box>& kind, const std::vector<Box>& boxes,
                      const std::vector<CheckRule>& rules, const char* duplicateRule, const char* orphanRule,
                      const CheckForm& checkForm, Findings& findings)
{
    static const BoxRules<Box> boxRules(boxes, rules);
    const Box& numberBox = BoxNamed(boxes, kind.numberField);
    const QHash<int, int> formOf = FormIndexByOwner(kind.forms, kind.formOwner);

    // The people of each number; a number two of them share is a finding
    // for each, naming another.
    QHash<QString, std::vector<int>> byNumber;
    byNumber.reserve(qsizetype(kind.people.size()));
    std::vector<QString> keys;
    keys.reserve(kind.people.size());
    for (int i = 0; i < int(kind.people.size()); ++i) {
        keys.push_back(PersonKey(numberBox.personGet(kind.people[size_t(i)]).Text().trimmed()));
        if (!keys.back().isEmpty())
            byNumber[keys.back()].push_back(i);
    }
    const CheckRule& duplicate = *FindRule(rules, duplicateRule);

    std::vector<bool> owned(kind.forms.size(), false);
    const typename Box::FormRecord none{};
    for (int i = 0; i < int(kind.people.size()); ++i) {
        const typename Box::PersonRecord& person = kind.people[size_t(i)];
        const int id = person.*kind.personId;
        const int at = formOf.value(id, -1);
        if (at >= 0)
            owned[size_t(at)] = true;
        const typename Box::Row row{person, at >= 0 ? kind.forms[size_t(at)] : none};
        const Subject subject{PersonName(row.person.FirstName, row.person.LastName),
                              numberBox.personGet(person).Text(), id};
        TestBoxes(
            boxRules,
            [&row](const Box& box) {
                return CheckedValue{box.IsAmount() ? box.Text(row.form) : box.Value(row),
                                    box.IsAmount() ? &box.Amount(row.form) : nullptr};
            },
            [&subject](const CheckRule& rule, const Box& box, const QString& message) {
                return MakeFinding(rule, subject, &box, message);
            },
            findings);
        const QString& key = keys[size_t(i)];
        if (!key.isEmpty()) {
            const std::vector<int>& same = byNumber[key];
            if (same.size() > 1) {
                const int other = same.front() == i ? same[1] : same.front();
                const auto& o = kind.people[size_t(other)];
                findings.Add(MakeFinding(duplicate, subject, &numberBox,
                                         Say(duplicate, {PersonName(o.FirstName, o.LastName)})));
            }
        }
        checkForm(row, subject, findings);
    }

    const CheckRule& orphan = *FindRule(rules, orphanRule);
    for (size_t f = 0; f < kind.forms.size(); ++f)
        if (!owned[f])
            findings.Add(MakeFinding<Box>(orphan, Subject{}, nullptr, Say(orphan)));
}

// Whether every box the screen has the user type is empty: amounts zero,
// texts blank, check boxes clear.
template <class Box>
bool AllScreenBoxesEmpty(const std::vector<Box>& screenBoxes, const typename Box::FormRecord& form)
{
    for (const Box& box : screenBoxes) {
        if (!box.IsText()) {
            if (form.*box.flag != 0)
                return false;
        } else if (box.IsAmount()) {
            if (box.Amount(form).Cents() != 0 || !box.Amount(form).IsReadable())
                return false;
        } else if (!IsBlank(box.Text(form))) {
            return false;
        }
    }
    return true;
}

// ---- the W-2 ----

const CheckRule& W2Rule(const char* id)
{
    return *FindRule(W2CheckRules(), id);
}

void CheckW2Form(const CompanyRecord& company, const EmployeeWithW2& row, const Subject& subject,
                 Findings& findings)
{
    const std::vector<W2Box>& boxes = W2Boxes();
    const W2Record& w = row.form;
    auto box = [&boxes](const char* name) { return &BoxNamed(boxes, name); };
    auto add = [&](const char* id, const char* name, const QStringList& values = {}) {
        const CheckRule& rule = W2Rule(id);
        findings.Add(MakeFinding(rule, subject, name ? box(name) : nullptr, Say(rule, values)));
    };

    if (AllScreenBoxesEmpty(W2ScreenBoxes(), w)) {
        add("w2.empty", nullptr);
        return;
    }

    const qint64 ssWages = w.SocialSecurityWages.Cents() + w.SocialSecurityTips.Cents();
    if (ssWages > kSocialSecurityWageBaseCents)
        add("w2.ss-wage-base", "SocialSecurityWages", {Cents(ssWages)});
    const qint64 ssTax = w.SocialSecurityTaxWithheld.Cents();
    const qint64 ssExpected =
        TaxAtRate(std::min(ssWages, kSocialSecurityWageBaseCents), kSocialSecurityTaxRate);
    if (std::abs(ssTax - ssExpected) > kTaxToleranceCents)
        add("w2.ss-tax-rate", "SocialSecurityTaxWithheld", {Cents(ssTax), Cents(ssExpected)});
    const qint64 medicareWages = w.MedicareWages.Cents();
    const qint64 medicareTax = w.MedicareTaxWithheld.Cents();
    const qint64 medicareExpected = TaxAtRate(medicareWages, kMedicareTaxRate);
    if (std::abs(medicareTax - medicareExpected) > kTaxToleranceCents)
        add("w2.medicare-tax-rate", "MedicareTaxWithheld", {Cents(medicareTax), Cents(medicareExpected)});
    if (medicareWages < ssWages)
        add("w2.medicare-below-ss", "MedicareWages", {Cents(medicareWages), Cents(ssWages)});

    // Box 12: a code and an amount on each line, each code once.
    const FixedTextBase* codes[] = {&w.Field12aCode, &w.Field12bCode, &w.Field12cCode, &w.Field12dCode};
    const AmountField* amounts[] = {&w.Field12aAmount, &w.Field12bAmount, &w.Field12cAmount, &w.Field12dAmount};
    static const char* const codeBoxes[] = {"Field12aCode", "Field12bCode", "Field12cCode", "Field12dCode"};
    static const char* const amountBoxes[] = {"Field12aAmount", "Field12bAmount", "Field12cAmount", "Field12dAmount"};
    static const char* const letters[] = {"a", "b", "c", "d"};
    QString seen;
    for (int l = 0; l < 4; ++l) {
        const QString code = codes[l]->Text().trimmed().toUpper();
        const bool hasAmount = amounts[l]->Cents() != 0 || !amounts[l]->IsReadable();
        if (code.isEmpty()) {
            if (hasAmount)
                add("w2.box12-amount-without-code", amountBoxes[l], {QLatin1String(letters[l])});
            continue;
        }
        if (!hasAmount)
            add("w2.box12-code-without-amount", codeBoxes[l], {QLatin1String(letters[l]), code});
        if (code.size() != 1 || !QLatin1String(kBox12Codes).contains(code.at(0)))
            add("w2.box12-code-invalid", codeBoxes[l], {codes[l]->Text()});
        else if (seen.contains(code))
            add("w2.box12-code-twice", codeBoxes[l], {code});
        seen += code;
    }

    // The state and local lines: line 1 takes the company's state and ID.
    struct Line {
        QString state, stateId;
        const AmountField *stateWages, *stateTax, *localWages, *localTax;
        const FixedText<7>* locality;
        const char *stateBox, *stateIdBox, *localityBox;
    };
    const Line lines[] = {
        {company.State, company.StateID, &w.StateWages1, &w.StateIncomTax1, &w.LocalWages1, &w.LocalIncomeTax1,
         &w.LocalityName1, "State1", "StateID1", "LocalityName1"},
        {w.State2, w.StateID2, &w.StateWages2, &w.StateIncomTax2, &w.LocalWages2, &w.LocalIncomeTax2,
         &w.LocalityName2, "State2", "StateID2", "LocalityName2"},
    };
    for (int n = 1; n <= 2; ++n) {
        const Line& line = lines[n - 1];
        const bool state = line.stateWages->Cents() != 0 || line.stateTax->Cents() != 0;
        const bool local = line.localWages->Cents() != 0 || line.localTax->Cents() != 0;
        // Line 1's state and state ID are mended in the company setup.
        const QString where = n == 1 ? QStringLiteral(" (line 1 shows the company's, from the Company Setup)")
                                     : QString();
        auto addLine = [&](const char* id, const char* boxName, const char* companyField) {
            const CheckRule& rule = W2Rule(id);
            FormFinding finding = MakeFinding(rule, subject, box(boxName), Say(rule, {QString::number(n), where}));
            if (n == 1) {
                finding.place = FindingPlace::Company;
                finding.field = QLatin1String(companyField);
            }
            findings.Add(std::move(finding));
        };
        if ((state || local) && IsBlank(line.state))
            addLine("w2.state-line-no-state", line.stateBox, "State");
        if (state && IsBlank(line.stateId))
            addLine("w2.state-line-no-state-id", line.stateIdBox, "StateID");
        if (local && IsBlank(*line.locality))
            add("w2.local-line-no-locality", line.localityBox, {QString::number(n)});
    }
}

void CheckW2s(const CompanyData& data, Findings& findings)
{
    const PeopleForms<W2Box> kind{data.employees, data.w2s, &EmployeeRecord::EmployeeUniqueID,
                                  &W2Record::EmployeeUniqueID, "SocialSecurityNumber"};
    CheckPeopleForms(
        kind, W2Boxes(), W2CheckRules(), "w2.ssn-duplicate", "w2.no-employee",
        [&data](const EmployeeWithW2& row, const Subject& subject, Findings& f) {
            CheckW2Form(data.company, row, subject, f);
        },
        findings);
}

// ---- the 1099-MISC ----

void Check1099Form(const ContractorWith1099& row, const Subject& subject, Findings& findings)
{
    const std::vector<Form1099Box>& boxes = Form1099Boxes();
    const Form1099Record& f = row.form;
    auto add = [&](const char* id, const char* name, const QStringList& values = {}) {
        const CheckRule& rule = *FindRule(Form1099CheckRules(), id);
        findings.Add(MakeFinding(rule, subject, name ? &BoxNamed(boxes, name) : nullptr, Say(rule, values)));
    };

    bool anyAmount = f.PayerMadeDirectSales != 0;
    for (const Form1099Box& box : Form1099ScreenBoxes())
        anyAmount = anyAmount || (box.IsAmount() && (box.Amount(f).Cents() != 0 || !box.Amount(f).IsReadable()));
    if (!anyAmount) {
        add("1099.empty", nullptr);
        return;
    }

    // Direct sales are reported whatever the amounts.
    bool required = f.PayerMadeDirectSales != 0;
    for (const FilingThreshold& threshold : Form1099FilingThresholds()) {
        const qint64 cents = BoxNamed(boxes, threshold.box).Amount(f).Cents();
        required = required || (cents > 0 && cents >= threshold.cents);
    }
    if (!required)
        add("1099.below-threshold", nullptr);

    const std::pair<std::pair<const AmountField*, const AmountField*>, std::pair<const FixedTextBase*, const char*>>
        lines[] = {
            {{&f.StateTaxWithheld1, &f.StateIncome1}, {&f.PayerStateID1, "PayerStateID1"}},
            {{&f.StateTaxWithheld2, &f.StateIncome2}, {&f.PayerStateID2, "PayerStateID2"}},
        };
    for (int n = 1; n <= 2; ++n) {
        const auto& [amounts, number] = lines[n - 1];
        const bool state = amounts.first->Cents() != 0 || amounts.second->Cents() != 0;
        if (state && IsBlank(*number.first))
            add("1099.state-line-no-state-number", number.second, {QString::number(n)});
    }
}

void Check1099s(const CompanyData& data, Findings& findings)
{
    const PeopleForms<Form1099Box> kind{data.contractors, data.forms1099, &ContractorRecord::ContractorUniqueID,
                                        &Form1099Record::ContractorUniqueID, "IdentificationNumber"};
    CheckPeopleForms(kind, Form1099Boxes(), Form1099CheckRules(), "1099.tin-duplicate", "1099.no-contractor",
                     &Check1099Form, findings);
}

} // namespace

QString SsnProblem(const QString& ssn)
{
    const QString s = ssn.trimmed();
    static const QString kShape = QStringLiteral("it needs nine digits, written as 123-45-6789");
    QString digits;
    if (s.size() == 11 && s.at(3) == u'-' && s.at(6) == u'-')
        digits = s.left(3) + s.mid(4, 2) + s.right(4);
    else
        digits = s;
    if (digits.size() != 9 || !std::all_of(digits.begin(), digits.end(), IsDigit))
        return kShape;
    const int area = digits.left(3).toInt();
    if (area == 0 || area == 666 || area >= 900)
        return QStringLiteral("no number begins with 000, 666 or 900 to 999");
    if (digits.mid(3, 2) == QLatin1String("00"))
        return QStringLiteral("the middle two digits are never 00");
    if (digits.right(4) == QLatin1String("0000"))
        return QStringLiteral("the last four digits are never 0000");
    return QString();
}

FormCheckResult CheckCompanySetup(const CompanyData& data, CheckScope scope)
{
    Findings findings(scope);
    CheckCompany(data, findings);
    return findings.Take();
}

FormCheckResult CheckCompanyForms(const CompanyData& data, CheckScope scope)
{
    Findings findings(scope);
    CheckCompany(data, findings);
    if (scope != CheckScope::Form1099)
        CheckW2s(data, findings);
    if (scope != CheckScope::W2)
        Check1099s(data, findings);
    return findings.Take();
}
