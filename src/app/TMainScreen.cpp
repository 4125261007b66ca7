#include "app/TMainScreen.h"

#include "merge/TMergeController.h"

#include "app/TLoadBackGround.h"
#include "help/HelpContext.h"
#include "help/TAssistantZook.h"
#include "help/TAssistantZookForm.h"
#include "help/TConfigurationInfo.h"
#include "help/TQexHelp.h"
#include "widgets/Interaction.h"
#include "widgets/ToolIcons.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QDesktopServices>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <QWhatsThis>

namespace cw::ui {

namespace {

const char *const kWebsite = "https://cardwright.org/";

// The grey area of the scroll box around the card; a click on it (outside
// the card) clears the surface's selection.
class ScrollHost : public QWidget
{
public:
    explicit ScrollHost(TGBasePanel *&panel) : m_panel(panel)
    {
        setAutoFillBackground(true);
        setBackgroundRole(QPalette::Button);
    }

protected:
    void mousePressEvent(QMouseEvent *event) override
    {
        if (m_panel)
            m_panel->ClearSelection();
        QWidget::mousePressEvent(event);
    }

private:
    TGBasePanel *&m_panel;
};

struct ToolSpec
{
    const char *name;
    const char *hint;
    ToolGlyph glyph;
    TLPanelState state;
    bool built;
};

// The drawing tools in tool-bar order.  Tools whose objects are not part of
// the program yet stay visible but disabled.
const ToolSpec kTools[] = {
    {"Pointerbutton", QT_TRANSLATE_NOOP("cw::ui::TMainScreen", "Selection tool"), ToolGlyph::Pointer,
     psPointing, true},
    {"DrawLabelButton", QT_TRANSLATE_NOOP("cw::ui::TMainScreen", "Text tool"), ToolGlyph::Text, psLabel,
     true},
    {"DrawMLTextButton", QT_TRANSLATE_NOOP("cw::ui::TMainScreen", "Multi-line text tool"),
     ToolGlyph::MultiLineText, psMultiLineLabel, true},
    {"DrawSymbolButton", QT_TRANSLATE_NOOP("cw::ui::TMainScreen", "Symbol tool"), ToolGlyph::Symbol,
     psSymbolLabel, true},
    {"DrawRectanglebutton", QT_TRANSLATE_NOOP("cw::ui::TMainScreen", "Rectangle tool"), ToolGlyph::Rectangle,
     psRectangle, true},
    {"DrawEllipseButton", QT_TRANSLATE_NOOP("cw::ui::TMainScreen", "Ellipse tool"), ToolGlyph::Ellipse,
     psEllipse, true},
    {"DrawRoundrectbutton", QT_TRANSLATE_NOOP("cw::ui::TMainScreen", "Round Rectangle tool"),
     ToolGlyph::RoundRectangle, psRoundRectangle, true},
    {"DrawLinebutton", QT_TRANSLATE_NOOP("cw::ui::TMainScreen", "Line Tool"), ToolGlyph::Line, psLine, true},
    {"DrawImageButton", QT_TRANSLATE_NOOP("cw::ui::TMainScreen", "Clip Art Tool"), ToolGlyph::ClipArt,
     psImage, true},
    {"DrawSupershape",
     QT_TRANSLATE_NOOP("cw::ui::TMainScreen", "Supershape tool \nMulti-purpose shapes and surfaces"),
     ToolGlyph::SuperShape, psSuperShape, true},
    {"DrawRichText",
     QT_TRANSLATE_NOOP("cw::ui::TMainScreen", "Rich Text tool \nMixed fonts, colors and styles"),
     ToolGlyph::RichText, psRichLabel, true},
    {"DrawSuperTextButton",
     QT_TRANSLATE_NOOP("cw::ui::TMainScreen",
                       "SuperText tool \nSpecial Effects Text - fill with gradients or bitmaps"),
     ToolGlyph::SuperText, psSuperText, true},
    {"DrawCircleTextbutton",
     QT_TRANSLATE_NOOP("cw::ui::TMainScreen",
                       "CircleText Tool \nCircular or semi-circular text using any font"),
     ToolGlyph::CircleText, psCircleText, true},
    {"DrawQRCodeButton",
     QT_TRANSLATE_NOOP("cw::ui::TMainScreen", "QR Code tool \nA code a phone scans to save the contact"),
     ToolGlyph::QRCode, psQRCode, true},
    {"DrawBarcodeButton",
     QT_TRANSLATE_NOOP("cw::ui::TMainScreen", "Barcode tool \nCode 128, EAN-13, DataMatrix, PDF417 or Aztec"),
     ToolGlyph::Barcode, psBarcode, true},
};

} // namespace

bool (*TMainScreen::openUrl)(const QUrl &) = [](const QUrl &url) { return QDesktopServices::openUrl(url); };

TMainScreen::TMainScreen(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("TMainScreen"));
    UpdateCaption();
    setWindowIcon(toolIcon(ToolGlyph::Application));
    QFont windowFont(QStringLiteral("Arial"));
    windowFont.setPointSize(8);
    setFont(windowFont);

