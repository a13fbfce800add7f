#include "windows/modal.h"

#include <QAccessible>
#include <QCoreApplication>
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
    // Kept a while, with a parent window or none, for a reader still asking about what it was
    // just told; freed as the program ends if that comes first, as it may after the last dialog.
    QTimer::singleShot(std::chrono::seconds(10), dialog, &QObject::deleteLater);
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, dialog, [dialog] { delete dialog; });
    return result;
}
