#include "dictionary/searchcriteria.h"

using namespace Qt::StringLiterals;

namespace SearchCriteria {

QString characterCode(const QString &code)
{
    return u"teckenkod ='"_s + code + u'\'';
}

QString wordCodes(const QString &codeString)
{
    return u"teckenkoder ='"_s + codeString + u'\'';
}

QString translationContains(int field, const QString &text)
{
    return (u"translation%1 like'*"_s.arg(field) + text + u"*'"_s).toLower();
}

QString translationEquals(int field, const QString &text)
{
    return (u"translation%1 ='"_s.arg(field) + text + u'\'').toLower();
}

QString pinyinContains(const QString &text)
{
    return (u"pinyin like'*"_s + text + u"*'"_s).toLower();
}

QString pinyinEquals(const QString &text)
{
    return (u"pinyin ='"_s + text + u'\'').toLower();
}

QString radicalKey(const QString &key)
{
    return u"kinesisktradikal ='"_s + key + u'\'';
}

QString radicalNumber(const QString &number)
{
    return u"kinesisktradikal like'"_s + number + u".*'"_s;
}

QString strokes(const QString &total)
{
    return u"summa ="_s + total;
}

} // namespace SearchCriteria
