#include "windows/modal.h"

#include <QAccessible>
#include <QDialog>
#include <QTimer>

#include <chrono>

int execModal(QDialog *dialog)
{
    const int result = dialog->exec();
    // Said now, while the window can still answer what is then asked about it: Qt itself tells
    // screen readers nothing when a window is deleted, and they would go on listing it among the
    // program's windows.
    QAccessibleEvent gone(dialog, QAccessible::ObjectDestroyed);
    QAccessible::updateAccessibility(&gone);
    if (dialog->parentWidget()) {
        QTimer::singleShot(std::chrono::seconds(10), dialog, &QObject::deleteLater);
    } else {
        // A dialog of no window may be the program's last, after which no timer runs.
        delete dialog;
    }
    return result;
}
