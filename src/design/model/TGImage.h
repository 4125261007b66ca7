#pragma once
// The clip art object: a picture (bitmap or metafile) embedded in the card.
//
// The picture is always drawn stretched to the object's rectangle; AutoSize
// and Stretch only decide whether the object's size follows the picture
// (AutoSize: the picture's size times Zoom, rounded halves to even).  The two
// flags are kept opposite by their setters, though the browser may set both
// off at once.  Flip (top to bottom) and Reverse (left to right) mirror
// bitmaps only; both together turn a bitmap by 180 degrees.
//
// An empty picture shows as a framed white box on screen and prints nothing.
// A metafile is painted and printed as vectors, so what lies under it on the
// card shows through wherever the metafile draws nothing.

#include "design/model/TGGraphicControl.h"
#include "design/model/TGPicture.h"
#include "text/model/TTextTypes.h"

#include <functional>

namespace cw::model {

class TGImage : public TGGraphicControl
{
public:
    TGImage();

    QString ClassName() const override { return QStringLiteral("TGImage"); }
    std::unique_ptr<TGGraphicControl> NewInstance() const override { return std::make_unique<TGImage>(); }
    static const TPropertyTable &ClassProperties();
    const TPropertyTable &Properties() const override { return ClassProperties(); }

    bool AutoSize() const { return m_autoSize; }
    // AutoSize := on, Stretch := !on, then the picture-changed reaction and a
    // change report.
    void SetAutoSize(bool on);
    bool Stretch() const { return m_stretch; }
    // Stretch := on, AutoSize := !on; repaint only (the size follows at the
    // next bounds check).
    void SetStretch(bool on);
    TLabelBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TLabelBorderStyle style);
    bool Flip() const { return m_flip; }
    void SetFlip(bool on);
    bool Reverse() const { return m_reverse; }
    void SetReverse(bool on);

    const TGPicture &Picture() const { return m_picture; }
    // Takes a copy of the picture (an icon becomes a bitmap of its size) and
    // runs the picture-changed reaction.
    void SetPicture(const TGPicture &picture);
    // The card file's "Picture.Data" (empty for an empty picture); setting
    // keeps the stored graphic as it is, so bytes read are written back
    // unchanged.  Throws EInvalidGraphic for data that does not decode.
    QByteArray PictureData() const { return m_picture.PictureData(); }
    void SetPictureData(const QByteArray &data);

    // What the image browser hands over on OK: the picture and both options
    // as checked (they may both be off), the picture-changed reaction and a
    // change report.  On a failure the object keeps its old picture and
    // options and the exception propagates.
    void TakeOverPicture(const TGPicture &picture, bool stretch, bool autoSize);

    // True when the picture is a bitmap of exactly the object's size: the
    // object then covers its whole rectangle.
    bool Opaque() const { return m_opaque; }

    // The bitmap mirrored by Flip/Reverse and stretched smoothly to size, or
    // the picture's own pixels unchanged when neither is set.  Null for
    // metafiles and empty pictures.
    QImage MirroredBitmap(const QSize &size) const;
    // The bitmap as paper receives it: drawn at `size` device pixels the way
    // the screen draws it (mirrored, smoothly stretched), so a picture does
    // not print blocky where the screen shows it smooth.  The last one made
    // is kept, so every card of a sheet prints the same image (stored once
    // in a PDF).  Null for metafiles and empty pictures.
    QImage PrintBitmap(const QSize &size) const;

    void BoundsChanged() override;
    void Paint(QPainter &painter) override;
    void PrintTo(engine::TBaseReport &report, double leftInches, double topInches) override;
    void UpdatePopupChecks() override;

    // "Load Image From Disk" runs the image browser, which lives with the
    // widgets; the widgets layer installs it here at start-up.  Without it
    // the entry does nothing.
    static std::function<void(TGImage &)> &LoadImageFromDiskHandler();
    void LoadImageFromDisk();

protected:
    void BuildPopupMenu(std::vector<TGMenuItem> &menu) override;

private:
    void PictureChanged();
    void ApplyAutoSize();
    // Draws the bitmap into (0, 0)-size, mirrored by Flip/Reverse and, when
    // `smooth`, stretched as paper shows it (StretchBitmap): the one way
    // bitmaps reach screen, export and paper.
    void DrawBitmap(QPainter &painter, const QSizeF &size, bool smooth) const;
    // The mirrored bitmap stretched to `size`; the last one made is kept.
    QImage Stretched(const QSize &size) const;
    // True when the surface shows the bitmap stretched, not at its own size.
    bool ShownStretched() const;

    bool m_autoSize = false;
    bool m_stretch = true;
    TLabelBorderStyle m_borderStyle = bsNone;
    bool m_flip = false;
    bool m_reverse = false;
    bool m_opaque = false;
    bool m_inAutoSize = false;
    TGPicture m_picture;
    // The last PrintBitmap and what it was made from.
    mutable QImage m_printBitmap;
    mutable qint64 m_printSource = 0;
    mutable int m_printMirror = -1;
    // The last Stretched and what it was made from.
    mutable QImage m_stretched;
    mutable qint64 m_stretchedSource = 0;
    mutable int m_stretchedMirror = -1;
};

} // namespace cw::model
