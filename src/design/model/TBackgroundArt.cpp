#include "design/model/TBackgroundArt.h"

#include "app/model/ProgramFolder.h"
#include "print/model/TSheetBackground.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace cw::model {

namespace {
const char *const BackgroundTypes[] = {"BMP", "WMF", "PNG", "JPG", "JPEG"};
} // namespace

QStringList TBackgroundArt::NameFilters()
{
    QStringList filters;
    for (const char *type : BackgroundTypes)
        filters << QStringLiteral("*.") + QLatin1String(type);
    return filters;
}

bool TBackgroundArt::IsBackgroundFile(const QString &name)
{
    const QString ext = QFileInfo(name).suffix();
    for (const char *type : BackgroundTypes)
        if (ext.compare(QLatin1String(type), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

QString TBackgroundArt::SidecarLine(const QString &backgroundFile)
{
    if (backgroundFile.isEmpty())
        return backgroundFile;
    const QFileInfo file(backgroundFile);
    if (file.isAbsolute() && QDir(Folder()).exists() && QDir(file.absolutePath()) == QDir(Folder()))
        return QStringLiteral("BG/") + file.fileName();
    return backgroundFile;
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

namespace {

// The file name of a path written here or on Windows (separated by '\\').
QString fileNameOf(const QString &path)
{
    const qsizetype cut = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return path.mid(cut + 1);
}

// The file of that name in `folder`, letter case ignored; empty when none.
QString sameNameIn(const QString &folder, const QString &name)
{
    if (name.isEmpty())
        return QString();
    const QDir dir(folder);
    for (const QFileInfo &info : dir.entryInfoList(QDir::Files))
        if (info.fileName().compare(name, Qt::CaseInsensitive) == 0)
            return info.absoluteFilePath();
    return QString();
}

} // namespace

QString TBackgroundArt::Preselection(const QString &backgroundFile, const QString &bgFolder)
{
    if (backgroundFile.isEmpty())
        return QString();
    const QFileInfo chosen(backgroundFile);
    if (chosen.isFile())
        return chosen.absoluteFilePath();
    // A design made on another installation names that installation's "BG"
    // folder; the picture of the same name here is the one meant.
    return sameNameIn(bgFolder, fileNameOf(backgroundFile));
}

QString TBackgroundArt::Resolve(const QString &backgroundFile)
{
    if (backgroundFile.isEmpty())
        return QString();
    // A path written on Windows ("C:\\…", "\\\\server\\…") names a file of
    // that computer: missing here, and not relative to anything.
    const bool windowsPath = backgroundFile.contains(QLatin1Char('\\')) ||
                             (backgroundFile.size() > 1 && backgroundFile[1] == QLatin1Char(':'));
    if (QDir::isAbsolutePath(backgroundFile) || windowsPath)
        return QFileInfo(backgroundFile).isFile() && !windowsPath ? backgroundFile : QString();
    const QString inProgramFolder = ProgramFolder::file(backgroundFile);
    if (QFileInfo(inProgramFolder).isFile())
        return QFileInfo(inProgramFolder).absoluteFilePath();
    const qsizetype slash = backgroundFile.lastIndexOf(QLatin1Char('/'));
    if (slash < 0 ||
        QDir::cleanPath(backgroundFile.left(slash)).compare(QLatin1String("BG"), Qt::CaseInsensitive) != 0)
        return QString();
    // "BG/<name>" before the BG folder has the shipped pictures: they are
    // copied there, as on the background dialog's first use.
    const QString name = backgroundFile.mid(slash + 1);
    const QString folder = Folder();
    QString found = sameNameIn(folder, name);
    if (found.isEmpty() && !sameNameIn(ShippedFolder(), name).isEmpty()) {
        InstallShipped(folder);
        found = sameNameIn(folder, name);
        if (found.isEmpty())
            found = sameNameIn(ShippedFolder(), name); // a BG folder that cannot take it
    }
    return found;
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
