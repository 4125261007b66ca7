#pragma once
// What must hold after every command of an edit sequence, checked against the
// designer as the user left it:
//   objects   no object disappears that no command deleted: the number of
//             objects follows from the command (a draw adds one, Delete takes
//             the selection, Save takes only objects off the card), and no
//             object is left without area (the next save would delete it);
//   unchanged a click that selects and a copy change no object;
//   reopen    the design written as a card file and opened in a second window
//             is the same design; what Save wrote is what is on the card;
//             saving leaves every object where it is on screen;
//   zoom      zooming up and down again changes no byte and moves nothing
//             on screen (in the window itself, and 100 % → up to 150 % → 100 %
//             in the second window);
//   undo      Undo back to the start gives the design of the start byte for
//             byte, and as many Redos give today's design back;
//   memory    resident memory stays within a bound.
// Each check returns an empty string when it holds, else what went wrong.

#include "support/CardContents.h"
#include "support/EditStep.h"

#include <QByteArray>
#include <QRect>
#include <QSet>
#include <QString>
#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace cw::ui {
class TMainScreen;
}

namespace cw::test {

class DesignDriver;

// The design as the checks see it.
struct DesignState
{
    QByteArray snapshot;                // object list stream at 100 %
    std::vector<StoredObject> contents; // the same, readable, without names
    std::vector<QRect> bounds;          // on screen, at `zoom`
    QSize surface;
    float zoom = 1.0f;
    int selected = 0;
    int clipboardObjects = 0; // objects in the clipboard file
};

struct EditFailure
{
    QString invariant;
    QString message;
};

class EditChecks
{
public:
    // `checkPath`: where the design is written to be opened in the second window.
    EditChecks(DesignDriver &driver, QString checkPath);
    ~EditChecks();

    // Which invariants run ("objects", "unchanged", "reopen", "zoom", "undo",
    // "memory");
    // all when empty.
    QSet<QString> Enabled;
    // Undo to the start and back is checked after every n-th step, after the
    // last one, and when asked.
    int UndoEvery = 1;
    // The history is only expected to reach the start while it holds no more
    // changes than this.
    int UndoReach = 150;
    // Growth of resident memory allowed over a sequence, from the first steps on.
    double MemoryLimitMB = 64;

    DesignState Capture() const;
    // The design as it is at the start of a history (start, reopen).
    void StartHistory(const DesignState &state);

    // Runs the enabled checks for the step just given; `last` forces the undo check.
    std::optional<EditFailure> AfterStep(int index, const EditStep &step, bool given,
                                         const DesignState &before, const DesignState &after, bool last);

    // Undo to the start and Redo back, now (before a command that
    // starts a new history).
    std::optional<EditFailure> CheckUndo(const DesignState &current);

    double MemoryGrowthMB() const;

private:
    bool on(const char *name) const;
    QString checkObjects(const EditStep &step, bool given, const DesignState &before,
                         const DesignState &after);
    QString checkUnchanged(const EditStep &step, const DesignState &before, const DesignState &after);
    QString checkSaved(const EditStep &step, const DesignState &before, const DesignState &after);
    QString checkReopen(const DesignState &after, QByteArray &reopened);
    QString checkSecondZoom(int index, const QByteArray &reopened);
    QString checkZoom(const EditStep &step, const DesignState &before, const DesignState &after);
    QString checkUndo(const DesignState &after);
    QString checkMemory(int index);

    DesignDriver &m_driver;
    QString m_checkPath;
    std::unique_ptr<ui::TMainScreen> m_second;
    QByteArray m_start;
    int m_changesSinceStart = 0;
    struct ZoomMark
    {
        std::vector<StoredObject> contents;
        std::vector<QRect> bounds;
    };
    std::map<int, ZoomMark> m_zoomMarks;
    double m_baselineMB = 0;
    double m_peakGrowthMB = 0;
};

} // namespace cw::test
