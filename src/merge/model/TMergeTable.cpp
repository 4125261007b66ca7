#include "merge/model/TMergeTable.h"

#include <QCoreApplication>

namespace cw::model {

QString TMergeProblem::Message() const
{
    if (Record > 0)
        return QCoreApplication::translate("TMergeTable", "Line %1 (record %2): %3")
            .arg(Line)
            .arg(Record)
            .arg(Text);
    return QCoreApplication::translate("TMergeTable", "Line %1: %2").arg(Line).arg(Text);
}

int TMergeTable::ColumnIndex(const QString &name) const
{
    const QString wanted = name.trimmed();
    for (int i = 0; i < Columns.size(); ++i)
        if (Columns.at(i).trimmed().compare(wanted, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

void TMergeTable::AddRow(QStringList row)
{
    while (row.size() < Columns.size())
        row << QString();
    while (row.size() > Columns.size())
        row.removeLast();
    Rows.push_back(std::move(row));
}

QString TMergeTable::ProblemReport() const
{
    QStringList lines;
    for (const TMergeProblem &problem : Problems)
        lines << problem.Message();
    return lines.join(QLatin1Char('\n'));
}

} // namespace cw::model
