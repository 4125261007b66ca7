#include "text/TGSuperTextProperties.h"

#include "help/HelpContext.h"
#include "text/model/TTextFonts.h"

#include "objects/TTextureBrowser.h"
#include "text/TObjectSampleView.h"
#include "text/TTextEditorsUi.h"
#include "text/model/TSymbolFonts.h"
#include "text/model/TTextEditors.h"
#include "widgets/DialogPlacement.h"
#include "widgets/Interaction.h"
#include "widgets/TColorButton.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace cw::ui {

using model::TGSuperText;

namespace {
TColorButton *colourButton(QWidget *parent, const char *name)
{
    auto *b = new TColorButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
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

model::TGPicture TGSuperTextProperties::BuiltInTexture()
{
    // A 32 x 32 woven pattern in warm browns; every wave has whole periods
    // across the tile so it repeats without seams.
    QImage img(32, 32, QImage::Format_RGB32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const bool over = ((x / 4) + (y / 4)) % 2 == 0;
            const int shade = over ? 40 * ((x % 4) + 1) / 4 : 40 * ((y % 4) + 1) / 4;
            img.setPixel(x, y, qRgb(150 + shade, 96 + shade, 40 + shade / 2));
        }
    model::TGPicture picture;
    picture.SetBitmap(img);
    return picture;
}

TGSuperTextProperties::TGSuperTextProperties(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TSuperTextProperties"));
    setWindowTitle(tr("SuperText Properties"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(8);
    setFont(f);
    resize(582, 423);
    m_lastUsedImage = BuiltInTexture();
    m_preview.SetBounds(0, 0, 100, 100);

    auto *panel1 = new QWidget(this);
    panel1->setObjectName(QStringLiteral("Panel1"));
    panel1->setFixedSize(554, 190);
    panel1->setAutoFillBackground(true);
    QPalette pal = panel1->palette();
    pal.setColor(QPalette::Window, Qt::white);
    panel1->setPalette(pal);
    m_view = new TObjectSampleView(m_preview, panel1);
    m_view->setGeometry(0, 0, 554, 190);

    CaptionText = new QLineEdit(this);
    CaptionText->setObjectName(QStringLiteral("CaptionText"));
    SurfaceTypeCombo = new QListWidget(this);
    SurfaceTypeCombo->setObjectName(QStringLiteral("SurfaceTypeCombo"));
    SurfaceTypeCombo->addItems({tr("Normal"), tr("Transparent"), tr("Texture"), tr("Gradient Fill")});
    SurfaceTypeCombo->setMaximumHeight(72);

    QFormLayout *form = nullptr;
    FillPanel = panel(this, "FillPanel", form);
    FillDirectionCombo = new QComboBox(FillPanel);
    FillDirectionCombo->setObjectName(QStringLiteral("FillDirectionCombo"));
    FillDirectionCombo->addItems({tr("Up"), tr("Down"), tr("Left"), tr("Right")});
    GradientFromcolorButton = colourButton(FillPanel, "GradientFromcolorButton");
    GradientToColorButton = colourButton(FillPanel, "GradientToColorButton");
    form->addRow(tr("Fill Direction"), FillDirectionCombo);
    form->addRow(tr("From Color"), GradientFromcolorButton);
    form->addRow(tr("To Color"), GradientToColorButton);
    ImagePanel = panel(this, "ImagePanel", form);
    auto *load = new QPushButton(tr("Load Texture"), ImagePanel);
    load->setObjectName(QStringLiteral("LoadImageButton"));
    form->addRow(load);
    FontcolorPanel = panel(this, "FontcolorPanel", form);
    FontColorButton = colourButton(FontcolorPanel, "FontColorButton");
    form->addRow(tr("Font Color"), FontColorButton);

    auto *panel4 = new QGroupBox(this);
    panel4->setObjectName(QStringLiteral("Panel4"));
    auto *shadowForm = new QFormLayout(panel4);
    ShadowColorButton = colourButton(panel4, "ShadowColorButton");
    ShadowOrientationCombo = new QComboBox(panel4);
    ShadowOrientationCombo->setObjectName(QStringLiteral("ShadowOrientationCombo"));
    ShadowOrientationCombo->addItems(
        {tr("None"), tr("Right"), tr("Left"), tr("Down and Right"), tr("Down and Left"), tr("Down")});
    ShadowDepthSpinner = new QSpinBox(panel4);
    ShadowDepthSpinner->setObjectName(QStringLiteral("ShadowDepthSpinner"));
    ShadowDepthSpinner->setRange(0, 10);
    shadowForm->addRow(tr("Shadow Color"), ShadowColorButton);
    shadowForm->addRow(tr("Shadow Orientation"), ShadowOrientationCombo);
    shadowForm->addRow(tr("Shadow Depth"), ShadowDepthSpinner);

    auto *panel3 = new QGroupBox(this);
    panel3->setObjectName(QStringLiteral("Panel3"));
    auto *outlineForm = new QFormLayout(panel3);
    OutlineColorButton = colourButton(panel3, "OutlineColorButton");
    OutlineStyleCombo = new QComboBox(panel3);
    OutlineStyleCombo->setObjectName(QStringLiteral("OutlineStyleCombo"));
    OutlineStyleCombo->addItems(
        {"Solid Line", "Dash Line", "Dotted Line", "DashDot Line", "DashDotDot Line", "Clear"});
    OutLineWidthSpinner = new QSpinBox(panel3);
    OutLineWidthSpinner->setObjectName(QStringLiteral("OutLineWidthSpinner"));
    OutLineWidthSpinner->setRange(0, 10);
    outlineForm->addRow(tr("Outline Color"), OutlineColorButton);
    outlineForm->addRow(tr("OutLine Style"), OutlineStyleCombo);
    outlineForm->addRow(tr("Outline Width"), OutLineWidthSpinner);

    auto *fontButton = new QPushButton(tr("Select Font"), this);
    fontButton->setObjectName(QStringLiteral("Fontbutton"));
    auto *up = new QToolButton(this);
    up->setObjectName(QStringLiteral("RapidChangeFontSizeUp"));
    up->setArrowType(Qt::UpArrow);
    auto *down = new QToolButton(this);
    down->setObjectName(QStringLiteral("RapidChangeFontSizeDown"));
    down->setArrowType(Qt::DownArrow);
    auto *symbol = new QPushButton(tr("Select Symbol"), this);
    symbol->setObjectName(QStringLiteral("SelectSymbolbutton"));

    auto *buttons = new QDialogButtonBox(this);
    auto *ok = buttons->addButton(tr("Ok"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole)->setObjectName("Cancelbutton");
    auto *help = buttons->addButton(tr("Help"), QDialogButtonBox::HelpRole);
    help->setObjectName(QStringLiteral("Helpbutton"));
    connect(help, &QPushButton::clicked, this, [] { showHelpContext(HelpContext); });
    connect(buttons, &QDialogButtonBox::accepted, this, &TGSuperTextProperties::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *textRow = new QFormLayout;
    textRow->addRow(tr("Text"), CaptionText);
    auto *fontRow = new QHBoxLayout;
    fontRow->addWidget(fontButton);
    fontRow->addWidget(up);
    fontRow->addWidget(down);
    fontRow->addWidget(symbol);
    auto *surface = new QFormLayout;
    surface->addRow(tr("Surface Type"), SurfaceTypeCombo);
    auto *stack = new QVBoxLayout;
    stack->addWidget(FillPanel);
    stack->addWidget(ImagePanel);
    stack->addWidget(FontcolorPanel);
    stack->addStretch();
    auto *lower = new QHBoxLayout;
    lower->addLayout(surface);
    lower->addLayout(stack);
    lower->addWidget(panel4);
    lower->addWidget(panel3);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(panel1);
    layout->addLayout(textRow);
    layout->addLayout(fontRow);
    layout->addLayout(lower);
    layout->addWidget(buttons);

    connect(CaptionText, &QLineEdit::textEdited, this, [this](const QString &t) {
        m_preview.SetCaption(t);
        m_fitPending = true;
        m_view->update();
    });
    connect(SurfaceTypeCombo, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row < 0)
            return;
        m_preview.SetSurfaceType(TGSuperText::TSurfaceType(row));
        if (row == TGSuperText::stBrushImage)
            m_preview.SetImage(m_lastUsedImage);
        m_preview.FitToText();
        setPanels();
        changed();
    });
    connect(FillDirectionCombo, &QComboBox::activated, this, [this](int i) {
        m_preview.SetFillDirection(model::TFillDirection(i));
        changed();
    });
    connect(GradientFromcolorButton, &TColorButton::Change, this, [this] {
        m_preview.SetGradientFromColor(GradientFromcolorButton->Color());
        changed();
    });
    connect(GradientToColorButton, &TColorButton::Change, this, [this] {
        m_preview.SetGradientToColor(GradientToColorButton->Color());
        changed();
    });
    connect(FontColorButton, &TColorButton::Change, this, [this] {
        model::TGFont font = m_preview.Font();
        font.Color = FontColorButton->Color();
        m_preview.SetTextFont(font);
        changed();
    });
    connect(ShadowColorButton, &TColorButton::Change, this, [this] {
        m_preview.SetShadowcolor(ShadowColorButton->Color());
        changed();
    });
    connect(ShadowOrientationCombo, &QComboBox::activated, this, [this](int i) {
        m_preview.SetShadowOrientation(TGSuperText::TShadowOrientation(i));
        m_preview.FitToText();
        changed();
    });
    connect(ShadowDepthSpinner, &QSpinBox::valueChanged, this, [this](int v) {
        m_preview.SetShadowDepth(v);
        m_preview.FitToText();
        changed();
    });
    connect(OutlineColorButton, &TColorButton::Change, this, [this] {
        m_preview.SetOutlineColor(OutlineColorButton->Color());
        changed();
    });
    connect(OutlineStyleCombo, &QComboBox::activated, this, [this](int i) {
        m_preview.SetOutlineStyle(model::TPenStyle(i));
        changed();
    });
    connect(OutLineWidthSpinner, &QSpinBox::valueChanged, this, [this](int v) {
        m_preview.SetOutlineWidth(v);
        changed();
    });
    connect(load, &QPushButton::clicked, this, &TGSuperTextProperties::LoadTexture);
    connect(fontButton, &QPushButton::clicked, this, &TGSuperTextProperties::SelectFont);
    connect(up, &QToolButton::clicked, this, &TGSuperTextProperties::FontSizeUp);
    connect(down, &QToolButton::clicked, this, &TGSuperTextProperties::FontSizeDown);
    connect(symbol, &QPushButton::clicked, this, &TGSuperTextProperties::SelectSymbol);

    Timer1.setInterval(200);
    connect(&Timer1, &QTimer::timeout, this, &TGSuperTextProperties::FitTick);
    Timer1.start();
    placeDialog(this, Interaction::mainWindow());
}

void TGSuperTextProperties::changed()
{
    m_view->update();
}

void TGSuperTextProperties::setPanels()
{
    const auto type = m_preview.SurfaceType();
    FillPanel->setVisible(type == TGSuperText::stGradientFill);
    ImagePanel->setVisible(type == TGSuperText::stBrushImage);
    FontcolorPanel->setVisible(type == TGSuperText::stNormal);
}

void TGSuperTextProperties::showTypeface()
{
    QFont f = CaptionText->font();
    f.setFamily(m_preview.Font().Name);
    CaptionText->setFont(f);
}

void TGSuperTextProperties::LoadFrom(const TGSuperText &object)
{
    m_preview.CopyFrom(object);
    m_lastPath = object.LastBitmapFileNameandPath;
    LoadControls();
}

void TGSuperTextProperties::LoadControls()
{
    const QList<QObject *> all{SurfaceTypeCombo,   FillDirectionCombo, ShadowOrientationCombo,
                               ShadowDepthSpinner, OutlineStyleCombo,  OutLineWidthSpinner,
                               CaptionText};
    std::vector<std::unique_ptr<QSignalBlocker>> blocks;
    for (QObject *o : all)
        blocks.push_back(std::make_unique<QSignalBlocker>(o));
    const TGSuperText &p = m_preview;
    SurfaceTypeCombo->setCurrentRow(int(p.SurfaceType()));
    FillDirectionCombo->setCurrentIndex(int(p.FillDirection()));
    GradientFromcolorButton->SetColor(p.GradientFromColor());
    GradientToColorButton->SetColor(p.GradientToColor());
    FontColorButton->SetColor(p.Font().Color);
    ShadowColorButton->SetColor(p.Shadowcolor());
    OutlineColorButton->SetColor(p.OutlineColor());
    OutlineStyleCombo->setCurrentIndex(p.OutlineStyle() <= model::psClear ? int(p.OutlineStyle()) : 0);
    OutLineWidthSpinner->setValue(p.OutlineWidth());
    ShadowOrientationCombo->setCurrentIndex(int(p.ShadowOrientation()));
    ShadowDepthSpinner->setValue(p.ShadowDepth());
    setPanels();
    if (!p.Image().IsEmpty())
        m_lastUsedImage = p.Image();
    CaptionText->setText(p.Caption());
    showTypeface();
}

void TGSuperTextProperties::FontSizeUp()
{
    model::TGFont f = m_preview.Font();
    if (f.PointSize() >= 150)
        return;
    f.SetPointSize(f.PointSize() + 5);
    m_preview.SetTextFont(f);
    m_preview.FitToText();
    changed();
}

void TGSuperTextProperties::FontSizeDown()
{
    model::TGFont f = m_preview.Font();
    if (f.PointSize() <= 10)
        return;
    f.SetPointSize(f.PointSize() - 5);
    m_preview.SetTextFont(f);
    m_preview.FitToText();
    changed();
}

void TGSuperTextProperties::FitTick()
{
    Timer1.stop();
    if (m_fitPending) {
        m_preview.FitToText();
        m_fitPending = false;
        changed();
    }
    Timer1.start();
}

void TGSuperTextProperties::SelectFont()
{
    // The dialog opens on the family that really draws the letters; the
    // design's own font name stays when that family comes back unchanged.
    auto chosen = ChooseDesignFont(m_preview.Font());
    if (!chosen)
        return;
    m_preview.SetTextFont(*chosen);
    FontColorButton->SetColor(chosen->Color);
    m_preview.FitToText();
    showTypeface();
    changed();
}

void TGSuperTextProperties::SelectSymbol()
{
    model::TTextEditors *editors = model::TTextEditors::Current();
    if (!editors)
        return;
    // The chooser opens on a symbol font: the text's own font when it is one,
    // Wingdings otherwise (its first character then means nothing there).
    model::TGFont symbolFont = m_preview.Font();
    const QString caption = m_preview.Caption();
    int code = caption.isEmpty() ? -1 : model::TSymbolFonts::CodeOf(caption.front());
    if (!model::TSymbolFonts::IsSymbolFont(symbolFont.Name)) {
        symbolFont.Name = QStringLiteral("Wingdings");
        code = -1;
    }
    auto choice = editors->ChooseSymbol(symbolFont, code);
    if (!choice || choice->Code < 32 || choice->Code > 255)
        return;
    const QString text(model::TSymbolFonts::CharOfCode(choice->Code));
    CaptionText->setText(text);
    m_preview.SetCaption(text);
    model::TGFont f = m_preview.Font();
    f.Name = choice->Font.Name;
    m_preview.SetTextFont(f);
    m_preview.FitToText();
    showTypeface();
    changed();
}

void TGSuperTextProperties::TakeTexture(const model::TGPicture &picture, const QString &path)
{
    m_preview.SetImage(picture);
    m_lastUsedImage = picture;
    m_lastPath = path;
}

void TGSuperTextProperties::LoadTexture()
{
    TGSuperText example;
    example.CopyFrom(m_preview);
    model::TGFont f = example.Font();
    f.Name = QStringLiteral("Times New Roman");
    f.Height = -64;
    example.SetTextFont(f);
    example.SetSurfaceType(TGSuperText::stBrushImage);
    example.FitToText();
    TTextureBrowser browser(
        example, [&example](const model::TGPicture &p) { example.SetImage(p); }, this);
    browser.setObjectName(QStringLiteral("TSuperTextBrushImageBrowser"));
    browser.Start(m_lastPath, {QStringLiteral("bmbrush/"), QStringLiteral("Textures/")});
    if (Interaction::current().exec(browser) == QDialog::Accepted && !browser.SelectedPath().isEmpty())
        TakeTexture(example.Image(), browser.SelectedPath());
    m_preview.FitToText();
    changed();
}

void TGSuperTextProperties::accept()
{
    if (CaptionText->text().isEmpty()) {
        Interaction::current().information(tr("Please enter some text"));
        CaptionText->setFocus();
        return;
    }
    QDialog::accept();
}

bool TGSuperTextProperties::Execute(TGSuperText &object)
{
    TGSuperTextProperties dialog(Interaction::mainWindow());
    dialog.LoadFrom(object);
    dialog.CaptionText->setFocus();
    if (Interaction::current().exec(dialog) != QDialog::Accepted)
        return false;
    object.TakeFromPreview(dialog.Preview(), dialog.LastBitmapPath());
    return true;
}

} // namespace cw::ui
