#include "cedict/big5codec.h"

using namespace Qt::StringLiterals;

bool isAscii(QByteArrayView bytes)
{
    for (const char c : bytes) {
        if (uchar(c) >= 0x80)
            return false;
    }
    return true;
}

Big5Codec::Big5Codec()
    : m_decoder("Big5", QStringConverter::Flag::Stateless)
    , m_encoder("Big5", QStringConverter::Flag::Stateless)
{
}

bool Big5Codec::isValid() const
{
    return m_decoder.isValid() && m_encoder.isValid();
}

QString Big5Codec::decode(QByteArrayView bytes)
{
    // Most glosses are plain ASCII, which Big5 leaves as it is; skip ICU for them.
    if (isAscii(bytes))
        return QString::fromLatin1(bytes);
    m_decoder.resetState();
    return m_decoder.decode(bytes);
}

std::optional<QByteArray> Big5Codec::encode(QStringView text)
{
    // A character without a code comes out as "?", and ICU maps a few others to a look-alike;
    // only a round trip tells. (hasError() stays set after resetState() in this Qt.)
    QByteArray bytes = m_encoder.encode(text);
    if (decode(bytes) != text)
        return std::nullopt;
    return bytes;
}

QByteArray upperHex(QByteArrayView bytes)
{
    return bytes.toByteArray().toHex().toUpper();
}
