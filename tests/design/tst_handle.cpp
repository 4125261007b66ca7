#include "design/TGHandle.h"
#include "design/model/TBCShapes.h"

#include <QImage>
#include <QPainter>
#include <QTest>

using namespace cw;
using namespace cw::model;
using ui::TGHandle;

class TestHandle : public QObject
{
    Q_OBJECT

    QWidget surface;
    std::unique_ptr<TGHandle> frame;
    qint64 clock = 1000;
    TBCShapes a, b, c;

private slots:
    void init()
    {
        surface.resize(300, 200);
        frame = std::make_unique<TGHandle>(&surface);
        frame->Clock = [this] { return clock; };
        a.SetBounds(10, 20, 30, 40);
        b.SetBounds(100, 50, 20, 10);
        c.SetBounds(60, 10, 10, 10);
        for (TBCShapes *s : {&a, &b, &c}) {
            s->SetLocked(false);
            s->SetUnselectable(false);
        }
    }
    void cleanup() { frame.reset(); }

    void selectionGeometry()
    {
        QVERIFY(frame->isHidden());
        frame->Add(&a);
        QVERIFY(!frame->isHidden() && frame->isEnabled());
        QCOMPARE(frame->geometry(), QRect(8, 18, 35, 45));
        frame->Add(&b); // union: right = max(8 + 35 - 3, 120), bottom = max(18 + 45 - 3, 60)
        QCOMPARE(frame->geometry(), QRect(8, 18, 115, 45));
        frame->Add(&b);
        QCOMPARE(frame->Count(), 2);
        QCOMPARE(frame->IndexOf(&b), 1);
        QVERIFY(!frame->Item(2));
        frame->Remove(&a);
        QCOMPARE(frame->geometry(), QRect(98, 48, 25, 15));
        frame->Add(&a);
        frame->Refit(); // union + 2 on each side, 6 larger
        QCOMPARE(frame->geometry(), QRect(8, 18, 116, 46));
        frame->Clear();
        QCOMPARE(frame->Count(), 0);
        QVERIFY(frame->isHidden() && !frame->isEnabled());
        QCOMPARE(frame->size(), QSize(24, 24));
        a.SetUnselectable(true);
        frame->Add(&a);
        QCOMPARE(frame->Count(), 0);
    }

    void hoverZonesAndCursors()
    {
        frame->Add(&a); // frame 35 x 45
        struct Row
        {
            QPoint p;
            int zone;
            Qt::CursorShape cursor;
        };
        const Row rows[] = {{{0, 0}, 1, Qt::SizeFDiagCursor},    {{35, 45}, 4, Qt::SizeFDiagCursor},
                            {{35, 0}, 2, Qt::SizeBDiagCursor},   {{0, 45}, 3, Qt::SizeBDiagCursor},
                            {{17, 0}, 5, Qt::SizeVerCursor},     {{17, 45}, 7, Qt::SizeVerCursor},
                            {{0, 22}, 6, Qt::SizeHorCursor},     {{35, 22}, 8, Qt::SizeHorCursor},
                            {{17, 22}, 0, Qt::ClosedHandCursor}, {{7, 7}, 1, Qt::SizeFDiagCursor},
                            {{8, 7}, 0, Qt::ClosedHandCursor}};
        for (const Row &r : rows) {
            frame->HandleMouseMove(Qt::NoButton, {}, r.p);
            QCOMPARE(frame->Zone(), r.zone);
            QCOMPARE(frame->cursor().shape(), r.cursor);
        }
        // Several objects can be moved together but not resized.
        frame->Add(&b);
        frame->HandleMouseMove(Qt::NoButton, {}, QPoint(0, 0));
        QCOMPARE(frame->Zone(), 0);
    }

    void quickClickMovesNothing()
    {
        frame->Add(&a);
        frame->HandleMouseDown(Qt::LeftButton, {}, QPoint(17, 22));
        clock += 50;
        frame->HandleMouseMove(Qt::LeftButton, {}, QPoint(20, 25));
        QVERIFY(!frame->OutlineRect().isEmpty());
        clock += 50;
        frame->HandleMouseUp(Qt::LeftButton, {}, QPoint(20, 25));
        QCOMPARE(a.BoundsRect(), QRect(10, 20, 30, 40));
        QVERIFY(frame->OutlineRect().isEmpty());
        QVERIFY(!frame->Dragging());
    }

