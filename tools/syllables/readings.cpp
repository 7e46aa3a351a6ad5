#include "tools/syllables/readings.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

bool isKeyLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || c == u':';
}

} // namespace

QString tonelessSyllable(QStringView marked)
{
    const QString decomposed = marked.toString().normalized(QString::NormalizationForm_D);
    QString toneless;
    for (const QChar c : decomposed) {
        if (c == QChar(0x0308)) // the diaeresis of ü
            toneless += u':';
        else if (!c.isMark())
            toneless += c.toLower();
    }
    if (toneless.isEmpty() || !std::all_of(toneless.cbegin(), toneless.cend(), isKeyLetter))
        return {};
    return toneless;
}

QStringList locatedReadings(QStringView value)
{
    QStringList readings;
    for (const QStringView item : value.split(u' ', Qt::SkipEmptyParts)) {
        const qsizetype colon = item.lastIndexOf(u':');
        for (const QStringView reading : item.sliced(colon + 1).split(u',', Qt::SkipEmptyParts))
            readings << reading.toString();
    }
    return readings;
}

QList<std::pair<QString, int>> pinluReadings(QStringView value)
{
    QList<std::pair<QString, int>> readings;
    for (const QStringView item : value.split(u' ', Qt::SkipEmptyParts)) {
        const qsizetype open = item.indexOf(u'(');
        if (open <= 0 || !item.endsWith(u')'))
            continue;
        bool ok = false;
        const int count = item.sliced(open + 1, item.size() - open - 2).toInt(&ok);
        if (ok && count >= 0)
            readings.append({item.first(open).toString(), count});
    }
    return readings;
}

std::optional<CedictWord> parseCedictLine(QStringView line)
{
    if (line.startsWith(u'#'))
        return std::nullopt;
    const qsizetype space1 = line.indexOf(u' ');
    const qsizetype space2 = space1 < 0 ? -1 : line.indexOf(u' ', space1 + 1);
    const qsizetype open = space2 < 0 ? -1 : line.indexOf(u'[', space2);
    const qsizetype close = open < 0 ? -1 : line.indexOf(u']', open);
    if (close < 0 || space1 == 0 || space2 == space1 + 1)
        return std::nullopt;

    CedictWord word;
    word.traditional = line.first(space1).toString();
    word.simplified = line.sliced(space1 + 1, space2 - space1 - 1).toString();
    const QStringView pinyin = line.sliced(open + 1, close - open - 1);
    for (const QStringView numbered : pinyin.split(u' ', Qt::SkipEmptyParts)) {
        QString syllable = numbered.toString().toLower();
        if (!syllable.isEmpty() && syllable.back().isDigit())
            syllable.chop(1);
        word.syllables << syllable;
    }
    return word;
}
