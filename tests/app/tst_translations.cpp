// The program in the desktop's language: the German catalogue turns menus,
// dialogs and popup menus German, Qt's own texts follow, English stays
// English, and the catalogue holds every text of the sources, translated,
// with its placeholders and accelerators, unique within each menu.
#include "app/TEditCardLayout.h"
#include "app/TMainScreen.h"
#include "app/TTranslations.h"
#include "design/TPopupMenuBuilder.h"
#include "design/model/TGMenuItem.h"
#include "help/TQexHelp.h"
#include "support/ScriptedInteraction.h"
#include "support/TestFolder.h"

#include <QAction>
#include <QFile>
#include <QLibraryInfo>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace cw::ui {

namespace {

QString sourceDir()
{
    return qEnvironmentVariable("CW_SOURCE_DIR");
}

QString germanCatalogueSource()
{
    return sourceDir() + QStringLiteral("/translations/cardwright_de.ts");
}

struct TsMessage
{
    QString source;
    QString translation;
    QString type; // "unfinished", "obsolete", "vanished" or empty when done
};

// The messages of a translation source file.
std::vector<TsMessage> readTs(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    std::vector<TsMessage> messages;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("message")) {
            messages.emplace_back();
        } else if (xml.name() == QLatin1String("source") && !messages.empty()) {
            messages.back().source = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (xml.name() == QLatin1String("translation") && !messages.empty()) {
            messages.back().type = xml.attributes().value(QLatin1String("type")).toString();
            messages.back().translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        }
    }
    if (xml.hasError())
        qFatal("not XML: %s: %s", qPrintable(path), qPrintable(xml.errorString()));
    return messages;
}

// The menu bar's menus by their (translated) titles.
QMap<QString, QMenu *> menus(TMainScreen &w)
{
    QMap<QString, QMenu *> found;
    for (QAction *a : w.menuBar()->actions())
        if (a->menu())
            found.insert(a->text(), a->menu());
    return found;
}

QStringList texts(const QList<QAction *> &actions)
{
    QStringList list;
    for (QAction *a : actions)
        if (!a->isSeparator())
            list << a->text();
    return list;
}

