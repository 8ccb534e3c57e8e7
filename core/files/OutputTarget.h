#pragma once

#include <QString>

// The one check every file the program writes on the user's behalf goes
// through (a PDF of forms, a CSV export): it must never land on a company's
// files, nor replace something that is not a regular file.
//
// The target is resolved as the system resolves it when the file is
// written: the links of its folder followed before a ".." after them is
// taken, and a link in the name's place followed to where it leads (see
// OutputTargetPath). Refused: a target that so resolves (in any letter
// case, or as the same file under another name) to a store of the data
// folder or to a file kept beside one (see StoreFileNames.h), a link that
// leads to no file yet in the data folder, links that lead in a circle, and
// an existing target that is a folder, device, pipe or socket. A new file,
// or an existing regular file elsewhere, may be written.

// Why `target` must not be written, as one sentence for the user; empty
// when it may be written.
QString OutputTargetRefusal(const QString& target, const QString& dataFolder);

// Where writing `target` lands: the path to write, with no link left in
// it, so that the file is written where it was checked. `target` itself
// when its folder can't be resolved (the write then fails with the
// system's reason).
QString OutputTargetPath(const QString& target);
