// The configuration report: its exact lines, the facts read from /proc, and
// the dialog's copy and save commands with their messages.

#include "app/model/TPreferences.h"
#include "help/TConfigurationInfo.h"
#include "help/model/TConfigReport.h"
#include "support/ScriptedInteraction.h"
#include "support/TestFolder.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QPlainTextEdit>
#include <QtTest>

using namespace cw;
using model::TConfigReport;

class TestConfigInfo : public QObject
{
    Q_OBJECT

private:
    static model::TEnvironmentInfo sampleEnvironment()
    {
        model::TEnvironmentInfo env;
        env.KernelName = QStringLiteral("Linux");
        env.KernelVersion = QStringLiteral("6.1.0-13-amd64");
        env.OsName = QStringLiteral("Debian GNU/Linux 12 (bookworm)");
        env.Architecture = QStringLiteral("x86_64");
        env.CpuModel = QStringLiteral("Intel(R) Core(TM) i5-8250U CPU @ 1.60GHz");
        env.Desktop = QStringLiteral("KDE");
        env.SessionType = QStringLiteral("wayland");
        env.QtVersion = QStringLiteral("6.4.2");
        env.Platform = QStringLiteral("wayland");
        env.ScreenWidth = 1920;
        env.ScreenHeight = 1080;
        env.BitsPerPixel = 24;
        env.FontDpi = 96;
        model::TMemoryStatus m;
        m.LoadPercent = 25;
        m.PhysTotal = 8000000000;
        m.PhysAvail = 6000000000;
        m.PageTotal = 2048;
        m.PageAvail = 1024;
        m.VirtTotal = 1000000;
        m.VirtAvail = 0;
        env.Memory = m;
        env.UserLocale = QLocale(QLocale::English, QLocale::UnitedStates);
        env.SystemLocale = QLocale(QLocale::German, QLocale::Germany);
        env.HasPrinterList = true;
        env.Printers = {{QStringLiteral("PDF"), QStringLiteral("Generic CUPS-PDF Printer"), QString(), true},
                        {QStringLiteral("Office"), QString(), QStringLiteral("Room 2"), false}};
        return env;
    }

private slots:
    void labelsArePaddedTo13AndTabbed()
    {
        QCOMPARE(TConfigReport::Label(QStringLiteral("Program:")), QStringLiteral("Program:     \t"));
        QCOMPARE(TConfigReport::Label(QStringLiteral("Video Driver:")), QStringLiteral("Video Driver:\t"));
        QCOMPARE(TConfigReport::Label(QStringLiteral("DeFFont")), QStringLiteral("DeFFont      \t"));
    }

    void reportLinesWithDefaultSettings()
    {
        const QLocale us(QLocale::English, QLocale::UnitedStates);
        const QStringList env{QStringLiteral("ENV1"), QStringLiteral("ENV2")};
        const QStringList lines =
            TConfigReport::Lines(QDate(2026, 3, 5), us, env, QStringLiteral("/opt/cw/CWR.INI"),
                                 model::TDefaultFont(), model::TPrinterNudges());
        const QStringList expected{
            us.toString(QDate(2026, 3, 5), QLocale::LongFormat),
            QString(),
            QStringLiteral("[Product]"),
            QStringLiteral("Program:     \tCardwright"),
            QStringLiteral("Version:     \t3.2g"),
            QString(),
            QStringLiteral("[Environment]"),
            QStringLiteral("ENV1"),
            QStringLiteral("ENV2"),
            QString(),
            QStringLiteral("[/opt/cw/CWR.INI]"),
            QString(),
            QStringLiteral("DeFFont      \tArial,10,0,0,0"),
            QStringLiteral("Nudges:      \tTop:0,Left:0,Vert:0,Horz:0"),
        };
        QCOMPARE(lines, expected);
        QVERIFY(lines.first().contains(QStringLiteral("March")));
    }

    void fontAndNudgeValuesFollowTheSettings()
    {
        model::TDefaultFont font;
        font.Name = QStringLiteral("Times New Roman");
        font.Size = 12;
        font.Bold = true;
        font.Underline = true;
        QCOMPARE(TConfigReport::FontValue(font), QStringLiteral("Times New Roman,12,1,0,1"));
        model::TPrinterNudges n;
        n.TopMarginNudge = -3;
        n.LeftMarginNudge = 8;
        n.VerticalSpacing = 1;
        n.HorizontalSpacing = -8;
        QCOMPARE(TConfigReport::NudgesValue(n), QStringLiteral("Top:-3,Left:8,Vert:1,Horz:-8"));
    }

