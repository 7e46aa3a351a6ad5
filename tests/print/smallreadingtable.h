#pragma once

// A few words and characters with their readings, for the print tests that segment text.

#include "print/readingtable.h"

inline ReadingTable smallReadingTable()
{
    using namespace Qt::StringLiterals;
    ReadingTable table;
    table.addWord(u"中國"_s, u"Zhong1 guo2"_s);
    table.addWord(u"中國人"_s, u"Zhong1 guo2 ren2"_s);
    table.addWord(u"學習"_s, u"xue2 xi2"_s);
    table.addWord(u"女兒"_s, u"nuu3 er2"_s);
    table.addWord(u"學習"_s, u"xue2 xi5"_s); // a later entry for the same word is not taken
    table.addWord(u"一二三四五六七八九"_s, u"yi1 er4 san1 si4 wu3 liu4 qi1 ba1 jiu3"_s);
    table.addCharacter(u"国"_s, {u"國"_s, u"guo2"_s, u"country"_s});
    table.addCharacter(u"学"_s, {u"學"_s, u"xue2"_s, u"learn"_s});
    table.addCharacter(u"习"_s, {u"習"_s, u"xi2"_s, u"practise"_s});
    table.addCharacter(u"儿"_s, {u"兒"_s, u"er2"_s, u"son"_s});
    table.addCharacter(u"我"_s, {{}, u"wo3"_s, u"I"_s});
    table.addCharacter(u"人"_s, {{}, u"ren2"_s, u"person"_s});
    table.addCharacter(u"一"_s, {{}, u"yi1"_s, u"one"_s});
    table.addCharacter(u"二"_s, {{}, u"er4"_s, u"two"_s});
    return table;
}
