#include "windows/cedictimport/cedictimporttexts.h"

#include "cedict/cedictimporter.h"
#include "cedict/pendingwordtable.h"

#include <QLocale>

using namespace Qt::StringLiterals;

namespace {

QString number(qint64 n)
{
    return QLocale(QLocale::English, QLocale::UnitedStates).toString(n);
}

} // namespace

const CedictImportTexts &CedictImportTexts::english()
{
    static const CedictImportTexts texts{
        u"Update with the latest cedict file, BIG5 cod"_s,
        u"To update the database with the latest Cedict file, do like this: Download the file "
        u"from our homepage. (use the link from the menu \"Internet\"). Download the Big five "
        u"code!  Press the \"Start\" button. Look for the file (Cedict.b5) and select it. Now the "
        u"update starts. On a slow computer it can take a while. On a Pentium III 450 MHz it "
        u"takes about 20 minutes! When it is done, the textbox will have the text \"Ready!\". "
        u"That's all, now your database is updated and ready to use. Close the window and "
        u"restart the software. The database in this software are from start from the Cedict "
        u"file of 10 januari 2000."_s,
        u"Start"_s,
        u"Cancel"_s,
        u"Choose the CEDICT file"_s,
        u"Cedict files (*.b5 *.u8 *.txt);;All files (*)"_s,
        u"Ready!"_s,
        u"Building the indexes..."_s,
        u"Cancelling..."_s,
        u"A much smaller dictionary"_s,
        u"Restore the previous dictionary"_s,
        u"The previous dictionary will be in use the next time you start the program; the one "
        u"in use now is kept as the previous one."_s,
    };
    return texts;
}

QString CedictImportTexts::muchSmaller(const CedictImportSummary &summary,
                                       const QString &fileName) const
{
    return u"%1 holds %2 entries, but the dictionary in use holds %3. Importing it replaces "
           u"the dictionary with a much smaller one at the next start (the one in use is kept "
           u"as the previous dictionary).\n\nImport it all the same?"_s.arg(
               fileName, number(summary.check.entryLines), number(summary.entriesInUse));
}

QString CedictImportTexts::generations(const DictionaryGeneration &current,
                                       const DictionaryGeneration &previous) const
{
    const auto describe = [](const DictionaryGeneration &generation) {
        if (!generation.exists)
            return u"none"_s;
        return u"%1, %2 entries"_s.arg(QLocale(QLocale::English, QLocale::UnitedStates)
                                           .toString(generation.written, u"d MMMM yyyy HH:mm"_s),
                                       number(generation.entries));
    };
    return u"In use: %1. Previous: %2."_s.arg(describe(current), describe(previous));
}

QString CedictImportTexts::reading(const QString &fileName) const
{
    return u"Reading %1..."_s.arg(fileName);
}

QString CedictImportTexts::outcome(const CedictImportSummary &summary,
                                   const QString &fileName) const
{
    using Outcome = CedictImportSummary::Outcome;
    const QString unchanged = u"The dictionary was left as it was."_s;
    switch (summary.outcome) {
    case Outcome::Imported:
        return u"%1 entries imported. The new word table takes effect the next time you start "
               u"the program."_s.arg(QLocale(QLocale::English, QLocale::UnitedStates)
                                         .toString(summary.entriesImported()));
    case Outcome::Cancelled:
        return u"Cancelled. "_s + unchanged;
    case Outcome::NotCedict:
        return u"%1 was not imported (%2). "_s.arg(fileName, summary.check.reason()) + unchanged;
    case Outcome::InputUnreadable:
        return u"%1 %2. "_s.arg(fileName, RegularFile::describe(summary.inputRefusal,
                                                                CedictImporter::maxFileBytes)) +
               unchanged;
    case Outcome::MuchSmaller:
        return u"%1 was not imported: it holds %2 entries, the dictionary in use %3. "_s.arg(
                   fileName, number(summary.check.entryLines), number(summary.entriesInUse)) +
               unchanged;
    case Outcome::TemplateMissing:
        return u"The program folder has no empty/kinesiskBIG5kod1.mdb. "_s + unchanged;
    case Outcome::CodeTableMissing:
        return u"The program folder has no big5.mdb, which a Big5 file needs. "_s + unchanged;
    case Outcome::CodecMissing:
        return u"This system cannot read Big5 text. "_s + unchanged;
    case Outcome::WriteFailed:
        return u"The new word table could not be written (is the disk full?). "_s + unchanged;
    }
    return {};
}
