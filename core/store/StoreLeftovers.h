#pragma once

#include <QString>

// What a killed program may leave beside a company store, cleaned away the
// next time the company is opened by a program that holds its lock
// (StoreLock): nothing of it is needed any more, but it would lie in the
// data folder for ever.

// Whether `storePath` is a store of this program's own format: the store
// header, zeros up to the engine's image, and the engine's image behind it.
// The stores of the earlier editions start with the same header text but
// are not of this format.
bool IsOwnFormatStore(const QString& storePath);

// Removes the engine's rollback journal beside `storePath`
// ("<store>-journal") when it holds nothing to roll back: it is empty, or
// its header is zeros (the engine itself ignores such a journal). Only
// beside a store of the own format, only a regular file, and only while no
// other program holds any of the engine's locks on the store; a journal
// beside a store of the earlier editions is never touched. The caller holds
// the store's lock. Returns whether a journal was removed.
bool RemoveLeftoverJournal(const QString& storePath);

// Removes the lock file an earlier build kept beside the store
// ("<store>.lock") when nobody holds its lock any more. Returns whether one
// was removed.
bool RemoveStaleLockFile(const QString& storePath);

// Both of the above.
void RemoveStoreLeftovers(const QString& storePath);
