#pragma once
// "Rich Text Editor": edits a copy of a rich text label's document on a page
// panel of the label's size, wrapping at the label's width at 100 %, with the
// formatting tool bar and the zoom buttons.  Handlers are public so tests
// drive the dialog without a modal loop.

#include <QByteArray>
#include <QDialog>
#include <QImage>

class QFrame;
class QTextEdit;
class QToolButton;

namespace cw::model {
class TGPRichBaseLabel;
}

namespace cw::richtext {
class TRichTextToolBar;
}

namespace cw::ui {

class TRichTextLabelEditor : public QDialog
{
    Q_OBJECT

public:
    explicit TRichTextLabelEditor(QWidget *parent = nullptr);

    // Takes the label's document, colour, size and zoom (steps 2 to 5 of
    // editing) and remembers the page size and zoom (W0, H0, Z0).
    void LoadFrom(const model::TGPRichBaseLabel &label);
    // The edited document as RTF; empty bytes for an empty document.
    QByteArray Rtf() const;

    QTextEdit *Editor() const { return m_editor; }
    QFrame *PagePanel() const { return m_panel; }
    richtext::TRichTextToolBar *ToolBar() const { return m_toolBar; }
    int ZoomPercent() const { return m_zoom; }

    void ZoomIn();
    void ZoomOut();

    // The dialog's designed client size (601 × 343), so placing it, which
    // fits a dialog to its size hint, keeps the page and its tool bar in view.
    QSize sizeHint() const override;

    // Runs the editor for the label; the edited document on Ok.
    static std::optional<QByteArray> Execute(model::TGPRichBaseLabel &label);

protected:
    // The text has the keyboard focus whenever the editor opens.
    void showEvent(QShowEvent *event) override;

private:
    void applyZoom();
    void layoutAtZoom();

    QTextEdit *m_editor = nullptr;
    QFrame *m_panel = nullptr;
    QWidget *m_pageHost = nullptr; // scrolled; holds the page panel at (5, 5)
    richtext::TRichTextToolBar *m_toolBar = nullptr;
    // The device the editor lays its text out on: 96 dpi scaled by the zoom,
    // so the text grows and shrinks with the page panel.
    QImage m_zoomDevice;
    double m_pageWidth = 0; // pixels at 100 %
    int m_zoom = 100;
    int m_w0 = 0;
    int m_h0 = 0;
    int m_z0 = 100;
};

} // namespace cw::ui
