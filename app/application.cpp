#include "app/application.h"

#include "app/unseenwidgets.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

// Qt's own delivery of a key comes from the window system; the screen reader's copy is posted.
bool isSecondDeliveryOfAlt(const QEvent &event)
{
    if (event.type() != QEvent::KeyPress || event.spontaneous()) {
        return false;
    }
    const int key = static_cast<const QKeyEvent &>(event).key();
    return key == Qt::Key_Alt || key == Qt::Key_Meta;
}

bool isTextBox(const QObject *object)
{
    return qobject_cast<const QLineEdit *>(object) || qobject_cast<const QPlainTextEdit *>(object);
}

void tellNobody(QAccessibleEvent *) {}

} // namespace

Application::Application(int &argc, char **argv)
    : QApplication(argc, argv)
{
    presentUnseenWidgetsAsOffscreen();
}

bool Application::notify(QObject *receiver, QEvent *event)
{
    // Delivered, a key press runs the shortcuts once more, before any event filter sees it.
    if (isSecondDeliveryOfAlt(*event)) {
        return true;
    }
    if (event->type() == QEvent::FocusIn && isTextBox(receiver)) {
        // The screen reader reads the box as it is once told of the focus, right after this.
        const QAccessible::UpdateHandler told = QAccessible::installUpdateHandler(tellNobody);
        const bool handled = QApplication::notify(receiver, event);
        QAccessible::installUpdateHandler(told);
        return handled;
    }
    return QApplication::notify(receiver, event);
}
