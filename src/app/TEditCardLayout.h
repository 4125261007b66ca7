#pragma once
// "Business Card Layout": edits the card layout, either by picking one of the
// predefined card stocks or by typing the numbers in inches or millimetres.
// The dialog works on a copy; the caller takes Layout() back after OK.

#include "app/model/TCardLayout.h"

#include <QDialog>

class QComboBox;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QToolButton;

namespace cw::ui {

class TNumEdit;

class TEditCardLayout : public QDialog
{
    Q_OBJECT
public:
    explicit TEditCardLayout(QWidget *parent = nullptr);

    // Runs the dialog on `layout` (placed over the main window, through the
    // interaction service).  On OK `layout` takes PredefLayout, Papersize, the
    // eight numbers and UseMM from the dialog and true is returned; on Cancel
    // it is left alone.
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
    // The six length edits, in the order Height, Width, TopMargin,
    // LeftMargin, HPitch, VPitch, and the working-copy fields they show.
    std::array<TNumEdit *, 6> lengthEdits() const;
    std::array<float *, 6> lengthValues();

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
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
    QPushButton *m_help = nullptr;
    QToolButton *m_whatsThis = nullptr;
};

} // namespace cw::ui
