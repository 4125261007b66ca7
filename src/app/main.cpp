// The designer: one instance per user, the main window, the event loop.
// The only argument it takes is a card file to open (as a file manager
// passes it); with a designer already running, that one opens the file.

#include "app/SingleInstance.h"
#include "app/TMainScreen.h"
#include "app/TTranslations.h"

#include <QApplication>
#include <QDir>
#include <QTimer>
#include <cstdio>

namespace {

// For the benchmark: with CW_QUIT_AFTER_FIRST_PAINT set, the designer
// reports its first painted window on stderr and ends.
class FirstPaintProbe : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            std::fprintf(stderr, "cardwright: first paint\n");
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_seen = false;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Cardwright"));
    QApplication::setOrganizationName(QStringLiteral("Cardwright"));
    // No display name: the desktop would append it to every caption, dialogs
    // included; the main window names the program in its own caption.
    QApplication::setDesktopFileName(QStringLiteral("cardwright"));
    // Menus, dialogs and messages in the desktop's language (LANGUAGE,
    // LC_ALL, LC_MESSAGES, LANG); English when there is no catalogue for it.
    cw::ui::TTranslations translations;
    translations.Load(QLocale::system());

    // Qt has taken its own options; what is left is at most one card file.
    QString cardFile;
    if (!cw::ui::SingleInstance::cardFileArgument(QApplication::arguments().mid(1), QDir::currentPath(),
                                                  &cardFile)) {
        std::fprintf(stderr, "usage: cardwright [FILE.cwr]\n");
        return 2;
    }

    const bool measuringStart = qEnvironmentVariableIsSet("CW_QUIT_AFTER_FIRST_PAINT");
    cw::ui::SingleInstance instance;
    if (!measuringStart) {
        if (instance.notifyRunningInstance(cw::ui::SingleInstance::openMessage(cardFile)))
            return 0;
        instance.listen();
    }

    QApplication::setOverrideCursor(Qt::WaitCursor);
    cw::ui::TMainScreen window;
    window.StartupFile = cardFile;
    instance.serve(
        &window, [&window](const QString &path) { window.OpenFromDesktop(path); },
        [&window] { return window.Busy; });
    FirstPaintProbe probe;
    if (measuringStart)
        window.installEventFilter(&probe);
    window.RestoreWindowPlacement();
    window.show();
    QApplication::restoreOverrideCursor();
    return app.exec();
}
