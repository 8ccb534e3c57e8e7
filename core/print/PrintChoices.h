#pragma once

// The choices of the print options dialogs. The numbers are those kept in
// the settings store.

// What the job prints on: blank paper (a copy with the form's picture),
// the red-ink pre-printed form (data only, moved by the alignment offsets),
// or the full-page laser substitute (the W-3; the W-2's is a copy type).
enum class PaperType { Blank = 0, Preprinted = 1, LaserSubstitute = 2 };

// Which forms a W-2 or 1099-MISC job prints: the one on the screen, or all
// of the company in the list's order.
enum class PrintTarget { Current = 0, All = 1 };

// Horizontal and vertical directions of an alignment offset: Left / Up
// (0) move the print left and up, Right / Down (1) right and down.
inline constexpr int kLeftOrUp = 0;
inline constexpr int kRightOrDown = 1;

// The alignment offsets' boxes take two whole digits and two decimals.
inline constexpr double kMaxOffsetInches = 99.99;
