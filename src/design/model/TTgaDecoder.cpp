#include "design/model/TTgaDecoder.h"

// stb_image is compiled here, for TGA only, with internal linkage so that it
// cannot clash with another copy of the library.
#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_STATIC
#define STBI_ONLY_TGA
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STBI_NO_HDR
#define STBI_MAX_DIMENSIONS (1 << 15)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wimplicit-fallthrough"
#include <stb/stb_image.h>
#pragma GCC diagnostic pop

namespace cw::model {

QImage TTgaDecoder::Decode(const QByteArray &bytes)
{
    // A TGA file has an 18-byte header; stb's own test of the header is weak,
    // so reject what cannot be a TGA before decoding.
    if (bytes.size() < 18 || bytes.size() > INT_MAX)
        return QImage();
    const uchar imageType = uchar(bytes[2]);
    const bool known = imageType == 1 || imageType == 2 || imageType == 3 || imageType == 9 ||
                       imageType == 10 || imageType == 11;
    if (!known)
        return QImage();
    // A run packet holds at most 128 pixels in 2 bytes: a picture with more
    // than 64 pixels per byte of file is damaged and not worth the memory.
    const qint64 w = uchar(bytes[12]) | (uchar(bytes[13]) << 8);
    const qint64 h = uchar(bytes[14]) | (uchar(bytes[15]) << 8);
    if (w * h > 64 * qint64(bytes.size()) + 4096)
        return QImage();
    int width = 0, height = 0, channels = 0;
    stbi_uc *pixels = stbi_load_from_memory(reinterpret_cast<const stbi_uc *>(bytes.constData()),
                                            int(bytes.size()), &width, &height, &channels, 4);
    if (!pixels)
        return QImage();
    QImage image;
    if (width > 0 && height > 0 && qint64(width) * height <= 64 * 1024 * 1024)
        image = QImage(pixels, width, height, width * 4, QImage::Format_RGBA8888)
                    .convertToFormat(QImage::Format_ARGB32);
    stbi_image_free(pixels);
    // Many 32-bit files leave the attribute (alpha) bits at 0: such a file
    // means an opaque picture, not an invisible one.
    bool anyAlpha = false;
    for (int y = 0; y < image.height() && !anyAlpha; ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(line[x]) != 0) {
                anyAlpha = true;
                break;
            }
    }
    if (!anyAlpha && !image.isNull()) {
        for (int y = 0; y < image.height(); ++y) {
            QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x)
                line[x] |= 0xFF000000u;
        }
    }
    return image;
}

} // namespace cw::model
