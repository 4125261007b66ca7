#include "design/model/TGImage.h"

#include "design/model/TBitmapStretch.h"

#include "print/engine/TBaseReport.h"
#include "print/engine/Units.h"

#include <QPainter>
#include <cmath>

namespace cw::model {

namespace {
using T = TGImage;
using K = TPropertyKind;

std::vector<TPropertyInfo> ownProperties()
{
    return {
        MakeProperty<T>(
            "AutoSize", K::Boolean, false, [](const T &o) { return o.AutoSize(); },
            [](T &o, const QVariant &v) { o.SetAutoSize(v.toBool()); }),
        MakeProperty<T>(
            "BorderStyle", K::Enumeration, {}, [](const T &o) { return int(o.BorderStyle()); },
            [](T &o, const QVariant &v) { o.SetBorderStyle(TLabelBorderStyle(qBound(0, v.toInt(), 1))); },
            TTextTypeNames::BorderStyle()),
        MakeProperty<T>(
            "Picture.Data", K::Binary, {}, [](const T &o) { return o.PictureData(); },
            [](T &o, const QVariant &v) { o.SetPictureData(v.toByteArray()); }),
        MakeProperty<T>(
            "Stretch", K::Boolean, true, [](const T &o) { return o.Stretch(); },
            [](T &o, const QVariant &v) { o.SetStretch(v.toBool()); }),
        MakeProperty<T>(
            "Reverse", K::Boolean, {}, [](const T &o) { return o.Reverse(); },
            [](T &o, const QVariant &v) { o.SetReverse(v.toBool()); }),
        MakeProperty<T>(
            "Flip", K::Boolean, {}, [](const T &o) { return o.Flip(); },
            [](T &o, const QVariant &v) { o.SetFlip(v.toBool()); }),
    };
}

// The rectangle (0, 0, w, h) as a Windows Rectangle call draws it with a
// one-pixel pen: the outline on the first and last pixel rows and columns.
QRect outlineRect(int w, int h)
{
    return QRect(0, 0, w - 1, h - 1);
}
// The size in device pixels of a bitmap printed over `w` x `h` card pixels,
// kept below four million pixels: beyond that the engine stretches the rest,
// by a factor too small to show on paper.
QSize printBitmapSize(int w, int h, double xdpi, double ydpi)
{
    constexpr double MaxPixels = 4.0 * 1024 * 1024;
    double sx = xdpi / ScreenPixelsPerInch, sy = ydpi / ScreenPixelsPerInch;
    const double pixels = w * sx * h * sy;
    if (pixels > MaxPixels) {
        const double f = std::sqrt(MaxPixels / pixels);
        sx *= f;
        sy *= f;
    }
    return QSize(std::max(1, Round(w * sx)), std::max(1, Round(h * sy)));
}
} // namespace

TGImage::TGImage()
{
    InitBounds(QRect(0, 0, 105, 105));
}

const TPropertyTable &TGImage::ClassProperties()
{
    static const TPropertyTable table(&TGGraphicControl::ClassProperties(), ownProperties());
    return table;
}

std::function<void(TGImage &)> &TGImage::LoadImageFromDiskHandler()
{
    static std::function<void(TGImage &)> handler;
    return handler;
}

void TGImage::LoadImageFromDisk()
{
    if (const auto &handler = LoadImageFromDiskHandler())
        handler(*this);
}

// While a record is read each flag is taken as stored: the two are
// switched together only by the commands, and a picture that neither
// stretches nor sizes itself (as the clip-art browser may leave it) must come
// back so.
void TGImage::SetAutoSize(bool on)
{
    if (Loading()) {
        m_autoSize = on;
        PictureChanged();
        return;
    }
    m_autoSize = on;
    m_stretch = !on;
    PictureChanged();
    if (!Loading())
        NotifyChanged();
}

void TGImage::SetStretch(bool on)
{
    if (Loading()) {
        m_stretch = on;
        Repaint();
        return;
    }
    const bool changed = on != m_stretch || on == m_autoSize;
    m_stretch = on;
    m_autoSize = !on;
    Repaint();
    // The design changed: the stored fields differ.
    if (changed && !Loading())
        NotifyChanged();
}

void TGImage::SetBorderStyle(TLabelBorderStyle style)
{
    if (style == m_borderStyle)
        return;
    m_borderStyle = style;
    Repaint();
    if (!Loading())
        NotifyChanged();
}

void TGImage::SetFlip(bool on)
{
    if (on == m_flip)
        return;
    m_flip = on;
    Repaint();
    if (!Loading())
        NotifyChanged();
}

void TGImage::SetReverse(bool on)
{
    if (on == m_reverse)
        return;
    m_reverse = on;
    Repaint();
    if (!Loading())
        NotifyChanged();
}

void TGImage::SetPicture(const TGPicture &picture)
{
    m_picture = picture;
    m_picture.ConvertIconToBitmap();
    PictureChanged();
}

void TGImage::SetPictureData(const QByteArray &data)
{
    TGPicture picture;
    picture.SetPictureData(data);
    m_picture = picture;
    PictureChanged();
}

void TGImage::TakeOverPicture(const TGPicture &picture, bool stretch, bool autoSize)
{
    // A failure leaves the object as it was, with its old picture.
    const TGPicture oldPicture = m_picture;
    const bool oldStretch = m_stretch, oldAutoSize = m_autoSize;
    try {
        m_stretch = stretch;
        m_autoSize = autoSize;
        SetPicture(picture);
        NotifyChanged();
    } catch (...) {
        m_stretch = oldStretch;
        m_autoSize = oldAutoSize;
        m_picture = oldPicture;
        PictureChanged();
        throw;
    }
}

void TGImage::PictureChanged()
{
    // While the object is being read its bounds are not reported yet; the
    // size is still made to follow the picture.
    if (Loading())
        ApplyAutoSize();
    else
        BoundsChanged();
    m_opaque = m_picture.IsBitmap() && m_picture.Size() == BoundsRect().size();
    Repaint();
}

void TGImage::BoundsChanged()
{
    TGGraphicControl::BoundsChanged();
    ApplyAutoSize();
}

void TGImage::ApplyAutoSize()
{
    if (m_inAutoSize || !m_autoSize || m_picture.Width() <= 0 || m_picture.Height() <= 0)
        return;
    m_inAutoSize = true;
    const double zoom = double(Zoom());
    SetBounds(Left(), Top(), Round(m_picture.Width() * zoom), Round(m_picture.Height() * zoom));
    m_inAutoSize = false;
}

bool TGImage::ShownStretched() const
{
    return QSize(Width(), Height()) != m_picture.Image().size();
}

void TGImage::DrawBitmap(QPainter &painter, const QSizeF &size, bool smooth) const
{
    if (smooth) {
        painter.drawImage(QPointF(0, 0), Stretched(size.toSize()));
        return;
    }
    painter.save();
    // A bitmap shown at its own size keeps its exact pixels, mirrored or
    // not; onto paper they become blocks of printer dots.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    // A reversed coordinate pair in the destination mirrors that axis.
    painter.translate(m_reverse ? size.width() : 0, m_flip ? size.height() : 0);
    painter.scale(m_reverse ? -1 : 1, m_flip ? -1 : 1);
    painter.drawImage(QRectF(QPointF(0, 0), size), m_picture.Image());
    painter.restore();
}

QImage TGImage::Stretched(const QSize &size) const
{
    const QImage &source = m_picture.Image();
    const int mirror = (m_flip ? 1 : 0) | (m_reverse ? 2 : 0);
    if (m_stretched.size() != size || m_stretchedSource != source.cacheKey() || m_stretchedMirror != mirror) {
        // Mirrored first: the filter is the same either way round.
        m_stretched = StretchBitmap(m_flip || m_reverse ? source.mirrored(m_reverse, m_flip) : source, size);
        m_stretchedSource = source.cacheKey();
        m_stretchedMirror = mirror;
    }
    return m_stretched;
}

QImage TGImage::MirroredBitmap(const QSize &size) const
{
    const QImage &source = m_picture.Image();
    if (source.isNull() || !m_picture.IsBitmap())
        return QImage();
    if (!m_flip && !m_reverse)
        return source;
    if (size.isEmpty())
        return QImage();
    QImage out(size, QImage::Format_ARGB32_Premultiplied);
    if (out.isNull())
        return out;
    out.fill(Qt::transparent);
    QPainter p(&out);
    DrawBitmap(p, size, size != source.size());
    p.end();
    return out;
}

QImage TGImage::PrintBitmap(const QSize &size) const
{
    const QImage &source = m_picture.Image();
    if (source.isNull() || !m_picture.IsBitmap() || size.isEmpty())
        return QImage();
    // A bitmap the surface shows at its own size prints its pixels as
    // blocks of printer dots, as sharp as the screen has them; smoothed, its
    // edges would blur over a screen pixel on paper.
    if (ShownStretched())
        return Stretched(size);
    const int mirror = (m_flip ? 1 : 0) | (m_reverse ? 2 : 0);
    if (m_printBitmap.size() == size && m_printSource == source.cacheKey() && m_printMirror == mirror)
        return m_printBitmap;
    QImage out(size, QImage::Format_ARGB32_Premultiplied);
    if (out.isNull())
        return out;
    out.fill(Qt::transparent);
    QPainter p(&out);
    DrawBitmap(p, size, false);
    p.end();
    m_printBitmap = out;
    m_printSource = source.cacheKey();
    m_printMirror = mirror;
    return out;
}

void TGImage::Paint(QPainter &painter)
{
    const int w = Width(), h = Height();
    if (w <= 0 || h <= 0)
        return;
    // Drawn off screen at the object's size, so nothing (a metafile's
    // strokes, say) reaches outside the object's rectangle.
    QImage off(w, h, QImage::Format_ARGB32_Premultiplied);
    if (off.isNull())
        return;
    off.fill(Qt::transparent);
    QPainter p(&off);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    // A metafile's lines and fills are smoothed, as paper draws them: a
    // stroke 1.4 pixels wide drawn hard covers one row here and two there.
    p.setRenderHint(QPainter::Antialiasing, m_picture.IsMetafile());
    const QRectF all(0, 0, w, h);
    if (m_picture.IsBitmap())
        DrawBitmap(p, all.size(), ShownStretched());
    else
        m_picture.Draw(p, all);
    // The frame stays on whole pixels.
    p.setRenderHint(QPainter::Antialiasing, false);
    if (m_picture.IsEmpty()) {
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::white);
        p.drawRect(outlineRect(w, h));
    }
    if (m_borderStyle == bsSingle) {
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(outlineRect(w, h));
    }
    p.end();
    painter.drawImage(QPoint(0, 0), off);
}

