#pragma once
// Shared set-up of the fuzz targets: a headless QGuiApplication (fonts and
// image plugins need one) and quiet Qt warnings, so the fuzzer's output shows
// only findings.

#include <QGuiApplication>
#include <QtGlobal>
#include <cstdlib>

namespace cw::fuzz {

inline void StartGuiApplication()
{
    static int argc = 1;
    static char name[] = "cardwright-fuzz";
    static char *argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    static QGuiApplication app(argc, argv);
}

} // namespace cw::fuzz
