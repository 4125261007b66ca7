#include "FakeObjectHost.h"
#include "design/model/TBCShapes.h"

#include <QImage>
#include <QPainter>
#include <QTest>

using namespace cw;
using namespace cw::model;

namespace {
// A kind whose painting fails, to check that PaintTo restores the painter.
class FailingObject : public TBCShapes
{
public:
    void Paint(QPainter &painter) override
    {
        painter.translate(50, 50);
        throw std::runtime_error("paint failed");
    }
};

TGMenuItem &entry(TGGraphicControl &o, const QString &caption)
{
    TGMenuItem *item = TGMenuItem::Find(o.PopupMenu(), caption);
    if (!item)
        qFatal("menu entry %s missing", qPrintable(caption));
    return *item;
}
} // namespace

class TestGraphicControl : public QObject
{
    Q_OBJECT
private slots:
    void boundsNotification()
    {
        test::FakeObjectHost host;
        TBCShapes shape;
        shape.SetHost(&host);
        shape.Loaded();
        // The first change is compared with the bounds before it, like any
        // other (only a fit while painting is not a change of the design).
        shape.SetBounds(10, 20, 100, 50);
        QCOMPARE(host.changes, 1);
        QCOMPARE(host.moves, 1);
        host.changes = host.moves = 0;
        // Unchanged bounds report nothing.
        shape.SetBounds(10, 20, 100, 50);
        shape.BoundsChanged();
        QCOMPARE(host.changes, 0);
        shape.SetLeft(11);
        QCOMPARE(host.changes, 1);
        QCOMPARE(host.moves, 1);
        // While printing or zooming moves still refit the frame, but the
        // design is not marked changed.
        host.printing = true;
        shape.SetTop(30);
        host.printing = false;
        host.zooming = true;
        shape.SetTop(31);
        host.zooming = false;
        QCOMPARE(host.changes, 1);
        QCOMPARE(host.moves, 3);
        // Reading an object sets its bounds silently.
        TBCShapes read;
        read.SetHost(&host);
        read.BeginLoading();
        read.SetBounds(1, 2, 3, 4);
        read.SetLocked(true);
        read.Loaded();
        QCOMPARE(host.changes, 1);
        QVERIFY(TGMenuItem::Find(read.PopupMenu(), "Locked")->Checked);
    }

    void zoomRescalesHalvesToEven()
    {
        TBCShapes shape;
        shape.SetBounds(10, 15, 25, 35);
        shape.SetZoom(1.5f);
        QCOMPARE(shape.BoundsRect(), QRect(15, 22, 38, 52)); // 22.5 -> 22, 37.5 -> 38, 52.5 -> 52
        QCOMPARE(shape.Zoom(), 1.5f);
        shape.SetZoom(1.0f);
        QCOMPARE(shape.BoundsRect(), QRect(10, 15, 25, 35));
    }

    void commonMenuCommands()
    {
        test::FakeObjectHost host;
        TBCShapes shape;
        shape.SetHost(&host);
        shape.Loaded();
        shape.SetBounds(10, 20, 40, 301);
        QStringList captions;
        for (const TGMenuItem &i : shape.PopupMenu())
            captions << i.Caption;
        QCOMPARE(captions.mid(0, 12),
                 QStringList({"Bring To Front", "Send To Back", "Cut", "Copy", "Delete", "Clone", "-",
                              "Locked", "Unselectable", "-", "Center Vertically", "Center Horizontally"}));

        // Centring on a 300 x 200 card; an object taller than the card gets a negative top.
        entry(shape, "Center Vertically").Action();
        QCOMPARE(shape.Top(), 100 - 150);
        entry(shape, "Center Horizontally").Action();
        QCOMPARE(shape.Left(), 150 - 20);

        // Locked toggles flag and check state; twice restores both.
        host.changes = 0;
        entry(shape, "Locked").Action();
        QVERIFY(shape.Locked());
        QVERIFY(entry(shape, "Locked").Checked);
        entry(shape, "Locked").Action();
        QVERIFY(!shape.Locked());
        QVERIFY(!entry(shape, "Locked").Checked);
        QCOMPARE(host.changes, 2);

        // Unselectable only sets; on an already unselectable object it still notifies.
        host.selected = {&shape};
        entry(shape, "Unselectable").Action();
        QVERIFY(shape.Unselectable());
        QVERIFY(host.selected.empty());
        host.changes = 0;
        entry(shape, "Unselectable").Action();
        QVERIFY(shape.Unselectable());
        QCOMPARE(host.changes, 1);

        entry(shape, "Delete").Action();
        entry(shape, "Copy").Action();
        QCOMPARE(host.commands.size(), std::size_t(2));
        QCOMPARE(host.commands[0].second, TObjectCommand::Delete);
        QCOMPARE(host.commands[1].second, TObjectCommand::Copy);
    }

