#pragma once
// The picture control every picture browser and the JPEG export go through:
// loads any picture file the program reads and writes the picture as JPEG.
//
// It is a plain child widget (no frame of its own; the parent's colour shows
// where the picture does not cover it), 105 x 105 when created.  Decoders are
// built in, so there is no external library to be missing: a file that does
// not decode simply gives no picture.

#include "design/model/TGPicture.h"

#include <QWidget>

namespace cw::ui {

class TSmartImage : public QWidget
{
    Q_OBJECT

public:
    explicit TSmartImage(QWidget *parent = nullptr);

    // The file type by the last extension, case ignored: "JPG" 1, "GIF" 2,
    // "JIF" 3, "BMP" 4, "DIB" 5, "RLE" 6, "TGA" 7, "PCX" 8, anything else 0.
    static int FileType(const QString &path);

    const model::TGPicture &Picture() const { return m_picture; }
    void SetPicture(const model::TGPicture &picture);

    bool Stretch() const { return m_stretch; }
    void SetStretch(bool on);
    bool Center() const { return m_center; }
    void SetCenter(bool on);
    // With Stretch: keep the picture's proportions inside the control.
    bool MaintainAspect() const { return m_maintainAspect; }
    void SetMaintainAspect(bool on);
    // Bitmaps only: pixels of the bottom-left pixel's colour are not drawn.
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool on);
    // The control takes the picture's size.
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool on);

    // Loads the file into Picture.  True when a picture was loaded; on any
    // failure the picture is empty and the result is false (nothing thrown).
    bool LoadFromFile(const QString &path);
    // The message of the last failed load (empty after a successful one).
    QString LastError() const { return m_lastError; }

    // Writes the picture as a JPEG file at quality 0..100, replacing path
    // atomically: a failed write leaves an existing file as it was.  False
    // when there is no picture or the file cannot be written.
    bool SaveAsJPG(int quality, const QString &path) const;

    // Where the picture is drawn inside the control, by Stretch, Center and
    // MaintainAspect (control pixels).
    QRectF PictureRect() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void PictureChanged();

    model::TGPicture m_picture;
    QImage m_transparentImage; // the bitmap with its transparent colour taken out
    bool m_stretch = false;
    bool m_center = false;
    bool m_maintainAspect = true;
    bool m_transparent = false;
    bool m_autoSize = false;
    QString m_lastError;
};

} // namespace cw::ui
