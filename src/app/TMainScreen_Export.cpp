// File menu: the card exported as a picture (Windows bitmap, JPEG or PNG) at
// the screen's resolution or for print, as SVG drawing, and as a PDF for a
// print shop.

#include "app/TMainScreen.h"

#include "app/TExportResolution.h"
#include "app/TPrintShopDialog.h"
#include "app/model/Exception.h"
#include "app/model/ProgramFolder.h"
#include "app/model/TPictureExport.h"
#include "design/model/TCardRenderer.h"
#include "print/model/TPrintShopLayout.h"
#include "print/model/TSheetBackground.h"
#include "print/printer/TPrintShopPdf.h"
#include "print/printer/TSvgExport.h"
#include "widgets/Interaction.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QPainter>

#include <cmath>

namespace cw::ui {

namespace {

using model::TExportType;
using model::TPictureExport;

// Long operations show the busy cursor and restore it also on failure.
struct BusyCursor
{
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
};

QString dialogCaption(TExportType type)
{
    switch (type) {
    case TExportType::Jpeg:
        return QCoreApplication::translate("cw::ui::TMainScreen", "Save Card As JPG");
    case TExportType::Png:
        return QCoreApplication::translate("cw::ui::TMainScreen", "Save Card As PNG");
    case TExportType::Bitmap:
        break;
    }
    return QCoreApplication::translate("cw::ui::TMainScreen", "Save Card As Bitmap");
}

// The chosen type's filter first; the other types stay reachable by name
// (an SVG drawing too).
QString dialogFilter(TExportType type)
{
    const QString bmp = QCoreApplication::translate("cw::ui::TMainScreen", "Bitmap File (*.BMP *.bmp)");
    const QString jpg = QCoreApplication::translate("cw::ui::TMainScreen", "JPG File (*.JPG *.jpg *.jpeg)");
    const QString png = QCoreApplication::translate("cw::ui::TMainScreen", "PNG File (*.PNG *.png)");
    const QString svg = QStringLiteral(";;") +
                        QCoreApplication::translate("cw::ui::TMainScreen", "SVG Drawing (*.svg *.SVG)");
    switch (type) {
    case TExportType::Jpeg:
        return jpg + QStringLiteral(";;") + png + QStringLiteral(";;") + bmp + svg;
    case TExportType::Png:
        return png + QStringLiteral(";;") + jpg + QStringLiteral(";;") + bmp + svg;
    case TExportType::Bitmap:
        break;
    }
    return bmp + QStringLiteral(";;") + png + QStringLiteral(";;") + jpg + svg;
}

// The card at the surface's zoom as an SVG drawing: white, the background
// stretched over the card, the objects, the border when asked for.
void writeSvg(const TGBasePanel &panel, const QString &path, bool border)
{
    const QSize size = panel.size();
    std::vector<model::TGGraphicControl *> objects;
    for (int i = 0; i < panel.ObjectCount(); ++i)
        objects.push_back(panel.ObjectAt(i));
    const int dpi = int(std::lround(TPictureExport::ScreenDpi * double(panel.Zoom())));
    // The background stretched over the card; a picture that fails to
    // draw leaves the card white.
    const printer::TSvgExport::TPaint background = [&panel, size](QPainter &painter) {
        if (panel.BackgroundPicture().IsEmpty())
            return;
        painter.save();
        try {
            panel.BackgroundPicture().Draw(painter, QRectF(QPointF(0, 0), QSizeF(size)));
        } catch (...) {
        }
        painter.restore();
    };
    printer::TSvgExport::Write(path, size, dpi, [&](QPainter &painter) {
        background(painter);
        printer::TSvgExport::PaintObjects(painter, objects, size, background);
        if (border)
            model::TCardRenderer::DrawBorder(painter, size, 1);
    });
}

// Where the back of a double-sided card goes beside its exported front:
// "card.png" gives "card.back.png".
QString backPicturePath(const QString &path)
{
    const QFileInfo info(path);
    const QString suffix = info.suffix();
    if (suffix.isEmpty())
        return path + QStringLiteral(".back");
    return path.left(path.size() - suffix.size() - 1) + QStringLiteral(".back.") + suffix;
}

} // namespace

void TMainScreen::exportCard(TExportType chosen)
{
    const float previous = m_panel->Zoom();
    m_panel->SetZoom(1.0f);
    QApplication::processEvents();
    const QString folder = model::ProgramFolder::path();
    QString proposed;
    if (FileName.isEmpty())
        proposed = chosen == TExportType::Bitmap
                       ? QStringLiteral("BusinessCard.Bmp")
                       : QStringLiteral("BusinessCard.") + TPictureExport::Extension(chosen);
    else
        proposed =
            QFileInfo(FileName).completeBaseName() + QStringLiteral(".") + TPictureExport::Extension(chosen);
    QString path = Interaction::current().saveFileName(
        dialogCaption(chosen), folder + proposed, dialogFilter(chosen), TPictureExport::Extension(chosen));
    if (!path.isEmpty() && printer::TSvgExport::IsSvgName(path)) {
        // A drawing has no resolution: it is the card at 100 %.
        const bool border = Interaction::current().question(
            QStringLiteral("Would you like to draw a border around the card?"), QStringLiteral("Save"));
        bool ok = false;
        {
            BusyCursor busy;
            try {
                // A card with a back: its back beside it ("card.back.svg").
                m_panel->WithSide(model::TCardSide::Front, [&] { writeSvg(*m_panel, path, border); });
                if (HasBack())
                    m_panel->WithSide(model::TCardSide::Back,
                                      [&] { writeSvg(*m_panel, backPicturePath(path), border); });
                ok = true;
            } catch (const cw::Exception &) {
                ok = false;
            }
        }
        if (ok)
            Interaction::current().information(QStringLiteral("Saved as ") + path +
                                               (HasBack() ? tr(" and ") + backPicturePath(path) : QString()));
        else
            Interaction::current().error(QStringLiteral("Unable to save the card as ") + path,
                                         QStringLiteral("Save"));
    } else if (!path.isEmpty()) {
        // The file's contents follow its name: "card.png" is a PNG file
        // whichever command wrote it; a name of no picture type gets the
        // chosen type's extension.
        if (!TPictureExport::TypeOfName(path))
            path += QStringLiteral(".") + TPictureExport::Extension(chosen);
        TExportResolution resolution(this);
        resolution.SetDpi(TExportResolution::RememberedDpi());
        if (Interaction::current().exec(resolution) == QDialog::Accepted) {
            if (resolution.Dpi() != TExportResolution::RememberedDpi())
                TExportResolution::RememberDpi(resolution.Dpi());
            // A failed export is reported as such, never as "Saved as".
            if (SaveCardToBitmap(path, TPictureExport::TypeFor(path, chosen), resolution.Dpi()))
                Interaction::current().information(
                    tr("Saved as ") + path + (HasBack() ? tr(" and ") + backPicturePath(path) : QString()));
            else
                Interaction::current().error(tr("Unable to save the card as ") + path, tr("Save"));
        }
    }
    // The zoom in force before the export comes back, and the zoom display
    // shows it.
    m_panel->SetZoom(previous);
    ZoomCaption->setText(zoomCaptionText());
    m_scrollHost->resize(m_panel->width() + 20, m_panel->height() + 16);
}

void TMainScreen::mnuSaveAsBitmapClick()
{
    exportCard(TExportType::Bitmap);
}

void TMainScreen::mnuSaveAsJPGClick()
{
    exportCard(TExportType::Jpeg);
}

void TMainScreen::mnuSaveAsPNGClick()
{
    exportCard(TExportType::Png);
}

void TMainScreen::mnuExportPrintShopClick()
{
    TPrintShopDialog options(this);
    if (Interaction::current().exec(options) != QDialog::Accepted)
        return;
    const QString proposed =
        (FileName.isEmpty() ? QStringLiteral("BusinessCard") : QFileInfo(FileName).completeBaseName()) +
        QStringLiteral(".pdf");
    QString path = Interaction::current().saveFileName(tr("Export for Print Shop"),
                                                       model::ProgramFolder::path() + proposed,
                                                       tr("PDF File (*.pdf *.PDF)"), QStringLiteral("pdf"));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");

    bool ok = false;
    QString reason;
    {
        BusyCursor busy;
        // Objects print from their positions at 100 %, as on the sheet.
        const float zoom = m_panel->Zoom();
        m_panel->SetZoom(1.0f);
        try {
            const model::TPrintShopLayout layout(QSizeF(Layout().Width, Layout().Height), options.Options());
            model::TSheetBackground front;
            front.Load(SideBackgroundFile(model::TCardSide::Front));
            model::TSheetBackground back;
            back.Load(SideBackgroundFile(model::TCardSide::Back));
            // A card with a back gets it as the second page.  Objects that
            // touch the card's edge run on into the bleed.
            const QSize card = model::TCardRenderer::CardSize(Layout());
            std::vector<printer::TPrintShopPdf::TSide> sides;
            for (model::TCardSide side : {model::TCardSide::Front, model::TCardSide::Back}) {
                if (side == model::TCardSide::Back && !HasBack())
                    break;
                sides.push_back({side == model::TCardSide::Front ? front : back,
                                 [this, side](engine::TBaseReport &report, double x, double y) {
                                     m_panel->PrintSideObjects(side, report, x, y);
                                 },
                                 [this, side, card](QPainter &painter) {
                                     m_panel->WithSide(side, [this, card, &painter] {
                                         std::vector<model::TGGraphicControl *> objects;
                                         for (int i = 0; i < m_panel->ObjectCount(); ++i)
                                             objects.push_back(m_panel->ObjectAt(i));
                                         model::TCardRenderer::PaintObjects(
                                             painter, model::TCardRenderer::EdgeObjects(objects, card));
                                     });
                                 }});
            }
            printer::TPrintShopPdf::Write(path, layout, sides, QFileInfo(path).completeBaseName());
            ok = true;
        } catch (const cw::Exception &e) {
            reason = e.message();
        }
        m_panel->SetZoom(zoom);
    }
    m_panel->update();
    if (ok)
        Interaction::current().information(tr("Saved as ") + path);
    else
        Interaction::current().error(tr("Unable to save the card as %1").arg(path) +
                                         (reason.isEmpty() ? QString() : QStringLiteral("\n\n") + reason),
                                     tr("Export for Print Shop"));
}

bool TMainScreen::SaveCardToBitmap(const QString &path, TExportType type, int dpi)
{
    const bool border =
        Interaction::current().question(tr("Would you like to draw a border around the card?"), tr("Save"));
    bool ok = false;
    {
        BusyCursor busy;
        // Drawn at the resolution's zoom: every object draws itself at that
        // size (text, lines and metafiles stay sharp), as on a zoomed surface.
        const float zoom = m_panel->Zoom();
        m_panel->SetZoom(TPictureExport::ZoomFor(dpi));
        // The front under the name given; a card with a back gets its back
        // beside it ("card.back.png").
        QImage cards[2];
        m_panel->WithSide(model::TCardSide::Front, [&] { cards[0] = m_panel->RenderToBitmap(); });
        const bool back = HasBack();
        if (back)
            m_panel->WithSide(model::TCardSide::Back, [&] { cards[1] = m_panel->RenderToBitmap(); });
        m_panel->SetZoom(zoom);
        ok = true;
        for (int i = 0; i < (back ? 2 : 1); ++i) {
            QImage &card = cards[i];
            // The border is one pixel wide at the screen's resolution.
            if (border && !card.isNull())
                model::TCardRenderer::DrawBorder(card,
                                                 std::max(1, int(std::lround(TPictureExport::ZoomFor(dpi)))));
            try {
                TPictureExport::Write(i == 0 ? path : backPicturePath(path), card, type, dpi);
            } catch (const cw::EInOutError &) {
                ok = false; // reported by the caller as "Unable to save the card as …"
            }
        }
    }
    // Exporting is no save of the design: the changes-made state stays.
    m_panel->update();
    QApplication::processEvents();
    Setbuttons();
    return ok;
}

} // namespace cw::ui
