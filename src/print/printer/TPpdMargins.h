#pragma once
// Unprintable margins of a CUPS queue, read from its PPD file.  Qt 6.4
// reports none for CUPS queues (it looks margins up under its own paper
// names, which differ from the PPD's), so the printer report asks the PPD:
// the *ImageableArea of the paper whose *PaperDimension matches the sheet.

#include <QMarginsF>
#include <QSizeF>
#include <QString>

namespace cw::printer {

class TPpdMargins
{
public:
    // The PPD of a queue: <CUPS server root>/ppd/<queue>.ppd, the server
    // root being $CUPS_SERVERROOT or /etc/cups.
    static QString PpdPath(const QString &queue);
    // Margins in inches (left, top, right, bottom) for a portrait sheet of
    // sizeInches; null margins when the PPD cannot be read or lists no such
    // paper.
    static QMarginsF Read(const QString &ppdPath, const QSizeF &sizeInches);
    // The same, from the PPD's text.
    static QMarginsF Parse(const QByteArray &ppd, const QSizeF &sizeInches);
};

} // namespace cw::printer
