#include "richtext/model/TRtfWriter.h"

#include "design/model/Win1252.h"
#include "text/model/TSymbolFonts.h"

#include <QColor>
#include <QHash>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextOption>

#include <cmath>
#include <vector>

namespace cw::richtext {

namespace {

QString familyOf(const QTextCharFormat &f, const QTextDocument &doc)
{
    const QStringList families = f.fontFamilies().toStringList();
    if (!families.isEmpty() && !families.first().isEmpty())
        return families.first();
    return doc.defaultFont().family();
}

double pointSizeOf(const QTextCharFormat &f, const QTextDocument &doc)
{
    if (f.hasProperty(QTextFormat::FontPointSize) && f.fontPointSize() > 0)
        return f.fontPointSize();
    const QFont font = doc.defaultFont();
    return font.pointSizeF() > 0 ? font.pointSizeF() : 12.0;
}

// The font drawn when the family is not installed, as the document keeps it
// (second in its family list); empty for symbol fonts, which draw through
// their tables.
QString altOf(const QTextCharFormat &f)
{
    const QStringList families = f.fontFamilies().toStringList();
    if (families.size() < 2 || model::TSymbolFonts::IsSymbolFontName(families.first()))
        return {};
    return families.at(1);
}

// Text in a symbol font as its glyph codes: the characters it is drawn with
// (U+F020 … U+F0FF or the tables' Unicode equivalents) go back to the
// characters of their Windows-1252 bytes.
QString symbolCodes(const QString &fontName, const QString &text)
{
    QHash<char32_t, int> codeOf;
    for (int code = 32; code < 256; ++code)
        if (const char32_t u = model::TSymbolFonts::FallbackCharacter(fontName, code);
            u != 0 && !codeOf.contains(u))
            codeOf.insert(u, code);
    QString out;
    for (const char32_t u : text.toUcs4()) {
        if (u >= 0xF020 && u <= 0xF0FF)
            out += model::TSymbolFonts::CharOfCode(int(u - 0xF000));
        else if (const auto it = codeOf.constFind(u); it != codeOf.constEnd())
            out += model::TSymbolFonts::CharOfCode(it.value());
        else
            out += QString::fromUcs4(&u, 1);
    }
    return out;
}

// A font name in the table ends with ';', so braces, backslashes and ';'
// cannot be part of it.  Characters beyond ASCII are written as \uN with a
// "?" fallback, so names in any script ("ＭＳ 明朝", "Шрифт") come back
// whatever the reader's code page.
QByteArray fontNameBytes(const QString &name)
{
    QByteArray out;
    for (const QChar c : name) {
        const char16_t u = c.unicode();
        if (u == u';' || u == u'{' || u == u'}' || u == u'\\' || u < 0x20)
            continue;
        if (u < 0x80)
            out += char(u);
        else
            out += "\\u" + QByteArray::number(qint16(u)) + '?';
    }
    return out;
}

// Pixels of the document (96 per inch) as twips.
QByteArray twips(double pixels)
{
    return QByteArray::number(std::lround(pixels * 15.0));
}

// The paragraph formatting beyond alignment, each value only when set:
// spacing before and after, left, right and first-line indents, tab stops.
QByteArray paragraphWords(const QTextBlockFormat &b)
{
    QByteArray out;
    const auto length = [&](const char *word, double pixels) {
        if (std::lround(pixels * 15.0) != 0)
            out += word + twips(pixels);
    };
    length("\\fi", b.textIndent());
    length("\\li", b.leftMargin());
    length("\\ri", b.rightMargin());
    length("\\sb", b.topMargin());
    length("\\sa", b.bottomMargin());
    for (const QTextOption::Tab &tab : b.tabPositions()) {
        if (tab.type == QTextOption::RightTab)
            out += "\\tqr";
        else if (tab.type == QTextOption::CenterTab)
            out += "\\tqc";
        else if (tab.type == QTextOption::DelimiterTab)
            out += "\\tqdec";
        out += "\\tx" + twips(tab.position);
    }
    return out;
}

void appendText(QByteArray &out, const QString &text)
{
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\\' || u == u'{' || u == u'}') {
            out += '\\';
            out += char(u);
        } else if (u == u'\t') {
            out += "\\tab ";
        } else if (u == QChar::LineSeparator) {
            out += "\\line ";
        } else if (u >= 0x20 && u < 0x80) {
            out += char(u);
        } else {
            const int b = model::Win1252::fromUnicode(u);
            // C1 controls (U+0080..U+009F) have no printable byte: written as \u.
            if (b >= 0x80 && !(u >= 0x80 && u <= 0x9F)) {
                out += "\\'" + QByteArray::number(b, 16).rightJustified(2, '0');
            } else {
                out += "\\u" + QByteArray::number(qint16(u)) + '?';
            }
        }
    }
}

} // namespace

