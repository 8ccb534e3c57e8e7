#pragma once

#include <QByteArray>

// Company stores carry the program's own file header in front of the
// engine's image:
//
//   offset 0   54 bytes  "** This is a Wagesparrow Database file version 1.0 **" + zero byte
//   offset 54   2 bytes  zero
//   offset 56   4 bytes  0xDAE37528, little-endian
//   offset 60  ...       zero padding up to kStoreImageOffset
//   kStoreImageOffset    the engine's own database image
//
// A file-system shim registered with the engine under kStoreVfsName writes
// the header when the engine first writes an empty file and shifts every
// access of the database file past it. Any other file is not opened at all
// (the engine's open fails with "can't open"): one with another header, a
// store of the earlier editions, a header without its image, and an empty
// file unless a store is being created (see StoreFileProblemOfBytes), so
// the engine never looks for a journal beside a file that is not its own.
// Journal files are the engine's own and pass through unchanged. The shim
// offers neither shared memory nor memory mapping, so stores always use a
// rollback journal.

inline constexpr char kStoreHeaderText[] = "** This is a Wagesparrow Database file version 1.0 **";
inline constexpr unsigned kStoreMagic = 0xDAE37528u;
inline constexpr int kStoreHeaderSize = 60;
inline constexpr int kStoreImageOffset = 4096;
inline constexpr char kStoreVfsName[] = "formlark-store";

// The first kStoreHeaderSize bytes every store file starts with.
QByteArray StoreFileHeader();

// Registers the shim with the engine (once per process; later calls do
// nothing). Returns false when the engine refused the registration.
bool RegisterStoreVfs();