void TGImage::PrintTo(engine::TBaseReport &report, double leftInches, double topInches)
{
    if (m_picture.IsEmpty())
        return;
    const double ppi = ScreenPixelsPerInch;
    const double x1 = leftInches + Left() / ppi;
    const double y1 = topInches + Top() / ppi;
    const double x2 = leftInches + (Left() + Width()) / ppi;
    const double y2 = topInches + (Top() + Height()) / ppi;
    if (m_picture.IsMetafile()) {
        const QRectF device = report.CreateRectF(x1, y1, x2, y2);
        const QSizeF frame(std::max(1, m_picture.Width()), std::max(1, m_picture.Height()));
        const TGPicture picture = m_picture;
        report.StretchDraw(device, frame, [picture, frame](QPainter &painter) {
            // As on screen, where the picture is drawn into an image of the
            // object's size: strokes a metafile makes beyond its frame stay
            // off the card.
            const QRectF all(QPointF(0, 0), frame);
            painter.setClipRect(all, Qt::IntersectClip);
            picture.Draw(painter, all);
        });
    } else {
        // The bitmap is stretched here, smoothly and at the printer's
        // resolution, as the screen stretches it; a printer or PDF viewer
        // left to enlarge it would repeat pixels into blocks.  The size
        // depends on the object alone, not on the card's place on the
        // sheet, so every card of a sheet prints the same image.
        const QSize size = printBitmapSize(Width(), Height(), report.XDPI(), report.YDPI());
        const QImage bitmap = PrintBitmap(size);
        if (bitmap.isNull())
            return;
        // Into the printer dots wholly inside the frame: a rasteriser would
        // colour the dots the bitmap only touches, a line past the frame.
        report.StretchDraw(report.CreateInnerRect(x1, y1, x2, y2), bitmap);
    }
    if (m_borderStyle == bsSingle) {
        // On screen the border is the object's outermost ring of pixels; on
        // paper it is the same ring, one screen pixel (1/96 inch) wide, so
        // it does not shrink to a hairline of one printer dot.
        const double t = 1.0 / ppi;
        report.SetPen(Qt::black, Qt::NoPen, 1, engine::TPenMode::pmCopy);
        report.SetBrush(Qt::black, Qt::SolidPattern);
        report.Rectangle(x1, y1, x2, y1 + t);
        report.Rectangle(x1, y2 - t, x2, y2);
        report.Rectangle(x1, y1 + t, x1 + t, y2 - t);
        report.Rectangle(x2 - t, y1 + t, x2, y2 - t);
        report.SetBrush(Qt::white, Qt::NoBrush);
    }
}

