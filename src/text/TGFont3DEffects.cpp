#include "text/TGFont3DEffects.h"

#include "text/TObjectSampleView.h"
#include "text/TTextDialogParts.h"
#include "widgets/DialogPlacement.h"
#include "widgets/Interaction.h"
#include "widgets/TColorDrop.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace cw::ui {

using namespace cw::model;

namespace {

QComboBox *list(QWidget *parent, const char *name, const QStringList &entries)
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(QString::fromLatin1(name));
    combo->setEditable(false);
    combo->addItems(entries);
    return combo;
}

QStringList depths()
{
    QStringList d;
    for (int i = 0; i <= 10; ++i)
        d << QString::number(i);
    return d;
}

void addRow(QGridLayout *grid, int row, const QString &caption, QWidget *control)
{
    auto *label = new QLabel(caption, control->parentWidget());
    label->setBuddy(control);
    grid->addWidget(label, row, 0);
    grid->addWidget(control, row, 1);
}

} // namespace

TGFont3DEffects::TGFont3DEffects(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("GFont3DEffects"));
    setWindowTitle(tr("Text 3D Effects"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(8);
    setFont(f);

    auto *top = new QVBoxLayout(this);
    auto *groups = new QHBoxLayout;

    auto *shadow = new QGroupBox(tr("Shadow"), this);
    auto *shadowGrid = new QGridLayout(shadow);
    m_shadowDirection =
        list(shadow, "ShadowDirection",
             {tr("None"), tr("Right"), tr("Left"), tr("Lower Right"), tr("Lower Left"), tr("Down")});
    m_shadowColor = new TColorDrop(shadow);
    m_shadowColor->setObjectName(QStringLiteral("ShadowColorCombo"));
    m_shadowDepth = list(shadow, "ShadowDepth", depths());
    addRow(shadowGrid, 0, tr("Shadow Direction"), m_shadowDirection);
    addRow(shadowGrid, 1, tr("Shadow Color"), m_shadowColor);
    addRow(shadowGrid, 2, tr("Shadow Depth"), m_shadowDepth);

    auto *highlight = new QGroupBox(tr("Highlight"), this);
    auto *highlightGrid = new QGridLayout(highlight);
    m_highlightDirection =
        list(highlight, "HighlightDirection",
             {tr("None"), tr("Right"), tr("Left"), tr("Upper Right"), tr("Upper Left"), tr("Up")});
    m_highlightColor = new TColorDrop(highlight);
    m_highlightColor->setObjectName(QStringLiteral("HighLightColorCombo"));
    m_highlightDepth = list(highlight, "HighLightDepth", depths());
    addRow(highlightGrid, 0, tr("Highlight Direction"), m_highlightDirection);
    addRow(highlightGrid, 1, tr("Highlight Color"), m_highlightColor);
    addRow(highlightGrid, 2, tr("Highlight Depth"), m_highlightDepth);

    groups->addWidget(shadow);
    groups->addWidget(highlight);
    top->addLayout(groups);

    auto *text = new QGroupBox(tr("Text"), this);
    auto *textGrid = new QGridLayout(text);
    m_fontColor = new TColorDrop(text);
    m_fontColor->setObjectName(QStringLiteral("FontColorCombo"));
    addRow(textGrid, 0, tr("Font Color"), m_fontColor);
    top->addWidget(text);

    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("SamplePanel"));
    panel->setFrameShape(QFrame::Box);
    panel->setFixedSize(SamplePanelSize);
    m_sampleView = new TObjectSampleView(m_sample, panel);
    m_sampleView->setObjectName(QStringLiteral("Sample"));
    m_sampleView->setGeometry(QRect(QPoint(0, 0), SamplePanelSize));
    top->addWidget(panel, 0, Qt::AlignHCenter);

    AddTextDialogButtons(*this, *top, HelpContext);

    const QString listHelp = tr("Choose a value; the sample shows the effect at once.");
    for (QWidget *w : std::initializer_list<QWidget *>{m_shadowDirection, m_shadowColor, m_shadowDepth,
                                                       m_highlightDirection, m_highlightColor,
                                                       m_highlightDepth, m_fontColor})
        AddWhatsThisMenu(*w, listHelp);

    connect(m_shadowDirection, &QComboBox::activated, this, &TGFont3DEffects::ShadowDirectionChange);
    connect(m_shadowDepth, &QComboBox::activated, this, &TGFont3DEffects::ShadowDepthChange);
    connect(m_highlightDirection, &QComboBox::activated, this, &TGFont3DEffects::HighlightDirectionChange);
    connect(m_highlightDepth, &QComboBox::activated, this, &TGFont3DEffects::HighLightDepthChange);
    connect(m_shadowColor, &TColorDrop::Change, this, &TGFont3DEffects::ShadowColorComboChange);
    connect(m_highlightColor, &TColorDrop::Change, this, &TGFont3DEffects::HighLightColorComboChange);
    connect(m_fontColor, &TColorDrop::Change, this, &TGFont3DEffects::FontColorComboChange);
    // The Ok button of the panel closes through OKButtonClick, which writes
    // the label first.
    if (auto *ok = findChild<QPushButton *>(QStringLiteral("OKButton"))) {
        disconnect(ok, nullptr, this, nullptr);
        connect(ok, &QPushButton::clicked, this, &TGFont3DEffects::OKButtonClick);
    }
    setFixedSize(sizeHint().expandedTo(QSize(467, 338)));
}

