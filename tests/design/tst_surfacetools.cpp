// The design surface switching between the selection tool and drawing tools
// while the selection frame holds the mouse.

#include "design/TGBusinessCardPanel32.h"
#include "design/TGHandle.h"
#include "design/model/TBCShapes.h"

#include <QSignalSpy>
#include <QTest>

using namespace cw;
using namespace cw::ui;

class TestSurfaceTools : public QObject
{
    Q_OBJECT

private slots:
    void drawingToolAfterAnUnfinishedPressDoesNotLoop()
    {
        TGBusinessCardPanel32 panel;
        panel.setCardSize(336, 192);
        panel.show();
        auto shape = std::make_unique<model::TBCShapes>();
        panel.PlaceNewObject(std::move(shape), QRect(20, 20, 80, 40));
        // A press on the object selects it and the frame takes the mouse; the
        // release never comes (a popup menu swallowed it).
        QTest::mousePress(&panel, Qt::LeftButton, {}, QPoint(50, 40));
        QCOMPARE(panel.Frame().Selection().size(), size_t(1));
        panel.SetPanelState(psRectangle);
        QSignalSpy dropped(&panel, &TGBasePanel::DroppedObjectEvent);
        QTest::mouseMove(&panel, QPoint(200, 100));
        QTest::mousePress(&panel, Qt::LeftButton, {}, QPoint(200, 100));
        QTest::mouseMove(&panel, QPoint(260, 150));
        QTest::mouseRelease(&panel, Qt::LeftButton, {}, QPoint(260, 150));
        QCOMPARE(dropped.count(), 1);
        QCOMPARE(panel.ObjectCount(), 2);
    }
};

QTEST_MAIN(TestSurfaceTools)
#include "tst_surfacetools.moc"
