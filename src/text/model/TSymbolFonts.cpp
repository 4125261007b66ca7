#include "text/model/TSymbolFonts.h"

#include "design/model/Win1252.h"
#include "text/model/TSymbolFontTables.h"

#include <QFontDatabase>
#include <QHash>
#include <QRegularExpression>

namespace cw::model {

bool TSymbolFonts::IsSymbolFontName(const QString &name)
{
    return TSymbolFontTables::Table(name) != nullptr;
}

QStringList TSymbolFonts::OfferedFamilies()
{
    QStringList offered{QStringLiteral("Wingdings"), QStringLiteral("Webdings"), QStringLiteral("Symbol")};
    static const QRegularExpression foundry(QStringLiteral("\\s*\\[[^\\]]*\\]\\s*$"));
    QStringList installed;
    for (const QString &family : QFontDatabase::families(QFontDatabase::Symbol)) {
        QString plain = family;
        plain.remove(foundry);
        if (!offered.contains(plain, Qt::CaseInsensitive) && !installed.contains(plain, Qt::CaseInsensitive))
            installed << plain;
    }
    installed.sort(Qt::CaseInsensitive);
    return offered + installed;
}

bool TSymbolFonts::IsSymbolFont(const QString &name)
{
    return IsSymbolFontName(name) || OfferedFamilies().contains(name, Qt::CaseInsensitive);
}

bool TSymbolFonts::IsInstalled(const QString &family)
{
    // Asked on every paint of a symbol: the font list is read once per name.
    static QHash<QString, bool> known;
    const QString key = family.toLower();
    if (const auto it = known.constFind(key); it != known.constEnd())
        return it.value();
    bool installed = false;
    for (const QString &f : QFontDatabase::families())
        if (f.compare(family, Qt::CaseInsensitive) == 0) {
            installed = true;
            break;
        }
    known.insert(key, installed);
    return installed;
}

int TSymbolFonts::CodeOf(QChar c)
{
    return Win1252::fromUnicode(c.unicode());
}

QChar TSymbolFonts::CharOfCode(int code)
{
    return QChar(Win1252::toUnicode(uchar(code & 0xFF)));
}

char32_t TSymbolFonts::FallbackCharacter(const QString &fontName, int code)
{
    const char32_t *table = TSymbolFontTables::Table(fontName);
    if (!table || code < 32 || code > 255)
        return 0;
    return table[code - 32];
}

TSymbolFonts::TDisplay TSymbolFonts::Resolve(const QFont &font, const QString &fontName, const QString &text)
{
    if (!IsSymbolFontName(fontName))
        return {font, text};
    TDisplay display{font, QString()};
    if (IsInstalled(fontName)) {
        // Installed symbol fonts carry their glyphs at U+F020 … U+F0FF.
        for (QChar c : text) {
            const int code = CodeOf(c);
            display.Text += code < 0 ? c : QChar(char16_t(0xF000 + code));
        }
        return display;
    }
    display.Font.setFamily(FallbackFamily());
    for (QChar c : text) {
        const int code = CodeOf(c);
        const char32_t u = code < 0 ? 0 : FallbackCharacter(fontName, code);
        if (u == 0)
            display.Text += c; // no published equivalent: the character itself
        else
            display.Text += QString::fromUcs4(&u, 1);
    }
    return display;
}

} // namespace cw::model
