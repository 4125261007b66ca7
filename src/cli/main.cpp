// cardwright-cli: reads, checks, converts and renders card files without the
// designer's windows.  See TCliCommands for the subcommands.
#include "cli/TCliCommands.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    // Rendering needs fonts and a paint device but never a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
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
