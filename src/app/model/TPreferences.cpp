#include "app/model/TPreferences.h"

#include "app/model/TIniFile.h"
#include "print/engine/Units.h"

#include <QCoreApplication>

namespace cw::model {

namespace {

const QString PrinterSection = QStringLiteral("Printer");
const QString PersonalSection = QStringLiteral("Personal");
const QString DefaultFontSection = QStringLiteral("Default Font");
const QString LayoutSection = QStringLiteral("Layout");

// A length key of "Layout", or its default when the stored number lies
// outside what the layout dialog accepts (TCardLayout's limits).
float readLength(const TIniFile &ini, const QString &key, float defaultInches, float minimum = 0.0f)
{
    const int thousandths =
        ini.ReadInteger(LayoutSection, key, TPreferences::InchesToThousandths(defaultInches));
    const float inches = TPreferences::ThousandthsToInches(thousandths);
    return TCardLayout::LengthInRange(inches, minimum) ? inches : defaultInches;
}

// A nudge of "Printer", or 0 when it lies beyond what fine tuning can set.
int readNudge(const TIniFile &ini, const QString &key)
{
    const int nudge = ini.ReadInteger(PrinterSection, key, 0);
    return nudge >= -TPrinterNudges::MaxNudge && nudge <= TPrinterNudges::MaxNudge ? nudge : 0;
}

int readCount(const TIniFile &ini, const QString &key, int defaultValue, int maximum)
{
    const int value = ini.ReadInteger(LayoutSection, key, defaultValue);
    return value >= 1 && value <= maximum ? value : defaultValue;
}

} // namespace

TPrinterNudges &PrinterNudges()
{
    static TPrinterNudges nudges;
    return nudges;
}

QFont TDefaultFont::ToFont() const
{
    QFont font(Name);
    font.setPointSize(Size > 0 ? Size : 10);
    font.setBold(Bold);
    font.setItalic(Italic);
    font.setUnderline(Underline);
    return font;
}

TDefaultFont TDefaultFont::FromFont(const QFont &font)
{
    TDefaultFont result;
    result.Name = font.family().left(MaxNameLength);
    if (font.pointSize() > 0)
        result.Size = font.pointSize();
    else if (font.pixelSize() > 0)
        result.Size = MulDiv(font.pixelSize(), 72, ScreenPixelsPerInch);
    result.Bold = font.bold();
    result.Italic = font.italic();
    result.Underline = font.underline();
    return result;
}

const std::array<QString, TPreferences::PersonalCount> &TPreferences::PersonalKeys()
{
    static const std::array<QString, PersonalCount> keys = {
        QStringLiteral("Name"),     QStringLiteral("Company"),  QStringLiteral("Title"),
        QStringLiteral("Address1"), QStringLiteral("Address2"), QStringLiteral("Address3"),
        QStringLiteral("Phone1"),   QStringLiteral("Phone2"),   QStringLiteral("Email"),
        QStringLiteral("Fax")};
    return keys;
}

int TPreferences::InchesToThousandths(float inches)
{
    // The single-precision length is widened first: 2.047f * 1000 rounds to 2047.
    return Round(double(inches) * 1000.0);
}

float TPreferences::ThousandthsToInches(int thousandths)
{
    return static_cast<float>(thousandths * 0.001);
}

void TPreferences::Load(const TIniFile &ini)
{
    TPrinterNudges &nudges = PrinterNudges();
    nudges.TopMarginNudge = readNudge(ini, QStringLiteral("TopMarginNudge"));
    nudges.LeftMarginNudge = readNudge(ini, QStringLiteral("LeftMarginNudge"));
    nudges.VerticalSpacing = readNudge(ini, QStringLiteral("VerticalSpacing"));
    nudges.HorizontalSpacing = readNudge(ini, QStringLiteral("HorizontalSpacing"));
    nudges.Back = TBackRegistration();
    if (ini.ReadString(PrinterSection, QStringLiteral("BackBinding"), QString())
            .trimmed()
            .compare(QLatin1String("short"), Qt::CaseInsensitive) == 0)
        nudges.Back.Binding = TBinding::ShortEdge;
    auto readOffset = [&ini](const QString &key) {
        const int offset = ini.ReadInteger(PrinterSection, key, 0);
        return std::abs(offset) <= TBackRegistration::MaxOffset ? offset : 0;
    };
    nudges.Back.Horizontal = readOffset(QStringLiteral("BackHorizontalOffset"));
    nudges.Back.Vertical = readOffset(QStringLiteral("BackVerticalOffset"));
    ShowBottomMarginWarning = ini.ReadBool(PrinterSection, QStringLiteral("ShowBottomMarginWarning"), true);
    PrinterName = ini.ReadString(PrinterSection, QStringLiteral("PrinterName"), QString()).trimmed();

    for (int i = 0; i < PersonalCount; ++i)
        PersonalInfo[i] = ini.ReadString(PersonalSection, PersonalKeys()[i], QString());

    const TCardLayout defaults;
    Layout.Height = readLength(ini, QStringLiteral("Height"), defaults.Height, TCardLayout::MinHeight);
    Layout.Width = readLength(ini, QStringLiteral("Width"), defaults.Width, TCardLayout::MinWidth);
    Layout.Across = readCount(ini, QStringLiteral("Across"), defaults.Across, TCardLayout::MaxAcross);
    Layout.Down = readCount(ini, QStringLiteral("Down"), defaults.Down, TCardLayout::MaxDown);
    Layout.TopMargin = readLength(ini, QStringLiteral("TopMargin"), defaults.TopMargin);
    Layout.LeftMargin = readLength(ini, QStringLiteral("LeftMargin"), defaults.LeftMargin);
    Layout.HPitch = readLength(ini, QStringLiteral("HPitch"), defaults.HPitch);
    Layout.VPitch = readLength(ini, QStringLiteral("VPitch"), defaults.VPitch);
    Layout.PredefLayout =
        ini.ReadInteger(LayoutSection, QStringLiteral("PredefLayout"), defaults.PredefLayout);
    Layout.Papersize = ini.ReadInteger(LayoutSection, QStringLiteral("Papersize"), defaults.Papersize);
    Layout.UseMM = ini.ReadBool(LayoutSection, QStringLiteral("UseMM"), defaults.UseMM);
    // Written only for what the built-in layouts and the two old papers
    // cannot say: a stock from the stock database, a custom paper.
    Layout.StockKey = ini.ReadString(LayoutSection, QStringLiteral("Stock"), QString()).trimmed();
    Layout.PaperWidth = 0.0f;
    Layout.PaperHeight = 0.0f;
    if (Layout.Papersize == TCardLayout::PaperCustom) {
        Layout.PaperWidth = readLength(ini, QStringLiteral("PaperWidth"), 0.0f, 1.0f);
        Layout.PaperHeight = readLength(ini, QStringLiteral("PaperHeight"), 0.0f, 1.0f);
        if (Layout.PaperWidth <= 0 || Layout.PaperHeight <= 0)
            Layout.Papersize = defaults.Papersize; // a custom paper without its size
    }

    const TDefaultFont font;
    DefaultFont.Name = ini.ReadString(DefaultFontSection, QStringLiteral("Name"), font.Name)
                           .left(TDefaultFont::MaxNameLength);
    if (DefaultFont.Name.trimmed().isEmpty())
        DefaultFont.Name = font.Name; // no face to draw with
    DefaultFont.Size = ini.ReadInteger(DefaultFontSection, QStringLiteral("Size"), font.Size);
    if (DefaultFont.Size < 1)
        DefaultFont.Size = font.Size;
    DefaultFont.Bold = ini.ReadBool(DefaultFontSection, QStringLiteral("Bold"), font.Bold);
    DefaultFont.Italic = ini.ReadBool(DefaultFontSection, QStringLiteral("Italic"), font.Italic);
    DefaultFont.Underline = ini.ReadBool(DefaultFontSection, QStringLiteral("Underline"), font.Underline);
}

void TPreferences::Save(TIniFile &ini) const
{
    const TPrinterNudges &nudges = PrinterNudges();
    ini.BeginUpdate();
    try {
        ini.WriteInteger(PrinterSection, QStringLiteral("TopMarginNudge"), nudges.TopMarginNudge);
        ini.WriteInteger(PrinterSection, QStringLiteral("LeftMarginNudge"), nudges.LeftMarginNudge);
        ini.WriteInteger(PrinterSection, QStringLiteral("VerticalSpacing"), nudges.VerticalSpacing);
        ini.WriteInteger(PrinterSection, QStringLiteral("HorizontalSpacing"), nudges.HorizontalSpacing);
        // A settings file of a one-sided user stays as it was.
        if (nudges.Back.Binding == TBinding::ShortEdge)
            ini.WriteString(PrinterSection, QStringLiteral("BackBinding"), QStringLiteral("short"));
        else
            ini.DeleteKey(PrinterSection, QStringLiteral("BackBinding"));
        const std::pair<QString, int> offsets[] = {
            {QStringLiteral("BackHorizontalOffset"), nudges.Back.Horizontal},
            {QStringLiteral("BackVerticalOffset"), nudges.Back.Vertical}};
        for (const auto &[key, value] : offsets) {
            if (value != 0)
                ini.WriteInteger(PrinterSection, key, value);
            else
                ini.DeleteKey(PrinterSection, key);
        }

        for (int i = 0; i < PersonalCount; ++i)
            ini.WriteString(PersonalSection, PersonalKeys()[i], PersonalInfo[i]);

        ini.WriteBool(PrinterSection, QStringLiteral("ShowBottomMarginWarning"), ShowBottomMarginWarning);
        if (PrinterName.isEmpty())
            ini.DeleteKey(PrinterSection, QStringLiteral("PrinterName"));
        else
            ini.WriteString(PrinterSection, QStringLiteral("PrinterName"), PrinterName);

        ini.WriteString(DefaultFontSection, QStringLiteral("Name"),
                        DefaultFont.Name.left(TDefaultFont::MaxNameLength));
        ini.WriteInteger(DefaultFontSection, QStringLiteral("Size"), DefaultFont.Size);
        ini.WriteBool(DefaultFontSection, QStringLiteral("Bold"), DefaultFont.Bold);
        ini.WriteBool(DefaultFontSection, QStringLiteral("Italic"), DefaultFont.Italic);
        ini.WriteBool(DefaultFontSection, QStringLiteral("Underline"), DefaultFont.Underline);

        ini.WriteInteger(LayoutSection, QStringLiteral("Height"), InchesToThousandths(Layout.Height));
        ini.WriteInteger(LayoutSection, QStringLiteral("Width"), InchesToThousandths(Layout.Width));
        ini.WriteInteger(LayoutSection, QStringLiteral("TopMargin"), InchesToThousandths(Layout.TopMargin));
        ini.WriteInteger(LayoutSection, QStringLiteral("LeftMargin"), InchesToThousandths(Layout.LeftMargin));
        ini.WriteInteger(LayoutSection, QStringLiteral("HPitch"), InchesToThousandths(Layout.HPitch));
        ini.WriteInteger(LayoutSection, QStringLiteral("VPitch"), InchesToThousandths(Layout.VPitch));
        ini.WriteInteger(LayoutSection, QStringLiteral("PredefLayout"), Layout.PredefLayout);
        ini.WriteInteger(LayoutSection, QStringLiteral("Papersize"), Layout.Papersize);
        ini.WriteInteger(LayoutSection, QStringLiteral("Across"), Layout.Across);
        ini.WriteInteger(LayoutSection, QStringLiteral("Down"), Layout.Down);
        ini.WriteBool(LayoutSection, QStringLiteral("UseMM"), Layout.UseMM);
        if (Layout.StockKey.isEmpty())
            ini.DeleteKey(LayoutSection, QStringLiteral("Stock"));
        else
            ini.WriteString(LayoutSection, QStringLiteral("Stock"), Layout.StockKey);
        if (Layout.Papersize == TCardLayout::PaperCustom) {
            ini.WriteInteger(LayoutSection, QStringLiteral("PaperWidth"),
                             InchesToThousandths(Layout.PaperWidth));
            ini.WriteInteger(LayoutSection, QStringLiteral("PaperHeight"),
                             InchesToThousandths(Layout.PaperHeight));
        } else {
            ini.DeleteKey(LayoutSection, QStringLiteral("PaperWidth"));
            ini.DeleteKey(LayoutSection, QStringLiteral("PaperHeight"));
        }
    } catch (...) {
        ini.CancelUpdate(); // nothing half-written
        throw;
    }
    ini.EndUpdate(); // the one file write; throws cw::EInOutError on failure
}

void TPreferences::Load()
{
    TIniFile ini(TIniFile::SettingsFileName());
    ini.BeginUpdate(); // one read of the file for every key
    Load(ini);
    ini.EndUpdate();
}

void TPreferences::Save() const
{
    TIniFile ini(TIniFile::SettingsFileName());
    Save(ini);
}

QString TPreferences::DefaultFontCaption(const TDefaultFont &font)
{
    // Shown as a menu entry, in the user's language.
    QString caption = QCoreApplication::translate("TPreferences", "Default Font: %1, %2 pt ")
                          .arg(font.Name, QString::number(font.Size));
    if (font.Bold)
        caption += QCoreApplication::translate("TPreferences", ", bold");
    if (font.Italic)
        caption += QCoreApplication::translate("TPreferences", ", italic");
    if (font.Underline)
        caption += QCoreApplication::translate("TPreferences", ", underline");
    return caption;
}

} // namespace cw::model
