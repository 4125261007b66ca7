// The back-side registration: its keys in the settings file (left out while
// they hold their defaults, so a one-sided user's file stays as it was), the
// dialog that edits it, and fine tuning leaving it alone.
#include "app/model/TIniFile.h"
#include "app/model/TPreferences.h"
#include "help/TQexHelp.h"
#include "print/TBackSideRegistration.h"
#include "print/TPrintFineTune.h"
#include "support/TestFolder.h"

#include <QComboBox>
#include <QFile>
#include <QSpinBox>
#include <QTest>

using namespace cw;
using namespace cw::model;

class TestBackRegistration : public QObject
{
    Q_OBJECT

    static QByteArray bytes(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void init() { PrinterNudges() = TPrinterNudges{}; }
    void cleanup() { PrinterNudges() = TPrinterNudges{}; }

    void settingsKeepTheRegistrationOnlyWhenItIsSet()
    {
        test::TestFolder folder;
        const QString path = folder.file("CWR.INI");
        TPreferences preferences;
        {
            TIniFile ini(path);
            preferences.Save(ini);
        }
        const QByteArray oneSided = bytes(path);
        QVERIFY(!oneSided.contains("Back"));

        PrinterNudges().Back = TBackRegistration{TBinding::ShortEdge, -5, 12};
        {
            TIniFile ini(path);
            preferences.Save(ini);
        }
        QVERIFY(bytes(path).contains("BackBinding=short"));
        QVERIFY(bytes(path).contains("BackHorizontalOffset=-5"));
        PrinterNudges() = TPrinterNudges{};
        preferences.Load(TIniFile(path));
        QCOMPARE(PrinterNudges().Back, (TBackRegistration{TBinding::ShortEdge, -5, 12}));

        // Back to the defaults: the keys go and the file is as before.
        PrinterNudges().Back = TBackRegistration{};
        {
            TIniFile ini(path);
            preferences.Save(ini);
        }
        QCOMPARE(bytes(path), oneSided);

        // Offsets beyond an inch are no registration the program makes.
        {
            TIniFile ini(path);
            ini.WriteInteger("Printer", "BackVerticalOffset", 33);
            ini.WriteInteger("Printer", "BackHorizontalOffset", -32);
        }
        preferences.Load(TIniFile(path));
        QCOMPARE(PrinterNudges().Back.Vertical, 0);
        QCOMPARE(PrinterNudges().Back.Horizontal, -32);
    }

    void dialogEditsACopyUntilOk()
    {
        PrinterNudges().Back = TBackRegistration{TBinding::LongEdge, 3, -1};
        ui::TBackSideRegistration dialog;
        QCOMPARE(dialog.Values(), PrinterNudges().Back);
        dialog.findChild<QComboBox *>("BindingBox")->setCurrentIndex(1);
        dialog.findChild<QSpinBox *>("HorizontalOffset")->setValue(40); // held at 32
        dialog.findChild<QSpinBox *>("VerticalOffset")->setValue(-7);
        QCOMPARE(PrinterNudges().Back, (TBackRegistration{TBinding::LongEdge, 3, -1}));
        dialog.OKButtonClick();
        QCOMPARE(PrinterNudges().Back, (TBackRegistration{TBinding::ShortEdge, 32, -7}));
        // Every control explains itself in what's-this mode.
        ui::TQexHelp *help = ui::TQexHelp::Install(&dialog);
        QVERIFY(help);
        for (const char *name :
             {"BindingBox", "HorizontalOffset", "VerticalOffset", "OKButton", "Cancelbutton"}) {
            QWidget *control = dialog.findChild<QWidget *>(name);
            QVERIFY2(control, name);
            const auto found = help->Resolve(control);
            QVERIFY2(found && found->Control == control, name);
        }
    }

    void fineTuningDefaultsKeepTheBackRegistration()
    {
        PrinterNudges() = TPrinterNudges{2, 2, 2, 2, TBackRegistration{TBinding::ShortEdge, 4, 4}};
        ui::TPrintFineTune dialog;
        dialog.DefaultButtonClick();
        dialog.OKButtonClick();
        QCOMPARE(PrinterNudges().TopMarginNudge, 0);
        QCOMPARE(PrinterNudges().Back, (TBackRegistration{TBinding::ShortEdge, 4, 4}));
    }
};

QTEST_MAIN(TestBackRegistration)
#include "tst_backregistration.moc"
