// inst.ini, the study list and the editors' documents on a disk that fails them for real: cut
// short, longer than a record, read-only (also for root: the immutable attribute), full
// (RLIMIT_FSIZE), a directory in the file's place, the writer killed with SIGKILL. What was on
// disk stays whole, what can be read is kept, and nothing crashes.

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

// A file no write reaches while this lives: the immutable attribute where the process may set
// it (root ignores permissions), else the permissions of the file and its folder.
class ReadOnlyFile
{
public:
    explicit ReadOnlyFile(const QString &path) : m_path(path)
    {
        m_immutable = setImmutable(true);
        if (!m_immutable) {
            QFile::setPermissions(path, QFile::ReadOwner);
            QFile::setPermissions(QFileInfo(path).path(), QFile::ReadOwner | QFile::ExeOwner);
        }
    }
    ~ReadOnlyFile()
    {
        if (m_immutable)
            setImmutable(false);
        QFile::setPermissions(QFileInfo(m_path).path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner);
    }
    bool holds() const { return ::access(QFile::encodeName(m_path).constData(), W_OK) != 0; }

private:
    bool setImmutable(bool on)
    {
        const int fd = ::open(QFile::encodeName(m_path).constData(), O_RDONLY);
        int flags = 0;
        bool done = fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
        done = done && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        if (fd >= 0)
            ::close(fd);
        return done;
    }

    QString m_path;
    bool m_immutable = false;
};

// A full disk for this process: writes past the limit fail with EFBIG instead of SIGXFSZ.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &m_saved);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_handler);
    }

private:
    rlimit m_saved{};
    void (*m_handler)(int) = nullptr;
};

enum class Kind { Settings, StudyList, Document };

QString fileOf(Kind kind, const QString &folder)
{
    const QDir dir(folder);
    switch (kind) {
    case Kind::Settings:
        return dir.filePath(SettingsRecord::fileName);
    case Kind::StudyList:
        return dir.filePath(StudyList::fileName);
    case Kind::Document:
        return dir.filePath(u"letter.txt"_s);
    }
    return {};
}

// Each file's own save, with something new in it.
bool save(Kind kind, const QString &folder, const QString &text)
{
    switch (kind) {
    case Kind::Settings: {
        SettingsStore store(folder);
        store.load();
        return store.record().setValue(F::mainFontName, text) && store.save();
    }
    case Kind::StudyList:
        return StudyList::append(folder, text);
    case Kind::Document:
        return DocumentFile::write(fileOf(kind, folder), text).problem == DocumentFile::Problem::None;
    }
    return false;
}

// A settings record with every field full of its own letter, beyond it the rest of a record
// and then some more: what another program (or an older version) may keep in the file.
QByteArray fullSettingsFile()
{
    QByteArray bytes;
    for (int i = 0; i < SettingsRecord::FieldCount; ++i)
        bytes += QByteArray(SettingsRecord::layout(F(i)).width, char('A' + i % 26));
    for (int i = 0; bytes.size() < SettingsRecord::recordLength + 300; ++i)
        bytes += char('a' + i % 26);
    return bytes;
}

// Something new for the file: what fits a settings field, a line, a long document.
QString newText(Kind kind, int round)
{
    if (kind == Kind::Settings)
        return u"r%1"_s.arg(round);
    if (kind == Kind::StudyList)
        return u"水 round %1"_s.arg(round);
    return u"水"_s.repeated(500000) + u" round %1"_s.arg(round);
}

} // namespace

class TestSaveFaults : public QObject
{
    Q_OBJECT
private slots:
    void settingsCutAnywhere_data();
    void settingsCutAnywhere();
    void settingsNotAFile();
    void saveRefused_data();
    void saveRefused();
    void saveKilled_data();
    void saveKilled();
};

void TestSaveFaults::settingsCutAnywhere_data()
{
    QTest::addColumn<int>("length");
    const int full = int(fullSettingsFile().size());
    for (const int length : {0, 1, 4, 5, 173, 180, 417, 418, 419, 835, 836, full})
        QTest::addRow("%d bytes", length) << length;
    for (int i = 0; i < 4; ++i) {
        const int length = QRandomGenerator::global()->bounded(full);
        QTest::addRow("%d bytes (random)", length) << length;
    }
}

