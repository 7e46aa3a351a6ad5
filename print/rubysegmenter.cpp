#include "print/rubysegmenter.h"

#include "pinyin/tonemarks.h"

using namespace Qt::StringLiterals;

bool RubySegmenter::isChinese(char32_t c)
{
    return (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF) ||
           (c >= 0xF900 && c <= 0xFAFF) || (c >= 0x20000 && c <= 0x3FFFF) || c == 0x3007;
}

QString RubySegmenter::readingFor(const QString &toneNumberPinyin)
{
    QString reading = toneNumbersToUnicode(toneNumberPinyin.trimmed()).toLower();
    reading.remove(u' ');
    return reading;
}

QList<RubySegment> RubySegmenter::segment(const QString &line) const
{
    const QList<uint> codePoints = line.toUcs4();
    QStringList characters; // one code point each, so that words count in characters
    QStringList traditional;
    characters.reserve(codePoints.size());
    traditional.reserve(codePoints.size());
    for (uint c : codePoints) {
        const char32_t point = c;
        characters.append(QString::fromUcs4(&point, 1));
        traditional.append(isChinese(c) ? m_table.traditionalOf(characters.last()) : QString());
    }

    QList<RubySegment> segments;
    QString plain;
    auto flushPlain = [&] {
        if (!plain.isEmpty())
            segments.append({plain, {}});
        plain.clear();
    };

    const qsizetype count = characters.size();
    const int longest = std::min(longestWord, m_table.longestWord());
    qsizetype i = 0;
    while (i < count) {
        if (!isChinese(codePoints.at(i))) {
            plain += characters.at(i);
            if (codePoints.at(i) == u' ' || codePoints.at(i) == 0x3000)
                flushPlain();
            ++i;
            continue;
        }
        flushPlain();
        // The run of Chinese characters from here, as far as a word could reach.
        qsizetype run = i;
        while (run < count && run - i < longest && isChinese(codePoints.at(run)))
            ++run;
        QString key;
        QList<qsizetype> keyEnds; // where the key of the first n characters ends, in units
        for (qsizetype k = i; k < run; ++k) {
            key += traditional.at(k);
            keyEnds.append(key.size());
        }

        RubySegment word;
        qsizetype length = run - i;
        for (; length >= 2; --length) {
            const QString prefix = key.left(keyEnds.at(length - 1));
            const QString pinyin = m_table.wordPinyin(prefix);
            if (!pinyin.isEmpty()) {
                word.reading = readingFor(pinyin);
                break;
            }
        }
        if (length < 2) {
            length = 1;
            word.reading = readingFor(m_table.character(characters.at(i)).pinyin);
        }
        for (qsizetype k = i; k < i + length; ++k)
            word.base += characters.at(k);
        segments.append(word);
        i += length;
    }
    flushPlain();
    return segments;
}
