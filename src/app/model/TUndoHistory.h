#pragma once
// The undo history of the open design: a list of design states (each side's
// object list stream at 100 % coordinates and background picture's path,
// and the side that was shown), the position of the state on screen, and the position of the state
// last saved, so that undoing back to it clears the changes-made flag.
// States hold the stream in shared pieces (TDesignSnapshots): a step keeps
// only the records that changed, and no picture twice.

#include "design/model/TCardSide.h"
#include "design/model/TDesignSnapshots.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace cw::model {

struct TDesignState
{
    // The front.
    TStreamPieces Objects;
    QString Background;
    // The back (empty pieces: no back objects were ever taken).
    TStreamPieces BackObjects;
    QString BackBackground;
    // The side shown when the state was recorded: undo and redo show the
    // side their step changed.  Showing the other side is no change, so it
    // does not take part in comparing states.
    TCardSide Side = TCardSide::Front;

    // The object list stream the pieces of a side make.
    QByteArray ObjectList() const { return TDesignSnapshots::Join(Objects); }
    QByteArray BackObjectList() const { return TDesignSnapshots::Join(BackObjects); }
    const TStreamPieces &SideObjects(TCardSide side) const
    {
        return side == TCardSide::Front ? Objects : BackObjects;
    }
    const QString &SideBackground(TCardSide side) const
    {
        return side == TCardSide::Front ? Background : BackBackground;
    }
    bool operator==(const TDesignState &other) const
    {
        return Background == other.Background && BackBackground == other.BackBackground &&
               TDesignSnapshots::Same(Objects, other.Objects) &&
               TDesignSnapshots::Same(BackObjects, other.BackObjects);
    }
};

class TUndoHistory
{
public:
    // At most this many states are kept; the oldest go first.
    static constexpr int MaxStates = 200;

    // Forgets everything: `state` is the only one, and it is the saved one.
    void Reset(const TDesignState &state);
    // Records the state after a change.  A state equal to the current one is
    // no change and records nothing; otherwise the states that could be redone
    // are dropped.  Returns whether it recorded.
    bool Record(const TDesignState &state);
    // The current state is the one just saved.
    void MarkSaved();

    bool CanUndo() const { return m_current > 0; }
    bool CanRedo() const { return m_current + 1 < int(m_states.size()); }
    // Steps back or forward; the state to show, or nothing at either end.
    std::optional<TDesignState> Undo();
    std::optional<TDesignState> Redo();

    bool AtSavedState() const { return m_saved == m_current; }
    // Make the states this history keeps, sharing with the last one what
    // did not change: one maker per side, so that each remembers its own
    // side's objects.
    TDesignSnapshots Snapshots;
    TDesignSnapshots BackSnapshots;
    int Count() const { return int(m_states.size()); }
    const TDesignState *Current() const { return m_states.empty() ? nullptr : &m_states[size_t(m_current)]; }

private:
    std::vector<TDesignState> m_states;
    int m_current = -1;
    int m_saved = -1; // -1 when the saved state is no longer in the list
};

} // namespace cw::model