// Fields cut off read as empty (the windows' defaults), a field cut in two keeps what is left,
// the fields before the cut are kept; the save puts the fields in front of whatever followed.
void TestSaveFaults::settingsCutAnywhere()
{
    QFETCH(int, length);
    QTemporaryDir dir;
    const QByteArray full = fullSettingsFile();
    const QByteArray cut = full.first(length);
    QVERIFY(TestFiles::write(fileOf(Kind::Settings, dir.path()), cut));

    SettingsStore store(dir.path());
    QVERIFY(store.load());
    for (int i = 0; i < SettingsRecord::FieldCount; ++i) {
        const SettingsRecord::Layout at = SettingsRecord::layout(F(i));
        const QByteArray kept = cut.mid(at.offset, at.width);
        QCOMPARE(store.record().value(F(i)), QString::fromLatin1(kept));
    }
    MainWindowSettings::read(store.record());

    QVERIFY(save(Kind::Settings, dir.path(), u"Hanazono"_s));
    const QByteArray written = TestFiles::read(fileOf(Kind::Settings, dir.path()));
    QCOMPARE(written.size(), std::max<qsizetype>(length, SettingsRecord::recordLength));
    QCOMPARE(written.first(SettingsRecord::fieldsLength), store.record().toBytes()
                                                              .replace(7, 10, "Hanazono  "));
    QCOMPARE(written.sliced(SettingsRecord::fieldsLength),
             cut.mid(SettingsRecord::fieldsLength)
                 .leftJustified(SettingsRecord::recordLength - SettingsRecord::fieldsLength, ' '));
}

// A directory where inst.ini should be: nothing to read (every field empty), nothing written,
// and the user told.
void TestSaveFaults::settingsNotAFile()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(SettingsRecord::fileName));
    SettingsStore store(dir.path());
    QVERIFY(!store.load());
    QCOMPARE(store.record().value(F::mainFontName), QString());
    QVERIFY(!MainWindowSettings::read(store.record()).fontSize);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"cannot write the settings to .*inst.ini"_s));
    QVERIFY(!store.save());
    QVERIFY(QFileInfo(fileOf(Kind::Settings, dir.path())).isDir());
}

void TestSaveFaults::saveRefused_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("fault");
    for (const auto &[kind, name] : {std::pair{Kind::Settings, "inst.ini"},
                                     {Kind::StudyList, "studera.txt"}, {Kind::Document, "document"}}) {
        for (const char *fault : {"read-only", "full disk", "disk full at once"})
            QTest::addRow("%s, %s", name, fault) << kind << QString::fromLatin1(fault);
    }
}

// The save says it failed, the file holds what it held, and no half-written copy is left.
void TestSaveFaults::saveRefused()
{
    QFETCH(Kind, kind);
    QFETCH(QString, fault);
    QTemporaryDir dir;
    const QString file = fileOf(kind, dir.path());
    const QByteArray before = kind == Kind::Settings ? fullSettingsFile()
                                                     : QByteArray("中 [zhong1] /middle/\n").repeated(2000);
    QVERIFY(TestFiles::write(file, before));
    const QString text = newText(kind, 1);
    if (kind == Kind::Settings)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"cannot write the settings"_s));

    if (fault == u"read-only") {
        ReadOnlyFile readOnly(file);
        if (!readOnly.holds())
            QSKIP("this process can write any file");
        QVERIFY(!save(kind, dir.path(), text));
    } else {
        // Room for part of the new file, or for nothing at all.
        FileSizeLimit limit(fault == u"full disk" ? rlim_t(before.size() / 2) : 0);
        QVERIFY(!save(kind, dir.path(), text));
    }
    QVERIFY(TestFiles::read(file) == before);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QFileInfo(file).fileName()});
}

void TestSaveFaults::saveKilled_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<int>("atMs");
    for (const int at : {1, 5, 20, 60, 150}) {
        QTest::addRow("inst.ini at %d ms", at) << Kind::Settings << at;
        QTest::addRow("studera.txt at %d ms", at) << Kind::StudyList << at;
        QTest::addRow("document at %d ms", at) << Kind::Document << at;
    }
}

// A process saving over and over is killed: the file is one whole version, never a mix.
void TestSaveFaults::saveKilled()
{
    QFETCH(Kind, kind);
    QFETCH(int, atMs);
    QTemporaryDir dir;
    const QString file = fileOf(kind, dir.path());
    const QString folder = dir.path();
    const pid_t child = ::fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        for (int round = 0;; ++round)
            save(kind, folder, newText(kind, round));
    }
    QThread::msleep(atMs);
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!QFileInfo::exists(file))
        return; // killed before the first save was in place: nothing to lose yet

    const QByteArray saved = TestFiles::read(file);
    if (kind == Kind::Settings) {
        SettingsRecord record;
        QCOMPARE(saved.size(), SettingsRecord::recordLength);
        QVERIFY(record.read(folder));
        QVERIFY(QRegularExpression(u"^r\\d+$"_s).match(record.value(F::mainFontName)).hasMatch());
    } else if (kind == Kind::StudyList) {
        const QStringList lines = StudyList::lines(folder);
        for (int i = 0; i < lines.size(); ++i)
            QCOMPARE(lines.at(i), newText(kind, i));
        QVERIFY(saved.endsWith('\n'));
    } else {
        const QString text = DocumentFile::read(file).text;
        QVERIFY(text.startsWith(newText(kind, 0).chopped(1)));
        QVERIFY(QRegularExpression(u"^ round \\d+$"_s).match(text.sliced(500000)).hasMatch());
    }
}

QTEST_MAIN(TestSaveFaults)
#include "tst_savefaults.moc"
