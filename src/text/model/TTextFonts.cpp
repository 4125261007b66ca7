#include "text/model/TTextFonts.h"

#include "print/engine/Units.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <QTextLayout>

#include <cmath>

namespace cw::model {

QFont TTextFonts::ZoomedFont(const TGFont &font, float zoom)
{
    if (zoom == 1.0f)
        return font.ToQFont(1.0);
    TGFont scaled = font;
    // A positive height (cell height) gives a negative size; the product keeps
    // that sign, so the scaled height stays a cell height.
    const int points = Trunc(font.PointSize() * double(zoom));
    scaled.SetPointSize(points == 0 ? (font.Height > 0 ? -1 : 1) : points);
    return scaled.ToQFont(1.0);
}

TSymbolFonts::TDisplay TTextFonts::Display(const TGFont &font, float zoom, const QString &text)
{
    return TSymbolFonts::Resolve(ZoomedFont(font, zoom), font.Name, text);
}

QString TTextFonts::DrawnFamily(const QString &name)
{
    if (name.isEmpty() || TSymbolFonts::IsInstalled(name))
        return name;
    if (TSymbolFonts::IsSymbolFontName(name))
        return TSymbolFonts::FallbackFamily();
    return QFontInfo(QFont(name)).family();
}

QFont TTextFonts::ForFontDialog(const QFont &design)
{
    QFont shown = design;
    shown.setFamily(DrawnFamily(design.family()));
    return shown;
}

QFont TTextFonts::FromFontDialog(const QFont &design, const QFont &chosen)
{
    QFont result = chosen;
    const QString drawn = DrawnFamily(design.family());
    if (!drawn.isEmpty() && chosen.family().compare(drawn, Qt::CaseInsensitive) == 0)
        result.setFamily(design.family());
    return result;
}

bool TTextFonts::IsSyntheticBold(const QFont &font, const QString &text)
{
    if (!font.bold() || text.isEmpty())
        return false;
    // Paints ask for the same few fonts and captions again and again.
    static QHash<QString, bool> known;
    const QString key = font.key() + QChar(0x1f) + text;
    const auto found = known.constFind(key);
    if (found != known.cend())
        return *found;
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    bool synthetic = false;
    for (const QGlyphRun &run : layout.glyphRuns()) {
        const QRawFont raw = run.rawFont();
        if (QFontDatabase::weight(raw.familyName(), raw.styleName()) < QFont::DemiBold)
            synthetic = true;
    }
    if (known.size() > 4096)
        known.clear();
    known.insert(key, synthetic);
    return synthetic;
}

void TTextFonts::DrawText(QPainter &painter, const QPointF &baseline, const QFont &font, const QString &text)
{
    QFont plain = font;
    plain.setUnderline(false);
    plain.setStrikeOut(false);
    if (!IsSyntheticBold(plain, text)) {
        painter.setFont(plain);
        painter.drawText(baseline, text);
    } else {
        QPainterPath outline;
        outline.addText(baseline, plain, text);
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillPath(outline, painter.pen().brush());
        painter.restore();
    }
    if (!font.underline() && !font.strikeOut())
        return;
    const QFontMetricsF metrics(plain);
    const double width = metrics.horizontalAdvance(text);
    const double thickness = std::max(1.0, std::round(metrics.lineWidth()));
    // Where Qt's own decorations fall on the screen: the underline starts
    // on the first whole pixel below the font's underline position, the
    // strike-out is centred a third of the ascent above the baseline.
    // Turned text gets smoothed bars, as paper smooths them.
    auto bar = [&](double top) {
        painter.save();
        if (painter.worldTransform().isRotating())
            painter.setRenderHint(QPainter::Antialiasing);
        painter.fillRect(QRectF(baseline.x(), top, width, thickness), painter.pen().brush());
        painter.restore();
    };
    if (font.underline())
        bar(std::ceil(baseline.y() + metrics.underlinePos()));
    if (font.strikeOut())
        bar(std::round(baseline.y() - metrics.ascent() / 3 - thickness / 2));
}

} // namespace cw::model
