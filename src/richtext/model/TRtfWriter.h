#pragma once
// Writes a QTextDocument as RTF that TRtfReader and common word processors
// read back: a font table and a colour table of the fonts and colours used,
// one \pard paragraph per text block (ended by \par) with its alignment,
// spacing, indents and tab stops, \plain and the character formatting
// (font, size, bold, italic, underline, strike-out, colour, highlight,
// super/subscript) before every run: the one set of formatting the rich-text
// label keeps and draws (TRichTextFlattener brings other documents to it).  Every character is kept: ASCII as
// itself (with \\ \{ \} escaped), other Windows-1252 characters as \'hh, all
// others as \uN with a "?" fallback, characters beyond U+FFFF as two \uN
// (a surrogate pair); tabs and line breaks as \tab and \line.

#include <QByteArray>

class QTextDocument;

namespace cw::richtext {

class TRtfWriter
{
public:
    static QByteArray Write(const QTextDocument &document);
};

} // namespace cw::richtext
