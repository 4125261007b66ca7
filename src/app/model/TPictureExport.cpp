#include "app/model/TPictureExport.h"

#include "app/model/Exception.h"
#include "app/model/TAtomicFile.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>

#include <cmath>

namespace cw::model {

std::optional<TExportType> TPictureExport::TypeOfName(const QString &path)
{
    const QString ext = QFileInfo(path).suffix().toUpper();
    if (ext == u"BMP" || ext == u"DIB")
        return TExportType::Bitmap;
    if (ext == u"JPG" || ext == u"JPEG" || ext == u"JPE" || ext == u"JIF" || ext == u"JFIF")
        return TExportType::Jpeg;
    if (ext == u"PNG")
        return TExportType::Png;
    return std::nullopt;
}

TExportType TPictureExport::TypeFor(const QString &path, TExportType chosen)
{
    return TypeOfName(path).value_or(chosen);
}

QString TPictureExport::Extension(TExportType type)
{
    switch (type) {
    case TExportType::Jpeg:
        return QStringLiteral("JPG");
    case TExportType::Png:
        return QStringLiteral("PNG");
    case TExportType::Bitmap:
        break;
    }
    return QStringLiteral("BMP");
}

QByteArray TPictureExport::Encode(const QImage &image, TExportType type, int dpi)
{
    if (image.isNull())
        return QByteArray();
    // The card is opaque: every type gets the same pixels.
    QImage pixels = image.convertToFormat(QImage::Format_RGB32);
    const int dotsPerMeter = int(std::lround(dpi / 0.0254));
    pixels.setDotsPerMeterX(dotsPerMeter);
    pixels.setDotsPerMeterY(dotsPerMeter);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const char *format = type == TExportType::Jpeg ? "jpeg" : type == TExportType::Png ? "png" : "bmp";
    QImageWriter writer(&buffer, format);
    if (type == TExportType::Jpeg)
        writer.setQuality(JpegQuality);
    if (!writer.write(pixels))
        return QByteArray();
    return bytes;
}

void TPictureExport::Write(const QString &path, const QImage &image, TExportType type, int dpi)
{
    const QByteArray bytes = Encode(image, type, dpi);
    if (bytes.isEmpty())
        throw EInOutError(QStringLiteral("Cannot write %1: the picture cannot be encoded")
                              .arg(QDir::toNativeSeparators(path)));
    WriteFileAtomically(path, bytes, [&path](TAtomicWriteStage stage, const QString &reason) {
        return stage == TAtomicWriteStage::Create
                   ? QStringLiteral("Cannot create file %1").arg(QDir::toNativeSeparators(path))
                   : QStringLiteral("Cannot write %1: %2").arg(QDir::toNativeSeparators(path), reason);
    });
}

} // namespace cw::model
