#pragma once

// The word on display in the main window as text for the printer:
//
//     學習
//     xuéxí
//     to learn; to study
//     Radicals: 39.13  124.5

#include <QString>
#include <QStringList>

struct ShownWord
{
    QString characters;   // as shown, simplified or traditional
    QString pinyin;       // tone numbers
    QString translations; // the translation line as shown
    QStringList radicalKeys;
};

// radicalsCaption in the window's language, "Radicals:"; lines without content are left out.
QString wordSheetText(const ShownWord &word, const QString &radicalsCaption);
