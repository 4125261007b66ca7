// Undo and redo at a zoom other than 100 %: the design's 100 % geometry is
// the truth, so after a restore at zoom Z every object is shown where the
// same design opened and shown at Z puts it, to the pixel.  Random cards of
// every object kind, several zooms, a fixed seed.

#include "app/TMainScreen.h"
#include "design/TGBusinessCardPanel32.h"
#include "design/TGHandle.h"
#include "design/model/TBCShapes.h"
#include "support/CardGenerator.h"
#include "support/ScriptedInteraction.h"
#include "support/TestFolder.h"

#include <QAction>
#include <QTest>

namespace cw::ui {

namespace {

constexpr quint32 Seed = 20261209;
constexpr int Cards = 8;
const float Zooms[] = {0.5f, 0.75f, 1.1f, 1.3f, 1.5f, 2.0f, 3.3f};

std::vector<QRect> shownBounds(TMainScreen &w)
{
    TGBusinessCardPanel32 &surface = *w.BusinessCardPanel();
    // Painting lets text fit its zoomed font, as on screen.
    surface.grab();
    QCoreApplication::processEvents();
    std::vector<QRect> shown;
    for (int i = 0; i < surface.ObjectCount(); ++i)
        shown.push_back(surface.ObjectAt(i)->BoundsRect());
    return shown;
}

// The first object whose shown rectangle differs, or an empty text.
QString firstDifference(const std::vector<QRect> &opened, const std::vector<QRect> &restored)
{
    if (opened.size() != restored.size())
        return QStringLiteral("%1 objects opened, %2 restored").arg(opened.size()).arg(restored.size());
    auto text = [](const QRect &r) {
        return QStringLiteral("(%1,%2 %3x%4)").arg(r.left()).arg(r.top()).arg(r.width()).arg(r.height());
    };
    for (size_t i = 0; i < opened.size(); ++i)
        if (opened[i] != restored[i])
            return QStringLiteral("object %1 is shown at %2 when opened, at %3 here")
                .arg(i)
                .arg(text(opened[i]), text(restored[i]));
    return QString();
}

} // namespace

class TestUndoZoom : public QObject
{
    Q_OBJECT

    test::TestFolder *folder = nullptr;
    test::ScriptedInteraction *script = nullptr;

    // The design in `path` as a new window opens it and shows it at `zoom`.
    std::vector<QRect> openedAt(const QString &path, float zoom)
    {
        TMainScreen w;
        w.FormActivate();
        w.OpenBCFile(path);
        w.ZoomTo(zoom);
        [&] { QCOMPARE(w.BusinessCardPanel()->Zoom(), zoom); }();
        return shownBounds(w);
    }

    // Every object nudged and dragged at the window's zoom: moves and resizes
    // the user makes there, each an undo step.
    static void editAtZoom(TMainScreen &w)
    {
        TGBusinessCardPanel32 &surface = *w.BusinessCardPanel();
        TGHandle &frame = surface.Frame();
        for (int i = 0; i < surface.ObjectCount(); ++i) {
            model::TGGraphicControl *o = surface.ObjectAt(i);
            if (o->Locked())
                continue;
            frame.Clear();
            frame.Add(o);
            const int key = i % 2 ? Qt::Key_Right : Qt::Key_Down;
            frame.HandleKeyDown(key, {});
            frame.HandleKeyUp(key);
            QCoreApplication::processEvents();
            const QRect r = o->BoundsRect();
            o->SetBounds(r.left() + 1, r.top(), r.width() + 3 - i % 5, r.height() + i % 3);
            QCoreApplication::processEvents();
        }
        frame.Clear();
        QCoreApplication::processEvents();
    }

private slots:
    void init()
    {
        folder = new test::TestFolder;
        script = new test::ScriptedInteraction;
        TMainScreen::hasPrinters = [] { return false; };
    }
    void cleanup()
    {
        delete script;
        delete folder;
        script = nullptr;
        folder = nullptr;
    }

