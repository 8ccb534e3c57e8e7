#pragma once

#include "core/print/OffsetEntry.h"
#include "core/print/WagePrintOptions.h"

#include <QString>

#include <optional>

// What the W-2 and W-3 print options dialogs show and how their OK turns
// the boxes and buttons into print options, free of windows.

// The three "Type" choices of the W-2 dialog.
enum class W2PaperChoice { Copy, Preprinted, LaserCopyA };

struct W2PrintOptionsEntry {
    PrintTarget target = PrintTarget::Current;
    W2PaperChoice paper = W2PaperChoice::Preprinted;
    int copyIndex = 0; // selection of the copy list (0 .. 4)
    OffsetEntry offsets;
    QString verticalSpace; // as shown
};

// What the dialog shows for `options`.
W2PrintOptionsEntry W2EntryFromOptions(const PrintW2Options& options);

// The outcome of OK: the options, or a message to show while the dialog
// stays open with the vertical space box set to `verticalSpace`.
struct W2EntryResult {
    std::optional<PrintW2Options> options;
    QString message;
    QString verticalSpace;
};
W2EntryResult AcceptW2Entry(const W2PrintOptionsEntry& entry);

// The W-2 range messages (with a typographic apostrophe).
namespace W2PrintMessages {
inline constexpr char kSpaceTooSmall[] =
    "Vertical space between top and bottom forms can\u2019t be less than .75 inches";
inline constexpr char kSpaceTooLarge[] =
    "Vertical space between top and bottom forms can\u2019t be greater than 1.75 inches";
} // namespace W2PrintMessages

struct W3PrintOptionsEntry {
    PaperType paper = PaperType::Preprinted;
    OffsetEntry offsets;
};

W3PrintOptionsEntry W3EntryFromOptions(const PrintW3Options& options);
// OK of the W-3 dialog: no range check.
PrintW3Options AcceptW3Entry(const W3PrintOptionsEntry& entry);