QByteArray TRtfWriter::Write(const QTextDocument &doc)
{
    QStringList fonts;
    QHash<QString, QString> alts;
    std::vector<QColor> colors;
    const auto fontIndex = [&](const QString &family) {
        qsizetype i = fonts.indexOf(family);
        if (i < 0) {
            fonts.append(family);
            i = fonts.size() - 1;
        }
        return int(i);
    };
    const auto fontOf = [&](const QTextCharFormat &f) {
        const QString family = familyOf(f, doc);
        if (const QString alt = altOf(f); !alt.isEmpty() && !alts.contains(family))
            alts.insert(family, alt);
        return fontIndex(family);
    };
    // Text and highlight colours share the colour table.
    const auto colorIndex = [&](const QTextCharFormat &f, QTextFormat::Property property) {
        if (!f.hasProperty(property) || f.brushProperty(property).style() == Qt::NoBrush)
            return 0;
        const QColor c = f.brushProperty(property).color();
        for (size_t i = 0; i < colors.size(); ++i)
            if (colors[i].rgb() == c.rgb())
                return int(i) + 1;
        colors.push_back(c);
        return int(colors.size());
    };

    QByteArray body;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        body += "\\pard";
        switch (block.blockFormat().alignment() & Qt::AlignHorizontal_Mask) {
        case Qt::AlignRight:
            body += "\\qr";
            break;
        case Qt::AlignHCenter:
            body += "\\qc";
            break;
        case Qt::AlignJustify:
            body += "\\qj";
            break;
        default:
            body += "\\ql";
            break;
        }
        body += paragraphWords(block.blockFormat());
        bool empty = true;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid())
                continue;
            const QTextCharFormat f = fragment.charFormat();
            body += "\\plain\\f" + QByteArray::number(fontOf(f));
            body += "\\fs" + QByteArray::number(std::max(1, int(std::lround(pointSizeOf(f, doc) * 2))));
            if (f.fontWeight() >= QFont::DemiBold)
                body += "\\b";
            if (f.fontItalic())
                body += "\\i";
            if (f.fontUnderline())
                body += "\\ul";
            if (f.fontStrikeOut())
                body += "\\strike";
            if (const int c = colorIndex(f, QTextFormat::ForegroundBrush))
                body += "\\cf" + QByteArray::number(c);
            if (const int c = colorIndex(f, QTextFormat::BackgroundBrush))
                body += "\\highlight" + QByteArray::number(c);
            if (f.verticalAlignment() == QTextCharFormat::AlignSuperScript)
                body += "\\super";
            else if (f.verticalAlignment() == QTextCharFormat::AlignSubScript)
                body += "\\sub";
            body += ' ';
            const QString family = familyOf(f, doc);
            appendText(body, model::TSymbolFonts::IsSymbolFontName(family)
                                 ? symbolCodes(family, fragment.text())
                                 : fragment.text());
            empty = false;
        }
        if (empty) {
            // An empty paragraph keeps the size of its paragraph mark.
            const QTextCharFormat f = block.charFormat();
            body += "\\plain\\f" + QByteArray::number(fontOf(f));
            body += "\\fs" + QByteArray::number(std::max(1, int(std::lround(pointSizeOf(f, doc) * 2))));
        }
        body += "\\par\r\n";
    }

    QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl";
    if (fonts.isEmpty())
        fonts.append(doc.defaultFont().family());
    for (int i = 0; i < fonts.size(); ++i) {
        // Symbol fonts are marked as such so word processors keep the codes.
        const bool symbol = model::TSymbolFonts::IsSymbolFontName(fonts[i]);
        out += "{\\f" + QByteArray::number(i) + (symbol ? "\\fnil\\fcharset2 " : "\\fnil\\fcharset0 ") +
               fontNameBytes(fonts[i]);
        if (const QString alt = alts.value(fonts[i]); !alt.isEmpty())
            out += "{\\*\\falt " + fontNameBytes(alt) + '}';
        out += ";}";
    }
    out += "}\r\n{\\colortbl ;";
    for (const QColor &c : colors)
        out += "\\red" + QByteArray::number(c.red()) + "\\green" + QByteArray::number(c.green()) + "\\blue" +
               QByteArray::number(c.blue()) + ';';
    out += "}\r\n\\viewkind4\\uc1\r\n";
    out += body;
    out += "}\r\n";
    return out;
}

} // namespace cw::richtext
