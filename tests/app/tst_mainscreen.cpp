// The main window: document state, caption and buttons, zoom steps, keys,
// printer check, settings commands, closing.

#include "app/TEditCardLayout.h"
#include "app/TMainScreen.h"
#include "app/TPersonalInformation.h"
#include "app/model/TIniFile.h"
#include "support/ScriptedInteraction.h"
#include "support/TestFolder.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

namespace cw::ui {

class TestMainScreen : public QObject
{
    Q_OBJECT

    static bool yes() { return true; }
    static bool no() { return false; }
    static QString printerName() { return QStringLiteral("Office"); }
    static QString noName() { return QString(); }

    test::TestFolder *folder = nullptr;
    test::ScriptedInteraction *script = nullptr;

private slots:
    void init()
    {
        folder = new test::TestFolder;
        script = new test::ScriptedInteraction;
        TMainScreen::hasPrinters = &yes;
        TMainScreen::defaultPrinterName = &printerName;
    }
    void cleanup()
    {
        delete script;
        delete folder;
    }

    void startsWithDefaultsAndCardSize()
    {
        TMainScreen w;
        QCOMPARE(w.windowTitle(), QStringLiteral("Cardwright[*]"));
        QCOMPARE(w.BusinessCardPanel()->size(), QSize(336, 192));
        QVERIFY(w.Busy);
        QVERIFY(std::all_of(w.SelectedCards.begin(), w.SelectedCards.end(), [](bool b) { return b; }));
        QCOMPARE(w.mnuDefaultFont->text(), QStringLiteral("Default Font: Arial, 10 pt "));
        QVERIFY(!w.Savebutton->isVisibleTo(&w));
        QVERIFY(!w.Cancelbutton->isVisibleTo(&w));
        // Tool bar and bottom strip are there with their names and hints.
        QVERIFY(w.findChild<QAction *>(QStringLiteral("DrawCircleTextbutton")));
        QCOMPARE(w.findChild<QAction *>(QStringLiteral("DrawLinebutton"))->toolTip(), QStringLiteral("Line Tool"));
        QCOMPARE(w.PrintButton->text(), QStringLiteral("&Print"));
        QCOMPARE(w.CloseButton->text(), QStringLiteral("E&xit"));
        QCOMPARE(w.ZoomCaption->text(), QStringLiteral("100%"));
        QVERIFY(QFileInfo(folder->file("Saved")).isDir());
        QVERIFY(QFileInfo(folder->file("BG")).isDir());
        QVERIFY(QFileInfo(folder->file("bmbrush")).isDir());
    }

    void firstActivationEndsBusyAndTracksChanges()
    {
        TMainScreen w;
        w.BusinessCardPanel()->Changed(); // before activation: ignored
        QVERIFY(!w.ChangesMade());
        w.FormActivate();
        QVERIFY(!w.Busy);
        QVERIFY(w.PrinterReady());
        QVERIFY(script->informations.isEmpty());
        w.BusinessCardPanel()->Changed();
        QVERIFY(w.ChangesMade());
        QVERIFY(w.Savebutton->isVisibleTo(&w));
        QCOMPARE(w.Savebutton->text(), QStringLiteral("Save As"));
        QVERIFY(w.Cancelbutton->isVisibleTo(&w));
    }

    void captionAndSaveStatesFollowTheFileName()
    {
        TMainScreen w;
        w.FileName = QStringLiteral("/some/folder/BC0001.CWR");
        w.Setbuttons();
        QCOMPARE(w.windowTitle(), QStringLiteral("BC0001.CWR[*] \u2014 Cardwright"));
        w.SetChangesMade(true);
        QCOMPARE(w.Savebutton->text(), QStringLiteral("Save"));
        w.FileName.clear();
        w.SetChangesMade(true);
        QCOMPARE(w.Savebutton->text(), QStringLiteral("Save As"));
        w.Setbuttons();
        QCOMPARE(w.windowTitle(), QStringLiteral("Cardwright[*]"));
    }

    void printerCheckMessages()
    {
        {
            TMainScreen::hasPrinters = &no;
            TMainScreen w;
            w.FormActivate();
            QVERIFY(!w.PrinterReady());
            QCOMPARE(script->informations,
                     QStringList{"There are no installed printers.\nUnable to perform printer related operations"});
            QVERIFY(!w.PrintButton->isEnabled());
            // Preview shows the sheet on the layout's paper, printer or not.
            QVERIFY(w.Previewbutton->isEnabled());
            QVERIFY(!w.mnuPrinterFineTuning->isEnabled());
        }
        script->informations.clear();
        {
            TMainScreen::hasPrinters = &yes;
            TMainScreen::defaultPrinterName = &noName;
            TMainScreen w;
            w.FormActivate();
            QVERIFY(!w.PrinterReady());
            QCOMPARE(script->informations, QStringList{"There is no default printer selected.\nUnable to perform "
                                                       "printer related operations"});
        }
    }

