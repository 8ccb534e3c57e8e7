#pragma once

#include <QString>

// The one check every file the program writes on the user's behalf goes
// through (a PDF of forms, a CSV export): it must never land on a company's
// files, nor replace something that is not a regular file.
//
// Refused: a target that resolves (links followed, in any letter case, or
// as the same file under another name) to a store of the data folder or to
// a file kept beside one (see StoreFileNames.h), and an existing target that
// is a folder, device, pipe or socket. A new file, or an existing regular
// file elsewhere, may be written.

// Why `target` must not be written, as one sentence for the user; empty
// when it may be written.
QString OutputTargetRefusal(const QString& target, const QString& dataFolder);
