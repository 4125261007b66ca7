#include "design/model/TBackgroundArt.h"

#include "app/model/ProgramFolder.h"
#include "print/model/TSheetBackground.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace cw::model {

QStringList TBackgroundArt::NameFilters()
{
    return {QStringLiteral("*.BMP"), QStringLiteral("*.WMF")};
}

bool TBackgroundArt::IsBackgroundFile(const QString &name)
{
    return name.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive) ||
           name.endsWith(QLatin1String(".wmf"), Qt::CaseInsensitive);
}

QString TBackgroundArt::Folder()
{
    return ProgramFolder::file(QStringLiteral("BG/"));
}

QString TBackgroundArt::ShippedFolder()
{
    return ProgramFolder::shippedContent() + QStringLiteral("BG/");
}

QStringList TBackgroundArt::List(const QString &folder)
{
    QStringList names;
    const QDir dir(folder);
    for (const QFileInfo &info :
         dir.entryInfoList(QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase))
        if (IsBackgroundFile(info.fileName()))
            names << info.fileName();
    return names;
}

int TBackgroundArt::InstallShipped(const QString &folder)
{
    const QString shipped = ShippedFolder();
    if (QDir(shipped).absolutePath() == QDir(folder).absolutePath())
        return 0;
    const QStringList offered = List(shipped);
    if (offered.isEmpty())
        return 0;
    QDir target(folder);
    if (!target.exists() && !QDir().mkpath(folder))
        return 0;
    const QStringList present = List(folder);
    int copied = 0;
    for (const QString &name : offered) {
        const bool there = std::any_of(present.begin(), present.end(), [&name](const QString &p) {
            return p.compare(name, Qt::CaseInsensitive) == 0;
        });
        if (there)
            continue;
        const QString to = target.filePath(name);
        if (QFile::copy(QDir(shipped).filePath(name), to)) {
            // Shipped files are installed read-only; the user's copy is theirs.
            QFile::setPermissions(to, QFile::permissions(to) | QFileDevice::WriteOwner);
            ++copied;
        }
    }
    return copied;
}

QString TBackgroundArt::Preselection(const QString &backgroundFile, const QString &bgFolder)
{
    if (backgroundFile.isEmpty())
        return QString();
    const QFileInfo chosen(backgroundFile);
    if (chosen.isFile())
        return chosen.absoluteFilePath();
    // A design made on another installation names that installation's "BG"
    // folder; the picture of the same name here is the one meant.
    // Windows paths (from a sidecar written there) separate with '\'.
    const qsizetype cut =
        std::max(backgroundFile.lastIndexOf(QLatin1Char('/')), backgroundFile.lastIndexOf(QLatin1Char('\\')));
    const QString name = backgroundFile.mid(cut + 1);
    if (name.isEmpty())
        return QString();
    const QDir dir(bgFolder);
    for (const QFileInfo &info : dir.entryInfoList(QDir::Files))
        if (info.fileName().compare(name, Qt::CaseInsensitive) == 0)
            return info.absoluteFilePath();
    return QString();
}

bool TBackgroundArt::Print(engine::TBaseReport &report, const QString &path, double x1, double y1, double x2,
                           double y2)
{
    TSheetBackground background;
    background.Load(path);
    if (background.Kind() == TSheetBackground::TKind::None)
        return false;
    background.Print(report, x1, y1, x2 - x1, y2 - y1);
    return true;
}

} // namespace cw::model