    void dragMovesUnlockedSelection()
    {
        c.SetLocked(true);
        frame->Add(&a);
        frame->Add(&c);
        frame->Add(&b);
        const QRect before = frame->geometry();
        frame->HandleMouseDown(Qt::LeftButton, {}, QPoint(40, 40));
        clock += 200;
        frame->HandleMouseMove(Qt::LeftButton, {}, QPoint(50, 45));
        QCOMPARE(frame->OutlineRect(), before.translated(10, 5));
        clock += 100;
        frame->HandleMouseUp(Qt::LeftButton, {}, QPoint(50, 45));
        QCOMPARE(a.BoundsRect(), QRect(20, 25, 30, 40));
        QCOMPARE(b.BoundsRect(), QRect(110, 55, 20, 10));
        QCOMPARE(c.BoundsRect(), QRect(60, 10, 10, 10)); // locked: stays put
        QCOMPARE(frame->geometry(), before.translated(10, 5));
    }

    void selectingPressTurnsIntoDrag()
    {
        // Add (from a press on an object) starts the clock; a move with the
        // button held more than 10 ms later starts the drag there.
        frame->Add(&a);
        QVERIFY(frame->Captured());
        clock += 5;
        frame->HandleMouseMove(Qt::LeftButton, {}, QPoint(10, 10));
        QVERIFY(!frame->Dragging());
        clock += 10;
        frame->HandleMouseMove(Qt::LeftButton, {}, QPoint(12, 10));
        QVERIFY(frame->Dragging());
        QCOMPARE(frame->DragStart(), QPoint(12, 10));
        clock += 200;
        frame->HandleMouseMove(Qt::LeftButton, {}, QPoint(22, 10));
        frame->HandleMouseUp(Qt::LeftButton, {}, QPoint(22, 10));
        QCOMPARE(a.Left(), 20);
        QVERIFY(!frame->Captured());
    }

    void dragStopsAtCardEdge()
    {
        frame->Add(&a);
        frame->HandleMouseDown(Qt::LeftButton, {}, QPoint(17, 22));
        clock += 200;
        // Far right of the 300-pixel card: the mouse is held at x = 300.
        frame->HandleMouseUp(Qt::LeftButton, {}, QPoint(1000, 22));
        QCOMPARE(a.Left(), 10 + (300 - 8) - 17);
    }

    void shiftArrowSizingLimits()
    {
        TBCShapes small;
        small.SetBounds(50, 50, 10, 10);
        frame->Add(&small); // frame 5 larger: the outline is 11 wide
        frame->HandleKeyDown(Qt::Key_Left, Qt::ShiftModifier);
        QCOMPARE(frame->KeyRect().width(), 10);
        frame->HandleKeyDown(Qt::Key_Left, Qt::ShiftModifier); // 10 wide: no further
        QCOMPARE(frame->KeyRect().width(), 10);
        frame->HandleKeyUp(Qt::Key_Left);
        QVERIFY(!frame->KeyMoving());
        QCOMPARE(small.BoundsRect(), QRect(50, 50, 9, 10));
        frame->HandleKeyDown(Qt::Key_Down, Qt::ShiftModifier);
        frame->HandleKeyUp(Qt::Key_Down);
        QCOMPARE(small.Height(), 11);
    }

    void arrowMovesStopAtEdges()
    {
        TBCShapes corner;
        corner.SetBounds(1, 1, 20, 20);
        frame->Add(&corner);
        for (int i = 0; i < 3; ++i) {
            frame->HandleKeyDown(Qt::Key_Left, {});
            frame->HandleKeyDown(Qt::Key_Up, {});
        }
        frame->HandleKeyUp(Qt::Key_Up);
        QCOMPARE(corner.BoundsRect(), QRect(0, 0, 20, 20));
        frame->HandleKeyDown(Qt::Key_Right, Qt::ShiftModifier); // sizing needs one object: it is one
        frame->HandleKeyUp(Qt::Key_Right);
        QCOMPARE(corner.Width(), 21);
        // With two objects Shift+arrow moves instead of sizing.
        frame->Add(&b);
        frame->HandleKeyDown(Qt::Key_Right, Qt::ShiftModifier);
        frame->HandleKeyUp(Qt::Key_Right);
        QCOMPARE(corner.BoundsRect(), QRect(1, 0, 21, 20));
        QCOMPARE(b.Left(), 101);
    }

