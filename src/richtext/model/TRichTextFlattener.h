#pragma once
// Brings any rich text (HTML or Markdown pasted or dropped into the editor)
// to the one set of formatting a rich-text label keeps and draws, so the
// editor shows exactly what Ok stores:
// - headings become paragraphs of their drawn size, bold as drawn;
// - list items become paragraphs that start with their bullet ("•") or
//   number ("1.") and are indented by their level;
// - tables become one line per row, the cells separated by tabs;
// - images and other embedded objects are removed;
// - pixel and relative font sizes become point sizes;
// - whatever else the RTF writer does not keep (line height, letter
//   spacing, anchors, frames …) is dropped by writing the document as RTF
//   and reading it back.

class QTextDocument;

namespace cw::richtext {

class TRichTextFlattener
{
public:
    // Replaces the content of `document` with its flattened form, read back
    // from the RTF that stores it.
    static void Flatten(QTextDocument &document);
};

} // namespace cw::richtext
