// The help book and its window: every help context the program uses opens an
// existing page and anchor, every link inside the book leads somewhere, the
// search finds pages by their words, and the window pages back and forward.

#include "help/THelpTexts.h"
#include "help/THelpWindow.h"
#include "help/model/THelpBook.h"
#include "widgets/Interaction.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QtTest>

using namespace cw;

class TestHelpBook : public QObject
{
    Q_OBJECT

private:
    static QString folder()
    {
        return qEnvironmentVariable("CW_SOURCE_DIR", QStringLiteral(".")) + QStringLiteral("/content/help/");
    }
    static QString read(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }
    // True when `target` ("page.html#anchor" or "page.html") names a page of
    // the book and, when given, an anchor on it.
    static bool resolves(const QString &target, QString *why)
    {
        const qsizetype hash = target.indexOf(QLatin1Char('#'));
        const QString page = hash < 0 ? target : target.left(hash);
        const QString html = read(folder() + page);
        if (html.isEmpty()) {
            *why = target + QStringLiteral(": no page");
            return false;
        }
        if (hash >= 0 && !model::THelpBook::AnchorsOf(html).contains(target.mid(hash + 1))) {
            *why = target + QStringLiteral(": no anchor");
            return false;
        }
        return true;
    }

private slots:
    void everyHelpContextOpensItsPageAndAnchor()
    {
        const model::THelpBook book(folder());
        QVERIFY(book.IsInstalled());
        const int used[] = {2016,  2101,  2102,  2103,  2105,  2020,  2039,  3101,  1041,  911,
                            40001, 40003, 40004, 40005, 40008, 40011, 40012, 40013, 40014, 40017};
        for (int context : used) {
            const std::optional<QUrl> url = book.ContextUrl(context);
            QVERIFY2(url, qPrintable(QString::number(context)));
            QString why;
            QVERIFY2(resolves(url->fileName() + QLatin1Char('#') + url->fragment(), &why), qPrintable(why));
            QCOMPARE(url->fragment(), QStringLiteral("c%1").arg(context));
        }
        QVERIFY(!book.ContextUrl(12345));
        // Every context a what's-this entry links to is in the book too.
        for (const ui::THelpTextTable *table : ui::THelpTexts::All()) {
            QVERIFY2(book.ContextUrl(int(table->Context)), table->WindowClass);
            for (const ui::THelpTextRow &row : table->Rows)
                if (row.Context != 0 && row.Context != ui::THelpTexts::NoContext)
                    QVERIFY(book.ContextUrl(int(row.Context)));
        }
    }

    void everyLinkAndContentsEntryLeadsSomewhere()
    {
        const model::THelpBook book(folder());
        QVERIFY(book.Contents().size() > 20);
        QString why;
        for (const model::THelpBook::ContentsEntry &entry : book.Contents())
            QVERIFY2(resolves(entry.Target, &why), qPrintable(why));
        static const QRegularExpression href(QStringLiteral("href=\"([^\"]+)\""));
        const QStringList pages = QDir(folder()).entryList({QStringLiteral("*.html")});
        QVERIFY(pages.size() > 20);
        for (const QString &page : pages) {
            const QString html = read(folder() + page);
            QVERIFY2(!model::THelpBook::TitleOf(html).isEmpty(), qPrintable(page));
            for (auto it = href.globalMatch(html); it.hasNext();) {
                const QString target = it.next().captured(1);
                if (target.startsWith(QLatin1String("http")))
                    continue;
                QVERIFY2(resolves(target.startsWith(QLatin1Char('#')) ? page + target : target, &why),
                         qPrintable(page + QStringLiteral(" -> ") + why));
            }
        }
    }

    void searchFindsPagesByAllTheirWords()
    {
        const model::THelpBook book(folder());
        const auto grid = book.Search(QStringLiteral("Snap to Grid"));
        QVERIFY(!grid.isEmpty());
        QStringList files;
        for (const auto &hit : grid)
            files << hit.File;
        QVERIFY(files.contains(QStringLiteral("mainwindow.html")));
        // Every word must be on the page; case does not matter.
        const auto nudge = book.Search(QStringLiteral("CREEPS nudge"));
        QCOMPARE(nudge.size(), 1);
        QCOMPARE(nudge.first().File, QStringLiteral("finetune.html"));
        QCOMPARE(nudge.first().Title, QStringLiteral("Printer Fine Tuning"));
        QVERIFY(book.Search(QStringLiteral("grid xylophone")).isEmpty());
        QVERIFY(book.Search(QStringLiteral("   ")).isEmpty());
        // Markup is not text.
        QVERIFY(book.Search(QStringLiteral("href")).isEmpty());
    }

