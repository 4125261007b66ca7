#include "print/printer/TPpdMargins.h"

#include <QFile>
#include <QHash>
#include <QList>
#include <QPair>
#include <cmath>

namespace cw::printer {

namespace {

// "*Keyword Option/Text: "numbers"" -> option and the numbers.
bool SplitEntry(const QByteArray &line, const QByteArray &keyword, QByteArray &option, QList<double> &numbers)
{
    if (!line.startsWith(keyword))
        return false;
    const qsizetype colon = line.indexOf(':');
    const qsizetype open = line.indexOf('"', colon);
    const qsizetype close = line.indexOf('"', open + 1);
    if (colon < 0 || open < 0 || close < 0)
        return false;
    option = line.mid(keyword.size(), colon - keyword.size()).trimmed();
    const qsizetype slash = option.indexOf('/');
    if (slash >= 0)
        option.truncate(slash);
    numbers.clear();
    for (const QByteArray &part : line.mid(open + 1, close - open - 1).simplified().split(' ')) {
        bool ok = false;
        const double value = part.toDouble(&ok);
        if (!ok)
            return false;
        numbers << value;
    }
    return !option.isEmpty();
}

} // namespace

QString TPpdMargins::PpdPath(const QString &queue)
{
    const QString root = qEnvironmentVariable("CUPS_SERVERROOT", QStringLiteral("/etc/cups"));
    return root + QStringLiteral("/ppd/") + queue + QStringLiteral(".ppd");
}

QMarginsF TPpdMargins::Read(const QString &ppdPath, const QSizeF &sizeInches)
{
    QFile file(ppdPath);
    // A PPD is a few hundred kilobytes at most; anything larger is not one.
    if (file.size() > 16 * 1024 * 1024 || !file.open(QIODevice::ReadOnly))
        return QMarginsF();
    return Parse(file.readAll(), sizeInches);
}

QMarginsF TPpdMargins::Parse(const QByteArray &ppd, const QSizeF &sizeInches)
{
    QHash<QByteArray, QList<double>> areas;
    QList<QPair<QByteArray, QList<double>>> dimensions; // in file order
    QByteArray option;
    QList<double> numbers;
    for (QByteArray line : ppd.split('\n')) {
        line = line.trimmed();
        if (SplitEntry(line, "*ImageableArea ", option, numbers) && numbers.size() == 4)
            areas.insert(option, numbers);
        else if (SplitEntry(line, "*PaperDimension ", option, numbers) && numbers.size() == 2)
            dimensions.append({option, numbers});
    }
    // Several papers may share the sheet's size (borderless variants, small
    // versions): the plain paper name wins, otherwise the widest margins,
    // which every variant can print within.
    const double width = sizeInches.width() * 72.0;
    const double height = sizeInches.height() * 72.0;
    QMarginsF best;
    bool found = false;
    for (const auto &[name, size] : dimensions) {
        if (std::abs(size[0] - width) > 1.5 || std::abs(size[1] - height) > 1.5 || !areas.contains(name))
            continue;
        // Imageable area: lower-left x, y and upper-right x, y in points
        // from the sheet's lower-left corner.
        const QList<double> &area = areas.value(name);
        if (area[0] >= area[2] || area[1] >= area[3])
            continue; // an empty or inverted printable area is damage
        const QMarginsF points(area[0], size[1] - area[3], size[0] - area[2], area[1]);
        if (points.left() < 0 || points.top() < 0 || points.right() < 0 || points.bottom() < 0)
            continue;
        const bool plain = name == "Letter" || name == "A4";
        const double total = points.left() + points.top() + points.right() + points.bottom();
        const double bestTotal = best.left() + best.top() + best.right() + best.bottom();
        if (plain)
            return points / 72.0;
        if (!found || total > bestTotal)
            best = points;
        found = true;
    }
    return best / 72.0;
}

} // namespace cw::printer
