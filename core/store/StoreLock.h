#pragma once

#include <QString>

// "This company is open in a program": an advisory lock held on the company
// store file itself for as long as the company is open. The lock belongs to
// the file, not to the name it was opened by: a symbolic or hard link to a
// store, or the store renamed at the end of a run, shares the one lock. A
// second program sees the lock and opens the company for reading only, so
// two programs never write one store from two stale copies. The system
// drops the lock with the process, so a program that was killed leaves no
// company locked.
//
// The lock is the system's whole-file lock (flock), which the store engine's
// own record locks on the same file neither see nor disturb. Earlier builds
// held a lock on a file beside the store (its name + ".lock"); a leftover of
// one is cleaned away (StoreLeftovers.h).
class StoreLock {
public:
    enum class Result {
        Taken,         // this program holds the lock now
        HeldElsewhere, // another program (or another lock of this one) holds it
        Unavailable,   // the store can't be opened to lock it (missing, no permission)
    };

    StoreLock() = default;
    ~StoreLock();
    StoreLock(const StoreLock&) = delete;
    StoreLock& operator=(const StoreLock&) = delete;

    // Takes the lock of the store `storePath`, releasing one held before.
    // Never waits, also when the name is a pipe.
    Result Take(const QString& storePath);
    void Release();
    bool Held() const { return fd_ >= 0; }

    // Whether another holder has the lock of `storePath` right now.
    static bool IsHeldElsewhere(const QString& storePath);

private:
    int fd_ = -1;
};
