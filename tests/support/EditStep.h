#pragma once
// One command a user gives the designer, with everything needed to give it
// again: a step list replays the same way on a fresh window, and still makes
// sense when steps before it are left out (objects are named by their place
// in the z-order, taken modulo the number of objects; positions are card
// pixels at 100 %, scaled to the zoom on show).

#include <QString>
#include <random>

namespace cw::test {

struct EditStep
{
    enum Kind {
        Draw,         // tool, x, y, w, h, choice (text or picture for the tool's dialog)
        Select,       // object, shift
        SelectBand,   // x, y, w, h
        Move,         // dx, dy: drag the selection by the middle of its frame
        Resize,       // zone 1..8, dx, dy: drag a handle of the single selected object
        Keys,         // arrow 0..3, count, shift (size instead of move)
        ZoomIn,       //
        ZoomOut,      //
        Copy,         // Ctrl+C
        Cut,          // Ctrl+X
        Paste,        // Ctrl+V
        Delete,       // the Delete key
        Clone,        // object: its menu's "Clone"
        Undo,         //
        Redo,         //
        Save,         // Save (Save As with a name while the design has none)
        Reopen,       // Save, then Open the same file
        SaveAsCancel, // Save As, cancelled in the file dialog
        KindCount
    };

    Kind kind = Draw;
    int a = 0, b = 0, c = 0, d = 0, e = 0, f = 0;

    // "draw Ellipse at (10,20) 60x40", "resize by bottom-right handle (+5,-3)" …
    QString Describe() const;
    // A random step; the weights favour selecting when nothing is selected.
    static EditStep Random(std::mt19937 &rng, int objectCount, int selectedCount);
};

} // namespace cw::test
