#include "cedict/rtfcodes.h"
#include "commands.h"
#include "dictionary/codewordsearch.h"
#include "dictionary/tables.h"

#include "platform/regularfile.h"

#include <QStringDecoder>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// A copy on the clipboard is never this large.
constexpr qint64 maxRtfBytes = 64 * 1024 * 1024;

bool isUtf8Text(QByteArrayView bytes)
{
    if (bytes.contains('\0'))
        return false;
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    return !decoder.hasError();
}

// A file as the clipboard would hand it over: its bytes as RTF, and as UTF-8 plain text for
// files that are no RTF.
int runRtfCodes(const QStringList &args, QTextStream &out, QTextStream &err)
{
    if (args.size() != 1) {
        err << "Usage: ordbok-cli rtf-codes FILE\n";
        return 2;
    }
    RegularFile::Refusal refusal = RegularFile::Refusal::None;
    const std::optional<QByteArray> read = RegularFile::read(args.first(), maxRtfBytes, &refusal);
    if (!read) {
        err << "Cannot read " << args.first() << ": it "
            << RegularFile::describe(refusal, maxRtfBytes) << '\n';
        return 1;
    }
    const QByteArray &bytes = *read;
    if (!bytes.startsWith("{\\rtf") && !isUtf8Text(bytes)) {
        err << args.first() << " is neither RTF nor UTF-8 text\n";
        return 1;
    }
    for (const RtfCode &entry : copiedCodes(QString::fromLatin1(bytes), QString::fromUtf8(bytes)))
        out << entry.number << ' ' << entry.code << '\n';
    return 0;
}

int runWords(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    QStringList args = arguments;
    const QString folder = cliProgramFolder(args);
    const bool traditional = args.removeAll(u"--traditional"_s) > 0;
    if (args.isEmpty() || std::any_of(args.cbegin(), args.cend(),
                                      [](const QString &a) { return a.startsWith(u"--"_s); })) {
        err << "Usage: ordbok-cli words TEXT [--traditional] [--folder FOLDER]\n";
        return 2;
    }
    const QStringList codes = characterCodes(plainTextCodes(args.join(u' ')));
    if (codes.isEmpty()) {
        err << "No Chinese characters in " << args.join(u' ') << '\n';
        return 1;
    }
    DictionaryTables tables;
    if (!tables.open(folder)) {
        err << "Missing in " << folder << ": " << tables.missing().join(u", "_s)
            << " (build the program folder, or give --folder FOLDER)\n";
        return 1;
    }
    CodeWordSearch search(tables.words, tables.characters);
    for (const QString &line : search.search(codes, traditional).lines)
        out << line << '\n';
    return 0;
}

} // namespace

QList<CliCommand> codeCommands()
{
    return {
        {u"rtf-codes"_s,
         u"rtf-codes FILE   the character codes of copied Chinese in an RTF file (or a UTF-8 "
         u"text file), one \"number &Hhhhh\" per line"_s,
         runRtfCodes},
        {u"words"_s,
         u"words TEXT [--traditional]   the code search page's lines for TEXT: the word, then "
         u"the later entries that contain it"_s,
         runWords,
         {u"--traditional"_s},
         {u"--folder"_s}},
    };
}
