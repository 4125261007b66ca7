// The two sides of the card: the Front and Back switch, and the back side's
// companion file beside the card file (TCardFiles::BackPath).

#include "app/TMainScreen.h"

#include "app/model/Exception.h"
#include "app/model/TCardFiles.h"
#include "design/model/TBackgroundArt.h"
#include "widgets/Interaction.h"

#include <QAction>
#include <QButtonGroup>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QToolButton>

namespace cw::ui {

using model::TCardSide;

void TMainScreen::createSideActions()
{
    auto action = [this](const char *name, const QString &caption, QKeyCombination key) {
        auto *a = new QAction(caption, this);
        a->setObjectName(QString::fromLatin1(name));
        a->setShortcut(QKeySequence(key));
        a->setCheckable(true);
        addAction(a); // the keys work while the menu bar is closed, too
        return a;
    };
    mnuFrontSide = action("mnuFrontSide", tr("F&ront Side"), Qt::CTRL | Qt::Key_PageUp);
    mnuBackSide = action("mnuBackSide", tr("&Back Side"), Qt::CTRL | Qt::Key_PageDown);
    mnuFrontSide->setChecked(true);
    connect(mnuFrontSide, &QAction::triggered, this, [this] { ShowCardSide(TCardSide::Front); });
    connect(mnuBackSide, &QAction::triggered, this, [this] { ShowCardSide(TCardSide::Back); });
}

QWidget *TMainScreen::createSideSwitch(QWidget *parent)
{
    auto *box = new QWidget(parent);
    box->setObjectName(QStringLiteral("SideSwitch"));
    auto *row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    auto *group = new QButtonGroup(box);
    auto button = [box, row, group](const char *name, QAction *action) {
        auto *b = new QToolButton(box);
        b->setObjectName(QString::fromLatin1(name));
        b->setText(action->text().remove(QLatin1Char('&')).section(QLatin1Char(' '), 0, 0));
        b->setToolTip(action->text().remove(QLatin1Char('&')) + QStringLiteral(" (") +
                      action->shortcut().toString(QKeySequence::NativeText) + QLatin1Char(')'));
        b->setCheckable(true);
        b->setFocusPolicy(Qt::NoFocus);
        group->addButton(b);
        row->addWidget(b);
        connect(b, &QToolButton::clicked, action, &QAction::trigger);
        return b;
    };
    FrontButton = button("FrontButton", mnuFrontSide);
    BackButton = button("BackButton", mnuBackSide);
    FrontButton->setChecked(true);
    return box;
}

void TMainScreen::updateSideSwitch()
{
    const bool back = m_panel->Side() == TCardSide::Back;
    if (mnuFrontSide) {
        mnuFrontSide->setChecked(!back);
        mnuBackSide->setChecked(back);
    }
    if (FrontButton) {
        FrontButton->setChecked(!back);
        BackButton->setChecked(back);
    }
}

void TMainScreen::ShowCardSide(TCardSide side)
{
    if (side != m_panel->Side()) {
        // A change still waiting to be recorded belongs to the side it was
        // made on.
        if (m_stateRecordPending)
            RecordDesignState();
        const bool wasBusy = Busy;
        Busy = true;
        m_panel->ShowSide(side);
        std::swap(BackgroundFile, m_hiddenBackgroundFile);
        Busy = wasBusy;
    }
    updateSideSwitch();
}

bool TMainScreen::HasBack() const
{
    return !m_panel->SideIsEmpty(TCardSide::Back) || !SideBackgroundFile(TCardSide::Back).isEmpty();
}

void TMainScreen::clearCard()
{
    m_panel->ClearAllSides();
    BackgroundFile.clear();
    m_hiddenBackgroundFile.clear();
    m_backUnreadable = false;
    updateSideSwitch();
}

void TMainScreen::openBackSide(const QString &path)
{
    m_backUnreadable = false;
    const QString back = model::TCardFiles::FindBack(path);
    if (back.isEmpty()) {
        // A one-sided card has neither; a back sidecar without its back file
        // means the back file went missing.
        const QString sidecar = model::TCardFiles::FindSidecar(model::TCardFiles::BackPath(path));
        if (!sidecar.isEmpty()) {
            m_backUnreadable = true;
            Interaction::current().information(
                tr("The back side %1 is missing.\nThe front side is open; the back side is empty.")
                    .arg(model::TCardFiles::BackPath(path)));
        }
        return;
    }
    QString background;
    try {
        m_panel->WithSide(TCardSide::Back, [&] {
            m_panel->LoadFromFile(back);
            background = model::TCardFiles::ReadSidecar(back);
            const QString picture = model::TBackgroundArt::Resolve(background);
            if (!picture.isEmpty()) {
                background = picture;
                try {
                    m_panel->LoadColorPicture(background);
                } catch (const Exception &) {
                    // Named but not shown, as for the front.
                }
            }
        });
        (m_panel->Side() == TCardSide::Back ? BackgroundFile : m_hiddenBackgroundFile) = background;
    } catch (const Exception &) {
        // The front is open whatever the back holds; the damaged back stays
        // on disk, untouched, until the card is saved with a back of its own.
        m_panel->WithSide(TCardSide::Back, [this] {
            m_panel->ClearObjects();
            m_panel->ClearColorPicture();
        });
        m_backUnreadable = true;
        Interaction::current().information(
            tr("Unable to open the back side %1. Possibly corrupted, possibly not a CWR file.\n"
               "The front side is open; the back side is empty.")
                .arg(back));
    }
}

void TMainScreen::saveBackSide(const QString &path)
{
    if (!HasBack()) {
        // An unreadable back the user has not replaced is kept (and so is the
        // sidecar of a missing one).
        if (!m_backUnreadable)
            model::TCardFiles::RemoveBack(path);
        return;
    }
    QString back = model::TCardFiles::FindBack(path);
    if (back.isEmpty())
        back = model::TCardFiles::BackPath(path);
    m_panel->WithSide(TCardSide::Back, [&] { m_panel->SaveToFile(back); });
    model::TCardFiles::WriteSidecar(back, SideBackgroundFile(TCardSide::Back));
    m_backUnreadable = false;
}

} // namespace cw::ui
