#pragma once

#include "support/qtprinters.h"

#include <QApplication>
#include <QStringList>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

// Shows a window and gives it the keyboard, as a person clicking on it would.
inline void showActive(QWidget *window)
{
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
}

// A control of a window by its name; the test fails when there is none.
template<typename Widget = QWidget>
Widget *control(const QWidget *window, const char *name)
{
    auto *widget = window->findChild<Widget *>(QLatin1String(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

// Presses Tab `count` times, as a person would, and names the control focused after each press.
inline QStringList tabStops(int count)
{
    QStringList visited;
    for (int step = 0; step < count; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    return visited;
}
