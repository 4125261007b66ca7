// The designer's "Export for Print Shop…" and the SVG choice of the picture
// export, driven through the interaction service: the options dialog's
// bleed and crop marks reach the PDF, the zoom in force comes back, and a
// name ending in .svg gets an SVG drawing of the card.
#include "app/TMainScreen.h"
#include "app/TPrintShopDialog.h"
#include "design/model/TBCShapes.h"
#include "support/ScriptedInteraction.h"
#include "support/TestFolder.h"

#include <QCheckBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTest>

using namespace cw;
using namespace cw::ui;

namespace {

// pdfinfo -box: the named box as (x1, y1, x2, y2) points.
QRectF pdfBox(const QString &pdf, const QString &name)
{
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {QStringLiteral("-box"), pdf});
    p.waitForFinished(60000);
    const QRegularExpressionMatch m =
        QRegularExpression(name + QStringLiteral(":\\s+(\\S+)\\s+(\\S+)\\s+(\\S+)\\s+(\\S+)"))
            .match(QString::fromUtf8(p.readAllStandardOutput()));
    if (!m.hasMatch())
        return {};
    return QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                  QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()));
}

} // namespace

class TestPrintShopExport : public QObject
{
    Q_OBJECT

    std::unique_ptr<test::TestFolder> folder;
    std::unique_ptr<test::ScriptedInteraction> script;

    std::unique_ptr<TMainScreen> window()
    {
        auto w = std::make_unique<TMainScreen>();
        w->FormActivate();
        auto shape = std::make_unique<model::TBCShapes>();
        shape->SetShape(model::stEllipse);
        w->BusinessCardPanel()->PlaceNewObject(std::move(shape), QRect(20, 20, 80, 50));
        script->log.clear();
        script->informations.clear();
        return w;
    }

private slots:
    void init()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
            QSKIP("poppler-utils are missing");
        folder = std::make_unique<test::TestFolder>();
        script = std::make_unique<test::ScriptedInteraction>();
    }
    void cleanup()
    {
        script.reset();
        folder.reset();
    }

    void printShopPdfWithTheChosenBleed()
    {
        auto w = window();
        w->BusinessCardPanel()->SetZoom(1.5f);
        const QString pdf = folder->file("shop"); // ".pdf" is added
        script->dialogs.enqueue([](QDialog &d) {
            auto &options = static_cast<TPrintShopDialog &>(d);
            // 3 mm and crop marks until the user changes them.
            if (options.BleedEdit->value() != 3.0 || !options.CropMarksCheck->isChecked())
                return int(QDialog::Rejected);
            options.BleedEdit->setValue(2.0);
            options.CropMarksCheck->setChecked(false);
            return int(QDialog::Accepted);
        });
        script->fileNames.enqueue(pdf);
        w->mnuExportPrintShopClick();
        QVERIFY2(QFile::exists(pdf + ".pdf"), qPrintable(script->log.join('\n')));
        QCOMPARE(script->informations, QStringList{"Saved as " + pdf + ".pdf"});
        const QRectF trim = pdfBox(pdf + ".pdf", "TrimBox");
        const QRectF bleed = pdfBox(pdf + ".pdf", "BleedBox");
        const QRectF media = pdfBox(pdf + ".pdf", "MediaBox");
        QVERIFY(std::abs(trim.width() - 252.0) < 0.015 && std::abs(trim.height() - 144.0) < 0.015);
        QVERIFY(std::abs(trim.left() - bleed.left() - 2 * 72 / 25.4) < 0.015);
        QVERIFY(std::abs(media.width() - bleed.width()) < 0.015); // no room for marks
        QCOMPARE(w->BusinessCardPanel()->Zoom(), 1.5f);
    }

    void cancelWritesNothing()
    {
        auto w = window();
        script->dialogs.enqueue([](QDialog &) { return int(QDialog::Rejected); });
        w->mnuExportPrintShopClick();
        QVERIFY(script->informations.isEmpty());
        QVERIFY(QDir(folder->path()).entryList({"*.pdf"}).isEmpty());
    }

    void svgByTheFileName()
    {
        auto w = window();
        const QString svg = folder->file("card.svg");
        script->fileNames.enqueue(svg);
        script->answers.enqueue(false); // no border
        w->mnuSaveAsPNGClick();
        QCOMPARE(script->informations, QStringList{"Saved as " + svg});
        QFile file(svg);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QSvgRenderer renderer(bytes);
        QVERIFY(renderer.isValid());
        QCOMPARE(renderer.viewBox().size(), w->BusinessCardPanel()->size());
        QVERIFY(bytes.contains("<ellipse") || bytes.contains("<path"));
    }
};

QTEST_MAIN(TestPrintShopExport)
#include "tst_printshopexport.moc"
