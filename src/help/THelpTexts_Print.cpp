#include "help/THelpTexts.h"

// Tables of the printing windows: card selection, the bottom-margin warning,
// fine tuning, the print status and the preview.

namespace cw::ui {

namespace {

const THelpTextTable SelectSpecificLabels{
    "TSelectSpecificLabels", 2020,
    QList<THelpTextRow>{
        {"TSelectSpecificLabels",
         QT_TRANSLATE_NOOP("THelpTexts",
                           "Choose which cards of the sheet to print, how many sheets, and the printer.")},
        {"PaintBox1",
         QT_TRANSLATE_NOOP(
             "THelpTexts",
             "The sheet of card stock. Red cards print, white cards do not. Click a card to switch it; "
             "this saves card stock when part of a sheet is used up.")},
        {"SelectAll", QT_TRANSLATE_NOOP("THelpTexts", "Selects every card of the sheet.")},
        {"Selectnone",
         QT_TRANSLATE_NOOP("THelpTexts", "Deselects every card; then click the cards you want.")},
        {"PrinterLabel", QT_TRANSLATE_NOOP("THelpTexts", "The printer the cards go to.")},
        {"PrinterSetupButton",
         QT_TRANSLATE_NOOP("THelpTexts", "Choose another printer or change the printer's settings.")},
        {"pages", QT_TRANSLATE_NOOP("THelpTexts", "How many sheets to print (1 to 99).")},
    } +
        THelpTexts::DialogButtons(QT_TRANSLATE_NOOP(
            "THelpTexts", "Click to print the selected cards. At least one card must be selected."))};

const THelpTextTable WarnBottomMargin{
    "TWarnBottomMargin", 2105,
    QList<THelpTextRow>{
        {"TWarnBottomMargin",
         QT_TRANSLATE_NOOP(
             "THelpTexts",
             "Your printer cannot print close enough to the bottom of the sheet for the last row "
             "of cards.")},
        {"BotMarg", QT_TRANSLATE_NOOP("THelpTexts",
                                      "How close to the bottom edge of the paper your printer can print.")},
        {"Difference", QT_TRANSLATE_NOOP("THelpTexts", "How much of the bottom cards may be cut off.")},
        {"DontShowCheck", QT_TRANSLATE_NOOP("THelpTexts", "Tick this and the warning is not shown again.")},
        {"OKButton", QT_TRANSLATE_NOOP("THelpTexts", "Click to print anyway.")},
        {"Cancelbutton", QT_TRANSLATE_NOOP("THelpTexts", "Click to stop printing; nothing is printed.")},
    } + THelpTexts::DialogButtons(QT_TRANSLATE_NOOP("THelpTexts", "Click to print anyway."))};

const THelpTextTable PrintFineTune{
    "TPrintFineTune", 2103,
    QList<THelpTextRow>{
        {"TPrintFineTune",
         QT_TRANSLATE_NOOP(
             "THelpTexts",
             "Move and stretch the printing in steps of 1/32 inch so the cards fall exactly on the "
             "card stock.")},
        {"TopMarginSpinner",
         QT_TRANSLATE_NOOP("THelpTexts",
                           "Moves the printing down (lower arrow) or up (upper arrow) on the sheet.")},
        {"lTopMarginNudge", "->TopMarginSpinner"},
        {"LeftMarginSpinner",
         QT_TRANSLATE_NOOP("THelpTexts",
                           "Moves the printing right (lower arrow) or left (upper arrow) on the sheet.")},
        {"LLeftMarginNudge", "->LeftMarginSpinner"},
        {"VerticalSpacingSpinner",
         QT_TRANSLATE_NOOP("THelpTexts",
                           "Widens (lower arrow) or narrows (upper arrow) the distance between rows of "
                           "cards. Use it when printing creeps between the top and bottom cards.")},
        {"LVerticalSpacing", "->VerticalSpacingSpinner"},
        {"HorizontalSpacingSpinner",
         QT_TRANSLATE_NOOP("THelpTexts",
                           "Widens (lower arrow) or narrows (upper arrow) the distance between the "
                           "cards of a row.")},
        {"LHorizontalSpacing", "->HorizontalSpacingSpinner"},
        {"TopMarginSpinnerUp",
         QT_TRANSLATE_NOOP("THelpTexts",
                           "Moves the whole printing up the sheet by 1/32 inch (at most 8/32 inch).")},
        {"TopMarginSpinnerDown",
         QT_TRANSLATE_NOOP("THelpTexts",
                           "Moves the whole printing down the sheet by 1/32 inch (at most 8/32 inch).")},
        {"LeftMarginSpinnerUp",
         QT_TRANSLATE_NOOP("THelpTexts",
                           "Moves the whole printing to the left by 1/32 inch (at most 8/32 inch).")},
        {"LeftMarginSpinnerDown",
         QT_TRANSLATE_NOOP("THelpTexts",
                           "Moves the whole printing to the right by 1/32 inch (at most 8/32 inch).")},
        {"VerticalSpacingSpinnerUp",
         QT_TRANSLATE_NOOP("THelpTexts", "Brings the rows of cards 1/32 inch closer together.")},
        {"VerticalSpacingSpinnerDown",
         QT_TRANSLATE_NOOP("THelpTexts", "Moves the rows of cards 1/32 inch further apart.")},
        {"HorizontalSpacingSpinnerUp",
         QT_TRANSLATE_NOOP("THelpTexts", "Brings the cards of a row 1/32 inch closer together.")},
        {"HorizontalSpacingSpinnerDown",
         QT_TRANSLATE_NOOP("THelpTexts", "Moves the cards of a row 1/32 inch further apart.")},
        {"DefaultButton", QT_TRANSLATE_NOOP("THelpTexts", "Sets all four adjustments back to none.")},
    } +
        THelpTexts::DialogButtons(QT_TRANSLATE_NOOP(
            "THelpTexts", "Click to keep these adjustments for all printing from now on."))};

const THelpTextTable BackSideRegistration{
    "TBackSideRegistration", 2103,
    QList<THelpTextRow>{
        {"TBackSideRegistration",
         QT_TRANSLATE_NOOP("THelpTexts",
                           "How the backs of double-sided cards are put behind their fronts. Print the "
                           "registration test page and hold it against the light to tune them.")},
        {"BindingBox",
         QT_TRANSLATE_NOOP("THelpTexts",
                           "The edge the sheet turns over: the binding your duplex printer uses, or how "
                           "you turn the stack over before feeding it again for the backs.")},
        {"HorizontalOffset",
         QT_TRANSLATE_NOOP("THelpTexts",
                           "Moves every back card right (or left, below zero) in steps of 1/32 inch, as "
                           "the back of the sheet is looked at.")},
        {"VerticalOffset",
         QT_TRANSLATE_NOOP("THelpTexts",
                           "Moves every back card down (or up, below zero) in steps of 1/32 inch, as "
                           "the back of the sheet is looked at.")},
    } +
        THelpTexts::DialogButtons(QT_TRANSLATE_NOOP(
            "THelpTexts", "Click to keep this registration for all printing from now on."))};

const THelpTextTable LabelPrinter{
    "TLabelPrinter",
    2016,
    {
        {"TLabelPrinter", QT_TRANSLATE_NOOP("THelpTexts", "Shows how far printing or preview has got.")},
        {"RStatusPanel", QT_TRANSLATE_NOOP("THelpTexts", "What is being printed now.")},
        {"RStatusLabel", "->RStatusPanel"},
        {"Extralabel", "->RStatusPanel"},
        {"CancelButton", QT_TRANSLATE_NOOP("THelpTexts", "Stops printing or preview.")},
    }};

const THelpTextTable PreviewForm{
    "TPreviewForm",
    2039,
    {
        {"TPreviewForm",
         QT_TRANSLATE_NOOP("THelpTexts", "How the sheet will print, with your design on the first card.")},
        {"ScrollBox1",
         QT_TRANSLATE_NOOP(
             "THelpTexts",
             "The printed page. Click with the left mouse button to zoom in, with the right button to "
             "zoom out.")},
        {"Panel2", QT_TRANSLATE_NOOP("THelpTexts", "The buttons of the preview.")},
        {"CloseButton", QT_TRANSLATE_NOOP("THelpTexts", "Closes the preview.")},
        {"sbZoomIn", QT_TRANSLATE_NOOP("THelpTexts", "Shows the page larger.")},
        {"sbZoomOut", QT_TRANSLATE_NOOP("THelpTexts", "Shows the page smaller.")},
        {"sbZoomPageWidth", QT_TRANSLATE_NOOP("THelpTexts", "Fits the width of the page into the window.")},
        {"sbZoomPage", QT_TRANSLATE_NOOP("THelpTexts", "Fits the whole page into the window.")},
        {"Helpbutton", QT_TRANSLATE_NOOP("THelpTexts", "Click to bring up the help for the preview.")},
        {"HelpButton", "->Helpbutton"},
        {"MouseHelpButton",
         QT_TRANSLATE_NOOP(
             "THelpTexts",
             "Click this button, then click any part of this window to see what it is for. Press "
             "Esc to cancel."),
         THelpTexts::NoContext},
    }};

} // namespace

QList<const THelpTextTable *> THelpTexts::PrintTables()
{
    return {&SelectSpecificLabels, &WarnBottomMargin, &PrintFineTune,
            &BackSideRegistration, &LabelPrinter,     &PreviewForm};
}

} // namespace cw::ui
