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

// The store engine is handed only a store of this edition with its image
// behind the header (or, to create a store, a missing or empty file).
// Anything else is decided about before the engine sees it: given a file
// it can't read, the engine takes the journal beside it for one of its own
// and deletes it (beside an empty file or a header alone) or plays it back
// into the file (beside a damaged header), and with it goes whatever that
// journal could still tell.
//
// Why the file of `fileSize` bytes starting with `start` is not such a
// store, as a phrase that completes "The company file ... can't be read: "
// ("it is empty", "it is a text file, not a company file", "only its header
// is left ..."); empty when the engine may open it.
QString StoreFileProblemOfBytes(const QByteArray& start, qint64 fileSize);

// The same for the file at `path`, which is looked at without being changed
// (a missing file, a folder or one that can't be opened are said so too).
QString StoreFileProblem(const QString& path);