    void zoomStepsBetween100And150()
    {
        TMainScreen w;
        w.FormActivate();
        const QStringList expected{"110%", "120%", "130%", "140%", "150%"};
        for (const QString &caption : expected) {
            w.ZoomIn();
            QCOMPARE(w.ZoomCaption->text(), caption);
        }
        const float top = w.BusinessCardPanel()->Zoom();
        w.ZoomIn(); // the fifth step lands just above 1.5: no sixth
        QCOMPARE(w.BusinessCardPanel()->Zoom(), top);
        QCOMPARE(w.ZoomCaption->text(), QStringLiteral("150%"));
        for (int i = 0; i < 5; ++i)
            w.ZoomOut();
        QCOMPARE(w.ZoomCaption->text(), QStringLiteral("100%"));
        const float bottom = w.BusinessCardPanel()->Zoom();
        w.ZoomOut();
        QCOMPARE(w.BusinessCardPanel()->Zoom(), bottom);
        QVERIFY(!w.ChangesMade()); // zooming is no design change
    }

    void keypadZoomsAndPageKeysScroll()
    {
        TMainScreen w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.FormActivate();
        w.resize(300, 200);
        w.activateWindow();
        QTest::qWait(20);
        QTest::keyClick(w.BusinessCardPanel(), Qt::Key_Plus, Qt::KeypadModifier);
        QCOMPARE(w.ZoomCaption->text(), QStringLiteral("110%"));
        QTest::keyClick(w.BusinessCardPanel(), Qt::Key_PageDown);
        QCOMPARE(w.ZoomCaption->text(), QStringLiteral("110%"));
        QScrollBar *bar = w.m_scrollBox->verticalScrollBar();
        QVERIFY(bar->maximum() > 0);
        QTest::keyClick(w.BusinessCardPanel(), Qt::Key_End);
        QCOMPARE(bar->value(), bar->maximum());
        QTest::keyClick(w.BusinessCardPanel(), Qt::Key_Home);
        QCOMPARE(bar->value(), 0);
        QTest::keyClick(w.BusinessCardPanel(), Qt::Key_Minus, Qt::KeypadModifier);
        QCOMPARE(w.ZoomCaption->text(), QStringLiteral("100%"));
    }

    void closingAsksOnceOnlyWithChanges()
    {
        {
            TMainScreen w;
            w.FormActivate();
            w.close();
            QVERIFY(script->questions.isEmpty());
        }
        {
            TMainScreen w;
            w.FormActivate();
            w.BusinessCardPanel()->Changed();
            script->answers.enqueue(false);
            w.close();
            QCOMPARE(script->questions, QStringList{"Save changes?"});
            QVERIFY(script->log.contains("question[Save]: Save changes?"));
        }
        // Closing stored the placement.
        model::TIniFile ini(model::TIniFile::SettingsFileName());
        QVERIFY(ini.SectionExists(QStringLiteral("TMainScreen_Placement")));
    }

    void cancelButtonAsksAndClearsTheChangeState()
    {
        TMainScreen w;
        w.FormActivate();
        w.BusinessCardPanel()->Changed();
        script->answers.enqueue(false);
        w.CancelbuttonClick();
        QVERIFY(w.ChangesMade());
        script->answers.enqueue(true);
        w.CancelbuttonClick();
        QVERIFY(!w.ChangesMade());
        QVERIFY(script->log.contains("question[CANCEL]: Cancel all changes?"));
        // Throwing the changes away is not what Enter does.
        QVERIFY(script->questionsDefaultNo.contains("Cancel all changes?"));
    }

