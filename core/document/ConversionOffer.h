#pragma once

#include <QString>

// A store of the earlier editions opens once it is converted, and only when
// the user agrees: the original is kept beside it.

enum class Conversion { NotNeeded, Converted, Declined, Failed };

// For a store of the earlier editions at `path`: asks whether to convert it
// (the original kept beside it), saying what a conversion can't keep
// exactly, and does so; tells the user why when that fails.
Conversion OfferConversion(const QString& path);
// Whether the store of the earlier editions at `path` can be read (and so
// converted); tells the user why not.
bool EarlierStoreConvertible(const QString& path);
// Whether the store at `path` is (now) one this program opens.
bool OpensAsCurrent(const QString& path);
