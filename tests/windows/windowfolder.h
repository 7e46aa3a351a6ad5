#pragma once

// A program folder of a window's own: a temporary directory, its settings and tables that are
// never opened, handed over as the application hands them.

#include "dictionary/tables.h"
#include "settings/settingsstore.h"
#include "shell/programcontext.h"

#include <QTemporaryDir>

struct WindowFolder
{
    QTemporaryDir dir;
    SettingsStore settings{dir.path()};
    DictionaryTables tables;
    ProgramContext context{dir.path(), settings, tables};
};
