#pragma once
// The configuration report: plain-text lines about the program, the computer
// and the program's settings, meant to be pasted into a message to technical
// support.  Labels are padded with blanks to 13 characters and followed by a
// tab.  Everything here is pure composition; gathering the facts from the
// running system is the dialog's business (TConfigurationInfo), so the lines
// can be checked with any facts a test chooses.

#include "app/model/TPreferences.h"

#include <QByteArray>
#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <optional>

namespace cw::model {

// Memory figures in bytes, as the kernel reports them in /proc/meminfo.
struct TMemoryStatus
{
    int LoadPercent = 0; // share of physical memory in use, 0..100
    qint64 PhysTotal = 0;
    qint64 PhysAvail = 0;
    qint64 PageTotal = 0; // swap
    qint64 PageAvail = 0;
    qint64 VirtTotal = 0; // commit limit
    qint64 VirtAvail = 0; // commit limit less what is committed, never below 0
};

// One printer of the system's printer list.
struct TPrinterEntry
{
    QString Name;
    QString Description; // make and model, may be empty
    QString Location;    // may be empty
    bool IsDefault = false;
};

// The facts of the environment section.  Empty texts and missing groups
// leave their lines out, so a fact the system does not offer is not invented.
struct TEnvironmentInfo
{
    QString KernelName = QStringLiteral("Linux");
    QString OsName;        // the distribution, e.g. "Debian GNU/Linux 12 (bookworm)"
    QString KernelVersion; // e.g. "6.1.0-13-amd64"
    QString Architecture;  // e.g. "x86_64"
    QString CpuModel;      // "model name" of /proc/cpuinfo
    QString Desktop;       // the desktop session (XDG_CURRENT_DESKTOP), e.g. "KDE" or "GNOME"
    QString SessionType;   // XDG_SESSION_TYPE, e.g. "wayland" or "x11"
    QString QtVersion;     // the Qt the program runs on, e.g. "6.4.2"
    QString Platform;      // Qt's window-system plug-in, e.g. "xcb"
    qreal DevicePixelRatio = 1.0;
    int ScreenWidth = 0;
    int ScreenHeight = 0;
    int BitsPerPixel = 0;
    int FontDpi = 96; // logical dots per inch of the desktop's fonts
    std::optional<TMemoryStatus> Memory;
    QLocale UserLocale = QLocale::c();
    QLocale SystemLocale = QLocale::c();
    bool HasPrinterList = false;
    QList<TPrinterEntry> Printers;
};

class TConfigReport
{
public:
    static constexpr int LabelWidth = 13;

    // The label padded with blanks to 13 characters, then a tab.
    static QString Label(const QString &label);
    // Colours shown by a screen of the given depth: 1 -> 2, 4 -> 16, 8 -> 256,
    // 15 -> 32768, 16 -> 65536, 24 or 32 -> 16777216, any other value as it is.
    static qint64 ColorCount(int bitsPerPixel);
    // "Small Fonts in use" (96), "Large Fonts in use" (120), else
    // "Custom font size in use".
    static QString FontSizeText(int dpi);
    // Parses /proc/meminfo text; nullopt when MemTotal is missing or zero.
    static std::optional<TMemoryStatus> ParseMemInfo(const QByteArray &text);
    // The first "model name" (or "Hardware"/"cpu model" on other machines)
    // of /proc/cpuinfo text; empty when there is none.
    static QString ParseCpuModel(const QByteArray &text);
    // "major.minor" of a kernel version such as "6.1.0-13-amd64".
    static QString KernelMajorMinor(const QString &kernelVersion);

    // One line about the running build for the About box, e.g.
    // "64-bit build on Debian GNU/Linux 12 (bookworm), Qt 6.4.2".
    static QString BuildDescription(int wordSize, const QString &osName, const QString &qtVersion);

    // The environment lines in report order.  Numbers are written with the
    // thousands separators of `numbers`.
    static QStringList EnvironmentLines(const TEnvironmentInfo &env, const QLocale &numbers);

    // The whole report: the date line, "[Product]", the environment lines,
    // the settings file and the default font and nudge lines.
    static QStringList Lines(const QDate &today, const QLocale &locale, const QStringList &environment,
                             const QString &settingsPath, const TDefaultFont &font,
                             const TPrinterNudges &nudges);

    // The default-font and nudge values, e.g. "Arial,10,0,0,0" and
    // "Top:0,Left:0,Vert:0,Horz:0".
    static QString FontValue(const TDefaultFont &font);
    static QString NudgesValue(const TPrinterNudges &nudges);

    static QString ProductName() { return QStringLiteral("Cardwright"); }
    static QString VersionText() { return QStringLiteral("3.2g"); }
};

} // namespace cw::model
