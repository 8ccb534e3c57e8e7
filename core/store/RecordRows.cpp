#include "core/store/RecordRows.h"

#include <climits>
#include <unordered_set>

int record_rows_detail::StoredNumber(const char* value, bool* exact)
{
    *exact = true;
    if (!value)
        return 0;
    const char* p = value;
    while (*p == ' ' || *p == '\t')
        ++p;
    const char* start = p;
    bool negative = false;
    if (*p == '-' || *p == '+')
        negative = *p++ == '-';
    const char* digits = p;
    long long n = 0;
    bool clamped = false;
    for (; *p >= '0' && *p <= '9'; ++p) {
        if (clamped)
            continue;
        n = n * 10 + (*p - '0');
        if (n > INT_MAX) {
            n = negative ? -(long long)INT_MIN : INT_MAX;
            clamped = true;
        }
    }
    const bool anyDigit = p != digits;
    while (*p == ' ' || *p == '\t')
        ++p;
    // Nothing but blanks is how a store says "nothing": 0, as stored.
    *exact = !clamped && *p == '\0' && (anyDigit || p == start);
    return int(negative ? -n : n);
}

QString StoredValueChange::Describe() const
{
    const QString where = QStringLiteral("%1 %2, %3: ").arg(table).arg(rowId).arg(column);
    switch (kind) {
    case Kind::Cut:
        return where
               + QStringLiteral("\"%1\" is longer than the %2 characters the box keeps; kept as \"%3\"")
                     .arg(stored)
                     .arg(kept.size())
                     .arg(kept);
    case Kind::Unreadable:
        return where + QStringLiteral("\"%1\" does not read as an amount; kept as stored").arg(stored);
    case Kind::NotANumber:
        return where + QStringLiteral("\"%1\" is not a number; read as %2").arg(stored, kept);
    case Kind::Unmapped:
        return where
               + QStringLiteral("\"%1\" holds characters that have no place in the character set of the file; "
                                "kept as \"%2\"")
                     .arg(stored, kept);
    }
    return where;
}

void KeepFirstFormOfEachOwner(Form1099List& forms)
{
    std::unordered_set<int> owners;
    std::erase_if(forms,
                  [&owners](const Form1099Record& form) { return !owners.insert(form.ContractorUniqueID).second; });
}
