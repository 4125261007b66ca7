#include "print/model/TPrintShopCard.h"

#include "print/engine/TBaseReport.h"
#include "print/engine/Units.h"
#include "print/model/TSheetBackground.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace cw::model {

TPrintShopCard::TPrintShopCard(const TPrintShopLayout &layout, const TSheetBackground &background,
                               TPrintObjects printObjects, TPaintObjects paintEdgeObjects)
    : m_layout(layout), m_background(background), m_printObjects(std::move(printObjects)),
      m_paintEdgeObjects(std::move(paintEdgeObjects))
{
}

void TPrintShopCard::Compose(engine::TBaseReport &report) const
{
    const QRectF trim = m_layout.TrimBox();
    report.SetBound(m_layout.BleedBox());
    PrintBackground(report);
    PrintEdgeObjects(report);
    if (m_printObjects)
        m_printObjects(report, trim.left(), trim.top());
    report.SetBound(QRectF());
    PrintCropMarks(report);
}

QImage TPrintShopCard::MirrorExtended(const QImage &image, int left, int top, int right, int bottom)
{
    if (image.isNull())
        return image;
    const int w = image.width();
    const int h = image.height();
    left = std::clamp(left, 0, w);
    right = std::clamp(right, 0, w);
    top = std::clamp(top, 0, h);
    bottom = std::clamp(bottom, 0, h);
    const QImage::Format format = image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32;
    const QImage source = image.convertToFormat(format);
    QImage grown(w + left + right, h + top + bottom, format);
    grown.fill(Qt::white);
    QPainter painter(&grown);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    // The picture in the middle and its reflections in the eight cells
    // around it; the grown image's own edges cut the reflections to the
    // strips asked for.
    for (int row = -1; row <= 1; ++row)
        for (int column = -1; column <= 1; ++column)
            painter.drawImage(QPoint(left + column * w, top + row * h),
                              source.mirrored(column != 0, row != 0));
    painter.end();
    return grown;
}

void TPrintShopCard::PrintBackground(engine::TBaseReport &report) const
{
    const QRectF trim = m_layout.TrimBox();
    const double bleed = m_layout.Options().BleedInches();
    if (trim.isEmpty())
        return;
    switch (m_background.Kind()) {
    case TSheetBackground::TKind::None:
        return;
    case TSheetBackground::TKind::Bitmap: {
        // Whole picture pixels beyond each edge, at the picture's own
        // resolution on the card, so that the card part keeps its scale.
        const QImage image = m_background.Picture().Image();
        if (image.isNull())
            return;
        const double perInchX = image.width() / trim.width();
        const double perInchY = image.height() / trim.height();
        const int padX = int(std::ceil(bleed * perInchX));
        const int padY = int(std::ceil(bleed * perInchY));
        if (padX == 0 && padY == 0) {
            m_background.Print(report, trim.left(), trim.top(), trim.width(), trim.height());
            return;
        }
        const QImage grown = MirrorExtended(image, padX, padY, padX, padY);
        const double dx = std::min(padX, image.width()) / perInchX;
        const double dy = std::min(padY, image.height()) / perInchY;
        report.PrintBitmapRect(trim.left() - dx, trim.top() - dy, trim.right() + dx, trim.bottom() + dy,
                               grown);
        return;
    }
    case TSheetBackground::TKind::Metafile: {
        // Played nine times: on the card and mirrored in each neighbouring
        // cell, each play cut to its cell (the bound cuts the cells to the
        // bleed).
        const TGPicture &picture = m_background.Picture();
        const QSizeF frame(std::max(1, picture.Width()), std::max(1, picture.Height()));
        const int cells = bleed > 0 ? 1 : 0;
        const QRectF device =
            report.CreateRectF(trim.left() - cells * trim.width(), trim.top() - cells * trim.height(),
                               trim.right() + cells * trim.width(), trim.bottom() + cells * trim.height());
        const int span = 2 * cells + 1;
        report.StretchDraw(device, QSizeF(frame.width() * span, frame.height() * span),
                           [&picture, frame, cells](QPainter &painter) {
                               for (int row = -cells; row <= cells; ++row)
                                   for (int column = -cells; column <= cells; ++column) {
                                       painter.save();
                                       const QRectF cell(QPointF((column + cells) * frame.width(),
                                                                 (row + cells) * frame.height()),
                                                         frame);
                                       painter.setClipRect(cell, Qt::IntersectClip);
                                       QTransform mirror;
                                       mirror.translate(cell.center().x(), cell.center().y());
                                       mirror.scale(column != 0 ? -1 : 1, row != 0 ? -1 : 1);
                                       mirror.translate(-frame.width() / 2, -frame.height() / 2);
                                       painter.setTransform(mirror, true);
                                       picture.Draw(painter, QRectF(QPointF(0, 0), frame));
                                       painter.restore();
                                   }
                           });
        return;
    }
    }
}

namespace {

bool HasInk(const QImage &image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x)
            if (qAlpha(line[x]) != 0)
                return true;
    }
    return false;
}

} // namespace

void TPrintShopCard::PrintEdgeObjects(engine::TBaseReport &report) const
{
    const QRectF trim = m_layout.TrimBox();
    const double bleed = m_layout.Options().BleedInches();
    if (!m_paintEdgeObjects || trim.isEmpty() || bleed <= 0)
        return;
    // The objects' picture pixel for pixel as the surface draws them: a
    // scaled painter would move the edges of shapes drawn on pixel centres.
    constexpr int dpi = ScreenPixelsPerInch;
    const QSize card(std::max(1, cw::Round(trim.width() * dpi)), std::max(1, cw::Round(trim.height() * dpi)));
    QImage objects(card, QImage::Format_ARGB32_Premultiplied);
    objects.fill(Qt::transparent);
    {
        QPainter painter(&objects);
        m_paintEdgeObjects(painter);
    }
    const int pad = int(std::ceil(bleed * dpi));
    QImage ring = MirrorExtended(objects, pad, pad, pad, pad);
    const int padX = std::min(pad, card.width());
    const int padY = std::min(pad, card.height());
    {
        // Only the reflections: on the card the objects print themselves.
        // A hair of the card's own picture stays inside each trim edge, under
        // the printed objects, so that the smoothed edges of the picture and
        // of the vectors do not leave a light seam where they meet.
        QPainter painter(&ring);
        painter.setCompositionMode(QPainter::CompositionMode_Clear);
        const int overlap = 1;
        painter.fillRect(QRect(QPoint(padX, padY), card).adjusted(overlap, overlap, -overlap, -overlap),
                         Qt::transparent);
    }
    if (!HasInk(ring))
        return;
    const double dx = padX / double(dpi);
    const double dy = padY / double(dpi);
    report.PrintBitmapRect(trim.left() - dx, trim.top() - dy, trim.right() + dx, trim.bottom() + dy, ring);
}

void TPrintShopCard::PrintCropMarks(engine::TBaseReport &report) const
{
    const QList<QLineF> marks = m_layout.CropMarks();
    if (marks.isEmpty())
        return;
    const int width = std::max(1, cw::Round(TPrintShopLayout::CropMarkWidthPoints / 72.0 * report.XDPI()));
    report.SetPen(Qt::black, Qt::SolidLine, width, engine::TPenMode::pmCopy);
    for (const QLineF &mark : marks) {
        report.MoveTo(mark.x1(), mark.y1());
        report.LineTo(mark.x2(), mark.y2());
    }
}

} // namespace cw::model
