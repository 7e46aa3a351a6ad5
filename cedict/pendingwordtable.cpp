#include "cedict/pendingwordtable.h"

#include "cedict/cedictlog.h"
#include "dictionary/tables.h"
#include "platform/regularfile.h"
#include "platform/savefile.h"
#include "platform/sqliteconnection.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <QSqlRecord>

#include <filesystem>
#include <system_error>

using namespace Qt::StringLiterals;

namespace {

constexpr qint64 journalMaxBytes = 64 * 1024;

std::filesystem::path nativePath(const QString &file)
{
    return std::filesystem::path(file.toStdU16String());
}

// A file someone put there by hand may be anything; only a word store replaces the table.
bool isWordStore(const QString &file)
{
    SqliteConnection connection(file, SqliteConnection::Mode::ReadOnly);
    return connection.isOpen() &&
           connection.database().record(Tables::tableName).contains(WordField::teckenkoder);
}

QString previousName(QLatin1StringView file)
{
    return DictionaryFiles::previousFolder + u'/' + file;
}

QString swapName(QLatin1StringView file)
{
    return DictionaryFiles::previousFolder + u'/' + file + u".swap"_s;
}

QString move(const QString &from, const QString &to)
{
    return u"move\t%1\t%2"_s.arg(from, to);
}

QString remove(const QString &file)
{
    return u"remove\t"_s + file;
}

DictionaryGeneration generation(const QString &wordStore)
{
    DictionaryGeneration result;
    const QFileInfo info(wordStore);
    if (!info.isFile())
        return result;
    result.exists = true;
    result.written = info.lastModified();
    result.entries = std::max<qint64>(0, wordTableEntries(wordStore));
    return result;
}

} // namespace

namespace DictionaryFiles {

QString previousWordStore(const QString &programFolder)
{
    return QDir(programFolder).filePath(previousName(Tables::wordStore));
}

QString previousBig5(const QString &programFolder)
{
    return QDir(programFolder).filePath(previousName(currentBig5));
}

} // namespace DictionaryFiles

QString stagingFileFor(const QString &targetFile)
{
    return targetFile + u".part"_s;
}

bool replaceFile(const QString &source, const QString &target)
{
    std::error_code error;
    std::filesystem::rename(nativePath(source), nativePath(target), error);
    if (error)
        qCDebug(lcCedict) << "cannot rename" << source << "to" << target << error.message().c_str();
    return !error;
}

qint64 wordTableEntries(const QString &databaseFile)
{
    if (!QFileInfo(databaseFile).isFile())
        return -1;
    SqliteConnection connection(databaseFile, SqliteConnection::Mode::ReadOnly);
    QSqlQuery query(connection.database());
    if (!query.exec(u"SELECT count(*) FROM Tabell1 WHERE %1 <> '' OR %2 <> ''"_s.arg(
            WordField::teckenkoder, WordField::tecken)) ||
        !query.next())
        return -1;
    return query.value(0).toLongLong();
}

DictionaryUpdate::DictionaryUpdate(const QString &programFolder)
    : m_folder(programFolder)
{
}

QString DictionaryUpdate::path(const QString &name) const
{
    return QDir(m_folder).filePath(name);
}

QStringList DictionaryUpdate::installPlan() const
{
    const bool withBig5 = QFileInfo(path(DictionaryFiles::pendingBig5)).isFile();
    QStringList plan{remove(previousName(Tables::wordStore)),
                     remove(previousName(DictionaryFiles::currentBig5)),
                     move(Tables::wordStore, previousName(Tables::wordStore))};
    if (withBig5) {
        plan << move(DictionaryFiles::currentBig5, previousName(DictionaryFiles::currentBig5))
             << move(DictionaryFiles::pendingBig5, DictionaryFiles::currentBig5);
    }
    // The word table last: until it is in place, the pending pair is still whole.
    plan << move(Tables::pendingWordStore, Tables::wordStore);
    return plan;
}

QStringList DictionaryUpdate::restorePlan() const
{
    QStringList plan{remove(DictionaryFiles::restoreRequest), remove(Tables::pendingWordStore),
                     remove(DictionaryFiles::pendingBig5)};
    const auto swap = [&plan](QLatin1StringView file) {
        plan << move(file, swapName(file)) << move(previousName(file), file)
             << move(swapName(file), previousName(file));
    };
    swap(Tables::wordStore);
    if (QFileInfo(DictionaryFiles::previousBig5(m_folder)).isFile())
        swap(DictionaryFiles::currentBig5);
    return plan;
}