    createScrollBox();
    createActions();
    createMenus();
    createToolBar();

    auto *central = new QWidget(this);
    auto *column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    createMergeCommands(*column);
    column->addWidget(m_scrollBox, 1);
    column->addWidget(createBottomStrip());
    connectPrintCommands();
    setCentralWidget(central);
    // The design's 622-pixel client width, widened when the tool bar needs
    // more room under the desktop's fonts.
    const int toolBarWidth = findChild<QToolBar *>()->sizeHint().width();
    resize(std::max(622, toolBarWidth + 8), 404 + menuBar()->sizeHint().height() + 38);

    registerTextTools();
    TQexHelp::Install(this);
    Interaction::setMainWindow(this);
    qApp->installEventFilter(this);
    setAcceptDrops(true); // files and text from other programs (TMainScreen_Drop.cpp)
    FormCreate();
}

TMainScreen::~TMainScreen()
{
    qApp->removeEventFilter(this);
    if (Interaction::mainWindow() == this)
        Interaction::setMainWindow(nullptr);
}

void TMainScreen::createScrollBox()
{
    m_scrollBox = new QScrollArea(this);
    m_scrollBox->setObjectName(QStringLiteral("ScrollBox1"));
    m_scrollBox->setWidgetResizable(false);
    m_scrollBox->setBackgroundRole(QPalette::Button);
    auto *host = new ScrollHost(reinterpret_cast<TGBasePanel *&>(m_panel));
    m_scrollHost = host;
    m_panel = new TGBusinessCardPanel32(host);
    m_panel->move(10, 8);
    m_panel->setDrawOutline(true);
    m_panel->setShape(lsRectangle);
    m_panel->setGridSize(gs4x4);
    m_scrollBox->setWidget(host);
    connect(m_panel, &TGBasePanel::DroppedObjectEvent, this, &TMainScreen::DroppedObject);
}

