// The lock that says one program runs: an advisory lock on a file, which the
// system lets go of when its holder ends, however it ends. What the file
// holds does not matter, so a lock file left behind, empty or garbled never
// keeps a later program out.
#pragma once

#include <QString>
#include <utility>

namespace sorvanta {

class CRunLock {
public:
    enum class EResult {
        Taken,          // this process holds the lock now
        HeldByAnother,  // a live process holds it
        Unusable,       // the file cannot be made or locked (folder read-only, full, missing)
    };

    explicit CRunLock(QString strPath) : m_strPath(std::move(strPath)) {}
    ~CRunLock();
    CRunLock(const CRunLock&) = delete;
    CRunLock& operator=(const CRunLock&) = delete;

    EResult Take();
    // Why the lock is unusable.
    QString ErrorString() const;

private:
    QString m_strPath;
    int m_fd = -1;
    int m_nError = 0;
};

}  // namespace sorvanta
