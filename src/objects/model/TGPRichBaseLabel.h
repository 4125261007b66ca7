#pragma once
// A box of formatted text stored as an RTF document.  The label never lays
// out text itself: it lends its document to the master rich-text control
// (TRichTextControl::Master(), shared by every label) with its background,
// zoom and page size — the label's size at 100 %, so line breaks never change
// with the zoom — and lets the master paint the first page into its box.
// Printing records that drawing as a picture and stretches it into the inch
// rectangle.

#include "app/model/Exception.h"
#include "design/model/TGGraphicControl.h"
#include "text/model/TTextTypes.h"

#include <QByteArray>

namespace cw::richtext {
class TRichTextControl;
}

namespace cw::model {

// Loaded found no master rich-text control.
class ENoMasterWPRich : public Exception
{
public:
    ENoMasterWPRich() : Exception(QStringLiteral("No master rich text object found")) {}
};

class TGPRichBaseLabel : public TGGraphicControl
{
public:
    TGPRichBaseLabel();

    QString ClassName() const override { return QStringLiteral("TGPRichBaseLabel"); }
    std::unique_ptr<TGGraphicControl> NewInstance() const override;
    static const TPropertyTable &ClassProperties();
    const TPropertyTable &Properties() const override { return ClassProperties(); }

    // The RTF document's bytes ("{\rtf1…"); empty for an empty document.
    const QByteArray &RTFText() const { return m_rtf; }
    // Takes the document, repaints and reports a change (always).
    void SetRTFText(const QByteArray &rtf);
    TLabelBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TLabelBorderStyle style);
    // A change only repaints: it is not reported to the surface.
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool on);
    TColor BGColor() const { return m_bgColor; }
    void SetBGColor(TColor color);

    // The master found by Loaded, or nullptr (then nothing is drawn).
    richtext::TRichTextControl *Master() const { return m_master; }

    // The label's size at 100 % in twips: Trunc(size / Zoom / 96 × 1440).
    int PageWidthTwips() const;
    int PageHeightTwips() const;

    void Paint(QPainter &painter) override;
    void PrintTo(engine::TBaseReport &report, double leftInches, double topInches) override;
    void UpdatePopupChecks() override;

    // Opens the editor; Ok takes its document.
    void EditText();
    void BackgroundColorCommand();

protected:
    // Also looks the master up (raising ENoMasterWPRich when there is none)
    // and makes a double-click open the editor.
    void BuildPopupMenu(std::vector<TGMenuItem> &menu) override;

private:
    void drawLabel(QPainter &painter);

    QByteArray m_rtf;
    TLabelBorderStyle m_borderStyle = bsSingle;
    bool m_transparent = true;
    TColor m_bgColor = clWhite;
    richtext::TRichTextControl *m_master = nullptr;
};

} // namespace cw::model
