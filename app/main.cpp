#include "app/qtplatform.h"
#include "windows/layout.h"
#include "windows/mainwindow.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icon.png")));
    QtPlatform platform;
    MainWindow mainWindow(platform);
    QObject::connect(&mainWindow, &MainWindow::unloading, &application, &QApplication::quit);
    centreOnScreen(&mainWindow);
    mainWindow.show();
    return application.exec();
}
