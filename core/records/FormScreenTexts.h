#pragma once

// The words that make a form screen of one kind (the W-2 of an employee,
// the 1099-MISC of a contractor): captions, questions, notes and messages.
// The screens share their behaviour and differ in these.
struct FormScreenTexts {
    const char* ownerCaption; // group of Select, Next and Previous: "Employee"
    const char* formCaption;  // group of Save, Reset, Clear and Print: "W2"
    const char* selectTitle;  // the selection dialog: "Select Employee"
    // Asked (Yes/No) before the form with unsaved changes is left.
    const char* saveBeforeSelect;
    const char* saveBeforeNext;
    const char* saveBeforePrevious;
    const char* saveBeforeLeaving; // another screen is chosen
    // Asked before printing: the print shows saved forms only.
    const char* saveBeforePrint;
    // Notes at the Next and Previous buttons at the ends of the list.
    const char* lastOwnerNote;
    const char* firstOwnerNote;
    // Said when the screen comes up in a company without owners, before
    // the owners' screen is shown (navigation index `ownersScreenIndex`).
    const char* noOwners;
    int ownersScreenIndex;
    // The quick help of the help icon; nullptr: the screen has none.
    const char* quickHelp;
};

// The balloons of the form screens.
namespace FormScreenBalloons {
inline constexpr char kNoteTitle[] = "Note";
inline constexpr char kHelpTitle[] = "Help";
inline constexpr char kHelpHint[] = "Please click here for quick help.";
inline constexpr int kHelpHintMs = 800;
inline constexpr char kQuickHelpTitle[] = "Quick Help (move the mouse to close this window)";
// The notes and the quick help close on a key press or a mouse move.
inline constexpr unsigned kCloseOnInput = 192;
} // namespace FormScreenBalloons
