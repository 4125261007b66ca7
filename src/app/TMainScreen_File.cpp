// File menu commands: new, open, save, save as, delete and recent files
// (the picture export is in TMainScreen_Export.cpp).

#include "app/TMainScreen.h"

#include "merge/TMergeController.h"

#include "app/TMRUFileList.h"
#include "app/model/Exception.h"
#include "app/model/ProgramFolder.h"
#include "app/model/TCardFiles.h"
#include "app/model/TIniFile.h"
#include "design/model/TBackgroundArt.h"
#include "widgets/Interaction.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>

namespace cw::ui {

namespace {

QString cardFilter()
{
    return QCoreApplication::translate("cw::ui::TMainScreen", "CWR File (*.cwr *.CWR)");
}

bool isCardFileName(const QString &path)
{
    return path.toUpper().endsWith(QStringLiteral(".CWR"));
}

} // namespace

void TMainScreen::createRecentFiles()
{
    RecentFiles = new TMRUFileList(m_fileMenu, this);
    RecentFiles->SetMaximum(5);
    RecentFiles->RemoveOnClick = true;
    connect(RecentFiles, &TMRUFileList::OnMRUItemClick, this, &TMainScreen::RecentFileClick);
    try {
        RecentFiles->Load(model::TIniFile(model::TIniFile::SettingsFileName()));
    } catch (const Exception &) {
        // An unreadable settings file gives an empty list.
    }
}

void TMainScreen::saveRecentFiles()
{
    model::TIniFile ini(model::TIniFile::SettingsFileName());
    RecentFiles->Save(ini);
}

void TMainScreen::New1Click()
{
    if (!CheckSaveNeeded())
        return;
    Busy = true;
    clearCard();
    m_panel->update();
    FileName.clear();
    SetChangesMade(false);
    Busy = false;
    Setbuttons();
    ResetUndoHistory();
}

void TMainScreen::Open1Click()
{
    if (!CheckSaveNeeded())
        return;
    const QString path = Interaction::current().openFileName(
        tr("Open Business Card"), model::ProgramFolder::file(QStringLiteral("Saved")), cardFilter());
    if (path.isEmpty())
        return;
    if (!isCardFileName(path)) {
        Interaction::current().information(tr("Must be a CWR (Cardwright) file"));
        return;
    }
    OpenBCFile(path);
}

void TMainScreen::OpenBCFile(const QString &path)
{
    Busy = true;
    clearCard();
    try {
        m_panel->hide();
        try {
            m_panel->LoadFromFile(path);
        } catch (...) {
            m_panel->show();
            throw;
        }
        m_panel->show();
        FileName = path;
        RecentFiles->Add(path);
        try {
            saveRecentFiles();
        } catch (const Exception &e) {
            // The card is read: a settings file that cannot be written (full
            // disk, read-only folder) is reported as such, and the design stays.
            Interaction::current().error(e.message(), QStringLiteral("Cardwright"));
        }
        BackgroundFile = model::TCardFiles::ReadSidecar(path);
        // A relative line (a shipped sample's "BG/<picture>") names a file
        // of the program folder; screen, paper and the next save then use
        // that file's full path.  A missing picture stays named as it was.
        const QString picture = model::TBackgroundArt::Resolve(BackgroundFile);
        if (!picture.isEmpty()) {
            BackgroundFile = picture;
            try {
                m_panel->LoadColorPicture(BackgroundFile);
            } catch (const Exception &) {
                // A background that cannot be read stays named in the sidecar
                // (and is written back on the next save) but is not shown.
            }
        }
        openBackSide(path);
        m_panel->update();
        Merge->CardOpened(path);
    } catch (const Exception &) {
        // The card on screen is empty and belongs to no file: keeping the
        // name of the design open before would let Save write this empty
        // card over that file and delete its sidecar.
        m_panel->show();
        clearCard();
        FileName.clear();
        Interaction::current().information(tr("Unable to open ") + path +
                                           tr(". Possibly corrupted, possibly not a CWR file"));
    }
    SetChangesMade(false);
    QApplication::processEvents();
    Busy = false;
    Setbuttons();
    m_panel->update();
    ResetUndoHistory();
}

void TMainScreen::OpenFromDesktop(const QString &path)
{
    // A file from the command line or the desktop passes the same checks as
    // one picked in the Open dialog, before the open design is given up.
    if (!QFileInfo::exists(path)) {
        Interaction::current().information(path + tr(" no longer exists"));
        return;
    }
    if (!isCardFileName(path)) {
        Interaction::current().information(tr("Must be a CWR (Cardwright) file"));
        return;
    }
    if (CheckSaveNeeded())
        OpenBCFile(path);
}

void TMainScreen::RecentFileClick(const QString &path)
{
    if (!CheckSaveNeeded())
        return;
    if (QFileInfo::exists(path))
        OpenBCFile(path);
    else
        Interaction::current().information(path + tr(" no longer exists"));
}

bool TMainScreen::SaveBCFile(const QString &path)
{
    try {
        // The front is the card file as it always was; the back goes into
        // its companion file, which a card without a back does not have.
        m_panel->WithSide(model::TCardSide::Front, [&] { m_panel->SaveToFile(path); });
        model::TCardFiles::WriteSidecar(path, SideBackgroundFile(model::TCardSide::Front));
        saveBackSide(path);
        Merge->CardSaved(path);
        MarkDesignSaved();
        return true;
    } catch (const Exception &e) {
        // The file that was there is intact (saves are atomic); the design
        // stays marked as changed.
        Interaction::current().error(e.message(), tr("Save"));
        return false;
    }
}

void TMainScreen::removeStrayObjects()
{
    // Objects lying off the card go on both sides.
    for (model::TCardSide side : {model::TCardSide::Front, model::TCardSide::Back})
        m_panel->WithSide(side, [this] { m_panel->RemoveStrayObjects(); });
}

bool TMainScreen::mnuSaveClick()
{
    if (FileName.isEmpty())
        return false;
    removeStrayObjects();
    if (!SaveBCFile(FileName))
        return false;
    SetChangesMade(false);
    return true;
}

QString TMainScreen::cardPathForSaveAs(const QString &chosen)
{
    if (isCardFileName(chosen))
        return chosen;
    // The dialog adds its extension only to a name without a full stop, so
    // "J.Smith" comes back bare: Open would refuse the file, and "J.Smith"
    // and "J.Doe" would share one sidecar.  The card gets its extension;
    // a card of that name (in any letter case) is replaced only when the
    // user says so, as the dialog asks for the name it saw.
    const QFileInfo info(chosen + QStringLiteral(".CWR"));
    QString path = info.filePath();
    const QStringList present = info.dir().entryList(QDir::Files | QDir::Hidden);
    for (const QString &name : present) {
        if (name.compare(info.fileName(), Qt::CaseInsensitive) != 0)
            continue;
        path = info.dir().filePath(name);
        if (!Interaction::current().question(path + tr(" already exists.\nDo you want to replace it?"),
                                             tr("Save As")))
            return QString();
        break;
    }
    return path;
}

bool TMainScreen::mnuSaveAsClick()
{
    removeStrayObjects();
    const QString folder = model::ProgramFolder::file(QStringLiteral("Saved"));
    QString proposed =
        FileName.isEmpty() ? model::TCardFiles::AutomaticFileName(folder) : QFileInfo(FileName).fileName();
    if (proposed.isEmpty())
        proposed = QStringLiteral("BC1.CWR");
    const QString chosen = Interaction::current().saveFileName(
        tr("Save As"), folder + QLatin1Char('/') + proposed, cardFilter(), QStringLiteral("CWR"));
    // The design takes the new name only once it is written there: a failed
    // save leaves the name, the changed mark and the recent files as they were.
    const QString path = chosen.isEmpty() ? QString() : cardPathForSaveAs(chosen);
    const bool saved = !path.isEmpty() && SaveBCFile(path);
    if (saved) {
        FileName = path;
        SetChangesMade(false);
        RecentFiles->Add(path);
        try {
            saveRecentFiles();
        } catch (const Exception &e) {
            Interaction::current().error(e.message(), tr("Save"));
        }
    }
    Setbuttons();
    return saved;
}

void TMainScreen::SavebuttonClick()
{
    if (FileName.isEmpty())
        mnuSaveAsClick();
    else
        mnuSaveClick();
}

void TMainScreen::Delete1Click()
{
    const QString path = Interaction::current().openFileName(
        tr("Delete Business Card"), model::ProgramFolder::file(QStringLiteral("Saved")), cardFilter());
    if (path.isEmpty())
        return;
    if (!isCardFileName(path)) {
        Interaction::current().information(tr("Must be a CWR (Cardwright) file"));
        return;
    }
    // Deleting cannot be undone, so Enter alone does not delete.
    if (!Interaction::current().questionDefaultNo(tr("Delete ") + path + QStringLiteral("?"),
                                                  QStringLiteral("CONFIRM")))
        return;
    if (!QFile::remove(path) && QFileInfo::exists(path)) {
        Interaction::current().error(tr("Unable to delete ") + path, tr("Delete"));
        return;
    }
    try {
        model::TCardFiles::RemoveSidecar(path);
        model::TCardFiles::RemoveBack(path);
    } catch (const Exception &e) {
        Interaction::current().error(e.message(), tr("Delete"));
    }
}

} // namespace cw::ui
