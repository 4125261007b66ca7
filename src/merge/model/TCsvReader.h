#pragma once
// Reads a table of people from comma-separated values: quoted fields as RFC
// 4180 has them (doubled quotes inside, line breaks inside), a header row
// naming the columns, the field separator (comma, semicolon or tab) taken
// from the header row, and the text UTF-8 or Windows-1252 (TMergeText).
//
// Faulty records do not stop the reading: each is reported as a problem
// naming its line and record, and the others are read as usual.
//   - a quoted field that is never closed: the record is left out, and
//     reading goes on with the line after the one where it started;
//   - text after a closing quote: kept after the quoted text;
//   - more fields than the header names: the extra fields are dropped.
// Blank lines are no records.  A record with fewer fields than the header
// gets empty texts for the missing ones (spreadsheets leave trailing empty
// fields out).

#include "merge/model/TMergeTable.h"

#include <QByteArray>

namespace cw::model {

class TCsvReader
{
public:
    static TMergeTable Read(const QByteArray &bytes);
    static TMergeTable Read(const QString &text);
    // The separator the header row uses most outside quotes: ',', ';' or
    // '\t'; a comma when it has none.
    static QChar DetectSeparator(const QString &text);
};

} // namespace cw::model
