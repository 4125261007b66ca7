#include "app/model/Exception.h"
#include "design/TGBusinessCardPanel32.h"
#include "design/TGHandle.h"
#include "design/TPopupMenuBuilder.h"
#include "design/model/TBCShapes.h"
#include "design/model/TGLabelObjectFiler.h"
#include "design/model/TGLineShape.h"
#include "print/engine/TCanvasReport.h"
#include "support/ScriptedInteraction.h"
#include "support/TestFolder.h"

#include <QFile>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

using namespace cw;
using namespace cw::model;
using ui::TGBusinessCardPanel32;

namespace {

// A shape that records the fonts the "Font" command hands it.
class FontTaker : public TBCShapes
{
public:
    QStringList fonts;
    void ApplyFont(const QFont &font) override { fonts << font.family(); }
};

void mouse(QWidget *w, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons buttons, QPoint pos,
           Qt::KeyboardModifiers mods = {})
{
    QMouseEvent e(type, QPointF(pos), QPointF(w->mapToGlobal(pos)), button, buttons, mods);
    QCoreApplication::sendEvent(w, &e);
}

void click(QWidget *w, QPoint pos, Qt::KeyboardModifiers mods = {})
{
    mouse(w, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, pos, mods);
    mouse(w, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, pos, mods);
}

void drag(QWidget *w, QPoint from, QPoint to, Qt::KeyboardModifiers mods = {})
{
    mouse(w, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, from, mods);
    mouse(w, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, to, mods);
    mouse(w, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, to, mods);
}

model::TGMenuItem *menuEntry(std::vector<TGMenuItem> &menu, const QString &caption)
{
    return TGMenuItem::Find(menu, caption);
}

} // namespace

class TestSurfaceObjects : public QObject
{
    Q_OBJECT

    std::unique_ptr<test::TestFolder> folder;
    std::unique_ptr<TGBusinessCardPanel32> panel;
    qint64 clock = 5000;

    TBCShapes *addShape(QRect r)
    {
        auto s = std::make_unique<TBCShapes>();
        s->SetBounds(r);
        s->Loaded();
        return static_cast<TBCShapes *>(panel->AddObject(std::move(s)));
    }

private slots:
    void init()
    {
        folder = std::make_unique<test::TestFolder>();
        panel = std::make_unique<TGBusinessCardPanel32>();
        panel->setCardSize(300, 200);
        panel->Clock = [this] { return clock; };
        panel->Frame().Clock = [this] { return clock; };
        panel->RunPopup = [](std::vector<TGMenuItem> &, const QPoint &) {};
    }
    void cleanup()
    {
        panel.reset();
        folder.reset();
    }

    void toolsCreateObjectsInBand()
    {
        QSignalSpy dropped(panel.get(), &ui::TGBasePanel::DroppedObjectEvent);
        QSignalSpy changed(panel.get(), &ui::TGBasePanel::LabelChangedEvent);
        panel->SetPanelState(ui::psEllipse);
        click(panel.get(), QPoint(20, 30)); // a click makes a 50 x 15 object
        QCOMPARE(panel->ObjectCount(), 1);
        auto *ellipse = dynamic_cast<TBCShapes *>(panel->ObjectAt(0));
        QVERIFY(ellipse);
        QCOMPARE(ellipse->Shape(), stEllipse);
        QCOMPARE(ellipse->BoundsRect(), QRect(20, 30, 50, 15));
        QCOMPARE(ellipse->Name, QString("Special1"));
        QCOMPARE(dropped.count(), 1);
        QVERIFY(changed.count() >= 1);

        // Bottom-right to top-left makes the same object as the other way.
        panel->SetPanelState(ui::psRoundRectangle);
        drag(panel.get(), QPoint(180, 120), QPoint(100, 60));
        drag(panel.get(), QPoint(100, 60), QPoint(180, 120));
        QCOMPARE(panel->ObjectAt(1)->BoundsRect(), QRect(100, 60, 80, 60));
        QCOMPARE(panel->ObjectAt(2)->BoundsRect(), QRect(100, 60, 80, 60));
        QCOMPARE(panel->ObjectAt(2)->Name, QString("Special3"));
        // Round rectangles drawn with the tool offer the degree of rounding.
        QVERIFY(TGMenuItem::Find(panel->ObjectAt(1)->PopupMenu(), "Degree of Rounding"));

        panel->SetPanelState(ui::psLine);
        drag(panel.get(), QPoint(10, 10), QPoint(14, 100)); // narrow: right becomes left + 50
        auto *line = dynamic_cast<TGLineShape *>(panel->ObjectAt(3));
        QVERIFY(line);
        QCOMPARE(line->LineStyle(), stVertical);
        QCOMPARE(line->BoundsRect(), QRect(10, 10, 50, 90));

        // At 150 % the object fills the band drawn, at the surface's zoom.
        panel->SetZoom(1.5f);
        panel->SetPanelState(ui::psRectangle);
        drag(panel.get(), QPoint(30, 30), QPoint(90, 60));
        QCOMPARE(panel->ObjectAt(4)->BoundsRect(), QRect(30, 30, 60, 30));
        QCOMPARE(panel->ObjectAt(4)->Zoom(), 1.5f);
        // A tool without a kind yet creates nothing.
        panel->SetPanelState(ui::psSuperText);
        click(panel.get(), QPoint(5, 5));
        QCOMPARE(panel->ObjectCount(), 5);
    }

