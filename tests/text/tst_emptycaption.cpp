// An emptied text stays empty: labels start with "Text" and circle text with
// "ABC DEF GHI JKL", so an empty caption is written as an empty string rather
// than left out.  Checked for every kind with a caption through each way the
// design is written and read back: card file, Clone, copy and paste, and the
// undo snapshot.  A record without a caption (an older card) still gives the
// starting text.
#include "design/TGBusinessCardPanel32.h"
#include "design/model/TGLabelObjectFiler.h"
#include "design/model/TObjectRegistry.h"
#include "design/model/TStreamWriter.h"
#include "support/TestFolder.h"

#include <QTest>

using namespace cw;
using namespace cw::model;

namespace {

const QStringList CaptionKinds{"TGPLabel", "TGBusinessCardLabel", "TGSymbolLabel", "TGPCircleText"};

QString caption(const TGGraphicControl &o)
{
    return o.Properties().Find("Caption")->Get(o).toString();
}

std::unique_ptr<TGGraphicControl> emptied(const QString &kind)
{
    std::unique_ptr<TGGraphicControl> o = TObjectRegistry::Global().Create(kind);
    o->SetBounds(20, 30, 80, 25);
    o->Properties().Find("Caption")->Set(*o, QString());
    o->Loaded();
    return o;
}

} // namespace

class TestEmptyCaption : public QObject
{
    Q_OBJECT

private slots:
    void emptiedCaptionIsWrittenAndReadBack()
    {
        for (const QString &kind : CaptionKinds) {
            std::unique_ptr<TGGraphicControl> o = emptied(kind);
            QVERIFY2(caption(*o).isEmpty(), qPrintable(kind));
            const QByteArray bytes = TGLabelObjectFiler::ObjectListBytes({o.get()});
            // An empty short string: name, TagString, length 0.
            QVERIFY2(bytes.contains(QByteArray("\x07"
                                               "Caption\x06\x00",
                                               10)),
                     qPrintable(kind));
            const TGLabelObjectFiler::ObjectList read = TGLabelObjectFiler().ReadObjectList(bytes);
            QCOMPARE(read.size(), std::size_t(1));
            QVERIFY2(caption(*read[0]).isEmpty(), qPrintable(kind + ": read back as " + caption(*read[0])));
            // Written again, the same bytes (names aside).
            read[0]->Name = o->Name;
            QCOMPARE(TGLabelObjectFiler::ObjectListBytes({read[0].get()}), bytes);
        }
    }

    void olderRecordWithoutCaptionGivesTheStartingText()
    {
        for (const QString &kind : CaptionKinds) {
            TStreamWriter writer;
            writer.writeListBegin();
            writer.writeRecordBegin(kind, "Old");
            writer.writeRecordEnd();
            writer.writeListEnd();
            const TGLabelObjectFiler::ObjectList read =
                TGLabelObjectFiler().ReadObjectList(writer.takeData());
            QCOMPARE(read.size(), std::size_t(1));
            QCOMPARE(caption(*read[0]), caption(*TObjectRegistry::Global().Create(kind)));
            QVERIFY(!caption(*read[0]).isEmpty());
        }
    }

    void emptiedCaptionSurvivesCloneCopyPasteAndUndo()
    {
        test::TestFolder folder;
        ui::TGBusinessCardPanel32 panel;
        panel.setCardSize(336, 192);
        qint64 clock = 10000;
        panel.Clock = [&clock] { return clock += 2000; };
        for (const QString &kind : CaptionKinds) {
            panel.ClearObjects();
            TGGraphicControl *o = panel.AddObject(emptied(kind));

            panel.CloneObject(o);
            QCOMPARE(panel.ObjectCount(), 2);
            QVERIFY2(caption(*panel.ObjectAt(1)).isEmpty(), qPrintable(kind + ": clone"));

            panel.ClipboardCommand(o, ui::TClipboardCommand::Copy);
            panel.ClipboardCommand(nullptr, ui::TClipboardCommand::Paste);
            QCOMPARE(panel.ObjectCount(), 3);
            QVERIFY2(caption(*panel.ObjectAt(2)).isEmpty(), qPrintable(kind + ": paste"));

            panel.RestoreDesign(panel.DesignSnapshot());
            QCOMPARE(panel.ObjectCount(), 3);
            for (int i = 0; i < 3; ++i)
                QVERIFY2(caption(*panel.ObjectAt(i)).isEmpty(), qPrintable(kind + ": undo"));

            const QString path = folder.file("card.cwr");
            panel.SaveToFile(path);
            panel.ClearObjects();
            panel.LoadFromFile(path);
            QCOMPARE(panel.ObjectCount(), 3);
            for (int i = 0; i < 3; ++i)
                QVERIFY2(caption(*panel.ObjectAt(i)).isEmpty(), qPrintable(kind + ": card file"));
        }
    }
};

QTEST_MAIN(TestEmptyCaption)
#include "tst_emptycaption.moc"
