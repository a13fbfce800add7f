#pragma once

#include <QString>

// Marks one running copy of the program per user and executable name. The operating system
// lets go of it when the holding process ends, however it ends, so a copy that died never keeps
// the next start out, whichever process id that one is given.
class InstanceLock
{
public:
    explicit InstanceLock(const QString &programName);
    ~InstanceLock();
    InstanceLock(const InstanceLock &) = delete;
    InstanceLock &operator=(const InstanceLock &) = delete;

    // False too when no lock could be made at all (no writable runtime folder): then the copy
    // runs rather than never.
    bool isHeldByAnotherCopy() const { return m_heldByAnotherCopy; }

private:
#ifdef Q_OS_WIN
    void *m_mutex = nullptr;
#else
    int m_file = -1;
#endif
    bool m_heldByAnotherCopy = false;
};
