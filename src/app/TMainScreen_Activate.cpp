// Creation and first activation of the main window, and the printer check.

#include "app/TMainScreen.h"

#include "app/TMRUFileList.h"
#include "app/model/Exception.h"
#include "app/model/ProgramFolder.h"
#include "widgets/Interaction.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QTimer>

namespace cw::ui {

bool (*TMainScreen::hasPrinters)() = [] { return !QPrinterInfo::availablePrinterNames().isEmpty(); };
QString (*TMainScreen::defaultPrinterName)() = [] { return QPrinterInfo::defaultPrinterName(); };

void TMainScreen::FormCreate()
{
    m_printerReady = false;
    Busy = true;
    SelectAllLabels();
    try {
        LoadPreferences();
    } catch (const Exception &e) {
        Interaction::current().error(e.message(), QStringLiteral("Cardwright"));
    }
    SetCardSizeFromInches();
    SetDefaultFontCaption();
    SetPanelPersonalInfo();
    SetChangesMade(false);
    createRecentFiles();
    // Folders for textures, saved designs and backgrounds; failures are
    // harmless here and reported when the folder is used.
    QDir folder(model::ProgramFolder::path());
    for (const char *name : {"bmbrush", "Saved", "BG"})
        folder.mkpath(QString::fromLatin1(name));
}

void TMainScreen::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_activated)
        QTimer::singleShot(0, this, &TMainScreen::FormActivate);
}

void TMainScreen::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && m_panel)
        m_panel->update();
}

void TMainScreen::FormActivate()
{
    m_panel->update();
    if (!Busy || m_activated)
        return;
    m_activated = true;
    // A first start opens large enough to show the card comfortably; a
    // stored placement then takes over.
    sizeForFirstStart();
    RestoreWindowPlacement();
    QApplication::processEvents();
    m_panel->setShape(lsRectangle);
    SetCardSizeFromInches();
    m_panel->show();
    QApplication::processEvents();
    if (!StartupFile.isEmpty())
        OpenFromDesktop(StartupFile);
    else if (!RecentFiles->Items().isEmpty() && QFileInfo::exists(RecentFiles->Items().constFirst()))
        OpenBCFile(RecentFiles->Items().constFirst());
    SetChangesMade(false);
    QApplication::processEvents();
    connect(m_panel, &TGBasePanel::LabelChangedEvent, this, &TMainScreen::LabelChanged, Qt::UniqueConnection);
    SetChangesMade(false);
    Busy = false;
    ResetUndoHistory();
    if (PrinterCheck())
        CreateReportPrinter();
    m_printerReady = ReportPrinter != nullptr;
    Setbuttons();
}

bool TMainScreen::PrinterCheck()
{
    try {
        if (!hasPrinters()) {
            Interaction::current().information(
                tr("There are no installed printers.\nUnable to perform printer related operations"));
            return false;
        }
        if (defaultPrinterName().isEmpty()) {
            Interaction::current().information(
                tr("There is no default printer selected.\nUnable to perform printer related operations"));
            return false;
        }
        return true;
    } catch (...) {
        return false;
    }
}

} // namespace cw::ui
