#include "cli/TSheetCommand.h"

#include "app/model/Exception.h"
#include "app/model/TCardFiles.h"
#include "app/model/TCardLayout.h"
#include "app/model/TCardStockDatabase.h"
#include "app/model/TIniFile.h"
#include "app/model/TPreferences.h"
#include "cli/TSheetBackSide.h"
#include "design/model/TBackgroundArt.h"
#include "design/model/TGGraphicControl.h"
#include "design/model/TGLabelObjectFiler.h"
#include "merge/model/TMergeSidecar.h"
#include "merge/model/TMergeSource.h"
#include "objects/model/TPersonalInfoHost.h"
#include "print/model/TLabelPrintJob.h"
#include "print/model/TLabelPrintSetup.h"
#include "print/model/TSheetFit.h"
#include "print/printer/TReportPrinter.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace cw::cli {

namespace {

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

void requireFile(const QString &path)
{
    if (!QFileInfo(path).isFile())
        throw cw::EInOutError(QStringLiteral("Cannot open file %1").arg(native(path)));
}

// A whole number from lowest to highest; none for anything else.
std::optional<int> number(const QString &text, int lowest, int highest)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < lowest || value > highest)
        return std::nullopt;
    return value;
}

model::TCardSelection parseCards(const QString &list)
{
    model::TCardSelection cards;
    cards.fill(false);
    const QStringList items = list.split(QLatin1Char(','));
    for (const QString &item : items) {
        const std::optional<int> position = number(item, 1, int(cards.size()));
        if (!position)
            throw cw::Exception(QStringLiteral("Invalid card position \"%1\" in --cards %2: give positions "
                                               "from 1 to %3, separated by commas")
                                    .arg(item, list)
                                    .arg(model::TCardSelection::Count));
        cards[std::size_t(*position - 1)] = true;
    }
    return cards;
}

// --paper: a paper name or WIDTHxHEIGHT with "mm" or "in".
void parsePaper(const QString &text, TSheetCommand::Options &options)
{
    const QString name = text.trimmed().toLower();
    static const QList<QPair<QString, int>> names = {
        {QStringLiteral("letter"), model::TCardLayout::PaperLetter},
        {QStringLiteral("legal"), model::TCardLayout::PaperLegal},
        {QStringLiteral("a3"), model::TCardLayout::PaperA3},
        {QStringLiteral("a4"), model::TCardLayout::PaperA4},
        {QStringLiteral("a5"), model::TCardLayout::PaperA5}};
    for (const auto &[word, code] : names)
        if (name == word) {
            options.Paper = code;
            return;
        }
    static const QRegularExpression custom(QStringLiteral("^([0-9.]+)\\s*x\\s*([0-9.]+)\\s*(mm|in)$"));
    const QRegularExpressionMatch match = custom.match(name);
    bool okWidth = false;
    bool okHeight = false;
    const double factor = match.hasMatch() && match.captured(3) == QLatin1String("mm") ? 1 / 25.4 : 1.0;
    const double width = match.captured(1).toDouble(&okWidth) * factor;
    const double height = match.captured(2).toDouble(&okHeight) * factor;
    if (!match.hasMatch() || !okWidth || !okHeight || width < 1 || height < 1 || width > 100 || height > 100)
        throw cw::Exception(
            QStringLiteral("Unknown paper %1: give Letter, Legal, A3, A4, A5 or a size such as "
                           "210x297mm or 8.5x11in")
                .arg(text));
    options.Paper = model::TCardLayout::PaperCustom;
    options.PaperWidth = width;
    options.PaperHeight = height;
}

} // namespace

