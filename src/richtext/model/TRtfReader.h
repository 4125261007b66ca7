#pragma once
// Reads an RTF document into a QTextDocument: what word processors write for
// short texts.  Understood: the font and colour tables, \b \i \ul \strike,
// \fs sizes, \cf colours, highlight (\highlight, \chcbpat, \cb), \super \sub
// \nosupersub, \plain; paragraph alignment (\ql \qr \qc \qj), spacing before
// and after (\sb \sa), indents (\li \ri \fi) and tab stops (\tx after \tqr
// \tqc \tqdec), all reset by \pard; \par \line \tab, \'hh bytes in the code
// page of the font's character set (or \ansicpg), font names too, \uN
// characters (in font names as well) with \ucN skipping of their fallbacks
// (surrogate pairs included) and the usual symbol words (\emdash, \bullet,
// quotes …).  Lengths become the document's pixels at 96 per inch (15 twips
// each), as TRtfWriter writes them back.  Destinations the text never shows (style sheet, info,
// pictures, headers, every {\* …} group) are skipped.
//
// Fonts: a font that is not installed draws in its \falt font; text in a
// symbol font (Wingdings, Webdings, Symbol) keeps its glyph codes and draws
// them through the symbol tables (Symbola when the font is not installed).
//
// Promises: never throws and never crashes, whatever the bytes; groups nested
// deeper than MaxDepth keep the formatting of the deepest group allowed; the
// document starts at "{\rtf" (up to MaxLeadIn bytes of anything may come
// before it, as mail and clipboard tools add) and ends with its group's
// closing brace (WordPad adds a NUL byte after it); without "{\rtf" the bytes
// are taken as plain Windows-1252 text.  A \par ends its paragraph, so the
// empty paragraph after a final \par is not made (WordPad and LibreOffice end
// every paragraph with \par).

#include <QByteArray>

class QTextDocument;

namespace cw::richtext {

class TRtfReader
{
public:
    static constexpr int MaxDepth = 100;
    // Bytes that may come before "{\rtf".
    static constexpr int MaxLeadIn = 1024;

    // Replaces the content of `document` with the RTF document's text.
    static void Read(const QByteArray &rtf, QTextDocument &document);
    // Whether the bytes hold an RTF document: "{\rtf" within MaxLeadIn bytes.
    static bool IsRtf(const QByteArray &bytes);
    // Where the document's "{\rtf" starts; -1 when it has none.
    static qsizetype RtfStart(const QByteArray &bytes);
};

} // namespace cw::richtext
