#include "objects/TCircleTextProperties.h"

#include "design/model/TGColor.h"
#include "help/HelpContext.h"
#include "print/engine/Units.h"
#include "text/TTextEditorsUi.h"
#include "widgets/DialogPlacement.h"
#include "widgets/Interaction.h"
#include "widgets/TColorButton.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QSlider>
#include <QVBoxLayout>

namespace cw::ui {

using namespace cw::model;

// The white page the preview object is painted on.
class TCircleTextPreview : public QWidget
{
public:
    TCircleTextPreview(TGPCircleText &object, QWidget *parent) : QWidget(parent), m_object(object)
    {
        setAutoFillBackground(true);
        QPalette p = palette();
        p.setColor(QPalette::Window, Qt::white);
        setPalette(p);
    }
    void Refit()
    {
        resize(std::max(1, m_object.Width() + 1), std::max(1, m_object.Height() + 1));
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        m_object.PaintTo(painter, 0, 0);
    }

private:
    TGPCircleText &m_object;
};

namespace {
QString degreesText(int position)
{
    return QString::number(position * 90) + QStringLiteral(" degrees");
}

QSlider *trackBar(QWidget *parent)
{
    auto *bar = new QSlider(Qt::Horizontal, parent);
    bar->setRange(1, 4);
    bar->setTickPosition(QSlider::TicksBelow);
    bar->setPageStep(1);
    return bar;
}
} // namespace

TCircleTextProperties::TCircleTextProperties(QWidget *parent)
    : QDialog(parent), m_preview(std::make_unique<TGPCircleText>())
{
    setWindowTitle(tr("CircleText Properties"));
    m_preview->Loaded();
    m_preview->SetBounds(0, 0, 100, 100);

    m_scroll = new QScrollArea(this);
    m_scroll->setFixedSize(298, 334);
    m_scroll->setBackgroundRole(QPalette::Base);
    m_view = new TCircleTextPreview(*m_preview, m_scroll);
    m_scroll->setWidget(m_view);
    m_scroll->setWidgetResizable(false);

    m_text = new QLineEdit(this);
    m_degrees = trackBar(this);
    m_start = trackBar(this);
    m_degreesLabel = new QLabel(this);
    m_startLabel = new QLabel(this);
    m_angled = new QCheckBox(tr("Angled Characters"), this);
    m_mirror = new QCheckBox(tr("Mirrored"), this);
    m_color = new TColorButton(this);
    m_color->setText(tr("Font Color"));
    m_color->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    auto *selectFont = new QPushButton(tr("Select Font"), this);
    auto *sizeUp = new QPushButton(QStringLiteral("\u25B2"), this);
    auto *sizeDown = new QPushButton(QStringLiteral("\u25BC"), this);
    auto *zoomIn = new QPushButton(QStringLiteral("+"), this);
    auto *zoomOut = new QPushButton(QStringLiteral("-"), this);
    m_zoomLabel = new QLabel(QStringLiteral("100%"), this);

    auto *controls = new QGridLayout;
    int row = 0;
    controls->addWidget(new QLabel(tr("Text"), this), row, 0);
    controls->addWidget(m_text, row++, 1, 1, 2);
    controls->addWidget(new QLabel(tr("Degrees"), this), row, 0);
    controls->addWidget(m_degrees, row, 1);
    controls->addWidget(m_degreesLabel, row++, 2);
    controls->addWidget(new QLabel(tr("Starting Angle"), this), row, 0);
    controls->addWidget(m_start, row, 1);
    controls->addWidget(m_startLabel, row++, 2);
    controls->addWidget(m_angled, row++, 1);
    controls->addWidget(m_mirror, row++, 1);
    controls->addWidget(m_color, row++, 1);
    auto *fontRow = new QHBoxLayout;
    fontRow->addWidget(selectFont);
    fontRow->addWidget(sizeUp);
    fontRow->addWidget(sizeDown);
    controls->addLayout(fontRow, row++, 1, 1, 2);
    auto *zoomRow = new QHBoxLayout;
    zoomRow->addWidget(zoomOut);
    zoomRow->addWidget(m_zoomLabel);
    zoomRow->addWidget(zoomIn);
    controls->addLayout(zoomRow, row++, 1, 1, 2);
    controls->setRowStretch(row, 1);

    auto *buttons = new QDialogButtonBox(this);
    auto *ok = buttons->addButton(tr("Ok"), QDialogButtonBox::AcceptRole);
    auto *cancel = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    auto *help = buttons->addButton(tr("Help"), QDialogButtonBox::HelpRole);
    ok->setDefault(true);

    auto *top = new QHBoxLayout;
    top->addWidget(m_scroll);
    top->addLayout(controls, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(buttons);
    resize(582, 423);

    connect(m_text, &QLineEdit::textEdited, this, [this](const QString &t) {
        m_preview->SetCaption(t);
        previewChanged();
    });
    connect(m_degrees, &QSlider::valueChanged, this, [this](int v) {
        m_degreesLabel->setText(degreesText(v));
        if (!m_showing) {
            m_preview->SetDegrees(TDegrees(v - 1));
            previewChanged();
        }
    });
    connect(m_start, &QSlider::valueChanged, this, [this](int v) {
        m_startLabel->setText(degreesText(v));
        if (!m_showing) {
            m_preview->SetStartingVector(TDegrees(v - 1));
            previewChanged();
        }
    });
    connect(m_angled, &QCheckBox::toggled, this, [this](bool on) {
        if (!m_showing) {
            m_preview->SetDrawLettersAngled(on);
            previewChanged();
        }
    });
    connect(m_mirror, &QCheckBox::toggled, this, [this](bool on) {
        if (!m_showing) {
            m_preview->SetMirror(on);
            previewChanged();
        }
    });
    connect(m_color, &TColorButton::Change, this, &TCircleTextProperties::FontColor);
    connect(selectFont, &QPushButton::clicked, this, &TCircleTextProperties::SelectFont);
    connect(sizeUp, &QPushButton::clicked, this, &TCircleTextProperties::FontSizeUp);
    connect(sizeDown, &QPushButton::clicked, this, &TCircleTextProperties::FontSizeDown);
    connect(zoomIn, &QPushButton::clicked, this, &TCircleTextProperties::ZoomIn);
    connect(zoomOut, &QPushButton::clicked, this, &TCircleTextProperties::ZoomOut);
    connect(ok, &QPushButton::clicked, this, &TCircleTextProperties::OkClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, &TCircleTextProperties::HelpClick);
    showSettings();
}

TCircleTextProperties::~TCircleTextProperties() = default;

void TCircleTextProperties::LoadFrom(const TGPCircleText &object)
{
    m_preview->CopyFrom(object);
    showSettings();
}

void TCircleTextProperties::SaveTo(TGPCircleText &object)
{
    m_preview->SetZoom(1.0f);
    object.CopyFrom(*m_preview);
}

void TCircleTextProperties::showSettings()
{
    m_showing = true;
    m_degrees->setValue(int(m_preview->Degrees()) + 1);
    m_degreesLabel->setText(degreesText(m_degrees->value()));
    m_start->setValue(int(m_preview->StartingVector()) + 1);
    m_startLabel->setText(degreesText(m_start->value()));
    m_angled->setChecked(m_preview->DrawLettersAngled());
    m_mirror->setChecked(m_preview->Mirror());
    m_color->SetColor(m_preview->Font().Color);
    m_text->setText(m_preview->Caption());
    m_showing = false;
    previewChanged();
}

void TCircleTextProperties::previewChanged()
{
    m_view->Refit();
}

void TCircleTextProperties::FontSizeUp()
{
    TGFont font = m_preview->Font();
    if (font.PointSize() < 150) {
        font.SetPointSize(font.PointSize() + 5);
        m_preview->SetTextFont(font);
        previewChanged();
    }
}

void TCircleTextProperties::FontSizeDown()
{
    TGFont font = m_preview->Font();
    if (font.PointSize() > 10) {
        font.SetPointSize(font.PointSize() - 5);
        m_preview->SetTextFont(font);
        previewChanged();
    }
}

void TCircleTextProperties::ZoomIn()
{
    // Float steps, as the zoom is kept: 0.5 … 1.0 in tenths.
    if (m_preview->Zoom() < 1.0f)
        m_preview->SetZoom(m_preview->Zoom() + 0.1f);
    m_zoomLabel->setText(QString::number(Round(m_preview->Zoom() * 100.0)) + QStringLiteral("%"));
    previewChanged();
}

void TCircleTextProperties::ZoomOut()
{
    if (m_preview->Zoom() > 0.5f)
        m_preview->SetZoom(m_preview->Zoom() - 0.1f);
    m_zoomLabel->setText(QString::number(Round(m_preview->Zoom() * 100.0)) + QStringLiteral("%"));
    previewChanged();
}

void TCircleTextProperties::SelectFont()
{
    // The font dialog's colour is the text colour, as the "Font Color" button's.
    if (std::optional<TGFont> font = ChooseDesignFont(m_preview->Font())) {
        m_preview->SetTextFont(*font);
        m_color->SetColor(font->Color);
        previewChanged();
    }
}

void TCircleTextProperties::FontColor()
{
    TGFont font = m_preview->Font();
    font.Color = m_color->Color();
    m_preview->SetTextFont(font);
    previewChanged();
}

void TCircleTextProperties::OkClick()
{
    if (m_text->text().isEmpty()) {
        Interaction::current().information(tr("Please enter some text"));
        m_text->setFocus();
        return;
    }
    accept();
}

void TCircleTextProperties::HelpClick()
{
    showHelpContext(40017);
}

bool TCircleTextProperties::Execute(TGPCircleText &object)
{
    TCircleTextProperties dialog(Interaction::mainWindow());
    placeDialog(&dialog, Interaction::mainWindow());
    dialog.LoadFrom(object);
    if (Interaction::current().exec(dialog) != QDialog::Accepted)
        return false;
    dialog.SaveTo(object);
    return true;
}

} // namespace cw::ui
