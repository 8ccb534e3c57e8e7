#pragma once

// Rule settings shared by the screens. The forbidden sets keep characters out
// of names and texts that would upset the store's statements or a store file
// name; the masks give the fixed shape of identification and phone numbers
// ("#" is one digit, anything else a literal that the box supplies).

// Percent, apostrophe, asterisk, double quote, plus, question mark,
// greater-than, less-than, colon, backslash.
inline constexpr char kForbiddenCommon[] = "%'*\"+?><:\\";
// As above but with the apostrophe allowed and the slash refused: the
// employer name on the General Information page.
inline constexpr char kForbiddenEmployerName[] = "%*\"+?><:\\/";
// The employer name also names the store file, hence the vertical bar.
inline constexpr char kForbiddenNewCompany[] = "%*\"+?><:\\/|";

inline constexpr char kMaskSsn[] = "###-##-####";
inline constexpr char kMaskEin[] = "##-#######";
inline constexpr char kMaskZip[] = "#####-####";
inline constexpr char kMaskPhone[] = "(###) ###-####";
inline constexpr char kMaskAccount[] = "#####";