TSheetCommand::Options TSheetCommand::Parse(const QStringList &args)
{
    Options options;
    QStringList files;
    for (int i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        if (!arg.startsWith(QLatin1String("--"))) {
            files << arg;
            continue;
        }
        if (arg == QLatin1String("--outline-test")) {
            options.OutlineTest = true;
            continue;
        }
        if (arg == QLatin1String("--both-sides") || arg == QLatin1String("--registration-test")) {
            (arg == QLatin1String("--both-sides") ? options.BothSides : options.RegistrationTest) = true;
            continue;
        }
        const bool takesValue = arg == QLatin1String("--settings") || arg == QLatin1String("--layout") ||
                                arg == QLatin1String("--cards") || arg == QLatin1String("--copies") ||
                                arg == QLatin1String("--background") || arg == QLatin1String("--paper") ||
                                arg == QLatin1String("--merge") || arg == QLatin1String("--map") ||
                                arg == QLatin1String("--per-record") || arg == QLatin1String("--binding");
        if (!takesValue)
            throw cw::Exception(QStringLiteral("Unknown option %1").arg(arg));
        if (i + 1 >= args.size())
            throw cw::Exception(QStringLiteral("Option %1 needs a value").arg(arg));
        const QString value = args.at(++i);
        if (arg == QLatin1String("--settings")) {
            options.Settings = value;
        } else if (arg == QLatin1String("--layout")) {
            const std::optional<int> layout = number(value, 1, model::TCardLayout::PredefinedCount);
            bool isNumber = false;
            value.toInt(&isNumber);
            if (!layout && !isNumber) {
                options.Stock = value.trimmed();
                continue;
            }
            if (!layout)
                throw cw::Exception(QStringLiteral("Unknown layout %1: give a number from 1 to %2")
                                        .arg(value)
                                        .arg(model::TCardLayout::PredefinedCount));
            options.Layout = *layout;
        } else if (arg == QLatin1String("--paper")) {
            parsePaper(value, options);
        } else if (arg == QLatin1String("--binding")) {
            if (value != QLatin1String("long") && value != QLatin1String("short"))
                throw cw::Exception(QStringLiteral("Unknown binding %1: give long or short").arg(value));
            options.Binding =
                value == QLatin1String("long") ? model::TBinding::LongEdge : model::TBinding::ShortEdge;
        } else if (arg == QLatin1String("--cards")) {
            options.Cards = parseCards(value);
        } else if (arg == QLatin1String("--copies")) {
            const std::optional<int> copies = number(value, 1, MaxCopies);
            if (!copies)
                throw cw::Exception(
                    QStringLiteral("Invalid number of copies %1: give 1 to %2").arg(value).arg(MaxCopies));
            options.Copies = *copies;
        } else if (arg == QLatin1String("--merge")) {
            options.Merge = value;
        } else if (arg == QLatin1String("--map")) {
            options.Map << value;
        } else if (arg == QLatin1String("--per-record")) {
            const std::optional<int> perRecord = number(value, 1, MaxCopies);
            if (!perRecord)
                throw cw::Exception(QStringLiteral("Invalid number of cards per record %1: give 1 to %2")
                                        .arg(value)
                                        .arg(MaxCopies));
            options.PerRecord = *perRecord;
        } else {
            options.Background = value;
        }
    }
    if (files.size() != 2)
        throw cw::Exception(QStringLiteral("sheet needs a card file and a PDF file name"));
    options.Card = files.at(0);
    options.Pdf = files.at(1);
    if (options.Merge.isEmpty() && (!options.Map.isEmpty() || options.PerRecord != 1))
        throw cw::Exception(QStringLiteral("--map and --per-record need --merge"));
    if (!options.Merge.isEmpty() && options.Copies != 1)
        throw cw::Exception(QStringLiteral("--copies does not go with --merge: the records decide the "
                                           "sheets (use --per-record for several cards per record)"));
    if (!options.Pdf.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        throw cw::Exception(QStringLiteral("Unknown output type %1: use a .pdf file name").arg(options.Pdf));
    return options;
}

QStringList TSheetCommand::Run(const Options &options)
{
    requireFile(options.Card);
    if (QFileInfo(options.Card).absoluteFilePath() == QFileInfo(options.Pdf).absoluteFilePath())
        throw cw::Exception(
            QStringLiteral("The PDF file would replace the card file %1").arg(native(options.Card)));

    model::TPreferences preferences;
    if (options.Settings.isEmpty()) {
        preferences.Load();
    } else {
        requireFile(options.Settings);
        preferences.Load(model::TIniFile(options.Settings));
    }
    model::TCardLayout &layout = preferences.Layout;
    if (options.Layout > 0)
        layout.ApplyPredefined(options.Layout - 1);
    if (!options.Stock.isEmpty()) {
        const model::TCardStockDatabase stocks;
        const model::TCardStock *stock = stocks.Find(options.Stock);
        if (!stock)
            throw cw::Exception(QStringLiteral("Unknown card stock %1: give a built-in layout number or a "
                                               "stock key such as avery-5371")
                                    .arg(options.Stock));
        stock->ApplyTo(layout);
    }
    if (options.Paper > 0) {
        layout.Papersize = options.Paper;
        layout.PaperWidth = float(options.PaperWidth);
        layout.PaperHeight = float(options.PaperHeight);
    }

    model::TLabelPrintJob job;
    model::TLabelPrintSettings &s = job.Settings;
    s = model::TLabelPrintSetup::FromLayout(layout, model::PrinterNudges());
    s.PrintToPrinter = true;
    s.PrintTestPage = options.OutlineTest;
    s.SheetCount = options.Copies;
    if (options.Cards) {
        // Only the positions the sheet has can be chosen.
        const int positions = std::min(layout.CardCount(), model::TLabelPrintJob::SelectionCount);
        for (int k = positions; k < model::TLabelPrintJob::SelectionCount; ++k)
            if ((*options.Cards)[std::size_t(k)])
                throw cw::Exception(QStringLiteral("Card position %1 is not on the sheet: the layout has "
                                                   "positions 1 to %2")
                                        .arg(k + 1)
                                        .arg(positions));
        s.Selection = *options.Cards;
    }
    if (options.Background) {
        const QString &picture = *options.Background;
        requireFile(picture);
        s.BackgroundFile = QFileInfo(picture).absoluteFilePath();
        job.LoadBackGround();
        if (job.Background.Kind() == model::TSheetBackground::TKind::None)
            throw cw::Exception(
                QStringLiteral(
                    "Cannot print %1 as a background: give a readable .bmp, .wmf, .png or .jpg picture")
                    .arg(native(picture)));
    } else {
        // The background the designer opens with this card (a shipped
        // sample's "BG/..." line names the program folder's picture); a
        // picture that is gone prints no background there either.
        const QString named = model::TCardFiles::ReadSidecar(options.Card);
        const QString picture = model::TBackgroundArt::Resolve(named);
        s.BackgroundFile = picture.isEmpty() ? named : picture;
        job.LoadBackGround();
    }

    QStringList warnings;
    // Linked field labels and contact-card QR codes show the settings'
    // personal information, or the record being printed.
    model::TPersonalInfoHost host(preferences.PersonalInfo, true);
    const model::TGLabelObjectFiler::ObjectList objects =
        model::TGLabelObjectFiler().ReadObjects(options.Card);
    host.HostObjects(objects);
    job.PrintObjects = [&objects](engine::TBaseReport &report, double x, double y) {
        for (const auto &object : objects)
            object->PrintTo(report, x, y);
    };
    std::optional<model::TMergeSource> merge;
    if (!options.Merge.isEmpty()) {
        merge = model::TMergeSource::Load(options.Merge);
        if (const auto saved = model::TMergeSidecar::Read(options.Card);
            saved && saved->SourceFile == merge->FileName())
            merge->Mapping = saved->Mapping;
        for (const QString &assignment : options.Map) {
            QString message;
            if (!merge->Mapping.Assign(assignment, &message, &merge->Table()))
                throw cw::Exception(message);
        }
        for (const model::TMergeProblem &problem : merge->Table().Problems)
            warnings << QStringLiteral("warning: %1: %2").arg(native(options.Merge), problem.Message());
        if (merge->RecordCount() == 0)
            throw cw::Exception(QStringLiteral("%1 holds no records to merge").arg(native(options.Merge)));
        s.MergeRecords = merge->RecordCount();
        s.CopiesPerRecord = options.PerRecord;
        job.ShowRecord = [&merge, &host](int record) { host.Values = merge->Record(record); };
    }

    std::optional<TSheetBackSide> backSide;
    if (options.BothSides || options.RegistrationTest) {
        model::TBackRegistration registration = model::PrinterNudges().Back;
        if (options.Binding)
            registration.Binding = *options.Binding;
        backSide.emplace(options.Card, job, layout.SheetSizeInches(), registration, options.RegistrationTest);
        // The back's labels and codes follow the same record as the front's.
        host.HostObjects(backSide->Objects());
        backSide->Back.ShowRecord = job.ShowRecord;
    }

    printer::TReportPrinter report;
    report.SetTitle(QStringLiteral("Cardwright"));
    report.SetUnitsFactor(1.0);
    report.SetProcessEvents({});
    report.SetOutputFileName(options.Pdf);
    model::TLabelPrintSetup::SetPaper(report, layout);
    report.SetOrientation(engine::TOrientation::poPortrait);
    report.SetCopies(1);
    report.OnBeforePrint = [&job](engine::TBaseReport &r) { job.BeforePrintLabels(r); };
    report.OnPrint = [&job, &backSide](engine::TBaseReport &r) {
        if (backSide)
            backSide->Print(job, r);
        else
            job.PrintLabels(r);
    };
    report.Execute();

    const std::vector<int> off = model::TSheetFit::CardsOffThePage(s, layout.SheetSizeInches());
    if (!off.empty())
        warnings << QStringLiteral("warning: card%1 %2 run%3 off the paper and print%3 cut off")
                        .arg(off.size() > 1 ? QStringLiteral("s") : QString(),
                             model::TSheetFit::PositionList(off),
                             off.size() > 1 ? QString() : QStringLiteral("s"));
    return warnings;
}

} // namespace cw::cli
