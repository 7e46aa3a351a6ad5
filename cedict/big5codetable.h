#pragma once

#include <QByteArrayView>
#include <QHash>
#include <QString>

// The code table (big5.mdb) in memory: four hex digits of a Big5 code -> character code.
// Loaded once per import; where a code appears twice the first record wins, as a FindFirst
// on "bigfive =" would find it.
class Big5CodeTable
{
public:
    bool load(const QString &databaseFile);

    // The unicode value for four hex digits (any case), or a null string.
    QString unicodeFor(QByteArrayView hexDigits) const;
    qsizetype size() const { return m_unicodeByCode.size(); }

    // The code table in a program folder: big5.mdb as the import names it, else BIG5.mdb.
    static QString findIn(const QString &programFolder);

private:
    QHash<quint32, QString> m_unicodeByCode;
};
