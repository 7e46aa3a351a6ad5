#pragma once

// The code search page's search: the copied characters looked up as one word of the word
// table, listed with the later entries that contain it, one line each:
//
//     codes {&H4E2D, &H570B}, simplified display ->
//         "中国, Zhong1 guo2, China"
//         "中国人, Zhong1 guo2 ren2, Chinese person"      (later entries containing 中國)
//
// A line is the word's characters, then ", " and each non-empty field of its reading and ten
// translations. Characters with a simplified form show in it unless the display is
// traditional. Copied simplified characters find the word through their traditional forms,
// which the word table is keyed by. A copied word that is no entry gets one line of its
// characters alone.

#include "platform/recordsource.h"

#include <QHash>
#include <QString>
#include <QStringList>

struct CodeWordResult
{
    QString characters;     // the copied word as displayed
    QString codeString;     // the copied word's code string
    QStringList otherForms; // per code: the code of its simplified form, empty if none
    bool found = false;     // the copied word is an entry of the word table
    QStringList lines;      // the copied word's line first; empty when nothing was copied
};

class CodeWordSearch
{
public:
    // The word table and the character table; neither current record is moved.
    CodeWordSearch(RecordSource &words, RecordSource &characters);

    CodeWordResult search(const QStringList &codes, bool traditional);

    static QString line(const QString &characters, const QStringList &fields);

private:
    QString simplifiedForm(const QString &code);
    QString traditionalForm(const QString &code); // the code itself when it has none
    QString displayed(const QString &codeString, bool traditional);

    RecordSource &m_words;
    RecordSource &m_characters;
    QHash<QString, QString> m_simplified;  // code -> code of its simplified form, or empty
    QHash<QString, QString> m_traditional; // code -> code of its traditional form, or itself
};
