// Undo and redo: the design's states after each reported change, kept as
// object list streams in pieces shared from state to state.

#include "app/TMainScreen.h"

#include "app/model/Exception.h"
#include "widgets/Interaction.h"

#include <QAction>
#include <QFileInfo>
#include <QImage>
#include <QPainter>

namespace cw::ui {

model::TDesignState TMainScreen::currentDesignState()
{
    using model::TCardSide;
    model::TDesignState state;
    state.Objects = UndoHistory.Snapshots.Take(m_panel->SideObjects(TCardSide::Front));
    state.Background = SideBackgroundFile(TCardSide::Front);
    state.BackObjects = UndoHistory.BackSnapshots.Take(m_panel->SideObjects(TCardSide::Back));
    state.BackBackground = SideBackgroundFile(TCardSide::Back);
    state.Side = m_panel->Side();
    return state;
}

void TMainScreen::updateUndoActions()
{
    mnuUndo->setEnabled(UndoHistory.CanUndo());
    mnuRedo->setEnabled(UndoHistory.CanRedo());
}

void TMainScreen::RecordDesignState()
{
    m_stateRecordPending = false;
    if (m_restoringDesign || UndoHistory.Count() == 0)
        return;
    // An object drawn, moved or pasted off the card is fitted as a restore
    // fits it, or Undo and Redo would show it a pixel apart from the object
    // they stepped over.
    m_panel->FitUnseenObjects();
    UndoHistory.Record(currentDesignState());
    updateUndoActions();
}

void TMainScreen::ResetUndoHistory()
{
    m_stateRecordPending = false;
    UndoHistory.Reset(currentDesignState());
    updateUndoActions();
}

void TMainScreen::MarkDesignSaved()
{
    if (UndoHistory.Count() == 0) {
        ResetUndoHistory();
        return;
    }
    // A change still waiting to be recorded belongs to what was saved.
    RecordDesignState();
    UndoHistory.MarkSaved();
    updateUndoActions();
}

void TMainScreen::restoreSide(model::TCardSide side, const model::TDesignState &state,
                              const model::TDesignState *before)
{
    // A side its step did not touch keeps its objects (and their selection).
    if (before == nullptr ||
        !model::TDesignSnapshots::Same(before->SideObjects(side), state.SideObjects(side))) {
        try {
            m_panel->WithSide(side, [&] {
                m_panel->RestoreDesign(model::TDesignSnapshots::Join(state.SideObjects(side)));
            });
        } catch (const Exception &e) {
            Interaction::current().error(e.message(), tr("Undo"));
        }
    }
    const QString &background = state.SideBackground(side);
    if (background == SideBackgroundFile(side))
        return;
    (side == m_panel->Side() ? BackgroundFile : m_hiddenBackgroundFile) = background;
    m_panel->WithSide(side, [&] {
        m_panel->ClearColorPicture();
        if (!background.isEmpty() && QFileInfo::exists(background)) {
            try {
                m_panel->LoadColorPicture(background);
            } catch (const Exception &) {
                // The background is named but cannot be shown, as on opening.
            }
        }
    });
}

void TMainScreen::restoreDesignState(const model::TDesignState &state, model::TCardSide show,
                                     const model::TDesignState *before)
{
    m_restoringDesign = true;
    const bool wasBusy = Busy;
    Busy = true;
    ShowCardSide(show);
    restoreSide(model::TCardSide::Front, state, before);
    restoreSide(model::TCardSide::Back, state, before);
    // Objects that fit themselves to their text do so when first painted;
    // they do it now, as part of the restore, so that showing the restored
    // design is not taken for a new change (which would drop the steps that
    // could be redone and make Undo step back to itself for ever).
    {
        QImage scratch(1, 1, QImage::Format_RGB32);
        QPainter painter(&scratch);
        for (model::TCardSide side : {model::TCardSide::Front, model::TCardSide::Back})
            for (model::TGGraphicControl *o : m_panel->SideObjects(side))
                o->PaintOnSurface(painter);
    }
    Busy = wasBusy;
    m_restoringDesign = false;
    SetChangesMade(!UndoHistory.AtSavedState());
    updateUndoActions();
    m_panel->update();
}

void TMainScreen::mnuUndoClick()
{
    if (m_stateRecordPending)
        RecordDesignState();
    // The step undone was made on the side shown when it was recorded.
    const std::optional<model::TDesignState> before =
        UndoHistory.Current() ? std::optional(*UndoHistory.Current()) : std::nullopt;
    if (auto state = UndoHistory.Undo())
        restoreDesignState(*state, before->Side, &*before);
}

void TMainScreen::mnuRedoClick()
{
    const std::optional<model::TDesignState> before =
        UndoHistory.Current() ? std::optional(*UndoHistory.Current()) : std::nullopt;
    if (auto state = UndoHistory.Redo())
        restoreDesignState(*state, state->Side, before ? &*before : nullptr);
}

} // namespace cw::ui
