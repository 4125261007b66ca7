#pragma once
// "CircleText Properties": edits a copy of a circle text (the preview) and,
// on Ok, copies it back into the object.  Every control acts on the preview
// at once.  The handlers are public so tests drive them without a modal loop.

#include "objects/model/TGPCircleText.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QSlider;

namespace cw::ui {

class TCircleTextPreview;
class TColorButton;

class TCircleTextProperties : public QDialog
{
    Q_OBJECT

public:
    explicit TCircleTextProperties(QWidget *parent = nullptr);
    ~TCircleTextProperties() override;

    model::TGPCircleText &Preview() { return *m_preview; }
    // Copies the object's settings into the preview and shows them.
    void LoadFrom(const model::TGPCircleText &object);
    // Zoom back to 1.0 and copies the preview into the object.
    void SaveTo(model::TGPCircleText &object);

    // Runs the dialog for the object; true (and the object changed) on Ok.
    static bool Execute(model::TGPCircleText &object);

    QLineEdit *TextEdit() const { return m_text; }
    QSlider *DegreesBar() const { return m_degrees; }
    QSlider *StartBar() const { return m_start; }
    QLabel *DegreesLabel() const { return m_degreesLabel; }
    QLabel *StartLabel() const { return m_startLabel; }
    QCheckBox *AngledCheck() const { return m_angled; }
    QCheckBox *MirrorCheck() const { return m_mirror; }
    QLabel *ZoomLabel() const { return m_zoomLabel; }
    // "Font Color": the palette colour button showing the font colour.
    TColorButton *ColorButton() const { return m_color; }

    void FontSizeUp();
    void FontSizeDown();
    void ZoomIn();
    void ZoomOut();
    void SelectFont();
    void FontColor();
    void OkClick();
    void HelpClick();

private:
    void showSettings();
    void previewChanged();

    std::unique_ptr<model::TGPCircleText> m_preview;
    TCircleTextPreview *m_view = nullptr;
    QScrollArea *m_scroll = nullptr;
    QLineEdit *m_text = nullptr;
    QSlider *m_degrees = nullptr;
    QSlider *m_start = nullptr;
    QLabel *m_degreesLabel = nullptr;
    QLabel *m_startLabel = nullptr;
    QCheckBox *m_angled = nullptr;
    QCheckBox *m_mirror = nullptr;
    TColorButton *m_color = nullptr;
    QLabel *m_zoomLabel = nullptr;
    bool m_showing = false;
};

} // namespace cw::ui
