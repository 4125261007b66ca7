// Settings, personal information, default font, card layout and window
// placement of the main window.

#include "app/TMainScreen.h"

#include "app/TEditCardLayout.h"
#include "app/TPersonalInformation.h"
#include "app/model/Exception.h"
#include "app/model/TIniFile.h"
#include "app/model/TWindowPlacement.h"
#include "merge/TMergeController.h"
#include "text/model/TTextFonts.h"
#include "widgets/Interaction.h"

#include <QAction>
#include <QGuiApplication>
#include <QScreen>

namespace cw::ui {

namespace {

int screenDpi(const QWidget *w)
{
    const QScreen *screen = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    // Logical dots per inch, scaled by the device pixel ratio: a 2x screen
    // keeps a placement of its own, as a 192-dpi screen would.
    return screen ? qRound(screen->logicalDotsPerInch() * screen->devicePixelRatio()) : 96;
}

// Runs one settings command and shows the settings file error it may raise.
template <typename F> void guarded(F &&f)
{
    try {
        f();
    } catch (const Exception &e) {
        Interaction::current().error(e.message(), QStringLiteral("Cardwright"));
    }
}

} // namespace

void TMainScreen::LoadPreferences()
{
    Preferences.Load();
    m_panel->setFont(Preferences.DefaultFont.ToFont());
}

void TMainScreen::SavePreferences()
{
    Preferences.DefaultFont = model::TDefaultFont::FromFont(m_panel->Font());
    Preferences.Save();
}

void TMainScreen::SetDefaultFontCaption()
{
    mnuDefaultFont->setText(
        model::TPreferences::DefaultFontCaption(model::TDefaultFont::FromFont(m_panel->Font())));
}

void TMainScreen::SetPanelPersonalInfo()
{
    // While a merge is open the surface shows its record.
    if (Merge && Merge->IsOpen()) {
        Merge->ShowCurrent();
        return;
    }
    m_panel->PersonalInfo = Preferences.PersonalInfo;
    // Labels linked to a field and contact-card QR codes show the new values.
    m_panel->update();
}

void TMainScreen::PersonalInformation1Click()
{
    guarded([this] {
        TPersonalInformation dialog(this);
        LoadPreferences();
        dialog.SetTexts(Preferences.PersonalInfo);
        if (Interaction::current().exec(dialog) != QDialog::Accepted)
            return;
        Preferences.PersonalInfo = dialog.GetTexts();
        SavePreferences();
        SetPanelPersonalInfo();
    });
}

void TMainScreen::mnuDefaultFontClick()
{
    guarded([this] {
        // The dialog lists installed families only: it is opened on the family
        // that draws the default font, and a confirmed font of that family
        // keeps the stored name (Arial stays Arial).
        const QFont current = m_panel->Font();
        if (auto font = Interaction::current().chooseFont(model::TTextFonts::ForFontDialog(current),
                                                          tr("Default Font")))
            m_panel->setFont(model::TTextFonts::FromFontDialog(current, *font));
        SetDefaultFontCaption();
        SavePreferences();
        Interaction::current().information(
            tr("Note: the default font is used for NEW objects only.\nTo change the font of an "
               "existing object, click it\nwith the RIGHT MOUSE BUTTON and select FONT"));
    });
}

void TMainScreen::ChangeCardLayout1Click()
{
    guarded([this] {
        LoadPreferences();
        TEditCardLayout dialog(this);
        dialog.SetLayout(Preferences.Layout);
        if (Interaction::current().exec(dialog) != QDialog::Accepted)
            return;
        const model::TCardLayout chosen = dialog.Layout();
        model::TCardLayout &layout = Preferences.Layout;
        layout.PredefLayout = chosen.PredefLayout;
        layout.Papersize = chosen.Papersize;
        layout.Height = chosen.Height;
        layout.Width = chosen.Width;
        layout.Across = chosen.Across;
        layout.Down = chosen.Down;
        layout.TopMargin = chosen.TopMargin;
        layout.LeftMargin = chosen.LeftMargin;
        layout.HPitch = chosen.HPitch;
        layout.VPitch = chosen.VPitch;
        layout.UseMM = chosen.UseMM;
        layout.PaperWidth = chosen.PaperWidth;
        layout.PaperHeight = chosen.PaperHeight;
        layout.StockKey = chosen.StockKey;
        SavePreferences();
        SetCardSizeFromInches();
    });
}

void TMainScreen::SaveWindowPlacement()
{
    guarded([this] {
        model::TIniFile ini(model::TIniFile::SettingsFileName());
        model::TWindowPlacement::FromRect(normalGeometry(), isMaximized())
            .Write(ini, QStringLiteral("TMainScreen"), screenDpi(this));
    });
}

void TMainScreen::RestoreWindowPlacement()
{
    model::TIniFile ini(model::TIniFile::SettingsFileName());
    const model::TWindowPlacement stored =
        model::TWindowPlacement::Read(ini, QStringLiteral("TMainScreen"), screenDpi(this), isMaximized());
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const QSize screenSize = screen ? screen->availableGeometry().size() : QSize(1024, 768);
    const auto restore = stored.Compute(geometry(), screenSize);
    if (restore.Maximize) {
        setWindowState(windowState() | Qt::WindowMaximized);
        return;
    }
    setGeometry(restore.Geometry);
}

} // namespace cw::ui
