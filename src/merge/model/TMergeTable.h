#pragma once
// The records a merge source holds: named columns and one row of texts per
// record, plus the problems met while reading it.  Every row has exactly as
// many texts as there are columns.

#include <QString>
#include <QStringList>
#include <vector>

namespace cw::model {

// A part of the source that could not be read as it stands.  Line is the
// physical line (from 1) where the faulty record starts, Record its number
// among the records (from 1; 0 when the fault lies outside any record).
struct TMergeProblem
{
    int Line = 0;
    int Record = 0;
    QString Text;

    // "Line 7 (record 6): <text>"
    QString Message() const;
};

class TMergeTable
{
public:
    QStringList Columns;
    std::vector<QStringList> Rows;
    std::vector<TMergeProblem> Problems;

    int RecordCount() const { return int(Rows.size()); }
    // The column of that name (letter case and surrounding blanks ignored),
    // or -1.
    int ColumnIndex(const QString &name) const;
    // Adds a row, cut or padded to the number of columns.
    void AddRow(QStringList row);
    // Every problem's message, one per line.
    QString ProblemReport() const;
};

} // namespace cw::model
