// The designer: one instance per user, the main window, the event loop.

#include "app/SingleInstance.h"
#include "app/TMainScreen.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Cardwright"));
    QApplication::setOrganizationName(QStringLiteral("Cardwright"));
    QApplication::setApplicationDisplayName(QStringLiteral("Cardwright"));

    cw::ui::SingleInstance instance;
    if (instance.notifyRunningInstance())
        return 0;
    instance.listen();

    QApplication::setOverrideCursor(Qt::WaitCursor);
    cw::ui::TMainScreen window;
    QObject::connect(&instance, &cw::ui::SingleInstance::activationRequested, &window,
                     [&window](const QByteArray &) { cw::ui::raiseWindow(&window); });
    window.RestoreWindowPlacement();
    window.show();
    QApplication::restoreOverrideCursor();
    return app.exec();
}
