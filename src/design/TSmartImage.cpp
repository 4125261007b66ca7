#include "design/TSmartImage.h"

#include "app/model/Exception.h"
#include "app/model/TAtomicFile.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>

namespace cw::ui {

TSmartImage::TSmartImage(QWidget *parent) : QWidget(parent)
{
    resize(105, 105);
}

int TSmartImage::FileType(const QString &path)
{
    static const char *const types[] = {"JPG", "GIF", "JIF", "BMP", "DIB", "RLE", "TGA", "PCX"};
    const QString ext = QFileInfo(path).suffix();
    for (int i = 0; i < 8; ++i)
        if (ext.compare(QLatin1String(types[i]), Qt::CaseInsensitive) == 0)
            return i + 1;
    return 0;
}

void TSmartImage::SetPicture(const model::TGPicture &picture)
{
    m_picture = picture;
    PictureChanged();
}

void TSmartImage::SetStretch(bool on)
{
    m_stretch = on;
    update();
}

void TSmartImage::SetCenter(bool on)
{
    m_center = on;
    update();
}

void TSmartImage::SetMaintainAspect(bool on)
{
    m_maintainAspect = on;
    update();
}

void TSmartImage::SetTransparent(bool on)
{
    m_transparent = on;
    PictureChanged();
}

void TSmartImage::SetAutoSize(bool on)
{
    m_autoSize = on;
    PictureChanged();
}

void TSmartImage::PictureChanged()
{
    m_transparentImage = QImage();
    if (m_transparent && m_picture.IsBitmap()) {
        const QImage &image = m_picture.Image();
        const QRgb key = image.pixel(0, image.height() - 1);
        m_transparentImage = image.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < m_transparentImage.height(); ++y) {
            QRgb *line = reinterpret_cast<QRgb *>(m_transparentImage.scanLine(y));
            for (int x = 0; x < m_transparentImage.width(); ++x)
                if ((line[x] & 0xFFFFFF) == (key & 0xFFFFFF))
                    line[x] = 0;
        }
    }
    if (m_autoSize && !m_picture.IsEmpty())
        resize(m_picture.Width(), m_picture.Height());
    update();
}

bool TSmartImage::LoadFromFile(const QString &path)
{
    m_lastError.clear();
    try {
        m_picture.LoadFromFile(path);
    } catch (const Exception &e) {
        m_picture.Clear();
        m_lastError = e.message();
    }
    PictureChanged();
    return !m_picture.IsEmpty();
}

bool TSmartImage::SaveAsJPG(int quality, const QString &path) const
{
    if (m_picture.IsEmpty() || m_picture.Width() <= 0 || m_picture.Height() <= 0)
        return false;
    QImage image;
    if (m_picture.IsBitmap()) {
        image = m_picture.Image();
    } else {
        // JPEG has no transparency: metafiles and icons are laid on white.
        image = QImage(m_picture.Size(), QImage::Format_RGB32);
        if (image.isNull())
            return false;
        image.fill(Qt::white);
        QPainter p(&image);
        m_picture.Draw(p, QRectF(0, 0, image.width(), image.height()));
    }
    // Encoded in memory first: the file is replaced only when every byte of
    // the picture reached the disk (a full disk leaves the old file whole).
    QBuffer encoded;
    encoded.open(QIODevice::WriteOnly);
    QImageWriter writer(&encoded, "jpeg");
    writer.setQuality(qBound(0, quality, 100));
    if (!writer.write(image))
        return false;
    try {
        model::WriteFileAtomically(path, encoded.data());
    } catch (const EInOutError &) {
        return false;
    }
    return true;
}

QRectF TSmartImage::PictureRect() const
{
    const QSizeF own(m_picture.Width(), m_picture.Height());
    if (own.isEmpty())
        return QRectF();
    const QSizeF box(width(), height());
    QSizeF shown = own;
    if (m_stretch) {
        shown = box;
        if (m_maintainAspect)
            shown = own.scaled(box, Qt::KeepAspectRatio);
    }
    if (m_center)
        return QRectF(QPointF((box.width() - shown.width()) / 2, (box.height() - shown.height()) / 2), shown);
    return QRectF(QPointF(0, 0), shown);
}

void TSmartImage::paintEvent(QPaintEvent *)
{
    if (m_picture.IsEmpty())
        return;
    QPainter p(this);
    const QRectF target = PictureRect();
    if (!m_transparentImage.isNull())
        p.drawImage(target, m_transparentImage);
    else
        m_picture.Draw(p, target);
}

} // namespace cw::ui
