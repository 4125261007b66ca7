#pragma once
// The code pages of RTF text: an RTF character set number (\fcharsetN)
// names the code page its font's \'hh bytes are in, and bytes are decoded
// in that code page, Windows-1252 when the code page is unknown here or the
// bytes are not valid in it.

#include <QByteArray>
#include <QString>

namespace cw::richtext {

class TRtfCodePages
{
public:
    // The Windows code page of an RTF character set; 0 when the document's
    // own code page (\ansicpg) applies.
    static int OfCharset(int charset);
    // `bytes` in Windows code page `codePage` (0: Windows-1252).
    static QString Decode(const QByteArray &bytes, int codePage);
};

} // namespace cw::richtext
