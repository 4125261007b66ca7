#include "objects/TRichTextLabelEditor.h"

#include "design/model/TGColor.h"
#include "help/HelpContext.h"
#include "objects/model/TGPRichBaseLabel.h"
#include "print/engine/Units.h"
#include "richtext/TRichTextToolBar.h"
#include "richtext/TRtfTextEdit.h"
#include "richtext/model/TRichTextControl.h"
#include "richtext/model/TRtfReader.h"
#include "richtext/model/TRtfWriter.h"
#include "widgets/DialogPlacement.h"
#include "widgets/Interaction.h"

#include <QAbstractTextDocumentLayout>
#include <QDialogButtonBox>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollArea>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace cw::ui {

using namespace cw::model;

TRichTextLabelEditor::TRichTextLabelEditor(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("Rich Text Editor"));
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(8);
    setFont(font);

    auto *scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    auto *host = new QWidget;
    m_pageHost = host;
    m_panel = new QFrame(host);
    m_panel->setObjectName(QStringLiteral("WPPanel"));
    m_panel->setFrameShape(QFrame::Box);
    m_panel->setAutoFillBackground(true);
    m_panel->move(5, 5);
    QPalette p = m_panel->palette();
    p.setColor(QPalette::Window, Qt::white);
    m_panel->setPalette(p);
    m_editor = new richtext::TRtfTextEdit(m_panel);
    m_editor->setObjectName(QStringLiteral("WPRichText1"));
    m_editor->setFrameShape(QFrame::NoFrame);
    m_editor->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_editor->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_editor->setTabChangesFocus(false);
    m_editor->viewport()->setAutoFillBackground(false);
    m_editor->setStyleSheet(QStringLiteral("QTextEdit { background: transparent; }"));
    m_editor->document()->setDocumentMargin(0);
    // Text without a size of its own has the master's default, not the dialog's.
    m_editor->document()->setDefaultFont(richtext::TRichTextControl().Document().defaultFont());
    // The editor covers the whole page, frame included (its background is
    // transparent, so the frame shows): the text starts at the page's edge and
    // a line as wide as the label is not cut, as on the card.
    scroll->setWidget(host);
    scroll->setWidgetResizable(true);

    m_toolBar = new richtext::TRichTextToolBar(m_editor, this);
    auto *zoomPlus = new QToolButton(this);
    zoomPlus->setObjectName(QStringLiteral("ZoomPlusButton"));
    zoomPlus->setText(QStringLiteral("+"));
    zoomPlus->setToolTip(tr("Zoom In"));
    auto *zoomMinus = new QToolButton(this);
    zoomMinus->setObjectName(QStringLiteral("ZoomMinusButton"));
    zoomMinus->setText(QStringLiteral("-"));
    zoomMinus->setToolTip(tr("Zoom Out"));
    m_toolBar->addSeparator();
    m_toolBar->addWidget(zoomPlus);
    m_toolBar->addWidget(zoomMinus);
    connect(zoomPlus, &QToolButton::clicked, this, &TRichTextLabelEditor::ZoomIn);
    connect(zoomMinus, &QToolButton::clicked, this, &TRichTextLabelEditor::ZoomOut);

    auto *buttons = new QDialogButtonBox(this);
    auto *ok = buttons->addButton(tr("Ok"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    auto *cancel = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("Cancelbutton"));
    auto *help = buttons->addButton(tr("Help"), QDialogButtonBox::HelpRole);
    help->setObjectName(QStringLiteral("Helpbutton"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [] { showHelpContext(40013); });

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_toolBar);
    layout->addWidget(scroll, 1);
    auto *bottom = new QWidget(this);
    bottom->setFixedHeight(49);
    auto *bottomLayout = new QHBoxLayout(bottom);
    bottomLayout->addStretch(1);
    bottomLayout->addWidget(buttons);
    layout->addWidget(bottom);
    resize(601, 343);
    setFocusProxy(m_editor);
    m_editor->setFocus();
}

void TRichTextLabelEditor::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    m_editor->setFocus(Qt::OtherFocusReason);
}

QSize TRichTextLabelEditor::sizeHint() const
{
    return QSize(601, 343).expandedTo(minimumSizeHint());
}

void TRichTextLabelEditor::LoadFrom(const TGPRichBaseLabel &label)
{
    if (label.RTFText().isEmpty())
        m_editor->document()->clear();
    else
        richtext::TRtfReader::Read(label.RTFText(), *m_editor->document());
    if (!label.Transparent()) {
        QPalette p = m_panel->palette();
        p.setColor(QPalette::Window, TGColor::ToQColor(label.BGColor()));
        m_panel->setPalette(p);
    }
    // The text wraps at the label's width at 100 %, as on the card.
    m_pageWidth = label.PageWidthTwips() * 96.0 / richtext::TRichTextControl::TwipsPerInch;
    m_editor->setLineWrapMode(QTextEdit::FixedPixelWidth);
    m_panel->resize(label.Width() + 1, label.Height() + 1);
    m_zoom = std::max(1, Round(label.Zoom() * 100.0));
    m_w0 = m_panel->width();
    m_h0 = m_panel->height();
    m_z0 = m_zoom;
    layoutAtZoom();
}

QByteArray TRichTextLabelEditor::Rtf() const
{
    if (m_editor->document()->isEmpty())
        return {};
    return richtext::TRtfWriter::Write(*m_editor->document());
}

void TRichTextLabelEditor::ZoomIn()
{
    if (m_zoom < 100) {
        m_zoom += 10;
        applyZoom();
    }
}

void TRichTextLabelEditor::ZoomOut()
{
    if (m_zoom > 50) {
        m_zoom -= 10;
        applyZoom();
    }
}

void TRichTextLabelEditor::applyZoom()
{
    m_panel->resize(Round(double(m_zoom) * m_w0 / m_z0), Round(double(m_zoom) * m_h0 / m_z0));
    layoutAtZoom();
}

void TRichTextLabelEditor::layoutAtZoom()
{
    // Point sizes become pixels through the device's resolution, so a device
    // of 96 × zoom % dpi shows the text at the zoom; the wrap width scales
    // with it and the words on each line stay those of the card.
    const int dotsPerMeter = std::max(1, Round(3780.0 * m_zoom / 100.0));
    m_zoomDevice = QImage(1, 1, QImage::Format_ARGB32_Premultiplied);
    m_zoomDevice.setDotsPerMeterX(dotsPerMeter);
    m_zoomDevice.setDotsPerMeterY(dotsPerMeter);
    m_editor->document()->documentLayout()->setPaintDevice(&m_zoomDevice);
    m_editor->setLineWrapColumnOrWidth(std::max(1, int(m_pageWidth * m_zoom / 100.0)));
    m_editor->setGeometry(m_panel->rect());
    // The scroll box scrolls over the whole page, with its 5-pixel margin.
    m_pageHost->setMinimumSize(m_panel->geometry().bottomRight().x() + 6,
                               m_panel->geometry().bottomRight().y() + 6);
}

std::optional<QByteArray> TRichTextLabelEditor::Execute(TGPRichBaseLabel &label)
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    TRichTextLabelEditor dialog(Interaction::mainWindow());
    placeDialog(&dialog, Interaction::mainWindow());
    dialog.LoadFrom(label);
    QGuiApplication::restoreOverrideCursor();
    if (Interaction::current().exec(dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.Rtf();
}

} // namespace cw::ui
