#include "pinyin/pinyintyping.h"

#include "pinyin/tonemarks.h"

using namespace Qt::StringLiterals;

namespace {

int toneOfDigit(quint16 key)
{
    return key >= u'1' && key <= u'4' ? key - u'0' : 0;
}

} // namespace

int PinyinTyping::vowelIndex(QChar key)
{
    for (std::size_t i = 0; i < vowelKeys.size(); ++i) {
        if (vowelKeys[i] == key.unicode())
            return int(i);
    }
    return noVowel;
}

QChar PinyinTyping::glyph(int vowelIndex, int tone)
{
    if (vowelIndex < 0 || vowelIndex >= int(vowelKeys.size()))
        return {};
    const QChar key(vowelKeys[vowelIndex]);
    return toneGlyph(key == u'y' ? QChar(u'\u00FC') : key, tone);
}

QString PinyinTyping::Edit::appliedTo(const QString &text) const
{
    if (isEmpty())
        return text;
    return QString(text).replace(from, removed, glyph);
}

int PinyinTyping::keyTyped(QChar key)
{
    const quint16 code = key.unicode();
    int due = noVowel;
    if (toneOfDigit(code) != 0 && m_lastVowel != 0) {
        due = vowelIndex(QChar(m_lastVowel));
    } else if (code == u':' && m_lastKey == u'u' && m_lastVowel == u'u') {
        m_lastVowel = u'y';
        m_umlautSpelledUColon = true;
    } else {
        m_lastVowel = vowelIndex(key) != noVowel ? code : 0;
        m_umlautSpelledUColon = false;
    }
    m_lastKey = code;
    return due;
}

PinyinTyping::Edit PinyinTyping::replacementDue(int vowelIndex, QStringView text, qsizetype caret)
{
    Edit edit;
    const int tone = toneOfDigit(m_lastKey);
    if (vowelIndex >= 0 && vowelIndex < int(vowelKeys.size()) &&
        m_lastVowel == vowelKeys[vowelIndex] && tone != 0) {
        QString typed = m_umlautSpelledUColon ? u"u:"_s : QString(QChar(m_lastVowel));
        typed += QChar(m_lastKey);
        const qsizetype length = typed.size();
        // The caret may have moved since the digit; only what was typed there is replaced.
        if (caret >= length && caret <= text.size() &&
            text.sliced(caret - length, length) == typed) {
            edit.from = caret - length;
            edit.removed = length;
            edit.glyph = glyph(vowelIndex, tone);
        }
    }
    m_lastVowel = 0;
    m_umlautSpelledUColon = false;
    return edit;
}
