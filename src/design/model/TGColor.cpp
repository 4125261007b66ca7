#include "design/model/TGColor.h"

#include <array>
#include <utility>

namespace cw::model {

namespace {

struct NamedColor
{
    const char *name;
    TColor value;
};

constexpr std::array<NamedColor, 17> kNamed{{
    {"clBlack", clBlack},
    {"clMaroon", clMaroon},
    {"clGreen", clGreen},
    {"clOlive", clOlive},
    {"clNavy", clNavy},
    {"clPurple", clPurple},
    {"clTeal", clTeal},
    {"clGray", clGray},
    {"clSilver", clSilver},
    {"clRed", clRed},
    {"clLime", clLime},
    {"clYellow", clYellow},
    {"clBlue", clBlue},
    {"clFuchsia", clFuchsia},
    {"clAqua", clAqua},
    {"clWhite", clWhite},
    {"clNone", clNone},
}};

// System colours in order of n, with the classic desktop scheme's value.
constexpr std::array<NamedColor, 25> kSystem{{
    {"clScrollBar", 0xC8D0D4},     {"clBackground", 0xA56E3A},
    {"clActiveCaption", 0x6A240A}, {"clInactiveCaption", 0x808080},
    {"clMenu", 0xC8D0D4},          {"clWindow", 0xFFFFFF},
    {"clWindowFrame", 0x000000},   {"clMenuText", 0x000000},
    {"clWindowText", 0x000000},    {"clCaptionText", 0xFFFFFF},
    {"clActiveBorder", 0xC8D0D4},  {"clInactiveBorder", 0xC8D0D4},
    {"clAppWorkSpace", 0x808080},  {"clHighlight", 0x6A240A},
    {"clHighlightText", 0xFFFFFF}, {"clBtnFace", 0xC8D0D4},
    {"clBtnShadow", 0x808080},     {"clGrayText", 0x808080},
    {"clBtnText", 0x000000},       {"clInactiveCaptionText", 0xC8D0D4},
    {"clBtnHighlight", 0xFFFFFF},  {"cl3DDkShadow", 0x404040},
    {"cl3DLight", 0xC8D0D4},       {"clInfoText", 0x000000},
    {"clInfoBk", 0xE1FFFF},
}};

QColor fromBgr(TColor v)
{
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

} // namespace

std::optional<QString> TGColor::Name(TColor color)
{
    for (const auto &c : kNamed)
        if (c.value == color)
            return QString::fromLatin1(c.name);
    if (color >= clSystemBase && color < clSystemBase + kSystem.size())
        return QString::fromLatin1(kSystem[color - clSystemBase].name);
    return std::nullopt;
}

std::optional<TColor> TGColor::FromName(const QString &name)
{
    for (const auto &c : kNamed)
        if (name.compare(QLatin1String(c.name), Qt::CaseInsensitive) == 0)
            return c.value;
    for (std::size_t n = 0; n < kSystem.size(); ++n)
        if (name.compare(QLatin1String(kSystem[n].name), Qt::CaseInsensitive) == 0)
            return clSystemBase + TColor(n);
    return std::nullopt;
}

QColor TGColor::ToQColor(TColor color)
{
    if (color == clNone)
        return QColor(0, 0, 0, 0);
    if (color & clSystemBase) {
        const TColor n = color & 0xFF;
        return n < kSystem.size() ? fromBgr(kSystem[n].value) : QColor(Qt::black);
    }
    return fromBgr(color & 0xFFFFFF);
}

TColor TGColor::FromQColor(const QColor &color)
{
    const QColor rgb = color.toRgb();
    return TColor(rgb.red()) | (TColor(rgb.green()) << 8) | (TColor(rgb.blue()) << 16);
}

} // namespace cw::model
