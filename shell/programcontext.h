#pragma once

#include <QString>

class DictionaryTables;
class SettingsStore;

// What every window is handed by the application object: the program folder, the one settings
// store and the one open set of dictionary tables.
struct ProgramContext
{
    QString programFolder;
    SettingsStore &settings;
    DictionaryTables &tables;
};
