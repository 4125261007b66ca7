// The real file dialogs: they offer the saved designs and the shipped sample
// cards beside the usual places, and a cancelled dialog answers nothing.
#include "app/model/ProgramFolder.h"
#include "support/TestFolder.h"
#include "widgets/DialogPlacement.h"
#include "widgets/Interaction.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

namespace cw::ui {

class TestInteraction : public QObject
{
    Q_OBJECT

    // Runs `show` with the next file dialog cancelled at once; returns the
    // places its sidebar offered (none when no file dialog came up).
    template <typename F> static QList<QUrl> sidebarOfNextDialog(F &&show)
    {
        QList<QUrl> offered;
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            seen = true;
            offered = dialog->sidebarUrls();
            dialog->reject();
        });
        const QString chosen = show();
        if (!seen || !chosen.isEmpty())
            return {};
        return offered;
    }

private slots:
    void programPlacesAreTheSavedDesignsAndTheSamples()
    {
        test::TestFolder folder;
        const QUrl samples = QUrl::fromLocalFile(QDir::cleanPath(
            QDir(model::ProgramFolder::shippedContent()).filePath(QStringLiteral("samples"))));
        const QUrl saved = QUrl::fromLocalFile(QDir::cleanPath(folder.file(QStringLiteral("Saved"))));
        QVERIFY(QFileInfo(samples.toLocalFile()).isDir());
        // No Saved folder yet: only the samples.
        QCOMPARE(QtInteraction::ProgramPlaces(), QList<QUrl>{samples});
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("Saved")));
        QCOMPARE(QtInteraction::ProgramPlaces(), (QList<QUrl>{saved, samples}));

        QtInteraction ui;
        const QList<QUrl> open = sidebarOfNextDialog(
            [&] { return ui.openFileName(QStringLiteral("Open"), folder.path(), QStringLiteral("*.cwr")); });
        QVERIFY(open.contains(saved));
        QVERIFY(open.contains(samples));
        const QList<QUrl> save = sidebarOfNextDialog([&] {
            return ui.saveFileName(QStringLiteral("Save"), folder.path(), QStringLiteral("*.cwr"),
                                   QStringLiteral("cwr"));
        });
        QVERIFY(save.contains(saved));
        // The usual places stay, once each.
        QCOMPARE(open.count(samples), 1);
        QVERIFY(open.size() > 2);
    }

    void placingADialogKeepsItsDesignedSize()
    {
        QWidget main;
        main.setGeometry(100, 100, 800, 600);
        main.show();
        // Laid out by its contents: it takes its natural size.
        QDialog natural;
        auto *layout = new QVBoxLayout(&natural);
        layout->addWidget(new QLabel(QStringLiteral("A line of text")));
        placeDialog(&natural, &main);
        QCOMPARE(natural.size(), natural.sizeHint());
        // Given a designed size bigger than its contents need: it keeps it,
        // centred over the main window.
        QDialog designed;
        (new QVBoxLayout(&designed))->addWidget(new QLabel(QStringLiteral("Page")));
        designed.resize(608, 424);
        placeDialog(&designed, &main);
        QCOMPARE(designed.size(), QSize(608, 424));
        const QRect over = main.frameGeometry();
        QCOMPARE(designed.pos(),
                 QPoint(over.left() + (over.width() - designed.frameGeometry().width()) / 2,
                        over.top() + (over.height() - designed.frameGeometry().height()) / 2));
    }
};

} // namespace cw::ui

QTEST_MAIN(cw::ui::TestInteraction)
#include "tst_interaction.moc"
