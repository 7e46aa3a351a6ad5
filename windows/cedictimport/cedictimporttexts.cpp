#include "windows/cedictimport/cedictimporttexts.h"

#include "cedict/cedictimporter.h"
#include "cedict/pendingwordtable.h"

#include <QLocale>

using namespace Qt::StringLiterals;

namespace {

QLocale localeOf(bool swedish)
{
    return swedish ? QLocale(QLocale::Swedish, QLocale::Sweden)
                   : QLocale(QLocale::English, QLocale::UnitedStates);
}

} // namespace

const CedictImportTexts &CedictImportTexts::english()
{
    static const CedictImportTexts texts{
        false,
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

const CedictImportTexts &CedictImportTexts::svenska()
{
    static const CedictImportTexts texts{
        true,
        u"Uppdatera med den senaste cedict-filen"_s,
        u"Så här uppdaterar du databasen med den senaste Cedict-filen: Ladda ner filen (CC-CEDICT "
        u"i UTF-8, eller Big5-utgåvan). Tryck på \"Start\" och välj filen. Nu börjar "
        u"uppdateringen; stapeln visar hur långt den har kommit. När den är klar står det "
        u"\"Ready!\" i rutan. Stäng fönstret och starta om programmet: den nya databasen tas i "
        u"bruk vid nästa start, och den gamla sparas som den tidigare ordboken."_s,
        u"Start"_s,
        u"Avbryt"_s,
        u"Välj CEDICT-filen"_s,
        u"Cedict-filer (*.b5 *.u8 *.txt);;Alla filer (*)"_s,
        u"Ready!"_s,
        u"Bygger indexen..."_s,
        u"Avbryter..."_s,
        u"En mycket mindre ordbok"_s,
        u"Återställ den tidigare ordboken"_s,
        u"Den tidigare ordboken tas i bruk nästa gång du startar programmet; den som används nu "
        u"sparas som den tidigare."_s,
    };
    return texts;
}

QString CedictImportTexts::muchSmaller(const CedictImportSummary &summary,
                                       const QString &fileName) const
{
    const QLocale locale = localeOf(swedish);
    return (swedish ? u"%1 har %2 poster, men ordboken som används har %3. Läser du in den "
                      u"ersätts ordboken av en mycket mindre vid nästa start (den som används "
                      u"sparas som den tidigare ordboken).\n\nLäsa in den ändå?"_s
                    : u"%1 holds %2 entries, but the dictionary in use holds %3. Importing it "
                      u"replaces the dictionary with a much smaller one at the next start (the "
                      u"one in use is kept as the previous dictionary).\n\nImport it all the "
                      u"same?"_s)
        .arg(fileName, locale.toString(summary.check.entryLines),
             locale.toString(summary.entriesInUse));
}

QString CedictImportTexts::generations(const DictionaryGeneration &current,
                                       const DictionaryGeneration &previous) const
{
    const QLocale locale = localeOf(swedish);
    const auto describe = [&](const DictionaryGeneration &generation) {
        if (!generation.exists)
            return swedish ? u"ingen"_s : u"none"_s;
        return (swedish ? u"%1, %2 poster"_s : u"%1, %2 entries"_s)
            .arg(locale.toString(generation.written, u"d MMMM yyyy HH:mm"_s),
                 locale.toString(generation.entries));
    };
    return (swedish ? u"Används: %1. Tidigare: %2."_s : u"In use: %1. Previous: %2."_s)
        .arg(describe(current), describe(previous));
}

QString CedictImportTexts::reading(const QString &fileName) const
{
    return (swedish ? u"Läser %1..."_s : u"Reading %1..."_s).arg(fileName);
}

QString CedictImportTexts::outcome(const CedictImportSummary &summary,
                                   const QString &fileName) const
{
    using Outcome = CedictImportSummary::Outcome;
    const QLocale locale = localeOf(swedish);
    const auto text = [this](const QString &english, const QString &svenska) {
        return swedish ? svenska : english;
    };
    const QString unchanged =
        text(u"The dictionary was left as it was."_s, u"Ordboken lämnades som den var."_s);
    switch (summary.outcome) {
    case Outcome::Imported:
        return text(u"%1 entries imported. The new word table takes effect the next time you "
                    u"start the program."_s,
                    u"%1 poster inlästa. Den nya ordtabellen tas i bruk nästa gång du startar "
                    u"programmet."_s)
            .arg(locale.toString(summary.entriesImported()));
    case Outcome::Cancelled:
        return text(u"Cancelled. "_s, u"Avbrutet. "_s) + unchanged;
    case Outcome::NotCedict:
        return text(u"%1 was not imported (%2). "_s, u"%1 lästes inte in (%2). "_s)
                   .arg(fileName, summary.check.reason(swedish)) +
               unchanged;
    case Outcome::InputUnreadable: {
        using Refusal = RegularFile::Refusal;
        const Refusal refusal = summary.inputRefusal;
        if (!swedish)
            return u"%1 %2. "_s.arg(fileName,
                                    RegularFile::describe(refusal, CedictImporter::maxFileBytes)) +
                   unchanged;
        const QString why = refusal == Refusal::Missing      ? u"finns inte"_s
                            : refusal == Refusal::NotRegular ? u"är ingen vanlig fil (utan ett "
                                                               u"rör, en enhet eller en mapp)"_s
                            : refusal == Refusal::TooLarge
                                ? u"är större än %1, mer än programmet läser"_s.arg(
                                      locale.formattedDataSize(CedictImporter::maxFileBytes))
                                : u"kan inte läsas"_s;
        return u"%1 %2. "_s.arg(fileName, why) + unchanged;
    }
    case Outcome::MuchSmaller:
        return text(u"%1 was not imported: it holds %2 entries, the dictionary in use %3. "_s,
                    u"%1 lästes inte in: den har %2 poster, ordboken som används %3. "_s)
                   .arg(fileName, locale.toString(summary.check.entryLines),
                        locale.toString(summary.entriesInUse)) +
               unchanged;
    case Outcome::TemplateMissing:
        return text(u"The program folder has no empty/kinesiskBIG5kod1.mdb. "_s,
                    u"Programmappen saknar empty/kinesiskBIG5kod1.mdb. "_s) +
               unchanged;
    case Outcome::CodeTableMissing:
        return text(u"The program folder has no big5.mdb, which a Big5 file needs. "_s,
                    u"Programmappen saknar big5.mdb, som en Big5-fil behöver. "_s) +
               unchanged;
    case Outcome::CodecMissing:
        return text(u"This system cannot read Big5 text. "_s,
                    u"Det här systemet kan inte läsa Big5-text. "_s) +
               unchanged;
    case Outcome::WriteFailed:
        return text(u"The new word table could not be written (is the disk full?). "_s,
                    u"Den nya ordtabellen kunde inte skrivas (är disken full?). "_s) +
               unchanged;
    }
    return {};
}
