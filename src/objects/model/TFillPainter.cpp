// The values, the bitmaps and the screen side of the fill painter.
#include "objects/model/TFillPainter.h"

#include "design/model/TGGraphicControl.h"
#include "design/model/TGShapePainting.h"
#include "print/engine/Units.h"

#include <QPainter>
#include <QPainterPath>
#include <QStringList>

namespace cw::model {

TFillPainter::TFillPainter(TGGraphicControl &owner, const TDefaults &defaults)
    : m_owner(owner), m_surface(defaults.Surface), m_direction(defaults.Direction), m_from(defaults.From),
      m_to(defaults.To), m_shadowColor(defaults.Shadow)
{
}

const QStringList &TFillPainter::FillDirectionNames()
{
    static const QStringList names{"gdUp", "gdDown", "gdLeft", "gdRight"};
    return names;
}

bool TFillPainter::changed()
{
    m_owner.Invalidate();
    return true;
}

bool TFillPainter::SetSurface(TSurface surface)
{
    if (surface == m_surface)
        return false;
    m_surface = surface;
    if (surface != fsTexture)
        m_image.Clear();
    if (surface == fsGradient)
        BuildGradientBitmap();
    else if (surface == fsSolid)
        BuildSolidBitmap();
    else if (surface == fsClear && m_outlineStyle == psClear)
        m_outlineStyle = psSolid;
    return changed();
}

bool TFillPainter::SetFillDirection(TFillDirection d)
{
    if (d == m_direction)
        return false;
    m_direction = d;
    if (m_surface == fsGradient)
        BuildGradientBitmap();
    return changed();
}

bool TFillPainter::SetFromColor(TColor c)
{
    if (c == m_from)
        return false;
    m_from = c;
    if (m_surface == fsGradient)
        BuildGradientBitmap();
    else if (m_surface == fsSolid)
        BuildSolidBitmap();
    return changed();
}

bool TFillPainter::SetToColor(TColor c)
{
    if (c == m_to)
        return false;
    m_to = c;
    if (m_surface == fsGradient)
        BuildGradientBitmap();
    return changed();
}

bool TFillPainter::SetImage(const TGPicture &picture)
{
    TGPicture copy = picture;
    copy.ConvertIconToBitmap();
    if (copy == m_image)
        return false;
    m_image = copy;
    return changed();
}

bool TFillPainter::SetOutlineColor(TColor c)
{
    if (c == m_outlineColor)
        return false;
    m_outlineColor = c;
    return changed();
}

bool TFillPainter::SetOutlineStyle(TPenStyle s)
{
    if (s == m_outlineStyle || s < psSolid || s > psInsideFrame)
        return false;
    m_outlineStyle = s;
    return changed();
}

bool TFillPainter::SetOutlineWidth(int w)
{
    if (w == m_outlineWidth)
        return false;
    m_outlineWidth = w;
    return changed();
}

bool TFillPainter::SetShadowColor(TColor c)
{
    if (c == m_shadowColor)
        return false;
    m_shadowColor = c;
    return changed();
}

QColor TFillPainter::GradientStartColor() const
{
    const bool fromFirst = m_direction == gdDown || m_direction == gdRight;
    return TGColor::ToQColor(fromFirst ? m_from : m_to).toRgb();
}

QColor TFillPainter::GradientEndColor() const
{
    const bool fromFirst = m_direction == gdDown || m_direction == gdRight;
    return TGColor::ToQColor(fromFirst ? m_to : m_from).toRgb();
}

void TFillPainter::BuildGradientBitmap()
{
    m_gradient = MakeGradientBitmap(m_owner.Width(), m_owner.Height(), GradientStartColor(),
                                    GradientEndColor(), IsHorizontal(m_direction));
}

void TFillPainter::BuildSolidBitmap()
{
    if (m_owner.Width() <= 0 || m_owner.Height() <= 0) {
        m_solid = QImage();
        return;
    }
    m_solid = QImage(m_owner.Width(), m_owner.Height(), QImage::Format_RGB32);
    m_solid.fill(TGColor::ToQColor(m_from));
}

void TFillPainter::FollowSize()
{
    // The surface reports after every paint: rebuild only for a new size.
    if (m_surface == fsGradient && m_owner.Width() > 0 && m_owner.Height() > 0 &&
        m_gradient.size() != QSize(m_owner.Width(), m_owner.Height()))
        BuildGradientBitmap();
}

void TFillPainter::PaintSurface(QPainter &painter, const QPainterPath &clip, const QColor &colour)
{
    if (m_surface == fsClear)
        return;
    const int w = m_owner.Width();
    const int h = m_owner.Height();
    const float zoom = m_owner.Zoom();
    painter.save();
    painter.setClipPath(clip, Qt::IntersectClip);
    switch (m_surface) {
    case fsColour:
        painter.fillRect(QRect(0, 0, w, h), colour);
        break;
    case fsSolid:
        if (m_solid.isNull())
            BuildSolidBitmap();
        TileOnScreen(painter, m_solid, m_solid.size(), w, h);
        break;
    case fsTexture: {
        QSize tile = m_image.Size();
        if (zoom != 1.0f)
            tile = QSize(Trunc(tile.width() * double(zoom)), Trunc(tile.height() * double(zoom)));
        TileOnScreen(painter, m_image.Image(), tile, w, h);
        break;
    }
    case fsGradient:
        // An owner read from a card file gets its size before its colours:
        // a gradient built at the size of a new object would show as stripes.
        FollowSize();
        TileOnScreen(painter, m_gradient, m_gradient.size(), w, h);
        break;
    case fsClear:
        break;
    }
    painter.restore();
}

bool TFillPainter::SetupOutline(QPainter &painter) const
{
    painter.setBrush(Qt::NoBrush);
    TGPen pen;
    pen.Color = m_outlineColor;
    pen.Style = m_outlineStyle;
    pen.Width = m_outlineWidth;
    const bool inked = TGShapePainting::SetupPen(painter, pen, m_outlineWidth, Qt::SquareCap);
    // Outlines are smoothed as paper smooths them: a slanted or curved
    // outline drawn hard on screen leaves thin strips of other colours
    // along it where the printed one blends.
    painter.setRenderHint(QPainter::Antialiasing, true);
    return inked;
}

void TFillPainter::TileOnScreen(QPainter &painter, const QImage &picture, QSize tileSize, int w, int h)
{
    if (picture.isNull() || tileSize.width() < 1 || tileSize.height() < 1)
        return;
    const bool exact = tileSize == picture.size();
    for (int y = 0; y < h; y += tileSize.height())
        for (int x = 0; x < w; x += tileSize.width()) {
            if (exact)
                painter.drawImage(QPoint(x, y), picture);
            else
                painter.drawImage(QRect(QPoint(x, y), tileSize), picture);
        }
}

QColor TFillPainter::BandColor(const QColor &start, const QColor &end, int i)
{
    return QColor(start.red() + MulDiv(i, end.red() - start.red(), 255),
                  start.green() + MulDiv(i, end.green() - start.green(), 255),
                  start.blue() + MulDiv(i, end.blue() - start.blue(), 255));
}

QRect TFillPainter::BandRect(int i, int w, int h, bool horizontal)
{
    if (horizontal) {
        const int x1 = MulDiv(i, w, 256);
        const int x2 = MulDiv(i + 1, w, 256);
        return QRect(x1, 0, x2 - x1, h);
    }
    const int y1 = MulDiv(i, h, 256);
    const int y2 = MulDiv(i + 1, h, 256);
    return QRect(0, y1, w, y2 - y1);
}

QImage TFillPainter::MakeGradientBitmap(int w, int h, const QColor &start, const QColor &end, bool horizontal)
{
    if (w <= 0 || h <= 0)
        return QImage();
    QImage image(w, h, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    image.fill(start);
    QPainter p(&image);
    for (int i = 0; i < 256; ++i) {
        const QRect band = BandRect(i, w, h, horizontal);
        if (!band.isEmpty())
            p.fillRect(band, BandColor(start, end, i));
    }
    return image;
}

} // namespace cw::model
