#include "cli/commands.h"

QList<CliCommand> dictionaryCommands()
{
    return {};
}
