#include "objects/TCodeProperties.h"

#include "help/HelpContext.h"
#include "objects/model/TGBarcode.h"
#include "objects/model/TGQRCode.h"
#include "widgets/DialogPlacement.h"
#include "widgets/Interaction.h"
#include "widgets/TColorButton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace cw::ui {

using namespace cw::model;

// The surface the preview lies on: it answers with the personal information
// of the edited object's own surface and keeps every other report to itself,
// so editing the preview never marks the design changed.
class TCodePreviewHost final : public TObjectHost
{
public:
    explicit TCodePreviewHost(TObjectHost *source) : m_source(source) {}
    void Changed() override {}
    void ObjectMoved(TGGraphicControl &) override {}
    void InvalidateRect(const QRect &) override {}
    QSize SurfaceSize() const override { return {300, 300}; }
    bool IsPrinting() const override { return false; }
    bool IsZooming() const override { return false; }
    bool IsPreviewing() const override { return false; }
    QFont SurfaceFont() const override { return m_source ? m_source->SurfaceFont() : QFont(); }
    QString PersonalInfoText(int index) const override
    {
        return m_source ? m_source->PersonalInfoText(index) : QString();
    }
    bool IsSelected(const TGGraphicControl &) const override { return false; }
    void RemoveFromSelection(TGGraphicControl &) override {}
    void ObjectCommand(TGGraphicControl &, TObjectCommand) override {}
    std::optional<TColor> ChooseColor(TColor) override { return std::nullopt; }
    void Repaint() override {}

private:
    TObjectHost *m_source;
};

// The preview: the symbol drawn into a fixed square, its object's aspect kept.
class TCodePreview : public QWidget
{
public:
    TCodePreview(TGCodeObject &object, QWidget *parent) : QWidget(parent), m_object(object)
    {
        setFixedSize(220, 220);
        setAutoFillBackground(true);
        QPalette p = palette();
        p.setColor(QPalette::Window, Qt::white);
        setPalette(p);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        const QSizeF size(std::max(1, m_object.Width()), std::max(1, m_object.Height()));
        const double scale = std::min(width() / size.width(), height() / size.height());
        painter.translate((width() - size.width() * scale) / 2, (height() - size.height() * scale) / 2);
        painter.scale(scale, scale);
        m_object.Paint(painter);
    }

private:
    TGCodeObject &m_object;
};

TCodeProperties::TCodeProperties(const TGCodeObject &object, QWidget *parent)
    : QDialog(parent), m_host(std::make_unique<TCodePreviewHost>(object.Host()))
{
    const bool qr = dynamic_cast<const TGQRCode *>(&object) != nullptr;
    setWindowTitle(qr ? tr("QR Code Properties") : tr("Barcode Properties"));
    m_preview = qr ? std::unique_ptr<TGCodeObject>(std::make_unique<TGQRCode>())
                   : std::unique_ptr<TGCodeObject>(std::make_unique<TGBarcode>());
    m_preview->SetHost(m_host.get());
    m_preview->Loaded();
    // The names the what's-this texts are found by.
    setObjectName(QStringLiteral("TCodeProperties"));

    m_view = new TCodePreview(*m_preview, this);
    m_content = new QComboBox(this);
    m_content->addItem(tr("Text or web address"));
    m_content->addItem(tr("Contact card from the personal information"));
    m_text = new QPlainTextEdit(this);
    m_text->setTabChangesFocus(true);
    m_text->setFixedHeight(72);
    m_kind = new QComboBox(this);
    if (qr)
        m_kind->addItems({tr("Low (7 %)"), tr("Medium (15 %)"), tr("Quartile (25 %)"), tr("High (30 %)")});
    else
        m_kind->addItems({QStringLiteral("Code 128"), QStringLiteral("EAN-13"), QStringLiteral("DataMatrix"),
                          QStringLiteral("PDF417"), QStringLiteral("Aztec")});
    m_fore = new TColorButton(this);
    m_back = new TColorButton(this);
    m_transparent = new QCheckBox(tr("Transparent background"), this);
    m_quietZone = new QSpinBox(this);
    m_quietZone->setRange(0, TGCodeObject::MaxQuietZone);
    m_quietZone->setSuffix(tr(" modules"));
    m_status = new QLabel(this);
    m_status->setWordWrap(true);
    m_view->setObjectName(QStringLiteral("PreviewBox"));
    m_content->setObjectName(QStringLiteral("ContentCombo"));
    m_text->setObjectName(QStringLiteral("CodeTextEdit"));
    m_kind->setObjectName(qr ? QStringLiteral("LevelCombo") : QStringLiteral("SymbologyCombo"));
    m_fore->setObjectName(QStringLiteral("ForeColorButton"));
    m_back->setObjectName(QStringLiteral("BackColorButton"));
    m_transparent->setObjectName(QStringLiteral("TransparentCheck"));
    m_quietZone->setObjectName(QStringLiteral("QuietZoneSpin"));
    m_status->setObjectName(QStringLiteral("StatusLabel"));

    auto *form = new QFormLayout;
    form->addRow(tr("Content"), m_content);
    form->addRow(tr("Text"), m_text);
    form->addRow(qr ? tr("Error correction") : tr("Symbology"), m_kind);
    form->addRow(tr("Code color"), m_fore);
    form->addRow(tr("Background color"), m_back);
    form->addRow(QString(), m_transparent);
    form->addRow(tr("Quiet zone"), m_quietZone);
    form->addRow(QString(), m_status);

    auto *top = new QHBoxLayout;
    top->addWidget(m_view, 0, Qt::AlignTop);
    top->addLayout(form, 1);

    auto *buttons = new QDialogButtonBox(this);
    buttons->setObjectName(QStringLiteral("BottomPanel"));
    auto *ok = buttons->addButton(tr("Ok"), QDialogButtonBox::AcceptRole);
    auto *cancel = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    auto *help = buttons->addButton(tr("Help"), QDialogButtonBox::HelpRole);
    ok->setObjectName(QStringLiteral("OKButton"));
    cancel->setObjectName(QStringLiteral("CancelButton"));
    help->setObjectName(QStringLiteral("HelpButton"));
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [] { showHelpContext(40021); });

    auto *column = new QVBoxLayout(this);
    column->addLayout(top);
    column->addWidget(buttons);

    auto changed = [this] { controlsChanged(); };
    connect(m_content, &QComboBox::currentIndexChanged, this, changed);
    connect(m_text, &QPlainTextEdit::textChanged, this, changed);
    connect(m_kind, &QComboBox::currentIndexChanged, this, changed);
    connect(m_fore, &TColorButton::Change, this, changed);
    connect(m_back, &TColorButton::Change, this, changed);
    connect(m_transparent, &QCheckBox::toggled, this, changed);
    connect(m_quietZone, &QSpinBox::valueChanged, this, changed);
    LoadFrom(object);
}