    void missingOrDamagedBookGivesNothing()
    {
        QTemporaryDir dir;
        model::THelpBook empty(dir.path());
        QVERIFY(!empty.IsInstalled());
        QVERIFY(!empty.ContextUrl(2016));
        QVERIFY(empty.Search(QStringLiteral("card")).isEmpty());
        QFile map(dir.filePath(QStringLiteral("contexts.txt")));
        QVERIFY(map.open(QIODevice::WriteOnly));
        map.write("garbage line\n2016\n  911   faq.html#c911  \n# 5 x.html\n");
        map.close();
        model::THelpBook damaged(dir.path());
        QCOMPARE(damaged.Contexts().size(), 1);
        QCOMPARE(damaged.ContextUrl(911)->fragment(), QStringLiteral("c911"));
    }

    void windowOpensAtContextsAndPagesBack()
    {
        ui::THelpWindow window(folder());
        QVERIFY(window.ShowContext(3101));
        QCOMPARE(window.Browser()->source().fileName(), QStringLiteral("layout.html"));
        QCOMPARE(window.Browser()->source().fragment(), QStringLiteral("c3101"));
        QVERIFY(window.windowTitle().endsWith(QStringLiteral("Business Card Layout")));
        QCOMPARE(window.ContentsTree()->currentItem()->text(0), QStringLiteral("Business Card Layout"));

        QVERIFY(window.ShowContext(911));
        QCOMPARE(window.Browser()->source().fileName(), QStringLiteral("faq.html"));
        QVERIFY(window.Browser()->isBackwardAvailable());
        window.Browser()->backward();
        QCOMPARE(window.Browser()->source().fileName(), QStringLiteral("layout.html"));
        QVERIFY(window.Browser()->isForwardAvailable());

        // An unknown number shows the contents.
        QVERIFY(!window.ShowContext(4242));
        QCOMPARE(window.Browser()->source().fileName(), QStringLiteral("index.html"));
        QVERIFY(window.Browser()->toPlainText().contains(QStringLiteral("Printer Fine Tuning")));
    }

    void helpFromAModalDialogIsNotBlockedByIt()
    {
        QWidget main;
        ui::Interaction::setMainWindow(&main);
        QPointer<ui::THelpWindow> window = new ui::THelpWindow(folder(), &main);
        // A modal dialog is up (shown modal, without running its own loop).
        QDialog dialog(&main);
        dialog.setWindowModality(Qt::ApplicationModal);
        dialog.show();
        QCOMPARE(QApplication::activeModalWidget(), &dialog);

        window->ShowContext(3101); // the dialog's Help button
        // A window of the modal dialog takes input while the dialog is up.
        QCOMPARE(window->parentWidget(), &dialog);
        QVERIFY(window->isVisible());
        QCOMPARE(window->Browser()->source().fileName(), QStringLiteral("layout.html"));

        dialog.done(QDialog::Rejected);
        QVERIFY(window);
        QCOMPARE(window->parentWidget(), &main);
        QVERIFY(window->isVisible());
        ui::Interaction::setMainWindow(nullptr);
        delete window;
    }

    void windowSearchListsAndOpensPages()
    {
        ui::THelpWindow window(folder());
        window.ShowContents();
        window.Search(QStringLiteral("outline test page"));
        QVERIFY(!window.Results()->isHidden());
        QVERIFY(window.Results()->count() >= 1);
        QListWidgetItem *first = window.Results()->item(0);
        emit window.Results()->itemClicked(first);
        QCOMPARE(window.Browser()->source().fileName(), first->data(Qt::UserRole).toUrl().fileName());
        window.Search(QStringLiteral("xylophone"));
        QCOMPARE(window.Results()->count(), 1);
        QCOMPARE(window.Results()->item(0)->text(), QStringLiteral("No pages found."));
    }
};

QTEST_MAIN(TestHelpBook)
#include "tst_helpbook.moc"
