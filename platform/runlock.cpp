#include "platform/runlock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#include <QFile>
#include <cerrno>
#include <cstring>

namespace sorvanta {

CRunLock::~CRunLock() {
    if (m_fd >= 0) ::close(m_fd);  // the file stays: removing it could part a later start from its lock
}

CRunLock::EResult CRunLock::Take() {
    // Read-only is enough to lock, and lets a lock file that exists be used
    // in a folder that has since become read-only.
    m_fd = ::open(QFile::encodeName(m_strPath).constData(), O_RDONLY | O_CREAT | O_CLOEXEC, 0600);
    if (m_fd < 0) {
        m_nError = errno;
        return EResult::Unusable;
    }
    if (::flock(m_fd, LOCK_EX | LOCK_NB) == 0) return EResult::Taken;
    m_nError = errno;
    ::close(m_fd);
    m_fd = -1;
    return m_nError == EWOULDBLOCK ? EResult::HeldByAnother : EResult::Unusable;
}

QString CRunLock::ErrorString() const {
    return m_strPath + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(m_nError));
}

}  // namespace sorvanta
