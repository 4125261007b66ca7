#include "help/model/TConfigReport.h"

#include <QRegularExpression>

namespace cw::model {

namespace {

// "Name:  value kB" lines of /proc/meminfo, in bytes; -1 when absent.
qint64 memInfoValue(const QByteArray &text, const char *key)
{
    const QByteArray prefix = QByteArray(key) + ':';
    for (const QByteArray &line : text.split('\n')) {
        if (!line.startsWith(prefix))
            continue;
        const QList<QByteArray> parts = line.mid(prefix.size()).simplified().split(' ');
        bool ok = false;
        const qint64 value = parts.value(0).toLongLong(&ok);
        if (!ok)
            return -1;
        const bool kiB = parts.size() > 1 && parts.at(1).toLower() == "kb";
        return kiB ? value * 1024 : value;
    }
    return -1;
}

QString userAndSystem(const QString &user, const QString &system)
{
    return QStringLiteral("User: ") + user + QStringLiteral(";    System: ") + system;
}

QString countryCode(const QLocale &locale)
{
    const QString name = locale.name(); // "en_US"
    const qsizetype bar = name.indexOf(QLatin1Char('_'));
    return bar < 0 ? QString() : name.mid(bar + 1);
}

QString totalAndAvailable(const QLocale &numbers, qint64 total, qint64 available)
{
    return QStringLiteral("Total: ") + numbers.toString(total) + QStringLiteral(";    Available: ") +
           numbers.toString(available);
}

} // namespace

QString TConfigReport::Label(const QString &label)
{
    return label.leftJustified(LabelWidth, QLatin1Char(' ')) + QLatin1Char('\t');
}

qint64 TConfigReport::ColorCount(int bitsPerPixel)
{
    switch (bitsPerPixel) {
    case 1:
        return 2;
    case 4:
        return 16;
    case 8:
        return 256;
    case 15:
        return 32768;
    case 16:
        return 65536;
    case 24:
    case 32:
        return 16777216;
    default:
        return bitsPerPixel;
    }
}

QString TConfigReport::FontSizeText(int dpi)
{
    if (dpi == 96)
        return QStringLiteral("Small Fonts in use");
    if (dpi == 120)
        return QStringLiteral("Large Fonts in use");
    return QStringLiteral("Custom font size in use");
}

std::optional<TMemoryStatus> TConfigReport::ParseMemInfo(const QByteArray &text)
{
    const qint64 total = memInfoValue(text, "MemTotal");
    if (total <= 0)
        return std::nullopt;
    TMemoryStatus m;
    m.PhysTotal = total;
    qint64 available = memInfoValue(text, "MemAvailable");
    if (available < 0) // kernels before 3.14: free memory is the best estimate
        available = std::max<qint64>(0, memInfoValue(text, "MemFree"));
    m.PhysAvail = std::min(available, total);
    m.LoadPercent = int(((total - m.PhysAvail) * 100 + total / 2) / total);
    m.PageTotal = std::max<qint64>(0, memInfoValue(text, "SwapTotal"));
    m.PageAvail = std::clamp<qint64>(memInfoValue(text, "SwapFree"), 0, m.PageTotal);
    m.VirtTotal = std::max<qint64>(0, memInfoValue(text, "CommitLimit"));
    m.VirtAvail = std::max<qint64>(0, m.VirtTotal - std::max<qint64>(0, memInfoValue(text, "Committed_AS")));
    return m;
}

QString TConfigReport::ParseCpuModel(const QByteArray &text)
{
    static const char *const keys[] = {"model name", "Hardware", "cpu model", "cpu"};
    for (const char *key : keys) {
        for (const QByteArray &line : text.split('\n')) {
            const qsizetype colon = line.indexOf(':');
            if (colon < 0 || line.left(colon).trimmed() != key)
                continue;
            const QString value = QString::fromUtf8(line.mid(colon + 1)).simplified();
            if (!value.isEmpty())
                return value;
        }
    }
    return QString();
}

QString TConfigReport::KernelMajorMinor(const QString &kernelVersion)
{
    static const QRegularExpression re(QStringLiteral("^(\\d+)\\.(\\d+)"));
    const QRegularExpressionMatch m = re.match(kernelVersion);
    return m.hasMatch() ? m.captured(1) + QLatin1Char('.') + m.captured(2) : kernelVersion;
}

QStringList TConfigReport::EnvironmentLines(const TEnvironmentInfo &env, const QLocale &numbers)
{
    QStringList lines;
    // The distribution first, then the kernel under it.
    lines << Label(QStringLiteral("System:")) + (env.OsName.isEmpty() ? env.KernelName : env.OsName);
    QString kernel = env.KernelName + QLatin1Char(' ') + env.KernelVersion;
    if (!env.Architecture.isEmpty())
        kernel += QStringLiteral(" (") + env.Architecture + QLatin1Char(')');
    lines << Label(QStringLiteral("Kernel:")) + kernel;
    if (!env.Desktop.isEmpty() || !env.SessionType.isEmpty()) {
        QString desktop = env.Desktop.isEmpty() ? QStringLiteral("unknown") : env.Desktop;
        if (!env.SessionType.isEmpty())
            desktop += QStringLiteral(" (") + env.SessionType + QLatin1Char(')');
        lines << Label(QStringLiteral("Desktop:")) + desktop;
    }
    if (!env.QtVersion.isEmpty()) {
        QString qt = env.QtVersion;
        if (!env.Platform.isEmpty())
            qt += QStringLiteral(", platform ") + env.Platform;
        lines << Label(QStringLiteral("Qt:")) + qt;
    }
    lines << Label(QStringLiteral("CPU:")) + QStringLiteral("Processor:  ") + env.Architecture +
                 QLatin1Char(' ') + env.CpuModel;
    if (env.ScreenWidth > 0 && env.ScreenHeight > 0)
        lines << Label(QStringLiteral("Video:")) + QString::number(env.ScreenWidth) + QStringLiteral(" x ") +
                     QString::number(env.ScreenHeight) + QStringLiteral(" x ") +
                     numbers.toString(ColorCount(env.BitsPerPixel)) + QStringLiteral(" colors") +
                     (env.DevicePixelRatio != 1.0
                          ? QStringLiteral(", scale ") + numbers.toString(env.DevicePixelRatio, 'g', 3)
                          : QString());
    lines << Label(QStringLiteral("Font:")) + FontSizeText(env.FontDpi);
    if (env.Memory) {
        const TMemoryStatus &m = *env.Memory;
        lines << Label(QStringLiteral("Memory Load:")) + QString::number(m.LoadPercent);
        lines << Label(QStringLiteral("Phys Memory:")) + totalAndAvailable(numbers, m.PhysTotal, m.PhysAvail);
        lines << Label(QStringLiteral("Page File:")) + totalAndAvailable(numbers, m.PageTotal, m.PageAvail);
        lines << Label(QStringLiteral("Virt Memory:")) + totalAndAvailable(numbers, m.VirtTotal, m.VirtAvail);
    }
    lines << Label(QStringLiteral("Language:")) +
                 userAndSystem(QLocale::languageToString(env.UserLocale.language()),
                               QLocale::languageToString(env.SystemLocale.language()));
    lines << Label(QStringLiteral("Country:")) +
                 userAndSystem(countryCode(env.UserLocale), countryCode(env.SystemLocale));
    lines << Label(QStringLiteral("Date Format:")) + QStringLiteral("Short: ") +
                 env.UserLocale.dateFormat(QLocale::ShortFormat) + QStringLiteral(";    Long: ") +
                 env.UserLocale.dateFormat(QLocale::LongFormat);
    lines << Label(QStringLiteral("Time Format:")) + QStringLiteral("Short: ") +
                 env.UserLocale.timeFormat(QLocale::ShortFormat) + QStringLiteral(";    Long: ") +
                 env.UserLocale.timeFormat(QLocale::LongFormat);
    if (env.HasPrinterList) {
        // The system's printer list stands where the printer sections of the
        // old system files stood: one "name=description,location" line each.
        lines << QStringLiteral("[Printers]");
        for (const TPrinterEntry &p : env.Printers) {
            QString line = p.Name + QLatin1Char('=') + p.Description + QLatin1Char(',') + p.Location;
            if (p.IsDefault)
                line += QStringLiteral(",default");
            lines << line;
        }
        lines << QString();
    }
    return lines;
}

QString TConfigReport::BuildDescription(int wordSize, const QString &osName, const QString &qtVersion)
{
    QString text = QString::number(wordSize) + QStringLiteral("-bit build");
    if (!osName.isEmpty())
        text += QStringLiteral(" on ") + osName;
    if (!qtVersion.isEmpty())
        text += QStringLiteral(", Qt ") + qtVersion;
    return text;
}

QString TConfigReport::FontValue(const TDefaultFont &font)
{
    const auto flag = [](bool b) { return b ? QStringLiteral("1") : QStringLiteral("0"); };
    return font.Name + QLatin1Char(',') + QString::number(font.Size) + QLatin1Char(',') + flag(font.Bold) +
           QLatin1Char(',') + flag(font.Italic) + QLatin1Char(',') + flag(font.Underline);
}

QString TConfigReport::NudgesValue(const TPrinterNudges &n)
{
    return QStringLiteral("Top:%1,Left:%2,Vert:%3,Horz:%4")
        .arg(n.TopMarginNudge)
        .arg(n.LeftMarginNudge)
        .arg(n.VerticalSpacing)
        .arg(n.HorizontalSpacing);
}

QStringList TConfigReport::Lines(const QDate &today, const QLocale &locale, const QStringList &environment,
                                 const QString &settingsPath, const TDefaultFont &font,
                                 const TPrinterNudges &nudges)
{
    QStringList lines;
    lines << locale.toString(today, QLocale::LongFormat) << QString();
    lines << QStringLiteral("[Product]");
    lines << Label(QStringLiteral("Program:")) + ProductName();
    lines << Label(QStringLiteral("Version:")) + VersionText();
    lines << QString() << QStringLiteral("[Environment]");
    lines << environment;
    lines << QString();
    lines << QLatin1Char('[') + settingsPath + QLatin1Char(']');
    lines << QString();
    lines << Label(QStringLiteral("DeFFont")) + FontValue(font);
    lines << Label(QStringLiteral("Nudges:")) + NudgesValue(nudges);
    return lines;
}

} // namespace cw::model
