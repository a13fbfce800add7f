#pragma once

#include <QObject>

// The system asking the program to end, as a Qt signal on the user-interface thread, so the
// program ends through its own ending routine and keeps its data: SIGTERM, SIGINT and SIGHUP (a
// desktop logging out, a terminal closing) on Unix, the end of the session on Windows.
class TerminationSignal : public QObject
{
    Q_OBJECT

public:
    explicit TerminationSignal(QObject *parent = nullptr);

signals:
    void received();
};
