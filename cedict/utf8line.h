#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// One entry line of CC-CEDICT as published in UTF-8:
//
//   "中國 中国 [Zhong1 guo2] /China/"  ->  traditional "中國", simplified "中国",
//                                          reading "Zhong1 guo2", glosses {"China"}
//
// The reading may be missing; empty glosses ("//") are dropped. Comment ("#") and blank
// lines, and lines of any other shape, are not entries.
struct Utf8Line
{
    QString traditional;
    QString simplified;
    QString reading;
    QStringList glosses;

    static std::optional<Utf8Line> parse(QStringView line);
};
