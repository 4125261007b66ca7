#pragma once
// The common part of the QR code and barcode objects: what the symbol
// carries (its own text, or the contact card made from the personal
// information), its colours, its quiet zone (light modules kept around the
// symbol), painting and printing.  A kind adds its own symbol settings and
// says how text becomes a module matrix (Encode).
//
// The symbol follows its input: it is encoded again whenever the text to
// carry or a symbol setting differs from the last encoding, so a change of
// the personal information shows at the next repaint and on paper.
//
// On screen every module covers whole device pixels when the object is big
// enough (no smeared edges at any zoom); on paper each run of dark modules
// is one filled rectangle of whole printer pixels.

#include "design/model/TGColor.h"
#include "design/model/TGGraphicControl.h"
#include "objects/model/TCodeMatrix.h"
#include "objects/model/TCodeTypes.h"

namespace cw::model {

class TGCodeObject : public TGGraphicControl
{
public:
    TCodeContent Content() const { return m_content; }
    void SetContent(TCodeContent content);
    // The object's own text or URL (used when Content() is Text).
    const QString &Text() const { return m_text; }
    void SetText(const QString &text);
    TColor ForeColor() const { return m_foreColor; }
    void SetForeColor(TColor color);
    TColor BGColor() const { return m_bgColor; }
    void SetBGColor(TColor color);
    bool ControlTransparent() const { return m_transparent; }
    void SetControlTransparent(bool on);
    // Light modules on each side of the symbol (0..MaxQuietZone).  Linear
    // symbols keep it left and right only; their bars fill the height.
    int QuietZone() const { return m_quietZone; }
    void SetQuietZone(int modules);
    static constexpr int MaxQuietZone = 40;

    // The text the symbol carries now: Text(), or the contact card of the
    // surface's personal information (empty values while off a surface).
    QString EncodedText() const;
    // The symbol for EncodedText() with the current settings.
    const TCodeMatrix &Matrix() const;

    // Where the symbol lies when the object fills an area of `width` ×
    // `height` units: the top-left of its first module (inside the quiet
    // zone), the module size and the bar height of a linear symbol.  The
    // module is chosen at 100 %: the most whole card pixels that fit the
    // stored size with the quiet zone (a fraction when not even one does),
    // then scaled to the area, so screen, picture and paper show the same
    // symbol.  With `step` > 0 (one device pixel in these units) the module
    // is rounded to whole steps (never beyond the area, and only when at
    // least one step fits) and the origin lies on a step.
    struct TPlacement
    {
        double X = 0;
        double Y = 0;
        double Module = 0;
        double BarHeight = 0;
    };
    TPlacement Place(const TCodeMatrix &matrix, double width, double height, double step) const;

    // Copies every setting and the size from `source` (the properties dialog
    // and its preview), repainting once at the end.
    virtual void CopyFrom(const TGCodeObject &source);

    void Paint(QPainter &painter) override;
    void PrintTo(engine::TBaseReport &report, double leftInches, double topInches) override;
    void BoundsChanged() override;
    void UpdatePopupChecks() override;

    // The published properties every code kind shares, with the kind's
    // starting values as defaults.
    template <class T>
    static std::vector<TPropertyInfo> CommonPropertiesOf(TCodeContent content, const QString &text,
                                                         int quietZone);

    // Popup commands (also reachable from tests).
    void BackgroundColorCommand();
    void PropertiesCommand();

protected:
    TGCodeObject(TCodeContent content, const QString &text, int quietZone, const QRect &bounds);
    // The kind's encoding of `text` with its own settings.
    virtual TCodeMatrix Encode(const QString &text) const = 0;
    // A symbol setting of the kind changed: encode again, repaint, report.
    void SymbolSettingChanged();
    void BuildPopupMenu(std::vector<TGMenuItem> &menu) override;

private:
    void changed();

    TCodeContent m_content;
    QString m_text;
    TColor m_foreColor = clBlack;
    TColor m_bgColor = clWhite;
    bool m_transparent = false;
    int m_quietZone;
    bool m_busy = false;
    // The last encoding and what it was made from.
    mutable bool m_cacheValid = false;
    mutable QString m_cacheText;
    mutable TCodeMatrix m_cache;
};

template <class T>
std::vector<TPropertyInfo> TGCodeObject::CommonPropertiesOf(TCodeContent content, const QString &text,
                                                            int quietZone)
{
    using K = TPropertyKind;
    std::vector<TPropertyInfo> own;
    own.push_back(MakeProperty<T>(
        "ContentMode", K::Enumeration, int(content), [](const T &o) { return int(o.Content()); },
        [](T &o, const QVariant &v) { o.SetContent(TCodeContent(qBound(0, v.toInt(), 1))); },
        TCodeTypeNames::Content()));
    // A new object may start with a text: an emptied one is written as an
    // empty string so that reading it does not bring the text back.
    TPropertyInfo textProperty = MakeProperty<T>(
        "Text", K::String, text, [](const T &o) { return o.Text(); },
        [](T &o, const QVariant &v) { o.SetText(v.toString()); });
    textProperty.StoreEmpty = !text.isEmpty();
    own.push_back(std::move(textProperty));
    own.push_back(MakeProperty<T>(
        "ForeColor", K::Colour, uint(clBlack), [](const T &o) { return uint(o.ForeColor()); },
        [](T &o, const QVariant &v) { o.SetForeColor(v.toUInt()); }));
    own.push_back(MakeProperty<T>(
        "BGColor", K::Colour, uint(clWhite), [](const T &o) { return uint(o.BGColor()); },
        [](T &o, const QVariant &v) { o.SetBGColor(v.toUInt()); }));
    own.push_back(MakeProperty<T>(
        "ControlTransparent", K::Boolean, false, [](const T &o) { return o.ControlTransparent(); },
        [](T &o, const QVariant &v) { o.SetControlTransparent(v.toBool()); }));
    own.push_back(MakeProperty<T>(
        "QuietZone", K::Integer, quietZone, [](const T &o) { return o.QuietZone(); },
        [](T &o, const QVariant &v) { o.SetQuietZone(v.toInt()); }));
    return own;
}

} // namespace cw::model
