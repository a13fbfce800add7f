#include "app/application.h"

#include "app/heldautomationelement.h"
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

bool isTextChange(const QAccessibleEvent &event)
{
    return event.type() == QAccessible::TextInserted || event.type() == QAccessible::TextRemoved ||
           event.type() == QAccessible::TextUpdated;
}

// A label that takes the focus gets a text document of its own from Qt, which tells screen
// readers of every change to it. A label offers them no text to read through, so Qt's bridge
// drops those news, each with a warning: here they are dropped before.
void tellWhatCanBeRead(QAccessibleEvent *event)
{
    if (isTextChange(*event)) {
        QAccessibleInterface *changed = event->accessibleInterface();
        if (!changed || !changed->textInterface()) {
            return;
        }
    }
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(tellWhatCanBeRead);
}

QtMessageHandler qtOwnHandler = nullptr;

// Orca 48 asks Qt 6.8 to tell it when a window is destroyed, which Qt never does, and Qt warns
// that it has no such news. Nothing in the program can act on it.
void leaveOutUnservedSubscriptions(QtMsgType type, const QMessageLogContext &context,
                                   const QString &message)
{
    if (qstrcmp(context.category, "qt.accessibility.atspi") == 0 &&
        message.startsWith(QLatin1String("Subscription string not handled"))) {
        return;
    }
    qtOwnHandler(type, context, message);
}

} // namespace

Application::Application(int &argc, char **argv)
    : QApplication(argc, argv)
{
    presentUnseenWidgetsAsOffscreen();
    holdAutomationElementOnceAsked();
    QAccessible::installUpdateHandler(tellWhatCanBeRead);
    qtOwnHandler = qInstallMessageHandler(leaveOutUnservedSubscriptions);
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
