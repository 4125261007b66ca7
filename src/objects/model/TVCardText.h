#pragma once
// The contact card a QR code carries: vCard 3.0 text made from the ten
// personal-information values (Name, Company, Title, Address1-3, Phone1-2,
// Email, Fax, in that order).  A pure function of its input, so every place
// that shows a person's card (the design surface, paper, a merged record)
// encodes the same bytes for the same values.
//
// Lines end in CR LF.  Values are escaped as vCard 3.0 asks: backslash,
// comma and semicolon get a backslash, a line break becomes "\n".  Empty
// values leave their line out, except N and FN, which every vCard holds.
// The name's last word is the family name, the words before it the given
// names.  The three address lines become the street, locality and region
// of one work address.  Lines are not folded.

#include <QString>
#include <QStringList>

namespace cw::model {

class TVCardText
{
public:
    // `values` holds the ten values; missing ones count as empty.
    static QString Build(const QStringList &values);
    // The value escaped for a vCard 3.0 text field.
    static QString Escape(const QString &value);
};

} // namespace cw::model
