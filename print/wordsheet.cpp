#include "print/wordsheet.h"

#include "pinyin/tonemarks.h"

QString wordSheetText(const ShownWord &word, const QString &radicalsCaption)
{
    QStringList lines{word.characters.trimmed(), toneNumbersToUnicode(word.pinyin.trimmed()),
                      word.translations.trimmed()};
    QStringList keys = word.radicalKeys;
    keys.removeAll(QString());
    if (!keys.isEmpty())
        lines << radicalsCaption + u' ' + keys.join(QStringLiteral("  "));
    lines.removeAll(QString());
    return lines.join(u'\n');
}
