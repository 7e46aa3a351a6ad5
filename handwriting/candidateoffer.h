#pragma once

// From the recognizer's ranking to the characters offered: characters that no store knows
// are dropped, and a character the table in use writes in its other form (simplified or
// traditional) is followed by that form.
//
//     ranking {門, 们}, traditional table, 门 known -> {門, 们}
//     ranking {门, 们}, traditional table           -> {门, 門, 们}

#include "handwriting/recognizer.h"
#include "platform/recordsource.h"

#include <QHash>
#include <QStringList>

#include <functional>

struct CandidateRules
{
    std::function<bool(const QString &)> known;        // in some record of the stores
    std::function<QString(const QString &)> otherForm; // the table's form; empty: the same
};

QStringList offerCandidates(const QList<HandwritingCandidate> &ranking, int limit,
                            const CandidateRules &rules);

// The rules over the character table (forms, and every character with a record) and the
// word table (single-character entries). Records are read by value: no cursor moves.
class StoreCandidateRules
{
public:
    StoreCandidateRules(RecordSource &characters, RecordSource &words);

    bool known(const QString &character);
    // The traditional form when traditional, else the simplified form; empty when the
    // character has no other form.
    QString otherForm(const QString &character, bool traditional);
    CandidateRules rules(bool traditional);

private:
    struct Entry
    {
        bool known = false;
        QString simplified, traditional;
    };
    const Entry &entry(const QString &character);

    RecordSource &m_characters;
    RecordSource &m_words;
    QHash<QString, Entry> m_cache;
};
