#include "print/model/TSheetBackground.h"

#include "print/engine/TBaseReport.h"

#include <QFile>
#include <QFileInfo>
#include <QPainter>

namespace cw::model {

namespace {

QByteArray ReadWholeFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace

void TSheetBackground::Clear()
{
    m_kind = TKind::None;
    m_picture.Clear();
}

void TSheetBackground::Load(const QString &path)
{
    Clear();
    if (path.isEmpty())
        return;
    const QString upper = path.toUpper();
    try {
        // PNG and JPEG pictures are bitmaps by their extension.  The bitmap
        // and metafile readers each take only their own format.
        const QString ext = QFileInfo(path).suffix().toUpper();
        if ((ext == u"PNG" || ext == u"JPG" || ext == u"JPEG") && QFileInfo::exists(path)) {
            m_picture.LoadFromFile(path);
            if (m_picture.IsBitmap())
                m_kind = TKind::Bitmap;
            else
                m_picture.Clear();
        } else if (upper.contains(QLatin1String(".BMP")) && QFileInfo::exists(path)) {
            const QByteArray bytes = ReadWholeFile(path);
            if (bytes.isEmpty())
                return;
            m_picture.SetBitmapBytes(bytes);
            m_kind = TKind::Bitmap;
        } else if (upper.contains(QLatin1String(".WMF"))) {
            const QByteArray bytes = ReadWholeFile(path);
            if (bytes.isEmpty())
                return;
            m_picture.SetMetafileBytes(bytes);
            m_kind = TKind::Metafile;
        }
    } catch (...) {
        Clear();
    }
}

void TSheetBackground::Print(engine::TBaseReport &report, double x, double y, double width,
                             double height) const
{
    try {
        switch (m_kind) {
        case TKind::None:
            return;
        case TKind::Bitmap:
            report.PrintBitmapRect(x, y, x + width, y + height, m_picture.Image());
            return;
        case TKind::Metafile: {
            const QRectF device = report.CreateRectF(x, y, x + width, y + height);
            const QSizeF frame(std::max(1, m_picture.Width()), std::max(1, m_picture.Height()));
            report.StretchDraw(device, frame, [this, frame](QPainter &painter) {
                // The surface clips the background to the card; a metafile
                // that draws beyond its frame must not reach the next card
                // cell on the sheet either.
                const QRectF all(QPointF(0, 0), frame);
                painter.setClipRect(all, Qt::IntersectClip);
                m_picture.Draw(painter, all);
            });
            return;
        }
        }
    } catch (...) {
        // The card prints without its background.
    }
}

} // namespace cw::model
