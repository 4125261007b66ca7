// No resize makes an object smaller than one pixel, so no object is lost by
// the next save (which drops objects without area), and a small object keeps
// a middle that moves it.  Generated over object sizes, every resize zone,
// drags in every direction, and both frame margins (5 pixels after a click,
// 6 after a refit).
#include "design/TGBusinessCardPanel32.h"
#include "design/TGHandle.h"
#include "design/model/TBCShapes.h"

#include <QTest>

using namespace cw;
using namespace cw::model;
using ui::TGBusinessCardPanel32;
using ui::TGHandle;

class TestResizeLimits : public QObject
{
    Q_OBJECT

    std::unique_ptr<TGBusinessCardPanel32> panel;
    qint64 clock = 10000;

    TGHandle &frame() { return panel->Frame(); }

    TGGraphicControl *addShape(const QRect &r)
    {
        auto s = std::make_unique<TBCShapes>();
        s->SetBounds(r);
        s->Loaded();
        return panel->AddObject(std::move(s));
    }

    // A slow drag (not a click) on the frame from `from` to `to`, frame coordinates.
    void drag(QPoint from, QPoint to)
    {
        frame().HandleMouseMove(Qt::NoButton, {}, from); // hover: picks the zone
        frame().HandleMouseDown(Qt::LeftButton, {}, from);
        clock += 300;
        frame().HandleMouseMove(Qt::LeftButton, {}, to);
        frame().HandleMouseUp(Qt::LeftButton, {}, to);
    }

    // A point of the frame whose hover zone is `zone`, if any.
    std::optional<QPoint> pointInZone(int zone)
    {
        for (int y = 0; y <= frame().height(); ++y)
            for (int x = 0; x <= frame().width(); ++x) {
                frame().HandleMouseMove(Qt::NoButton, {}, QPoint(x, y));
                if (frame().Zone() == zone)
                    return QPoint(x, y);
            }
        return std::nullopt;
    }

private slots:
    void init()
    {
        panel = std::make_unique<TGBusinessCardPanel32>();
        panel->setCardSize(400, 300);
        panel->Frame().Clock = [this] { return clock; };
        panel->RunPopup = [](std::vector<TGMenuItem> &, const QPoint &) {};
    }
    void cleanup() { panel.reset(); }

    void noResizeCollapsesAnObject()
    {
        const QSize sizes[] = {{1, 1}, {2, 3}, {4, 15}, {10, 15}, {30, 2}, {60, 40}};
        const QPoint pulls[] = {{-300, 0}, {300, 0}, {0, -300}, {0, 300}, {-300, -300}, {300, 300}};
        for (bool refitted : {false, true})
            for (const QSize &size : sizes)
                for (int zone = 1; zone <= 8; ++zone) {
                    std::optional<QPoint> start;
                    for (const QPoint &pull : pulls) {
                        panel->ClearObjects();
                        TGGraphicControl *o = addShape(QRect(QPoint(180, 130), size));
                        frame().Add(o);
                        if (refitted)
                            frame().Refit();
                        if (!start)
                            start = pointInZone(zone);
                        if (!start)
                            break; // too small to have this zone
                        drag(*start, *start + pull);
                        const QString what = QString("%1 x %2, zone %3, pull (%4, %5)%6")
                                                 .arg(size.width())
                                                 .arg(size.height())
                                                 .arg(zone)
                                                 .arg(pull.x())
                                                 .arg(pull.y())
                                                 .arg(refitted ? ", refitted" : "");
                        QVERIFY2(o->Width() >= 1 && o->Height() >= 1,
                                 qPrintable(what + QString(": %1 x %2").arg(o->Width()).arg(o->Height())));
                        // Still on the card: the save's clean-up keeps it.
                        if (o->Left() <= panel->width() - 10 && o->Top() <= panel->height() - 10) {
                            panel->RemoveStrayObjects();
                            QVERIFY2(panel->ObjectCount() == 1, qPrintable(what + ": removed by Save"));
                        }
                    }
                }
    }

    void smallestToolObjectHasAMiddleThatMoves()
    {
        // A click with the rectangle tool makes the smallest tool object.
        panel->SetPanelState(ui::psRectangle);
        TGGraphicControl *o = panel->CreateObject(QRect(QPoint(100, 100), QPoint(100, 100)));
        panel->SetPanelState(ui::psPointing);
        for (int h : {15, 16, 20}) {
            o->SetBounds(100, 100, 10, h);
            for (bool refitted : {false, true}) {
                panel->ClearSelection();
                frame().Add(o);
                if (refitted)
                    frame().Refit();
                const QPoint middle(frame().width() / 2, frame().height() / 2);
                frame().HandleMouseMove(Qt::NoButton, {}, middle);
                QCOMPARE(frame().Zone(), 0);
                const QRect before = o->BoundsRect();
                drag(middle, middle + QPoint(7, 5));
                QCOMPARE(o->BoundsRect(), before.translated(7, 5));
                o->SetBounds(before);
            }
        }
        // A larger object keeps the grab zones of 8 pixels.
        o->SetBounds(100, 100, 40, 30);
        panel->ClearSelection();
        frame().Add(o); // frame 45 x 35
        frame().HandleMouseMove(Qt::NoButton, {}, QPoint(7, 7));
        QCOMPARE(frame().Zone(), 1);
        frame().HandleMouseMove(Qt::NoButton, {}, QPoint(38, 20));
        QCOMPARE(frame().Zone(), 8);
    }
};

QTEST_MAIN(TestResizeLimits)
#include "tst_resizelimits.moc"
