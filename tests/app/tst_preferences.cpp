#include "app/TMainScreen.h"
#include "app/model/Exception.h"
#include "app/model/TIniFile.h"
#include "app/model/TPreferences.h"
#include "design/TGBasePanel.h"
#include "support/TestFolder.h"
#include "text/model/TTextFonts.h"
#include "widgets/Interaction.h"

#include <QFile>
#include <QTest>

using namespace cw;
using model::TCardLayout;
using model::TIniFile;
using model::TPreferences;

namespace {

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A font dialog that behaves as the system's: it lists installed families
// only, opens any other name on its own default family, and is confirmed
// with `pick` (or unchanged when `pick` is empty).
class SystemFontDialog final : public ui::Interaction
{
public:
    SystemFontDialog() { install(this); }
    ~SystemFontDialog() override { install(nullptr); }
    QString pick;
    QStringList shown;

    std::optional<QFont> chooseFont(const QFont &initial, const QString &) override
    {
        QFont font = initial;
        if (!model::TSymbolFonts::IsInstalled(initial.family()))
            font.setFamily(QStringLiteral("Sans Serif"));
        shown << font.family();
        if (!pick.isEmpty())
            font.setFamily(pick);
        return font;
    }
    void information(const QString &) override {}
    bool question(const QString &, const QString &) override { return false; }
    void error(const QString &, const QString &) override {}
    QString openFileName(const QString &, const QString &, const QString &) override { return {}; }
    QString saveFileName(const QString &, const QString &, const QString &, const QString &) override
    {
        return {};
    }
    std::optional<QColor> chooseColor(const QColor &) override { return std::nullopt; }
    int exec(QDialog &) override { return 0; }
};

} // namespace

class TestPreferences : public QObject
{
    Q_OBJECT
private slots:
    void init() { model::PrinterNudges() = model::TPrinterNudges{}; }

    void noFileGivesTheDefaults()
    {
        test::TestFolder folder;
        model::PrinterNudges() = {3, 4, 5, 6};
        TPreferences prefs;
        prefs.ShowBottomMarginWarning = false;
        prefs.PersonalInfo[0] = "stale";
        prefs.Layout.Across = 7;
        prefs.DefaultFont.Bold = true;
        prefs.Load();

        QCOMPARE(prefs.Layout, TCardLayout{});
        QCOMPARE(prefs.Layout.Width, 3.5f);
        QCOMPARE(prefs.Layout.Height, 2.0f);
        QCOMPARE(prefs.Layout.Across, 2);
        QCOMPARE(prefs.Layout.Down, 5);
        QCOMPARE(prefs.Layout.Papersize, 1);
        QCOMPARE(prefs.Layout.SurfaceSize(96), QSize(336, 192));
        QCOMPARE(prefs.DefaultFont, model::TDefaultFont{});
        QCOMPARE(prefs.DefaultFont.Name, QString("Arial"));
        QCOMPARE(prefs.DefaultFont.Size, 10);
        QVERIFY(prefs.ShowBottomMarginWarning);
        for (const QString &text : prefs.PersonalInfo)
            QVERIFY(text.isEmpty());
        QCOMPARE(model::PrinterNudges(), model::TPrinterNudges{});
        QVERIFY(!QFile::exists(folder.file("CWR.INI")));
    }

