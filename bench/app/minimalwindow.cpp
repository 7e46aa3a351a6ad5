// The least a Qt Widgets program does to show a window: the yardstick of
// bench/startup-vs-minimal.sh. One window with the English main window's title, at the size
// given as "WIDTHxHEIGHT" (the script passes the main window's own).

#include "shell/shownprobe.h"

#include <QApplication>
#include <QWidget>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    ShownProbe::installIfAsked();
    QWidget window;
    window.setWindowTitle(u"Free Chinese / Asian dictionary from Brenvik"_s);
    const QStringList size = app.arguments().value(1).split(u'x');
    window.resize(size.value(0).toInt() > 0 ? size.value(0).toInt() : 1000,
                  size.value(1).toInt() > 0 ? size.value(1).toInt() : 700);
    window.show();
    return app.exec();
}
