#pragma once

#include <QString>
#include <QStringList>

// Where the previous edition (tax year 2004) keeps its company stores: the
// "DatabaseFiles" folder inside its installation folder. The installation
// folder is looked for, in this order:
//
//   1. the settings value "InstallPath" of "Software\Brindlecove\Formlark (2004)"
//      (read through the settings store, which creates the key when missing);
//   2. the value "InstallLocation" of "SOFTWARE\Brindlecove\Formlark (2004) Uninstall",
//      where an installer or the user can point at it;
//   3. ~/Brindlecove/Formlark (2004), ~/.local/share/Brindlecove/Formlark (2004),
//      /opt/Brindlecove/Formlark (2004), /usr/local/Brindlecove/Formlark (2004),
//      /opt/Formlark (2004), /usr/local/Formlark (2004).
//
// The first of them holding a "DatabaseFiles" folder wins. The environment
// variable FORMLARK_PREVIOUS_EDITION_FOLDER, when set, names the
// installation folder and replaces the whole list.

inline constexpr char kPreviousEditionKey[] = "Software\\Brindlecove\\Formlark (2004)";
inline constexpr char kInstallPathValue[] = "InstallPath";
inline constexpr char kPreviousEditionUninstallKey[] = "SOFTWARE\\Brindlecove\\Formlark (2004) Uninstall";
inline constexpr char kInstallLocationValue[] = "InstallLocation";
inline constexpr char kPreviousEditionFolderVariable[] = "FORMLARK_PREVIOUS_EDITION_FOLDER";

// The installation folders to try, in order (empty settings values left out).
QStringList PreviousEditionCandidates();

// The "DatabaseFiles" folder of the first candidate that has one, ending
// in "/"; empty when none has.
QString FindPreviousEditionStoreFolder(const QStringList& candidates);