    void saveWritesEveryKeyInItsOrder()
    {
        test::TestFolder folder;
        model::PrinterNudges() = {1, -2, 3, 0x7fffffff};
        TPreferences prefs;
        prefs.PersonalInfo = {"Ann", "Acme", "Boss", "1 Road", "Town", "", "555", "556", "a@b.c", "557"};
        prefs.ShowBottomMarginWarning = false;
        prefs.DefaultFont = {"Times New Roman", 12, true, false, true};
        prefs.Layout.ApplyPredefined(10);
        prefs.Layout.PredefLayout = 10;
        prefs.Layout.UseMM = true;
        prefs.Save();
        QCOMPARE(readBytes(folder.file("CWR.INI")), QByteArray("[Printer]\n"
                                                               "TopMarginNudge=1\n"
                                                               "LeftMarginNudge=-2\n"
                                                               "VerticalSpacing=3\n"
                                                               "HorizontalSpacing=2147483647\n"
                                                               "ShowBottomMarginWarning=0\n"
                                                               "[Personal]\n"
                                                               "Name=Ann\n"
                                                               "Company=Acme\n"
                                                               "Title=Boss\n"
                                                               "Address1=1 Road\n"
                                                               "Address2=Town\n"
                                                               "Address3=\n"
                                                               "Phone1=555\n"
                                                               "Phone2=556\n"
                                                               "Email=a@b.c\n"
                                                               "Fax=557\n"
                                                               "[Default Font]\n"
                                                               "Name=Times New Roman\n"
                                                               "Size=12\n"
                                                               "Bold=1\n"
                                                               "Italic=0\n"
                                                               "Underline=1\n"
                                                               "[Layout]\n"
                                                               "Height=2047\n"
                                                               "Width=3543\n"
                                                               "TopMargin=728\n"
                                                               "LeftMargin=591\n"
                                                               "HPitch=3543\n"
                                                               "VPitch=2047\n"
                                                               "PredefLayout=10\n"
                                                               "Papersize=9\n"
                                                               "Across=2\n"
                                                               "Down=5\n"
                                                               "UseMM=1\n"));

        model::PrinterNudges() = {};
        TPreferences back;
        back.Load();
        // Written as it is; a nudge fine tuning cannot set reads as 0.
        QCOMPARE(model::PrinterNudges(), (model::TPrinterNudges{1, -2, 3, 0}));
        QCOMPARE(back.PersonalInfo, prefs.PersonalInfo);
        QCOMPARE(back.ShowBottomMarginWarning, false);
        QCOMPARE(back.DefaultFont, prefs.DefaultFont);
        QCOMPARE(back.Layout, prefs.Layout);
    }

    // A stock of the stock database and a custom paper are kept in keys of
    // their own, written only while they are used.
    void stockAndCustomPaperKeys()
    {
        test::TestFolder folder;
        TPreferences prefs;
        prefs.Layout.PredefLayout = -1;
        prefs.Layout.StockKey = "russian-a3-5x9";
        prefs.Layout.Papersize = model::TCardLayout::PaperCustom;
        prefs.Layout.PaperWidth = 11.811f;
        prefs.Layout.PaperHeight = 16.929f;
        prefs.Save();
        const QByteArray written = readBytes(folder.file("CWR.INI"));
        QVERIFY(written.contains("Papersize=256\nAcross=2\nDown=5\nUseMM=0\nStock=russian-a3-5x9\n"
                                 "PaperWidth=11811\nPaperHeight=16929\n"));
        TPreferences back;
        back.Load();
        QCOMPARE(back.Layout, prefs.Layout);

        // Back on a built-in layout and A3: the new keys go.
        prefs.Layout.ApplyPredefined(3);
        prefs.Layout.PredefLayout = 3;
        prefs.Layout.StockKey.clear();
        prefs.Layout.Papersize = model::TCardLayout::PaperA3;
        prefs.Save();
        const QByteArray again = readBytes(folder.file("CWR.INI"));
        QVERIFY(!again.contains("Stock="));
        QVERIFY(!again.contains("PaperWidth"));
        back.Load();
        QCOMPARE(back.Layout.Papersize, model::TCardLayout::PaperA3);
        QCOMPARE(back.Layout.SheetSizeInches(), QSizeF(297 / 25.4, 420 / 25.4));

        // A custom paper without its size is no paper to print on.
        writeBytes(folder.file("CWR.INI"), "[Layout]\nPapersize=256\nPaperWidth=0\n");
        back.Load();
        QCOMPARE(back.Layout.Papersize, model::TCardLayout::PaperLetter);
    }

    void lengthsAreThousandthsOfAnInch()
    {
        test::TestFolder folder;
        writeBytes(folder.file("CWR.INI"), "[Layout]\nHeight=2047\n");
        TPreferences prefs;
        prefs.Load();
        QCOMPARE(prefs.Layout.Height, 2.047f);
        prefs.Save();
        QVERIFY(readBytes(folder.file("CWR.INI")).contains("\nHeight=2047\n"));

        // Every predefined layout survives the file unchanged.
        for (int i = 0; i < TCardLayout::PredefinedCount; ++i) {
            TPreferences one;
            one.Layout.ApplyPredefined(i);
            one.Save();
            TPreferences back;
            back.Load();
            QVERIFY2(back.Layout == one.Layout, TCardLayout::PredefinedLayouts()[i].Text);
        }
        QCOMPARE(TPreferences::InchesToThousandths(2.0469999f), 2047);
        QCOMPARE(TPreferences::ThousandthsToInches(-250), -0.25f);
    }

