#pragma once
// The card layout: the sheet of pre-cut card stock the program prints on.
// Every length is in inches, single precision, as the layout has always been
// held; millimetres exist only inside the layout dialog.  The settings file
// keeps lengths as thousandths of an inch (TPreferences).

#include <QPointF>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <array>

namespace cw::model {

struct TCardLayout
{
    // Paper sizes by their printer-driver codes.
    static constexpr int PaperLetter = 1;   // 8.5 x 11 inches
    static constexpr int PaperLegal = 5;    // 8.5 x 14 inches
    static constexpr int PaperA3 = 8;       // 297 x 420 mm
    static constexpr int PaperA4 = 9;       // 210 x 297 mm
    static constexpr int PaperA5 = 11;      // 148 x 210 mm
    static constexpr int PaperCustom = 256; // PaperWidth x PaperHeight
    static constexpr int MaxAcross = 10;
    static constexpr int MaxDown = 30;
    // The lengths the program works with, in inches.  The layout dialog
    // refuses anything outside them and the settings reader replaces anything
    // outside them by the default, so a layout the dialog accepts is the
    // layout the next start reads.  Margins and pitches may be 0.
    static constexpr float MinHeight = 0.3f;
    static constexpr float MinWidth = 0.5f;
    static constexpr float MaxLength = 100.0f;
    static bool LengthInRange(float inches, float minimum = 0.0f)
    {
        return inches >= minimum && inches <= MaxLength;
    }

    float Height = 2.0f;      // card height
    float Width = 3.5f;       // card width
    int Across = 2;           // cards per row, 1 to 10
    int Down = 5;             // cards per column, 1 to 30
    float TopMargin = 0.5f;   // top of the first row, from the top of the page
    float LeftMargin = 0.75f; // left of the first column, from the left of the page
    float HPitch = 3.5f;      // left edge of one card to the left edge of the next
    float VPitch = 2.0f;      // top of one card to the top of the card below
    int PredefLayout = 0;     // index of the predefined layout last chosen
    int Papersize = PaperLetter;
    bool UseMM = false; // the layout dialog shows millimetres
    // The paper of a custom size (Papersize PaperCustom), inches.
    float PaperWidth = 0.0f;
    float PaperHeight = 0.0f;
    // The stock chosen from the stock database when it is not one of the
    // built-in layouts (empty otherwise): its database key.
    QString StockKey;

    // One commercial card stock of the dialog's list.
    struct Predefined
    {
        const char *Text;
        float Height, Width;
        int Across, Down;
        float TopMargin, LeftMargin, HPitch, VPitch;
        int Papersize;
    };
    static constexpr int PredefinedCount = 21;
    static const std::array<Predefined, PredefinedCount> &PredefinedLayouts();
    // The list texts, in list order (index = PredefLayout).
    static QStringList PredefinedLayoutNames();

    // Sets the nine values of predefined layout `index` (Height, Width,
    // Across, Down, TopMargin, LeftMargin, HPitch, VPitch, Papersize), not
    // PredefLayout.  An index outside 0..20 sets nothing and returns false.
    bool ApplyPredefined(int index);

    // Sheet size in inches: 8.5 x 11.0 for Letter (code 1), 8.5 x 14 for
    // Legal, A3 and A5 from their millimetres, otherwise 8.268 x 11.69 (A4,
    // also for a custom paper whose size is not known here).
    static QSizeF SheetSizeInches(int papersize);
    // The same; a custom paper gives PaperWidth x PaperHeight when both are set.
    QSizeF SheetSizeInches() const;
    // The papers the layout dialog offers, in list order, and their names.
    static const std::array<int, 6> &PaperCodes();
    static QString PaperName(int papersize);

    int CardCount() const { return Across * Down; }
    // Card positions are numbered from 1, row by row from the top left.
    int CardPosition(int row, int column) const { return row * Across + column + 1; }
    // Top-left corner of card (row, column) on the sheet, in inches, before
    // the printer nudges: (LeftMargin + column * HPitch, TopMargin + row * VPitch).
    QPointF CardTopLeft(int row, int column) const;
    // The same with the nudges (1/32 inch each) added to the margins and
    // pitches, as printing places the cards.
    QPointF CardTopLeft(int row, int column, int topMarginNudge, int leftMarginNudge, int verticalSpacing,
                        int horizontalSpacing) const;

    // The design surface at zoom 1.0 for `dpi` pixels per inch:
    // Round(dpi * Width) x Round(dpi * Height), halves to even like every
    // "rounded" figure of the program (96 dpi: 336 x 192 for the default card).
    QSize SurfaceSize(double dpi) const;

    bool operator==(const TCardLayout &) const = default;
};

} // namespace cw::model
