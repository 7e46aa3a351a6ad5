// inst.ini, the study list and the editors' documents on a disk that fails them for real: cut
// short, longer than a record, a read-only folder, full (RLIMIT_FSIZE), a folder in the file's
// place, the writer killed with SIGKILL. What was on disk stays whole, what can be read is
// kept, and nothing crashes.

#include "cedict/studylist.h"
#include "pinyin/documentfile.h"
#include "settings/mainwindowsettings.h"
#include "settings/settingsstore.h"
#include "tests/common/files.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <csignal>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using F = SettingsRecord::Field;

namespace {

// A read-only folder; root ignores permissions, so for root the immutable attribute. False
// where the process cannot make it so.
bool setFolderWritable(const QString &path, bool writable)
{
    const QByteArray name = QFile::encodeName(path);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner |
                                    (writable ? QFile::WriteOwner : QFile::Permissions()));
    const int fd = ::open(name.constData(), O_RDONLY | O_DIRECTORY);
    int flags = 0;
    if (::geteuid() == 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
        flags = writable ? flags & ~FS_IMMUTABLE_FL : flags | FS_IMMUTABLE_FL;
        ::ioctl(fd, FS_IOC_SETFLAGS, &flags);
    }
    ::close(fd);
    return ::access(name.constData(), W_OK) == (writable ? 0 : -1);
}

enum class Kind { Settings, StudyList, Document };

QString fileOf(Kind kind, const QString &folder)
{
    const QString names[] = {QString(SettingsRecord::fileName), QString(StudyList::fileName),
                             u"letter.txt"_s};
    return QDir(folder).filePath(names[int(kind)]);
}

// Something new for the file (what fits a settings field, a line, a long document), saved as
// the program saves it.
QString newText(Kind kind, int round)
{
    if (kind == Kind::Settings)
        return u"r%1"_s.arg(round);
    return (kind == Kind::Document ? u"水"_s.repeated(500000) : u"水"_s) +
           u" round %1"_s.arg(round);
}

bool save(Kind kind, const QString &folder, int round)
{
    const QString text = newText(kind, round);
    if (kind == Kind::Settings) {
        SettingsStore store(folder);
        store.load();
        return store.record().setValue(F::mainFontName, text) && store.save();
    }
    if (kind == Kind::StudyList)
        return StudyList::append(folder, text);
    return DocumentFile::write(fileOf(kind, folder), text).problem == DocumentFile::Problem::None;
}

// Every settings field full of its own letter, then the rest of a record and some more: what
// another program (or an older version) may keep in the file.
QByteArray fullSettingsFile()
{
    QByteArray bytes;
    for (int i = 0; i < SettingsRecord::FieldCount; ++i)
        bytes += QByteArray(SettingsRecord::layout(F(i)).width, char('A' + i % 26));
    return bytes + QByteArray("abcdefghijklmnopqrstuvwxyz").repeated(28).first(718);
}

} // namespace

class TestSaveFaults : public QObject
{
    Q_OBJECT
private slots:
    void settingsCut_data();
    void settingsCut();
    void saveFails_data();
    void saveFails();
};

void TestSaveFaults::settingsCut_data()
{
    QTest::addColumn<int>("length");
    // Nothing, inside and at the ends of fields, of the fields' part and of the record.
    const int full = int(fullSettingsFile().size());
    for (const int length : {0, 1, 4, 5, 173, 180, 417, 418, 419, 835, 836, full})
        QTest::addRow("%d bytes", length) << length;
    const int anywhere = QRandomGenerator::global()->bounded(full);
    QTest::addRow("random cut, %d bytes", anywhere) << anywhere;
}

// Fields cut off read as empty (the windows' defaults), a field cut in two keeps what is left,
// the fields before the cut are kept; the save puts the fields in front of whatever followed.
void TestSaveFaults::settingsCut()
{
    QFETCH(int, length);
    QTemporaryDir dir;
    const QByteArray cut = fullSettingsFile().first(length);
    QVERIFY(TestFiles::write(fileOf(Kind::Settings, dir.path()), cut));
    SettingsStore store(dir.path());
    QVERIFY(store.load());
    for (int i = 0; i < SettingsRecord::FieldCount; ++i) {
        const SettingsRecord::Layout at = SettingsRecord::layout(F(i));
        QCOMPARE(store.record().value(F(i)), QString::fromLatin1(cut.mid(at.offset, at.width)));
    }
    MainWindowSettings::read(store.record());

    QVERIFY(save(Kind::Settings, dir.path(), 7));
    const QByteArray written = TestFiles::read(fileOf(Kind::Settings, dir.path()));
    const qsizetype fields = SettingsRecord::fieldsLength, record = SettingsRecord::recordLength;
    QCOMPARE(written.size(), std::max<qsizetype>(length, record));
    QCOMPARE(written.first(fields), store.record().toBytes().replace(7, 10, "r7        "));
    QCOMPARE(written.sliced(fields), cut.mid(fields).leftJustified(record - fields, ' '));
}

