#pragma once
// The undo history of the open design: a list of design states (the card's
// object list stream at 100 % coordinates, and the background picture's
// path), the position of the state on screen, and the position of the state
// last saved, so that undoing back to it clears the changes-made flag.
// States hold the stream in shared pieces (TDesignSnapshots): a step keeps
// only the records that changed, and no picture twice.

#include "design/model/TDesignSnapshots.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace cw::model {

struct TDesignState
{
    TStreamPieces Objects;
    QString Background;

    // The object list stream the pieces make.
    QByteArray ObjectList() const { return TDesignSnapshots::Join(Objects); }
    bool operator==(const TDesignState &other) const
    {
        return Background == other.Background && TDesignSnapshots::Same(Objects, other.Objects);
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
    // Makes the states this history keeps, sharing with the last one what
    // did not change.
    TDesignSnapshots Snapshots;
    int Count() const { return int(m_states.size()); }
    const TDesignState *Current() const { return m_states.empty() ? nullptr : &m_states[size_t(m_current)]; }

private:
    std::vector<TDesignState> m_states;
    int m_current = -1;
    int m_saved = -1; // -1 when the saved state is no longer in the list
};

} // namespace cw::model
