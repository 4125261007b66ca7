#pragma once
// The main window: the tool bar that picks the surface's drawing tool, the
// scroll box holding the design surface, the bottom strip of command buttons
// with the zoom control, and the main menu.  It holds the document state
// (file name, background picture, changes-made flag), the card layout, the
// personal information and the card positions selected for printing.
//
// The window is split by concern: construction of menus and bars here
// (TMainScreen.cpp), document state and zoom (TMainScreen_State.cpp),
// settings, layout and placement (TMainScreen_Prefs.cpp), activation and
// printer check (TMainScreen_Activate.cpp), the View menu, the desktop's
// usual keys and the placing of the card in the window (TMainScreen_View.cpp),
// and what is dropped on the window from other programs (TMainScreen_Drop.cpp).

#include "app/model/TCardLayout.h"
#include "app/model/TPictureExport.h"
#include "app/model/TPreferences.h"
#include "app/model/TUndoHistory.h"
#include "design/TGBusinessCardPanel32.h"
#include "print/model/TCardSelection.h"
#include "print/model/TTwoSidedSheet.h"
#include "print/printer/TReportPrinter.h"

#include <QMainWindow>
#include <array>
#include <vector>
#include <memory>
#include <optional>

class QAction;
class QActionGroup;
class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;
class QMimeData;
class QLabel;
class QKeyEvent;
class QMenu;
class QPushButton;
class QScrollArea;
class QToolButton;
class QUrl;
class QVBoxLayout;
class QWheelEvent;

namespace cw::ui {

class TLabelPrinter;
class TMRUFileList;
class TMergeController;

class TMainScreen : public QMainWindow
{
    Q_OBJECT

public:
    explicit TMainScreen(QWidget *parent = nullptr);
    ~TMainScreen() override;

    // Document state.  BackgroundFile is the background of the side shown.
    QString FileName;
    QString BackgroundFile;
    bool ChangesMade() const { return m_changesMade; }
    // True from creation until the first activation has finished, and while
    // the window changes the surface itself; design changes are then ignored.
    bool Busy = true;
    model::TCardSelection SelectedCards;
    bool PrintToPrinter = false;
    bool PrintTestPage = false;
    bool PrinterReady() const { return m_printerReady; }

    // Layout, personal information, default font and the bottom-margin
    // warning switch, as last loaded from or saved to the settings file.
    model::TPreferences Preferences;
    model::TCardLayout &Layout() { return Preferences.Layout; }

    TGBusinessCardPanel32 *BusinessCardPanel() const { return m_panel; }

    // The two sides of the card (TMainScreen_Sides.cpp).  The Front and Back
    // switch beside the zoom (Ctrl+Page Up, Ctrl+Page Down) shows one side
    // on the surface; each side has its own objects and background, and
    // both share the layout, the undo history and the clipboard.
    model::TCardSide CardSide() const { return m_panel->Side(); }
    void ShowCardSide(model::TCardSide side);
    // The background picture's path of a side, whichever side is shown.
    QString SideBackgroundFile(model::TCardSide side) const
    {
        return side == m_panel->Side() ? BackgroundFile : m_hiddenBackgroundFile;
    }
    // True when the card has a back to save and print (objects or a
    // background); a card without one is a one-sided card as before.
    bool HasBack() const;

    void SetChangesMade(bool value);
    void Setbuttons();
    // "Save changes?" with Yes, No and Cancel.  True when the command that
    // asked may go on: nothing was changed, the user answered No, or the
    // design was saved.  False when the user cancelled (the question or the
    // Save As dialog) or the save failed: the design and its changed mark
    // stay as they were.
    bool CheckSaveNeeded();
    void SetCardSizeFromInches();
    void SetDefaultFontCaption();
    void SetPanelPersonalInfo();
    void LoadPreferences();
    void SavePreferences();
    void SelectAllLabels() { SelectedCards.fill(true); }

    // First activation: placement, outline, card size, printer check.
    void FormActivate();
    // Zoom in or out by one 10 % step within 100 % … 150 % (the spinner and
    // the numeric keypad's plus and minus).
    void ZoomIn();
    void ZoomOut();
    QString zoomCaptionText() const;

