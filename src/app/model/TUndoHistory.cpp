#include "app/model/TUndoHistory.h"

namespace cw::model {

void TUndoHistory::Reset(const TDesignState &state)
{
    m_states.clear();
    m_states.push_back(state);
    m_current = 0;
    m_saved = 0;
}

bool TUndoHistory::Record(const TDesignState &state)
{
    if (m_current >= 0 && m_states[size_t(m_current)] == state)
        return false;
    m_states.resize(size_t(m_current + 1));
    if (m_saved > m_current)
        m_saved = -1;
    m_states.push_back(state);
    ++m_current;
    if (int(m_states.size()) > MaxStates) {
        m_states.erase(m_states.begin());
        --m_current;
        m_saved = m_saved > 0 ? m_saved - 1 : -1;
    }
    return true;
}

void TUndoHistory::MarkSaved() { m_saved = m_current; }

std::optional<TDesignState> TUndoHistory::Undo()
{
    if (!CanUndo())
        return std::nullopt;
    --m_current;
    return m_states[size_t(m_current)];
}

std::optional<TDesignState> TUndoHistory::Redo()
{
    if (!CanRedo())
        return std::nullopt;
    ++m_current;
    return m_states[size_t(m_current)];
}

} // namespace cw::model
