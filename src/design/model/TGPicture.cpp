#include "design/model/TGPicture.h"

#include "design/model/TMetafile.h"
#include "design/model/TPcxDecoder.h"
#include "design/model/TPictureFormats.h"
#include "design/model/TTgaDecoder.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QtEndian>

namespace cw::model {

struct TGPicture::Data
{
    TGraphicKind Kind = TGraphicKind::Empty;
    QImage Image;                              // bitmap or icon pixels
    std::shared_ptr<const TMetafile> Metafile; // metafile pictures
    QByteArray Bytes;                          // BMP file, metafile, ICO file
};

namespace {

// Files larger than this are not pictures the program takes.
constexpr qint64 MaxFileSize = 512LL * 1024 * 1024;

const QImage &nullImage()
{
    static const QImage image;
    return image;
}

void appendU32(QByteArray &b, quint32 v)
{
    char le[4];
    qToLittleEndian(v, le);
    b.append(le, 4);
}

// The pixels of a bitmap picture: transparency is laid on white, since the
// card file's bitmaps carry none.
QImage opaque(const QImage &image)
{
    if (!image.hasAlphaChannel())
        return image.convertToFormat(QImage::Format_RGB32);
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter p(&flat);
    p.drawImage(0, 0, image);
    p.end();
    return flat;
}

QByteArray bmpFileOf(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "bmp");
    if (!writer.write(image))
        throw EInvalidGraphic(QStringLiteral("Bitmap image is not valid"));
    return bytes;
}

QString shortString(const QByteArray &data, qsizetype &at)
{
    if (data.isEmpty())
        return QString();
    const int n = uchar(data[0]);
    if (1 + n > data.size())
        throw EInvalidGraphic(QStringLiteral("Picture data is cut short"));
    at = 1 + n;
    return QString::fromLatin1(data.constData() + 1, n);
}

QByteArray countedBlock(const QByteArray &data, qsizetype at)
{
    if (data.size() - at < 4)
        throw EInvalidGraphic(QStringLiteral("Picture data is cut short"));
    const quint32 count = qFromLittleEndian<quint32>(data.constData() + at);
    if (count > quint64(data.size() - at - 4))
        throw EInvalidGraphic(QStringLiteral("Picture data is cut short"));
    return data.mid(at + 4, qsizetype(count));
}

} // namespace

TGPicture::TGPicture() : d(std::make_shared<Data>()) {}
TGPicture::~TGPicture() = default;
TGPicture::TGPicture(const TGPicture &) = default;
TGPicture &TGPicture::operator=(const TGPicture &) = default;
// A moved-from picture keeps sharing the (immutable) data: still valid, no allocation.
TGPicture::TGPicture(TGPicture &&other) noexcept : d(other.d) {}
TGPicture &TGPicture::operator=(TGPicture &&other) noexcept
{
    d = other.d;
    return *this;
}

TGraphicKind TGPicture::Kind() const
{
    return d->Kind;
}

QString TGPicture::ClassName() const
{
    switch (d->Kind) {
    case TGraphicKind::Bitmap:
        return QStringLiteral("TBitmap");
    case TGraphicKind::Metafile:
        return QStringLiteral("TMetafile");
    case TGraphicKind::Icon:
        return QStringLiteral("TIcon");
    case TGraphicKind::Empty:
        break;
    }
    return QString();
}

int TGPicture::Width() const
{
    if (d->Kind == TGraphicKind::Metafile)
        return d->Metafile->Width();
    return d->Image.width();
}

int TGPicture::Height() const
{
    if (d->Kind == TGraphicKind::Metafile)
        return d->Metafile->Height();
    return d->Image.height();
}

const QImage &TGPicture::Image() const
{
    return d->Kind == TGraphicKind::Metafile ? nullImage() : d->Image;
}

const TMetafile *TGPicture::Metafile() const
{
    return d->Metafile.get();
}

QByteArray TGPicture::GraphicBytes() const
{
    return d->Bytes;
}

void TGPicture::Clear()
{
    d = std::make_shared<Data>();
}