void TMainScreen::createActions()
{
    auto action = [this](const char *name, const QString &caption) {
        auto *a = new QAction(caption, this);
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };
    New1 = action("New1", tr("&New"));
    Open1 = action("Open1", tr("&Open"));
    Delete1 = action("Delete1", tr("&Delete"));
    mnuSave = action("mnuSave", tr("Save"));
    mnuSaveAs = action("mnuSaveAs", tr("Save &As..."));
    mnuSaveAsBitmap = action("mnuSaveAsBitmap", tr("Save As Bitmap"));
    mnuSaveAsJPG = action("mnuSaveAsJPG", tr("Save As JPG"));
    mnuSaveAsPNG = action("mnuSaveAsPNG", tr("Save As PNG"));
    mnuExportPrintShop = action("mnuExportPrintShop", tr("Export for Print S&hop…"));
    mnuPrint = action("mnuPrint", tr("&Print"));
    mnuPreview = action("mnuPreview", tr("Pre&view"));
    mnuPrinterSetup = action("mnuPrinterSetup", tr("Printer S&etup"));
    mnuPrinterFineTuning = action("mnuPrinterFineTuning", tr("Printer Fine &Tuning"));
    mnuPrintOutlineTestPage = action("mnuPrintOutlineTestPage", tr("Print O&utline Test Page"));
    mnuPrintRegistrationTestPage =
        action("mnuPrintRegistrationTestPage", tr("Print &Registration Test Page"));
    mnuBackSideRegistration = action("mnuBackSideRegistration", tr("&Back Side Registration…"));
    // The sheet as Print composes it, into a PDF file; needs no printer.
    mnuSaveSheetAsPdf = action("mnuSaveSheetAsPdf", tr("Save Sheet As &PDF…"));
    mnuSaveSheetAsPdf->setStatusTip(tr("Save the sheet of cards as a PDF file"));
    mnuSaveSheetAsPdf->setToolTip(mnuSaveSheetAsPdf->statusTip());
    Exit1 = action("Exit1", tr("E&xit"));
    mnuUndo = action("mnuUndo", tr("&Undo"));
    mnuRedo = action("mnuRedo", tr("&Redo"));
    mnuUndo->setEnabled(false);
    mnuRedo->setEnabled(false);
    connect(mnuUndo, &QAction::triggered, this, &TMainScreen::mnuUndoClick);
    connect(mnuRedo, &QAction::triggered, this, &TMainScreen::mnuRedoClick);
    mnuDefaultFont = action("mnuDefaultFont", tr("&Default Font - "));
    PersonalInformation1 = action("PersonalInformation1", tr("&Personal Information"));
    mnuSetorChangeBackgroundArt = action("mnuSetorChangeBackgroundArt", tr("&Set or Change Background Art"));
    ChangeCardLayout1 = action("ChangeCardLayout1", tr("Change Business Card Layout"));
    Contents1 = action("Contents1", tr("&Contents"));
    About1 = action("About1", tr("&About"));
    ConfigurationInformation1 = action("ConfigurationInformation1", tr("Configuration Information"));
    TechnicalSupport1 = action("TechnicalSupport1", tr("Technical Support"));
    FrequentlyAskedQuestions1 = action("FrequentlyAskedQuestions1", tr("Frequently Asked Questions"));
    VisitOurInternetWebsite1 = action("VisitOurInternetWebsite1", tr("Visit Our Internet Website"));

    // Commands whose windows are not part of the program yet are shown but
    // stay disabled; they never pretend to work.

    connect(New1, &QAction::triggered, this, &TMainScreen::New1Click);
    connect(Open1, &QAction::triggered, this, &TMainScreen::Open1Click);
    connect(Delete1, &QAction::triggered, this, &TMainScreen::Delete1Click);
    connect(mnuSave, &QAction::triggered, this, &TMainScreen::mnuSaveClick);
    connect(mnuSaveAs, &QAction::triggered, this, &TMainScreen::mnuSaveAsClick);
    connect(mnuSaveAsBitmap, &QAction::triggered, this, &TMainScreen::mnuSaveAsBitmapClick);
    connect(mnuSaveAsJPG, &QAction::triggered, this, &TMainScreen::mnuSaveAsJPGClick);
    connect(mnuSaveAsPNG, &QAction::triggered, this, &TMainScreen::mnuSaveAsPNGClick);
    connect(mnuExportPrintShop, &QAction::triggered, this, &TMainScreen::mnuExportPrintShopClick);
    connect(Exit1, &QAction::triggered, this, &QWidget::close);
    connect(mnuDefaultFont, &QAction::triggered, this, &TMainScreen::mnuDefaultFontClick);
    connect(PersonalInformation1, &QAction::triggered, this, &TMainScreen::PersonalInformation1Click);
    connect(ChangeCardLayout1, &QAction::triggered, this, &TMainScreen::ChangeCardLayout1Click);
    connect(Contents1, &QAction::triggered, this, [] { showHelpContents(); });
    connect(TechnicalSupport1, &QAction::triggered, this, [] { showHelpContext(1041); });
    connect(FrequentlyAskedQuestions1, &QAction::triggered, this, [] { showHelpContext(911); });
    connect(About1, &QAction::triggered, this, &TMainScreen::About1Click);
    connect(mnuSetorChangeBackgroundArt, &QAction::triggered, this, &TMainScreen::SetBackgroundArtClick);
    connect(ConfigurationInformation1, &QAction::triggered, this, [this] {
        Preferences.DefaultFont = model::TDefaultFont::FromFont(m_panel->Font());
        TConfigurationInfo::Execute(this, Preferences);
    });
    connect(VisitOurInternetWebsite1, &QAction::triggered, this, &TMainScreen::VisitOurInternetWebsiteClick);
    createViewActions();
    createSideActions();
}

