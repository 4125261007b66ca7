#include "widgets/DialogPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace cw::ui {

void placeDialog(QWidget *dialog, const QWidget *mainWindow)
{
    if (!dialog)
        return;
    // A dialog laid out by its contents takes its natural size; one given a
    // designed size (the preview, the editors) keeps it.
    if (!dialog->testAttribute(Qt::WA_Resized))
        dialog->adjustSize();
    const QSize size = dialog->frameGeometry().size().expandedTo(dialog->sizeHint());
    QRect over;
    if (mainWindow && mainWindow != dialog && !mainWindow->isMaximized() && mainWindow->isVisible()) {
        over = mainWindow->frameGeometry();
    } else {
        const QScreen *screen = mainWindow ? mainWindow->screen() : QGuiApplication::primaryScreen();
        if (!screen)
            return;
        over = screen->availableGeometry();
    }
    // Integer division truncates toward zero, as the placement rule asks.
    const int left = over.left() + (over.width() - size.width()) / 2;
    const int top = over.top() + (over.height() - size.height()) / 2;
    dialog->move(left, top);
}

} // namespace cw::ui
