#include "app/unseenwidgets.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QWidget>

namespace {

// Qt's own interface for a widget, with the one state it leaves out. Qt's interfaces for the
// kinds of widgets are not public, so this one hands every question but the state to Qt's.
class UnseenAwareInterface : public QAccessibleInterface
{
public:
    explicit UnseenAwareInterface(QAccessibleInterface *qtOwn)
        : m_qtOwn(qtOwn)
    {}

    QAccessible::State state() const override
    {
        QAccessible::State state = m_qtOwn->state();
        const auto *widget = static_cast<const QWidget *>(object());
        if (widget && (!widget->isVisible() || widget->visibleRegion().isEmpty())) {
            state.offscreen = true;
        }
        return state;
    }

    bool isValid() const override { return m_qtOwn->isValid(); }
    QObject *object() const override { return m_qtOwn->object(); }
    QWindow *window() const override { return m_qtOwn->window(); }
    QList<QPair<QAccessibleInterface *, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override
    {
        return m_qtOwn->relations(match);
    }
    QAccessibleInterface *focusChild() const override
    {
        // Qt's answer for a widget whose window is not active asks the focused widget's
        // interface for its own focus child, and stops only when that is Qt's own interface.
        // It meets this one, which would ask again without end: the second time, say "none".
        if (m_askingForFocusChild) {
            return nullptr;
        }
        m_askingForFocusChild = true;
        QAccessibleInterface *child = m_qtOwn->focusChild();
        m_askingForFocusChild = false;
        return child;
    }
    QAccessibleInterface *childAt(int x, int y) const override { return m_qtOwn->childAt(x, y); }
    QAccessibleInterface *parent() const override { return m_qtOwn->parent(); }
    QAccessibleInterface *child(int index) const override { return m_qtOwn->child(index); }
    int childCount() const override { return m_qtOwn->childCount(); }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return m_qtOwn->indexOfChild(child);
    }
    QString text(QAccessible::Text kind) const override { return m_qtOwn->text(kind); }
    void setText(QAccessible::Text kind, const QString &text) override
    {
        m_qtOwn->setText(kind, text);
    }
    QRect rect() const override { return m_qtOwn->rect(); }
    QAccessible::Role role() const override { return m_qtOwn->role(); }
    QColor foregroundColor() const override { return m_qtOwn->foregroundColor(); }
    QColor backgroundColor() const override { return m_qtOwn->backgroundColor(); }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return m_qtOwn->interface_cast(type);
    }
    void virtual_hook(int id, void *data) override { m_qtOwn->virtual_hook(id, data); }

private:
    // Kept in Qt's cache beside this one, and deleted with the widget as this one is.
    QAccessibleInterface *m_qtOwn;
    mutable bool m_askingForFocusChild = false;
};

bool askingQt = false;

// Qt asks the newest factory first. This one asks Qt's for the widget's own interface, and Qt's
// cache then hands out the newer of the two for the widget: this one.
QAccessibleInterface *unseenAwareInterface(const QString &, QObject *object)
{
    if (askingQt || !object || !object->isWidgetType()) {
        return nullptr;
    }
    askingQt = true;
    QAccessibleInterface *qtOwn = QAccessible::queryAccessibleInterface(object);
    askingQt = false;
    return qtOwn ? new UnseenAwareInterface(qtOwn) : nullptr;
}

} // namespace

void presentUnseenWidgetsAsOffscreen()
{
    QAccessible::installFactory(unseenAwareInterface);
}
