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
// the header when the engine first writes an empty file, shifts every access
// of the database file past it, and refuses a file whose first 60 bytes are
// different: every read of such a file fails with the engine's "damaged
// database" result (11), so every statement on it fails. A store of the
// earlier editions (see StoreFileKind) is not opened at all. Journal files are
// the engine's own and pass through unchanged. The shim offers neither
// shared memory nor memory mapping, so stores always use a rollback journal.

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
