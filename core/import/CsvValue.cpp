#include "core/import/CsvValue.h"

#include "core/entry/EntryPresets.h"
#include "core/entry/EntryRules.h"
#include "core/import/CsvColumns.h"
#include "core/records/KindOfPayer.h"
#include "core/records/StateTable.h"
#include "core/store/AmountText.h"
#include "core/wage/W2Boxes.h"

#include <cstring>

namespace {

using namespace CsvValueMessages;

CsvValue Accept(const QString& text)
{
    return {text, QString()};
}

CsvValue Refuse(const char* message, const QString& cell)
{
    return {QString(), QString::fromUtf8(message).arg(ShownCsvValue(cell))};
}

bool IsDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

int CountDigits(const QString& text)
{
    int digits = 0;
    for (const QChar c : text)
        digits += IsDigit(c) ? 1 : 0;
    return digits;
}

QString WithoutBlanks(const QString& text)
{
    QString out = text;
    out.remove(u' ');
    out.remove(u'\t');
    return out;
}

CsvValue CheckText(const QString& cell, int maxChars, const char* refused)
{
    const CharFilterRule rule(maxChars, QLatin1String(refused ? refused : kForbiddenCommon));
    if (rule.GetValidText(cell) == cell)
        return Accept(cell);
    for (const QChar c : cell) {
        if (!IsTextChar(c))
            return Refuse(kLineBreak, cell);
        if (rule.ForbiddenChars().contains(c))
            return {QString(), QString::fromUtf8(kRefusedCharacter).arg(ShownCsvValue(cell), QString(c))};
    }
    return {QString(), QString::fromUtf8(kTooLong).arg(ShownCsvValue(cell)).arg(maxChars)};
}

// The digits must all find their place in the mask, none dropped.
QString MaskedDigits(const char* mask, const QString& cell)
{
    const QString candidate = WithoutBlanks(cell);
    const QString valid = DigitMaskRule(QLatin1String(mask)).GetValidText(candidate);
    return CountDigits(valid) == CountDigits(candidate) ? valid : QString();
}

CsvValue CheckSsn(const QString& cell)
{
    const QString valid = MaskedDigits(kMaskSsn, cell);
    if (valid.size() == qsizetype(sizeof kMaskSsn) - 1)
        return Accept(valid);
    CsvValue refused = Refuse(kNotSsn, cell);
    // Read as a number, 012-34-5678 loses its zero.
    const int digits = CountDigits(cell);
    if (digits >= 7 && digits < 9 && CountDigits(cell) == WithoutBlanks(cell).size())
        refused.problem += QLatin1String(kLeadingZero);
    return refused;
}

// All the digits a mask has room for, none dropped and none missing.
CsvValue CheckWholeMask(const char* mask, const char* message, const QString& cell)
{
    const QString valid = MaskedDigits(mask, cell);
    if (!valid.isEmpty() && valid.size() == qsizetype(std::strlen(mask)))
        return Accept(valid);
    return Refuse(message, cell);
}

CsvValue CheckZip(const QString& cell)
{
    QString valid = MaskedDigits(kMaskZip, cell);
    const int digits = CountDigits(valid);
    if (digits == 5)
        return Accept(valid.left(5));
    if (digits == 9)
        return Accept(valid);
    CsvValue refused = Refuse(kNotZip, cell);
    if (digits == 4 || digits == 8)
        refused.problem += QLatin1String(kLeadingZero);
    return refused;
}

CsvValue CheckAccount(const QString& cell)
{
    const QString valid = DigitMaskRule(QLatin1String(kMaskAccount)).GetValidText(cell);
    return valid == cell ? Accept(cell) : Refuse(kNotAccount, cell);
}

CsvValue CheckState(const QString& cell)
{
    const QString upper = cell.toUpper();
    if (IsListedState(upper))
        return Accept(upper);
    return Refuse(kNotState, cell);
}

// Money as spreadsheets write it (see ReadAmountText); the value kept is
// the amount in its two-decimal form.
CsvValue CheckAmount(const QString& cell, double cap = -1, const QString& capMessage = QString())
{
    const AmountReading reading = ReadAmountText(cell);
    switch (reading.problem) {
    case AmountProblem::None:
        break;
    case AmountProblem::NotAnAmount:
        return Refuse(kNotAmount, cell);
    case AmountProblem::TooLarge:
        return Refuse(kAmountTooLarge, cell);
    case AmountProblem::FractionOfCent:
        return Refuse(kFractionOfCent, cell);
    }
    if (cap >= 0 && reading.cents > qRound64(cap * 100))
        return {QString(), capMessage};
    return Accept(FormatAmountCents(reading.cents));
}

CsvValue CheckFlag(const QString& cell)
{
    static const QStringList checked = {"1", "x", "yes", "y", "true", "checked", "on"};
    static const QStringList unchecked = {"0", "no", "n", "false", "unchecked", "off"};
    const QString lower = cell.toLower();
    if (checked.contains(lower))
        return Accept(QStringLiteral("1"));
    if (unchecked.contains(lower))
        return Accept(QStringLiteral("0"));
    return Refuse(kNotFlag, cell);
}

// An entry of the list, written as the list has it; letter case, blanks
// and punctuation do not count ("hshld emp").
CsvValue CheckKindOfPayer(const QString& cell)
{
    QStringList kinds;
    for (const char* kind : kKindOfPayerList) {
        kinds << QLatin1String(kind);
        if (CsvHeaderKey(cell) == CsvHeaderKey(kinds.last()))
            return Accept(kinds.last());
    }
    return {QString(), QString::fromUtf8(kNotKindOfPayer).arg(cell, kinds.join(QStringLiteral(", ")))};
}

CsvValue CheckBox12Code(const QString& cell)
{
    const QChar c = cell.size() == 1 ? cell.at(0).toUpper() : QChar();
    if (c >= u'A' && c <= u'Z')
        return Accept(QString(c));
    return Refuse(kNotBox12Code, cell);
}

CsvValue CheckBox12Year(const QString& cell)
{
    if (cell.size() <= 2 && CountDigits(cell) == cell.size())
        return Accept(cell);
    return Refuse(kNotBox12Year, cell);
}

} // namespace

