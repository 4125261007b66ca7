#pragma once
// Reads an RTF document into a QTextDocument: what word processors write for
// short texts.  Understood: the font and colour tables, \b \i \ul \strike,
// \fs sizes, \cf colours, \plain, paragraph alignment (\ql \qr \qc \qj, reset
// by \pard), \par \line \tab, \'hh bytes in the code page of the font's
// character set (or \ansicpg), \uN characters with \ucN skipping of their
// fallbacks (surrogate pairs included) and the usual symbol words (\emdash,
// \bullet, quotes …).  Destinations the text never shows (style sheet, info,
// pictures, headers, every {\* …} group) are skipped.
//
// Promises: never throws and never crashes, whatever the bytes; groups nested
// deeper than MaxDepth keep the formatting of the deepest group allowed; a
// document that does not begin with "{\rtf" is taken as plain Windows-1252
// text.  A \par ends its paragraph, so the empty paragraph after a final \par
// is not made (WordPad and LibreOffice end every paragraph with \par).

#include <QByteArray>

class QTextDocument;

namespace cw::richtext {

class TRtfReader
{
public:
    static constexpr int MaxDepth = 100;

    // Replaces the content of `document` with the RTF document's text.
    static void Read(const QByteArray &rtf, QTextDocument &document);
    // Whether the bytes look like an RTF document ("{\rtf" after blanks).
    static bool IsRtf(const QByteArray &bytes);
};

} // namespace cw::richtext
