// The least a Qt Widgets program does to show a window: the yardstick of
// bench/startup-vs-minimal.sh. One window with the English main window's title, at the size
// given as "WIDTHxHEIGHT" (the script passes the main window's own).
// Given a font file as well, the window is furnished the way any dictionary window must be: a
// menu bar, and a line of Chinese drawn in that font. That is the floor a real window cannot
// go below, however little else it does.

#include "shell/shownprobe.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    ShownProbe::installIfAsked();
    QMainWindow window;
    window.setWindowTitle(u"Free Chinese / Asian dictionary from Brenvik"_s);
    const QStringList size = app.arguments().value(1).split(u'x');
    window.resize(size.value(0).toInt() > 0 ? size.value(0).toInt() : 1000,
                  size.value(1).toInt() > 0 ? size.value(1).toInt() : 700);
    if (const QString fontFile = app.arguments().value(2); !fontFile.isEmpty()) {
        window.menuBar()->addMenu(u"File"_s)->addAction(u"Exit"_s);
        const int id = QFontDatabase::addApplicationFont(fontFile);
        auto *line = new QLabel(u"水 shui3 water"_s);
        line->setFont(QFont(QFontDatabase::applicationFontFamilies(id).value(0), 36));
        window.setCentralWidget(line);
    }
    window.show();
    return app.exec();
}
