#pragma once
// The Windows-1252 code page in which card files store their text.
//
// Every one of the 256 bytes decodes to one UTF-16 code unit and encodes back
// to the same byte: the five bytes the code page leaves undefined (81, 8D, 8F,
// 90, 9D) decode to U+0081, U+008D, U+008F, U+0090 and U+009D.  The other
// C1 controls (U+0080..U+009F) are NOT encodable, because their bytes carry
// printable characters (0x80 is the euro sign).  Encoding never substitutes a
// character: text that cannot be encoded is reported as such, and the stream
// writer stores it as a wide string instead.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>

namespace cw::model {

class Win1252
{
public:
    // The character of one byte.
    static char16_t toUnicode(uchar byte) noexcept;
    // The byte of one UTF-16 code unit, or -1 when the code page has none.
    static int fromUnicode(char16_t unit) noexcept;

    // Every byte becomes one character; never fails.
    static QString decode(QByteArrayView bytes);
    // The bytes of text, or nothing when any character is not in the code
    // page (surrogates and characters beyond U+FFFF never are).
    static std::optional<QByteArray> encode(QStringView text);
    static bool canEncode(QStringView text) noexcept;
};

} // namespace cw::model