bool DictionaryUpdate::runJournal()
{
    const QString journal = path(DictionaryFiles::journal);
    const std::optional<QByteArray> bytes = RegularFile::read(journal, journalMaxBytes);
    if (!bytes) {
        m_failure = u"%1 cannot be read"_s.arg(journal);
        return false;
    }
    QStringList lines = QString::fromUtf8(*bytes).split(u'\n', Qt::SkipEmptyParts);
    bool ok = !lines.isEmpty() && lines.first().startsWith(u"next="_s);
    const int next = ok ? lines.first().mid(5).toInt(&ok) : 0;
    if (!ok || next < 0) {
        m_failure = u"%1 is damaged"_s.arg(journal);
        return false;
    }
    lines.removeFirst();
    for (int step = next; step < lines.size(); ++step) {
        if (m_stepHook && !m_stepHook(step))
            return false;
        const QStringList op = lines.at(step).split(u'\t');
        // Every step may be done twice (the program killed after it, before the journal
        // said so): a move whose source is gone has been made already.
        if (op.size() == 3 && op.at(0) == u"move") {
            const QString from = path(op.at(1));
            if (QFileInfo::exists(from) && !replaceFile(from, path(op.at(2)))) {
                m_failure = u"%1 cannot be renamed to %2"_s.arg(from, path(op.at(2)));
                return false;
            }
        } else if (op.size() == 2 && op.at(0) == u"remove") {
            const QString file = path(op.at(1));
            if (QFileInfo::exists(file) && !QFile::remove(file)) {
                m_failure = u"%1 cannot be removed"_s.arg(file);
                return false;
            }
        } else {
            m_failure = u"%1 is damaged"_s.arg(journal);
            return false;
        }
        QString error;
        const QString progress = u"next=%1\n"_s.arg(step + 1) + lines.join(u'\n') + u'\n';
        if (!writeWholeFile(journal, progress.toUtf8(), &error)) {
            m_failure = u"%1 cannot be written: %2"_s.arg(journal, error);
            return false;
        }
    }
    QFile::remove(journal);
    return true;
}

DictionaryUpdate::Change DictionaryUpdate::applyAtStart()
{
    m_failure.clear();
    const QString pending = path(Tables::pendingWordStore);
    const QString staging = stagingFileFor(pending);
    for (const QString &leftover : {staging, stagingFileFor(path(DictionaryFiles::pendingBig5))}) {
        if (QFileInfo::exists(leftover) && !QFile::remove(leftover))
            qCDebug(lcCedict) << "cannot remove unfinished import" << leftover;
    }

    const QString journal = path(DictionaryFiles::journal);
    Change change = Change::None;
    if (QFileInfo::exists(journal)) {
        const std::optional<QByteArray> plan = RegularFile::read(journal, journalMaxBytes);
        change = plan && plan->contains(DictionaryFiles::restoreRequest.latin1())
                     ? Change::Restored
                     : Change::Installed;
    } else {
        QStringList plan;
        if (restoreRequested()) {
            if (QFileInfo(DictionaryFiles::previousWordStore(m_folder)).isFile()) {
                plan = restorePlan();
                change = Change::Restored;
            } else {
                cancelRestoreRequest();
            }
        } else if (QFileInfo(pending).isFile()) {
            if (!isWordStore(pending)) {
                qCDebug(lcCedict) << "waiting word table is not a word store, left as it is:"
                                  << pending;
            } else {
                plan = installPlan();
                change = Change::Installed;
            }
        } else if (QFileInfo::exists(path(DictionaryFiles::pendingBig5))) {
            // Its word table never followed: an import killed between the two renames.
            QFile::remove(path(DictionaryFiles::pendingBig5));
        }
        if (plan.isEmpty())
            return Change::None;
        QString error;
        if (!QDir(m_folder).mkpath(DictionaryFiles::previousFolder) ||
            !writeWholeFile(journal, (u"next=0\n"_s + plan.join(u'\n') + u'\n').toUtf8(), &error)) {
            m_failure = u"%1 cannot be written: %2"_s.arg(journal, error);
            return Change::Failed;
        }
    }
    if (!runJournal())
        return m_failure.isEmpty() ? Change::None : Change::Failed;
    return change;
}

bool DictionaryUpdate::requestRestore(QString *error)
{
    if (!QFileInfo(DictionaryFiles::previousWordStore(m_folder)).isFile()) {
        if (error)
            *error = u"there is no previous dictionary"_s;
        return false;
    }
    // The request replaces a waiting import: the word table first, which makes the pair
    // no longer a waiting one.
    QFile::remove(path(Tables::pendingWordStore));
    QFile::remove(path(DictionaryFiles::pendingBig5));
    return writeWholeFile(path(DictionaryFiles::restoreRequest), "restore\n", error);
}

bool DictionaryUpdate::restoreRequested() const
{
    return QFileInfo::exists(path(DictionaryFiles::restoreRequest));
}

void DictionaryUpdate::cancelRestoreRequest()
{
    QFile::remove(path(DictionaryFiles::restoreRequest));
}

DictionaryGeneration DictionaryUpdate::current() const
{
    return generation(path(Tables::wordStore));
}

DictionaryGeneration DictionaryUpdate::previous() const
{
    return generation(DictionaryFiles::previousWordStore(m_folder));
}

bool installPendingWordTable(const QString &programFolder)
{
    DictionaryUpdate update(programFolder);
    const DictionaryUpdate::Change change = update.applyAtStart();
    if (change == DictionaryUpdate::Change::Failed)
        qCDebug(lcCedict) << "dictionary update failed:" << update.failure();
    return change == DictionaryUpdate::Change::Installed ||
           change == DictionaryUpdate::Change::Restored;
}