    // A one-pixel nudge or resize at a zoom above 100 % is less than a pixel
    // at 100 %: it still moves or sizes the design by a pixel, in its
    // direction, so that it is shown, saved and undone like any other.
    void aOnePixelChangeAtAZoomChangesTheDesign()
    {
        TMainScreen w;
        w.FormActivate();
        TGBusinessCardPanel32 &surface = *w.BusinessCardPanel();
        surface.PlaceNewObject(std::make_unique<model::TBCShapes>(), QRect(20, 20, 60, 30));
        QCoreApplication::processEvents();
        w.ZoomTo(2.0f);
        model::TGGraphicControl *o = surface.ObjectAt(0);
        QCOMPARE(o->BoundsRect(), QRect(40, 40, 120, 60));
        TGHandle &frame = surface.Frame();
        frame.Add(o);
        const std::pair<int, QRect> keys[] = {{Qt::Key_Right, QRect(21, 20, 60, 30)},
                                              {Qt::Key_Down, QRect(21, 21, 60, 30)},
                                              {Qt::Key_Left, QRect(20, 21, 60, 30)},
                                              {Qt::Key_Up, QRect(20, 20, 60, 30)}};
        for (const auto &[key, stored] : keys) {
            frame.HandleKeyDown(key, {});
            frame.HandleKeyUp(key);
            QCoreApplication::processEvents();
            QCOMPARE(o->StoredBounds(), stored);
            QCOMPARE(o->BoundsRect(), model::TGGraphicControl::ZoomedBounds(stored, 2.0f));
        }
        o->SetWidth(o->Width() + 1);
        QCOMPARE(o->StoredBounds(), QRect(20, 20, 61, 30));
        QCoreApplication::processEvents();
        o->SetHeight(o->Height() - 1);
        QCOMPARE(o->StoredBounds(), QRect(20, 20, 61, 29));
        QCoreApplication::processEvents();
        w.mnuUndoClick();
        QCOMPARE(surface.ObjectAt(0)->StoredBounds(), QRect(20, 20, 61, 30));
    }

    void restoredDesignIsShownAsOpenedAtTheSameZoom_data()
    {
        QTest::addColumn<int>("card");
        QTest::addColumn<float>("zoom");
        for (int card = 0; card < Cards; ++card)
            for (float zoom : Zooms)
                QTest::addRow("card %d at %d %%", card, int(zoom * 100.0f + 0.5f)) << card << zoom;
    }
    void restoredDesignIsShownAsOpenedAtTheSameZoom()
    {
        QFETCH(int, card);
        QFETCH(float, zoom);
        const test::CardGenerator generator(Seed, qEnvironmentVariable("CW_SOURCE_DIR") +
                                                      QStringLiteral("/content/clipart"));
        const QString original = folder->file(QStringLiteral("Saved/ORIGINAL.CWR"));
        const QString edited = folder->file(QStringLiteral("Saved/EDITED.CWR"));
        {
            TMainScreen w;
            w.FormActivate();
            w.BusinessCardPanel()->RestoreDesign(generator.Card(card).objectList);
            QVERIFY(w.SaveBCFile(original));
        }

        TMainScreen w;
        w.FormActivate();
        w.OpenBCFile(original);
        w.ZoomTo(zoom);
        shownBounds(w);
        editAtZoom(w);
        QVERIFY(w.ChangesMade());
        QVERIFY(w.SaveBCFile(edited));
        const std::vector<QRect> edits = openedAt(edited, zoom);
        // What the user made at the zoom is shown as the design it made.
        QString difference = firstDifference(edits, shownBounds(w));
        QVERIFY2(difference.isEmpty(), qPrintable(QStringLiteral("after editing: ") + difference));

        // Undo back to the card as opened, then one step forward and back.
        int undos = 0;
        while (w.findChild<QAction *>(QStringLiteral("mnuUndo"))->isEnabled() && undos < 500) {
            w.mnuUndoClick();
            ++undos;
        }
        difference = firstDifference(openedAt(original, zoom), shownBounds(w));
        QVERIFY2(difference.isEmpty(), qPrintable(QStringLiteral("after undo: ") + difference));
        w.mnuRedoClick();
        w.mnuUndoClick();
        difference = firstDifference(openedAt(original, zoom), shownBounds(w));
        QVERIFY2(difference.isEmpty(), qPrintable(QStringLiteral("after redo and undo: ") + difference));

        for (int i = 0; i < undos; ++i)
            w.mnuRedoClick();
        difference = firstDifference(edits, shownBounds(w));
        QVERIFY2(difference.isEmpty(), qPrintable(QStringLiteral("after redo: ") + difference));
    }
};

} // namespace cw::ui

QTEST_MAIN(cw::ui::TestUndoZoom)
#include "tst_undo_zoom.moc"
