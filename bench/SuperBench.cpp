// The special objects: a card of 10 SuperText and 10 SuperShape objects
// repainted at 150 %, beside raw QPainter drawing of the same outlines, text
// paths and fills; and a sheet of 10 such cards composed to PDF, beside the
// same sheet with plain shapes and plain text.  After composing, the PDF is
// checked to hold each texture picture once, however many cards use it.

#include "BenchSupport.h"

#include "design/TGBusinessCardPanel32.h"
#include "design/model/TBCShapes.h"
#include "design/model/TGPicture.h"
#include "objects/model/TSuperShape.h"
#include "print/model/TLabelPrintJob.h"
#include "print/printer/TReportPrinter.h"
#include "text/model/TGPLabel.h"
#include "text/model/TGSuperText.h"

#include <QApplication>
#include <QFile>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QSet>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <random>

namespace cw::bench {

namespace {

using model::TGSuperText;
using model::TSuperShape;

constexpr int Each = 10;

// A 96 x 96 grain picture, as the shipped textures are.
QImage grain(std::mt19937 &rng, QRgb base)
{
    QImage image(96, 96, QImage::Format_RGB32);
    std::uniform_int_distribution<int> d(-24, 24);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int n = d(rng);
            line[x] = qRgb(std::clamp(qRed(base) + n, 0, 255), std::clamp(qGreen(base) + n, 0, 255),
                           std::clamp(qBlue(base) + n, 0, 255));
        }
    }
    return image;
}

struct Design
{
    std::vector<QRect> shapes; // card pixels
    std::vector<QRect> texts;
    QImage wood;
    QImage slate;
};

Design makeDesign()
{
    std::mt19937 rng(20261208);
    Design d;
    d.wood = grain(rng, qRgb(150, 100, 60));
    d.slate = grain(rng, qRgb(90, 100, 110));
    for (int i = 0; i < Each; ++i) {
        d.shapes.push_back(QRect(8 + (i % 5) * 64, 8 + (i / 5) * 56, 56, 48));
        d.texts.push_back(QRect(8 + (i % 2) * 164, 116 + (i / 2) * 14, 160, 14));
    }
    return d;
}

// The special design: gradient stars, textured rounded rectangles with a
// shadow, gradient ellipses, solid diamonds and textured polygons; gradient,
// textured, outline-only and plain SuperText with shadows.
void populateSuper(ui::TGBusinessCardPanel32 &panel, const Design &d)
{
    model::TGPicture wood;
    wood.SetBitmap(d.wood);
    model::TGPicture slate;
    slate.SetBitmap(d.slate);
    for (int i = 0; i < Each; ++i) {
        auto shape = std::make_unique<TSuperShape>();
        TSuperShape *s = shape.get();
        panel.PlaceNewObject(std::move(shape), d.shapes[size_t(i)]);
        switch (i % 5) {
        case 0:
            break; // the new shape: a gradient star
        case 1:
            s->SetShape(TSuperShape::gstRoundRect);
            s->SetSurfaceType(TSuperShape::stBrushImage);
            s->SetImage(wood);
            s->SetShadowOrient(TSuperShape::soLowerRight);
            break;
        case 2:
            s->SetShape(TSuperShape::gstEllipse);
            s->SetFillDirection(model::gdRight);
            break;
        case 3:
            s->SetShape(TSuperShape::gstDiamond);
            s->SetSurfaceType(TSuperShape::stBrushPattern);
            s->SetShadowOrient(TSuperShape::soUpperLeft);
            break;
        default:
            s->SetShape(TSuperShape::gstPolyGon);
            s->SetSurfaceType(TSuperShape::stBrushImage);
            s->SetImage(slate);
            break;
        }
    }
    for (int i = 0; i < Each; ++i) {
        auto text = std::make_unique<TGSuperText>();
        TGSuperText *t = text.get();
        panel.PlaceNewObject(std::move(text), d.texts[size_t(i)]);
        model::TGFont font = t->Font();
        font.SetPointSize(9);
        t->SetTextFont(font);
        t->SetCaption(QStringLiteral("Northstar %1").arg(i + 1));
        t->SetShadowDepth(1);
        switch (i % 4) {
        case 0:
            break; // gradient
        case 1:
            t->SetSurfaceType(TGSuperText::stBrushImage);
            t->SetImage(wood);
            break;
        case 2:
            t->SetSurfaceType(TGSuperText::stBrushTransparent);
            break;
        default:
            t->SetSurfaceType(TGSuperText::stNormal);
            break;
        }
    }
}

// The plain design of the sheet baseline: ordinary shapes and text labels
// in the same places.
void populatePlain(ui::TGBusinessCardPanel32 &panel, const Design &d)
{
    for (int i = 0; i < Each; ++i) {
        auto shape = std::make_unique<model::TBCShapes>();
        shape->SetShape(i % 2 ? model::stRoundRect : model::stEllipse);
        panel.PlaceNewObject(std::move(shape), d.shapes[size_t(i)]);
        auto label = std::make_unique<model::TGPLabel>();
        model::TGPLabel *l = label.get();
        panel.PlaceNewObject(std::move(label), d.texts[size_t(i)]);
        l->SetCaption(QStringLiteral("Northstar %1").arg(i + 1));
    }
}

