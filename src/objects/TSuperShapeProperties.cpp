#include "objects/TSuperShapeProperties.h"
#include "help/HelpContext.h"

#include "objects/TTextureBrowser.h"
#include "text/TObjectSampleView.h"
#include "widgets/DialogPlacement.h"
#include "widgets/Interaction.h"
#include "widgets/TColorDrop.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QVBoxLayout>

namespace cw::ui {

using model::TSuperShape;

namespace {
QComboBox *combo(QWidget *parent, const char *name, const QStringList &items)
{
    auto *c = new QComboBox(parent);
    c->setObjectName(QString::fromLatin1(name));
    c->addItems(items);
    return c;
}

QSpinBox *spinner(QWidget *parent, const char *name, int lo, int hi, int step = 1)
{
    auto *s = new QSpinBox(parent);
    s->setObjectName(QString::fromLatin1(name));
    s->setRange(lo, hi);
    s->setSingleStep(step);
    return s;
}

TColorDrop *colours(QWidget *parent, const char *name)
{
    auto *c = new TColorDrop(parent);
    c->setObjectName(QString::fromLatin1(name));
    return c;
}

QWidget *panel(QWidget *parent, const char *name, QFormLayout *&form)
{
    auto *w = new QWidget(parent);
    w->setObjectName(QString::fromLatin1(name));
    form = new QFormLayout(w);
    form->setContentsMargins(0, 0, 0, 0);
    return w;
}
} // namespace

TSuperShapeProperties::TSuperShapeProperties(TSuperShape &shape, QWidget *parent)
    : QDialog(parent), m_shape(shape)
{
    setObjectName(QStringLiteral("TSuperShapeProperties"));
    setWindowTitle(tr("Super Shape Properties"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(8);
    setFont(f);
    resize(592, 393);

    m_sample.SetBounds(10, 10, 96, 96);
    m_sample.CopyAppearanceFrom(shape);
    m_lastPath = shape.LastBitmapFileNameandPath;
    if (!shape.Image().IsEmpty())
        m_lastTexture = shape.Image();

    auto *sampleBox = new QGroupBox(tr("Sample"), this);
    auto *scroll = new QScrollArea(sampleBox);
    scroll->setObjectName(QStringLiteral("ScrollBox1"));
    scroll->setStyleSheet(QStringLiteral("background: white"));
    m_view = new TObjectSampleView(m_sample);
    m_view->setMinimumSize(m_sample.Left() + m_sample.Width() + 10, m_sample.Top() + m_sample.Height() + 10);
    scroll->setWidget(m_view);
    (new QVBoxLayout(sampleBox))->addWidget(scroll);

    auto *controls = new QFormLayout;
    ShapeCombo = combo(this, "ShapeCombo",
                       {tr("Rectangle"), tr("Round Rectangle"), tr("Ellipse                  "),
                        tr("Diamond"), tr("Star"), tr("Triangle Left"), tr("Triangle Right"),
                        tr("Triangle Up"), tr("Triangle Down")});
    controls->addRow(tr("Shape"), ShapeCombo);
    QFormLayout *form = nullptr;
    StarPanel = panel(this, "StarPanel", form);
    PointsOnStar = spinner(StarPanel, "PointsOnStar", 5, 20);
    PercentinVector = spinner(StarPanel, "PercentinVector", 0, 90, 5);
    form->addRow(tr("Points On Star"), PointsOnStar);
    form->addRow(tr("% of Inward Vector"), PercentinVector);
    controls->addRow(StarPanel);
    RoundPanel = panel(this, "RoundPanel", form);
    RoundPercent = spinner(RoundPanel, "RoundPercent", 0, 90, 5);
    form->addRow(tr("Round Percentage"), RoundPercent);
    controls->addRow(RoundPanel);

    SurfaceTypeCombo =
        combo(this, "SurfaceTypeCombo", {tr("Transparent"), tr("Solid"), tr("Texture"), tr("Gradient Fill")});
    controls->addRow(tr("Surface Type"), SurfaceTypeCombo);
    ColorPanel = panel(this, "ColorPanel", form);
    BackGroundColorCombo = colours(ColorPanel, "BackGroundColorCombo");
    form->addRow(tr("Background Color"), BackGroundColorCombo);
    controls->addRow(ColorPanel);
    GradientPanel = panel(this, "GradientPanel", form);
    FillDirectionCombo =
        combo(GradientPanel, "FillDirectionCombo", {tr("Up"), tr("Down"), tr("Left"), tr("Right")});
    BackGroundColorCombo2 = colours(GradientPanel, "BackGroundColorCombo2");
    GradientToColorCombo = colours(GradientPanel, "GradientToColorCombo");
    form->addRow(tr("Fill Direction"), FillDirectionCombo);
    form->addRow(tr("From Color"), BackGroundColorCombo2);
    form->addRow(tr("To Color"), GradientToColorCombo);
    controls->addRow(GradientPanel);
    TexturePanel = panel(this, "TexturePanel", form);
    auto *load = new QPushButton(tr("Load Texture"), TexturePanel);
    load->setObjectName(QStringLiteral("LoadImageButton"));
    form->addRow(load);
    controls->addRow(TexturePanel);

    ShadowColorCombo = colours(this, "ShadowColorCombo");
    ShadowOrientationCombo =
        combo(this, "ShadowOrientationCombo",
              {tr("None"), tr("Lower Right"), tr("Upper Right"), tr("Upper Left"), tr("Lower Left")});
    ShadowDepthSpinner = spinner(this, "ShadowDepthSpinner", 0, 10);
    OutlineColorCombo = colours(this, "OutlineColorCombo");
    OutlineStyleCombo = combo(this, "OutlineStyleCombo",
                              {tr("Solid Line"), tr("Dash Line"), tr("Dotted Line"), tr("DashDot Line"),
                               tr("DashDotDot Line"), tr("Clear")});
    OutLineWidthSpinner = spinner(this, "OutLineWidthSpinner", 0, 10);
    auto *more = new QFormLayout;
    more->addRow(tr("Shadow Color"), ShadowColorCombo);
    more->addRow(tr("Shadow Orientation"), ShadowOrientationCombo);
    more->addRow(tr("Shadow Depth"), ShadowDepthSpinner);
    more->addRow(tr("Outline Color"), OutlineColorCombo);
    more->addRow(tr("OutLine Style"), OutlineStyleCombo);
    more->addRow(tr("Outline Width"), OutLineWidthSpinner);

    auto *buttons = new QDialogButtonBox(this);
    auto *ok = buttons->addButton(tr("Ok"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole)->setObjectName("Cancelbutton");
    auto *help = buttons->addButton(tr("Help"), QDialogButtonBox::HelpRole);
    help->setObjectName(QStringLiteral("Helpbutton"));
    connect(help, &QPushButton::clicked, this, [] { showHelpContext(HelpContext); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *columns = new QHBoxLayout;
    columns->addWidget(sampleBox, 1);
    columns->addLayout(controls, 1);
    columns->addLayout(more, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(buttons);

    // Every control sets the sample, then the controls show what it became.
    auto idx = [](QComboBox *c, auto f) { connect(c, &QComboBox::activated, c, f); };
    idx(ShapeCombo, [this](int i) {
        m_sample.SetShape(TSuperShape::TGPShapeType(i));
        changed();
    });
    connect(PointsOnStar, &QSpinBox::valueChanged, this, [this](int v) {
        m_sample.SetVectors(v * 2);
        changed();
    });
    connect(PercentinVector, &QSpinBox::valueChanged, this, [this](int v) {
        m_sample.SetInVectorPercent(v);
        changed();
    });
    connect(RoundPercent, &QSpinBox::valueChanged, this, [this](int v) {
        m_sample.SetRoundPerc(v);
        changed();
    });
    idx(SurfaceTypeCombo, [this](int i) {
        m_sample.SetSurfaceType(TSuperShape::TSurfaceType(i));
        if (i == TSuperShape::stBrushImage)
            m_sample.SetImage(m_lastTexture);
        changed();
    });
    connect(BackGroundColorCombo, &TColorDrop::Change, this, [this] {
        m_sample.SetBackColor(BackGroundColorCombo->SelectedColor());
        changed();
    });
    connect(BackGroundColorCombo2, &TColorDrop::Change, this, [this] {
        m_sample.SetBackColor(BackGroundColorCombo2->SelectedColor());
        changed();
    });
    idx(FillDirectionCombo, [this](int i) {
        m_sample.SetFillDirection(model::TFillDirection(i));
        changed();
    });
    connect(GradientToColorCombo, &TColorDrop::Change, this, [this] {
        m_sample.SetGradientToColor(GradientToColorCombo->SelectedColor());
        changed();
    });
    connect(load, &QPushButton::clicked, this, &TSuperShapeProperties::LoadTexture);
    connect(ShadowColorCombo, &TColorDrop::Change, this, [this] {
        m_sample.SetShadowColor(ShadowColorCombo->SelectedColor());
        changed();
    });
    idx(ShadowOrientationCombo, [this](int i) {
        m_sample.SetShadowOrient(TSuperShape::TShadowOrient(i));
        changed();
    });
    connect(ShadowDepthSpinner, &QSpinBox::valueChanged, this, [this](int v) {
        m_sample.SetShadowDepth(v);
        changed();
    });
    connect(OutlineColorCombo, &TColorDrop::Change, this, [this] {
        m_sample.SetOutlineColor(OutlineColorCombo->SelectedColor());
        changed();
    });
    idx(OutlineStyleCombo, [this](int i) {
        m_sample.SetOutlineStyle(model::TPenStyle(i));
        changed();
    });
    connect(OutLineWidthSpinner, &QSpinBox::valueChanged, this, [this](int v) {
        m_sample.SetOutlineWidth(v);
        changed();
    });

    LoadControls();
    placeDialog(this, Interaction::mainWindow());
}

void TSuperShapeProperties::changed()
{
    LoadControls();
    m_view->update();
}

void TSuperShapeProperties::LoadControls()
{
    const QList<QWidget *> all{ShapeCombo,         PointsOnStar,           PercentinVector,
                               RoundPercent,       SurfaceTypeCombo,       BackGroundColorCombo,
                               FillDirectionCombo, BackGroundColorCombo2,  GradientToColorCombo,
                               ShadowColorCombo,   ShadowOrientationCombo, ShadowDepthSpinner,
                               OutlineColorCombo,  OutlineStyleCombo,      OutLineWidthSpinner};
    std::vector<std::unique_ptr<QSignalBlocker>> blocks;
    for (QWidget *w : all)
        blocks.push_back(std::make_unique<QSignalBlocker>(w));
    const TSuperShape &s = m_sample;
    ShapeCombo->setCurrentIndex(s.Shape() < ShapeCombo->count() ? int(s.Shape()) : -1);
    PointsOnStar->setValue(s.Vectors() / 2);
    PercentinVector->setValue(s.InVectorPercent());
    RoundPercent->setValue(s.RoundPerc());
    SurfaceTypeCombo->setCurrentIndex(int(s.SurfaceType()));
    BackGroundColorCombo->SetSelectedColor(s.BackColor());
    BackGroundColorCombo2->SetSelectedColor(s.BackColor());
    FillDirectionCombo->setCurrentIndex(int(s.FillDirection()));
    GradientToColorCombo->SetSelectedColor(s.GradientToColor());
    ShadowColorCombo->SetSelectedColor(s.ShadowColor());
    ShadowOrientationCombo->setCurrentIndex(int(s.ShadowOrient()));
    ShadowDepthSpinner->setValue(s.ShadowDepth());
    OutlineColorCombo->SetSelectedColor(s.OutlineColor());
    OutlineStyleCombo->setCurrentIndex(s.OutlineStyle() <= model::psClear ? int(s.OutlineStyle()) : 0);
    OutLineWidthSpinner->setValue(s.OutlineWidth());
    StarPanel->setVisible(s.Shape() == TSuperShape::gstStar);
    RoundPanel->setVisible(s.Shape() == TSuperShape::gstRoundRect);
    ColorPanel->setVisible(s.SurfaceType() == TSuperShape::stBrushPattern);
    GradientPanel->setVisible(s.SurfaceType() == TSuperShape::stGradientFill);
    TexturePanel->setVisible(s.SurfaceType() == TSuperShape::stBrushImage);
}

void TSuperShapeProperties::TakeTexture(const model::TGPicture &picture, const QString &path)
{
    m_sample.SetImage(picture);
    m_lastTexture = picture;
    m_lastPath = path;
    changed();
}

void TSuperShapeProperties::LoadTexture()
{
    TSuperShape example;
    example.SetBounds(10, 10, m_sample.Width(), m_sample.Height());
    example.CopyAppearanceFrom(m_sample);
    example.SetSurfaceType(TSuperShape::stBrushImage);
    TTextureBrowser browser(
        example, [&example](const model::TGPicture &p) { example.SetImage(p); }, this);
    browser.setObjectName(QStringLiteral("TGBrushImageBrowser"));
    browser.Start(m_lastPath);
    if (Interaction::current().exec(browser) == QDialog::Accepted && !browser.SelectedPath().isEmpty())
        TakeTexture(example.Image(), browser.SelectedPath());
}

void TSuperShapeProperties::ApplyToShape()
{
    m_shape.LastBitmapFileNameandPath = m_lastPath;
    m_shape.TakeAppearanceFrom(m_sample);
}

bool TSuperShapeProperties::Execute(TSuperShape &shape)
{
    TSuperShapeProperties dialog(shape, Interaction::mainWindow());
    if (Interaction::current().exec(dialog) != QDialog::Accepted)
        return false;
    dialog.ApplyToShape();
    return true;
}

} // namespace cw::ui
