#pragma once
// Reads the contacts of a vCard file (versions 2.1, 3.0 and 4.0, as phones
// and address books export them) into a table whose columns are the ten
// personal-information fields, in their order (TMergeMapping::FieldNames),
// so that each column maps to its field by name.
//
// Lines folded by a leading blank are joined; quoted-printable values are
// decoded, with their soft line breaks joined; a CHARSET parameter names the
// value's encoding, and values without one are UTF-8 or, failing that,
// Windows-1252.  Of a contact it takes:
//   Name       FN, or the parts of N in reading order
//   Company    ORG (its units after the name, joined by ", ")
//   Title      TITLE
//   Address 1  street of the first ADR (post box and extension before it)
//   Address 2  "postal-code locality", or "locality, region postal-code"
//              when the address has a region
//   Address 3  the country
//   Phone 1/2  the first two TEL that are no fax numbers ("tel:" dropped)
//   EMail      the first EMAIL
//   Fax        the first TEL of type FAX
//
// Faults do not stop the reading; each is a problem naming its line and
// contact: a line without a ':' is left out, a contact without END:VCARD
// ends at the next BEGIN:VCARD or at the end of the file (and is kept),
// and text outside any contact is left out.

#include "merge/model/TMergeTable.h"

#include <QByteArray>

namespace cw::model {

class TVCardReader
{
public:
    static TMergeTable Read(const QByteArray &bytes);
    // Decodes a quoted-printable value ("=C3=A9" and friends); a '=' not
    // followed by two hex digits is kept as it is.
    static QByteArray DecodeQuotedPrintable(const QByteArray &value);
};

} // namespace cw::model
