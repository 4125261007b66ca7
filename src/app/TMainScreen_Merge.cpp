// The merge commands of the main window: the File menu's "Merge" submenu and
// the merge bar above the card, both served by the merge controller.

#include "app/TMainScreen.h"

#include "merge/TMergeBar.h"
#include "merge/TMergeController.h"

#include <QAction>
#include <QMenu>
#include <QVBoxLayout>

namespace cw::ui {

void TMainScreen::createMergeCommands(QVBoxLayout &column)
{
    Merge = std::make_unique<TMergeController>(*m_panel, this);
    Merge->OwnInfo = [this] { return Preferences.PersonalInfo; };
    Merge->CardFile = [this] { return FileName; };
    column.addWidget(Merge->Bar());

    QMenu *menu = new QMenu(tr("&Merge"), this);
    menu->setObjectName(QStringLiteral("mnuMerge"));
    mnuMergeOpen = menu->addAction(tr("&Open Merge Source…"));
    mnuMergeOpen->setObjectName(QStringLiteral("mnuMergeOpen"));
    mnuMergeOpen->setStatusTip(tr("Print a card for every person of a CSV or vCard file"));
    mnuMergeMapping = menu->addAction(tr("Merge Field &Mapping…"));
    mnuMergeMapping->setObjectName(QStringLiteral("mnuMergeMapping"));
    mnuMergeClose = menu->addAction(tr("&Close Merge"));
    mnuMergeClose->setObjectName(QStringLiteral("mnuMergeClose"));
    connect(mnuMergeOpen, &QAction::triggered, Merge.get(), &TMergeController::OpenSourceClick);
    connect(mnuMergeMapping, &QAction::triggered, Merge.get(), &TMergeController::MappingClick);
    connect(mnuMergeClose, &QAction::triggered, Merge.get(), &TMergeController::CloseMerge);
    connect(menu, &QMenu::aboutToShow, this, [this] {
        mnuMergeMapping->setEnabled(Merge->IsOpen());
        mnuMergeClose->setEnabled(Merge->IsOpen());
    });
    // After "Save Sheet As PDF", with the commands that print.
    const QList<QAction *> entries = m_fileMenu->actions();
    const qsizetype after = entries.indexOf(mnuSaveSheetAsPdf);
    m_fileMenu->insertMenu(after >= 0 && after + 1 < entries.size() ? entries[after + 1] : nullptr, menu);
}

} // namespace cw::ui
