// cardwright-cli: reads, checks, converts and renders card files without the
// designer's windows.  See TCliCommands for the subcommands.
#include "cli/TCliCommands.h"

#include <QGuiApplication>

#include <cstdio>

namespace {
// Qt's own notes (a missing runtime folder, font fallbacks) are not the
// program's output: stderr carries only the one-line failure message.
void quietMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}
} // namespace

int main(int argc, char *argv[])
{
    // Rendering needs fonts and a paint device but never a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietMessages);
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    cw::cli::TCliCommands commands(out, err);
    QStringList args = app.arguments();
    args.removeFirst();
    const int code = commands.Run(args);
    out.flush();
    err.flush();
    return code;
}
