#include "print/printer/TPrintShopPdf.h"

#include "app/model/Exception.h"
#include "print/engine/TCanvasReport.h"
#include "print/printer/TPdfPageBoxes.h"

#include <QBuffer>
#include <QDir>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>

namespace cw::printer {

namespace {

constexpr double PointsPerInch = 72.0;

QRectF Points(const QRectF &inches)
{
    return QRectF(inches.topLeft() * PointsPerInch, inches.size() * PointsPerInch);
}

} // namespace

QByteArray TPrintShopPdf::Compose(const model::TPrintShopLayout &layout,
                                  const model::TSheetBackground &background,
                                  const model::TPrintShopCard::TPrintObjects &printObjects,
                                  const QString &title,
                                  const model::TPrintShopCard::TPaintObjects &paintEdgeObjects)
{
    return Compose(layout, {TSide{background, printObjects, paintEdgeObjects}}, title);
}

void TPrintShopPdf::Write(const QString &path, const model::TPrintShopLayout &layout,
                          const model::TSheetBackground &background,
                          const model::TPrintShopCard::TPrintObjects &printObjects, const QString &title,
                          const model::TPrintShopCard::TPaintObjects &paintEdgeObjects)
{
    Write(path, layout, {TSide{background, printObjects, paintEdgeObjects}}, title);
}

QByteArray TPrintShopPdf::Compose(const model::TPrintShopLayout &layout, const std::vector<TSide> &sides,
                                  const QString &title)
{
    const QSizeF page = layout.PageSize();
    if (page.isEmpty())
        throw cw::Exception(QStringLiteral("The card has no size."));
    QByteArray drawn;
    {
        QBuffer buffer(&drawn);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Cardwright"));
        writer.setResolution(Dpi);
        writer.setPageLayout(QPageLayout(QPageSize(page, QPageSize::Inch, QString(), QPageSize::ExactMatch),
                                         QPageLayout::Portrait, QMarginsF()));
        engine::TCanvasReport report(writer, Dpi, Dpi);
        report.SetProcessEvents({});
        // The canvas report draws every page on its one device: the writer
        // starts each further page itself.
        report.OnNewPage = [&writer](engine::TBaseReport &r) {
            if (r.CurrentPage() > 1)
                writer.newPage();
        };
        report.OnPrint = [&layout, &sides](engine::TBaseReport &r) {
            for (std::size_t i = 0; i < sides.size(); ++i) {
                if (i > 0)
                    r.NewPage();
                const model::TPrintShopCard card(layout, sides[i].Background, sides[i].PrintObjects,
                                                 sides[i].PaintEdgeObjects);
                card.Compose(r);
            }
        };
        report.Execute();
    }
    TPdfPageBoxes::TBoxes boxes;
    boxes.Media = Points(QRectF(QPointF(0, 0), page));
    boxes.Bleed = Points(layout.BleedBox());
    boxes.Trim = Points(layout.TrimBox());
    return TPdfPageBoxes::Apply(drawn, boxes);
}

void TPrintShopPdf::Write(const QString &path, const model::TPrintShopLayout &layout,
                          const std::vector<TSide> &sides, const QString &title)
{
    const QByteArray pdf = Compose(layout, sides, title);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size() || !file.commit())
        throw cw::EInOutError(
            QStringLiteral("The file %1 could not be written.").arg(QDir::toNativeSeparators(path)));
}

} // namespace cw::printer
