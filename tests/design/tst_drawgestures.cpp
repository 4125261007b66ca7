// Drawing and editing gestures on the design surface: the line tool follows
// the drag, new, pasted and cloned objects come out selected and never stack
// exactly, a press that selects goes on into a drag by the whole distance,
// and a locked object's handles look different.

#include "design/TGBusinessCardPanel32.h"
#include "design/TGHandle.h"
#include "design/model/TBCShapes.h"
#include "design/model/TGLineShape.h"
#include "support/TestFolder.h"

#include <QTest>

using namespace cw;
using namespace cw::ui;
using model::TGLineShape;

class TestDrawGestures : public QObject
{
    Q_OBJECT

    std::unique_ptr<test::TestFolder> folder;
    std::unique_ptr<TGBusinessCardPanel32> panel;
    qint64 clock = 5000;

    model::TBCShapes *addShape(const QRect &r)
    {
        auto s = std::make_unique<model::TBCShapes>();
        s->SetBounds(r);
        s->Loaded();
        return static_cast<model::TBCShapes *>(panel->AddObject(std::move(s)));
    }

    void drag(const QPoint &from, const QPoint &to)
    {
        QTest::mousePress(panel.get(), Qt::LeftButton, {}, from);
        clock += 50;
        QTest::mouseMove(panel.get(), (from + to) / 2);
        QTest::mouseMove(panel.get(), to);
        clock += 300;
        QTest::mouseRelease(panel.get(), Qt::LeftButton, {}, to);
    }

private slots:
    void init()
    {
        folder = std::make_unique<test::TestFolder>();
        panel = std::make_unique<TGBusinessCardPanel32>();
        panel->setCardSize(336, 192);
        panel->Clock = [this] { return clock; };
        panel->Frame().Clock = [this] { return clock; };
        panel->RunPopup = [](std::vector<model::TGMenuItem> &, const QPoint &) {};
        panel->show();
    }
    void cleanup()
    {
        panel.reset();
        folder.reset();
    }

    void lineToolFollowsTheDrag_data()
    {
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<int>("style");
        QTest::addColumn<QRect>("bounds");
        // Mostly sideways: horizontal, whichever way; the band keeps its
        // 15-pixel least height.
        QTest::newRow("right") << QPoint(40, 60) << QPoint(200, 66) << int(model::stHorizontal)
                               << QRect(40, 60, 160, 15);
        QTest::newRow("left") << QPoint(200, 66) << QPoint(40, 60) << int(model::stHorizontal)
                              << QRect(40, 60, 160, 15);
        // Mostly up or down: vertical, in the 50-pixel least width.
        QTest::newRow("down") << QPoint(100, 20) << QPoint(104, 150) << int(model::stVertical)
                              << QRect(100, 20, 50, 130);
        QTest::newRow("up") << QPoint(104, 150) << QPoint(100, 20) << int(model::stVertical)
                            << QRect(100, 20, 50, 130);
        // Diagonal: sloping the way it was dragged.
        QTest::newRow("down-right") << QPoint(30, 30) << QPoint(130, 110) << int(model::stAngleSlopingDown)
                                    << QRect(30, 30, 100, 80);
        QTest::newRow("up-left") << QPoint(130, 110) << QPoint(30, 30) << int(model::stAngleSlopingDown)
                                 << QRect(30, 30, 100, 80);
        QTest::newRow("up-right") << QPoint(30, 110) << QPoint(130, 30) << int(model::stAngleSlopingUp)
                                  << QRect(30, 30, 100, 80);
        QTest::newRow("down-left") << QPoint(130, 30) << QPoint(30, 110) << int(model::stAngleSlopingUp)
                                   << QRect(30, 30, 100, 80);
    }
    void lineToolFollowsTheDrag()
    {
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(int, style);
        QFETCH(QRect, bounds);
        panel->SetPanelState(psLine);
        drag(from, to);
        QCOMPARE(panel->ObjectCount(), 1);
        auto *line = dynamic_cast<TGLineShape *>(panel->ObjectAt(0));
        QVERIFY(line);
        QCOMPARE(int(line->LineStyle()), style);
        QCOMPARE(line->BoundsRect(), bounds);
        // The new line is selected, and the frame does not hold the mouse.
        QCOMPARE(panel->Frame().Count(), 1);
        QCOMPARE(panel->Frame().Item(0), line);
        QVERIFY(!panel->Frame().Captured());
    }

    void newObjectIsSelectedAndDrawingGoesOn()
    {
        model::TBCShapes *old = addShape(QRect(200, 100, 40, 40));
        panel->Frame().Add(old);
        panel->Frame().ReleaseCapture();
        panel->SetPanelState(psRectangle);
        drag(QPoint(20, 20), QPoint(90, 70));
        QCOMPARE(panel->ObjectCount(), 2);
        QCOMPARE(panel->Frame().Count(), 1);
        QCOMPARE(panel->Frame().Item(0), panel->ObjectAt(1));
        // The next band with the tool still makes a new object.
        drag(QPoint(20, 120), QPoint(90, 170));
        QCOMPARE(panel->ObjectCount(), 3);
        QCOMPARE(panel->Frame().Item(0), panel->ObjectAt(2));
    }

