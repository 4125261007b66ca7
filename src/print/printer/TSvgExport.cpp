#include "print/printer/TSvgExport.h"

#include "app/model/Exception.h"
#include "design/model/TGGraphicControl.h"
#include "print/printer/TClipProbe.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
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

void TSvgExport::PaintObjects(QPainter &painter, const std::vector<model::TGGraphicControl *> &objects,
                              const QSize &size, const TPaint &underlay, int oversample)
{
    const QRect card(QPoint(0, 0), size);
    auto paintObject = [](QPainter &target, model::TGGraphicControl *object) {
        if (object && object->Visible)
            object->PaintTo(target, object->Left(), object->Top());
    };
    for (std::size_t i = 0; i < objects.size(); ++i) {
        model::TGGraphicControl *object = objects[i];
        if (!object || !object->Visible)
            continue;
        TClipProbe probe(size);
        {
            QPainter measure(&probe);
            paintObject(measure, object);
        }
        if (!probe.Cut() && !probe.RasterOp() && !probe.PatternFill()) {
            paintObject(painter, object);
            continue;
        }
        const QRect area = probe.Painted().toAlignedRect().adjusted(-1, -1, 1, 1).intersected(card);
        if (area.isEmpty())
            continue;
        // Hatches are spaced in device pixels: drawn finer they would fade.
        const int scale = probe.PatternFill() ? 1 : oversample;
        QImage picture(area.size() * scale, QImage::Format_ARGB32_Premultiplied);
        picture.fill(Qt::transparent);
        {
            QPainter raster(&picture);
            raster.scale(scale, scale);
            raster.translate(-area.topLeft());
            if (probe.RasterOp()) {
                raster.fillRect(area, Qt::white);
                if (underlay)
                    underlay(raster);
                for (std::size_t k = 0; k < i; ++k)
                    paintObject(raster, objects[k]);
            }
            paintObject(raster, object);
        }
        painter.save();
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRectF(area), picture);
        painter.restore();
    }
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
