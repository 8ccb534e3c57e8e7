#pragma once

#include <QString>

// "This company is open in a program": an advisory lock held on a file
// beside the company store (its name + ".lock") for as long as the company is
// open. A second program sees the lock and opens the company for reading
// only, so two programs never write one store from two stale copies. The
// system drops the lock with the process, so a program that was killed
// leaves no company locked; the lock file goes when the lock is released.
class StoreLock {
public:
    enum class Result {
        Taken,         // this program holds the lock now
        HeldElsewhere, // another program (or another lock of this one) holds it
        Unavailable,   // the lock file can't be made (a folder without write access)
    };

    StoreLock() = default;
    ~StoreLock();
    StoreLock(const StoreLock&) = delete;
    StoreLock& operator=(const StoreLock&) = delete;

    // Takes the lock of the store `storePath`, releasing one held before.
    Result Take(const QString& storePath);
    void Release();
    bool Held() const { return fd_ >= 0; }

    // Whether another holder has the lock of `storePath` right now.
    static bool IsHeldElsewhere(const QString& storePath);

    static QString LockFilePath(const QString& storePath);

private:
    int fd_ = -1;
    QString lockPath_;
};
