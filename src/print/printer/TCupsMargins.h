#pragma once
// Unprintable margins of a print queue, asked of the CUPS scheduler through
// libcups: the margins of the destination's media that matches the sheet's
// size, or of its default media.  Qt 6.4 reports none for CUPS queues, and a
// queue's PPD file is no answer: the scheduler keeps it readable by root and
// lp only, remote and driverless (IPP Everywhere) queues have none on this
// machine, and some queues have none at all.  The scheduler answers every
// user, for every kind of queue.

#include <QMarginsF>
#include <QSizeF>
#include <QString>

namespace cw::printer {

class TCupsMargins
{
public:
    // Margins in inches (left, top, right, bottom) for a portrait sheet of
    // sizeInches on queue; null margins when the queue is unknown, the
    // scheduler does not answer, or it reports no margins.
    static QMarginsF Query(const QString &queue, const QSizeF &sizeInches);
};

} // namespace cw::printer
