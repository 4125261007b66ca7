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
        {m_predefined, "Pick the card stock you print on; its sizes fill in the numbers below."},
        {m_inches, "Show and enter the sizes in inches."},
        {m_mm, "Show and enter the sizes in millimetres."},
        {m_width, "The width of one card."},
        {m_height, "The height of one card."},
        {m_hpitch,
         "The distance from the left edge of one card to the left edge of the next card in the row. "
         "It is at least the card width."},
        {m_vpitch, "The distance from the top of one card to the top of the card below it. "
                   "It is at least the card height."},
        {m_across, "How many cards there are in each row (1 to 10)."},
        {m_down, "How many rows of cards there are on the sheet (1 to 30)."},
        {m_leftMargin,
         "The distance from the left edge of the paper to the left edge of the first column of cards."},
        {m_topMargin, "The distance from the top edge of the paper to the top of the first row of cards."},
        {m_paper, "The size of the sheet of card stock."},
        {m_paperWidth, "The width of a custom paper."},
        {m_paperHeight, "The height of a custom paper."},
        {m_ok, "Click to keep this layout; the design area takes the new card size."},
        {m_cancel, "Click to cancel and return to the previous screen"},
        {m_help, "Click to bring up the help for this window"},
        {m_whatsThis, "Click here, then click any item of this window to see what it is for."},
    };
    for (const auto &[control, text] : texts)
        control->setWhatsThis(QString::fromLatin1(text));
    // A caption explains the control it names.
    for (QLabel *label : findChildren<QLabel *>()) {
        if (label->buddy())
            label->setWhatsThis(label->buddy()->whatsThis());
    }
}

} // namespace cw::ui