    // The View menu's zoom, 25 % … 800 %: one step along the zoom ladder
    // (which holds the spinner's 10 % steps between 100 % and 150 %), back to
    // 100 %, or the largest whole percentage at which the card fits the
    // window.  Fit stays in force while the window is resized, until another
    // zoom is chosen.
    static constexpr float MinZoom = 0.25f;
    static constexpr float MaxZoom = 8.0f;
    void ZoomStepIn();
    void ZoomStepOut();
    void ZoomActualSize();
    void ZoomToFit();
    bool FitToWindow() const { return m_fitToWindow; }
    // Sets the zoom (clamped to MinZoom … MaxZoom); the selection is cleared.
    // A card smaller than the window stays centred in it; a larger one keeps
    // the card point at the view's centre where it was.  Zooming is no
    // design change.
    void ZoomTo(float factor);

    // Esc: a drawing tool goes back to the selection tool; with the
    // selection tool the selection is cleared.
    void EscapeClick();
    // "Visit Our Internet Website": the default browser at the program's
    // site; the user is told when no browser could be started.
    void VisitOurInternetWebsiteClick();
    // The window's caption: "NAME[*] — Cardwright", or "Cardwright[*]" for a
    // design without a file; the mark shows while changes are unsaved.
    void UpdateCaption();

    // Window placement in the settings file (section per class and screen dpi).
    void SaveWindowPlacement();
    void RestoreWindowPlacement();

    // A card file named on the command line: opened at the first activation
    // instead of the most recent file.
    QString StartupFile;
    // A card file handed over by the desktop while the designer runs.
    void OpenFromDesktop(const QString &path);

    // File menu commands and the card file around them.
    TMRUFileList *RecentFiles = nullptr;
    void New1Click();
    void Open1Click();
    void OpenBCFile(const QString &path);
    void RecentFileClick(const QString &path);
    bool SaveBCFile(const QString &path);
    // Both are true when the design was written.  A Save As that is
    // cancelled or fails keeps the document's name and the recent files.
    bool mnuSaveClick();
    bool mnuSaveAsClick();
    void SavebuttonClick();
    void Delete1Click();
    void mnuSaveAsBitmapClick();
    void mnuSaveAsJPGClick();
    void mnuSaveAsPNGClick();
    // The single card as a PDF for a print shop, with bleed and crop marks.
    void mnuExportPrintShopClick();
    // Renders the card at `dpi` (96: 100 %), optionally with a black border
    // one screen pixel wide, and writes it as a Windows bitmap, a JPEG of
    // quality 80 or a PNG; false on failure.
    bool SaveCardToBitmap(const QString &path, model::TExportType type, int dpi);

    // Undo and redo of design changes.  The history restarts with every
    // new or opened design; saving marks the state undo may return to with
    // the changes-made flag cleared.
    model::TUndoHistory UndoHistory;
    void mnuUndoClick();
    void mnuRedoClick();
    // Records the design as it is now (after a reported change).
    void RecordDesignState();
    // The history restarts from the design as it is now, saved.
    void ResetUndoHistory();
    // The design as it is now has just been saved.
    void MarkDesignSaved();

    // Handlers of the commands that belong to this window.
    void PersonalInformation1Click();
    void mnuDefaultFontClick();
    void ChangeCardLayout1Click();
    void CancelbuttonClick();
    void About1Click();
    // Sets, changes or removes the background picture.
    void SetBackgroundArtClick();

    // Printing: the print engine object (made at the first activation when
    // the printer check succeeds), the print commands and the hand-over to
    // card selection, the status dialog and the preview.
    std::unique_ptr<printer::TReportPrinter> ReportPrinter;
    void CreateReportPrinter();
    bool DoPageSetup();
    void DoPrint();
    void mnuPrintClick();
    void mnuPreviewClick();
    void mnuPrinterSetupClick();
    void mnuPrinterFineTuningClick();
    void mnuPrintOutlineTestPageClick();
    // Both sides of the sheet with a cross at every card centre, to hold
    // against the light and tune the back-side registration.
    void mnuPrintRegistrationTestPageClick();
    // The binding and back-side offset of double-sided printing.
    void mnuBackSideRegistrationClick();
    // The sheet Print composes (selection, sheets, layout, nudges,
    // background), written into a PDF file the user names; works without a
    // printer.
    void mnuSaveSheetAsPdfClick();

    // The merge of a CSV or vCard file (TMainScreen_Merge.cpp): its bar above
    // the card, its File menu entries, and one card per record in Print,
    // Preview and Save Sheet As PDF while it is open.
    std::unique_ptr<TMergeController> Merge;