    void defaultFontCommandSavesAndShowsTheNoteEvenWhenCancelled()
    {
        TMainScreen w;
        w.mnuDefaultFontClick(); // cancelled font dialog
        QVERIFY(QFileInfo::exists(model::TIniFile::SettingsFileName()));
        QCOMPARE(script->informations.size(), 1);
        QVERIFY(script->informations[0].startsWith("Note: the default font is used for NEW objects only."));
        QFont chosen(QStringLiteral("Liberation Serif"));
        chosen.setPointSize(12);
        chosen.setBold(true);
        chosen.setItalic(true);
        script->fonts.enqueue(chosen);
        w.mnuDefaultFontClick();
        QCOMPARE(w.mnuDefaultFont->text(), QStringLiteral("Default Font: Liberation Serif, 12 pt , bold, italic"));
        model::TIniFile ini(model::TIniFile::SettingsFileName());
        QCOMPARE(ini.ReadString("Default Font", "Name", ""), QStringLiteral("Liberation Serif"));
        QCOMPARE(ini.ReadInteger("Default Font", "Size", 0), 12);
        // A new window starts with the stored font.
        TMainScreen again;
        QCOMPARE(again.BusinessCardPanel()->Font().family(), QStringLiteral("Liberation Serif"));
    }

    void personalInformationReachesTheSurface()
    {
        TMainScreen w;
        script->dialogs.enqueue([](QDialog &d) {
            d.findChild<QLineEdit *>(QStringLiteral("pPersonalName"))->setText(QStringLiteral("Ada Lovelace"));
            d.findChild<QLineEdit *>(QStringLiteral("pPersonalFax"))->setText(QStringLiteral(" 555 = 0100"));
            return int(QDialog::Accepted);
        });
        w.PersonalInformation1Click();
        QCOMPARE(w.BusinessCardPanel()->PersonalInfo[0], QStringLiteral("Ada Lovelace"));
        QCOMPARE(w.BusinessCardPanel()->PersonalInfo[9], QStringLiteral(" 555 = 0100"));
        // Cancel changes nothing.
        script->dialogs.enqueue([](QDialog &d) {
            d.findChild<QLineEdit *>(QStringLiteral("pPersonalName"))->setText(QStringLiteral("Nobody"));
            return int(QDialog::Rejected);
        });
        w.PersonalInformation1Click();
        QCOMPARE(w.BusinessCardPanel()->PersonalInfo[0], QStringLiteral("Ada Lovelace"));
    }

    void layoutDialogResizesTheCardAtOnce()
    {
        TMainScreen w;
        script->dialogs.enqueue([](QDialog &d) {
            auto &dialog = static_cast<TEditCardLayout &>(d);
            dialog.FormActivate();
            auto *list = d.findChild<QComboBox *>(QStringLiteral("PredefinedLayouts"));
            list->setCurrentIndex(20); // Herma 8840: 3.3 x 2.0 inches
            dialog.PredefinedLayoutsChange();
            dialog.OKButtonClick();
            return d.result();
        });
        w.ChangeCardLayout1Click();
        QCOMPARE(w.Preferences.Layout.PredefLayout, 20);
        // 3.3 * 96 = 316.8 -> 317; 2.0 * 96 = 192.
        QCOMPARE(w.BusinessCardPanel()->size(), QSize(317, 192));
        model::TIniFile ini(model::TIniFile::SettingsFileName());
        QCOMPARE(ini.ReadInteger("Layout", "Width", 0), 3300);
        QCOMPARE(ini.ReadInteger("Layout", "Papersize", 0), 9);
    }

    void storedMaximizedWins()
    {
        {
            model::TIniFile ini(model::TIniFile::SettingsFileName());
            ini.WriteInteger("TMainScreen_Placement", "Left", 10);
            ini.WriteInteger("TMainScreen_Placement", "Top", 10);
            ini.WriteInteger("TMainScreen_Placement", "Right", 300);
            ini.WriteInteger("TMainScreen_Placement", "Bottom", 300);
            ini.WriteBool("TMainScreen_Placement", "Maximized", true);
        }
        TMainScreen w;
        w.RestoreWindowPlacement();
        QVERIFY(w.windowState() & Qt::WindowMaximized);
    }

    void toolButtonsSetThePanelStateAndDropReturnsToPointer()
    {
        TMainScreen w;
        auto *rectangle = w.findChild<QAction *>(QStringLiteral("DrawRectanglebutton"));
        rectangle->setEnabled(true);
        rectangle->trigger();
        QCOMPARE(w.BusinessCardPanel()->PanelState(), psRectangle);
        emit w.BusinessCardPanel()->DroppedObjectEvent(QRect(1, 1, 10, 10));
        QCOMPARE(w.BusinessCardPanel()->PanelState(), psPointing);
        QVERIFY(w.findChild<QAction *>(QStringLiteral("Pointerbutton"))->isChecked());
    }
};

} // namespace cw::ui

QTEST_MAIN(cw::ui::TestMainScreen)
#include "tst_mainscreen.moc"
