#pragma once

#include <QString>

#include <array>

// The states of the drop-down lists of the company, employee and contractor
// screens, in list order (not sorted). The first entry, two blanks, means no
// state. The stored value is the entry text.
inline constexpr std::array<const char*, 61> kStateTable = {
    "  ", "AA", "AC", "AE", "AK", "AL", "AP", "AR", "AS", "AZ", "CA", "CO", "CT", "DC", "DE", "FL",
    "GA", "GU", "HI", "IA", "ID", "IL", "IN", "KS", "KY", "LA", "MA", "MD", "ME", "MI", "MN", "MO",
    "MP", "MS", "MT", "NC", "ND", "NE", "NH", "NJ", "NM", "NV", "NY", "OH", "OK", "OR", "PA", "PR",
    "RI", "SC", "SD", "TN", "TX", "UT", "VA", "VI", "VT", "WA", "WI", "WV", "WY",
};

// The entry that means no state.
inline constexpr const char* kNoState = kStateTable[0];

// Whether `text` is one of the states, spelt as listed (the blank entry
// is no state).
inline bool IsListedState(QStringView text)
{
    for (size_t i = 1; i < kStateTable.size(); ++i)
        if (text == QLatin1String(kStateTable[i]))
            return true;
    return false;
}
