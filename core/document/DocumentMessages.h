#pragma once

// Messages of the company commands.
namespace DocumentMessages {
inline constexpr char kSaveChanges[] = "Do you want to save the changes you made to this Company?";
inline constexpr char kCompanyExists[] = "This company already exists";
inline constexpr char kCantDeleteOpenCompany[] = "You can't delete currently opened company.";
inline constexpr char kConfirmDelete[] = "Are you sure you want to delete this company?";
inline constexpr char kNewCompanyName[] = "Please enter a name for the new company";
// %1: where the original file is kept.
inline constexpr char kConvertEarlierStore[] =
    "This company was saved by an earlier edition of the program. Convert it now? The original file is kept as "
    "%1.";
} // namespace DocumentMessages