    void clickSelectsAndShiftToggles()
    {
        TBCShapes *a = addShape(QRect(10, 10, 40, 30));
        TBCShapes *b = addShape(QRect(100, 10, 40, 30));
        TBCShapes *under = addShape(QRect(200, 100, 40, 30));
        TBCShapes *top = addShape(QRect(210, 110, 40, 30));
        ui::TGHandle &frame = panel->Frame();
        click(panel.get(), QPoint(20, 20));
        QCOMPARE(frame.Selection(), std::vector<TGGraphicControl *>({a}));
        click(panel.get(), QPoint(110, 20), Qt::ShiftModifier);
        QCOMPARE(frame.Count(), 2);
        // Shift+click on the frame over a selected object takes it out.
        click(&frame, QPoint(20, 20) - frame.pos(), Qt::ShiftModifier);
        QCOMPARE(frame.Selection(), std::vector<TGGraphicControl *>({b}));
        // The top-most object under the point is the one hit.
        click(panel.get(), QPoint(220, 120));
        QCOMPARE(frame.Selection(), std::vector<TGGraphicControl *>({top}));
        // Unselectable objects start a band instead; a click selects nothing.
        top->SetUnselectable(true);
        click(panel.get(), QPoint(245, 135));
        QCOMPARE(frame.Count(), 0);
        click(panel.get(), QPoint(205, 105));
        QCOMPARE(frame.Selection(), std::vector<TGGraphicControl *>({under}));
    }

    void bandSelectionWithShift()
    {
        TBCShapes *a = addShape(QRect(10, 10, 40, 30));
        TBCShapes *b = addShape(QRect(100, 10, 40, 30));
        addShape(QRect(200, 150, 40, 30));
        ui::TGHandle &frame = panel->Frame();
        drag(panel.get(), QPoint(5, 5), QPoint(60, 60));
        QCOMPARE(frame.Selection(), std::vector<TGGraphicControl *>({a}));
        // Shift+band over a selected and an unselected object swaps them.
        drag(panel.get(), QPoint(45, 5), QPoint(120, 30), Qt::ShiftModifier);
        QCOMPARE(frame.Selection(), std::vector<TGGraphicControl *>({b}));
        // A plain click on the empty card empties the selection.
        click(panel.get(), QPoint(150, 100));
        QCOMPARE(frame.Count(), 0);
    }

    void dragThroughSurfaceMovesObject()
    {
        TBCShapes *a = addShape(QRect(10, 10, 40, 30));
        mouse(panel.get(), QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, QPoint(20, 20));
        QVERIFY(panel->Frame().Captured());
        clock += 20;
        mouse(panel.get(), QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, QPoint(22, 20));
        clock += 200;
        mouse(panel.get(), QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, QPoint(42, 30));
        mouse(panel.get(), QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, QPoint(42, 30));
        // The whole distance from the press, the first two pixels included.
        QCOMPARE(a->BoundsRect(), QRect(32, 20, 40, 30));
        QVERIFY(!panel->Frame().Captured());
    }

