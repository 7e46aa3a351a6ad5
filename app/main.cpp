#include "app/startwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    StartWindow start;
    start.show();
    return app.exec();
}
