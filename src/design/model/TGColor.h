#pragma once
// Colours as design objects store them: a 32-bit value 0x00BBGGRR, or
// 0x80000000 + n for system colour n (clScrollBar … clInfoBk).  Names are the
// identifiers card files use ("clRed", "clBtnFace", …).

#include <QColor>
#include <QString>
#include <cstdint>
#include <optional>

namespace cw::model {

using TColor = std::uint32_t;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clOlive = 0x008080;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clPurple = 0x800080;
inline constexpr TColor clTeal = 0x808000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clFuchsia = 0xFF00FF;
inline constexpr TColor clAqua = 0xFFFF00;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clSystemBase = 0x80000000;

class TGColor
{
public:
    // The colour's identifier when it equals a named or system colour.
    static std::optional<QString> Name(TColor color);
    // The value of a colour identifier (case-insensitive), if it is one.
    static std::optional<TColor> FromName(const QString &name);
    // The colour drawn on screen and paper.  System colours use the classic
    // desktop scheme so designs look the same on every machine; clNone is
    // fully transparent.
    static QColor ToQColor(TColor color);
    // The stored value of an opaque colour (alpha is dropped).
    static TColor FromQColor(const QColor &color);
};

} // namespace cw::model