    void pastesAreSelectedAndDoNotStack()
    {
        model::TBCShapes *a = addShape(QRect(10, 20, 40, 30));
        panel->Frame().Add(a);
        panel->KeyDown(Qt::Key_C, Qt::ControlModifier);
        panel->KeyDown(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(panel->ObjectCount(), 2);
        QCOMPARE(panel->ObjectAt(1)->BoundsRect(), QRect(25, 35, 40, 30));
        QCOMPARE(panel->Frame().Count(), 1);
        QCOMPARE(panel->Frame().Item(0), panel->ObjectAt(1));
        clock += 2000; // past the one-second rule
        panel->KeyDown(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(panel->ObjectCount(), 3);
        QCOMPARE(panel->ObjectAt(2)->BoundsRect(), QRect(40, 50, 40, 30));
        QCOMPARE(panel->Frame().Item(0), panel->ObjectAt(2));
        // Two objects pasted together move on together.
        panel->SelectAll();
        panel->KeyDown(Qt::Key_C, Qt::ControlModifier);
        clock += 2000;
        panel->KeyDown(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(panel->ObjectCount(), 6);
        QCOMPARE(panel->Frame().Count(), 3);
        QCOMPARE(panel->ObjectAt(3)->BoundsRect(), QRect(55, 65, 40, 30));
        QCOMPARE(panel->ObjectAt(5)->BoundsRect(), QRect(85, 95, 40, 30));
    }

    void clonesAreSelectedAndDoNotStack()
    {
        model::TBCShapes *a = addShape(QRect(10, 20, 40, 30));
        panel->CloneObject(a); // from the object's menu: the original was not selected
        QCOMPARE(panel->ObjectAt(1)->BoundsRect(), QRect(10, 45, 40, 30));
        QCOMPARE(panel->Frame().Count(), 1);
        QCOMPARE(panel->Frame().Item(0), panel->ObjectAt(1));
        panel->CloneObject(a);
        QCOMPARE(panel->ObjectAt(2)->BoundsRect(), QRect(10, 70, 40, 30));
        QCOMPARE(panel->Frame().Item(0), panel->ObjectAt(2));
    }

    void selectAndDragMovesTheWholeDistance()
    {
        model::TBCShapes *a = addShape(QRect(40, 40, 60, 40));
        // One gesture: the press selects, the first move reported is already
        // 12 pixels on, the release is 50 across and 30 down.
        QTest::mousePress(panel.get(), Qt::LeftButton, {}, QPoint(60, 50));
        clock += 50;
        QTest::mouseMove(panel.get(), QPoint(72, 57));
        QTest::mouseMove(panel.get(), QPoint(110, 80));
        clock += 300;
        QTest::mouseRelease(panel.get(), Qt::LeftButton, {}, QPoint(110, 80));
        QCOMPARE(a->BoundsRect(), QRect(90, 70, 60, 40));
        // A second drag of the selected object on its frame moves as far.
        TGHandle &frame = panel->Frame();
        const QPoint onFrame = QPoint(120, 90) - frame.pos();
        QTest::mousePress(&frame, Qt::LeftButton, {}, onFrame);
        clock += 50;
        QTest::mouseMove(&frame, onFrame + QPoint(5, 0));
        QTest::mouseMove(&frame, onFrame + QPoint(-20, -10));
        clock += 300;
        QTest::mouseRelease(&frame, Qt::LeftButton, {}, onFrame + QPoint(-20, -10));
        QCOMPARE(a->BoundsRect(), QRect(70, 60, 60, 40));
    }

    void lockedObjectsShowHollowHandles()
    {
        model::TBCShapes *open = addShape(QRect(40, 40, 60, 40));
        model::TBCShapes *locked = addShape(QRect(180, 40, 60, 40));
        locked->SetLocked(true);
        auto handleCentre = [&](model::TBCShapes *o) {
            panel->SelectObjects({o});
            QImage image(panel->size(), QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            panel->Frame().render(&painter, panel->Frame().pos());
            painter.end();
            // The top-left handle spans (Left − 2, Top − 2) to (Left + 3, Top + 3).
            const QRect handle(o->Left() - 2, o->Top() - 2, 5, 5);
            return std::pair(image.pixelColor(handle.center()), image.pixelColor(handle.topLeft()));
        };
        const auto [openInside, openEdge] = handleCentre(open);
        QCOMPARE(openInside, QColor(Qt::black));
        QCOMPARE(openEdge, QColor(Qt::black));
        const auto [lockedInside, lockedEdge] = handleCentre(locked);
        QCOMPARE(lockedInside, QColor(Qt::white));
        QCOMPARE(lockedEdge, QColor(Qt::black));
    }
};

QTEST_MAIN(TestDrawGestures)
#include "tst_drawgestures.moc"
