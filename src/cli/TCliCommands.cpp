#include "cli/TCliCommands.h"

#include "app/model/Exception.h"
#include "app/model/ProgramFolder.h"
#include "app/model/TAtomicFile.h"
#include "app/model/TCardFiles.h"
#include "app/model/TPictureExport.h"
#include "app/model/TPreferences.h"
#include "cli/TObjectDump.h"
#include "cli/TRawStreamDump.h"
#include "cli/TSheetCommand.h"
#include "design/model/TBackgroundArt.h"
#include "design/model/TCardRenderer.h"
#include "design/model/TGGraphicControl.h"
#include "design/model/TGLabelObjectFiler.h"
#include "design/model/TGPicture.h"
#include "objects/model/TPersonalInfoHost.h"
#include "print/model/TPrintShopLayout.h"
#include "print/model/TSheetBackground.h"
#include "print/printer/TPrintShopPdf.h"
#include "print/printer/TSvgExport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cmath>

namespace cw::cli {

using model::TGLabelObjectFiler;

namespace {

// A card file that must be there: a missing file is an error here, while the
// filer itself reads nothing from it.
TGLabelObjectFiler::ObjectList readCard(const QString &path)
{
    if (!QFileInfo(path).isFile())
        throw cw::EInOutError(QStringLiteral("Cannot open file %1").arg(QDir::toNativeSeparators(path)));
    return TGLabelObjectFiler().ReadObjects(path);
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        throw cw::EInOutError(QStringLiteral("Cannot open file %1").arg(QDir::toNativeSeparators(path)));
    return file.readAll();
}

} // namespace

QString TCliCommands::Usage()
{
    return QStringLiteral(
        "usage: cardwright-cli [--folder DIR] dump [--raw] FILE\n"
        "       cardwright-cli [--folder DIR] roundtrip IN OUT\n"
        "       cardwright-cli [--folder DIR] render IN OUT.(png|bmp|jpg|svg) [--zoom F | --dpi N] "
        "[--border]\n"
        "       cardwright-cli picture-info FILE\n"
        "       cardwright-cli [--folder DIR] sheet IN.cwr OUT.pdf [--settings CWR.INI] [--layout N]\n"
        "                      [--cards 1,2,...] [--copies N] [--outline-test] [--background PIC]\n"
        "                      [--merge FILE [--map FIELD=COLUMN ...] [--per-record N]]\n"
        "                      [--both-sides] [--binding long|short] [--registration-test]\n"
        "       cardwright-cli [--folder DIR] card IN.cwr OUT.pdf [--bleed 3mm] [--crop-marks]\n"
        "\n"
        "sheet: the sheet of cards as the designer prints it, into a PDF file; the layout and\n"
        "printer nudges come from CWR.INI (or --settings FILE).  --layout N picks built-in\n"
        "card layout N, numbered from 1 in the order of the layout dialog's list (1 to 21);\n"
        "--cards the positions that print (1 = top left, row by row; default all);\n"
        "--copies the number of sheets (1 to 99); --outline-test only the card outlines;\n"
        "--background a .bmp, .wmf, .png or .jpg picture on every card (default: the card's own).\n"
        "--merge one card per record of a CSV or vCard file, over the positions, on as many\n"
        "sheets as needed; --map Name=COLUMN (or FIRST+LAST) changes how a field is filled;\n"
        "--per-record N prints each record on N cards.\n"
        "--both-sides adds each sheet's back page (the card's .back.cwr) for a sheet turned about\n"
        "its long or short edge (--binding); --registration-test prints crosses at every card\n"
        "centre on both pages.\n"
        "\n"
        "card: the single card for a print shop, a PDF page whose TrimBox is the card (its size\n"
        "from the layout in CWR.INI) and whose BleedBox is the card plus the bleed (--bleed, in\n"
        "mm or in, 0 to 20 mm; default 3mm); --crop-marks adds marks where the card is cut.\n"
        "A card with a back (CARD.back.cwr) gets it as a second page.\n");
}

int TCliCommands::fail(const QString &message)
{
    m_err << message << Qt::endl;
    return 1;
}

int TCliCommands::Run(QStringList args)
{
    try {
        if (args.size() >= 2 && args.first() == QLatin1String("--folder")) {
            model::ProgramFolder::setOverride(args.at(1));
            args.remove(0, 2);
        }
        const QString command = args.value(0);
        if (command == QLatin1String("dump") && args.size() == 3 && args.at(1) == QLatin1String("--raw"))
            return DumpRaw(args.at(2));
        if (command == QLatin1String("dump") && args.size() == 2)
            return Dump(args.at(1));
        if (command == QLatin1String("roundtrip") && args.size() == 3)
            return Roundtrip(args.at(1), args.at(2));
        if (command == QLatin1String("picture-info") && args.size() == 2)
            return PictureInfo(args.at(1));
        if (command == QLatin1String("sheet") && args.size() >= 2)
            return Sheet(args.mid(1));
        if (command == QLatin1String("card") && args.size() >= 2)
            return Card(args.mid(1));
        if (command == QLatin1String("render") && args.size() >= 3) {
            float zoom = 1.0f;
            bool border = false;
            bool zoomGiven = false;
            int dpi = 0;
            for (int i = 3; i < args.size(); ++i) {
                if (args.at(i) == QLatin1String("--border")) {
                    border = true;
                } else if (args.at(i) == QLatin1String("--zoom") && i + 1 < args.size()) {
                    bool ok = false;
                    zoom = args.at(++i).toFloat(&ok);
                    if (!ok || !std::isfinite(zoom) || zoom <= 0.0f || zoom > 10.0f)
                        return fail(QStringLiteral("Invalid zoom %1: give a factor above 0 and at most 10")
                                        .arg(args.at(i)));
                    zoomGiven = true;
                } else if (args.at(i) == QLatin1String("--dpi") && i + 1 < args.size()) {
                    bool ok = false;
                    dpi = args.at(++i).toInt(&ok);
                    if (!ok || dpi < 24 || dpi > model::TPictureExport::MaxDpi)
                        return fail(QStringLiteral("Invalid resolution %1: give dots per inch from 24 to %2")
                                        .arg(args.at(i))
                                        .arg(model::TPictureExport::MaxDpi));
                    zoom = model::TPictureExport::ZoomFor(dpi);
                } else {
                    return fail(QStringLiteral("Unknown option %1").arg(args.at(i)));
                }
            }
            if (zoomGiven && dpi > 0)
                return fail(QStringLiteral("Give --zoom or --dpi, not both"));
            return Render(args.at(1), args.at(2), zoom, border, dpi);
        }
        m_err << Usage();
        return 1;
    } catch (const cw::Exception &e) {
        return fail(e.message());
    }
}

int TCliCommands::Dump(const QString &path)
{
    m_out << TObjectDump::Dump(readCard(path));
    return 0;
}

int TCliCommands::DumpRaw(const QString &path)
{
    m_out << TRawStreamDump::Dump(readAll(path));
    return 0;
}

int TCliCommands::Roundtrip(const QString &in, const QString &out)
{
    const TGLabelObjectFiler::ObjectList objects = readCard(in);
    TGLabelObjectFiler::WriteObjects(TGLabelObjectFiler::Refs(objects), out);
    return 0;
}

int TCliCommands::Render(const QString &in, const QString &out, float zoom, bool border, int dpi)
{
    const bool svg = printer::TSvgExport::IsSvgName(out);
    const std::optional<model::TExportType> type = model::TPictureExport::TypeOfName(out);
    if (!type && !svg)
        return fail(QStringLiteral("Unknown picture type %1: use .png, .bmp, .jpg or .svg").arg(out));

    TGLabelObjectFiler::ObjectList objects = readCard(in);
    model::TPreferences preferences;
    preferences.Load();
    model::TPersonalInfoHost personal(preferences.PersonalInfo); // contact-card QR codes
    personal.HostCodeObjects(objects);
    std::vector<model::TGGraphicControl *> drawn;
    for (const auto &object : objects) {
        object->SetZoom(zoom);
        drawn.push_back(object.get());
    }
    const QSize size =
        model::TCardRenderer::ZoomedSize(model::TCardRenderer::CardSize(preferences.Layout), zoom);
    const int borderWidth = dpi > 0 ? std::max(1, int(std::lround(zoom))) : 1;
    if (svg) {
        // The same drawing as vectors; the file states the card's real size.
        const int svgDpi = dpi > 0 ? dpi : int(std::lround(model::TPictureExport::ScreenDpi * zoom));
        printer::TSvgExport::Write(out, size, svgDpi, [&](QPainter &painter) {
            printer::TSvgExport::PaintObjects(painter, drawn, size);
            if (border)
                model::TCardRenderer::DrawBorder(painter, size, borderWidth);
        });
        return 0;
    }
    QImage image = model::TCardRenderer::Render(drawn, size);
    if (border)
        model::TCardRenderer::DrawBorder(image, borderWidth);

    // Written whole or not at all; the header records the resolution the
    // card was drawn for.
    model::TPictureExport::Write(out, image, *type, dpi > 0 ? dpi : model::TPictureExport::ScreenDpi);
    return 0;
}

int TCliCommands::Sheet(const QStringList &args)
{
    for (const QString &warning : TSheetCommand::Run(TSheetCommand::Parse(args)))
        m_err << warning << Qt::endl;
    return 0;
}

int TCliCommands::Card(const QStringList &args)
{
    model::TPrintShopOptions options;
    options.CropMarks = false;
    QStringList files;
    for (int i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        if (arg == QLatin1String("--crop-marks")) {
            options.CropMarks = true;
        } else if (arg == QLatin1String("--bleed")) {
            if (i + 1 >= args.size())
                return fail(QStringLiteral("Option --bleed needs a value"));
            const std::optional<double> bleed = model::TPrintShopOptions::ParseBleedMm(args.at(++i));
            if (!bleed)
                return fail(QStringLiteral("Invalid bleed %1: give a length from 0 to %2mm, such as 3mm")
                                .arg(args.at(i))
                                .arg(model::TPrintShopOptions::MaxBleedMm));
            options.BleedMm = *bleed;
        } else if (arg.startsWith(QLatin1String("--"))) {
            return fail(QStringLiteral("Unknown option %1").arg(arg));
        } else {
            files << arg;
        }
    }
    if (files.size() != 2)
        return fail(QStringLiteral("card needs a card file and a PDF file name"));
    const QString &in = files.at(0);
    const QString &out = files.at(1);
    if (!out.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        return fail(QStringLiteral("Unknown output type %1: use a .pdf file name").arg(out));
    if (QFileInfo(in).absoluteFilePath() == QFileInfo(out).absoluteFilePath())
        return fail(
            QStringLiteral("The PDF file would replace the card file %1").arg(QDir::toNativeSeparators(in)));

    const TGLabelObjectFiler::ObjectList objects = readCard(in);
    model::TPreferences preferences;
    preferences.Load();
    model::TPersonalInfoHost personal(preferences.PersonalInfo); // contact-card QR codes
    personal.HostCodeObjects(objects);
    const model::TPrintShopLayout layout(QSizeF(preferences.Layout.Width, preferences.Layout.Height),
                                         options);
    // The background the designer opens with this card (and with its back).
    auto loadBackground = [](const QString &card, model::TSheetBackground &background) {
        const QString named = model::TCardFiles::ReadSidecar(card);
        const QString picture = model::TBackgroundArt::Resolve(named);
        background.Load(picture.isEmpty() ? named : picture);
    };
    auto printing = [](const TGLabelObjectFiler::ObjectList &list) {
        return [&list](engine::TBaseReport &report, double x, double y) {
            for (const auto &object : list)
                object->PrintTo(report, x, y);
        };
    };
    model::TSheetBackground background;
    loadBackground(in, background);
    // Objects that touch the card's edge run on into the bleed.
    const QSize cardSize = model::TCardRenderer::CardSize(preferences.Layout);
    auto edgePainting = [cardSize](const TGLabelObjectFiler::ObjectList &list) {
        return [&list, cardSize](QPainter &painter) {
            std::vector<model::TGGraphicControl *> drawn;
            for (const auto &object : list)
                drawn.push_back(object.get());
            model::TCardRenderer::PaintObjects(painter, model::TCardRenderer::EdgeObjects(drawn, cardSize));
        };
    };
    std::vector<printer::TPrintShopPdf::TSide> sides{{background, printing(objects), edgePainting(objects)}};
    // A card with a back gets it as the second page.
    const QString backFile = model::TCardFiles::FindBack(in);
    TGLabelObjectFiler::ObjectList backObjects;
    model::TSheetBackground backBackground;
    if (!backFile.isEmpty()) {
        backObjects = readCard(backFile);
        personal.HostCodeObjects(backObjects);
        loadBackground(backFile, backBackground);
        sides.push_back({backBackground, printing(backObjects), edgePainting(backObjects)});
    }
    printer::TPrintShopPdf::Write(out, layout, sides, QFileInfo(in).completeBaseName());
    return 0;
}

int TCliCommands::PictureInfo(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return fail(QStringLiteral("Cannot open file %1").arg(QDir::toNativeSeparators(path)));
    const model::TGPicture picture = model::TGPicture::FromFile(path);
    QString kind;
    switch (picture.Kind()) {
    case model::TGraphicKind::Bitmap:
        kind = QStringLiteral("bitmap");
        break;
    case model::TGraphicKind::Metafile:
        kind = QStringLiteral("metafile");
        break;
    case model::TGraphicKind::Icon:
        kind = QStringLiteral("icon");
        break;
    case model::TGraphicKind::Empty:
        return fail(QStringLiteral("%1 holds no picture").arg(QDir::toNativeSeparators(path)));
    }
    m_out << "kind: " << kind << "\nwidth: " << picture.Width() << "\nheight: " << picture.Height() << "\n";
    return 0;
}

} // namespace cw::cli