    // Overridable for tests: whether the system has printers, and its default.
    static bool (*hasPrinters)();
    static QString (*defaultPrinterName)();
    // Overridable for tests: hands a web address to the desktop's browser.
    static bool (*openUrl)(const QUrl &url);

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    // Drops from other programs, anywhere on the window: picture files
    // become clip art at the drop point, a card file is opened (after "Save
    // changes?"), text becomes a text label.  Anything else is refused while
    // it is dragged.
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void FormCreate();
    void connectPrintCommands(); // Printing
    void createMergeCommands(QVBoxLayout &column);
    // Card selection and the print job on a given engine object: the main
    // window's printer, or a PDF file's.  DoPrint(engine) is true when the
    // job ran to its end (not cancelled, not failed).
    bool DoPageSetup(printer::TReportPrinter *engine);
    bool DoPrint(printer::TReportPrinter &engine);
    // Selected cards that run off the paper, or into the printer's left, top
    // or right unprintable margin, print cut off: asks whether to print
    // anyway.
    bool ConfirmCardsOffThePage(printer::TReportPrinter &engine);
    QString sheetPdfFileName();
    void createRecentFiles();
    void registerTextTools();
    void saveRecentFiles();
    // The path Save As writes for the name the user chose: ".CWR" is added
    // to a name without it (asking before replacing a card of that name);
    // empty when the user declines.
    QString cardPathForSaveAs(const QString &chosen);
    void exportCard(model::TExportType chosen);
    void createActions();
    void createViewActions();
    void createMenus();
    // Centres the card in the scroll box's view (with at least a 10-pixel
    // margin left and right, 8 above and below, scrolling when it is larger).
    void placeCard();
    // The first start (nothing stored): about two thirds of the screen.
    void sizeForFirstStart();
    bool wheelZoom(QWheelEvent *event);
    // Zooming keeps a point of the card where it is in the view: the point
    // under the mouse for the wheel, the view's centre otherwise.  Points
    // are view (viewport) pixels; card points are card pixels at 100 %.
    QPoint viewCentre() const;
    QPointF cardPointAt(const QPoint &viewPos) const;
    void scrollCardPointTo(const QPointF &cardPoint, const QPoint &viewPos);
    // No point: the view's centre.
    void zoomAround(float factor, std::optional<QPoint> viewPos);
    // The next zoom of the ladder up (direction > 0) or down, or the zoom as
    // it is at either end.
    float ladderStep(int direction) const;
    // Drops (TMainScreen_Drop.cpp).  The point is in surface pixels at the
    // current zoom.
    bool acceptsDrop(const QMimeData *data) const;
    void dropPictures(const QStringList &paths, const QPoint &at);
    void dropText(const QString &text, const QPoint &at);
    void createToolBar();
    void createScrollBox();
    QWidget *createBottomStrip();
    void toolChosen(TLPanelState state);
    void DroppedObject(const QRect &r);
    void LabelChanged();
    bool PrinterCheck();
    bool keyDown(QKeyEvent *event);
    bool keyUp(QKeyEvent *event);
    void scrollBy(int action);

    TGBusinessCardPanel32 *m_panel = nullptr;
    QScrollArea *m_scrollBox = nullptr;
    QWidget *m_scrollHost = nullptr;
    bool m_changesMade = false;
    bool m_printerReady = false;
    bool m_activated = false;
    bool m_fitToWindow = false;
    int m_wheelDelta = 0;
    const QKeyEvent *m_lastKey = nullptr;
    quint64 m_lastKeyTime = 0;
    int m_lastKeyType = 0;
    int m_lastKeyCode = 0;

    QActionGroup *m_tools = nullptr;
    // One per drawing tool, in the tool bar's order (the pointer first).
    std::vector<QAction *> m_toolActions;
    QAction *m_showGrid = nullptr;
    QAction *m_snapToGrid = nullptr;
    QAction *m_setBackground = nullptr;
    QAction *m_assist = nullptr;