    void unusableNumbersReadAsDefaults()
    {
        test::TestFolder folder;
        writeBytes(folder.file("CWR.INI"), "[Layout]\nAcross=0\nDown=31\nHeight=-5\nWidth=abc\n"
                                           "TopMargin=0x1F4\nLeftMargin=100001\nPredefLayout=42\n"
                                           "[Default Font]\nSize=0\nBold=yes\nItalic=0x1\n"
                                           "[Printer]\nTopMarginNudge=0x8\nShowBottomMarginWarning=junk\n");
        TPreferences prefs;
        prefs.Load();
        QCOMPARE(prefs.Layout.Across, 2);
        QCOMPARE(prefs.Layout.Down, 5);
        QCOMPARE(prefs.Layout.Height, 2.0f);
        QCOMPARE(prefs.Layout.Width, 3.5f);
        QCOMPARE(prefs.Layout.TopMargin, 0.5f); // hexadecimal 500
        QCOMPARE(prefs.Layout.LeftMargin, 0.75f);
        QCOMPARE(prefs.Layout.PredefLayout, 42); // kept: the dialog then selects no line
        QCOMPARE(prefs.DefaultFont.Size, 10);
        QCOMPARE(prefs.DefaultFont.Bold, false);
        QCOMPARE(prefs.DefaultFont.Italic, true);
        QCOMPARE(model::PrinterNudges().TopMarginNudge, 8); // hexadecimal
        QCOMPARE(prefs.ShowBottomMarginWarning, true);
    }

    void handEditedValuesTheProgramCannotUseReadAsDefaults()
    {
        test::TestFolder folder;
        writeBytes(folder.file("CWR.INI"),
                   "[Layout]\nWidth=0\nHeight=299\nHPitch=100001\nVPitch=-1\nTopMargin=0\n"
                   "[Default Font]\nName=\n"
                   "[Printer]\nTopMarginNudge=9\nLeftMarginNudge=-9\nVerticalSpacing=-8\n"
                   "HorizontalSpacing=8\n");
        TPreferences prefs;
        prefs.Load();
        QCOMPARE(prefs.Layout.Width, 3.5f);
        QCOMPARE(prefs.Layout.Height, 2.0f); // below the smallest card
        QCOMPARE(prefs.Layout.HPitch, 3.5f);
        QCOMPARE(prefs.Layout.VPitch, 2.0f);
        QCOMPARE(prefs.Layout.TopMargin, 0.0f); // a margin may be 0
        QCOMPARE(prefs.DefaultFont.Name, QString("Arial"));
        QCOMPARE(model::PrinterNudges(), (model::TPrinterNudges{0, 0, -8, 8}));

        // The limits themselves are usable: what the layout dialog accepts
        // comes back from the file unchanged.
        writeBytes(folder.file("CWR.INI"), "[Layout]\nWidth=500\nHeight=300\nHPitch=100000\n"
                                           "[Default Font]\nName=   \n");
        prefs.Load();
        QCOMPARE(prefs.Layout.Width, TCardLayout::MinWidth);
        QCOMPARE(prefs.Layout.Height, TCardLayout::MinHeight);
        QCOMPARE(prefs.Layout.HPitch, TCardLayout::MaxLength);
        QCOMPARE(prefs.DefaultFont.Name, QString("Arial"));
    }

