#pragma once
// A merge source as the designer and the command line use it: the file, the
// records read from it and the mapping of its columns to the ten
// personal-information fields.

#include "merge/model/TMergeMapping.h"
#include "merge/model/TMergeTable.h"

#include <QString>

namespace cw::model {

class TMergeSource
{
public:
    // Reads a .vcf/.vcard file (or any file that starts with BEGIN:VCARD)
    // as vCards, anything else as CSV, and maps its columns automatically.
    // Faulty records are in Table().Problems.  Throws cw::EInOutError when
    // the file cannot be read.
    static TMergeSource Load(const QString &path);
    static bool IsVCard(const QString &path, const QByteArray &bytes);

    const QString &FileName() const { return m_fileName; }
    const TMergeTable &Table() const { return m_table; }
    int RecordCount() const { return m_table.RecordCount(); }
    TMergeMapping Mapping;

    // The ten values of record `index` (from 0) under the mapping.
    TMergeMapping::TValues Record(int index) const { return Mapping.Values(m_table, index); }

private:
    QString m_fileName;
    TMergeTable m_table;
};

} // namespace cw::model
