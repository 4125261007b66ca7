#pragma once
// Byte-coded symbol fonts (Wingdings, Webdings, Symbol).  A character of a
// label in such a font stands for the font's glyph with the character's
// Windows-1252 byte: card files keep the font name and the byte.  When the
// font is installed the byte is drawn as U+F000 + byte, where Qt finds the
// font's symbol glyphs; when it is not (Debian has no Wingdings) each byte is
// drawn as its published Unicode equivalent in Symbola, so designs keep their
// telephones and envelopes.

#include <QFont>
#include <QString>
#include <QStringList>

namespace cw::model {

class TSymbolFonts
{
public:
    // The family symbol codes fall back to.
    static QString FallbackFamily() { return QStringLiteral("Symbola"); }

    // Wingdings, Webdings or Symbol (any case).
    static bool IsSymbolFontName(const QString &name);
    // The symbol fonts the program can always draw (through its tables when
    // not installed), then the installed fonts with a symbol character map,
    // each under its plain family name.
    static QStringList OfferedFamilies();
    // One of the offered families above (any case).
    static bool IsSymbolFont(const QString &name);
    // A font family of exactly this name (any case) is installed; aliases
    // that fontconfig substitutes do not count.
    static bool IsInstalled(const QString &family);

    // The byte a caption character stands for (its Windows-1252 byte), or -1.
    static int CodeOf(QChar c);
    // The caption character that stores `code` (32 … 255) as its byte.
    static QChar CharOfCode(int code);

    // The Unicode equivalent of a byte of a symbol font, 0 when the
    // correspondence has none (or the font is not one of the three).
    static char32_t FallbackCharacter(const QString &fontName, int code);

    // What to draw for `text` set in the design font `fontName`: `font` is the
    // font as the design asks for it (size, style already applied).  Text in
    // other fonts is returned unchanged.
    struct TDisplay
    {
        QFont Font;
        QString Text;
    };
    static TDisplay Resolve(const QFont &font, const QString &fontName, const QString &text);
};

} // namespace cw::model
