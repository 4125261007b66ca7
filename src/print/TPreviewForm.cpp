#include "print/TPreviewForm.h"

#include "app/model/Exception.h"
#include "app/model/TIniFile.h"
#include "app/model/TWindowPlacement.h"
#include "help/HelpContext.h"
#include "print/TFilePreview.h"
#include "widgets/Interaction.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWhatsThis>

namespace cw::ui {

namespace {

const QString PlacementClass = QStringLiteral("TPreviewForm");

// The magnifier the page shows under the mouse: a lens with a handle.
QCursor MagnifyCursor()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 4));
    painter.drawEllipse(QPointF(12, 12), 8, 8);
    painter.drawLine(QPointF(18, 18), QPointF(28, 28));
    painter.setPen(QPen(Qt::black, 2));
    painter.drawEllipse(QPointF(12, 12), 8, 8);
    painter.drawLine(QPointF(18, 18), QPointF(28, 28));
    painter.end();
    return QCursor(pixmap, 12, 12);
}

int ScreenDpi(const QWidget *w)
{
    const QScreen *screen = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    return screen ? qRound(screen->logicalDotsPerInch() * screen->devicePixelRatio()) : 96;
}

QToolButton *GlyphButton(QWidget *parent, const char *name, QStyle::StandardPixmap fallback,
                         const QString &text)
{
    auto *b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setIcon(parent->style()->standardIcon(fallback));
    b->setText(text);
    b->setToolTip(text);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    b->setFixedSize(35, 35);
    return b;
}

} // namespace

TPreviewForm::TPreviewForm(QWidget *parent)
    : QDialog(parent ? parent : Interaction::mainWindow(), Qt::Window | Qt::WindowSystemMenuHint |
                                                               Qt::WindowMaximizeButtonHint |
                                                               Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("TPreviewForm"));
    setWindowTitle(tr("Preview Business Cards"));
    QFont formFont(QStringLiteral("Arial"));
    formFont.setPointSize(10);
    setFont(formFont);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setAlignment(Qt::AlignCenter);
    ScrollBox1->viewport()->setCursor(MagnifyCursor());
    ScrollBox1->viewport()->installEventFilter(this);
    column->addWidget(ScrollBox1, 1);

    auto *panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Panel2"));
    panel->setFixedHeight(41);
    auto *row = new QHBoxLayout(panel);
    row->setContentsMargins(4, 3, 4, 3);
    CloseButton = new QPushButton(tr("Ok"), panel);
    CloseButton->setObjectName(QStringLiteral("CloseButton"));
    CloseButton->setDefault(true);
    CloseButton->setMinimumSize(79, 35);
    row->addWidget(CloseButton);
    row->addSpacing(12);
    QToolButton *zoomIn = GlyphButton(panel, "sbZoomIn", QStyle::SP_ArrowUp, QStringLiteral("+"));
    QToolButton *zoomOut = GlyphButton(panel, "sbZoomOut", QStyle::SP_ArrowDown, QStringLiteral("\u2212"));
    QToolButton *pageWidth =
        GlyphButton(panel, "sbZoomPageWidth", QStyle::SP_ArrowRight, QStringLiteral("\u2194"));
    QToolButton *wholePage = GlyphButton(panel, "sbZoomPage", QStyle::SP_FileIcon, QStringLiteral("\u25AF"));
    zoomIn->setToolTip(tr("Zoom in"));
    zoomOut->setToolTip(tr("Zoom out"));
    pageWidth->setToolTip(tr("Page width"));
    wholePage->setToolTip(tr("Whole page"));
    for (QToolButton *b : {zoomIn, zoomOut, pageWidth, wholePage})
        row->addWidget(b);
    row->addStretch(1);
    auto *help = new QPushButton(tr("Help"), panel);
    help->setObjectName(QStringLiteral("Helpbutton"));
    help->setAutoDefault(false);
    help->setMinimumSize(72, 35);
    row->addWidget(help);
    auto *whatsThis = new QToolButton(panel);
    whatsThis->setObjectName(QStringLiteral("MouseHelpButton"));
    whatsThis->setText(QStringLiteral("?"));
    whatsThis->setToolTip(tr("What's this?"));
    whatsThis->setFixedSize(37, 35);
    row->addWidget(whatsThis);
    column->addWidget(panel);

    FilePreview1 = new TFilePreview(this);
    FilePreview1->setObjectName(QStringLiteral("FilePreview1"));
    FilePreview1->SetStreamMode(engine::TStreamMode::smUser);
    FilePreview1->SetScrollBox(ScrollBox1);
    FilePreview1->SetZoomFactor(100);
    FilePreview1->SetMarginPercent(2.5);
    FilePreview1->SetShadowDepth(5);
    connect(FilePreview1, &TFilePreview::OnPageChange, this, &TPreviewForm::FilePreview1PageChange);
    connect(FilePreview1, &TFilePreview::OnZoomChange, this, &TPreviewForm::FilePreview1ZoomChange);

    connect(CloseButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(zoomIn, &QToolButton::clicked, this, &TPreviewForm::SBZoomInClick);
    connect(zoomOut, &QToolButton::clicked, this, &TPreviewForm::SBZoomOutClick);
    connect(pageWidth, &QToolButton::clicked, this, &TPreviewForm::SBZoomPageWidthClick);
    connect(wholePage, &QToolButton::clicked, this, &TPreviewForm::SBZoomPageClick);
    connect(help, &QPushButton::clicked, this, [] { showHelpContext(HelpContext); });
    connect(whatsThis, &QToolButton::clicked, this, [] { QWhatsThis::enterWhatsThisMode(); });

    resize(608, 424);
}

