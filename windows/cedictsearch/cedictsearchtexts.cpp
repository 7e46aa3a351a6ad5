#include "windows/cedictsearch/cedictsearchtexts.h"

using namespace Qt::StringLiterals;

const CedictSearchTexts &CedictSearchTexts::english()
{
    static const CedictSearchTexts texts{
        .windowTitle = u"CEDICT search"_s,
        .fil = u"File"_s,
        .bakfarg = u"Background color"_s,
        .txtfarg = u"Text color"_s,
        .font = u"Font"_s,
        .sparastudier = u"Save character"_s,
        .exportstudier = u"Export study list..."_s,
        .overstalltid = u"Auto-lookup always on"_s,
        .lookup1 = u"Look up"_s,
        .lookup1Tip = u"Look up the selected text, or else what is on the clipboard"_s,
        .saved = u"Saved to studera.txt: %1"_s,
        .saveFailed = u"The line was not saved to studera.txt: %1"_s,
        .alreadySaved = u"Already in studera.txt, not saved again: %1"_s,
        .notAnEntry = u"Only dictionary entries are saved: put the caret in an entry line"_s,
        .exportTitle = u"Export study list"_s,
        .exportFilter = u"Tab-separated text (*.tsv *.txt)"_s,
        .exportFileName = u"studera.tsv"_s,
        .exported = u"Cards exported: %1\nFile: %2\n\nImport the file into your flashcard "
                    u"program as tab-separated text; its fields are characters, pinyin and "
                    u"English."_s,
        .exportSkipped = u"Lines left out (not dictionary entries): %1"_s,
        .exportDuplicates = u"Words listed more than once, exported once: %1"_s,
    };
    return texts;
}
