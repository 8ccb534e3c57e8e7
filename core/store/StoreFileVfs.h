#pragma once

// A file-system shim registered with the engine under kStoreVfsName writes
// the store file header (StoreFileHeader.h) when the engine first writes an
// empty file and shifts every access of the database file past it. Any other
// file is not opened at all (the engine's open fails with "can't open"): one
// with another header, a store of the earlier editions, a header without its
// image, and an empty file unless a store is being created (see
// StoreFileProblemOfBytes), so the engine never looks for a journal beside a
// file that is not its own. Journal files are the engine's own and pass
// through unchanged. The shim offers neither shared memory nor memory
// mapping, so stores always use a rollback journal.

inline constexpr char kStoreVfsName[] = "formlark-store";

// Registers the shim with the engine (once per process; later calls do
// nothing). Returns false when the engine refused the registration.
bool RegisterStoreVfs();
