#pragma once

#include <QString>

// The per-user settings store. The program's registry keys live in one INI
// file, one [group] per key path (the path verbatim, backslashes and all),
// one line per value:
//
//   [SOFTWARE\Brindlecove\Formlark (2005)\Last Active Company]
//   Value="Sample Company"
//   [SOFTWARE\Brindlecove\Formlark (2005)\Form W2 Print Options]
//   W2 Paper Type=dword:00000001
//
// Text values are quoted, with \\, \", \n, \r, \t and \0 escapes, so a value
// may hold any character; numbers are 32-bit "dword:" values in hex. Key
// paths and value names compare without regard to case, as in a registry.
//
// The file is the user's as much as the program's: it is written only when
// a value changes, and then only that value's line is written anew. Comment
// lines, lines before the first group, lines that are neither, and values
// as the user quoted them stay as they are. Reading creates nothing. The
// file is read only when it is a regular file of a sane size, so a pipe or
// a device in its place never blocks the program.
//
// The file is $XDG_CONFIG_HOME/Brindlecove/Formlark (2005).ini (default
// ~/.config/...). The environment variable FORMLARK_SETTINGS_FILE names
// another file; tests use it, or SetSettingsFile.

// Key path table, selected by index.
enum SettingsKey {
    kKeyLastActiveCompany = 0,
    kKeyW2PrintOptions = 1,
    kKeyW3PrintOptions = 2,
    kKey1099PrintOptions = 3,
    kKey1096PrintOptions = 4,
    kKeyGeneralOptions = 5,
    kKeyDcomOptions = 6,
};
QString SettingsKeyPath(int index);

// The settings file in use, and a way to point it elsewhere (an empty path
// goes back to the default rule).
QString SettingsFilePath();
void SetSettingsFile(const QString& path);

// While set, every write fails. Commands that only look at the settings
// (printing from the command line) leave the user's file exactly as it is.
void SetSettingsReadOnly(bool readOnly);

// Why the settings file can't be used (a pipe, a device or a folder in its
// place, a file too large or unreadable), as one sentence; empty when it can
// be used or does not exist yet. While it can't, reads give their defaults
// and writes fail, leaving it as it is.
QString SettingsFileProblem();

// Each call reads the file, works, and (for a write that changes the value)
// writes it back. A read returns the default when the key or the value is
// missing or the value has another type. A write of the value the file
// holds already changes nothing; the file is replaced whole or not at all.
bool WriteSettingNumber(const QString& keyPath, const QString& valueName, int value);
bool WriteSettingText(const QString& keyPath, const QString& valueName, const QString& text);
int ReadSettingNumber(const QString& keyPath, const QString& valueName, int defaultValue);
QString ReadSettingText(const QString& keyPath, const QString& valueName, const QString& defaultValue);

// The program folder: where the form pictures, the help page and the
// bundled "DatabaseFiles" are. An installed program finds them in
// "../share/formlark/" beside its executable's folder; a program run from its
// build folder has them in the executable's own folder.
struct ProgramLocation {
    QString folder;         // ends in "/"
    bool installed = false; // the folder is the shared one of an installation
};
ProgramLocation LocateProgramFolder(const QString& executableFolder);

// The program folder in use, ending in "/", and whether it is an installed
// one (its files are the installation's, never written by the program). The
// environment variable FORMLARK_PROGRAM_FOLDER names another, not installed
// folder (tests), as does SetProgramFolder.
QString ProgramFolder();
bool ProgramIsInstalled();
void SetProgramFolder(const QString& folder, bool installed = false);

// A per-user base folder of the desktop: the absolute path in the environment
// variable `variable` (XDG_CONFIG_HOME, XDG_DATA_HOME), or the home folder
// followed by `homeFallback` when it is unset, empty or relative. Without a
// trailing "/".
QString XdgBaseFolder(const char* variable, const QString& homeFallback);

// Names used with the settings.
inline constexpr char kApplicationTitle[] = "Formlark (2005)";
inline constexpr char kSampleCompanyName[] = "Sample Company";
inline constexpr char kLastActiveCompanyValue[] = "Value";
inline constexpr char kCompanyDataPathValue[] = "Company Data Path";
inline constexpr char kDataFolderName[] = "DatabaseFiles";
