// The main window on a Linux desktop: the usual keys (each shown in its
// menu), the zoom from 25 % to 800 % with Fit and a centred card, the first
// start's size, the caption with its modified mark, and the website command
// when no browser starts.

#include "app/TMainScreen.h"
#include "app/TSplashform.h"
#include "help/THelpWindow.h"
#include "support/ScriptedInteraction.h"
#include "support/TestFolder.h"

#include "design/TGHandle.h"
#include "design/model/TBCShapes.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSignalSpy>
#include <QTest>
#include <QTextBrowser>
#include <QUrl>

namespace cw::ui {

class TestMainScreen : public QObject
{
    Q_OBJECT

    static bool noPrinters() { return false; }
    static bool browserFails(const QUrl &) { return false; }

    test::TestFolder *folder = nullptr;
    test::ScriptedInteraction *script = nullptr;

    // A shown, activated main window with the keyboard focus on the card.
    static void showActive(TMainScreen &w)
    {
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.FormActivate();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.BusinessCardPanel()->setFocus();
    }

    static void addShapes(TMainScreen &w, int count)
    {
        for (int i = 0; i < count; ++i)
            w.BusinessCardPanel()->PlaceNewObject(std::make_unique<model::TBCShapes>(),
                                                  QRect(20 + 60 * i, 20, 40, 30));
    }

    static float zoom(const TMainScreen &w) { return w.BusinessCardPanel()->Zoom(); }

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

