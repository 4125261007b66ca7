#pragma once
// "Business Card Layout": edits the card layout, either by picking one of the
// predefined card stocks, by finding a maker's stock in the stock database,
// or by typing the numbers in inches or millimetres.  The dialog works on a
// copy; the caller takes Layout() back after OK.

#include "app/model/TCardLayout.h"
#include "app/model/TCardStock.h"

#include <QDialog>

class QComboBox;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QToolButton;

namespace cw::ui {

class TNumEdit;
class TCardStockFinder;

class TEditCardLayout : public QDialog
{
    Q_OBJECT
public:
    explicit TEditCardLayout(QWidget *parent = nullptr);

    // Runs the dialog on `layout` (placed over the main window, through the
    // interaction service).  On OK `layout` takes PredefLayout, Papersize (and
    // a custom paper's size), the eight numbers, UseMM and the stock key from
    // the dialog and true is returned; on Cancel it is left alone.
    static bool Execute(model::TCardLayout &layout);

    // Checks MMButton when layout.UseMM and takes PredefLayout, Papersize and
    // the eight numbers as the working copy (call before the first activation).
    void SetLayout(const model::TCardLayout &layout);
    // The working copy, with UseMM = whether MMButton is checked.
    model::TCardLayout Layout() const;

    // Handlers, public so that tests drive the dialog without a modal loop.
    void FormActivate();
    void FillEditsFromValues();
    void PredefinedLayoutsChange();
    void InchesbuttonClick();
    void MMButtonClick();
    void eCardwidthExit();
    void eCardHeightExit();
    void OKButtonClick();
    bool ValidCard();
    void CancelbuttonClick();
    void HelpButtonClick();
    void MouseHelpButtonClick();
    // "What's this?" from a control's popup menu: shows the control's help
    // text (or that of the nearest parent that has one).
    void WhatsthisMenuItemClick(QWidget *control);
    // A stock picked in the stock search: a built-in layout selects its line
    // of PredefinedLayouts as picking that line does; any other stock fills
    // the working copy, selects no predefined line and is remembered by its
    // key (kept on OK only while the numbers are still the stock's).
    void PickStock(const model::TCardStock &stock);
    TCardStockFinder *StockFinder() const { return m_finder; }

    static constexpr int HelpContext = 3101;
    // 1 / 25.4, the factor from millimetres to inches.
    static constexpr double InchesPerMillimetre = 0.039370078740157480314;

protected:
    void showEvent(QShowEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void buildControls();
    void setHelpTexts();
    TNumEdit *lengthEdit(const char *name);
    // The length edits, in the order Height, Width, TopMargin, LeftMargin,
    // HPitch, VPitch, PaperWidth, PaperHeight, and the working-copy fields
    // they show.
    std::array<TNumEdit *, 8> lengthEdits() const;
    std::array<float *, 8> lengthValues();
    // Takes the edits, spin edits and paper list into the working copy (the
    // first steps of OK).
    void readControls();
    // Clears the stock key when the numbers are no longer those of that stock.
    void forgetChangedStock();
    void paperChanged();

    model::TCardLayout m_layout;
    bool m_firstActivation = true;
    bool m_showingMM = false; // the edits hold millimetres

    QComboBox *m_predefined = nullptr;
    QRadioButton *m_inches = nullptr;
    QRadioButton *m_mm = nullptr;
    TNumEdit *m_width = nullptr;
    TNumEdit *m_height = nullptr;
    TNumEdit *m_hpitch = nullptr;
    TNumEdit *m_vpitch = nullptr;
    QSpinBox *m_across = nullptr;
    QSpinBox *m_down = nullptr;
    TNumEdit *m_leftMargin = nullptr;
    TNumEdit *m_topMargin = nullptr;
    QComboBox *m_paper = nullptr;
    TNumEdit *m_paperWidth = nullptr;
    TNumEdit *m_paperHeight = nullptr;
    TCardStockFinder *m_finder = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
    QPushButton *m_help = nullptr;
    QToolButton *m_whatsThis = nullptr;
};

} // namespace cw::ui