bool TGFont3DEffects::Execute(TGBaseLabel &label)
{
    TGFont3DEffects dialog(Interaction::mainWindow());
    dialog.SetLabel(&label);
    dialog.FormActivate();
    placeDialog(&dialog, Interaction::mainWindow());
    return Interaction::current().exec(dialog) == QDialog::Accepted;
}

void TGFont3DEffects::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormActivate();
}

void TGFont3DEffects::FormActivate()
{
    // Only the first activation loads the label: coming back to the dialog
    // from another window must not throw away the user's choices.
    if (m_activated || !m_label)
        return;
    m_activated = true;
    m_sample.SetLabelFont(m_label->Font());
    m_sample.SetDepthHighlight(m_label->DepthHighlight());
    m_sample.SetDepthShadow(m_label->DepthShadow());
    m_sample.SetDirectionHighlight(m_label->DirectionHighlight());
    m_sample.SetDirectionShadow(m_label->DirectionShadow());
    m_sample.SetColorHighlight(m_label->ColorHighlight());
    m_sample.SetColorShadow(m_label->ColorShadow());
    m_sample.SetBounds(0, 0, SamplePanelSize.width(), SamplePanelSize.height());

    m_highlightColor->SetSelectedColor(m_label->ColorHighlight());
    m_shadowColor->SetSelectedColor(m_label->ColorShadow());
    m_fontColor->SetSelectedColor(m_label->Font().Color);

    m_shadowDirection->setCurrentIndex(int(m_label->DirectionShadow()));
    m_highlightDirection->setCurrentIndex(int(m_label->DirectionHighlight()));
    const int shadowDepth = m_label->DepthShadow(), highlightDepth = m_label->DepthHighlight();
    m_shadowDepth->setCurrentIndex(shadowDepth >= 0 && shadowDepth <= 10 ? shadowDepth : -1);
    m_highlightDepth->setCurrentIndex(highlightDepth >= 0 && highlightDepth <= 10 ? highlightDepth : -1);
    RefreshSample();
}

void TGFont3DEffects::RefreshSample()
{
    m_sampleView->update();
}

void TGFont3DEffects::ShadowDirectionChange()
{
    if (m_shadowDirection->currentIndex() >= 0)
        m_sample.SetDirectionShadow(TShadowDirection(m_shadowDirection->currentIndex()));
    RefreshSample();
}

void TGFont3DEffects::ShadowDepthChange()
{
    if (m_shadowDepth->currentIndex() >= 0)
        m_sample.SetDepthShadow(m_shadowDepth->currentIndex());
    RefreshSample();
}

void TGFont3DEffects::HighlightDirectionChange()
{
    if (m_highlightDirection->currentIndex() >= 0)
        m_sample.SetDirectionHighlight(THighlightDirection(m_highlightDirection->currentIndex()));
    RefreshSample();
}

void TGFont3DEffects::HighLightDepthChange()
{
    if (m_highlightDepth->currentIndex() >= 0)
        m_sample.SetDepthHighlight(m_highlightDepth->currentIndex());
    RefreshSample();
}

void TGFont3DEffects::ShadowColorComboChange()
{
    m_sample.SetColorShadow(m_shadowColor->SelectedColor());
    RefreshSample();
}

void TGFont3DEffects::HighLightColorComboChange()
{
    m_sample.SetColorHighlight(m_highlightColor->SelectedColor());
    RefreshSample();
}

void TGFont3DEffects::FontColorComboChange()
{
    TGFont font = m_sample.Font();
    font.Color = m_fontColor->SelectedColor();
    m_sample.SetLabelFont(font);
    RefreshSample();
}

void TGFont3DEffects::OKButtonClick()
{
    if (m_label) {
        m_label->SetLabelFont(m_sample.Font());
        m_label->SetDepthHighlight(m_sample.DepthHighlight());
        m_label->SetDepthShadow(m_sample.DepthShadow());
        m_label->SetDirectionHighlight(m_sample.DirectionHighlight());
        m_label->SetDirectionShadow(m_sample.DirectionShadow());
        m_label->SetColorHighlight(m_sample.ColorHighlight());
        m_label->SetColorShadow(m_sample.ColorShadow());
    }
    accept();
}

} // namespace cw::ui
