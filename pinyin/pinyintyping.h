#pragma once

// The pinyin editor's typing rule. A vowel key followed by a tone digit 1 to 4 becomes, a
// moment later (once the digit is in the text), the pinyin font's tone-marked vowel:
//
//     m a 1      -> "m" U+00E1            (ā)
//     l y 3      -> "l" U+00FB            (ǚ: y types ü)
//     l u : 3    -> "l" U+00FB            (u: spells ü as well)
//     A 4        -> U+00C0                (À)
//     a i 1      -> "a" U+00EA            (the vowel typed last carries the mark)
//
// Keys are the characters typed, not key codes, so every keyboard layout gives the same text.
// The window starts the vowel's timer when keyTyped() says so and applies replacementDue()
// when it runs out.

#include <QChar>
#include <QString>
#include <QStringView>

#include <array>

class PinyinTyping
{
public:
    // The vowel keys in the order of their timers (Timer1 is "a" ... Timer11 is "O").
    static constexpr std::array<char16_t, 11> vowelKeys{u'a', u'e', u'o', u'i', u'u', u'y',
                                                        u'A', u'E', u'I', u'U', u'O'};
    static constexpr int noVowel = -1;

    // Position of a key in vowelKeys, noVowel for every other character.
    static int vowelIndex(QChar key);
    // The pinyin font's character for a vowel key and tone 1 to 4 ("y" gives the ü row).
    static QChar glyph(int vowelIndex, int tone);

    // One replacement: `removed` characters from `from` become `glyph`. Empty when nothing is
    // to be replaced.
    struct Edit
    {
        qsizetype from = 0;
        qsizetype removed = 0;
        QChar glyph;

        bool isEmpty() const { return removed == 0; }
        QString appliedTo(const QString &text) const;
        qsizetype caret() const { return from + 1; } // right after the marked vowel
    };

    // A character typed, before it is inserted. Returns the vowel key whose replacement is due
    // now (its timer starts), or noVowel. Keys that type no character are not passed in.
    int keyTyped(QChar key);

    // The timer of a vowel key has run out. text is the text as it is now and caret the
    // position after the digit. The vowel and the digit are replaced only when they are still
    // the last keys typed and still stand right before the caret; either way lastVowel is 0
    // afterwards.
    Edit replacementDue(int vowelIndex, QStringView text, qsizetype caret);

    // Code of the last vowel key typed, 0 when the last key was none or a replacement is done.
    quint16 lastVowel() const { return m_lastVowel; }
    quint16 lastKey() const { return m_lastKey; }

private:
    quint16 m_lastVowel = 0;
    quint16 m_lastKey = 0;
    bool m_umlautSpelledUColon = false; // lastVowel is y because "u:" was typed
};
