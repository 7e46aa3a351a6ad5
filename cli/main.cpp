#include "command.h"
#include "commands.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLoggingCategory>

#include <memory>

using namespace Qt::StringLiterals;

QString cliProgramFolder(QStringList &args)
{
    for (const QString &flag : {u"--into"_s, u"--folder"_s}) {
        const qsizetype at = args.indexOf(flag);
        if (at >= 0 && at + 1 < args.size()) {
            const QString folder = args.at(at + 1);
            args.remove(at, 2);
            return folder;
        }
    }
    return QCoreApplication::applicationDirPath();
}

std::optional<QString> cliArgumentError(const CliCommand &command, const QStringList &args)
{
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        if (!arg.startsWith(u"--"_s) || command.flags.contains(arg))
            continue;
        if (!command.valued.contains(arg))
            return u"unknown option "_s + arg;
        if (i + 1 >= args.size() || args.at(i + 1).startsWith(u"--"_s))
            return u"%1 needs a value"_s.arg(arg);
        ++i;
    }
    return std::nullopt;
}

int main(int argc, char *argv[])
{
    const bool draws = argc > 1 && cliCommandDraws(QString::fromLocal8Bit(argv[1]));
    if (draws && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> application =
        draws ? std::make_unique<QGuiApplication>(argc, argv)
              : std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication &app = *application;
    // Skipped steps explain themselves only when asked (QT_LOGGING_RULES="ordbok.*=true").
    QLoggingCategory::setFilterRules(QStringLiteral("ordbok.*.debug=false"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QList<CliCommand> commands = allCliCommands();

    QStringList args = app.arguments().mid(1);
    const QString name = args.isEmpty() ? u"help"_s : args.takeFirst();
    for (const CliCommand &command : commands) {
        if (command.name != name)
            continue;
        if (const std::optional<QString> error = cliArgumentError(command, args)) {
            err << "ordbok-cli " << name << ": " << *error << "\nUsage: ordbok-cli "
                << command.usage << '\n';
            return 2;
        }
        for (const QString &flag : {u"--into"_s, u"--folder"_s}) {
            const qsizetype at = args.indexOf(flag);
            if (at >= 0 && !QFileInfo(args.at(at + 1)).isDir()) {
                err << "No such folder: " << args.at(at + 1) << '\n';
                return 1;
            }
        }
        return command.run(args, out, err);
    }
    QTextStream &stream = name == u"help" ? out : err;
    if (name != u"help")
        stream << "Unknown command: " << name << '\n';
    stream << "Usage: ordbok-cli COMMAND [ARGS]\n";
    for (const CliCommand &command : commands)
        stream << "  " << command.usage << '\n';
    return name == u"help" ? 0 : 2;
}
