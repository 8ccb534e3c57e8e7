#pragma once

#include <QByteArray>
#include <QString>

// What a file that may be a company store holds, told from its first bytes.
// Both kinds of store start with the same header text:
//
// - Current: the stores of this edition: the header, the magic number
//   little-endian, zeros up to the engine's image, which starts at 4096
//   with the engine's own signature (a file of the header alone counts too:
//   a store cut short before its image).
// - Earlier: the stores of the earlier Windows editions: the header text
//   and the magic number at 56 in either byte order, and page 1 of their own
//   engine generation after it (see EarlierStoreFile). Such a file must
//   never reach the engine of this edition: it would take the earlier
//   engine's journal beside it for a stale one of its own and delete it.
// - Foreign: anything else (refused by the store file shim).
enum class StoreFileKind { Missing, Empty, Current, Earlier, Foreign };

// How many bytes from the start of a file StoreFileKindOfBytes looks at.
inline constexpr int kStoreKindProbeSize = 4096 + 16;

// The kind of a file of `fileSize` bytes whose first bytes are `start`
// (at most kStoreKindProbeSize of them are looked at).
StoreFileKind StoreFileKindOfBytes(const QByteArray& start, qint64 fileSize);

// The kind of the file at `path` (Missing when there is none, Foreign for
// a folder or a file that can't be read).
StoreFileKind StoreFileKindOf(const QString& path);