void TestSaveFaults::saveFails_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("fault");
    QTest::addColumn<int>("killAtMs");
    for (const auto &[kind, name] : {std::pair{Kind::Settings, "inst.ini"},
                                     {Kind::StudyList, "studera.txt"},
                                     {Kind::Document, "document"}}) {
        for (const char *fault : {"read-only folder", "full disk", "disk full at once", "a folder"})
            QTest::addRow("%s, %s", name, fault) << kind << QString::fromLatin1(fault) << 0;
        for (const int at : {1, 5, 20, 60, 150})
            QTest::addRow("%s, killed at %d ms", name, at) << kind << u"killed"_s << at;
    }
}

// A save that cannot be done says so (inst.ini's with a message naming the file), the file
// holds what it held (a folder in its place stays, and every setting reads as empty), and no
// half-written copy is left. A process saving over and over, killed, leaves one whole version.
void TestSaveFaults::saveFails()
{
    QFETCH(Kind, kind);
    QFETCH(QString, fault);
    QFETCH(int, killAtMs);
    QTemporaryDir dir;
    const QString folder = dir.path();
    const QString file = fileOf(kind, folder);
    if (fault == u"killed") {
        const pid_t child = ::fork();
        for (int round = 0; child == 0; ++round) // the child saves until it is killed
            save(kind, folder, round);
        QThread::msleep(killAtMs);
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        if (!QFileInfo::exists(file))
            return; // killed before the first save was in place: nothing to lose yet
        // The last save, whole, and for the study list every line before it.
        SettingsRecord record;
        record.read(folder);
        const QStringList lines = StudyList::lines(folder);
        const QString last = kind == Kind::Settings    ? record.value(F::mainFontName)
                             : kind == Kind::StudyList ? lines.value(lines.size() - 1)
                                                       : DocumentFile::read(file).text;
        const qsizetype digits = last.size() - 1 - last.lastIndexOf(QRegularExpression(u"\\D"_s));
        QCOMPARE(last, newText(kind, last.right(digits).toInt()));
        for (int i = 0; kind == Kind::StudyList && i < lines.size(); ++i)
            QCOMPARE(lines.at(i), newText(kind, i));
        QVERIFY(kind != Kind::Settings ||
                TestFiles::read(file).size() == SettingsRecord::recordLength);
        return;
    }

    const QByteArray before = kind == Kind::Settings
                                  ? fullSettingsFile()
                                  : QByteArray("中 [zhong1] /middle/\n").repeated(2000);
    QVERIFY(fault == u"a folder" ? QDir().mkdir(file) : TestFiles::write(file, before));
    if (kind == Kind::Settings) {
        QTest::ignoreMessage(
            QtWarningMsg, QRegularExpression(u"cannot write the settings to .*inst.ini; check"_s));
    }
    if (fault == u"read-only folder") {
        const bool readOnly = setFolderWritable(folder, false);
        const bool saved = readOnly && save(kind, folder, 1);
        QVERIFY(setFolderWritable(folder, true));
        if (!readOnly)
            QSKIP("this process can write any file");
        QVERIFY(!saved);
    } else if (fault == u"a folder") {
        QVERIFY(!save(kind, folder, 1));
        QVERIFY(QFileInfo(file).isDir() && QDir(folder).entryList(QDir::Files).isEmpty());
        SettingsStore store(folder);
        QVERIFY(kind != Kind::Settings ||
                (!store.load() && !MainWindowSettings::read(store.record()).fontSize));
        return;
    } else {
        // Room for part of the new file, or for nothing at all; past it a write fails (EFBIG).
        rlimit saved{};
        ::getrlimit(RLIMIT_FSIZE, &saved);
        rlimit limit = saved;
        limit.rlim_cur = fault == u"full disk" ? rlim_t(before.size() / 2) : 0;
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const auto handler = std::signal(SIGXFSZ, SIG_IGN);
        const bool written = save(kind, folder, 1);
        ::setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, handler);
        QVERIFY(!written);
    }
    QVERIFY(TestFiles::read(file) == before);
    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{QFileInfo(file).fileName()});
}

QTEST_MAIN(TestSaveFaults)
#include "tst_savefaults.moc"
