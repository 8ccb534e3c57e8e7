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
// The stores of the earlier editions start with the same text (see
// StoreFileKind); the store file shim (StoreFileVfs) writes this header and
// keeps the engine past it.

inline constexpr char kStoreHeaderText[] = "** This is a Wagesparrow Database file version 1.0 **";
inline constexpr unsigned kStoreMagic = 0xDAE37528u;
inline constexpr int kStoreHeaderSize = 60;
inline constexpr int kStoreImageOffset = 4096;

// The first kStoreHeaderSize bytes every store file starts with.
QByteArray StoreFileHeader();