void TMainScreen::VisitOurInternetWebsiteClick()
{
    const QString address = QString::fromLatin1(kWebsite);
    if (!openUrl(QUrl(address)))
        Interaction::current().error(tr("No web browser could be started.\n"
                                        "Please visit %1 with your browser.")
                                         .arg(address),
                                     tr("Visit Our Internet Website"));
}

void TMainScreen::createMenus()
{
    m_fileMenu = menuBar()->addMenu(tr("&File"));
    m_fileMenu->addActions({New1, Open1, Delete1});
    m_fileMenu->addSeparator();
    m_fileMenu->addActions(
        {mnuSave, mnuSaveAs, mnuSaveAsBitmap, mnuSaveAsJPG, mnuSaveAsPNG, mnuExportPrintShop});
    m_fileMenu->addSeparator();
    m_fileMenu->addActions({mnuPrint, mnuPreview, mnuSaveSheetAsPdf});
    m_fileMenu->addSeparator();
    m_fileMenu->addActions({mnuPrinterSetup, mnuPrinterFineTuning, mnuPrintOutlineTestPage,
                            mnuBackSideRegistration, mnuPrintRegistrationTestPage});
    m_fileMenu->addSeparator();
    m_fileMenu->addAction(Exit1);

    QMenu *edit = menuBar()->addMenu(tr("&Edit"));
    edit->addActions({mnuUndo, mnuRedo});
    edit->addSeparator();
    edit->addActions({mnuSelectAll, mnuSelectNone});
    edit->addSeparator();
    edit->addActions({mnuDefaultFont, PersonalInformation1, mnuSetorChangeBackgroundArt});
    edit->addSeparator();
    edit->addAction(ChangeCardLayout1);

    QMenu *view = menuBar()->addMenu(tr("&View"));
    view->addActions({mnuZoomIn, mnuZoomOut, mnuZoomActual, mnuZoomFit});
    view->addSeparator();
    view->addActions({mnuFrontSide, mnuBackSide});

    QMenu *help = menuBar()->addMenu(tr("&Help"));
    help->addActions({HelpOnWindow1, Contents1, About1, ConfigurationInformation1, TechnicalSupport1,
                      FrequentlyAskedQuestions1});
    help->addSeparator();
    help->addAction(VisitOurInternetWebsite1);
}

