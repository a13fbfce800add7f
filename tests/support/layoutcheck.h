#pragma once

#include "support/qtprinters.h"
#include "windows/layout.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QWidget>

#include <gtest/gtest.h>

// What a person reads on a control.
inline QString shownText(const QWidget *widget)
{
    if (const auto *label = qobject_cast<const QLabel *>(widget)) {
        return label->text();
    }
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget)) {
        return button->text();
    }
    if (const auto *frame = qobject_cast<const QGroupBox *>(widget)) {
        return frame->title();
    }
    if (const auto *box = qobject_cast<const QLineEdit *>(widget)) {
        return box->text();
    }
    if (const auto *box = qobject_cast<const QPlainTextEdit *>(widget)) {
        // As a Windows box holds it, with carriage return and line feed.
        return box->toPlainText().replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    }
    return {};
}

// Object names of a container's child widgets, bottom of the stacking order first.
inline QStringList stackingOrder(const QWidget *container)
{
    QStringList names;
    for (const QObject *child : container->children()) {
        if (child->isWidgetType() && !child->objectName().isEmpty()) {
            names << child->objectName();
        }
    }
    return names;
}

// Walks a window's stored layout and checks that the built window shows every control as stored.
inline void expectMatchesLayout(const QWidget *client, const WindowLayout &layout)
{
    EXPECT_EQ(client->size(), clientSizeInPixels(layout));
    EXPECT_EQ(client->palette().color(QPalette::Window), QColor(layout.backColour));
    for (const ControlLayout &control : layout.controls) {
        SCOPED_TRACE(control.name);
        const auto *widget = client->findChild<QWidget *>(QLatin1String(control.name));
        ASSERT_NE(widget, nullptr);
        const QWidget *container =
            control.container ? client->findChild<QWidget *>(QLatin1String(control.container))
                              : client;
        EXPECT_EQ(widget->parentWidget(), container);

        const QRect stored = twipsToPixels(control.rect);
        if (control.autoSize) {
            EXPECT_EQ(widget->pos(), stored.topLeft());
        } else if (control.kind == ControlKind::Line) {
            EXPECT_EQ(widget->height(), 2);
            EXPECT_TRUE(widget->geometry().contains(stored.left(), stored.top()));
            EXPECT_EQ(widget->width(), stored.width());
        } else {
            EXPECT_EQ(widget->geometry(), stored);
        }

        const QFont font = widget->font();
        EXPECT_EQ(font.family(), QString::fromUtf16(control.font.family));
        EXPECT_DOUBLE_EQ(font.pointSizeF(), control.font.points);
        EXPECT_EQ(font.bold(), control.font.bold);
        EXPECT_EQ(font.underline(), control.font.underline);

        if (control.caption && control.kind != ControlKind::DateList) {
            EXPECT_EQ(shownText(widget), shownCaption(control.kind, control.caption));
        }
        const bool label = control.kind == ControlKind::Label ||
                           control.kind == ControlKind::LinkLabel ||
                           control.kind == ControlKind::Frame;
        if (label && control.textColour) {
            EXPECT_EQ(widget->palette().color(QPalette::WindowText), QColor(*control.textColour));
        }
        if (label && control.backColour) {
            EXPECT_TRUE(widget->autoFillBackground());
            EXPECT_EQ(widget->palette().color(QPalette::Window), QColor(*control.backColour));
        }
        if (control.kind == ControlKind::LinkLabel) {
            EXPECT_EQ(widget->cursor().shape(), Qt::BitmapCursor);
            EXPECT_EQ(widget->focusPolicy(), Qt::NoFocus);
        }
    }
}
