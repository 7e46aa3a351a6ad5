#include "app/globals.h"
#include "app/startwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ordbok"));
    QApplication::setApplicationVersion(QStringLiteral("3.4.0"));

    auto *start = new StartWindow(Globals::programFolder());
    start->start();
    return app.exec();
}
