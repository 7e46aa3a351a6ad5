#pragma once

#include "settings/settingsrecord.h"

#include <QDir>
#include <QFileInfo>

#include <QString>
#include <QtGlobal>
#include <functional>

// The program's one copy of inst.ini: read once at start, written back whenever a window has
// put its section in.
class SettingsStore
{
public:
    explicit SettingsStore(const QString &programFolder)
        : m_programFolder(programFolder)
    {
    }

    bool load() { return m_record.read(m_programFolder); }
    // A save that fails (a read-only file or folder, a full disk) leaves inst.ini as it was
    // and says so on stderr: this session's settings are lost.
    bool save() const
    {
        if (m_record.write(m_programFolder))
            return true;
        qWarning("Ordbok: cannot write the settings to %s; check that the program folder and "
                 "the file can be written.",
                 qPrintable(filePath()));
        if (m_saveFailed)
            m_saveFailed(filePath());
        return false;
    }
    // Told of every save that failed, so that the user hears of it in a window.
    void setSaveFailureHandler(std::function<void(const QString &file)> handler)
    {
        m_saveFailed = std::move(handler);
    }
    // Why a save would fail, seen without writing; a full disk shows only when saving.
    enum class SaveObstacle { None, NotAFile, ReadOnlyFile, ReadOnlyFolder };
    SaveObstacle saveObstacle() const
    {
        const QFileInfo file(filePath());
        if (file.exists() && !file.isFile())
            return SaveObstacle::NotAFile;
        if (file.exists() && !file.isWritable())
            return SaveObstacle::ReadOnlyFile;
        // The new content is written beside the file, then renamed over it.
        if (!QFileInfo(m_programFolder).isWritable())
            return SaveObstacle::ReadOnlyFolder;
        return SaveObstacle::None;
    }
    QString filePath() const { return QDir(m_programFolder).filePath(SettingsRecord::fileName); }

    SettingsRecord &record() { return m_record; }
    const SettingsRecord &record() const { return m_record; }
    QString programFolder() const { return m_programFolder; }

private:
    QString m_programFolder;
    std::function<void(const QString &)> m_saveFailed;
    SettingsRecord m_record;
};
