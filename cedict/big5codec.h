#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>

#include <optional>

// Bytes below 0x80 only: text that Big5 and UTF-8 spell alike.
bool isAscii(QByteArrayView bytes);

// Big5 text through Qt's ICU-backed codec. One instance per import: the ICU converters are
// costly to create and not shared between threads.
class Big5Codec
{
public:
    Big5Codec();

    bool isValid() const;

    // Bytes that are not Big5 decode to U+FFFD; a field never borrows state from the last one.
    QString decode(QByteArrayView bytes);

    // nullopt when a character has no Big5 code (or would come back as another character).
    std::optional<QByteArray> encode(QStringView text);

private:
    QStringDecoder m_decoder;
    QStringEncoder m_encoder;
};

// Each byte as two upper-case hex digits: A4 A4 -> "A4A4".
QByteArray upperHex(QByteArrayView bytes);
