#include "shell/printpreviewtexts.h"

using namespace Qt::StringLiterals;

PrintPreviewTexts PrintPreviewTexts::forLanguage(Language language)
{
    if (language == Language::Swedish) {
        return {
            .documentTitle = u"Skriv ut"_s,
            .practiceTitle = u"Skriv ut övningsark"_s,
            .pinyinAbove = u"Pinyin ovanför tecknen"_s,
            .perRow = u"Rutor per rad:"_s,
            .squareSize = u"Rutstorlek:"_s,
            .preparing = u"Förbereder sidorna..."_s,
            .cancel = u"Avbryt"_s,
            .printFailed = u"Utskriften kunde inte göras."_s,
            .nothingToPractise = u"Det finns inga kinesiska tecken att öva på: slå upp ett ord "
                                 u"eller markera kinesisk text först."_s,
        };
    }
    return {
        .documentTitle = u"Print"_s,
        .practiceTitle = u"Print practice sheet"_s,
        .pinyinAbove = u"Pinyin above the characters"_s,
        .perRow = u"Squares per row:"_s,
        .squareSize = u"Square size:"_s,
        .preparing = u"Preparing the pages..."_s,
        .cancel = u"Cancel"_s,
        .printFailed = u"The document could not be printed."_s,
        .nothingToPractise = u"There are no Chinese characters to practise: look up a word "
                             u"or select Chinese text first."_s,
    };
}
