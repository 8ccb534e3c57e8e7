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
#include <array>
#include <cstdlib>
#include <functional>
#include <optional>
#include <string_view>

namespace {

// The one place the check reads a stored amount: the amount it was read
// as when the company was read (0 for one that does not read as an amount,
// which a rule of its own reports).
qint64 StoredCents(const AmountField& amount)
{
    return amount.Cents();
}

// Whether a money box holds anything: an amount, or a text that does not
// read as one.
bool HoldsAmount(const AmountField& amount)
{
    return amount.Cents() != 0 || !amount.IsReadable();
}

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

// "Applied For" in place of a social security number that has not come
// yet: allowed on a paper Copy A, to be mended by a W-2c.
bool IsAppliedFor(const QString& number)
{
    // Most texts are numbers: the first character tells them apart before
    // anything is copied.
    const auto first = std::find_if(number.begin(), number.end(), [](QChar c) { return !c.isSpace(); });
    if (first == number.end() || first->toUpper() != u'A')
        return false;
    return number.simplified().compare(QLatin1String("Applied For"), Qt::CaseInsensitive) == 0;
}

// The first two digits of an EIN the IRS never assigned by 2005.
constexpr std::array<int, 17> kUnassignedEinPrefixes = {0, 7, 8, 9, 17, 18, 19, 28, 29, 49, 69, 70, 78, 79, 89, 96, 97};

// The prefix of `ein` (written with digits, dashes and blanks) when no EIN
// begins with it, else empty.
QString UnassignedEinPrefix(const QString& ein)
{
    const QString key = PersonKey(ein);
    if (key.size() < 2 || !IsDigit(key.at(0)) || !IsDigit(key.at(1)))
        return QString();
    const int prefix = key.left(2).toInt();
    return std::find(kUnassignedEinPrefixes.begin(), kUnassignedEinPrefixes.end(), prefix)
                   != kUnassignedEinPrefixes.end()
               ? key.left(2)
               : QString();
}

// Nine equal digits or 123456789: numbers that stand in for a missing one.
bool IsObviouslyIncorrectTin(const QString& tin)
{
    const QString key = PersonKey(tin);
    if (key.size() != 9 || !std::all_of(key.begin(), key.end(), IsDigit))
        return false;
    return key == QLatin1String("123456789") || key.count(key.at(0)) == 9;
}

// The position of `caption` in the W-3's kind-of-payer list.
constexpr int KindOfPayerIndex(std::string_view caption)
{
    for (size_t i = 0; i < kKindOfPayerList.size(); ++i)
        if (caption == kKindOfPayerList[i])
            return int(i);
    return -1;
}
constexpr int kHouseholdPayer = KindOfPayerIndex("Hshld. emp.");
constexpr int kMedicareGovernmentPayer = KindOfPayerIndex("Medicare govt. emp.");
// Not a kind of payer but what the W-3's check box beside them says; the
// list keeps it for the stores that chose it.
constexpr int kThirdPartySickPayPayer = KindOfPayerIndex("Third-party sick pay");
static_assert(kHouseholdPayer >= 0 && kMedicareGovernmentPayer >= 0 && kThirdPartySickPayPayer >= 0);

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

// "street, city and ZIP code"; with `conjunction` "or", "941, CT-1 or 943".
QString Enumerate(const QStringList& parts, const char* conjunction = "and")
{
    if (parts.size() <= 1)
        return parts.join(QString());
    return QStringList(parts.mid(0, parts.size() - 1)).join(QStringLiteral(", ")) + u' ' + QLatin1String(conjunction)
           + u' ' + parts.last();
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
            return form == CheckedForm::Form1099 || form == CheckedForm::Form1096 || form == CheckedForm::W3And1096;
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
    std::vector<Pair> single; // Missing, Ssn, NineDigits, Negative, State
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

// A box's stored field as the check looks at it (nullptr for a check box),
// and for a money box the amount it was read as.
struct StoredValue {
    const FixedTextBase* field = nullptr;
    const AmountField* amount = nullptr;
};

// What a box-value test finds in the stored field of the box named
// `field`: the message, or nothing. A check box (no field) has no value to
// test.
std::optional<QString> TestValue(const CheckRule& rule, const char* field, const StoredValue& stored)
{
    if (!stored.field)
        return std::nullopt;
    const QString& value = stored.field->Text();
    switch (rule.test) {
    case RuleTest::Missing:
        if (IsBlank(value))
            return Say(rule, {PartName(field)});
        break;
    case RuleTest::Ssn:
        if (!IsBlank(value) && !IsAppliedFor(value))
            if (const QString problem = SsnProblem(value); !problem.isEmpty())
                return Say(rule, {value, problem});
        break;
    case RuleTest::SsnAppliedFor:
        if (IsAppliedFor(value))
            return Say(rule, {value.simplified()});
        break;
    case RuleTest::NineDigits:
        if (!IsBlank(value) && !HasNineDigits(value))
            return Say(rule, {value});
        break;
    case RuleTest::EinPrefix:
        if (const QString prefix = UnassignedEinPrefix(value); !prefix.isEmpty())
            return Say(rule, {value, prefix});
        break;
    case RuleTest::ObviousTin:
        if (IsObviouslyIncorrectTin(value))
            return Say(rule, {value});
        break;
    case RuleTest::Negative:
        if (stored.amount && StoredCents(*stored.amount) < 0)
            return Say(rule, {value});
        break;
    case RuleTest::Unreadable:
        if (stored.amount && !stored.amount->IsReadable())
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

// Runs the box tests of `rules` over the boxes of one record, whose stored
// field `storedOf` gives (nullptr for a check box). `make` turns (rule,
// box, message) into a finding.
template <class Box, class StoredOf, class Make>
void TestBoxes(const BoxRules<Box>& rules, const StoredOf& storedOf, const Make& make, Findings& findings)
{
    for (const auto& pair : rules.single) {
        const StoredValue stored = storedOf(*pair.box);
        if (pair.rule->test == RuleTest::Enterable) {
            if (const QString why = stored.field ? Refusal(*pair.box, stored.field->Text()) : QString(); !why.isEmpty())
                findings.Add(make(*pair.rule, *pair.box, Say(*pair.rule, {why})));
            continue;
        }
        if (std::optional<QString> message = TestValue(*pair.rule, pair.box->name, stored))
            findings.Add(make(*pair.rule, *pair.box, *message));
    }
    for (const auto& [rule, boxes] : rules.groups) {
        const Box* first = nullptr;
        QStringList missing;
        int empty = 0;
        for (const Box* box : boxes) {
            const FixedTextBase* stored = storedOf(*box).field;
            if (!stored || !IsBlank(stored->Text()))
                continue;
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

void CheckCompany(const CompanyData& data, Findings& findings)
{
    const CompanyRecord& company = data.company;
    const Subject subject{company.EmployerName.Text().trimmed(), company.EmployerIdentificationNumber.Text(), -1};
    auto make = [&subject](const CheckRule& rule, const CompanyBox& box, const QString& message) {
        return FormFinding{&rule,
                           subject.person,
                           subject.tin,
                           box.OneLineLabel(),
                           message,
                           FindingPlace::Company,
                           QLatin1String(box.name),
                           -1};
    };
    // The data of a transmittal that is not filed (no W-2 or no 1099-MISC)
    // doesn't count, nor the employer's when neither is filed.
    const bool w3 = (!data.employees.empty() || !data.w2s.empty()) && findings.Scope() != CheckScope::Form1099;
    const bool form1096 = (!data.contractors.empty() || !data.forms1099.empty()) && findings.Scope() != CheckScope::W2;
    Findings own(CheckScope::All);
    TestBoxes(
        CompanyRules(),
        [&company](const CompanyBox& box) {
            if (!box.IsText())
                return StoredValue{};
            return StoredValue{&box.get(company), box.amount ? &box.amount(company) : nullptr};
        },
        make, own);
    FormCheckResult found = own.Take();
    for (FormFinding& finding : found.findings) {
        const CheckedForm form = finding.Form();
        if ((form == CheckedForm::W3 && !w3) || (form == CheckedForm::Form1096 && !form1096)
            || (form == CheckedForm::W3And1096 && !w3 && !form1096))
            continue;
        findings.Add(std::move(finding));
    }
    const int kind = company.FormW3RadioKindOfPayer;
    const CompanyBox& kindBox = *FindCompanyBox(QStringLiteral("FormW3RadioKindOfPayer"));
    if (w3 && (kind < 0 || kind >= int(kKindOfPayerList.size()))) {
        const CheckRule& rule = *FindRule(CompanyCheckRules(), "w3.kind-of-payer-missing");
        findings.Add(make(rule, kindBox, Say(rule)));
    }
    if (w3 && kind == kThirdPartySickPayPayer) {
        // Third-party sick pay is told by its own check box, beside the
        // payer's kind.
        QStringList kinds;
        for (int k = 0; k < int(kKindOfPayerList.size()); ++k)
            if (k != kThirdPartySickPayPayer)
                kinds << QLatin1String(kKindOfPayerList[size_t(k)]);
        const CheckRule& rule = *FindRule(CompanyCheckRules(), "w3.kind-of-payer-sick-pay");
        findings.Add(
            make(rule, kindBox, Say(rule, {QLatin1String(kKindOfPayerList[size_t(kind)]), Enumerate(kinds, "or")})));
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

// The field of a box of a person and their form, or nullptr for a check
// box.
template <class Box>
StoredValue StoredField(const Box& box, const typename Box::Row& row)
{
    if (!box.IsText())
        return {};
    if (box.part == BoxPart::Person)
        return {&box.personGet(row.person)};
    return {&box.get(row.form), box.IsAmount() ? &box.Amount(row.form) : nullptr};
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
void CheckPeopleForms(const PeopleForms<Box>& kind, const std::vector<Box>& boxes, const std::vector<CheckRule>& rules,
                      const char* duplicateRule, const char* orphanRule, const CheckForm& checkForm, Findings& findings)
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
        // "Applied For" stands for a number to come, nobody's.
        const QString number = numberBox.personGet(kind.people[size_t(i)]).Text().trimmed();
        keys.push_back(IsAppliedFor(number) ? QString() : PersonKey(number));
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
        const Subject subject{PersonName(row.person.FirstName, row.person.LastName), numberBox.personGet(person).Text(),
                              id};
        TestBoxes(
            boxRules, [&row](const Box& box) { return StoredField(box, row); },
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
                findings.Add(
                    MakeFinding(duplicate, subject, &numberBox, Say(duplicate, {PersonName(o.FirstName, o.LastName)})));
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
            if (HoldsAmount(box.Amount(form)))
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

// Adds the finding of a W-2 rule (by id) at a box (by field name, or
// nullptr for the form as a whole) with the values of its message.
using AddW2Finding = std::function<void(const char* id, const char* box, const QStringList& values)>;

QString Rate(qint64 rate)
{
    return RatePercentText(rate);
}

// Boxes 3 to 7: the wage base, the taxes at their rates, and taxes that
// can't be right (above the largest possible, or withheld on no wages).
void CheckW2Taxes(const W2Record& w, const AddW2Finding& add)
{
    const qint64 ssWagesOnly = StoredCents(w.SocialSecurityWages);
    const qint64 ssTips = StoredCents(w.SocialSecurityTips);
    const qint64 ssWages = ssWagesOnly + ssTips;
    const bool noSsWages = ssWagesOnly == 0 && ssTips == 0;
    if (ssWages > kSocialSecurityWageBaseCents)
        add("w2.ss-wage-base", "SocialSecurityWages", {Cents(ssWages), Cents(kSocialSecurityWageBaseCents)});
    const qint64 ssTax = StoredCents(w.SocialSecurityTaxWithheld);
    const qint64 ssExpected = TaxAtRate(std::min(ssWages, kSocialSecurityWageBaseCents), kSocialSecurityTaxRate);
    if (ssTax > kSocialSecurityTaxCapCents)
        add("w2.ss-tax-above-max", "SocialSecurityTaxWithheld",
            {Cents(ssTax), Cents(kSocialSecurityTaxCapCents), Rate(kSocialSecurityTaxRate)});
    else if (ssTax > 0 && noSsWages)
        add("w2.ss-tax-without-wages", "SocialSecurityTaxWithheld", {Cents(ssTax)});
    else if (std::abs(ssTax - ssExpected) > kTaxToleranceCents)
        add("w2.ss-tax-rate", "SocialSecurityTaxWithheld",
            {Cents(ssTax), Cents(ssExpected), Rate(kSocialSecurityTaxRate)});

    const qint64 medicareWages = StoredCents(w.MedicareWages);
    const qint64 medicareTax = StoredCents(w.MedicareTaxWithheld);
    const qint64 medicareExpected = TaxAtRate(medicareWages, kMedicareTaxRate);
    if (medicareTax > 0 && medicareWages == 0)
        add("w2.medicare-tax-without-wages", "MedicareTaxWithheld", {Cents(medicareTax)});
    else if (std::abs(medicareTax - medicareExpected) > kTaxToleranceCents)
        add("w2.medicare-tax-rate", "MedicareTaxWithheld",
            {Cents(medicareTax), Cents(medicareExpected), Rate(kMedicareTaxRate)});
    if (medicareWages < ssWages)
        add("w2.medicare-below-ss", "MedicareWages", {Cents(medicareWages), Cents(ssWages)});

    const qint64 eic = StoredCents(w.AdvancEICPayment);
    if (eic > kAdvanceEicMaxCents)
        add("w2.advance-eic-above-max", "AdvancEICPayment", {Cents(eic), Cents(kAdvanceEicMaxCents)});
    if (eic > 0 && StoredCents(w.Wages) <= 0)
        add("w2.advance-eic-without-wages", "AdvancEICPayment", {Cents(eic)});
}

// Box 12: a code and an amount on each line, each code once; the
// deferrals within their limits and code Z within box 1.
void CheckBox12(const W2Record& w, const AddW2Finding& add)
{
    struct Line {
        const FixedTextBase &code, &year;
        const AmountField& amount;
        const char *codeBox, *amountBox, *letter;
    };
    const Line lines[] = {
        {w.Field12aCode, w.Field12aYear, w.Field12aAmount, "Field12aCode", "Field12aAmount", "a"},
        {w.Field12bCode, w.Field12bYear, w.Field12bAmount, "Field12bCode", "Field12bAmount", "b"},
        {w.Field12cCode, w.Field12cYear, w.Field12cAmount, "Field12cCode", "Field12cAmount", "c"},
        {w.Field12dCode, w.Field12dYear, w.Field12dAmount, "Field12dCode", "Field12dAmount", "d"},
    };
    // The amounts of each code, lines of an earlier year left out, at the
    // first line of the code.
    struct CodeTotal {
        qint64 cents = 0;
        const Line* first = nullptr;
    };
    std::array<CodeTotal, 26> totals{};
    // The codes seen, each with its year: a catch-up of an earlier year
    // takes a line of its own beside the code of this year.
    QStringList seen;
    for (const Line& line : lines) {
        const QString code = line.code.Text().trimmed().toUpper();
        const qint64 cents = StoredCents(line.amount);
        if (code.isEmpty()) {
            if (HoldsAmount(line.amount))
                add("w2.box12-amount-without-code", line.amountBox, {QLatin1String(line.letter)});
            continue;
        }
        if (!HoldsAmount(line.amount))
            add("w2.box12-code-without-amount", line.codeBox, {QLatin1String(line.letter), code});
        if (code.size() != 1 || !QLatin1String(kBox12Codes).contains(code.at(0))) {
            add("w2.box12-code-invalid", line.codeBox, {line.code.Text()});
            continue;
        }
        const QString year = line.year.Text().trimmed();
        if (seen.contains(code + year))
            add("w2.box12-code-twice", line.codeBox, {code});
        seen << code + year;
        if (!year.isEmpty())
            continue;
        CodeTotal& total = totals[size_t(code.at(0).unicode() - u'A')];
        total.cents += cents;
        if (!total.first)
            total.first = &line;
    }

    for (const char code : std::string_view(kElectiveDeferralCodes)) {
        const CodeTotal& total = totals[size_t(code - 'A')];
        const bool simple = code == kSimpleDeferralCode;
        const qint64 limit = simple ? kSimpleDeferralLimitCents : kElectiveDeferralLimitCents;
        const qint64 catchUp = simple ? kSimpleDeferralCatchUpCents : kElectiveDeferralCatchUpCents;
        if (total.cents > limit + catchUp)
            add("w2.box12-deferral-limit", total.first->amountBox,
                {Cents(total.cents), QString(QLatin1Char(code)), Cents(limit + catchUp), Cents(limit), Cents(catchUp)});
    }
    const CodeTotal& z = totals[size_t(kSection409AIncomeCode - 'A')];
    const qint64 wages = StoredCents(w.Wages);
    if (z.cents > 0 && z.cents > wages)
        add("w2.box12-z-above-wages", z.first->amountBox, {Cents(z.cents), Cents(wages)});
}

// The W-2 against the W-3's kind of payer and its third-party sick pay
// box.
void CheckW2AgainstW3(const CompanyRecord& company, const W2Record& w, const AddW2Finding& add)
{
    if (w.ThirdPartySickpay > 0 && company.FormW3CheckThirdPartySickPay <= 0)
        add("w2.sick-pay-not-on-w3", "ThirdPartySickpay", {});
    const int kind = company.FormW3RadioKindOfPayer;
    const qint64 ssWages = StoredCents(w.SocialSecurityWages);
    if (kind == kHouseholdPayer && ssWages > 0 && ssWages < kHouseholdThresholdCents)
        add("w2.household-below-threshold", "SocialSecurityWages",
            {QLatin1String(kKindOfPayerList[size_t(kind)]), Cents(ssWages), Cents(kHouseholdThresholdCents)});
    if (kind == kMedicareGovernmentPayer) {
        // Their employees pay Medicare tax only.
        const std::pair<const AmountField*, const char*> socialSecurity[] = {
            {&w.SocialSecurityWages, "SocialSecurityWages"},
            {&w.SocialSecurityTips, "SocialSecurityTips"},
            {&w.SocialSecurityTaxWithheld, "SocialSecurityTaxWithheld"},
        };
        for (const auto& [amount, box] : socialSecurity)
            if (const qint64 cents = StoredCents(*amount); cents != 0) {
                add("w2.medicare-govt-with-ss", box, {QLatin1String(kKindOfPayerList[size_t(kind)]), Cents(cents)});
                break;
            }
    }
}

// Boxes 15 to 20: line 1 takes the company's state and ID.
void CheckStateLines(const CompanyRecord& company, const W2Record& w, const Subject& subject, const AddW2Finding& add,
                     Findings& findings)
{
    struct Line {
        QString state, stateId;
        const AmountField *stateWages, *stateTax, *localWages, *localTax;
        const FixedTextBase* locality;
        const char *stateBox, *stateIdBox, *localityBox;
    };
    const Line lines[] = {
        {company.State, company.StateID, &w.StateWages1, &w.StateIncomTax1, &w.LocalWages1, &w.LocalIncomeTax1,
         &w.LocalityName1, "State1", "StateID1", "LocalityName1"},
        {w.State2, w.StateID2, &w.StateWages2, &w.StateIncomTax2, &w.LocalWages2, &w.LocalIncomeTax2, &w.LocalityName2,
         "State2", "StateID2", "LocalityName2"},
    };
    for (int n = 1; n <= 2; ++n) {
        const Line& line = lines[n - 1];
        const bool state = StoredCents(*line.stateWages) != 0 || StoredCents(*line.stateTax) != 0;
        const bool local = StoredCents(*line.localWages) != 0 || StoredCents(*line.localTax) != 0;
        // Line 1's state and state ID are mended in the company setup.
        const QString where = n == 1 ? QStringLiteral(" (line 1 shows the company's, from the Company Setup)")
                                     : QString();
        auto addLine = [&](const char* id, const char* boxName, const char* companyField) {
            const CheckRule& rule = W2Rule(id);
            FormFinding finding = MakeFinding(rule, subject, &BoxNamed(W2Boxes(), boxName),
                                              Say(rule, {QString::number(n), where}));
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
        if (local && IsBlank(line.locality->Text()))
            add("w2.local-line-no-locality", line.localityBox, {QString::number(n)});
    }
}

void CheckW2Form(const CompanyRecord& company, const EmployeeWithW2& row, const Subject& subject, Findings& findings)
{
    const W2Record& w = row.form;
    const AddW2Finding add = [&subject, &findings](const char* id, const char* box, const QStringList& values) {
        const CheckRule& rule = W2Rule(id);
        findings.Add(MakeFinding(rule, subject, box ? &BoxNamed(W2Boxes(), box) : nullptr, Say(rule, values)));
    };
    if (AllScreenBoxesEmpty(W2ScreenBoxes(), w)) {
        add("w2.empty", nullptr, {});
        return;
    }
    CheckW2Taxes(w, add);
    CheckBox12(w, add);
    CheckW2AgainstW3(company, w, add);
    CheckStateLines(company, w, subject, add, findings);
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
        anyAmount = anyAmount || (box.IsAmount() && HoldsAmount(box.Amount(f)));
    if (!anyAmount) {
        add("1099.empty", nullptr);
        return;
    }

    // Direct sales are reported whatever the amounts.
    bool required = f.PayerMadeDirectSales != 0;
    for (const FilingThreshold& threshold : Form1099FilingThresholds()) {
        const qint64 cents = StoredCents(BoxNamed(boxes, threshold.box).Amount(f));
        required = required || (cents > 0 && cents >= threshold.cents);
    }
    if (!required)
        add("1099.below-threshold", nullptr,
            {Cents(kRoyaltiesFilingThresholdCents), Cents(kPaymentsFilingThresholdCents)});

    // Section 409A income is reported in box 7 (or box 3) as well.
    const qint64 income409A = StoredCents(f.Field15B);
    const qint64 reported = StoredCents(f.OtherIncome) + StoredCents(f.NonemployeeCompensation);
    if (income409A > 0 && income409A > reported)
        add("1099.box15b-above-income", "Field15B", {Cents(income409A), Cents(reported)});

    const std::pair<std::pair<const AmountField*, const AmountField*>, std::pair<const FixedTextBase*, const char*>>
        lines[] = {
            {{&f.StateTaxWithheld1, &f.StateIncome1}, {&f.PayerStateID1, "PayerStateID1"}},
            {{&f.StateTaxWithheld2, &f.StateIncome2}, {&f.PayerStateID2, "PayerStateID2"}},
        };
    for (int n = 1; n <= 2; ++n) {
        const auto& [amounts, number] = lines[n - 1];
        const bool state = StoredCents(*amounts.first) != 0 || StoredCents(*amounts.second) != 0;
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
    // Areas were handed out in order until 2011: by 2005 none above 733
    // but 750 to 772, and 666 never.
    const int area = digits.left(3).toInt();
    if (area == 0 || area == 666 || (area >= 734 && area <= 749) || area >= 773)
        return QStringLiteral("no number issued by 2005 begins with 000, 666, 734 to 749 or 773 to 999");
    if (digits.mid(3, 2) == QLatin1String("00"))
        return QStringLiteral("the middle two digits are never 00");
    if (digits.right(4) == QLatin1String("0000"))
        return QStringLiteral("the last four digits are never 0000");
    // Printed on a sample card sold with wallets, and in an advertisement:
    // used by thousands, issued to nobody else.
    if (digits == QLatin1String("078051120") || digits == QLatin1String("219099999"))
        return QStringLiteral("it is a sample number from an advertisement, nobody's own");
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
