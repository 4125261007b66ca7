// The benchmark program: measures the work the design surface does for a
// user, each figure beside a baseline measured in the same run, so results
// compare across noisy machines.  Run it by hand (it is not a test):
//
//     QT_QPA_PLATFORM=offscreen ./build/bench/cardwright-bench
//
// Rows beyond the surface's (card files, start-up, memory) live in their own
// files beside this one.
//
// Each row prints the median time of the measured work, the median of its
// baseline, their ratio, the budget and PASS or FAIL against the budget.

#include "BenchSupport.h"
#include "design/TGBusinessCardPanel32.h"
#include "design/TGHandle.h"
#include "design/model/TBCShapes.h"
#include "design/model/TGLabelObjectFiler.h"
#include "design/model/TGLineShape.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <random>
#include <vector>

using namespace cw;

namespace {

double medianMs(int runs, const std::function<void()> &work)
{
    std::vector<double> times;
    times.reserve(size_t(runs));
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        work();
        times.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void row(const char *name, double ms, double baselineMs, double budgetMs)
{
    std::printf("%-46s %9.3f ms  baseline %8.3f ms  ratio %6.2f  budget %6.1f ms  %s\n", name, ms, baselineMs,
                baselineMs > 0 ? ms / baselineMs : 0.0, budgetMs, ms < budgetMs ? "PASS" : "FAIL");
}

struct Primitive
{
    int kind; // 0 rectangle, 1 ellipse, 2 round rectangle, 3 line
    QRect r;
};

// 300 mixed shapes and lines spread over a 3.5 x 2 inch card.
std::vector<Primitive> makeDesign()
{
    std::mt19937 rng(20261208);
    std::uniform_int_distribution<int> x(0, 300), y(0, 170), w(8, 60), h(8, 40), k(0, 3);
    std::vector<Primitive> design;
    for (int i = 0; i < 300; ++i)
        design.push_back({k(rng), QRect(x(rng), y(rng), w(rng), h(rng))});
    return design;
}

void populate(ui::TGBusinessCardPanel32 &panel, const std::vector<Primitive> &design)
{
    for (const Primitive &p : design) {
        std::unique_ptr<model::TGGraphicControl> object;
        if (p.kind == 3) {
            auto line = std::make_unique<model::TGLineShape>();
            line->SetLineStyle(model::stHorizontal);
            object = std::move(line);
        } else {
            auto shape = std::make_unique<model::TBCShapes>();
            shape->SetShape(p.kind == 0   ? model::stRectangle
                            : p.kind == 1 ? model::stEllipse
                                          : model::stRoundRect);
            object = std::move(shape);
        }
        panel.PlaceNewObject(std::move(object), p.r);
    }
}

// The same primitives drawn with a raw QPainter at the same scale.
void drawRaw(QPainter &painter, const std::vector<Primitive> &design, double zoom)
{
    painter.fillRect(QRect(0, 0, painter.device()->width(), painter.device()->height()), Qt::white);
    painter.save();
    painter.scale(zoom, zoom);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    for (const Primitive &p : design) {
        switch (p.kind) {
        case 0:
            painter.drawRect(p.r);
            break;
        case 1:
            painter.drawEllipse(p.r);
            break;
        case 2:
            painter.drawRoundedRect(p.r, 25, 25, Qt::RelativeSize);
            break;
        default:
            painter.drawLine(p.r.left(), p.r.center().y(), p.r.right(), p.r.center().y());
            break;
        }
    }
    painter.restore();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Memory first, before the other rows have grown the heap; the baseline
    // is this process with Qt started and no window.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    bench::InstallQuietInteraction();
    // "--merge": the merge row alone, so the peak memory it prints is its own.
    if (QCoreApplication::arguments().contains(QStringLiteral("--merge"))) {
        bench::RunMergeRows();
        return 0;
    }
    bench::RunMemoryRow();
    const std::vector<Primitive> design = makeDesign();

    ui::TGBusinessCardPanel32 panel;
    panel.setCardSize(336, 192);
    populate(panel, design);
    panel.SetZoom(1.5f);
    panel.show();
    QApplication::processEvents();

    std::printf("Cardwright benchmark (%d objects)\n", panel.ObjectCount());

    // Full repaint of the surface at 150 %.
    QImage target(panel.size(), QImage::Format_ARGB32_Premultiplied);
    const double repaint = medianMs(60, [&] {
        QPainter painter(&target);
        panel.render(&painter);
    });
    const double repaintRaw = medianMs(60, [&] {
        QPainter painter(&target);
        drawRaw(painter, design, 1.5);
    });
    row("repaint 300 objects at 150 %", repaint, repaintRaw, 8.0);

    // Drag of a selection of 50 objects: each mouse move is handled and the
    // surface repainted, as the event loop would.
    ui::TGHandle &frame = panel.Frame();
    frame.Clear();
    for (int i = 0; i < 50; ++i)
        frame.Add(panel.ObjectAt(i));
    model::TGGraphicControl *first = panel.ObjectAt(0);
    const QPoint grab = first->BoundsRect().center() - frame.pos();
    frame.HandleMouseDown(Qt::LeftButton, {}, grab);
    QThread::msleep(200); // past the click-versus-drag time
    int step = 0;
    const double drag = medianMs(100, [&] {
        ++step;
        frame.HandleMouseMove(Qt::LeftButton, {}, grab + QPoint(step % 40, step % 25));
        QPainter painter(&target);
        panel.render(&painter);
    });
    frame.HandleMouseUp(Qt::LeftButton, {}, grab + QPoint(step % 40, step % 25));
    std::vector<Primitive> moved = design;
    const double dragRaw = medianMs(100, [&] {
        ++step;
        for (int i = 0; i < 50; ++i)
            moved[size_t(i)].r.translate(1, 0);
        QPainter painter(&target);
        drawRaw(painter, moved, 1.5);
    });
    row("drag 50 selected objects: one mouse move", drag, dragRaw, 4.0);

    // One undo step: the design recorded after a change, at 150 % (copies
    // brought back to 100 %), beside writing the same objects as they are.
    const double snapshot = medianMs(30, [&] { (void)panel.DesignSnapshot(); });
    model::TGLabelObjectFiler::ObjectRefs refs;
    for (int i = 0; i < panel.ObjectCount(); ++i)
        refs.push_back(panel.ObjectAt(i));
    const double snapshotRaw = medianMs(30, [&] { (void)model::TGLabelObjectFiler::ObjectListBytes(refs); });
    row("undo step: record 300 objects at 150 %", snapshot, snapshotRaw, 8.0);
    bench::RunUndoRows();

    bench::RunSuperRows();
    bench::RunFileRows();
    bench::RunStartupRows(argv[0]);
    bench::RunMergeRows();
    return 0;
}