    void alignCommandsMoveLockedObjectsToo()
    {
        TBCShapes *a = addShape(QRect(10, 40, 40, 30));
        TBCShapes *b = addShape(QRect(100, 10, 20, 20));
        TBCShapes *c = addShape(QRect(60, 80, 30, 50));
        b->SetLocked(true);
        panel->SelectAll();
        QSignalSpy changed(panel.get(), &ui::TGBasePanel::LabelChangedEvent);
        panel->AlignLefts();
        QCOMPARE(QList<int>({a->Left(), b->Left(), c->Left()}), QList<int>({10, 10, 10}));
        panel->AlignRights();
        QCOMPARE(QList<int>({a->Left(), b->Left(), c->Left()}), QList<int>({10, 30, 20})); // right edge 50
        panel->AlignTops();
        QCOMPARE(QList<int>({a->Top(), b->Top(), c->Top()}), QList<int>({10, 10, 10}));
        panel->AlignBottoms();
        QCOMPARE(QList<int>({a->Top(), b->Top(), c->Top()}), QList<int>({30, 40, 10})); // bottom 60
        QVERIFY(changed.count() >= 4);
    }

    void strayObjectsAreRemoved()
    {
        addShape(QRect(290, 10, 20, 20));
        addShape(QRect(291, 10, 20, 20));
        addShape(QRect(10, 190, 20, 20));
        addShape(QRect(10, 191, 20, 20));
        addShape(QRect(10, 10, 0, 20));
        panel->SelectAll();
        panel->RemoveStrayObjects();
        QCOMPARE(panel->ObjectCount(), 2);
        QCOMPARE(panel->ObjectAt(0)->Left(), 290);
        QCOMPARE(panel->ObjectAt(1)->Top(), 190);
        QCOMPARE(panel->Frame().Count(), 0);
    }

    void surfaceMenuEnableRules()
    {
        auto menu = panel->SurfaceMenu();
        QStringList captions;
        for (const TGMenuItem &i : menu)
            captions << i.Caption;
        QCOMPARE(captions, QStringList({"Bring To Front",
                                        "Send To Back",
                                        "-",
                                        "Cut",
                                        "Copy",
                                        "Paste",
                                        "-",
                                        "Delete",
                                        "-",
                                        "Align Left",
                                        "Align Right",
                                        "Align Tops",
                                        "Align Bottoms",
                                        "-",
                                        "Center Vertically",
                                        "Center Horizontally",
                                        "-",
                                        "Lock All",
                                        "Unlock All",
                                        "-",
                                        "Mark All Selectable",
                                        "Mark All Unselectable",
                                        "Select All",
                                        "-",
                                        "Font"}));
        QVERIFY(!menuEntry(menu, "Lock All")->Enabled);
        QVERIFY(!menuEntry(menu, "Unlock All")->Enabled);
        QVERIFY(!menuEntry(menu, "Bring To Front")->Enabled);
        QVERIFY(!menuEntry(menu, "Paste")->Enabled);
        QVERIFY(menuEntry(menu, "Select All")->Enabled);
        TBCShapes *a = addShape(QRect(10, 10, 40, 30));
        menu = panel->SurfaceMenu();
        QVERIFY(menuEntry(menu, "Lock All")->Enabled);
        QVERIFY(!menuEntry(menu, "Delete")->Enabled);
        menuEntry(menu, "Lock All")->Action();
        QVERIFY(a->Locked());
        menuEntry(menu, "Select All")->Action();
        menu = panel->SurfaceMenu();
        QVERIFY(menuEntry(menu, "Delete")->Enabled);
        QVERIFY(menuEntry(menu, "Font")->Enabled);
        menuEntry(menu, "Unlock All")->Action();
        QVERIFY(!a->Locked());
        menuEntry(menu, "Mark All Unselectable")->Action();
        QVERIFY(a->Unselectable());
        QCOMPARE(panel->Frame().Count(), 0);
        panel->SelectAll();
        QCOMPARE(panel->Frame().Count(), 0);
        menuEntry(menu, "Mark All Selectable")->Action();
        panel->SelectAll();
        QCOMPARE(panel->Frame().Count(), 1);
    }