// The same outlines, text paths and fills drawn with a raw QPainter: each
// shape's outline filled with a texture or gradient brush and stroked, each
// text path filled and outlined.
void drawRaw(QPainter &painter, const Design &d, double zoom)
{
    painter.fillRect(QRect(0, 0, painter.device()->width(), painter.device()->height()), Qt::white);
    painter.save();
    painter.scale(zoom, zoom);
    const QBrush wood(d.wood);
    QLinearGradient gradient(0, 0, 0, 48);
    gradient.setColorAt(0, Qt::blue);
    gradient.setColorAt(1, Qt::red);
    painter.setPen(QPen(Qt::black, 1));
    for (int i = 0; i < Each; ++i) {
        const QRect r = d.shapes[size_t(i)];
        painter.setBrush(i % 2 ? wood : QBrush(gradient));
        if (i % 5 == 1) {
            painter.drawRoundedRect(r.adjusted(4, 4, 4, 4), 12, 12);
            painter.drawRoundedRect(r, 12, 12);
        } else if (i % 5 == 2) {
            painter.drawEllipse(r);
        } else {
            QPolygonF star;
            for (int k = 0; k < 10; ++k) {
                const double a = (36.0 * k - 90.0) * M_PI / 180.0;
                const double radius = (k % 2 ? 10.0 : 20.0);
                star << QPointF(r.center().x() + radius * std::cos(a), r.center().y() + radius * std::sin(a));
            }
            painter.drawPolygon(star);
        }
    }
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    font.setBold(true);
    const int ascent = QFontMetrics(font).ascent();
    for (int i = 0; i < Each; ++i) {
        const QRect r = d.texts[size_t(i)];
        QPainterPath path;
        path.addText(QPointF(r.left() + 5, r.top() + ascent), font,
                     QStringLiteral("Northstar %1").arg(i + 1));
        painter.fillPath(path.translated(1, 1), Qt::gray);
        painter.fillPath(path, i % 2 ? wood : QBrush(gradient));
        painter.strokePath(path, QPen(Qt::black, 1));
    }
    painter.restore();
}

// Composes one sheet of every card position into a PDF at 600 dots per
// inch, as the print command does for a PDF printer.
void composeSheet(ui::TGBusinessCardPanel32 &panel, const QString &pdf)
{
    printer::TReportPrinter report;
    report.SetOutputFileName(pdf);
    report.SetResolution(600);
    report.SetPaperSize(engine::PaperLetter);
    report.SetProcessEvents({});
    model::TLabelPrintJob job;
    job.Settings.PrintToPrinter = true;
    job.PrintObjects = [&](engine::TBaseReport &r, double x, double y) { panel.PrintObjects(r, x, y); };
    job.SetPrinting = [&](bool on) { panel.setPrinting(on); };
    report.OnBeforePrint = [&](engine::TBaseReport &r) { job.BeforePrintLabels(r); };
    report.OnPrint = [&](engine::TBaseReport &r) { job.PrintLabels(r); };
    report.Execute();
}

// Image objects the PDF stores (each picture is one XObject of subtype Image).
int pdfImages(const QString &pdf)
{
    QFile file(pdf);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    return int(file.readAll().count("/Subtype /Image"));
}

} // namespace

void RunSuperRows()
{
    const Design design = makeDesign();
    ui::TGBusinessCardPanel32 special;
    special.setCardSize(336, 192);
    populateSuper(special, design);
    special.SetZoom(1.5f);
    special.show();
    QApplication::processEvents();

    QImage target(special.size(), QImage::Format_ARGB32_Premultiplied);
    const double repaint = MedianMs(60, [&] {
        QPainter painter(&target);
        special.render(&painter);
    });
    const double repaintRaw = MedianMs(60, [&] {
        QPainter painter(&target);
        drawRaw(painter, design, 1.5);
    });
    PrintRow("repaint 10 SuperText + 10 SuperShape at 150 %", repaint, repaintRaw, 8.0, "ms");
    special.hide();
    special.SetZoom(1.0f);

    ui::TGBusinessCardPanel32 plain;
    plain.setCardSize(336, 192);
    populatePlain(plain, design);

    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("sheet.pdf"));
    const QString plainPdf = folder.filePath(QStringLiteral("plain.pdf"));
    const double sheet = MedianMs(5, [&] { composeSheet(special, pdf); });
    const double sheetPlain = MedianMs(5, [&] { composeSheet(plain, plainPdf); });
    PrintRow("10-card sheet of special objects to PDF", sheet, sheetPlain, 500.0, "ms");
    // The pictures the card's objects draw (textures and solid surfaces);
    // the sheet must hold each once, not once per card.
    QSet<qint64> pictures;
    for (int i = 0; i < special.ObjectCount(); ++i) {
        if (const auto *s = dynamic_cast<const TSuperShape *>(special.ObjectAt(i))) {
            if (s->SurfaceType() == TSuperShape::stBrushImage)
                pictures.insert(s->Image().Image().cacheKey());
            else if (s->SurfaceType() == TSuperShape::stBrushPattern)
                pictures.insert(s->SolidBitmap().cacheKey());
        } else if (const auto *t = dynamic_cast<const TGSuperText *>(special.ObjectAt(i))) {
            if (t->SurfaceType() == TGSuperText::stBrushImage)
                pictures.insert(t->Image().Image().cacheKey());
        }
    }
    const int images = pdfImages(pdf);
    std::printf("   the 10-card PDF stores %d pictures for the card's %d (%s), %.0f kB\n", images,
                int(pictures.size()), images == int(pictures.size()) ? "each once" : "NOT once each",
                double(QFile(pdf).size()) / 1024.0);
}

} // namespace cw::bench
