#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <functional>
#include <optional>

// One ordbok-cli subcommand. Arguments exclude the program and subcommand names.
// Output is plain UTF-8 text, one result per line.
struct CliCommand
{
    QString name;
    QString usage; // shown by `ordbok-cli help`
    std::function<int(const QStringList &args, QTextStream &out, QTextStream &err)> run;
    // The options the command takes: flags alone, valued ones followed by their value. Any
    // other "--" word, or a valued option without its value, is a usage error before run.
    QStringList flags = {};
    QStringList valued = {};
};

// The folder holding the stores: --into/--folder FOLDER when given, else the program folder.
QString cliProgramFolder(QStringList &args);

// Why the arguments do not fit the command ("unknown option --x"), or nullopt when they do;
// a folder given with --into/--folder that does not exist is named as well.
std::optional<QString> cliArgumentError(const CliCommand &command, const QStringList &args);
