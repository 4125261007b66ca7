// The designer's merge, driven through the interaction service: opening a
// source shows its first record on the card and the merge bar, the bar moves
// between records, Save Sheet As PDF prints one card per record (several
// when asked) over the chosen positions on as many sheets as needed, the
// mapping dialog changes the fields and refuses unknown columns, and the
// merge file beside the card brings the merge back when the card is opened.
#include "app/TMainScreen.h"
#include "merge/TMergeBar.h"
#include "merge/TMergeController.h"
#include "merge/TMergeMappingDialog.h"
#include "merge/model/TMergeSidecar.h"
#include "print/SheetPdfCheck.h"
#include "print/TLabelPrinter.h"
#include "print/TSelectSpecificLabels.h"
#include "support/ScriptedInteraction.h"
#include "support/TestFolder.h"
#include "text/model/TGBusinessCardLabel.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QToolButton>

using namespace cw;
using namespace cw::model;

namespace {

QString dataFile(const QString &name)
{
    return qEnvironmentVariable("CW_TEST_DATA") + QStringLiteral("/merge/") + name;
}

std::function<int(QDialog &)> chooseCards(QList<int> positions)
{
    return [=](QDialog &d) {
        auto &dialog = dynamic_cast<ui::TSelectSpecificLabels &>(d);
        dialog.SelectnoneClick();
        for (int k : positions)
            dialog.PaintBox1MouseDown(dialog.Sheet.Rectangle(k - 1).center());
        dialog.SetPages(1);
        dialog.OKbuttonClick();
        return d.result();
    };
}

std::function<int(QDialog &)> runJob()
{
    return [](QDialog &d) {
        dynamic_cast<ui::TLabelPrinter &>(d).FormActivate();
        return int(QDialog::Accepted);
    };
}

int pageCount(const QString &pdf)
{
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    info.waitForFinished(30000);
    for (const QString &line : QString::fromUtf8(info.readAllStandardOutput()).split('\n'))
        if (line.startsWith(QLatin1String("Pages:")))
            return line.mid(6).trimmed().toInt();
    return -1;
}

// The text of card cell `position` on a page of `layout`, read from the PDF.
QString cellText(const QString &pdf, const TCardLayout &l, int page, int position)
{
    const int column = (position - 1) % l.Across, row = (position - 1) / l.Across;
    const double x = (l.LeftMargin + column * l.HPitch) * 72, y = (l.TopMargin + row * l.VPitch) * 72;
    QProcess text;
    text.start(QStringLiteral("pdftotext"),
               {"-f", QString::number(page), "-l", QString::number(page), "-x", QString::number(int(x) + 1),
                "-y", QString::number(int(y) + 1), "-W", QString::number(int(l.Width * 72) - 2), "-H",
                QString::number(int(l.Height * 72) - 2), pdf, "-"});
    text.waitForFinished(30000);
    return QString::fromUtf8(text.readAllStandardOutput()).simplified();
}

} // namespace

class TestMergeDesigner : public QObject
{
    Q_OBJECT

    test::TestFolder *m_folder = nullptr;
    test::ScriptedInteraction *m_script = nullptr;