TPreviewForm::~TPreviewForm() = default;

void TPreviewForm::SetStream(QIODevice *stream)
{
    FilePreview1->SetStream(stream);
}

void TPreviewForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_firstActivation)
        QTimer::singleShot(0, this, &TPreviewForm::FormActivate);
}

void TPreviewForm::FormActivate()
{
    if (!m_firstActivation)
        return;
    m_firstActivation = false;
    RestorePlacement();
    FilePreview1->Start();
    if (QLabel *image = FilePreview1->ImageControl()) {
        image->installEventFilter(this);
        image->setCursor(ScrollBox1->viewport()->cursor());
    }
    FilePreview1->SetZoomFactor(100);
    FilePreview1PageChange();
}

void TPreviewForm::done(int result)
{
    FormClose();
    QDialog::done(result);
}

void TPreviewForm::closeEvent(QCloseEvent *event)
{
    FormClose();
    QDialog::closeEvent(event);
}

void TPreviewForm::FormClose()
{
    if (m_closed)
        return;
    m_closed = true;
    SavePlacement();
    if (FilePreview1->Replaying())
        FilePreview1->Finish();
}

bool TPreviewForm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress &&
        (watched == ScrollBox1->viewport() || watched == FilePreview1->ImageControl())) {
        ScrollBox1MouseDown(static_cast<QMouseEvent *>(event)->button());
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TPreviewForm::ScrollBox1MouseDown(Qt::MouseButton button)
{
    if (button == Qt::LeftButton)
        FilePreview1->ZoomIn();
    else
        FilePreview1->ZoomOut();
}

void TPreviewForm::SBZoomInClick()
{
    FilePreview1->ZoomIn();
}
void TPreviewForm::SBZoomOutClick()
{
    FilePreview1->ZoomOut();
}
void TPreviewForm::SBZoomPageWidthClick()
{
    FilePreview1->SetZoomFactor(FilePreview1->ZoomPageWidthFactor());
}
void TPreviewForm::SBZoomPageClick()
{
    FilePreview1->SetZoomFactor(FilePreview1->ZoomPageFactor());
}

void TPreviewForm::FilePreview1PageChange()
{
    setWindowTitle(tr("Preview Page %1 of %2")
                       .arg(FilePreview1->CurrentPage() - FilePreview1->FirstPage() + 1)
                       .arg(FilePreview1->PageCount()));
}

void TPreviewForm::FilePreview1ZoomChange()
{
    // The preview has already drawn the page at the new zoom.
}

void TPreviewForm::FormKeyDown(int key)
{
    QScrollBar *bar = ScrollBox1->verticalScrollBar();
    if (key == Qt::Key_Up)
        bar->setValue(std::max(0, bar->value() - bar->singleStep()));
    else if (key == Qt::Key_Down)
        bar->setValue(std::min(bar->maximum(), bar->value() + bar->singleStep()));
}

void TPreviewForm::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
        FormKeyDown(event->key());
        return;
    }
    QDialog::keyPressEvent(event);
}

void TPreviewForm::RestorePlacement()
{
    try {
        model::TIniFile ini(model::TIniFile::SettingsFileName());
        const model::TWindowPlacement stored =
            model::TWindowPlacement::Read(ini, PlacementClass, ScreenDpi(this), isMaximized());
        const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
        const QSize screenSize = screen ? screen->availableGeometry().size() : QSize(1024, 768);
        const auto restore = stored.Compute(geometry(), screenSize);
        if (restore.Maximize)
            setWindowState(windowState() | Qt::WindowMaximized);
        else
            setGeometry(restore.Geometry);
    } catch (const cw::Exception &) {
        // An unreadable settings file leaves the window where it is.
    }
}

void TPreviewForm::SavePlacement()
{
    try {
        model::TIniFile ini(model::TIniFile::SettingsFileName());
        model::TWindowPlacement::FromRect(normalGeometry(), isMaximized())
            .Write(ini, PlacementClass, ScreenDpi(this));
    } catch (const cw::Exception &e) {
        Interaction::current().error(e.message(), QStringLiteral("Cardwright"));
    }
}

} // namespace cw::ui
