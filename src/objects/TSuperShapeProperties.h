#pragma once
// "Super Shape Properties": every control acts on a working sample shown
// live; the shape itself changes only on "Ok".  Only the panel that fits the
// current shape and surface shows: star, round corners, solid colour,
// gradient or texture.

#include "design/model/TGPicture.h"
#include "objects/model/TSuperShape.h"

#include <QDialog>

class QComboBox;
class QSpinBox;
class QWidget;

namespace cw::ui {

class TColorDrop;
class TObjectSampleView;

class TSuperShapeProperties : public QDialog
{
    Q_OBJECT

public:
    static constexpr int HelpContext = 40011;

    // Copies the shape's appearance (and size) into the sample.
    explicit TSuperShapeProperties(model::TSuperShape &shape, QWidget *parent = nullptr);

    model::TSuperShape &Sample() { return m_sample; }
    const QString &LastBitmapPath() const { return m_lastPath; }
    // Shows the sample's values in the controls and the fitting panels.
    void LoadControls();
    // "Load Texture": the texture browser on a copy of the sample.
    void LoadTexture();
    // Takes a texture as the browser's "Ok" does.
    void TakeTexture(const model::TGPicture &picture, const QString &path);
    // "Ok": the sample's values go to the shape.
    void ApplyToShape();

    // Runs the dialog on a shape; true when "Ok" changed it.
    static bool Execute(model::TSuperShape &shape);

    QComboBox *ShapeCombo = nullptr;
    QSpinBox *PointsOnStar = nullptr;
    QSpinBox *PercentinVector = nullptr;
    QSpinBox *RoundPercent = nullptr;
    QComboBox *SurfaceTypeCombo = nullptr;
    TColorDrop *BackGroundColorCombo = nullptr;
    QComboBox *FillDirectionCombo = nullptr;
    TColorDrop *BackGroundColorCombo2 = nullptr;
    TColorDrop *GradientToColorCombo = nullptr;
    TColorDrop *ShadowColorCombo = nullptr;
    QComboBox *ShadowOrientationCombo = nullptr;
    QSpinBox *ShadowDepthSpinner = nullptr;
    TColorDrop *OutlineColorCombo = nullptr;
    QComboBox *OutlineStyleCombo = nullptr;
    QSpinBox *OutLineWidthSpinner = nullptr;
    QWidget *StarPanel = nullptr;
    QWidget *RoundPanel = nullptr;
    QWidget *ColorPanel = nullptr;
    QWidget *GradientPanel = nullptr;
    QWidget *TexturePanel = nullptr;

private:
    void changed();

    model::TSuperShape &m_shape;
    model::TSuperShape m_sample;
    QString m_lastPath;
    model::TGPicture m_lastTexture;
    TObjectSampleView *m_view = nullptr;
};

} // namespace cw::ui
