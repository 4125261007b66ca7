#pragma once
// "SuperText Properties": every control acts on a preview SuperText; the
// object changes only on "Ok".  A 200 ms timer fits the preview to its text
// after typing; the arrow pair changes the font size by 5 points within
// 10 … 150.

#include "design/model/TGPicture.h"
#include "text/model/TGSuperText.h"

#include <QDialog>
#include <QTimer>

class QComboBox;
class QLineEdit;
class QListWidget;
class QSpinBox;
class QToolButton;
class QWidget;

namespace cw::ui {

class TColorButton;
class TObjectSampleView;

class TGSuperTextProperties : public QDialog
{
    Q_OBJECT

public:
    static constexpr int HelpContext = 40014;

    explicit TGSuperTextProperties(QWidget *parent = nullptr);

    model::TGSuperText &Preview() { return m_preview; }
    // Before showing: the object copies itself into the preview, the dialog
    // takes its last texture path, and the controls show the preview.
    void LoadFrom(const model::TGSuperText &object);
    void LoadControls();
    const QString &LastBitmapPath() const { return m_lastPath; }
    const model::TGPicture &LastUsedImage() const { return m_lastUsedImage; }
    // A small tileable picture the dialog starts with.
    static model::TGPicture BuiltInTexture();

    void FontSizeUp();
    void FontSizeDown();
    // The timer's tick: fits the preview when the text changed.
    void FitTick();
    bool FitPending() const { return m_fitPending; }
    void SelectSymbol();
    void SelectFont();
    void LoadTexture();
    void TakeTexture(const model::TGPicture &picture, const QString &path);
    // Refuses an empty text with "Please enter some text".
    void accept() override;

    // Runs the dialog on an object; true when "Ok" changed it.
    static bool Execute(model::TGSuperText &object);

    QLineEdit *CaptionText = nullptr;
    QListWidget *SurfaceTypeCombo = nullptr;
    QWidget *FillPanel = nullptr;
    QComboBox *FillDirectionCombo = nullptr;
    TColorButton *GradientFromcolorButton = nullptr;
    TColorButton *GradientToColorButton = nullptr;
    QWidget *ImagePanel = nullptr;
    QWidget *FontcolorPanel = nullptr;
    TColorButton *FontColorButton = nullptr;
    TColorButton *ShadowColorButton = nullptr;
    QComboBox *ShadowOrientationCombo = nullptr;
    QSpinBox *ShadowDepthSpinner = nullptr;
    TColorButton *OutlineColorButton = nullptr;
    QComboBox *OutlineStyleCombo = nullptr;
    QSpinBox *OutLineWidthSpinner = nullptr;
    QTimer Timer1;

private:
    void changed();
    void setPanels();
    void showTypeface();

    model::TGSuperText m_preview;
    model::TGPicture m_lastUsedImage;
    QString m_lastPath;
    bool m_fitPending = false;
    TObjectSampleView *m_view = nullptr;
};

} // namespace cw::ui
