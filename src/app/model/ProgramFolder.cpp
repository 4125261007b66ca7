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
        return userFolder();
    }();
    return resolved;
}

QString ProgramFolder::userFolder()
{
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.local/share");
    const QString folder = withSlash(base) + QStringLiteral("Cardwright");
    const QString oldFolder = folder + QStringLiteral("/Cardwright");
    QDir().mkpath(folder);
    if (QFileInfo(oldFolder).isDir())
        moveOldFolder(oldFolder, folder);
    return withSlash(folder);
}

QStringList ProgramFolder::moveOldFolder(const QString &oldFolder, const QString &newFolder)
{
    QStringList left;
    QDir from(oldFolder);
    const QDir to(newFolder);
    const QStringList names =
        from.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString &name : names) {
        const QString target = to.filePath(name);
        // QFileInfo::exists follows links; a dangling link still takes the name.
        const bool taken = QFileInfo::exists(target) || QFileInfo(target).isSymLink();
        if (taken || !QDir().rename(from.filePath(name), target))
            left << name;
    }
    if (left.isEmpty())
        QDir().rmdir(oldFolder);
    return left;
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
