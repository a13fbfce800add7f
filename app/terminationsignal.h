#pragma once

#include <QObject>

// SIGTERM, SIGINT and SIGHUP (a desktop logging out, a terminal closing) as a Qt signal on the
// user-interface thread, so the program ends through its own ending routine and keeps its data.
class TerminationSignal : public QObject
{
    Q_OBJECT

public:
    explicit TerminationSignal(QObject *parent = nullptr);

signals:
    void received();
};
