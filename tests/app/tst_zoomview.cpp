// Zooming a card larger than the window keeps the view where it was: the
// card point under the mouse stays under it for Ctrl+wheel, the point at the
// view's centre stays there for the keys, the View menu and the spinner.

#include "app/TMainScreen.h"
#include "support/ScriptedInteraction.h"
#include "support/TestFolder.h"

#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

namespace cw::ui {

class TestMainScreen : public QObject
{
    Q_OBJECT

    static bool noPrinters() { return false; }

    test::TestFolder *folder = nullptr;
    test::ScriptedInteraction *script = nullptr;

    static void showActive(TMainScreen &w)
    {
        w.resize(700, 500);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.FormActivate();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.BusinessCardPanel()->setFocus();
    }

    // The card point (pixels at 100 %) shown at a point of the view.
    static QPointF cardPointAt(TMainScreen &w, QPoint inView)
    {
        TGBusinessCardPanel32 *panel = w.BusinessCardPanel();
        return QPointF(panel->mapFrom(w.m_scrollBox->viewport(), inView)) / double(panel->Zoom());
    }
    static QPoint viewCentre(TMainScreen &w) { return w.m_scrollBox->viewport()->rect().center(); }

    // Within one screen pixel at the zoom.
    static bool samePoint(QPointF a, QPointF b, float zoom)
    {
        return std::abs(a.x() - b.x()) * zoom <= 1.5 && std::abs(a.y() - b.y()) * zoom <= 1.5;
    }
    static QString text(QPointF a, QPointF b)
    {
        return QStringLiteral("(%1, %2) became (%3, %4)").arg(a.x()).arg(a.y()).arg(b.x()).arg(b.y());
    }

private slots:
    void init()
    {
        folder = new test::TestFolder;
        script = new test::ScriptedInteraction;
        TMainScreen::hasPrinters = &noPrinters;
    }
    void cleanup()
    {
        delete script;
        delete folder;
    }

    void keysKeepTheViewCentre()
    {
        TMainScreen w;
        showActive(w);
        // From a card that fits the window, its centre stays in the middle.
        QPointF before = cardPointAt(w, viewCentre(w));
        QVERIFY(samePoint(before, QPointF(168, 96), 1.0f));
        w.ZoomTo(4.0f);
        QVERIFY2(samePoint(cardPointAt(w, viewCentre(w)), before, 4.0f),
                 qPrintable(text(before, cardPointAt(w, viewCentre(w)))));
        // Scrolled towards the bottom right, Ctrl+plus keeps that part in view.
        w.m_scrollBox->horizontalScrollBar()->setValue(w.m_scrollBox->horizontalScrollBar()->maximum() - 100);
        w.m_scrollBox->verticalScrollBar()->setValue(w.m_scrollBox->verticalScrollBar()->maximum() - 50);
        before = cardPointAt(w, viewCentre(w));
        QTest::keyClick(w.BusinessCardPanel(), Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(w.ZoomCaption->text(), QStringLiteral("500%"));
        QVERIFY2(samePoint(cardPointAt(w, viewCentre(w)), before, 5.0f),
                 qPrintable(text(before, cardPointAt(w, viewCentre(w)))));
        before = cardPointAt(w, viewCentre(w));
        QTest::keyClick(w.BusinessCardPanel(), Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(w.ZoomCaption->text(), QStringLiteral("400%"));
        QVERIFY2(samePoint(cardPointAt(w, viewCentre(w)), before, 4.0f),
                 qPrintable(text(before, cardPointAt(w, viewCentre(w)))));
    }

    void spinnerKeepsTheViewCentre()
    {
        TMainScreen w;
        showActive(w);
        w.resize(700, 330); // lower than the card at 130 %
        QTest::qWait(50);
        w.ZoomTo(1.3f);
        w.m_scrollBox->verticalScrollBar()->setValue(w.m_scrollBox->verticalScrollBar()->maximum());
        const QPointF before = cardPointAt(w, viewCentre(w));
        QVERIFY(before.y() > 100); // looking at the lower part of the card
        w.ZoomIn();
        QCOMPARE(w.ZoomCaption->text(), QStringLiteral("140%"));
        QVERIFY2(samePoint(cardPointAt(w, viewCentre(w)), before, 1.4f),
                 qPrintable(text(before, cardPointAt(w, viewCentre(w)))));
    }

    void wheelKeepsThePointUnderTheMouse()
    {
        TMainScreen w;
        showActive(w);
        TGBusinessCardPanel32 *panel = w.BusinessCardPanel();
        auto wheel = [&](QPoint onPanel, int delta) {
            QWheelEvent e(onPanel, panel->mapToGlobal(onPanel), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::ControlModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(panel, &e);
        };
        w.ZoomTo(3.0f); // larger than the view
        // The mouse over the card point (200, 110) at 100 %.
        QPoint mouse = panel->mapTo(w.m_scrollBox->viewport(), QPoint(200 * 3, 110 * 3));
        QVERIFY(w.m_scrollBox->viewport()->rect().contains(mouse));
        for (int i = 0; i < 2; ++i) {
            const QPointF before = cardPointAt(w, mouse);
            wheel(panel->mapFrom(w.m_scrollBox->viewport(), mouse), 120);
            QVERIFY2(samePoint(cardPointAt(w, mouse), before, panel->Zoom()),
                     qPrintable(text(before, cardPointAt(w, mouse)) + w.ZoomCaption->text()));
        }
        QCOMPARE(w.ZoomCaption->text(), QStringLiteral("500%"));
        // And back out, over another part of the card.
        mouse = viewCentre(w) - QPoint(200, 100);
        const QPointF before = cardPointAt(w, mouse);
        wheel(panel->mapFrom(w.m_scrollBox->viewport(), mouse), -120);
        QCOMPARE(w.ZoomCaption->text(), QStringLiteral("400%"));
        QVERIFY2(samePoint(cardPointAt(w, mouse), before, 4.0f),
                 qPrintable(text(before, cardPointAt(w, mouse))));
    }
};

} // namespace cw::ui

QTEST_MAIN(cw::ui::TestMainScreen)
#include "tst_zoomview.moc"
