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
    std::vector<model::TGGraphicControl *> objects;
    objects.reserve(size_t(m_panel->ObjectCount()));
    for (int i = 0; i < m_panel->ObjectCount(); ++i)
        objects.push_back(m_panel->ObjectAt(i));
    return model::TDesignState{UndoHistory.Snapshots.Take(objects), BackgroundFile};
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

void TMainScreen::restoreDesignState(const model::TDesignState &state)
{
    m_restoringDesign = true;
    const bool wasBusy = Busy;
    Busy = true;
    try {
        m_panel->RestoreDesign(state.ObjectList());
    } catch (const Exception &e) {
        Interaction::current().error(e.message(), tr("Undo"));
    }
    // Objects that fit themselves to their text do so when first painted;
    // they do it now, as part of the restore, so that showing the restored
    // design is not taken for a new change (which would drop the steps that
    // could be redone and make Undo step back to itself for ever).
    {
        QImage scratch(1, 1, QImage::Format_RGB32);
        QPainter painter(&scratch);
        for (int i = 0; i < m_panel->ObjectCount(); ++i)
            m_panel->ObjectAt(i)->PaintOnSurface(painter);
    }
    if (state.Background != BackgroundFile) {
        BackgroundFile = state.Background;
        m_panel->ClearColorPicture();
        if (!BackgroundFile.isEmpty() && QFileInfo::exists(BackgroundFile)) {
            try {
                m_panel->LoadColorPicture(BackgroundFile);
            } catch (const Exception &) {
                // The background is named but cannot be shown, as on opening.
            }
        }
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
    if (auto state = UndoHistory.Undo())
        restoreDesignState(*state);
}

void TMainScreen::mnuRedoClick()
{
    if (auto state = UndoHistory.Redo())
        restoreDesignState(*state);
}

} // namespace cw::ui
