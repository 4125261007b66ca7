#include "app/model/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace cw::model {

namespace {
QString &overrideFolder()
{
    static QString folder;
    return folder;
}

QString withSlash(QString p)
{
    if (!p.endsWith(QLatin1Char('/')))
        p += QLatin1Char('/');
    return p;
}
} // namespace

QString ProgramFolder::path()
{
    if (!overrideFolder().isEmpty())
        return overrideFolder();
    static const QString resolved = [] {
        const QString appDir = QCoreApplication::applicationDirPath();
        QFileInfo info(appDir);
        if (!appDir.isEmpty() && info.isDir() && info.isWritable())
            return withSlash(appDir);
        QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        if (data.isEmpty())
            data = QDir::homePath() + QStringLiteral("/.local/share/Cardwright");
        QDir().mkpath(data);
        return withSlash(data);
    }();
    return resolved;
}

QString ProgramFolder::shippedContent()
{
    const QString appDir = QCoreApplication::applicationDirPath();
    const QString installed = QDir::cleanPath(appDir + QStringLiteral("/../share/cardwright"));
    if (QFileInfo(installed).isDir())
        return withSlash(installed);
#ifdef CW_SOURCE_CONTENT_DIR
    return withSlash(QStringLiteral(CW_SOURCE_CONTENT_DIR));
#else
    return withSlash(installed);
#endif
}

void ProgramFolder::setOverride(const QString &folder)
{
    overrideFolder() = folder.isEmpty() ? QString() : withSlash(folder);
}

} // namespace cw::model