void TMainScreen::createToolBar()
{
    QToolBar *bar = addToolBar(tr("Tools"));
    bar->setObjectName(QStringLiteral("ToolBar"));
    bar->setMovable(false);
    bar->setIconSize(QSize(22, 22));
    bar->setContextMenuPolicy(Qt::PreventContextMenu);

    m_tools = new QActionGroup(this);
    m_toolActions.clear();
    m_tools->setExclusive(true);
    for (size_t i = 0; i < std::size(kTools); ++i) {
        const ToolSpec &spec = kTools[i];
        auto *a = new QAction(toolIcon(spec.glyph), tr(spec.hint), this);
        a->setObjectName(QString::fromLatin1(spec.name));
        a->setToolTip(tr(spec.hint));
        a->setStatusTip(tr(spec.hint).replace(QLatin1Char('\n'), QString()));
        a->setCheckable(true);
        a->setEnabled(spec.built);
        a->setActionGroup(m_tools);
        const TLPanelState state = spec.state;
        connect(a, &QAction::triggered, this, [this, state] { toolChosen(state); });
        bar->addAction(a);
        m_toolActions.push_back(a);
        if (i == 0)
            bar->addSeparator();
    }
    m_toolActions[0]->setChecked(true);
    bar->addSeparator();

    m_assist = bar->addAction(toolIcon(ToolGlyph::QuickTips), tr("Quick Tips"));
    m_assist->setObjectName(QStringLiteral("AssistButton"));
    m_assist->setToolTip(tr("Show the Designer Assistant"));
    connect(m_assist, &QAction::triggered, this, [this] { TAssistantZook::Show(this); });
    if (auto *button = qobject_cast<QToolButton *>(bar->widgetForAction(m_assist)))
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);

    m_showGrid = bar->addAction(toolIcon(ToolGlyph::ShowGrid), tr("Show grid"));
    m_showGrid->setObjectName(QStringLiteral("ShowGrid"));
    m_showGrid->setCheckable(true);
    connect(m_showGrid, &QAction::toggled, m_panel, &TGBasePanel::setShowGrid);

    m_snapToGrid = bar->addAction(toolIcon(ToolGlyph::SnapToGrid), tr("Snap to Grid"));
    m_snapToGrid->setObjectName(QStringLiteral("SnapToGrid"));
    m_snapToGrid->setCheckable(true);
    connect(m_snapToGrid, &QAction::toggled, m_panel, &TGBasePanel::setSnapToGrid);

    m_setBackground = bar->addAction(toolIcon(ToolGlyph::Background), tr("Set or change background art"));
    m_setBackground->setObjectName(QStringLiteral("SetBackgroundArtButton"));
    connect(m_setBackground, &QAction::triggered, this, &TMainScreen::SetBackgroundArtClick);
}

