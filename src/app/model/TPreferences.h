#pragma once
// Everything LoadPreferences and SavePreferences keep in the settings file:
// the printer nudges and the bottom-margin warning switch ("Printer"), the ten
// personal texts ("Personal"), the default font for new text objects
// ("Default Font") and the card layout ("Layout").  The recent-files list and
// window placements keep their own sections (TWindowPlacement).

#include "app/model/TCardLayout.h"
#include "print/model/TBackRegistration.h"

#include <QFont>
#include <QString>
#include <array>

namespace cw::model {

class TIniFile;

// Printer fine tuning, in 1/32 inch, added when printing to the top margin,
// the left margin, the vertical pitch and the horizontal pitch.
struct TPrinterNudges
{
    // Fine tuning sets each nudge between -MaxNudge and MaxNudge.
    static constexpr int MaxNudge = 8;

    int TopMarginNudge = 0;
    int LeftMarginNudge = 0;
    int VerticalSpacing = 0;
    int HorizontalSpacing = 0;
    // Where the backs of double-sided cards go (keys BackBinding,
    // BackHorizontalOffset and BackVerticalOffset, written only when they
    // differ from long-edge binding without an offset).
    TBackRegistration Back;

    bool operator==(const TPrinterNudges &) const = default;
};

// The program-wide nudges: the fine-tuning dialog changes them, printing adds
// them, TPreferences loads and saves them.
TPrinterNudges &PrinterNudges();

// The default font for new text objects: face name (at most 255 characters
// are kept), size in points and three styles.
struct TDefaultFont
{
    static constexpr int MaxNameLength = 255;

    QString Name = QStringLiteral("Arial");
    int Size = 10;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;

    QFont ToFont() const;
    // Takes name, point size (a pixel-sized font is converted at 96 ppi) and
    // the three styles from `font`.
    static TDefaultFont FromFont(const QFont &font);

    bool operator==(const TDefaultFont &) const = default;
};

class TPreferences
{
public:
    enum PersonalIndex { Name, Company, Title, Address1, Address2, Address3, Phone1, Phone2, Email, Fax };
    static constexpr int PersonalCount = 10;
    // Keys of section "Personal", in the order of the ten texts.
    static const std::array<QString, PersonalCount> &PersonalKeys();

    bool ShowBottomMarginWarning = true;
    // The printer chosen in Printer Setup, by name (empty: the system's
    // default printer).  Kept only when one was chosen, so the settings of
    // a user who never chose stay as they were.
    QString PrinterName;
    std::array<QString, PersonalCount> PersonalInfo;
    TDefaultFont DefaultFont;
    TCardLayout Layout;

    // Reads every key of "Printer", "Personal", "Layout" and "Default Font";
    // missing or non-numeric values give the defaults.  The nudges go into
    // PrinterNudges().  Values that the program cannot use read as their
    // defaults: Across outside 1..10, Down outside 1..30, a length outside
    // the layout dialog's limits (TCardLayout::LengthInRange), a nudge beyond
    // +-MaxNudge, an empty font name, a font size below 1.  "Layout" also
    // keeps "Stock" (the stock database key of a stock that is not one of
    // the built-in layouts) and, for a custom paper, "PaperWidth" and
    // "PaperHeight" (thousandths of an inch); each is written only when it
    // is used, so other settings files stay as they were.
    void Load(const TIniFile &ini);
    // Writes every key of the four sections, in the established order, as one
    // file write.  Throws cw::EInOutError naming the file when it fails.
    void Save(TIniFile &ini) const;

    // The same on the program's settings file (TIniFile::SettingsFileName()).
    void Load();
    void Save() const;

    // The Edit menu caption for the default font:
    // "Default Font: Arial, 10 pt " (trailing blank), then ", bold",
    // ", italic", ", underline" for each style that is set.
    static QString DefaultFontCaption(const TDefaultFont &font);

    // Layout lengths in the settings file: thousandths of an inch.
    static int InchesToThousandths(float inches);
    static float ThousandthsToInches(int thousandths);
};

} // namespace cw::model
