#pragma once
// Value types shared by every report: pen modes, orientation, stream mode and
// the Windows paper codes the card layout stores.

#include <QPainter>

namespace cw::engine {

// Raster operation of the pen, in the order of the classic GDI modes.  What
// each comes out as on every output is decided in TPenRendering.h.
enum class TPenMode {
    pmBlack,
    pmWhite,
    pmNop,
    pmNot,
    pmCopy,
    pmNotCopy,
    pmMergePenNot,
    pmMaskPenNot,
    pmMergeNotPen,
    pmMaskNotPen,
    pmMerge,
    pmNotMerge,
    pmMask,
    pmNotMask,
    pmXor,
    pmNotXor
};

enum class TOrientation { poPortrait, poLandscape, poDefault };

// Where a recorder writes its pages.  Only smUser is used by the program: the
// caller creates the memory stream, hands it over and frees it.
enum class TStreamMode { smMemory, smFile, smTempFile, smUser };

// Windows paper-size codes used by the card layout.
inline constexpr int PaperLetter = 1;
inline constexpr int PaperLegal = 5;
inline constexpr int PaperA3 = 8;
inline constexpr int PaperA4 = 9;
inline constexpr int PaperA5 = 11;

// Sheet size in inches for a paper code: Letter 8.5 x 11, Legal 8.5 x 14,
// A3 297 x 420 mm, A4 210 x 297 mm, A5 148 x 210 mm.  Any other code is
// treated as Letter (a custom paper passes its width and height instead).
QSizeF PaperSizeInches(int paperCode);

} // namespace cw::engine
