// The card-stock database: every stock taken from glabels-data equals its XML
// template, the built-in layouts keep their own values, the search finds
// stocks by maker, code, size and count, and a user's own stock comes back
// after a restart.

#include "app/model/ProgramFolder.h"
#include "app/model/TCardLayout.h"
#include "app/model/TCardStockDatabase.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

using namespace cw::model;

namespace {

const QString TemplateFolder = QStringLiteral("/usr/share/libglabels-3.0/templates");

// A glabels length in inches: a bare number is points.
double inches(const QString &text)
{
    static const QRegularExpression length(QStringLiteral("^\\s*([-+0-9.eE]+)\\s*([a-z]*)\\s*$"));
    const QRegularExpressionMatch m = length.match(text);
    if (!m.hasMatch())
        return qQNaN();
    const double number = m.captured(1).toDouble();
    const QString unit = m.captured(2);
    if (unit.isEmpty() || unit == QLatin1String("pt"))
        return number / 72;
    if (unit == QLatin1String("in"))
        return number;
    if (unit == QLatin1String("mm"))
        return number / 25.4;
    if (unit == QLatin1String("cm"))
        return number / 2.54;
    if (unit == QLatin1String("pc"))
        return number / 6;
    return qQNaN();
}

struct Template
{
    QXmlStreamAttributes attributes;
    QStringList categories;
    QList<QXmlStreamAttributes> labels; // Label-* elements
    QString labelKind;
    QList<QXmlStreamAttributes> layouts;
};

// Every Template element of one file, read with the stream reader.
QList<Template> readTemplates(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QXmlStreamReader xml(&file);
    QList<Template> templates;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const QStringView name = xml.name();
        if (name == QLatin1String("Template")) {
            templates.append(Template{xml.attributes(), {}, {}, {}, {}});
        } else if (templates.isEmpty()) {
            continue;
        } else if (name == QLatin1String("Meta")) {
            templates.last().categories << xml.attributes().value(QLatin1String("category")).toString();
        } else if (name.startsWith(QLatin1String("Label-"))) {
            templates.last().labels << xml.attributes();
            templates.last().labelKind = name.toString();
        } else if (name == QLatin1String("Layout")) {
            templates.last().layouts << xml.attributes();
        }
    }
    return templates;
}

QMap<QString, QSizeF> readPapers()
{
    QMap<QString, QSizeF> papers;
    QFile file(TemplateFolder + QStringLiteral("/paper-sizes.xml"));
    if (!file.open(QIODevice::ReadOnly))
        return papers;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("Paper-size")) {
            const auto a = xml.attributes();
            papers.insert(a.value(QLatin1String("id")).toString(),
                          QSizeF(inches(a.value(QLatin1String("width")).toString()),
                                 inches(a.value(QLatin1String("height")).toString())));
        }
    }
    return papers;
}

bool sameLength(double a, double b)
{
    return std::abs(a - b) <= 1e-12;
}

} // namespace