TCodeProperties::~TCodeProperties() = default;

void TCodeProperties::LoadFrom(const TGCodeObject &object)
{
    m_preview->CopyFrom(object);
    showSettings();
}

void TCodeProperties::SaveTo(TGCodeObject &object)
{
    object.CopyFrom(*m_preview);
}

void TCodeProperties::showSettings()
{
    m_loading = true;
    m_content->setCurrentIndex(int(m_preview->Content()));
    m_text->setPlainText(m_preview->Text());
    if (auto *qr = dynamic_cast<TGQRCode *>(m_preview.get()))
        m_kind->setCurrentIndex(int(qr->Level()));
    else if (auto *barcode = dynamic_cast<TGBarcode *>(m_preview.get()))
        m_kind->setCurrentIndex(int(barcode->Symbology()));
    m_fore->SetColor(m_preview->ForeColor());
    m_back->SetColor(m_preview->BGColor());
    m_transparent->setChecked(m_preview->ControlTransparent());
    m_quietZone->setValue(m_preview->QuietZone());
    m_loading = false;
    updateStatus();
}

void TCodeProperties::controlsChanged()
{
    if (m_loading)
        return;
    m_preview->SetContent(TCodeContent(std::max(0, m_content->currentIndex())));
    m_preview->SetText(m_text->toPlainText());
    if (auto *qr = dynamic_cast<TGQRCode *>(m_preview.get()))
        qr->SetLevel(TQRLevel(std::max(0, m_kind->currentIndex())));
    else if (auto *barcode = dynamic_cast<TGBarcode *>(m_preview.get()))
        barcode->SetSymbology(TBarcodeSymbology(std::max(0, m_kind->currentIndex())));
    m_preview->SetForeColor(m_fore->Color());
    m_preview->SetBGColor(m_back->Color());
    m_preview->SetControlTransparent(m_transparent->isChecked());
    m_preview->SetQuietZone(m_quietZone->value());
    updateStatus();
}

void TCodeProperties::updateStatus()
{
    m_text->setEnabled(m_preview->Content() == TCodeContent::Text);
    const TCodeMatrix &matrix = m_preview->Matrix();
    if (matrix.IsNull())
        m_status->setText(matrix.Error());
    else if (matrix.Linear())
        m_status->setText(tr("%1 modules wide").arg(matrix.Columns()));
    else
        m_status->setText(tr("%1 × %2 modules").arg(matrix.Columns()).arg(matrix.Rows()));
    m_view->update();
}

bool TCodeProperties::Execute(TGCodeObject &object)
{
    TCodeProperties dialog(object, Interaction::mainWindow());
    placeDialog(&dialog, Interaction::mainWindow());
    if (Interaction::current().exec(dialog) != QDialog::Accepted)
        return false;
    dialog.SaveTo(object);
    return true;
}

} // namespace cw::ui
