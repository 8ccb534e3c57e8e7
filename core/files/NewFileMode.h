#pragma once

#include <QString>

#include <sys/types.h>

// The permissions of the files the program makes for the user (a PDF, a
// CSV export, a company store copied into the data folder): what the
// user's umask gives a new file, as for any other program (0644 under the
// umask 022, 0600 under 077). A file written under a temporary name and
// renamed into place would otherwise keep the private mode of the
// temporary file; a file it replaces keeps its own mode.

// 0666 without the bits of the process's umask.
mode_t NewFileMode();

// Gives `written` (about to be renamed to `target`) the mode of `target`
// when that is a file already, else NewFileMode(). False when the mode
// could not be set.
bool GiveTargetMode(const QString& written, const QString& target);
