#pragma once
// The choices of a print-shop export: how far the card's picture reaches
// beyond its trim edge (the bleed, in millimetres, as print shops state it)
// and whether crop marks show where to cut.

#include <QString>
#include <optional>

namespace cw::model {

struct TPrintShopOptions
{
    static constexpr double DefaultBleedMm = 3.0;
    // More bleed than this is no bleed a print shop asks for; the limit keeps
    // a mistyped value from making a page many times the card's size.
    static constexpr double MaxBleedMm = 20.0;
    static constexpr double MmPerInch = 25.4;

    double BleedMm = DefaultBleedMm;
    bool CropMarks = true;

    double BleedInches() const { return BleedMm / MmPerInch; }

    // A bleed as typed on the command line: "3mm", "3 mm", "0.125in" or a
    // bare number of millimetres.  None for anything else, or for a length
    // below 0 or above MaxBleedMm.
    static std::optional<double> ParseBleedMm(const QString &text);
};

} // namespace cw::model
