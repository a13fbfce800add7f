#include "app/instancelock.h"

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

#ifdef Q_OS_WIN

// A named mutex of the user's logon session: it lives exactly as long as a process holds a
// handle to it, and leaves no file behind. Executable names are not case-sensitive on Windows.
InstanceLock::InstanceLock(const QString &programName)
{
    const QString name =
        QStringLiteral("Local\\") + programName.toLower() + QStringLiteral(".instance");
    m_mutex = CreateMutexW(nullptr, FALSE, reinterpret_cast<const wchar_t *>(name.utf16()));
    if (m_mutex && GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(m_mutex);
        m_mutex = nullptr;
        m_heldByAnotherCopy = true;
    }
}

InstanceLock::~InstanceLock()
{
    if (m_mutex) {
        CloseHandle(m_mutex);
    }
}

#else

// A lock on an open file in the user's runtime folder: the kernel drops it with the last open
// descriptor, so nothing recorded in the file (such as a process id) can outlive its holder.
// Close-on-exec, so that a browser started from here does not go on holding it.
InstanceLock::InstanceLock(const QString &programName)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        folder = QDir::tempPath();
    }
    const QByteArray path =
        QFile::encodeName(QDir(folder).filePath(programName + QStringLiteral(".lock")));
    m_file = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (m_file < 0) {
        return;
    }
    int locked;
    do {
        locked = ::flock(m_file, LOCK_EX | LOCK_NB);
    } while (locked != 0 && errno == EINTR);
    if (locked != 0) {
        m_heldByAnotherCopy = errno == EWOULDBLOCK;
        ::close(m_file);
        m_file = -1;
    }
}

InstanceLock::~InstanceLock()
{
    if (m_file >= 0) {
        ::close(m_file);
    }
}

#endif
