#include "app/globals.h"
#include "app/startwindow.h"
#include "pinyin/syllabletables.h"
#include "platform/fontregistration.h"

#include <QApplication>
#include <QLoggingCategory>
#include <QDir>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Skipped steps explain themselves only when asked (QT_LOGGING_RULES="ordbok.*=true").
    QLoggingCategory::setFilterRules(QStringLiteral("ordbok.*.debug=false"));
    QApplication::setApplicationName(QStringLiteral("Ordbok"));
    QApplication::setApplicationVersion(QStringLiteral("3.4.0"));
    const QString folder = Globals::programFolder();
    QApplication::setWindowIcon(QIcon(QDir(folder).filePath(QStringLiteral("ordbok.png"))));

    loadSimplifiedTable();
    // The program draws with its own fonts whether or not they are installed for the user.
    registerProgramFonts(folder);

    auto *start = new StartWindow(folder);
    start->start();
    return app.exec();
}
