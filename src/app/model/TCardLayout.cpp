#include "app/model/TCardLayout.h"

#include "print/engine/Units.h"

#include <algorithm>

namespace cw::model {

const std::array<TCardLayout::Predefined, TCardLayout::PredefinedCount> &TCardLayout::PredefinedLayouts()
{
    // Height, Width, Across, Down, TopMargin, LeftMargin, HPitch, VPitch, paper.
    static const std::array<Predefined, PredefinedCount> layouts = {{
        {"Avery Business Card 5371 (Letter Size Paper)", 2.0f, 3.5f, 2, 5, 0.5f, 0.75f, 3.5f, 2.0f, 1},
        {"Avery Business Card 5372 (Letter Size Paper)", 2.0f, 3.5f, 2, 5, 0.5f, 0.75f, 3.5f, 2.0f, 1},
        {"Avery Business Card 5376 - Ivory (Letter Size Paper)", 2.0f, 3.5f, 2, 5, 0.5f, 0.75f, 3.5f, 2.0f,
         1},
        {"Avery Business Card 5377 - Gray (Letter Size Paper)", 2.0f, 3.5f, 2, 5, 0.5f, 0.75f, 3.5f, 2.0f, 1},
        {"Avery Business Card 5911 (Letter Size Paper)", 2.0f, 3.5f, 2, 5, 0.5f, 0.75f, 3.5f, 2.0f, 1},
        {"Avery Business Card 8371 Ink Jet (Letter Size Paper)", 2.0f, 3.5f, 2, 5, 0.5f, 0.75f, 3.5f, 2.0f,
         1},
        {"Avery Business Card 8372 Ink Jet (Letter Size Paper)", 2.0f, 3.5f, 2, 5, 0.5f, 0.75f, 3.5f, 2.0f,
         1},
        {"Avery Business Card 8376 Ink Jet - Ivory (Letter Size Paper)", 2.0f, 3.5f, 2, 5, 0.5f, 0.75f, 3.5f,
         2.0f, 1},
        {"Avery Business Card 8377 Ink Jet - Gray (Letter Size Paper)", 2.0f, 3.5f, 2, 5, 0.5f, 0.75f, 3.5f,
         2.0f, 1},
        {"Avery Business Card L7413 (A4 Size Paper)", 2.0f, 3.543f, 2, 5, 0.846f, 0.591f, 3.543f, 2.0f, 9},
        {"Avery Business Card L7414 (A4 Size Paper)", 2.047f, 3.543f, 2, 5, 0.728f, 0.591f, 3.543f, 2.047f,
         9},
        {"Avery Business Card L7415 (A4 Size Paper)", 2.047f, 3.543f, 2, 5, 0.728f, 0.591f, 3.543f, 2.047f,
         9},
        {"Avery Business Card L7417 (A4 Size Paper)", 2.126f, 3.543f, 2, 5, 0.531f, 0.591f, 3.543f, 2.126f,
         9},
        {"Avery Business Card L7419 (A4)", 2.126f, 3.543f, 2, 5, 0.531f, 0.591f, 3.543f, 2.126f, 9},
        {"Avery Business Card 8373 - Glossy Photo Quality (Letter Size Paper)", 2.0f, 3.5f, 2, 4, 0.75f,
         0.55f, 4.0f, 2.496f, 1},
        {"Avery Business Card 3612 (Letter Size Paper)", 2.0f, 3.5f, 2, 4, 0.75f, 0.55f, 4.0f, 2.496f, 1},
        {"MAACO ML-8550 (Letter Size Paper)", 2.0f, 3.5f, 2, 5, 0.5f, 0.75f, 3.5f, 2.0f, 1},
        {"APLI 1612 (A4 Size Paper)", 2.0f, 3.54f, 2, 5, 0.85f, 0.59f, 3.54f, 2.0f, 9},
        {"APLI 1620 (A4 Size Paper)", 2.01f, 3.5f, 2, 5, 0.85f, 0.63f, 3.5f, 2.01f, 9},
        {"Formtec LS-3510 (A4 Size Paper)", 1.77f, 3.48f, 2, 5, 0.83f, 0.49f, 3.88f, 2.04f, 9},
        {"Herma 8840 (A4 Size Paper)", 2.0f, 3.3f, 2, 5, 0.85f, 0.73f, 3.5f, 2.0f, 9},
    }};
    return layouts;
}

QStringList TCardLayout::PredefinedLayoutNames()
{
    QStringList names;
    for (const Predefined &layout : PredefinedLayouts())
        names << QString::fromLatin1(layout.Text);
    return names;
}

bool TCardLayout::ApplyPredefined(int index)
{
    if (index < 0 || index >= PredefinedCount)
        return false;
    const Predefined &p = PredefinedLayouts()[static_cast<std::size_t>(index)];
    Height = p.Height;
    Width = p.Width;
    Across = p.Across;
    Down = p.Down;
    TopMargin = p.TopMargin;
    LeftMargin = p.LeftMargin;
    HPitch = p.HPitch;
    VPitch = p.VPitch;
    Papersize = p.Papersize;
    return true;
}

QSizeF TCardLayout::SheetSizeInches(int papersize)
{
    switch (papersize) {
    case PaperLetter:
        return QSizeF(8.5, 11.0);
    case PaperLegal:
        return QSizeF(8.5, 14.0);
    case PaperA3:
        return QSizeF(297.0 / 25.4, 420.0 / 25.4);
    case PaperA5:
        return QSizeF(148.0 / 25.4, 210.0 / 25.4);
    default:
        return QSizeF(8.268, 11.69);
    }
}

QSizeF TCardLayout::SheetSizeInches() const
{
    if (Papersize == PaperCustom && PaperWidth > 0 && PaperHeight > 0)
        return QSizeF(PaperWidth, PaperHeight);
    return SheetSizeInches(Papersize);
}

const std::array<int, 6> &TCardLayout::PaperCodes()
{
    static const std::array<int, 6> codes = {PaperLetter, PaperA4, PaperA3, PaperA5, PaperLegal, PaperCustom};
    return codes;
}

QString TCardLayout::PaperName(int papersize)
{
    switch (papersize) {
    case PaperLetter:
        return QStringLiteral("US-Letter");
    case PaperLegal:
        return QStringLiteral("US-Legal");
    case PaperA3:
        return QStringLiteral("A3");
    case PaperA5:
        return QStringLiteral("A5");
    case PaperCustom:
        return QStringLiteral("Other");
    default:
        return QStringLiteral("A4");
    }
}

QPointF TCardLayout::CardTopLeft(int row, int column) const
{
    return CardTopLeft(row, column, 0, 0, 0, 0);
}

QPointF TCardLayout::CardTopLeft(int row, int column, int topMarginNudge, int leftMarginNudge,
                                 int verticalSpacing, int horizontalSpacing) const
{
    const double left = double(LeftMargin) + leftMarginNudge / 32.0;
    const double top = double(TopMargin) + topMarginNudge / 32.0;
    const double hpitch = double(HPitch) + horizontalSpacing / 32.0;
    const double vpitch = double(VPitch) + verticalSpacing / 32.0;
    return QPointF(left + column * hpitch, top + row * vpitch);
}

QSize TCardLayout::SurfaceSize(double dpi) const
{
    // Clamped so that a damaged layout cannot ask for an impossible surface.
    const auto pixels = [dpi](float inches) { return Round(std::clamp(dpi * double(inches), 0.0, 1.0e6)); };
    return QSize(pixels(Width), pixels(Height));
}

} // namespace cw::model
