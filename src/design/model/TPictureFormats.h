#pragma once
// The picture file types the program reads, and the decoding steps that the
// picture, the browsers and the background share.
//
// The program's own readers cover Windows bitmaps (BMP, DIB, RLE, OS/2 and
// packed variants), metafiles (WMF, EMF), icons, PCX and TGA; Qt's image
// plugins add the rest (JPEG, PNG, GIF, TIFF, WebP, SVG, …).  Every file
// dialog and file list that offers pictures takes its patterns from here, so
// a type that decodes can always be picked.

#include <QByteArray>
#include <QImage>
#include <QStringList>

namespace cw::model {

class TPictureFormats
{
public:
    // Every extension the program decodes, upper case, without the dot,
    // sorted and without repeats.
    static QStringList Extensions();
    // The same as file list patterns: "*.BMP", "*.PNG", … (QDir matches them
    // without regard to letter case).
    static QStringList NameFilters();
    // One file dialog filter for all of them: "Pictures (*.bmp *.png …)".
    static QString DialogFilter();
    // True when the name's last extension is one of Extensions().
    static bool IsPictureFile(const QString &name);

    // Decodes with a Qt reader (`format` null: recognised by content).  A
    // picture beyond 64 megapixels, or a bitmap whose header claims more
    // pixels than its bytes could fill, gives a null image.  A file holding
    // several images (a multi-size icon, a TIFF with pages) gives the
    // largest of them.
    static QImage Decode(const QByteArray &bytes, const char *format);

    // A packed DIB (no file header, as some .DIB files are) with the 14-byte
    // file header put before it; other bytes come back unchanged.
    static QByteArray WithFileHeader(const QByteArray &bytes);
    // A Windows bitmap as Qt's reader takes it: WithFileHeader, and an OS/2
    // bitmap whose colour table is shorter than
    // its bit depth allows is rewritten with a Windows header and the table
    // it really has, so the pixels are read from the file's data offset.
    // Other bytes come back unchanged.
    static QByteArray NormalisedBitmap(const QByteArray &bytes);

    // True when some pixel of the image is not fully opaque.
    static bool HasTransparency(const QImage &image);
    // A 32-bit Windows bitmap file with an alpha channel (108-byte header,
    // bit-field masks, rows bottom-up) of an ARGB32 image.  Readers that
    // ignore alpha see fully transparent pixels as white.
    static QByteArray BitmapWithAlpha(const QImage &image);
};

} // namespace cw::model
