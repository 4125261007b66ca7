#include "print/printer/TSvgExport.h"

#include "app/model/Exception.h"

#include <QBuffer>
#include <QDir>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>

namespace cw::printer {

bool TSvgExport::IsSvgName(const QString &path)
{
    return path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive);
}

QByteArray TSvgExport::Encode(const QSize &size, int dpi, const TPaint &paint, const QString &title)
{
    const QSize area = size.expandedTo(QSize(1, 1));
    QByteArray svg;
    QBuffer buffer(&svg);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(area);
    generator.setViewBox(QRect(QPoint(0, 0), area));
    generator.setResolution(std::max(1, dpi));
    generator.setTitle(title);
    generator.setDescription(QStringLiteral("Made with Cardwright"));
    QPainter painter;
    if (!painter.begin(&generator))
        throw cw::EInOutError(QStringLiteral("The SVG drawing could not be started."));
    painter.fillRect(QRect(QPoint(0, 0), area), Qt::white);
    if (paint)
        paint(painter);
    painter.end();
    return svg;
}

void TSvgExport::Write(const QString &path, const QSize &size, int dpi, const TPaint &paint,
                       const QString &title)
{
    const QByteArray svg = Encode(size, dpi, paint, title);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(svg) != svg.size() || !file.commit())
        throw cw::EInOutError(
            QStringLiteral("The file %1 could not be written.").arg(QDir::toNativeSeparators(path)));
}

} // namespace cw::printer
