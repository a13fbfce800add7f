#pragma once

#include <QApplication>

// The program's QApplication, with mends for screen readers that Qt lacks:
// - a screen reader hears of a text box taking the focus without first hearing what the box
//   does to its text as it takes it (selecting it on Tab, dropping a prompt): told of that
//   first, Orca takes the box for where the user already was and says nothing when the focus
//   arrives;
// - the Alt key reaches the menu bar once. With a screen reader on Linux, Qt hands every key to
//   the reader and delivers it again afterwards, and on that second delivery of Alt the menu bar
//   counts a new press: Alt alone opened the menu and closed it at once, and an access key such
//   as Alt+A opened the menu too, once its command had run;
// - what cannot be seen is off screen to the reader (unseenwidgets.h);
// - under wine, a reader letting go of the program's last element cannot stop it
//   (heldautomationelement.h);
// - no warnings from Qt 6.8's bridge to the readers about news it cannot give them.
class Application : public QApplication
{
    Q_OBJECT

public:
    Application(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;
};
