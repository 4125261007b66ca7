#pragma once
// The picture a design object, the surface background and textures hold:
// empty, a bitmap, a metafile (Windows or enhanced) or an icon.
//
// A picture keeps the bytes it came from (the BMP file, the metafile, the ICO
// file), so a card file that is read and written again stores the same bytes.
// Copies are cheap: the decoded data is shared and never changed in place.
//
// Sizes are pixels at 96 per inch; a metafile's size is its frame (enhanced)
// or its bounding box (Windows metafile with placeable header).

#include "app/model/Exception.h"

#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QSize>
#include <QString>
#include <memory>

class QPainter;

namespace cw::model {

class TMetafile;

// A picture file or a picture blob that cannot be decoded.
class EInvalidGraphic : public cw::Exception
{
public:
    using Exception::Exception;
};

enum class TGraphicKind { Empty, Bitmap, Metafile, Icon };

class TGPicture
{
public:
    TGPicture();
    ~TGPicture();
    TGPicture(const TGPicture &);
    TGPicture &operator=(const TGPicture &);
    TGPicture(TGPicture &&) noexcept;
    TGPicture &operator=(TGPicture &&) noexcept;

    TGraphicKind Kind() const;
    bool IsEmpty() const { return Kind() == TGraphicKind::Empty; }
    bool IsBitmap() const { return Kind() == TGraphicKind::Bitmap; }
    bool IsMetafile() const { return Kind() == TGraphicKind::Metafile; }
    bool IsIcon() const { return Kind() == TGraphicKind::Icon; }
    // The class name the card file stores: "TBitmap", "TMetafile", "TIcon";
    // empty for an empty picture.
    QString ClassName() const;

    // Pixel size at 96 ppi; 0 x 0 when empty.
    int Width() const;
    int Height() const;
    QSize Size() const { return QSize(Width(), Height()); }

    // Pixels of a bitmap or icon (null image for metafiles and empty).
    const QImage &Image() const;
    // The parsed metafile, or nullptr when the picture is not a metafile.
    const TMetafile *Metafile() const;
    // The bytes kept for the card file: the BMP file, the metafile as the
    // card file stores it, or the ICO file.  Empty when the picture is empty.
    QByteArray GraphicBytes() const;

    void Clear();
    // A bitmap of these pixels, laid on white; the BMP bytes are made from
    // them.
    void SetBitmap(const QImage &image);
    // The same, except that a picture with see-through pixels (a PNG logo)
    // keeps them: its BMP bytes carry an alpha channel.  An opaque picture
    // gives exactly what SetBitmap gives.
    void SetBitmapWithAlpha(const QImage &image);
    // Assigns from a BMP file; throws EInvalidGraphic when it does not decode.
    void SetBitmapBytes(const QByteArray &bmpFile);
    // Assigns from an enhanced metafile, a placeable Windows metafile or a
    // bare Windows metafile; throws EInvalidGraphic when it does not parse.
    void SetMetafileBytes(const QByteArray &metafile);
    // Assigns from an ICO file; throws EInvalidGraphic when it does not decode.
    void SetIconBytes(const QByteArray &icoFile);

    // Loads a picture file; the type is chosen by the last extension (case
    // ignored): BMP, DIB, RLE as Windows bitmaps; WMF and EMF as metafiles;
    // ICO as an icon (its largest image); every other type of
    // TPictureFormats (JPEG, PNG, GIF, TGA, PCX, TIFF, WebP, SVG, …) decoded
    // to a bitmap that keeps its transparency.  Any other extension is recognised by its content.  Throws
    // EInvalidGraphic (cannot decode) or EInOutError (cannot read).
    void LoadFromFile(const QString &path);
    static TGPicture FromFile(const QString &path);
    // The same from bytes already read; extension as in a file name ("JPG").
    // Throws EInvalidGraphic.
    void LoadFromBytes(const QByteArray &bytes, const QString &extension);

    // An icon becomes a bitmap of the icon's size with the icon drawn on
    // white at (0, 0); other pictures stay as they are.
    void ConvertIconToBitmap();

    // The card file's "Picture.Data" bytes: the class name as a short string
    // (one length byte, then the name), then for TBitmap a 4-byte little-endian
    // count and the BMP file, for TMetafile a 4-byte count and the metafile,
    // for TIcon the ICO file.  Empty for an empty picture.
    QByteArray PictureData() const;
    // Reads "Picture.Data"; empty bytes give an empty picture.  Throws
    // EInvalidGraphic for an unknown class name, a count beyond the bytes, or
    // graphic data that does not decode.
    void SetPictureData(const QByteArray &data);

    // A bitmap property's ".Data" bytes: the 4-byte count and the BMP file,
    // without a class name.  Only bitmaps (or icons, converted) are stored.
    QByteArray BitmapData() const;
    void SetBitmapData(const QByteArray &data);

    // Draws the picture into target (painter coordinates): a bitmap or icon is
    // stretched; a metafile is played scaled into target.  Nothing when empty.
    void Draw(QPainter &painter, const QRectF &target) const;
    // The picture drawn into a transparent ARGB image of the given size.
    QImage ToImage(const QSize &size) const;
    // The picture at its own size (ToImage(Size())).
    QImage ToImage() const { return ToImage(Size()); }

    // Same kind and same stored bytes.
    bool operator==(const TGPicture &other) const;
    bool operator!=(const TGPicture &other) const { return !(*this == other); }

private:
    struct Data;
    std::shared_ptr<const Data> d;
};

} // namespace cw::model
