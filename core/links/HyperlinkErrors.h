#pragma once

#include <QString>

#include <span>

// Results of asking the desktop to open a link, in the shell's numbering:
// above 32 is success, 32 and below name what went wrong.

inline constexpr int kHyperlinkOpened = 33;
// What a failed open reports when the desktop gives no reason: on this
// platform that nearly always means no program is set up for the address.
inline constexpr int kHyperlinkNoAssociation = 31;

constexpr bool HyperlinkOpenSucceeded(int result)
{
    return result > 32;
}

struct HyperlinkError {
    int result;
    const char* text;
};

// The known failure results and their texts.
std::span<const HyperlinkError> HyperlinkErrorTable();

// The text for a failed result; "Unknown Error (<result>) occurred." for
// results the table does not know.
QString HyperlinkErrorText(int result);

// The whole message shown when a link could not be opened.
QString HyperlinkFailureMessage(int result);
