// Where the help window appears when a dialog's Help button opens it, and the
// About box's size.

#include "app/TSplashform.h"
#include "help/THelpWindow.h"
#include "widgets/Interaction.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QTest>

namespace cw::ui {

class TestHelpPlacement : public QObject
{
    Q_OBJECT

    static QString folder()
    {
        return qEnvironmentVariable("CW_SOURCE_DIR", QStringLiteral(".")) + QStringLiteral("/content/help/");
    }

private slots:
    void besideTheDialogWithTheTitleBarOnScreen()
    {
        const QRect screen(0, 30, 1600, 970); // a panel across the top
        const QSize help(500, 400);
        // Room on the right: beside the right edge, level with the dialog.
        QCOMPARE(THelpWindow::PlaceBeside(QRect(100, 200, 400, 300), help, screen), QPoint(500, 200));
        // No room on the right: beside the left edge.
        QCOMPARE(THelpWindow::PlaceBeside(QRect(1000, 200, 400, 300), help, screen), QPoint(500, 200));
        // Room on neither side: on the roomier side, inside the screen.
        QCOMPARE(THelpWindow::PlaceBeside(QRect(300, 200, 900, 300), help, screen), QPoint(1100, 200));
        QCOMPARE(THelpWindow::PlaceBeside(QRect(400, 200, 900, 300), help, screen), QPoint(0, 200));
        // A dialog partly above the screen or low on it: the title bar stays
        // below the panel and the bottom edge on the screen.
        QCOMPARE(THelpWindow::PlaceBeside(QRect(100, -50, 400, 300), help, screen), QPoint(500, 30));
        QCOMPARE(THelpWindow::PlaceBeside(QRect(100, 900, 400, 80), help, screen), QPoint(500, 600));
        // Taller and wider than the screen: top-left corner on it.
        QCOMPARE(THelpWindow::PlaceBeside(QRect(100, 200, 400, 300), QSize(2000, 1200), screen),
                 QPoint(0, 30));
        // A screen that does not start at the origin (the second monitor).
        QCOMPARE(THelpWindow::PlaceBeside(QRect(1700, 100, 400, 300), help, QRect(1600, 0, 1280, 1024)),
                 QPoint(2100, 100));
    }

    void openedFromADialogItAppearsBesideIt()
    {
        QWidget main;
        Interaction::setMainWindow(&main);
        QPointer<THelpWindow> window = new THelpWindow(folder(), &main);
        window->resize(200, 150);
        // The window was somewhere else before the dialog came up.
        window->move(400, 400);
        window->show();
        QDialog dialog(&main);
        dialog.setWindowModality(Qt::ApplicationModal);
        dialog.setGeometry(20, 40, 250, 200);
        dialog.show();
        QCOMPARE(QApplication::activeModalWidget(), &dialog);

        window->ShowContext(3101);
        QCOMPARE(window->parentWidget(), &dialog);
        const QRect free = dialog.screen()->availableGeometry();
        QCOMPARE(window->frameGeometry().topLeft(),
                 QPoint(dialog.frameGeometry().right() + 1, dialog.frameGeometry().top()));
        QVERIFY(free.contains(window->frameGeometry()));
        QCOMPARE(window->size(), QSize(200, 150));
        // Moved by the user, it stays put on the next request from that dialog.
        window->move(300, 300);
        window->ShowContents();
        QCOMPARE(window->pos(), QPoint(300, 300));
        dialog.done(QDialog::Rejected);
        Interaction::setMainWindow(nullptr);
        delete window;
    }

    void aboutBoxHasAFixedSize()
    {
        TSplashform about;
        about.show();
        QCOMPARE(about.minimumSize(), about.maximumSize());
        QCOMPARE(about.size(), about.minimumSize());
        QVERIFY(about.width() >= 434 && about.height() >= 236);
        // Its contents fit: the wrapped build description is not cut off.
        auto *build = about.findChild<QLabel *>("BuildLabel");
        QVERIFY(build->height() >= build->heightForWidth(build->width()));
    }
};

} // namespace cw::ui

QTEST_MAIN(cw::ui::TestHelpPlacement)
#include "tst_helpplacement.moc"
