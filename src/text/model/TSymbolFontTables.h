#pragma once
// Unicode equivalents of the byte codes 32 … 255 of the symbol fonts, from
// the published Wingdings, Webdings and Symbol correspondences.  0 marks a
// code without an equivalent.

#include <QString>

namespace cw::model {

class TSymbolFontTables
{
public:
    // 224 entries for codes 32 … 255, or nullptr when `fontName` (any case)
    // is not Wingdings, Webdings or Symbol.
    static const char32_t *Table(const QString &fontName);
};

} // namespace cw::model
