#include "pinyin/wordwrap.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace WordWrap {

QStringList wrap(const QString &text, qreal printableWidth, const Measure &width)
{
    QStringList printed;
    if (text.isEmpty())
        return printed;
    static const QRegularExpression lineBreak(u"\r\n|\n|\r"_s);
    QStringList lines = text.split(lineBreak);
    // The text's own last break ends its last line; it starts no further empty one.
    if (lines.size() > 1 && lines.last().isEmpty())
        lines.removeLast();

    for (const QString &line : lines) {
        QString current;
        qreal x = 0;
        qsizetype start = 0;
        while (start < line.size()) {
            const qsizetype blank = line.indexOf(u' ', start);
            const qsizetype end = blank < 0 ? line.size() : blank + 1;
            const QString word = line.sliced(start, end - start);
            const qreal w = width(word);
            if (x + w > printableWidth) {
                printed << current;
                current.clear();
                x = 0;
            }
            current += word;
            x += w;
            start = end;
        }
        printed << current;
    }
    return printed;
}

QList<QStringList> paginate(const QStringList &lines, qreal lineHeight, qreal printableHeight)
{
    QList<QStringList> pages;
    qreal y = 0;
    for (const QString &line : lines) {
        if (pages.isEmpty() || (y + lineHeight > printableHeight && !pages.last().isEmpty())) {
            pages.append(QStringList());
            y = 0;
        }
        pages.last() << line;
        y += lineHeight;
    }
    return pages;
}

} // namespace WordWrap
