#pragma once

#include <QString>

// The file copies of the import. Both write a file whole or not at all
// (see FileCopy).

// Copies `source` to `stagingFolder` + "/" + `fileName`, replacing an older
// staged copy, and nothing else: a staged name that is a link is removed
// (never followed), and a staging folder that is the data folder itself or
// the source's folder (through a link, say) is refused, so a store of this
// edition or the previous edition's original is never written over. A store
// of the earlier Windows editions is converted into a store of this edition
// as it is copied (and refused when it is damaged or was left in the middle
// of a change).
bool StageStoreCopy(const QString& source, const QString& stagingFolder, const QString& fileName,
                    const QString& dataFolder);

enum class StoreCopyResult { Copied, Kept, Failed };

// Copies `staged` into `dataFolder` (ending in "/") as `fileName` unless
// the data folder holds that company's store already, in any letter case
// (Kept): an existing company keeps its store.
StoreCopyResult CopyStoreWithoutReplacing(const QString& staged, const QString& dataFolder, const QString& fileName);