void TGImage::BuildPopupMenu(std::vector<TGMenuItem> &menu)
{
    TGGraphicControl::BuildPopupMenu(menu);
    auto checkable = [](const QString &caption, std::function<void()> action) {
        TGMenuItem item = TGMenuItem::Command(caption, std::move(action));
        item.Checkable = true;
        return item;
    };
    menu.push_back(TGMenuItem::Separator());
    menu.push_back(TGMenuItem::Command(QT_TRANSLATE_NOOP("TGMenuItem", "Load Image From Disk"),
                                       [this] { LoadImageFromDisk(); }));
    menu.push_back(TGMenuItem::Separator());
    menu.push_back(checkable(QT_TRANSLATE_NOOP("TGMenuItem", "Border"),
                             [this] { SetBorderStyle(m_borderStyle == bsSingle ? bsNone : bsSingle); }));
    menu.push_back(checkable(QT_TRANSLATE_NOOP("TGMenuItem", "Stretch to Fit"), [this] {
        SetStretch(!m_stretch);
        Repaint();
    }));
    menu.push_back(checkable(QT_TRANSLATE_NOOP("TGMenuItem", "AutoSize"), [this] {
        SetAutoSize(!m_autoSize);
        Repaint();
    }));
    menu.push_back(checkable(QT_TRANSLATE_NOOP("TGMenuItem", "Flip"), [this] { SetFlip(!m_flip); }));
    menu.push_back(checkable(QT_TRANSLATE_NOOP("TGMenuItem", "Reverse"), [this] { SetReverse(!m_reverse); }));
}

void TGImage::UpdatePopupChecks()
{
    auto &menu = MenuItems();
    auto set = [&menu](const char *caption, bool checked, bool enabled) {
        if (TGMenuItem *item = TGMenuItem::Find(menu, QString::fromLatin1(caption))) {
            item->Checked = checked;
            item->Enabled = enabled;
        }
    };
    const bool bitmap = m_picture.IsBitmap();
    set("Border", m_borderStyle == bsSingle, true);
    set("Stretch to Fit", m_stretch, true);
    set("AutoSize", m_autoSize, true);
    set("Flip", m_flip, bitmap);
    set("Reverse", m_reverse, bitmap);
}

} // namespace cw::model
