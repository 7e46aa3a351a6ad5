#pragma once

// The pinyin editor's printout: the text cut into printed lines at its line breaks and, where
// a word would run past the right margin, before that word. A word is everything up to and
// including the next blank, so the blank's width counts where it stands.
//
//     "ni3 hao3\n\nzai4 jian4" on a page one word wide -> "ni3 ", "hao3", "", "zai4 ", "jian4"
//
// A word wider than the page always starts a printed line of its own (ending the current one
// even when that is empty) and runs over the edge.

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace WordWrap {

// Width of a piece of text as the printer's font draws it.
using Measure = std::function<qreal(const QString &)>;

// Lines end at CR LF, LF or CR. An empty text gives no lines; two breaks in a row give an
// empty line between them.
QStringList wrap(const QString &text, qreal printableWidth, const Measure &width);

// The lines in pages: a page takes lines while the next one fits below the last.
QList<QStringList> paginate(const QStringList &lines, qreal lineHeight, qreal printableHeight);

} // namespace WordWrap
