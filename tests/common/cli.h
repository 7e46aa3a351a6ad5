#pragma once

// Runs the command line of the build (ORDBOK_CLI, defined by the test's target).

#include <QProcess>
#include <QStringList>

namespace TestCli {

// The exit code, then the lines printed; "timed out" alone when it does not finish.
inline QStringList run(const QStringList &arguments, int timeoutMs = 30000)
{
    QProcess process;
    process.start(QStringLiteral(ORDBOK_CLI), arguments);
    if (!process.waitForFinished(timeoutMs))
        return {QStringLiteral("timed out")};
    return QStringList{QString::number(process.exitCode())} +
           QString::fromUtf8(process.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
}

} // namespace TestCli