    void eachKeyRunsItsMenuCommand_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("shown");
        const int ctrl = int(Qt::ControlModifier);
        QTest::newRow("Ctrl+N") << "New1" << int(Qt::Key_N) << ctrl << "Ctrl+N";
        QTest::newRow("Ctrl+O") << "Open1" << int(Qt::Key_O) << ctrl << "Ctrl+O";
        QTest::newRow("Ctrl+S") << "mnuSave" << int(Qt::Key_S) << ctrl << "Ctrl+S";
        QTest::newRow("Ctrl+Shift+S") << "mnuSaveAs" << int(Qt::Key_S)
                                      << int(Qt::ControlModifier | Qt::ShiftModifier) << "Ctrl+Shift+S";
        QTest::newRow("Ctrl+P") << "mnuPrint" << int(Qt::Key_P) << ctrl << "Ctrl+P";
        QTest::newRow("Ctrl+Q") << "Exit1" << int(Qt::Key_Q) << ctrl << "Ctrl+Q";
        QTest::newRow("Ctrl+Z") << "mnuUndo" << int(Qt::Key_Z) << ctrl << "Ctrl+Z";
        QTest::newRow("Ctrl+Y") << "mnuRedo" << int(Qt::Key_Y) << ctrl << "Ctrl+Y";
        QTest::newRow("Ctrl+A") << "mnuSelectAll" << int(Qt::Key_A) << ctrl << "Ctrl+A";
        QTest::newRow("Esc") << "mnuSelectNone" << int(Qt::Key_Escape) << 0 << "Esc";
        QTest::newRow("Ctrl++") << "mnuZoomIn" << int(Qt::Key_Plus) << ctrl << "Ctrl++";
        QTest::newRow("Ctrl+=") << "mnuZoomIn" << int(Qt::Key_Equal) << ctrl << "Ctrl++";
        QTest::newRow("Ctrl+keypad+")
            << "mnuZoomIn" << int(Qt::Key_Plus) << int(Qt::ControlModifier | Qt::KeypadModifier) << "Ctrl++";
        QTest::newRow("Ctrl+-") << "mnuZoomOut" << int(Qt::Key_Minus) << ctrl << "Ctrl+-";
        QTest::newRow("Ctrl+0") << "mnuZoomActual" << int(Qt::Key_0) << ctrl << "Ctrl+0";
        QTest::newRow("F1") << "HelpOnWindow1" << int(Qt::Key_F1) << 0 << "F1";
    }
    void eachKeyRunsItsMenuCommand()
    {
        QFETCH(QString, action);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, shown);
        TMainScreen w;
        showActive(w);
        auto *a = w.findChild<QAction *>(action);
        QVERIFY(a);
        // The menu shows the conventional key.
        QCOMPARE(a->shortcut().toString(QKeySequence::PortableText), shown);
        // Only the binding is under test here: the command itself is cut off.
        QObject::disconnect(a, &QAction::triggered, nullptr, nullptr);
        a->setEnabled(true);
        QSignalSpy triggered(a, &QAction::triggered);
        QTest::keyClick(w.BusinessCardPanel(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(triggered.count(), 1);
    }

    void everyShortcutIsInAMenu()
    {
        TMainScreen w;
        QList<QAction *> inMenus;
        for (QAction *top : w.menuBar()->actions())
            if (top->menu())
                inMenus += top->menu()->actions();
        for (QAction *a : w.findChildren<QAction *>())
            if (!a->shortcut().isEmpty())
                QVERIFY2(inMenus.contains(a), qPrintable(a->objectName()));
    }

    void ctrlSOnADesignWithoutANameSavesAs()
    {
        TMainScreen w;
        showActive(w);
        addShapes(w, 1);
        QVERIFY(w.FileName.isEmpty());
        script->fileNames.enqueue(folder->file("Saved/First.CWR"));
        QTest::keyClick(w.BusinessCardPanel(), Qt::Key_S, Qt::ControlModifier);
        QVERIFY2(script->log.join('\n').contains("save["), qPrintable(script->log.join('\n')));
        QCOMPARE(QFileInfo(w.FileName).fileName(), QStringLiteral("First.CWR"));
        QVERIFY(QFileInfo::exists(folder->file("Saved/First.CWR")));
        QVERIFY(!w.ChangesMade());
    }

    void selectAllAndEscape()
    {
        TMainScreen w;
        showActive(w);
        addShapes(w, 3);
        TGBusinessCardPanel32 *panel = w.BusinessCardPanel();
        QTest::keyClick(panel, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(panel->Frame().Count(), 3);
        // The frame now has the focus; Esc still reaches the window.
        QTest::keyClick(&panel->Frame(), Qt::Key_Escape);
        QCOMPARE(panel->Frame().Count(), 0);
        // With a drawing tool, Esc goes back to the selection tool.
        w.findChild<QAction *>("DrawRectanglebutton")->trigger();
        QCOMPARE(panel->PanelState(), psRectangle);
        QTest::keyClick(panel, Qt::Key_Escape);
        QCOMPARE(panel->PanelState(), psPointing);
        QVERIFY(w.findChild<QAction *>("Pointerbutton")->isChecked());
    }

    void zoomKeysAndWheelWalkTheLadder()
    {
        TMainScreen w;
        showActive(w);
        TGBusinessCardPanel32 *panel = w.BusinessCardPanel();
        QTest::keyClick(panel, Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(w.ZoomCaption->text(), QStringLiteral("110%"));
        QTest::keyClick(panel, Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(w.ZoomCaption->text(), QStringLiteral("100%"));
        for (int i = 0; i < 30; ++i)
            w.ZoomStepIn();
        QCOMPARE(w.ZoomCaption->text(), QStringLiteral("800%"));
        QCOMPARE(panel->width(), 8 * 336);
        QTest::keyClick(panel, Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(w.ZoomCaption->text(), QStringLiteral("100%"));
        QCOMPARE(panel->size(), QSize(336, 192));
        for (int i = 0; i < 30; ++i)
            w.ZoomStepOut();
        QCOMPARE(w.ZoomCaption->text(), QStringLiteral("25%"));
        QCOMPARE(panel->size(), QSize(84, 48));
        w.ZoomActualSize();
        // Ctrl+wheel: a notch up zooms in one step, half notches add up.
        auto wheel = [&](int delta, Qt::KeyboardModifiers mods) {
            const QPoint at(20, 20);
            QWheelEvent e(at, panel->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, mods,
                          Qt::NoScrollPhase, false);
            QApplication::sendEvent(panel, &e);
        };
        wheel(120, Qt::ControlModifier);
        QCOMPARE(w.ZoomCaption->text(), QStringLiteral("110%"));
        wheel(60, Qt::ControlModifier);
        QCOMPARE(w.ZoomCaption->text(), QStringLiteral("110%"));
        wheel(60, Qt::ControlModifier);
        QCOMPARE(w.ZoomCaption->text(), QStringLiteral("120%"));
        wheel(-120, Qt::ControlModifier);
        QCOMPARE(w.ZoomCaption->text(), QStringLiteral("110%"));
        wheel(-120, Qt::NoModifier); // a plain wheel scrolls, it does not zoom
        QCOMPARE(w.ZoomCaption->text(), QStringLiteral("110%"));
        QVERIFY(!w.ChangesMade());
    }

    void spinnerKeepsItsStepsAfterTheLadder()
    {
        TMainScreen w;
        w.FormActivate();
        w.ZoomTo(4.0f);
        w.ZoomIn(); // above 150 %: the spinner does not go higher
        QCOMPARE(w.ZoomCaption->text(), QStringLiteral("400%"));
        w.ZoomActualSize();
        w.ZoomIn();
        QCOMPARE(w.ZoomCaption->text(), QStringLiteral("110%"));
    }

    void cardStaysCentredAndFitFillsTheWindow()
    {
        TMainScreen w;
        showActive(w);
        w.resize(1000, 700);
        QTest::qWait(50);
        TGBusinessCardPanel32 *panel = w.BusinessCardPanel();
        QWidget *view = w.m_scrollBox->viewport();
        auto centreOffset = [&] {
            const QPoint centre = panel->mapTo(view, panel->rect().center());
            return centre - view->rect().center();
        };
        QVERIFY2(centreOffset().manhattanLength() <= 2, qPrintable(QString::number(centreOffset().x())));
        w.ZoomToFit();
        QVERIFY(w.FitToWindow());
        QVERIFY(zoom(w) > 2.0f);
        // Fitted: inside the view with the margins, and one percent more would not fit.
        QVERIFY(panel->width() + 20 <= view->width() && panel->height() + 16 <= view->height());
        const float above = zoom(w) + 0.01f;
        QVERIFY(336 * above + 20 > view->width() || 192 * above + 16 > view->height());
        QVERIFY(centreOffset().manhattanLength() <= 2);
        // Fit follows the window.
        const float before = zoom(w);
        w.resize(700, 500);
        QTest::qWait(50);
        QVERIFY(zoom(w) < before);
        QVERIFY(panel->width() + 20 <= view->width() && panel->height() + 16 <= view->height());
        QVERIFY(centreOffset().manhattanLength() <= 2);
        // Another zoom ends Fit.
        w.ZoomActualSize();
        QVERIFY(!w.FitToWindow());
        w.resize(900, 600);
        QTest::qWait(50);
        QCOMPARE(zoom(w), 1.0f);
        QVERIFY(centreOffset().manhattanLength() <= 2);
    }

    void firstStartTakesTwoThirdsOfTheScreen()
    {
        TMainScreen w;
        w.FormActivate();
        const QSize screen = w.screen()->availableGeometry().size();
        QVERIFY2(std::abs(w.width() - screen.width() * 2 / 3) <= 2 ||
                     w.width() == w.minimumSizeHint().width(),
                 qPrintable(QStringLiteral("%1 of %2").arg(w.width()).arg(screen.width())));
        QVERIFY(std::abs(w.height() - screen.height() * 2 / 3) <= 2);
        // A later start restores what was stored as it closed.
        w.setGeometry(30, 40, 700, 500);
        w.SaveWindowPlacement();
        TMainScreen again;
        again.FormActivate();
        QCOMPARE(again.geometry().size(), QSize(700, 500));
    }

    void saveAndCancelKeepTheWindowWidth()
    {
        TMainScreen w;
        showActive(w);
        w.resize(w.minimumSizeHint().width(), 500);
        QTest::qWait(20);
        const int width = w.width();
        const QPoint printAt = w.PrintButton->mapTo(&w, QPoint());
        w.SetChangesMade(true);
        QTest::qWait(20);
        QVERIFY(w.Savebutton->isVisible());
        QCOMPARE(w.width(), width);
        QCOMPARE(w.PrintButton->mapTo(&w, QPoint()), printAt);
    }

    void captionNamesTheDesignOnceWithAModifiedMark()
    {
        TMainScreen w;
        w.FormActivate();
        QCOMPARE(w.windowTitle(), QStringLiteral("Cardwright[*]"));
        w.FileName = QStringLiteral("/some/folder/BC0001.CWR");
        w.Setbuttons();
        QCOMPARE(w.windowTitle(), QStringLiteral("BC0001.CWR[*] \u2014 Cardwright"));
        QVERIFY(!w.isWindowModified());
        w.BusinessCardPanel()->Changed();
        QVERIFY(w.isWindowModified());
        w.SetChangesMade(false);
        QVERIFY(!w.isWindowModified());
        // The program sets no display name, so the desktop appends nothing.
        QVERIFY(QGuiApplication::applicationDisplayName() == QCoreApplication::applicationName());
    }

    void aboutBoxDescribesThisBuild()
    {
        TSplashform about;
        QStringList texts;
        for (QLabel *label : about.findChildren<QLabel *>())
            texts << label->text();
        const QString all = texts.join('\n');
        QVERIFY(!all.contains("32-bit version"));
        auto *build = about.findChild<QLabel *>("BuildLabel");
        QVERIFY(build);
        QVERIFY(build->text().startsWith(QString::number(QSysInfo::WordSize) + "-bit build"));
        QVERIFY(build->text().endsWith(QStringLiteral("Qt ") + qVersion()));
        QCOMPARE(about.windowTitle(), QStringLiteral("About Cardwright"));
    }

    void websiteWithoutABrowserIsReported()
    {
        TMainScreen w;
        const auto saved = TMainScreen::openUrl;
        TMainScreen::openUrl = &browserFails;
        w.findChild<QAction *>("VisitOurInternetWebsite1")->trigger();
        TMainScreen::openUrl = saved;
        QCOMPARE(script->log.size(), 1);
        QVERIFY(script->log.first().startsWith("error[Visit Our Internet Website]: No web browser"));
        QVERIFY(script->log.first().contains("https://cardwright.org/"));
    }

    void f1OpensTheMainWindowTopic()
    {
        TMainScreen w;
        showActive(w);
        QTest::keyClick(w.BusinessCardPanel(), Qt::Key_F1);
        THelpWindow *help = THelpWindow::existing();
        QVERIFY(help);
        QVERIFY(help->isVisible());
        QVERIFY2(help->Browser()->source().toString().contains("mainwindow.html"),
                 qPrintable(help->Browser()->source().toString()));
    }
};

} // namespace cw::ui

QTEST_MAIN(cw::ui::TestMainScreen)
#include "tst_desktopkeys.moc"
