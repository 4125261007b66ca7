#include "design/TGHandle.h"
#include "design/model/TBCShapes.h"

#include <QTest>

using namespace cw;
using namespace cw::model;
using ui::TGHandle;

// The frame's new bounds for a drag, by zone, with and without snapping.
class TestComputeBounds : public QObject
{
    Q_OBJECT

    QWidget surface;
    std::unique_ptr<TGHandle> frame;
    TBCShapes shape;
    qint64 clock = 1000;

    // Presses at `start` (frame coordinates) in the zone found there, as a
    // drag would; the frame is (8, 18, 35, 45) around the shape.
    void pressAt(QPoint start)
    {
        frame->HandleMouseMove(Qt::NoButton, {}, start);
        frame->HandleMouseDown(Qt::LeftButton, {}, start);
        clock += 200;
    }

private slots:
    void init()
    {
        surface.resize(300, 200);
        frame = std::make_unique<TGHandle>(&surface);
        frame->Clock = [this] { return clock; };
        shape.SetBounds(10, 20, 30, 40);
        frame->Add(&shape);
        QCOMPARE(frame->geometry(), QRect(8, 18, 35, 45));
    }
    void cleanup() { frame.reset(); }

    void zoneRows_data()
    {
        QTest::addColumn<QPoint>("start");
        QTest::addColumn<int>("zone");
        QTest::addColumn<QPoint>("mouse");
        QTest::addColumn<QRect>("bounds");
        // L = 8, T = 18, W = 35, H = 45
        QTest::newRow("move") << QPoint(17, 22) << 0 << QPoint(27, 27) << QRect(18, 23, 35, 45);
        QTest::newRow("top-left") << QPoint(1, 1) << 1 << QPoint(4, 6) << QRect(11, 23, 32, 40);
        QTest::newRow("top-right") << QPoint(34, 1) << 2 << QPoint(39, -2) << QRect(8, 15, 39, 48);
        QTest::newRow("bottom-left") << QPoint(1, 44) << 3 << QPoint(-1, 50) << QRect(6, 18, 37, 50);
        QTest::newRow("bottom-right") << QPoint(35, 45) << 4 << QPoint(40, 50) << QRect(8, 18, 39, 49);
        QTest::newRow("top edge") << QPoint(17, 0) << 5 << QPoint(30, 5) << QRect(8, 23, 35, 40);
        QTest::newRow("left edge") << QPoint(0, 22) << 6 << QPoint(-5, 0) << QRect(3, 18, 40, 45);
        QTest::newRow("bottom edge") << QPoint(17, 45) << 7 << QPoint(0, 35) << QRect(8, 18, 35, 34);
        // Right edge, snapping off, mouse +10: the frame (and object) grow by 9.
        QTest::newRow("right edge") << QPoint(34, 22) << 8 << QPoint(44, 22) << QRect(8, 18, 44, 45);
        // Never so small that the object (5 pixels inside the frame) loses its
        // last pixel: 6 x 6, where a frame of 5 x 5 would leave it 0 x 0.
        QTest::newRow("minimum size") << QPoint(35, 45) << 4 << QPoint(-20, -20) << QRect(8, 18, 6, 6);
    }
    void zoneRows()
    {
        QFETCH(QPoint, start);
        QFETCH(int, zone);
        QFETCH(QPoint, mouse);
        QFETCH(QRect, bounds);
        pressAt(start);
        QCOMPARE(frame->Zone(), zone);
        QCOMPARE(frame->ComputeBounds(mouse.x(), mouse.y()), bounds);
    }

    void rightEdgeGrowsObjectOneLessThanMouse()
    {
        pressAt(QPoint(34, 22));
        frame->HandleMouseMove(Qt::LeftButton, {}, QPoint(44, 22));
        frame->HandleMouseUp(Qt::LeftButton, {}, QPoint(44, 22));
        QCOMPARE(shape.Width(), 39);
        QCOMPARE(shape.Left(), 10);
    }

    void snappingPutsObjectOnGridDots()
    {
        frame->SetGridX(4);
        frame->SetGridY(4);
        frame->SetSnapToGrid(true);
        QVERIFY(frame->SnapToGrid());
        pressAt(QPoint(17, 22));
        const QRect f = frame->ComputeBounds(24, 26);
        QCOMPARE(f.topLeft(), QPoint(12, 20)); // snap(15) = 12, snap(22) = 20
        frame->HandleMouseUp(Qt::LeftButton, {}, QPoint(24, 26));
        QCOMPARE(shape.Left(), 14); // frame left + 2, on the grid dots (x = 2 mod 4)
        QCOMPARE(shape.Top(), 22);
        QCOMPARE(shape.BoundsRect().size(), QSize(30, 40));
        // Snapping truncates toward zero left of the card (frame left is now 12).
        pressAt(QPoint(17, 22));
        QCOMPARE(frame->ComputeBounds(-16, 22).left(), -20); // snap(-21) = -20
        frame->SetSnapToGrid(false);
        QVERIFY(!frame->SnapToGrid());
        QCOMPARE(frame->GridX(), 1);
    }
};

QTEST_MAIN(TestComputeBounds)
#include "tst_computebounds.moc"
