#pragma once

// What the import of the previous tax year's companies says: the names of
// its five steps, the failure message of each step that can fail, and the
// texts of its progress dialog. UTF-8; "’" and "…" are the typographic
// characters of the program's message texts.

namespace ImportTexts {

inline constexpr const char* kStepNames[] = {
    "Searching for Formlark 2004 Database Folder",
    "Enumerating Companies",
    "Upgrading Companies to 2005 Version",
    "Copying Companies to Formlark 2005 Database Folder",
    "Refreshing Company List",
};

// By step; the last step does no work and can't fail.
inline constexpr const char* kFailureMessages[] = {
    "The Formlark 2004 database folder couldn\u2019t be found.\nOperation Cancelled.",
    "Enumerating companies for the tax year 2004, failed.\nOperation Cancelled.",
    "Upgrading companies for the tax year 2004 into tax year 2005 failed.\nOperation Cancelled.",
    "Copying upgraded companies into the 2005 database folder, failed.\nOperation Cancelled.",
    "",
};

inline constexpr char kSucceeded[] = "Importing clients for the Tax Year 2004 completed successfully!";
// Added to the closing message, followed by the store files left out, one
// a line.
inline constexpr char kLeftOut[] =
    "\n\nNot imported, because the file could not be read as a company of Formlark (2004):\n";
inline constexpr char kCancelQuestion[] = "Are you sure you want cancel?";

inline constexpr char kDialogTitle[] = "Import Process in Progress\u2026";
inline constexpr char kTaskListGroup[] = "Import Task List:";
inline constexpr char kStatusColumn[] = "Status";
inline constexpr char kTasksColumn[] = "Tasks";
inline constexpr char kProgressGroup[] = "Progress";

} // namespace ImportTexts
