#include "app/application.h"
#include "ordbok/version.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QLoggingCategory>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Skipped steps explain themselves only when asked (QT_LOGGING_RULES="ordbok.*=true").
    QLoggingCategory::setFilterRules(QStringLiteral("ordbok.*.debug=false"));
    QApplication::setApplicationName(QStringLiteral("Ordbok"));
    QApplication::setApplicationVersion(QStringLiteral(ORDBOK_VERSION_STRING));
    const QString folder = QCoreApplication::applicationDirPath();
    QApplication::setWindowIcon(QIcon(QDir(folder).filePath(QStringLiteral("ordbok.png"))));

    Application ordbok(folder);
    ordbok.start();
    return app.exec();
}
