#include "print/engine/TReportReader.h"

#include "print/engine/TPicturePlayer.h"
#include "print/engine/TReportFiler.h"
#include "print/engine/Units.h"

#include <QBuffer>
#include <QDataStream>
#include <QPainter>
#include <cmath>

namespace cw::engine {

namespace {
// A sheet larger than this (inches) or a resolution beyond this is not one
// the filer writes; such a record is treated as damage.
constexpr double MaxSheetInches = 200.0;
constexpr double MaxDpi = 10000.0;
} // namespace

bool TReportReader::Load(const QByteArray &data)
{
    m_pages.clear();
    QDataStream in(data);
    in.setVersion(QDataStream::Qt_6_4);
    quint32 magic = 0;
    quint16 version = 0;
    in >> magic >> version;
    if (in.status() != QDataStream::Ok || magic != TReportFiler::StreamMagic ||
        version != TReportFiler::StreamVersion)
        return false;
    while (!in.atEnd()) {
        quint32 tag = 0;
        Page page;
        double width = 0, height = 0;
        QByteArray pictureData;
        in >> tag >> width >> height >> page.xdpi >> page.ydpi >> pictureData;
        if (in.status() != QDataStream::Ok || tag != TReportFiler::PageMagic)
            break;
        if (!(width > 0 && width < MaxSheetInches && height > 0 && height < MaxSheetInches) ||
            !(page.xdpi > 0 && page.xdpi < MaxDpi && page.ydpi > 0 && page.ydpi < MaxDpi))
            break;
        page.sizeInches = QSizeF(width, height);
        if (pictureData.isEmpty())
            break;
        page.picture.setData(pictureData.constData(), static_cast<uint>(pictureData.size()));
        m_pages.append(page);
    }
    return true;
}

bool TReportReader::Load(QIODevice &stream)
{
    // A memory stream is read from its data, whatever mode its owner left
    // it open in.
    if (auto *buffer = qobject_cast<QBuffer *>(&stream))
        return Load(buffer->data());
    if (!stream.isOpen() && !stream.open(QIODevice::ReadOnly))
        return false;
    if (!stream.isSequential())
        stream.seek(0);
    return Load(stream.readAll());
}

const TReportReader::Page &TReportReader::PageAt(int page) const
{
    static const Page empty;
    if (page < 1 || page > m_pages.size())
        return empty;
    return m_pages.at(page - 1);
}

void TReportReader::PlayPage(int page, QPainter &painter, const QRectF &target) const
{
    const Page &p = PageAt(page);
    if (p.picture.isNull())
        return;
    const QRectF source(0, 0, p.sizeInches.width() * p.xdpi, p.sizeInches.height() * p.ydpi);
    painter.save();
    painter.setClipRect(target, Qt::IntersectClip);
    TPicturePlayer::Play(painter, p.picture, source, target);
    painter.restore();
}

QImage TReportReader::RenderPage(int page, double pixelsPerInch) const
{
    const Page &p = PageAt(page);
    if (p.sizeInches.isEmpty() || pixelsPerInch <= 0)
        return QImage();
    const int width = std::max(1, static_cast<int>(std::ceil(p.sizeInches.width() * pixelsPerInch)));
    const int height = std::max(1, static_cast<int>(std::ceil(p.sizeInches.height() * pixelsPerInch)));
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return image;
    image.fill(Qt::white);
    QPainter painter(&image);
    PlayPage(page, painter,
             QRectF(0, 0, p.sizeInches.width() * pixelsPerInch, p.sizeInches.height() * pixelsPerInch));
    painter.end();
    return image;
}

} // namespace cw::engine