    void keysGoOnToSurface()
    {
        QList<int> keys;
        frame->KeyToSurface = [&](int key, Qt::KeyboardModifiers) { keys << key; };
        frame->Add(&a);
        frame->HandleKeyDown(Qt::Key_Delete, {});
        frame->HandleKeyDown(Qt::Key_Left, {});
        QCOMPARE(keys, QList<int>({Qt::Key_Delete, Qt::Key_Left}));
    }

    void rightClickAndDoubleClick()
    {
        QString popped;
        frame->ShowObjectPopup = [&](TGHandle::Object &o, const QPoint &) { popped = o.Name; };
        frame->ShowSurfacePopup = [&](const QPoint &) { popped = "surface"; };
        a.Name = "a";
        frame->Add(&a);
        frame->HandleMouseDown(Qt::RightButton, {}, QPoint(17, 22));
        QCOMPARE(popped, QString("a"));
        frame->Add(&b);
        frame->HandleMouseDown(Qt::RightButton, {}, QPoint(17, 22));
        QCOMPARE(popped, QString("surface"));
        frame->HandleMouseUp(Qt::RightButton, {}, QPoint(17, 22));

        frame->Clear();
        frame->Add(&a);
        int edits = 0;
        popped.clear();
        frame->HandleDoubleClick(QPoint(17, 22));
        QCOMPARE(popped, QString("a")); // no editor: the popup menu
        struct NullHost : TObjectHost
        {
            void Changed() override {}
            void ObjectMoved(TGGraphicControl &) override {}
            void InvalidateRect(const QRect &) override {}
            QSize SurfaceSize() const override { return {}; }
            bool IsPrinting() const override { return false; }
            bool IsZooming() const override { return false; }
            bool IsPreviewing() const override { return false; }
            QFont SurfaceFont() const override { return {}; }
            QString PersonalInfoText(int) const override { return {}; }
            bool IsSelected(const TGGraphicControl &) const override { return false; }
            void RemoveFromSelection(TGGraphicControl &) override {}
            void ObjectCommand(TGGraphicControl &, TObjectCommand) override {}
            std::optional<TColor> ChooseColor(TColor) override { return {}; }
            void Repaint() override {}
        } host;
        a.SetHost(&host);
        a.OnEdit = [&](TObjectHost &) { ++edits; };
        frame->HandleMouseDown(Qt::LeftButton, {}, QPoint(17, 22));
        frame->HandleDoubleClick(QPoint(17, 22));
        QCOMPARE(edits, 1);
        // The double-click's press does not go on into a drag.
        clock += 300;
        frame->HandleMouseMove(Qt::LeftButton, {}, QPoint(40, 40));
        QVERIFY(!frame->Dragging());
        frame->HandleMouseUp(Qt::LeftButton, {}, QPoint(40, 40));
        QCOMPARE(a.Left(), 10);
        a.OnEdit = nullptr;
        a.SetHost(nullptr);
    }

    void drawingModePassesMouseOn()
    {
        QList<QPoint> passed;
        frame->IsPointing = [] { return false; };
        frame->PassToSurface = [&](QEvent::Type, Qt::MouseButton, Qt::MouseButtons, Qt::KeyboardModifiers,
                                   const QPoint &p) { passed << p; };
        frame->Add(&a);
        frame->HandleMouseDown(Qt::LeftButton, {}, QPoint(5, 6));
        frame->HandleMouseMove(Qt::LeftButton, {}, QPoint(7, 8));
        frame->HandleMouseUp(Qt::LeftButton, {}, QPoint(9, 10));
        QCOMPARE(passed, QList<QPoint>({QPoint(13, 24), QPoint(15, 26), QPoint(17, 28)}));
        QCOMPARE(a.Left(), 10);
    }

    void handlesColourBySelectionSize()
    {
        surface.show();
        frame->Add(&a);
        QImage one(frame->size(), QImage::Format_ARGB32);
        one.fill(Qt::transparent);
        frame->render(&one);
        QCOMPARE(one.pixelColor(0, 0), QColor(Qt::black));
        QCOMPARE(one.pixelColor(17, 2), QColor(Qt::black)); // mid-edge handle
        frame->Add(&b);
        QImage two(frame->size(), QImage::Format_ARGB32);
        two.fill(Qt::transparent);
        frame->render(&two);
        QCOMPARE(two.pixelColor(0, 0), QColor(0x80, 0x80, 0x80));
        QCOMPARE(two.pixelColor(17, 2).alpha(), 0); // no mid-edge handles
        surface.hide();
    }
};

QTEST_MAIN(TestHandle)
#include "tst_handle.moc"
