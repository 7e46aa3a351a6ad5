#include "tools/data/codestore.h"

#include "cedict/big5codec.h"
#include "dictionary/charactercode.h"
#include "dictionary/tables.h"
#include "tools/data/storewriter.h"

using namespace Qt::StringLiterals;

namespace {

bool isTrailByte(int byte)
{
    return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0xA1 && byte <= 0xFE);
}

// The codec also maps the user-defined areas to the Private Use Area; those are no characters
// any dictionary table knows.
bool isPrivateUse(QChar c)
{
    return c.unicode() >= 0xE000 && c.unicode() <= 0xF8FF;
}

} // namespace

bool buildCodeStore(const QString &targetFile, qint64 &records, QString &error)
{
    Big5Codec codec;
    if (!codec.isValid()) {
        error = u"this Qt has no Big5 codec"_s;
        return false;
    }
    StoreWriter store(targetFile, Tables::createCodeTable, Tables::codeFields());
    if (!store.begin()) {
        error = store.errorText();
        return false;
    }
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            if (!isTrailByte(trail))
                continue;
            const char bytes[] = {char(lead), char(trail)};
            const QString decoded = codec.decode(QByteArrayView(bytes, 2));
            if (decoded.size() != 1 || decoded.at(0) == QChar::ReplacementCharacter ||
                decoded.at(0).isSurrogate() || isPrivateUse(decoded.at(0)))
                continue;
            const QString hex = QString::fromLatin1(upperHex(QByteArrayView(bytes, 2)));
            if (!store.insert({hex, hex, CharacterCode::fromCharacter(decoded.at(0))})) {
                error = store.errorText();
                return false;
            }
        }
    }
    records = store.recordCount();
    if (!store.finish()) {
        error = store.errorText();
        return false;
    }
    return true;
}