    void environmentLinesInOrder()
    {
        const QStringList lines = TConfigReport::EnvironmentLines(
            sampleEnvironment(), QLocale(QLocale::English, QLocale::UnitedStates));
        const QStringList expected{
            QStringLiteral("System:      \tDebian GNU/Linux 12 (bookworm)"),
            QStringLiteral("Kernel:      \tLinux 6.1.0-13-amd64 (x86_64)"),
            QStringLiteral("Desktop:     \tKDE (wayland)"),
            QStringLiteral("Qt:          \t6.4.2, platform wayland"),
            QStringLiteral("CPU:         \tProcessor:  x86_64 Intel(R) Core(TM) i5-8250U CPU @ 1.60GHz"),
            QStringLiteral("Video:       \t1920 x 1080 x 16,777,216 colors"),
            QStringLiteral("Font:        \tSmall Fonts in use"),
            QStringLiteral("Memory Load: \t25"),
            QStringLiteral("Phys Memory: \tTotal: 8,000,000,000;    Available: 6,000,000,000"),
            QStringLiteral("Page File:   \tTotal: 2,048;    Available: 1,024"),
            QStringLiteral("Virt Memory: \tTotal: 1,000,000;    Available: 0"),
            QStringLiteral("Language:    \tUser: English;    System: German"),
            QStringLiteral("Country:     \tUser: US;    System: DE"),
            QStringLiteral("Date Format: \tShort: ") +
                QLocale(QLocale::English, QLocale::UnitedStates).dateFormat(QLocale::ShortFormat) +
                QStringLiteral(";    Long: ") +
                QLocale(QLocale::English, QLocale::UnitedStates).dateFormat(QLocale::LongFormat),
            QStringLiteral("Time Format: \tShort: ") +
                QLocale(QLocale::English, QLocale::UnitedStates).timeFormat(QLocale::ShortFormat) +
                QStringLiteral(";    Long: ") +
                QLocale(QLocale::English, QLocale::UnitedStates).timeFormat(QLocale::LongFormat),
            QStringLiteral("[Printers]"),
            QStringLiteral("PDF=Generic CUPS-PDF Printer,,default"),
            QStringLiteral("Office=,Room 2"),
            QString(),
        };
        QCOMPARE(lines, expected);
        // Linux has no SYSTEM.INI: no driver, keyboard or mouse lines.
        for (const QString &line : lines) {
            QVERIFY(!line.startsWith(QStringLiteral("Video Driver:")));
            QVERIFY(!line.startsWith(QStringLiteral("Keyboard:")));
            QVERIFY(!line.startsWith(QStringLiteral("Mouse:")));
        }
    }

    void missingFactsLeaveTheirLinesOut()
    {
        model::TEnvironmentInfo env = sampleEnvironment();
        env.Memory.reset();
        env.ScreenWidth = 0;
        env.HasPrinterList = false;
        env.Desktop.clear();
        env.SessionType.clear();
        env.QtVersion.clear();
        env.OsName.clear();
        const QString all = TConfigReport::EnvironmentLines(env, QLocale::c()).join(QLatin1Char('\n'));
        QVERIFY(!all.contains(QStringLiteral("Desktop:")));
        QVERIFY(!all.contains(QStringLiteral("Qt:")));
        // Without a distribution name the kernel names the system.
        QVERIFY(all.startsWith(QStringLiteral("System:      \tLinux\n")));
        QVERIFY(!all.contains(QStringLiteral("Memory Load:")));
        QVERIFY(!all.contains(QStringLiteral("Video:")));
        QVERIFY(!all.contains(QStringLiteral("[Printers]")));
        QVERIFY(all.contains(QStringLiteral("Font:        \t")));
    }

    void buildDescriptionForTheAboutBox()
    {
        QCOMPARE(TConfigReport::BuildDescription(64, QStringLiteral("Debian GNU/Linux 12 (bookworm)"),
                                                 QStringLiteral("6.4.2")),
                 QStringLiteral("64-bit build on Debian GNU/Linux 12 (bookworm), Qt 6.4.2"));
        QCOMPARE(TConfigReport::BuildDescription(32, QString(), QString()), QStringLiteral("32-bit build"));
    }

    void colourCountsAndFontSizes()
    {
        QCOMPARE(TConfigReport::ColorCount(1), qint64(2));
        QCOMPARE(TConfigReport::ColorCount(4), qint64(16));
        QCOMPARE(TConfigReport::ColorCount(8), qint64(256));
        QCOMPARE(TConfigReport::ColorCount(15), qint64(32768));
        QCOMPARE(TConfigReport::ColorCount(16), qint64(65536));
        QCOMPARE(TConfigReport::ColorCount(24), qint64(16777216));
        QCOMPARE(TConfigReport::ColorCount(32), qint64(16777216));
        QCOMPARE(TConfigReport::ColorCount(30), qint64(30));
        QCOMPARE(TConfigReport::FontSizeText(96), QStringLiteral("Small Fonts in use"));
        QCOMPARE(TConfigReport::FontSizeText(120), QStringLiteral("Large Fonts in use"));
        QCOMPARE(TConfigReport::FontSizeText(144), QStringLiteral("Custom font size in use"));
    }

