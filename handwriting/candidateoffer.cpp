#include "handwriting/candidateoffer.h"
#include "dictionary/tables.h"

#include "dictionary/charactercode.h"
#include "dictionary/recordlookup.h"

using namespace Qt::StringLiterals;

QStringList offerCandidates(const QList<HandwritingCandidate> &ranking, int limit,
                            const CandidateRules &rules)
{
    QStringList offered;
    const auto offer = [&](const QString &character) {
        if (offered.size() < limit && !character.isEmpty() && !offered.contains(character) &&
            (!rules.known || rules.known(character)))
            offered.append(character);
    };
    for (const HandwritingCandidate &candidate : ranking) {
        if (offered.size() >= limit)
            break;
        offer(candidate.character);
        if (rules.otherForm)
            offer(rules.otherForm(candidate.character));
    }
    return offered;
}

StoreCandidateRules::StoreCandidateRules(RecordSource &characters, RecordSource &words)
    : m_characters(characters)
    , m_words(words)
{
}

const StoreCandidateRules::Entry &StoreCandidateRules::entry(const QString &character)
{
    auto found = m_cache.constFind(character);
    if (found != m_cache.constEnd())
        return *found;
    Entry entry;
    const QString code = CharacterCode::codeString(character);
    const auto form = [](const RecordSource &source, const RecordSource::Record &record,
                         const QString &field) {
        const std::optional<QChar> c =
            CharacterCode::toCharacter(RecordLookup::text(source, record, field).trimmed());
        return c ? QString(*c) : QString();
    };
    if (const auto record = RecordLookup::first(
            m_characters, Criteria{CharacterField::teckenkod, Criteria::Operator::Equals, code})) {
        entry.known = true;
        entry.simplified = form(m_characters, *record, CharacterField::forenklaform);
        entry.traditional = form(m_characters, *record, CharacterField::traditionellform);
    } else {
        entry.known = RecordLookup::first(m_words, Criteria{WordField::teckenkoder,
                                                            Criteria::Operator::Equals, code})
                          .has_value();
    }
    return *m_cache.insert(character, entry);
}

bool StoreCandidateRules::known(const QString &character)
{
    return entry(character).known;
}

QString StoreCandidateRules::otherForm(const QString &character, bool traditional)
{
    const Entry &e = entry(character);
    const QString other = traditional ? e.traditional : e.simplified;
    return other == character ? QString() : other;
}

CandidateRules StoreCandidateRules::rules(bool traditional)
{
    return {[this](const QString &c) { return known(c); },
            [this, traditional](const QString &c) { return otherForm(c, traditional); }};
}