QWidget *TMainScreen::createBottomStrip()
{
    auto *strip = new QFrame(this);
    strip->setObjectName(QStringLiteral("BottomPanel"));
    strip->setFrameShape(QFrame::StyledPanel);
    strip->setMinimumHeight(47);
    auto *row = new QHBoxLayout(strip);
    row->setContentsMargins(6, 4, 6, 4);

    const QString zoomHint = tr("Press plus (+) or minus (-) to \nincrease or decrease the zoom percentage");
    auto *spinner = new QWidget(strip);
    spinner->setObjectName(QStringLiteral("ZoomSpinner"));
    spinner->setToolTip(zoomHint);
    auto *arrows = new QVBoxLayout(spinner);
    arrows->setContentsMargins(0, 0, 0, 0);
    arrows->setSpacing(0);
    m_zoomUp = new QToolButton(spinner);
    m_zoomUp->setArrowType(Qt::UpArrow);
    m_zoomUp->setToolTip(zoomHint);
    m_zoomUp->setAccessibleName(tr("Zoom in"));
    m_zoomDown = new QToolButton(spinner);
    m_zoomDown->setArrowType(Qt::DownArrow);
    m_zoomDown->setToolTip(zoomHint);
    m_zoomDown->setAccessibleName(tr("Zoom out"));
    for (QToolButton *b : {m_zoomUp, m_zoomDown}) {
        b->setFixedSize(22, 16);
        b->setFocusPolicy(Qt::NoFocus);
        arrows->addWidget(b);
    }
    connect(m_zoomUp, &QToolButton::clicked, this, &TMainScreen::ZoomIn);
    connect(m_zoomDown, &QToolButton::clicked, this, &TMainScreen::ZoomOut);
    row->addWidget(spinner);

    auto *zoomBox = new QFrame(strip);
    zoomBox->setFrameShape(QFrame::Panel);
    zoomBox->setFrameShadow(QFrame::Sunken);
    auto *zoomColumn = new QVBoxLayout(zoomBox);
    zoomColumn->setContentsMargins(6, 1, 6, 1);
    zoomColumn->setSpacing(0);
    zoomColumn->addWidget(new QLabel(tr("Zoom:"), zoomBox));
    ZoomCaption = new QLabel(QStringLiteral("100%"), zoomBox);
    ZoomCaption->setObjectName(QStringLiteral("ZoomCaption"));
    ZoomCaption->setStyleSheet(QStringLiteral("color: navy;"));
    zoomColumn->addWidget(ZoomCaption);
    row->addWidget(zoomBox);
    auto *fit = new QToolButton(strip);
    fit->setObjectName(QStringLiteral("ZoomFitButton"));
    fit->setText(tr("Fit"));
    fit->setToolTip(tr("Zoom so that the card fits the window"));
    fit->setFocusPolicy(Qt::NoFocus);
    connect(fit, &QToolButton::clicked, mnuZoomFit, &QAction::trigger);
    row->addWidget(fit);
    row->addSpacing(8);
    row->addWidget(createSideSwitch(strip));
    row->addStretch(1);

    auto button = [strip, row](const char *name, const QString &caption, ToolGlyph glyph) {
        auto *b = new QPushButton(toolIcon(glyph), caption, strip);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        row->addWidget(b);
        return b;
    };
    Savebutton = button("Savebutton", tr("Save as"), ToolGlyph::Save);
    Savebutton->setDefault(true);
    Savebutton->hide();
    connect(Savebutton, &QPushButton::clicked, this, &TMainScreen::SavebuttonClick);
    Cancelbutton = button("Cancelbutton", tr("Cancel"), ToolGlyph::Cancel);
    Cancelbutton->hide();
    connect(Cancelbutton, &QPushButton::clicked, this, &TMainScreen::CancelbuttonClick);
    // Save and Cancel keep their room while hidden, so the window neither
    // widens nor shifts its buttons when a change makes them appear.
    Savebutton->setText(tr("Save As"));
    Savebutton->setMinimumWidth(Savebutton->sizeHint().width());
    for (QPushButton *b : {Savebutton, Cancelbutton}) {
        QSizePolicy policy = b->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        b->setSizePolicy(policy);
    }
    PrintButton = button("PrintButton", tr("&Print"), ToolGlyph::Print);
    Previewbutton = button("Previewbutton", tr("Pre&view"), ToolGlyph::Preview);
    Helpbutton = button("Helpbutton", tr("&Help"), ToolGlyph::Help);
    connect(Helpbutton, &QPushButton::clicked, this, [] { showHelpContext(2016); });

    MouseHelpButton = new QToolButton(strip);
    MouseHelpButton->setObjectName(QStringLiteral("MouseHelpButton"));
    MouseHelpButton->setIcon(toolIcon(ToolGlyph::WhatsThis));
    MouseHelpButton->setIconSize(QSize(22, 22));
    MouseHelpButton->setToolTip(tr("What's this?"));
    MouseHelpButton->setAccessibleName(QStringLiteral("What's this?"));
    connect(MouseHelpButton, &QToolButton::clicked, this, [] { QWhatsThis::enterWhatsThisMode(); });
    row->addWidget(MouseHelpButton);

    CloseButton = button("CloseButton", tr("E&xit"), ToolGlyph::Exit);
    CloseButton->setLayoutDirection(Qt::RightToLeft); // glyph right of the caption
    connect(CloseButton, &QPushButton::clicked, this, &QWidget::close);
    return strip;
}

void TMainScreen::toolChosen(TLPanelState state)
{
    m_panel->SetPanelState(state);
}

void TMainScreen::DroppedObject(const QRect &)
{
    m_panel->SetPanelState(psPointing);
    m_toolActions[0]->setChecked(true);
}

void TMainScreen::SetBackgroundArtClick()
{
    if (TLoadBackGround::Execute(this, *m_panel, BackgroundFile)) {
        SetChangesMade(true);
        RecordDesignState();
    }
}

void TMainScreen::LabelChanged()
{
    if (Busy || m_restoringDesign)
        return;
    SetChangesMade(true);
    // A change is recorded once the command that reported it has finished
    // (objects report before they apply some changes); a burst of reports
    // from one command makes one step.
    if (!m_stateRecordPending) {
        m_stateRecordPending = true;
        QTimer::singleShot(0, this, &TMainScreen::RecordDesignState);
    }
}

} // namespace cw::ui
