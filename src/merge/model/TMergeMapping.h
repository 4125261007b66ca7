#pragma once
// Which columns of a merge source fill which of the ten personal-information
// fields (Name, Company, Title, Address 1-3, Phone 1-2, EMail, Fax).  A field
// takes one column or several, joined by a blank ("First name" + "Last
// name"); a field without a column stays empty.  Columns are kept by name so
// a mapping still fits a source whose columns were reordered.

#include "merge/model/TMergeTable.h"

#include <QStringList>
#include <array>

namespace cw::model {

class TMergeMapping
{
public:
    static constexpr int FieldCount = 10;
    using TValues = std::array<QString, FieldCount>;

    // The columns of each field, in field order.
    std::array<QStringList, FieldCount> Columns;

    // "Name", "Company", "Title", "Address 1" ... "EMail", "Fax".
    static const QStringList &FieldNames();
    // The field named (letter case and blanks ignored: "address1",
    // "E-Mail" and "Phone 2" all count), or -1.
    static int FieldIndex(const QString &name);

    // Matches column names to fields: English, German, French and Czech
    // headers as spreadsheets and address books write them ("E-mail",
    // "Telefon", "Société", "Příjmení" ...).  A "first name" and a "last
    // name" column together fill Name when no column holds the whole name.
    static TMergeMapping Automatic(const QStringList &columns);

    // Takes "FIELD=COLUMN" or "FIELD=COLUMN+COLUMN" (an empty column list
    // unmaps the field).  False with a message for an unknown field, or for
    // a column `table` lacks when a table is given.
    bool Assign(const QString &assignment, QString *message, const TMergeTable *table = nullptr);

    // One "FIELD=COLUMN[+COLUMN]" line per mapped field, and back.
    QStringList ToLines() const;
    static TMergeMapping FromLines(const QStringList &lines);

    bool IsEmpty() const;
    // The ten values of record `row` of `table` (columns it lacks give empty
    // texts).
    TValues Values(const TMergeTable &table, int row) const;

    bool operator==(const TMergeMapping &) const = default;
};

} // namespace cw::model