QString ShownCsvValue(const QString& value)
{
    if (value.size() <= kShownCsvValueLength)
        return value;
    return value.left(kShownCsvValueLength) + QChar(0x2026);
}

CsvValue CheckCsvValue(CsvValueRule rule, int maxChars, const QString& rawCell, const char* refused)
{
    const QString cell = rawCell.trimmed();
    if (cell.isEmpty())
        return Accept(QString());
    switch (rule) {
    case CsvValueRule::Text:
        return CheckText(cell, maxChars, refused);
    case CsvValueRule::Ssn:
        return CheckSsn(cell);
    case CsvValueRule::Zip:
        return CheckZip(cell);
    case CsvValueRule::Account:
        return CheckAccount(cell);
    case CsvValueRule::State:
        return CheckState(cell);
    case CsvValueRule::Amount:
        return CheckAmount(cell);
    case CsvValueRule::SocialSecurityWages:
        return CheckAmount(cell, kSocialSecurityWageBase, SocialSecurityWagesCapMessage());
    case CsvValueRule::SocialSecurityTax:
        return CheckAmount(cell, kSocialSecurityTaxCap, SocialSecurityTaxCapMessage());
    case CsvValueRule::Flag:
        return CheckFlag(cell);
    case CsvValueRule::Box12Code:
        return CheckBox12Code(cell);
    case CsvValueRule::Box12Year:
        return CheckBox12Year(cell);
    case CsvValueRule::Ein:
        return CheckWholeMask(kMaskEin, kNotEin, cell);
    case CsvValueRule::Phone:
        return CheckWholeMask(kMaskPhone, kNotPhone, cell);
    case CsvValueRule::KindOfPayer:
        return CheckKindOfPayer(cell);
    }
    return Accept(cell);
}
