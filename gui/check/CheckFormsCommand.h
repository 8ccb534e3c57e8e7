#pragma once

class CColorButton;
class CFormView;

// The command that opens the check of the company's forms: on the Tools
// menu and as a button of the W-3 and 1096 screens.
inline constexpr char kCheckFormsCaption[] = "Check Forms\u2026";

// A "Check Forms…" button of `view` that asks the main window for the
// check (checkFormsRequested).
CColorButton* NewCheckFormsButton(CFormView& view);
