#pragma once
// The card as an SVG file, for web pages and vector editors: drawn by Qt
// SVG's generator through the same painting the picture export uses, so
// text stays text, shapes stay paths and pictures are embedded as they are.
// The drawing is `size` pixels (the card at the export's zoom); the file's
// width and height state the card's real size for `dpi` dots per inch.

#include <QByteArray>
#include <QSize>
#include <QString>
#include <functional>
#include <vector>

class QPainter;

namespace cw::model {
class TGGraphicControl;
}

namespace cw::printer {

class TSvgExport
{
public:
    using TPaint = std::function<void(QPainter &)>;

    // True when the file name asks for SVG (".svg", letter case ignored).
    static bool IsSvgName(const QString &path);
    // The SVG document's bytes.  `paint` draws the card from its top-left
    // corner over `size` pixels.
    static QByteArray Encode(const QSize &size, int dpi, const TPaint &paint,
                             const QString &title = QStringLiteral("Business card"));
    // The objects' drawing for an SVG file: each visible object in the
    // order given, as vectors, except what the SVG generator cannot express
    // (TClipProbe), drawn as a picture at `oversample` times the drawing's
    // resolution instead (patterns at the drawing's own, as their hatches are
    // spaced in its pixels): an object whose drawing a clip cuts by itself or that fills with a
    // pattern, and
    // an object painted with a raster operation together with everything
    // below it there (`underlay`, the card's white and background, then the
    // objects before it), as the operation mixes with that.  `size` is the
    // card's size in pixels at the objects' zoom.
    static void PaintObjects(QPainter &painter, const std::vector<model::TGGraphicControl *> &objects,
                             const QSize &size, const TPaint &underlay = {}, int oversample = 4);
    // Encodes and replaces `path` whole or not at all.  Throws
    // cw::EInOutError naming the file when it cannot be written.
    static void Write(const QString &path, const QSize &size, int dpi, const TPaint &paint,
                      const QString &title = QStringLiteral("Business card"));
};

} // namespace cw::printer