class TestCardStocks : public QObject
{
    Q_OBJECT

private slots:
    void everyGlabelsEntryEqualsItsTemplate()
    {
        if (!QFileInfo::exists(TemplateFolder + QStringLiteral("/paper-sizes.xml")))
            QSKIP("glabels-data is not installed: the comparison with its templates needs its XML files");
        const QMap<QString, QSizeF> papers = readPapers();
        const TCardStockDatabase database;
        int compared = 0;
        QSet<QString> seen;
        const QStringList files =
            QDir(TemplateFolder).entryList({QStringLiteral("*-templates.xml")}, QDir::Files, QDir::Name);
        QVERIFY(!files.isEmpty());
        for (const QString &fileName : files) {
            const QList<Template> templates = readTemplates(TemplateFolder + QLatin1Char('/') + fileName);
            for (const Template &t : templates) {
                const QString brand = t.attributes.value(QLatin1String("brand")).toString();
                const QString part = t.attributes.value(QLatin1String("part")).toString();
                if (t.attributes.hasAttribute(QLatin1String("equiv")) || t.labels.size() != 1 ||
                    t.labelKind != QLatin1String("Label-rectangle"))
                    continue;
                const QXmlStreamAttributes &label = t.labels.first();
                const double width = inches(label.value(QLatin1String("width")).toString());
                const double height = inches(label.value(QLatin1String("height")).toString());
                const double longSide = std::max(width, height) * 25.4;
                const double shortSide = std::min(width, height) * 25.4;
                const bool cardSized = longSide >= 83 && longSide <= 92 && shortSide >= 49 && shortSide <= 56;
                if (!t.categories.contains(QLatin1String("business-card")) && !cardSized)
                    continue;
                const QString what = brand + QLatin1Char(' ') + part + QStringLiteral(" in ") + fileName;
                // The stock of this template: same maker, same main code.
                const TCardStock *stock = nullptr;
                for (const TCardStock &s : database.Stocks())
                    if (s.Builtin < 0 && !s.User && s.Maker == brand && !s.Codes.isEmpty() &&
                        s.Codes.first() == part)
                        stock = &s;
                if (t.layouts.size() != 1) {
                    QVERIFY2(!stock, qPrintable(what + ": a sheet of several grids has no single layout"));
                    continue;
                }
                QVERIFY2(stock, qPrintable(what + " is missing"));
                seen.insert(stock->Key);
                const QXmlStreamAttributes &grid = t.layouts.first();
                const auto length = [](const QXmlStreamAttributes &a, const char *name) {
                    return inches(a.value(QLatin1String(name)).toString());
                };
                QVERIFY2(sameLength(stock->Width, width), qPrintable(what));
                QVERIFY2(sameLength(stock->Height, height), qPrintable(what));
                const double round =
                    label.hasAttribute(QLatin1String("round")) ? length(label, "round") : 0.0;
                QVERIFY2(sameLength(stock->Round, round), qPrintable(what));
                QVERIFY2(sameLength(stock->Left, length(grid, "x0")), qPrintable(what));
                QVERIFY2(sameLength(stock->Top, length(grid, "y0")), qPrintable(what));
                QVERIFY2(sameLength(stock->HPitch, length(grid, "dx")), qPrintable(what));
                QVERIFY2(sameLength(stock->VPitch, length(grid, "dy")), qPrintable(what));
                QCOMPARE(stock->Across, grid.value(QLatin1String("nx")).toInt());
                QCOMPARE(stock->Down, grid.value(QLatin1String("ny")).toInt());
                QCOMPARE(stock->Description, t.attributes.value(QLatin1String("_description")).toString());
                const QString paper = t.attributes.value(QLatin1String("size")).toString();
                QCOMPARE(stock->Paper, paper);
                const QSizeF paperSize =
                    paper == QLatin1String("Other")
                        ? QSizeF(length(t.attributes, "width"), length(t.attributes, "height"))
                        : papers.value(paper);
                QVERIFY2(sameLength(stock->PaperWidth, paperSize.width()), qPrintable(what));
                QVERIFY2(sameLength(stock->PaperHeight, paperSize.height()), qPrintable(what));
                const QMap<QString, int> codes{
                    {"US-Letter", 1}, {"US-Legal", 5}, {"A3", 8}, {"A4", 9}, {"A5", 11}};
                QCOMPARE(stock->PaperCode, codes.value(paper, TCardLayout::PaperCustom));

                // The codes: the part, then the parts that name it as their equivalent.
                QStringList expected{part};
                for (const QString &other : files)
                    for (const Template &e : readTemplates(TemplateFolder + QLatin1Char('/') + other))
                        if (e.attributes.value(QLatin1String("brand")) == brand &&
                            e.attributes.value(QLatin1String("equiv")) == part &&
                            !expected.contains(e.attributes.value(QLatin1String("part")).toString()))
                            expected << e.attributes.value(QLatin1String("part")).toString();
                QCOMPARE(QSet<QString>(stock->Codes.begin(), stock->Codes.end()),
                         QSet<QString>(expected.begin(), expected.end()));
                ++compared;
            }
        }
        // Nothing in the database that no template describes.
        int fromTemplates = 0;
        for (const TCardStock &s : database.Stocks())
            fromTemplates += s.Builtin < 0 && !s.User;
        QCOMPARE(seen.size(), fromTemplates);
        QCOMPARE(compared, fromTemplates);
        QVERIFY(compared >= 40);
    }

