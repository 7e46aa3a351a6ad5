#include "windows/chineseeditor/chineseeditortexts.h"

using namespace Qt::StringLiterals;

const ChineseEditorTexts &ChineseEditorTexts::english()
{
    static const ChineseEditorTexts texts{
        .windowTitle = u"Chinese word processor"_s,
        .p = u"File"_s,
        .open = u"Open file"_s,
        .save = u"Save file"_s,
        .print = u"Print"_s,
        .practice = u"Print practice sheet..."_s,
        .ed = u"Edit"_s,
        .selall = u"Select all"_s,
        .f = u"Font"_s,
        .font = u"Font"_s,
        .fa = u"Colour"_s,
        .farg = u"Background"_s,
        .tfarg = u"Text"_s,
        .charcolor = u"Character line backcolor"_s,
        .txtc = u"Character textcolor"_s,
        .tradsimp = u"Traditional/simplified"_s,
        .wer = u"Traditional characters"_s,
        .sdf = u"Simplified characters"_s,
        .hg = u"Help"_s,
        .elp = u"Help"_s,
        .textFiles = u"Text files (*.txt);;All files (*)"_s,
        .files =
            {
                .openFailed = u"The file %1 could not be opened: %2"_s,
                .notText = u"The file %1 is not a text file in UTF-8, so it was not opened. "
                           u"Save it as UTF-8 text in the program that wrote it, then open it "
                           u"here."_s,
                .tooLarge = u"The file %1 is larger than %2 MB, too large for the editor."_s,
                .saveFailed = u"The document could not be saved as %1: %2\n"
                              u"A file that was there before is unchanged."_s,
            },
        .unsavedTitle = u"Chinese word processor"_s,
        .unsavedQuestion = u"The document has changes that have not been saved. "
                           u"Save them first?"_s,
        .helpPageEnglish = u"editoreng.html"_s,
        .helpPageSwedish = u"editorsv.html"_s,
    };
    return texts;
}
