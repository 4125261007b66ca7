// Texture files deleted while a design that uses them is open.  A SuperShape
// or SuperText keeps the texture's pixels, not a reference to the file: the
// card paints, saves and reopens the same without it, the texture browser
// opens elsewhere when the remembered file is gone, and a file that vanishes
// between the list and the choice gives the program's message, never a
// crash, and leaves the object's texture alone when the browser is cancelled.
#include "app/TMainScreen.h"
#include "objects/TSuperShapeProperties.h"
#include "objects/TTextureBrowser.h"
#include "objects/model/TSuperShape.h"
#include "support/ScriptedInteraction.h"
#include "support/TestFolder.h"
#include "text/TGSuperTextProperties.h"
#include "text/model/TGSuperText.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTest>

using namespace cw;
using model::TGSuperText;
using model::TSuperShape;

namespace {

QImage pixelsOf(const model::TGPicture &picture)
{
    return picture.Image().convertToFormat(QImage::Format_RGB32);
}

// The design's look: the card as the designer renders it.
QImage look(ui::TMainScreen &w)
{
    return w.BusinessCardPanel()->RenderToBitmap().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class TestFaultsTextures : public QObject
{
    Q_OBJECT

    test::TestFolder *folder = nullptr;
    test::ScriptedInteraction *script = nullptr;
    QString texture; // the user's own texture in bmbrush/

    std::unique_ptr<ui::TMainScreen> window()
    {
        auto w = std::make_unique<ui::TMainScreen>();
        w->FormActivate();
        script->log.clear();
        script->informations.clear();
        return w;
    }

    // The browser's answer: choose `path` and press Ok.
    void chooseInBrowser(const QString &path)
    {
        script->dialogs.enqueue([path](QDialog &d) {
            auto &browser = dynamic_cast<ui::TTextureBrowser &>(d);
            browser.ChooseFile(path);
            return int(QDialog::Accepted);
        });
    }

    // The browser opened again after the texture file was deleted: it shows
    // the bmbrush folder without that file.  Then a file listed there is
    // deleted before it is chosen: the message, an empty example, and Cancel.
    void browseAfterDeletion(bool &checked)
    {
        const QString vanishing = folder->file("bmbrush/Vanishing.bmp");
        QFile::remove(vanishing);
        QVERIFY(QFile::copy(folder->file("bmbrush/Wood.bmp"), vanishing));
        script->dialogs.enqueue([this, vanishing, &checked](QDialog &d) {
            auto &browser = dynamic_cast<ui::TTextureBrowser &>(d);
            const QStringList listed = browser.Files();
            checked = QDir(browser.Folder()) == QDir(folder->file("bmbrush")) &&
                      !listed.contains("MyWood.bmp") && listed.contains("Vanishing.bmp") &&
                      QFile::remove(vanishing);
            browser.ChooseFile(vanishing);
            checked = checked && browser.Picture().IsEmpty();
            return int(QDialog::Rejected);
        });
    }

    void checkTheCardWithoutItsTextureFile(ui::TMainScreen &w, const QImage &textured)
    {
        const QImage before = look(w);
        script->log.clear();
        QVERIFY(QFile::remove(texture));
        QCOMPARE(look(w), before);
        const QString card = folder->file("Saved/TEXTURED.CWR");
        QVERIFY(w.SaveBCFile(card));
        QVERIFY(script->log.isEmpty());
        auto again = window();
        again->OpenBCFile(card);
        QVERIFY(script->informations.isEmpty());
        QCOMPARE(again->BusinessCardPanel()->ObjectCount(), 1);
        QCOMPARE(look(*again), before);
        auto *shape = dynamic_cast<TSuperShape *>(again->BusinessCardPanel()->ObjectAt(0));
        auto *text = dynamic_cast<TGSuperText *>(again->BusinessCardPanel()->ObjectAt(0));
        QVERIFY(shape || text);
        QCOMPARE(shape ? pixelsOf(shape->Image()) : pixelsOf(text->Image()), textured);
        QCOMPARE(shape ? shape->LastBitmapFileNameandPath : text->LastBitmapFileNameandPath, texture);
    }

private slots:
    void init()
    {
        folder = new test::TestFolder;
        script = new test::ScriptedInteraction;
        ui::TMainScreen::hasPrinters = [] { return true; };
        ui::TMainScreen::defaultPrinterName = [] { return QStringLiteral("Office"); };
        QDir().mkpath(folder->file("Saved"));
        ui::TTextureBrowser::CopyShippedTextures();
        texture = folder->file("bmbrush/MyWood.bmp");
        QVERIFY(QFile::copy(folder->file("bmbrush/Wood.bmp"), texture));
    }
    void cleanup()
    {
        delete script;
        delete folder;
    }

    void superShapeTextureFileDeleted()
    {
        auto w = window();
        auto *shape = static_cast<TSuperShape *>(
            w->BusinessCardPanel()->PlaceNewObject(std::make_unique<TSuperShape>(), QRect(10, 10, 150, 90)));
        // Texture chosen through the properties dialog and its browser.
        script->dialogs.enqueue([](QDialog &d) {
            auto &dialog = dynamic_cast<ui::TSuperShapeProperties &>(d);
            dialog.SurfaceTypeCombo->setCurrentIndex(TSuperShape::stBrushImage);
            emit dialog.SurfaceTypeCombo->activated(TSuperShape::stBrushImage);
            dialog.LoadTexture();
            return int(QDialog::Accepted);
        });
        chooseInBrowser(texture);
        QVERIFY(ui::TSuperShapeProperties::Execute(*shape));
        QCOMPARE(shape->SurfaceType(), TSuperShape::stBrushImage);
        const QImage textured = pixelsOf(ui::TTextureBrowser::LoadTexture(texture));
        QCOMPARE(pixelsOf(shape->Image()), textured);
        QVERIFY(look(*w).pixel(85, 55) != qRgb(255, 255, 255));

        checkTheCardWithoutItsTextureFile(*w, textured);

        // The dialog again: the browser cannot go back to the deleted file.
        bool checked = false;
        script->dialogs.enqueue([](QDialog &d) {
            dynamic_cast<ui::TSuperShapeProperties &>(d).LoadTexture();
            return int(QDialog::Accepted);
        });
        browseAfterDeletion(checked);
        script->log.clear();
        QVERIFY(ui::TSuperShapeProperties::Execute(*shape));
        QVERIFY(checked);
        QCOMPARE(script->log.filter("error[").join('|'), QStringLiteral("error[Error]: Error loading file!"));
        QCOMPARE(pixelsOf(shape->Image()), textured);
        QCOMPARE(shape->LastBitmapFileNameandPath, texture);
    }

    void superTextTextureFileDeleted()
    {
        auto w = window();
        auto object = std::make_unique<TGSuperText>();
        object->SetCaption(QStringLiteral("Wood"));
        auto *text = static_cast<TGSuperText *>(
            w->BusinessCardPanel()->PlaceNewObject(std::move(object), QRect(10, 10, 200, 80)));
        script->dialogs.enqueue([](QDialog &d) {
            auto &dialog = dynamic_cast<ui::TGSuperTextProperties &>(d);
            dialog.SurfaceTypeCombo->setCurrentRow(TGSuperText::stBrushImage);
            dialog.LoadTexture();
            return int(QDialog::Accepted);
        });
        chooseInBrowser(texture);
        QVERIFY(ui::TGSuperTextProperties::Execute(*text));
        QCOMPARE(text->SurfaceType(), TGSuperText::stBrushImage);
        const QImage textured = pixelsOf(ui::TTextureBrowser::LoadTexture(texture));
        QCOMPARE(pixelsOf(text->Image()), textured);

        checkTheCardWithoutItsTextureFile(*w, textured);

        bool checked = false;
        script->dialogs.enqueue([](QDialog &d) {
            dynamic_cast<ui::TGSuperTextProperties &>(d).LoadTexture();
            return int(QDialog::Accepted);
        });
        browseAfterDeletion(checked);
        script->log.clear();
        QVERIFY(ui::TGSuperTextProperties::Execute(*text));
        QVERIFY(checked);
        QCOMPARE(script->log.filter("error[").join('|'), QStringLiteral("error[Error]: Error loading file!"));
        QCOMPARE(pixelsOf(text->Image()), textured);
        QCOMPARE(text->LastBitmapFileNameandPath, texture);
    }
};

QTEST_MAIN(TestFaultsTextures)
#include "tst_faults_textures.moc"
