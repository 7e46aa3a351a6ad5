#pragma once

#include "settings/settingsrecord.h"

#include <QDir>
#include <QString>
#include <QtGlobal>

// The program's one copy of inst.ini: read once at start, written back whenever a window has
// put its section in.
class SettingsStore
{
public:
    explicit SettingsStore(const QString &programFolder) : m_programFolder(programFolder) {}

    bool load() { return m_record.read(m_programFolder); }
    // A save that fails (a read-only file or folder, a full disk) leaves inst.ini as it was
    // and says so on stderr: this session's settings are lost.
    bool save() const
    {
        if (m_record.write(m_programFolder))
            return true;
        qWarning("Ordbok: cannot write the settings to %s; check that the program folder and "
                 "the file can be written.",
                 qPrintable(QDir(m_programFolder).filePath(SettingsRecord::fileName)));
        return false;
    }

    SettingsRecord &record() { return m_record; }
    const SettingsRecord &record() const { return m_record; }
    QString programFolder() const { return m_programFolder; }

private:
    QString m_programFolder;
    SettingsRecord m_record;
};
