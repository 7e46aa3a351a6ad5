#pragma once

#include "command.h"

#include <QList>

// Each area adds its subcommands in its own file and lists them here.
QList<CliCommand> importCommands();     // cli/importcommands.cpp
QList<CliCommand> dictionaryCommands(); // cli/dictionarycommands.cpp
QList<CliCommand> codeCommands();       // cli/codecommands.cpp
QList<CliCommand> cedictCommands();     // cli/cedictcommands.cpp
QList<CliCommand> pinyinCommands();     // cli/pinyincommands.cpp
QList<CliCommand> searchCommands();     // cli/searchcommands.cpp
QList<CliCommand> printCommands();      // cli/printcommands.cpp
// Commands that draw pages need fonts, so a QGuiApplication (offscreen without a display).
bool cliCommandDraws(const QString &name);
QList<CliCommand> handwritingCommands(); // cli/handwritingcommands.cpp

inline QList<CliCommand> allCliCommands()
{
    return importCommands() + dictionaryCommands() + codeCommands() + cedictCommands() +
           pinyinCommands() + searchCommands() + printCommands() + handwritingCommands();
}
