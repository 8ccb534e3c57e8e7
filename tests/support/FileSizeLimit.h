#pragma once

#include <QtGlobal>

#include <functional>

// A full disk without a disk: a process whose files may not grow beyond a
// size. Writes past the limit fail with EFBIG when the process survives
// them (SIGXFSZ ignored), or the system kills the process at that write.

// Puts the calling process under the limit (meant for a child process).
void LimitFileSize(qint64 bytes, bool survive);

// Runs `work` in a forked child under the limit; returns the child's exit
// code (work's result), or -N when signal N ended it.
int RunWithFileSizeLimit(qint64 bytes, bool survive, const std::function<int()>& work);
