#include "cli/commands.h"

QList<CliCommand> importCommands()
{
    return {};
}
