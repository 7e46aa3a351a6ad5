#pragma once

#include <QDateTime>
#include <QLatin1StringView>
#include <QString>
#include <QStringList>

#include <functional>

// The dictionary is a pair of files beside the program: the word table kinesiskBIG5kod.mdb and
// the CEDICT file cedict.b5 that the search page reads. An import writes a new pair that waits
// as kinesiskBIG5kod1.mdb and cedict1.b5 (the word table renamed into place last, so a waiting
// word table always has its own cedict1.b5 beside it, if it has one at all); the next start
// installs it and keeps the pair it replaces in the folder "previous", one generation deep. A
// restore asked for (restore.request) swaps the previous pair back in at the next start.
//
// Each install or restore is first written down as a plan (update.journal) of renames and
// removals, then carried out step by step, the journal saying how far it got. A start that is
// killed half-way carries the plan on at the next start before any store is opened, so the
// program always opens the old pair or the new pair, never one of each.
namespace DictionaryFiles {

inline constexpr QLatin1StringView pendingBig5{"cedict1.b5"};
inline constexpr QLatin1StringView currentBig5{"cedict.b5"};
inline constexpr QLatin1StringView previousFolder{"previous"};
inline constexpr QLatin1StringView journal{"update.journal"};
inline constexpr QLatin1StringView restoreRequest{"restore.request"};

QString previousWordStore(const QString &programFolder);
QString previousBig5(const QString &programFolder);

} // namespace DictionaryFiles

// One word table as the Update window describes it.
struct DictionaryGeneration
{
    bool exists = false;
    QDateTime written; // when the import wrote it
    qint64 entries = 0;
};

class DictionaryUpdate
{
public:
    enum class Change { None, Installed, Restored, Failed };

    explicit DictionaryUpdate(const QString &programFolder);

    // At start, before the stores open: carries on an unfinished plan, else restores the
    // previous pair when asked to, else installs a waiting pair. Removes leftovers of imports
    // that never finished.
    Change applyAtStart();
    // What went wrong when applyAtStart() returned Failed, naming the file.
    QString failure() const { return m_failure; }

    // The previous pair comes back at the next start; a waiting import is dropped. False, with
    // the reason in error, when there is no previous dictionary or the request cannot be saved.
    bool requestRestore(QString *error = nullptr);
    bool restoreRequested() const;
    void cancelRestoreRequest();

    DictionaryGeneration current() const;
    DictionaryGeneration previous() const;

    // For tests: called before each step of a plan; returning false stops there, as if the
    // program had been killed.
    void setStepHook(std::function<bool(int step)> hook) { m_stepHook = std::move(hook); }

private:
    QStringList installPlan() const;
    QStringList restorePlan() const;
    bool runJournal();
    QString path(const QString &name) const;

    QString m_folder;
    QString m_failure;
    std::function<bool(int)> m_stepHook;
};

// The dictionary entries a word table holds: records with a headword or its character codes.
// -1 when the file is no readable word table.
qint64 wordTableEntries(const QString &databaseFile);

// Called at start: DictionaryUpdate::applyAtStart(). Returns true when a new pair was
// installed or the previous one restored.
bool installPendingWordTable(const QString &programFolder);

// Where an import writes before its result is renamed to targetFile.
QString stagingFileFor(const QString &targetFile);

// Renames source over target in one step, replacing target if it exists.
bool replaceFile(const QString &source, const QString &target);
