#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <functional>

// One ordbok-cli subcommand. Arguments exclude the program and subcommand names.
// Output is plain UTF-8 text, one result per line.
struct CliCommand
{
    QString name;
    QString usage; // shown by `ordbok-cli help`
    std::function<int(const QStringList &args, QTextStream &out, QTextStream &err)> run;
};

// The folder holding the stores: --into/--folder FOLDER when given, else the program folder.
QString cliProgramFolder(QStringList &args);