    void defaultFontDialogKeepsTheFontName()
    {
        test::TestFolder folder;
        ui::TMainScreen::hasPrinters = [] { return false; };
        SystemFontDialog dialog;
        ui::TMainScreen w;
        QCOMPARE(w.BusinessCardPanel()->Font().family(), QString("Arial"));

        // Confirmed unchanged: Arial stays Arial, on the surface and in the file.
        w.mnuDefaultFontClick();
        QCOMPARE(dialog.shown.last(), model::TTextFonts::DrawnFamily("Arial"));
        QCOMPARE(w.BusinessCardPanel()->Font().family(), QString("Arial"));
        QVERIFY(readBytes(folder.file("CWR.INI")).contains("[Default Font]\nName=Arial\n"));

        // Another family is taken as chosen.
        dialog.pick = "Liberation Serif";
        w.mnuDefaultFontClick();
        QCOMPARE(w.BusinessCardPanel()->Font().family(), QString("Liberation Serif"));
        QVERIFY(readBytes(folder.file("CWR.INI")).contains("[Default Font]\nName=Liberation Serif\n"));
    }

    void personalTextsAreWrittenAsTheyAre()
    {
        test::TestFolder folder;
        TPreferences prefs;
        prefs.PersonalInfo[TPreferences::Name] = "a=b";
        prefs.PersonalInfo[TPreferences::Company] = "   Indented";
        prefs.PersonalInfo[TPreferences::Email] = QString::fromUtf8("zoë@example.com");
        prefs.Save();
        const QByteArray file = readBytes(folder.file("CWR.INI"));
        QVERIFY(file.contains("\nName=a=b\n"));
        QVERIFY(file.contains(QString::fromUtf8("\nEmail=zoë@example.com\n").toUtf8()));
        TPreferences back;
        back.Load();
        QCOMPARE(back.PersonalInfo, prefs.PersonalInfo);
    }

    void saveKeepsOtherSections()
    {
        test::TestFolder folder;
        writeBytes(folder.file("cwr.ini"), "[MRU]\nF0=/x/a.CWR\n[TMainScreen_Placement]\nLeft=5\n");
        TPreferences prefs;
        prefs.Save();
        const QByteArray file = readBytes(folder.file("cwr.ini"));
        QVERIFY(file.startsWith("[MRU]\nF0=/x/a.CWR\n[TMainScreen_Placement]\nLeft=5\n[Printer]\n"));
        QVERIFY(!QFile::exists(folder.file("CWR.INI")));
    }

    void failedSaveNamesTheFileAndChangesNothing()
    {
        test::TestFolder folder;
        TIniFile ini(folder.file("missing/CWR.INI"));
        TPreferences prefs;
        try {
            prefs.Save(ini);
            QFAIL("saving should have failed");
        } catch (const EInOutError &e) {
            QVERIFY(e.message().contains(folder.file("missing/CWR.INI")));
        }
        // The object is out of its update block and usable again.
        QCOMPARE(ini.ReadInteger("Layout", "Across", -1), -1);
    }

    void fontNameIsCutTo255Characters()
    {
        test::TestFolder folder;
        writeBytes(folder.file("CWR.INI"), "[Default Font]\nName=" + QByteArray(300, 'F') + "\n");
        TPreferences prefs;
        prefs.Load();
        QCOMPARE(prefs.DefaultFont.Name, QString(255, QChar('F')));
    }

    void defaultFontCaption()
    {
        model::TDefaultFont font;
        QCOMPARE(TPreferences::DefaultFontCaption(font), QString("Default Font: Arial, 10 pt "));
        font.Bold = font.Italic = true;
        QCOMPARE(TPreferences::DefaultFontCaption(font),
                 QString("Default Font: Arial, 10 pt , bold, italic"));
        font = {"Courier New", 8, false, false, true};
        QCOMPARE(TPreferences::DefaultFontCaption(font),
                 QString("Default Font: Courier New, 8 pt , underline"));
    }

    void defaultFontAndQFont()
    {
        const model::TDefaultFont font{"Arial", 14, true, true, false};
        const QFont qfont = font.ToFont();
        QCOMPARE(qfont.family(), QString("Arial"));
        QCOMPARE(qfont.pointSize(), 14);
        QVERIFY(qfont.bold() && qfont.italic() && !qfont.underline());
        QCOMPARE(model::TDefaultFont::FromFont(qfont), font);

        QFont pixels("Arial");
        pixels.setPixelSize(20); // 15 points at 96 pixels per inch
        QCOMPARE(model::TDefaultFont::FromFont(pixels).Size, 15);
    }
};

QTEST_MAIN(TestPreferences)
#include "tst_preferences.moc"