    void propertyTableOrderAndStoredRules()
    {
        TBCShapes shape;
        const TPropertyTable &table = shape.Properties();
        QStringList names;
        for (const TPropertyInfo &p : table.Properties())
            names << p.Name;
        QCOMPARE(names.mid(0, 9), QStringList({"Tag", "Left", "Top", "Width", "Height", "Cursor", "Hint",
                                               "Locked", "Unselectable"}));
        QVERIFY(table.Find("pen.width"));
        QCOMPARE(table.Find("Pen.Width")->Group(), QString("Pen"));
        QVERIFY(!table.Find("Caption"));

        shape.SetBounds(0, 0, 0, 0);
        QStringList stored;
        for (const TPropertyInfo &p : table.Properties())
            if (TPropertyTable::IsStored(p, shape))
                stored << p.Name;
        // Properties without a default are written even at zero/false.
        QCOMPARE(stored,
                 QStringList({"Left", "Top", "Width", "Height", "Locked", "Unselectable", "Transparent"}));
        shape.Hint = "x";
        shape.Tag = 3;
        QVERIFY(TPropertyTable::IsStored(*table.Find("Hint"), shape));
        QVERIFY(TPropertyTable::IsStored(*table.Find("Tag"), shape));
    }

    void cloneCopiesPropertiesAndZoom()
    {
        TBCShapes shape;
        shape.SetZoom(1.5f);
        shape.SetBounds(15, 30, 150, 75);
        shape.SetShape(stEllipse);
        TGPen pen;
        pen.Width = 4;
        pen.Color = clRed;
        shape.SetPen(pen);
        shape.SetLocked(true);
        std::unique_ptr<TGGraphicControl> copy = shape.CloneObject();
        QCOMPARE(copy->ClassName(), QString("TBCShapes"));
        QCOMPARE(copy->Zoom(), 1.5f);
        QCOMPARE(copy->BoundsRect(), shape.BoundsRect());
        auto *c = static_cast<TBCShapes *>(copy.get());
        QCOMPARE(c->Shape(), stEllipse);
        QCOMPARE(c->Pen(), pen);
        QVERIFY(c->Locked());
        QVERIFY(!c->Loading());
        QVERIFY(!c->PopupMenu().empty());
        // Snapshots restore through the same table.
        const auto snap = shape.Properties().Snapshot(shape);
        TBCShapes other;
        other.BeginLoading();
        other.Properties().Restore(other, snap);
        other.Loaded();
        QCOMPARE(other.Properties().Snapshot(other), snap);
    }

    void paintToRestoresPainterOnFailure()
    {
        QImage image(50, 50, QImage::Format_ARGB32);
        QPainter painter(&image);
        FailingObject failing;
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, failing.PaintTo(painter, 7, 9));
        QVERIFY(painter.transform().isIdentity());
    }

    void selectionHandleSquares()
    {
        const QRect bounds(10, 20, 30, 40); // R = (8, 18, 42, 62)
        const auto corners = TGGraphicControl::SelectionHandleRects(bounds, false);
        QCOMPARE(corners.size(), std::size_t(4));
        QCOMPARE(corners[0], QRect(8, 18, 5, 5));
        QCOMPARE(corners[2], QRect(37, 57, 5, 5));
        const auto all = TGGraphicControl::SelectionHandleRects(bounds, true);
        QCOMPARE(all.size(), std::size_t(8));
        QCOMPARE(all[4], QRect(23, 18, 5, 5)); // hx = 8 + 17
        QCOMPARE(all[6], QRect(8, 38, 5, 5));  // hy = 18 + 22
    }

    void trimOnlyBlanks()
    {
        QCOMPARE(TGGraphicControl::Trim("  \ta b\t  "), QString("\ta b\t"));
        QCOMPARE(TGGraphicControl::TrimLeft("  x "), QString("x "));
        QCOMPARE(TGGraphicControl::TrimRight("  x "), QString("  x"));
    }
};

QTEST_MAIN(TestGraphicControl)
#include "tst_graphiccontrol.moc"
