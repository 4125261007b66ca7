// The "What's this?" texts of the layout dialog's controls.

#include "app/TEditCardLayout.h"
#include "widgets/TNumEdit.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>

namespace cw::ui {

void TEditCardLayout::setHelpTexts()
{
    const std::pair<QWidget *, const char *> texts[] = {
        {m_predefined, QT_TR_NOOP("Pick the card stock you print on; its sizes fill in the numbers below.")},
        {m_inches, QT_TR_NOOP("Show and enter the sizes in inches.")},
        {m_mm, QT_TR_NOOP("Show and enter the sizes in millimetres.")},
        {m_width, QT_TR_NOOP("The width of one card.")},
        {m_height, QT_TR_NOOP("The height of one card.")},
        {m_hpitch,
         QT_TR_NOOP(
             "The distance from the left edge of one card to the left edge of the next card in the row. "
             "It is at least the card width.")},
        {m_vpitch, QT_TR_NOOP("The distance from the top of one card to the top of the card below it. "
                              "It is at least the card height.")},
        {m_across, QT_TR_NOOP("How many cards there are in each row (1 to 10).")},
        {m_down, QT_TR_NOOP("How many rows of cards there are on the sheet (1 to 30).")},
        {m_leftMargin,
         QT_TR_NOOP(
             "The distance from the left edge of the paper to the left edge of the first column of cards.")},
        {m_topMargin,
         QT_TR_NOOP("The distance from the top edge of the paper to the top of the first row of cards.")},
        {m_paper, QT_TR_NOOP("The size of the sheet of card stock.")},
        {m_paperWidth, QT_TR_NOOP("The width of a custom paper.")},
        {m_paperHeight, QT_TR_NOOP("The height of a custom paper.")},
        {m_ok, QT_TR_NOOP("Click to keep this layout; the design area takes the new card size.")},
        {m_cancel, QT_TR_NOOP("Click to cancel and return to the previous screen")},
        {m_help, QT_TR_NOOP("Click to bring up the help for this window")},
        {m_whatsThis, QT_TR_NOOP("Click here, then click any item of this window to see what it is for.")},
    };
    for (const auto &[control, text] : texts)
        control->setWhatsThis(tr(text));
    // A caption explains the control it names.
    for (QLabel *label : findChildren<QLabel *>()) {
        if (label->buddy())
            label->setWhatsThis(label->buddy()->whatsThis());
    }
}

} // namespace cw::ui