    QMenu *m_fileMenu = nullptr;
    QAction *New1 = nullptr;
    QAction *Open1 = nullptr;
    QAction *Delete1 = nullptr;
    QAction *mnuSave = nullptr;
    QAction *mnuSaveAs = nullptr;
    QAction *mnuSaveAsBitmap = nullptr;
    QAction *mnuSaveAsJPG = nullptr;
    QAction *mnuSaveAsPNG = nullptr;
    QAction *mnuExportPrintShop = nullptr;
    QAction *mnuPrint = nullptr;
    QAction *mnuPreview = nullptr;
    QAction *mnuPrinterSetup = nullptr;
    QAction *mnuPrinterFineTuning = nullptr;
    QAction *mnuPrintOutlineTestPage = nullptr;
    QAction *mnuPrintRegistrationTestPage = nullptr;
    QAction *mnuBackSideRegistration = nullptr;
    QAction *mnuSaveSheetAsPdf = nullptr;
    QAction *mnuMergeOpen = nullptr;
    QAction *mnuMergeMapping = nullptr;
    QAction *mnuMergeClose = nullptr;
    QAction *Exit1 = nullptr;
    QAction *mnuUndo = nullptr;
    QAction *mnuRedo = nullptr;
    bool m_restoringDesign = false;
    bool m_stateRecordPending = false;
    model::TDesignState currentDesignState();
    void updateUndoActions();
    // Puts back both sides of `state` and shows `show`; a side whose objects
    // are the same in `before` (the state left) keeps its objects.
    void restoreDesignState(const model::TDesignState &state, model::TCardSide show,
                            const model::TDesignState *before);
    void restoreSide(model::TCardSide side, const model::TDesignState &state,
                     const model::TDesignState *before);
    // Sides (TMainScreen_Sides.cpp).
    QString m_hiddenBackgroundFile;
    // The back file of the open card could not be read: it is left on disk
    // until the user gives the card a back of its own.
    bool m_backUnreadable = false;
    QAction *mnuFrontSide = nullptr;
    QAction *mnuBackSide = nullptr;
    QToolButton *FrontButton = nullptr;
    QToolButton *BackButton = nullptr;
    void createSideActions();
    QWidget *createSideSwitch(QWidget *parent);
    void updateSideSwitch();
    // Empties both sides and their backgrounds and shows the front.
    void clearCard();
    // Before saving: frees the objects lying off the card on both sides.
    void removeStrayObjects();
    // Reads the back of the card file `path` onto the back side; a missing
    // back leaves it empty, a damaged one empties it with a message.
    void openBackSide(const QString &path);
    // Writes the back of the card file `path`, or removes it when the card
    // has no back.  Throws cw::Exception.
    void saveBackSide(const QString &path);
    // Printing both sides (TMainScreen_PrintSides.cpp).  The pages the next
    // DoPrint composes when the card has a back (or for the registration
    // test page): both sides, or one pass of a printer without duplex.
    model::TTwoSidedSheet::TPages m_sidePass = model::TTwoSidedSheet::TPages::Both;
    bool m_registrationTest = false;
    // Gives the status dialog its back pages for the next run.
    void prepareBackPages(TLabelPrinter &dialog);
    // Print on the main window's printer: one-sided as before; a card with a
    // back goes to a duplex printer with the binding of the settings, or
    // through two passes with the user turning the stack in between.
    void printSheets();
    QAction *mnuDefaultFont = nullptr;
    QAction *PersonalInformation1 = nullptr;
    QAction *mnuSetorChangeBackgroundArt = nullptr;
    QAction *ChangeCardLayout1 = nullptr;
    QAction *Contents1 = nullptr;
    QAction *About1 = nullptr;
    QAction *ConfigurationInformation1 = nullptr;
    QAction *TechnicalSupport1 = nullptr;
    QAction *FrequentlyAskedQuestions1 = nullptr;
    QAction *VisitOurInternetWebsite1 = nullptr;
    QAction *HelpOnWindow1 = nullptr;
    QAction *mnuSelectAll = nullptr;
    QAction *mnuSelectNone = nullptr;
    QAction *mnuZoomIn = nullptr;
    QAction *mnuZoomOut = nullptr;
    QAction *mnuZoomActual = nullptr;
    QAction *mnuZoomFit = nullptr;

    QToolButton *m_zoomUp = nullptr;
    QToolButton *m_zoomDown = nullptr;
    QLabel *ZoomCaption = nullptr;
    QPushButton *Savebutton = nullptr;
    QPushButton *Cancelbutton = nullptr;
    QPushButton *PrintButton = nullptr;
    QPushButton *Previewbutton = nullptr;
    QPushButton *Helpbutton = nullptr;
    QToolButton *MouseHelpButton = nullptr;
    QPushButton *CloseButton = nullptr;

    friend class TestMainScreen;
};

} // namespace cw::ui
