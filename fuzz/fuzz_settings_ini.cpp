// The settings reader: any bytes as a settings file, every section and key
// listed and read as text, number and switch, then one value written back.
#include "app/model/Exception.h"
#include "app/model/TIniFile.h"

#include <QByteArray>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdint>

using namespace cw::model;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/cw-fuzz-ini-XXXXXX"));
    const QString path = folder.filePath(QStringLiteral("CWR.INI"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    try {
        TIniFile ini(path);
        for (const QString &section : ini.ReadSections()) {
            ini.SectionExists(section);
            for (const QString &key : ini.ReadSection(section)) {
                ini.ReadString(section, key, QString());
                ini.ReadInteger(section, key, -1);
                ini.ReadBool(section, key, false);
                ini.ValueExists(section, key);
            }
        }
        ini.WriteString(QStringLiteral("Options"), QStringLiteral("Units"), QStringLiteral("1"));
        ini.DeleteKey(QStringLiteral("Options"), QStringLiteral("Zoom"));
        if (!ini.ReadSections().isEmpty())
            ini.EraseSection(ini.ReadSections().constFirst());
    } catch (const cw::Exception &) {
    }
    return 0;
}
