#pragma once

#include "cli/command.h"

#include <QList>

// Each area adds its subcommands in its own file and lists them here.
QList<CliCommand> importCommands();     // cli/importcommands.cpp
QList<CliCommand> dictionaryCommands(); // cli/dictionarycommands.cpp

inline QList<CliCommand> allCliCommands()
{
    return importCommands() + dictionaryCommands();
}