    void memInfoParsing()
    {
        const QByteArray text =
            "MemTotal:        1000 kB\nMemFree:          100 kB\nMemAvailable:     250 kB\n"
            "SwapTotal:        400 kB\nSwapFree:         300 kB\nCommitLimit:      900 kB\n"
            "Committed_AS:    1200 kB\n";
        const std::optional<model::TMemoryStatus> m = TConfigReport::ParseMemInfo(text);
        QVERIFY(m);
        QCOMPARE(m->PhysTotal, qint64(1024000));
        QCOMPARE(m->PhysAvail, qint64(256000));
        QCOMPARE(m->LoadPercent, 75);
        QCOMPARE(m->PageTotal, qint64(409600));
        QCOMPARE(m->PageAvail, qint64(307200));
        QCOMPARE(m->VirtTotal, qint64(921600));
        QCOMPARE(m->VirtAvail, qint64(0)); // over-committed: nothing available, never negative

        // Old kernels without MemAvailable: free memory stands in.
        const auto old = TConfigReport::ParseMemInfo("MemTotal: 200 kB\nMemFree: 50 kB\n");
        QVERIFY(old);
        QCOMPARE(old->PhysAvail, qint64(51200));
        QCOMPARE(old->LoadPercent, 75);
        QVERIFY(!TConfigReport::ParseMemInfo("garbage\n"));
        QVERIFY(!TConfigReport::ParseMemInfo("MemTotal: 0 kB\n"));
    }

    void cpuModelParsing()
    {
        QCOMPARE(TConfigReport::ParseCpuModel("processor\t: 0\nvendor_id\t: GenuineIntel\n"
                                              "model name\t: Intel(R)   Xeon(R) CPU\nprocessor\t: 1\n"),
                 QStringLiteral("Intel(R) Xeon(R) CPU"));
        QCOMPARE(TConfigReport::ParseCpuModel("processor : 0\nHardware : BCM2835\n"),
                 QStringLiteral("BCM2835"));
        QCOMPARE(TConfigReport::ParseCpuModel(""), QString());
        QCOMPARE(TConfigReport::KernelMajorMinor(QStringLiteral("6.1.0-13-amd64")), QStringLiteral("6.1"));
    }

    void copyTakesTheEditedText()
    {
        test::ScriptedInteraction ui;
        ui::TConfigurationInfo dialog;
        dialog.SetReport({QStringLiteral("line 1"), QStringLiteral("line\t2")});
        dialog.Memo()->appendPlainText(QStringLiteral("added by the user"));
        dialog.Button1Click();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("line 1\nline\t2\nadded by the user"));
        QCOMPARE(ui.informations, QStringList{QStringLiteral("Information copied to Windows clipboard")});
    }

    void saveWritesTheTextAndNamesTheFile()
    {
        test::TestFolder folder;
        test::ScriptedInteraction ui;
        ui::TConfigurationInfo dialog;
        dialog.SetReport({QStringLiteral("[Product]"), QStringLiteral("Program:     \tCardwright")});
        const QString path = folder.file(QStringLiteral("ConfigInfo.txt"));
        ui.fileNames.enqueue(path);
        dialog.Button3Click();
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("[Product]\nProgram:     \tCardwright\n"));
        QCOMPARE(ui.informations, QStringList{QStringLiteral("Information was saved as: ") + path});

        // Cancelling the save dialog writes nothing and says nothing.
        dialog.Button3Click();
        QCOMPARE(ui.informations.size(), 1);
    }

    void failedSaveIsReportedNotAnnounced()
    {
        test::TestFolder folder;
        test::ScriptedInteraction ui;
        ui::TConfigurationInfo dialog;
        dialog.SetReport({QStringLiteral("text")});
        ui.fileNames.enqueue(folder.file(QStringLiteral("no such folder/ConfigInfo.txt")));
        dialog.Button3Click();
        QVERIFY(ui.informations.isEmpty());
        QCOMPARE(ui.log.size(), 2);
        QCOMPARE(ui.log.at(0),
                 QStringLiteral("save[Save As]: ") + folder.file(QStringLiteral("ConfigInfo.txt")));
        QVERIFY(ui.log.at(1).startsWith(QStringLiteral("error[Configuration Information]: Unable to save ")));
    }

    void executeShowsTheWholeReport()
    {
        test::TestFolder folder;
        test::ScriptedInteraction ui;
        model::TPreferences prefs;
        prefs.DefaultFont.Name = QStringLiteral("Liberation Serif");
        QString shown;
        ui.dialogs.enqueue([&shown](QDialog &d) {
            shown = static_cast<ui::TConfigurationInfo &>(d).ReportText();
            return int(QDialog::Accepted);
        });
        ui::TConfigurationInfo::Execute(nullptr, prefs);
        QCOMPARE(ui.dialogsRun, 1);
        QVERIFY(
            shown.contains(QStringLiteral("\n[Product]\nProgram:     \tCardwright\nVersion:     \t3.2g\n")));
        QVERIFY(shown.contains(QStringLiteral("[Environment]\nSystem:      \t")));
        QVERIFY(!shown.contains(QStringLiteral("Windows")));
        QVERIFY(shown.contains(QStringLiteral("CWR.INI]\n")));
        QVERIFY(shown.contains(QStringLiteral("DeFFont      \tLiberation Serif,10,0,0,0\n")));
        QVERIFY(shown.endsWith(QStringLiteral("Nudges:      \tTop:0,Left:0,Vert:0,Horz:0")));
    }
};

QTEST_MAIN(TestConfigInfo)
#include "tst_configinfo.moc"
