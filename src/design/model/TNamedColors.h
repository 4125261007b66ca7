#pragma once
// The identifiers card files use for colours: the 17 named colours (clBlack
// … clWhite, clNone) and the 25 system colours 0x80000000 + n (clScrollBar …
// clInfoBk).  The values themselves live with the colour type (TGColor); this
// is the filer's view of them: which value a colour entry is written as, and
// what a colour entry read back means.
//
// Writing: a colour equal to a named or system colour is written as its
// identifier, any other value as a 32-bit integer (0x00BBGGRR, or the raw
// 0x80000000 + n).  Reading accepts both forms for every colour; identifiers
// are matched without regard to letter case.

#include "design/model/TGColor.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace cw::model {

class TNamedColors
{
public:
    static std::optional<QString> ToIdent(TColor color) { return TGColor::Name(color); }
    static std::optional<TColor> FromIdent(const QString &ident) { return TGColor::FromName(ident); }
    // The stored colour of an integer entry: its 32 bits as they are.
    static TColor FromInteger(qint64 value) { return TColor(quint32(value)); }
    // The integer a colour without identifier is written as (signed, so a
    // system colour beyond the 25 known ones keeps its bit pattern).
    static qint32 ToInteger(TColor color) { return qint32(color); }

    // Every identifier, named colours first, then the system colours by n.
    static QStringList Idents();
};

} // namespace cw::model
