#pragma once
// "Text 3D Effects": shadow and highlight direction, colour and depth and the
// text colour of a single-line label, edited on a live sample.  The label is
// changed only on Ok.

#include "text/model/TGPLabel.h"

#include <QDialog>

class QComboBox;

namespace cw::ui {

class TColorDrop;
class TObjectSampleView;

class TGFont3DEffects : public QDialog
{
    Q_OBJECT

public:
    static constexpr int HelpContext = 40008;
    // The sample panel's size; the sample fills it.
    static constexpr QSize SamplePanelSize{437, 85};

    explicit TGFont3DEffects(QWidget *parent = nullptr);

    // The label to edit; set before the dialog is shown.
    void SetLabel(model::TGBaseLabel *label) { m_label = label; }

    // Runs the dialog for `label`; true when it was closed with Ok (the
    // label then holds the edited effect and font colour).
    static bool Execute(model::TGBaseLabel &label);

    // First activation: the sample takes the label's font and effect, fills
    // the panel, and the lists show the label's values (values they cannot
    // show leave them as they were).
    void FormActivate();
    // Live editing of the sample.
    void ShadowDirectionChange();
    void ShadowDepthChange();
    void HighlightDirectionChange();
    void HighLightDepthChange();
    void ShadowColorComboChange();
    void HighLightColorComboChange();
    void FontColorComboChange();
    // The label takes the sample's font and effect; the dialog closes with Ok.
    void OKButtonClick();

    model::TGPLabel &Sample() { return m_sample; }
    QComboBox *ShadowDirection() const { return m_shadowDirection; }
    QComboBox *ShadowDepth() const { return m_shadowDepth; }
    QComboBox *HighlightDirection() const { return m_highlightDirection; }
    QComboBox *HighLightDepth() const { return m_highlightDepth; }
    TColorDrop *ShadowColorCombo() const { return m_shadowColor; }
    TColorDrop *HighLightColorCombo() const { return m_highlightColor; }
    TColorDrop *FontColorCombo() const { return m_fontColor; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void RefreshSample();

    model::TGBaseLabel *m_label = nullptr;
    model::TGPLabel m_sample;
    bool m_activated = false;
    QComboBox *m_shadowDirection;
    QComboBox *m_shadowDepth;
    QComboBox *m_highlightDirection;
    QComboBox *m_highlightDepth;
    TColorDrop *m_shadowColor;
    TColorDrop *m_highlightColor;
    TColorDrop *m_fontColor;
    TObjectSampleView *m_sampleView;
};

} // namespace cw::ui