    // The main window on the gapped Letter layout (eight positions) with
    // Name and Company linked labels.
    std::unique_ptr<ui::TMainScreen> window()
    {
        auto screen = std::make_unique<ui::TMainScreen>();
        screen->FormActivate();
        screen->Layout() = test::LetterLayoutWithGaps();
        screen->SetCardSizeFromInches();
        screen->Preferences.PersonalInfo[0] = "Own Name";
        screen->SetPanelPersonalInfo();
        for (const int field : {0, 1}) {
            auto label = std::make_unique<TGBusinessCardLabel>();
            label->SetCaption("Text");
            label->SetPersonalField(field);
            screen->BusinessCardPanel()->PlaceNewObject(std::move(label), QRect(12, 10 + 40 * field, 40, 20));
        }
        m_script->log.clear();
        m_script->informations.clear();
        return screen;
    }

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext is missing");
    }
    void init()
    {
        m_folder = new test::TestFolder;
        m_script = new test::ScriptedInteraction;
        ui::TMainScreen::hasPrinters = [] { return false; };
    }
    void cleanup()
    {
        delete m_script;
        delete m_folder;
    }

    void barShowsAndMovesBetweenRecords()
    {
        auto w = window();
        ui::TMergeBar *bar = w->Merge->Bar();
        QVERIFY(!bar->isVisibleTo(w.get()));
        m_script->fileNames.enqueue(dataFile("people.csv"));
        w->Merge->OpenSourceClick();
        QVERIFY(bar->isVisibleTo(w.get()));
        QVERIFY(m_script->informations.isEmpty());
        QCOMPARE(bar->PositionText(), QString("Record 1 of 25"));
        auto *panel = w->BusinessCardPanel();
        QCOMPARE(panel->PersonalInfo[0], QString::fromUtf8("Jan Novák"));
        QCOMPARE(panel->PersonalInfo[1], QString::fromUtf8("Pivovar Žatec s.r.o."));
        bar->findChild<QToolButton *>("NextRecord")->click();
        QCOMPARE(bar->PositionText(), QString("Record 2 of 25"));
        QCOMPARE(panel->PersonalInfo[0], QString::fromUtf8("Eva Dvořáková"));
        // Showing records is no design change, though a longer name widens
        // its label on screen.
        w->SetChangesMade(false);
        const int width = panel->ObjectAt(0)->Width();
        bar->findChild<QToolButton *>("LastRecord")->click();
        (void)panel->grab();
        QApplication::processEvents();
        QVERIFY(panel->ObjectAt(0)->Width() > width);
        QVERIFY(!w->ChangesMade());
        QCOMPARE(bar->PositionText(), QString("Record 25 of 25"));
        QVERIFY(!bar->findChild<QToolButton *>("NextRecord")->isEnabled());
        // The personal information dialog's values wait until the merge ends.
        w->Preferences.PersonalInfo[0] = "Changed Own Name";
        w->SetPanelPersonalInfo();
        QCOMPARE(panel->PersonalInfo[0], QString::fromUtf8("Ingrid Ångström"));
        w->Merge->CloseMerge();
        QVERIFY(!bar->isVisibleTo(w.get()));
        QCOMPARE(panel->PersonalInfo[0], QString("Changed Own Name"));
    }

    void sheetPdfHoldsOneCardPerRecordOnAsManySheetsAsNeeded()
    {
        auto w = window();
        QVERIFY(w->Merge->OpenSource(dataFile("people.csv")));
        w->Merge->ShowRecord(4);
        const QString pdf = m_folder->file("team.pdf");
        m_script->fileNames.enqueue(pdf);
        m_script->dialogs.enqueue(chooseCards({1, 2, 3, 4, 5, 6, 7, 8}));
        m_script->dialogs.enqueue(runJob());
        w->mnuSaveSheetAsPdfClick();
        QCOMPARE(pageCount(pdf), 4);
        const TCardLayout layout = test::LetterLayoutWithGaps();
        QCOMPARE(cellText(pdf, layout, 1, 1), QString::fromUtf8("Jan Novák Pivovar Žatec s.r.o."));
        QCOMPARE(cellText(pdf, layout, 2, 2), QString::fromUtf8("Günther Weiß Bäckerei Weiß"));
        QCOMPARE(cellText(pdf, layout, 4, 1), QString::fromUtf8("Ingrid Ångström Ångström Optik, Berlin"));
        QCOMPARE(cellText(pdf, layout, 4, 2), QString());
        // The card shows the record it showed before.
        QCOMPARE(w->BusinessCardPanel()->PersonalInfo[0], QString::fromUtf8("Tomáš Kučera"));
        QCOMPARE(w->Merge->Bar()->PositionText(), QString("Record 5 of 25"));
    }

    void sameCardSeveralTimesPerRecordOnChosenPositions()
    {
        auto w = window();
        QVERIFY(w->Merge->OpenSource(dataFile("contacts.vcf")));
        w->Merge->Bar()->SetCardsPerRecord(2);
        const QString pdf = m_folder->file("phone.pdf");
        m_script->fileNames.enqueue(pdf);
        m_script->dialogs.enqueue(chooseCards({2, 4, 6, 8}));
        m_script->dialogs.enqueue(runJob());
        w->mnuSaveSheetAsPdfClick();
        QCOMPARE(pageCount(pdf), 2);
        const TCardLayout layout = test::LetterLayoutWithGaps();
        const QString ondrej = QString::fromUtf8("Ondřej Šťastný České dráhy a.s., Obchod");
        QCOMPARE(cellText(pdf, layout, 1, 1), QString());
        QCOMPARE(cellText(pdf, layout, 1, 2), ondrej);
        QCOMPARE(cellText(pdf, layout, 1, 4), ondrej);
        QCOMPARE(cellText(pdf, layout, 1, 6), QString::fromUtf8("Anneliese Fröhlich Fröhlich Feinkost GmbH"));
        QCOMPARE(cellText(pdf, layout, 2, 2), QString::fromUtf8("Gaëlle Rousseau Librairie du Marché"));
        QCOMPARE(cellText(pdf, layout, 2, 6), QString());
    }

    void mappingDialogChangesFieldsAndRefusesUnknownColumns()
    {
        auto w = window();
        QVERIFY(w->Merge->OpenSource(dataFile("people.csv")));
        m_script->dialogs.enqueue([this](QDialog &d) {
            auto &dialog = dynamic_cast<ui::TMergeMappingDialog &>(d);
            if (dialog.FieldBox(0)->currentText() != "Name")
                return int(QDialog::Rejected);
            dialog.FieldBox(1)->setCurrentText("Nobody");
            dialog.OKButtonClick();
            if (d.result() == QDialog::Accepted || m_script->informations.isEmpty())
                return int(QDialog::Rejected);
            dialog.FieldBox(1)->setCurrentText("Titel+Ort");
            dialog.FieldBox(0)->setCurrentText(ui::TMergeMappingDialog::NoColumn());
            dialog.OKButtonClick();
            return d.result();
        });
        w->Merge->MappingClick();
        QVERIFY2(m_script->informations.value(0).contains("no column \"Nobody\""),
                 qPrintable(m_script->informations.join('\n')));
        QCOMPARE(w->BusinessCardPanel()->PersonalInfo[0], QString());
        QCOMPARE(w->BusinessCardPanel()->PersonalInfo[1], QString::fromUtf8("Sládek 438 01 Žatec"));
    }

    void mergeFileBringsTheMergeBackWithTheCard()
    {
        auto w = window();
        QVERIFY(w->Merge->OpenSource(dataFile("contacts.vcf")));
        w->Merge->ShowRecord(2);
        const QString card = m_folder->file("team.cwr");
        QVERIFY(w->SaveBCFile(card));
        QVERIFY(QFile::exists(m_folder->file("team.cwm")));
        w->Merge->CloseMerge();
        w->OpenBCFile(card);
        QVERIFY(w->Merge->IsOpen());
        QCOMPARE(w->Merge->Bar()->PositionText(), QString("Record 1 of 3"));
        QCOMPARE(w->BusinessCardPanel()->PersonalInfo[0], QString::fromUtf8("Ondřej Šťastný"));
        // Saved without a merge, the card's merge file goes.
        w->Merge->CloseMerge();
        QVERIFY(w->SaveBCFile(card));
        QVERIFY(!QFile::exists(m_folder->file("team.cwm")));
        w->OpenBCFile(card);
        QVERIFY(!w->Merge->IsOpen());
        QCOMPARE(w->BusinessCardPanel()->PersonalInfo[0], QString("Own Name"));
    }

    void faultySourceIsReportedOnceAndStillMerges()
    {
        auto w = window();
        QFile csv(m_folder->file("broken.csv"));
        QVERIFY(csv.open(QIODevice::WriteOnly));
        csv.write("Name,Company\nAnna,A\n\"Bert,B\nCarl,C\n");
        csv.close();
        QVERIFY(w->Merge->OpenSource(csv.fileName()));
        QCOMPARE(m_script->informations.size(), 1);
        QVERIFY2(m_script->informations[0].contains("Line 3 (record 2)"),
                 qPrintable(m_script->informations[0]));
        QCOMPARE(w->Merge->Bar()->PositionText(), QString("Record 1 of 2"));
        // A file that cannot be read keeps the merge that was open.
        QVERIFY(!w->Merge->OpenSource(m_folder->file("missing.csv")));
        QVERIFY(w->Merge->IsOpen());
        QCOMPARE(w->Merge->Source()->RecordCount(), 2);
    }
};

QTEST_MAIN(TestMergeDesigner)
#include "tst_mergedesigner.moc"
