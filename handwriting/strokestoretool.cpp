// ordbok-strokestore PACKAGE_FOLDER STORE_FILE: the build's step from the hanzi-writer-data
// package to the program folder's stroke store.
#include "handwriting/strokestorewriter.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        err << "Usage: ordbok-strokestore PACKAGE_FOLDER STORE_FILE\n";
        return 2;
    }
    QString error;
    const auto report = StrokeStoreWriter::buildFromFolder(args.at(1), args.at(2), &error);
    if (!report) {
        err << error << '\n';
        return 1;
    }
    QTextStream(stdout) << report->written << " characters, " << report->skipped.size()
                        << " skipped"
                        << (report->skipped.isEmpty()
                                ? QString()
                                : QStringLiteral(": ") + report->skipped.join(u' '))
                        << '\n';
    return 0;
}