// The accelerator letter of a caption ("Ö&ffnen" -> 'f'), or none.
QChar accelerator(const QString &caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&'))
            continue;
        if (caption[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return caption[i + 1].toLower();
    }
    return QChar();
}

QString duplicateAccelerators(const QStringList &captions)
{
    QMap<QChar, QString> seen;
    QStringList clashes;
    for (const QString &c : captions) {
        const QChar key = accelerator(c);
        if (key.isNull())
            continue;
        if (seen.contains(key))
            clashes << seen[key] + QStringLiteral(" / ") + c;
        seen.insert(key, c);
    }
    return clashes.join(QStringLiteral("; "));
}

QStringList placeholders(const QString &text)
{
    QStringList found;
    auto it = QRegularExpression(QStringLiteral("%\\d")).globalMatch(text);
    while (it.hasNext())
        found << it.next().captured();
    found.sort();
    return found;
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

    static bool yes() { return true; }
    static QString printerName() { return QStringLiteral("Office"); }

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

    void germanMenusDialogsAndPopups()
    {
        TTranslations translations;
        QVERIFY(translations.Load(QLocale(QLocale::German, QLocale::Germany)));
        QCOMPARE(translations.Language(), QStringLiteral("de_DE"));

        TMainScreen w;
        const QMap<QString, QMenu *> bar = menus(w);
        QCOMPARE(QStringList(bar.keys()).size(), 4);
        for (const char *title : {"&Datei", "&Bearbeiten", "&Ansicht", "&Hilfe"})
            QVERIFY2(bar.contains(QString::fromUtf8(title)), title);
        const QStringList file = texts(bar[QStringLiteral("&Datei")]->actions());
        QCOMPARE(file.first(), QStringLiteral("&Neu"));
        QVERIFY(file.contains(QStringLiteral("&Öffnen…")));
        QVERIFY(file.contains(QStringLiteral("Speichern &unter…")));
        QCOMPARE(file.last(), QStringLiteral("&Beenden"));
        QCOMPARE(w.findChild<QPushButton *>(QStringLiteral("PrintButton"))->text(),
                 QStringLiteral("&Drucken"));
        QCOMPARE(w.findChild<QAction *>(QStringLiteral("DrawLinebutton"))->toolTip(),
                 QStringLiteral("Linienwerkzeug"));
        // A text made by the settings model, shown as a menu entry.
        QCOMPARE(w.findChild<QAction *>(QStringLiteral("mnuDefaultFont"))->text(),
                 QStringLiteral("Standardschrift: Arial, 10 pt "));

        TEditCardLayout layout;
        QCOMPARE(layout.windowTitle(), QStringLiteral("Visitenkarten-Layout"));
        QStringList buttons;
        for (QPushButton *b : layout.findChildren<QPushButton *>())
            buttons << b->text();
        QVERIFY2(buttons.contains(QStringLiteral("Abbrechen")), qPrintable(buttons.join(',')));
        // What's-this texts are German; a redirection still finds its target.
        TQexHelp *help = TQexHelp::Install(&layout);
        QCOMPARE(help->Lookup(QStringLiteral("eCardwidth")).value_or(THelpEntry{}).Text,
                 QStringLiteral("Die Breite einer Karte. Der horizontale Abstand wächst mit, wenn er sonst "
                                "kleiner wäre."));
        QCOMPARE(help->Lookup(QStringLiteral("CancelButton")).value_or(THelpEntry{}).Text,
                 help->Lookup(QStringLiteral("Cancelbutton")).value_or(THelpEntry{}).Text);

        // Design objects name their popup entries in English; the menu shows
        // them in German while the entry keeps the name the program finds it by.
        std::vector<model::TGMenuItem> items{
            model::TGMenuItem::Command(QStringLiteral("Bring To Front"), {}),
            model::TGMenuItem::Submenu(QStringLiteral("Alignment"),
                                       {model::TGMenuItem::Command(QStringLiteral("Left"), {})})};
        auto popup = TPopupMenuBuilder::Build(items, &w);
        QCOMPARE(texts(popup->actions()),
                 QStringList({QStringLiteral("In den Vordergrund"), QStringLiteral("Ausrichtung")}));
        QCOMPARE(items.front().Caption, QStringLiteral("Bring To Front"));

        // Qt's standard buttons and dialogs follow, when Qt's catalogues are installed.
        if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                           QStringLiteral("/qtbase_de.qm")))
            QSKIP("Qt's German catalogue (qt6-translations-l10n) is not installed");
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
    }

    void germanAcceleratorsAreUniquePerMenu()
    {
        TTranslations translations;
        QVERIFY(translations.Load(QLocale(QLocale::German, QLocale::Germany)));
        TMainScreen w;
        QStringList titles;
        for (QAction *a : w.menuBar()->actions())
            titles << a->text();
        QCOMPARE(duplicateAccelerators(titles), QString());
        for (auto [title, menu] : menus(w).asKeyValueRange())
            QVERIFY2(
                duplicateAccelerators(texts(menu->actions())).isEmpty(),
                qPrintable(title + QStringLiteral(": ") + duplicateAccelerators(texts(menu->actions()))));
    }

    void englishAndUnknownLanguagesStayEnglish()
    {
        TTranslations translations;
        QVERIFY(translations.Load(QLocale(QLocale::German, QLocale::Germany)));
        // A later choice replaces the German catalogue; English has none.
        QVERIFY(!translations.Load(QLocale(QLocale::English, QLocale::UnitedStates)));
        QVERIFY(translations.Language().isEmpty());
        QVERIFY(!translations.Load(QLocale(QLocale::Swahili, QLocale::Kenya)));
        TMainScreen w;
        const QMap<QString, QMenu *> bar = menus(w);
        for (const char *title : {"&File", "&Edit", "&View", "&Help"})
            QVERIFY2(bar.contains(QString::fromLatin1(title)), title);
        QCOMPARE(w.findChild<QPushButton *>(QStringLiteral("PrintButton"))->text(), QStringLiteral("&Print"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
    }

    void catalogueIsCompleteAndKeepsPlaceholders()
    {
        const std::vector<TsMessage> messages = readTs(germanCatalogueSource());
        QVERIFY(messages.size() > 500);
        QStringList problems;
        for (const TsMessage &m : messages) {
            if (!m.type.isEmpty())
                problems << m.type + QStringLiteral(": ") + m.source;
            else if (m.translation.trimmed().isEmpty())
                problems << QStringLiteral("empty: ") + m.source;
            else if (placeholders(m.source) != placeholders(m.translation))
                problems << QStringLiteral("placeholders: ") + m.source;
            else if (!accelerator(m.source).isNull() && accelerator(m.translation).isNull())
                problems << QStringLiteral("accelerator lost: ") + m.source;
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }

    // Every text marked in the sources is in the catalogue, and the catalogue
    // holds no text the sources no longer have: lupdate, run on a copy,
    // finds nothing new and drops nothing.
    void catalogueMatchesTheSources()
    {
        const QString lupdate = QLibraryInfo::path(QLibraryInfo::BinariesPath) + QStringLiteral("/lupdate");
        if (!QFile::exists(lupdate))
            QSKIP("lupdate (qt6-l10n-tools) is not installed");
        QTemporaryDir dir;
        const QString copy = dir.filePath(QStringLiteral("cardwright_de.ts"));
        QVERIFY(QFile::copy(germanCatalogueSource(), copy));
        QProcess run;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LUPDATE"), lupdate);
        run.setProcessEnvironment(env);
        run.start(sourceDir() + QStringLiteral("/scripts/update-translations.sh"), {copy});
        QVERIFY(run.waitForFinished(120000));
        QCOMPARE(run.exitCode(), 0);

        const std::vector<TsMessage> before = readTs(germanCatalogueSource());
        const std::vector<TsMessage> after = readTs(copy);
        QStringList untranslated;
        for (const TsMessage &m : after)
            if (!m.type.isEmpty())
                untranslated << m.source;
        QVERIFY2(untranslated.isEmpty(), qPrintable(QStringLiteral("not in the catalogue:\n") +
                                                    untranslated.join(QLatin1Char('\n'))));
        QCOMPARE(after.size(), before.size());
    }
};

} // namespace cw::ui

QTEST_MAIN(cw::ui::TestTranslations)
#include "tst_translations.moc"