    void zOrderCommands()
    {
        TBCShapes *a = addShape(QRect(10, 10, 40, 30));
        TBCShapes *b = addShape(QRect(20, 20, 40, 30));
        TBCShapes *c = addShape(QRect(30, 30, 40, 30));
        panel->Frame().Add(b);
        panel->Frame().Add(a);
        panel->BringSelectionToFront(); // last selected ends on top
        QCOMPARE(panel->IndexOfObject(c), 0);
        QCOMPARE(panel->IndexOfObject(b), 1);
        QCOMPARE(panel->IndexOfObject(a), 2);
        panel->SendSelectionToBack(); // last selected ends at the bottom
        QCOMPARE(panel->IndexOfObject(a), 0);
        QCOMPARE(panel->IndexOfObject(b), 1);
        QCOMPARE(panel->Frame().Count(), 0);
        // An object's own menu works on that object.
        TGMenuItem::Find(c->PopupMenu(), "Send To Back")->Action();
        QCOMPARE(panel->IndexOfObject(c), 0);
        TGMenuItem::Find(c->PopupMenu(), "Bring To Front")->Action();
        QCOMPARE(panel->IndexOfObject(c), 2);
    }

    void deleteKeyAndObjectDelete()
    {
        TBCShapes *a = addShape(QRect(10, 10, 40, 30));
        addShape(QRect(100, 10, 40, 30));
        TBCShapes *c = addShape(QRect(200, 10, 40, 30));
        QSignalSpy changed(panel.get(), &ui::TGBasePanel::LabelChangedEvent);
        panel->Frame().Add(a);
        panel->Frame().Add(c);
        panel->KeyDown(Qt::Key_Delete, {});
        QCOMPARE(panel->ObjectCount(), 1);
        QCOMPARE(panel->Frame().Count(), 0);
        QCOMPARE(changed.count(), 2);
        // Ctrl+Delete is not Delete.
        panel->SelectAll();
        panel->KeyDown(Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(panel->ObjectCount(), 1);
        // Delete from an unselected object's menu frees only that object.
        TBCShapes *d = addShape(QRect(10, 100, 40, 30));
        TGMenuItem::Find(d->PopupMenu(), "Delete")->Action();
        QCOMPARE(panel->ObjectCount(), 1);
        QCOMPARE(panel->Frame().Count(), 1);
    }

    void cloneFollowsSelection()
    {
        TBCShapes *a = addShape(QRect(10, 10, 40, 30));
        TBCShapes *b = addShape(QRect(100, 10, 40, 30));
        panel->Frame().Add(b);
        panel->CloneObject(a); // the clone becomes the selection
        QCOMPARE(panel->ObjectCount(), 3);
        QCOMPARE(panel->ObjectAt(2)->BoundsRect(), QRect(10, 35, 40, 30));
        QCOMPARE(panel->Frame().Selection(), std::vector<TGGraphicControl *>({panel->ObjectAt(2)}));
        panel->Frame().Clear();
        panel->Frame().Add(b);
        TGMenuItem::Find(b->PopupMenu(), "Clone")->Action();
        TGGraphicControl *copy = panel->ObjectAt(3);
        QCOMPARE(copy->BoundsRect(), QRect(100, 35, 40, 30));
        QCOMPARE(panel->Frame().Selection(), std::vector<TGGraphicControl *>({copy}));
        QVERIFY(copy->Name != panel->ObjectAt(2)->Name);
    }

    void zoomRescalesObjectsAndRendersAtCardSize()
    {
        TBCShapes *a = addShape(QRect(10, 15, 25, 35));
        TGBrush red;
        red.Color = clRed;
        a->SetBrush(red);
        panel->Frame().Add(a);
        panel->SetZoom(1.5f);
        QCOMPARE(panel->size(), QSize(450, 300));
        QCOMPARE(a->BoundsRect(), QRect(15, 22, 38, 52));
        QCOMPARE(panel->Frame().geometry(), QRect(13, 20, 44, 58)); // refit: + 2 around, 6 larger
        const QImage image = panel->RenderToBitmap();
        QCOMPARE(image.size(), QSize(450, 300));
        QCOMPARE(image.pixelColor(30, 40), QColor(Qt::red));
        QCOMPARE(image.pixelColor(13, 20), QColor(Qt::white)); // no handles
        QCOMPARE(image.pixelColor(15, 22), QColor(Qt::black)); // outline
        panel->SetZoom(1.0f);
        QCOMPARE(a->BoundsRect(), QRect(10, 15, 25, 35));
    }

    void surfacePaintsObjectsThenHandles()
    {
        panel->setDrawOutline(false);
        TBCShapes *under = addShape(QRect(40, 40, 60, 40));
        TBCShapes *over = addShape(QRect(70, 60, 60, 40));
        TGBrush blue;
        blue.Color = clBlue;
        over->SetBrush(blue);
        panel->Frame().Add(under);
        const QImage image = panel->grab().toImage();
        QCOMPARE(image.pixelColor(120, 90), QColor(Qt::blue)); // the upper object covers the lower
        QCOMPARE(image.pixelColor(50, 50), QColor(Qt::white));
        QCOMPARE(image.pixelColor(40, 50), QColor(Qt::black));
        // Handles of the selected object, on top of everything: corner and mid-edge squares.
        QCOMPARE(image.pixelColor(38, 38), QColor(Qt::black));
        QCOMPARE(image.pixelColor(101, 81), QColor(Qt::black)); // over the upper object
        QCOMPARE(image.pixelColor(70, 38), QColor(Qt::black));
        QCOMPARE(image.pixelColor(60, 38), QColor(Qt::white));
    }

    void printObjectsInZOrder()
    {
        addShape(QRect(0, 0, 96, 48));
        auto line = std::make_unique<TGLineShape>();
        line->SetBounds(0, 96, 96, 10);
        panel->AddObject(std::move(line));
        QImage sheet(300, 300, QImage::Format_RGB32);
        sheet.fill(Qt::white);
        engine::TCanvasReport report(sheet, 96, 96);
        report.OnPrint = [&](engine::TBaseReport &r) { panel->PrintObjects(r, 1.0, 0.5); };
        report.Execute();
        // Rectangle from (1, 0.5) to (2, 1) inches: its left edge at x = 96.
        QCOMPARE(sheet.pixelColor(96, 60), QColor(Qt::black));
        QCOMPARE(sheet.pixelColor(95, 60), QColor(Qt::white));
        QCOMPARE(sheet.pixelColor(140, 70), QColor(Qt::white));
        // The line at y = 0.5 + 96/96 inch.
        QCOMPARE(sheet.pixelColor(140, 144), QColor(Qt::black));
        QVERIFY(!panel->HasSuperObjects());
    }

    void clipboardAndPasteRule()
    {
        TBCShapes *a = addShape(QRect(10, 20, 40, 30));
        TGPen pen;
        pen.Width = 3;
        a->SetPen(pen);
        panel->Frame().Add(a);
        auto menu = panel->SurfaceMenu();
        QVERIFY(!menuEntry(menu, "Paste")->Enabled);
        panel->SetZoom(1.5f);
        panel->KeyDown(Qt::Key_C, Qt::ControlModifier);
        QVERIFY(QFile::exists(panel->ClipboardPath()));
        QCOMPARE(a->BoundsRect(), QRect(15, 30, 60, 45)); // the zoom is back
        menu = panel->SurfaceMenu();
        QVERIFY(menuEntry(menu, "Paste")->Enabled);
        panel->KeyDown(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(panel->ObjectCount(), 2);
        // The offset is 15 stored pixels from the stored position, shown at the zoom.
        QCOMPARE(panel->ObjectAt(1)->BoundsRect(), QRect(38, 52, 60, 45));
        QCOMPARE(panel->ObjectAt(1)->ClassName(), QString("TBCShapes"));
        QCOMPARE(static_cast<TBCShapes *>(panel->ObjectAt(1))->Pen().Width, 3);
        QCOMPARE(panel->ObjectAt(1)->Name, QString("Component1")); // "Component0" is taken
        clock += 500;
        panel->KeyDown(Qt::Key_V, Qt::ControlModifier); // within a second: ignored
        QCOMPARE(panel->ObjectCount(), 2);
        clock += 1200;
        panel->KeyDown(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(panel->ObjectCount(), 3);
        // A second paste of the same objects does not lie on the first.
        QCOMPARE(panel->ObjectAt(2)->StoredBounds(), panel->ObjectAt(1)->StoredBounds().translated(15, 15));
        QVERIFY(panel->ObjectAt(1)->Name != panel->ObjectAt(2)->Name);
        // Cut writes, then deletes.
        panel->KeyDown(Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(panel->ObjectCount(), 2);
        QCOMPARE(panel->Frame().Count(), 0);

        // The clipboard file does not outlive the surface.
        const QString clipboard = panel->ClipboardPath();
        panel.reset();
        QVERIFY(!QFile::exists(clipboard));
    }

    void objectMenusAsQMenuAndColourDialog()
    {
        test::ScriptedInteraction interaction;
        TBCShapes *a = addShape(QRect(10, 10, 40, 30));
        TGPen pen;
        pen.Width = 2;
        a->SetPen(pen);
        auto menu = ui::TPopupMenuBuilder::Build(a->PopupMenu());
        const QList<QAction *> actions = menu->actions();
        QCOMPARE(actions.size(), int(a->PopupMenu().size()));
        QCOMPARE(actions[0]->text(), QString("Bring To Front"));
        QVERIFY(actions[6]->isSeparator());
        QAction *thickness = nullptr;
        for (QAction *action : actions)
            if (action->text() == "Line Thickness")
                thickness = action;
        QVERIFY(thickness && thickness->menu());
        QCOMPARE(thickness->menu()->actions().size(), 10);
        QVERIFY(thickness->menu()->actions()[1]->isChecked());
        QVERIFY(!thickness->menu()->actions()[0]->isChecked());

        // Colours are chosen through the interaction service.
        interaction.colors.enqueue(QColor(0x12, 0x34, 0x56));
        TGMenuItem::Find(a->PopupMenu(), "Line Color")->Action();
        QCOMPARE(a->Pen().Color, TColor(0x563412));
    }

    void cardFilesHoldFullSizeCoordinates()
    {
        TBCShapes *a = addShape(QRect(10, 20, 100, 50));
        panel->SetZoom(1.3f);
        const QRect zoomed = a->BoundsRect();
        const QString path = folder->file("card.cwr");
        panel->SaveToFile(path);
        QCOMPARE(panel->Zoom(), 1.3f);
        QCOMPARE(a->BoundsRect(), zoomed);
        const auto read = TGLabelObjectFiler().ReadObjects(path);
        QCOMPARE(read.size(), std::size_t(1));
        QCOMPARE(read[0]->BoundsRect(), QRect(10, 20, 100, 50));

        // Opening at 150 % shows the stored objects at the surface's zoom.
        panel->ClearObjects();
        panel->SetZoom(1.5f);
        panel->LoadFromFile(path);
        QCOMPARE(panel->ObjectCount(), 1);
        QCOMPARE(panel->ObjectAt(0)->BoundsRect(), QRect(15, 30, 150, 75));
        QCOMPARE(panel->ObjectAt(0)->Host(), static_cast<TObjectHost *>(panel.get()));
        // A missing file reads nothing; a damaged one throws.
        panel->LoadFromFile(folder->file("none.cwr"));
        QCOMPARE(panel->ObjectCount(), 1);
        QFile bad(folder->file("bad.cwr"));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("\x01TPF1");
        bad.close();
        QVERIFY_THROWS_EXCEPTION(cw::Exception, panel->LoadFromFile(bad.fileName()));
    }

    void fontCommandThroughInteraction()
    {
        test::ScriptedInteraction interaction;
        auto taker = std::make_unique<FontTaker>();
        FontTaker *t = taker.get();
        panel->AddObject(std::move(taker));
        panel->Frame().Add(t);
        interaction.fonts.enqueue(QFont("Liberation Serif", 12));
        panel->ChooseSelectionFont();
        QCOMPARE(t->fonts, QStringList({"Liberation Serif"}));
        panel->ChooseSelectionFont(); // cancelled
        QCOMPARE(t->fonts.size(), 1);
    }
};

QTEST_MAIN(TestSurfaceObjects)
#include "tst_surfaceobjects.moc"
