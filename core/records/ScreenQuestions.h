#pragma once

// The questions of the screens' command buttons, asked Yes/No before
// anything is changed.
namespace ScreenQuestions {
inline constexpr char kSaveFields[] = "Are you sure you want to save the current fields?";
inline constexpr char kResetFields[] = "Are you sure you want to reset all fields to their initial values?";
inline constexpr char kClearFields[] = "Are you sure you want to clear the values of all fields?";
inline constexpr char kDeleteRecord[] = "Are you sure you want to delete this record?";
} // namespace ScreenQuestions
