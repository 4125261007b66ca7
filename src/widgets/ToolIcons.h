#pragma once
// The tool bar and button glyphs, drawn as vector pictures so they stay crisp
// at every device pixel ratio.

#include <QIcon>

namespace cw::ui {

enum class ToolGlyph {
    Pointer,
    Text,
    MultiLineText,
    Symbol,
    Rectangle,
    Ellipse,
    RoundRectangle,
    Line,
    ClipArt,
    SuperShape,
    RichText,
    SuperText,
    CircleText,
    QRCode,
    Barcode,
    ShowGrid,
    SnapToGrid,
    Background,
    QuickTips,
    WhatsThis,
    Exit,
    Print,
    Preview,
    Help,
    Save,
    Cancel,
    Application
};

QIcon toolIcon(ToolGlyph glyph);

} // namespace cw::ui
