#pragma once
// The design's background picture as printing draws it on every card: a
// Windows bitmap stretched into the card's inch rectangle, or a metafile
// played as vectors into the device rectangle of that card.  Names ending
// in ".PNG", ".JPG" or ".JPEG", and names that contain ".BMP" (an existing
// file) or ".WMF" (either letter case) load; any other picture, a missing file or one that does not decode
// gives no background, without a message.  Nothing is drawn outside the card's rectangle, as the surface
// clips the picture to the card on screen.

#include "design/model/TGPicture.h"

#include <QString>

namespace cw::engine {
class TBaseReport;
}

namespace cw::model {

class TSheetBackground
{
public:
    enum class TKind { None, Bitmap, Metafile };

    TKind Kind() const { return m_kind; }
    const TGPicture &Picture() const { return m_picture; }

    // Loads the background named by path; an empty path gives kind None.
    void Load(const QString &path);
    void Clear();

    // Draws the background over the card rectangle (x, y)-(x + width,
    // y + height), inches from the sheet's corner.  A failure while drawing is
    // swallowed: the card is then composed without background.
    void Print(engine::TBaseReport &report, double x, double y, double width, double height) const;

private:
    TKind m_kind = TKind::None;
    TGPicture m_picture;
};

} // namespace cw::model