void TGPicture::SetBitmap(const QImage &image)
{
    if (image.isNull()) {
        Clear();
        return;
    }
    auto n = std::make_shared<Data>();
    n->Kind = TGraphicKind::Bitmap;
    n->Image = opaque(image);
    n->Bytes = bmpFileOf(n->Image);
    d = std::move(n);
}

void TGPicture::SetBitmapBytes(const QByteArray &bmpFile)
{
    // The card file keeps the bitmap as it came (with a file header).
    const QByteArray file = TPictureFormats::WithFileHeader(bmpFile);
    QImage image = TPictureFormats::Decode(TPictureFormats::NormalisedBitmap(file), "bmp");
    if (image.isNull())
        throw EInvalidGraphic(QStringLiteral("Bitmap image is not valid"));
    auto n = std::make_shared<Data>();
    n->Kind = TGraphicKind::Bitmap;
    // Colour-table bitmaps are kept as direct colours: a damaged file may use
    // indices beyond its table, which drawing would read past its end (the
    // conversion gives such pixels opaque black).
    n->Image = image.colorCount() > 0 ? image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32
                                                                                      : QImage::Format_RGB32)
                                      : std::move(image);
    n->Bytes = file;
    d = std::move(n);
}

void TGPicture::SetMetafileBytes(const QByteArray &metafile)
{
    auto parsed = TMetafile::Parse(metafile);
    if (!parsed)
        throw EInvalidGraphic(QStringLiteral("Metafile is not valid"));
    auto n = std::make_shared<Data>();
    n->Kind = TGraphicKind::Metafile;
    n->Bytes = parsed->Bytes();
    n->Metafile = std::move(parsed);
    d = std::move(n);
}

void TGPicture::SetIconBytes(const QByteArray &icoFile)
{
    // ICONDIR: reserved 0, type 1 (icon), at least one entry.
    if (icoFile.size() < 6 || qFromLittleEndian<quint16>(icoFile.constData()) != 0 ||
        qFromLittleEndian<quint16>(icoFile.constData() + 2) != 1 ||
        qFromLittleEndian<quint16>(icoFile.constData() + 4) == 0)
        throw EInvalidGraphic(QStringLiteral("Icon image is not valid"));
    // A multi-size icon is its largest image.
    QImage image = TPictureFormats::Decode(icoFile, "ico");
    if (image.isNull())
        throw EInvalidGraphic(QStringLiteral("Icon image is not valid"));
    auto n = std::make_shared<Data>();
    n->Kind = TGraphicKind::Icon;
    n->Image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    n->Bytes = icoFile;
    d = std::move(n);
}

void TGPicture::LoadFromFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EInOutError(QStringLiteral("Cannot open file \"%1\". %2").arg(path, file.errorString()));
    if (file.size() > MaxFileSize)
        throw EInvalidGraphic(QStringLiteral("Picture file is too large"));
    LoadFromBytes(file.readAll(), QFileInfo(path).suffix());
}

void TGPicture::LoadFromBytes(const QByteArray &bytes, const QString &extension)
{
    const QString ext = extension.toUpper();
    if (ext == u"BMP" || ext == u"DIB" || ext == u"RLE")
        return SetBitmapBytes(bytes);
    if (ext == u"WMF" || ext == u"EMF")
        return SetMetafileBytes(bytes);
    if (ext == u"ICO")
        return SetIconBytes(bytes);
    QImage decoded;
    if (ext == u"JPG" || ext == u"JPEG" || ext == u"JIF" || ext == u"JFIF" || ext == u"JPE")
        decoded = TPictureFormats::Decode(bytes, "jpeg");
    else if (ext == u"TGA")
        decoded = TTgaDecoder::Decode(bytes);
    else if (ext == u"PCX")
        decoded = TPcxDecoder::Decode(bytes);
    else if (TPictureFormats::Extensions().contains(ext))
        decoded = TPictureFormats::Decode(bytes, ext.toLower().toLatin1().constData());
    else {
        // Any other name: recognised by content.
        if (bytes.startsWith("BM"))
            return SetBitmapBytes(bytes);
        if (TMetafile::LooksLikeMetafile(bytes))
            return SetMetafileBytes(bytes);
        if (bytes.startsWith(QByteArray("\0\0\1\0", 4)))
            return SetIconBytes(bytes);
        decoded = TPictureFormats::Decode(bytes, nullptr);
        if (decoded.isNull())
            throw EInvalidGraphic(QStringLiteral("Unknown picture file extension (.%1)").arg(ext.toLower()));
    }
    if (decoded.isNull())
        throw EInvalidGraphic(QStringLiteral("The %1 picture cannot be read").arg(ext));
    SetBitmapWithAlpha(decoded);
}

