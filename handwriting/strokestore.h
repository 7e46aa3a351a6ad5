#pragma once

// The compact stroke store built from hanzi-writer-data: one file in the program folder,
// mapped into memory at open, each character decoded when asked for.
//
//     StrokeStore store;
//     store.open(StrokeStore::path(programFolder));
//     store.strokes(u"水"_s)->count()          -> 4
//     store.strokes(u"水"_s)->medians[0][0]    -> the first stroke's start, (462, 84)

#include "handwriting/strokedata.h"

#include <QByteArray>
#include <QLatin1StringView>
#include <QString>

#include <memory>
#include <optional>

class QFile;

class StrokeStore
{
public:
    StrokeStore();
    ~StrokeStore();
    StrokeStore(StrokeStore &&) noexcept;
    StrokeStore &operator=(StrokeStore &&) noexcept;

    static constexpr QLatin1StringView fileName{"strokes.dat"};
    static QString path(const QString &programFolder);

    // False for a missing, truncated or foreign file; the store is then empty.
    bool open(const QString &file);
    bool isOpen() const { return m_count > 0; }
    int size() const { return m_count; }

    bool contains(char32_t character) const;
    // The first character of the text; none when it has no stroke data.
    std::optional<CharacterStrokes> strokes(const QString &character) const;
    std::optional<CharacterStrokes> strokes(char32_t character) const;
    QList<char32_t> characters() const;

private:
    qsizetype recordOffset(char32_t character) const;

    std::unique_ptr<QFile> m_file;
    QByteArray m_data; // over the mapped file
    int m_count = 0;
};
