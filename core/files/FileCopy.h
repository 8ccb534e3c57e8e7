#pragma once

#include <QString>

// Copies of whole files, written whole or not at all.

// Copies `source` over `target` (replacing it), through a checked save
// file: a copy cut short leaves `target` as it was.
bool CopyFileWhole(const QString& source, const QString& target);

enum class CopyOutcome { Copied, TargetExists, Failed };

// What a copy is called while it is written: the target's name followed by
// this and a few letters, so no listing by extension takes it for the file
// it will be.
inline constexpr char kPartialCopySuffix[] = ".copying";

// Copies `source` to `target` unless a file of that name exists. The copy is
// written under a temporary name beside the target, synced, and then
// renamed, which never replaces a file that took the name meanwhile.
CopyOutcome CopyFileWithoutReplacing(const QString& source, const QString& target);

// Whether `a` and `b` are one file (two names of it) or two regular files
// of the same bytes. False when either can't be read.
bool FilesHoldTheSame(const QString& a, const QString& b);
