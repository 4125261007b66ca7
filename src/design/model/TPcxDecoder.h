#pragma once
// PCX pictures: 1-bit monochrome, 2- and 4-bit colour in one plane, 16 colours
// in four 1-bit planes, 256 colours with the palette at the end of the file,
// and 24-bit colour in three 8-bit planes; run-length coded or raw.  Every
// read is checked against the bytes that are there.

#include <QByteArray>
#include <QImage>

namespace cw::model {

class TPcxDecoder
{
public:
    static constexpr qint64 MaxPixels = 64 * 1024 * 1024;
    // The picture, or a null image when the bytes are not a PCX file this
    // decoder reads.  Pixel data cut short leaves the missing rows black.
    static QImage Decode(const QByteArray &bytes);
};

} // namespace cw::model