    // The built-in layouts are listed with exactly the values stored settings
    // rely on, whatever glabels-data says of the same product.
    void builtinLayoutsKeepTheirValues()
    {
        const TCardStockDatabase database;
        int builtins = 0;
        for (const TCardStock &s : database.Stocks()) {
            if (s.Builtin < 0)
                continue;
            ++builtins;
            TCardLayout fromStock;
            s.ApplyTo(fromStock);
            TCardLayout builtin;
            QVERIFY(builtin.ApplyPredefined(s.Builtin));
            QCOMPARE(fromStock, builtin);
            QCOMPARE(s.DisplayText(), TCardLayout::PredefinedLayoutNames().at(s.Builtin));
        }
        QCOMPARE(builtins, TCardLayout::PredefinedCount);
        // glabels-data has Avery 8373 at a 0.5 inch left margin; the built-in
        // layout prints at 0.55 and says so.
        const TCardStock *photo = database.Find(QStringLiteral("builtin-14"));
        QVERIFY(photo);
        QVERIFY2(photo->Note.contains("left margin 0.5000 in"), qPrintable(photo->Note));
    }

    void searchFindsByMakerCodeSizeAndCount()
    {
        const TCardStockDatabase database;
        const auto keys = [&database](const QString &query) {
            QStringList result;
            for (const TCardStock *s : database.Search(query))
                result << s->Key;
            return result;
        };
        // "Avery 5371": the built-in layout first, then the maker's family.
        const QStringList avery = keys("Avery 5371");
        QVERIFY(avery.size() >= 2);
        QCOMPARE(avery.first(), QString("builtin-0"));
        QVERIFY(avery.contains("avery-5371"));
        QVERIFY(!avery.contains("builtin-1")); // 5372 is another product
        QCOMPARE(keys("l7415"), QStringList{"builtin-11"});
        QVERIFY(keys("5877").contains("avery-5371")); // an equivalent code
        // Paper, size (either way round, with or without blanks) and count.
        const QStringList a3 = keys("A3");
        QVERIFY(a3.contains("russian-a3-5x9"));
        for (const QString &key : a3)
            QCOMPARE(database.Find(key)->PaperCode, TCardLayout::PaperA3);
        const QStringList size = keys("85 x 55");
        QVERIFY(size.contains("hama-50400"));
        QCOMPARE(keys("55x85"), size);
        for (const QString &key : size) {
            const int w = qRound(database.Find(key)->Width * 25.4);
            const int h = qRound(database.Find(key)->Height * 25.4);
            QCOMPARE(std::minmax(w, h), std::minmax(55, 85));
        }
        const QStringList ten = keys("10 per sheet");
        QVERIFY(ten.size() > 30);
        for (const QString &key : ten)
            QCOMPARE(database.Find(key)->Count(), 10);
        QCOMPARE(keys("24-up"), keys("24 per sheet"));
        QVERIFY(keys("24 up").contains("russian-a3-5x9"));
        QVERIFY(keys("no such stock").isEmpty());
        QCOMPARE(keys(QString()).size(), database.Stocks().size());
    }

    void userStockComesBackAfterARestart()
    {
        QTemporaryDir folder;
        ProgramFolder::setOverride(folder.path());
        TCardLayout measured;
        measured.Width = 3.25f;
        measured.Height = 1.875f;
        measured.Across = 3;
        measured.Down = 4;
        measured.LeftMargin = 0.3f;
        measured.TopMargin = 0.6f;
        measured.HPitch = 3.375f;
        measured.VPitch = 2.0f;
        measured.Papersize = TCardLayout::PaperA3;
        QString key;
        {
            TCardStockDatabase database;
            key = database.SaveUserStock(QStringLiteral("Shop  stock"), measured);
            QVERIFY(database.Find(key));
            // Saving again under the same name replaces it.
            measured.Down = 5;
            QCOMPARE(database.SaveUserStock(QStringLiteral("shop stock"), measured), key);
        }
        const TCardStockDatabase restarted;
        const QList<const TCardStock *> found = restarted.Search(QStringLiteral("shop"));
        QCOMPARE(found.size(), 1);
        QCOMPARE(found.first()->Key, key);
        QVERIFY(found.first()->User);
        TCardLayout back;
        found.first()->ApplyTo(back);
        QCOMPARE(back, measured);

        // A damaged user file gives no user stocks, and the shipped ones stay.
        QFile damaged(TCardStockDatabase::UserFile());
        QVERIFY(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
        damaged.write("{\"stocks\": [{\"key\": \"user-x\", \"across\": 900}, 7");
        damaged.close();
        const TCardStockDatabase afterDamage;
        QVERIFY(afterDamage.Search(QStringLiteral("shop")).isEmpty());
        QVERIFY(afterDamage.Find(QStringLiteral("builtin-0")));
        ProgramFolder::setOverride(QString());
    }
};

QTEST_GUILESS_MAIN(TestCardStocks)
#include "tst_cardstocks.moc"