void TGPicture::SetBitmapWithAlpha(const QImage &image)
{
    if (!TPictureFormats::HasTransparency(image)) {
        SetBitmap(image);
        return;
    }
    const QByteArray bytes = TPictureFormats::BitmapWithAlpha(image);
    SetBitmapBytes(bytes); // the pixels exactly as the card file gives them back
}

TGPicture TGPicture::FromFile(const QString &path)
{
    TGPicture p;
    p.LoadFromFile(path);
    return p;
}

void TGPicture::ConvertIconToBitmap()
{
    if (d->Kind != TGraphicKind::Icon)
        return;
    SetBitmap(d->Image); // laid on white at (0, 0), the icon's own size
}

QByteArray TGPicture::PictureData() const
{
    if (d->Kind == TGraphicKind::Empty)
        return QByteArray();
    const QByteArray name = ClassName().toLatin1();
    QByteArray out;
    out.append(char(name.size()));
    out.append(name);
    if (d->Kind != TGraphicKind::Icon)
        appendU32(out, quint32(d->Bytes.size()));
    out.append(d->Bytes);
    return out;
}

void TGPicture::SetPictureData(const QByteArray &data)
{
    if (data.isEmpty()) {
        Clear();
        return;
    }
    qsizetype at = 0;
    const QString name = shortString(data, at);
    if (name == u"TBitmap") {
        const QByteArray block = countedBlock(data, at);
        if (block.isEmpty())
            Clear();
        else
            SetBitmapBytes(block);
    } else if (name == u"TMetafile") {
        const QByteArray block = countedBlock(data, at);
        if (block.isEmpty())
            Clear();
        else
            SetMetafileBytes(block);
    } else if (name == u"TIcon") {
        SetIconBytes(data.mid(at));
    } else {
        throw EInvalidGraphic(QStringLiteral("Unknown picture format \"%1\"").arg(name));
    }
}

QByteArray TGPicture::BitmapData() const
{
    if (d->Kind == TGraphicKind::Empty)
        return QByteArray();
    QByteArray bmp;
    if (d->Kind == TGraphicKind::Bitmap) {
        bmp = d->Bytes;
    } else {
        QImage flat(Size(), QImage::Format_RGB32);
        if (flat.isNull())
            return QByteArray();
        flat.fill(Qt::white);
        QPainter p(&flat);
        Draw(p, QRectF(0, 0, flat.width(), flat.height()));
        p.end();
        bmp = bmpFileOf(flat);
    }
    QByteArray out;
    appendU32(out, quint32(bmp.size()));
    out.append(bmp);
    return out;
}

void TGPicture::SetBitmapData(const QByteArray &data)
{
    if (data.isEmpty()) {
        Clear();
        return;
    }
    const QByteArray block = countedBlock(data, 0);
    if (block.isEmpty())
        Clear();
    else
        SetBitmapBytes(block);
}

void TGPicture::Draw(QPainter &painter, const QRectF &target) const
{
    switch (d->Kind) {
    case TGraphicKind::Empty:
        return;
    case TGraphicKind::Metafile:
        d->Metafile->Play(painter, target);
        return;
    case TGraphicKind::Bitmap:
    case TGraphicKind::Icon:
        painter.drawImage(target, d->Image);
        return;
    }
}

QImage TGPicture::ToImage(const QSize &size) const
{
    if (IsEmpty() || size.isEmpty())
        return QImage();
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return image;
    image.fill(Qt::transparent);
    QPainter p(&image);
    Draw(p, QRectF(0, 0, size.width(), size.height()));
    p.end();
    return image;
}

bool TGPicture::operator==(const TGPicture &other) const
{
    return d == other.d || (d->Kind == other.d->Kind && d->Bytes == other.d->Bytes);
}

} // namespace cw::model
