#pragma once
// Truevision TGA pictures in all their variants (colour-mapped, true-colour,
// grey; raw or run-length coded; either origin), decoded by stb_image.

#include <QByteArray>
#include <QImage>

namespace cw::model {

class TTgaDecoder
{
public:
    // The picture as ARGB, or a null image when the bytes do not decode.
    static QImage Decode(const QByteArray &bytes);
};

} // namespace cw::model
