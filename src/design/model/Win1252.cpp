#include "design/model/Win1252.h"

namespace cw::model {

namespace {

// Bytes 0x80..0x9F; the rest of the code page is the identity on U+0000..U+00FF.
constexpr char16_t HighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98..9F
};

} // namespace

char16_t Win1252::toUnicode(uchar byte) noexcept
{
    if (byte >= 0x80 && byte <= 0x9F)
        return HighControls[byte - 0x80];
    return byte;
}

int Win1252::fromUnicode(char16_t unit) noexcept
{
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF))
        return unit;
    // U+0080..U+009F and everything above U+00FF: only the 32 mapped units.
    for (int i = 0; i < 32; ++i) {
        if (HighControls[i] == unit)
            return 0x80 + i;
    }
    return -1;
}

QString Win1252::decode(QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return QString();
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    const uchar *in = reinterpret_cast<const uchar *>(bytes.data());
    for (qsizetype i = 0; i < bytes.size(); ++i)
        out[i] = toUnicode(in[i]);
    return text;
}

std::optional<QByteArray> Win1252::encode(QStringView text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char *out = bytes.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int byte = fromUnicode(text[i].unicode());
        if (byte < 0)
            return std::nullopt;
        out[i] = static_cast<char>(byte);
    }
    return bytes;
}

bool Win1252::canEncode(QStringView text) noexcept
{
    for (const QChar c : text) {
        if (fromUnicode(c.unicode()) < 0)
            return false;
    }
    return true;
}

} // namespace cw::model
